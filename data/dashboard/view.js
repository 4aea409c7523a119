// Paints the model into the page. Every text from the broker goes in as text (textContent),
// never as HTML, so a station named "<script>" is shown as it is named.
"use strict";

const PROBLEM_LIMIT = 10;
const FAILURE_ROWS = 20;
const SHIFT_MS = 12 * 3600 * 1000; // the chart shows the last 12 hours
// The line-wide parts (totals, warnings, failures, chart) are painted at most this often: at line
// scale, overviews come many times a second, and each station's card is what must not wait.
const LINE_PAINT_MS = 1000;

function element(tag, attributes, text) {
  const e = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
  if (text !== undefined) e.textContent = text;
  return e;
}

function timeOfDay(ms) {
  return new Date(ms).toLocaleTimeString([], { hour: "2-digit", minute: "2-digit" });
}

class LineView {
  constructor(model, texts) {
    this.model = model;
    this.t = texts;
    this.cards = new Map(); // station level -> its card
    this.ids = new Map(); // station level -> its heading's id (a level may hold any character)
    this.chart = null;
    this.paintDue = false;
    this.linePaintedAt = -Infinity;
    this.lineTimer = null;
    for (const e of document.querySelectorAll("[data-text]")) e.textContent = texts[e.dataset.text];
    document.title = texts.title;
  }

  say(key, values) {
    return Fill_Text(this.t[key], values);
  }

  setConnection(key, values) {
    document.getElementById("connection").textContent = this.say(key, values);
  }

  // A line in the problems list, newest first; the oldest go beyond PROBLEM_LIMIT. `cause` names
  // what the problem is about, so that the line goes once that is well again (clearProblems):
  // "connection", or "topic:" and the topic of a message the page could not take. None: the
  // line stays (the page's own address is wrong).
  addProblem(text, cause) {
    const list = document.getElementById("problems");
    const line = element("li", {}, `${timeOfDay(Date.now())} ${text}`);
    if (cause) line.dataset.cause = cause;
    list.insertBefore(line, list.firstChild);
    while (list.children.length > PROBLEM_LIMIT) list.removeChild(list.lastChild);
    document.getElementById("problems-section").hidden = false;
  }

  // Takes away the lines of problems about `cause`: it is well again.
  clearProblems(cause) {
    const list = document.getElementById("problems");
    if (list.children.length === 0) return; // the common case, at every message
    for (const line of [...list.children]) if (line.dataset.cause === cause) line.remove();
    if (list.children.length === 0) document.getElementById("problems-section").hidden = true;
  }

  refused(topic, error) {
    const why = error.key === "tooLarge" ? null
      : error.key ? this.say(error.key, error.values) : error.message;
    this.addProblem(why === null ? this.say("tooLarge", Object.assign({ topic }, error.values))
      : this.say("unreadable", { topic, why }), `topic:${topic}`);
  }

  // Paints what changed, once per frame however many messages came.
  schedule() {
    if (this.paintDue) return;
    this.paintDue = true;
    requestAnimationFrame(() => {
      this.paintDue = false;
      this.paint();
    });
  }

  paint() {
    const now = Date.now();
    for (const level of this.model.changed) this.paintStation(level, now);
    this.model.changed.clear();
    document.getElementById("no-stations").hidden = this.model.stations.size > 0;
    const wait = this.linePaintedAt + LINE_PAINT_MS - now;
    if (wait <= 0) this.paintLine(now);
    else if (this.lineTimer === null)
      this.lineTimer = setTimeout(() => this.paintLine(Date.now()), wait);
  }

  paintLine(now) {
    clearTimeout(this.lineTimer);
    this.lineTimer = null;
    this.linePaintedAt = now;
    this.paintTotals();
    this.paintWarnings();
    this.paintFailures();
    this.paintChart(now);
  }

  paintStation(level, now) {
    const station = this.model.stations.get(level);
    const old = this.cards.get(level);
    if (!station) {
      if (old) old.remove();
      this.cards.delete(level);
      return;
    }
    const t = this.t;
    if (!this.ids.has(level)) this.ids.set(level, `station-${this.ids.size + 1}`);
    const id = this.ids.get(level);
    const card = element("article", { class: "station", tabindex: "0", "aria-labelledby": id,
      "data-station": level });
    const title = element("h3", { id });
    title.append(element("span", { class: "name" }, station.name),
      element("span", { class: `state state-${station.state}` },
        t.states[station.state] || t.states.unknown));
    card.append(title);
    const overview = station.overview;
    const recipe = overview && overview.recipe;
    const recipeText = recipe && (recipe.product || recipe.model)
      ? [recipe.product, recipe.version, recipe.model,
        recipe.bundleSha256 && recipe.bundleSha256.slice(0, 8)].filter(Boolean).join(" · ")
      : t.noRecipe;
    card.append(element("p", { class: "recipe" }, recipeText));
    if (overview) {
      const c = overview.counters;
      const fpy = First_PassYield(c);
      const counters = element("dl", { class: "counters" });
      for (const [key, value, name] of [["total", c.boards, "boards"], ["passed", c.ok, "ok"],
        ["failed", c.failed, "failed"], ["fpy", fpy === null ? t.none : `${fpy} %`, "fpy"],
        ["perHour", Boards_PerHour(overview, now).toFixed(0), "per-hour"]])
        counters.append(element("dt", {}, t[key]), element("dd", { "data-counter": name },
          String(value)));
      card.append(counters);
      card.append(element("p", { class: "since" },
        this.say("since", { time: timeOfDay(Date.parse(overview.since)) })));
      const slots = element("ul", { class: "slots",
        "aria-label": this.say("slotsLabel", { station: station.name }) });
      for (const slot of overview.slots) {
        const phase = station.phases.get(slot.port);
        const word = slot.state === "running" && phase ? `${t.states.running} (${t.phases[phase]})`
          : t.states[slot.state];
        const name = slot.slot || this.say("noSlot", { port: slot.port });
        slots.append(element("li", { class: `state-${slot.state}`, "data-port": slot.port },
          `${name}: ${word}`));
      }
      card.append(slots);
    }
    if (old) old.replaceWith(card);
    else this.insertCard(level, card);
    this.cards.set(level, card);
  }

  // Cards in the order of the stations' topic levels.
  insertCard(level, card) {
    const list = document.getElementById("stations");
    const next = [...this.cards.keys()].filter((l) => l > level).sort()[0];
    list.insertBefore(card, next === undefined ? null : this.cards.get(next));
  }

  paintTotals() {
    const totals = this.model.totals();
    const fpy = First_PassYield(totals);
    document.getElementById("line-totals").textContent = this.say("lineTotals",
      { boards: totals.boards, ok: totals.ok, failed: totals.failed,
        fpy: fpy === null ? this.t.none : `${fpy} %` });
  }

  paintWarnings() {
    const list = document.getElementById("warnings");
    list.replaceChildren(...this.model.versionConflicts().map((conflict) => element("li", {},
      this.say("versions", { product: conflict.product, list: conflict.versions.map((v) =>
        this.say("versionItem", { version: v.version, stations: v.stations.join(", ") }))
        .join("; ") }))));
    document.getElementById("warnings-section").hidden = list.children.length === 0;
  }

  paintFailures() {
    const rows = this.model.lastFailures(FAILURE_ROWS).map((f) => {
      const row = element("tr");
      row.append(element("td", {}, timeOfDay(Date.parse(f.time))), element("td", {}, f.station),
        element("td", {}, f.slot || f.port), element("td", {}, f.reason),
        element("td", {}, this.t.hints[Failure_Hint(f.failure)]));
      return row;
    });
    document.querySelector("#failures tbody").replaceChildren(...rows);
  }

  paintChart(now) {
    const buckets = this.model.buckets(now - SHIFT_MS);
    const canvas = document.getElementById("chart");
    const last = buckets[buckets.length - 1];
    canvas.setAttribute("aria-label", last ? this.say("chartSummary",
      { start: timeOfDay(last.start), ok: last.ok, failed: last.failed }) : this.t.chartEmpty);
    if (typeof Chart === "undefined") return;
    const labels = buckets.map((b) => timeOfDay(b.start));
    const yields = buckets.map((b) => Math.round((100 * b.ok) / Math.max(b.ok + b.failed, 1)));
    if (!this.chart) {
      this.chart = new Chart(canvas, {
        data: { labels, datasets: [
          { type: "bar", label: this.t.chartBoardsOk, data: [], backgroundColor: "#1b6e2a", stack: "b" },
          { type: "bar", label: this.t.chartBoardsFailed, data: [], backgroundColor: "#b3261e", stack: "b" },
          { type: "line", label: this.t.chartYield, data: [], borderColor: "#0b57a4", yAxisID: "yield" },
        ] },
        options: { animation: false, maintainAspectRatio: false,
          scales: { x: { stacked: true }, y: { stacked: true, beginAtZero: true },
            yield: { position: "right", min: 0, max: 100 } } },
      });
    }
    this.chart.data.labels = labels;
    this.chart.data.datasets[0].data = buckets.map((b) => b.ok);
    this.chart.data.datasets[1].data = buckets.map((b) => b.failed);
    this.chart.data.datasets[2].data = yields;
    this.chart.update("none");
  }
}
