<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>OperatorWords</name>
    <message>
        <location filename="../src/station/operator_words.cpp" line="52"/>
        <source>refused by the line: %1</source>
        <translation>被产线拒绝：%1</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="54"/>
        <source>set the board aside and ask the line lead</source>
        <translation>把电路板放到一边并询问产线负责人</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="36"/>
        <source>re-seat the board</source>
        <translation>重新插好电路板</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="37"/>
        <source>set the board aside and call the engineer</source>
        <translation>把电路板放到一边，请工程师处理</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="39"/>
        <source>port not accessible</source>
        <translation>无法访问端口</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="39"/>
        <source>join the dialout group</source>
        <translation>请把当前用户加入 dialout 组</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="48"/>
        <source>take it to the station of its recipe</source>
        <translation>请拿到使用对应配方的工位</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="62"/>
        <source>the board did not answer</source>
        <translation>电路板没有应答</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="64"/>
        <source>the board answered wrongly</source>
        <translation>电路板应答错误</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="66"/>
        <source>the board refused the update</source>
        <translation>电路板拒绝了更新</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="70"/>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="25"/>
        <source>lost before anything was written</source>
        <translation>写入前断开</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="27"/>
        <source>lost during flash write, %1 of %2 blocks</source>
        <translation>闪存写入时断开，已写 %1/%2 块</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="30"/>
        <source>lost during %1</source>
        <translation>%1时断开</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="58"/>
        <source>%1 failed</source>
        <translation>%1失败</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="59"/>
        <source>run it again; if it fails again, set it aside</source>
        <translation>再烧一次；仍失败就放到一边</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="68"/>
        <source>re-seat the board and run it again</source>
        <translation>重新插好电路板再烧一次</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="70"/>
        <source>run it again to finish</source>
        <translation>再烧一次以完成</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="72"/>
        <source>the port did not open</source>
        <translation>端口无法打开</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="73"/>
        <source>no known chip answered</source>
        <translation>没有已知的芯片应答</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="85"/>
        <source>loader download</source>
        <translation>下载引导程序</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="87"/>
        <source>MCU erase</source>
        <translation>MCU 擦除</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="89"/>
        <source>MCU write</source>
        <translation>MCU 写入</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="91"/>
        <source>MCU check</source>
        <translation>MCU 校验</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="93"/>
        <source>flash erase</source>
        <translation>闪存擦除</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="95"/>
        <source>flash write</source>
        <translation>闪存写入</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="97"/>
        <source>flash check</source>
        <translation>闪存校验</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="43"/>
        <source>pool empty</source>
        <translation>值池已空</translation>
    </message>
    <message>
        <location filename="../src/station/operator_words.cpp" line="44"/>
        <source>nothing was written: the supervisor adds values to the ledger</source>
        <translation>未写入任何内容：请主管向台账添加值</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <location filename="../src/station/recipe.cpp" line="27"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="31"/>
        <source>%1: %2, CRC-32 0x%3, %4 bytes, SHA-256 %5</source>
        <translation>%1：%2，CRC-32 0x%3，%4 字节，SHA-256 %5</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="48"/>
        <source>bundle %1 refused: %2</source>
        <translation>发布包 %1 被拒绝：%2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="65"/>
        <source>Flash.ini %1 does not exist</source>
        <translation>Flash.ini %1 不存在</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="69"/>
        <source>no Flash.ini found in %1</source>
        <translation>在 %1 中找不到 Flash.ini</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="77"/>
        <source>Flash.ini %1 lists no flash part</source>
        <translation>Flash.ini %1 没有列出任何闪存型号</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="84"/>
        <source>this board is a %1: wrong recipe</source>
        <translation>这块板是 %1：配方不对</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="105"/>
        <source>--model %1: bundle %2 is for %3</source>
        <translation>--model %1：发布包 %2 只适用于 %3</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="117"/>
        <source>raw images need the model they are for (--model NAME)</source>
        <translation>未打包的映像需要注明适用型号（--model 型号）</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="120"/>
        <source>unknown model: %1</source>
        <translation>未知型号：%1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="157"/>
        <source>Recipe: bundle %1</source>
        <translation>配方：发布包 %1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="159"/>
        <source>Product: %1, version %2</source>
        <translation>产品：%1，版本 %2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="161"/>
        <source>Recipe: unsigned images</source>
        <translation>配方：未签名的映像</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="164"/>
        <source>Operation: %1%2</source>
        <translation>操作：%1%2</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="165"/>
        <source>, only changed blocks</source>
        <translation>，只写有变化的块</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="166"/>
        <source>MCU image</source>
        <translation>MCU 映像</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="167"/>
        <source>Flash image</source>
        <translation>闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="169"/>
        <source>Models: any</source>
        <translation>型号：不限</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="170"/>
        <source>Models: %1</source>
        <translation>型号：%1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="172"/>
        <source>Signature: none</source>
        <translation>签名：无</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="176"/>
        <source>Bundle SHA-256: %1</source>
        <translation>发布包 SHA-256：%1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="178"/>
        <source>Signature: %1</source>
        <translation>签名：%1</translation>
    </message>
    <message>
        <location filename="../src/station/recipe.cpp" line="180"/>
        <source>Warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
<context>
    <name>RefusalWords</name>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="19"/>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 须为 %2 到 %3 之间的整数，而不是“%4”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="20"/>
        <source>%1 applies to --mqtt</source>
        <translation>%1 只用于 --mqtt</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="21"/>
        <source>--station &quot;%1&quot;: a station&apos;s name cannot hold /, +, # or control characters, nor be empty</source>
        <translation>--station “%1”：工位名称不能含有 /、+、# 或控制字符，也不能为空</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="24"/>
        <source>--mqtt takes mqtt://HOST[:PORT][/PREFIX] or mqtts://..., not &quot;%1&quot;</source>
        <translation>--mqtt 须为 mqtt://主机[:端口][/前缀] 或 mqtts://...，而不是“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="26"/>
        <source>--mqtt &quot;%1&quot;: a user name or password goes in the --mqtt-auth file; a query or fragment means nothing here</source>
        <translation>--mqtt “%1”：用户名或密码应写在 --mqtt-auth 文件中；查询或片段在此没有意义</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="28"/>
        <source>--mqtt &quot;%1&quot;: the topic prefix cannot hold + or #</source>
        <translation>--mqtt “%1”：主题前缀不能含有 + 或 #</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="29"/>
        <source>--mqtt &quot;%1&quot;: the topic prefix cannot start with $ (the broker&apos;s own topics)</source>
        <translation>--mqtt “%1”：主题前缀不能以 $ 开头（那是代理服务器自己的主题）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="31"/>
        <source>cannot set up the MQTT client: %1</source>
        <translation>无法建立 MQTT 客户端：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="32"/>
        <source>cannot read the MQTT password file &quot;%1&quot;: %2</source>
        <translation>无法读取 MQTT 密码文件“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="33"/>
        <source>its first line is not USER:PASSWORD</source>
        <translation>第一行不是“用户名:密码”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="35"/>
        <source>--before-board &quot;%1&quot;: %2</source>
        <translation>--before-board “%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="36"/>
        <source>--after-board &quot;%1&quot;: %2</source>
        <translation>--after-board “%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="37"/>
        <source>%1 exited with status %2: %3</source>
        <translation>%1 以状态 %2 退出：%3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="38"/>
        <source>%1 exited with status %2</source>
        <translation>%1 以状态 %2 退出</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="39"/>
        <source>%1 crashed (signal %2): %3</source>
        <translation>%1 崩溃（信号 %2）：%3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="40"/>
        <source>%1 crashed (signal %2)</source>
        <translation>%1 崩溃（信号 %2）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="41"/>
        <source>%1 crashed: %2</source>
        <translation>%1 崩溃：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="42"/>
        <source>%1 crashed</source>
        <translation>%1 崩溃</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="43"/>
        <source>%1 gave no answer within %2: %3</source>
        <translation>%1 在 %2 内没有答复：%3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="44"/>
        <source>%1 gave no answer within %2</source>
        <translation>%1 在 %2 内没有答复</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="45"/>
        <source>%1 was ended by the stop</source>
        <translation>%1 因停止而被结束</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="46"/>
        <source>cannot run %1: %2</source>
        <translation>无法运行 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="47"/>
        <source>no such program</source>
        <translation>没有这个程序</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="48"/>
        <source>the command names no program</source>
        <translation>命令没有指定程序</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="49"/>
        <source>no program &quot;%1&quot; in PATH</source>
        <translation>PATH 中没有程序“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="50"/>
        <source>&quot;%1&quot; is not an executable file</source>
        <translation>“%1”不是可执行文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="51"/>
        <source>&quot;%1&quot; is not there</source>
        <translation>“%1”不存在</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="53"/>
        <source>a backslash ends the line</source>
        <translation>行以反斜杠结尾</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="54"/>
        <source>a &apos; quote is not closed</source>
        <translation>&apos; 引号没有闭合</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="55"/>
        <source>a &quot; quote is not closed</source>
        <translation>&quot; 引号没有闭合</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="56"/>
        <source>--config needs a file name</source>
        <translation>--config 需要一个文件名</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="57"/>
        <source>cannot read the configuration file &quot;%1&quot;: %2</source>
        <translation>无法读取配置文件“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="58"/>
        <source>no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="59"/>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="60"/>
        <source>larger than %1 KiB</source>
        <translation>大于 %1 KiB</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="61"/>
        <source>%1: a configuration file cannot name another one</source>
        <translation>%1: 配置文件不能再指定另一个配置文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="63"/>
        <source>bundle for boot version %1 or later; this chip&apos;s is %2</source>
        <translation>发布包要求引导版本 %1 或更高；这块芯片的是 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="64"/>
        <source>bundle for flash IDs %1; this chip&apos;s flash ID is %2</source>
        <translation>发布包适用于闪存 ID %1；这块芯片的闪存 ID 是 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="66"/>
        <source>its signature is bad: %1</source>
        <translation>签名无效：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="67"/>
        <source>it is signed by key ID %1, which is not a trusted key</source>
        <translation>它由密钥 ID %1 签名，该密钥不受信任</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="68"/>
        <source>it is signed by key ID %1, and no key is trusted here to check the signature: trust its public key (--trust FILE, or a file in %2)</source>
        <translation>它由密钥 ID %1 签名，但此处没有用来校验签名的受信任密钥：请信任它的公钥（--trust 文件，或 %2 中的文件）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="71"/>
        <source>it is not signed, and only bundles signed by a trusted key are accepted here</source>
        <translation>它没有签名，而此处只接受由受信任密钥签名的发布包</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="73"/>
        <source>the bundle is not signed and no key is trusted here: its origin is not checked</source>
        <translation>发布包没有签名，且此处没有受信任的密钥：它的来源未经校验</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="75"/>
        <source>not signed</source>
        <translation>未签名</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="76"/>
        <source>signed by key ID %1, trusted (%2)</source>
        <translation>由密钥 ID %1 签名，受信任（%2）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="77"/>
        <source>signed by key ID %1, not trusted: no trusted key has that ID</source>
        <translation>由密钥 ID %1 签名，不受信任：没有受信任的密钥具有该 ID</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="79"/>
        <source>bad (key ID %1): %2</source>
        <translation>无效（密钥 ID %1）：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="80"/>
        <source>bad: %1</source>
        <translation>无效：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="81"/>
        <source>%1 holds no MCU image</source>
        <translation>%1 中没有 MCU 映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="82"/>
        <source>%1 holds no flash image</source>
        <translation>%1 中没有闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="83"/>
        <source>%1 gives each board values of its own (unit_data): write it with tessara-cli, which takes them from a ledger</source>
        <translation>%1 给每块电路板写入各自的值（unit_data）：请用 tessara-cli 烧录，它从台账中取值</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="86"/>
        <source>the archive holds no %1</source>
        <translation>归档中没有 %1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="87"/>
        <source>it is product %1, and its signer, key ID %2 (%3), is trusted only for product %4</source>
        <translation>它是产品 %1，而它的签名者（密钥 ID %2，%3）只被信任用于产品 %4</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="89"/>
        <source>the MCU image &quot;%1&quot; is %2 bytes; the manifest says %3</source>
        <translation>MCU 映像“%1”为 %2 字节；清单写的是 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="90"/>
        <source>the MCU image &quot;%1&quot; has CRC-32 %2; the manifest says %3</source>
        <translation>MCU 映像“%1”的 CRC-32 为 %2；清单写的是 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="91"/>
        <source>the MCU image &quot;%1&quot; has SHA-256 %2; the manifest says %3</source>
        <translation>MCU 映像“%1”的 SHA-256 为 %2；清单写的是 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="93"/>
        <source>the flash image &quot;%1&quot; is %2 bytes; the manifest says %3</source>
        <translation>闪存映像“%1”为 %2 字节；清单写的是 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="94"/>
        <source>the flash image &quot;%1&quot; has CRC-32 %2; the manifest says %3</source>
        <translation>闪存映像“%1”的 CRC-32 为 %2；清单写的是 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="96"/>
        <source>the flash image &quot;%1&quot; has SHA-256 %2; the manifest says %3</source>
        <translation>闪存映像“%1”的 SHA-256 为 %2；清单写的是 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="98"/>
        <source>the archive holds &quot;%1&quot;, which the manifest does not name</source>
        <translation>归档中有“%1”，但清单没有列出它</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="100"/>
        <source>the manifest names &quot;%1&quot;, which is not in the archive</source>
        <translation>清单列出了“%1”，但归档中没有它</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="101"/>
        <source>the bundle is %1 bytes, more than any bundle can be (%2)</source>
        <translation>发布包为 %1 字节，超出了任何发布包的上限（%2）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="103"/>
        <source>entry %1 cannot be read: %2</source>
        <translation>条目 %1 无法读取：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="104"/>
        <source>entry %1 holds more than %2 bytes</source>
        <translation>条目 %1 超过 %2 字节</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="105"/>
        <source>entry %1 is not a plain file</source>
        <translation>条目 %1 不是普通文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="106"/>
        <source>entry %1 has an unsafe name (absolute, &quot;..&quot;, or not plain ASCII)</source>
        <translation>条目 %1 的名称不安全（绝对路径、“..”或不是纯 ASCII）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="108"/>
        <source>entry %1 is in the archive twice</source>
        <translation>条目 %1 在归档中出现两次</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="109"/>
        <source>entry %1 declares %2 bytes, more than the %3 it may hold</source>
        <translation>条目 %1 声明为 %2 字节，超过它最多可有的 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="110"/>
        <source>more than %1 entries in the archive</source>
        <translation>归档中的条目多于 %1 个</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="111"/>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="112"/>
        <source>not a zip archive (no end-of-central-directory record)</source>
        <translation>不是 zip 归档（没有中央目录结束记录）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="113"/>
        <source>not a whole zip archive: %1</source>
        <translation>不是完整的 zip 归档：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="114"/>
        <source>not a zip archive: %1</source>
        <translation>不是 zip 归档：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="115"/>
        <source>%1 bytes before its directory that its offsets do not account for (data before it)</source>
        <translation>目录之前有 %1 字节不在其偏移量之内（前面有其他数据）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="117"/>
        <source>%1 bytes follow its end</source>
        <translation>结尾之后还有 %1 字节</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="118"/>
        <source>a zip64 archive, which a bundle never needs to be</source>
        <translation>是 zip64 归档，而发布包从不需要 zip64</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="119"/>
        <source>it says it spans several disks</source>
        <translation>它声称跨越多个磁盘</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="120"/>
        <source>its directory&apos;s offsets lie past its end</source>
        <translation>它的目录偏移量超出了文件结尾</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="121"/>
        <source>it does not start with an entry (data before it)</source>
        <translation>它不是以条目开头（前面有其他数据）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="122"/>
        <source>its directory holds fewer entries than it says</source>
        <translation>它的目录中的条目少于其声明的数量</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="123"/>
        <source>a directory entry points to no entry</source>
        <translation>有目录项没有指向任何条目</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="124"/>
        <source>its directory holds more than its entries</source>
        <translation>它的目录多于其条目</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="126"/>
        <source>the manifest is larger than %1 bytes</source>
        <translation>清单大于 %1 字节</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="127"/>
        <source>the manifest has the key &quot;%1&quot; twice</source>
        <translation>清单中键“%1”出现两次</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="128"/>
        <source>the manifest is not a JSON object (%1)</source>
        <translation>清单不是 JSON 对象（%1）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="129"/>
        <source>the manifest has no format number</source>
        <translation>清单没有格式编号</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="130"/>
        <source>unknown manifest format %1 (this Tessara reads format %2)</source>
        <translation>未知的清单格式 %1（此 Tessara 读取格式 %2）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="132"/>
        <source>the manifest has an unknown field &quot;%1&quot;</source>
        <translation>清单有未知字段“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="133"/>
        <source>&quot;%1&quot; has an unknown field &quot;%2&quot;</source>
        <translation>“%1”有未知字段“%2”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="134"/>
        <source>&quot;%1&quot; must be text</source>
        <translation>“%1”必须是文本</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="135"/>
        <source>&quot;%1&quot; must be 1 to %2 characters</source>
        <translation>“%1”必须为 1 到 %2 个字符</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="136"/>
        <source>&quot;%1&quot; must be printable text on one line</source>
        <translation>“%1”必须是单行可打印文本</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="137"/>
        <source>&quot;%1&quot; must be a hex number such as &quot;0x1a&quot;</source>
        <translation>“%1”必须是十六进制数，如“0x1a”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="138"/>
        <source>&quot;%1&quot; must be an object</source>
        <translation>“%1”必须是对象</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="139"/>
        <source>&quot;%1&quot; needs a &quot;file&quot;: a plain relative name in the archive</source>
        <translation>“%1”需要“file”：归档中的普通相对名称</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="141"/>
        <source>&quot;%1&quot; needs a &quot;length&quot; from 1 to %2 bytes</source>
        <translation>“%1”需要 1 到 %2 字节的“length”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="142"/>
        <source>&quot;%1&quot; needs a &quot;sha256&quot; of 64 hex digits</source>
        <translation>“%1”需要 64 位十六进制数字的“sha256”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="143"/>
        <source>&quot;models&quot; must list at least one chip model</source>
        <translation>“models”必须至少列出一个芯片型号</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="144"/>
        <source>unknown chip model &quot;%1&quot; (known: %2)</source>
        <translation>未知的芯片型号“%1”（已知：%2）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="145"/>
        <source>&quot;flash_ids&quot; must list at least one flash ID</source>
        <translation>“flash_ids”必须至少列出一个闪存 ID</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="146"/>
        <source>&quot;boot_setting&quot; must be 0, 1 or 2</source>
        <translation>“boot_setting”必须是 0、1 或 2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="147"/>
        <source>the manifest names no image (&quot;mcu&quot; or &quot;flash&quot;)</source>
        <translation>清单没有指定映像（“mcu”或“flash”）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="148"/>
        <source>unit_data goes into a flash image, and the manifest has none</source>
        <translation>unit_data 要写入闪存映像，而清单中没有闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="150"/>
        <source>unit_data &quot;%1&quot; lies outside the flash image of %2 bytes</source>
        <translation>unit_data“%1”位于 %2 字节的闪存映像之外</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="152"/>
        <source>&quot;mcu&quot; and &quot;flash&quot; name the same file</source>
        <translation>“mcu”和“flash”指定了同一个文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="153"/>
        <source>an image cannot be named &quot;%1&quot;</source>
        <translation>映像不能命名为“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="155"/>
        <source>unit_data must be an array of fields</source>
        <translation>unit_data 必须是字段数组</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="156"/>
        <source>unit_data holds more than %1 fields</source>
        <translation>unit_data 的字段多于 %1 个</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="157"/>
        <source>unit_data field %1: %2</source>
        <translation>unit_data 字段 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="158"/>
        <source>unit_data: two fields are named &quot;%1&quot;</source>
        <translation>unit_data：有两个字段都名为“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="159"/>
        <source>unit_data: &quot;%1&quot; and &quot;%2&quot; overlap</source>
        <translation>unit_data：“%1”和“%2”重叠</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="160"/>
        <source>unit_data &quot;%1&quot;: &quot;from&quot; names no counter field (&quot;%2&quot;)</source>
        <translation>unit_data“%1”：“from”指定的不是计数器字段（“%2”）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="162"/>
        <source>unit_data &quot;%1&quot;: counter &quot;%2&quot; can exceed the EDID&apos;s serial (32 bits, 13 characters)</source>
        <translation>unit_data“%1”：计数器“%2”可能超出 EDID 的序列号（32 位，13 个字符）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="164"/>
        <source>unit_data &quot;%1&quot; (%2 bytes at %3) lies outside the flash image of %4 bytes</source>
        <translation>unit_data“%1”（位于 %3 的 %2 字节）超出了 %4 字节的闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="166"/>
        <source>unit_data &quot;%1&quot;: no EDID header at %2</source>
        <translation>unit_data“%1”：%2 处没有 EDID 头</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="167"/>
        <source>unit_data &quot;%1&quot;: the EDID block at %2 has a bad checksum</source>
        <translation>unit_data“%1”：%2 处的 EDID 块校验和错误</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="169"/>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>“%1”必须是 0 到 %2 之间的整数</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="170"/>
        <source>unknown field &quot;%1&quot;</source>
        <translation>未知字段“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="171"/>
        <source>&quot;encoding&quot; must be u32le, u32be or ascii</source>
        <translation>“encoding”必须是 u32le、u32be 或 ascii</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="172"/>
        <source>&quot;prefix&quot; must be printable ASCII</source>
        <translation>“prefix”必须是可打印的 ASCII</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="173"/>
        <source>&quot;prefix&quot; is over 32 characters</source>
        <translation>“prefix”超过 32 个字符</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="174"/>
        <source>&quot;digits&quot; must be 1 at least</source>
        <translation>“digits”至少为 1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="175"/>
        <source>&quot;prefix&quot; and &quot;digits&quot; go with the ascii encoding</source>
        <translation>“prefix”和“digits”只用于 ascii 编码</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="176"/>
        <source>&quot;width&quot; is less than the prefix and digits</source>
        <translation>“width”小于前缀与位数之和</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="177"/>
        <source>&quot;width&quot; of a 32-bit number must be 4</source>
        <translation>32 位数字的“width”必须是 4</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="178"/>
        <source>&quot;step&quot; must be 1 at least</source>
        <translation>“step”至少为 1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="179"/>
        <source>&quot;from&quot; must name a counter field</source>
        <translation>“from”必须指定一个计数器字段</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="180"/>
        <source>&quot;pool&quot; must be a name of 1 to 32 letters, digits, &apos;_&apos;, &apos;.&apos; or &apos;-&apos;</source>
        <translation>“pool”必须是由 1 到 32 个字母、数字、“_”、“.”或“-”组成的名称</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="182"/>
        <source>&quot;length&quot; must be 1 byte at least</source>
        <translation>“length”至少为 1 字节</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="183"/>
        <source>&quot;secret&quot; must be true or false</source>
        <translation>“secret”必须是 true 或 false</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="184"/>
        <source>each field must be an object</source>
        <translation>每个字段都必须是对象</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="185"/>
        <source>&quot;name&quot; must be 1 to 32 letters, digits, &apos;_&apos;, &apos;.&apos; or &apos;-&apos;</source>
        <translation>“name”必须是 1 到 32 个字母、数字、“_”、“.”或“-”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="187"/>
        <source>&quot;kind&quot; must be counter, edid-serial or pool</source>
        <translation>“kind”必须是 counter、edid-serial 或 pool</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="189"/>
        <source>not a minisign signature file</source>
        <translation>不是 minisign 签名文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="190"/>
        <source>the signature file&apos;s signature lines are not base64 of the right length</source>
        <translation>签名文件的签名行不是长度正确的 base64</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="192"/>
        <source>unknown signature algorithm &quot;%1&quot;</source>
        <translation>未知的签名算法“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="193"/>
        <source>signed by key ID %1, not by key ID %2</source>
        <translation>由密钥 ID %1 签名，而不是密钥 ID %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="194"/>
        <source>the signature does not match the manifest</source>
        <translation>签名与清单不符</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="195"/>
        <source>the signature of the trusted comment does not match</source>
        <translation>受信任注释的签名不符</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="196"/>
        <source>not a minisign public key (a comment line and a key line)</source>
        <translation>不是 minisign 公钥（应为一行注释和一行密钥）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="198"/>
        <source>not a minisign public key (its key line is not 42 bytes of base64)</source>
        <translation>不是 minisign 公钥（其密钥行不是 42 字节的 base64）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="200"/>
        <source>not an Ed25519 minisign public key</source>
        <translation>不是 Ed25519 minisign 公钥</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="201"/>
        <source>a &quot;product:&quot; line names no product</source>
        <translation>有一行“product:”没有指定产品</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="202"/>
        <source>--trust &quot;%1&quot;: no such file, nor a public key</source>
        <translation>--trust“%1”：没有这个文件，也不是公钥</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="204"/>
        <source>trusted key &quot;%1&quot;: %2</source>
        <translation>受信任密钥“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="205"/>
        <source>trusted key: %1</source>
        <translation>受信任密钥：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="206"/>
        <source>cannot read the trusted keys folder &quot;%1&quot;</source>
        <translation>无法读取受信任密钥文件夹“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="207"/>
        <source>&quot;%1&quot; does not exist</source>
        <translation>“%1”不存在</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="208"/>
        <source>&quot;%1&quot; is not a file</source>
        <translation>“%1”不是文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="209"/>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="210"/>
        <source>&quot;%1&quot; is %2 bytes, more than the %3 it may be</source>
        <translation>“%1”为 %2 字节，超出了允许的 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="211"/>
        <source>not enough memory to read &quot;%1&quot;</source>
        <translation>内存不足，无法读取“%1”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="212"/>
        <source>&quot;%1&quot; could not be read whole</source>
        <translation>“%1”无法完整读取</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="214"/>
        <source>no ledger named</source>
        <translation>没有指定台账</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="215"/>
        <source>cannot open the ledger &quot;%1&quot;: %2</source>
        <translation>无法打开台账“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="216"/>
        <source>the ledger &quot;%1&quot; is not a regular file</source>
        <translation>台账“%1”不是普通文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="217"/>
        <source>the ledger URL must be postgresql://[USER@]HOST[:PORT]/DATABASE (a socket folder as ?host=/PATH)</source>
        <translation>台账 URL 须为 postgresql://[用户@]主机[:端口]/数据库（套接字目录写作 ?host=/路径）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="220"/>
        <source>the ledger&apos;s unsettled leases: %1</source>
        <translation>台账中未结清的租用：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="221"/>
        <source>%1: no %2 driver for Qt SQL</source>
        <translation>%1：Qt SQL 没有 %2 驱动</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="222"/>
        <source>ledger %1: %2</source>
        <translation>台账 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="223"/>
        <source>board refused, nothing written: its flash could not be compared with the values held for failed boards: %1</source>
        <translation>拒绝该板，未写入任何内容：无法将它的闪存与为失败电路板保留的值比较：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="226"/>
        <source>board refused, nothing written: %1</source>
        <translation>拒绝该板，未写入任何内容：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="227"/>
        <source>pool empty: %1</source>
        <translation>值池已空：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="228"/>
        <source>counter %1 exhausted: it has no number left above %2</source>
        <translation>计数器 %1 已用尽：%2 之上已没有可用的号码</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="229"/>
        <source>the ledger could not record the board&apos;s values before writing them, nothing written: %1</source>
        <translation>台账未能在写入前记录该板的值，未写入任何内容：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="231"/>
        <source>no flash image to put the board&apos;s values into</source>
        <translation>没有可写入该板的值的闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="232"/>
        <source>&quot;%1&quot; lies outside the flash image</source>
        <translation>“%1”超出了闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="233"/>
        <source>no value for &quot;%1&quot;</source>
        <translation>“%1”没有值</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="234"/>
        <source>%1 does not fit &quot;%2&quot;</source>
        <translation>%1 放不进“%2”</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="235"/>
        <source>the value for &quot;%1&quot; is %2 bytes, not %3</source>
        <translation>“%1”的值为 %2 字节，而不是 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="236"/>
        <source>the EDID block of &quot;%1&quot; cannot take serial %2</source>
        <translation>“%1”的 EDID 块无法写入序列号 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="238"/>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="239"/>
        <source>busy (in use by another program)</source>
        <translation>忙（正被其他程序使用）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="240"/>
        <source>no such device</source>
        <translation>没有这个设备</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="241"/>
        <source>permission denied (join the %1 group)</source>
        <translation>权限不足（请加入 %1 组）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="242"/>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="243"/>
        <source>already open</source>
        <translation>已经打开</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="244"/>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="245"/>
        <source>the port is not open</source>
        <translation>端口没有打开</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="246"/>
        <source>image of 0 bytes: nothing to write</source>
        <translation>映像为 0 字节：没有可写入的内容</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="247"/>
        <source>image of %1 bytes: too short, %2 bytes at least</source>
        <translation>映像为 %1 字节：太短，至少需要 %2 字节</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="248"/>
        <source>image of %1 bytes: no chip model identified, no MCU flash to hold it</source>
        <translation>映像为 %1 字节：未识别出芯片型号，没有可容纳它的 MCU 闪存</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="250"/>
        <source>image of %1 bytes from offset %2 overruns the %3&apos;s MCU flash of %4 bytes</source>
        <translation>从偏移 %2 开始的 %1 字节映像超出了 %3 的 %4 字节 MCU 闪存</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="252"/>
        <source>image of %1 bytes exceeds the %2&apos;s MCU flash of %3 bytes</source>
        <translation>映像为 %1 字节，超出了 %2 的 %3 字节 MCU 闪存</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="253"/>
        <source>image of %1 bytes exceeds the %2&apos;s update limit of %3 bytes</source>
        <translation>映像为 %1 字节，超出了 %2 的 %3 字节更新上限</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="255"/>
        <source>image of %1 bytes exceeds the flash part %2 of %3 bytes</source>
        <translation>映像为 %1 字节，超出了 %3 字节的闪存型号 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="256"/>
        <source>run address %1 is below %2</source>
        <translation>运行地址 %1 低于 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="257"/>
        <source>&quot;%1&quot; is no packaged image: its CRC trailer does not match</source>
        <translation>“%1”不是打包的映像：它末尾的 CRC 不符</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="259"/>
        <source>no MCU image to compare with</source>
        <translation>没有可比较的 MCU 映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="260"/>
        <source>no flash image to compare with</source>
        <translation>没有可比较的闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="261"/>
        <source>no MCU block size</source>
        <translation>没有 MCU 块大小</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="262"/>
        <source>no range to compare</source>
        <translation>没有可比较的范围</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="263"/>
        <source>the flash image is not in memory</source>
        <translation>闪存映像不在内存中</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="264"/>
        <source>the chip takes no flash-mode loader</source>
        <translation>该芯片不接受闪存模式引导程序</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="265"/>
        <source>The KQ580 %1 loader is not built into this program; nothing was sent</source>
        <translation>本程序没有内置 KQ580 %1 引导程序；未发送任何内容</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="267"/>
        <source>flash ID %1 is not known: no Flash.ini was found</source>
        <translation>闪存 ID %1 未知：找不到 Flash.ini</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="268"/>
        <source>flash IDs %1 are not known: no Flash.ini was found</source>
        <translation>闪存 ID %1 未知：找不到 Flash.ini</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="269"/>
        <source>flash ID %1 is not known: %2 cannot be read</source>
        <translation>闪存 ID %1 未知：无法读取 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="270"/>
        <source>flash IDs %1 are not known: %2 cannot be read</source>
        <translation>闪存 ID %1 未知：无法读取 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="271"/>
        <source>flash ID %1 is not in %2</source>
        <translation>闪存 ID %1 不在 %2 中</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="272"/>
        <source>flash IDs %1 are not in %2</source>
        <translation>闪存 ID %1 不在 %2 中</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="273"/>
        <source>bundle for %1; this chip is %2</source>
        <translation>发布包适用于 %1；这块芯片是 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="274"/>
        <source>images for %1; this chip is %2</source>
        <translation>映像适用于 %1；这块芯片是 %2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="276"/>
        <source>Read fail,please check the path!</source>
        <translation>读取失败，请检查路径！</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="277"/>
        <source>This isn&apos;t a KQ31A/B&apos;s file</source>
        <translation>这不是 KQ31A/B 的文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="278"/>
        <source>Over Mcu flash size:%1</source>
        <translation>超出 MCU 闪存大小：%1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="279"/>
        <source>There aren&apos;t any datas to update!</source>
        <translation>没有任何可更新的数据！</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="280"/>
        <source>The file is over than the flash ic&apos;s size</source>
        <translation>文件超出了闪存芯片的容量</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="281"/>
        <source>Not enough memory for the flash code file</source>
        <translation>内存不足，无法载入闪存代码文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="282"/>
        <source>The flash code file is 2 GB or larger and cannot be used</source>
        <translation>闪存代码文件为 2 GB 或更大，无法使用</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="283"/>
        <source>The flash code file could not be read whole, please check the path!</source>
        <translation>闪存代码文件无法完整读取，请检查路径！</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="286"/>
        <source>Cannot read Flash.ini &quot;%1&quot;: %2</source>
        <translation>无法读取 Flash.ini“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="287"/>
        <source>it is a directory</source>
        <translation>它是一个目录</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="288"/>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="289"/>
        <source>it is larger than %1 bytes</source>
        <translation>它大于 %1 字节</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="291"/>
        <source>&quot;%1&quot; is not a version of dotted numbers such as 2.4 or 2.10.1</source>
        <translation>“%1”不是以点分隔的数字版本号（如 2.4 或 2.10.1）</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="293"/>
        <source>bundle is product %1 version %2; this station takes %3</source>
        <translation>发布包是产品 %1 版本 %2；本工位只接受 %3</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="295"/>
        <source>this station takes %1: only a bundle says its product and version, image files say neither</source>
        <translation>本工位只接受 %1：只有发布包写明产品和版本，映像文件两者都没有写明</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="298"/>
        <source>product %1 from version %2</source>
        <translation>产品 %1 版本 %2 及以后</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="299"/>
        <source>product %1</source>
        <translation>产品 %1</translation>
    </message>
    <message>
        <location filename="../src/station/refusal_words.cpp" line="300"/>
        <source>from version %1</source>
        <translation>版本 %1 及以后</translation>
    </message>
</context>
<context>
    <name>ScanBar</name>
    <message>
        <location filename="../src/station/scan_bar.cpp" line="15"/>
        <source>board serial</source>
        <translation>板卡序列号</translation>
    </message>
    <message>
        <location filename="../src/station/scan_bar.cpp" line="20"/>
        <source>scan outcome</source>
        <translation>扫描结果</translation>
    </message>
    <message>
        <location filename="../src/station/scan_bar.cpp" line="43"/>
        <source>Board serial (F2):</source>
        <translation>板卡序列号 (F2)：</translation>
    </message>
    <message>
        <location filename="../src/station/scan_bar.cpp" line="44"/>
        <source>Board serial for %1 (F2):</source>
        <translation>%1 的板卡序列号 (F2)：</translation>
    </message>
</context>
<context>
    <name>ScannedText</name>
    <message>
        <location filename="../src/station/scanned_text.cpp" line="14"/>
        <source>nothing was scanned</source>
        <translation>没有扫描到内容</translation>
    </message>
    <message>
        <location filename="../src/station/scanned_text.cpp" line="16"/>
        <source>longer than %1 characters</source>
        <translation>超过 %1 个字符</translation>
    </message>
    <message>
        <location filename="../src/station/scanned_text.cpp" line="18"/>
        <source>holds a character that is not printable</source>
        <translation>含有不可打印的字符</translation>
    </message>
    <message>
        <location filename="../src/station/scanned_text.cpp" line="20"/>
        <source>starts or ends with a space</source>
        <translation>开头或结尾是空格</translation>
    </message>
</context>
<context>
    <name>ShiftDialog</name>
    <message>
        <location filename="../src/station/shift_dialog.cpp" line="14"/>
        <source>operator&apos;s ID: %1</source>
        <translation>操作员工号：%1</translation>
    </message>
    <message>
        <location filename="../src/station/shift_dialog.cpp" line="16"/>
        <source>work order / lot: %1</source>
        <translation>工单/批次：%1</translation>
    </message>
    <message>
        <location filename="../src/station/shift_dialog.cpp" line="21"/>
        <source>New shift</source>
        <translation>新班次</translation>
    </message>
    <message>
        <location filename="../src/station/shift_dialog.cpp" line="30"/>
        <source>&amp;Operator&apos;s ID:</source>
        <translation>操作员工号(&amp;O)：</translation>
    </message>
    <message>
        <location filename="../src/station/shift_dialog.cpp" line="31"/>
        <source>&amp;Work order / lot:</source>
        <translation>工单/批次(&amp;W)：</translation>
    </message>
    <message>
        <location filename="../src/station/shift_dialog.cpp" line="33"/>
        <source>problem</source>
        <translation>问题</translation>
    </message>
</context>
<context>
    <name>SlotTile</name>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="218"/>
        <source>Waiting</source>
        <translation>等待</translation>
    </message>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="220"/>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="222"/>
        <source>PASS</source>
        <translation>通过</translation>
    </message>
    <message>
        <location filename="../src/station/slot_tile.cpp" line="224"/>
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
        <location filename="../src/station/main.cpp" line="95"/>
        <source>New supervisor password: </source>
        <translation>新的主管密码：</translation>
    </message>
    <message>
        <location filename="../src/station/main.cpp" line="97"/>
        <source>The same again: </source>
        <translation>再输入一次：</translation>
    </message>
    <message>
        <location filename="../src/station/main.cpp" line="100"/>
        <source>the two passwords differ</source>
        <translation>两次输入的密码不一致</translation>
    </message>
    <message>
        <location filename="../src/station/main.cpp" line="102"/>
        <source>The supervisor&apos;s password is set in %1.</source>
        <translation>主管密码已设置在 %1 中。</translation>
    </message>
    <message>
        <location filename="../src/station/main.cpp" line="139"/>
        <source>warning: %1: %2</source>
        <translation>警告：%1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/main.cpp" line="150"/>
        <source>cannot open the report %1: %2</source>
        <translation>无法打开报告 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/main.cpp" line="156"/>
        <source>cannot open the audit log %1: %2</source>
        <translation>无法打开审计日志 %1：%2</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <location filename="../src/station/station_options.cpp" line="164"/>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="281"/>
        <source>--bundle needs a file name</source>
        <translation>--bundle 需要一个文件名</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="282"/>
        <source>one bundle: %1 and %2</source>
        <translation>只能有一个发布包：%1 和 %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="273"/>
        <source>--max-parallel takes a number from 1 to 256</source>
        <translation>--max-parallel 的值应为 1 到 256 之间的数字</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="263"/>
        <source>--retry takes auto, ask or never</source>
        <translation>--retry 只能是 auto、ask 或 never</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="292"/>
        <source>unknown operation: %1</source>
        <translation>未知的操作：%1</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="301"/>
        <location filename="../src/station/station_options.cpp" line="313"/>
        <source>unknown option: %1</source>
        <translation>未知的选项：%1</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="198"/>
        <source>%1 is not for the window: %2</source>
        <translation>%1 不适用于窗口：%2</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="22"/>
        <source>the window sends the events to the line with --mqtt, not to stdout</source>
        <translation>窗口用 --mqtt 把事件发送给产线，而不是输出到标准输出</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="24"/>
        <source>the window watches every chip port; --slots names them</source>
        <translation>窗口监视每个芯片端口；用 --slots 为它们命名</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="27"/>
        <source>the window keeps each board&apos;s log on its tile</source>
        <translation>窗口把每块板的日志保存在它的方块上</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="31"/>
        <source>the station&apos;s recipe does not take it</source>
        <translation>工位的配方不接受此选项</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="65"/>
        <source>Usage: tessara-station [OPTIONS] [OPERATION] [BUNDLE.kqb]
Updates every board plugged into the fixture&apos;s hub, one tile per slot.

Arguments:
  OPERATION            update-all (default), update-mcu, update-flash,
                       check-mcu, check-flash; tessara-cli&apos;s images may
                       follow it (update-all APP FLASH)
  BUNDLE.kqb           the release bundle of the recipe (or --bundle FILE,
                       or --mcu and --flash)

Options:
  --bundle FILE        the release bundle of the recipe
  --trust PUBKEY       trust this minisign public key (repeatable)
  --mcu FILE           the MCU image of the recipe
  --flash FILE         the flash image of the recipe
  --model NAME         the model the images are for (repeatable; needed
                       with --mcu and --flash); with a bundle, one of its
                       models: only boards of it are taken
  --product NAME       take only bundles of product NAME
  --min-version V      take only bundles of version V or later (dotted
                       numbers: 2.10 is later than 2.9)
  --only-changed       write only the flash blocks that differ
  --ledger PATH|URL    where a bundle&apos;s per-board values come from: a
                       SQLite file or postgresql://... (default:
                       $XDG_DATA_HOME/tessara/ledger.sqlite)
  --report FILE        the report (JSON Lines; default:
                       $XDG_DATA_HOME/tessara/reports/station-DATE.jsonl)
  --slots FILE         slots.conf: one &quot;PATH = NAME&quot; per slot
  --max-parallel N     at most N boards at once (default: all)
  --manual             boards wait for Start (space bar)
  --retry POLICY       a failed board back in its slot: auto (run it again),
                       ask (run it again once acknowledged, the default),
                       never (only a new board runs)
  --flash-ini FILE     the Flash.ini to read first
  --config FILE        read options from FILE (station.conf, as tessara-cli)
  --station NAME       this station&apos;s name in its records, audit log and
                       MQTT topics
  --mqtt URL           publish the boards&apos; events to the line&apos;s broker at
                       mqtt://HOST[:PORT][/PREFIX] (mqtts:// with TLS)
  --mqtt-auth FILE     the broker&apos;s user name and password (USER:PASSWORD)
  --mqtt-drain SECONDS  how long closing waits for the broker to take the
                       boards&apos; ends, 0-600 (default 5)
  --before-board CMD   run CMD before a board is written; unless it exits
                       with 0 the board is refused
  --after-board CMD    run CMD when a board has ended, its record on its input
  --hook-timeout SECONDS  how long a hook may take, 1-3600 (default 10)
  --fullscreen         fill the screen (a kiosk)
  --scan POLICY        board serials: off (the default), optional, or
                       required (a board without one does not run)
  --operator ID        the operator&apos;s ID, and
  --lot LOT            the work order or lot, of the shift (asked for at
                       start unless both are given)
  --set-supervisor-password  set the supervisor&apos;s password in the
                       configuration file (--config, default %1)
  -h, --help           show this help
  --version            show the version

Exit status:
  0    the window was closed, or --help or --version answered
  2    the options, an image, the bundle, Flash.ini, slots.conf or the report
       cannot be used (the reason is printed); no port is opened
  134  the window could not start, for example with no display to show
       it on: Qt says why and aborts
  128+N  stopped by signal N (SIGTERM: 143, SIGHUP: 129, Ctrl-C: 130): the
       boards running end safely first
</source>
        <translation>用法：tessara-station [选项] [操作] [发布包.kqb]
更新插在治具集线器上的每一块电路板，每个槽位一个方块。

参数：
  操作                 update-all（默认）、update-mcu、update-flash、
                       check-mcu、check-flash；其后可跟 tessara-cli 的
                       映像（update-all 应用 闪存）
  发布包.kqb           配方的发布包（或用 --bundle 文件，或用 --mcu 和 --flash）

选项：
  --bundle 文件        配方的发布包
  --trust 公钥         信任此 minisign 公钥（可重复）
  --mcu 文件           配方的 MCU 映像
  --flash 文件         配方的闪存映像
  --model 型号         映像适用的型号（可重复；用 --mcu 和 --flash
                       时必须给出）；用发布包时为其型号之一：只接受该型号的板
  --product 名称       只接受产品为该名称的发布包
  --min-version V      只接受版本 V 及以后的发布包（点分数字：
                       2.10 晚于 2.9）
  --only-changed       只写有变化的闪存块
  --ledger 路径|URL    发布包每块板自己的值的来源：
                       SQLite 文件或 postgresql://...（默认：
                       $XDG_DATA_HOME/tessara/ledger.sqlite）
  --report 文件        报告（JSON Lines；默认：
                       $XDG_DATA_HOME/tessara/reports/station-日期.jsonl）
  --slots 文件         slots.conf：每行一个“路径 = 名称”
  --max-parallel N     最多同时烧录 N 块板（默认：全部）
  --manual             电路板等待按“开始”（空格键）
  --retry 策略         失败的板放回槽位时：auto（立即重烧），
                       ask（确认后重烧，默认），
                       never（只烧新板）
  --flash-ini 文件     优先读取的 Flash.ini
  --config 文件        从文件读取选项（station.conf，与 tessara-cli 相同）
  --station 名称       本工位在记录、审计日志和 MQTT 主题中的名称
  --mqtt URL           把电路板的事件发布到产线的代理
                       mqtt://主机[:端口][/前缀]（mqtts:// 使用 TLS）
  --mqtt-auth 文件     代理的用户名和密码（用户:密码）
  --mqtt-drain 秒数    关闭时等待代理接收电路板结束事件的时间，0-600（默认 5）
  --before-board 命令  烧录电路板前运行命令；退出状态不为 0 则拒绝该板
  --after-board 命令   电路板结束后运行命令，其记录在命令的标准输入上
  --hook-timeout 秒数  钩子命令可用的时间，1-3600（默认 10）
  --fullscreen         全屏显示（信息亭）
  --scan POLICY        板卡序列号：off（默认，不扫描）、optional（可扫描）
                       或 required（没有序列号的板卡不运行）
  --operator ID        本班次的操作员工号，以及
  --lot LOT            工单或批次（两者都未给出时，启动时询问）
  --set-supervisor-password  在配置文件中设置主管密码
                       （--config，默认 %1）
  -h, --help           显示本说明
  --version            显示版本

退出状态：
  0    窗口已关闭，或已回答 --help 或 --version
  2    选项、映像、发布包、Flash.ini、slots.conf 或报告无法使用（会打印原因）；
       不会打开任何端口
  134  窗口无法启动，例如没有可显示的屏幕：Qt 说明原因并中止
  128+N  被信号 N 停止（SIGTERM：143，SIGHUP：129，Ctrl-C：130）：
       正在烧录的电路板先安全结束
</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="235"/>
        <source>%1 is given twice</source>
        <translation>%1 重复给出</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="240"/>
        <source>--product needs a product name</source>
        <translation>--product 需要一个产品名称</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="305"/>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="319"/>
        <source>a bundle or --mcu and --flash, not both</source>
        <translation>发布包与 --mcu、--flash 只能二选一</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="323"/>
        <source>--trust applies to a bundle</source>
        <translation>--trust 只用于发布包</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="329"/>
        <source>%1 needs an MCU image (--mcu FILE)</source>
        <translation>%1 需要 MCU 映像（--mcu 文件）</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="333"/>
        <source>%1 needs a flash image (--flash FILE)</source>
        <translation>%1 需要闪存映像（--flash 文件）</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="338"/>
        <source>%1 does not apply to %2</source>
        <translation>%1 不适用于 %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_options.cpp" line="216"/>
        <source>--scan takes off, optional or required</source>
        <translation>--scan 的取值为 off、optional 或 required</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <location filename="../src/station/station_window.cpp" line="71"/>
        <source>Tessara station</source>
        <translation>Tessara 烧录工位</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="90"/>
        <source>Start (space)</source>
        <translation>开始（空格键）</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="92"/>
        <source>Stop (Esc)</source>
        <translation>停止 (Esc)</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="94"/>
        <source>Acknowledge all (Ctrl+Enter)</source>
        <translation>全部确认 (Ctrl+Enter)</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="96"/>
        <location filename="../src/station/station_window.cpp" line="616"/>
        <source>Reset counters</source>
        <translation>计数清零</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="144"/>
        <source>&amp;Recipe</source>
        <translation>配方(&amp;R)</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="145"/>
        <source>&amp;Open recipe...</source>
        <translation>打开配方(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="147"/>
        <source>&amp;Change recipe...</source>
        <translation>更换配方(&amp;C)...</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="323"/>
        <source>failed before the restart</source>
        <translation>重启前已失败</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="325"/>
        <source>%1: ran before the restart; not run again unasked</source>
        <translation>%1：重启前已烧过；未经确认不再烧录</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="338"/>
        <source>%1: the board is back, attempt %2</source>
        <translation>%1：电路板已放回，第 %2 次</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="344"/>
        <source>%1: a board is back before its result was acknowledged; it waits</source>
        <translation>%1：结果未确认前有板放回，等待确认</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="362"/>
        <source>%1: %2 on %3</source>
        <translation>%1：在 %3 上执行 %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="29"/>
        <source>%1 %2 %</source>
        <translation>%1 %2 %</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="403"/>
        <source>%1, boot 0x%2</source>
        <translation>%1，引导版本 0x%2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="424"/>
        <source>PASS in %1 s</source>
        <translation>通过，用时 %1 秒</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="425"/>
        <source>FAIL: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="507"/>
        <source>The report %1 cannot be written: %2. No new board is started. Stop and call the engineer.</source>
        <translation>无法写入报告 %1：%2。不再启动新的板。请停止并联系工程师。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="708"/>
        <source>its record was not written</source>
        <translation>其记录未能写入</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="716"/>
        <source>not started: the report cannot be written</source>
        <translation>未启动：无法写入报告</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="572"/>
        <source>take the failed board out first</source>
        <translation>请先取出失败的板</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="79"/>
        <source>recipe</source>
        <translation>配方</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="105"/>
        <source>shift</source>
        <translation>班次</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="108"/>
        <source>counters</source>
        <translation>计数</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="520"/>
        <source>The audit log %1 cannot be written: %2. No new board is started. Stop and call the engineer.</source>
        <translation>无法写入审计日志 %1：%2。不再启动新的板。请停止并联系工程师。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="577"/>
        <source>%1: %2 acknowledged</source>
        <translation>%1：已确认%2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="603"/>
        <source>clearing the FAIL of slot %1</source>
        <translation>清除槽位 %1 的失败</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="608"/>
        <source>%1: FAIL cleared by the supervisor</source>
        <translation>%1：主管已清除失败</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="617"/>
        <source>Set every counter to zero? The report keeps its records.</source>
        <translation>把所有计数清零？报告中的记录会保留。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="620"/>
        <source>resetting the counters</source>
        <translation>计数清零</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="637"/>
        <location filename="../src/station/station_window.cpp" line="646"/>
        <location filename="../src/station/station_window.cpp" line="655"/>
        <source>Supervisor</source>
        <translation>主管</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="638"/>
        <source>No supervisor password is set, so %1 is not allowed. Set one with tessara-station --set-supervisor-password.</source>
        <translation>未设置主管密码，不允许%1。请用 tessara-station --set-supervisor-password 设置。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="646"/>
        <source>Supervisor password for %1:</source>
        <translation>%1需要主管密码：</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="656"/>
        <source>Wrong password: %1 is not allowed.</source>
        <translation>密码错误：不允许%1。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="662"/>
        <source>The audit log %1 cannot be written: %2. Stop and call the engineer.</source>
        <translation>无法写入审计日志 %1：%2。请停止并联系工程师。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="705"/>
        <source>attempt %1 · slot: %2 of %3 passed</source>
        <translation>第 %1 次 · 本槽位：%3 块中 %2 块通过</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="713"/>
        <source>board back: Enter runs it again</source>
        <translation>板已放回：按回车重烧</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="714"/>
        <source>board back: Enter, then seat the next board</source>
        <translation>板已放回：按回车，然后放下一块板</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="718"/>
        <source>not started: the audit log cannot be written</source>
        <translation>未启动：无法写入审计日志</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="724"/>
        <source>no board</source>
        <translation>没有电路板</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="725"/>
        <source>seat the next board</source>
        <translation>请放下一块板</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="726"/>
        <source>press Start</source>
        <translation>请按“开始”</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="727"/>
        <source>waiting for its turn</source>
        <translation>排队等待</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="729"/>
        <source>passed before the restart</source>
        <translation>重启前已通过</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="730"/>
        <source>done in %1 s</source>
        <translation>完成，用时 %1 秒</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="732"/>
        <source>after %1 s</source>
        <translation>用时 %1 秒</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="758"/>
        <source>Log of slot %1</source>
        <translation>槽位 %1 的日志</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="761"/>
        <source>log of slot %1</source>
        <translation>槽位 %1 的日志</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="818"/>
        <location filename="../src/station/station_window.cpp" line="828"/>
        <location filename="../src/station/station_window.cpp" line="834"/>
        <source>Change recipe</source>
        <translation>更换配方</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="819"/>
        <location filename="../src/station/station_window.cpp" line="835"/>
        <source>Boards are running. Change the recipe when they have ended.</source>
        <translation>有电路板正在烧录。请等它们结束后再更换配方。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="822"/>
        <source>changing the recipe</source>
        <translation>更换配方</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="904"/>
        <source>closing while boards run</source>
        <translation>在烧录中关闭</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="865"/>
        <source>Release bundle</source>
        <translation>发布包</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="865"/>
        <source>Release bundles (*.kqb)</source>
        <translation>发布包 (*.kqb)</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="873"/>
        <source>MCU image</source>
        <translation>MCU 映像</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="877"/>
        <source>Flash image</source>
        <translation>闪存映像</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="902"/>
        <source>Close the station</source>
        <translation>关闭工位</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/station/station_window.cpp" line="903"/>
        <source>%n board(s) are running. Stop them safely and close?</source>
        <translation>
            <numerusform>有 %n 块电路板正在烧录。要安全停止后关闭吗？</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="149"/>
        <source>S&amp;hift</source>
        <translation>班次(&amp;H)</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="150"/>
        <source>&amp;New shift...</source>
        <translation>新班次(&amp;N)...</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="696"/>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="697"/>
        <source>serial %1 · %2</source>
        <translation>序列号 %1 · %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="722"/>
        <source>scan its board serial to run it</source>
        <translation>扫描板卡序列号后运行</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="33"/>
        <location filename="../src/station/station_window_scan.cpp" line="43"/>
        <source>New shift</source>
        <translation>新班次</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="34"/>
        <source>Boards are running. Start the new shift when they have ended.</source>
        <translation>有板卡正在运行。请等它们结束后再开始新班次。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="52"/>
        <source>Operator %1 · Lot %2</source>
        <translation>操作员 %1 · 批次 %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="78"/>
        <source>%1: waits for its board serial</source>
        <translation>%1：等待板卡序列号</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="146"/>
        <source>Serial refused: no slot is selected</source>
        <translation>序列号被拒绝：没有选中槽位</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="149"/>
        <source>Serial for %1 refused: %2</source>
        <translation>%1 的序列号被拒绝：%2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="151"/>
        <source>Serial %1 for %2 refused: %3</source>
        <translation>%2 的序列号 %1 被拒绝：%3</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="153"/>
        <source>its board is running</source>
        <translation>板卡正在运行</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="154"/>
        <source>acknowledge its result first</source>
        <translation>请先确认其结果</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="157"/>
        <source>already scanned for %1</source>
        <translation>已扫描给 %1</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="160"/>
        <source>running board %1 again, which already passed with this recipe</source>
        <translation>再次运行已用此配方通过的板卡 %1</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="161"/>
        <source>already passed with this recipe</source>
        <translation>已用此配方通过</translation>
    </message>
    <message>
        <location filename="../src/station/station_window_scan.cpp" line="167"/>
        <source>%1: board serial %2</source>
        <translation>%1：板卡序列号 %2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="464"/>
        <location filename="../src/station/station_window_scan.cpp" line="168"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="447"/>
        <source>pool empty: %1 (slot %2). No new board is started until a supervisor has added values to the ledger and pressed Start, or changed the recipe.</source>
        <translation>值池已空：%1（槽位 %2）。在主管向台账添加值并按下开始、或更换配方之前，不再启动新板。</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="720"/>
        <source>not started: pool empty</source>
        <translation>未启动：值池已空</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="566"/>
        <source>pool empty: the supervisor presses Start first</source>
        <translation>值池已空：请主管先按开始</translation>
    </message>
    <message>
        <location filename="../src/station/station_window.cpp" line="774"/>
        <source>starting boards again after the pool ran empty</source>
        <translation>值池用完后重新启动板</translation>
    </message>
</context>
<context>
    <name>SupervisorPassword</name>
    <message>
        <location filename="../src/station/supervisor_password.cpp" line="61"/>
        <source>the password is empty</source>
        <translation>密码为空</translation>
    </message>
    <message>
        <location filename="../src/station/supervisor_password.cpp" line="68"/>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/station/supervisor_password.cpp" line="69"/>
        <source>too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <location filename="../src/station/supervisor_password.cpp" line="78"/>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>YieldCounters</name>
    <message>
        <location filename="../src/station/yield_counters.cpp" line="68"/>
        <source>Total %1 · Passed %2 · Failed %3 · First-pass yield %4 · Final yield %5 · %6 boards/hour · since %7</source>
        <translation>总数 %1 · 通过 %2 · 失败 %3 · 直通率 %4 · 最终良率 %5 · 每小时 %6 块 · 自 %7 起</translation>
    </message>
</context>
</TS>
