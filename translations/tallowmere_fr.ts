<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>app::CatalogueDamage</name>
    <message>
        <source>; and %1 more</source>
        <translation>; et %1 autres</translation>
    </message>
    <message>
        <source>&apos;tallowmere check --repair&apos; rebuilds the damaged indexes (after a backup); older copies of the catalogue are kept in %1.</source>
        <translation>« tallowmere check --repair » reconstruit les index endommagés (après une sauvegarde) ; des copies plus anciennes du catalogue sont conservées dans %1.</translation>
    </message>
    <message>
        <source>Put back a copy from %1, or rescue what can be read with the stock sqlite3 tool&apos;s .recover; &apos;tallowmere check --repair&apos; cannot mend this.</source>
        <translation>Remettez en place une copie de %1, ou sauvez ce qui peut être lu avec le .recover de l&apos;outil sqlite3 standard ; « tallowmere check --repair » ne peut pas réparer cela.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). Nothing was written.
%3</source>
        <translation>Le catalogue « %1 » est endommagé (%2). Rien n&apos;a été écrit.
%3</translation>
    </message>
    <message>
        <source>Warning: the catalogue &apos;%1&apos; is damaged (%2). What was read from it may be incomplete.
%3</source>
        <translation>Attention : le catalogue « %1 » est endommagé (%2). Ce qui en a été lu peut être incomplet.
%3</translation>
    </message>
</context>
<context>
    <name>app::CatalogueName</name>
    <message>
        <source>A catalogue name is a name, not a path: it cannot hold &apos;/&apos;, &apos;\&apos; or &apos;..&apos;.</source>
        <translation>Un nom de catalogue est un nom, pas un chemin : il ne peut contenir ni « / », ni « \ », ni « .. ».</translation>
    </message>
    <message>
        <source>A catalogue name cannot hold control characters.</source>
        <translation>Un nom de catalogue ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A catalogue name needs letters or digits.</source>
        <translation>Un nom de catalogue doit contenir des lettres ou des chiffres.</translation>
    </message>
    <message>
        <source>A catalogue name can have at most %1 letters and digits.</source>
        <translation>Un nom de catalogue peut avoir au plus %1 lettres et chiffres.</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Tallowmere Movie Database: a catalogue of your movie collection.

Without a command the window opens. The commands run without a window or a display:
  export FILE           write every movie to a movie file
  import FILE           read a movie file into the catalogue (backs it up first)
  import --from tellico|gcstar|csv FILE [--preset list|diary]
                        read another catalogue&apos;s file or a CSV file; a CSV file&apos;s
                        columns follow the preset, or the mapping kept for its header,
                        or are guessed from it
  report NAME --pdf FILE [--ids 2,5]
                        write a report as PDF; NAME as on the Reports menu or one of
                        list, label, rating, media, detailed, inventory, cost, lent
                        (rating and media take the ids of the ratings or media)
  backup FILE           write a consistent copy of the catalogue, also while it is open
  check [--repair]      check the file and the movies&apos; references; --repair mends them
                        and rebuilds damaged indexes (after a backup)
  publish DIR           write the catalogue as a web page, DIR/index.html
  pictures import DIR   give movies the pictures of a folder, named after a movie&apos;s
                        label number or title (A-12.jpg, Alien.png)
  pictures export DIR   write every movie&apos;s picture into a folder, named the same way

Nothing is written into a damaged catalogue; export, report and backup still read it,
with a warning.

Exit status: 0 when everything went well, 1 on a failure (a line that could not be
imported, a damaged catalogue, a busy catalogue), 2 when the command line is wrong.</source>
        <translation>Tallowmere Movie Database : un catalogue de votre collection de films.

Sans commande, la fenêtre s&apos;ouvre. Les commandes s&apos;exécutent sans fenêtre ni écran :
  export FICHIER        écrire tous les films dans un fichier de films
  import FICHIER        lire un fichier de films dans le catalogue (le sauvegarde
                        d&apos;abord)
  import --from tellico|gcstar|csv FICHIER [--preset list|diary]
                        lire le fichier d&apos;un autre catalogue ou un fichier CSV ; les
                        colonnes d&apos;un fichier CSV suivent le préréglage, ou la
                        correspondance gardée pour son en-tête, ou sont devinées d&apos;après
                        celui-ci
  report NOM --pdf FICHIER [--ids 2,5]
                        écrire un rapport en PDF ; NOM comme dans le menu Rapports ou
                        l&apos;un de list, label, rating, media, detailed, inventory, cost,
                        lent (rating et media prennent les identifiants des
                        classifications ou supports)
  backup FICHIER        écrire une copie cohérente du catalogue, même s&apos;il est ouvert
  check [--repair]      vérifier le fichier et les références des films ; --repair les
                        corrige et reconstruit les index endommagés (après une
                        sauvegarde)
  publish DOSSIER       écrire le catalogue comme page web, DOSSIER/index.html
  pictures import DOSSIER
                        donner aux films les images d&apos;un dossier, nommées d&apos;après le n°
                        d&apos;étiquette ou le titre d&apos;un film (A-12.jpg, Alien.png)
  pictures export DOSSIER
                        écrire l&apos;image de chaque film dans un dossier, nommée de même

Rien n&apos;est écrit dans un catalogue endommagé ; export, report et backup le lisent quand
même, avec un avertissement.

Code de sortie : 0 quand tout s&apos;est bien passé, 1 en cas d&apos;échec (une ligne qui n&apos;a pas
pu être importée, un catalogue endommagé, un catalogue occupé), 2 quand la ligne de
commande est incorrecte.</translation>
    </message>
    <message>
        <source>Try &apos;tallowmere --help&apos;.</source>
        <translation>Essayez « tallowmere --help ».</translation>
    </message>
    <message>
        <source>Use the catalogue NAME.</source>
        <translation>Utiliser le catalogue NOM.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>The report&apos;s PDF file.</source>
        <translation>Le fichier PDF du rapport.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Ratings or media of a report, as ids.</source>
        <translation>Classifications ou supports d&apos;un rapport, par leurs identifiants.</translation>
    </message>
    <message>
        <source>IDS</source>
        <translation>IDS</translation>
    </message>
    <message>
        <source>With check: mend what it finds.</source>
        <translation>Avec check : réparer ce qui est trouvé.</translation>
    </message>
    <message>
        <source>With import: the kind of file.</source>
        <translation>Avec import : le type de fichier.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>With import --from csv: the columns&apos; layout.</source>
        <translation>Avec import --from csv : la disposition des colonnes.</translation>
    </message>
    <message>
        <source>export, import, report, backup, check, publish or pictures.</source>
        <translation>export, import, report, backup, check, publish ou pictures.</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[commande]</translation>
    </message>
    <message>
        <source>--pdf, --ids, --repair, --from and --preset belong to a command.</source>
        <translation>--pdf, --ids, --repair, --from et --preset vont avec une commande.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>&apos;pictures&apos; takes import or export, then a folder.</source>
        <translation>« pictures » prend import ou export, puis un dossier.</translation>
    </message>
    <message>
        <source>--pdf, --ids, --repair, --from and --preset do not belong to &apos;pictures&apos;.</source>
        <translation>--pdf, --ids, --repair, --from et --preset ne vont pas avec « pictures ».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a report name.</source>
        <translation>« %1 » prend un nom de rapport.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one file name.</source>
        <translation>« %1 » prend un nom de fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no file name.</source>
        <translation>« %1 » ne prend pas de nom de fichier.</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs --pdf FILE.</source>
        <translation>« report » a besoin de --pdf FICHIER.</translation>
    </message>
    <message>
        <source>--pdf and --ids belong to &apos;report&apos;.</source>
        <translation>--pdf et --ids vont avec « report ».</translation>
    </message>
    <message>
        <source>--repair belongs to &apos;check&apos;.</source>
        <translation>--repair va avec « check ».</translation>
    </message>
</context>
<context>
    <name>app::Commands</name>
    <message>
        <source>Exporting %1</source>
        <translation>Exportation de %1</translation>
    </message>
    <message>
        <source>%1 movies exported to %2.</source>
        <translation>%1 films exportés vers %2.</translation>
    </message>
    <message>
        <source>%1 pictures written to %2.</source>
        <translation>%1 images écrites dans %2.</translation>
    </message>
    <message>
        <source>Not exported, because their media, rating or storage location no longer exists: %1 (tallowmere check --repair mends that).</source>
        <translation>Non exportés, car leur support, leur classification ou leur emplacement n&apos;existe plus : %1 (tallowmere check --repair corrige cela).</translation>
    </message>
    <message>
        <source>Movies with text the file cannot hold as it stands: %1.</source>
        <translation>Films dont le texte ne tient pas tel quel dans le fichier : %1.</translation>
    </message>
    <message>
        <source>%1 is not a movie file: its first line is not the header of one.</source>
        <translation>%1 n&apos;est pas un fichier de films : sa première ligne n&apos;en est pas l&apos;en-tête.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Sauvegarde : %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%1 films importés.</translation>
    </message>
    <message>
        <source>%1 pictures imported.</source>
        <translation>%1 images importées.</translation>
    </message>
    <message>
        <source>Picture not imported: %1</source>
        <translation>Image non importée : %1</translation>
    </message>
    <message>
        <source>Picture that names no movie of the file: %1</source>
        <translation>Image qui ne désigne aucun film du fichier : %1</translation>
    </message>
    <message>
        <source>Lines skipped because they are too short to hold a movie: %1.</source>
        <translation>Lignes ignorées car trop courtes pour contenir un film : %1.</translation>
    </message>
    <message>
        <source>%1:%2: %3; not imported.</source>
        <translation>%1:%2: %3 ; non importée.</translation>
    </message>
    <message>
        <source>Other lines not imported: %1.</source>
        <translation>Autres lignes non importées : %1.</translation>
    </message>
    <message>
        <source>Lines read as Windows-1252 because they are not UTF-8: %1.</source>
        <translation>Lignes lues en Windows-1252 car elles ne sont pas en UTF-8 : %1.</translation>
    </message>
    <message>
        <source>%1:%2: %3 Nothing of that line or the lines after it was imported.</source>
        <translation>%1:%2: %3 Rien de cette ligne ni des suivantes n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 backed up to %2.</source>
        <translation>%1 sauvegardé dans %2.</translation>
    </message>
    <message>
        <source>Catalogue %1: %2</source>
        <translation>Catalogue %1 : %2</translation>
    </message>
    <message>
        <source>File check: %1</source>
        <translation>Vérification du fichier : %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Indexes rebuilt. File check: %1</source>
        <translation>Index reconstruits. Vérification du fichier : %1</translation>
    </message>
    <message>
        <source>Movies: %1</source>
        <translation>Films : %1</translation>
    </message>
    <message>
        <source>Media, ratings and locations that name nothing: %1</source>
        <translation>Supports, classifications et emplacements qui ne désignent rien : %1</translation>
    </message>
    <message>
        <source>Cast and genre links of movies that are gone: %1</source>
        <translation>Liens de distribution et de genre de films disparus : %1</translation>
    </message>
    <message>
        <source>Pictures of movies that are gone: %1</source>
        <translation>Images de films disparus : %1</translation>
    </message>
    <message>
        <source>%1 problems repaired.</source>
        <translation>%1 problèmes réparés.</translation>
    </message>
    <message>
        <source>tallowmere check --repair mends them.</source>
        <translation>tallowmere check --repair les corrige.</translation>
    </message>
    <message>
        <source>The file is damaged. Keep it as it is. %1</source>
        <translation>Le fichier est endommagé. Laissez-le tel quel. %1</translation>
    </message>
    <message>
        <source>There is no report &apos;%1&apos;. The reports: %2.</source>
        <translation>Il n&apos;y a pas de rapport « %1 ». Les rapports : %2.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; needs --ids: the ids of the ratings or media to list, such as 2,5.</source>
        <translation>Le rapport « %1 » a besoin de --ids : les identifiants des classifications ou supports à lister, par exemple 2,5.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; takes no --ids.</source>
        <translation>Le rapport « %1 » ne prend pas --ids.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; it has been left as it is. Name another file.</source>
        <translation>« %1 » est le fichier même du catalogue ; il a été laissé tel quel. Indiquez un autre fichier.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; could not be made.</source>
        <translation>Le rapport « %1 » n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1: %2 pages written to %3.</source>
        <translation>%1 : %2 pages écrites dans %3.</translation>
    </message>
</context>
<context>
    <name>app::OpenCatalogue</name>
    <message>
        <source>There is no catalogue &apos;%1&apos; (%2).</source>
        <translation>Il n&apos;y a pas de catalogue « %1 » (%2).</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is first to be brought up to date for this version of the program, which needs its folder to be written: %2</source>
        <translation>Le catalogue « %1 » doit d&apos;abord être mis à jour pour cette version du programme, ce qui demande d&apos;écrire dans son dossier : %2</translation>
    </message>
</context>
<context>
    <name>app::PeerCommands</name>
    <message>
        <source>Columns: %1.</source>
        <translation>Colonnes : %1.</translation>
    </message>
    <message>
        <source>The file is read as Windows-1252: it is not UTF-8.</source>
        <translation>Le fichier est lu en Windows-1252 : il n&apos;est pas en UTF-8.</translation>
    </message>
    <message>
        <source>--from belongs to &apos;import&apos;.</source>
        <translation>--from va avec « import ».</translation>
    </message>
    <message>
        <source>--from takes tellico, gcstar or csv.</source>
        <translation>--from prend tellico, gcstar ou csv.</translation>
    </message>
    <message>
        <source>--preset belongs to &apos;import --from csv&apos;.</source>
        <translation>--preset va avec « import --from csv ».</translation>
    </message>
    <message>
        <source>--preset takes %1.</source>
        <translation>--preset prend %1.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Movies to add: %1. Movies to update (a movie of the same title is in the catalogue): %2.</source>
        <translation>Films à ajouter : %1. Films à mettre à jour (un film du même titre est dans le catalogue) : %2.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Sauvegarde : %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%1 films importés.</translation>
    </message>
    <message>
        <source>%1 pictures imported.</source>
        <translation>%1 images importées.</translation>
    </message>
    <message>
        <source>Picture not imported: %1</source>
        <translation>Image non importée : %1</translation>
    </message>
    <message>
        <source>Picture whose movie is not in the catalogue: %1</source>
        <translation>Image dont le film n&apos;est pas dans le catalogue : %1</translation>
    </message>
    <message>
        <source>%1:%2: %3; not imported.</source>
        <translation>%1:%2: %3 ; non importé.</translation>
    </message>
    <message>
        <source>Other movies not imported: %1.</source>
        <translation>Autres films non importés : %1.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing of that movie or those after it was imported.</source>
        <translation>%1 : %2 Rien de ce film ni des suivants n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 movies published to %2.</source>
        <translation>%1 films publiés dans %2.</translation>
    </message>
</context>
<context>
    <name>app::PictureCommands</name>
    <message>
        <source>Backup: %1</source>
        <translation>Sauvegarde : %1</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>%1 pictures stored from %2.</source>
        <translation>%1 images enregistrées depuis %2.</translation>
    </message>
    <message>
        <source>Matched: %1</source>
        <translation>Associées : %1</translation>
    </message>
    <message>
        <source>Not matched to a label number or title: %1</source>
        <translation>Associées à aucun n° d&apos;étiquette ni titre : %1</translation>
    </message>
    <message>
        <source>Not stored: %1</source>
        <translation>Non enregistrées : %1</translation>
    </message>
    <message>
        <source>%1 pictures written to %2.</source>
        <translation>%1 images écrites dans %2.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrites : %1</translation>
    </message>
    <message>
        <source>Not written, because another movie has the same label number and title: %1</source>
        <translation>Non écrites, car un autre film a le même n° d&apos;étiquette et le même titre : %1</translation>
    </message>
</context>
<context>
    <name>app::ReportIds</name>
    <message>
        <source>These ids name no rating: %1. The rating ids: %2.</source>
        <translation>Ces identifiants ne désignent aucune classification : %1. Les identifiants des classifications : %2.</translation>
    </message>
    <message>
        <source>These ids name no media: %1. The media ids: %2.</source>
        <translation>Ces identifiants ne désignent aucun support : %1. Les identifiants des supports : %2.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>app::Startup</name>
    <message>
        <source>%1 could not start: the step &quot;%2&quot; failed.

%3</source>
        <translation>%1 n&apos;a pas pu démarrer : l&apos;étape &quot;%2&quot; a échoué.

%3</translation>
    </message>
    <message>
        <source>%1 needs the SQLite driver of Qt 6, which is not installed.  On Debian it is the package libqt6sql6-sqlite.</source>
        <translation>%1 a besoin du pilote SQLite de Qt 6, qui n&apos;est pas installé.  Sous Debian, c&apos;est le paquet libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>%1 cannot write to its catalogue folder &apos;%2&apos;.</source>
        <translation>%1 ne peut pas écrire dans son dossier de catalogue « %2 ».</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Open database</source>
        <translation>Ouverture de la base</translation>
    </message>
    <message>
        <source>Update database</source>
        <translation>Mise à jour de la base</translation>
    </message>
    <message>
        <source>Loading movies</source>
        <translation>Chargement des films</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
</context>
<context>
    <name>db::Backup</name>
    <message>
        <source>&apos;%1&apos; could not be opened: %2</source>
        <translation>« %1 » n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; a backup does not replace it. Name a file.</source>
        <translation>« %1 » est un lien ; une sauvegarde ne le remplace pas. Indiquez un fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file; a backup does not replace it. Name a file.</source>
        <translation>« %1 » n&apos;est pas un fichier ; une sauvegarde ne le remplace pas. Indiquez un fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; a backup cannot replace it. Name another file.</source>
        <translation>« %1 » est le fichier du catalogue lui-même ; une sauvegarde ne peut pas le remplacer. Indiquez un autre fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>« %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be written: %2</source>
        <translation>La sauvegarde « %1 » n&apos;a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be written.</source>
        <translation>La sauvegarde « %1 » n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be made.</source>
        <translation>Le dossier des sauvegardes « %1 » n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>db::CaseKeys</name>
    <message>
        <source>Preparing the catalogue for searching…</source>
        <translation>Préparation du catalogue pour la recherche…</translation>
    </message>
</context>
<context>
    <name>db::Catalogue</name>
    <message>
        <source>&apos;%1&apos; is not a movie catalogue. It has been left as it is.</source>
        <translation>« %1 » n&apos;est pas un catalogue de films. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). It has been left as it is.

Put back a backup copy of it (the newest are kept in &apos;%3&apos;), or save what can still be read with the sqlite3 tool:

sqlite3 &apos;%1&apos; .recover | sqlite3 &apos;%4&apos;

and then open the catalogue %5.</source>
        <translation>Le catalogue « %1 » est endommagé (%2). Il a été laissé tel quel.

Remettez-en une copie de sauvegarde (les plus récentes sont conservées dans « %3 »), ou sauvez ce qui peut encore être lu avec l&apos;outil sqlite3 :

sqlite3 &apos;%1&apos; .recover | sqlite3 &apos;%4&apos;

puis ouvrez le catalogue %5.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is open in another copy of the program (process %2 on %3).  Close it there first.</source>
        <translation>Le catalogue « %1 » est ouvert dans une autre instance du programme (processus %2 sur %3).  Fermez-le d&apos;abord là-bas.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be locked for this program: &apos;%2&apos; cannot be written.</source>
        <translation>Le catalogue « %1 » n&apos;a pas pu être verrouillé pour ce programme : « %2 » ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>There is no catalogue &apos;%1&apos; (%2).</source>
        <translation>Il n&apos;y a pas de catalogue « %1 » (%2).</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>Aucun catalogue n&apos;est ouvert.</translation>
    </message>
</context>
<context>
    <name>db::Connection</name>
    <message>
        <source>

The catalogue file is damaged. Put back a backup copy of it, or save what can still be read with the sqlite3 tool&apos;s .recover command.</source>
        <translation>

Le fichier du catalogue est endommagé. Remettez-en une copie de sauvegarde, ou sauvez ce qui peut encore être lu avec la commande .recover de l&apos;outil sqlite3.</translation>
    </message>
</context>
<context>
    <name>db::DuplicateMovies</name>
    <message>
        <source>A movie cannot be merged into itself.</source>
        <translation>Un film ne peut pas être fusionné avec lui-même.</translation>
    </message>
    <message>
        <source>One of the two movies no longer exists.</source>
        <translation>L&apos;un des deux films n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>db::EngineWords</name>
    <message>
        <source>The disk is full or cannot be written: the catalogue, or a temporary file that sorting needs, could not be read or written. Make room on the disk (and in the temporary folder), then try again.</source>
        <translation>Le disque est plein ou ne peut pas être écrit : le catalogue, ou un fichier temporaire dont le tri a besoin, n&apos;a pas pu être lu ou écrit. Libérez de la place sur le disque (et dans le dossier temporaire), puis réessayez.</translation>
    </message>
    <message>
        <source>The catalogue cannot be written: its file or its folder may be written only by another user, or is on a read-only disk.</source>
        <translation>Le catalogue ne peut pas être écrit : son fichier ou son dossier ne peut être écrit que par un autre utilisateur, ou se trouve sur un disque en lecture seule.</translation>
    </message>
    <message>
        <source>The catalogue, or a temporary file beside it, could not be opened: its folder may be missing or may not be writable.</source>
        <translation>Le catalogue, ou un fichier temporaire à côté de lui, n&apos;a pas pu être ouvert : son dossier est peut-être absent ou n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The catalogue is busy: another program has been writing it for a while. Try again when it is done.</source>
        <translation>Le catalogue est occupé : un autre programme y écrit depuis un moment. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>There is not enough memory left to finish this.</source>
        <translation>Il ne reste pas assez de mémoire pour terminer cette opération.</translation>
    </message>
</context>
<context>
    <name>db::FileCheck</name>
    <message>
        <source>&apos;%1&apos; could not be checked: %2</source>
        <translation>« %1 » n&apos;a pas pu être vérifié : %2</translation>
    </message>
</context>
<context>
    <name>db::ListEntryUse</name>
    <message>
        <source>Select the entries to merge into the one that stays.</source>
        <translation>Sélectionnez les entrées à fusionner dans celle qui reste.</translation>
    </message>
    <message>
        <source>An entry cannot be merged into itself.</source>
        <translation>Une entrée ne peut pas être fusionnée avec elle-même.</translation>
    </message>
    <message>
        <source>The entry to keep no longer exists.</source>
        <translation>L&apos;entrée à garder n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>db::MoviePictures</name>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then add the picture again.</source>
        <translation>Ce catalogue n&apos;a pas encore de place pour les images.  Ouvrez-le encore une fois pour le mettre à jour, puis ajoutez de nouveau l&apos;image.</translation>
    </message>
    <message>
        <source>The picture is empty; nothing was stored.</source>
        <translation>L&apos;image est vide ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>This movie is no longer in the catalogue: another window or program has deleted it. The picture was not stored.</source>
        <translation>Ce film n&apos;est plus dans le catalogue : une autre fenêtre ou un autre programme l&apos;a supprimé. L&apos;image n&apos;a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>db::Movies</name>
    <message>
        <source>This movie is no longer in the catalogue: another window or program has deleted it. Your changes to it were not saved.</source>
        <translation>Ce film n&apos;est plus dans le catalogue : une autre fenêtre ou un autre programme l&apos;a supprimé. Vos modifications n&apos;ont pas été enregistrées.</translation>
    </message>
</context>
<context>
    <name>db::ReadOnlyOpening</name>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>« %1 » n&apos;a pas pu être lu : %2</translation>
    </message>
</context>
<context>
    <name>db::Repair</name>
    <message>
        <source>Check database</source>
        <translation>Vérification de la base</translation>
    </message>
</context>
<context>
    <name>db::Schema</name>
    <message>
        <source>The catalogue &apos;%1&apos; exists already.</source>
        <translation>Le catalogue « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>The new catalogue could not be moved to &apos;%1&apos;.</source>
        <translation>Le nouveau catalogue n&apos;a pas pu être déplacé vers « %1 ».</translation>
    </message>
</context>
<context>
    <name>db::StartOver</name>
    <message>
        <source>&apos;%1&apos; could not be deleted: %2</source>
        <translation>« %1 » n&apos;a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <source>The catalogue could not be reset.

%1</source>
        <translation>Le catalogue n&apos;a pas pu être réinitialisé.

%1</translation>
    </message>
    <message>
        <source>

It could not be opened again either: %1</source>
        <translation>

Il n&apos;a pas pu non plus être rouvert : %1</translation>
    </message>
</context>
<context>
    <name>db::UnicodeCase</name>
    <message>
        <source>The catalogue connection has no SQLite handle.</source>
        <translation>La connexion au catalogue n&apos;a pas de descripteur SQLite.</translation>
    </message>
</context>
<context>
    <name>db::Upgrade</name>
    <message>
        <source>The catalogue could not be upgraded to version %1; it is left as it was.
%2</source>
        <translation>Le catalogue n&apos;a pas pu être mis à niveau vers la version %1 ; il reste tel qu&apos;il était.
%2</translation>
    </message>
</context>
<context>
    <name>io::CoverPicture</name>
    <message>
        <source>There is no picture to store.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be stored as %1.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée en %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is empty: it holds no picture.</source>
        <translation>« %1 » est vide : il ne contient aucune image.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large (%2 MB): a cover picture may be at most %3 MB.</source>
        <translation>« %1 » est trop volumineux (%2 Mo) : une jaquette peut faire au plus %3 Mo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a picture: it is no image file this program can read (JPEG, PNG, GIF, BMP and the like).</source>
        <translation>« %1 » n&apos;est pas une image : ce n&apos;est pas un fichier d&apos;image que ce programme sait lire (JPEG, PNG, GIF, BMP et autres).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; claims to be %2 × %3 pixels, far more than any picture needs; it was not read.</source>
        <translation>« %1 » prétend faire %2 × %3 pixels, bien plus qu&apos;aucune image n&apos;en a besoin ; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an incomplete JPEG picture: the file ends before the picture does.</source>
        <translation>« %1 » est une image JPEG incomplète : le fichier se termine avant l&apos;image.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read as a picture: %2.</source>
        <translation>« %1 » n&apos;a pas pu être lu comme une image : %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>« %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a picture.</source>
        <translation>« %1 » est un dossier, pas une image.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2.</source>
        <translation>« %1 » n&apos;a pas pu être lu : %2.</translation>
    </message>
</context>
<context>
    <name>io::CsvMapping</name>
    <message>
        <source>(nothing)</source>
        <translation>(rien)</translation>
    </message>
    <message>
        <source>A line of the notes</source>
        <translation>Une ligne des notes</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Rating (certification)</source>
        <translation>Classification (certification)</translation>
    </message>
    <message>
        <source>Director(s)</source>
        <translation>Réalisateur(s)</translation>
    </message>
    <message>
        <source>Producer(s)</source>
        <translation>Producteur(s)</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Stars (out of 5)</source>
        <translation>Étoiles (sur 5)</translation>
    </message>
    <message>
        <source>Stars (out of 10, halved)</source>
        <translation>Étoiles (sur 10, divisées par deux)</translation>
    </message>
    <message>
        <source>Storage location</source>
        <translation>Emplacement de rangement</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N° d&apos;étiquette</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Date d&apos;acquisition</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Prêté à</translation>
    </message>
    <message>
        <source>Lent on</source>
        <translation>Date du prêt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>io::CsvTable</name>
    <message>
        <source>The file is not a CSV file: it is a zip archive.</source>
        <translation>Le fichier n&apos;est pas un fichier CSV : c&apos;est une archive zip.</translation>
    </message>
    <message>
        <source>The file is not a CSV file: it is an XML document.</source>
        <translation>Le fichier n&apos;est pas un fichier CSV : c&apos;est un document XML.</translation>
    </message>
    <message>
        <source>The file is not a CSV file: it holds binary data.</source>
        <translation>Le fichier n&apos;est pas un fichier CSV : il contient des données binaires.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
</context>
<context>
    <name>io::Destination</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique en mode bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a pipe that nothing reads from; nothing has been written.</source>
        <translation>« %1 » est un tube que rien ne lit ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be opened for writing: %2.</source>
        <translation>« %1 » n&apos;a pas pu être ouvert en écriture : %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was being opened; nothing has been written.</source>
        <translation>« %1 » a changé pendant son ouverture ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file.</source>
        <translation>« %1 » est %2, pas un fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; it has been left as it is. Name another file.</source>
        <translation>« %1 » est le fichier du catalogue lui-même ; il a été laissé tel quel. Indiquez un autre fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file; it has been left as it is.</source>
        <translation>« %1 » est %2, pas un fichier ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2.</source>
        <translation>« %1 » n&apos;a pas pu être lu : %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2.</source>
        <translation>« %1 » n&apos;a pas pu être écrit : %2.</translation>
    </message>
</context>
<context>
    <name>io::ExportMovies</name>
    <message>
        <source>&apos;%1&apos; has been left as it was.</source>
        <translation>« %1 » a été laissé tel quel.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has not been created.</source>
        <translation>« %1 » n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>Cannot write to file.  Make sure it is not opened by another application.

%1</source>
        <translation>Impossible d&apos;écrire dans le fichier.  Vérifiez qu&apos;il n&apos;est pas ouvert par une autre application.

%1</translation>
    </message>
    <message>
        <source>The movies could not be written to &apos;%1&apos;.

%2

%3</source>
        <translation>Les films n&apos;ont pas pu être écrits dans « %1 ».

%2

%3</translation>
    </message>
</context>
<context>
    <name>io::FileDigest</name>
    <message>
        <source>&apos;%1&apos; could not be read.

%2</source>
        <translation>« %1 » n&apos;a pas pu être lu.

%2</translation>
    </message>
</context>
<context>
    <name>io::GcstarReader</name>
    <message>
        <source>The file is not a GCstar collection: it is no XML.</source>
        <translation>Le fichier n&apos;est pas une collection GCstar : ce n&apos;est pas du XML.</translation>
    </message>
    <message>
        <source>The file is not a GCstar collection: it holds no XML.</source>
        <translation>Le fichier n&apos;est pas une collection GCstar : il ne contient pas de XML.</translation>
    </message>
    <message>
        <source>The file is not a GCstar collection: its XML is a &apos;%1&apos; document.</source>
        <translation>Le fichier n&apos;est pas une collection GCstar : son XML est un document « %1 ».</translation>
    </message>
    <message>
        <source>The GCstar file holds a collection of the kind &apos;%1&apos;, not of movies (GCfilms).</source>
        <translation>Le fichier GCstar contient une collection du type « %1 », pas de films (GCfilms).</translation>
    </message>
</context>
<context>
    <name>io::ImportMovies</name>
    <message>
        <source>it is longer than any movie line</source>
        <translation>elle est plus longue que toute ligne de film</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>it is too short to hold a movie</source>
        <translation>elle est trop courte pour contenir un film</translation>
    </message>
    <message>
        <source>

Lines skipped because they are too short to hold a movie: %1.</source>
        <translation>

Lignes ignorées car trop courtes pour contenir un film : %1.</translation>
    </message>
    <message>
        <source>

Lines not imported: %1.</source>
        <translation>

Lignes non importées : %1.</translation>
    </message>
    <message>
        <source>
Line %1: %2.</source>
        <translation>
Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... et %1 de plus.</translation>
    </message>
    <message>
        <source>

Lines read as Windows-1252 because they are not UTF-8: %1.</source>
        <translation>

Lignes lues en Windows-1252 car elles ne sont pas en UTF-8 : %1.</translation>
    </message>
    <message>
        <source>

Pictures imported: %1.</source>
        <translation>

Images importées : %1.</translation>
    </message>
    <message>
        <source>

Pictures that name no movie of the file: %1.</source>
        <translation>

Images qui ne désignent aucun film du fichier : %1.</translation>
    </message>
    <message>
        <source>

Pictures not imported: %1.</source>
        <translation>

Images non importées : %1.</translation>
    </message>
</context>
<context>
    <name>io::ImportedLine</name>
    <message>
        <source>a name in %1 is longer than %2 characters</source>
        <translation>un nom dans %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>le champ %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>the Cost %1 is more than the catalogue can hold (at most 922,337,203,685,477.5807)</source>
        <translation>le prix %1 dépasse ce que le catalogue peut contenir (au plus 922 337 203 685 477,5807)</translation>
    </message>
</context>
<context>
    <name>io::MovieFileFormat</name>
    <message>
        <source>it holds NUL characters</source>
        <translation>elle contient des caractères NUL</translation>
    </message>
    <message>
        <source>it has no commas</source>
        <translation>elle ne contient aucune virgule</translation>
    </message>
    <message>
        <source>a double quote in it is not closed</source>
        <translation>un guillemet double n&apos;y est pas fermé</translation>
    </message>
</context>
<context>
    <name>io::MovieFileLines</name>
    <message>
        <source>&apos;%1&apos; could not be read.

%2</source>
        <translation>« %1 » n&apos;a pas pu être lu.

%2</translation>
    </message>
</context>
<context>
    <name>io::PeerCovers</name>
    <message>
        <source>only a picture beside the collection is read, not &apos;%1&apos;.</source>
        <translation>seule une image à côté de la collection est lue, pas « %1 ».</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; leads out of the collection&apos;s folder.</source>
        <translation>le nom « %1 » sort du dossier de la collection.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then try again.</source>
        <translation>Ce catalogue n&apos;a pas encore de place pour les images.  Ouvrez-le encore une fois pour le mettre à jour, puis réessayez.</translation>
    </message>
    <message>
        <source>the file holds no picture of that name.</source>
        <translation>le fichier ne contient aucune image de ce nom.</translation>
    </message>
</context>
<context>
    <name>io::PeerFile</name>
    <message>
        <source>KDE collection manager</source>
        <translation>Gestionnaire de collections de KDE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>« %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MB, more than any collection needs: it is not read.</source>
        <translation>« %1 » dépasse %2 Mo, plus qu&apos;aucune collection n&apos;en a besoin : il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>« %1 » n&apos;a pas pu être lu : %2</translation>
    </message>
</context>
<context>
    <name>io::PeerMovie</name>
    <message>
        <source>a name in %1 is longer than %2 characters</source>
        <translation>un nom dans %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>the end of the comments</source>
        <translation>la fin des commentaires</translation>
    </message>
    <message>
        <source>it has no title</source>
        <translation>il n&apos;a pas de titre</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>Ligne %1 (%2) : %3</translation>
    </message>
    <message>
        <source>

Fields that did not fit into the notes (at most %1 characters), so they are left out: %2, in %3 movies.</source>
        <translation>

Champs qui ne tenaient pas dans les notes (au plus %1 caractères) et ont donc été omis : %2, dans %3 films.</translation>
    </message>
    <message>
        <source>
... and %1 more movies.</source>
        <translation>
... et %1 films de plus.</translation>
    </message>
</context>
<context>
    <name>io::PeerXml</name>
    <message>
        <source>The file declares the external entity &apos;%1&apos;, which would read another file. Such files are not read.</source>
        <translation>Le fichier déclare l&apos;entité externe « %1 », qui lirait un autre fichier. De tels fichiers ne sont pas lus.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 (line %2, column %3).</source>
        <translation>Le fichier n&apos;est pas du XML bien formé : %1 (ligne %2, colonne %3).</translation>
    </message>
    <message>
        <source>The file ends in the middle of its XML (line %1): it is cut short.</source>
        <translation>Le fichier se termine au milieu de son XML (ligne %1) : il est tronqué.</translation>
    </message>
</context>
<context>
    <name>io::PictureFolder</name>
    <message>
        <source>The picture &apos;%1&apos; could not be written: %2.</source>
        <translation>L&apos;image « %1 » n&apos;a pas pu être écrite : %2.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be made.</source>
        <translation>Le dossier « %1 » n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then try again.</source>
        <translation>Ce catalogue n&apos;a pas encore de place pour les images.  Ouvrez-le encore une fois pour le mettre à jour, puis réessayez.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; does not exist.</source>
        <translation>Le dossier « %1 » n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>io::PublishSite</name>
    <message>
        <source>The program&apos;s page template &apos;%1&apos; is missing.</source>
        <translation>Le modèle de page « %1 » du programme est manquant.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be made.</source>
        <translation>Le dossier « %1 » n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The web page could not be written to &apos;%1&apos;.

%2</source>
        <translation>La page web n&apos;a pas pu être écrite dans « %1 ».

%2</translation>
    </message>
</context>
<context>
    <name>io::PublishedPage</name>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as a web page names it: de, fr, es</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Movie catalogue</source>
        <translation>Catalogue de films</translation>
    </message>
    <message>
        <source>The list of movies needs JavaScript.</source>
        <translation>La liste des films nécessite JavaScript.</translation>
    </message>
    <message>
        <source>Published on %1</source>
        <comment>%1 is the day, as 2026-12-07</comment>
        <translation>Publié le %1</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Words of a title, a name, a genre, the notes</source>
        <translation>Mots d&apos;un titre, d&apos;un nom, d&apos;un genre, des notes</translation>
    </message>
    <message>
        <source>%1 movies</source>
        <translation>%1 films</translation>
    </message>
    <message>
        <source>%1 of %2 movies</source>
        <comment>The movies the filter lets through, of all</comment>
        <translation>%1 films sur %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cover of %1</source>
        <comment>%1 is the title</comment>
        <translation>Jaquette de %1</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Réalisateur</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classif.</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N° d&apos;étiquette</translation>
    </message>
    <message>
        <source>Movie #</source>
        <translation>N° de film</translation>
    </message>
    <message>
        <source>Storage location</source>
        <translation>Emplacement de rangement</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Date d&apos;acquisition</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Prêté à</translation>
    </message>
    <message>
        <source>Lent on</source>
        <translation>Date du prêt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>io::TellicoReader</name>
    <message>
        <source>The file is not a collection of the KDE collection manager: it is no XML.</source>
        <translation>Le fichier n&apos;est pas une collection du gestionnaire de collections de KDE : ce n&apos;est pas du XML.</translation>
    </message>
    <message>
        <source>The file is not a collection of the KDE collection manager: it holds no XML.</source>
        <translation>Le fichier n&apos;est pas une collection du gestionnaire de collections de KDE : il ne contient pas de XML.</translation>
    </message>
    <message>
        <source>The file is not a collection of the KDE collection manager: its XML is a &apos;%1&apos; document.</source>
        <translation>Le fichier n&apos;est pas une collection du gestionnaire de collections de KDE : son XML est un document « %1 ».</translation>
    </message>
    <message>
        <source>The file holds no video collection, only collections of other kinds (type %1).</source>
        <translation>Le fichier ne contient aucune collection de vidéos, seulement des collections d&apos;autres types (type %1).</translation>
    </message>
</context>
<context>
    <name>io::ZipArchive</name>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>L&apos;archive ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>it is cut short or damaged.</source>
        <translation>elle est tronquée ou endommagée.</translation>
    </message>
    <message>
        <source>it would unpack to more than %1 MB, which no collection needs. It may be made to fill the memory (a zip bomb).</source>
        <translation>elle se décompresserait en plus de %1 Mo, ce dont aucune collection n&apos;a besoin. Elle a peut-être été faite pour remplir la mémoire (une bombe zip).</translation>
    </message>
    <message>
        <source>the unpacker could not start.</source>
        <translation>le décompresseur n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>its packed data is damaged.</source>
        <translation>ses données compressées sont endommagées.</translation>
    </message>
    <message>
        <source>its packed data is cut short.</source>
        <translation>ses données compressées sont tronquées.</translation>
    </message>
    <message>
        <source>it is no zip archive, or a damaged one.</source>
        <translation>ce n&apos;est pas une archive zip, ou elle est endommagée.</translation>
    </message>
    <message>
        <source>its table of contents is damaged.</source>
        <translation>sa table des matières est endommagée.</translation>
    </message>
    <message>
        <source>it holds the path &apos;%1&apos;, which leads out of its folder. Nothing of it is read.</source>
        <translation>elle contient le chemin « %1 », qui sort de son dossier. Rien n&apos;en est lu.</translation>
    </message>
    <message>
        <source>it is encrypted.</source>
        <translation>elle est chiffrée.</translation>
    </message>
    <message>
        <source>its entry for &apos;%1&apos; is damaged.</source>
        <translation>son entrée pour « %1 » est endommagée.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is packed in a way this program does not read (method %2).</source>
        <translation>« %1 » est compressé d&apos;une manière que ce programme ne lit pas (méthode %2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged (its check sum does not match).</source>
        <translation>« %1 » est endommagé (sa somme de contrôle ne correspond pas).</translation>
    </message>
    <message>
        <source>it holds no &apos;%1&apos;.</source>
        <translation>elle ne contient pas « %1 ».</translation>
    </message>
    <message>
        <source>The archive holds no &apos;%1&apos;.</source>
        <translation>L&apos;archive ne contient pas « %1 ».</translation>
    </message>
</context>
<context>
    <name>report::DetailedReport</name>
    <message>
        <source>Movie Listing (Detailed)</source>
        <translation>Liste des films (détaillée)</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>Aucun film trouvé.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Nombre de films : %1</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Étoiles :</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Rangement :</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres :</translation>
    </message>
    <message>
        <source>Label #:</source>
        <translation>N° étiquette :</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Support :</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes :</translation>
    </message>
    <message>
        <source>Acquired:</source>
        <translation>Acquis le :</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classif. :</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Prix :</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Réalisateur :</translation>
    </message>
    <message>
        <source>Lent To:</source>
        <translation>Prêté à :</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Producteur :</translation>
    </message>
    <message>
        <source>Lent Date:</source>
        <translation>Prêté le :</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Acteurs :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
</context>
<context>
    <name>report::DocumentReplay</name>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>The PDF file &apos;%1&apos; could not be written: %2.</source>
        <translation>Le fichier PDF « %1 » n&apos;a pas pu être écrit : %2.</translation>
    </message>
</context>
<context>
    <name>report::LabelCheckReport</name>
    <message>
        <source>Label Number Check</source>
        <translation>Vérification des n° d&apos;étiquette</translation>
    </message>
    <message>
        <source>Labels on more than one movie: %1</source>
        <translation>Étiquettes sur plus d&apos;un film : %1</translation>
    </message>
    <message>
        <source>No label is on more than one movie.</source>
        <translation>Aucune étiquette n&apos;est sur plus d&apos;un film.</translation>
    </message>
    <message>
        <source>Gaps in the numbers: %1</source>
        <translation>Trous dans la numérotation : %1</translation>
    </message>
    <message>
        <source>No label numbers are missing.</source>
        <translation>Aucun n° d&apos;étiquette ne manque.</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>à %1</translation>
    </message>
</context>
<context>
    <name>report::ListingReports</name>
    <message>
        <source>Movie Listing by Rating</source>
        <translation>Liste des films par classification</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Classification : %1</translation>
    </message>
    <message>
        <source>Movie Listing by Media</source>
        <translation>Liste des films par support</translation>
    </message>
    <message>
        <source>Media: %1</source>
        <translation>Support : %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N° étiquette</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classif.</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>Aucun film trouvé.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Nombre de films : %1</translation>
    </message>
    <message>
        <source>Movie Listing</source>
        <translation>Liste des films</translation>
    </message>
    <message>
        <source>Movie Listing by Label #</source>
        <translation>Liste des films par n° d&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>report::PrintingProgress</name>
    <message>
        <source>%1, Page: %2</source>
        <translation>%1, page : %2</translation>
    </message>
</context>
<context>
    <name>report::ReportError</name>
    <message>
        <source>Another report is being built.  Wait until it is finished, or cancel it.</source>
        <translation>Un autre rapport est en cours de création.  Attendez qu&apos;il soit terminé, ou annulez-le.</translation>
    </message>
</context>
<context>
    <name>report::ReportList</name>
    <message>
        <source>Movie listing</source>
        <translation>Liste des films</translation>
    </message>
    <message>
        <source>Movie listing (by label #)</source>
        <translation>Liste des films (par n° d&apos;étiquette)</translation>
    </message>
    <message>
        <source>Movie listing (by rating)</source>
        <translation>Liste des films (par classification)</translation>
    </message>
    <message>
        <source>Movie listing (by media)</source>
        <translation>Liste des films (par support)</translation>
    </message>
    <message>
        <source>Movie listing (detailed)</source>
        <translation>Liste des films (détaillée)</translation>
    </message>
    <message>
        <source>Inventory by location</source>
        <translation>Inventaire par emplacement</translation>
    </message>
    <message>
        <source>Cost summary</source>
        <translation>Récapitulatif des coûts</translation>
    </message>
    <message>
        <source>Movies lent out</source>
        <translation>Films prêtés</translation>
    </message>
</context>
<context>
    <name>report::SpoolWriter</name>
    <message>
        <source>The folder for reports, &apos;%1&apos;, could not be made.</source>
        <translation>Le dossier des rapports, « %1 », n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The report could not be written to &apos;%1&apos;: %2.</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The folder for reports, &apos;%1&apos;, has no free file name left.</source>
        <translation>Le dossier des rapports, « %1 », n&apos;a plus de nom de fichier libre.</translation>
    </message>
    <message>
        <source>Building Report</source>
        <translation>Création du rapport</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Base de données : %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>report::SummaryReports</name>
    <message>
        <source>Too large to add up</source>
        <translation>Trop grand pour être additionné</translation>
    </message>
    <message>
        <source>Movie Cost Report</source>
        <translation>Rapport des coûts des films</translation>
    </message>
    <message>
        <source>Inventory by Location</source>
        <translation>Inventaire par emplacement</translation>
    </message>
    <message>
        <source>Movies Lent Out</source>
        <translation>Films prêtés</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Acquis le</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N° étiquette</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>No movies found with a cost.</source>
        <translation>Aucun film avec un prix trouvé.</translation>
    </message>
    <message>
        <source>Movie count (that have a cost): %1</source>
        <translation>Nombre de films (ayant un prix) : %1</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classif.</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>Aucun film trouvé.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Nombre de films : %1</translation>
    </message>
    <message>
        <source>Lent To</source>
        <translation>Prêté à</translation>
    </message>
    <message>
        <source>Lent Date</source>
        <translation>Date de prêt</translation>
    </message>
    <message>
        <source>Movie count (lent out): %1</source>
        <translation>Nombre de films (prêtés) : %1</translation>
    </message>
    <message>
        <source>No movies are lent out.</source>
        <translation>Aucun film n&apos;est prêté.</translation>
    </message>
</context>
<context>
    <name>ui::AboutDialog</name>
    <message>
        <source>About Tallowmere Movie Database</source>
        <translation>À propos de Tallowmere Movie Database</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Movies: 0</source>
        <translation>Films : 0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Movies on file: </source>
        <translation>Films enregistrés : </translation>
    </message>
    <message>
        <source>Internet Question</source>
        <translation>Question Internet</translation>
    </message>
    <message>
        <source>Load the Tallowmere Software website?</source>
        <translation>Charger le site web de Tallowmere Software ?</translation>
    </message>
    <message>
        <source>Could not launch browser.</source>
        <translation>Impossible de lancer le navigateur.</translation>
    </message>
</context>
<context>
    <name>ui::BackupFirst</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1

Nothing has been changed.</source>
        <translation>%1

Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>

The catalogue as it was before is kept in &apos;%1&apos;.</source>
        <translation>

Le catalogue tel qu&apos;il était avant est conservé dans « %1 ».</translation>
    </message>
    <message>
        <source>Making a backup</source>
        <translation>Création d&apos;une sauvegarde</translation>
    </message>
</context>
<context>
    <name>ui::CastEditing</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Click on an actor to remove.</source>
        <translation>Cliquez sur un acteur pour le retirer.</translation>
    </message>
</context>
<context>
    <name>ui::CoverGridView</name>
    <message>
        <source>Covers</source>
        <translation>Jaquettes</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Pas de jaquette</translation>
    </message>
</context>
<context>
    <name>ui::CoverPictureWidget</name>
    <message>
        <source>Cover picture</source>
        <translation>Jaquette</translation>
    </message>
    <message>
        <source>Drop a picture here, paste one (Ctrl+V) or right-click to choose one</source>
        <translation>Déposez une image ici, collez-en une (Ctrl+V) ou faites un clic droit pour en choisir une</translation>
    </message>
    <message>
        <source>Choose picture…</source>
        <translation>Choisir une image…</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Coller une image</translation>
    </message>
    <message>
        <source>Remove picture</source>
        <translation>Retirer l&apos;image</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Pas de jaquette</translation>
    </message>
    <message>
        <source>The dropped picture</source>
        <translation>L&apos;image déposée</translation>
    </message>
    <message>
        <source>Only a picture on this computer can be taken. Save the picture to a file first, then drop the file here.</source>
        <translation>Seule une image présente sur cet ordinateur peut être prise. Enregistrez d&apos;abord l&apos;image dans un fichier, puis déposez le fichier ici.</translation>
    </message>
    <message>
        <source>What was given holds no picture.</source>
        <translation>Ce qui a été donné ne contient aucune image.</translation>
    </message>
</context>
<context>
    <name>ui::CsvMappingDialog</name>
    <message>
        <source>The first lines of the file</source>
        <translation>Les premières lignes du fichier</translation>
    </message>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Colonnes du fichier CSV</translation>
    </message>
    <message>
        <source>(as guessed or kept)</source>
        <translation>(tel que deviné ou conservé)</translation>
    </message>
    <message>
        <source>Film site list export</source>
        <translation>Export de liste d&apos;un site de films</translation>
    </message>
    <message>
        <source>Film diary export</source>
        <translation>Export d&apos;un journal de films</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Préréglage :</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>What each column goes into. A column that goes into a line of the notes comes in as &quot;Header: value&quot;.</source>
        <translation>Où va chaque colonne. Une colonne qui va dans une ligne des notes arrive sous la forme &quot;En-tête : valeur&quot;.</translation>
    </message>
</context>
<context>
    <name>ui::DesktopCommands</name>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Show all movies (clear the search)</source>
        <translation>Afficher tous les films (effacer la recherche)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Print preview of the movie listing</source>
        <translation>Aperçu avant impression de la liste des films</translation>
    </message>
</context>
<context>
    <name>ui::DuplicateMoviesDialog</name>
    <message>
        <source>Find Duplicate Movies</source>
        <translation>Trouver les films en double</translation>
    </message>
    <message>
        <source>Titles that look &amp;alike, in groups:</source>
        <translation>Titres qui se &amp;ressemblent, par groupes :</translation>
    </message>
    <message>
        <source>&amp;Show movie</source>
        <translation>&amp;Afficher le film</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Fusionner…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Groups: %1  Movies: %2</source>
        <translation>Groupes : %1  Films : %2</translation>
    </message>
    <message>
        <source>No titles look alike.</source>
        <translation>Aucun titre ne se ressemble.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Click on a movie to show.</source>
        <translation>Cliquez sur un film pour l&apos;afficher.</translation>
    </message>
    <message>
        <source>Select the two movies of one group to merge: click one, then hold Ctrl and click the other.</source>
        <translation>Sélectionnez les deux films d&apos;un groupe à fusionner : cliquez sur l&apos;un, puis maintenez Ctrl et cliquez sur l&apos;autre.</translation>
    </message>
    <message>
        <source>%1  (Movie # %2)</source>
        <translation>%1  (film n° %2)</translation>
    </message>
    <message>
        <source>Merge movies</source>
        <translation>Fusionner les films</translation>
    </message>
    <message>
        <source>&amp;Keep this movie.  It gains the genres and cast of the other, which is then deleted; its own fields stay as they are:</source>
        <translation>&amp;Garder ce film.  Il reçoit les genres et la distribution de l&apos;autre, qui est ensuite supprimé ; ses propres champs restent tels quels :</translation>
    </message>
    <message>
        <source>Merge complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; (Movie # %2) is merged into &apos;%3&apos; (Movie # %4).</source>
        <translation>« %1 » (film n° %2) est fusionné dans « %3 » (film n° %4).</translation>
    </message>
    <message>
        <source>Looking for titles that look alike…</source>
        <translation>Recherche des titres qui se ressemblent…</translation>
    </message>
    <message>
        <source>Looking for titles that look alike</source>
        <translation>Recherche des titres qui se ressemblent</translation>
    </message>
</context>
<context>
    <name>ui::DuplicateMoviesModel</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Movie #</source>
        <translation>N° de film</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
</context>
<context>
    <name>ui::ErrorReport</name>
    <message>
        <source>The catalogue could not be read or written.

%1</source>
        <translation>Le catalogue n&apos;a pas pu être lu ou écrit.

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>ui::ExportDialog</name>
    <message>
        <source>Export Movies</source>
        <translation>Exporter les films</translation>
    </message>
    <message>
        <source>%1 movies exported.</source>
        <translation>%L1 films exportés.</translation>
    </message>
    <message>
        <source>

Not exported, because their media, rating or storage location no longer exists: %1. Repair data mends that.</source>
        <translation>

Non exportés, car leur support, leur classification ou leur emplacement n&apos;existe plus : %L1. « Réparer les données » corrige cela.</translation>
    </message>
    <message>
        <source>

The file cannot hold double quotes, nor line breaks outside the notes, and a &quot;|&quot; in the notes reads back as a line break; %1 of the movies had such text.</source>
        <translation>

Le fichier ne peut contenir ni guillemets doubles, ni sauts de ligne hors des notes, et un « | » dans les notes se relit comme un saut de ligne ; %L1 des films contenaient un tel texte.</translation>
    </message>
    <message>
        <source>The catalogue could not be read, so the export stopped.

%1

%2</source>
        <translation>Le catalogue n&apos;a pas pu être lu, l&apos;exportation s&apos;est donc arrêtée.

%1

%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been left as it was.</source>
        <translation>« %1 » a été laissé tel quel.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has not been created.</source>
        <translation>« %1 » n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>Export your movies to a comma delimited file.</source>
        <translation>Exportez vos films dans un fichier délimité par des virgules.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Overwrite Warning</source>
        <translation>Avertissement d&apos;écrasement</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Overwrite?</source>
        <translation>« %1 » existe déjà. L&apos;écraser ?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>Exporting to %1</source>
        <translation>Exportation vers %1</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Exportation annulée</translation>
    </message>
    <message>
        <source>

Their pictures (%1) are in the folder beside the file.</source>
        <translation>

Leurs images (%L1) sont dans le dossier à côté du fichier.</translation>
    </message>
</context>
<context>
    <name>ui::FilmSiteDialog</name>
    <message>
        <source>IMDb Settings</source>
        <translation>Paramètres IMDb</translation>
    </message>
    <message>
        <source>Select the website that you want to link to whenever you click on the IMDb button.</source>
        <translation>Sélectionnez le site web à ouvrir chaque fois que vous cliquez sur le bouton IMDb.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ui::FilmSitePicture</name>
    <message>
        <source>Look it up on the film web site</source>
        <translation>Le consulter sur le site de films</translation>
    </message>
</context>
<context>
    <name>ui::FilterLine</name>
    <message>
        <source>Filter movies (Ctrl+F)</source>
        <translation>Filtrer les films (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter movies</source>
        <translation>Filtrer les films</translation>
    </message>
</context>
<context>
    <name>ui::GenreSearchDialog</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Enter a genre to search for.</source>
        <translation>Choisissez un genre à rechercher.</translation>
    </message>
    <message>
        <source>No movies have the genres you selected.</source>
        <translation>Aucun film n&apos;a les genres sélectionnés.</translation>
    </message>
</context>
<context>
    <name>ui::ImportDialog</name>
    <message>
        <source>Import Movies</source>
        <translation>Importer des films</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%L1 films importés.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1 movies imported before it stopped.</source>
        <translation>L&apos;importation a été annulée. %L1 films importés avant l&apos;arrêt.</translation>
    </message>
    <message>
        <source>The import stopped at line %1 of &apos;%2&apos;:

%3

Movies imported before that line: %4. Nothing of that line or the lines after it was imported.</source>
        <translation>L&apos;importation s&apos;est arrêtée à la ligne %L1 de « %2 » :

%3

Films importés avant cette ligne : %L4. Rien de cette ligne ni des suivantes n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Import your movies from a comma delimited file.</source>
        <translation>Importez vos films depuis un fichier délimité par des virgules.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>« %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a movie file.</source>
        <translation>« %1 » est %2, pas un fichier de films.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>This file is not in the correct format.  To see a valid file layout,
examine the file created by the Export Movies option.</source>
        <translation>Ce fichier n&apos;est pas au bon format.  Pour voir une disposition valide,
examinez le fichier créé par l&apos;option « Exporter les films ».</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Importation annulée</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has changed since it was previewed. Nothing was imported; import it again to see what it holds now.</source>
        <translation>« %1 » a changé depuis l&apos;aperçu. Rien n&apos;a été importé ; importez-le à nouveau pour voir ce qu&apos;il contient maintenant.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>Importation de %1</translation>
    </message>
</context>
<context>
    <name>ui::ImportPreviewDialog</name>
    <message>
        <source>genres</source>
        <translation>genres</translation>
    </message>
    <message>
        <source>media</source>
        <translation>supports</translation>
    </message>
    <message>
        <source>ratings</source>
        <translation>classifications</translation>
    </message>
    <message>
        <source>storage locations</source>
        <translation>emplacements</translation>
    </message>
    <message>
        <source>actors</source>
        <translation>acteurs</translation>
    </message>
    <message>
        <source>Movies to add: %1
Movies to update (a movie of the same title is in the catalogue): %2</source>
        <translation>Films à ajouter : %1
Films à mettre à jour (un film du même titre est dans le catalogue) : %2</translation>
    </message>
    <message>
        <source>New %1: %2</source>
        <translation>Ajouts (%1) : %L2</translation>
    </message>
    <message>
        <source>
Lines %1%2.</source>
        <translation>
Lignes %1%2.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Import Preview</source>
        <translation>Aperçu de l&apos;importation</translation>
    </message>
    <message>
        <source>What the import adds and passes over</source>
        <translation>Ce que l&apos;importation ajoute et ignore</translation>
    </message>
</context>
<context>
    <name>ui::KeepChoiceDialog</name>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ui::ListMerge</name>
    <message>
        <source>Click on the entries to merge, holding Ctrl to add each one after the first.</source>
        <translation>Cliquez sur les entrées à fusionner, en maintenant Ctrl pour ajouter chacune après la première.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be merged into itself.  Hold Ctrl and click the entries to merge into it as well.</source>
        <translation>« %1 » ne peut pas être fusionné dans lui-même.  Maintenez Ctrl et cliquez aussi sur les entrées à fusionner dedans.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>movie</source>
        <translation>film</translation>
    </message>
    <message>
        <source>movies</source>
        <translation>films</translation>
    </message>
    <message>
        <source>Merge into</source>
        <translation>Fusionner dans</translation>
    </message>
    <message>
        <source>&amp;Keep this entry.  The movies of the others will use it instead, and the others will be deleted:</source>
        <translation>&amp;Garder cette entrée.  Les films des autres l&apos;utiliseront à leur place, et les autres seront supprimées :</translation>
    </message>
    <message>
        <source>Merge complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message>
        <source>%1 merged into &apos;%2&apos;.  %3 changed.</source>
        <translation>%1 fusionné(s) dans « %2 ».  %3 modifié(s).</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>entrées</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open movie database..</source>
        <translation>&amp;Ouvrir une base de films..</translation>
    </message>
    <message>
        <source>&amp;Add Movie</source>
        <translation>&amp;Ajouter un film</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>&amp;Supprimer le film</translation>
    </message>
    <message>
        <source>&amp;Next Movie</source>
        <translation>Film suiva&amp;nt</translation>
    </message>
    <message>
        <source>&amp;Previous Movie</source>
        <translation>Film &amp;précédent</translation>
    </message>
    <message>
        <source>Publish as &amp;web page..</source>
        <translation>Publier comme page &amp;web..</translation>
    </message>
    <message>
        <source>&amp;Printer setup..</source>
        <translation>Configuration de l&apos;&amp;imprimante..</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>&amp;Title search..</source>
        <translation>Recherche par &amp;titre..</translation>
    </message>
    <message>
        <source>&amp;Actor search..</source>
        <translation>Recherche par &amp;acteur..</translation>
    </message>
    <message>
        <source>&amp;Director search..</source>
        <translation>Recherche par &amp;réalisateur..</translation>
    </message>
    <message>
        <source>&amp;Genre search..</source>
        <translation>Recherche par &amp;genre..</translation>
    </message>
    <message>
        <source>&amp;Movie # search..</source>
        <translation>Recherche par n° de &amp;film..</translation>
    </message>
    <message>
        <source>La&amp;bel # search..</source>
        <translation>Recherche par n° d&apos;&amp;étiquette..</translation>
    </message>
    <message>
        <source>&amp;Location search..</source>
        <translation>Recherche par &amp;emplacement..</translation>
    </message>
    <message>
        <source>&amp;Notes search</source>
        <translation>Recherche dans les &amp;notes</translation>
    </message>
    <message>
        <source>&amp;Producer search..</source>
        <translation>Recherche par &amp;producteur..</translation>
    </message>
    <message>
        <source>&amp;Clear search</source>
        <translation>Effacer la re&amp;cherche</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Ra&amp;pports</translation>
    </message>
    <message>
        <source>&amp;Movie listing..</source>
        <translation>&amp;Liste des films..</translation>
    </message>
    <message>
        <source>Movie listing (by &amp;label #)..</source>
        <translation>Liste des films (par n° d&apos;&amp;étiquette)..</translation>
    </message>
    <message>
        <source>Movie listing (by &amp;rating)..</source>
        <translation>Liste des films (par &amp;classification)..</translation>
    </message>
    <message>
        <source>Movie listing (by medi&amp;a)..</source>
        <translation>Liste des films (par &amp;support)..</translation>
    </message>
    <message>
        <source>Movie listing (&amp;detailed)..</source>
        <translation>Liste des films (&amp;détaillée)..</translation>
    </message>
    <message>
        <source>&amp;Inventory by location..</source>
        <translation>&amp;Inventaire par emplacement..</translation>
    </message>
    <message>
        <source>&amp;Cost summary..</source>
        <translation>&amp;Récapitulatif des coûts..</translation>
    </message>
    <message>
        <source>Movies l&amp;ent out..</source>
        <translation>Films &amp;prêtés..</translation>
    </message>
    <message>
        <source>Set&amp;up</source>
        <translation>Config&amp;uration</translation>
    </message>
    <message>
        <source>&amp;Actors..</source>
        <translation>&amp;Acteurs..</translation>
    </message>
    <message>
        <source>&amp;Genres (types)..</source>
        <translation>&amp;Genres (types)..</translation>
    </message>
    <message>
        <source>&amp;Media..</source>
        <translation>&amp;Supports..</translation>
    </message>
    <message>
        <source>&amp;Ratings..</source>
        <translation>&amp;Classifications..</translation>
    </message>
    <message>
        <source>&amp;Storage locations..</source>
        <translation>&amp;Emplacements de rangement..</translation>
    </message>
    <message>
        <source>&amp;Delete Unused actors..</source>
        <translation>Supprimer les acteurs &amp;inutilisés..</translation>
    </message>
    <message>
        <source>&amp;IMDb settings..</source>
        <translation>Paramètres IM&amp;Db..</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Export to file..</source>
        <translation>&amp;Exporter vers un fichier..</translation>
    </message>
    <message>
        <source>&amp;Import from file..</source>
        <translation>&amp;Importer depuis un fichier..</translation>
    </message>
    <message>
        <source>Import from &amp;another catalogue..</source>
        <translation>Importer depuis un &amp;autre catalogue..</translation>
    </message>
    <message>
        <source>&amp;Repair data..</source>
        <translation>&amp;Réparer les données..</translation>
    </message>
    <message>
        <source>&amp;Check label numbers..</source>
        <translation>&amp;Vérifier les n° d&apos;étiquette..</translation>
    </message>
    <message>
        <source>&amp;Find duplicate movies..</source>
        <translation>Trouver les films en &amp;double..</translation>
    </message>
    <message>
        <source>&amp;Start over..</source>
        <translation>Reco&amp;mmencer..</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>À &amp;propos..</translation>
    </message>
    <message>
        <source>Add New Movie</source>
        <translation>Ajouter un nouveau film</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Supprimer le film</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>&amp;Jaquettes</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Movies in list: 0</source>
        <translation>Films dans la liste : 0</translation>
    </message>
    <message>
        <source>You are currently in search mode.  Press CTRL+Q to clear your current search.</source>
        <translation>Vous êtes en mode recherche.  Appuyez sur CTRL+Q pour effacer la recherche en cours.</translation>
    </message>
    <message>
        <source>Load movies</source>
        <translation>Chargement des films</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Your search no longer finds any movies.  Clear your search?</source>
        <translation>Votre recherche ne trouve plus aucun film.  Effacer la recherche ?</translation>
    </message>
    <message>
        <source>Movies on file: %1</source>
        <translation>Films enregistrés : %L1</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Supprimer le film</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Ajouter : %1 ?</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; does not exist.  Add it?</source>
        <translation>%1 « %2 » n&apos;existe pas.  L&apos;ajouter ?</translation>
    </message>
    <message>
        <source>%1 must be a number.  &apos;%2&apos; is not one.</source>
        <translation>%1 doit être un nombre.  « %2 » n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The cost &apos;%1&apos; is not an amount of money.  Type an amount of at most 922,337,203,685,477.58.</source>
        <translation>Le prix « %1 » n&apos;est pas un montant.  Saisissez un montant d&apos;au plus 922 337 203 685 477,58.</translation>
    </message>
    <message>
        <source>Delete Warning</source>
        <translation>Avertissement de suppression</translation>
    </message>
    <message>
        <source>Delete movie &apos;%1&apos;?</source>
        <translation>Supprimer le film « %1 » ?</translation>
    </message>
    <message>
        <source>Exit Tallowmere Movie Database?</source>
        <translation>Quitter Tallowmere Movie Database ?</translation>
    </message>
    <message>
        <source>Movies on file: 0</source>
        <translation>Films enregistrés : 0</translation>
    </message>
    <message>
        <source>Open Movie Database</source>
        <translation>Ouvrir une base de films</translation>
    </message>
    <message>
        <source>Enter the name of the movie database to open or create.  (Note: &apos;KIB&apos; is the standard database):</source>
        <translation>Saisissez le nom de la base de films à ouvrir ou à créer.  (Remarque : « KIB » est la base standard) :</translation>
    </message>
    <message>
        <source>A catalogue name can have at most %1 letters and digits.</source>
        <translation>Un nom de catalogue peut avoir au plus %1 lettres et chiffres.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; database opened.</source>
        <translation>Base de données « %1 » ouverte.</translation>
    </message>
    <message>
        <source>  Click on Add Movie to begin.</source>
        <translation>  Cliquez sur « Ajouter un film » pour commencer.</translation>
    </message>
    <message>
        <source>Movie changed</source>
        <translation>Film modifié</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been changed by another program since it was shown here.

Save your changes over that change?

No shows the movie as it is stored now, without your changes; Cancel goes back to your changes.</source>
        <translation>« %1 » a été modifié par un autre programme depuis son affichage ici.

Enregistrer vos modifications par-dessus ce changement ?

Non affiche le film tel qu&apos;il est enregistré maintenant, sans vos modifications ; Annuler revient à vos modifications.</translation>
    </message>
    <message>
        <source>Movies on file: %1 of %2</source>
        <translation>Films enregistrés : %1 sur %2</translation>
    </message>
    <message>
        <source>Work is still going on.  Stop it and exit?</source>
        <translation>Un travail est encore en cours.  L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>
Nothing was stored.</source>
        <translation>
Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then add the picture again.</source>
        <translation>Ce catalogue n&apos;a pas encore de place pour les images.  Ouvrez-le encore une fois pour le mettre à jour, puis ajoutez de nouveau l&apos;image.</translation>
    </message>
    <message>
        <source>Choose picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.webp)</source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Jaquette</translation>
    </message>
</context>
<context>
    <name>ui::MaintenanceCommands</name>
    <message>
        <source>Repair</source>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Repair database?</source>
        <translation>Réparer la base de données ?</translation>
    </message>
    <message>
        <source>Repair complete</source>
        <translation>Réparation terminée</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>%1 problems repaired.</source>
        <translation>%L1 problèmes réparés.</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>Delete all actors that are not currently used?</source>
        <translation>Supprimer tous les acteurs qui ne sont pas utilisés actuellement ?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>%1 actors deleted.</source>
        <translation>%L1 acteurs supprimés.</translation>
    </message>
    <message>
        <source>Check database</source>
        <translation>Vérification de la base</translation>
    </message>
    <message>
        <source>Deleting unused actors</source>
        <translation>Suppression des acteurs inutilisés</translation>
    </message>
</context>
<context>
    <name>ui::MovieFileDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Choisir le fichier</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>ui::MovieListModel</name>
    <message>
        <source>Movie #</source>
        <translation>N° de film</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N° d&apos;étiquette</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
</context>
<context>
    <name>ui::PeerImportCommand</name>
    <message>
        <source>Import from another catalogue</source>
        <translation>Importer depuis un autre catalogue</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file this program can import: it reads collections of the KDE collection manager (.tc), of GCstar (.gcs) and CSV files.</source>
        <translation>« %1 » n&apos;est pas un fichier que ce programme sait importer : il lit les collections du gestionnaire de collections de KDE (.tc), de GCstar (.gcs) et les fichiers CSV.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1 movies imported before it stopped.</source>
        <translation>L&apos;importation a été annulée. %L1 films importés avant l&apos;arrêt.</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%L1 films importés.</translation>
    </message>
    <message>
        <source>

The import stopped: %1 Nothing of that movie or those after it was imported.</source>
        <translation>

L&apos;importation s&apos;est arrêtée : %1 Rien de ce film ni des suivants n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Other catalogues&apos; files (*.tc *.xml *.gcs *.csv *.txt)</source>
        <translation>Fichiers d&apos;autres catalogues (*.tc *.xml *.gcs *.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Importation annulée</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
</context>
<context>
    <name>ui::PreviewWindow</name>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Enregistrer en P&amp;DF</translation>
    </message>
    <message>
        <source>&amp;Save report file…</source>
        <translation>&amp;Enregistrer le fichier de rapport…</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Protected</source>
        <translation>Protégé</translation>
    </message>
    <message>
        <source>This report is password protected.  Please enter password:</source>
        <translation>Ce rapport est protégé par un mot de passe.  Veuillez saisir le mot de passe :</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Report files (*.rpt)</source>
        <translation>Fichiers de rapport (*.rpt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The report could not be saved as &apos;%1&apos;.

%2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré sous « %1 ».

%2</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
</context>
<context>
    <name>ui::PrintSetupDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Printer name:</source>
        <translation>Nom de l&apos;imprimante :</translation>
    </message>
    <message>
        <source># of copies:</source>
        <translation>Nombre de copies :</translation>
    </message>
</context>
<context>
    <name>ui::PrintingWindow</name>
    <message>
        <source>Printing...</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
</context>
<context>
    <name>ui::ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>ui::PublishCommand</name>
    <message>
        <source>Publish as web page</source>
        <translation>Publier comme page web</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds a web page already. Replace it?</source>
        <translation>« %1 » contient déjà une page web. La remplacer ?</translation>
    </message>
    <message>
        <source>%1 movies published to &apos;%2&apos;.

Open the page in the web browser?</source>
        <translation>%L1 films publiés dans « %2 ».

Ouvrir la page dans le navigateur web ?</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Pages web (*.html)</translation>
    </message>
    <message>
        <source>Publishing the web page</source>
        <translation>Publication de la page web</translation>
    </message>
</context>
<context>
    <name>ui::RecordView</name>
    <message>
        <source>Set &amp;Genres &gt;&gt;</source>
        <translation>Définir les &amp;genres &gt;&gt;</translation>
    </message>
    <message>
        <source>Add A&amp;ctor</source>
        <translation>Ajouter un a&amp;cteur</translation>
    </message>
    <message>
        <source>R&amp;emove Actor</source>
        <translation>Retirer l&apos;ac&amp;teur</translation>
    </message>
    <message>
        <source>&amp;Add Movie</source>
        <translation>&amp;Ajouter un film</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>&amp;Supprimer le film</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Enregistrer les modifications</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Pr&amp;écédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Suiva&amp;nt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/jj/aaaa</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres :</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Étoiles :</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Support :</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes :</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classification :</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Label #:</source>
        <translation>N° d&apos;étiquette :</translation>
    </message>
    <message>
        <source>Cost ($):</source>
        <translation>Prix :</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Réalisateur :</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Producteur :</translation>
    </message>
    <message>
        <source>Date acquired:</source>
        <translation>Date d&apos;acquisition :</translation>
    </message>
    <message>
        <source>Lent To:</source>
        <translation>Prêté à :</translation>
    </message>
    <message>
        <source>Date lent:</source>
        <translation>Date du prêt :</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Acteurs :</translation>
    </message>
    <message>
        <source>My notes:</source>
        <translation>Mes notes :</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Prix</translation>
    </message>
</context>
<context>
    <name>ui::ReportSelectionDialog</name>
    <message>
        <source>Movie List by Rating</source>
        <translation>Liste des films par classification</translation>
    </message>
    <message>
        <source>Select the ratings to print.  Click &apos;Print Report&apos; when ready or &apos;Cancel&apos; to quit.</source>
        <translation>Sélectionnez les classifications à imprimer.  Cliquez sur « Imprimer le rapport » quand vous êtes prêt, ou sur « Annuler » pour quitter.</translation>
    </message>
    <message>
        <source>Select one or more ratings to print.</source>
        <translation>Sélectionnez une ou plusieurs classifications à imprimer.</translation>
    </message>
    <message>
        <source>Movie Listing by Media</source>
        <translation>Liste des films par support</translation>
    </message>
    <message>
        <source>Select the media formats to print.  Click &apos;Print Report&apos; when ready or &apos;Cancel&apos; to quit.</source>
        <translation>Sélectionnez les supports à imprimer.  Cliquez sur « Imprimer le rapport » quand vous êtes prêt, ou sur « Annuler » pour quitter.</translation>
    </message>
    <message>
        <source>Select one or more media formats to print.</source>
        <translation>Sélectionnez un ou plusieurs supports à imprimer.</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Imprimer le rapport</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>ui::ReportSession</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The report on the screen is being printed.  Wait until it is finished, or cancel it.</source>
        <translation>Le rapport à l&apos;écran est en cours d&apos;impression.  Attendez qu&apos;il soit terminé, ou annulez-le.</translation>
    </message>
    <message>
        <source>Another report is being built.  Wait until it is finished, or cancel it.</source>
        <translation>Un autre rapport est en cours de création.  Attendez qu&apos;il soit terminé, ou annulez-le.</translation>
    </message>
</context>
<context>
    <name>ui::ReportWriting</name>
    <message>
        <source>Building Report</source>
        <translation>Création du rapport</translation>
    </message>
</context>
<context>
    <name>ui::SearchDialog</name>
    <message>
        <source>Search Genre</source>
        <translation>Rechercher un genre</translation>
    </message>
    <message>
        <source>Select the genres that you want to find.</source>
        <translation>Sélectionnez les genres que vous voulez trouver.</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Search Title</source>
        <translation>Rechercher un titre</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Enter the title of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Saisissez le titre du film que vous cherchez.  Utilisez * pour représenter un groupe quelconque de lettres et ? pour une seule lettre.</translation>
    </message>
    <message>
        <source>Enter a title to search for.</source>
        <translation>Saisissez un titre à rechercher.</translation>
    </message>
    <message>
        <source>No movies match the title &apos;%1&apos;.</source>
        <translation>Aucun film ne correspond au titre « %1 ».</translation>
    </message>
    <message>
        <source>Search Movie #</source>
        <translation>Rechercher un n° de film</translation>
    </message>
    <message>
        <source>Movie #:</source>
        <translation>N° de film :</translation>
    </message>
    <message>
        <source>Enter the # of the movie you want to find.</source>
        <translation>Saisissez le n° du film que vous cherchez.</translation>
    </message>
    <message>
        <source>Enter a movie # to find.</source>
        <translation>Saisissez un n° de film à trouver.</translation>
    </message>
    <message>
        <source>No movies match the # %1.</source>
        <translation>Aucun film ne correspond au n° %1.</translation>
    </message>
    <message>
        <source>Search Label Number</source>
        <translation>Rechercher un n° d&apos;étiquette</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Étiquette :</translation>
    </message>
    <message>
        <source>Enter the label number of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Saisissez le n° d&apos;étiquette du film que vous cherchez.  Utilisez * pour représenter un groupe quelconque de lettres et ? pour une seule lettre.</translation>
    </message>
    <message>
        <source>Enter a label number to search.</source>
        <translation>Saisissez un n° d&apos;étiquette à rechercher.</translation>
    </message>
    <message>
        <source>No movies match the label number &apos;%1&apos;.</source>
        <translation>Aucun film ne correspond au n° d&apos;étiquette « %1 ».</translation>
    </message>
    <message>
        <source>Search Actor</source>
        <translation>Rechercher un acteur</translation>
    </message>
    <message>
        <source>Actor:</source>
        <translation>Acteur :</translation>
    </message>
    <message>
        <source>Enter the name of an actor to find the movies they appear in.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Saisissez le nom d&apos;un acteur pour trouver les films dans lesquels il joue.  Utilisez * pour représenter un groupe quelconque de lettres et ? pour une seule lettre.</translation>
    </message>
    <message>
        <source>Enter an actor to search for.</source>
        <translation>Saisissez un acteur à rechercher.</translation>
    </message>
    <message>
        <source>No movies have an actor that matches &apos;%1&apos;.</source>
        <translation>Aucun film n&apos;a un acteur correspondant à « %1 ».</translation>
    </message>
    <message>
        <source>&amp;Lookup Actor</source>
        <translation>&amp;Choisir un acteur</translation>
    </message>
    <message>
        <source>Search Director</source>
        <translation>Rechercher un réalisateur</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Réalisateur :</translation>
    </message>
    <message>
        <source>Enter the director of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Saisissez le réalisateur du film que vous cherchez.  Utilisez * pour représenter un groupe quelconque de lettres et ? pour une seule lettre.</translation>
    </message>
    <message>
        <source>Enter a director to search for.</source>
        <translation>Saisissez un réalisateur à rechercher.</translation>
    </message>
    <message>
        <source>No movies match the director &apos;%1&apos;.</source>
        <translation>Aucun film ne correspond au réalisateur « %1 ».</translation>
    </message>
    <message>
        <source>Search Producer</source>
        <translation>Rechercher un producteur</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Producteur :</translation>
    </message>
    <message>
        <source>Enter the producer of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Saisissez le producteur du film que vous cherchez.  Utilisez * pour représenter un groupe quelconque de lettres et ? pour une seule lettre.</translation>
    </message>
    <message>
        <source>Enter a producer to search for.</source>
        <translation>Saisissez un producteur à rechercher.</translation>
    </message>
    <message>
        <source>No movies match the producer &apos;%1&apos;.</source>
        <translation>Aucun film ne correspond au producteur « %1 ».</translation>
    </message>
    <message>
        <source>Search Location</source>
        <translation>Rechercher un emplacement</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Enter the name of the storage location of the movies you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Saisissez le nom de l&apos;emplacement de rangement des films que vous cherchez.  Utilisez * pour représenter un groupe quelconque de lettres et ? pour une seule lettre.</translation>
    </message>
    <message>
        <source>Enter a location to search for.</source>
        <translation>Saisissez un emplacement à rechercher.</translation>
    </message>
    <message>
        <source>No movies have a location that matches &apos;%1&apos;.</source>
        <translation>Aucun film n&apos;a un emplacement correspondant à « %1 ».</translation>
    </message>
    <message>
        <source>&amp;Lookup Location</source>
        <translation>&amp;Choisir un emplacement</translation>
    </message>
    <message>
        <source>Search Notes</source>
        <translation>Rechercher dans les notes</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Enter any notes you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Saisissez les notes que vous voulez trouver.  Utilisez * pour représenter un groupe quelconque de lettres et ? pour une seule lettre.</translation>
    </message>
    <message>
        <source>Enter notes to search for.</source>
        <translation>Saisissez des notes à rechercher.</translation>
    </message>
    <message>
        <source>No movies match the notes &apos;%1&apos;.</source>
        <translation>Aucun film ne correspond aux notes « %1 ».</translation>
    </message>
</context>
<context>
    <name>ui::ShortcutsDialog</name>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Close: saves the shown movie and asks to exit</source>
        <translation>Fermer : enregistre le film affiché et demande s&apos;il faut quitter</translation>
    </message>
    <message>
        <source>Alt+letter</source>
        <translation>Alt+lettre</translation>
    </message>
    <message>
        <source>The menu or button whose caption has that letter underlined</source>
        <translation>Le menu ou le bouton dont le libellé souligne cette lettre</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down, Home, End</source>
        <translation>Haut, Bas, Page préc., Page suiv., Début, Fin</translation>
    </message>
    <message>
        <source>Go to another movie and show it</source>
        <translation>Aller à un autre film et l&apos;afficher</translation>
    </message>
    <message>
        <source>A letter</source>
        <translation>Une lettre</translation>
    </message>
    <message>
        <source>Go to the first title beginning with it</source>
        <translation>Aller au premier titre qui commence par elle</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Add Movie</source>
        <translation>Ajouter un film</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Supprimer le film</translation>
    </message>
    <message>
        <source>Add a name (in the actor picker: add a new actor)</source>
        <translation>Ajouter un nom (dans le choix d&apos;acteur : ajouter un nouvel acteur)</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Edit the selected name (in the actor picker: select it)</source>
        <translation>Modifier le nom sélectionné (dans le choix d&apos;acteur : le sélectionner)</translation>
    </message>
    <message>
        <source>Delete the selected name</source>
        <translation>Supprimer le nom sélectionné</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Fermer la liste</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page préc., Page suiv.</translation>
    </message>
    <message>
        <source>Previous and next page</source>
        <translation>Page précédente et suivante</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Début, Fin</translation>
    </message>
    <message>
        <source>First and last page</source>
        <translation>Première et dernière page</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Gauche, Droite, Haut, Bas</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Faire défiler la page</translation>
    </message>
    <message>
        <source>Ctrl++, Ctrl+-</source>
        <translation>Ctrl++, Ctrl+-</translation>
    </message>
    <message>
        <source>Zoom in and out</source>
        <translation>Zoom avant et arrière</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Fermer l&apos;aperçu</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Movie list</source>
        <translation>Liste des films</translation>
    </message>
    <message>
        <source>Setup lists and pickers</source>
        <translation>Listes et sélecteurs</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>ui::SplashWindow</name>
    <message>
        <source>Starting</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>ui::SpoolPrinting</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The report could not be printed on &apos;%1&apos;.  Check that the printer is ready, or choose another one in File &gt; Printer setup.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé sur « %1 ».  Vérifiez que l&apos;imprimante est prête, ou choisissez-en une autre dans Fichier &gt; Configuration de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file; it has been left as it is.</source>
        <translation>« %1 » est %2, pas un fichier ; il a été laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>ui::StartOverDialog</name>
    <message>
        <source>Start over (delete all data and start again)</source>
        <translation>Recommencer (supprimer toutes les données et repartir de zéro)</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>0 movies on file</source>
        <translation>0 film enregistré</translation>
    </message>
    <message>
        <source>%1 movies on file</source>
        <translation>%L1 films enregistrés</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>You have selected nothing to reset.</source>
        <translation>Vous n&apos;avez rien sélectionné à réinitialiser.</translation>
    </message>
    <message>
        <source>Reset database (delete all movies)?</source>
        <translation>Réinitialiser la base de données (supprimer tous les films) ?</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>System reset.</source>
        <translation>Système réinitialisé.</translation>
    </message>
</context>
<context>
    <name>ui::UserGuide</name>
    <message>
        <source>Tallowmere Movie Database: user guide</source>
        <translation>Tallowmere Movie Database : guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The user guide could not be made from &apos;%1&apos;.</source>
        <translation>Le guide de l&apos;utilisateur n&apos;a pas pu être créé à partir de « %1 ».</translation>
    </message>
    <message>
        <source>No browser could open the user guide &apos;%1&apos;.</source>
        <translation>Aucun navigateur n&apos;a pu ouvrir le guide de l&apos;utilisateur « %1 ».</translation>
    </message>
</context>
<context>
    <name>ui::lists::EditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&apos; already exists.  Please enter a unique name to add.</source>
        <translation> » existe déjà.  Veuillez saisir un nom unique.</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Merge into…</source>
        <translation>&amp;Fusionner dans…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Click on an item to edit.</source>
        <translation>Cliquez sur un élément pour le modifier.</translation>
    </message>
    <message>
        <source>Click on an item to delete.</source>
        <translation>Cliquez sur un élément pour le supprimer.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Supprimer « %1 » ?</translation>
    </message>
    <message>
        <source> movies.</source>
        <translation> films.</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListEntryModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListMember</name>
    <message>
        <source>Ratings</source>
        <translation>Classifications</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Add Rating</source>
        <translation>Ajouter une classification</translation>
    </message>
    <message>
        <source>Edit Rating</source>
        <translation>Modifier la classification</translation>
    </message>
    <message>
        <source>Rating &apos;</source>
        <translation>Classification « </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Cannot delete this rating.  It is used in </source>
        <translation>Impossible de supprimer cette classification.  Elle est utilisée dans </translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Add Genre</source>
        <translation>Ajouter un genre</translation>
    </message>
    <message>
        <source>Edit Genre</source>
        <translation>Modifier le genre</translation>
    </message>
    <message>
        <source>Genre &apos;</source>
        <translation>Genre « </translation>
    </message>
    <message>
        <source>Cannot delete this genre.  It is used in </source>
        <translation>Impossible de supprimer ce genre.  Il est utilisé dans </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Acteurs</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Acteur</translation>
    </message>
    <message>
        <source>Add Actor</source>
        <translation>Ajouter un acteur</translation>
    </message>
    <message>
        <source>Edit Actor</source>
        <translation>Modifier l&apos;acteur</translation>
    </message>
    <message>
        <source>Actor &apos;</source>
        <translation>Acteur « </translation>
    </message>
    <message>
        <source>Cannot delete this actor.  They are used in </source>
        <translation>Impossible de supprimer cet acteur.  Il est utilisé dans </translation>
    </message>
    <message>
        <source>Medias</source>
        <translation>Supports</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Ajouter un support</translation>
    </message>
    <message>
        <source>Edit Media</source>
        <translation>Modifier le support</translation>
    </message>
    <message>
        <source>Media &apos;</source>
        <translation>Support « </translation>
    </message>
    <message>
        <source>Cannot delete this media.  Is is used in </source>
        <translation>Impossible de supprimer ce support.  Il est utilisé dans </translation>
    </message>
    <message>
        <source>Storage Locations</source>
        <translation>Emplacements de rangement</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Add Location</source>
        <translation>Ajouter un emplacement</translation>
    </message>
    <message>
        <source>Edit Location</source>
        <translation>Modifier l&apos;emplacement</translation>
    </message>
    <message>
        <source>Location &apos;</source>
        <translation>Emplacement « </translation>
    </message>
    <message>
        <source>Cannot delete this location.  Is is used in </source>
        <translation>Impossible de supprimer cet emplacement.  Il est utilisé dans </translation>
    </message>
</context>
<context>
    <name>ui::lists::LookupDialog</name>
    <message>
        <source>Lookup </source>
        <translation>Choix : </translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ui::lists::SelectActorDialog</name>
    <message>
        <source>Select Actor</source>
        <translation>Choisir un acteur</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Tapez pour restreindre la liste</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Acteurs</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>&amp;Add New Actor</source>
        <translation>&amp;Ajouter un nouvel acteur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already in the list. Use it?</source>
        <translation>« %1 » est déjà dans la liste. L&apos;utiliser ?</translation>
    </message>
</context>
<context>
    <name>ui::lists::SetGenreDialog</name>
    <message>
        <source>Set Genres</source>
        <translation>Définir les genres</translation>
    </message>
    <message>
        <source>Select the genres that best fit this movie.</source>
        <translation>Sélectionnez les genres qui correspondent le mieux à ce film.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
</context>
</TS>
