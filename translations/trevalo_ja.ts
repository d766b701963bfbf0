<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>画像を PNG に変換できませんでした。</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change of the program</source>
        <translation>プログラムの変更</translation>
    </message>
</context>
<context>
    <name>LoadProgress</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File Save As  %1 Success!</source>
        <translation>ファイルを保存しました  %1  成功！</translation>
    </message>
    <message>
        <source>%1

Could not write the file
%2

%3</source>
        <translation>%1

ファイルを書き込めませんでした
%2

%3</translation>
    </message>
</context>
<context>
    <name>PaceDialog</name>
    <message>
        <source>mile</source>
        <translation>マイル</translation>
    </message>
    <message>
        <source>kilometre</source>
        <translation>キロメートル</translation>
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
        <translation>閾値ペース</translation>
    </message>
    <message>
        <source>The workout&apos;s speeds are parts of your threshold pace: the pace you can hold for about an hour.

Your threshold pace, per %1:</source>
        <translation>このワークアウトの速度は閾値ペース（約1時間維持できるペース）に対する割合で指定されています。

あなたの閾値ペース（1%1あたり）：</translation>
    </message>
    <message>
        <source>Steady pace</source>
        <translation>一定ペース</translation>
    </message>
    <message>
        <source>The workout is a hill session: it gives the slopes, and you choose one pace to run them all at.

Your pace, per %1:</source>
        <translation>このワークアウトは坂道トレーニングです。傾斜が指定されており、すべてを走る一定のペースを選びます。

あなたのペース（1%1あたり）：</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Save the program as a file</source>
        <translation>プログラムをファイルに保存</translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation>プログラムファイルを開く</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>記録ファイルを開く</translation>
    </message>
</context>
<context>
    <name>SummaryFrame</name>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Program summary</source>
        <translation>プログラムの概要</translation>
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
        <translation>体重設定(LBS)</translation>
    </message>
    <message>
        <source>Set_Weight(KG)</source>
        <translation>体重設定(KG)</translation>
    </message>
    <message>
        <source>Speed, segment %1, level %2</source>
        <translation>速度、セグメント %1、レベル %2</translation>
    </message>
    <message>
        <source>Incline, segment %1, level %2</source>
        <translation>傾斜、セグメント %1、レベル %2</translation>
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
        <translation>点灯；クリックに反応しません</translation>
    </message>
    <message>
        <source>not lit; does not react to clicks</source>
        <translation>消灯；クリックに反応しません</translation>
    </message>
    <message>
        <source>lit; a click sets %1</source>
        <translation>点灯；クリックで %1 に設定</translation>
    </message>
    <message>
        <source>not lit; a click sets %1</source>
        <translation>消灯；クリックで %1 に設定</translation>
    </message>
    <message>
        <source>Speed of segment %1</source>
        <translation>セグメント %1 の速度</translation>
    </message>
    <message>
        <source>Incline of segment %1</source>
        <translation>セグメント %1 の傾斜</translation>
    </message>
    <message>
        <source>Treadmill model</source>
        <translation>トレッドミルの機種</translation>
    </message>
    <message>
        <source>Workout time in minutes</source>
        <translation>ワークアウト時間（分）</translation>
    </message>
    <message>
        <source>User weight</source>
        <translation>ユーザーの体重</translation>
    </message>
    <message>
        <source>Segment：%1</source>
        <translation>セグメント：%1</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>距離：%1 マイル</translation>
    </message>
    <message>
        <source>Distance：%1 km</source>
        <translation>距離：%1 km</translation>
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
        <translation>上昇：%1 ft</translation>
    </message>
    <message>
        <source>Climb：%1 m</source>
        <translation>上昇：%1 m</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>FIT activity (*.fit)</source>
        <translation>FIT アクティビティ (*.fit)</translation>
    </message>
    <message>
        <source>Training Center XML (*.tcx)</source>
        <translation>Training Center XML (*.tcx)</translation>
    </message>
    <message>
        <source>CSV, one row per sample (*.csv)</source>
        <translation>CSV、サンプルごとに1行 (*.csv)</translation>
    </message>
    <message>
        <source>FIT workout (*.fit)</source>
        <translation>FIT ワークアウト (*.fit)</translation>
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
        <translation>リンクをたどれませんでした</translation>
    </message>
    <message>
        <source>Could not replace the file: it is a device or a pipe, not a regular file</source>
        <translation>ファイルを置き換えられませんでした：通常のファイルではなく、デバイスまたはパイプです</translation>
    </message>
    <message>
        <source>Could not create a file in the folder</source>
        <translation>フォルダーにファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>Could not write the content</source>
        <translation>内容を書き込めませんでした</translation>
    </message>
    <message>
        <source>Could not save the content to the disk</source>
        <translation>内容をディスクに保存できませんでした</translation>
    </message>
    <message>
        <source>Could not finish the file</source>
        <translation>ファイルを完了できませんでした</translation>
    </message>
    <message>
        <source>Could not put the new file in place</source>
        <translation>新しいファイルを所定の場所に置けませんでした</translation>
    </message>
    <message>
        <source>This is a folder, not a file that can be read.</source>
        <translation>これはフォルダーで、読み込めるファイルではありません。</translation>
    </message>
    <message>
        <source>This is a named pipe, not a file that can be read.</source>
        <translation>これは名前付きパイプで、読み込めるファイルではありません。</translation>
    </message>
    <message>
        <source>This is a socket, not a file that can be read.</source>
        <translation>これはソケットで、読み込めるファイルではありません。</translation>
    </message>
    <message>
        <source>This is a device, not a file that can be read.</source>
        <translation>これはデバイスで、読み込めるファイルではありません。</translation>
    </message>
    <message>
        <source>This is not a regular file, not a file that can be read.</source>
        <translation>これは通常のファイルではなく、読み込めません。</translation>
    </message>
</context>
<context>
    <name>fit</name>
    <message>
        <source>byte %1</source>
        <translation>%1 バイト目</translation>
    </message>
    <message>
        <source>The file is damaged: %1 (%2).</source>
        <translation>ファイルが壊れています：%1（%2）。</translation>
    </message>
    <message>
        <source>a definition message runs past the end of the messages</source>
        <translation>定義メッセージがメッセージの末尾を越えています</translation>
    </message>
    <message>
        <source>a definition message gives architecture %1; only 0 (little-endian) and 1 (big-endian) exist</source>
        <translation>定義メッセージがアーキテクチャ %1 を示しています。存在するのは 0（リトルエンディアン）と 1（ビッグエンディアン）だけです</translation>
    </message>
    <message>
        <source>a data message uses local message type %1, which no definition before it declares</source>
        <translation>データメッセージがローカルメッセージタイプ %1 を使っていますが、それより前のどの定義にもありません</translation>
    </message>
    <message>
        <source>a data message runs past the end of the messages</source>
        <translation>データメッセージがメッセージの末尾を越えています</translation>
    </message>
    <message>
        <source>after its FIT data come %1 bytes that are not FIT data</source>
        <translation>FIT データの後に FIT データではない %1 バイトが続いています</translation>
    </message>
    <message>
        <source>its check sum does not match</source>
        <translation>チェックサムが一致しません</translation>
    </message>
    <message>
        <source>This is not a FIT file: it is %1 bytes long, shorter than any FIT file&apos;s header.</source>
        <translation>FIT ファイルではありません：長さが %1 バイトで、どの FIT ファイルのヘッダーよりも短いです。</translation>
    </message>
    <message>
        <source>This is not a FIT file: it does not begin as one (no &quot;.FIT&quot; at %1).</source>
        <translation>FIT ファイルではありません：FIT ファイルの先頭の形になっていません（%1 に &quot;.FIT&quot; がありません）。</translation>
    </message>
    <message>
        <source>This is not a FIT file: its header would be %1 bytes long, not 12 or 14 (%2).</source>
        <translation>FIT ファイルではありません：ヘッダーの長さが 12 でも 14 でもなく %1 バイトになります（%2）。</translation>
    </message>
    <message>
        <source>This FIT file is of a newer kind than this tool reads: protocol version %1.%2, where it reads up to 2 (%3).</source>
        <translation>この FIT ファイルは、このツールが読める形式より新しい形式です：プロトコルバージョン %1.%2（読めるのは 2 まで）（%3）。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside its header (%1).</source>
        <translation>ファイルが途中で切れています：ヘッダーの途中で終わっています（%1）。</translation>
    </message>
    <message>
        <source>The file is damaged: its header&apos;s check sum does not match (%1).</source>
        <translation>ファイルが壊れています：ヘッダーのチェックサムが一致しません（%1）。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends %1 bytes before the end its header announces (%2).</source>
        <translation>ファイルが途中で切れています：ヘッダーが示す終わりより %1 バイト手前で終わっています（%2）。</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: it has no file_id message, where a FIT file names its kind.</source>
        <translation>この FIT ファイルは内容を示していません：FIT ファイルが種類を示す file_id メッセージがありません。</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: its file_id message gives no file type (%1).</source>
        <translation>この FIT ファイルは内容を示していません：file_id メッセージにファイルの種類がありません（%1）。</translation>
    </message>
    <message>
        <source>a description of a device</source>
        <translation>デバイスの説明</translation>
    </message>
    <message>
        <source>a device&apos;s settings</source>
        <translation>デバイスの設定</translation>
    </message>
    <message>
        <source>sport settings</source>
        <translation>スポーツ設定</translation>
    </message>
    <message>
        <source>an activity</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>a workout</source>
        <translation>ワークアウト</translation>
    </message>
    <message>
        <source>a course</source>
        <translation>コース</translation>
    </message>
    <message>
        <source>a training schedule</source>
        <translation>トレーニングスケジュール</translation>
    </message>
    <message>
        <source>weight readings</source>
        <translation>体重の記録</translation>
    </message>
    <message>
        <source>totals of past activities</source>
        <translation>過去のアクティビティの合計</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>blood pressure readings</source>
        <translation>血圧の記録</translation>
    </message>
    <message>
        <source>all-day monitoring data</source>
        <translation>終日モニタリングデータ</translation>
    </message>
    <message>
        <source>a summary of an activity</source>
        <translation>アクティビティの概要</translation>
    </message>
    <message>
        <source>daily monitoring totals</source>
        <translation>日ごとのモニタリング合計</translation>
    </message>
    <message>
        <source>a segment</source>
        <translation>セグメント</translation>
    </message>
    <message>
        <source>a list of segments</source>
        <translation>セグメントの一覧</translation>
    </message>
    <message>
        <source>data screen settings</source>
        <translation>データ画面の設定</translation>
    </message>
    <message>
        <source>sleep data</source>
        <translation>睡眠データ</translation>
    </message>
    <message>
        <source>data of its maker&apos;s own kind (FIT file type %1)</source>
        <translation>メーカー独自の種類のデータ（FIT ファイルタイプ %1）</translation>
    </message>
    <message>
        <source>data of a kind this tool does not know (FIT file type %1)</source>
        <translation>このツールが知らない種類のデータ（FIT ファイルタイプ %1）</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not %2.</source>
        <translation>この FIT ファイルの内容は%1で、%2ではありません。</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>ランニング</translation>
    </message>
    <message>
        <source>a ride</source>
        <translation>サイクリング</translation>
    </message>
    <message>
        <source>a transition between two sports</source>
        <translation>2 種目間のトランジション</translation>
    </message>
    <message>
        <source>a session on fitness equipment</source>
        <translation>フィットネス機器でのトレーニング</translation>
    </message>
    <message>
        <source>a swim</source>
        <translation>スイム</translation>
    </message>
    <message>
        <source>a basketball game</source>
        <translation>バスケットボールの試合</translation>
    </message>
    <message>
        <source>a football (soccer) game</source>
        <translation>サッカーの試合</translation>
    </message>
    <message>
        <source>a tennis match</source>
        <translation>テニスの試合</translation>
    </message>
    <message>
        <source>an American football game</source>
        <translation>アメリカンフットボールの試合</translation>
    </message>
    <message>
        <source>a training session</source>
        <translation>トレーニング</translation>
    </message>
    <message>
        <source>a walk</source>
        <translation>ウォーキング</translation>
    </message>
    <message>
        <source>a cross-country skiing session</source>
        <translation>クロスカントリースキー</translation>
    </message>
    <message>
        <source>an alpine skiing session</source>
        <translation>アルペンスキー</translation>
    </message>
    <message>
        <source>a snowboarding session</source>
        <translation>スノーボード</translation>
    </message>
    <message>
        <source>a rowing session</source>
        <translation>ローイング</translation>
    </message>
    <message>
        <source>a mountaineering tour</source>
        <translation>登山</translation>
    </message>
    <message>
        <source>a hike</source>
        <translation>ハイキング</translation>
    </message>
    <message>
        <source>a multisport race</source>
        <translation>マルチスポーツレース</translation>
    </message>
    <message>
        <source>a paddling session</source>
        <translation>パドリング</translation>
    </message>
    <message>
        <source>a flight</source>
        <translation>フライト</translation>
    </message>
    <message>
        <source>an e-bike ride</source>
        <translation>E-バイク</translation>
    </message>
    <message>
        <source>a motorcycle ride</source>
        <translation>バイクツーリング</translation>
    </message>
    <message>
        <source>a boat trip</source>
        <translation>ボート</translation>
    </message>
    <message>
        <source>a drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>a round of golf</source>
        <translation>ゴルフ</translation>
    </message>
    <message>
        <source>a hang-gliding flight</source>
        <translation>ハンググライダー</translation>
    </message>
    <message>
        <source>a horse ride</source>
        <translation>乗馬</translation>
    </message>
    <message>
        <source>a hunt</source>
        <translation>狩猟</translation>
    </message>
    <message>
        <source>a fishing trip</source>
        <translation>釣り</translation>
    </message>
    <message>
        <source>an inline skating session</source>
        <translation>インラインスケート</translation>
    </message>
    <message>
        <source>a rock climb</source>
        <translation>ロッククライミング</translation>
    </message>
    <message>
        <source>a sail</source>
        <translation>セーリング</translation>
    </message>
    <message>
        <source>an ice skating session</source>
        <translation>アイススケート</translation>
    </message>
    <message>
        <source>a skydive</source>
        <translation>スカイダイビング</translation>
    </message>
    <message>
        <source>a snowshoe hike</source>
        <translation>スノーシュー</translation>
    </message>
    <message>
        <source>a snowmobile ride</source>
        <translation>スノーモービル</translation>
    </message>
    <message>
        <source>a stand-up paddleboarding session</source>
        <translation>スタンドアップパドルボード</translation>
    </message>
    <message>
        <source>a surfing session</source>
        <translation>サーフィン</translation>
    </message>
    <message>
        <source>a wakeboarding session</source>
        <translation>ウェイクボード</translation>
    </message>
    <message>
        <source>a water skiing session</source>
        <translation>水上スキー</translation>
    </message>
    <message>
        <source>a kayaking trip</source>
        <translation>カヤック</translation>
    </message>
    <message>
        <source>a rafting trip</source>
        <translation>ラフティング</translation>
    </message>
    <message>
        <source>a windsurfing session</source>
        <translation>ウィンドサーフィン</translation>
    </message>
    <message>
        <source>a kitesurfing session</source>
        <translation>カイトサーフィン</translation>
    </message>
    <message>
        <source>a tactical activity</source>
        <translation>タクティカル</translation>
    </message>
    <message>
        <source>a parachute jump</source>
        <translation>パラシュート降下</translation>
    </message>
    <message>
        <source>a boxing session</source>
        <translation>ボクシング</translation>
    </message>
    <message>
        <source>a stair climb</source>
        <translation>階段上り</translation>
    </message>
    <message>
        <source>a baseball game</source>
        <translation>野球の試合</translation>
    </message>
    <message>
        <source>a dive</source>
        <translation>ダイビング</translation>
    </message>
    <message>
        <source>a shooting session</source>
        <translation>射撃</translation>
    </message>
    <message>
        <source>a winter sport session</source>
        <translation>ウィンタースポーツ</translation>
    </message>
    <message>
        <source>a grinding session</source>
        <translation>グラインディング</translation>
    </message>
    <message>
        <source>a HIIT workout</source>
        <translation>HIIT</translation>
    </message>
    <message>
        <source>a video gaming session</source>
        <translation>ビデオゲーム</translation>
    </message>
    <message>
        <source>a racket sport game</source>
        <translation>ラケットスポーツ</translation>
    </message>
    <message>
        <source>a wheelchair push at walking pace</source>
        <translation>車いす（歩行ペース）</translation>
    </message>
    <message>
        <source>a wheelchair push at running pace</source>
        <translation>車いす（ランニングペース）</translation>
    </message>
    <message>
        <source>a meditation</source>
        <translation>瞑想</translation>
    </message>
    <message>
        <source>a para sport session</source>
        <translation>パラスポーツ</translation>
    </message>
    <message>
        <source>a round of disc golf</source>
        <translation>ディスクゴルフ</translation>
    </message>
    <message>
        <source>a team sport game</source>
        <translation>チームスポーツ</translation>
    </message>
    <message>
        <source>a cricket match</source>
        <translation>クリケットの試合</translation>
    </message>
    <message>
        <source>a rugby match</source>
        <translation>ラグビーの試合</translation>
    </message>
    <message>
        <source>a hockey game</source>
        <translation>ホッケーの試合</translation>
    </message>
    <message>
        <source>a lacrosse game</source>
        <translation>ラクロスの試合</translation>
    </message>
    <message>
        <source>a volleyball game</source>
        <translation>バレーボールの試合</translation>
    </message>
    <message>
        <source>a water tubing ride</source>
        <translation>ウォーターチュービング</translation>
    </message>
    <message>
        <source>a wakesurfing session</source>
        <translation>ウェイクサーフィン</translation>
    </message>
    <message>
        <source>a water sport session</source>
        <translation>ウォータースポーツ</translation>
    </message>
    <message>
        <source>an archery session</source>
        <translation>アーチェリー</translation>
    </message>
    <message>
        <source>a mixed martial arts session</source>
        <translation>総合格闘技</translation>
    </message>
    <message>
        <source>a motor sport session</source>
        <translation>モータースポーツ</translation>
    </message>
    <message>
        <source>a snorkelling trip</source>
        <translation>シュノーケリング</translation>
    </message>
    <message>
        <source>a dance</source>
        <translation>ダンス</translation>
    </message>
    <message>
        <source>a jump rope session</source>
        <translation>縄跳び</translation>
    </message>
    <message>
        <source>a pool apnea session</source>
        <translation>プールでのアプネア</translation>
    </message>
    <message>
        <source>a mobility session</source>
        <translation>モビリティ</translation>
    </message>
    <message>
        <source>a geocaching trip</source>
        <translation>ジオキャッシング</translation>
    </message>
    <message>
        <source>a canoe trip</source>
        <translation>カヌー</translation>
    </message>
    <message>
        <source>an activity of no sport in particular</source>
        <translation>特定のスポーツではないアクティビティ</translation>
    </message>
    <message>
        <source>an indoor ride</source>
        <translation>インドアサイクリング</translation>
    </message>
    <message>
        <source>a session on a rowing machine</source>
        <translation>ローイングマシン</translation>
    </message>
    <message>
        <source>a session on an elliptical trainer</source>
        <translation>エリプティカル</translation>
    </message>
    <message>
        <source>a session on a stair climber</source>
        <translation>ステップマシン</translation>
    </message>
    <message>
        <source>a session on a ski machine</source>
        <translation>スキーマシン</translation>
    </message>
    <message>
        <source>an activity of a sport this tool does not know (FIT sport %1)</source>
        <translation>このツールが知らないスポーツのアクティビティ（FIT スポーツ %1）</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>The folder %1 could not be kept for the next dialog in %2.</source>
        <translation>フォルダー %1 を次回のダイアログ用に %2 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>The training history cannot be kept in %1: %2.</source>
        <translation>トレーニング履歴を %1 に保存できません: %2。</translation>
    </message>
    <message>
        <source>The training history %1 cannot be read: %2.</source>
        <translation>トレーニング履歴 %1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo: it is shown, and nothing is kept in it.</source>
        <translation>トレーニング履歴 %1 は新しいバージョンの trevalo で作成されました。表示はしますが、何も保存しません。</translation>
    </message>
    <message>
        <source>it cannot be read (%1) nor moved aside (%2)</source>
        <translation>読み込むことも (%1)、退避することもできません (%2)</translation>
    </message>
    <message>
        <source>The training history %1 could not be read (%2); it was moved to %3 and a new history started.</source>
        <translation>トレーニング履歴 %1 を読み込めませんでした (%2)。%3 に移動し、新しい履歴を開始しました。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one keeps nothing in it.</source>
        <translation>トレーニング履歴 %1 は新しいバージョンの trevalo で作成されました。このバージョンは何も保存しません。</translation>
    </message>
    <message>
        <source>The training history %1 could not keep the workouts: %2.</source>
        <translation>トレーニング履歴 %1 にワークアウトを保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one changes nothing in it.</source>
        <translation>トレーニング履歴 %1 は新しいバージョンの trevalo で作成されました。このバージョンは何も変更しません。</translation>
    </message>
    <message>
        <source>The training history %1 could not forget the workouts: %2.</source>
        <translation>トレーニング履歴 %1 からワークアウトを削除できませんでした: %2。</translation>
    </message>
    <message>
        <source>The training history %1 could not list its workouts: %2.</source>
        <translation>トレーニング履歴 %1 のワークアウトを一覧にできませんでした: %2。</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its periods: %2.</source>
        <translation>トレーニング履歴 %1 の期間ごとの合計を計算できませんでした: %2。</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its workouts: %2.</source>
        <translation>トレーニング履歴 %1 のワークアウトの合計を計算できませんでした: %2。</translation>
    </message>
    <message>
        <source>The training history %1 could not find the personal bests: %2.</source>
        <translation>トレーニング履歴 %1 の自己ベストを求められませんでした: %2。</translation>
    </message>
    <message>
        <source>The training history %1 could not read a workout: %2.</source>
        <translation>トレーニング履歴 %1 のワークアウトを読み込めませんでした: %2。</translation>
    </message>
    <message>
        <source>The training history %1 has no workout %2.</source>
        <translation>トレーニング履歴 %1 にワークアウト %2 はありません。</translation>
    </message>
    <message>
        <source>The training history %1: the readings of workout %2 do not match its sample count.</source>
        <translation>トレーニング履歴 %1: ワークアウト %2 の記録値がサンプル数と一致しません。</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時間</translation>
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
        <translation>平均ペース (/mi)</translation>
    </message>
    <message>
        <source>Average pace (/km)</source>
        <translation>平均ペース (/km)</translation>
    </message>
    <message>
        <source>Climb (ft)</source>
        <translation>上昇 (ft)</translation>
    </message>
    <message>
        <source>Climb (m)</source>
        <translation>上昇 (m)</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>カロリー</translation>
    </message>
    <message>
        <source>Average pulse</source>
        <translation>平均心拍数</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>ワークアウト数</translation>
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
        <translation>最大上昇</translation>
    </message>
    <message>
        <source>Fastest 1 km</source>
        <translation>最速 1 km</translation>
    </message>
    <message>
        <source>Fastest 1 mile</source>
        <translation>最速 1 マイル</translation>
    </message>
    <message>
        <source>Fastest 5 km</source>
        <translation>最速 5 km</translation>
    </message>
    <message>
        <source>Fastest 10 km</source>
        <translation>最速 10 km</translation>
    </message>
    <message>
        <source>Fastest half marathon</source>
        <translation>最速ハーフマラソン</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 climbed</source>
        <translation>ワークアウト %1 回、%2、%3、上昇 %4</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 climbed</source>
        <translation>ワークアウト %1 回、%2、%3、上昇 %4</translation>
    </message>
</context>
<context>
    <name>imports</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>This is %1, not a run.</source>
        <translation>これは%1で、ランニングではありません。</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>This holds no run: its %1 activities are %2.</source>
        <translation>ランニングが含まれていません：%1 件のアクティビティは%2です。</translation>
    </message>
    <message>
        <source>This file holds several sports but does not say when its run began, so the run cannot be told from the rest (a session without a start time).</source>
        <translation>このファイルには複数のスポーツが含まれていますが、ランニングの開始時刻が示されていないため、ランニングをほかと区別できません（開始時刻のないセッション）。</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the run was imported.</source>
        <translation>このファイルには %1 件のアクティビティ（%2）が含まれています。ランニングだけをインポートしました。</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the runs were imported, one after the other.</source>
        <translation>このファイルには %1 件のアクティビティ（%2）が含まれています。ランニングだけを順番にインポートしました。</translation>
    </message>
    <message>
        <source>The FIT activity has fewer than two records with a time: they give the workout no length.</source>
        <translation>FIT アクティビティに時刻のある記録が 2 件未満のため、ワークアウトの長さがわかりません。</translation>
    </message>
    <message>
        <source>This activity holds no speed or distance: nothing in it tells how fast it went.</source>
        <translation>このアクティビティには速度も距離もありません。どれだけの速さだったかを示すものがありません。</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer; %2 of stops were left out.</source>
        <translation>ウォッチのタイマーでは、ランニングは %1 でした。停止していた %2 は除きました。</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer.</source>
        <translation>ウォッチのタイマーでは、ランニングは %1 でした。</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not a workout or an activity.</source>
        <translation>この FIT ファイルの内容は%1で、ワークアウトでもアクティビティでもありません。</translation>
    </message>
    <message>
        <source>Step %1 (byte %2)</source>
        <translation>ステップ %1（%2 バイト目）</translation>
    </message>
    <message>
        <source>until a time</source>
        <translation>一定の時間まで</translation>
    </message>
    <message>
        <source>until a distance</source>
        <translation>一定の距離まで</translation>
    </message>
    <message>
        <source>until a count of calories</source>
        <translation>一定のカロリーまで</translation>
    </message>
    <message>
        <source>until the heart rate fell below a value</source>
        <translation>心拍数が一定値を下回るまで</translation>
    </message>
    <message>
        <source>until the heart rate rose above a value</source>
        <translation>心拍数が一定値を上回るまで</translation>
    </message>
    <message>
        <source>until the power fell below a value</source>
        <translation>パワーが一定値を下回るまで</translation>
    </message>
    <message>
        <source>until the power rose above a value</source>
        <translation>パワーが一定値を上回るまで</translation>
    </message>
    <message>
        <source>%1 repeats from message index %2, which no step has.</source>
        <translation>%1 はメッセージ番号 %2 から繰り返しますが、その番号のステップはありません。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>%1 repeats from step %2, which does not come before it.</source>
        <translation>%1 はステップ %2 から繰り返しますが、そのステップは前にありません。</translation>
    </message>
    <message>
        <source>Repeat of step %1 %2 was run once.</source>
        <translation>ステップ %1 の繰り返し（%2）は 1 回だけにしました。</translation>
    </message>
    <message>
        <source>Repeat of steps %1 to %2 %3 was run once.</source>
        <translation>ステップ %1～%2 の繰り返し（%3）は 1 回だけにしました。</translation>
    </message>
    <message>
        <source>%1 repeats steps %2 to %3 %4 times: the workout would run beyond 24 hours or 10,000 steps.</source>
        <translation>%1 はステップ %2～%3 を %4 回繰り返します。ワークアウトが 24 時間または 10,000 ステップを超えてしまいます。</translation>
    </message>
    <message>
        <source>%1 takes the workout beyond 24 hours or 10,000 steps.</source>
        <translation>%1 でワークアウトが 24 時間または 10,000 ステップを超えます。</translation>
    </message>
    <message>
        <source>The FIT workout holds no steps to run.</source>
        <translation>FIT ワークアウトに走るステップがありません。</translation>
    </message>
    <message>
        <source>FIT files</source>
        <translation>FIT ファイル</translation>
    </message>
    <message>
        <source>TCX files</source>
        <translation>TCX ファイル</translation>
    </message>
    <message>
        <source>Zwift workouts</source>
        <translation>Zwift ワークアウト</translation>
    </message>
    <message>
        <source>Workouts (%1)</source>
        <translation>ワークアウト (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>Not a TCX activity: the XML is broken at %1: %2</source>
        <translation>TCX アクティビティではありません：XML が %1 で壊れています：%2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the file starts with &lt;%1&gt; at %2, not with &lt;TrainingCenterDatabase&gt;.</source>
        <translation>TCX アクティビティではありません：ファイルが &lt;TrainingCenterDatabase&gt; ではなく &lt;%1&gt;（%2）で始まっています。</translation>
    </message>
    <message>
        <source>The TCX file holds no &lt;Activity&gt;, so there is no workout to read.</source>
        <translation>TCX ファイルに &lt;Activity&gt; がないため、読み込むワークアウトがありません。</translation>
    </message>
    <message>
        <source>This is a ride, not a run. The activity at %1 has the sport &quot;Biking&quot;.</source>
        <translation>これはサイクリングで、ランニングではありません。%1 のアクティビティのスポーツは &quot;Biking&quot; です。</translation>
    </message>
    <message>
        <source>The activity at %1 has the sport %2, which is not a run.</source>
        <translation>%1 のアクティビティのスポーツは %2 で、ランニングではありません。</translation>
    </message>
    <message>
        <source>The activity at %1 has no trackpoints at two different times, so the workout has no length.</source>
        <translation>%1 のアクティビティには異なる 2 つの時刻のトラックポイントがないため、ワークアウトに長さがありません。</translation>
    </message>
    <message>
        <source>&lt;Trackpoint&gt; at %1: the activity grows past %2 trackpoints here.</source>
        <translation>&lt;Trackpoint&gt;（%1）：ここでアクティビティのトラックポイントが %2 を超えます。</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: %2 is not a date and time such as 2026-03-01T06:30:00Z.</source>
        <translation>&lt;Time&gt;（%1）：%2 は 2026-03-01T06:30:00Z のような日時ではありません。</translation>
    </message>
    <message>
        <source>a distance in metres from 0 to 10000000</source>
        <translation>0～10000000 メートルの距離</translation>
    </message>
    <message>
        <source>a height in metres from -100000 to 100000</source>
        <translation>-100000～100000 メートルの高度</translation>
    </message>
    <message>
        <source>a speed in metres per second from 0 to 1000</source>
        <translation>0～1000 メートル毎秒の速度</translation>
    </message>
    <message>
        <source>&lt;%1&gt; at %2: %3 is not %4.</source>
        <translation>&lt;%1&gt;（%2）：%3 は%4ではありません。</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: the activity runs past 24 hours here.</source>
        <translation>&lt;Time&gt;（%1）：ここでアクティビティが 24 時間を超えます。</translation>
    </message>
    <message>
        <source>The activity at %1 holds no speed or distance to run at: none of its trackpoints has a speed, and fewer than two have a distance.</source>
        <translation>%1 のアクティビティには走るための速度も距離もありません。速度のあるトラックポイントがなく、距離のあるものも 2 つ未満です。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>This is not a workout file this tool can import: it is none of %1.</source>
        <translation>このツールでインポートできるワークアウトファイルではありません。次のいずれでもありません：%1。</translation>
    </message>
    <message>
        <source>A hill session: every step runs at the steady pace you gave, at the file&apos;s slopes.</source>
        <translation>坂道トレーニング：すべてのステップを、入力した一定ペースとファイルの傾斜で走ります。</translation>
    </message>
    <message>
        <source>Left out, as this tool does not know what they ask of a run: %1.</source>
        <translation>ランニングに何を求めるものかこのツールにはわからないため、省きました：%1。</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the XML is broken at %1: %2</source>
        <translation>ZWO ワークアウトではありません：XML が %1 で壊れています：%2</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the file starts with &lt;%1&gt; at %2, not with &lt;workout_file&gt;.</source>
        <translation>ZWO ワークアウトではありません：ファイルが &lt;workout_file&gt; ではなく &lt;%1&gt;（%2）で始まっています。</translation>
    </message>
    <message>
        <source>The workout names no sport type, which Zwift reads as a cycling workout: its targets are power, not speed.</source>
        <translation>このワークアウトにはスポーツの種類がなく、Zwift ではサイクリングのワークアウトとして扱われます。目標はパワーで、速度ではありません。</translation>
    </message>
    <message>
        <source>This is a cycling workout (sport type &quot;bike&quot; at %1): its targets are power, not speed.</source>
        <translation>これはサイクリングのワークアウトです（%1 のスポーツ &quot;bike&quot;）。目標はパワーで、速度ではありません。</translation>
    </message>
    <message>
        <source>The workout&apos;s sport type &quot;%1&quot; (%2) is not a run.</source>
        <translation>ワークアウトのスポーツ &quot;%1&quot;（%2）はランニングではありません。</translation>
    </message>
    <message>
        <source>The file holds no &lt;workout&gt;, so there are no steps to run.</source>
        <translation>ファイルに &lt;workout&gt; がないため、走るステップがありません。</translation>
    </message>
    <message>
        <source>&lt;durationType&gt; at %1: &quot;%2&quot; is neither &quot;time&quot; nor &quot;distance&quot;.</source>
        <translation>&lt;durationType&gt;（%1）：&quot;%2&quot; は &quot;time&quot; でも &quot;distance&quot; でもありません。</translation>
    </message>
    <message>
        <source>&lt;thresholdSecPerKm&gt; at %1: &quot;%2&quot; is not a pace in seconds per kilometre from 60 to 3600.</source>
        <translation>&lt;thresholdSecPerKm&gt;（%1）：&quot;%2&quot; は 60～3600 秒/km のペースではありません。</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1（%2 行）</translation>
    </message>
    <message>
        <source>The &lt;workout&gt; at %1 holds no segments to run.</source>
        <translation>%1 の &lt;workout&gt; に走るセグメントがありません。</translation>
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
        <translation>%1：ここでワークアウトが %2 ステップを超えます。</translation>
    </message>
    <message>
        <source>%1: the workout runs past 24 hours here.</source>
        <translation>%1：ここでワークアウトが 24 時間を超えます。</translation>
    </message>
    <message>
        <source>%1: the workout runs past %2 km here.</source>
        <translation>%1：ここでワークアウトが %2 km を超えます。</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 &quot;%2&quot; は数値ではありません</translation>
    </message>
    <message>
        <source>%1 %2 is not between %3 and %4%5</source>
        <translation>%1 %2 が %3～%4%5 の範囲にありません</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>%1 (or %2 and %3) is missing</source>
        <translation>%1（または %2 と %3）がありません</translation>
    </message>
    <message>
        <source>Repeat %1 is not a whole number</source>
        <translation>Repeat %1 は整数ではありません</translation>
    </message>
    <message>
        <source>PowerLow and PowerHigh (or Power) are missing</source>
        <translation>PowerLow と PowerHigh（または Power）がありません</translation>
    </message>
    <message>
        <source> (a share: 0.03 is 3 %)</source>
        <translation>（割合：0.03 は 3 %）</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is no translation &quot;%1&quot;. The languages are: %2.</source>
        <translation>翻訳 &quot;%1&quot; はありません。使用できる言語：%2。</translation>
    </message>
    <message>
        <source>TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300.</source>
        <translation>TREVALO USB AP：QM-20、QM-5、R300 トレッドミル用のワークアウトプログラムとワークアウト記録。</translation>
    </message>
    <message>
        <source>Speak this language for this run, whatever the system&apos;s is: %1.</source>
        <translation>システムの言語に関係なく、今回の起動でこの言語を使います：%1。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>A program file to open on the Edit tab, a workout file (FIT, TCX or ZWO) to import there, or a record file to open on the Record tab.</source>
        <translation>「編集」タブで開くプログラムファイル、そこにインポートするワークアウトファイル（FIT、TCX、ZWO）、または「記録」タブで開く記録ファイル。</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[ファイル]</translation>
    </message>
</context>
<context>
    <name>plans</name>
    <message>
        <source>These steps end on a button press or a reading rather than a time or a distance, so each runs for %1 minutes: %2.</source>
        <translation>これらのステップは時間や距離ではなくボタン操作や測定値で終わるため、それぞれ %1 分にしました：%2。</translation>
    </message>
    <message>
        <source>These steps set no speed, so each runs at the speed of the nearest step before it that sets one (or, at the start, of the first step that does): %1.</source>
        <translation>これらのステップには速度がないため、それぞれ直前で速度のある最も近いステップの速度（最初のほうは、速度のある最初のステップの速度）で走ります：%1。</translation>
    </message>
    <message>
        <source>These steps are shorter than one segment (%1), so the program runs them averaged with their neighbours: %2.</source>
        <translation>これらのステップは 1 セグメント（%1）より短いため、プログラムでは前後のステップと平均して走ります：%2。</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>ステップ %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>ステップ %1</translation>
    </message>
    <message>
        <source>Step %1 (%2)</source>
        <translation>ステップ %1（%2）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 has a length of %2, which cannot be run.</source>
        <translation>%1 の長さは %2 で、走ることができません。</translation>
    </message>
    <message>
        <source>%1 sets a speed of %2 m/s, which cannot be run.</source>
        <translation>%1 の速度は %2 m/s で、走ることができません。</translation>
    </message>
    <message>
        <source>%1 sets an incline that is not a number.</source>
        <translation>%1 の傾斜が数値ではありません。</translation>
    </message>
    <message>
        <source>The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program needs speeds.</source>
        <translation>このワークアウトにはどのステップにも速度がありません（サイクリングや心拍数のワークアウトかもしれません）。トレッドミルのプログラムには速度が必要です。</translation>
    </message>
    <message>
        <source>The workout has no steps.</source>
        <translation>ワークアウトにステップがありません。</translation>
    </message>
    <message>
        <source>%1 covers %2 m at a speed of 0, so it never ends.</source>
        <translation>%1 は速度 0 で %2 m を走るため、終わりません。</translation>
    </message>
    <message>
        <source>The workout lasts more than 24 hours (by %1); that is too long to import.</source>
        <translation>ワークアウトが 24 時間を超えます（%1 の時点で）。インポートするには長すぎます。</translation>
    </message>
    <message>
        <source>The workout has no length: every step lasts 0 seconds.</source>
        <translation>ワークアウトに長さがありません：どのステップも 0 秒です。</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>The workout holds no readings.</source>
        <translation>ワークアウトに測定値がありません。</translation>
    </message>
    <message>
        <source>The workout has no length.</source>
        <translation>ワークアウトに長さがありません。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>セグメント %1</translation>
    </message>
    <message>
        <source>Segments %1</source>
        <translation>セグメント %1</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest speed the %3 offers in %4 mode (the workout ran up to %5).</source>
        <translation>%1：%3 の %4 モードで選べる最高速度の %2 にしました（ワークアウトでは %5 まで出ていました）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest speed the %3 offers in %4 mode (the workout ran down to %5).</source>
        <translation>%1：%3 の %4 モードで選べる最低速度の %2 にしました（ワークアウトでは %5 まで下がっていました）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest incline the %3 offers in %4 mode (the workout climbed up to %5).</source>
        <translation>%1：%3 の %4 モードで選べる最大傾斜の %2 にしました（ワークアウトでは %5 まで上がっていました）。</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest incline the %3 offers in %4 mode (the workout climbed down to %5).</source>
        <translation>%1：%3 の %4 モードで選べる最小傾斜の %2 にしました（ワークアウトでは %5 まで下がっていました）。</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the longest the %3 offers in %4 mode.</source>
        <translation>ワークアウトは %1 分です：時間を %3 の %4 モードで選べる最長の %2 にしました。</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the shortest the %3 offers in %4 mode.</source>
        <translation>ワークアウトは %1 分です：時間を %3 の %4 モードで選べる最短の %2 にしました。</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the highest the %3 offers.</source>
        <translation>体重 %1 を %3 で選べる最大の %2 にしました。</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the lowest the %3 offers.</source>
        <translation>体重 %1 を %3 で選べる最小の %2 にしました。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>シルバー</translation>
    </message>
</context>
<context>
    <name>program_file</name>
    <message>
        <source>%1

The program may have been made for another model, unit or mode.</source>
        <translation>%1

このプログラムは別の機種、単位、またはモード用に作られたのかもしれません。</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a program file holds 65. It may be a record file or no treadmill file.</source>
        <translation>ファイルは %1 バイトです。プログラムファイルは 65 バイトです。記録ファイルか、トレッドミルのファイルではないのかもしれません。</translation>
    </message>
    <message>
        <source>The file&apos;s last byte is %1; a program file ends in 0. It may be no treadmill file.</source>
        <translation>ファイルの最後のバイトが %1 です。プログラムファイルは 0 で終わります。トレッドミルのファイルではないのかもしれません。</translation>
    </message>
    <message>
        <source>The weight of %1 LBS and of %2 KG disagree: the file is damaged.</source>
        <translation>体重 %1 LBS と %2 KG が一致しません：ファイルが壊れています。</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH and %3 KPH disagree: the file is damaged.</source>
        <translation>セグメント %1：%2 MPH と %3 km/h が一致しません：ファイルが壊れています。</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH is not offered by the %3 in %4 mode.</source>
        <translation>セグメント %1：%3 の %4 モードでは %2 MPH を選べません。</translation>
    </message>
    <message>
        <source>Segment %1: %2 KPH is not offered by the %3 in %4 mode.</source>
        <translation>セグメント %1：%3 の %4 モードでは %2 km/h を選べません。</translation>
    </message>
    <message>
        <source>Segment %1: an incline of %2 % is not offered by the %3 in %4 mode.</source>
        <translation>セグメント %1：%3 の %4 モードでは傾斜 %2 % を選べません。</translation>
    </message>
    <message>
        <source>A workout time of %1 minutes is not offered by the %2 in %3 mode.</source>
        <translation>%2 の %3 モードでは %1 分のワークアウト時間を選べません。</translation>
    </message>
    <message>
        <source>A weight of %1 LBS is not offered by the %2 in %3 mode.</source>
        <translation>%2 の %3 モードでは体重 %1 LBS を選べません。</translation>
    </message>
    <message>
        <source>A weight of %1 KG is not offered by the %2 in %3 mode.</source>
        <translation>%2 の %3 モードでは体重 %1 KG を選べません。</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>The workout holds %1 sample; a program needs at least two.</source>
        <translation>ワークアウトのサンプルは %1 件です。プログラムには 2 件以上必要です。</translation>
    </message>
    <message>
        <source>The workout holds %1 samples; a program needs at least two.</source>
        <translation>ワークアウトのサンプルは %1 件です。プログラムには 2 件以上必要です。</translation>
    </message>
    <message>
        <source>The workout lasts no time: every sample shows the same time.</source>
        <translation>ワークアウトに長さがありません：どのサンプルも同じ時間を示しています。</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>数値ではありません</translation>
    </message>
    <message>
        <source>a number too large to store</source>
        <translation>保存するには大きすぎる数値です</translation>
    </message>
    <message>
        <source>a workout line before the first date line</source>
        <translation>最初の日付行より前のワークアウト行です</translation>
    </message>
    <message>
        <source>more than 1024 workouts in one file</source>
        <translation>1 つのファイルに 1024 件を超えるワークアウトがあります</translation>
    </message>
    <message>
        <source>more than 1025 samples in one workout</source>
        <translation>1 つのワークアウトに 1025 件を超えるサンプルがあります</translation>
    </message>
    <message>
        <source>Line %1, %2: %3.</source>
        <translation>%1 行目、%2：%3。</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>%1 行目：%2。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>体重</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>カロリー</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>incline</source>
        <translation>傾斜</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>心拍数</translation>
    </message>
    <message>
        <source>Speed, sample %1: %2</source>
        <translation>速度、サンプル %1：%2</translation>
    </message>
    <message>
        <source>Incline, sample %1: %2</source>
        <translation>傾斜、サンプル %1：%2</translation>
    </message>
    <message>
        <source>no sample</source>
        <translation>サンプルなし</translation>
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
        <translation>%2 個中 %1 個のランプが点灯</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>ワークアウトが表示されていません</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Samples %1 to %2, pulse in beats per minute: %3</source>
        <translation>サンプル %1～%2、心拍数（拍/分）：%3</translation>
    </message>
    <message>
        <source>No workout shown</source>
        <translation>ワークアウトが表示されていません</translation>
    </message>
    <message>
        <source>%1, samples %2 to %3</source>
        <translation>%1、サンプル %2～%3</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>カロリー</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>体重</translation>
    </message>
    <message>
        <source>Time(m:s) %1</source>
        <translation>時間(分:秒) %1</translation>
    </message>
    <message>
        <source>Calories：%1 Kcal</source>
        <translation>カロリー：%1 kcal</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>距離：%1 マイル</translation>
    </message>
    <message>
        <source>Distance：%1 KM</source>
        <translation>距離：%1 km</translation>
    </message>
    <message>
        <source>Weight：%1 LBS</source>
        <translation>体重：%1 LBS</translation>
    </message>
    <message>
        <source>Weight：%1 KG</source>
        <translation>体重：%1 kg</translation>
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
        <translation>平均ペース</translation>
    </message>
    <message>
        <source>Avg pulse</source>
        <translation>平均心拍数</translation>
    </message>
    <message>
        <source>Max pulse</source>
        <translation>最大心拍数</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>上昇</translation>
    </message>
    <message>
        <source>%1 /mile</source>
        <translation>%1 /マイル</translation>
    </message>
    <message>
        <source>%1 /km</source>
        <translation>%1 /km</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1 ft</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>サンプル数</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 kcal</source>
        <translation>ワークアウト %1 件、%2、%3、%4 kcal</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 kcal</source>
        <translation>ワークアウト %1 件、%2、%3、%4 kcal</translation>
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
        <translation>傾斜(%)</translation>
    </message>
    <message>
        <source>Speed lamps</source>
        <translation>速度ランプ</translation>
    </message>
    <message>
        <source>Incline lamps</source>
        <translation>傾斜ランプ</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>シルバー</translation>
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
        <translation>時間設定(分)</translation>
    </message>
    <message>
        <source>USB Device</source>
        <translation>USBデバイス</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>エクスポート</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportCommand</name>
    <message>
        <source>The workout&apos;s date line &quot;%1&quot; gives no date and time.
When did the workout start?</source>
        <translation>ワークアウトの日付行 &quot;%1&quot; には日付と時刻がありません。
ワークアウトはいつ始まりましたか？</translation>
    </message>
    <message>
        <source>The workout was not exported.</source>
        <translation>ワークアウトはエクスポートされませんでした。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportProgramCommand</name>
    <message>
        <source>The program was not exported.</source>
        <translation>プログラムはエクスポートされませんでした。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::Form1</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>The program has changes that are not saved.

Save them before closing?</source>
        <translation>プログラムに保存されていない変更があります。

閉じる前に保存しますか？</translation>
    </message>
    <message>
        <source>Drop one record file, program file or workout file on the window to open it.

Several files or a folder cannot be opened at once.</source>
        <translation>記録ファイル、プログラムファイル、またはワークアウトファイルを 1 つウィンドウにドロップすると開きます。

複数のファイルやフォルダーは一度に開けません。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Keep every workout opened</source>
        <translation>開いたワークアウトをすべて保存</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Workouts kept</source>
        <translation>保存したワークアウト</translation>
    </message>
    <message>
        <source>Personal bests</source>
        <translation>自己ベスト</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Totals per</source>
        <translation>集計単位</translation>
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
        <translation>期間ごとの合計</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>プログラムを作成…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>すべてエクスポート…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>単位:</translation>
    </message>
    <message>
        <source>Forget 1 workout?</source>
        <translation>ワークアウトを 1 件削除しますか?</translation>
    </message>
    <message>
        <source>Forget %1 workouts?</source>
        <translation>ワークアウトを %1 件削除しますか?</translation>
    </message>
    <message>
        <source>They are removed from the history and are not kept again when their file is opened again.</source>
        <translation>履歴から削除され、ファイルをもう一度開いても再び保存されません。</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV、ワークアウトごとに1行 (*.csv)</translation>
    </message>
    <message>
        <source>The history was not exported.</source>
        <translation>履歴はエクスポートされませんでした。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ImportCommand</name>
    <message>
        <source>The workout was not imported.</source>
        <translation>ワークアウトはインポートされませんでした。</translation>
    </message>
    <message>
        <source>The file holds %1 bytes, far more than a workout file.</source>
        <translation>ファイルは %1 バイトあり、ワークアウトファイルにしては大きすぎます。</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab.</source>
        <translation>ワークアウトが「編集」タブのプログラムになりました。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::MakeProgramCommand</name>
    <message>
        <source>No program was made.

%1</source>
        <translation>プログラムは作成されませんでした。

%1</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab. Some values lay beyond what the lists offer:</source>
        <translation>ワークアウトが「編集」タブのプログラムになりました。いくつかの値はリストの範囲外でした：</translation>
    </message>
</context>
<context>
    <name>trevalo::app::OpenCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>プログラムファイル(*.cus)</translation>
    </message>
    <message>
        <source>The program was not opened.</source>
        <translation>プログラムは開かれませんでした。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::PeriodChart</name>
    <message>
        <source>Distance and pace per period</source>
        <translation>期間ごとの距離とペース</translation>
    </message>
    <message>
        <source>no workouts kept</source>
        <translation>保存したワークアウトはありません</translation>
    </message>
    <message>
        <source>%1 to %2, up to %3 %4 a period</source>
        <translation>%1 から %2、期間あたり最大 %3 %4</translation>
    </message>
    <message>
        <source>Distance up to %1 %2</source>
        <translation>距離 最大 %1 %2</translation>
    </message>
    <message>
        <source>Pace %1 to %2 %3</source>
        <translation>ペース %1 ～ %2 %3</translation>
    </message>
</context>
<context>
    <name>trevalo::app::RecordTab</name>
    <message>
        <source>INCLINE(%)</source>
        <translation>傾斜(%)</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>心拍数</translation>
    </message>
    <message>
        <source>Save Charts as Image…</source>
        <translation>グラフを画像として保存…</translation>
    </message>
    <message>
        <source>Pulse chart</source>
        <translation>心拍数グラフ</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>ワークアウト</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>All Workouts…</source>
        <translation>すべてのワークアウト…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>プログラムを作成…</translation>
    </message>
    <message>
        <source>Samples shown</source>
        <translation>表示中のサンプル</translation>
    </message>
    <message>
        <source>Record Files(*.cus)</source>
        <translation>記録ファイル(*.cus)</translation>
    </message>
    <message>
        <source>The record file could not be opened.</source>
        <translation>記録ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 を読み込み中…</translation>
    </message>
    <message>
        <source>The record file could not be read to its end.</source>
        <translation>記録ファイルを最後まで読み込めませんでした。</translation>
    </message>
    <message>
        <source>The record file could not be read.</source>
        <translation>記録ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>No workouts were found in
%1</source>
        <translation>ワークアウトが見つかりませんでした：
%1</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>The charts were not saved.</source>
        <translation>グラフは保存されませんでした。</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>履歴…</translation>
    </message>
</context>
<context>
    <name>trevalo::app::SaveCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>プログラムファイル(*.cus)</translation>
    </message>
    <message>
        <source>The program was not saved.</source>
        <translation>プログラムは保存されませんでした。</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutChartView</name>
    <message>
        <source>Whole workout</source>
        <translation>ワークアウト全体</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>ワークアウトが表示されていません</translation>
    </message>
    <message>
        <source>%1 samples over %2 minutes; speed up to %3, incline up to %4 %, pulse up to %5; samples %6 to %7 shown on the Record tab</source>
        <translation>%2 分間に %1 サンプル。速度は最高 %3、傾斜は最大 %4 %、心拍数は最高 %5。「記録」タブにサンプル %6～%7 を表示中</translation>
    </message>
    <message>
        <source>speed (top %1)</source>
        <translation>速度（最高 %1）</translation>
    </message>
    <message>
        <source>incline (top %1 %)</source>
        <translation>傾斜（最大 %1 %）</translation>
    </message>
    <message>
        <source>pulse (top %1)</source>
        <translation>心拍数（最高 %1）</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutsWindow</name>
    <message>
        <source>All Workouts</source>
        <translation>すべてのワークアウト</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>ワークアウト</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>すべてエクスポート…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV、ワークアウトごとに1行 (*.csv)</translation>
    </message>
    <message>
        <source>The workouts were not exported.</source>
        <translation>ワークアウトはエクスポートされませんでした。</translation>
    </message>
</context>
</TS>
