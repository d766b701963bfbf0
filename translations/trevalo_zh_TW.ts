<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>無法將圖片編碼為 PNG。</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change of the program</source>
        <translation>變更程式</translation>
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
        <translation>檔案已另存為  %1  成功！</translation>
    </message>
    <message>
        <source>%1

Could not write the file
%2

%3</source>
        <translation>%1

無法寫入檔案
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
        <translation>乳酸閾值配速</translation>
    </message>
    <message>
        <source>The workout&apos;s speeds are parts of your threshold pace: the pace you can hold for about an hour.

Your threshold pace, per %1:</source>
        <translation>此訓練的速度是以你的乳酸閾值配速（大約能維持一小時的配速）的百分比表示。

你的乳酸閾值配速（每%1）：</translation>
    </message>
    <message>
        <source>Steady pace</source>
        <translation>等速配速</translation>
    </message>
    <message>
        <source>The workout is a hill session: it gives the slopes, and you choose one pace to run them all at.

Your pace, per %1:</source>
        <translation>此訓練是坡道訓練：檔案給出坡度，你選擇一個配速跑完全部。

你的配速（每%1）：</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Save the program as a file</source>
        <translation>將程式儲存為檔案</translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation>開啟程式檔案</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>開啟記錄檔案</translation>
    </message>
</context>
<context>
    <name>SummaryFrame</name>
    <message>
        <source>Program</source>
        <translation>程式</translation>
    </message>
    <message>
        <source>Program summary</source>
        <translation>程式摘要</translation>
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
        <translation>設定體重(LBS)</translation>
    </message>
    <message>
        <source>Set_Weight(KG)</source>
        <translation>設定體重(KG)</translation>
    </message>
    <message>
        <source>Speed, segment %1, level %2</source>
        <translation>速度，第 %1 段，等級 %2</translation>
    </message>
    <message>
        <source>Incline, segment %1, level %2</source>
        <translation>坡度，第 %1 段，等級 %2</translation>
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
        <translation>亮起；點按無反應</translation>
    </message>
    <message>
        <source>not lit; does not react to clicks</source>
        <translation>未亮；點按無反應</translation>
    </message>
    <message>
        <source>lit; a click sets %1</source>
        <translation>亮起；點按設為 %1</translation>
    </message>
    <message>
        <source>not lit; a click sets %1</source>
        <translation>未亮；點按設為 %1</translation>
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
        <translation>跑步機型號</translation>
    </message>
    <message>
        <source>Workout time in minutes</source>
        <translation>訓練時間（分鐘）</translation>
    </message>
    <message>
        <source>User weight</source>
        <translation>使用者體重</translation>
    </message>
    <message>
        <source>Segment：%1</source>
        <translation>每段：%1</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>距離：%1 英里</translation>
    </message>
    <message>
        <source>Distance：%1 km</source>
        <translation>距離：%1 公里</translation>
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
        <translation>爬升：%1 公尺</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>FIT activity (*.fit)</source>
        <translation>FIT 活動 (*.fit)</translation>
    </message>
    <message>
        <source>Training Center XML (*.tcx)</source>
        <translation>Training Center XML (*.tcx)</translation>
    </message>
    <message>
        <source>CSV, one row per sample (*.csv)</source>
        <translation>CSV，每個取樣一列 (*.csv)</translation>
    </message>
    <message>
        <source>FIT workout (*.fit)</source>
        <translation>FIT 訓練 (*.fit)</translation>
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
        <translation>無法跟隨連結</translation>
    </message>
    <message>
        <source>Could not replace the file: it is a device or a pipe, not a regular file</source>
        <translation>無法取代該檔案：它是裝置或管道，不是一般檔案</translation>
    </message>
    <message>
        <source>Could not create a file in the folder</source>
        <translation>無法在該資料夾中建立檔案</translation>
    </message>
    <message>
        <source>Could not write the content</source>
        <translation>無法寫入內容</translation>
    </message>
    <message>
        <source>Could not save the content to the disk</source>
        <translation>無法將內容儲存到磁碟</translation>
    </message>
    <message>
        <source>Could not finish the file</source>
        <translation>無法完成檔案</translation>
    </message>
    <message>
        <source>Could not put the new file in place</source>
        <translation>無法將新檔案放到定位</translation>
    </message>
    <message>
        <source>This is a folder, not a file that can be read.</source>
        <translation>這是一個資料夾，不是可讀取的檔案。</translation>
    </message>
    <message>
        <source>This is a named pipe, not a file that can be read.</source>
        <translation>這是一個具名管道，不是可讀取的檔案。</translation>
    </message>
    <message>
        <source>This is a socket, not a file that can be read.</source>
        <translation>這是一個通訊端，不是可讀取的檔案。</translation>
    </message>
    <message>
        <source>This is a device, not a file that can be read.</source>
        <translation>這是一個裝置，不是可讀取的檔案。</translation>
    </message>
    <message>
        <source>This is not a regular file, not a file that can be read.</source>
        <translation>這不是一般檔案，無法讀取。</translation>
    </message>
</context>
<context>
    <name>fit</name>
    <message>
        <source>byte %1</source>
        <translation>第 %1 位元組</translation>
    </message>
    <message>
        <source>The file is damaged: %1 (%2).</source>
        <translation>檔案已損毀：%1（%2）。</translation>
    </message>
    <message>
        <source>a definition message runs past the end of the messages</source>
        <translation>定義訊息超出了訊息結尾</translation>
    </message>
    <message>
        <source>a definition message gives architecture %1; only 0 (little-endian) and 1 (big-endian) exist</source>
        <translation>定義訊息給出了架構 %1；只有 0（小端）和 1（大端）</translation>
    </message>
    <message>
        <source>a data message uses local message type %1, which no definition before it declares</source>
        <translation>資料訊息使用了本地訊息類型 %1，但之前沒有任何定義宣告它</translation>
    </message>
    <message>
        <source>a data message runs past the end of the messages</source>
        <translation>資料訊息超出了訊息結尾</translation>
    </message>
    <message>
        <source>after its FIT data come %1 bytes that are not FIT data</source>
        <translation>FIT 資料之後有 %1 個位元組不是 FIT 資料</translation>
    </message>
    <message>
        <source>its check sum does not match</source>
        <translation>校驗和不符</translation>
    </message>
    <message>
        <source>This is not a FIT file: it is %1 bytes long, shorter than any FIT file&apos;s header.</source>
        <translation>這不是 FIT 檔案：它只有 %1 個位元組，比任何 FIT 檔案的檔頭都短。</translation>
    </message>
    <message>
        <source>This is not a FIT file: it does not begin as one (no &quot;.FIT&quot; at %1).</source>
        <translation>這不是 FIT 檔案：它的開頭不像 FIT 檔案（%1處沒有「.FIT」）。</translation>
    </message>
    <message>
        <source>This is not a FIT file: its header would be %1 bytes long, not 12 or 14 (%2).</source>
        <translation>這不是 FIT 檔案：它的檔頭長 %1 個位元組，而不是 12 或 14（%2）。</translation>
    </message>
    <message>
        <source>This FIT file is of a newer kind than this tool reads: protocol version %1.%2, where it reads up to 2 (%3).</source>
        <translation>此 FIT 檔案的格式比本工具能讀取的更新：協定版本 %1.%2，而本工具最多讀取版本 2（%3）。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside its header (%1).</source>
        <translation>檔案被截斷：在檔頭內就結束了（%1）。</translation>
    </message>
    <message>
        <source>The file is damaged: its header&apos;s check sum does not match (%1).</source>
        <translation>檔案已損毀：檔頭的校驗和不符（%1）。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends %1 bytes before the end its header announces (%2).</source>
        <translation>檔案被截斷：比檔頭宣告的結尾早 %1 個位元組結束（%2）。</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: it has no file_id message, where a FIT file names its kind.</source>
        <translation>此 FIT 檔案沒有說明其內容：它沒有 file_id 訊息，而 FIT 檔案正是在其中說明其類型。</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: its file_id message gives no file type (%1).</source>
        <translation>此 FIT 檔案沒有說明其內容：它的 file_id 訊息沒有給出檔案類型（%1）。</translation>
    </message>
    <message>
        <source>a description of a device</source>
        <translation>裝置描述</translation>
    </message>
    <message>
        <source>a device&apos;s settings</source>
        <translation>裝置設定</translation>
    </message>
    <message>
        <source>sport settings</source>
        <translation>運動設定</translation>
    </message>
    <message>
        <source>an activity</source>
        <translation>活動</translation>
    </message>
    <message>
        <source>a workout</source>
        <translation>訓練</translation>
    </message>
    <message>
        <source>a course</source>
        <translation>路線</translation>
    </message>
    <message>
        <source>a training schedule</source>
        <translation>訓練計畫</translation>
    </message>
    <message>
        <source>weight readings</source>
        <translation>體重讀數</translation>
    </message>
    <message>
        <source>totals of past activities</source>
        <translation>過去活動的總計</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>blood pressure readings</source>
        <translation>血壓讀數</translation>
    </message>
    <message>
        <source>all-day monitoring data</source>
        <translation>全天監測資料</translation>
    </message>
    <message>
        <source>a summary of an activity</source>
        <translation>活動摘要</translation>
    </message>
    <message>
        <source>daily monitoring totals</source>
        <translation>每日監測總計</translation>
    </message>
    <message>
        <source>a segment</source>
        <translation>路段</translation>
    </message>
    <message>
        <source>a list of segments</source>
        <translation>路段清單</translation>
    </message>
    <message>
        <source>data screen settings</source>
        <translation>資料頁面設定</translation>
    </message>
    <message>
        <source>sleep data</source>
        <translation>睡眠資料</translation>
    </message>
    <message>
        <source>data of its maker&apos;s own kind (FIT file type %1)</source>
        <translation>廠商自訂類型的資料（FIT 檔案類型 %1）</translation>
    </message>
    <message>
        <source>data of a kind this tool does not know (FIT file type %1)</source>
        <translation>本工具不認識的類型的資料（FIT 檔案類型 %1）</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not %2.</source>
        <translation>此 FIT 檔案包含的是%1，而不是%2。</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>跑步</translation>
    </message>
    <message>
        <source>a ride</source>
        <translation>騎乘</translation>
    </message>
    <message>
        <source>a transition between two sports</source>
        <translation>兩個項目之間的轉換</translation>
    </message>
    <message>
        <source>a session on fitness equipment</source>
        <translation>健身器材訓練</translation>
    </message>
    <message>
        <source>a swim</source>
        <translation>游泳</translation>
    </message>
    <message>
        <source>a basketball game</source>
        <translation>籃球比賽</translation>
    </message>
    <message>
        <source>a football (soccer) game</source>
        <translation>足球比賽</translation>
    </message>
    <message>
        <source>a tennis match</source>
        <translation>網球比賽</translation>
    </message>
    <message>
        <source>an American football game</source>
        <translation>美式足球比賽</translation>
    </message>
    <message>
        <source>a training session</source>
        <translation>訓練課</translation>
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
        <translation>單板滑雪</translation>
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
        <translation>健行</translation>
    </message>
    <message>
        <source>a multisport race</source>
        <translation>多項運動比賽</translation>
    </message>
    <message>
        <source>a paddling session</source>
        <translation>划槳</translation>
    </message>
    <message>
        <source>a flight</source>
        <translation>飛行</translation>
    </message>
    <message>
        <source>an e-bike ride</source>
        <translation>電動自行車騎乘</translation>
    </message>
    <message>
        <source>a motorcycle ride</source>
        <translation>機車騎乘</translation>
    </message>
    <message>
        <source>a boat trip</source>
        <translation>乘船</translation>
    </message>
    <message>
        <source>a drive</source>
        <translation>開車</translation>
    </message>
    <message>
        <source>a round of golf</source>
        <translation>一輪高爾夫</translation>
    </message>
    <message>
        <source>a hang-gliding flight</source>
        <translation>懸掛式滑翔</translation>
    </message>
    <message>
        <source>a horse ride</source>
        <translation>騎馬</translation>
    </message>
    <message>
        <source>a hunt</source>
        <translation>狩獵</translation>
    </message>
    <message>
        <source>a fishing trip</source>
        <translation>釣魚</translation>
    </message>
    <message>
        <source>an inline skating session</source>
        <translation>直排輪</translation>
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
        <translation>跳傘</translation>
    </message>
    <message>
        <source>a snowshoe hike</source>
        <translation>雪鞋健行</translation>
    </message>
    <message>
        <source>a snowmobile ride</source>
        <translation>雪地摩托車</translation>
    </message>
    <message>
        <source>a stand-up paddleboarding session</source>
        <translation>立式划槳</translation>
    </message>
    <message>
        <source>a surfing session</source>
        <translation>衝浪</translation>
    </message>
    <message>
        <source>a wakeboarding session</source>
        <translation>滑水板</translation>
    </message>
    <message>
        <source>a water skiing session</source>
        <translation>滑水</translation>
    </message>
    <message>
        <source>a kayaking trip</source>
        <translation>獨木舟</translation>
    </message>
    <message>
        <source>a rafting trip</source>
        <translation>泛舟</translation>
    </message>
    <message>
        <source>a windsurfing session</source>
        <translation>風帆</translation>
    </message>
    <message>
        <source>a kitesurfing session</source>
        <translation>風箏衝浪</translation>
    </message>
    <message>
        <source>a tactical activity</source>
        <translation>戰術活動</translation>
    </message>
    <message>
        <source>a parachute jump</source>
        <translation>傘降</translation>
    </message>
    <message>
        <source>a boxing session</source>
        <translation>拳擊</translation>
    </message>
    <message>
        <source>a stair climb</source>
        <translation>爬樓梯</translation>
    </message>
    <message>
        <source>a baseball game</source>
        <translation>棒球比賽</translation>
    </message>
    <message>
        <source>a dive</source>
        <translation>潛水</translation>
    </message>
    <message>
        <source>a shooting session</source>
        <translation>射擊</translation>
    </message>
    <message>
        <source>a winter sport session</source>
        <translation>冬季運動</translation>
    </message>
    <message>
        <source>a grinding session</source>
        <translation>絞盤</translation>
    </message>
    <message>
        <source>a HIIT workout</source>
        <translation>HIIT 訓練</translation>
    </message>
    <message>
        <source>a video gaming session</source>
        <translation>電子遊戲</translation>
    </message>
    <message>
        <source>a racket sport game</source>
        <translation>球拍運動</translation>
    </message>
    <message>
        <source>a wheelchair push at walking pace</source>
        <translation>輪椅推行（步行配速）</translation>
    </message>
    <message>
        <source>a wheelchair push at running pace</source>
        <translation>輪椅推行（跑步配速）</translation>
    </message>
    <message>
        <source>a meditation</source>
        <translation>冥想</translation>
    </message>
    <message>
        <source>a para sport session</source>
        <translation>身障運動</translation>
    </message>
    <message>
        <source>a round of disc golf</source>
        <translation>一輪飛盤高爾夫</translation>
    </message>
    <message>
        <source>a team sport game</source>
        <translation>團隊運動比賽</translation>
    </message>
    <message>
        <source>a cricket match</source>
        <translation>板球比賽</translation>
    </message>
    <message>
        <source>a rugby match</source>
        <translation>橄欖球比賽</translation>
    </message>
    <message>
        <source>a hockey game</source>
        <translation>曲棍球比賽</translation>
    </message>
    <message>
        <source>a lacrosse game</source>
        <translation>長曲棍球比賽</translation>
    </message>
    <message>
        <source>a volleyball game</source>
        <translation>排球比賽</translation>
    </message>
    <message>
        <source>a water tubing ride</source>
        <translation>水上拖圈</translation>
    </message>
    <message>
        <source>a wakesurfing session</source>
        <translation>尾波衝浪</translation>
    </message>
    <message>
        <source>a water sport session</source>
        <translation>水上運動</translation>
    </message>
    <message>
        <source>an archery session</source>
        <translation>射箭</translation>
    </message>
    <message>
        <source>a mixed martial arts session</source>
        <translation>綜合格鬥</translation>
    </message>
    <message>
        <source>a motor sport session</source>
        <translation>賽車運動</translation>
    </message>
    <message>
        <source>a snorkelling trip</source>
        <translation>浮潛</translation>
    </message>
    <message>
        <source>a dance</source>
        <translation>舞蹈</translation>
    </message>
    <message>
        <source>a jump rope session</source>
        <translation>跳繩</translation>
    </message>
    <message>
        <source>a pool apnea session</source>
        <translation>泳池閉氣</translation>
    </message>
    <message>
        <source>a mobility session</source>
        <translation>靈活性訓練</translation>
    </message>
    <message>
        <source>a geocaching trip</source>
        <translation>地理尋寶</translation>
    </message>
    <message>
        <source>a canoe trip</source>
        <translation>划獨木舟</translation>
    </message>
    <message>
        <source>an activity of no sport in particular</source>
        <translation>未指定運動項目的活動</translation>
    </message>
    <message>
        <source>an indoor ride</source>
        <translation>室內騎乘</translation>
    </message>
    <message>
        <source>a session on a rowing machine</source>
        <translation>划船機訓練</translation>
    </message>
    <message>
        <source>a session on an elliptical trainer</source>
        <translation>橢圓機訓練</translation>
    </message>
    <message>
        <source>a session on a stair climber</source>
        <translation>登階機訓練</translation>
    </message>
    <message>
        <source>a session on a ski machine</source>
        <translation>滑雪機訓練</translation>
    </message>
    <message>
        <source>an activity of a sport this tool does not know (FIT sport %1)</source>
        <translation>本工具不認識的運動項目的活動（FIT 運動 %1）</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>The folder %1 could not be kept for the next dialog in %2.</source>
        <translation>無法將資料夾 %1 記錄到 %2 中供下次對話方塊使用。</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>The training history cannot be kept in %1: %2.</source>
        <translation>無法在 %1 中保存訓練歷史：%2。</translation>
    </message>
    <message>
        <source>The training history %1 cannot be read: %2.</source>
        <translation>無法讀取訓練歷史 %1：%2。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo: it is shown, and nothing is kept in it.</source>
        <translation>訓練歷史 %1 由較新版本的 trevalo 寫入：僅顯示，不會在其中保存任何內容。</translation>
    </message>
    <message>
        <source>it cannot be read (%1) nor moved aside (%2)</source>
        <translation>既無法讀取（%1）也無法移到一旁（%2）</translation>
    </message>
    <message>
        <source>The training history %1 could not be read (%2); it was moved to %3 and a new history started.</source>
        <translation>無法讀取訓練歷史 %1（%2）；已將其移至 %3，並開始新的歷史。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one keeps nothing in it.</source>
        <translation>訓練歷史 %1 由較新版本的 trevalo 寫入；此版本不會在其中保存任何內容。</translation>
    </message>
    <message>
        <source>The training history %1 could not keep the workouts: %2.</source>
        <translation>訓練歷史 %1 無法保存訓練：%2。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one changes nothing in it.</source>
        <translation>訓練歷史 %1 由較新版本的 trevalo 寫入；此版本不會對其做任何變更。</translation>
    </message>
    <message>
        <source>The training history %1 could not forget the workouts: %2.</source>
        <translation>訓練歷史 %1 無法忘記這些訓練：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not list its workouts: %2.</source>
        <translation>訓練歷史 %1 無法列出其訓練：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its periods: %2.</source>
        <translation>訓練歷史 %1 無法彙總各時段：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its workouts: %2.</source>
        <translation>訓練歷史 %1 無法彙總其訓練：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not find the personal bests: %2.</source>
        <translation>訓練歷史 %1 無法找出個人最佳：%2。</translation>
    </message>
    <message>
        <source>The training history %1 could not read a workout: %2.</source>
        <translation>訓練歷史 %1 無法讀取訓練：%2。</translation>
    </message>
    <message>
        <source>The training history %1 has no workout %2.</source>
        <translation>訓練歷史 %1 中沒有訓練 %2。</translation>
    </message>
    <message>
        <source>The training history %1: the readings of workout %2 do not match its sample count.</source>
        <translation>訓練歷史 %1：訓練 %2 的讀數與其取樣數不符。</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時長</translation>
    </message>
    <message>
        <source>Distance (mi)</source>
        <translation>距離 (mi)</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>距離 (km)</translation>
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
        <translation>檔案</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>時段</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>訓練次數</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Longest distance</source>
        <translation>最長距離</translation>
    </message>
    <message>
        <source>Longest time</source>
        <translation>最長時間</translation>
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
        <translation>最快半程馬拉松</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 climbed</source>
        <translation>%1 次訓練，%2，%3，爬升 %4</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 climbed</source>
        <translation>%1 次訓練，%2，%3，爬升 %4</translation>
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
        <translation>這是%1，不是跑步。</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>另外 %1 項</translation>
    </message>
    <message>
        <source>This holds no run: its %1 activities are %2.</source>
        <translation>其中沒有跑步：它的 %1 項活動是%2。</translation>
    </message>
    <message>
        <source>This file holds several sports but does not say when its run began, so the run cannot be told from the rest (a session without a start time).</source>
        <translation>此檔案包含多項運動，但沒有說明跑步何時開始，因此無法把跑步與其他部分區分開（一個沒有開始時間的時段）。</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the run was imported.</source>
        <translation>此檔案包含 %1 項活動（%2）：只匯入了跑步。</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the runs were imported, one after the other.</source>
        <translation>此檔案包含 %1 項活動（%2）：只依序匯入了其中的跑步。</translation>
    </message>
    <message>
        <source>The FIT activity has fewer than two records with a time: they give the workout no length.</source>
        <translation>FIT 活動中帶時間的紀錄少於兩筆：無法得出訓練時長。</translation>
    </message>
    <message>
        <source>This activity holds no speed or distance: nothing in it tells how fast it went.</source>
        <translation>此活動既沒有速度也沒有距離：無從得知它有多快。</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer; %2 of stops were left out.</source>
        <translation>依手錶計時，跑步持續了 %1；已略去 %2 的暫停。</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer.</source>
        <translation>依手錶計時，跑步持續了 %1。</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not a workout or an activity.</source>
        <translation>此 FIT 檔案包含的是%1，不是訓練，也不是活動。</translation>
    </message>
    <message>
        <source>Step %1 (byte %2)</source>
        <translation>第 %1 步（第 %2 位元組）</translation>
    </message>
    <message>
        <source>until a time</source>
        <translation>直到達到時間</translation>
    </message>
    <message>
        <source>until a distance</source>
        <translation>直到達到距離</translation>
    </message>
    <message>
        <source>until a count of calories</source>
        <translation>直到達到卡路里</translation>
    </message>
    <message>
        <source>until the heart rate fell below a value</source>
        <translation>直到心率低於某值</translation>
    </message>
    <message>
        <source>until the heart rate rose above a value</source>
        <translation>直到心率高於某值</translation>
    </message>
    <message>
        <source>until the power fell below a value</source>
        <translation>直到功率低於某值</translation>
    </message>
    <message>
        <source>until the power rose above a value</source>
        <translation>直到功率高於某值</translation>
    </message>
    <message>
        <source>%1 repeats from message index %2, which no step has.</source>
        <translation>%1 從訊息索引 %2 開始重複，但沒有哪一步是這個索引。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（無）</translation>
    </message>
    <message>
        <source>%1 repeats from step %2, which does not come before it.</source>
        <translation>%1 從第 %2 步開始重複，但那一步不在它之前。</translation>
    </message>
    <message>
        <source>Repeat of step %1 %2 was run once.</source>
        <translation>第 %1 步的重複（%2）只執行了一次。</translation>
    </message>
    <message>
        <source>Repeat of steps %1 to %2 %3 was run once.</source>
        <translation>第 %1 至 %2 步的重複（%3）只執行了一次。</translation>
    </message>
    <message>
        <source>%1 repeats steps %2 to %3 %4 times: the workout would run beyond 24 hours or 10,000 steps.</source>
        <translation>%1 將第 %2 至 %3 步重複 %4 次：訓練將超過 24 小時或 10,000 步。</translation>
    </message>
    <message>
        <source>%1 takes the workout beyond 24 hours or 10,000 steps.</source>
        <translation>%1 使訓練超過 24 小時或 10,000 步。</translation>
    </message>
    <message>
        <source>The FIT workout holds no steps to run.</source>
        <translation>FIT 訓練中沒有可跑的步驟。</translation>
    </message>
    <message>
        <source>FIT files</source>
        <translation>FIT 檔案</translation>
    </message>
    <message>
        <source>TCX files</source>
        <translation>TCX 檔案</translation>
    </message>
    <message>
        <source>Zwift workouts</source>
        <translation>Zwift 訓練</translation>
    </message>
    <message>
        <source>Workouts (%1)</source>
        <translation>訓練 (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>第 %1 行第 %2 欄</translation>
    </message>
    <message>
        <source>Not a TCX activity: the XML is broken at %1: %2</source>
        <translation>不是 TCX 活動：XML 在%1處出錯：%2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the file starts with &lt;%1&gt; at %2, not with &lt;TrainingCenterDatabase&gt;.</source>
        <translation>不是 TCX 活動：檔案以&lt;%1&gt;（%2）開頭，而不是&lt;TrainingCenterDatabase&gt;。</translation>
    </message>
    <message>
        <source>The TCX file holds no &lt;Activity&gt;, so there is no workout to read.</source>
        <translation>TCX 檔案中沒有&lt;Activity&gt;，因此沒有可讀取的訓練。</translation>
    </message>
    <message>
        <source>This is a ride, not a run. The activity at %1 has the sport &quot;Biking&quot;.</source>
        <translation>這是騎乘，不是跑步。%1處的活動運動類型為「Biking」。</translation>
    </message>
    <message>
        <source>The activity at %1 has the sport %2, which is not a run.</source>
        <translation>%1處的活動運動類型為 %2，不是跑步。</translation>
    </message>
    <message>
        <source>The activity at %1 has no trackpoints at two different times, so the workout has no length.</source>
        <translation>%1處的活動沒有兩個不同時間的軌跡點，因此訓練沒有時長。</translation>
    </message>
    <message>
        <source>&lt;Trackpoint&gt; at %1: the activity grows past %2 trackpoints here.</source>
        <translation>&lt;Trackpoint&gt;（%1）：活動在此處超過了 %2 個軌跡點。</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: %2 is not a date and time such as 2026-03-01T06:30:00Z.</source>
        <translation>&lt;Time&gt;（%1）：%2 不是 2026-03-01T06:30:00Z 這樣的日期時間。</translation>
    </message>
    <message>
        <source>a distance in metres from 0 to 10000000</source>
        <translation>0 到 10000000 公尺之間的距離</translation>
    </message>
    <message>
        <source>a height in metres from -100000 to 100000</source>
        <translation>-100000 到 100000 公尺之間的高度</translation>
    </message>
    <message>
        <source>a speed in metres per second from 0 to 1000</source>
        <translation>0 到 1000 公尺/秒之間的速度</translation>
    </message>
    <message>
        <source>&lt;%1&gt; at %2: %3 is not %4.</source>
        <translation>&lt;%1&gt;（%2）：%3 不是%4。</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: the activity runs past 24 hours here.</source>
        <translation>&lt;Time&gt;（%1）：活動在此處超過了 24 小時。</translation>
    </message>
    <message>
        <source>The activity at %1 holds no speed or distance to run at: none of its trackpoints has a speed, and fewer than two have a distance.</source>
        <translation>%1處的活動沒有可用於跑步的速度或距離：它的軌跡點都沒有速度，且有距離的少於兩個。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>This is not a workout file this tool can import: it is none of %1.</source>
        <translation>這不是本工具可以匯入的訓練檔案：它不是以下任何一種：%1。</translation>
    </message>
    <message>
        <source>A hill session: every step runs at the steady pace you gave, at the file&apos;s slopes.</source>
        <translation>坡道訓練：每一步都以你給出的等速配速、依檔案中的坡度來跑。</translation>
    </message>
    <message>
        <source>Left out, as this tool does not know what they ask of a run: %1.</source>
        <translation>已略去，因為本工具不知道它們對跑步有什麼要求：%1。</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the XML is broken at %1: %2</source>
        <translation>不是 ZWO 訓練：XML 在%1處出錯：%2</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the file starts with &lt;%1&gt; at %2, not with &lt;workout_file&gt;.</source>
        <translation>不是 ZWO 訓練：檔案以&lt;%1&gt;（%2）開頭，而不是&lt;workout_file&gt;。</translation>
    </message>
    <message>
        <source>The workout names no sport type, which Zwift reads as a cycling workout: its targets are power, not speed.</source>
        <translation>該訓練沒有註明運動類型，Zwift 會把它當作騎乘訓練：它的目標是功率，而不是速度。</translation>
    </message>
    <message>
        <source>This is a cycling workout (sport type &quot;bike&quot; at %1): its targets are power, not speed.</source>
        <translation>這是騎乘訓練（%1處的運動類型「bike」）：它的目標是功率，而不是速度。</translation>
    </message>
    <message>
        <source>The workout&apos;s sport type &quot;%1&quot; (%2) is not a run.</source>
        <translation>訓練的運動類型「%1」（%2）不是跑步。</translation>
    </message>
    <message>
        <source>The file holds no &lt;workout&gt;, so there are no steps to run.</source>
        <translation>檔案中沒有&lt;workout&gt;，因此沒有可跑的步驟。</translation>
    </message>
    <message>
        <source>&lt;durationType&gt; at %1: &quot;%2&quot; is neither &quot;time&quot; nor &quot;distance&quot;.</source>
        <translation>&lt;durationType&gt;（%1）：「%2」既不是「time」也不是「distance」。</translation>
    </message>
    <message>
        <source>&lt;thresholdSecPerKm&gt; at %1: &quot;%2&quot; is not a pace in seconds per kilometre from 60 to 3600.</source>
        <translation>&lt;thresholdSecPerKm&gt;（%1）：「%2」不是 60 到 3600 秒/公里之間的配速。</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1（第 %2 行）</translation>
    </message>
    <message>
        <source>The &lt;workout&gt; at %1 holds no segments to run.</source>
        <translation>%1處的&lt;workout&gt;中沒有可跑的分段。</translation>
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
        <translation>%1：訓練在此處超過了 %2 步。</translation>
    </message>
    <message>
        <source>%1: the workout runs past 24 hours here.</source>
        <translation>%1：訓練在此處超過了 24 小時。</translation>
    </message>
    <message>
        <source>%1: the workout runs past %2 km here.</source>
        <translation>%1：訓練在此處超過了 %2 公里。</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1「%2」不是數字</translation>
    </message>
    <message>
        <source>%1 %2 is not between %3 and %4%5</source>
        <translation>%1 %2 不在 %3 和 %4%5 之間</translation>
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
        <translation>Repeat %1 不是整數</translation>
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
        <translation>沒有「%1」這種翻譯。可用的語言：%2。</translation>
    </message>
    <message>
        <source>TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300.</source>
        <translation>TREVALO USB AP：適用於 QM-20、QM-5 和 R300 跑步機的訓練程式與訓練記錄。</translation>
    </message>
    <message>
        <source>Speak this language for this run, whatever the system&apos;s is: %1.</source>
        <translation>本次執行使用此語言，不論系統語言為何：%1。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>代碼</translation>
    </message>
    <message>
        <source>A program file to open on the Edit tab, a workout file (FIT, TCX or ZWO) to import there, or a record file to open on the Record tab.</source>
        <translation>在「編輯」分頁中開啟的程式檔案、在那裡匯入的訓練檔案（FIT、TCX 或 ZWO），或在「記錄」分頁中開啟的記錄檔案。</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[檔案]</translation>
    </message>
</context>
<context>
    <name>plans</name>
    <message>
        <source>These steps end on a button press or a reading rather than a time or a distance, so each runs for %1 minutes: %2.</source>
        <translation>這些步驟以按鍵或讀數結束，而不是依時間或距離，因此每步跑 %1 分鐘：%2。</translation>
    </message>
    <message>
        <source>These steps set no speed, so each runs at the speed of the nearest step before it that sets one (or, at the start, of the first step that does): %1.</source>
        <translation>這些步驟沒有設定速度，因此每步都採用之前最近一個有速度的步驟的速度（開頭的則採用第一個有速度的步驟）：%1。</translation>
    </message>
    <message>
        <source>These steps are shorter than one segment (%1), so the program runs them averaged with their neighbours: %2.</source>
        <translation>這些步驟短於一個分段（%1），因此程式將它們與相鄰步驟平均後執行：%2。</translation>
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
        <translation>%1 的長度為 %2，無法執行。</translation>
    </message>
    <message>
        <source>%1 sets a speed of %2 m/s, which cannot be run.</source>
        <translation>%1 設定的速度為 %2 m/s，無法執行。</translation>
    </message>
    <message>
        <source>%1 sets an incline that is not a number.</source>
        <translation>%1 設定的坡度不是數字。</translation>
    </message>
    <message>
        <source>The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program needs speeds.</source>
        <translation>該訓練的所有步驟都沒有設定速度（可能是騎乘或心率訓練）；跑步機程式需要速度。</translation>
    </message>
    <message>
        <source>The workout has no steps.</source>
        <translation>該訓練沒有步驟。</translation>
    </message>
    <message>
        <source>%1 covers %2 m at a speed of 0, so it never ends.</source>
        <translation>%1 以 0 的速度跑 %2 公尺，因此永遠不會結束。</translation>
    </message>
    <message>
        <source>The workout lasts more than 24 hours (by %1); that is too long to import.</source>
        <translation>該訓練超過 24 小時（從%1起）；太長，無法匯入。</translation>
    </message>
    <message>
        <source>The workout has no length: every step lasts 0 seconds.</source>
        <translation>該訓練沒有時長：每一步都是 0 秒。</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>The workout holds no readings.</source>
        <translation>該訓練沒有讀數。</translation>
    </message>
    <message>
        <source>The workout has no length.</source>
        <translation>該訓練沒有時長。</translation>
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
        <translation>%1：設為 %2，即 %3 在%4模式下的最高速度（訓練中最高達到 %5）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest speed the %3 offers in %4 mode (the workout ran down to %5).</source>
        <translation>%1：設為 %2，即 %3 在%4模式下的最低速度（訓練中最低降到 %5）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest incline the %3 offers in %4 mode (the workout climbed up to %5).</source>
        <translation>%1：設為 %2，即 %3 在%4模式下的最大坡度（訓練中最高達到 %5）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest incline the %3 offers in %4 mode (the workout climbed down to %5).</source>
        <translation>%1：設為 %2，即 %3 在%4模式下的最小坡度（訓練中最低降到 %5）。</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the longest the %3 offers in %4 mode.</source>
        <translation>該訓練持續 %1 分鐘：時間設為 %2，即 %3 在%4模式下的最長時間。</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the shortest the %3 offers in %4 mode.</source>
        <translation>該訓練持續 %1 分鐘：時間設為 %2，即 %3 在%4模式下的最短時間。</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the highest the %3 offers.</source>
        <translation>體重 %1 設為 %2，即 %3 提供的最大值。</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the lowest the %3 offers.</source>
        <translation>體重 %1 設為 %2，即 %3 提供的最小值。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀髮</translation>
    </message>
</context>
<context>
    <name>program_file</name>
    <message>
        <source>%1

The program may have been made for another model, unit or mode.</source>
        <translation>%1

該程式可能是為其他型號、單位或模式製作的。</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a program file holds 65. It may be a record file or no treadmill file.</source>
        <translation>該檔案有 %1 個位元組；程式檔案為 65 個位元組。它可能是記錄檔案，也可能根本不是跑步機檔案。</translation>
    </message>
    <message>
        <source>The file&apos;s last byte is %1; a program file ends in 0. It may be no treadmill file.</source>
        <translation>該檔案的最後一個位元組是 %1；程式檔案以 0 結尾。它可能不是跑步機檔案。</translation>
    </message>
    <message>
        <source>The weight of %1 LBS and of %2 KG disagree: the file is damaged.</source>
        <translation>體重 %1 LBS 與 %2 KG 不一致：檔案已損毀。</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH and %3 KPH disagree: the file is damaged.</source>
        <translation>第 %1 段：%2 MPH 與 %3 km/h 不一致：檔案已損毀。</translation>
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
        <translation>%2 在%3模式下不提供 %1 分鐘的訓練時間。</translation>
    </message>
    <message>
        <source>A weight of %1 LBS is not offered by the %2 in %3 mode.</source>
        <translation>%2 在%3模式下不提供 %1 LBS 的體重。</translation>
    </message>
    <message>
        <source>A weight of %1 KG is not offered by the %2 in %3 mode.</source>
        <translation>%2 在%3模式下不提供 %1 KG 的體重。</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>The workout holds %1 sample; a program needs at least two.</source>
        <translation>該訓練只有 %1 個取樣；程式至少需要兩個。</translation>
    </message>
    <message>
        <source>The workout holds %1 samples; a program needs at least two.</source>
        <translation>該訓練只有 %1 個取樣；程式至少需要兩個。</translation>
    </message>
    <message>
        <source>The workout lasts no time: every sample shows the same time.</source>
        <translation>該訓練沒有時長：每個取樣顯示的時間都相同。</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是數字</translation>
    </message>
    <message>
        <source>a number too large to store</source>
        <translation>數字太大，無法儲存</translation>
    </message>
    <message>
        <source>a workout line before the first date line</source>
        <translation>第一個日期行之前的訓練行</translation>
    </message>
    <message>
        <source>more than 1024 workouts in one file</source>
        <translation>一個檔案中超過 1024 個訓練</translation>
    </message>
    <message>
        <source>more than 1025 samples in one workout</source>
        <translation>一個訓練中超過 1025 個取樣</translation>
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
        <translation>檔案為空。</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>體重</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>卡路里</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分鐘</translation>
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
        <translation>速度，取樣 %1：%2</translation>
    </message>
    <message>
        <source>Incline, sample %1: %2</source>
        <translation>坡度，取樣 %1：%2</translation>
    </message>
    <message>
        <source>no sample</source>
        <translation>無取樣</translation>
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
        <translation>%2 個燈中亮了 %1 個</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>未顯示訓練</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Samples %1 to %2, pulse in beats per minute: %3</source>
        <translation>取樣 %1 至 %2，心率（次/分鐘）：%3</translation>
    </message>
    <message>
        <source>No workout shown</source>
        <translation>未顯示訓練</translation>
    </message>
    <message>
        <source>%1, samples %2 to %3</source>
        <translation>%1，取樣 %2 至 %3</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>卡路里</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>體重</translation>
    </message>
    <message>
        <source>Time(m:s) %1</source>
        <translation>時間(分:秒) %1</translation>
    </message>
    <message>
        <source>Calories：%1 Kcal</source>
        <translation>卡路里：%1 大卡</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>距離：%1 英里</translation>
    </message>
    <message>
        <source>Distance：%1 KM</source>
        <translation>距離：%1 公里</translation>
    </message>
    <message>
        <source>Weight：%1 LBS</source>
        <translation>體重：%1 磅</translation>
    </message>
    <message>
        <source>Weight：%1 KG</source>
        <translation>體重：%1 公斤</translation>
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
        <translation>%1 公尺</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時長</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>取樣數</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 kcal</source>
        <translation>%1 次訓練，%2，%3，%4 大卡</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 kcal</source>
        <translation>%1 次訓練，%2，%3，%4 大卡</translation>
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
        <translation>速度指示燈</translation>
    </message>
    <message>
        <source>Incline lamps</source>
        <translation>坡度指示燈</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>產品</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀髮</translation>
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
        <translation>設定時間(分)</translation>
    </message>
    <message>
        <source>USB Device</source>
        <translation>USB裝置</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportCommand</name>
    <message>
        <source>The workout&apos;s date line &quot;%1&quot; gives no date and time.
When did the workout start?</source>
        <translation>訓練的日期行「%1」沒有給出日期和時間。
訓練是什麼時候開始的？</translation>
    </message>
    <message>
        <source>The workout was not exported.</source>
        <translation>訓練未匯出。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportProgramCommand</name>
    <message>
        <source>The program was not exported.</source>
        <translation>程式未匯出。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::Form1</name>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記錄</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>The program has changes that are not saved.

Save them before closing?</source>
        <translation>程式有尚未儲存的變更。

關閉前要儲存嗎？</translation>
    </message>
    <message>
        <source>Drop one record file, program file or workout file on the window to open it.

Several files or a folder cannot be opened at once.</source>
        <translation>將一個記錄檔案、程式檔案或訓練檔案拖放到視窗上即可開啟。

無法一次開啟多個檔案或一個資料夾。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>歷史</translation>
    </message>
    <message>
        <source>Keep every workout opened</source>
        <translation>保存每個開啟的訓練</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>Workouts kept</source>
        <translation>已保存的訓練</translation>
    </message>
    <message>
        <source>Personal bests</source>
        <translation>個人最佳</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Totals per</source>
        <translation>彙總方式</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>週</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Totals per period</source>
        <translation>各時段彙總</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>產生程式…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>匯出…</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>忘記</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>全部匯出…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>單位：</translation>
    </message>
    <message>
        <source>Forget 1 workout?</source>
        <translation>忘記 1 次訓練？</translation>
    </message>
    <message>
        <source>Forget %1 workouts?</source>
        <translation>忘記 %1 次訓練？</translation>
    </message>
    <message>
        <source>They are removed from the history and are not kept again when their file is opened again.</source>
        <translation>它們將從歷史中移除，再次開啟其檔案時也不會重新保存。</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV，每個訓練一列 (*.csv)</translation>
    </message>
    <message>
        <source>The history was not exported.</source>
        <translation>歷史未匯出。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ImportCommand</name>
    <message>
        <source>The workout was not imported.</source>
        <translation>訓練未匯入。</translation>
    </message>
    <message>
        <source>The file holds %1 bytes, far more than a workout file.</source>
        <translation>該檔案有 %1 個位元組，遠大於訓練檔案。</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab.</source>
        <translation>該訓練現在是「編輯」分頁中的程式。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::MakeProgramCommand</name>
    <message>
        <source>No program was made.

%1</source>
        <translation>未產生程式。

%1</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab. Some values lay beyond what the lists offer:</source>
        <translation>該訓練現在是「編輯」分頁中的程式。有些數值超出了清單提供的範圍：</translation>
    </message>
</context>
<context>
    <name>trevalo::app::OpenCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>程式檔案(*.cus)</translation>
    </message>
    <message>
        <source>The program was not opened.</source>
        <translation>程式未開啟。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::PeriodChart</name>
    <message>
        <source>Distance and pace per period</source>
        <translation>各時段的距離與配速</translation>
    </message>
    <message>
        <source>no workouts kept</source>
        <translation>沒有已保存的訓練</translation>
    </message>
    <message>
        <source>%1 to %2, up to %3 %4 a period</source>
        <translation>%1 至 %2，每個時段最多 %3 %4</translation>
    </message>
    <message>
        <source>Distance up to %1 %2</source>
        <translation>距離 最多 %1 %2</translation>
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
        <translation>將圖表儲存為圖片…</translation>
    </message>
    <message>
        <source>Pulse chart</source>
        <translation>心率圖表</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>訓練</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>All Workouts…</source>
        <translation>全部訓練…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>匯出…</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>產生程式…</translation>
    </message>
    <message>
        <source>Samples shown</source>
        <translation>顯示的取樣</translation>
    </message>
    <message>
        <source>Record Files(*.cus)</source>
        <translation>記錄檔案(*.cus)</translation>
    </message>
    <message>
        <source>The record file could not be opened.</source>
        <translation>無法開啟記錄檔案。</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>正在讀取 %1…</translation>
    </message>
    <message>
        <source>The record file could not be read to its end.</source>
        <translation>無法將記錄檔案讀到結尾。</translation>
    </message>
    <message>
        <source>The record file could not be read.</source>
        <translation>無法讀取記錄檔案。</translation>
    </message>
    <message>
        <source>No workouts were found in
%1</source>
        <translation>未找到訓練：
%1</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>The charts were not saved.</source>
        <translation>圖表未儲存。</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>歷史…</translation>
    </message>
</context>
<context>
    <name>trevalo::app::SaveCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>程式檔案(*.cus)</translation>
    </message>
    <message>
        <source>The program was not saved.</source>
        <translation>程式未儲存。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutChartView</name>
    <message>
        <source>Whole workout</source>
        <translation>完整訓練</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>未顯示訓練</translation>
    </message>
    <message>
        <source>%1 samples over %2 minutes; speed up to %3, incline up to %4 %, pulse up to %5; samples %6 to %7 shown on the Record tab</source>
        <translation>%2 分鐘內 %1 個取樣；速度最高 %3，坡度最高 %4 %，心率最高 %5；「記錄」分頁中顯示取樣 %6 至 %7</translation>
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
        <translation>%1 分鐘</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutsWindow</name>
    <message>
        <source>All Workouts</source>
        <translation>全部訓練</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>訓練</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>全部匯出…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV，每個訓練一列 (*.csv)</translation>
    </message>
    <message>
        <source>The workouts were not exported.</source>
        <translation>訓練未匯出。</translation>
    </message>
</context>
</TS>
