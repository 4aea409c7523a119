<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>OperatorWords</name>
    <message>
        <location filename="../src/station/operator_words.cpp" line="16"/>
        <source>re-seat the board</source>
        <translation>重新插好电路板</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="17"/>
        <source>set the board aside and call the engineer</source>
        <translation>把电路板放到一边，请工程师处理</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="19"/>
        <source>port not accessible</source>
        <translation>无法访问端口</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="19"/>
        <source>join the dialout group</source>
        <translation>请把当前用户加入 dialout 组</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="23"/>
        <source>take it to the station of its recipe</source>
        <translation>请拿到使用对应配方的工位</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="26"/>
        <source>the board did not answer</source>
        <translation>电路板没有应答</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="28"/>
        <source>the board answered wrongly</source>
        <translation>电路板应答错误</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="30"/>
        <source>the board refused the update</source>
        <translation>电路板拒绝了更新</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="32"/>
        <source>the board went away</source>
        <translation>电路板已断开</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="34"/>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="34"/>
        <source>re-seat the board to run it again</source>
        <translation>重新插好电路板即可再次烧录</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="36"/>
        <source>the port did not open</source>
        <translation>端口无法打开</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="38"/>
        <source>no known chip answered</source>
        <translation>没有已知的芯片应答</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="50"/>
        <source>loader download</source>
        <translation>下载引导程序</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="52"/>
        <source>MCU erase</source>
        <translation>MCU 擦除</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="54"/>
        <source>MCU write</source>
        <translation>MCU 写入</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="56"/>
        <source>MCU check</source>
        <translation>MCU 校验</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="58"/>
        <source>flash erase</source>
        <translation>闪存擦除</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="60"/>
        <source>flash write</source>
        <translation>闪存写入</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="62"/>
        <source>flash check</source>
        <translation>闪存校验</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <location filename="../src/station/recipe.cpp" line="18"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="22"/>
        <source>%1: %2, CRC-32 0x%3, %4 bytes, SHA-256 %5</source>
        <translation>%1：%2，CRC-32 0x%3，%4 字节，SHA-256 %5</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="37"/>
        <source>bundle %1 refused: %2</source>
        <translation>发布包 %1 被拒绝：%2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="49"/>
        <source>this board is a %1: wrong recipe</source>
        <translation>这块板是 %1：配方不对</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="79"/>
        <source>Recipe: bundle %1</source>
        <translation>配方：发布包 %1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="81"/>
        <source>Product: %1, version %2</source>
        <translation>产品：%1，版本 %2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="83"/>
        <source>Recipe: unsigned images</source>
        <translation>配方：未签名的映像</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="86"/>
        <source>Operation: %1%2</source>
        <translation>操作：%1%2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="87"/>
        <source>, only changed blocks</source>
        <translation>，只写有变化的块</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="88"/>
        <source>MCU image</source>
        <translation>MCU 映像</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="89"/>
        <source>Flash image</source>
        <translation>闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="91"/>
        <source>Models: any</source>
        <translation>型号：不限</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="92"/>
        <source>Models: %1</source>
        <translation>型号：%1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="94"/>
        <source>Signature: none</source>
        <translation>签名：无</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="98"/>
        <source>Bundle SHA-256: %1</source>
        <translation>发布包 SHA-256：%1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="99"/>
        <source>Signature: %1</source>
        <translation>签名：%1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="101"/>
        <source>Warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
<context>
    <name>SlotTile</name>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="56"/>
        <source>Waiting</source>
        <translation>等待</translation>
    </message>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="58"/>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="60"/>
        <source>PASS</source>
        <translation>通过</translation>
    </message>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="62"/>
        <source>FAIL</source>
        <translation>失败</translation>
    </message>
</context>
<context>
    <name>SlotsConf</name>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="20"/>
        <source>too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="34"/>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="36"/>
        <source>not PATH = NAME</source>
        <translation>格式应为“路径 = 名称”</translation>
    </message>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="38"/>
        <source>a name has %1 characters at most</source>
        <translation>名称最多 %1 个字符</translation>
    </message>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="40"/>
        <source>a name has printable characters only</source>
        <translation>名称只能包含可打印字符</translation>
    </message>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="41"/>
        <source>%1 is named twice</source>
        <translation>%1 被命名了两次</translation>
    </message>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="42"/>
        <source>two slots are named %1</source>
        <translation>有两个槽位都叫 %1</translation>
    </message>
    <message>
        <location filename="../src/station/slots_conf.cpp" line="53"/>
        <location filename="../src/station/slots_conf.cpp" line="55"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>StationMain</name>
    <message>
        <location filename="../src/station/main.cpp" line="62"/>
        <source>warning: %1: %2</source>
        <translation>警告：%1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/main.cpp" line="73"/>
        <source>cannot open the report %1: %2</source>
        <translation>无法打开报告 %1：%2</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <location filename="../src/station/station_options.cpp" line="42"/>
        <source>Usage: tessara-station [OPTIONS] [OPERATION] [BUNDLE.kqb]
Updates every board plugged into the fixture&apos;s hub, one tile per slot.

Arguments:
  OPERATION            update-all (default), update-mcu, update-flash,
                       check-mcu, check-flash
  BUNDLE.kqb           the release bundle of the recipe (or --bundle FILE,
                       or --mcu and --flash)

Options:
  --bundle FILE        the release bundle of the recipe
  --trust PUBKEY       trust this minisign public key (repeatable)
  --mcu FILE           the MCU image of the recipe
  --flash FILE         the flash image of the recipe
  --only-changed       write only the flash blocks that differ
  --report FILE        the report (JSON Lines; default:
                       $XDG_DATA_HOME/tessara/reports/station-DATE.jsonl)
  --slots FILE         slots.conf: one &quot;PATH = NAME&quot; per slot
  --max-parallel N     at most N boards at once (default: all)
  --manual             boards wait for Start (space bar)
  --flash-ini FILE     the Flash.ini to read first
  -h, --help           show this help
  --version            show the version

Exit status:
  0    the window was closed (SIGTERM, SIGHUP and Ctrl-C close it as Stop
       and close do: the boards running end safely first), or --help or
       --version answered
  2    the options, an image, the bundle, slots.conf or the report cannot
       be used (the reason is printed); no port is opened
  134  the window could not start, for example with no display to show
       it on: Qt says why and aborts
</source>
        <translation>用法：tessara-station [选项] [操作] [发布包.kqb]
更新插在治具集线器上的每一块电路板，每个槽位一个方块。

参数：
  操作                 update-all（默认）、update-mcu、update-flash、
                       check-mcu、check-flash
  发布包.kqb           配方的发布包（或用 --bundle 文件，或用 --mcu 和 --flash）

选项：
  --bundle 文件        配方的发布包
  --trust 公钥         信任此 minisign 公钥（可重复）
  --mcu 文件           配方的 MCU 映像
  --flash 文件         配方的闪存映像
  --only-changed       只写有变化的闪存块
  --report 文件        报告（JSON Lines；默认：
                       $XDG_DATA_HOME/tessara/reports/station-日期.jsonl）
  --slots 文件         slots.conf：每行一个“路径 = 名称”
  --max-parallel N     最多同时烧录 N 块板（默认：全部）
  --manual             电路板等待按“开始”（空格键）
  --flash-ini 文件     优先读取的 Flash.ini
  -h, --help           显示本说明
  --version            显示版本

退出状态：
  0    窗口已关闭（SIGTERM、SIGHUP 和 Ctrl-C 与“停止”和关闭窗口一样：
       正在烧录的电路板先安全结束），或已回答 --help 或 --version
  2    选项、映像、发布包、slots.conf 或报告无法使用（会打印原因）；
       不会打开任何端口
  134  窗口无法启动，例如没有可显示的屏幕：Qt 说明原因并中止
</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="69"/>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="120"/>
        <source>--bundle needs a file name</source>
        <translation>--bundle 需要一个文件名</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="121"/>
        <source>one bundle: %1 and %2</source>
        <translation>只能有一个发布包：%1 和 %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="105"/>
        <source>--max-parallel takes a number from 1 to 256</source>
        <translation>--max-parallel 的值应为 1 到 256 之间的数字</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="114"/>
        <source>unknown operation: %1</source>
        <translation>未知的操作：%1</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="121"/>
        <source>unknown option: %1</source>
        <translation>未知的选项：%1</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="126"/>
        <source>a bundle or --mcu and --flash, not both</source>
        <translation>发布包与 --mcu、--flash 只能二选一</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="130"/>
        <source>--trust applies to a bundle</source>
        <translation>--trust 只用于发布包</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="135"/>
        <source>%1 needs an MCU image (--mcu FILE)</source>
        <translation>%1 需要 MCU 映像（--mcu 文件）</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="139"/>
        <source>%1 needs a flash image (--flash FILE)</source>
        <translation>%1 需要闪存映像（--flash 文件）</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="143"/>
        <source>%1 does not apply to %2</source>
        <translation>%1 不适用于 %2</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <location filename="../src/station/station_window.cpp" line="37"/>
        <source>Tessara station</source>
        <translation>Tessara 烧录工位</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="48"/>
        <source>Start (space)</source>
        <translation>开始（空格键）</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="50"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="52"/>
        <source>Reset counters</source>
        <translation>计数清零</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="79"/>
        <source>&amp;Recipe</source>
        <translation>配方(&amp;R)</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="80"/>
        <source>&amp;Open recipe...</source>
        <translation>打开配方(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="81"/>
        <source>&amp;Change recipe...</source>
        <translation>更换配方(&amp;C)...</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="169"/>
        <source>%1: %2 on %3</source>
        <translation>%1：在 %3 上执行 %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="195"/>
        <source>%1 %2 %</source>
        <translation>%1 %2 %</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="207"/>
        <source>%1, boot 0x%2</source>
        <translation>%1，引导版本 0x%2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="215"/>
        <source>PASS in %1 s</source>
        <translation>通过，用时 %1 秒</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="216"/>
        <source>FAIL: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="223"/>
        <source>The report %1 cannot be written: %2. Stop and call the engineer.</source>
        <translation>无法写入报告 %1：%2。请停止并联系工程师。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="262"/>
        <source>no board</source>
        <translation>没有电路板</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="263"/>
        <source>press Start</source>
        <translation>请按“开始”</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="264"/>
        <source>waiting for its turn</source>
        <translation>排队等待</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="266"/>
        <source>done in %1 s</source>
        <translation>完成，用时 %1 秒</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="268"/>
        <source>after %1 s</source>
        <translation>用时 %1 秒</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="294"/>
        <source>Log of slot %1</source>
        <translation>槽位 %1 的日志</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="297"/>
        <source>log of slot %1</source>
        <translation>槽位 %1 的日志</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="340"/>
        <location filename="../src/station/station_window.cpp" line="344"/>
        <location filename="../src/station/station_window.cpp" line="351"/>
        <location filename="../src/station/station_window.cpp" line="356"/>
        <source>Change recipe</source>
        <translation>更换配方</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="341"/>
        <location filename="../src/station/station_window.cpp" line="357"/>
        <source>Boards are running. Change the recipe when they have ended.</source>
        <translation>有电路板正在烧录。请等它们结束后再更换配方。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="345"/>
        <source>Change the recipe of every slot?</source>
        <translation>要更换所有槽位的配方吗？</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="374"/>
        <source>Release bundle</source>
        <translation>发布包</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="375"/>
        <source>Release bundles (*.kqb)</source>
        <translation>发布包 (*.kqb)</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="383"/>
        <source>MCU image</source>
        <translation>MCU 映像</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="387"/>
        <source>Flash image</source>
        <translation>闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="406"/>
        <source>Close the station</source>
        <translation>关闭工位</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/station/station_window.cpp" line="407"/>
        <source>%n board(s) are running. Stop them safely and close?</source>
        <translation>
            <numerusform>有 %n 块电路板正在烧录。要安全停止后关闭吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YieldCounters</name>
    <message>
        <location filename="../src/station/yield_counters.cpp" line="32"/>
        <source>Passed %1 · Failed %2 · Yield %3 · %4 boards/hour · since %5</source>
        <translation>通过 %1 · 失败 %2 · 良率 %3 · 每小时 %4 块 · 自 %5 起</translation>
    </message>
</context>
</TS>
