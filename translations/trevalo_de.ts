<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>Das Bild konnte nicht als PNG kodiert werden.</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change of the program</source>
        <translation>Änderung des Programms</translation>
    </message>
</context>
<context>
    <name>LoadProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File Save As  %1 Success!</source>
        <translation>Datei gespeichert unter  %1  Erfolgreich!</translation>
    </message>
    <message>
        <source>%1

Could not write the file
%2

%3</source>
        <translation>%1

Die Datei konnte nicht geschrieben werden
%2

%3</translation>
    </message>
</context>
<context>
    <name>PaceDialog</name>
    <message>
        <source>mile</source>
        <translation>Meile</translation>
    </message>
    <message>
        <source>kilometre</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Threshold pace</source>
        <translation>Schwellenpace</translation>
    </message>
    <message>
        <source>The workout&apos;s speeds are parts of your threshold pace: the pace you can hold for about an hour.

Your threshold pace, per %1:</source>
        <translation>Die Geschwindigkeiten des Trainings sind Anteile deiner Schwellenpace: der Pace, die du etwa eine Stunde lang halten kannst.

Deine Schwellenpace pro %1:</translation>
    </message>
    <message>
        <source>Steady pace</source>
        <translation>Gleichmäßige Pace</translation>
    </message>
    <message>
        <source>The workout is a hill session: it gives the slopes, and you choose one pace to run them all at.

Your pace, per %1:</source>
        <translation>Das Training ist eine Bergeinheit: Es gibt die Steigungen vor, und du wählst eine Pace, in der du alle läufst.

Deine Pace pro %1:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Save the program as a file</source>
        <translation>Das Programm als Datei speichern</translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation>Eine Programmdatei öffnen</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Eine Aufzeichnungsdatei öffnen</translation>
    </message>
</context>
<context>
    <name>SummaryFrame</name>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Program summary</source>
        <translation>Programmübersicht</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>GESCHWINDIGKEIT(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>GESCHWINDIGKEIT(km/h)</translation>
    </message>
    <message>
        <source>Set_Weight(LBS)</source>
        <translation>Gewicht(LBS)</translation>
    </message>
    <message>
        <source>Set_Weight(KG)</source>
        <translation>Gewicht(KG)</translation>
    </message>
    <message>
        <source>Speed, segment %1, level %2</source>
        <translation>Geschwindigkeit, Segment %1, Stufe %2</translation>
    </message>
    <message>
        <source>Incline, segment %1, level %2</source>
        <translation>Steigung, Segment %1, Stufe %2</translation>
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
        <translation>leuchtet; reagiert nicht auf Klicks</translation>
    </message>
    <message>
        <source>not lit; does not react to clicks</source>
        <translation>leuchtet nicht; reagiert nicht auf Klicks</translation>
    </message>
    <message>
        <source>lit; a click sets %1</source>
        <translation>leuchtet; ein Klick stellt %1 ein</translation>
    </message>
    <message>
        <source>not lit; a click sets %1</source>
        <translation>leuchtet nicht; ein Klick stellt %1 ein</translation>
    </message>
    <message>
        <source>Speed of segment %1</source>
        <translation>Geschwindigkeit von Segment %1</translation>
    </message>
    <message>
        <source>Incline of segment %1</source>
        <translation>Steigung von Segment %1</translation>
    </message>
    <message>
        <source>Treadmill model</source>
        <translation>Laufbandmodell</translation>
    </message>
    <message>
        <source>Workout time in minutes</source>
        <translation>Trainingszeit in Minuten</translation>
    </message>
    <message>
        <source>User weight</source>
        <translation>Gewicht des Benutzers</translation>
    </message>
    <message>
        <source>Segment：%1</source>
        <translation>Segment：%1</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>Distanz：%1 Meilen</translation>
    </message>
    <message>
        <source>Distance：%1 km</source>
        <translation>Distanz：%1 km</translation>
    </message>
    <message>
        <source>Avg speed：%1 MPH</source>
        <translation>Ø Tempo：%1 MPH</translation>
    </message>
    <message>
        <source>Avg speed：%1 KPH</source>
        <translation>Ø Tempo：%1 km/h</translation>
    </message>
    <message>
        <source>Climb：%1 ft</source>
        <translation>Anstieg：%1 ft</translation>
    </message>
    <message>
        <source>Climb：%1 m</source>
        <translation>Anstieg：%1 m</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>FIT activity (*.fit)</source>
        <translation>FIT-Aktivität (*.fit)</translation>
    </message>
    <message>
        <source>Training Center XML (*.tcx)</source>
        <translation>Training Center XML (*.tcx)</translation>
    </message>
    <message>
        <source>CSV, one row per sample (*.csv)</source>
        <translation>CSV, eine Zeile pro Messpunkt (*.csv)</translation>
    </message>
    <message>
        <source>FIT workout (*.fit)</source>
        <translation>FIT-Training (*.fit)</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Could not follow the link</source>
        <translation>Der Verknüpfung konnte nicht gefolgt werden</translation>
    </message>
    <message>
        <source>Could not replace the file: it is a device or a pipe, not a regular file</source>
        <translation>Die Datei konnte nicht ersetzt werden: Sie ist ein Gerät oder eine Pipe, keine reguläre Datei</translation>
    </message>
    <message>
        <source>Could not create a file in the folder</source>
        <translation>Im Ordner konnte keine Datei angelegt werden</translation>
    </message>
    <message>
        <source>Could not write the content</source>
        <translation>Der Inhalt konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Could not save the content to the disk</source>
        <translation>Der Inhalt konnte nicht auf den Datenträger gesichert werden</translation>
    </message>
    <message>
        <source>Could not finish the file</source>
        <translation>Die Datei konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>Could not put the new file in place</source>
        <translation>Die neue Datei konnte nicht an ihren Platz gebracht werden</translation>
    </message>
    <message>
        <source>This is a folder, not a file that can be read.</source>
        <translation>Das ist ein Ordner, keine Datei, die gelesen werden kann.</translation>
    </message>
    <message>
        <source>This is a named pipe, not a file that can be read.</source>
        <translation>Das ist eine benannte Pipe, keine Datei, die gelesen werden kann.</translation>
    </message>
    <message>
        <source>This is a socket, not a file that can be read.</source>
        <translation>Das ist ein Socket, keine Datei, die gelesen werden kann.</translation>
    </message>
    <message>
        <source>This is a device, not a file that can be read.</source>
        <translation>Das ist ein Gerät, keine Datei, die gelesen werden kann.</translation>
    </message>
    <message>
        <source>This is not a regular file, not a file that can be read.</source>
        <translation>Das ist keine reguläre Datei und kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>fit</name>
    <message>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>The file is damaged: %1 (%2).</source>
        <translation>Die Datei ist beschädigt: %1 (%2).</translation>
    </message>
    <message>
        <source>a definition message runs past the end of the messages</source>
        <translation>eine Definitionsnachricht reicht über das Ende der Nachrichten hinaus</translation>
    </message>
    <message>
        <source>a definition message gives architecture %1; only 0 (little-endian) and 1 (big-endian) exist</source>
        <translation>eine Definitionsnachricht gibt die Architektur %1 an; es gibt nur 0 (Little-Endian) und 1 (Big-Endian)</translation>
    </message>
    <message>
        <source>a data message uses local message type %1, which no definition before it declares</source>
        <translation>eine Datennachricht verwendet den lokalen Nachrichtentyp %1, den keine vorherige Definition festlegt</translation>
    </message>
    <message>
        <source>a data message runs past the end of the messages</source>
        <translation>eine Datennachricht reicht über das Ende der Nachrichten hinaus</translation>
    </message>
    <message>
        <source>after its FIT data come %1 bytes that are not FIT data</source>
        <translation>nach den FIT-Daten folgen %1 Bytes, die keine FIT-Daten sind</translation>
    </message>
    <message>
        <source>its check sum does not match</source>
        <translation>die Prüfsumme stimmt nicht</translation>
    </message>
    <message>
        <source>This is not a FIT file: it is %1 bytes long, shorter than any FIT file&apos;s header.</source>
        <translation>Das ist keine FIT-Datei: Sie ist %1 Bytes lang, kürzer als der Kopf jeder FIT-Datei.</translation>
    </message>
    <message>
        <source>This is not a FIT file: it does not begin as one (no &quot;.FIT&quot; at %1).</source>
        <translation>Das ist keine FIT-Datei: Sie beginnt nicht wie eine (kein „.FIT“ bei %1).</translation>
    </message>
    <message>
        <source>This is not a FIT file: its header would be %1 bytes long, not 12 or 14 (%2).</source>
        <translation>Das ist keine FIT-Datei: Ihr Kopf wäre %1 Bytes lang, nicht 12 oder 14 (%2).</translation>
    </message>
    <message>
        <source>This FIT file is of a newer kind than this tool reads: protocol version %1.%2, where it reads up to 2 (%3).</source>
        <translation>Diese FIT-Datei ist neuerer Art, als dieses Programm liest: Protokollversion %1.%2, gelesen wird bis 2 (%3).</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside its header (%1).</source>
        <translation>Die Datei ist abgeschnitten: Sie endet innerhalb ihres Kopfes (%1).</translation>
    </message>
    <message>
        <source>The file is damaged: its header&apos;s check sum does not match (%1).</source>
        <translation>Die Datei ist beschädigt: Die Prüfsumme ihres Kopfes stimmt nicht (%1).</translation>
    </message>
    <message>
        <source>The file is cut short: it ends %1 bytes before the end its header announces (%2).</source>
        <translation>Die Datei ist abgeschnitten: Sie endet %1 Bytes vor dem Ende, das ihr Kopf ankündigt (%2).</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: it has no file_id message, where a FIT file names its kind.</source>
        <translation>Diese FIT-Datei sagt nicht, was sie enthält: Sie hat keine file_id-Nachricht, in der eine FIT-Datei ihre Art nennt.</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: its file_id message gives no file type (%1).</source>
        <translation>Diese FIT-Datei sagt nicht, was sie enthält: Ihre file_id-Nachricht nennt keinen Dateityp (%1).</translation>
    </message>
    <message>
        <source>a description of a device</source>
        <translation>eine Gerätebeschreibung</translation>
    </message>
    <message>
        <source>a device&apos;s settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <source>sport settings</source>
        <translation>Sporteinstellungen</translation>
    </message>
    <message>
        <source>an activity</source>
        <translation>eine Aktivität</translation>
    </message>
    <message>
        <source>a workout</source>
        <translation>ein Training</translation>
    </message>
    <message>
        <source>a course</source>
        <translation>eine Strecke</translation>
    </message>
    <message>
        <source>a training schedule</source>
        <translation>einen Trainingsplan</translation>
    </message>
    <message>
        <source>weight readings</source>
        <translation>Gewichtsmessungen</translation>
    </message>
    <message>
        <source>totals of past activities</source>
        <translation>Summen vergangener Aktivitäten</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>blood pressure readings</source>
        <translation>Blutdruckmessungen</translation>
    </message>
    <message>
        <source>all-day monitoring data</source>
        <translation>ganztägige Überwachungsdaten</translation>
    </message>
    <message>
        <source>a summary of an activity</source>
        <translation>eine Zusammenfassung einer Aktivität</translation>
    </message>
    <message>
        <source>daily monitoring totals</source>
        <translation>tägliche Überwachungssummen</translation>
    </message>
    <message>
        <source>a segment</source>
        <translation>ein Segment</translation>
    </message>
    <message>
        <source>a list of segments</source>
        <translation>eine Liste von Segmenten</translation>
    </message>
    <message>
        <source>data screen settings</source>
        <translation>Einstellungen der Datenseiten</translation>
    </message>
    <message>
        <source>sleep data</source>
        <translation>Schlafdaten</translation>
    </message>
    <message>
        <source>data of its maker&apos;s own kind (FIT file type %1)</source>
        <translation>Daten eigener Art des Herstellers (FIT-Dateityp %1)</translation>
    </message>
    <message>
        <source>data of a kind this tool does not know (FIT file type %1)</source>
        <translation>Daten einer Art, die dieses Programm nicht kennt (FIT-Dateityp %1)</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not %2.</source>
        <translation>Diese FIT-Datei enthält %1, nicht %2.</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>ein Lauf</translation>
    </message>
    <message>
        <source>a ride</source>
        <translation>eine Radfahrt</translation>
    </message>
    <message>
        <source>a transition between two sports</source>
        <translation>ein Wechsel zwischen zwei Sportarten</translation>
    </message>
    <message>
        <source>a session on fitness equipment</source>
        <translation>eine Einheit an einem Fitnessgerät</translation>
    </message>
    <message>
        <source>a swim</source>
        <translation>eine Schwimmeinheit</translation>
    </message>
    <message>
        <source>a basketball game</source>
        <translation>ein Basketballspiel</translation>
    </message>
    <message>
        <source>a football (soccer) game</source>
        <translation>ein Fußballspiel</translation>
    </message>
    <message>
        <source>a tennis match</source>
        <translation>ein Tennismatch</translation>
    </message>
    <message>
        <source>an American football game</source>
        <translation>ein American-Football-Spiel</translation>
    </message>
    <message>
        <source>a training session</source>
        <translation>eine Trainingseinheit</translation>
    </message>
    <message>
        <source>a walk</source>
        <translation>ein Spaziergang</translation>
    </message>
    <message>
        <source>a cross-country skiing session</source>
        <translation>eine Langlaufeinheit</translation>
    </message>
    <message>
        <source>an alpine skiing session</source>
        <translation>eine Alpinskieinheit</translation>
    </message>
    <message>
        <source>a snowboarding session</source>
        <translation>eine Snowboardeinheit</translation>
    </message>
    <message>
        <source>a rowing session</source>
        <translation>eine Rudereinheit</translation>
    </message>
    <message>
        <source>a mountaineering tour</source>
        <translation>eine Bergtour</translation>
    </message>
    <message>
        <source>a hike</source>
        <translation>eine Wanderung</translation>
    </message>
    <message>
        <source>a multisport race</source>
        <translation>ein Multisportrennen</translation>
    </message>
    <message>
        <source>a paddling session</source>
        <translation>eine Paddeleinheit</translation>
    </message>
    <message>
        <source>a flight</source>
        <translation>ein Flug</translation>
    </message>
    <message>
        <source>an e-bike ride</source>
        <translation>eine E-Bike-Fahrt</translation>
    </message>
    <message>
        <source>a motorcycle ride</source>
        <translation>eine Motorradfahrt</translation>
    </message>
    <message>
        <source>a boat trip</source>
        <translation>eine Bootsfahrt</translation>
    </message>
    <message>
        <source>a drive</source>
        <translation>eine Autofahrt</translation>
    </message>
    <message>
        <source>a round of golf</source>
        <translation>eine Runde Golf</translation>
    </message>
    <message>
        <source>a hang-gliding flight</source>
        <translation>ein Drachenflug</translation>
    </message>
    <message>
        <source>a horse ride</source>
        <translation>ein Ausritt</translation>
    </message>
    <message>
        <source>a hunt</source>
        <translation>eine Jagd</translation>
    </message>
    <message>
        <source>a fishing trip</source>
        <translation>ein Angelausflug</translation>
    </message>
    <message>
        <source>an inline skating session</source>
        <translation>eine Inlineskating-Einheit</translation>
    </message>
    <message>
        <source>a rock climb</source>
        <translation>eine Kletterei</translation>
    </message>
    <message>
        <source>a sail</source>
        <translation>ein Segeltörn</translation>
    </message>
    <message>
        <source>an ice skating session</source>
        <translation>eine Eislaufeinheit</translation>
    </message>
    <message>
        <source>a skydive</source>
        <translation>ein Fallschirmsprung</translation>
    </message>
    <message>
        <source>a snowshoe hike</source>
        <translation>eine Schneeschuhwanderung</translation>
    </message>
    <message>
        <source>a snowmobile ride</source>
        <translation>eine Schneemobilfahrt</translation>
    </message>
    <message>
        <source>a stand-up paddleboarding session</source>
        <translation>eine Stand-up-Paddling-Einheit</translation>
    </message>
    <message>
        <source>a surfing session</source>
        <translation>eine Surfeinheit</translation>
    </message>
    <message>
        <source>a wakeboarding session</source>
        <translation>eine Wakeboardeinheit</translation>
    </message>
    <message>
        <source>a water skiing session</source>
        <translation>eine Wasserskieinheit</translation>
    </message>
    <message>
        <source>a kayaking trip</source>
        <translation>eine Kajaktour</translation>
    </message>
    <message>
        <source>a rafting trip</source>
        <translation>eine Raftingtour</translation>
    </message>
    <message>
        <source>a windsurfing session</source>
        <translation>eine Windsurfeinheit</translation>
    </message>
    <message>
        <source>a kitesurfing session</source>
        <translation>eine Kitesurfeinheit</translation>
    </message>
    <message>
        <source>a tactical activity</source>
        <translation>eine taktische Aktivität</translation>
    </message>
    <message>
        <source>a parachute jump</source>
        <translation>ein Fallschirmsprung</translation>
    </message>
    <message>
        <source>a boxing session</source>
        <translation>eine Boxeinheit</translation>
    </message>
    <message>
        <source>a stair climb</source>
        <translation>ein Treppenlauf</translation>
    </message>
    <message>
        <source>a baseball game</source>
        <translation>ein Baseballspiel</translation>
    </message>
    <message>
        <source>a dive</source>
        <translation>ein Tauchgang</translation>
    </message>
    <message>
        <source>a shooting session</source>
        <translation>eine Schießeinheit</translation>
    </message>
    <message>
        <source>a winter sport session</source>
        <translation>eine Wintersporteinheit</translation>
    </message>
    <message>
        <source>a grinding session</source>
        <translation>eine Grinding-Einheit</translation>
    </message>
    <message>
        <source>a HIIT workout</source>
        <translation>ein HIIT-Training</translation>
    </message>
    <message>
        <source>a video gaming session</source>
        <translation>eine Videospiel-Sitzung</translation>
    </message>
    <message>
        <source>a racket sport game</source>
        <translation>ein Rückschlagspiel</translation>
    </message>
    <message>
        <source>a wheelchair push at walking pace</source>
        <translation>eine Rollstuhlfahrt im Gehtempo</translation>
    </message>
    <message>
        <source>a wheelchair push at running pace</source>
        <translation>eine Rollstuhlfahrt im Lauftempo</translation>
    </message>
    <message>
        <source>a meditation</source>
        <translation>eine Meditation</translation>
    </message>
    <message>
        <source>a para sport session</source>
        <translation>eine Parasporteinheit</translation>
    </message>
    <message>
        <source>a round of disc golf</source>
        <translation>eine Runde Discgolf</translation>
    </message>
    <message>
        <source>a team sport game</source>
        <translation>ein Mannschaftsspiel</translation>
    </message>
    <message>
        <source>a cricket match</source>
        <translation>ein Cricketspiel</translation>
    </message>
    <message>
        <source>a rugby match</source>
        <translation>ein Rugbyspiel</translation>
    </message>
    <message>
        <source>a hockey game</source>
        <translation>ein Hockeyspiel</translation>
    </message>
    <message>
        <source>a lacrosse game</source>
        <translation>ein Lacrossespiel</translation>
    </message>
    <message>
        <source>a volleyball game</source>
        <translation>ein Volleyballspiel</translation>
    </message>
    <message>
        <source>a water tubing ride</source>
        <translation>eine Tubing-Fahrt</translation>
    </message>
    <message>
        <source>a wakesurfing session</source>
        <translation>eine Wakesurfeinheit</translation>
    </message>
    <message>
        <source>a water sport session</source>
        <translation>eine Wassersporteinheit</translation>
    </message>
    <message>
        <source>an archery session</source>
        <translation>eine Bogenschießeinheit</translation>
    </message>
    <message>
        <source>a mixed martial arts session</source>
        <translation>eine MMA-Einheit</translation>
    </message>
    <message>
        <source>a motor sport session</source>
        <translation>eine Motorsporteinheit</translation>
    </message>
    <message>
        <source>a snorkelling trip</source>
        <translation>ein Schnorchelausflug</translation>
    </message>
    <message>
        <source>a dance</source>
        <translation>ein Tanz</translation>
    </message>
    <message>
        <source>a jump rope session</source>
        <translation>eine Seilspringeinheit</translation>
    </message>
    <message>
        <source>a pool apnea session</source>
        <translation>eine Apnoe-Einheit im Becken</translation>
    </message>
    <message>
        <source>a mobility session</source>
        <translation>eine Mobility-Einheit</translation>
    </message>
    <message>
        <source>a geocaching trip</source>
        <translation>ein Geocaching-Ausflug</translation>
    </message>
    <message>
        <source>a canoe trip</source>
        <translation>eine Kanutour</translation>
    </message>
    <message>
        <source>an activity of no sport in particular</source>
        <translation>eine Aktivität ohne bestimmte Sportart</translation>
    </message>
    <message>
        <source>an indoor ride</source>
        <translation>eine Indoor-Radfahrt</translation>
    </message>
    <message>
        <source>a session on a rowing machine</source>
        <translation>eine Einheit auf dem Rudergerät</translation>
    </message>
    <message>
        <source>a session on an elliptical trainer</source>
        <translation>eine Einheit auf dem Crosstrainer</translation>
    </message>
    <message>
        <source>a session on a stair climber</source>
        <translation>eine Einheit auf dem Stepper</translation>
    </message>
    <message>
        <source>a session on a ski machine</source>
        <translation>eine Einheit auf dem Skiergometer</translation>
    </message>
    <message>
        <source>an activity of a sport this tool does not know (FIT sport %1)</source>
        <translation>eine Aktivität einer Sportart, die dieses Programm nicht kennt (FIT-Sportart %1)</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>The folder %1 could not be kept for the next dialog in %2.</source>
        <translation>Der Ordner %1 konnte für den nächsten Dialog nicht in %2 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>The training history cannot be kept in %1: %2.</source>
        <translation>Der Trainingsverlauf kann nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The training history %1 cannot be read: %2.</source>
        <translation>Der Trainingsverlauf %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo: it is shown, and nothing is kept in it.</source>
        <translation>Der Trainingsverlauf %1 wurde von einer neueren Version von trevalo geschrieben: Er wird angezeigt, aber nichts darin gespeichert.</translation>
    </message>
    <message>
        <source>it cannot be read (%1) nor moved aside (%2)</source>
        <translation>er kann weder gelesen (%1) noch beiseitegelegt werden (%2)</translation>
    </message>
    <message>
        <source>The training history %1 could not be read (%2); it was moved to %3 and a new history started.</source>
        <translation>Der Trainingsverlauf %1 konnte nicht gelesen werden (%2); er wurde nach %3 verschoben und ein neuer Verlauf begonnen.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one keeps nothing in it.</source>
        <translation>Der Trainingsverlauf %1 wurde von einer neueren Version von trevalo geschrieben; diese Version speichert nichts darin.</translation>
    </message>
    <message>
        <source>The training history %1 could not keep the workouts: %2.</source>
        <translation>Der Trainingsverlauf %1 konnte die Trainings nicht speichern: %2.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one changes nothing in it.</source>
        <translation>Der Trainingsverlauf %1 wurde von einer neueren Version von trevalo geschrieben; diese Version ändert nichts daran.</translation>
    </message>
    <message>
        <source>The training history %1 could not forget the workouts: %2.</source>
        <translation>Der Trainingsverlauf %1 konnte die Trainings nicht vergessen: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not list its workouts: %2.</source>
        <translation>Der Trainingsverlauf %1 konnte seine Trainings nicht auflisten: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its periods: %2.</source>
        <translation>Der Trainingsverlauf %1 konnte seine Zeiträume nicht zusammenrechnen: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its workouts: %2.</source>
        <translation>Der Trainingsverlauf %1 konnte seine Trainings nicht zusammenrechnen: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not find the personal bests: %2.</source>
        <translation>Der Trainingsverlauf %1 konnte die Bestleistungen nicht ermitteln: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not read a workout: %2.</source>
        <translation>Der Trainingsverlauf %1 konnte ein Training nicht lesen: %2.</translation>
    </message>
    <message>
        <source>The training history %1 has no workout %2.</source>
        <translation>Der Trainingsverlauf %1 enthält kein Training %2.</translation>
    </message>
    <message>
        <source>The training history %1: the readings of workout %2 do not match its sample count.</source>
        <translation>Trainingsverlauf %1: Die Messwerte von Training %2 passen nicht zu seiner Anzahl an Messpunkten.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Distance (mi)</source>
        <translation>Distanz (mi)</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distanz (km)</translation>
    </message>
    <message>
        <source>Average speed (MPH)</source>
        <translation>Ø Geschw. (mph)</translation>
    </message>
    <message>
        <source>Average speed (KPH)</source>
        <translation>Ø Geschw. (km/h)</translation>
    </message>
    <message>
        <source>Average pace (/mi)</source>
        <translation>Ø Pace (/mi)</translation>
    </message>
    <message>
        <source>Average pace (/km)</source>
        <translation>Ø Pace (/km)</translation>
    </message>
    <message>
        <source>Climb (ft)</source>
        <translation>Anstieg (ft)</translation>
    </message>
    <message>
        <source>Climb (m)</source>
        <translation>Anstieg (m)</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>Average pulse</source>
        <translation>Ø Puls</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>Trainings</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Longest distance</source>
        <translation>Längste Distanz</translation>
    </message>
    <message>
        <source>Longest time</source>
        <translation>Längste Dauer</translation>
    </message>
    <message>
        <source>Most climb</source>
        <translation>Größter Anstieg</translation>
    </message>
    <message>
        <source>Fastest 1 km</source>
        <translation>Schnellster 1 km</translation>
    </message>
    <message>
        <source>Fastest 1 mile</source>
        <translation>Schnellste Meile</translation>
    </message>
    <message>
        <source>Fastest 5 km</source>
        <translation>Schnellste 5 km</translation>
    </message>
    <message>
        <source>Fastest 10 km</source>
        <translation>Schnellste 10 km</translation>
    </message>
    <message>
        <source>Fastest half marathon</source>
        <translation>Schnellster Halbmarathon</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 climbed</source>
        <translation>%1 Training, %2, %3, %4 Anstieg</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 climbed</source>
        <translation>%1 Trainings, %2, %3, %4 Anstieg</translation>
    </message>
</context>
<context>
    <name>imports</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This is %1, not a run.</source>
        <translation>Das ist %1, kein Lauf.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>This holds no run: its %1 activities are %2.</source>
        <translation>Das enthält keinen Lauf: Die %1 Aktivitäten sind %2.</translation>
    </message>
    <message>
        <source>This file holds several sports but does not say when its run began, so the run cannot be told from the rest (a session without a start time).</source>
        <translation>Diese Datei enthält mehrere Sportarten, sagt aber nicht, wann ihr Lauf begann; der Lauf lässt sich daher nicht vom Rest trennen (eine Einheit ohne Startzeit).</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the run was imported.</source>
        <translation>Diese Datei enthält %1 Aktivitäten, %2: Nur der Lauf wurde importiert.</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the runs were imported, one after the other.</source>
        <translation>Diese Datei enthält %1 Aktivitäten, %2: Nur die Läufe wurden importiert, einer nach dem anderen.</translation>
    </message>
    <message>
        <source>The FIT activity has fewer than two records with a time: they give the workout no length.</source>
        <translation>Die FIT-Aktivität hat weniger als zwei Datensätze mit Zeitangabe: Sie geben dem Training keine Dauer.</translation>
    </message>
    <message>
        <source>This activity holds no speed or distance: nothing in it tells how fast it went.</source>
        <translation>Diese Aktivität enthält weder Geschwindigkeit noch Distanz: Nichts darin sagt, wie schnell sie war.</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer; %2 of stops were left out.</source>
        <translation>Der Lauf dauerte laut Uhr-Timer %1; %2 an Pausen wurden weggelassen.</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer.</source>
        <translation>Der Lauf dauerte laut Uhr-Timer %1.</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not a workout or an activity.</source>
        <translation>Diese FIT-Datei enthält %1, kein Training und keine Aktivität.</translation>
    </message>
    <message>
        <source>Step %1 (byte %2)</source>
        <translation>Schritt %1 (Byte %2)</translation>
    </message>
    <message>
        <source>until a time</source>
        <translation>bis zu einer Zeit</translation>
    </message>
    <message>
        <source>until a distance</source>
        <translation>bis zu einer Distanz</translation>
    </message>
    <message>
        <source>until a count of calories</source>
        <translation>bis zu einer Kalorienzahl</translation>
    </message>
    <message>
        <source>until the heart rate fell below a value</source>
        <translation>bis der Puls unter einen Wert fiel</translation>
    </message>
    <message>
        <source>until the heart rate rose above a value</source>
        <translation>bis der Puls über einen Wert stieg</translation>
    </message>
    <message>
        <source>until the power fell below a value</source>
        <translation>bis die Leistung unter einen Wert fiel</translation>
    </message>
    <message>
        <source>until the power rose above a value</source>
        <translation>bis die Leistung über einen Wert stieg</translation>
    </message>
    <message>
        <source>%1 repeats from message index %2, which no step has.</source>
        <translation>%1 wiederholt ab Nachrichtenindex %2, den kein Schritt hat.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>%1 repeats from step %2, which does not come before it.</source>
        <translation>%1 wiederholt ab Schritt %2, der nicht davor kommt.</translation>
    </message>
    <message>
        <source>Repeat of step %1 %2 was run once.</source>
        <translation>Die Wiederholung von Schritt %1 %2 wurde einmal ausgeführt.</translation>
    </message>
    <message>
        <source>Repeat of steps %1 to %2 %3 was run once.</source>
        <translation>Die Wiederholung der Schritte %1 bis %2 %3 wurde einmal ausgeführt.</translation>
    </message>
    <message>
        <source>%1 repeats steps %2 to %3 %4 times: the workout would run beyond 24 hours or 10,000 steps.</source>
        <translation>%1 wiederholt die Schritte %2 bis %3 %4-mal: Das Training würde über 24 Stunden oder 10,000 Schritte hinausgehen.</translation>
    </message>
    <message>
        <source>%1 takes the workout beyond 24 hours or 10,000 steps.</source>
        <translation>%1 bringt das Training über 24 Stunden oder 10,000 Schritte hinaus.</translation>
    </message>
    <message>
        <source>The FIT workout holds no steps to run.</source>
        <translation>Das FIT-Training enthält keine Schritte zum Laufen.</translation>
    </message>
    <message>
        <source>FIT files</source>
        <translation>FIT-Dateien</translation>
    </message>
    <message>
        <source>TCX files</source>
        <translation>TCX-Dateien</translation>
    </message>
    <message>
        <source>Zwift workouts</source>
        <translation>Zwift-Trainings</translation>
    </message>
    <message>
        <source>Workouts (%1)</source>
        <translation>Trainings (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the XML is broken at %1: %2</source>
        <translation>Keine TCX-Aktivität: Das XML ist fehlerhaft bei %1: %2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the file starts with &lt;%1&gt; at %2, not with &lt;TrainingCenterDatabase&gt;.</source>
        <translation>Keine TCX-Aktivität: Die Datei beginnt mit &lt;%1&gt; bei %2, nicht mit &lt;TrainingCenterDatabase&gt;.</translation>
    </message>
    <message>
        <source>The TCX file holds no &lt;Activity&gt;, so there is no workout to read.</source>
        <translation>Die TCX-Datei enthält keine &lt;Activity&gt;, es gibt also kein Training zu lesen.</translation>
    </message>
    <message>
        <source>This is a ride, not a run. The activity at %1 has the sport &quot;Biking&quot;.</source>
        <translation>Das ist eine Radfahrt, kein Lauf. Die Aktivität bei %1 hat die Sportart „Biking“.</translation>
    </message>
    <message>
        <source>The activity at %1 has the sport %2, which is not a run.</source>
        <translation>Die Aktivität bei %1 hat die Sportart %2, die kein Lauf ist.</translation>
    </message>
    <message>
        <source>The activity at %1 has no trackpoints at two different times, so the workout has no length.</source>
        <translation>Die Aktivität bei %1 hat keine Trackpunkte zu zwei verschiedenen Zeiten, das Training hat also keine Dauer.</translation>
    </message>
    <message>
        <source>&lt;Trackpoint&gt; at %1: the activity grows past %2 trackpoints here.</source>
        <translation>&lt;Trackpoint&gt; bei %1: Die Aktivität wächst hier über %2 Trackpunkte hinaus.</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: %2 is not a date and time such as 2026-03-01T06:30:00Z.</source>
        <translation>&lt;Time&gt; bei %1: %2 ist kein Datum mit Uhrzeit wie 2026-03-01T06:30:00Z.</translation>
    </message>
    <message>
        <source>a distance in metres from 0 to 10000000</source>
        <translation>eine Distanz in Metern von 0 bis 10000000</translation>
    </message>
    <message>
        <source>a height in metres from -100000 to 100000</source>
        <translation>eine Höhe in Metern von -100000 bis 100000</translation>
    </message>
    <message>
        <source>a speed in metres per second from 0 to 1000</source>
        <translation>eine Geschwindigkeit in Metern pro Sekunde von 0 bis 1000</translation>
    </message>
    <message>
        <source>&lt;%1&gt; at %2: %3 is not %4.</source>
        <translation>&lt;%1&gt; bei %2: %3 ist nicht %4.</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: the activity runs past 24 hours here.</source>
        <translation>&lt;Time&gt; bei %1: Die Aktivität geht hier über 24 Stunden hinaus.</translation>
    </message>
    <message>
        <source>The activity at %1 holds no speed or distance to run at: none of its trackpoints has a speed, and fewer than two have a distance.</source>
        <translation>Die Aktivität bei %1 enthält keine Geschwindigkeit oder Distanz zum Laufen: Keiner ihrer Trackpunkte hat eine Geschwindigkeit, und weniger als zwei haben eine Distanz.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>This is not a workout file this tool can import: it is none of %1.</source>
        <translation>Das ist keine Trainingsdatei, die dieses Programm importieren kann: Sie ist keine der folgenden: %1.</translation>
    </message>
    <message>
        <source>A hill session: every step runs at the steady pace you gave, at the file&apos;s slopes.</source>
        <translation>Eine Bergeinheit: Jeder Schritt läuft in der gleichmäßigen Pace, die du angegeben hast, mit den Steigungen der Datei.</translation>
    </message>
    <message>
        <source>Left out, as this tool does not know what they ask of a run: %1.</source>
        <translation>Weggelassen, da dieses Programm nicht weiß, was sie von einem Lauf verlangen: %1.</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the XML is broken at %1: %2</source>
        <translation>Kein ZWO-Training: Das XML ist fehlerhaft bei %1: %2</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the file starts with &lt;%1&gt; at %2, not with &lt;workout_file&gt;.</source>
        <translation>Kein ZWO-Training: Die Datei beginnt mit &lt;%1&gt; bei %2, nicht mit &lt;workout_file&gt;.</translation>
    </message>
    <message>
        <source>The workout names no sport type, which Zwift reads as a cycling workout: its targets are power, not speed.</source>
        <translation>Das Training nennt keine Sportart, was Zwift als Radtraining liest: Seine Ziele sind Leistung, nicht Geschwindigkeit.</translation>
    </message>
    <message>
        <source>This is a cycling workout (sport type &quot;bike&quot; at %1): its targets are power, not speed.</source>
        <translation>Das ist ein Radtraining (Sportart „bike“ bei %1): Seine Ziele sind Leistung, nicht Geschwindigkeit.</translation>
    </message>
    <message>
        <source>The workout&apos;s sport type &quot;%1&quot; (%2) is not a run.</source>
        <translation>Die Sportart „%1“ des Trainings (%2) ist kein Lauf.</translation>
    </message>
    <message>
        <source>The file holds no &lt;workout&gt;, so there are no steps to run.</source>
        <translation>Die Datei enthält kein &lt;workout&gt;, es gibt also keine Schritte zum Laufen.</translation>
    </message>
    <message>
        <source>&lt;durationType&gt; at %1: &quot;%2&quot; is neither &quot;time&quot; nor &quot;distance&quot;.</source>
        <translation>&lt;durationType&gt; bei %1: „%2“ ist weder „time“ noch „distance“.</translation>
    </message>
    <message>
        <source>&lt;thresholdSecPerKm&gt; at %1: &quot;%2&quot; is not a pace in seconds per kilometre from 60 to 3600.</source>
        <translation>&lt;thresholdSecPerKm&gt; bei %1: „%2“ ist keine Pace in Sekunden pro Kilometer von 60 bis 3600.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>The &lt;workout&gt; at %1 holds no segments to run.</source>
        <translation>Das &lt;workout&gt; bei %1 enthält keine Segmente zum Laufen.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: the workout grows past %2 steps here.</source>
        <translation>%1: Das Training wächst hier über %2 Schritte hinaus.</translation>
    </message>
    <message>
        <source>%1: the workout runs past 24 hours here.</source>
        <translation>%1: Das Training geht hier über 24 Stunden hinaus.</translation>
    </message>
    <message>
        <source>%1: the workout runs past %2 km here.</source>
        <translation>%1: Das Training geht hier über %2 km hinaus.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 %2 is not between %3 and %4%5</source>
        <translation>%1 %2 liegt nicht zwischen %3 und %4%5</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 (or %2 and %3) is missing</source>
        <translation>%1 (oder %2 und %3) fehlt</translation>
    </message>
    <message>
        <source>Repeat %1 is not a whole number</source>
        <translation>Repeat %1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>PowerLow and PowerHigh (or Power) are missing</source>
        <translation>PowerLow und PowerHigh (oder Power) fehlen</translation>
    </message>
    <message>
        <source> (a share: 0.03 is 3 %)</source>
        <translation> (ein Anteil: 0.03 sind 3 %)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is no translation &quot;%1&quot;. The languages are: %2.</source>
        <translation>Es gibt keine Übersetzung „%1“. Die Sprachen sind: %2.</translation>
    </message>
    <message>
        <source>TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300.</source>
        <translation>TREVALO USB AP: Trainingsprogramme und Trainingsaufzeichnungen für die Laufbänder QM-20, QM-5 und R300.</translation>
    </message>
    <message>
        <source>Speak this language for this run, whatever the system&apos;s is: %1.</source>
        <translation>Diese Sprache für diesen Start verwenden, unabhängig von der des Systems: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>A program file to open on the Edit tab, a workout file (FIT, TCX or ZWO) to import there, or a record file to open on the Record tab.</source>
        <translation>Eine Programmdatei, die im Tab „Bearbeiten“ geöffnet wird, eine Trainingsdatei (FIT, TCX oder ZWO), die dort importiert wird, oder eine Aufzeichnungsdatei, die im Tab „Aufzeichnung“ geöffnet wird.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>plans</name>
    <message>
        <source>These steps end on a button press or a reading rather than a time or a distance, so each runs for %1 minutes: %2.</source>
        <translation>Diese Schritte enden auf Tastendruck oder bei einem Messwert statt nach einer Zeit oder Distanz, daher läuft jeder %1 Minuten: %2.</translation>
    </message>
    <message>
        <source>These steps set no speed, so each runs at the speed of the nearest step before it that sets one (or, at the start, of the first step that does): %1.</source>
        <translation>Diese Schritte geben keine Geschwindigkeit vor, daher läuft jeder mit der Geschwindigkeit des nächsten vorherigen Schritts, der eine vorgibt (oder am Anfang des ersten Schritts, der eine vorgibt): %1.</translation>
    </message>
    <message>
        <source>These steps are shorter than one segment (%1), so the program runs them averaged with their neighbours: %2.</source>
        <translation>Diese Schritte sind kürzer als ein Segment (%1), daher läuft das Programm sie mit ihren Nachbarn gemittelt: %2.</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Step %1 (%2)</source>
        <translation>Schritt %1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 has a length of %2, which cannot be run.</source>
        <translation>%1 hat eine Länge von %2, die nicht gelaufen werden kann.</translation>
    </message>
    <message>
        <source>%1 sets a speed of %2 m/s, which cannot be run.</source>
        <translation>%1 gibt eine Geschwindigkeit von %2 m/s vor, die nicht gelaufen werden kann.</translation>
    </message>
    <message>
        <source>%1 sets an incline that is not a number.</source>
        <translation>%1 gibt eine Steigung vor, die keine Zahl ist.</translation>
    </message>
    <message>
        <source>The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program needs speeds.</source>
        <translation>Das Training gibt in keinem Schritt eine Geschwindigkeit vor (es ist vielleicht ein Rad- oder Pulstraining); ein Laufbandprogramm braucht Geschwindigkeiten.</translation>
    </message>
    <message>
        <source>The workout has no steps.</source>
        <translation>Das Training hat keine Schritte.</translation>
    </message>
    <message>
        <source>%1 covers %2 m at a speed of 0, so it never ends.</source>
        <translation>%1 umfasst %2 m bei einer Geschwindigkeit von 0 und endet daher nie.</translation>
    </message>
    <message>
        <source>The workout lasts more than 24 hours (by %1); that is too long to import.</source>
        <translation>Das Training dauert länger als 24 Stunden (ab %1); das ist zu lang zum Importieren.</translation>
    </message>
    <message>
        <source>The workout has no length: every step lasts 0 seconds.</source>
        <translation>Das Training hat keine Dauer: Jeder Schritt dauert 0 Sekunden.</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>The workout holds no readings.</source>
        <translation>Das Training enthält keine Messwerte.</translation>
    </message>
    <message>
        <source>The workout has no length.</source>
        <translation>Das Training hat keine Dauer.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>Segments %1</source>
        <translation>Segmente %1</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest speed the %3 offers in %4 mode (the workout ran up to %5).</source>
        <translation>%1: auf %2 gesetzt, die höchste Geschwindigkeit, die das %3 im Modus %4 bietet (das Training lief bis zu %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest speed the %3 offers in %4 mode (the workout ran down to %5).</source>
        <translation>%1: auf %2 gesetzt, die niedrigste Geschwindigkeit, die das %3 im Modus %4 bietet (das Training lief bis hinunter zu %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest incline the %3 offers in %4 mode (the workout climbed up to %5).</source>
        <translation>%1: auf %2 gesetzt, die höchste Steigung, die das %3 im Modus %4 bietet (das Training stieg bis zu %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest incline the %3 offers in %4 mode (the workout climbed down to %5).</source>
        <translation>%1: auf %2 gesetzt, die niedrigste Steigung, die das %3 im Modus %4 bietet (das Training ging bis hinunter zu %5).</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the longest the %3 offers in %4 mode.</source>
        <translation>Das Training dauert %1 Minuten: Die Zeit ist auf %2 gesetzt, die längste, die das %3 im Modus %4 bietet.</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the shortest the %3 offers in %4 mode.</source>
        <translation>Das Training dauert %1 Minuten: Die Zeit ist auf %2 gesetzt, die kürzeste, die das %3 im Modus %4 bietet.</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the highest the %3 offers.</source>
        <translation>Das Gewicht von %1 ist auf %2 gesetzt, das höchste, das das %3 bietet.</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the lowest the %3 offers.</source>
        <translation>Das Gewicht von %1 ist auf %2 gesetzt, das niedrigste, das das %3 bietet.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
</context>
<context>
    <name>program_file</name>
    <message>
        <source>%1

The program may have been made for another model, unit or mode.</source>
        <translation>%1

Das Programm wurde vielleicht für ein anderes Modell, eine andere Einheit oder einen anderen Modus erstellt.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a program file holds 65. It may be a record file or no treadmill file.</source>
        <translation>Die Datei enthält %1 Bytes; eine Programmdatei enthält 65. Sie ist vielleicht eine Aufzeichnungsdatei oder gar keine Laufbanddatei.</translation>
    </message>
    <message>
        <source>The file&apos;s last byte is %1; a program file ends in 0. It may be no treadmill file.</source>
        <translation>Das letzte Byte der Datei ist %1; eine Programmdatei endet auf 0. Sie ist vielleicht keine Laufbanddatei.</translation>
    </message>
    <message>
        <source>The weight of %1 LBS and of %2 KG disagree: the file is damaged.</source>
        <translation>Das Gewicht von %1 LBS und von %2 KG stimmen nicht überein: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH and %3 KPH disagree: the file is damaged.</source>
        <translation>Segment %1: %2 MPH und %3 km/h stimmen nicht überein: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH is not offered by the %3 in %4 mode.</source>
        <translation>Segment %1: %2 MPH bietet das %3 im Modus %4 nicht an.</translation>
    </message>
    <message>
        <source>Segment %1: %2 KPH is not offered by the %3 in %4 mode.</source>
        <translation>Segment %1: %2 km/h bietet das %3 im Modus %4 nicht an.</translation>
    </message>
    <message>
        <source>Segment %1: an incline of %2 % is not offered by the %3 in %4 mode.</source>
        <translation>Segment %1: Eine Steigung von %2 % bietet das %3 im Modus %4 nicht an.</translation>
    </message>
    <message>
        <source>A workout time of %1 minutes is not offered by the %2 in %3 mode.</source>
        <translation>Eine Trainingszeit von %1 Minuten bietet das %2 im Modus %3 nicht an.</translation>
    </message>
    <message>
        <source>A weight of %1 LBS is not offered by the %2 in %3 mode.</source>
        <translation>Ein Gewicht von %1 LBS bietet das %2 im Modus %3 nicht an.</translation>
    </message>
    <message>
        <source>A weight of %1 KG is not offered by the %2 in %3 mode.</source>
        <translation>Ein Gewicht von %1 KG bietet das %2 im Modus %3 nicht an.</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>The workout holds %1 sample; a program needs at least two.</source>
        <translation>Das Training enthält %1 Messpunkt; ein Programm braucht mindestens zwei.</translation>
    </message>
    <message>
        <source>The workout holds %1 samples; a program needs at least two.</source>
        <translation>Das Training enthält %1 Messpunkte; ein Programm braucht mindestens zwei.</translation>
    </message>
    <message>
        <source>The workout lasts no time: every sample shows the same time.</source>
        <translation>Das Training hat keine Dauer: Jeder Messpunkt zeigt dieselbe Zeit.</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>a number too large to store</source>
        <translation>eine Zahl, die zu groß zum Speichern ist</translation>
    </message>
    <message>
        <source>a workout line before the first date line</source>
        <translation>eine Trainingszeile vor der ersten Datumszeile</translation>
    </message>
    <message>
        <source>more than 1024 workouts in one file</source>
        <translation>mehr als 1024 Trainings in einer Datei</translation>
    </message>
    <message>
        <source>more than 1025 samples in one workout</source>
        <translation>mehr als 1025 Messpunkte in einem Training</translation>
    </message>
    <message>
        <source>Line %1, %2: %3.</source>
        <translation>Zeile %1, %2: %3.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>Distanz</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>incline</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Speed, sample %1: %2</source>
        <translation>Geschwindigkeit, Messpunkt %1: %2</translation>
    </message>
    <message>
        <source>Incline, sample %1: %2</source>
        <translation>Steigung, Messpunkt %1: %2</translation>
    </message>
    <message>
        <source>no sample</source>
        <translation>kein Messpunkt</translation>
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
        <translation>%1 von %2 Lampen leuchten</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>kein Training angezeigt</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Samples %1 to %2, pulse in beats per minute: %3</source>
        <translation>Messpunkte %1 bis %2, Puls in Schlägen pro Minute: %3</translation>
    </message>
    <message>
        <source>No workout shown</source>
        <translation>Kein Training angezeigt</translation>
    </message>
    <message>
        <source>%1, samples %2 to %3</source>
        <translation>%1, Messpunkte %2 bis %3</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanz</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Time(m:s) %1</source>
        <translation>Zeit(m:s) %1</translation>
    </message>
    <message>
        <source>Calories：%1 Kcal</source>
        <translation>Kalorien：%1 kcal</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>Distanz：%1 Meilen</translation>
    </message>
    <message>
        <source>Distance：%1 KM</source>
        <translation>Distanz：%1 KM</translation>
    </message>
    <message>
        <source>Weight：%1 LBS</source>
        <translation>Gewicht：%1 LBS</translation>
    </message>
    <message>
        <source>Weight：%1 KG</source>
        <translation>Gewicht：%1 KG</translation>
    </message>
    <message>
        <source>SPEED(MPH)</source>
        <translation>GESCHWINDIGKEIT(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>GESCHWINDIGKEIT(km/h)</translation>
    </message>
    <message>
        <source>Avg speed</source>
        <translation>Ø Tempo</translation>
    </message>
    <message>
        <source>Max speed</source>
        <translation>Max. Tempo</translation>
    </message>
    <message>
        <source>Avg pace</source>
        <translation>Ø Pace</translation>
    </message>
    <message>
        <source>Avg pulse</source>
        <translation>Ø Puls</translation>
    </message>
    <message>
        <source>Max pulse</source>
        <translation>Max. Puls</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Anstieg</translation>
    </message>
    <message>
        <source>%1 /mile</source>
        <translation>%1 /Meile</translation>
    </message>
    <message>
        <source>%1 /km</source>
        <translation>%1 /km</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 S/min</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Messpunkte</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 kcal</source>
        <translation>%1 Training, %2, %3, %4 kcal</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 kcal</source>
        <translation>%1 Trainings, %2, %3, %4 kcal</translation>
    </message>
</context>
<context>
    <name>trevalo::app::EditTab</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>GESCHWINDIGKEIT(MPH)</translation>
    </message>
    <message>
        <source>INCLINE(%)</source>
        <translation>STEIGUNG(%)</translation>
    </message>
    <message>
        <source>Speed lamps</source>
        <translation>Geschwindigkeitslampen</translation>
    </message>
    <message>
        <source>Incline lamps</source>
        <translation>Steigungslampen</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
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
        <translation>Zeit(Min)</translation>
    </message>
    <message>
        <source>USB Device</source>
        <translation>USB-Gerät</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ÖFFNEN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportCommand</name>
    <message>
        <source>The workout&apos;s date line &quot;%1&quot; gives no date and time.
When did the workout start?</source>
        <translation>Die Datumszeile „%1“ des Trainings gibt kein Datum und keine Uhrzeit an.
Wann hat das Training begonnen?</translation>
    </message>
    <message>
        <source>The workout was not exported.</source>
        <translation>Das Training wurde nicht exportiert.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportProgramCommand</name>
    <message>
        <source>The program was not exported.</source>
        <translation>Das Programm wurde nicht exportiert.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::Form1</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>The program has changes that are not saved.

Save them before closing?</source>
        <translation>Das Programm hat Änderungen, die nicht gespeichert sind.

Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Drop one record file, program file or workout file on the window to open it.

Several files or a folder cannot be opened at once.</source>
        <translation>Ziehe eine Aufzeichnungs-, Programm- oder Trainingsdatei auf das Fenster, um sie zu öffnen.

Mehrere Dateien oder ein Ordner können nicht auf einmal geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Keep every workout opened</source>
        <translation>Jedes geöffnete Training speichern</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Workouts kept</source>
        <translation>Gespeicherte Trainings</translation>
    </message>
    <message>
        <source>Personal bests</source>
        <translation>Bestleistungen</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestleistung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Totals per</source>
        <translation>Summen pro</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Totals per period</source>
        <translation>Summen pro Zeitraum</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>Programm erstellen…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>Alle exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Forget 1 workout?</source>
        <translation>1 Training vergessen?</translation>
    </message>
    <message>
        <source>Forget %1 workouts?</source>
        <translation>%1 Trainings vergessen?</translation>
    </message>
    <message>
        <source>They are removed from the history and are not kept again when their file is opened again.</source>
        <translation>Sie werden aus dem Verlauf entfernt und nicht erneut gespeichert, wenn ihre Datei wieder geöffnet wird.</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV, eine Zeile pro Training (*.csv)</translation>
    </message>
    <message>
        <source>The history was not exported.</source>
        <translation>Der Verlauf wurde nicht exportiert.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ImportCommand</name>
    <message>
        <source>The workout was not imported.</source>
        <translation>Das Training wurde nicht importiert.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes, far more than a workout file.</source>
        <translation>Die Datei umfasst %1 Bytes, weit mehr als eine Trainingsdatei.</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab.</source>
        <translation>Das Training ist jetzt das Programm im Tab „Bearbeiten“.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::MakeProgramCommand</name>
    <message>
        <source>No program was made.

%1</source>
        <translation>Es wurde kein Programm erstellt.

%1</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab. Some values lay beyond what the lists offer:</source>
        <translation>Das Training ist jetzt das Programm im Tab „Bearbeiten“. Einige Werte lagen außerhalb dessen, was die Listen bieten:</translation>
    </message>
</context>
<context>
    <name>trevalo::app::OpenCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>Programmdateien(*.cus)</translation>
    </message>
    <message>
        <source>The program was not opened.</source>
        <translation>Das Programm wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::PeriodChart</name>
    <message>
        <source>Distance and pace per period</source>
        <translation>Distanz und Pace pro Zeitraum</translation>
    </message>
    <message>
        <source>no workouts kept</source>
        <translation>keine Trainings gespeichert</translation>
    </message>
    <message>
        <source>%1 to %2, up to %3 %4 a period</source>
        <translation>%1 bis %2, bis zu %3 %4 pro Zeitraum</translation>
    </message>
    <message>
        <source>Distance up to %1 %2</source>
        <translation>Distanz bis %1 %2</translation>
    </message>
    <message>
        <source>Pace %1 to %2 %3</source>
        <translation>Pace %1 bis %2 %3</translation>
    </message>
</context>
<context>
    <name>trevalo::app::RecordTab</name>
    <message>
        <source>INCLINE(%)</source>
        <translation>STEIGUNG(%)</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Save Charts as Image…</source>
        <translation>Diagramme als Bild speichern…</translation>
    </message>
    <message>
        <source>Pulse chart</source>
        <translation>Pulsdiagramm</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>All Workouts…</source>
        <translation>Alle Trainings…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>Programm erstellen…</translation>
    </message>
    <message>
        <source>Samples shown</source>
        <translation>Angezeigte Messpunkte</translation>
    </message>
    <message>
        <source>Record Files(*.cus)</source>
        <translation>Aufzeichnungsdateien(*.cus)</translation>
    </message>
    <message>
        <source>The record file could not be opened.</source>
        <translation>Die Aufzeichnungsdatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>The record file could not be read to its end.</source>
        <translation>Die Aufzeichnungsdatei konnte nicht bis zum Ende gelesen werden.</translation>
    </message>
    <message>
        <source>The record file could not be read.</source>
        <translation>Die Aufzeichnungsdatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No workouts were found in
%1</source>
        <translation>Keine Trainings gefunden in
%1</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The charts were not saved.</source>
        <translation>Die Diagramme wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
</context>
<context>
    <name>trevalo::app::SaveCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>Programmdateien(*.cus)</translation>
    </message>
    <message>
        <source>The program was not saved.</source>
        <translation>Das Programm wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutChartView</name>
    <message>
        <source>Whole workout</source>
        <translation>Ganzes Training</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>kein Training angezeigt</translation>
    </message>
    <message>
        <source>%1 samples over %2 minutes; speed up to %3, incline up to %4 %, pulse up to %5; samples %6 to %7 shown on the Record tab</source>
        <translation>%1 Messpunkte über %2 Minuten; Geschwindigkeit bis %3, Steigung bis %4 %, Puls bis %5; Messpunkte %6 bis %7 im Tab „Aufzeichnung“ angezeigt</translation>
    </message>
    <message>
        <source>speed (top %1)</source>
        <translation>Geschwindigkeit (max. %1)</translation>
    </message>
    <message>
        <source>incline (top %1 %)</source>
        <translation>Steigung (max. %1 %)</translation>
    </message>
    <message>
        <source>pulse (top %1)</source>
        <translation>Puls (max. %1)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutsWindow</name>
    <message>
        <source>All Workouts</source>
        <translation>Alle Trainings</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>Trainings</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>Alle exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV, eine Zeile pro Training (*.csv)</translation>
    </message>
    <message>
        <source>The workouts were not exported.</source>
        <translation>Die Trainings wurden nicht exportiert.</translation>
    </message>
</context>
</TS>
