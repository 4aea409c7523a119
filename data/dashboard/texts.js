// The page's words in English and Simplified Chinese; the browser's language chooses.
"use strict";

const TEXTS = {
  en: {
    title: "Tessara line",
    problemsTitle: "Problems",
    loginTitle: "Sign in to the broker",
    user: "User",
    password: "Password",
    connect: "Connect",
    warningsTitle: "Warnings",
    stationsTitle: "Stations",
    noStations: "No station has published yet.",
    failuresTitle: "Last failures",
    time: "Time",
    station: "Station",
    slot: "Slot",
    reason: "Reason",
    hint: "What to do",
    chartTitle: "Boards per 10 minutes and yield",
    chartBoardsOk: "passed",
    chartBoardsFailed: "failed",
    chartYield: "yield %",
    chartSummary: "Last 10 minutes with boards ({start}): {ok} passed, {failed} failed.",
    chartEmpty: "No board has ended yet.",
    connecting: "Connecting to {broker} …",
    connected: "Connected to {broker}, prefix {prefix}.",
    reconnecting: "The connection to {broker} is lost; trying again …",
    refused: "The broker {broker} refused the page's user name or password ({why}). Sign in below.",
    brokerError: "The broker {broker} cannot be reached: {why}",
    noBroker: "No broker: open the page from the broker or add ?broker=ws://HOST:PORT to its address.",
    badBroker: "The broker address \"{broker}\" is not ws://HOST:PORT or wss://HOST:PORT.",
    badPrefix: "The prefix \"{prefix}\" is not a topic prefix (no +, # or empty levels).",
    tooLarge: "A message on {topic} was ignored: {bytes} bytes, more than {limit}.",
    unreadable: "A message on {topic} was ignored: {why}.",
    notJson: "it is not JSON",
    badState: "\"{state}\" is not a station state",
    versions: "Warning: stations run different versions of {product}: {list}.",
    versionItem: "{version} on {stations}",
    lineTotals: "Line: {boards} boards, {ok} passed, {failed} failed, first-pass yield {fpy}.",
    total: "Total",
    passed: "Passed",
    failed: "Failed",
    fpy: "First-pass yield",
    perHour: "Boards/hour",
    since: "since {time}",
    noRecipe: "recipe not known yet",
    slotsLabel: "Slots of {station}",
    noSlot: "port {port}",
    none: "—",
    states: {
      online: "online", running: "running", idle: "idle", offline: "offline",
      ok: "passed", fail: "FAILED", interrupted: "stopped", unknown: "unknown",
    },
    phases: {
      loader_download: "loader download", mcu_erase: "MCU erase", mcu_write: "MCU write",
      mcu_crc_check: "MCU check", flash_erase: "flash erase", flash_write: "flash write",
      flash_crc_check: "flash check",
    },
    hints: {
      reseat: "re-seat the board",
      engineer: "set the board aside and call the engineer",
      again: "re-seat the board to run it again",
    },
  },
  "zh-CN": {
    title: "Tessara 产线",
    problemsTitle: "问题",
    loginTitle: "登录消息服务器",
    user: "用户",
    password: "密码",
    connect: "连接",
    warningsTitle: "警告",
    stationsTitle: "工位",
    noStations: "尚无工位发布消息。",
    failuresTitle: "最近的失败",
    time: "时间",
    station: "工位",
    slot: "槽位",
    reason: "原因",
    hint: "处理方法",
    chartTitle: "每 10 分钟的板数与良率",
    chartBoardsOk: "通过",
    chartBoardsFailed: "失败",
    chartYield: "良率 %",
    chartSummary: "最近有板的 10 分钟（{start}）：通过 {ok}，失败 {failed}。",
    chartEmpty: "尚无板完成。",
    connecting: "正在连接 {broker} …",
    connected: "已连接 {broker}，前缀 {prefix}。",
    reconnecting: "与 {broker} 的连接已断开，正在重试 …",
    refused: "消息服务器 {broker} 拒绝了本页的用户名或密码（{why}）。请在下方登录。",
    brokerError: "无法连接消息服务器 {broker}：{why}",
    noBroker: "没有消息服务器：请从消息服务器打开本页，或在地址后加上 ?broker=ws://主机:端口。",
    badBroker: "消息服务器地址“{broker}”不是 ws://主机:端口 或 wss://主机:端口。",
    badPrefix: "前缀“{prefix}”不是有效的主题前缀（不能含 +、# 或空层级）。",
    tooLarge: "已忽略 {topic} 上的一条消息：{bytes} 字节，超过 {limit}。",
    unreadable: "已忽略 {topic} 上的一条消息：{why}。",
    notJson: "不是 JSON",
    badState: "“{state}”不是工位状态",
    versions: "警告：各工位运行的 {product} 版本不同：{list}。",
    versionItem: "{stations} 为 {version}",
    lineTotals: "产线：共 {boards} 块，通过 {ok}，失败 {failed}，一次通过率 {fpy}。",
    total: "总数",
    passed: "通过",
    failed: "失败",
    fpy: "一次通过率",
    perHour: "每小时板数",
    since: "自 {time} 起",
    noRecipe: "配方尚未知",
    slotsLabel: "{station} 的槽位",
    noSlot: "端口 {port}",
    none: "—",
    states: {
      online: "在线", running: "运行中", idle: "空闲", offline: "离线",
      ok: "通过", fail: "失败", interrupted: "已停止", unknown: "未知",
    },
    phases: {
      loader_download: "下载加载程序", mcu_erase: "MCU 擦除", mcu_write: "MCU 写入",
      mcu_crc_check: "MCU 校验", flash_erase: "闪存擦除", flash_write: "闪存写入",
      flash_crc_check: "闪存校验",
    },
    hints: {
      reseat: "重新插好电路板",
      engineer: "将电路板放到一旁并联系工程师",
      again: "重新插好电路板以再次运行",
    },
  },
};

// The browser's first language that we have; English otherwise.
function Pick_Language(languages) {
  for (const language of languages || []) {
    if (/^zh\b/i.test(language)) return "zh-CN";
    if (/^en\b/i.test(language)) return "en";
  }
  return "en";
}

// `text` with each {name} replaced by String(values[name]); never HTML.
function Fill_Text(text, values) {
  return text.replace(/\{(\w+)\}/g, (whole, name) =>
    Object.prototype.hasOwnProperty.call(values || {}, name) ? String(values[name]) : whole);
}
