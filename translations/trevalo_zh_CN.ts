<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>无法将图片编码为 PNG。</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change of the program</source>
        <translation>更改程序</translation>
    </message>
</context>
<context>
    <name>LoadProgress</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File Save As  %1 Success!</source>
        <translation>文件已另存为  %1  成功！</translation>
    </message>
    <message>
        <source>%1

Could not write the file
%2

%3</source>
        <translation>%1

无法写入文件
%2

%3</translation>
    </message>
</context>
<context>
    <name>PaceDialog</name>
    <message>
        <source>mile</source>
        <translation>英里</translation>
    </message>
    <message>
        <source>kilometre</source>
        <translation>公里</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Threshold pace</source>
        <translation>乳酸阈配速</translation>
    </message>
    <message>
        <source>The workout&apos;s speeds are parts of your threshold pace: the pace you can hold for about an hour.

Your threshold pace, per %1:</source>
        <translation>该训练的速度是以你的乳酸阈配速（大约能保持一小时的配速）的百分比给出的。

你的乳酸阈配速（每%1）：</translation>
    </message>
    <message>
        <source>Steady pace</source>
        <translation>匀速配速</translation>
    </message>
    <message>
        <source>The workout is a hill session: it gives the slopes, and you choose one pace to run them all at.

Your pace, per %1:</source>
        <translation>该训练是坡道训练：文件给出坡度，你选择一个配速跑完全部。

你的配速（每%1）：</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Save the program as a file</source>
        <translation>将程序保存为文件</translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation>打开程序文件</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>打开记录文件</translation>
    </message>
</context>
<context>
    <name>SummaryFrame</name>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Program summary</source>
        <translation>程序概要</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>速度(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>速度(km/h)</translation>
    </message>
    <message>
        <source>Set_Weight(LBS)</source>
        <translation>设定体重(LBS)</translation>
    </message>
    <message>
        <source>Set_Weight(KG)</source>
        <translation>设定体重(KG)</translation>
    </message>
    <message>
        <source>Speed, segment %1, level %2</source>
        <translation>速度，第 %1 段，等级 %2</translation>
    </message>
    <message>
        <source>Incline, segment %1, level %2</source>
        <translation>坡度，第 %1 段，等级 %2</translation>
    </message>
    <message>
        <source>%1 MPH</source>
        <translation>%1 MPH</translation>
    </message>
    <message>
        <source>%1 KPH</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>lit; does not react to clicks</source>
        <translation>亮起；点击无反应</translation>
    </message>
    <message>
        <source>not lit; does not react to clicks</source>
        <translation>未亮；点击无反应</translation>
    </message>
    <message>
        <source>lit; a click sets %1</source>
        <translation>亮起；点击设为 %1</translation>
    </message>
    <message>
        <source>not lit; a click sets %1</source>
        <translation>未亮；点击设为 %1</translation>
    </message>
    <message>
        <source>Speed of segment %1</source>
        <translation>第 %1 段的速度</translation>
    </message>
    <message>
        <source>Incline of segment %1</source>
        <translation>第 %1 段的坡度</translation>
    </message>
    <message>
        <source>Treadmill model</source>
        <translation>跑步机型号</translation>
    </message>
    <message>
        <source>Workout time in minutes</source>
        <translation>训练时间（分钟）</translation>
    </message>
    <message>
        <source>User weight</source>
        <translation>用户体重</translation>
    </message>
    <message>
        <source>Segment：%1</source>
        <translation>每段：%1</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>距离：%1 英里</translation>
    </message>
    <message>
        <source>Distance：%1 km</source>
        <translation>距离：%1 公里</translation>
    </message>
    <message>
        <source>Avg speed：%1 MPH</source>
        <translation>平均速度：%1 MPH</translation>
    </message>
    <message>
        <source>Avg speed：%1 KPH</source>
        <translation>平均速度：%1 km/h</translation>
    </message>
    <message>
        <source>Climb：%1 ft</source>
        <translation>爬升：%1 英尺</translation>
    </message>
    <message>
        <source>Climb：%1 m</source>
        <translation>爬升：%1 米</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>FIT activity (*.fit)</source>
        <translation>FIT 活动 (*.fit)</translation>
    </message>
    <message>
        <source>Training Center XML (*.tcx)</source>
        <translation>Training Center XML (*.tcx)</translation>
    </message>
    <message>
        <source>CSV, one row per sample (*.csv)</source>
        <translation>CSV，每个采样一行 (*.csv)</translation>
    </message>
    <message>
        <source>FIT workout (*.fit)</source>
        <translation>FIT 训练 (*.fit)</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Could not follow the link</source>
        <translation>无法跟随链接</translation>
    </message>
    <message>
        <source>Could not replace the file: it is a device or a pipe, not a regular file</source>
        <translation>无法替换该文件：它是设备或管道，不是普通文件</translation>
    </message>
    <message>
        <source>Could not create a file in the folder</source>
        <translation>无法在该文件夹中创建文件</translation>
    </message>
    <message>
        <source>Could not write the content</source>
        <translation>无法写入内容</translation>
    </message>
    <message>
        <source>Could not save the content to the disk</source>
        <translation>无法将内容保存到磁盘</translation>
    </message>
    <message>
        <source>Could not finish the file</source>
        <translation>无法完成文件</translation>
    </message>
    <message>
        <source>Could not put the new file in place</source>
        <translation>无法将新文件放到位</translation>
    </message>
    <message>
        <source>This is a folder, not a file that can be read.</source>
        <translation>这是一个文件夹，不是可读取的文件。</translation>
    </message>
    <message>
        <source>This is a named pipe, not a file that can be read.</source>
        <translation>这是一个命名管道，不是可读取的文件。</translation>
    </message>
    <message>
        <source>This is a socket, not a file that can be read.</source>
        <translation>这是一个套接字，不是可读取的文件。</translation>
    </message>
    <message>
        <source>This is a device, not a file that can be read.</source>
        <translation>这是一个设备，不是可读取的文件。</translation>
    </message>
    <message>
        <source>This is not a regular file, not a file that can be read.</source>
        <translation>这不是普通文件，无法读取。</translation>
    </message>
</context>
<context>
    <name>fit</name>
    <message>
        <source>byte %1</source>
        <translation>第 %1 字节</translation>
    </message>
    <message>
        <source>The file is damaged: %1 (%2).</source>
        <translation>文件已损坏：%1（%2）。</translation>
    </message>
    <message>
        <source>a definition message runs past the end of the messages</source>
        <translation>定义消息超出了消息末尾</translation>
    </message>
    <message>
        <source>a definition message gives architecture %1; only 0 (little-endian) and 1 (big-endian) exist</source>
        <translation>定义消息给出了架构 %1；只有 0（小端）和 1（大端）</translation>
    </message>
    <message>
        <source>a data message uses local message type %1, which no definition before it declares</source>
        <translation>数据消息使用了本地消息类型 %1，但之前没有任何定义声明它</translation>
    </message>
    <message>
        <source>a data message runs past the end of the messages</source>
        <translation>数据消息超出了消息末尾</translation>
    </message>
    <message>
        <source>after its FIT data come %1 bytes that are not FIT data</source>
        <translation>FIT 数据之后有 %1 个字节不是 FIT 数据</translation>
    </message>
    <message>
        <source>its check sum does not match</source>
        <translation>校验和不匹配</translation>
    </message>
    <message>
        <source>This is not a FIT file: it is %1 bytes long, shorter than any FIT file&apos;s header.</source>
        <translation>这不是 FIT 文件：它只有 %1 个字节，比任何 FIT 文件的文件头都短。</translation>
    </message>
    <message>
        <source>This is not a FIT file: it does not begin as one (no &quot;.FIT&quot; at %1).</source>
        <translation>这不是 FIT 文件：它的开头不像 FIT 文件（%1处没有“.FIT”）。</translation>
    </message>
    <message>
        <source>This is not a FIT file: its header would be %1 bytes long, not 12 or 14 (%2).</source>
        <translation>这不是 FIT 文件：它的文件头长 %1 个字节，而不是 12 或 14（%2）。</translation>
    </message>
    <message>
        <source>This FIT file is of a newer kind than this tool reads: protocol version %1.%2, where it reads up to 2 (%3).</source>
        <translation>此 FIT 文件的格式比本工具能读取的更新：协议版本 %1.%2，而本工具最多读取版本 2（%3）。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside its header (%1).</source>
        <translation>文件被截断：在文件头内就结束了（%1）。</translation>
    </message>
    <message>
        <source>The file is damaged: its header&apos;s check sum does not match (%1).</source>
        <translation>文件已损坏：文件头的校验和不匹配（%1）。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends %1 bytes before the end its header announces (%2).</source>
        <translation>文件被截断：比文件头声明的结尾早 %1 个字节结束（%2）。</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: it has no file_id message, where a FIT file names its kind.</source>
        <translation>此 FIT 文件没有说明其内容：它没有 file_id 消息，而 FIT 文件正是在其中说明其类型。</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: its file_id message gives no file type (%1).</source>
        <translation>此 FIT 文件没有说明其内容：它的 file_id 消息没有给出文件类型（%1）。</translation>
    </message>
    <message>
        <source>a description of a device</source>
        <translation>设备描述</translation>
    </message>
    <message>
        <source>a device&apos;s settings</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <source>sport settings</source>
        <translation>运动设置</translation>
    </message>
    <message>
        <source>an activity</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>a workout</source>
        <translation>训练</translation>
    </message>
    <message>
        <source>a course</source>
        <translation>路线</translation>
    </message>
    <message>
        <source>a training schedule</source>
        <translation>训练计划</translation>
    </message>
    <message>
        <source>weight readings</source>
        <translation>体重读数</translation>
    </message>
    <message>
        <source>totals of past activities</source>
        <translation>以往活动的总计</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>blood pressure readings</source>
        <translation>血压读数</translation>
    </message>
    <message>
        <source>all-day monitoring data</source>
        <translation>全天监测数据</translation>
    </message>
    <message>
        <source>a summary of an activity</source>
        <translation>活动摘要</translation>
    </message>
    <message>
        <source>daily monitoring totals</source>
        <translation>每日监测总计</translation>
    </message>
    <message>
        <source>a segment</source>
        <translation>赛段</translation>
    </message>
    <message>
        <source>a list of segments</source>
        <translation>赛段列表</translation>
    </message>
    <message>
        <source>data screen settings</source>
        <translation>数据页面设置</translation>
    </message>
    <message>
        <source>sleep data</source>
        <translation>睡眠数据</translation>
    </message>
    <message>
        <source>data of its maker&apos;s own kind (FIT file type %1)</source>
        <translation>厂商自定义类型的数据（FIT 文件类型 %1）</translation>
    </message>
    <message>
        <source>data of a kind this tool does not know (FIT file type %1)</source>
        <translation>本工具不认识的类型的数据（FIT 文件类型 %1）</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not %2.</source>
        <translation>此 FIT 文件包含的是%1，而不是%2。</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>跑步</translation>
    </message>
    <message>
        <source>a ride</source>
        <translation>骑行</translation>
    </message>
    <message>
        <source>a transition between two sports</source>
        <translation>两个项目之间的转换</translation>
    </message>
    <message>
        <source>a session on fitness equipment</source>
        <translation>健身器械训练</translation>
    </message>
    <message>
        <source>a swim</source>
        <translation>游泳</translation>
    </message>
    <message>
        <source>a basketball game</source>
        <translation>篮球比赛</translation>
    </message>
    <message>
        <source>a football (soccer) game</source>
        <translation>足球比赛</translation>
    </message>
    <message>
        <source>a tennis match</source>
        <translation>网球比赛</translation>
    </message>
    <message>
        <source>an American football game</source>
        <translation>美式橄榄球比赛</translation>
    </message>
    <message>
        <source>a training session</source>
        <translation>训练课</translation>
    </message>
    <message>
        <source>a walk</source>
        <translation>步行</translation>
    </message>
    <message>
        <source>a cross-country skiing session</source>
        <translation>越野滑雪</translation>
    </message>
    <message>
        <source>an alpine skiing session</source>
        <translation>高山滑雪</translation>
    </message>
    <message>
        <source>a snowboarding session</source>
        <translation>单板滑雪</translation>
    </message>
    <message>
        <source>a rowing session</source>
        <translation>划船</translation>
    </message>
    <message>
        <source>a mountaineering tour</source>
        <translation>登山</translation>
    </message>
    <message>
        <source>a hike</source>
        <translation>徒步</translation>
    </message>
    <message>
        <source>a multisport race</source>
        <translation>多项运动比赛</translation>
    </message>
    <message>
        <source>a paddling session</source>
        <translation>划桨</translation>
    </message>
    <message>
        <source>a flight</source>
        <translation>飞行</translation>
    </message>
    <message>
        <source>an e-bike ride</source>
        <translation>电动自行车骑行</translation>
    </message>
    <message>
        <source>a motorcycle ride</source>
        <translation>摩托车骑行</translation>
    </message>
    <message>
        <source>a boat trip</source>
        <translation>乘船</translation>
    </message>
    <message>
        <source>a drive</source>
        <translation>驾车</translation>
    </message>
    <message>
        <source>a round of golf</source>
        <translation>一轮高尔夫</translation>
    </message>
    <message>
        <source>a hang-gliding flight</source>
        <translation>悬挂式滑翔</translation>
    </message>
    <message>
        <source>a horse ride</source>
        <translation>骑马</translation>
    </message>
    <message>
        <source>a hunt</source>
        <translation>狩猎</translation>
    </message>
    <message>
        <source>a fishing trip</source>
        <translation>钓鱼</translation>
    </message>
    <message>
        <source>an inline skating session</source>
        <translation>直排轮滑</translation>
    </message>
    <message>
        <source>a rock climb</source>
        <translation>攀岩</translation>
    </message>
    <message>
        <source>a sail</source>
        <translation>帆船</translation>
    </message>
    <message>
        <source>an ice skating session</source>
        <translation>滑冰</translation>
    </message>
    <message>
        <source>a skydive</source>
        <translation>跳伞</translation>
    </message>
    <message>
        <source>a snowshoe hike</source>
        <translation>雪鞋徒步</translation>
    </message>
    <message>
        <source>a snowmobile ride</source>
        <translation>雪地摩托</translation>
    </message>
    <message>
        <source>a stand-up paddleboarding session</source>
        <translation>桨板</translation>
    </message>
    <message>
        <source>a surfing session</source>
        <translation>冲浪</translation>
    </message>
    <message>
        <source>a wakeboarding session</source>
        <translation>尾波滑水</translation>
    </message>
    <message>
        <source>a water skiing session</source>
        <translation>滑水</translation>
    </message>
    <message>
        <source>a kayaking trip</source>
        <translation>皮划艇</translation>
    </message>
    <message>
        <source>a rafting trip</source>
        <translation>漂流</translation>
    </message>
    <message>
        <source>a windsurfing session</source>
        <translation>帆板</translation>
    </message>
    <message>
        <source>a kitesurfing session</source>
        <translation>风筝冲浪</translation>
    </message>
    <message>
        <source>a tactical activity</source>
        <translation>战术活动</translation>
    </message>
    <message>
        <source>a parachute jump</source>
        <translation>伞降</translation>
    </message>
    <message>
        <source>a boxing session</source>
        <translation>拳击</translation>
    </message>
    <message>
        <source>a stair climb</source>
        <translation>爬楼梯</translation>
    </message>
    <message>
        <source>a baseball game</source>
        <translation>棒球比赛</translation>
    </message>
    <message>
        <source>a dive</source>
        <translation>潜水</translation>
    </message>
    <message>
        <source>a shooting session</source>
        <translation>射击</translation>
    </message>
    <message>
        <source>a winter sport session</source>
        <translation>冬季运动</translation>
    </message>
    <message>
        <source>a grinding session</source>
        <translation>绞盘</translation>
    </message>
    <message>
        <source>a HIIT workout</source>
        <translation>HIIT 训练</translation>
    </message>
    <message>
        <source>a video gaming session</source>
        <translation>电子游戏</translation>
    </message>
    <message>
        <source>a racket sport game</source>
        <translation>球拍运动</translation>
    </message>
    <message>
        <source>a wheelchair push at walking pace</source>
        <translation>轮椅推行（步行配速）</translation>
    </message>
    <message>
        <source>a wheelchair push at running pace</source>
        <translation>轮椅推行（跑步配速）</translation>
    </message>
    <message>
        <source>a meditation</source>
        <translation>冥想</translation>
    </message>
    <message>
        <source>a para sport session</source>
        <translation>残疾人运动</translation>
    </message>
    <message>
        <source>a round of disc golf</source>
        <translation>一轮飞盘高尔夫</translation>
    </message>
    <message>
        <source>a team sport game</source>
        <translation>团队运动比赛</translation>
    </message>
    <message>
        <source>a cricket match</source>
        <translation>板球比赛</translation>
    </message>
    <message>
        <source>a rugby match</source>
        <translation>橄榄球比赛</translation>
    </message>
    <message>
        <source>a hockey game</source>
        <translation>曲棍球比赛</translation>
    </message>
    <message>
        <source>a lacrosse game</source>
        <translation>长曲棍球比赛</translation>
    </message>
    <message>
        <source>a volleyball game</source>
        <translation>排球比赛</translation>
    </message>
    <message>
        <source>a water tubing ride</source>
        <translation>水上拖圈</translation>
    </message>
    <message>
        <source>a wakesurfing session</source>
        <translation>尾波冲浪</translation>
    </message>
    <message>
        <source>a water sport session</source>
        <translation>水上运动</translation>
    </message>
    <message>
        <source>an archery session</source>
        <translation>射箭</translation>
    </message>
    <message>
        <source>a mixed martial arts session</source>
        <translation>综合格斗</translation>
    </message>
    <message>
        <source>a motor sport session</source>
        <translation>赛车运动</translation>
    </message>
    <message>
        <source>a snorkelling trip</source>
        <translation>浮潜</translation>
    </message>
    <message>
        <source>a dance</source>
        <translation>舞蹈</translation>
    </message>
    <message>
        <source>a jump rope session</source>
        <translation>跳绳</translation>
    </message>
    <message>
        <source>a pool apnea session</source>
        <translation>泳池闭气</translation>
    </message>
    <message>
        <source>a mobility session</source>
        <translation>灵活性训练</translation>
    </message>
    <message>
        <source>a geocaching trip</source>
        <translation>地理寻宝</translation>
    </message>
    <message>
        <source>a canoe trip</source>
        <translation>划独木舟</translation>
    </message>
    <message>
        <source>an activity of no sport in particular</source>
        <translation>未指定运动项目的活动</translation>
    </message>
    <message>
        <source>an indoor ride</source>
        <translation>室内骑行</translation>
    </message>
    <message>
        <source>a session on a rowing machine</source>
        <translation>划船机训练</translation>
    </message>
    <message>
        <source>a session on an elliptical trainer</source>
        <translation>椭圆机训练</translation>
    </message>
    <message>
        <source>a session on a stair climber</source>
        <translation>登阶机训练</translation>
    </message>
    <message>
        <source>a session on a ski machine</source>
        <translation>滑雪机训练</translation>
    </message>
    <message>
        <source>an activity of a sport this tool does not know (FIT sport %1)</source>
        <translation>本工具不认识的运动项目的活动（FIT 运动 %1）</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>The folder %1 could not be kept for the next dialog in %2.</source>
        <translation>无法将文件夹 %1 记录到 %2 中供下次对话框使用。</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>The training history cannot be kept in %1: %2.</source>
        <translation>无法在 %1 中保存训练历史：%2。</translation>
    </message>
    <message>
        <source>The training history %1 cannot be read: %2.</source>
        <translation>无法读取训练历史 %1：%2。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo: it is shown, and nothing is kept in it.</source>
        <translation>训练历史 %1 由更新版本的 trevalo 写入：仅显示，不会在其中保存任何内容。</translation>
    </message>
    <message>
        <source>it cannot be read (%1) nor moved aside (%2)</source>
        <translation>既无法读取（%1）也无法移到一旁（%2）</translation>
    </message>
    <message>
        <source>The training history %1 could not be read (%2); it was moved to %3 and a new history started.</source>
        <translation>无法读取训练历史 %1（%2）；已将其移至 %3，并开始新的历史。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one keeps nothing in it.</source>
        <translation>训练历史 %1 由更新版本的 trevalo 写入；此版本不会在其中保存任何内容。</translation>
    </message>
    <message>
        <source>The training history %1 could not keep the workouts: %2.</source>
        <translation>训练历史 %1 无法保存训练：%2。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one changes nothing in it.</source>
        <translation>训练历史 %1 由更新版本的 trevalo 写入；此版本不会对其做任何更改。</translation>
    </message>
    <message>
        <source>The training history %1 could not forget the workouts: %2.</source>
        <translation>训练历史 %1 无法忘记这些训练：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not list its workouts: %2.</source>
        <translation>训练历史 %1 无法列出其训练：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its periods: %2.</source>
        <translation>训练历史 %1 无法汇总各时段：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its workouts: %2.</source>
        <translation>训练历史 %1 无法汇总其训练：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not find the personal bests: %2.</source>
        <translation>训练历史 %1 无法找出个人最佳：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not read a workout: %2.</source>
        <translation>训练历史 %1 无法读取训练：%2。</translation>
    </message>
    <message>
        <source>The training history %1 has no workout %2.</source>
        <translation>训练历史 %1 中没有训练 %2。</translation>
    </message>
    <message>
        <source>The training history %1: the readings of workout %2 do not match its sample count.</source>
        <translation>训练历史 %1：训练 %2 的读数与其采样数不符。</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Distance (mi)</source>
        <translation>距离 (mi)</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>距离 (km)</translation>
    </message>
    <message>
        <source>Average speed (MPH)</source>
        <translation>平均速度 (mph)</translation>
    </message>
    <message>
        <source>Average speed (KPH)</source>
        <translation>平均速度 (km/h)</translation>
    </message>
    <message>
        <source>Average pace (/mi)</source>
        <translation>平均配速 (/mi)</translation>
    </message>
    <message>
        <source>Average pace (/km)</source>
        <translation>平均配速 (/km)</translation>
    </message>
    <message>
        <source>Climb (ft)</source>
        <translation>爬升 (ft)</translation>
    </message>
    <message>
        <source>Climb (m)</source>
        <translation>爬升 (m)</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>卡路里</translation>
    </message>
    <message>
        <source>Average pulse</source>
        <translation>平均心率</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>时段</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>训练次数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Longest distance</source>
        <translation>最长距离</translation>
    </message>
    <message>
        <source>Longest time</source>
        <translation>最长时间</translation>
    </message>
    <message>
        <source>Most climb</source>
        <translation>最大爬升</translation>
    </message>
    <message>
        <source>Fastest 1 km</source>
        <translation>最快 1 公里</translation>
    </message>
    <message>
        <source>Fastest 1 mile</source>
        <translation>最快 1 英里</translation>
    </message>
    <message>
        <source>Fastest 5 km</source>
        <translation>最快 5 公里</translation>
    </message>
    <message>
        <source>Fastest 10 km</source>
        <translation>最快 10 公里</translation>
    </message>
    <message>
        <source>Fastest half marathon</source>
        <translation>最快半程马拉松</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 climbed</source>
        <translation>%1 次训练，%2，%3，爬升 %4</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 climbed</source>
        <translation>%1 次训练，%2，%3，爬升 %4</translation>
    </message>
</context>
<context>
    <name>imports</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>This is %1, not a run.</source>
        <translation>这是%1，不是跑步。</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>另外 %1 项</translation>
    </message>
    <message>
        <source>This holds no run: its %1 activities are %2.</source>
        <translation>其中没有跑步：它的 %1 项活动是%2。</translation>
    </message>
    <message>
        <source>This file holds several sports but does not say when its run began, so the run cannot be told from the rest (a session without a start time).</source>
        <translation>此文件包含多项运动，但没有说明跑步何时开始，因此无法把跑步与其他部分区分开（一个没有开始时间的时段）。</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the run was imported.</source>
        <translation>此文件包含 %1 项活动（%2）：只导入了跑步。</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the runs were imported, one after the other.</source>
        <translation>此文件包含 %1 项活动（%2）：只依次导入了其中的跑步。</translation>
    </message>
    <message>
        <source>The FIT activity has fewer than two records with a time: they give the workout no length.</source>
        <translation>FIT 活动中带时间的记录少于两条：无法得出训练时长。</translation>
    </message>
    <message>
        <source>This activity holds no speed or distance: nothing in it tells how fast it went.</source>
        <translation>此活动既没有速度也没有距离：无从得知它有多快。</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer; %2 of stops were left out.</source>
        <translation>按手表计时，跑步持续了 %1；已略去 %2 的暂停。</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer.</source>
        <translation>按手表计时，跑步持续了 %1。</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not a workout or an activity.</source>
        <translation>此 FIT 文件包含的是%1，不是训练，也不是活动。</translation>
    </message>
    <message>
        <source>Step %1 (byte %2)</source>
        <translation>第 %1 步（第 %2 字节）</translation>
    </message>
    <message>
        <source>until a time</source>
        <translation>直到达到时间</translation>
    </message>
    <message>
        <source>until a distance</source>
        <translation>直到达到距离</translation>
    </message>
    <message>
        <source>until a count of calories</source>
        <translation>直到达到卡路里</translation>
    </message>
    <message>
        <source>until the heart rate fell below a value</source>
        <translation>直到心率低于某值</translation>
    </message>
    <message>
        <source>until the heart rate rose above a value</source>
        <translation>直到心率高于某值</translation>
    </message>
    <message>
        <source>until the power fell below a value</source>
        <translation>直到功率低于某值</translation>
    </message>
    <message>
        <source>until the power rose above a value</source>
        <translation>直到功率高于某值</translation>
    </message>
    <message>
        <source>%1 repeats from message index %2, which no step has.</source>
        <translation>%1 从消息索引 %2 开始重复，但没有哪一步是这个索引。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>%1 repeats from step %2, which does not come before it.</source>
        <translation>%1 从第 %2 步开始重复，但那一步不在它之前。</translation>
    </message>
    <message>
        <source>Repeat of step %1 %2 was run once.</source>
        <translation>第 %1 步的重复（%2）只执行了一次。</translation>
    </message>
    <message>
        <source>Repeat of steps %1 to %2 %3 was run once.</source>
        <translation>第 %1 至 %2 步的重复（%3）只执行了一次。</translation>
    </message>
    <message>
        <source>%1 repeats steps %2 to %3 %4 times: the workout would run beyond 24 hours or 10,000 steps.</source>
        <translation>%1 将第 %2 至 %3 步重复 %4 次：训练将超过 24 小时或 10,000 步。</translation>
    </message>
    <message>
        <source>%1 takes the workout beyond 24 hours or 10,000 steps.</source>
        <translation>%1 使训练超过 24 小时或 10,000 步。</translation>
    </message>
    <message>
        <source>The FIT workout holds no steps to run.</source>
        <translation>FIT 训练中没有可跑的步骤。</translation>
    </message>
    <message>
        <source>FIT files</source>
        <translation>FIT 文件</translation>
    </message>
    <message>
        <source>TCX files</source>
        <translation>TCX 文件</translation>
    </message>
    <message>
        <source>Zwift workouts</source>
        <translation>Zwift 训练</translation>
    </message>
    <message>
        <source>Workouts (%1)</source>
        <translation>训练 (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>第 %1 行第 %2 列</translation>
    </message>
    <message>
        <source>Not a TCX activity: the XML is broken at %1: %2</source>
        <translation>不是 TCX 活动：XML 在%1处出错：%2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the file starts with &lt;%1&gt; at %2, not with &lt;TrainingCenterDatabase&gt;.</source>
        <translation>不是 TCX 活动：文件以&lt;%1&gt;（%2）开头，而不是&lt;TrainingCenterDatabase&gt;。</translation>
    </message>
    <message>
        <source>The TCX file holds no &lt;Activity&gt;, so there is no workout to read.</source>
        <translation>TCX 文件中没有&lt;Activity&gt;，因此没有可读取的训练。</translation>
    </message>
    <message>
        <source>This is a ride, not a run. The activity at %1 has the sport &quot;Biking&quot;.</source>
        <translation>这是骑行，不是跑步。%1处的活动运动类型为“Biking”。</translation>
    </message>
    <message>
        <source>The activity at %1 has the sport %2, which is not a run.</source>
        <translation>%1处的活动运动类型为 %2，不是跑步。</translation>
    </message>
    <message>
        <source>The activity at %1 has no trackpoints at two different times, so the workout has no length.</source>
        <translation>%1处的活动没有两个不同时间的轨迹点，因此训练没有时长。</translation>
    </message>
    <message>
        <source>&lt;Trackpoint&gt; at %1: the activity grows past %2 trackpoints here.</source>
        <translation>&lt;Trackpoint&gt;（%1）：活动在此处超过了 %2 个轨迹点。</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: %2 is not a date and time such as 2026-03-01T06:30:00Z.</source>
        <translation>&lt;Time&gt;（%1）：%2 不是 2026-03-01T06:30:00Z 这样的日期时间。</translation>
    </message>
    <message>
        <source>a distance in metres from 0 to 10000000</source>
        <translation>0 到 10000000 米之间的距离</translation>
    </message>
    <message>
        <source>a height in metres from -100000 to 100000</source>
        <translation>-100000 到 100000 米之间的高度</translation>
    </message>
    <message>
        <source>a speed in metres per second from 0 to 1000</source>
        <translation>0 到 1000 米/秒之间的速度</translation>
    </message>
    <message>
        <source>&lt;%1&gt; at %2: %3 is not %4.</source>
        <translation>&lt;%1&gt;（%2）：%3 不是%4。</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: the activity runs past 24 hours here.</source>
        <translation>&lt;Time&gt;（%1）：活动在此处超过了 24 小时。</translation>
    </message>
    <message>
        <source>The activity at %1 holds no speed or distance to run at: none of its trackpoints has a speed, and fewer than two have a distance.</source>
        <translation>%1处的活动没有可用于跑步的速度或距离：它的轨迹点都没有速度，且有距离的少于两个。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>This is not a workout file this tool can import: it is none of %1.</source>
        <translation>这不是本工具可以导入的训练文件：它不是以下任何一种：%1。</translation>
    </message>
    <message>
        <source>A hill session: every step runs at the steady pace you gave, at the file&apos;s slopes.</source>
        <translation>坡道训练：每一步都以你给出的匀速配速、按文件中的坡度来跑。</translation>
    </message>
    <message>
        <source>Left out, as this tool does not know what they ask of a run: %1.</source>
        <translation>已略去，因为本工具不知道它们对跑步有什么要求：%1。</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the XML is broken at %1: %2</source>
        <translation>不是 ZWO 训练：XML 在%1处出错：%2</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the file starts with &lt;%1&gt; at %2, not with &lt;workout_file&gt;.</source>
        <translation>不是 ZWO 训练：文件以&lt;%1&gt;（%2）开头，而不是&lt;workout_file&gt;。</translation>
    </message>
    <message>
        <source>The workout names no sport type, which Zwift reads as a cycling workout: its targets are power, not speed.</source>
        <translation>该训练没有注明运动类型，Zwift 会把它当作骑行训练：它的目标是功率，而不是速度。</translation>
    </message>
    <message>
        <source>This is a cycling workout (sport type &quot;bike&quot; at %1): its targets are power, not speed.</source>
        <translation>这是骑行训练（%1处的运动类型“bike”）：它的目标是功率，而不是速度。</translation>
    </message>
    <message>
        <source>The workout&apos;s sport type &quot;%1&quot; (%2) is not a run.</source>
        <translation>训练的运动类型“%1”（%2）不是跑步。</translation>
    </message>
    <message>
        <source>The file holds no &lt;workout&gt;, so there are no steps to run.</source>
        <translation>文件中没有&lt;workout&gt;，因此没有可跑的步骤。</translation>
    </message>
    <message>
        <source>&lt;durationType&gt; at %1: &quot;%2&quot; is neither &quot;time&quot; nor &quot;distance&quot;.</source>
        <translation>&lt;durationType&gt;（%1）：“%2”既不是“time”也不是“distance”。</translation>
    </message>
    <message>
        <source>&lt;thresholdSecPerKm&gt; at %1: &quot;%2&quot; is not a pace in seconds per kilometre from 60 to 3600.</source>
        <translation>&lt;thresholdSecPerKm&gt;（%1）：“%2”不是 60 到 3600 秒/公里之间的配速。</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1（第 %2 行）</translation>
    </message>
    <message>
        <source>The &lt;workout&gt; at %1 holds no segments to run.</source>
        <translation>%1处的&lt;workout&gt;中没有可跑的分段。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1: the workout grows past %2 steps here.</source>
        <translation>%1：训练在此处超过了 %2 步。</translation>
    </message>
    <message>
        <source>%1: the workout runs past 24 hours here.</source>
        <translation>%1：训练在此处超过了 24 小时。</translation>
    </message>
    <message>
        <source>%1: the workout runs past %2 km here.</source>
        <translation>%1：训练在此处超过了 %2 公里。</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1“%2”不是数字</translation>
    </message>
    <message>
        <source>%1 %2 is not between %3 and %4%5</source>
        <translation>%1 %2 不在 %3 和 %4%5 之间</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1 (or %2 and %3) is missing</source>
        <translation>缺少 %1（或 %2 和 %3）</translation>
    </message>
    <message>
        <source>Repeat %1 is not a whole number</source>
        <translation>Repeat %1 不是整数</translation>
    </message>
    <message>
        <source>PowerLow and PowerHigh (or Power) are missing</source>
        <translation>缺少 PowerLow 和 PowerHigh（或 Power）</translation>
    </message>
    <message>
        <source> (a share: 0.03 is 3 %)</source>
        <translation>（比例：0.03 即 3 %）</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is no translation &quot;%1&quot;. The languages are: %2.</source>
        <translation>没有“%1”这种翻译。可用的语言：%2。</translation>
    </message>
    <message>
        <source>TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300.</source>
        <translation>TREVALO USB AP：适用于 QM-20、QM-5 和 R300 跑步机的训练程序与训练记录。</translation>
    </message>
    <message>
        <source>Speak this language for this run, whatever the system&apos;s is: %1.</source>
        <translation>本次运行使用此语言，不论系统语言为何：%1。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>A program file to open on the Edit tab, a workout file (FIT, TCX or ZWO) to import there, or a record file to open on the Record tab.</source>
        <translation>在“编辑”选项卡中打开的程序文件、在那里导入的训练文件（FIT、TCX 或 ZWO），或在“记录”选项卡中打开的记录文件。</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[文件]</translation>
    </message>
</context>
<context>
    <name>plans</name>
    <message>
        <source>These steps end on a button press or a reading rather than a time or a distance, so each runs for %1 minutes: %2.</source>
        <translation>这些步骤以按键或读数结束，而不是按时间或距离，因此每步跑 %1 分钟：%2。</translation>
    </message>
    <message>
        <source>These steps set no speed, so each runs at the speed of the nearest step before it that sets one (or, at the start, of the first step that does): %1.</source>
        <translation>这些步骤没有设定速度，因此每步都采用之前最近一个有速度的步骤的速度（开头的则采用第一个有速度的步骤）：%1。</translation>
    </message>
    <message>
        <source>These steps are shorter than one segment (%1), so the program runs them averaged with their neighbours: %2.</source>
        <translation>这些步骤短于一个分段（%1），因此程序将它们与相邻步骤平均后执行：%2。</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>第 %1 步</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>第 %1 步</translation>
    </message>
    <message>
        <source>Step %1 (%2)</source>
        <translation>第 %1 步（%2）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 has a length of %2, which cannot be run.</source>
        <translation>%1 的长度为 %2，无法执行。</translation>
    </message>
    <message>
        <source>%1 sets a speed of %2 m/s, which cannot be run.</source>
        <translation>%1 设定的速度为 %2 m/s，无法执行。</translation>
    </message>
    <message>
        <source>%1 sets an incline that is not a number.</source>
        <translation>%1 设定的坡度不是数字。</translation>
    </message>
    <message>
        <source>The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program needs speeds.</source>
        <translation>该训练的所有步骤都没有设定速度（可能是骑行或心率训练）；跑步机程序需要速度。</translation>
    </message>
    <message>
        <source>The workout has no steps.</source>
        <translation>该训练没有步骤。</translation>
    </message>
    <message>
        <source>%1 covers %2 m at a speed of 0, so it never ends.</source>
        <translation>%1 以 0 的速度跑 %2 米，因此永远不会结束。</translation>
    </message>
    <message>
        <source>The workout lasts more than 24 hours (by %1); that is too long to import.</source>
        <translation>该训练超过 24 小时（从%1起）；太长，无法导入。</translation>
    </message>
    <message>
        <source>The workout has no length: every step lasts 0 seconds.</source>
        <translation>该训练没有时长：每一步都是 0 秒。</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>The workout holds no readings.</source>
        <translation>该训练没有读数。</translation>
    </message>
    <message>
        <source>The workout has no length.</source>
        <translation>该训练没有时长。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>第 %1 段</translation>
    </message>
    <message>
        <source>Segments %1</source>
        <translation>第 %1 段</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest speed the %3 offers in %4 mode (the workout ran up to %5).</source>
        <translation>%1：设为 %2，即 %3 在%4模式下的最高速度（训练中最高达到 %5）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest speed the %3 offers in %4 mode (the workout ran down to %5).</source>
        <translation>%1：设为 %2，即 %3 在%4模式下的最低速度（训练中最低降到 %5）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest incline the %3 offers in %4 mode (the workout climbed up to %5).</source>
        <translation>%1：设为 %2，即 %3 在%4模式下的最大坡度（训练中最高达到 %5）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest incline the %3 offers in %4 mode (the workout climbed down to %5).</source>
        <translation>%1：设为 %2，即 %3 在%4模式下的最小坡度（训练中最低降到 %5）。</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the longest the %3 offers in %4 mode.</source>
        <translation>该训练持续 %1 分钟：时间设为 %2，即 %3 在%4模式下的最长时间。</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the shortest the %3 offers in %4 mode.</source>
        <translation>该训练持续 %1 分钟：时间设为 %2，即 %3 在%4模式下的最短时间。</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the highest the %3 offers.</source>
        <translation>体重 %1 设为 %2，即 %3 提供的最大值。</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the lowest the %3 offers.</source>
        <translation>体重 %1 设为 %2，即 %3 提供的最小值。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银发</translation>
    </message>
</context>
<context>
    <name>program_file</name>
    <message>
        <source>%1

The program may have been made for another model, unit or mode.</source>
        <translation>%1

该程序可能是为其他型号、单位或模式制作的。</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a program file holds 65. It may be a record file or no treadmill file.</source>
        <translation>该文件有 %1 个字节；程序文件为 65 个字节。它可能是记录文件，也可能根本不是跑步机文件。</translation>
    </message>
    <message>
        <source>The file&apos;s last byte is %1; a program file ends in 0. It may be no treadmill file.</source>
        <translation>该文件的最后一个字节是 %1；程序文件以 0 结尾。它可能不是跑步机文件。</translation>
    </message>
    <message>
        <source>The weight of %1 LBS and of %2 KG disagree: the file is damaged.</source>
        <translation>体重 %1 LBS 与 %2 KG 不一致：文件已损坏。</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH and %3 KPH disagree: the file is damaged.</source>
        <translation>第 %1 段：%2 MPH 与 %3 km/h 不一致：文件已损坏。</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH is not offered by the %3 in %4 mode.</source>
        <translation>第 %1 段：%3 在%4模式下不提供 %2 MPH。</translation>
    </message>
    <message>
        <source>Segment %1: %2 KPH is not offered by the %3 in %4 mode.</source>
        <translation>第 %1 段：%3 在%4模式下不提供 %2 km/h。</translation>
    </message>
    <message>
        <source>Segment %1: an incline of %2 % is not offered by the %3 in %4 mode.</source>
        <translation>第 %1 段：%3 在%4模式下不提供 %2 % 的坡度。</translation>
    </message>
    <message>
        <source>A workout time of %1 minutes is not offered by the %2 in %3 mode.</source>
        <translation>%2 在%3模式下不提供 %1 分钟的训练时间。</translation>
    </message>
    <message>
        <source>A weight of %1 LBS is not offered by the %2 in %3 mode.</source>
        <translation>%2 在%3模式下不提供 %1 LBS 的体重。</translation>
    </message>
    <message>
        <source>A weight of %1 KG is not offered by the %2 in %3 mode.</source>
        <translation>%2 在%3模式下不提供 %1 KG 的体重。</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>The workout holds %1 sample; a program needs at least two.</source>
        <translation>该训练只有 %1 个采样；程序至少需要两个。</translation>
    </message>
    <message>
        <source>The workout holds %1 samples; a program needs at least two.</source>
        <translation>该训练只有 %1 个采样；程序至少需要两个。</translation>
    </message>
    <message>
        <source>The workout lasts no time: every sample shows the same time.</source>
        <translation>该训练没有时长：每个采样显示的时间都相同。</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>a number too large to store</source>
        <translation>数字太大，无法存储</translation>
    </message>
    <message>
        <source>a workout line before the first date line</source>
        <translation>第一个日期行之前的训练行</translation>
    </message>
    <message>
        <source>more than 1024 workouts in one file</source>
        <translation>一个文件中超过 1024 个训练</translation>
    </message>
    <message>
        <source>more than 1025 samples in one workout</source>
        <translation>一个训练中超过 1025 个采样</translation>
    </message>
    <message>
        <source>Line %1, %2: %3.</source>
        <translation>第 %1 行，%2：%3。</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>第 %1 行：%2。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>体重</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>卡路里</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>incline</source>
        <translation>坡度</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>心率</translation>
    </message>
    <message>
        <source>Speed, sample %1: %2</source>
        <translation>速度，采样 %1：%2</translation>
    </message>
    <message>
        <source>Incline, sample %1: %2</source>
        <translation>坡度，采样 %1：%2</translation>
    </message>
    <message>
        <source>no sample</source>
        <translation>无采样</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 MPH</source>
        <translation>%1 MPH</translation>
    </message>
    <message>
        <source>%1 KPH</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 of %2 lamps lit</source>
        <translation>%2 个灯中亮了 %1 个</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>未显示训练</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>约 %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Samples %1 to %2, pulse in beats per minute: %3</source>
        <translation>采样 %1 至 %2，心率（次/分钟）：%3</translation>
    </message>
    <message>
        <source>No workout shown</source>
        <translation>未显示训练</translation>
    </message>
    <message>
        <source>%1, samples %2 to %3</source>
        <translation>%1，采样 %2 至 %3</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>卡路里</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>体重</translation>
    </message>
    <message>
        <source>Time(m:s) %1</source>
        <translation>时间(分:秒) %1</translation>
    </message>
    <message>
        <source>Calories：%1 Kcal</source>
        <translation>卡路里：%1 千卡</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>距离：%1 英里</translation>
    </message>
    <message>
        <source>Distance：%1 KM</source>
        <translation>距离：%1 公里</translation>
    </message>
    <message>
        <source>Weight：%1 LBS</source>
        <translation>体重：%1 磅</translation>
    </message>
    <message>
        <source>Weight：%1 KG</source>
        <translation>体重：%1 公斤</translation>
    </message>
    <message>
        <source>SPEED(MPH)</source>
        <translation>速度(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>速度(km/h)</translation>
    </message>
    <message>
        <source>Avg speed</source>
        <translation>平均速度</translation>
    </message>
    <message>
        <source>Max speed</source>
        <translation>最高速度</translation>
    </message>
    <message>
        <source>Avg pace</source>
        <translation>平均配速</translation>
    </message>
    <message>
        <source>Avg pulse</source>
        <translation>平均心率</translation>
    </message>
    <message>
        <source>Max pulse</source>
        <translation>最高心率</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>爬升</translation>
    </message>
    <message>
        <source>%1 /mile</source>
        <translation>%1 /英里</translation>
    </message>
    <message>
        <source>%1 /km</source>
        <translation>%1 /公里</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 次/分</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1 英尺</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 米</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>采样数</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 kcal</source>
        <translation>%1 次训练，%2，%3，%4 千卡</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 kcal</source>
        <translation>%1 次训练，%2，%3，%4 千卡</translation>
    </message>
</context>
<context>
    <name>trevalo::app::EditTab</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>速度(MPH)</translation>
    </message>
    <message>
        <source>INCLINE(%)</source>
        <translation>坡度(%)</translation>
    </message>
    <message>
        <source>Speed lamps</source>
        <translation>速度指示灯</translation>
    </message>
    <message>
        <source>Incline lamps</source>
        <translation>坡度指示灯</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银发</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>KPH</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Set Time(Min)</source>
        <translation>设定时间(分)</translation>
    </message>
    <message>
        <source>USB Device</source>
        <translation>USB设备</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportCommand</name>
    <message>
        <source>The workout&apos;s date line &quot;%1&quot; gives no date and time.
When did the workout start?</source>
        <translation>训练的日期行“%1”没有给出日期和时间。
训练是什么时候开始的？</translation>
    </message>
    <message>
        <source>The workout was not exported.</source>
        <translation>训练未导出。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportProgramCommand</name>
    <message>
        <source>The program was not exported.</source>
        <translation>程序未导出。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::Form1</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>The program has changes that are not saved.

Save them before closing?</source>
        <translation>程序有尚未保存的更改。

关闭前要保存吗？</translation>
    </message>
    <message>
        <source>Drop one record file, program file or workout file on the window to open it.

Several files or a folder cannot be opened at once.</source>
        <translation>将一个记录文件、程序文件或训练文件拖放到窗口上即可打开。

不能一次打开多个文件或一个文件夹。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Keep every workout opened</source>
        <translation>保存每个打开的训练</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Workouts kept</source>
        <translation>已保存的训练</translation>
    </message>
    <message>
        <source>Personal bests</source>
        <translation>个人最佳</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Totals per</source>
        <translation>汇总方式</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Totals per period</source>
        <translation>各时段汇总</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>生成程序…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>忘记</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>全部导出…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>单位：</translation>
    </message>
    <message>
        <source>Forget 1 workout?</source>
        <translation>忘记 1 次训练？</translation>
    </message>
    <message>
        <source>Forget %1 workouts?</source>
        <translation>忘记 %1 次训练？</translation>
    </message>
    <message>
        <source>They are removed from the history and are not kept again when their file is opened again.</source>
        <translation>它们将从历史中移除，再次打开其文件时也不会重新保存。</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV，每个训练一行 (*.csv)</translation>
    </message>
    <message>
        <source>The history was not exported.</source>
        <translation>历史未导出。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ImportCommand</name>
    <message>
        <source>The workout was not imported.</source>
        <translation>训练未导入。</translation>
    </message>
    <message>
        <source>The file holds %1 bytes, far more than a workout file.</source>
        <translation>该文件有 %1 个字节，远大于训练文件。</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab.</source>
        <translation>该训练现在是“编辑”选项卡中的程序。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::MakeProgramCommand</name>
    <message>
        <source>No program was made.

%1</source>
        <translation>未生成程序。

%1</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab. Some values lay beyond what the lists offer:</source>
        <translation>该训练现在是“编辑”选项卡中的程序。有些数值超出了列表提供的范围：</translation>
    </message>
</context>
<context>
    <name>trevalo::app::OpenCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>程序文件(*.cus)</translation>
    </message>
    <message>
        <source>The program was not opened.</source>
        <translation>程序未打开。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::PeriodChart</name>
    <message>
        <source>Distance and pace per period</source>
        <translation>各时段的距离与配速</translation>
    </message>
    <message>
        <source>no workouts kept</source>
        <translation>没有已保存的训练</translation>
    </message>
    <message>
        <source>%1 to %2, up to %3 %4 a period</source>
        <translation>%1 至 %2，每个时段最多 %3 %4</translation>
    </message>
    <message>
        <source>Distance up to %1 %2</source>
        <translation>距离 最多 %1 %2</translation>
    </message>
    <message>
        <source>Pace %1 to %2 %3</source>
        <translation>配速 %1 至 %2 %3</translation>
    </message>
</context>
<context>
    <name>trevalo::app::RecordTab</name>
    <message>
        <source>INCLINE(%)</source>
        <translation>坡度(%)</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>心率</translation>
    </message>
    <message>
        <source>Save Charts as Image…</source>
        <translation>将图表保存为图片…</translation>
    </message>
    <message>
        <source>Pulse chart</source>
        <translation>心率图表</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>训练</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>All Workouts…</source>
        <translation>全部训练…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>生成程序…</translation>
    </message>
    <message>
        <source>Samples shown</source>
        <translation>显示的采样</translation>
    </message>
    <message>
        <source>Record Files(*.cus)</source>
        <translation>记录文件(*.cus)</translation>
    </message>
    <message>
        <source>The record file could not be opened.</source>
        <translation>无法打开记录文件。</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>正在读取 %1…</translation>
    </message>
    <message>
        <source>The record file could not be read to its end.</source>
        <translation>无法将记录文件读到结尾。</translation>
    </message>
    <message>
        <source>The record file could not be read.</source>
        <translation>无法读取记录文件。</translation>
    </message>
    <message>
        <source>No workouts were found in
%1</source>
        <translation>未找到训练：
%1</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>The charts were not saved.</source>
        <translation>图表未保存。</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>历史…</translation>
    </message>
</context>
<context>
    <name>trevalo::app::SaveCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>程序文件(*.cus)</translation>
    </message>
    <message>
        <source>The program was not saved.</source>
        <translation>程序未保存。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutChartView</name>
    <message>
        <source>Whole workout</source>
        <translation>完整训练</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>未显示训练</translation>
    </message>
    <message>
        <source>%1 samples over %2 minutes; speed up to %3, incline up to %4 %, pulse up to %5; samples %6 to %7 shown on the Record tab</source>
        <translation>%2 分钟内 %1 个采样；速度最高 %3，坡度最高 %4 %，心率最高 %5；“记录”选项卡中显示采样 %6 至 %7</translation>
    </message>
    <message>
        <source>speed (top %1)</source>
        <translation>速度（最高 %1）</translation>
    </message>
    <message>
        <source>incline (top %1 %)</source>
        <translation>坡度（最高 %1 %）</translation>
    </message>
    <message>
        <source>pulse (top %1)</source>
        <translation>心率（最高 %1）</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutsWindow</name>
    <message>
        <source>All Workouts</source>
        <translation>全部训练</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>训练</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>全部导出…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV，每个训练一行 (*.csv)</translation>
    </message>
    <message>
        <source>The workouts were not exported.</source>
        <translation>训练未导出。</translation>
    </message>
</context>
</TS>
