#include "support/test_certificates.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

bool Make_TestCertificates(const QString &dir) {
    const auto openssl = [&](const QStringList &arguments) {
        QProcess p;
        p.setWorkingDirectory(dir);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start("openssl", arguments);
        return p.waitForFinished() && p.exitCode() == 0;
    };
    const QStringList ec{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
    for (const QString &ca : {QStringLiteral("ca"), QStringLiteral("other-ca")})
        if (!openssl(QStringList{"req", "-x509"} + ec +
                     QStringList{"-keyout", ca + ".key", "-out", ca + ".crt", "-days", "2", "-subj",
                                 "/CN=" + ca}))
            return false;
    if (!openssl(
            QStringList{"req"} + ec +
            QStringList{"-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=localhost"}))
        return false;
    QFile ext(dir + "/ext");
    if (!ext.open(QIODevice::WriteOnly)) return false;
    ext.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n");
    ext.close();
    return openssl({"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
                    "-CAcreateserial", "-out", "server.crt", "-days", "2", "-extfile", "ext"});
}

QByteArray Tls_BrokerConfig(const QString &dir, int plainPort) {
    const QByteArray d = dir.toUtf8();
    return "cafile " + d + "/ca.crt\ncertfile " + d + "/server.crt\nkeyfile " + d +
           "/server.key\nlistener " + QByteArray::number(plainPort) + " 127.0.0.1\n";
}
