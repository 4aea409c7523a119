// The line lead's page: connects to the plant's broker over WebSockets (?broker=ws://HOST:PORT,
// by default the one that served the page; ?prefix=PREFIX, by default the stations' "tessara")
// and shows every station that ever published there.
"use strict";

const DEFAULT_PREFIX = "tessara";

// The broker and prefix the page's address asks for; `problem` names what is wrong with them.
function Page_Settings(location) {
  const query = new URLSearchParams(location.search);
  let broker = query.get("broker");
  if (broker === null) {
    if (location.protocol !== "http:" && location.protocol !== "https:")
      return { problem: "noBroker" };
    broker = `${location.protocol === "https:" ? "wss" : "ws"}://${location.host}`;
  }
  if (!/^wss?:\/\/[^/?#\s]+/.test(broker)) return { problem: "badBroker", broker };
  const prefix = (query.get("prefix") || DEFAULT_PREFIX).replace(/\/+$/, "");
  if (prefix === "" || /[+#\u0000]/.test(prefix) || prefix.split("/").includes(""))
    return { problem: "badPrefix", prefix };
  return { broker, prefix, user: query.get("user") || "" };
}

function startPage() {
  const language = Pick_Language(navigator.languages || [navigator.language]);
  document.documentElement.lang = language;
  const texts = TEXTS[language];
  const settings = Page_Settings(window.location);
  const model = new LineModel(settings.prefix || DEFAULT_PREFIX);
  const view = new LineView(model, texts);
  view.paint();
  if (settings.problem) {
    view.addProblem(view.say(settings.problem, settings));
    view.setConnection(settings.problem, settings);
    return;
  }
  const login = document.getElementById("login");
  document.getElementById("login-user").value = settings.user;
  let client = null;

  const connect = (user, password) => {
    if (client) client.end(true);
    view.setConnection("connecting", settings);
    client = mqtt.connect(settings.broker, {
      protocolVersion: 4,
      clientId: `tessara-page-${Math.random().toString(16).slice(2, 10)}`,
      clean: true,
      reconnectPeriod: 1000,
      connectTimeout: 5000,
      username: user || undefined,
      password: password || undefined,
    });
    client.on("connect", () => {
      // Signed in: a refusal or a failed subscription of before no longer holds.
      login.hidden = true;
      view.clearProblems("connection");
      view.setConnection("connected", settings);
      client.subscribe(model.topics(), { qos: 1 }, (error) => {
        if (error) view.addProblem(view.say("brokerError", { broker: settings.broker, why: error.message }), "connection");
      });
    });
    client.on("reconnect", () => view.setConnection("reconnecting", settings));
    client.on("error", (error) => {
      // A refusal of the user name or password is not tried again: it needs the operator.
      if (error && (error.code === 4 || error.code === 5)) {
        client.end(true);
        const why = error.message.replace(/^Connection refused: /, "");
        view.setConnection("refused", { broker: settings.broker, why });
        view.addProblem(view.say("refused", { broker: settings.broker, why }), "connection");
        login.hidden = false;
      } else {
        view.setConnection("brokerError", { broker: settings.broker, why: error.message });
      }
    });
    client.on("message", (topic, payload) => {
      try {
        model.take(topic, payload);
        // The topic's card is up to date again: what was wrong with its last message is past.
        view.clearProblems(`topic:${topic}`);
      } catch (error) {
        if (!(error instanceof MessageRefused)) throw error;
        view.refused(topic, error);
      }
      view.schedule();
    });
  };
  login.addEventListener("submit", (event) => {
    event.preventDefault();
    connect(document.getElementById("login-user").value,
      document.getElementById("login-password").value);
  });
  // The pace of each station changes with the time even when nothing is published.
  setInterval(() => {
    for (const level of model.stations.keys()) model.changed.add(level);
    view.schedule();
  }, 60000);
  connect(settings.user, "");
}

startPage();
