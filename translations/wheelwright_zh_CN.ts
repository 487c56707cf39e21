<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Wheelwright</source>
        <translation>关于 Wheelwright</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>版本 1.0</translation>
    </message>
    <message>
        <source>Wheelwright spreads the numbers you want to play over as few tickets as it can, with a guarantee that holds: lottery wheeling. Every wheel it offers is proven line by line before it ships.</source>
        <translation>Wheelwright 把您想玩的号码分配到尽可能少的注数上，并给出确实成立的保证：这就是彩票旋转矩阵。它提供的每个矩阵在发布前都已逐注验证。</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. It comes with no warranty; no wheel can promise a win.</source>
        <translation>自由软件，采用 GNU 通用公共许可证第 3 版或更高版本。本软件不提供任何担保；任何矩阵都无法保证中奖。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>AfterDraw</name>
    <message>
        <source>These tickets cannot be opened.
%1</source>
        <translation>无法打开这些投注。
%1</translation>
    </message>
    <message>
        <source>Wheelwright knows no lotteries of the country &quot;%1&quot;</source>
        <translation>Wheelwright 不知道国家“%1”的任何彩种</translation>
    </message>
    <message>
        <source>Wheelwright does not know the lottery &quot;%1&quot; of %2</source>
        <translation>Wheelwright 不知道 %2 的彩种“%1”</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 投注</translation>
    </message>
    <message>
        <source>The tickets could not be printed: the printer cannot be used.</source>
        <translation>无法打印投注：打印机不可用。</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>%1: the PDF could not be made.</source>
        <translation>%1：无法生成 PDF。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Reminder</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>Please select a lottery</source>
        <translation>请选择一个彩种</translation>
    </message>
    <message>
        <source>The lottery &quot;%1&quot; of %2 is not in the wheel database.</source>
        <translation>%2 的彩种“%1”不在矩阵数据库中。</translation>
    </message>
    <message>
        <source>You should select at least %1 numbers</source>
        <translation>您至少应选择 %1 个号码</translation>
    </message>
    <message numerus="yes">
        <source>Please choose at least %n bonus numbers</source>
        <translation>
            <numerusform>请至少选择 %n 个特别号</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel could not be kept in your library: %1</source>
        <translation>无法将矩阵保存到您的矩阵库：%1</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>You must select a xy option!!</source>
        <translation>您必须选择一个 xy 选项！！</translation>
    </message>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3. No tickets were made from it.</source>
        <translation>%2 个号码的矩阵“%1”已损坏：%3。未用它生成任何投注。</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Wheelwright speaks this language from its next start.</source>
        <translation>Wheelwright 将在下次启动时使用此语言。</translation>
    </message>
</context>
<context>
    <name>BonusPicker</name>
    <message>
        <source>Random bonus</source>
        <translation>随机特别号</translation>
    </message>
    <message>
        <source>Clear bonus</source>
        <translation>清除特别号</translation>
    </message>
    <message>
        <source>Bonus number grid</source>
        <translation>特别号网格</translation>
    </message>
    <message>
        <source>Let the program pick a bonus number for you</source>
        <translation>让程序为您选一个特别号</translation>
    </message>
    <message>
        <source>Give back every chosen bonus number</source>
        <translation>撤销所有已选的特别号</translation>
    </message>
    <message>
        <source>Bonus digit</source>
        <translation>特别号数字</translation>
    </message>
    <message>
        <source>This lottery&apos;s bonus is a digit 0 to 9 that the ticket gives or that you mark on the playslip; it is not chosen here, and the tickets hold the main numbers only.</source>
        <translation>此彩种的特别号是 0 到 9 的一个数字，由彩票给出或由您在投注单上填写；此处不选，投注只含主号码。</translation>
    </message>
    <message>
        <source>Bonus numbers: choose from 1 to %1</source>
        <translation>特别号：从 1 到 %1 中选</translation>
    </message>
    <message>
        <source>Every ticket carries 1 bonus number. Choose one, or several to share them evenly over the tickets.</source>
        <translation>每注带 1 个特别号。选一个，或选几个平均分配到各注。</translation>
    </message>
    <message>
        <source>Every ticket carries %1 bonus numbers. Choose at least %1; more are shared evenly over the tickets.</source>
        <translation>每注带 %1 个特别号。至少选 %1 个；多选的平均分配到各注。</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>特别号 %1</translation>
    </message>
    <message>
        <source>Bonus: none chosen</source>
        <translation>特别号：未选</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>特别号：%1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Your lottery, changed %1</source>
        <translation>您的彩种，修改于 %1</translation>
    </message>
    <message>
        <source>Your lottery</source>
        <translation>您的彩种</translation>
    </message>
    <message>
        <source>Facts as of %1</source>
        <extracomment>%1 is the month the lottery&apos;s facts were read, such as 2026-11.</extracomment>
        <translation>资料截至 %1</translation>
    </message>
</context>
<context>
    <name>CostChanceChart</name>
    <message>
        <source>Chart of cost against chance</source>
        <translation>费用与概率图</translation>
    </message>
    <message>
        <source>One point per wheel; the table above carries the same figures</source>
        <translation>每个矩阵一个点；上表列有相同的数据</translation>
    </message>
    <message>
        <source>No wheel counted yet</source>
        <translation>尚未计算任何矩阵</translation>
    </message>
    <message>
        <source>Chance of %1 per draw</source>
        <translation>每期%1的概率</translation>
    </message>
    <message>
        <source> (scale by tenfold steps)</source>
        <translation> （按十倍刻度）</translation>
    </message>
    <message>
        <source>Cost a draw (%1)</source>
        <translation>每期费用（%1）</translation>
    </message>
    <message>
        <source>, scale by tenfold steps</source>
        <translation>，按十倍刻度</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Error: failed to prepare statement with message &apos;%1&apos;.</source>
        <translation>错误：无法准备语句，消息为“%1”。</translation>
    </message>
    <message>
        <source>The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.</source>
        <translation>矩阵数据库 data.sqlite3 缺失：它既不在 %1 也不在 %2。</translation>
    </message>
    <message>
        <source>The wheel database %1 is missing.</source>
        <translation>矩阵数据库 %1 缺失。</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be opened.</source>
        <translation>无法打开矩阵数据库 %1。</translation>
    </message>
    <message>
        <source>The wheel database %1 cannot be read: %2</source>
        <translation>无法读取矩阵数据库 %1：%2</translation>
    </message>
    <message>
        <source>Error: the wheel database could not be read to the end: %1</source>
        <translation>错误：无法完整读取矩阵数据库：%1</translation>
    </message>
</context>
<context>
    <name>DrawCheck</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;the bonus numbers and your digit&quot;.</extracomment>
        <translation>%1和%2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>命中 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bonus matches</source>
        <translation>
            <numerusform>特别号命中 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 + %2 bonus</source>
        <extracomment>A prize tier: &quot;3 matches + 1 bonus&quot;.</extracomment>
        <translation>%1 + %2 个特别号</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>“%1”不是彩票号码</translation>
    </message>
    <message>
        <source>no drawn numbers were given</source>
        <translation>未给出开奖号码</translation>
    </message>
    <message>
        <source>%1 is outside the numbers 1 to %2</source>
        <translation>%1 不在号码 1 到 %2 之内</translation>
    </message>
    <message>
        <source>%1 is drawn twice</source>
        <translation>%1 开出了两次</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>此彩种开出 %n 个号码，给出了 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>this lottery draws no supplementary numbers besides its bonus numbers</source>
        <translation>此彩种除特别号外不开补充号</translation>
    </message>
    <message>
        <source>supplementary number %1 is outside the numbers 1 to %2</source>
        <translation>补充号 %1 不在号码 1 到 %2 之内</translation>
    </message>
    <message>
        <source>supplementary number %1 is also one of the main numbers drawn</source>
        <translation>补充号 %1 同时也是开出的主号码之一</translation>
    </message>
    <message>
        <source>supplementary number %1 is drawn twice</source>
        <translation>补充号 %1 开出了两次</translation>
    </message>
    <message numerus="yes">
        <source>%n supplementary numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>此彩种开出 %n 个补充号，给出了 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>the tickets of this lottery carry no digit of their own</source>
        <translation>此彩种的彩票不带自己的数字</translation>
    </message>
    <message>
        <source>your digit %1 is not one of 0 to %2</source>
        <translation>您的数字 %1 不在 0 到 %2 之内</translation>
    </message>
    <message>
        <source>this lottery draws no bonus numbers</source>
        <translation>此彩种不开特别号</translation>
    </message>
    <message>
        <source>bonus number %1 is outside the numbers %2 to %3</source>
        <translation>特别号 %1 不在号码 %2 到 %3 之内</translation>
    </message>
    <message>
        <source>bonus number %1 is also one of the main numbers drawn</source>
        <translation>特别号 %1 同时也是开出的主号码之一</translation>
    </message>
    <message>
        <source>bonus number %1 is drawn twice</source>
        <translation>特别号 %1 开出了两次</translation>
    </message>
    <message numerus="yes">
        <source>%n bonus numbers are drawn in this lottery, %1 given</source>
        <translation>
            <numerusform>此彩种开出 %n 个特别号，给出了 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>the bonus numbers</source>
        <translation>特别号</translation>
    </message>
    <message>
        <source>the supplementary numbers</source>
        <translation>补充号</translation>
    </message>
    <message>
        <source>the digit drawn</source>
        <translation>开出的数字</translation>
    </message>
    <message>
        <source>your digit</source>
        <translation>您的数字</translation>
    </message>
    <message>
        <source>%1 were not typed</source>
        <translation>未输入%1</translation>
    </message>
    <message>
        <source>%1 was not typed</source>
        <translation>未输入%1</translation>
    </message>
    <message>
        <source>the tickets carry no bonus numbers</source>
        <translation>投注不带特别号</translation>
    </message>
    <message>
        <source>no prize</source>
        <translation>未中奖</translation>
    </message>
    <message>
        <source>%1 if the bonus matches, else %2</source>
        <extracomment>%1 is the prize tier won if the bonus matches, %2 the one won otherwise.</extracomment>
        <translation>特别号命中则为%1，否则为%2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets win %1</source>
        <extracomment>%1 is the name of a prize tier.</extracomment>
        <translation>
            <numerusform>%n 注中奖：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n win %1</source>
        <extracomment>After &quot;2 tickets win Tier 1&quot;: &quot;, 1 wins Tier 2&quot;.</extracomment>
        <translation>
            <numerusform>%n 注中奖：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>No ticket wins a prize</source>
        <translation>没有一注中奖</translation>
    </message>
    <message numerus="yes">
        <source>; %n tickets are not judged: %1</source>
        <extracomment>%1 says what was missing, such as &quot;the bonus numbers were not typed&quot;.</extracomment>
        <translation>
            <numerusform>；%n 注未判定：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>浮动奖金</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>此处不知的奖金</translation>
    </message>
    <message>
        <source>the tickets not judged</source>
        <translation>未判定的投注</translation>
    </message>
    <message>
        <source>no matches</source>
        <extracomment>%1 lists the numbers matched: &quot;2 matches: 7 31&quot;.</extracomment>
        <translation>未命中</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>&quot;3 tickets with 2 matches&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n 注</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>After &quot;3 tickets with 2 matches&quot;: &quot;5 with none&quot;.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>no tickets</source>
        <translation>无投注</translation>
    </message>
    <message>
        <source>No ticket reaches the lowest prize (%1)</source>
        <translation>没有一注达到最低奖级（%1）</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets reach the lowest prize (%1)</source>
        <extracomment>%1 is a prize tier, such as &quot;3 matches&quot;.</extracomment>
        <translation>
            <numerusform>%n 注达到最低奖级（%1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches: %1</source>
        <translation>
            <numerusform>命中 %n 个：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>，特别号 %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>，补充号 %1</translation>
    </message>
</context>
<context>
    <name>DrawCheckWindow</name>
    <message>
        <source>Check a draw</source>
        <translation>核对开奖</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>彩种</translation>
    </message>
    <message>
        <source>Type the numbers drawn, separated by spaces or commas.</source>
        <translation>输入开奖号码，用空格或逗号分隔。</translation>
    </message>
    <message>
        <source>&amp;Drawn numbers:</source>
        <translation>开奖号码(&amp;D)：</translation>
    </message>
    <message>
        <source>5 17 3 41 9 12</source>
        <translation>5 17 3 41 9 12</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>开奖号码</translation>
    </message>
    <message>
        <source>&amp;Bonus numbers:</source>
        <translation>特别号(&amp;B)：</translation>
    </message>
    <message>
        <source>may be left empty</source>
        <translation>可以留空</translation>
    </message>
    <message>
        <source>Bonus numbers</source>
        <translation>特别号</translation>
    </message>
    <message>
        <source>Problem with the draw</source>
        <translation>开奖号码有误</translation>
    </message>
    <message>
        <source>Tickets per count of matches</source>
        <translation>按命中数统计的注数</translation>
    </message>
    <message>
        <source>Lowest prize</source>
        <translation>最低奖级</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>核对</translation>
    </message>
    <message>
        <source>Mark every ticket&apos;s matches with this draw</source>
        <translation>用此期开奖标出每注的命中</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Supplementary numbers</source>
        <translation>补充号</translation>
    </message>
    <message>
        <source>&amp;Supplementary numbers:</source>
        <translation>补充号(&amp;S)：</translation>
    </message>
    <message>
        <source>Your digit</source>
        <translation>您的数字</translation>
    </message>
    <message>
        <source>0 to 9, the digit on your ticket</source>
        <translation>0 到 9，您彩票上的数字</translation>
    </message>
    <message>
        <source>&amp;Your digit:</source>
        <translation>您的数字(&amp;Y)：</translation>
    </message>
    <message>
        <source>Prize tiers won</source>
        <translation>所中奖级</translation>
    </message>
    <message>
        <source>Prize of each ticket</source>
        <translation>每注的奖金</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n 注</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the %1 numbers drawn (1 to %2), separated by spaces or commas.</source>
        <translation>输入开出的 %1 个号码（1 到 %2），用空格或逗号分隔。</translation>
    </message>
    <message>
        <source> The bonus number is the digit drawn (0 to %1); your tickets&apos; own digit goes beside it.</source>
        <translation> 特别号是开出的数字（0 到 %1）；您投注自己的数字填在旁边。</translation>
    </message>
    <message>
        <source> The bonus numbers come from their own pool (1 to %1).</source>
        <translation> 特别号来自单独的号码池（1 到 %1）。</translation>
    </message>
    <message>
        <source> The bonus or supplementary numbers are drawn from the same numbers.</source>
        <translation> 特别号或补充号从同一组号码中开出。</translation>
    </message>
    <message>
        <source> The supplementary numbers are drawn from the same numbers as the main ones.</source>
        <translation> 补充号与主号码从同一组号码中开出。</translation>
    </message>
    <message>
        <source> They may be left out.</source>
        <translation> 可以不填。</translation>
    </message>
    <message>
        <source>&amp;Bonus (digit drawn):</source>
        <translation>特别号（开出的数字）(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Bonus number:</source>
        <translation>特别号(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Supplementary (bonus ball):</source>
        <translation>补充号（特别球）(&amp;S)：</translation>
    </message>
    <message>
        <source>Drawn numbers: %1</source>
        <translation>开奖号码：%1</translation>
    </message>
    <message>
        <source>Bonus numbers: %1</source>
        <translation>特别号：%1</translation>
    </message>
    <message>
        <source>Supplementary numbers: %1</source>
        <translation>补充号：%1</translation>
    </message>
    <message>
        <source>Your digit: type one digit, 0 to 9</source>
        <translation>您的数字：输入一个数字，0 到 9</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <translation>开奖：%1</translation>
    </message>
    <message>
        <source>, bonus %1</source>
        <translation>，特别号 %1</translation>
    </message>
    <message>
        <source>, supplementary %1</source>
        <translation>，补充号 %1</translation>
    </message>
    <message>
        <source>, your digit %1</source>
        <translation>，您的数字 %1</translation>
    </message>
    <message>
        <source>Type the bonus numbers too to see which tickets reach the lowest prize.</source>
        <translation>也请输入特别号，以查看哪些投注达到最低奖级。</translation>
    </message>
    <message>
        <source>The tickets carry no bonus numbers, so the lowest prize cannot be judged.</source>
        <translation>投注不带特别号，因此无法判定最低奖级。</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known here.</source>
        <translation>此处不知此彩种的奖级。</translation>
    </message>
    <message>
        <source>Ticket %1: %2</source>
        <translation>第 %1 注：%2</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Not used</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Main number</source>
        <translation>主号码</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>特别号</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>补充号</translation>
    </message>
    <message>
        <source>it holds binary data, not lines of text: it is not a results file</source>
        <translation>它包含二进制数据而不是文本行：不是开奖结果文件</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>未读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 could not be read again from its start.</source>
        <translation>无法从头重新读取 %1。</translation>
    </message>
    <message>
        <source>No line of %1 reads as a date and the numbers drawn: say which column holds what.</source>
        <translation>%1 中没有一行可读作日期和开奖号码：请指明哪一列是什么。</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>该行超过 %1 个字符</translation>
    </message>
    <message>
        <source>the line is not text</source>
        <translation>该行不是文本</translation>
    </message>
    <message numerus="yes">
        <source>%n columns found, %1 expected</source>
        <translation>
            <numerusform>找到 %n 列，应为 %1 列</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>“%1”不是日期</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>第 %1 列为空</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a lottery number</source>
        <translation>“%1”不是彩票号码</translation>
    </message>
    <message>
        <source>the draw of %1 is already on line %2</source>
        <translation>%1 的开奖已在第 %2 行</translation>
    </message>
    <message>
        <source>No line of %1 is a draw of this lottery (%2).</source>
        <translation>%1 中没有一行是此彩种（%2）的开奖。</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n 个错误行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.</source>
        <translation>未读取 %1：它有 %2 MB，超过 %3 MB 的不是开奖结果文件。</translation>
    </message>
    <message>
        <source>The results were not read: more than %1 MB is not a results file.</source>
        <translation>未读取开奖结果：超过 %1 MB 的不是开奖结果文件。</translation>
    </message>
    <message>
        <source>The results</source>
        <translation>开奖结果</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……还有 %1 个</translation>
    </message>
    <message>
        <source>No draw added</source>
        <translation>未添加开奖</translation>
    </message>
    <message numerus="yes">
        <source>%n draws added</source>
        <translation>
            <numerusform>已添加 %n 期开奖</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already stored</source>
        <translation>，%1 期已存储</translation>
    </message>
    <message numerus="yes">
        <source>; %n dates already hold other numbers, kept as stored: %1</source>
        <extracomment>%1 lists the dates, such as &quot;2026-11-28, 2026-12-02&quot;.</extracomment>
        <translation>
            <numerusform>；%n 个日期已存有其他号码，保持原样：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not judged</source>
        <translation>%1 未判定</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>命中 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>开奖期数：%1</translation>
    </message>
    <message>
        <source>Tickets bought: %1 (%2 x %3)</source>
        <translation>已买投注：%1（%2 x %3）</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>费用：%1</translation>
    </message>
    <message>
        <source>Cost: not known (no ticket price)</source>
        <translation>费用：未知（无每注价格）</translation>
    </message>
    <message>
        <source>shared prizes</source>
        <translation>浮动奖金</translation>
    </message>
    <message>
        <source>prizes not known here</source>
        <translation>此处不知的奖金</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets not judged</source>
        <translation>
            <numerusform>%n 注未判定</numerusform>
        </translation>
    </message>
    <message>
        <source>Prize tiers: not known here; tickets per count of matches:</source>
        <translation>奖级：此处未知；按命中数统计的注数：</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>任意奖级</translation>
    </message>
    <message>
        <source>%1 or more matches</source>
        <translation>命中 %1 个或以上</translation>
    </message>
</context>
<context>
    <name>DrawHistoryWindow</name>
    <message>
        <source>Past Draws</source>
        <translation>往期开奖</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>往期开奖</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>从(&amp;F)：</translation>
    </message>
    <message>
        <source>first draw</source>
        <translation>第一期</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>起始日期</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>到(&amp;T)：</translation>
    </message>
    <message>
        <source>last draw</source>
        <translation>最后一期</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>结束日期</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>核对(&amp;C)</translation>
    </message>
    <message>
        <source>Check the draws between the dates</source>
        <translation>核对两个日期之间的开奖</translation>
    </message>
    <message>
        <source>&amp;Import results…</source>
        <translation>导入开奖结果(&amp;I)…</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>导入开奖结果</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>开奖</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>最佳命中</translation>
    </message>
    <message>
        <source>Tickets winning</source>
        <translation>中奖注数</translation>
    </message>
    <message>
        <source>Fixed prizes</source>
        <translation>固定奖金</translation>
    </message>
    <message>
        <source>%1 tickets of %2, %3 against the stored draws</source>
        <translation>%2 的 %1 注，%3，对照已存储的开奖</translation>
    </message>
    <message>
        <source>Give the dates as 2026-12-05, or leave them empty for every draw.</source>
        <translation>日期格式如 2026-12-05，留空则包括所有开奖。</translation>
    </message>
    <message>
        <source>No draws of this lottery are stored between these dates: import a results file.</source>
        <translation>这两个日期之间没有存储此彩种的开奖：请导入开奖结果文件。</translation>
    </message>
    <message>
        <source>Checking %1 draws…</source>
        <translation>正在核对 %1 期开奖…</translation>
    </message>
    <message>
        <source>Double-click a draw to see each ticket in the check of one draw.</source>
        <translation>双击某期开奖，查看该期每注的核对结果。</translation>
    </message>
    <message>
        <source>Best match per draw</source>
        <translation>每期最佳命中</translation>
    </message>
    <message numerus="yes">
        <source>%n draws; the best match of any draw is %1</source>
        <translation>
            <numerusform>%n 期开奖；所有开奖中最佳命中为 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>What the draws gave, beside the exact odds</source>
        <translation>开奖结果与精确概率对照</translation>
    </message>
    <message>
        <source>Past draws beside the exact odds</source>
        <translation>往期开奖与精确概率对照</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>奖级</translation>
    </message>
    <message>
        <source>Past draws
won</source>
        <translation>往期
中奖期数</translation>
    </message>
    <message>
        <source>Exact chance
per draw</source>
        <translation>每期
精确概率</translation>
    </message>
    <message>
        <source>Past tickets
per draw</source>
        <translation>往期每期
中奖注数</translation>
    </message>
    <message>
        <source>Expected tickets
per draw</source>
        <translation>每期
预期注数</translation>
    </message>
    <message>
        <source>Counting the exact odds of these tickets…</source>
        <translation>正在计算这些投注的精确概率…</translation>
    </message>
    <message>
        <source>The exact odds of these tickets cannot be counted: %1.</source>
        <translation>无法计算这些投注的精确概率：%1。</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>命中</translation>
    </message>
    <message>
        <source>no draws</source>
        <translation>无开奖</translation>
    </message>
    <message>
        <source>0 of %1</source>
        <translation>%1 期中 0 期</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%2 期中 %1 期（%3）</translation>
    </message>
    <message>
        <source>Fixed prizes: %1 per draw expected.</source>
        <translation>固定奖金：每期预期 %1。</translation>
    </message>
    <message>
        <source>Fixed prizes per draw: %1 won in these draws, %2 expected.</source>
        <translation>每期固定奖金：这些开奖中赢得 %1，预期 %2。</translation>
    </message>
    <message>
        <source>%1 tickets whose tier hangs on numbers the results did not give are in no row.</source>
        <translation>%1 注的奖级取决于开奖结果未给出的号码，未列入任何一行。</translation>
    </message>
</context>
<context>
    <name>FormatMatrix</name>
    <message>
        <source>Ticket format %1</source>
        <translation>投注格式 %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Wheelwright Help</source>
        <translation>Wheelwright 帮助</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>帮助页面</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help page welcome.html is missing from this installation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;本安装缺少帮助页面 welcome.html。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The help below is in English.</source>
        <translation>以下帮助为英文。</translation>
    </message>
</context>
<context>
    <name>LotteriesWindow</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>主号码</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>补充号</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>特别号</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>奖金</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy to edit</source>
        <translation>复制以编辑(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>导出(&amp;X)...</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>彩种</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家</translation>
    </message>
    <message>
        <source>Lotteries of the country</source>
        <translation>该国家的彩种</translation>
    </message>
    <message>
        <source>&amp;New lottery</source>
        <translation>新建彩种(&amp;N)</translation>
    </message>
    <message>
        <source>New lottery</source>
        <translation>新建彩种</translation>
    </message>
    <message>
        <source>Copy the shipped lottery to edit</source>
        <translation>复制内置彩种以编辑</translation>
    </message>
    <message>
        <source>Delete or reset the lottery</source>
        <translation>删除或重置彩种</translation>
    </message>
    <message>
        <source>Export the lottery to a file</source>
        <translation>将彩种导出到文件</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <source>Import lotteries from a file</source>
        <translation>从文件导入彩种</translation>
    </message>
    <message>
        <source>%1: problem</source>
        <translation>%1：有问题</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>号码池(&amp;P)：</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>号码池</translation>
    </message>
    <message>
        <source>Numbers a &amp;ticket:</source>
        <translation>每注号码数(&amp;T)：</translation>
    </message>
    <message>
        <source>Numbers a ticket</source>
        <translation>每注号码数</translation>
    </message>
    <message>
        <source>&amp;Drawn:</source>
        <translation>开出数(&amp;O)：</translation>
    </message>
    <message>
        <source>Numbers drawn</source>
        <translation>开出的号码数</translation>
    </message>
    <message>
        <source>Supp&amp;lementary drawn:</source>
        <translation>补充号开出数(&amp;L)：</translation>
    </message>
    <message>
        <source>Supplementary numbers drawn</source>
        <translation>开出的补充号数</translation>
    </message>
    <message>
        <source>&amp;Bonus pool:</source>
        <translation>特别号池(&amp;B)：</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>特别号池</translation>
    </message>
    <message>
        <source>Bonus dra&amp;wn:</source>
        <translation>特别号开出数(&amp;W)：</translation>
    </message>
    <message>
        <source>Bonus numbers drawn</source>
        <translation>开出的特别号数</translation>
    </message>
    <message>
        <source>P&amp;rice:</source>
        <translation>价格(&amp;R)：</translation>
    </message>
    <message>
        <source>Price of a ticket</source>
        <translation>每注价格</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>货币(&amp;U)：</translation>
    </message>
    <message>
        <source>Prize t&amp;iers, best first:</source>
        <translation>奖级，从高到低(&amp;E)：</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>奖级</translation>
    </message>
    <message>
        <source>Prize tiers: problem</source>
        <translation>奖级：有问题</translation>
    </message>
    <message>
        <source>&amp;Add tier</source>
        <translation>添加奖级(&amp;A)</translation>
    </message>
    <message>
        <source>Add a prize tier</source>
        <translation>添加一个奖级</translation>
    </message>
    <message>
        <source>Remove tier</source>
        <translation>删除奖级</translation>
    </message>
    <message>
        <source>Remove the prize tier</source>
        <translation>删除该奖级</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Save the lottery</source>
        <translation>保存彩种</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Reset to shipped</source>
        <translation>恢复为内置(&amp;H)</translation>
    </message>
    <message>
        <source>%1, in place of the shipped facts</source>
        <extracomment>%1 says when and where the lottery&apos;s facts were read.</extracomment>
        <translation>%1，取代内置资料</translation>
    </message>
    <message>
        <source>%1. Copy it to edit.</source>
        <translation>%1。复制后才能编辑。</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>Tier %1: %2 must be a whole number</source>
        <translation>奖级 %1：%2 必须是整数</translation>
    </message>
    <message>
        <source>Tier %1: %2</source>
        <translation>奖级 %1：%2</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The lottery was not stored: %1</source>
        <translation>彩种未保存：%1</translation>
    </message>
    <message>
        <source>Stored. %1</source>
        <translation>已保存。%1</translation>
    </message>
    <message>
        <source>Forget your facts of &quot;%1&quot; and use the shipped ones again?</source>
        <translation>忘记您对“%1”的资料，重新使用内置资料？</translation>
    </message>
    <message>
        <source>Delete your lottery &quot;%1&quot;?</source>
        <translation>删除您的彩种“%1”？</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>A copy of the shipped facts: keep the name to use it in place of the shipped lottery.</source>
        <translation>内置资料的副本：保留名称即可用它取代内置彩种。</translation>
    </message>
    <message>
        <source>A new lottery of %1.</source>
        <translation>%1 的新彩种。</translation>
    </message>
    <message>
        <source>Export the lottery</source>
        <translation>导出彩种</translation>
    </message>
    <message>
        <source>Lottery files (*.txt)</source>
        <translation>彩种文件 (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>已导出到 %1。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>No lottery was imported: %1</source>
        <translation>未导入任何彩种：%1</translation>
    </message>
    <message>
        <source>the file holds none</source>
        <translation>文件中没有彩种</translation>
    </message>
    <message>
        <source>No more lotteries were imported: %1</source>
        <translation>未再导入更多彩种：%1</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>已从 %2 导入 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n lotteries</source>
        <translation>
            <numerusform>%n 个彩种</numerusform>
        </translation>
    </message>
    <message>
        <source>Import a lottery</source>
        <translation>导入彩种</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>LotteryFile</name>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 必须是整数</translation>
    </message>
    <message>
        <source>a tier is name, main, supplementary, bonus, prize, currency</source>
        <translation>奖级依次为：名称、主号码、补充号、特别号、奖金、货币</translation>
    </message>
    <message>
        <source>the tier&apos;s %1 matches must be a whole number</source>
        <translation>奖级的命中数 %1 必须是整数</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>含有 NUL 字节</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
    </message>
</context>
<context>
    <name>LotteryPage</name>
    <message>
        <source>Lottery page</source>
        <translation>彩种页面</translation>
    </message>
    <message>
        <source>Choose your country, then the lottery you play.</source>
        <translation>先选择您的国家，再选择您玩的彩种。</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>国家(&amp;C)：</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家</translation>
    </message>
    <message>
        <source>&amp;Lotteries:</source>
        <translation>彩种(&amp;L)：</translation>
    </message>
    <message>
        <source>Lotteries</source>
        <translation>彩种</translation>
    </message>
    <message>
        <source>Click a lottery, then press Next to mark your numbers.</source>
        <translation>点击一个彩种，然后按“下一步”选号。</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>彩种</translation>
    </message>
    <message>
        <source>When the lottery&apos;s facts were read</source>
        <translation>彩种资料的读取时间</translation>
    </message>
    <message>
        <source>L&amp;otteries...</source>
        <translation>彩种(&amp;O)...</translation>
    </message>
    <message>
        <source>Lotteries: add, copy or edit your own</source>
        <translation>彩种：添加、复制或编辑您自己的彩种</translation>
    </message>
    <message>
        <source>(yours)</source>
        <translation>（您的）</translation>
    </message>
    <message>
        <source>your lottery</source>
        <translation>您的彩种</translation>
    </message>
</context>
<context>
    <name>LotteryRules</name>
    <message>
        <source>&quot;%1&quot; is not a country the program offers</source>
        <translation>“%1”不是本程序提供的国家</translation>
    </message>
    <message>
        <source>the lottery needs a name</source>
        <translation>彩种需要名称</translation>
    </message>
    <message>
        <source>the name is longer than 80 bytes</source>
        <translation>名称超过 80 字节</translation>
    </message>
    <message>
        <source>the name holds a character that does not print</source>
        <translation>名称含有不可打印的字符</translation>
    </message>
    <message>
        <source>the name begins or ends with a space</source>
        <translation>名称以空格开头或结尾</translation>
    </message>
    <message>
        <source>the pool holds 2 to 99 numbers</source>
        <translation>号码池含 2 到 99 个号码</translation>
    </message>
    <message>
        <source>a ticket holds at least 1 number</source>
        <translation>每注至少含 1 个号码</translation>
    </message>
    <message>
        <source>a ticket holds 1 number, so the pool needs at least %1</source>
        <translation>每注含 1 个号码，因此号码池至少需要 %1 个</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers, so the pool needs at least %2</source>
        <translation>每注含 %1 个号码，因此号码池至少需要 %2 个</translation>
    </message>
    <message>
        <source>the draw takes 1 to %1 numbers from a pool of %2</source>
        <translation>开奖从 %2 个号码的号码池中开出 1 到 %1 个号码</translation>
    </message>
    <message>
        <source>after 1 number are drawn the pool has %1 left for supplementary numbers</source>
        <extracomment>Said when one number is drawn: the English reads &quot;1 number are drawn&quot;.</extracomment>
        <translation>开出 1 个号码后，号码池剩下 %1 个可作补充号</translation>
    </message>
    <message>
        <source>after %1 numbers are drawn the pool has %2 left for supplementary numbers</source>
        <translation>开出 %1 个号码后，号码池剩下 %2 个可作补充号</translation>
    </message>
    <message>
        <source>the bonus pool holds 0 (none) to 99 numbers</source>
        <translation>特别号池含 0（无）到 99 个号码</translation>
    </message>
    <message>
        <source>there is no bonus pool, so no bonus numbers are drawn</source>
        <translation>没有特别号池，因此不开特别号</translation>
    </message>
    <message>
        <source>the bonus pool of %1 gives 1 to %2 bonus numbers</source>
        <translation>%1 个号码的特别号池可开出 1 到 %2 个特别号</translation>
    </message>
    <message>
        <source>the lowest prize&apos;s main and bonus matches are given together or not at all</source>
        <translation>最低奖级的主号码和特别号命中数须同时给出或都不给出</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 main matches</source>
        <translation>最低奖级需要 0 到 %1 个主号码命中</translation>
    </message>
    <message>
        <source>the lowest prize needs 0 to %1 bonus matches</source>
        <translation>最低奖级需要 0 到 %1 个特别号命中</translation>
    </message>
    <message>
        <source>the lowest prize cannot need no match at all</source>
        <translation>最低奖级不能不需要任何命中</translation>
    </message>
    <message>
        <source>a price is an amount like 2.50</source>
        <translation>价格是形如 2.50 的金额</translation>
    </message>
    <message>
        <source>a price is more than nothing</source>
        <translation>价格必须大于零</translation>
    </message>
    <message>
        <source>a price needs its currency</source>
        <translation>价格需要货币</translation>
    </message>
    <message>
        <source>a currency needs a price</source>
        <translation>货币需要价格</translation>
    </message>
    <message>
        <source>the currency is a three-letter code like EUR (ISO 4217)</source>
        <translation>货币是三个字母的代码，如 EUR（ISO 4217）</translation>
    </message>
    <message>
        <source>the month is written like 2026-12</source>
        <translation>月份的写法如 2026-12</translation>
    </message>
    <message>
        <source>the tier needs a name of 1 to 80 bytes</source>
        <translation>奖级需要 1 到 80 字节的名称</translation>
    </message>
    <message>
        <source>the tier&apos;s name holds a comma or a character that does not print</source>
        <translation>奖级名称含有逗号或不可打印的字符</translation>
    </message>
    <message>
        <source>main must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <extracomment>%2 is the lottery&apos;s name.</extracomment>
        <translation>对于“%2”，主号码数必须是 0 到 %1 的整数</translation>
    </message>
    <message>
        <source>supplementary must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>对于“%2”，补充号数必须是 0 到 %1 的整数</translation>
    </message>
    <message>
        <source>bonus must be a whole number from 0 to %1 for &quot;%2&quot;</source>
        <translation>对于“%2”，特别号数必须是 0 到 %1 的整数</translation>
    </message>
    <message>
        <source>a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary</source>
        <translation>每注含 %1 个号码：不可能命中 %2 个主号码和 %3 个补充号</translation>
    </message>
    <message>
        <source>a tier cannot need no match at all</source>
        <translation>奖级不能不需要任何命中</translation>
    </message>
    <message>
        <source>a currency goes only with a fixed amount</source>
        <translation>货币只能配固定金额</translation>
    </message>
    <message>
        <source>prize must be empty, shared, or an amount with two decimals like 10.00</source>
        <extracomment>&quot;empty&quot; and &quot;shared&quot; are what the prize column may hold, kept as they are.</extracomment>
        <translation>奖金必须为 empty、shared 或带两位小数的金额，如 10.00</translation>
    </message>
    <message>
        <source>a fixed amount needs a three-letter currency code (ISO 4217)</source>
        <translation>固定金额需要三个字母的货币代码（ISO 4217）</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers.</extracomment>
        <translation>没有一注能达到“%1”：“%2”排在前面，会占去它所有的注</translation>
    </message>
    <message>
        <source>no ticket can reach &quot;%1&quot;: &quot;%2&quot; (line %3) comes first and takes every ticket it would</source>
        <extracomment>%1 and %2 are names of prize tiers, %3 a line of the lottery file.</extracomment>
        <translation>没有一注能达到“%1”：“%2”（第 %3 行）排在前面，会占去它所有的注</translation>
    </message>
    <message>
        <source>tier &quot;%1&quot;: %2</source>
        <extracomment>%1 is the name of a prize tier, %2 what is wrong with it.</extracomment>
        <translation>奖级“%1”：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>1  Lottery</source>
        <translation>1  彩种</translation>
    </message>
    <message>
        <source>2  Numbers</source>
        <translation>2  号码</translation>
    </message>
    <message>
        <source>3  Wheel</source>
        <translation>3  矩阵</translation>
    </message>
    <message>
        <source>4  Tickets</source>
        <translation>4  投注</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; 上一步</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message>
        <source>Generate tickets</source>
        <translation>生成投注</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>Open a saved ticket file</source>
        <translation>打开已保存的投注文件</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Print the tickets</source>
        <translation>打印投注</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>打印预览(&amp;V)…</translation>
    </message>
    <message>
        <source>See the printed pages before printing</source>
        <translation>打印前查看打印页面</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>导出 PDF(&amp;D)…</translation>
    </message>
    <message>
        <source>Write the printed pages to a PDF file</source>
        <translation>将打印页面写入 PDF 文件</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>导出 CSV(&amp;C)…</translation>
    </message>
    <message>
        <source>Write the tickets for a spreadsheet, one number a cell</source>
        <translation>为电子表格写出投注，每格一个号码</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Wheelwright &amp;Help</source>
        <translation>Wheelwright 帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Wheels</source>
        <translation>矩阵(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;About Wheelwright</source>
        <translation>关于 Wheelwright(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
</context>
<context>
    <name>NumberButton</name>
    <message>
        <source>%1, chosen</source>
        <translation>%1，已选</translation>
    </message>
    <message>
        <source>%1, key number</source>
        <translation>%1，胆码</translation>
    </message>
</context>
<context>
    <name>NumberPage</name>
    <message>
        <source>Number page</source>
        <translation>号码页面</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>彩种</translation>
    </message>
    <message>
        <source>Grid of lottery</source>
        <translation>彩票号码网格</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>号码(&amp;N)：</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>Tap numbers on the grid; the first one is your key number</source>
        <translation>在网格上点选号码；第一个是您的胆码</translation>
    </message>
    <message>
        <source>Total Numbers:0</source>
        <translation>号码总数：0</translation>
    </message>
    <message>
        <source>Total numbers</source>
        <translation>号码总数</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Take back the number chosen last</source>
        <translation>撤销最后选的号码</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Clear every chosen number</source>
        <translation>清除所有已选号码</translation>
    </message>
    <message>
        <source>Show in ascending order</source>
        <translation>按升序显示</translation>
    </message>
    <message>
        <source>Random pick…</source>
        <translation>随机选号…</translation>
    </message>
    <message>
        <source>Let the program draw numbers for you</source>
        <translation>让程序为您选号</translation>
    </message>
    <message>
        <source>Number grid</source>
        <translation>号码网格</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>You can not remove the key except clearing all buttons and numbers (Click button &apos;Clear&apos;)</source>
        <translation>除非清除所有按钮和号码（点击“清除”按钮），否则无法移除胆码</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No number to be backspaced</source>
        <translation>没有可退格的号码</translation>
    </message>
    <message>
        <source>Are you sure to clear all selected numbers?</source>
        <translation>确定要清除所有已选号码吗？</translation>
    </message>
    <message>
        <source>Total Numbers:%1</source>
        <translation>号码总数：%1</translation>
    </message>
</context>
<context>
    <name>NumberWindow</name>
    <message>
        <source>Random pick</source>
        <translation>随机选号</translation>
    </message>
    <message>
        <source>How many numbers shall the program draw for you?</source>
        <translation>要程序为您选几个号码？</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>数量(&amp;C)：</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Count stepper</source>
        <translation>数量调节器</translation>
    </message>
    <message>
        <source>Drawn numbers join those you already chose; the first number of an empty selection becomes the key.</source>
        <translation>选出的号码加入您已选的号码；若原先未选号码，第一个号码即为胆码。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a count of numbers. Type a whole number from %2 to %3.</source>
        <translation>“%1”不是号码数量。请输入 %2 到 %3 的整数。</translation>
    </message>
</context>
<context>
    <name>OwnWheels</name>
    <message>
        <source>No file was named for the wheel library.</source>
        <translation>未给矩阵库指定文件。</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be made: its folder %2 cannot be created.</source>
        <translation>无法创建您的矩阵库 %1：无法创建其文件夹 %2。</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be used: %2.</source>
        <translation>无法使用您的矩阵库 %1：%2。</translation>
    </message>
    <message>
        <source>A new wheel library %1 could not be started: %2.</source>
        <translation>无法新建矩阵库 %1：%2。</translation>
    </message>
    <message>
        <source>Your wheel library %1 cannot be opened: %2.</source>
        <translation>无法打开您的矩阵库 %1：%2。</translation>
    </message>
    <message>
        <source>it is damaged inside</source>
        <translation>其内部已损坏</translation>
    </message>
    <message>
        <source>it is not a wheel library</source>
        <translation>它不是矩阵库</translation>
    </message>
    <message>
        <source>The wheel library is not open.</source>
        <translation>矩阵库未打开。</translation>
    </message>
    <message>
        <source>The wheel does not keep its guarantee (%1); it was not stored.</source>
        <translation>该矩阵不满足其保证（%1）；未保存。</translation>
    </message>
    <message>
        <source> The wheel was not stored.</source>
        <translation> 矩阵未保存。</translation>
    </message>
    <message>
        <source>The wheel library cannot be written: %1</source>
        <translation>无法写入矩阵库：%1</translation>
    </message>
    <message>
        <source> Its wheels could not be read just now.
</source>
        <translation> 暂时无法读取其中的矩阵。
</translation>
    </message>
    <message>
        <source>its tables cannot be read</source>
        <translation>无法读取其数据表</translation>
    </message>
    <message>
        <source>The library is not open; no draw was added.</source>
        <translation>矩阵库未打开；未添加开奖。</translation>
    </message>
    <message>
        <source> No draw was added.</source>
        <translation> 未添加开奖。</translation>
    </message>
    <message>
        <source>Your library %1 cannot be written (%2); no draw was added.</source>
        <translation>无法写入您的矩阵库 %1（%2）；未添加开奖。</translation>
    </message>
    <message>
        <source>The library is not open.</source>
        <translation>矩阵库未打开。</translation>
    </message>
    <message>
        <source>The draws in your library %1 cannot be read: %2.</source>
        <translation>无法读取您的矩阵库 %1 中的开奖：%2。</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save tickets</source>
        <translation>保存投注</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>打开投注</translation>
    </message>
    <message>
        <source>Ticket files (*.txt)</source>
        <translation>投注文件 (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>The title of a warning; every window&apos;s warnings carry the same word.</extracomment>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a ticket).</source>
        <translation>无法玩 %2 的彩种 %1：矩阵数据库中没有可用的规格（号码池 2 到 99 个号码，每注号码更少）。</translation>
    </message>
    <message>
        <source>The lottery %1 of %2 cannot be played: the wheel database asks for %3 bonus numbers from a bonus pool of %4.</source>
        <translation>无法玩 %2 的彩种 %1：矩阵数据库要求从 %4 个号码的特别号池中选 %3 个特别号。</translation>
    </message>
    <message>
        <source>a ticket of %1 holds %2 numbers, this one holds %3</source>
        <translation>%1 的每注含 %2 个号码，这一注含 %3 个</translation>
    </message>
</context>
<context>
    <name>PlayReview</name>
    <message>
        <source>The wheel &quot;%1&quot; for %2 numbers is damaged: %3.</source>
        <translation>%2 个号码的矩阵“%1”已损坏：%3。</translation>
    </message>
    <message>
        <source>The draws of &quot;%1&quot; of %2 cannot be checked: the lottery is not known here.</source>
        <translation>无法核对 %2 的“%1”的开奖：此处不知该彩种。</translation>
    </message>
</context>
<context>
    <name>PlayerLotteries</name>
    <message>
        <source>your lotteries %1 could not be read: %2
</source>
        <translation>无法读取您的彩种 %1：%2
</translation>
    </message>
    <message>
        <source>there is no place to keep your lotteries</source>
        <translation>没有地方保存您的彩种</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>PrizeTiers</name>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>Fixed prizes won: %1</source>
        <translation>所中固定奖金：%1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>%1 (not counting %2)</source>
        <extracomment>%1 lists what the total leaves out, such as &quot;shared prizes or prizes not known here&quot;.</extracomment>
        <translation>%1（不计%2）</translation>
    </message>
    <message>
        <source>shared</source>
        <extracomment>The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.</extracomment>
        <translation>浮动</translation>
    </message>
</context>
<context>
    <name>ResultsImportDialog</name>
    <message>
        <source>Import Results</source>
        <translation>导入开奖结果</translation>
    </message>
    <message>
        <source>Results files (*.csv *.txt);;All files (*)</source>
        <translation>开奖结果文件 (*.csv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import results</source>
        <translation>导入开奖结果</translation>
    </message>
    <message>
        <source>Draws of %1, %2 from %3. Say above each column what it holds:</source>
        <translation>%2 %1 的开奖，来自 %3。请在每列上方指明其内容：</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>文件的前几行</translation>
    </message>
    <message>
        <source>Column %1 holds</source>
        <translation>第 %1 列内容</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>第一行是列名</translation>
    </message>
    <message>
        <source>Bad lines</source>
        <translation>错误行</translation>
    </message>
    <message>
        <source>Import the sound lines</source>
        <translation>导入正确的行</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>不导入</translation>
    </message>
    <message>
        <source>Choose one column of dates and the columns of the main numbers.</source>
        <translation>选择一列日期和主号码所在的各列。</translation>
    </message>
    <message>
        <source>%1 draws, every line sound.</source>
        <translation>%1 期开奖，每行都正确。</translation>
    </message>
    <message>
        <source>%1 sound lines; %2, listed below, will not be imported.</source>
        <translation>%1 行正确；下列 %2 不会导入。</translation>
    </message>
    <message numerus="yes">
        <source>%n bad lines</source>
        <translation>
            <numerusform>%n 个错误行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>Tickets as text</source>
        <translation>投注文本</translation>
    </message>
    <message>
        <source>Ticket text</source>
        <translation>投注文本</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TicketFileReader</name>
    <message>
        <source>a %1 is missing (two separators in a row, or one at an end)</source>
        <extracomment>%1 is &quot;number&quot; or &quot;bonus number&quot;.</extracomment>
        <translation>缺少一个%1（连续两个分隔符，或结尾有分隔符）</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 不是号码</translation>
    </message>
    <message>
        <source>%1 is too long for a lottery number</source>
        <translation>%1 对彩票号码来说太长</translation>
    </message>
    <message>
        <source>%1 is not a lottery number (they start at 1)</source>
        <translation>%1 不是彩票号码（号码从 1 开始）</translation>
    </message>
    <message>
        <source>%1 appears twice in this ticket</source>
        <translation>%1 在此注中出现两次</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the file is UTF-8, but ticket files are written in UTF-16</source>
        <translation>文件是 UTF-8，但投注文件以 UTF-16 写成</translation>
    </message>
    <message>
        <source>not a ticket file: it does not start with a UTF-16 byte-order mark</source>
        <translation>不是投注文件：开头没有 UTF-16 字节顺序标记</translation>
    </message>
    <message>
        <source>the file is cut off in the middle of a character</source>
        <translation>文件在某个字符中间被截断</translation>
    </message>
    <message>
        <source>this line is not valid UTF-16 text</source>
        <translation>此行不是有效的 UTF-16 文本</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>该行为空</translation>
    </message>
    <message>
        <source>&quot; + &quot; appears more than once in this ticket</source>
        <translation>此注中“ + ”出现了不止一次</translation>
    </message>
    <message>
        <source>number</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>no bonus numbers follow &quot; + &quot;</source>
        <translation>“ + ”后没有特别号</translation>
    </message>
    <message>
        <source>bonus number</source>
        <translation>特别号</translation>
    </message>
    <message>
        <source>the file holds no tickets</source>
        <translation>文件中没有投注</translation>
    </message>
    <message>
        <source>an empty line stands among the tickets</source>
        <translation>投注之间有空行</translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n numbers, the first one has %1</source>
        <translation>
            <numerusform>此注有 %n 个号码，第一注有 %1 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>this ticket has %n bonus numbers, the first one has %1</source>
        <translation>
            <numerusform>此注有 %n 个特别号，第一注有 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is too large to be a ticket file</source>
        <translation>文件太大，不可能是投注文件</translation>
    </message>
    <message>
        <source>the file ends before the &quot;%1&quot; line</source>
        <translation>文件在“%1”行之前就结束了</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; here, found %2</source>
        <translation>此处应为“%1”，却是 %2</translation>
    </message>
    <message>
        <source>the key number %1 is not a whole number</source>
        <translation>胆码 %1 不是整数</translation>
    </message>
    <message>
        <source>the file ends before the empty line after the key</source>
        <translation>文件在胆码后的空行之前就结束了</translation>
    </message>
    <message>
        <source>expected an empty line after the key, found %1</source>
        <translation>胆码后应为空行，却是 %1</translation>
    </message>
    <message>
        <source>the file ends inside this line: it was cut short</source>
        <translation>文件在此行中间结束：被截断了</translation>
    </message>
    <message>
        <source>the key number %1 lies outside the numbers 1 to %2</source>
        <translation>胆码 %1 不在号码 1 到 %2 之内</translation>
    </message>
    <message>
        <source>%1 lies outside the numbers 1 to %2</source>
        <translation>%1 不在号码 1 到 %2 之内</translation>
    </message>
    <message>
        <source>this lottery has no bonus numbers, but the ticket carries some</source>
        <translation>此彩种没有特别号，但投注带有特别号</translation>
    </message>
    <message>
        <source>bonus number %1 lies outside the bonus numbers 1 to %2</source>
        <translation>特别号 %1 不在特别号 1 到 %2 之内</translation>
    </message>
    <message>
        <source>the file is too large to be a list of tickets</source>
        <translation>文件太大，不可能是投注列表</translation>
    </message>
    <message>
        <source>the text is neither a UTF-16 ticket file nor UTF-8 lines</source>
        <translation>该文本既不是 UTF-16 投注文件，也不是 UTF-8 文本行</translation>
    </message>
    <message>
        <source>is not a regular file, so it is not read as tickets</source>
        <translation>不是普通文件，因此不作为投注读取</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
</context>
<context>
    <name>TicketPage</name>
    <message>
        <source>Ticket page</source>
        <translation>投注页面</translation>
    </message>
    <message>
        <source>Lottery</source>
        <translation>彩种</translation>
    </message>
    <message>
        <source>Total Tickets:0</source>
        <translation>总注数：0</translation>
    </message>
    <message>
        <source>Total tickets</source>
        <translation>总注数</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>投注</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Save the tickets as a text file</source>
        <translation>将投注保存为文本文件</translation>
    </message>
    <message>
        <source>Text view</source>
        <translation>文本视图</translation>
    </message>
    <message>
        <source>Show the tickets as text</source>
        <translation>以文本显示投注</translation>
    </message>
    <message>
        <source>Check a draw…</source>
        <translation>核对开奖…</translation>
    </message>
    <message>
        <source>Type the numbers drawn and see which tickets match them</source>
        <translation>输入开奖号码，查看哪些投注命中</translation>
    </message>
    <message>
        <source>Check draws…</source>
        <translation>核对往期…</translation>
    </message>
    <message>
        <source>Check these tickets against every stored draw of the lottery</source>
        <translation>用此彩种所有已存储的开奖核对这些投注</translation>
    </message>
    <message>
        <source>Check draws</source>
        <translation>核对往期</translation>
    </message>
    <message>
        <source>Tickets are saved as UTF-16 text that any editor opens.</source>
        <translation>投注保存为 UTF-16 文本，任何编辑器都能打开。</translation>
    </message>
    <message>
        <source>Total Tickets:%1</source>
        <translation>总注数：%1</translation>
    </message>
</context>
<context>
    <name>TicketPrinter</name>
    <message>
        <source>Printed %1</source>
        <translation>打印于 %1</translation>
    </message>
    <message>
        <source>Wheel: %1</source>
        <translation>矩阵：%1</translation>
    </message>
    <message>
        <source>Numbers played (%1): %2</source>
        <translation>所选号码（%1）：%2</translation>
    </message>
    <message>
        <source>   Key number: %1</source>
        <translation>   胆码：%1</translation>
    </message>
    <message>
        <source>Bonus numbers played: %1</source>
        <translation>所选特别号：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n 注</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - tickets %2 to %3</source>
        <translation>%1 - 第 %2 到 %3 注</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 投注</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print tickets</source>
        <translation>打印投注</translation>
    </message>
    <message>
        <source>Printing is not available: the print module could not be loaded (%1).</source>
        <translation>无法打印：未能加载打印模块（%1）。</translation>
    </message>
</context>
<context>
    <name>TicketSaver</name>
    <message>
        <source>Alert</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to create writable file with message &apos;%1&apos;.</source>
        <translation>无法创建可写文件，消息为“%1”。</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>Ticket</source>
        <translation>注</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>命中 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source> + bonus</source>
        <translation> + 特别号</translation>
    </message>
    <message>
        <source>, prize</source>
        <translation>，中奖</translation>
    </message>
    <message>
        <source>ticket %1: %2</source>
        <translation>第 %1 注：%2</translation>
    </message>
    <message>
        <source>, reaches the lowest prize</source>
        <translation>，达到最低奖级</translation>
    </message>
</context>
<context>
    <name>WheelCompareWindow</name>
    <message>
        <source>not known</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>&amp;Play this wheel</source>
        <translation>玩此矩阵(&amp;P)</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>比较矩阵</translation>
    </message>
    <message>
        <source>Budget a draw</source>
        <translation>每期预算</translation>
    </message>
    <message>
        <source>Best &amp;chance of:</source>
        <translation>最佳概率(&amp;C)：</translation>
    </message>
    <message>
        <source>Chance compared</source>
        <translation>比较的概率</translation>
    </message>
    <message>
        <source>Chooses the selected wheel on the wheel page</source>
        <translation>在矩阵页面选中所选矩阵</translation>
    </message>
    <message>
        <source>Best wheel within the budget</source>
        <translation>预算内最佳矩阵</translation>
    </message>
    <message>
        <source>Counting status</source>
        <translation>计算状态</translation>
    </message>
    <message>
        <source>Wheels compared</source>
        <translation>比较的矩阵</translation>
    </message>
    <message>
        <source>Best wheel for each count of numbers</source>
        <translation>每种号码数的最佳矩阵</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>Best wheel</source>
        <translation>最佳矩阵</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>投注</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>费用</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>概率</translation>
    </message>
    <message>
        <source>Counting stopped.</source>
        <translation>计算已停止。</translation>
    </message>
    <message>
        <source>any prize</source>
        <translation>任意奖</translation>
    </message>
    <message>
        <source>the tier %1</source>
        <translation>奖级 %1</translation>
    </message>
    <message>
        <source>At most </source>
        <extracomment>Before the budget&apos;s amount, with its space: &quot;At most 20 EUR a draw&quot;.</extracomment>
        <translation>最多 </translation>
    </message>
    <message>
        <source> %1 a draw</source>
        <extracomment>After the budget&apos;s amount, with its space; %1 is the currency or &quot;tickets&quot;.</extracomment>
        <translation> %1/期</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1, %2:&lt;/b&gt; every wheel for %3 numbers%4, counted over every possible draw.</source>
        <translation>&lt;b&gt;%1，%2：&lt;/b&gt;%3 个号码的所有矩阵%4，按所有可能的开奖计算。</translation>
    </message>
    <message>
        <source>, a ticket %1 %2</source>
        <translation>，每注 %1 %2</translation>
    </message>
    <message>
        <source>; the price of a ticket is not known, so costs are in tickets</source>
        <translation>；每注价格未知，因此费用以注数计</translation>
    </message>
    <message>
        <source>The wheels cannot be read: %1</source>
        <translation>无法读取矩阵：%1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Cost (%1)</source>
        <translation>费用（%1）</translation>
    </message>
    <message>
        <source>Any prize</source>
        <translation>任意奖</translation>
    </message>
    <message>
        <source>Return a draw</source>
        <translation>每期回报</translation>
    </message>
    <message>
        <source>Return per unit</source>
        <translation>单位回报</translation>
    </message>
    <message>
        <source>Counting %1 wheels…</source>
        <translation>正在计算 %1 个矩阵…</translation>
    </message>
    <message>
        <source>Counting %1 more wheels…</source>
        <translation>正在再计算 %1 个矩阵…</translation>
    </message>
    <message>
        <source>, every combination</source>
        <translation>，全组合</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>，您的</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>计算中…</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>无法计算</translation>
    </message>
    <message>
        <source>over budget</source>
        <translation>超出预算</translation>
    </message>
    <message>
        <source>best within budget</source>
        <translation>预算内最佳</translation>
    </message>
    <message>
        <source>The wheels for other counts cannot be read: %1</source>
        <translation>无法读取其他号码数的矩阵：%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;How many numbers to play:&lt;/b&gt; the best wheel within %1 for each count of numbers (the figures hold for any numbers of that count)%2</source>
        <translation>&lt;b&gt;玩几个号码：&lt;/b&gt;每种号码数在 %1 内的最佳矩阵（数据对该数量的任何号码都成立）%2</translation>
    </message>
    <message>
        <source>; counting…</source>
        <translation>；计算中…</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1（您的）</translation>
    </message>
    <message>
        <source>no wheel within the budget</source>
        <translation>预算内没有矩阵</translation>
    </message>
    <message>
        <source>counting %1 of %2…</source>
        <translation>正在计算 %2 中的第 %1 个…</translation>
    </message>
    <message>
        <source>Every combination of your numbers is not stored as a wheel, so it cannot be chosen on the wheel page.</source>
        <translation>您号码的全组合未作为矩阵存储，因此无法在矩阵页面选择。</translation>
    </message>
    <message>
        <source>%1 per draw</source>
        <translation>每期 %1</translation>
    </message>
</context>
<context>
    <name>WheelComparison</name>
    <message>
        <source>%1 or more matches</source>
        <translation>命中 %1 个或以上</translation>
    </message>
    <message>
        <source>key %1</source>
        <extracomment>A key wheel in the list of wheels compared; %1 is its guarantee, such as &quot;3 if 4&quot;.</extracomment>
        <translation>胆码 %1</translation>
    </message>
    <message>
        <source>%1 (every combination)</source>
        <translation>%1（全组合）</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1（您的）</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n 注</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n tickets</source>
        <extracomment>A wheel and its size: &quot;3 if 4, 12 tickets&quot;.</extracomment>
        <translation>
            <numerusform>%1，%n 注</numerusform>
        </translation>
    </message>
    <message>
        <source>No wheel is stored for these numbers.</source>
        <translation>这些号码没有存储矩阵。</translation>
    </message>
    <message>
        <source>No wheel fits within %1: the cheapest is %2.</source>
        <translation>没有矩阵在 %1 之内：最便宜的是 %2。</translation>
    </message>
    <message>
        <source>No wheel within %1 could be counted yet.</source>
        <translation>%1 之内尚无可计算的矩阵。</translation>
    </message>
    <message>
        <source>%1: over budget; </source>
        <translation>%1：超出预算； </translation>
    </message>
    <message>
        <source>%1: best chance of %2 within %3: %4</source>
        <extracomment>%1 is a wheel, %2 what is compared (&quot;any prize&quot;), %3 the budget, %4 the chance.</extracomment>
        <translation>%1：在 %3 之内%2的最佳概率：%4</translation>
    </message>
    <message numerus="yes">
        <source> (%n other wheels as good cost as much)</source>
        <translation>
            <numerusform> （另有 %n 个同样好、同样价格的矩阵）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelMaker</name>
    <message>
        <source>No wheel was found in the time given.</source>
        <translation>在给定时间内未找到矩阵。</translation>
    </message>
    <message>
        <source>A ticket must hold at least one number.</source>
        <translation>每注至少要含一个号码。</translation>
    </message>
    <message>
        <source>Choose from %1 to 99 numbers for tickets of %2.</source>
        <translation>为每注 %2 个号码选 %1 到 99 个号码。</translation>
    </message>
    <message>
        <source>Wheels can be made for up to %1 numbers.</source>
        <translation>最多可为 %1 个号码生成矩阵。</translation>
    </message>
    <message>
        <source>In a guarantee &quot;x if y&quot; x must be at least 1 and at most y.</source>
        <translation>保证“x if y”中，x 必须至少为 1 且不大于 y。</translation>
    </message>
    <message>
        <source>A guarantee &quot;x if y&quot; for tickets of %1 numbers needs y of at most %1.</source>
        <translation>每注 %1 个号码的保证“x if y”要求 y 不大于 %1。</translation>
    </message>
    <message>
        <source>The wheel must be allowed at least one ticket.</source>
        <translation>矩阵至少要允许一注。</translation>
    </message>
    <message>
        <source>The time for the search must be more than 0 seconds and at most a day.</source>
        <translation>搜索时间必须大于 0 秒且不超过一天。</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to 1024 (or 0 for every core).</source>
        <translation>线程数必须为 1 到 1024（0 表示所有核心）。</translation>
    </message>
    <message>
        <source>A key wheel of every combination of %1 of %2 numbers</source>
        <translation>%2 个号码中取 %1 个的全组合胆码矩阵</translation>
    </message>
    <message>
        <source>Every combination of %1 of %2 numbers</source>
        <translation>%2 个号码中取 %1 个的全组合</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than the %3 allowed.</source>
        <translation>%1 为 %2 注，超过允许的 %3 注。</translation>
    </message>
    <message>
        <source>%1 is %2 tickets, more than Wheelwright can make (%3).</source>
        <translation>%1 为 %2 注，超过 Wheelwright 能生成的数量（%3）。</translation>
    </message>
</context>
<context>
    <name>WheelMakerWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Make a wheel</source>
        <translation>生成矩阵</translation>
    </message>
    <message>
        <source>Wheelwright starts from the best wheel it knows, searches for one with fewer tickets, then proves its guarantee draw by draw before offering it.</source>
        <translation>Wheelwright 从已知的最佳矩阵出发，搜索注数更少的矩阵，再逐期验证其保证后才提供。</translation>
    </message>
    <message>
        <source>Type-A wheel</source>
        <translation>A 型矩阵</translation>
    </message>
    <message>
        <source>Key wheel (your key on every ticket)</source>
        <translation>胆码矩阵（每注都含您的胆码）</translation>
    </message>
    <message>
        <source>Matches guaranteed</source>
        <translation>保证命中数</translation>
    </message>
    <message>
        <source>Drawn numbers among yours</source>
        <translation>开奖号码在您号码中的个数</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>号码：</translation>
    </message>
    <message>
        <source>&amp;Guarantee:</source>
        <translation>保证(&amp;G)：</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>类型(&amp;T)：</translation>
    </message>
    <message>
        <source>At &amp;most:</source>
        <translation>最多(&amp;M)：</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>搜索时长(&amp;F)：</translation>
    </message>
    <message>
        <source>Lower bound:</source>
        <translation>下限：</translation>
    </message>
    <message>
        <source>%1, %2 on a ticket</source>
        <translation>%1，每注 %2 个</translation>
    </message>
    <message>
        <source>no such wheel has fewer than %1 tickets</source>
        <translation>此类矩阵不可能少于 %1 注</translation>
    </message>
    <message>
        <source>at least %1 tickets: more than the %2 you allow</source>
        <translation>至少 %1 注：超过您允许的 %2 注</translation>
    </message>
    <message>
        <source>Search for &amp;fewer</source>
        <translation>搜索更少注数(&amp;R)</translation>
    </message>
    <message>
        <source> Search for fewer?</source>
        <translation> 搜索更少注数？</translation>
    </message>
    <message>
        <source> No wheel can have fewer.</source>
        <translation> 没有矩阵能更少。</translation>
    </message>
    <message>
        <source>Your library already holds this wheel with %1 tickets; it is in the wheel list. A search starts from it and keeps a new one only if it has fewer.%2</source>
        <translation>您的矩阵库已有此矩阵，共 %1 注；它在矩阵列表中。搜索从它出发，只有注数更少时才保存新矩阵。%2</translation>
    </message>
    <message>
        <source>Wheelwright ships this wheel with %1 tickets; it is in the wheel list. A search starts from it.%2</source>
        <translation>Wheelwright 内置此矩阵，共 %1 注；它在矩阵列表中。搜索从它出发。%2</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>搜索中…</translation>
    </message>
    <message>
        <source>Stopping and proving the best wheel so far…</source>
        <translation>正在停止并验证目前最佳的矩阵…</translation>
    </message>
    <message>
        <source>Searching… %1 s left</source>
        <translation>搜索中… 剩余 %1 秒</translation>
    </message>
    <message>
        <source>Best so far: %1 tickets (lower bound %2). %3 s left.</source>
        <translation>目前最佳：%1 注（下限 %2）。剩余 %3 秒。</translation>
    </message>
    <message>
        <source>Proven: %1 on %2 numbers with %3 tickets%4. %5.</source>
        <translation>已验证：%2 个号码的 %1，共 %3 注%4。%5。</translation>
    </message>
    <message>
        <source>, as few as any wheel can have</source>
        <translation>，已是任何矩阵可能的最少注数</translation>
    </message>
    <message>
        <source>Stopped before any wheel was found.</source>
        <translation>在找到任何矩阵前已停止。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The search was stopped. Keep the best wheel found so far (%1 tickets, proven)?</source>
        <translation>搜索已停止。保存目前找到的最佳矩阵（%1 注，已验证）吗？</translation>
    </message>
    <message>
        <source>Kept: %1 with %2 tickets.</source>
        <translation>已保存：%1，共 %2 注。</translation>
    </message>
    <message>
        <source>Stopped; nothing was kept.</source>
        <translation>已停止；未保存任何内容。</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>WheelOddsPanel</name>
    <message numerus="yes">
        <source>%n main numbers</source>
        <translation>
            <numerusform>%n 个主号码</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> + %n bonus</source>
        <extracomment>Added to &quot;3 main numbers&quot;: the bonus numbers the prize tier also needs.</extracomment>
        <translation>
            <numerusform> + %n 个特别号</numerusform>
        </translation>
    </message>
    <message>
        <source>Exact odds of this wheel, counted over every possible draw</source>
        <translation>此矩阵的精确中奖概率，按所有可能的开奖计算</translation>
    </message>
    <message>
        <source>Odds table</source>
        <translation>概率表</translation>
    </message>
    <message>
        <source>&lt;b&gt;Prize tiers:&lt;/b&gt; the chance per draw that at least one of your tickets wins each (a ticket counts in its best tier only)</source>
        <translation>&lt;b&gt;奖级：&lt;/b&gt;每期您至少有一注中该奖级的概率（每注只计其最高奖级）</translation>
    </message>
    <message>
        <source>Prize tiers</source>
        <translation>奖级</translation>
    </message>
    <message>
        <source>Prize tiers status</source>
        <translation>奖级状态</translation>
    </message>
    <message>
        <source>Prize tier odds</source>
        <translation>奖级概率</translation>
    </message>
    <message>
        <source>Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the tickets expected in it per draw</source>
        <translation>每行：一个奖级、其奖金、至少一注中该奖级的概率，以及每期预计中该奖级的注数</translation>
    </message>
    <message>
        <source>Any prize and the fixed return</source>
        <translation>任意奖与固定回报</translation>
    </message>
    <message>
        <source>Counting the odds of “%1”…</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>正在计算“%1”的概率…</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: %2.</source>
        <translation>无法计算“%1”的概率：%2。</translation>
    </message>
    <message>
        <source>The prize tiers of this lottery are not known: only the match counts above are counted.</source>
        <translation>此彩种的奖级未知：只计算上面的命中数。</translation>
    </message>
    <message>
        <source>Counting the chance of every prize tier…</source>
        <translation>正在计算每个奖级的概率…</translation>
    </message>
    <message>
        <source>The prize tiers cannot be counted: %1.</source>
        <translation>无法计算奖级：%1。</translation>
    </message>
    <message>
        <source>Tier</source>
        <translation>奖级</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>奖金</translation>
    </message>
    <message>
        <source>At least one ticket</source>
        <translation>至少一注</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>每期注数</translation>
    </message>
    <message>
        <source>The chance per draw that at least one of your tickets wins this tier</source>
        <translation>每期您至少有一注中此奖级的概率</translation>
    </message>
    <message>
        <source>How many of your tickets win this tier per draw, on average</source>
        <translation>平均每期您有几注中此奖级</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>&lt;b&gt;Any prize:&lt;/b&gt; at least one ticket wins a tier in %1 of draws%2.</source>
        <translation>&lt;b&gt;任意奖：&lt;/b&gt;%1 的开奖中至少一注中奖%2。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fixed prizes:&lt;/b&gt; they return %1 per draw on average</source>
        <translation>&lt;b&gt;固定奖金：&lt;/b&gt;平均每期回报 %1</translation>
    </message>
    <message>
        <source>, against a cost of %1</source>
        <translation>，费用为 %1</translation>
    </message>
    <message>
        <source>. Tiers with shared prizes are not in this return.</source>
        <translation>。浮动奖金的奖级不计入此回报。</translation>
    </message>
    <message>
        <source>No tier pays a fixed amount, so no return per draw is counted; shared prizes depend on the pool and the winners.</source>
        <translation>没有奖级支付固定金额，因此不计算每期回报；浮动奖金取决于奖池和中奖人数。</translation>
    </message>
    <message>
        <source>Counted without bonus numbers: a tier that needs one is won by no ticket here.</source>
        <translation>未计特别号：需要特别号的奖级在此无人中得。</translation>
    </message>
    <message>
        <source>Counted with the bonus numbers dealt over the tickets as they are played.</source>
        <translation>计入了按投注分配的特别号。</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>您的号码开出数</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>概率</translation>
    </message>
    <message>
        <source>Each row: how many of the drawn numbers are among yours, how likely that is, and for each column b the chance that your best ticket then matches at least b of them.</source>
        <translation>每行：开奖号码中有几个在您的号码里、其可能性，以及对每一列 b，您最佳一注至少命中其中 b 个的概率。</translation>
    </message>
    <message>
        <source>The guarantee “%1”</source>
        <extracomment>%1 is a wheel&apos;s guarantee, such as &quot;3 if 4&quot;, kept as it is.</extracomment>
        <translation>保证“%1”</translation>
    </message>
    <message>
        <source>the guarantee</source>
        <translation>保证</translation>
    </message>
    <message>
        <source>Any draw</source>
        <translation>任意开奖</translation>
    </message>
    <message>
        <source>Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn</source>
        <extracomment>%1 is the wheel&apos;s guarantee, such as &quot;3 if 4&quot; (kept as it is); %3 is &quot;12 tickets&quot;; %4 of %5 are the numbers drawn and the pool.</extracomment>
        <translation>“%1”在 %2 个号码上的精确概率：%3，%5 中开 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n tickets</source>
        <translation>
            <numerusform>%n 注</numerusform>
        </translation>
    </message>
    <message>
        <source>How many of the drawn numbers are among yours</source>
        <translation>开奖号码中有几个在您的号码里</translation>
    </message>
    <message>
        <source>Key wheel: the rows count the draws that hold your key number (%1 of all draws); the last row counts every draw.</source>
        <translation>胆码矩阵：各行统计开出您胆码的开奖（占所有开奖的 %1）；最后一行统计所有开奖。</translation>
    </message>
    <message>
        <source>Highlighted: the guarantee “%1”. When %2 of the drawn numbers are among yours%3, your best ticket matches at least %4 of them: %5.</source>
        <extracomment>%1 is a guarantee such as &quot;3 if 4&quot;: 3 matches if 4 of the drawn numbers are among those played. %3 is empty or &quot;, the key one of them&quot;.</extracomment>
        <translation>高亮：保证“%1”。当开奖号码中有 %2 个在您的号码里%3，您最佳一注至少命中其中 %4 个：%5。</translation>
    </message>
    <message>
        <source>, the key one of them</source>
        <translation>，其中含胆码</translation>
    </message>
    <message>
        <source>The lowest prize of this lottery is not known here.</source>
        <translation>此处不知此彩种的最低奖级。</translation>
    </message>
    <message>
        <source>The lowest prize is won by the bonus number alone; these odds count the main numbers only.</source>
        <translation>最低奖级仅凭特别号即可中得；此处概率只计主号码。</translation>
    </message>
    <message>
        <source>The chance of the lowest prize (%1) is not counted here.</source>
        <translation>此处不计算最低奖级（%1）的概率。</translation>
    </message>
    <message>
        <source>&lt;b&gt;At least one prize:&lt;/b&gt; some ticket wins the lowest prize (%1)%2 in %3 of draws%4.</source>
        <translation>&lt;b&gt;至少一个奖：&lt;/b&gt;%3 的开奖中有一注中最低奖级（%1）%2%4。</translation>
    </message>
    <message>
        <source>, main numbers only counted,</source>
        <translation>（只计主号码）</translation>
    </message>
    <message>
        <source>Tickets per draw, on average, matching exactly  %1</source>
        <extracomment>%1 lists &quot;match count: tickets&quot;, such as &quot;3: 0.0188; 4: 0.000969&quot;.</extracomment>
        <translation>平均每期恰好命中的注数  %1</translation>
    </message>
    <message>
        <source>Chance per draw of at least each match count</source>
        <translation>每期至少达到各命中数的概率</translation>
    </message>
    <message>
        <source>Per draw, your best ticket matches at least:</source>
        <translation>每期您最佳一注至少命中：</translation>
    </message>
</context>
<context>
    <name>WheelPage</name>
    <message>
        <source>Wheel page</source>
        <translation>矩阵页面</translation>
    </message>
    <message>
        <source>Pick a wheel for your numbers</source>
        <translation>为您的号码选择矩阵</translation>
    </message>
    <message>
        <source>Make a wheel…</source>
        <translation>生成矩阵…</translation>
    </message>
    <message>
        <source>Search and prove a wheel of your own for the numbers you chose</source>
        <translation>为您选的号码搜索并验证您自己的矩阵</translation>
    </message>
    <message>
        <source>Compare wheels…</source>
        <translation>比较矩阵…</translation>
    </message>
    <message>
        <source>Every wheel for your numbers side by side: cost, chances, and the best within a budget</source>
        <translation>您号码的所有矩阵并排比较：费用、概率，以及预算内的最佳</translation>
    </message>
    <message>
        <source>Compare wheels</source>
        <translation>比较矩阵</translation>
    </message>
    <message>
        <source>Past draws…</source>
        <translation>往期开奖…</translation>
    </message>
    <message>
        <source>How the chosen wheel over your numbers would have done in the stored draws</source>
        <translation>所选矩阵用在您的号码上，在已存储的开奖中表现如何</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>往期开奖</translation>
    </message>
    <message>
        <source>How to read a wheel…</source>
        <translation>如何阅读矩阵…</translation>
    </message>
    <message>
        <source>“3 if 4” means: if 4 of the drawn numbers are among yours, at least one ticket holds 3 of them.</source>
        <extracomment>“3 if 4” is a wheel&apos;s guarantee as the wheel list shows it: keep it as it is.</extracomment>
        <translation>“3 if 4”表示：如果开奖号码中有 4 个在您的号码里，至少有一注含其中 3 个。</translation>
    </message>
    <message>
        <source>Wheel type</source>
        <translation>矩阵类型</translation>
    </message>
    <message>
        <source>Type-A wheels</source>
        <translation>A 型矩阵</translation>
    </message>
    <message>
        <source>Choose a &amp;wheel (guarantee and ticket count):</source>
        <translation>选择矩阵（保证与注数）(&amp;W)：</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>No type-a wheel is stored for this many numbers. Try the key wheels, or choose more or fewer numbers.</source>
        <translation>没有存储此号码数的 A 型矩阵。请试试胆码矩阵，或多选或少选号码。</translation>
    </message>
    <message>
        <source>Key wheels</source>
        <translation>胆码矩阵</translation>
    </message>
    <message>
        <source>&amp;Key number:</source>
        <translation>胆码(&amp;K)：</translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>胆码</translation>
    </message>
    <message>
        <source>Every ticket of a key wheel carries your key number.</source>
        <translation>胆码矩阵的每注都含您的胆码。</translation>
    </message>
    <message>
        <source>No key wheel is stored for this many numbers. Try the type-a wheels, or choose more or fewer numbers.</source>
        <translation>没有存储此号码数的胆码矩阵。请试试 A 型矩阵，或多选或少选号码。</translation>
    </message>
    <message>
        <source>Ticket format</source>
        <translation>投注格式</translation>
    </message>
    <message>
        <source>&amp;Price per ticket:</source>
        <translation>每注价格(&amp;P)：</translation>
    </message>
    <message>
        <source>Price per ticket</source>
        <translation>每注价格</translation>
    </message>
    <message>
        <source>Price per ticket: unknown - enter it</source>
        <translation>每注价格：未知 - 请输入</translation>
    </message>
    <message>
        <source>Please enter the price of one ticket as a number, such as 2.50</source>
        <translation>请以数字输入每注价格，如 2.50</translation>
    </message>
    <message>
        <source>Cost: %1</source>
        <translation>费用：%1</translation>
    </message>
    <message>
        <source>The odds of “%1” cannot be counted: the wheel is damaged (%2).</source>
        <translation>无法计算“%1”的概率：矩阵已损坏（%2）。</translation>
    </message>
</context>
<context>
    <name>WheelShelf</name>
    <message>
        <source>its line %1 %2</source>
        <extracomment>%1 is a wheel line; %2 says what is wrong with it, such as &quot;is empty&quot;.</extracomment>
        <translation>它的第 %1 注%2</translation>
    </message>
    <message>
        <source>it has %1 lines where the wheel list promises %2</source>
        <translation>它有 %1 注，而矩阵列表标明 %2 注</translation>
    </message>
    <message>
        <source>its name holds characters that are no text</source>
        <translation>它的名称含有非文本字符</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>为空</translation>
    </message>
    <message>
        <source>names place %1 twice</source>
        <translation>两次指定位置 %1</translation>
    </message>
    <message>
        <source>names a place outside your selection</source>
        <translation>指定了您选号之外的位置</translation>
    </message>
    <message>
        <source>has %1 places where a ticket holds %2</source>
        <translation>有 %1 个位置，而每注含 %2 个</translation>
    </message>
    <message>
        <source>does not hold the key number&apos;s place 01</source>
        <translation>不含胆码的位置 01</translation>
    </message>
    <message>
        <source>it is not in your wheel library</source>
        <translation>它不在您的矩阵库中</translation>
    </message>
    <message>
        <source>it is no longer in your wheel library</source>
        <translation>它已不在您的矩阵库中</translation>
    </message>
    <message>
        <source>its guarantee %1 does not read &quot;x if y&quot;</source>
        <extracomment>&quot;x if y&quot; is the form of a guarantee, kept as it is.</extracomment>
        <translation>它的保证 %1 不符合“x if y”格式</translation>
    </message>
    <message>
        <source>it does not keep its guarantee (%1)</source>
        <translation>它不满足其保证（%1）</translation>
    </message>
</context>
<context>
    <name>WheelStore</name>
    <message>
        <source>Your own wheels cannot be kept: %1</source>
        <translation>无法保存您自己的矩阵：%1</translation>
    </message>
</context>
<context>
    <name>WheelValue</name>
    <message numerus="yes">
        <source>%n tickets x %1 = %2</source>
        <extracomment>The cost of a wheel: &quot;12 tickets x 2.00 EUR = 24.00 EUR&quot;; %1 is the price of one, %2 the total.</extracomment>
        <translation>
            <numerusform>%n 注 x %1 = %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: German writes &quot;%1 %&quot;, Turkish &quot;%%1&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <extracomment>A chance: &quot;1 in 57&quot;.</extracomment>
        <translation>%1 分之 1</translation>
    </message>
</context>
<context>
    <name>WheelsWindow</name>
    <message>
        <source>Wheels</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Reading a wheel&lt;/h3&gt;&lt;p&gt;A wheel entry such as &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; says: if 4 of the drawn numbers are among the numbers you chose, at least one of the 12 tickets holds 3 of them. The count of tickets is what the wheel costs you.&lt;/p&gt;&lt;h3&gt;Type-A wheels&lt;/h3&gt;&lt;p&gt;Spread all your numbers evenly; the guarantee holds for any drawn numbers among yours.&lt;/p&gt;&lt;h3&gt;Key wheels&lt;/h3&gt;&lt;p&gt;Put your key number (the first number you chose) on every ticket. The guarantee holds when the key is drawn, and a key wheel needs far fewer tickets.&lt;/p&gt;&lt;h3&gt;Full wheels&lt;/h3&gt;&lt;p&gt;A wheel like &lt;b&gt;6 if 6&lt;/b&gt; plays every combination of your numbers: the jackpot is certain if all drawn numbers are yours, at the highest price.&lt;/p&gt;&lt;p&gt;The list shows the cheapest wheel first. A wheel is listed only when no other wheel for your numbers promises as much for as few tickets.&lt;/p&gt;</source>
        <extracomment>“3 if 4 Tickets:12” and “6 if 6” are written as the wheel list shows them: keep them as they are.</extracomment>
        <translation>&lt;h3&gt;阅读矩阵&lt;/h3&gt;&lt;p&gt;矩阵条目如 &lt;b&gt;3 if 4 &amp;nbsp; Tickets:12&lt;/b&gt; 表示：如果开奖号码中有 4 个在您选的号码里，12 注中至少有一注含其中 3 个。注数就是矩阵的花费。&lt;/p&gt;&lt;h3&gt;A 型矩阵&lt;/h3&gt;&lt;p&gt;把您所有号码平均分配；只要开奖号码在您的号码里，保证都成立。&lt;/p&gt;&lt;h3&gt;胆码矩阵&lt;/h3&gt;&lt;p&gt;把您的胆码（您选的第一个号码）放进每一注。胆码开出时保证成立，胆码矩阵所需注数少得多。&lt;/p&gt;&lt;h3&gt;复式（全组合）&lt;/h3&gt;&lt;p&gt;像 &lt;b&gt;6 if 6&lt;/b&gt; 这样的矩阵玩您号码的所有组合：如果开奖号码全在您的号码里，必中头奖，但价格最高。&lt;/p&gt;&lt;p&gt;列表先列最便宜的矩阵。只有当您号码的其他矩阵无法以同样少的注数给出同样多的保证时，才列出该矩阵。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About wheels</source>
        <translation>关于矩阵</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
