<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be encoded as PNG.</source>
        <translation>L&apos;image n&apos;a pas pu être encodée en PNG.</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change of the program</source>
        <translation>modification du programme</translation>
    </message>
</context>
<context>
    <name>LoadProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File Save As  %1 Success!</source>
        <translation>Fichier enregistré sous  %1  Réussi !</translation>
    </message>
    <message>
        <source>%1

Could not write the file
%2

%3</source>
        <translation>%1

Impossible d&apos;écrire le fichier
%2

%3</translation>
    </message>
</context>
<context>
    <name>PaceDialog</name>
    <message>
        <source>mile</source>
        <translation>mile</translation>
    </message>
    <message>
        <source>kilometre</source>
        <translation>kilomètre</translation>
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
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Threshold pace</source>
        <translation>Allure seuil</translation>
    </message>
    <message>
        <source>The workout&apos;s speeds are parts of your threshold pace: the pace you can hold for about an hour.

Your threshold pace, per %1:</source>
        <translation>Les vitesses de l&apos;entraînement sont des fractions de votre allure seuil : l&apos;allure que vous pouvez tenir environ une heure.

Votre allure seuil, par %1 :</translation>
    </message>
    <message>
        <source>Steady pace</source>
        <translation>Allure constante</translation>
    </message>
    <message>
        <source>The workout is a hill session: it gives the slopes, and you choose one pace to run them all at.

Your pace, per %1:</source>
        <translation>L&apos;entraînement est une séance de côtes : il donne les pentes, et vous choisissez une allure pour toutes les courir.

Votre allure, par %1 :</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Save the program as a file</source>
        <translation>Enregistrer le programme dans un fichier</translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation>Ouvrir un fichier de programme</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Ouvrir un fichier d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>SummaryFrame</name>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Program summary</source>
        <translation>Résumé du programme</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>VITESSE(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>VITESSE(km/h)</translation>
    </message>
    <message>
        <source>Set_Weight(LBS)</source>
        <translation>Poids(LBS)</translation>
    </message>
    <message>
        <source>Set_Weight(KG)</source>
        <translation>Poids(KG)</translation>
    </message>
    <message>
        <source>Speed, segment %1, level %2</source>
        <translation>Vitesse, segment %1, niveau %2</translation>
    </message>
    <message>
        <source>Incline, segment %1, level %2</source>
        <translation>Inclinaison, segment %1, niveau %2</translation>
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
        <translation>allumé ; ne réagit pas aux clics</translation>
    </message>
    <message>
        <source>not lit; does not react to clicks</source>
        <translation>éteint ; ne réagit pas aux clics</translation>
    </message>
    <message>
        <source>lit; a click sets %1</source>
        <translation>allumé ; un clic règle %1</translation>
    </message>
    <message>
        <source>not lit; a click sets %1</source>
        <translation>éteint ; un clic règle %1</translation>
    </message>
    <message>
        <source>Speed of segment %1</source>
        <translation>Vitesse du segment %1</translation>
    </message>
    <message>
        <source>Incline of segment %1</source>
        <translation>Inclinaison du segment %1</translation>
    </message>
    <message>
        <source>Treadmill model</source>
        <translation>Modèle de tapis</translation>
    </message>
    <message>
        <source>Workout time in minutes</source>
        <translation>Durée de l&apos;entraînement en minutes</translation>
    </message>
    <message>
        <source>User weight</source>
        <translation>Poids de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Segment：%1</source>
        <translation>Segment：%1</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>Distance：%1 miles</translation>
    </message>
    <message>
        <source>Distance：%1 km</source>
        <translation>Distance：%1 km</translation>
    </message>
    <message>
        <source>Avg speed：%1 MPH</source>
        <translation>Vit. moy.：%1 MPH</translation>
    </message>
    <message>
        <source>Avg speed：%1 KPH</source>
        <translation>Vit. moy.：%1 km/h</translation>
    </message>
    <message>
        <source>Climb：%1 ft</source>
        <translation>Dénivelé：%1 ft</translation>
    </message>
    <message>
        <source>Climb：%1 m</source>
        <translation>Dénivelé：%1 m</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>FIT activity (*.fit)</source>
        <translation>Activité FIT (*.fit)</translation>
    </message>
    <message>
        <source>Training Center XML (*.tcx)</source>
        <translation>Training Center XML (*.tcx)</translation>
    </message>
    <message>
        <source>CSV, one row per sample (*.csv)</source>
        <translation>CSV, une ligne par mesure (*.csv)</translation>
    </message>
    <message>
        <source>FIT workout (*.fit)</source>
        <translation>Entraînement FIT (*.fit)</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Could not follow the link</source>
        <translation>Impossible de suivre le lien</translation>
    </message>
    <message>
        <source>Could not replace the file: it is a device or a pipe, not a regular file</source>
        <translation>Impossible de remplacer le fichier : c&apos;est un périphérique ou un tube, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Could not create a file in the folder</source>
        <translation>Impossible de créer un fichier dans le dossier</translation>
    </message>
    <message>
        <source>Could not write the content</source>
        <translation>Impossible d&apos;écrire le contenu</translation>
    </message>
    <message>
        <source>Could not save the content to the disk</source>
        <translation>Impossible d&apos;enregistrer le contenu sur le disque</translation>
    </message>
    <message>
        <source>Could not finish the file</source>
        <translation>Impossible de terminer le fichier</translation>
    </message>
    <message>
        <source>Could not put the new file in place</source>
        <translation>Impossible de mettre le nouveau fichier en place</translation>
    </message>
    <message>
        <source>This is a folder, not a file that can be read.</source>
        <translation>Ceci est un dossier, pas un fichier lisible.</translation>
    </message>
    <message>
        <source>This is a named pipe, not a file that can be read.</source>
        <translation>Ceci est un tube nommé, pas un fichier lisible.</translation>
    </message>
    <message>
        <source>This is a socket, not a file that can be read.</source>
        <translation>Ceci est une socket, pas un fichier lisible.</translation>
    </message>
    <message>
        <source>This is a device, not a file that can be read.</source>
        <translation>Ceci est un périphérique, pas un fichier lisible.</translation>
    </message>
    <message>
        <source>This is not a regular file, not a file that can be read.</source>
        <translation>Ceci n&apos;est pas un fichier ordinaire et ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>fit</name>
    <message>
        <source>byte %1</source>
        <translation>octet %1</translation>
    </message>
    <message>
        <source>The file is damaged: %1 (%2).</source>
        <translation>Le fichier est endommagé : %1 (%2).</translation>
    </message>
    <message>
        <source>a definition message runs past the end of the messages</source>
        <translation>un message de définition dépasse la fin des messages</translation>
    </message>
    <message>
        <source>a definition message gives architecture %1; only 0 (little-endian) and 1 (big-endian) exist</source>
        <translation>un message de définition indique l&apos;architecture %1 ; seules 0 (little-endian) et 1 (big-endian) existent</translation>
    </message>
    <message>
        <source>a data message uses local message type %1, which no definition before it declares</source>
        <translation>un message de données utilise le type de message local %1, qu&apos;aucune définition précédente ne déclare</translation>
    </message>
    <message>
        <source>a data message runs past the end of the messages</source>
        <translation>un message de données dépasse la fin des messages</translation>
    </message>
    <message>
        <source>after its FIT data come %1 bytes that are not FIT data</source>
        <translation>après les données FIT viennent %1 octets qui ne sont pas des données FIT</translation>
    </message>
    <message>
        <source>its check sum does not match</source>
        <translation>la somme de contrôle ne correspond pas</translation>
    </message>
    <message>
        <source>This is not a FIT file: it is %1 bytes long, shorter than any FIT file&apos;s header.</source>
        <translation>Ce n&apos;est pas un fichier FIT : il fait %1 octets, moins que l&apos;en-tête de tout fichier FIT.</translation>
    </message>
    <message>
        <source>This is not a FIT file: it does not begin as one (no &quot;.FIT&quot; at %1).</source>
        <translation>Ce n&apos;est pas un fichier FIT : il ne commence pas comme tel (pas de « .FIT » à l&apos;%1).</translation>
    </message>
    <message>
        <source>This is not a FIT file: its header would be %1 bytes long, not 12 or 14 (%2).</source>
        <translation>Ce n&apos;est pas un fichier FIT : son en-tête ferait %1 octets, et non 12 ou 14 (%2).</translation>
    </message>
    <message>
        <source>This FIT file is of a newer kind than this tool reads: protocol version %1.%2, where it reads up to 2 (%3).</source>
        <translation>Ce fichier FIT est d&apos;un type plus récent que ce que lit cet outil : version de protocole %1.%2, alors qu&apos;il lit jusqu&apos;à la 2 (%3).</translation>
    </message>
    <message>
        <source>The file is cut short: it ends inside its header (%1).</source>
        <translation>Le fichier est tronqué : il se termine dans son en-tête (%1).</translation>
    </message>
    <message>
        <source>The file is damaged: its header&apos;s check sum does not match (%1).</source>
        <translation>Le fichier est endommagé : la somme de contrôle de son en-tête ne correspond pas (%1).</translation>
    </message>
    <message>
        <source>The file is cut short: it ends %1 bytes before the end its header announces (%2).</source>
        <translation>Le fichier est tronqué : il se termine %1 octets avant la fin annoncée par son en-tête (%2).</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: it has no file_id message, where a FIT file names its kind.</source>
        <translation>Ce fichier FIT ne dit pas ce qu&apos;il contient : il n&apos;a pas de message file_id, où un fichier FIT indique son type.</translation>
    </message>
    <message>
        <source>This FIT file does not say what it holds: its file_id message gives no file type (%1).</source>
        <translation>Ce fichier FIT ne dit pas ce qu&apos;il contient : son message file_id n&apos;indique aucun type de fichier (%1).</translation>
    </message>
    <message>
        <source>a description of a device</source>
        <translation>une description d&apos;appareil</translation>
    </message>
    <message>
        <source>a device&apos;s settings</source>
        <translation>les réglages d&apos;un appareil</translation>
    </message>
    <message>
        <source>sport settings</source>
        <translation>des réglages de sport</translation>
    </message>
    <message>
        <source>an activity</source>
        <translation>une activité</translation>
    </message>
    <message>
        <source>a workout</source>
        <translation>un entraînement</translation>
    </message>
    <message>
        <source>a course</source>
        <translation>un parcours</translation>
    </message>
    <message>
        <source>a training schedule</source>
        <translation>un plan d&apos;entraînement</translation>
    </message>
    <message>
        <source>weight readings</source>
        <translation>des mesures de poids</translation>
    </message>
    <message>
        <source>totals of past activities</source>
        <translation>des totaux d&apos;activités passées</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>des objectifs</translation>
    </message>
    <message>
        <source>blood pressure readings</source>
        <translation>des mesures de tension artérielle</translation>
    </message>
    <message>
        <source>all-day monitoring data</source>
        <translation>des données de suivi quotidien</translation>
    </message>
    <message>
        <source>a summary of an activity</source>
        <translation>un résumé d&apos;activité</translation>
    </message>
    <message>
        <source>daily monitoring totals</source>
        <translation>des totaux de suivi quotidien</translation>
    </message>
    <message>
        <source>a segment</source>
        <translation>un segment</translation>
    </message>
    <message>
        <source>a list of segments</source>
        <translation>une liste de segments</translation>
    </message>
    <message>
        <source>data screen settings</source>
        <translation>des réglages d&apos;écrans de données</translation>
    </message>
    <message>
        <source>sleep data</source>
        <translation>des données de sommeil</translation>
    </message>
    <message>
        <source>data of its maker&apos;s own kind (FIT file type %1)</source>
        <translation>des données d&apos;un type propre au fabricant (type de fichier FIT %1)</translation>
    </message>
    <message>
        <source>data of a kind this tool does not know (FIT file type %1)</source>
        <translation>des données d&apos;un type que cet outil ne connaît pas (type de fichier FIT %1)</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not %2.</source>
        <translation>Ce fichier FIT contient %1, et non %2.</translation>
    </message>
    <message>
        <source>a run</source>
        <translation>une course à pied</translation>
    </message>
    <message>
        <source>a ride</source>
        <translation>une sortie à vélo</translation>
    </message>
    <message>
        <source>a transition between two sports</source>
        <translation>une transition entre deux sports</translation>
    </message>
    <message>
        <source>a session on fitness equipment</source>
        <translation>une séance sur un appareil de fitness</translation>
    </message>
    <message>
        <source>a swim</source>
        <translation>une séance de natation</translation>
    </message>
    <message>
        <source>a basketball game</source>
        <translation>un match de basket</translation>
    </message>
    <message>
        <source>a football (soccer) game</source>
        <translation>un match de football</translation>
    </message>
    <message>
        <source>a tennis match</source>
        <translation>un match de tennis</translation>
    </message>
    <message>
        <source>an American football game</source>
        <translation>un match de football américain</translation>
    </message>
    <message>
        <source>a training session</source>
        <translation>une séance d&apos;entraînement</translation>
    </message>
    <message>
        <source>a walk</source>
        <translation>une marche</translation>
    </message>
    <message>
        <source>a cross-country skiing session</source>
        <translation>une séance de ski de fond</translation>
    </message>
    <message>
        <source>an alpine skiing session</source>
        <translation>une séance de ski alpin</translation>
    </message>
    <message>
        <source>a snowboarding session</source>
        <translation>une séance de snowboard</translation>
    </message>
    <message>
        <source>a rowing session</source>
        <translation>une séance d&apos;aviron</translation>
    </message>
    <message>
        <source>a mountaineering tour</source>
        <translation>une course en montagne</translation>
    </message>
    <message>
        <source>a hike</source>
        <translation>une randonnée</translation>
    </message>
    <message>
        <source>a multisport race</source>
        <translation>une course multisport</translation>
    </message>
    <message>
        <source>a paddling session</source>
        <translation>une séance de pagaie</translation>
    </message>
    <message>
        <source>a flight</source>
        <translation>un vol</translation>
    </message>
    <message>
        <source>an e-bike ride</source>
        <translation>une sortie en vélo électrique</translation>
    </message>
    <message>
        <source>a motorcycle ride</source>
        <translation>une sortie à moto</translation>
    </message>
    <message>
        <source>a boat trip</source>
        <translation>une sortie en bateau</translation>
    </message>
    <message>
        <source>a drive</source>
        <translation>un trajet en voiture</translation>
    </message>
    <message>
        <source>a round of golf</source>
        <translation>une partie de golf</translation>
    </message>
    <message>
        <source>a hang-gliding flight</source>
        <translation>un vol en deltaplane</translation>
    </message>
    <message>
        <source>a horse ride</source>
        <translation>une sortie à cheval</translation>
    </message>
    <message>
        <source>a hunt</source>
        <translation>une partie de chasse</translation>
    </message>
    <message>
        <source>a fishing trip</source>
        <translation>une sortie de pêche</translation>
    </message>
    <message>
        <source>an inline skating session</source>
        <translation>une séance de roller</translation>
    </message>
    <message>
        <source>a rock climb</source>
        <translation>une escalade</translation>
    </message>
    <message>
        <source>a sail</source>
        <translation>une sortie en voilier</translation>
    </message>
    <message>
        <source>an ice skating session</source>
        <translation>une séance de patin à glace</translation>
    </message>
    <message>
        <source>a skydive</source>
        <translation>un saut en chute libre</translation>
    </message>
    <message>
        <source>a snowshoe hike</source>
        <translation>une randonnée en raquettes</translation>
    </message>
    <message>
        <source>a snowmobile ride</source>
        <translation>une sortie en motoneige</translation>
    </message>
    <message>
        <source>a stand-up paddleboarding session</source>
        <translation>une séance de stand-up paddle</translation>
    </message>
    <message>
        <source>a surfing session</source>
        <translation>une séance de surf</translation>
    </message>
    <message>
        <source>a wakeboarding session</source>
        <translation>une séance de wakeboard</translation>
    </message>
    <message>
        <source>a water skiing session</source>
        <translation>une séance de ski nautique</translation>
    </message>
    <message>
        <source>a kayaking trip</source>
        <translation>une sortie en kayak</translation>
    </message>
    <message>
        <source>a rafting trip</source>
        <translation>une descente en rafting</translation>
    </message>
    <message>
        <source>a windsurfing session</source>
        <translation>une séance de planche à voile</translation>
    </message>
    <message>
        <source>a kitesurfing session</source>
        <translation>une séance de kitesurf</translation>
    </message>
    <message>
        <source>a tactical activity</source>
        <translation>une activité tactique</translation>
    </message>
    <message>
        <source>a parachute jump</source>
        <translation>un saut en parachute</translation>
    </message>
    <message>
        <source>a boxing session</source>
        <translation>une séance de boxe</translation>
    </message>
    <message>
        <source>a stair climb</source>
        <translation>une montée d&apos;escaliers</translation>
    </message>
    <message>
        <source>a baseball game</source>
        <translation>un match de baseball</translation>
    </message>
    <message>
        <source>a dive</source>
        <translation>une plongée</translation>
    </message>
    <message>
        <source>a shooting session</source>
        <translation>une séance de tir</translation>
    </message>
    <message>
        <source>a winter sport session</source>
        <translation>une séance de sport d&apos;hiver</translation>
    </message>
    <message>
        <source>a grinding session</source>
        <translation>une séance de grinding</translation>
    </message>
    <message>
        <source>a HIIT workout</source>
        <translation>un entraînement HIIT</translation>
    </message>
    <message>
        <source>a video gaming session</source>
        <translation>une session de jeu vidéo</translation>
    </message>
    <message>
        <source>a racket sport game</source>
        <translation>un match de sport de raquette</translation>
    </message>
    <message>
        <source>a wheelchair push at walking pace</source>
        <translation>un trajet en fauteuil roulant à allure de marche</translation>
    </message>
    <message>
        <source>a wheelchair push at running pace</source>
        <translation>un trajet en fauteuil roulant à allure de course</translation>
    </message>
    <message>
        <source>a meditation</source>
        <translation>une méditation</translation>
    </message>
    <message>
        <source>a para sport session</source>
        <translation>une séance de parasport</translation>
    </message>
    <message>
        <source>a round of disc golf</source>
        <translation>une partie de disc-golf</translation>
    </message>
    <message>
        <source>a team sport game</source>
        <translation>un match de sport collectif</translation>
    </message>
    <message>
        <source>a cricket match</source>
        <translation>un match de cricket</translation>
    </message>
    <message>
        <source>a rugby match</source>
        <translation>un match de rugby</translation>
    </message>
    <message>
        <source>a hockey game</source>
        <translation>un match de hockey</translation>
    </message>
    <message>
        <source>a lacrosse game</source>
        <translation>un match de crosse</translation>
    </message>
    <message>
        <source>a volleyball game</source>
        <translation>un match de volley-ball</translation>
    </message>
    <message>
        <source>a water tubing ride</source>
        <translation>une descente en bouée</translation>
    </message>
    <message>
        <source>a wakesurfing session</source>
        <translation>une séance de wakesurf</translation>
    </message>
    <message>
        <source>a water sport session</source>
        <translation>une séance de sport nautique</translation>
    </message>
    <message>
        <source>an archery session</source>
        <translation>une séance de tir à l&apos;arc</translation>
    </message>
    <message>
        <source>a mixed martial arts session</source>
        <translation>une séance d&apos;arts martiaux mixtes</translation>
    </message>
    <message>
        <source>a motor sport session</source>
        <translation>une séance de sport mécanique</translation>
    </message>
    <message>
        <source>a snorkelling trip</source>
        <translation>une sortie de snorkeling</translation>
    </message>
    <message>
        <source>a dance</source>
        <translation>une danse</translation>
    </message>
    <message>
        <source>a jump rope session</source>
        <translation>une séance de corde à sauter</translation>
    </message>
    <message>
        <source>a pool apnea session</source>
        <translation>une séance d&apos;apnée en piscine</translation>
    </message>
    <message>
        <source>a mobility session</source>
        <translation>une séance de mobilité</translation>
    </message>
    <message>
        <source>a geocaching trip</source>
        <translation>une sortie de géocaching</translation>
    </message>
    <message>
        <source>a canoe trip</source>
        <translation>une sortie en canoë</translation>
    </message>
    <message>
        <source>an activity of no sport in particular</source>
        <translation>une activité sans sport particulier</translation>
    </message>
    <message>
        <source>an indoor ride</source>
        <translation>une sortie à vélo en intérieur</translation>
    </message>
    <message>
        <source>a session on a rowing machine</source>
        <translation>une séance sur rameur</translation>
    </message>
    <message>
        <source>a session on an elliptical trainer</source>
        <translation>une séance sur vélo elliptique</translation>
    </message>
    <message>
        <source>a session on a stair climber</source>
        <translation>une séance sur stepper</translation>
    </message>
    <message>
        <source>a session on a ski machine</source>
        <translation>une séance sur ski-ergomètre</translation>
    </message>
    <message>
        <source>an activity of a sport this tool does not know (FIT sport %1)</source>
        <translation>une activité d&apos;un sport que cet outil ne connaît pas (sport FIT %1)</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>The folder %1 could not be kept for the next dialog in %2.</source>
        <translation>Le dossier %1 n&apos;a pas pu être retenu pour la prochaine boîte de dialogue dans %2.</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>The training history cannot be kept in %1: %2.</source>
        <translation>L&apos;historique d&apos;entraînement ne peut pas être conservé dans %1 : %2.</translation>
    </message>
    <message>
        <source>The training history %1 cannot be read: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo: it is shown, and nothing is kept in it.</source>
        <translation>L&apos;historique d&apos;entraînement %1 a été écrit par une version plus récente de trevalo : il est affiché, et rien n&apos;y est conservé.</translation>
    </message>
    <message>
        <source>it cannot be read (%1) nor moved aside (%2)</source>
        <translation>il ne peut être ni lu (%1) ni mis de côté (%2)</translation>
    </message>
    <message>
        <source>The training history %1 could not be read (%2); it was moved to %3 and a new history started.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu être lu (%2) ; il a été déplacé vers %3 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one keeps nothing in it.</source>
        <translation>L&apos;historique d&apos;entraînement %1 a été écrit par une version plus récente de trevalo ; cette version n&apos;y conserve rien.</translation>
    </message>
    <message>
        <source>The training history %1 could not keep the workouts: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu conserver les entraînements : %2.</translation>
    </message>
    <message>
        <source>The training history %1 was written by a later version of trevalo; this one changes nothing in it.</source>
        <translation>L&apos;historique d&apos;entraînement %1 a été écrit par une version plus récente de trevalo ; cette version n&apos;y change rien.</translation>
    </message>
    <message>
        <source>The training history %1 could not forget the workouts: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu oublier les entraînements : %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not list its workouts: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu lister ses entraînements : %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its periods: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu totaliser ses périodes : %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not add up its workouts: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu totaliser ses entraînements : %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not find the personal bests: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu trouver les records personnels : %2.</translation>
    </message>
    <message>
        <source>The training history %1 could not read a workout: %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas pu lire un entraînement : %2.</translation>
    </message>
    <message>
        <source>The training history %1 has no workout %2.</source>
        <translation>L&apos;historique d&apos;entraînement %1 n&apos;a pas d&apos;entraînement %2.</translation>
    </message>
    <message>
        <source>The training history %1: the readings of workout %2 do not match its sample count.</source>
        <translation>Historique d&apos;entraînement %1 : les relevés de l&apos;entraînement %2 ne correspondent pas à son nombre d&apos;échantillons.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Distance (mi)</source>
        <translation>Distance (mi)</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>Average speed (MPH)</source>
        <translation>Vitesse moy. (mph)</translation>
    </message>
    <message>
        <source>Average speed (KPH)</source>
        <translation>Vitesse moy. (km/h)</translation>
    </message>
    <message>
        <source>Average pace (/mi)</source>
        <translation>Allure moy. (/mi)</translation>
    </message>
    <message>
        <source>Average pace (/km)</source>
        <translation>Allure moy. (/km)</translation>
    </message>
    <message>
        <source>Climb (ft)</source>
        <translation>Dénivelé (ft)</translation>
    </message>
    <message>
        <source>Climb (m)</source>
        <translation>Dénivelé (m)</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calories</translation>
    </message>
    <message>
        <source>Average pulse</source>
        <translation>Pouls moyen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>Entraînements</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Longest distance</source>
        <translation>Plus longue distance</translation>
    </message>
    <message>
        <source>Longest time</source>
        <translation>Plus longue durée</translation>
    </message>
    <message>
        <source>Most climb</source>
        <translation>Plus grand dénivelé</translation>
    </message>
    <message>
        <source>Fastest 1 km</source>
        <translation>1 km le plus rapide</translation>
    </message>
    <message>
        <source>Fastest 1 mile</source>
        <translation>1 mile le plus rapide</translation>
    </message>
    <message>
        <source>Fastest 5 km</source>
        <translation>5 km les plus rapides</translation>
    </message>
    <message>
        <source>Fastest 10 km</source>
        <translation>10 km les plus rapides</translation>
    </message>
    <message>
        <source>Fastest half marathon</source>
        <translation>Semi-marathon le plus rapide</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 climbed</source>
        <translation>%1 entraînement, %2, %3, %4 de dénivelé</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 climbed</source>
        <translation>%1 entraînements, %2, %3, %4 de dénivelé</translation>
    </message>
</context>
<context>
    <name>imports</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This is %1, not a run.</source>
        <translation>Ceci est %1, pas une course à pied.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 autres</translation>
    </message>
    <message>
        <source>This holds no run: its %1 activities are %2.</source>
        <translation>Ceci ne contient aucune course à pied : ses %1 activités sont %2.</translation>
    </message>
    <message>
        <source>This file holds several sports but does not say when its run began, so the run cannot be told from the rest (a session without a start time).</source>
        <translation>Ce fichier contient plusieurs sports mais ne dit pas quand sa course a commencé : la course ne peut donc pas être distinguée du reste (une séance sans heure de début).</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the run was imported.</source>
        <translation>Ce fichier contient %1 activités, %2 : seule la course à pied a été importée.</translation>
    </message>
    <message>
        <source>This file holds %1 activities, %2: only the runs were imported, one after the other.</source>
        <translation>Ce fichier contient %1 activités, %2 : seules les courses à pied ont été importées, l&apos;une après l&apos;autre.</translation>
    </message>
    <message>
        <source>The FIT activity has fewer than two records with a time: they give the workout no length.</source>
        <translation>L&apos;activité FIT compte moins de deux enregistrements horodatés : ils ne donnent aucune durée à l&apos;entraînement.</translation>
    </message>
    <message>
        <source>This activity holds no speed or distance: nothing in it tells how fast it went.</source>
        <translation>Cette activité ne contient ni vitesse ni distance : rien n&apos;y indique à quelle vitesse elle s&apos;est déroulée.</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer; %2 of stops were left out.</source>
        <translation>La course a duré %1 selon le chronomètre de la montre ; %2 d&apos;arrêts ont été retirés.</translation>
    </message>
    <message>
        <source>The run lasted %1 by the watch&apos;s timer.</source>
        <translation>La course a duré %1 selon le chronomètre de la montre.</translation>
    </message>
    <message>
        <source>This FIT file holds %1, not a workout or an activity.</source>
        <translation>Ce fichier FIT contient %1, ni un entraînement ni une activité.</translation>
    </message>
    <message>
        <source>Step %1 (byte %2)</source>
        <translation>Étape %1 (octet %2)</translation>
    </message>
    <message>
        <source>until a time</source>
        <translation>jusqu&apos;à une durée</translation>
    </message>
    <message>
        <source>until a distance</source>
        <translation>jusqu&apos;à une distance</translation>
    </message>
    <message>
        <source>until a count of calories</source>
        <translation>jusqu&apos;à un nombre de calories</translation>
    </message>
    <message>
        <source>until the heart rate fell below a value</source>
        <translation>jusqu&apos;à ce que le pouls descende sous une valeur</translation>
    </message>
    <message>
        <source>until the heart rate rose above a value</source>
        <translation>jusqu&apos;à ce que le pouls dépasse une valeur</translation>
    </message>
    <message>
        <source>until the power fell below a value</source>
        <translation>jusqu&apos;à ce que la puissance descende sous une valeur</translation>
    </message>
    <message>
        <source>until the power rose above a value</source>
        <translation>jusqu&apos;à ce que la puissance dépasse une valeur</translation>
    </message>
    <message>
        <source>%1 repeats from message index %2, which no step has.</source>
        <translation>%1 se répète à partir de l&apos;index de message %2, qu&apos;aucune étape ne porte.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 repeats from step %2, which does not come before it.</source>
        <translation>%1 se répète à partir de l&apos;étape %2, qui ne vient pas avant elle.</translation>
    </message>
    <message>
        <source>Repeat of step %1 %2 was run once.</source>
        <translation>La répétition de l&apos;étape %1 %2 a été faite une seule fois.</translation>
    </message>
    <message>
        <source>Repeat of steps %1 to %2 %3 was run once.</source>
        <translation>La répétition des étapes %1 à %2 %3 a été faite une seule fois.</translation>
    </message>
    <message>
        <source>%1 repeats steps %2 to %3 %4 times: the workout would run beyond 24 hours or 10,000 steps.</source>
        <translation>%1 répète les étapes %2 à %3 %4 fois : l&apos;entraînement dépasserait 24 heures ou 10,000 étapes.</translation>
    </message>
    <message>
        <source>%1 takes the workout beyond 24 hours or 10,000 steps.</source>
        <translation>%1 fait dépasser à l&apos;entraînement 24 heures ou 10,000 étapes.</translation>
    </message>
    <message>
        <source>The FIT workout holds no steps to run.</source>
        <translation>L&apos;entraînement FIT ne contient aucune étape à courir.</translation>
    </message>
    <message>
        <source>FIT files</source>
        <translation>Fichiers FIT</translation>
    </message>
    <message>
        <source>TCX files</source>
        <translation>Fichiers TCX</translation>
    </message>
    <message>
        <source>Zwift workouts</source>
        <translation>Entraînements Zwift</translation>
    </message>
    <message>
        <source>Workouts (%1)</source>
        <translation>Entraînements (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the XML is broken at %1: %2</source>
        <translation>Pas une activité TCX : le XML est cassé à %1 : %2</translation>
    </message>
    <message>
        <source>Not a TCX activity: the file starts with &lt;%1&gt; at %2, not with &lt;TrainingCenterDatabase&gt;.</source>
        <translation>Pas une activité TCX : le fichier commence par &lt;%1&gt; à %2, et non par &lt;TrainingCenterDatabase&gt;.</translation>
    </message>
    <message>
        <source>The TCX file holds no &lt;Activity&gt;, so there is no workout to read.</source>
        <translation>Le fichier TCX ne contient aucune &lt;Activity&gt; : il n&apos;y a donc pas d&apos;entraînement à lire.</translation>
    </message>
    <message>
        <source>This is a ride, not a run. The activity at %1 has the sport &quot;Biking&quot;.</source>
        <translation>Ceci est une sortie à vélo, pas une course à pied. L&apos;activité à %1 a le sport « Biking ».</translation>
    </message>
    <message>
        <source>The activity at %1 has the sport %2, which is not a run.</source>
        <translation>L&apos;activité à %1 a le sport %2, qui n&apos;est pas une course à pied.</translation>
    </message>
    <message>
        <source>The activity at %1 has no trackpoints at two different times, so the workout has no length.</source>
        <translation>L&apos;activité à %1 n&apos;a pas de points de trace à deux instants différents : l&apos;entraînement n&apos;a donc aucune durée.</translation>
    </message>
    <message>
        <source>&lt;Trackpoint&gt; at %1: the activity grows past %2 trackpoints here.</source>
        <translation>&lt;Trackpoint&gt; à %1 : l&apos;activité dépasse ici %2 points de trace.</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: %2 is not a date and time such as 2026-03-01T06:30:00Z.</source>
        <translation>&lt;Time&gt; à %1 : %2 n&apos;est pas une date et heure comme 2026-03-01T06:30:00Z.</translation>
    </message>
    <message>
        <source>a distance in metres from 0 to 10000000</source>
        <translation>une distance en mètres de 0 à 10000000</translation>
    </message>
    <message>
        <source>a height in metres from -100000 to 100000</source>
        <translation>une altitude en mètres de -100000 à 100000</translation>
    </message>
    <message>
        <source>a speed in metres per second from 0 to 1000</source>
        <translation>une vitesse en mètres par seconde de 0 à 1000</translation>
    </message>
    <message>
        <source>&lt;%1&gt; at %2: %3 is not %4.</source>
        <translation>&lt;%1&gt; à %2 : %3 n&apos;est pas %4.</translation>
    </message>
    <message>
        <source>&lt;Time&gt; at %1: the activity runs past 24 hours here.</source>
        <translation>&lt;Time&gt; à %1 : l&apos;activité dépasse ici 24 heures.</translation>
    </message>
    <message>
        <source>The activity at %1 holds no speed or distance to run at: none of its trackpoints has a speed, and fewer than two have a distance.</source>
        <translation>L&apos;activité à %1 ne contient ni vitesse ni distance à courir : aucun de ses points de trace n&apos;a de vitesse, et moins de deux ont une distance.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>This is not a workout file this tool can import: it is none of %1.</source>
        <translation>Ceci n&apos;est pas un fichier d&apos;entraînement que cet outil peut importer : ce n&apos;est ni l&apos;un ni l&apos;autre de ces formats : %1.</translation>
    </message>
    <message>
        <source>A hill session: every step runs at the steady pace you gave, at the file&apos;s slopes.</source>
        <translation>Une séance de côtes : chaque étape se court à l&apos;allure constante que vous avez donnée, aux pentes du fichier.</translation>
    </message>
    <message>
        <source>Left out, as this tool does not know what they ask of a run: %1.</source>
        <translation>Laissés de côté, car cet outil ne sait pas ce qu&apos;ils demandent à une course : %1.</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the XML is broken at %1: %2</source>
        <translation>Pas un entraînement ZWO : le XML est cassé à %1 : %2</translation>
    </message>
    <message>
        <source>Not a ZWO workout: the file starts with &lt;%1&gt; at %2, not with &lt;workout_file&gt;.</source>
        <translation>Pas un entraînement ZWO : le fichier commence par &lt;%1&gt; à %2, et non par &lt;workout_file&gt;.</translation>
    </message>
    <message>
        <source>The workout names no sport type, which Zwift reads as a cycling workout: its targets are power, not speed.</source>
        <translation>L&apos;entraînement n&apos;indique aucun sport, ce que Zwift lit comme un entraînement de vélo : ses objectifs sont des puissances, pas des vitesses.</translation>
    </message>
    <message>
        <source>This is a cycling workout (sport type &quot;bike&quot; at %1): its targets are power, not speed.</source>
        <translation>Ceci est un entraînement de vélo (sport « bike » à %1) : ses objectifs sont des puissances, pas des vitesses.</translation>
    </message>
    <message>
        <source>The workout&apos;s sport type &quot;%1&quot; (%2) is not a run.</source>
        <translation>Le sport « %1 » de l&apos;entraînement (%2) n&apos;est pas une course à pied.</translation>
    </message>
    <message>
        <source>The file holds no &lt;workout&gt;, so there are no steps to run.</source>
        <translation>Le fichier ne contient pas de &lt;workout&gt; : il n&apos;y a donc aucune étape à courir.</translation>
    </message>
    <message>
        <source>&lt;durationType&gt; at %1: &quot;%2&quot; is neither &quot;time&quot; nor &quot;distance&quot;.</source>
        <translation>&lt;durationType&gt; à %1 : « %2 » n&apos;est ni « time » ni « distance ».</translation>
    </message>
    <message>
        <source>&lt;thresholdSecPerKm&gt; at %1: &quot;%2&quot; is not a pace in seconds per kilometre from 60 to 3600.</source>
        <translation>&lt;thresholdSecPerKm&gt; à %1 : « %2 » n&apos;est pas une allure en secondes par kilomètre de 60 à 3600.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>The &lt;workout&gt; at %1 holds no segments to run.</source>
        <translation>Le &lt;workout&gt; à %1 ne contient aucun segment à courir.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>%1: the workout grows past %2 steps here.</source>
        <translation>%1 : l&apos;entraînement dépasse ici %2 étapes.</translation>
    </message>
    <message>
        <source>%1: the workout runs past 24 hours here.</source>
        <translation>%1 : l&apos;entraînement dépasse ici 24 heures.</translation>
    </message>
    <message>
        <source>%1: the workout runs past %2 km here.</source>
        <translation>%1 : l&apos;entraînement dépasse ici %2 km.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 « %2 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 %2 is not between %3 and %4%5</source>
        <translation>%1 %2 n&apos;est pas compris entre %3 et %4%5</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 (or %2 and %3) is missing</source>
        <translation>%1 (ou %2 et %3) manque</translation>
    </message>
    <message>
        <source>Repeat %1 is not a whole number</source>
        <translation>Repeat %1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>PowerLow and PowerHigh (or Power) are missing</source>
        <translation>PowerLow et PowerHigh (ou Power) manquent</translation>
    </message>
    <message>
        <source> (a share: 0.03 is 3 %)</source>
        <translation> (une fraction : 0.03 vaut 3 %)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is no translation &quot;%1&quot;. The languages are: %2.</source>
        <translation>Il n&apos;existe pas de traduction « %1 ». Les langues sont : %2.</translation>
    </message>
    <message>
        <source>TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300.</source>
        <translation>TREVALO USB AP : programmes d&apos;entraînement et enregistrements d&apos;entraînement pour les tapis QM-20, QM-5 et R300.</translation>
    </message>
    <message>
        <source>Speak this language for this run, whatever the system&apos;s is: %1.</source>
        <translation>Utiliser cette langue pour cette exécution, quelle que soit celle du système : %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>A program file to open on the Edit tab, a workout file (FIT, TCX or ZWO) to import there, or a record file to open on the Record tab.</source>
        <translation>Un fichier de programme à ouvrir dans l&apos;onglet Édition, un fichier d&apos;entraînement (FIT, TCX ou ZWO) à y importer, ou un fichier d&apos;enregistrement à ouvrir dans l&apos;onglet Enregistrement.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
</context>
<context>
    <name>plans</name>
    <message>
        <source>These steps end on a button press or a reading rather than a time or a distance, so each runs for %1 minutes: %2.</source>
        <translation>Ces étapes se terminent sur un appui de bouton ou une mesure plutôt qu&apos;après une durée ou une distance : chacune dure donc %1 minutes : %2.</translation>
    </message>
    <message>
        <source>These steps set no speed, so each runs at the speed of the nearest step before it that sets one (or, at the start, of the first step that does): %1.</source>
        <translation>Ces étapes ne fixent aucune vitesse : chacune se court donc à la vitesse de l&apos;étape précédente la plus proche qui en fixe une (ou, au début, de la première étape qui en fixe une) : %1.</translation>
    </message>
    <message>
        <source>These steps are shorter than one segment (%1), so the program runs them averaged with their neighbours: %2.</source>
        <translation>Ces étapes sont plus courtes qu&apos;un segment (%1) : le programme les fait donc en moyenne avec leurs voisines : %2.</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>étape %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Step %1 (%2)</source>
        <translation>Étape %1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 has a length of %2, which cannot be run.</source>
        <translation>%1 a une longueur de %2, qui ne peut pas être courue.</translation>
    </message>
    <message>
        <source>%1 sets a speed of %2 m/s, which cannot be run.</source>
        <translation>%1 fixe une vitesse de %2 m/s, qui ne peut pas être courue.</translation>
    </message>
    <message>
        <source>%1 sets an incline that is not a number.</source>
        <translation>%1 fixe une inclinaison qui n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The workout sets no speed in any step (it may be a cycling or heart-rate workout); a treadmill program needs speeds.</source>
        <translation>L&apos;entraînement ne fixe de vitesse dans aucune étape (c&apos;est peut-être un entraînement de vélo ou de fréquence cardiaque) ; un programme de tapis a besoin de vitesses.</translation>
    </message>
    <message>
        <source>The workout has no steps.</source>
        <translation>L&apos;entraînement n&apos;a aucune étape.</translation>
    </message>
    <message>
        <source>%1 covers %2 m at a speed of 0, so it never ends.</source>
        <translation>%1 couvre %2 m à une vitesse de 0 : elle ne finit donc jamais.</translation>
    </message>
    <message>
        <source>The workout lasts more than 24 hours (by %1); that is too long to import.</source>
        <translation>L&apos;entraînement dure plus de 24 heures (à partir de %1) ; c&apos;est trop long pour être importé.</translation>
    </message>
    <message>
        <source>The workout has no length: every step lasts 0 seconds.</source>
        <translation>L&apos;entraînement n&apos;a aucune durée : chaque étape dure 0 seconde.</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>The workout holds no readings.</source>
        <translation>L&apos;entraînement ne contient aucune mesure.</translation>
    </message>
    <message>
        <source>The workout has no length.</source>
        <translation>L&apos;entraînement n&apos;a aucune durée.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
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
        <translation>Segments %1</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest speed the %3 offers in %4 mode (the workout ran up to %5).</source>
        <translation>%1 : réglé sur %2, la vitesse la plus élevée que propose le %3 en mode %4 (l&apos;entraînement est monté jusqu&apos;à %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest speed the %3 offers in %4 mode (the workout ran down to %5).</source>
        <translation>%1 : réglé sur %2, la vitesse la plus basse que propose le %3 en mode %4 (l&apos;entraînement est descendu jusqu&apos;à %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the highest incline the %3 offers in %4 mode (the workout climbed up to %5).</source>
        <translation>%1 : réglé sur %2, l&apos;inclinaison la plus forte que propose le %3 en mode %4 (l&apos;entraînement est monté jusqu&apos;à %5).</translation>
    </message>
    <message>
        <source>%1: set to %2, the lowest incline the %3 offers in %4 mode (the workout climbed down to %5).</source>
        <translation>%1 : réglé sur %2, l&apos;inclinaison la plus faible que propose le %3 en mode %4 (l&apos;entraînement est descendu jusqu&apos;à %5).</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the longest the %3 offers in %4 mode.</source>
        <translation>L&apos;entraînement dure %1 minutes : la durée est réglée sur %2, la plus longue que propose le %3 en mode %4.</translation>
    </message>
    <message>
        <source>The workout lasts %1 minutes: the time is set to %2, the shortest the %3 offers in %4 mode.</source>
        <translation>L&apos;entraînement dure %1 minutes : la durée est réglée sur %2, la plus courte que propose le %3 en mode %4.</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the highest the %3 offers.</source>
        <translation>Le poids de %1 est réglé sur %2, le plus élevé que propose le %3.</translation>
    </message>
    <message>
        <source>The weight of %1 is set to %2, the lowest the %3 offers.</source>
        <translation>Le poids de %1 est réglé sur %2, le plus faible que propose le %3.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
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

Le programme a peut-être été fait pour un autre modèle, une autre unité ou un autre mode.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a program file holds 65. It may be a record file or no treadmill file.</source>
        <translation>Le fichier fait %1 octets ; un fichier de programme en fait 65. C&apos;est peut-être un fichier d&apos;enregistrement, ou pas un fichier de tapis.</translation>
    </message>
    <message>
        <source>The file&apos;s last byte is %1; a program file ends in 0. It may be no treadmill file.</source>
        <translation>Le dernier octet du fichier vaut %1 ; un fichier de programme se termine par 0. Ce n&apos;est peut-être pas un fichier de tapis.</translation>
    </message>
    <message>
        <source>The weight of %1 LBS and of %2 KG disagree: the file is damaged.</source>
        <translation>Les poids de %1 LBS et de %2 KG ne concordent pas : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH and %3 KPH disagree: the file is damaged.</source>
        <translation>Segment %1 : %2 MPH et %3 km/h ne concordent pas : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Segment %1: %2 MPH is not offered by the %3 in %4 mode.</source>
        <translation>Segment %1 : le %3 ne propose pas %2 MPH en mode %4.</translation>
    </message>
    <message>
        <source>Segment %1: %2 KPH is not offered by the %3 in %4 mode.</source>
        <translation>Segment %1 : le %3 ne propose pas %2 km/h en mode %4.</translation>
    </message>
    <message>
        <source>Segment %1: an incline of %2 % is not offered by the %3 in %4 mode.</source>
        <translation>Segment %1 : le %3 ne propose pas une inclinaison de %2 % en mode %4.</translation>
    </message>
    <message>
        <source>A workout time of %1 minutes is not offered by the %2 in %3 mode.</source>
        <translation>Le %2 ne propose pas une durée d&apos;entraînement de %1 minutes en mode %3.</translation>
    </message>
    <message>
        <source>A weight of %1 LBS is not offered by the %2 in %3 mode.</source>
        <translation>Le %2 ne propose pas un poids de %1 LBS en mode %3.</translation>
    </message>
    <message>
        <source>A weight of %1 KG is not offered by the %2 in %3 mode.</source>
        <translation>Le %2 ne propose pas un poids de %1 KG en mode %3.</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>The workout holds %1 sample; a program needs at least two.</source>
        <translation>L&apos;entraînement contient %1 mesure ; un programme en demande au moins deux.</translation>
    </message>
    <message>
        <source>The workout holds %1 samples; a program needs at least two.</source>
        <translation>L&apos;entraînement contient %1 mesures ; un programme en demande au moins deux.</translation>
    </message>
    <message>
        <source>The workout lasts no time: every sample shows the same time.</source>
        <translation>L&apos;entraînement ne dure pas : chaque mesure affiche le même temps.</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>a number too large to store</source>
        <translation>un nombre trop grand pour être stocké</translation>
    </message>
    <message>
        <source>a workout line before the first date line</source>
        <translation>une ligne d&apos;entraînement avant la première ligne de date</translation>
    </message>
    <message>
        <source>more than 1024 workouts in one file</source>
        <translation>plus de 1024 entraînements dans un fichier</translation>
    </message>
    <message>
        <source>more than 1025 samples in one workout</source>
        <translation>plus de 1025 mesures dans un entraînement</translation>
    </message>
    <message>
        <source>Line %1, %2: %3.</source>
        <translation>Ligne %1, %2 : %3.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>poids</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>calories</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>incline</source>
        <translation>inclinaison</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pouls</translation>
    </message>
    <message>
        <source>Speed, sample %1: %2</source>
        <translation>Vitesse, mesure %1 : %2</translation>
    </message>
    <message>
        <source>Incline, sample %1: %2</source>
        <translation>Inclinaison, mesure %1 : %2</translation>
    </message>
    <message>
        <source>no sample</source>
        <translation>aucune mesure</translation>
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
        <translation>%1 voyants allumés sur %2</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>aucun entraînement affiché</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Samples %1 to %2, pulse in beats per minute: %3</source>
        <translation>Mesures %1 à %2, pouls en battements par minute : %3</translation>
    </message>
    <message>
        <source>No workout shown</source>
        <translation>Aucun entraînement affiché</translation>
    </message>
    <message>
        <source>%1, samples %2 to %3</source>
        <translation>%1, mesures %2 à %3</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calories</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Time(m:s) %1</source>
        <translation>Temps(m:s) %1</translation>
    </message>
    <message>
        <source>Calories：%1 Kcal</source>
        <translation>Calories：%1 kcal</translation>
    </message>
    <message>
        <source>Distance：%1 Mile</source>
        <translation>Distance：%1 miles</translation>
    </message>
    <message>
        <source>Distance：%1 KM</source>
        <translation>Distance：%1 KM</translation>
    </message>
    <message>
        <source>Weight：%1 LBS</source>
        <translation>Poids：%1 LBS</translation>
    </message>
    <message>
        <source>Weight：%1 KG</source>
        <translation>Poids：%1 KG</translation>
    </message>
    <message>
        <source>SPEED(MPH)</source>
        <translation>VITESSE(MPH)</translation>
    </message>
    <message>
        <source>SPEED(KPH)</source>
        <translation>VITESSE(km/h)</translation>
    </message>
    <message>
        <source>Avg speed</source>
        <translation>Vit. moy.</translation>
    </message>
    <message>
        <source>Max speed</source>
        <translation>Vit. max.</translation>
    </message>
    <message>
        <source>Avg pace</source>
        <translation>Allure moy.</translation>
    </message>
    <message>
        <source>Avg pulse</source>
        <translation>Pouls moy.</translation>
    </message>
    <message>
        <source>Max pulse</source>
        <translation>Pouls max.</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>Dénivelé</translation>
    </message>
    <message>
        <source>%1 /mile</source>
        <translation>%1 /mile</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 workout, %2, %3, %4 kcal</source>
        <translation>%1 entraînement, %2, %3, %4 kcal</translation>
    </message>
    <message>
        <source>%1 workouts, %2, %3, %4 kcal</source>
        <translation>%1 entraînements, %2, %3, %4 kcal</translation>
    </message>
</context>
<context>
    <name>trevalo::app::EditTab</name>
    <message>
        <source>SPEED(MPH)</source>
        <translation>VITESSE(MPH)</translation>
    </message>
    <message>
        <source>INCLINE(%)</source>
        <translation>INCLINAISON(%)</translation>
    </message>
    <message>
        <source>Speed lamps</source>
        <translation>Voyants de vitesse</translation>
    </message>
    <message>
        <source>Incline lamps</source>
        <translation>Voyants d&apos;inclinaison</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
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
        <translation>Durée(min)</translation>
    </message>
    <message>
        <source>USB Device</source>
        <translation>Clé USB</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAUVER</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OUVRIR</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportCommand</name>
    <message>
        <source>The workout&apos;s date line &quot;%1&quot; gives no date and time.
When did the workout start?</source>
        <translation>La ligne de date « %1 » de l&apos;entraînement ne donne ni date ni heure.
Quand l&apos;entraînement a-t-il commencé ?</translation>
    </message>
    <message>
        <source>The workout was not exported.</source>
        <translation>L&apos;entraînement n&apos;a pas été exporté.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ExportProgramCommand</name>
    <message>
        <source>The program was not exported.</source>
        <translation>Le programme n&apos;a pas été exporté.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::Form1</name>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>The program has changes that are not saved.

Save them before closing?</source>
        <translation>Le programme contient des modifications non enregistrées.

Les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>Drop one record file, program file or workout file on the window to open it.

Several files or a folder cannot be opened at once.</source>
        <translation>Déposez un fichier d&apos;enregistrement, de programme ou d&apos;entraînement sur la fenêtre pour l&apos;ouvrir.

Plusieurs fichiers ou un dossier ne peuvent pas être ouverts à la fois.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Keep every workout opened</source>
        <translation>Conserver chaque entraînement ouvert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Workouts kept</source>
        <translation>Entraînements conservés</translation>
    </message>
    <message>
        <source>Personal bests</source>
        <translation>Records personnels</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Totals per</source>
        <translation>Totaux par</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Totals per period</source>
        <translation>Totaux par période</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>Créer un programme…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>Tout exporter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité :</translation>
    </message>
    <message>
        <source>Forget 1 workout?</source>
        <translation>Oublier 1 entraînement ?</translation>
    </message>
    <message>
        <source>Forget %1 workouts?</source>
        <translation>Oublier %1 entraînements ?</translation>
    </message>
    <message>
        <source>They are removed from the history and are not kept again when their file is opened again.</source>
        <translation>Ils sont retirés de l&apos;historique et ne seront plus conservés lorsque leur fichier sera rouvert.</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV, une ligne par entraînement (*.csv)</translation>
    </message>
    <message>
        <source>The history was not exported.</source>
        <translation>L&apos;historique n&apos;a pas été exporté.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::ImportCommand</name>
    <message>
        <source>The workout was not imported.</source>
        <translation>L&apos;entraînement n&apos;a pas été importé.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes, far more than a workout file.</source>
        <translation>Le fichier fait %1 octets, bien plus qu&apos;un fichier d&apos;entraînement.</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab.</source>
        <translation>L&apos;entraînement est maintenant le programme de l&apos;onglet Édition.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::MakeProgramCommand</name>
    <message>
        <source>No program was made.

%1</source>
        <translation>Aucun programme n&apos;a été créé.

%1</translation>
    </message>
    <message>
        <source>The workout is now the program on the Edit tab. Some values lay beyond what the lists offer:</source>
        <translation>L&apos;entraînement est maintenant le programme de l&apos;onglet Édition. Certaines valeurs dépassaient ce que proposent les listes :</translation>
    </message>
</context>
<context>
    <name>trevalo::app::OpenCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>Fichiers de programme(*.cus)</translation>
    </message>
    <message>
        <source>The program was not opened.</source>
        <translation>Le programme n&apos;a pas été ouvert.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::PeriodChart</name>
    <message>
        <source>Distance and pace per period</source>
        <translation>Distance et allure par période</translation>
    </message>
    <message>
        <source>no workouts kept</source>
        <translation>aucun entraînement conservé</translation>
    </message>
    <message>
        <source>%1 to %2, up to %3 %4 a period</source>
        <translation>de %1 à %2, jusqu&apos;à %3 %4 par période</translation>
    </message>
    <message>
        <source>Distance up to %1 %2</source>
        <translation>Distance jusqu&apos;à %1 %2</translation>
    </message>
    <message>
        <source>Pace %1 to %2 %3</source>
        <translation>Allure de %1 à %2 %3</translation>
    </message>
</context>
<context>
    <name>trevalo::app::RecordTab</name>
    <message>
        <source>INCLINE(%)</source>
        <translation>INCLINAISON(%)</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pouls</translation>
    </message>
    <message>
        <source>Save Charts as Image…</source>
        <translation>Enregistrer les graphiques en image…</translation>
    </message>
    <message>
        <source>Pulse chart</source>
        <translation>Graphique du pouls</translation>
    </message>
    <message>
        <source>Workout</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>All Workouts…</source>
        <translation>Toutes les séances…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Make Program…</source>
        <translation>Créer un programme…</translation>
    </message>
    <message>
        <source>Samples shown</source>
        <translation>Mesures affichées</translation>
    </message>
    <message>
        <source>Record Files(*.cus)</source>
        <translation>Fichiers d&apos;enregistrement(*.cus)</translation>
    </message>
    <message>
        <source>The record file could not be opened.</source>
        <translation>Le fichier d&apos;enregistrement n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>The record file could not be read to its end.</source>
        <translation>Le fichier d&apos;enregistrement n&apos;a pas pu être lu jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>The record file could not be read.</source>
        <translation>Le fichier d&apos;enregistrement n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>No workouts were found in
%1</source>
        <translation>Aucun entraînement trouvé dans
%1</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The charts were not saved.</source>
        <translation>Les graphiques n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
</context>
<context>
    <name>trevalo::app::SaveCommand</name>
    <message>
        <source>Edit Files(*.cus)</source>
        <translation>Fichiers de programme(*.cus)</translation>
    </message>
    <message>
        <source>The program was not saved.</source>
        <translation>Le programme n&apos;a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>trevalo::app::WorkoutChartView</name>
    <message>
        <source>Whole workout</source>
        <translation>Entraînement complet</translation>
    </message>
    <message>
        <source>no workout shown</source>
        <translation>aucun entraînement affiché</translation>
    </message>
    <message>
        <source>%1 samples over %2 minutes; speed up to %3, incline up to %4 %, pulse up to %5; samples %6 to %7 shown on the Record tab</source>
        <translation>%1 mesures sur %2 minutes ; vitesse jusqu&apos;à %3, inclinaison jusqu&apos;à %4 %, pouls jusqu&apos;à %5 ; mesures %6 à %7 affichées dans l&apos;onglet Enregistrement</translation>
    </message>
    <message>
        <source>speed (top %1)</source>
        <translation>vitesse (max. %1)</translation>
    </message>
    <message>
        <source>incline (top %1 %)</source>
        <translation>inclinaison (max. %1 %)</translation>
    </message>
    <message>
        <source>pulse (top %1)</source>
        <translation>pouls (max. %1)</translation>
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
        <translation>Toutes les séances</translation>
    </message>
    <message>
        <source>Workouts</source>
        <translation>Entraînements</translation>
    </message>
    <message>
        <source>Export All…</source>
        <translation>Tout exporter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>CSV, one row per workout (*.csv)</source>
        <translation>CSV, une ligne par entraînement (*.csv)</translation>
    </message>
    <message>
        <source>The workouts were not exported.</source>
        <translation>Les entraînements n&apos;ont pas été exportés.</translation>
    </message>
</context>
</TS>
