#pragma once

#include "app/main_window.h"
#include "support/message_box_responder.h"
#include "support/scoped_current_dir.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

// The real window in a temporary current directory (config.ini lives there), with every
// message box answered and recorded. The window goes first, so its saving at exit still finds
// the directory and the responder.
struct WindowRig {
    ScopedCurrentDir dir;
    MessageBoxResponder boxes;
    std::unique_ptr<MainWindow> window;

    // Writes config.ini (unless `config` is null) and builds the window.
    MainWindow &start(const QByteArray &config = QByteArray());
    // Destroys the window: settings are saved, the port closed.
    void stop() { window.reset(); }
    // Waits (bounded) until every job asked of the window's board thread, the opening of the
    // port included, has ended and the window has taken its result (boxes answered).
    bool idle(int timeoutMs = 15000);

    QStringList log() const;

    // The nine buttons that Set_Buttons_Enabled manages, flash mode first, then layout order.
    static const QStringList &actionButtons();
    // Those of them that are enabled, in that order.
    QStringList enabledActionButtons() const;

    // A widget of the form by object name; aborts the test run when the form lacks it.
    template <class T> T *child(const char *name) const {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found) qFatal("the window has no %s", name);
        return found;
    }
};
