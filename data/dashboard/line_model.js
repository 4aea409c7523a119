// What the page knows of the line, from the stations' MQTT messages (docs/events.md): each
// station's state, its retained overview and the phase of its running boards. Every message is
// checked before it is taken; one that is not as expected is refused with the reason, and
// nothing else changes.
"use strict";

const MESSAGE_LIMIT = 512 * 1024; // an overview of 256 slots stays far below
const STATION_STATES = ["online", "running", "idle", "offline"];
const SLOT_STATES = ["running", "ok", "fail", "interrupted"];
const PHASES = ["loader_download", "mcu_erase", "mcu_write", "mcu_crc_check", "flash_erase",
  "flash_write", "flash_crc_check"];
const STATION_LIMIT = 500;

// Why a message was not taken: `key` names the page's words for it (TEXTS), `values` fill them;
// without a key the message itself (a field's name) is the reason.
class MessageRefused extends Error {
  constructor(why, key, values) {
    super(why);
    this.key = key;
    this.values = values || {};
  }
}

function isCount(value) {
  return Number.isInteger(value) && value >= 0;
}

function textOrNull(value, what) {
  if (value === null || value === undefined) return null;
  if (typeof value !== "string") throw new MessageRefused(`${what} is not text`);
  return value;
}

function requireText(value, what) {
  if (typeof value !== "string" || value === "") throw new MessageRefused(`${what} is missing`);
  return value;
}

function requireTime(value, what) {
  requireText(value, what);
  if (Number.isNaN(Date.parse(value))) throw new MessageRefused(`${what} is not a time`);
  return value;
}

function requireArray(value, what, limit) {
  if (!Array.isArray(value)) throw new MessageRefused(`${what} is not a list`);
  if (value.length > limit) throw new MessageRefused(`${what} holds more than ${limit}`);
  return value;
}

// The overview of format 1, with only the fields the page uses, each checked.
function Read_Overview(json) {
  if (json === null || typeof json !== "object" || json.v !== 1 || json.event !== "overview")
    throw new MessageRefused("it is not an overview of format 1");
  const counters = json.counters || {};
  for (const name of ["boards", "ok", "failed", "interrupted", "first_pass_boards",
    "first_pass_ok"])
    if (!isCount(counters[name])) throw new MessageRefused(`counters.${name} is not a count`);
  const recipe = json.recipe || {};
  const overview = {
    station: requireText(json.station, "station"),
    time: requireTime(json.time, "time"),
    since: requireTime(json.since, "since"),
    recipe: {
      model: textOrNull(recipe.model, "recipe.model"),
      product: textOrNull(recipe.product, "recipe.product"),
      version: textOrNull(recipe.version, "recipe.version"),
      bundleSha256: textOrNull(recipe.bundle_sha256, "recipe.bundle_sha256"),
    },
    counters: {
      boards: counters.boards, ok: counters.ok, failed: counters.failed,
      interrupted: counters.interrupted, firstPassBoards: counters.first_pass_boards,
      firstPassOk: counters.first_pass_ok,
    },
    slots: requireArray(json.slots, "slots", 256).map((slot, i) => {
      if (!slot || !SLOT_STATES.includes(slot.state))
        throw new MessageRefused(`slots[${i}].state is not a slot state`);
      return {
        port: requireText(slot.port, `slots[${i}].port`),
        slot: textOrNull(slot.slot, `slots[${i}].slot`),
        state: slot.state,
        reason: textOrNull(slot.reason, `slots[${i}].reason`),
        failure: textOrNull(slot.failure, `slots[${i}].failure`),
      };
    }),
    failures: requireArray(json.failures, "failures", 20).map((failure, i) => ({
      time: requireTime(failure && failure.time, `failures[${i}].time`),
      port: requireText(failure.port, `failures[${i}].port`),
      slot: textOrNull(failure.slot, `failures[${i}].slot`),
      failure: textOrNull(failure.failure, `failures[${i}].failure`),
      reason: textOrNull(failure.reason, `failures[${i}].reason`) || "",
    })),
    buckets: requireArray(json.per_10_minutes, "per_10_minutes", 145).map((bucket, i) => {
      if (!bucket || !isCount(bucket.ok) || !isCount(bucket.failed))
        throw new MessageRefused(`per_10_minutes[${i}] does not count boards`);
      return { start: Date.parse(requireTime(bucket.start, `per_10_minutes[${i}].start`)),
        ok: bucket.ok, failed: bucket.failed };
    }),
  };
  return overview;
}

// What to do about a failure of this kind, as the station's window says it.
function Failure_Hint(kind) {
  switch (kind) {
    case "no_reply": case "wrong_reply": case "refused": case "device_gone": return "reseat";
    case "stopped": return "again";
    default: return "engineer";
  }
}

class LineModel {
  constructor(prefix) {
    this.prefix = prefix;
    this.stations = new Map(); // by topic level: {name, state, overview, phases: Map port->phase}
    this.changed = new Set(); // the stations to paint again
  }

  // The topics the page subscribes to.
  topics() {
    return [`${this.prefix}/+/state`, `${this.prefix}/+/overview`, `${this.prefix}/+/+/phase`];
  }

  stationOf(level) {
    let station = this.stations.get(level);
    if (!station) {
      if (this.stations.size >= STATION_LIMIT)
        throw new MessageRefused(`more than ${STATION_LIMIT} stations`);
      station = { level, name: level, state: "unknown", overview: null, phases: new Map() };
      this.stations.set(level, station);
    }
    return station;
  }

  // Takes one message; throws MessageRefused with the reason when it is not as expected.
  take(topic, bytes) {
    if (bytes.length > MESSAGE_LIMIT)
      throw new MessageRefused("too large", "tooLarge", { bytes: bytes.length, limit: MESSAGE_LIMIT });
    const levels = topic.slice(this.prefix.length + 1).split("/");
    const text = new TextDecoder("utf-8", { fatal: false }).decode(bytes);
    if (levels.length === 2 && levels[1] === "state") {
      if (!STATION_STATES.includes(text))
        throw new MessageRefused("state", "badState", { state: text.slice(0, 40) });
      this.stationOf(levels[0]).state = text;
    } else if (levels.length === 2 && levels[1] === "overview") {
      if (bytes.length === 0) { // a retained overview cleared by the plant
        this.stations.delete(levels[0]);
        this.changed.add(levels[0]);
        return;
      }
      const overview = Read_Overview(parseJson(text));
      const station = this.stationOf(levels[0]);
      station.overview = overview;
      station.name = overview.station;
      // Phases of boards that are no longer running are over.
      const running = new Set(overview.slots.filter((s) => s.state === "running").map((s) => s.port));
      for (const port of [...station.phases.keys()])
        if (!running.has(port)) station.phases.delete(port);
    } else if (levels.length === 3 && levels[2] === "phase") {
      const event = parseJson(text);
      if (!event || event.event !== "phase" || !PHASES.includes(event.phase) ||
          typeof event.port !== "string")
        throw new MessageRefused("it is not a phase event");
      this.stationOf(levels[0]).phases.set(event.port, event.phase);
    } else {
      return; // not ours
    }
    this.changed.add(levels[0]);
  }

  // Products whose running stations (not offline) do not all run one version:
  // [{product, versions: [{version, stations: [names]}]}].
  versionConflicts() {
    const products = new Map();
    for (const station of this.stations.values()) {
      const recipe = station.overview && station.overview.recipe;
      if (!recipe || !recipe.product || !recipe.version || station.state === "offline") continue;
      if (!products.has(recipe.product)) products.set(recipe.product, new Map());
      const versions = products.get(recipe.product);
      if (!versions.has(recipe.version)) versions.set(recipe.version, []);
      versions.get(recipe.version).push(station.name);
    }
    const conflicts = [];
    for (const [product, versions] of products)
      if (versions.size > 1)
        conflicts.push({ product, versions: [...versions].sort().map(([version, stations]) =>
          ({ version, stations: stations.sort() })) });
    return conflicts;
  }

  // The line's last failures, newest first, each with its station's name.
  lastFailures(limit) {
    const all = [];
    for (const station of this.stations.values())
      for (const failure of (station.overview ? station.overview.failures : []))
        all.push(Object.assign({ station: station.name }, failure));
    all.sort((a, b) => Date.parse(b.time) - Date.parse(a.time));
    return all.slice(0, limit);
  }

  // Boards per 10 minutes of the line, from `since` on: [{start, ok, failed}] by start.
  buckets(since) {
    const sums = new Map();
    for (const station of this.stations.values())
      for (const bucket of (station.overview ? station.overview.buckets : [])) {
        if (bucket.start < since) continue;
        const sum = sums.get(bucket.start) || { start: bucket.start, ok: 0, failed: 0 };
        sum.ok += bucket.ok;
        sum.failed += bucket.failed;
        sums.set(bucket.start, sum);
      }
    return [...sums.values()].sort((a, b) => a.start - b.start);
  }

  totals() {
    const totals = { boards: 0, ok: 0, failed: 0, firstPassBoards: 0, firstPassOk: 0 };
    for (const station of this.stations.values())
      if (station.overview)
        for (const name of Object.keys(totals)) totals[name] += station.overview.counters[name];
    return totals;
  }
}

function parseJson(text) {
  try {
    return JSON.parse(text);
  } catch (e) {
    throw new MessageRefused("json", "notJson");
  }
}

// Boards per hour since the station started counting, over at least a minute.
function Boards_PerHour(overview, now) {
  const hours = Math.max((now - Date.parse(overview.since)) / 3600000, 1 / 60);
  return (overview.counters.ok + overview.counters.failed) / hours;
}

// First-pass yield as a whole percent; null when no board counted.
function First_PassYield(counters) {
  return counters.firstPassBoards > 0
    ? Math.round((100 * counters.firstPassOk) / counters.firstPassBoards) : null;
}
