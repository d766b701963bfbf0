<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>No se pudo codificar la imagen como PNG.</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change of the program</source>
        <translation>cambio del programa</translation>
    </message>
</context>
<context>
    <name>LoadProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File Save As  %1 Success!</source>
        <translation>Archivo guardado como  %1  ¡Correcto!</translation>
    </message>
    <message>
        <source>%1

Could not write the file
%2

%3</source>
        <translation>%1

No se pudo escribir el archivo
%2

%3</translation>
    </message>
</context>
<context>
    <name>PaceDialog</name>
    <message>
        <source>mile</source>
        <translation>milla</translation>
    </message>
    <message>
        <source>kilometre</source>
        <translation>kilómetro</translation>
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
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Threshold pace</source>
        <translation>Ritmo umbral</translation>
    </message>
    <message>
        <source>The workout&apos;s speeds are parts of your threshold pace: the pace you can hold for about an hour.

Your threshold pace, per %1:</source>
        <translation>Las velocidades del entrenamiento son fracciones de tu ritmo umbral: el ritmo que puedes mantener durante aproximadamente una hora.

Tu ritmo umbral por %1:</translation>
    </message>
    <message>
        <source>Steady pace</source>
        <translation>Ritmo constante</translation>
    </message>
    <message>
        <source>The workout is a hill session: it gives the slopes, and you choose one pace to run them all at.

Your pace, per %1:</source>
        <translation>El entrenamiento es una sesión de cuestas: indica las pendientes y tú eliges un ritmo para correrlas todas.

Tu ritmo por %1:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Save the program as a file</source>
        <translation>Guardar el programa como archivo</translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation>Abrir un archivo de programa</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Abrir un archivo de registro</translation>
    </message>
</context>
<context>
    <name>SummaryFrame</name>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Program summary</source>
        <translation>Resumen del programa</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>VELOCIDAD(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>VELOCIDAD(km/h)</translation>
    </message>
    <message>
        <source>Set_Weight(LBS)</source>
        <translation>Peso(LBS)</translation>
    </message>
    <message>
        <source>Set_Weight(KG)</source>
        <translation>Peso(KG)</translation>
    </message>
    <message>
        <source>Speed, segment %1, level %2</source>
        <translation>Velocidad, segmento %1, nivel %2</translation>
    </message>
    <message>
        <source>Incline, segment %1, level %2</source>
        <translation>Inclinación, segmento %1, nivel %2</translation>
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
        <translation>encendido; no responde a los clics</translation>
    </message>
    <message>
        <source>not lit; does not react to clicks</source>
        <translation>apagado; no responde a los clics</translation>
    </message>
    <message>
        <source>lit; a click sets %1</source>
        <translation>encendido; un clic fija %1</translation>
    </message>
    <message>
        <source>not lit; a click sets %1</source>
        <translation>apagado; un clic fija %1</translation>
    </message>
    <message>
        <source>Speed of segment %1</source>
        <translation>Velocidad del segmento %1</translation>
    </message>
    <message>
        <source>Incline of segment %1</source>
        <translation>Inclinación del segmento %1</translation>
    </message>
    <message>
        <source>Treadmill model</source>
        <translation>Modelo de cinta</translation>
    </message>
    <message>
        <source>Workout time in minutes</source>
        <translation>Tiempo de entrenamiento en minutos</translation>
    </message>
    <message>
        <source>User weight</source>
        <translation>Peso del usuario</translation>
    </message>
    <message>
        <source>Segment：%1</source>
        <translation>Segmento：%1</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>Distancia：%1 millas</translation>
    </message>
    <message>
        <source>Distance：%1 km</source>
        <translation>Distancia：%1 km</translation>
    </message>
    <message>
        <source>Avg speed：%1 MPH</source>
        <translation>Vel. media：%1 MPH</translation>
    </message>
    <message>
        <source>Avg speed：%1 KPH</source>
        <translation>Vel. media：%1 km/h</translation>
    </message>
    <message>
        <source>Climb：%1 ft</source>
        <translation>Desnivel：%1 ft</translation>
    </message>
    <message>
        <source>Climb：%1 m</source>
        <translation>Desnivel：%1 m</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>FIT activity (*.fit)</source>
        <translation>Actividad FIT (*.fit)</translation>
    </message>
    <message>
        <source>Training Center XML (*.tcx)</source>
        <translation>Training Center XML (*.tcx)</translation>
    </message>
    <message>
        <source>CSV, one row per sample (*.csv)</source>
        <translation>CSV, una fila por muestra (*.csv)</translation>
    </message>
    <message>
        <source>FIT workout (*.fit)</source>
        <translation>Entrenamiento FIT (*.fit)</translation>
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
        <translation>No se pudo seguir el enlace</translation>
    </message>
    <message>
        <source>Could not replace the file: it is a device or a pipe, not a regular file</source>
        <translation>No se pudo reemplazar el archivo: es un dispositivo o una tubería, no un archivo normal</translation>
    </message>
    <message>
        <source>Could not create a file in the folder</source>
        <translation>No se pudo crear un archivo en la carpeta</translation>
    </message>
    <message>
        <source>Could not write the content</source>
        <translation>No se pudo escribir el contenido</translation>
    </message>
    <message>
        <source>Could not save the content to the disk</source>
        <translation>No se pudo guardar el contenido en el disco</translation>
    </message>
    <message>
        <source>Could not finish the file</source>
        <translation>No se pudo terminar el archivo</translation>
    </message>
    <message>
        <source>Could not put the new file in place</source>
        <translation>No se pudo colocar el nuevo archivo en su sitio</translation>
    </message>
    <message>
        <source>This is a folder, not a file that can be read.</source>
        <translation>Esto es una carpeta, no un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>This is a named pipe, not a file that can be read.</source>
        <translation>Esto es una tubería con nombre, no un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>This is a socket, not a file that can be read.</source>
        <translation>Esto es un socket, no un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>This is a device, not a file that can be read.</source>
        <translation>Esto es un dispositivo, no un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>This is not a regular file, not a file that can be read.</source>
        <translation>Esto no es un archivo normal y no se puede leer.</translation>
    </message>
</context>
<context>
    <name>fit</name>
    <message>
        <source>byte %1</source>
        <translation>byte %1</translation>
    </message>
    <message>
        <source>The file is damaged: %1 (%2).</source>
        <translation>El archivo está dañado: %1 (%2).</translation>
    </message>
    <message>
        <source>a definition message runs past the end of the messages</source>
        <translation>un mensaje de definición va más allá del final de los mensajes</translation>
    </message>
    <message>
        <source>a definition message gives architecture %1; only 0 (little-endian) and 1 (big-endian) exist</source>
        <translation>un mensaje de definición indica la arquitectura %1; solo existen 0 (little-endian) y 1 (big-endian)</translation>
    </message>
    <message>
        <source>a data message uses local message type %1, which no definition before it declares</source>
        <translation>un mensaje de datos usa el tipo de mensaje local %1, que ninguna definición anterior declara</translation>
    </message>
    <message>
        <source>a data message runs past the end of the messages</source>
        <translation>un mensaje de datos va más allá del final de los mensajes</translation>
    </message>
    <message>
        <source>after its FIT data come %1 bytes that are not FIT data</source>
        <translation>tras sus datos FIT vienen %1 bytes que no son datos FIT</translation>
    </message>
    <message>
        <source>its check sum does not match</source>
        <translation>la suma de comprobación no coincide</translation>
    </message>
    <message>
        <source>This is not a FIT file: it is %1 bytes long, shorter than any FIT file&apos;s header.</source>
        <translation>No es un archivo FIT: mide %1 bytes, menos que la cabecera de cualquier archivo FIT.</translation>
    </message>
    <message>
        <source>This is not a FIT file: it does not begin as one (no &quot;.FIT&quot; at %1).</source>
        <translation>No es un archivo FIT: no empieza como uno (no hay &quot;.FIT&quot; en el %1).</translation>
    </message>
    <message>
        <source>This is not a FIT file: its header would be %1 bytes long, not 12 or 14 (%2).</source>
        <translation>No es un archivo FIT: su cabecera mediría %1 bytes, no 12 ni 14 (%2).</translation>
    </message>
    <message>
        <source>This FIT file is of a newer kind than this tool reads: protocol version %1.%2, where it reads up to 2 (%3).</source>
        <translation>Este archivo FIT es de un tipo más reciente del que lee esta herramienta: versión de protocolo %1.%2, y lee hasta la 2 (%3).</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside its header (%1).</source>
        <translation>El archivo está cortado: termina dentro de su cabecera (%1).</translation>
    </message>
    <message>
        <source>The file is damaged: its header&apos;s check sum does not match (%1).</source>
        <translation>El archivo está dañado: la suma de comprobación de su cabecera no coincide (%1).</translation>
    </message>
    <message>
        <source>The file is cut short: it ends %1 bytes before the end its header announces (%2).</source>
        <translation>El archivo está cortado: termina %1 bytes antes del final que anuncia su cabecera (%2).</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: it has no file_id message, where a FIT file names its kind.</source>
        <translation>Este archivo FIT no dice qué contiene: no tiene mensaje file_id, donde un archivo FIT indica su tipo.</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: its file_id message gives no file type (%1).</source>
        <translation>Este archivo FIT no dice qué contiene: su mensaje file_id no indica ningún tipo de archivo (%1).</translation>
    </message>
    <message>
        <source>a description of a device</source>
        <translation>una descripción de un dispositivo</translation>
    </message>
    <message>
        <source>a device&apos;s settings</source>
        <translation>los ajustes de un dispositivo</translation>
    </message>
    <message>
        <source>sport settings</source>
        <translation>ajustes de deporte</translation>
    </message>
    <message>
        <source>an activity</source>
        <translation>una actividad</translation>
    </message>
    <message>
        <source>a workout</source>
        <translation>un entrenamiento</translation>
    </message>
    <message>
        <source>a course</source>
        <translation>un recorrido</translation>
    </message>
    <message>
        <source>a training schedule</source>
        <translation>un plan de entrenamiento</translation>
    </message>
    <message>
        <source>weight readings</source>
        <translation>mediciones de peso</translation>
    </message>
    <message>
        <source>totals of past activities</source>
        <translation>totales de actividades pasadas</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>objetivos</translation>
    </message>
    <message>
        <source>blood pressure readings</source>
        <translation>mediciones de tensión arterial</translation>
    </message>
    <message>
        <source>all-day monitoring data</source>
        <translation>datos de monitorización diaria</translation>
    </message>
    <message>
        <source>a summary of an activity</source>
        <translation>un resumen de una actividad</translation>
    </message>
    <message>
        <source>daily monitoring totals</source>
        <translation>totales diarios de monitorización</translation>
    </message>
    <message>
        <source>a segment</source>
        <translation>un segmento</translation>
    </message>
    <message>
        <source>a list of segments</source>
        <translation>una lista de segmentos</translation>
    </message>
    <message>
        <source>data screen settings</source>
        <translation>ajustes de pantallas de datos</translation>
    </message>
    <message>
        <source>sleep data</source>
        <translation>datos de sueño</translation>
    </message>
    <message>
        <source>data of its maker&apos;s own kind (FIT file type %1)</source>
        <translation>datos de un tipo propio del fabricante (tipo de archivo FIT %1)</translation>
    </message>
    <message>
        <source>data of a kind this tool does not know (FIT file type %1)</source>
        <translation>datos de un tipo que esta herramienta no conoce (tipo de archivo FIT %1)</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not %2.</source>
        <translation>Este archivo FIT contiene %1, no %2.</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>una carrera</translation>
    </message>
    <message>
        <source>a ride</source>
        <translation>una salida en bici</translation>
    </message>
    <message>
        <source>a transition between two sports</source>
        <translation>una transición entre dos deportes</translation>
    </message>
    <message>
        <source>a session on fitness equipment</source>
        <translation>una sesión en una máquina de fitness</translation>
    </message>
    <message>
        <source>a swim</source>
        <translation>una sesión de natación</translation>
    </message>
    <message>
        <source>a basketball game</source>
        <translation>un partido de baloncesto</translation>
    </message>
    <message>
        <source>a football (soccer) game</source>
        <translation>un partido de fútbol</translation>
    </message>
    <message>
        <source>a tennis match</source>
        <translation>un partido de tenis</translation>
    </message>
    <message>
        <source>an American football game</source>
        <translation>un partido de fútbol americano</translation>
    </message>
    <message>
        <source>a training session</source>
        <translation>una sesión de entrenamiento</translation>
    </message>
    <message>
        <source>a walk</source>
        <translation>una caminata</translation>
    </message>
    <message>
        <source>a cross-country skiing session</source>
        <translation>una sesión de esquí de fondo</translation>
    </message>
    <message>
        <source>an alpine skiing session</source>
        <translation>una sesión de esquí alpino</translation>
    </message>
    <message>
        <source>a snowboarding session</source>
        <translation>una sesión de snowboard</translation>
    </message>
    <message>
        <source>a rowing session</source>
        <translation>una sesión de remo</translation>
    </message>
    <message>
        <source>a mountaineering tour</source>
        <translation>una salida de montañismo</translation>
    </message>
    <message>
        <source>a hike</source>
        <translation>una excursión</translation>
    </message>
    <message>
        <source>a multisport race</source>
        <translation>una carrera multideporte</translation>
    </message>
    <message>
        <source>a paddling session</source>
        <translation>una sesión de remo con pala</translation>
    </message>
    <message>
        <source>a flight</source>
        <translation>un vuelo</translation>
    </message>
    <message>
        <source>an e-bike ride</source>
        <translation>una salida en bici eléctrica</translation>
    </message>
    <message>
        <source>a motorcycle ride</source>
        <translation>un paseo en moto</translation>
    </message>
    <message>
        <source>a boat trip</source>
        <translation>un paseo en barco</translation>
    </message>
    <message>
        <source>a drive</source>
        <translation>un trayecto en coche</translation>
    </message>
    <message>
        <source>a round of golf</source>
        <translation>una partida de golf</translation>
    </message>
    <message>
        <source>a hang-gliding flight</source>
        <translation>un vuelo en ala delta</translation>
    </message>
    <message>
        <source>a horse ride</source>
        <translation>un paseo a caballo</translation>
    </message>
    <message>
        <source>a hunt</source>
        <translation>una cacería</translation>
    </message>
    <message>
        <source>a fishing trip</source>
        <translation>una salida de pesca</translation>
    </message>
    <message>
        <source>an inline skating session</source>
        <translation>una sesión de patinaje en línea</translation>
    </message>
    <message>
        <source>a rock climb</source>
        <translation>una escalada</translation>
    </message>
    <message>
        <source>a sail</source>
        <translation>una salida a vela</translation>
    </message>
    <message>
        <source>an ice skating session</source>
        <translation>una sesión de patinaje sobre hielo</translation>
    </message>
    <message>
        <source>a skydive</source>
        <translation>un salto en paracaídas</translation>
    </message>
    <message>
        <source>a snowshoe hike</source>
        <translation>una ruta con raquetas de nieve</translation>
    </message>
    <message>
        <source>a snowmobile ride</source>
        <translation>un paseo en moto de nieve</translation>
    </message>
    <message>
        <source>a stand-up paddleboarding session</source>
        <translation>una sesión de paddle surf</translation>
    </message>
    <message>
        <source>a surfing session</source>
        <translation>una sesión de surf</translation>
    </message>
    <message>
        <source>a wakeboarding session</source>
        <translation>una sesión de wakeboard</translation>
    </message>
    <message>
        <source>a water skiing session</source>
        <translation>una sesión de esquí acuático</translation>
    </message>
    <message>
        <source>a kayaking trip</source>
        <translation>una salida en kayak</translation>
    </message>
    <message>
        <source>a rafting trip</source>
        <translation>un descenso en rafting</translation>
    </message>
    <message>
        <source>a windsurfing session</source>
        <translation>una sesión de windsurf</translation>
    </message>
    <message>
        <source>a kitesurfing session</source>
        <translation>una sesión de kitesurf</translation>
    </message>
    <message>
        <source>a tactical activity</source>
        <translation>una actividad táctica</translation>
    </message>
    <message>
        <source>a parachute jump</source>
        <translation>un salto en paracaídas</translation>
    </message>
    <message>
        <source>a boxing session</source>
        <translation>una sesión de boxeo</translation>
    </message>
    <message>
        <source>a stair climb</source>
        <translation>una subida de escaleras</translation>
    </message>
    <message>
        <source>a baseball game</source>
        <translation>un partido de béisbol</translation>
    </message>
    <message>
        <source>a dive</source>
        <translation>una inmersión</translation>
    </message>
    <message>
        <source>a shooting session</source>
        <translation>una sesión de tiro</translation>
    </message>
    <message>
        <source>a winter sport session</source>
        <translation>una sesión de deporte de invierno</translation>
    </message>
    <message>
        <source>a grinding session</source>
        <translation>una sesión de grinding</translation>
    </message>
    <message>
        <source>a HIIT workout</source>
        <translation>un entrenamiento HIIT</translation>
    </message>
    <message>
        <source>a video gaming session</source>
        <translation>una sesión de videojuegos</translation>
    </message>
    <message>
        <source>a racket sport game</source>
        <translation>un partido de deporte de raqueta</translation>
    </message>
    <message>
        <source>a wheelchair push at walking pace</source>
        <translation>un desplazamiento en silla de ruedas a ritmo de paseo</translation>
    </message>
    <message>
        <source>a wheelchair push at running pace</source>
        <translation>un desplazamiento en silla de ruedas a ritmo de carrera</translation>
    </message>
    <message>
        <source>a meditation</source>
        <translation>una meditación</translation>
    </message>
    <message>
        <source>a para sport session</source>
        <translation>una sesión de parasport</translation>
    </message>
    <message>
        <source>a round of disc golf</source>
        <translation>una partida de disc golf</translation>
    </message>
    <message>
        <source>a team sport game</source>
        <translation>un partido de deporte de equipo</translation>
    </message>
    <message>
        <source>a cricket match</source>
        <translation>un partido de críquet</translation>
    </message>
    <message>
        <source>a rugby match</source>
        <translation>un partido de rugby</translation>
    </message>
    <message>
        <source>a hockey game</source>
        <translation>un partido de hockey</translation>
    </message>
    <message>
        <source>a lacrosse game</source>
        <translation>un partido de lacrosse</translation>
    </message>
    <message>
        <source>a volleyball game</source>
        <translation>un partido de voleibol</translation>
    </message>
    <message>
        <source>a water tubing ride</source>
        <translation>un paseo en flotador</translation>
    </message>
    <message>
        <source>a wakesurfing session</source>
        <translation>una sesión de wakesurf</translation>
    </message>
    <message>
        <source>a water sport session</source>
        <translation>una sesión de deporte acuático</translation>
    </message>
    <message>
        <source>an archery session</source>
        <translation>una sesión de tiro con arco</translation>
    </message>
    <message>
        <source>a mixed martial arts session</source>
        <translation>una sesión de artes marciales mixtas</translation>
    </message>
    <message>
        <source>a motor sport session</source>
        <translation>una sesión de deporte de motor</translation>
    </message>
    <message>
        <source>a snorkelling trip</source>
        <translation>una salida de esnórquel</translation>
    </message>
    <message>
        <source>a dance</source>
        <translation>un baile</translation>
    </message>
    <message>
        <source>a jump rope session</source>
        <translation>una sesión de comba</translation>
    </message>
    <message>
        <source>a pool apnea session</source>
        <translation>una sesión de apnea en piscina</translation>
    </message>
    <message>
        <source>a mobility session</source>
        <translation>una sesión de movilidad</translation>
    </message>
    <message>
        <source>a geocaching trip</source>
        <translation>una salida de geocaching</translation>
    </message>
    <message>
        <source>a canoe trip</source>
        <translation>una salida en canoa</translation>
    </message>
    <message>
        <source>an activity of no sport in particular</source>
        <translation>una actividad sin deporte concreto</translation>
    </message>
    <message>
        <source>an indoor ride</source>
        <translation>una sesión de bici en interior</translation>
    </message>
    <message>
        <source>a session on a rowing machine</source>
        <translation>una sesión en máquina de remo</translation>
    </message>
    <message>
        <source>a session on an elliptical trainer</source>
        <translation>una sesión en elíptica</translation>
    </message>
    <message>
        <source>a session on a stair climber</source>
        <translation>una sesión en escaladora</translation>
    </message>
    <message>
        <source>a session on a ski machine</source>
        <translation>una sesión en máquina de esquí</translation>
    </message>
    <message>
        <source>an activity of a sport this tool does not know (FIT sport %1)</source>
        <translation>una actividad de un deporte que esta herramienta no conoce (deporte FIT %1)</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>The folder %1 could not be kept for the next dialog in %2.</source>
        <translation>No se pudo guardar la carpeta %1 para el próximo diálogo en %2.</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>The training history cannot be kept in %1: %2.</source>
        <translation>El historial de entrenamientos no se puede guardar en %1: %2.</translation>
    </message>
    <message>
        <source>The training history %1 cannot be read: %2.</source>
        <translation>No se puede leer el historial de entrenamientos %1: %2.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo: it is shown, and nothing is kept in it.</source>
        <translation>El historial de entrenamientos %1 lo escribió una versión más reciente de trevalo: se muestra, pero no se guarda nada en él.</translation>
    </message>
    <message>
        <source>it cannot be read (%1) nor moved aside (%2)</source>
        <translation>no se puede leer (%1) ni apartar (%2)</translation>
    </message>
    <message>
        <source>The training history %1 could not be read (%2); it was moved to %3 and a new history started.</source>
        <translation>No se pudo leer el historial de entrenamientos %1 (%2); se ha movido a %3 y se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one keeps nothing in it.</source>
        <translation>El historial de entrenamientos %1 lo escribió una versión más reciente de trevalo; esta versión no guarda nada en él.</translation>
    </message>
    <message>
        <source>The training history %1 could not keep the workouts: %2.</source>
        <translation>El historial de entrenamientos %1 no pudo guardar los entrenamientos: %2.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one changes nothing in it.</source>
        <translation>El historial de entrenamientos %1 lo escribió una versión más reciente de trevalo; esta versión no cambia nada en él.</translation>
    </message>
    <message>
        <source>The training history %1 could not forget the workouts: %2.</source>
        <translation>El historial de entrenamientos %1 no pudo olvidar los entrenamientos: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not list its workouts: %2.</source>
        <translation>El historial de entrenamientos %1 no pudo listar sus entrenamientos: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its periods: %2.</source>
        <translation>El historial de entrenamientos %1 no pudo sumar sus periodos: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its workouts: %2.</source>
        <translation>El historial de entrenamientos %1 no pudo sumar sus entrenamientos: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not find the personal bests: %2.</source>
        <translation>El historial de entrenamientos %1 no pudo encontrar las mejores marcas: %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not read a workout: %2.</source>
        <translation>El historial de entrenamientos %1 no pudo leer un entrenamiento: %2.</translation>
    </message>
    <message>
        <source>The training history %1 has no workout %2.</source>
        <translation>El historial de entrenamientos %1 no tiene el entrenamiento %2.</translation>
    </message>
    <message>
        <source>The training history %1: the readings of workout %2 do not match its sample count.</source>
        <translation>Historial de entrenamientos %1: las lecturas del entrenamiento %2 no coinciden con su número de muestras.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Distance (mi)</source>
        <translation>Distancia (mi)</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distancia (km)</translation>
    </message>
    <message>
        <source>Average speed (MPH)</source>
        <translation>Velocidad media (mph)</translation>
    </message>
    <message>
        <source>Average speed (KPH)</source>
        <translation>Velocidad media (km/h)</translation>
    </message>
    <message>
        <source>Average pace (/mi)</source>
        <translation>Ritmo medio (/mi)</translation>
    </message>
    <message>
        <source>Average pace (/km)</source>
        <translation>Ritmo medio (/km)</translation>
    </message>
    <message>
        <source>Climb (ft)</source>
        <translation>Desnivel (ft)</translation>
    </message>
    <message>
        <source>Climb (m)</source>
        <translation>Desnivel (m)</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorías</translation>
    </message>
    <message>
        <source>Average pulse</source>
        <translation>Pulso medio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Longest distance</source>
        <translation>Distancia más larga</translation>
    </message>
    <message>
        <source>Longest time</source>
        <translation>Duración más larga</translation>
    </message>
    <message>
        <source>Most climb</source>
        <translation>Mayor desnivel</translation>
    </message>
    <message>
        <source>Fastest 1 km</source>
        <translation>1 km más rápido</translation>
    </message>
    <message>
        <source>Fastest 1 mile</source>
        <translation>1 milla más rápida</translation>
    </message>
    <message>
        <source>Fastest 5 km</source>
        <translation>5 km más rápidos</translation>
    </message>
    <message>
        <source>Fastest 10 km</source>
        <translation>10 km más rápidos</translation>
    </message>
    <message>
        <source>Fastest half marathon</source>
        <translation>Media maratón más rápida</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 climbed</source>
        <translation>%1 entrenamiento, %2, %3, %4 de desnivel</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 climbed</source>
        <translation>%1 entrenamientos, %2, %3, %4 de desnivel</translation>
    </message>
</context>
<context>
    <name>imports</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This is %1, not a run.</source>
        <translation>Esto es %1, no una carrera.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>This holds no run: its %1 activities are %2.</source>
        <translation>No contiene ninguna carrera: sus %1 actividades son %2.</translation>
    </message>
    <message>
        <source>This file holds several sports but does not say when its run began, so the run cannot be told from the rest (a session without a start time).</source>
        <translation>Este archivo contiene varios deportes pero no dice cuándo empezó su carrera, así que la carrera no se puede separar del resto (una sesión sin hora de inicio).</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the run was imported.</source>
        <translation>Este archivo contiene %1 actividades, %2: solo se ha importado la carrera.</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the runs were imported, one after the other.</source>
        <translation>Este archivo contiene %1 actividades, %2: solo se han importado las carreras, una tras otra.</translation>
    </message>
    <message>
        <source>The FIT activity has fewer than two records with a time: they give the workout no length.</source>
        <translation>La actividad FIT tiene menos de dos registros con hora: no dan duración al entrenamiento.</translation>
    </message>
    <message>
        <source>This activity holds no speed or distance: nothing in it tells how fast it went.</source>
        <translation>Esta actividad no contiene velocidad ni distancia: nada en ella indica a qué velocidad fue.</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer; %2 of stops were left out.</source>
        <translation>La carrera duró %1 según el cronómetro del reloj; se han omitido %2 de paradas.</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer.</source>
        <translation>La carrera duró %1 según el cronómetro del reloj.</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not a workout or an activity.</source>
        <translation>Este archivo FIT contiene %1, no un entrenamiento ni una actividad.</translation>
    </message>
    <message>
        <source>Step %1 (byte %2)</source>
        <translation>Paso %1 (byte %2)</translation>
    </message>
    <message>
        <source>until a time</source>
        <translation>hasta un tiempo</translation>
    </message>
    <message>
        <source>until a distance</source>
        <translation>hasta una distancia</translation>
    </message>
    <message>
        <source>until a count of calories</source>
        <translation>hasta una cantidad de calorías</translation>
    </message>
    <message>
        <source>until the heart rate fell below a value</source>
        <translation>hasta que el pulso bajara de un valor</translation>
    </message>
    <message>
        <source>until the heart rate rose above a value</source>
        <translation>hasta que el pulso subiera de un valor</translation>
    </message>
    <message>
        <source>until the power fell below a value</source>
        <translation>hasta que la potencia bajara de un valor</translation>
    </message>
    <message>
        <source>until the power rose above a value</source>
        <translation>hasta que la potencia subiera de un valor</translation>
    </message>
    <message>
        <source>%1 repeats from message index %2, which no step has.</source>
        <translation>%1 repite desde el índice de mensaje %2, que ningún paso tiene.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>%1 repeats from step %2, which does not come before it.</source>
        <translation>%1 repite desde el paso %2, que no va antes.</translation>
    </message>
    <message>
        <source>Repeat of step %1 %2 was run once.</source>
        <translation>La repetición del paso %1 %2 se ha hecho una vez.</translation>
    </message>
    <message>
        <source>Repeat of steps %1 to %2 %3 was run once.</source>
        <translation>La repetición de los pasos %1 a %2 %3 se ha hecho una vez.</translation>
    </message>
    <message>
        <source>%1 repeats steps %2 to %3 %4 times: the workout would run beyond 24 hours or 10,000 steps.</source>
        <translation>%1 repite los pasos %2 a %3 %4 veces: el entrenamiento pasaría de 24 horas o 10,000 pasos.</translation>
    </message>
    <message>
        <source>%1 takes the workout beyond 24 hours or 10,000 steps.</source>
        <translation>%1 lleva el entrenamiento más allá de 24 horas o 10,000 pasos.</translation>
    </message>
    <message>
        <source>The FIT workout holds no steps to run.</source>
        <translation>El entrenamiento FIT no contiene pasos que correr.</translation>
    </message>
    <message>
        <source>FIT files</source>
        <translation>Archivos FIT</translation>
    </message>
    <message>
        <source>TCX files</source>
        <translation>Archivos TCX</translation>
    </message>
    <message>
        <source>Zwift workouts</source>
        <translation>Entrenamientos de Zwift</translation>
    </message>
    <message>
        <source>Workouts (%1)</source>
        <translation>Entrenamientos (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the XML is broken at %1: %2</source>
        <translation>No es una actividad TCX: el XML está roto en %1: %2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the file starts with &lt;%1&gt; at %2, not with &lt;TrainingCenterDatabase&gt;.</source>
        <translation>No es una actividad TCX: el archivo empieza con &lt;%1&gt; en %2, no con &lt;TrainingCenterDatabase&gt;.</translation>
    </message>
    <message>
        <source>The TCX file holds no &lt;Activity&gt;, so there is no workout to read.</source>
        <translation>El archivo TCX no contiene ninguna &lt;Activity&gt;, así que no hay entrenamiento que leer.</translation>
    </message>
    <message>
        <source>This is a ride, not a run. The activity at %1 has the sport &quot;Biking&quot;.</source>
        <translation>Esto es una salida en bici, no una carrera. La actividad en %1 tiene el deporte &quot;Biking&quot;.</translation>
    </message>
    <message>
        <source>The activity at %1 has the sport %2, which is not a run.</source>
        <translation>La actividad en %1 tiene el deporte %2, que no es una carrera.</translation>
    </message>
    <message>
        <source>The activity at %1 has no trackpoints at two different times, so the workout has no length.</source>
        <translation>La actividad en %1 no tiene puntos de trayecto en dos momentos distintos, así que el entrenamiento no tiene duración.</translation>
    </message>
    <message>
        <source>&lt;Trackpoint&gt; at %1: the activity grows past %2 trackpoints here.</source>
        <translation>&lt;Trackpoint&gt; en %1: la actividad supera aquí los %2 puntos de trayecto.</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: %2 is not a date and time such as 2026-03-01T06:30:00Z.</source>
        <translation>&lt;Time&gt; en %1: %2 no es una fecha y hora como 2026-03-01T06:30:00Z.</translation>
    </message>
    <message>
        <source>a distance in metres from 0 to 10000000</source>
        <translation>una distancia en metros de 0 a 10000000</translation>
    </message>
    <message>
        <source>a height in metres from -100000 to 100000</source>
        <translation>una altura en metros de -100000 a 100000</translation>
    </message>
    <message>
        <source>a speed in metres per second from 0 to 1000</source>
        <translation>una velocidad en metros por segundo de 0 a 1000</translation>
    </message>
    <message>
        <source>&lt;%1&gt; at %2: %3 is not %4.</source>
        <translation>&lt;%1&gt; en %2: %3 no es %4.</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: the activity runs past 24 hours here.</source>
        <translation>&lt;Time&gt; en %1: la actividad supera aquí las 24 horas.</translation>
    </message>
    <message>
        <source>The activity at %1 holds no speed or distance to run at: none of its trackpoints has a speed, and fewer than two have a distance.</source>
        <translation>La actividad en %1 no contiene velocidad ni distancia a la que correr: ninguno de sus puntos de trayecto tiene velocidad y menos de dos tienen distancia.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>This is not a workout file this tool can import: it is none of %1.</source>
        <translation>Esto no es un archivo de entrenamiento que esta herramienta pueda importar: no es ninguno de estos: %1.</translation>
    </message>
    <message>
        <source>A hill session: every step runs at the steady pace you gave, at the file&apos;s slopes.</source>
        <translation>Una sesión de cuestas: cada paso se corre al ritmo constante que has indicado, con las pendientes del archivo.</translation>
    </message>
    <message>
        <source>Left out, as this tool does not know what they ask of a run: %1.</source>
        <translation>Omitidos, porque esta herramienta no sabe qué piden a una carrera: %1.</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the XML is broken at %1: %2</source>
        <translation>No es un entrenamiento ZWO: el XML está roto en %1: %2</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the file starts with &lt;%1&gt; at %2, not with &lt;workout_file&gt;.</source>
        <translation>No es un entrenamiento ZWO: el archivo empieza con &lt;%1&gt; en %2, no con &lt;workout_file&gt;.</translation>
    </message>
    <message>
        <source>The workout names no sport type, which Zwift reads as a cycling workout: its targets are power, not speed.</source>
        <translation>El entrenamiento no indica ningún deporte, lo que Zwift interpreta como entrenamiento de ciclismo: sus objetivos son de potencia, no de velocidad.</translation>
    </message>
    <message>
        <source>This is a cycling workout (sport type &quot;bike&quot; at %1): its targets are power, not speed.</source>
        <translation>Esto es un entrenamiento de ciclismo (deporte &quot;bike&quot; en %1): sus objetivos son de potencia, no de velocidad.</translation>
    </message>
    <message>
        <source>The workout&apos;s sport type &quot;%1&quot; (%2) is not a run.</source>
        <translation>El deporte &quot;%1&quot; del entrenamiento (%2) no es una carrera.</translation>
    </message>
    <message>
        <source>The file holds no &lt;workout&gt;, so there are no steps to run.</source>
        <translation>El archivo no contiene &lt;workout&gt;, así que no hay pasos que correr.</translation>
    </message>
    <message>
        <source>&lt;durationType&gt; at %1: &quot;%2&quot; is neither &quot;time&quot; nor &quot;distance&quot;.</source>
        <translation>&lt;durationType&gt; en %1: &quot;%2&quot; no es ni &quot;time&quot; ni &quot;distance&quot;.</translation>
    </message>
    <message>
        <source>&lt;thresholdSecPerKm&gt; at %1: &quot;%2&quot; is not a pace in seconds per kilometre from 60 to 3600.</source>
        <translation>&lt;thresholdSecPerKm&gt; en %1: &quot;%2&quot; no es un ritmo en segundos por kilómetro de 60 a 3600.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (línea %2)</translation>
    </message>
    <message>
        <source>The &lt;workout&gt; at %1 holds no segments to run.</source>
        <translation>El &lt;workout&gt; en %1 no contiene segmentos que correr.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: the workout grows past %2 steps here.</source>
        <translation>%1: el entrenamiento supera aquí los %2 pasos.</translation>
    </message>
    <message>
        <source>%1: the workout runs past 24 hours here.</source>
        <translation>%1: el entrenamiento supera aquí las 24 horas.</translation>
    </message>
    <message>
        <source>%1: the workout runs past %2 km here.</source>
        <translation>%1: el entrenamiento supera aquí los %2 km.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 &quot;%2&quot; no es un número</translation>
    </message>
    <message>
        <source>%1 %2 is not between %3 and %4%5</source>
        <translation>%1 %2 no está entre %3 y %4%5</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 (or %2 and %3) is missing</source>
        <translation>falta %1 (o %2 y %3)</translation>
    </message>
    <message>
        <source>Repeat %1 is not a whole number</source>
        <translation>Repeat %1 no es un número entero</translation>
    </message>
    <message>
        <source>PowerLow and PowerHigh (or Power) are missing</source>
        <translation>faltan PowerLow y PowerHigh (o Power)</translation>
    </message>
    <message>
        <source> (a share: 0.03 is 3 %)</source>
        <translation> (una fracción: 0.03 es el 3 %)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is no translation &quot;%1&quot;. The languages are: %2.</source>
        <translation>No hay ninguna traducción &quot;%1&quot;. Los idiomas son: %2.</translation>
    </message>
    <message>
        <source>TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300.</source>
        <translation>TREVALO USB AP: programas de entrenamiento y registros de entrenamiento para las cintas QM-20, QM-5 y R300.</translation>
    </message>
    <message>
        <source>Speak this language for this run, whatever the system&apos;s is: %1.</source>
        <translation>Usar este idioma en esta ejecución, sea cual sea el del sistema: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>A program file to open on the Edit tab, a workout file (FIT, TCX or ZWO) to import there, or a record file to open on the Record tab.</source>
        <translation>Un archivo de programa para abrir en la pestaña Editar, un archivo de entrenamiento (FIT, TCX o ZWO) para importar allí, o un archivo de registro para abrir en la pestaña Registro.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
</context>
<context>
    <name>plans</name>
    <message>
        <source>These steps end on a button press or a reading rather than a time or a distance, so each runs for %1 minutes: %2.</source>
        <translation>Estos pasos terminan al pulsar un botón o con una lectura, no con un tiempo o una distancia, así que cada uno dura %1 minutos: %2.</translation>
    </message>
    <message>
        <source>These steps set no speed, so each runs at the speed of the nearest step before it that sets one (or, at the start, of the first step that does): %1.</source>
        <translation>Estos pasos no fijan velocidad, así que cada uno va a la velocidad del paso anterior más cercano que la fije (o, al principio, del primer paso que la fije): %1.</translation>
    </message>
    <message>
        <source>These steps are shorter than one segment (%1), so the program runs them averaged with their neighbours: %2.</source>
        <translation>Estos pasos son más cortos que un segmento (%1), así que el programa los promedia con sus vecinos: %2.</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>paso %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Step %1 (%2)</source>
        <translation>Paso %1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 has a length of %2, which cannot be run.</source>
        <translation>%1 tiene una duración de %2, que no se puede correr.</translation>
    </message>
    <message>
        <source>%1 sets a speed of %2 m/s, which cannot be run.</source>
        <translation>%1 fija una velocidad de %2 m/s, que no se puede correr.</translation>
    </message>
    <message>
        <source>%1 sets an incline that is not a number.</source>
        <translation>%1 fija una inclinación que no es un número.</translation>
    </message>
    <message>
        <source>The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program needs speeds.</source>
        <translation>El entrenamiento no fija velocidad en ningún paso (quizá sea de ciclismo o de frecuencia cardiaca); un programa de cinta necesita velocidades.</translation>
    </message>
    <message>
        <source>The workout has no steps.</source>
        <translation>El entrenamiento no tiene pasos.</translation>
    </message>
    <message>
        <source>%1 covers %2 m at a speed of 0, so it never ends.</source>
        <translation>%1 abarca %2 m a una velocidad de 0, así que nunca termina.</translation>
    </message>
    <message>
        <source>The workout lasts more than 24 hours (by %1); that is too long to import.</source>
        <translation>El entrenamiento dura más de 24 horas (a partir de %1); es demasiado largo para importarlo.</translation>
    </message>
    <message>
        <source>The workout has no length: every step lasts 0 seconds.</source>
        <translation>El entrenamiento no tiene duración: cada paso dura 0 segundos.</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>The workout holds no readings.</source>
        <translation>El entrenamiento no contiene lecturas.</translation>
    </message>
    <message>
        <source>The workout has no length.</source>
        <translation>El entrenamiento no tiene duración.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>Segmento %1</translation>
    </message>
    <message>
        <source>Segments %1</source>
        <translation>Segmentos %1</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest speed the %3 offers in %4 mode (the workout ran up to %5).</source>
        <translation>%1: fijado en %2, la velocidad más alta que ofrece la %3 en modo %4 (el entrenamiento llegó hasta %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest speed the %3 offers in %4 mode (the workout ran down to %5).</source>
        <translation>%1: fijado en %2, la velocidad más baja que ofrece la %3 en modo %4 (el entrenamiento bajó hasta %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest incline the %3 offers in %4 mode (the workout climbed up to %5).</source>
        <translation>%1: fijado en %2, la inclinación más alta que ofrece la %3 en modo %4 (el entrenamiento subió hasta %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest incline the %3 offers in %4 mode (the workout climbed down to %5).</source>
        <translation>%1: fijado en %2, la inclinación más baja que ofrece la %3 en modo %4 (el entrenamiento bajó hasta %5).</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the longest the %3 offers in %4 mode.</source>
        <translation>El entrenamiento dura %1 minutos: el tiempo se fija en %2, el más largo que ofrece la %3 en modo %4.</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the shortest the %3 offers in %4 mode.</source>
        <translation>El entrenamiento dura %1 minutos: el tiempo se fija en %2, el más corto que ofrece la %3 en modo %4.</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the highest the %3 offers.</source>
        <translation>El peso de %1 se fija en %2, el más alto que ofrece la %3.</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the lowest the %3 offers.</source>
        <translation>El peso de %1 se fija en %2, el más bajo que ofrece la %3.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
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

El programa quizá se hizo para otro modelo, otra unidad u otro modo.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a program file holds 65. It may be a record file or no treadmill file.</source>
        <translation>El archivo tiene %1 bytes; un archivo de programa tiene 65. Quizá sea un archivo de registro o no sea un archivo de cinta.</translation>
    </message>
    <message>
        <source>The file&apos;s last byte is %1; a program file ends in 0. It may be no treadmill file.</source>
        <translation>El último byte del archivo es %1; un archivo de programa termina en 0. Quizá no sea un archivo de cinta.</translation>
    </message>
    <message>
        <source>The weight of %1 LBS and of %2 KG disagree: the file is damaged.</source>
        <translation>El peso de %1 LBS y el de %2 KG no coinciden: el archivo está dañado.</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH and %3 KPH disagree: the file is damaged.</source>
        <translation>Segmento %1: %2 MPH y %3 km/h no coinciden: el archivo está dañado.</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH is not offered by the %3 in %4 mode.</source>
        <translation>Segmento %1: la %3 no ofrece %2 MPH en modo %4.</translation>
    </message>
    <message>
        <source>Segment %1: %2 KPH is not offered by the %3 in %4 mode.</source>
        <translation>Segmento %1: la %3 no ofrece %2 km/h en modo %4.</translation>
    </message>
    <message>
        <source>Segment %1: an incline of %2 % is not offered by the %3 in %4 mode.</source>
        <translation>Segmento %1: la %3 no ofrece una inclinación del %2 % en modo %4.</translation>
    </message>
    <message>
        <source>A workout time of %1 minutes is not offered by the %2 in %3 mode.</source>
        <translation>La %2 no ofrece un tiempo de entrenamiento de %1 minutos en modo %3.</translation>
    </message>
    <message>
        <source>A weight of %1 LBS is not offered by the %2 in %3 mode.</source>
        <translation>La %2 no ofrece un peso de %1 LBS en modo %3.</translation>
    </message>
    <message>
        <source>A weight of %1 KG is not offered by the %2 in %3 mode.</source>
        <translation>La %2 no ofrece un peso de %1 KG en modo %3.</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>The workout holds %1 sample; a program needs at least two.</source>
        <translation>El entrenamiento tiene %1 muestra; un programa necesita al menos dos.</translation>
    </message>
    <message>
        <source>The workout holds %1 samples; a program needs at least two.</source>
        <translation>El entrenamiento tiene %1 muestras; un programa necesita al menos dos.</translation>
    </message>
    <message>
        <source>The workout lasts no time: every sample shows the same time.</source>
        <translation>El entrenamiento no dura nada: todas las muestras muestran el mismo tiempo.</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>a number too large to store</source>
        <translation>un número demasiado grande para guardarlo</translation>
    </message>
    <message>
        <source>a workout line before the first date line</source>
        <translation>una línea de entrenamiento antes de la primera línea de fecha</translation>
    </message>
    <message>
        <source>more than 1024 workouts in one file</source>
        <translation>más de 1024 entrenamientos en un archivo</translation>
    </message>
    <message>
        <source>more than 1025 samples in one workout</source>
        <translation>más de 1025 muestras en un entrenamiento</translation>
    </message>
    <message>
        <source>Line %1, %2: %3.</source>
        <translation>Línea %1, %2: %3.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>calorías</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distancia</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>incline</source>
        <translation>inclinación</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pulso</translation>
    </message>
    <message>
        <source>Speed, sample %1: %2</source>
        <translation>Velocidad, muestra %1: %2</translation>
    </message>
    <message>
        <source>Incline, sample %1: %2</source>
        <translation>Inclinación, muestra %1: %2</translation>
    </message>
    <message>
        <source>no sample</source>
        <translation>sin muestra</translation>
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
        <translation>%1 de %2 luces encendidas</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>ningún entrenamiento mostrado</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>unos %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Samples %1 to %2, pulse in beats per minute: %3</source>
        <translation>Muestras %1 a %2, pulso en pulsaciones por minuto: %3</translation>
    </message>
    <message>
        <source>No workout shown</source>
        <translation>Ningún entrenamiento mostrado</translation>
    </message>
    <message>
        <source>%1, samples %2 to %3</source>
        <translation>%1, muestras %2 a %3</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorías</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Time(m:s) %1</source>
        <translation>Tiempo(m:s) %1</translation>
    </message>
    <message>
        <source>Calories：%1 Kcal</source>
        <translation>Calorías：%1 kcal</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>Distancia：%1 millas</translation>
    </message>
    <message>
        <source>Distance：%1 KM</source>
        <translation>Distancia：%1 KM</translation>
    </message>
    <message>
        <source>Weight：%1 LBS</source>
        <translation>Peso：%1 LBS</translation>
    </message>
    <message>
        <source>Weight：%1 KG</source>
        <translation>Peso：%1 KG</translation>
    </message>
    <message>
        <source>SPEED(MPH)</source>
        <translation>VELOCIDAD(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>VELOCIDAD(km/h)</translation>
    </message>
    <message>
        <source>Avg speed</source>
        <translation>Vel. media</translation>
    </message>
    <message>
        <source>Max speed</source>
        <translation>Vel. máx.</translation>
    </message>
    <message>
        <source>Avg pace</source>
        <translation>Ritmo medio</translation>
    </message>
    <message>
        <source>Avg pulse</source>
        <translation>Pulso medio</translation>
    </message>
    <message>
        <source>Max pulse</source>
        <translation>Pulso máx.</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Desnivel</translation>
    </message>
    <message>
        <source>%1 /mile</source>
        <translation>%1 /milla</translation>
    </message>
    <message>
        <source>%1 /km</source>
        <translation>%1 /km</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 ppm</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Muestras</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 kcal</source>
        <translation>%1 entrenamiento, %2, %3, %4 kcal</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 kcal</source>
        <translation>%1 entrenamientos, %2, %3, %4 kcal</translation>
    </message>
</context>
<context>
    <name>trevalo::app::EditTab</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>VELOCIDAD(MPH)</translation>
    </message>
    <message>
        <source>INCLINE(%)</source>
        <translation>INCLINACIÓN(%)</translation>
    </message>
    <message>
        <source>Speed lamps</source>
        <translation>Luces de velocidad</translation>
    </message>
    <message>
        <source>Incline lamps</source>
        <translation>Luces de inclinación</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
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
        <translation>Tiempo(min)</translation>
    </message>
    <message>
        <source>USB Device</source>
        <translation>Dispositivo USB</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportCommand</name>
    <message>
        <source>The workout&apos;s date line &quot;%1&quot; gives no date and time.
When did the workout start?</source>
        <translation>La línea de fecha &quot;%1&quot; del entrenamiento no indica fecha ni hora.
¿Cuándo empezó el entrenamiento?</translation>
    </message>
    <message>
        <source>The workout was not exported.</source>
        <translation>El entrenamiento no se ha exportado.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportProgramCommand</name>
    <message>
        <source>The program was not exported.</source>
        <translation>El programa no se ha exportado.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::Form1</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>The program has changes that are not saved.

Save them before closing?</source>
        <translation>El programa tiene cambios sin guardar.

¿Guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>Drop one record file, program file or workout file on the window to open it.

Several files or a folder cannot be opened at once.</source>
        <translation>Suelta un archivo de registro, de programa o de entrenamiento en la ventana para abrirlo.

No se pueden abrir varios archivos ni una carpeta a la vez.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Keep every workout opened</source>
        <translation>Guardar cada entrenamiento abierto</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Workouts kept</source>
        <translation>Entrenamientos guardados</translation>
    </message>
    <message>
        <source>Personal bests</source>
        <translation>Mejores marcas</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Totals per</source>
        <translation>Totales por</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Totals per period</source>
        <translation>Totales por periodo</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>Crear programa…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>Exportar todo…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>Forget 1 workout?</source>
        <translation>¿Olvidar 1 entrenamiento?</translation>
    </message>
    <message>
        <source>Forget %1 workouts?</source>
        <translation>¿Olvidar %1 entrenamientos?</translation>
    </message>
    <message>
        <source>They are removed from the history and are not kept again when their file is opened again.</source>
        <translation>Se quitan del historial y no se vuelven a guardar cuando se abra de nuevo su archivo.</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV, una fila por entrenamiento (*.csv)</translation>
    </message>
    <message>
        <source>The history was not exported.</source>
        <translation>El historial no se ha exportado.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ImportCommand</name>
    <message>
        <source>The workout was not imported.</source>
        <translation>El entrenamiento no se ha importado.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes, far more than a workout file.</source>
        <translation>El archivo tiene %1 bytes, mucho más que un archivo de entrenamiento.</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab.</source>
        <translation>El entrenamiento es ahora el programa de la pestaña Editar.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::MakeProgramCommand</name>
    <message>
        <source>No program was made.

%1</source>
        <translation>No se ha creado ningún programa.

%1</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab. Some values lay beyond what the lists offer:</source>
        <translation>El entrenamiento es ahora el programa de la pestaña Editar. Algunos valores quedaban fuera de lo que ofrecen las listas:</translation>
    </message>
</context>
<context>
    <name>trevalo::app::OpenCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>Archivos de programa(*.cus)</translation>
    </message>
    <message>
        <source>The program was not opened.</source>
        <translation>El programa no se ha abierto.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::PeriodChart</name>
    <message>
        <source>Distance and pace per period</source>
        <translation>Distancia y ritmo por periodo</translation>
    </message>
    <message>
        <source>no workouts kept</source>
        <translation>ningún entrenamiento guardado</translation>
    </message>
    <message>
        <source>%1 to %2, up to %3 %4 a period</source>
        <translation>de %1 a %2, hasta %3 %4 por periodo</translation>
    </message>
    <message>
        <source>Distance up to %1 %2</source>
        <translation>Distancia hasta %1 %2</translation>
    </message>
    <message>
        <source>Pace %1 to %2 %3</source>
        <translation>Ritmo de %1 a %2 %3</translation>
    </message>
</context>
<context>
    <name>trevalo::app::RecordTab</name>
    <message>
        <source>INCLINE(%)</source>
        <translation>INCLINACIÓN(%)</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Save Charts as Image…</source>
        <translation>Guardar gráficos como imagen…</translation>
    </message>
    <message>
        <source>Pulse chart</source>
        <translation>Gráfico de pulso</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>All Workouts…</source>
        <translation>Todas las sesiones…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>Crear programa…</translation>
    </message>
    <message>
        <source>Samples shown</source>
        <translation>Muestras mostradas</translation>
    </message>
    <message>
        <source>Record Files(*.cus)</source>
        <translation>Archivos de registro(*.cus)</translation>
    </message>
    <message>
        <source>The record file could not be opened.</source>
        <translation>No se pudo abrir el archivo de registro.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
    </message>
    <message>
        <source>The record file could not be read to its end.</source>
        <translation>No se pudo leer el archivo de registro hasta el final.</translation>
    </message>
    <message>
        <source>The record file could not be read.</source>
        <translation>No se pudo leer el archivo de registro.</translation>
    </message>
    <message>
        <source>No workouts were found in
%1</source>
        <translation>No se encontraron entrenamientos en
%1</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The charts were not saved.</source>
        <translation>Los gráficos no se han guardado.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
</context>
<context>
    <name>trevalo::app::SaveCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>Archivos de programa(*.cus)</translation>
    </message>
    <message>
        <source>The program was not saved.</source>
        <translation>El programa no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutChartView</name>
    <message>
        <source>Whole workout</source>
        <translation>Entrenamiento completo</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>ningún entrenamiento mostrado</translation>
    </message>
    <message>
        <source>%1 samples over %2 minutes; speed up to %3, incline up to %4 %, pulse up to %5; samples %6 to %7 shown on the Record tab</source>
        <translation>%1 muestras en %2 minutos; velocidad hasta %3, inclinación hasta %4 %, pulso hasta %5; muestras %6 a %7 mostradas en la pestaña Registro</translation>
    </message>
    <message>
        <source>speed (top %1)</source>
        <translation>velocidad (máx. %1)</translation>
    </message>
    <message>
        <source>incline (top %1 %)</source>
        <translation>inclinación (máx. %1 %)</translation>
    </message>
    <message>
        <source>pulse (top %1)</source>
        <translation>pulso (máx. %1)</translation>
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
        <translation>Todas las sesiones</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>Exportar todo…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV, una fila por entrenamiento (*.csv)</translation>
    </message>
    <message>
        <source>The workouts were not exported.</source>
        <translation>Los entrenamientos no se han exportado.</translation>
    </message>
</context>
</TS>
