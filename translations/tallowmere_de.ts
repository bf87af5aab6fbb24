<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>app::CatalogueDamage</name>
    <message>
        <source>; and %1 more</source>
        <translation>; und %1 weitere</translation>
    </message>
    <message>
        <source>&apos;tallowmere check --repair&apos; rebuilds the damaged indexes (after a backup); older copies of the catalogue are kept in %1.</source>
        <translation>&apos;tallowmere check --repair&apos; baut die beschädigten Indizes neu auf (nach einer Sicherung); ältere Kopien des Katalogs werden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Put back a copy from %1, or rescue what can be read with the stock sqlite3 tool&apos;s .recover; &apos;tallowmere check --repair&apos; cannot mend this.</source>
        <translation>Spielen Sie eine Kopie aus %1 zurück oder retten Sie, was sich lesen lässt, mit .recover des üblichen Werkzeugs sqlite3; &apos;tallowmere check --repair&apos; kann das nicht beheben.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). Nothing was written.
%3</source>
        <translation>Der Katalog &apos;%1&apos; ist beschädigt (%2). Es wurde nichts geschrieben.
%3</translation>
    </message>
    <message>
        <source>Warning: the catalogue &apos;%1&apos; is damaged (%2). What was read from it may be incomplete.
%3</source>
        <translation>Warnung: Der Katalog &apos;%1&apos; ist beschädigt (%2). Was daraus gelesen wurde, kann unvollständig sein.
%3</translation>
    </message>
</context>
<context>
    <name>app::CatalogueName</name>
    <message>
        <source>A catalogue name is a name, not a path: it cannot hold &apos;/&apos;, &apos;\&apos; or &apos;..&apos;.</source>
        <translation>Ein Katalogname ist ein Name, kein Pfad: Er darf weder &apos;/&apos;, &apos;\&apos; noch &apos;..&apos; enthalten.</translation>
    </message>
    <message>
        <source>A catalogue name cannot hold control characters.</source>
        <translation>Ein Katalogname darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A catalogue name needs letters or digits.</source>
        <translation>Ein Katalogname braucht Buchstaben oder Ziffern.</translation>
    </message>
    <message>
        <source>A catalogue name can have at most %1 letters and digits.</source>
        <translation>Ein Katalogname darf höchstens %1 Buchstaben und Ziffern haben.</translation>
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
        <translation>Tallowmere Movie Database: ein Katalog Ihrer Filmsammlung.

Ohne Befehl öffnet sich das Fenster. Die Befehle laufen ohne Fenster und ohne Bildschirm:
  export DATEI          jeden Film in eine Filmdatei schreiben
  import DATEI          eine Filmdatei in den Katalog lesen (sichert ihn vorher)
  import --from tellico|gcstar|csv DATEI [--preset list|diary]
                        die Datei eines anderen Katalogs oder eine CSV-Datei lesen; die
                        Spalten einer CSV-Datei folgen der Vorgabe oder der für ihre
                        Kopfzeile gemerkten Zuordnung, oder sie werden aus ihr erraten
  report NAME --pdf DATEI [--ids 2,5]
                        einen Bericht als PDF schreiben; NAME wie im Menü Berichte oder
                        einer von list, label, rating, media, detailed, inventory, cost,
                        lent (rating und media nehmen die IDs der Altersfreigaben oder
                        Medien)
  backup DATEI          eine konsistente Kopie des Katalogs schreiben, auch während er
                        offen ist
  check [--repair]      die Datei und die Verweise der Filme prüfen; --repair behebt sie
                        und baut beschädigte Indizes neu auf (nach einer Sicherung)
  publish ORDNER        den Katalog als Webseite schreiben, ORDNER/index.html
  pictures import ORDNER
                        Filmen die Bilder eines Ordners geben, benannt nach der
                        Etikettnummer oder dem Titel eines Films (A-12.jpg, Alien.png)
  pictures export ORDNER
                        das Bild jedes Films in einen Ordner schreiben, ebenso benannt

In einen beschädigten Katalog wird nichts geschrieben; export, report und backup lesen
ihn dennoch, mit einer Warnung.

Rückgabewert: 0, wenn alles gut ging, 1 bei einem Fehler (eine Zeile, die nicht
importiert werden konnte, ein beschädigter Katalog, ein belegter Katalog), 2 bei einer
falschen Befehlszeile.</translation>
    </message>
    <message>
        <source>Try &apos;tallowmere --help&apos;.</source>
        <translation>Versuchen Sie &apos;tallowmere --help&apos;.</translation>
    </message>
    <message>
        <source>Use the catalogue NAME.</source>
        <translation>Den Katalog NAME verwenden.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>The report&apos;s PDF file.</source>
        <translation>Die PDF-Datei des Berichts.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Ratings or media of a report, as ids.</source>
        <translation>Altersfreigaben oder Medien eines Berichts, als IDs.</translation>
    </message>
    <message>
        <source>IDS</source>
        <translation>IDS</translation>
    </message>
    <message>
        <source>With check: mend what it finds.</source>
        <translation>Mit check: beheben, was gefunden wird.</translation>
    </message>
    <message>
        <source>With import: the kind of file.</source>
        <translation>Mit import: die Art der Datei.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>With import --from csv: the columns&apos; layout.</source>
        <translation>Mit import --from csv: die Anordnung der Spalten.</translation>
    </message>
    <message>
        <source>export, import, report, backup, check, publish or pictures.</source>
        <translation>export, import, report, backup, check, publish oder pictures.</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[Befehl]</translation>
    </message>
    <message>
        <source>--pdf, --ids, --repair, --from and --preset belong to a command.</source>
        <translation>--pdf, --ids, --repair, --from und --preset gehören zu einem Befehl.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Unbekannter Befehl &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;pictures&apos; takes import or export, then a folder.</source>
        <translation>&apos;pictures&apos; nimmt import oder export, dann einen Ordner.</translation>
    </message>
    <message>
        <source>--pdf, --ids, --repair, --from and --preset do not belong to &apos;pictures&apos;.</source>
        <translation>--pdf, --ids, --repair, --from und --preset gehören nicht zu &apos;pictures&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a report name.</source>
        <translation>&apos;%1&apos; nimmt einen Berichtsnamen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one file name.</source>
        <translation>&apos;%1&apos; nimmt einen Dateinamen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no file name.</source>
        <translation>&apos;%1&apos; nimmt keinen Dateinamen.</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs --pdf FILE.</source>
        <translation>&apos;report&apos; braucht --pdf DATEI.</translation>
    </message>
    <message>
        <source>--pdf and --ids belong to &apos;report&apos;.</source>
        <translation>--pdf und --ids gehören zu &apos;report&apos;.</translation>
    </message>
    <message>
        <source>--repair belongs to &apos;check&apos;.</source>
        <translation>--repair gehört zu &apos;check&apos;.</translation>
    </message>
</context>
<context>
    <name>app::Commands</name>
    <message>
        <source>Exporting %1</source>
        <translation>%1 wird exportiert</translation>
    </message>
    <message>
        <source>%1 movies exported to %2.</source>
        <translation>%1 Filme nach %2 exportiert.</translation>
    </message>
    <message>
        <source>%1 pictures written to %2.</source>
        <translation>%1 Bilder nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>Not exported, because their media, rating or storage location no longer exists: %1 (tallowmere check --repair mends that).</source>
        <translation>Nicht exportiert, weil ihr Medium, ihre Altersfreigabe oder ihr Standort nicht mehr existiert: %1 (tallowmere check --repair behebt das).</translation>
    </message>
    <message>
        <source>Movies with text the file cannot hold as it stands: %1.</source>
        <translation>Filme mit Text, den die Datei so nicht aufnehmen kann: %1.</translation>
    </message>
    <message>
        <source>%1 is not a movie file: its first line is not the header of one.</source>
        <translation>%1 ist keine Filmdatei: Ihre erste Zeile ist nicht die Kopfzeile einer solchen.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%1 Filme importiert.</translation>
    </message>
    <message>
        <source>%1 pictures imported.</source>
        <translation>%1 Bilder importiert.</translation>
    </message>
    <message>
        <source>Picture not imported: %1</source>
        <translation>Bild nicht importiert: %1</translation>
    </message>
    <message>
        <source>Picture that names no movie of the file: %1</source>
        <translation>Bild, das keinen Film der Datei nennt: %1</translation>
    </message>
    <message>
        <source>Lines skipped because they are too short to hold a movie: %1.</source>
        <translation>Übersprungene Zeilen, weil sie zu kurz für einen Film sind: %1.</translation>
    </message>
    <message>
        <source>%1:%2: %3; not imported.</source>
        <translation>%1:%2: %3; nicht importiert.</translation>
    </message>
    <message>
        <source>Other lines not imported: %1.</source>
        <translation>Weitere nicht importierte Zeilen: %1.</translation>
    </message>
    <message>
        <source>Lines read as Windows-1252 because they are not UTF-8: %1.</source>
        <translation>Als Windows-1252 gelesene Zeilen, weil sie kein UTF-8 sind: %1.</translation>
    </message>
    <message>
        <source>%1:%2: %3 Nothing of that line or the lines after it was imported.</source>
        <translation>%1:%2: %3 Nichts aus dieser Zeile oder den folgenden wurde importiert.</translation>
    </message>
    <message>
        <source>%1 backed up to %2.</source>
        <translation>%1 nach %2 gesichert.</translation>
    </message>
    <message>
        <source>Catalogue %1: %2</source>
        <translation>Katalog %1: %2</translation>
    </message>
    <message>
        <source>File check: %1</source>
        <translation>Dateiprüfung: %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>in Ordnung</translation>
    </message>
    <message>
        <source>Indexes rebuilt. File check: %1</source>
        <translation>Indizes neu aufgebaut. Dateiprüfung: %1</translation>
    </message>
    <message>
        <source>Movies: %1</source>
        <translation>Filme: %1</translation>
    </message>
    <message>
        <source>Media, ratings and locations that name nothing: %1</source>
        <translation>Medien, Altersfreigaben und Standorte, die auf nichts verweisen: %1</translation>
    </message>
    <message>
        <source>Cast and genre links of movies that are gone: %1</source>
        <translation>Darsteller- und Genre-Verknüpfungen gelöschter Filme: %1</translation>
    </message>
    <message>
        <source>Pictures of movies that are gone: %1</source>
        <translation>Bilder gelöschter Filme: %1</translation>
    </message>
    <message>
        <source>%1 problems repaired.</source>
        <translation>%1 Probleme behoben.</translation>
    </message>
    <message>
        <source>tallowmere check --repair mends them.</source>
        <translation>tallowmere check --repair behebt sie.</translation>
    </message>
    <message>
        <source>The file is damaged. Keep it as it is. %1</source>
        <translation>Die Datei ist beschädigt. Lassen Sie sie, wie sie ist. %1</translation>
    </message>
    <message>
        <source>There is no report &apos;%1&apos;. The reports: %2.</source>
        <translation>Es gibt keinen Bericht &apos;%1&apos;. Die Berichte: %2.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; needs --ids: the ids of the ratings or media to list, such as 2,5.</source>
        <translation>Der Bericht &apos;%1&apos; braucht --ids: die IDs der aufzulistenden Altersfreigaben oder Medien, etwa 2,5.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; takes no --ids.</source>
        <translation>Der Bericht &apos;%1&apos; nimmt kein --ids.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; it has been left as it is. Name another file.</source>
        <translation>&apos;%1&apos; ist die Datei des Katalogs selbst; sie wurde nicht verändert. Geben Sie eine andere Datei an.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; could not be made.</source>
        <translation>Der Bericht &apos;%1&apos; konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1: %2 pages written to %3.</source>
        <translation>%1: %2 Seiten nach %3 geschrieben.</translation>
    </message>
</context>
<context>
    <name>app::OpenCatalogue</name>
    <message>
        <source>There is no catalogue &apos;%1&apos; (%2).</source>
        <translation>Es gibt keinen Katalog &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is first to be brought up to date for this version of the program, which needs its folder to be written: %2</source>
        <translation>Der Katalog &apos;%1&apos; muss zuerst für diese Version des Programms aktualisiert werden, wozu in seinen Ordner geschrieben werden muss: %2</translation>
    </message>
</context>
<context>
    <name>app::PeerCommands</name>
    <message>
        <source>Columns: %1.</source>
        <translation>Spalten: %1.</translation>
    </message>
    <message>
        <source>The file is read as Windows-1252: it is not UTF-8.</source>
        <translation>Die Datei wird als Windows-1252 gelesen: Sie ist kein UTF-8.</translation>
    </message>
    <message>
        <source>--from belongs to &apos;import&apos;.</source>
        <translation>--from gehört zu &apos;import&apos;.</translation>
    </message>
    <message>
        <source>--from takes tellico, gcstar or csv.</source>
        <translation>--from nimmt tellico, gcstar oder csv.</translation>
    </message>
    <message>
        <source>--preset belongs to &apos;import --from csv&apos;.</source>
        <translation>--preset gehört zu &apos;import --from csv&apos;.</translation>
    </message>
    <message>
        <source>--preset takes %1.</source>
        <translation>--preset nimmt %1.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Movies to add: %1. Movies to update (a movie of the same title is in the catalogue): %2.</source>
        <translation>Hinzuzufügende Filme: %1. Zu aktualisierende Filme (ein Film mit gleichem Titel ist im Katalog): %2.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%1 Filme importiert.</translation>
    </message>
    <message>
        <source>%1 pictures imported.</source>
        <translation>%1 Bilder importiert.</translation>
    </message>
    <message>
        <source>Picture not imported: %1</source>
        <translation>Bild nicht importiert: %1</translation>
    </message>
    <message>
        <source>Picture whose movie is not in the catalogue: %1</source>
        <translation>Bild, dessen Film nicht im Katalog ist: %1</translation>
    </message>
    <message>
        <source>%1:%2: %3; not imported.</source>
        <translation>%1:%2: %3; nicht importiert.</translation>
    </message>
    <message>
        <source>Other movies not imported: %1.</source>
        <translation>Weitere nicht importierte Filme: %1.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing of that movie or those after it was imported.</source>
        <translation>%1: %2 Nichts von diesem Film oder den folgenden wurde importiert.</translation>
    </message>
    <message>
        <source>%1 movies published to %2.</source>
        <translation>%1 Filme nach %2 veröffentlicht.</translation>
    </message>
</context>
<context>
    <name>app::PictureCommands</name>
    <message>
        <source>Backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>%1 pictures stored from %2.</source>
        <translation>%1 Bilder aus %2 gespeichert.</translation>
    </message>
    <message>
        <source>Matched: %1</source>
        <translation>Zugeordnet: %1</translation>
    </message>
    <message>
        <source>Not matched to a label number or title: %1</source>
        <translation>Keiner Etikettnummer und keinem Titel zugeordnet: %1</translation>
    </message>
    <message>
        <source>Not stored: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 pictures written to %2.</source>
        <translation>%1 Bilder nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>Not written, because another movie has the same label number and title: %1</source>
        <translation>Nicht geschrieben, weil ein anderer Film dieselbe Etikettnummer und denselben Titel hat: %1</translation>
    </message>
</context>
<context>
    <name>app::ReportIds</name>
    <message>
        <source>These ids name no rating: %1. The rating ids: %2.</source>
        <translation>Diese IDs nennen keine Altersfreigabe: %1. Die IDs der Altersfreigaben: %2.</translation>
    </message>
    <message>
        <source>These ids name no media: %1. The media ids: %2.</source>
        <translation>Diese IDs nennen kein Medium: %1. Die IDs der Medien: %2.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>app::Startup</name>
    <message>
        <source>%1 could not start: the step &quot;%2&quot; failed.

%3</source>
        <translation>%1 konnte nicht starten: Der Schritt &quot;%2&quot; ist fehlgeschlagen.

%3</translation>
    </message>
    <message>
        <source>%1 needs the SQLite driver of Qt 6, which is not installed.  On Debian it is the package libqt6sql6-sqlite.</source>
        <translation>%1 benötigt den SQLite-Treiber von Qt 6, der nicht installiert ist.  Unter Debian ist das das Paket libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>%1 cannot write to its catalogue folder &apos;%2&apos;.</source>
        <translation>%1 kann nicht in seinen Katalogordner &apos;%2&apos; schreiben.</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Wird gestartet</translation>
    </message>
    <message>
        <source>Open database</source>
        <translation>Datenbank öffnen</translation>
    </message>
    <message>
        <source>Update database</source>
        <translation>Datenbank aktualisieren</translation>
    </message>
    <message>
        <source>Loading movies</source>
        <translation>Filme werden geladen</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisierung</translation>
    </message>
</context>
<context>
    <name>db::Backup</name>
    <message>
        <source>&apos;%1&apos; could not be opened: %2</source>
        <translation>&apos;%1&apos; konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; a backup does not replace it. Name a file.</source>
        <translation>&apos;%1&apos; ist eine Verknüpfung; eine Sicherung ersetzt sie nicht. Geben Sie eine Datei an.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file; a backup does not replace it. Name a file.</source>
        <translation>&apos;%1&apos; ist keine Datei; eine Sicherung ersetzt es nicht. Geben Sie eine Datei an.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; a backup cannot replace it. Name another file.</source>
        <translation>&apos;%1&apos; ist die Datei des Katalogs selbst; eine Sicherung kann sie nicht ersetzen. Geben Sie eine andere Datei an.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>&apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be written: %2</source>
        <translation>Die Sicherung &apos;%1&apos; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be written.</source>
        <translation>Die Sicherung &apos;%1&apos; konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be made.</source>
        <translation>Der Sicherungsordner &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>db::CaseKeys</name>
    <message>
        <source>Preparing the catalogue for searching…</source>
        <translation>Der Katalog wird für die Suche vorbereitet …</translation>
    </message>
</context>
<context>
    <name>db::Catalogue</name>
    <message>
        <source>&apos;%1&apos; is not a movie catalogue. It has been left as it is.</source>
        <translation>&apos;%1&apos; ist kein Filmkatalog. Die Datei wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). It has been left as it is.

Put back a backup copy of it (the newest are kept in &apos;%3&apos;), or save what can still be read with the sqlite3 tool:

sqlite3 &apos;%1&apos; .recover | sqlite3 &apos;%4&apos;

and then open the catalogue %5.</source>
        <translation>Der Katalog &apos;%1&apos; ist beschädigt (%2). Er wurde unverändert gelassen.

Spielen Sie eine Sicherungskopie davon zurück (die neuesten liegen in &apos;%3&apos;), oder retten Sie mit dem Werkzeug sqlite3, was sich noch lesen lässt:

sqlite3 &apos;%1&apos; .recover | sqlite3 &apos;%4&apos;

und öffnen Sie dann den Katalog %5.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is open in another copy of the program (process %2 on %3).  Close it there first.</source>
        <translation>Der Katalog &apos;%1&apos; ist in einer anderen Instanz des Programms geöffnet (Prozess %2 auf %3).  Schließen Sie ihn zuerst dort.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be locked for this program: &apos;%2&apos; cannot be written.</source>
        <translation>Der Katalog &apos;%1&apos; konnte für dieses Programm nicht gesperrt werden: &apos;%2&apos; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>There is no catalogue &apos;%1&apos; (%2).</source>
        <translation>Es gibt keinen Katalog &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>Es ist kein Katalog geöffnet.</translation>
    </message>
</context>
<context>
    <name>db::Connection</name>
    <message>
        <source>

The catalogue file is damaged. Put back a backup copy of it, or save what can still be read with the sqlite3 tool&apos;s .recover command.</source>
        <translation>

Die Katalogdatei ist beschädigt. Spielen Sie eine Sicherungskopie davon zurück, oder retten Sie mit dem Befehl .recover des Werkzeugs sqlite3, was sich noch lesen lässt.</translation>
    </message>
</context>
<context>
    <name>db::DuplicateMovies</name>
    <message>
        <source>A movie cannot be merged into itself.</source>
        <translation>Ein Film kann nicht mit sich selbst zusammengeführt werden.</translation>
    </message>
    <message>
        <source>One of the two movies no longer exists.</source>
        <translation>Einer der beiden Filme existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>db::EngineWords</name>
    <message>
        <source>The disk is full or cannot be written: the catalogue, or a temporary file that sorting needs, could not be read or written. Make room on the disk (and in the temporary folder), then try again.</source>
        <translation>Der Datenträger ist voll oder kann nicht beschrieben werden: Der Katalog oder eine temporäre Datei, die das Sortieren braucht, konnte nicht gelesen oder geschrieben werden. Schaffen Sie Platz auf dem Datenträger (und im temporären Ordner) und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The catalogue cannot be written: its file or its folder may be written only by another user, or is on a read-only disk.</source>
        <translation>Der Katalog kann nicht geschrieben werden: Seine Datei oder sein Ordner darf nur von einem anderen Benutzer geschrieben werden oder liegt auf einem schreibgeschützten Datenträger.</translation>
    </message>
    <message>
        <source>The catalogue, or a temporary file beside it, could not be opened: its folder may be missing or may not be writable.</source>
        <translation>Der Katalog oder eine temporäre Datei daneben konnte nicht geöffnet werden: Sein Ordner fehlt vielleicht oder ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The catalogue is busy: another program has been writing it for a while. Try again when it is done.</source>
        <translation>Der Katalog ist belegt: Ein anderes Programm schreibt schon eine Weile darin. Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>There is not enough memory left to finish this.</source>
        <translation>Es ist nicht mehr genug Arbeitsspeicher frei, um dies abzuschließen.</translation>
    </message>
</context>
<context>
    <name>db::FileCheck</name>
    <message>
        <source>&apos;%1&apos; could not be checked: %2</source>
        <translation>&apos;%1&apos; konnte nicht geprüft werden: %2</translation>
    </message>
</context>
<context>
    <name>db::ListEntryUse</name>
    <message>
        <source>Select the entries to merge into the one that stays.</source>
        <translation>Wählen Sie die Einträge, die in dem verbleibenden aufgehen sollen.</translation>
    </message>
    <message>
        <source>An entry cannot be merged into itself.</source>
        <translation>Ein Eintrag kann nicht mit sich selbst zusammengeführt werden.</translation>
    </message>
    <message>
        <source>The entry to keep no longer exists.</source>
        <translation>Der zu behaltende Eintrag existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>db::MoviePictures</name>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then add the picture again.</source>
        <translation>Dieser Katalog hat noch keinen Platz für Bilder.  Öffnen Sie ihn noch einmal, um ihn zu aktualisieren, und fügen Sie das Bild dann erneut hinzu.</translation>
    </message>
    <message>
        <source>The picture is empty; nothing was stored.</source>
        <translation>Das Bild ist leer; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>This movie is no longer in the catalogue: another window or program has deleted it. The picture was not stored.</source>
        <translation>Dieser Film ist nicht mehr im Katalog: Ein anderes Fenster oder Programm hat ihn gelöscht. Das Bild wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>db::Movies</name>
    <message>
        <source>This movie is no longer in the catalogue: another window or program has deleted it. Your changes to it were not saved.</source>
        <translation>Dieser Film ist nicht mehr im Katalog: Ein anderes Fenster oder Programm hat ihn gelöscht. Ihre Änderungen daran wurden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>db::ReadOnlyOpening</name>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>db::Repair</name>
    <message>
        <source>Check database</source>
        <translation>Datenbank prüfen</translation>
    </message>
</context>
<context>
    <name>db::Schema</name>
    <message>
        <source>The catalogue &apos;%1&apos; exists already.</source>
        <translation>Der Katalog &apos;%1&apos; existiert bereits.</translation>
    </message>
    <message>
        <source>The new catalogue could not be moved to &apos;%1&apos;.</source>
        <translation>Der neue Katalog konnte nicht nach &apos;%1&apos; verschoben werden.</translation>
    </message>
</context>
<context>
    <name>db::StartOver</name>
    <message>
        <source>&apos;%1&apos; could not be deleted: %2</source>
        <translation>&apos;%1&apos; konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>The catalogue could not be reset.

%1</source>
        <translation>Der Katalog konnte nicht zurückgesetzt werden.

%1</translation>
    </message>
    <message>
        <source>

It could not be opened again either: %1</source>
        <translation>

Er konnte auch nicht wieder geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>db::UnicodeCase</name>
    <message>
        <source>The catalogue connection has no SQLite handle.</source>
        <translation>Die Verbindung zum Katalog hat kein SQLite-Handle.</translation>
    </message>
</context>
<context>
    <name>db::Upgrade</name>
    <message>
        <source>The catalogue could not be upgraded to version %1; it is left as it was.
%2</source>
        <translation>Der Katalog konnte nicht auf Version %1 aktualisiert werden; er bleibt, wie er war.
%2</translation>
    </message>
</context>
<context>
    <name>io::CoverPicture</name>
    <message>
        <source>There is no picture to store.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The picture could not be stored as %1.</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is empty: it holds no picture.</source>
        <translation>&apos;%1&apos; ist leer: Die Datei enthält kein Bild.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large (%2 MB): a cover picture may be at most %3 MB.</source>
        <translation>&apos;%1&apos; ist zu groß (%2 MB): Ein Coverbild darf höchstens %3 MB groß sein.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a picture: it is no image file this program can read (JPEG, PNG, GIF, BMP and the like).</source>
        <translation>&apos;%1&apos; ist kein Bild: Es ist keine Bilddatei, die dieses Programm lesen kann (JPEG, PNG, GIF, BMP und ähnliche).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; claims to be %2 × %3 pixels, far more than any picture needs; it was not read.</source>
        <translation>&apos;%1&apos; gibt an, %2 × %3 Pixel groß zu sein, weit mehr als irgendein Bild braucht; die Datei wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an incomplete JPEG picture: the file ends before the picture does.</source>
        <translation>&apos;%1&apos; ist ein unvollständiges JPEG-Bild: Die Datei endet vor dem Bild.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read as a picture: %2.</source>
        <translation>&apos;%1&apos; konnte nicht als Bild gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>&apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a picture.</source>
        <translation>&apos;%1&apos; ist ein Ordner, kein Bild.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2.</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>io::CsvMapping</name>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>A line of the notes</source>
        <translation>Eine Zeile der Notizen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Rating (certification)</source>
        <translation>Altersfreigabe (Einstufung)</translation>
    </message>
    <message>
        <source>Director(s)</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Producer(s)</source>
        <translation>Produzent(en)</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Stars (out of 5)</source>
        <translation>Sterne (von 5)</translation>
    </message>
    <message>
        <source>Stars (out of 10, halved)</source>
        <translation>Sterne (von 10, halbiert)</translation>
    </message>
    <message>
        <source>Storage location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>Etikett-Nr.</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Erworben am</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Verliehen an</translation>
    </message>
    <message>
        <source>Lent on</source>
        <translation>Verliehen am</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>io::CsvTable</name>
    <message>
        <source>The file is not a CSV file: it is a zip archive.</source>
        <translation>Die Datei ist keine CSV-Datei: Sie ist ein Zip-Archiv.</translation>
    </message>
    <message>
        <source>The file is not a CSV file: it is an XML document.</source>
        <translation>Die Datei ist keine CSV-Datei: Sie ist ein XML-Dokument.</translation>
    </message>
    <message>
        <source>The file is not a CSV file: it holds binary data.</source>
        <translation>Die Datei ist keine CSV-Datei: Sie enthält Binärdaten.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
</context>
<context>
    <name>io::Destination</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a pipe that nothing reads from; nothing has been written.</source>
        <translation>&apos;%1&apos; ist eine Pipe, aus der nichts liest; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be opened for writing: %2.</source>
        <translation>&apos;%1&apos; konnte nicht zum Schreiben geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was being opened; nothing has been written.</source>
        <translation>&apos;%1&apos; hat sich beim Öffnen verändert; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file.</source>
        <translation>&apos;%1&apos; ist %2, keine Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; it has been left as it is. Name another file.</source>
        <translation>&apos;%1&apos; ist die Datei des Katalogs selbst; sie wurde unverändert gelassen. Geben Sie eine andere Datei an.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file; it has been left as it is.</source>
        <translation>&apos;%1&apos; ist %2, keine Datei; es wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2.</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2.</source>
        <translation>&apos;%1&apos; konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>io::ExportMovies</name>
    <message>
        <source>&apos;%1&apos; has been left as it was.</source>
        <translation>&apos;%1&apos; wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has not been created.</source>
        <translation>&apos;%1&apos; wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>Cannot write to file.  Make sure it is not opened by another application.

%1</source>
        <translation>In die Datei kann nicht geschrieben werden.  Stellen Sie sicher, dass sie nicht von einer anderen Anwendung geöffnet ist.

%1</translation>
    </message>
    <message>
        <source>The movies could not be written to &apos;%1&apos;.

%2

%3</source>
        <translation>Die Filme konnten nicht in &apos;%1&apos; geschrieben werden.

%2

%3</translation>
    </message>
</context>
<context>
    <name>io::FileDigest</name>
    <message>
        <source>&apos;%1&apos; could not be read.

%2</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden.

%2</translation>
    </message>
</context>
<context>
    <name>io::GcstarReader</name>
    <message>
        <source>The file is not a GCstar collection: it is no XML.</source>
        <translation>Die Datei ist keine GCstar-Sammlung: Sie ist kein XML.</translation>
    </message>
    <message>
        <source>The file is not a GCstar collection: it holds no XML.</source>
        <translation>Die Datei ist keine GCstar-Sammlung: Sie enthält kein XML.</translation>
    </message>
    <message>
        <source>The file is not a GCstar collection: its XML is a &apos;%1&apos; document.</source>
        <translation>Die Datei ist keine GCstar-Sammlung: Ihr XML ist ein &apos;%1&apos;-Dokument.</translation>
    </message>
    <message>
        <source>The GCstar file holds a collection of the kind &apos;%1&apos;, not of movies (GCfilms).</source>
        <translation>Die GCstar-Datei enthält eine Sammlung der Art &apos;%1&apos;, keine Filmsammlung (GCfilms).</translation>
    </message>
</context>
<context>
    <name>io::ImportMovies</name>
    <message>
        <source>it is longer than any movie line</source>
        <translation>Sie ist länger als jede Filmzeile</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>Sie ist leer</translation>
    </message>
    <message>
        <source>it is too short to hold a movie</source>
        <translation>Sie ist zu kurz für einen Film</translation>
    </message>
    <message>
        <source>

Lines skipped because they are too short to hold a movie: %1.</source>
        <translation>

Übersprungene Zeilen, weil sie zu kurz für einen Film sind: %1.</translation>
    </message>
    <message>
        <source>

Lines not imported: %1.</source>
        <translation>

Nicht importierte Zeilen: %1.</translation>
    </message>
    <message>
        <source>
Line %1: %2.</source>
        <translation>
Zeile %1: %2.</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>

Lines read as Windows-1252 because they are not UTF-8: %1.</source>
        <translation>

Als Windows-1252 gelesene Zeilen, weil sie kein UTF-8 sind: %1.</translation>
    </message>
    <message>
        <source>

Pictures imported: %1.</source>
        <translation>

Importierte Bilder: %1.</translation>
    </message>
    <message>
        <source>

Pictures that name no movie of the file: %1.</source>
        <translation>

Bilder, die keinen Film der Datei benennen: %1.</translation>
    </message>
    <message>
        <source>

Pictures not imported: %1.</source>
        <translation>

Nicht importierte Bilder: %1.</translation>
    </message>
</context>
<context>
    <name>io::ImportedLine</name>
    <message>
        <source>a name in %1 is longer than %2 characters</source>
        <translation>Ein Name in %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>Das Feld %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the Cost %1 is more than the catalogue can hold (at most 922,337,203,685,477.5807)</source>
        <translation>Der Preis %1 ist höher, als der Katalog fassen kann (höchstens 922.337.203.685.477,5807)</translation>
    </message>
</context>
<context>
    <name>io::MovieFileFormat</name>
    <message>
        <source>it holds NUL characters</source>
        <translation>Sie enthält NUL-Zeichen</translation>
    </message>
    <message>
        <source>it has no commas</source>
        <translation>Sie enthält keine Kommas</translation>
    </message>
    <message>
        <source>a double quote in it is not closed</source>
        <translation>Ein doppeltes Anführungszeichen darin ist nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>io::MovieFileLines</name>
    <message>
        <source>&apos;%1&apos; could not be read.

%2</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden.

%2</translation>
    </message>
</context>
<context>
    <name>io::PeerCovers</name>
    <message>
        <source>only a picture beside the collection is read, not &apos;%1&apos;.</source>
        <translation>Nur ein Bild neben der Sammlung wird gelesen, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; leads out of the collection&apos;s folder.</source>
        <translation>Der Name &apos;%1&apos; führt aus dem Ordner der Sammlung hinaus.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then try again.</source>
        <translation>Dieser Katalog hat noch keinen Platz für Bilder.  Öffnen Sie ihn noch einmal, um ihn zu aktualisieren, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>the file holds no picture of that name.</source>
        <translation>Die Datei enthält kein Bild dieses Namens.</translation>
    </message>
</context>
<context>
    <name>io::PeerFile</name>
    <message>
        <source>KDE collection manager</source>
        <translation>KDE-Sammlungsverwaltung</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>&apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MB, more than any collection needs: it is not read.</source>
        <translation>&apos;%1&apos; ist größer als %2 MB, mehr als irgendeine Sammlung braucht: Die Datei wird nicht gelesen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>io::PeerMovie</name>
    <message>
        <source>a name in %1 is longer than %2 characters</source>
        <translation>Ein Name in %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the end of the comments</source>
        <translation>das Ende der Kommentare</translation>
    </message>
    <message>
        <source>it has no title</source>
        <translation>Der Titel fehlt</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>Zeile %1 (%2): %3</translation>
    </message>
    <message>
        <source>

Fields that did not fit into the notes (at most %1 characters), so they are left out: %2, in %3 movies.</source>
        <translation>

Felder, die nicht in die Notizen passten (höchstens %1 Zeichen) und daher weggelassen wurden: %2, in %3 Filmen.</translation>
    </message>
    <message>
        <source>
... and %1 more movies.</source>
        <translation>
... und %1 weitere Filme.</translation>
    </message>
</context>
<context>
    <name>io::PeerXml</name>
    <message>
        <source>The file declares the external entity &apos;%1&apos;, which would read another file. Such files are not read.</source>
        <translation>Die Datei deklariert die externe Entität &apos;%1&apos;, die eine andere Datei lesen würde. Solche Dateien werden nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 (line %2, column %3).</source>
        <translation>Die Datei ist kein wohlgeformtes XML: %1 (Zeile %2, Spalte %3).</translation>
    </message>
    <message>
        <source>The file ends in the middle of its XML (line %1): it is cut short.</source>
        <translation>Die Datei endet mitten in ihrem XML (Zeile %1): Sie ist abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>io::PictureFolder</name>
    <message>
        <source>The picture &apos;%1&apos; could not be written: %2.</source>
        <translation>Das Bild &apos;%1&apos; konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be made.</source>
        <translation>Der Ordner &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then try again.</source>
        <translation>Dieser Katalog hat noch keinen Platz für Bilder.  Öffnen Sie ihn noch einmal, um ihn zu aktualisieren, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; does not exist.</source>
        <translation>Der Ordner &apos;%1&apos; existiert nicht.</translation>
    </message>
</context>
<context>
    <name>io::PublishSite</name>
    <message>
        <source>The program&apos;s page template &apos;%1&apos; is missing.</source>
        <translation>Die Seitenvorlage &apos;%1&apos; des Programms fehlt.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be made.</source>
        <translation>Der Ordner &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The web page could not be written to &apos;%1&apos;.

%2</source>
        <translation>Die Webseite konnte nicht nach &apos;%1&apos; geschrieben werden.

%2</translation>
    </message>
</context>
<context>
    <name>io::PublishedPage</name>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as a web page names it: de, fr, es</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Movie catalogue</source>
        <translation>Filmkatalog</translation>
    </message>
    <message>
        <source>The list of movies needs JavaScript.</source>
        <translation>Die Filmliste braucht JavaScript.</translation>
    </message>
    <message>
        <source>Published on %1</source>
        <comment>%1 is the day, as 2026-12-07</comment>
        <translation>Veröffentlicht am %1</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Words of a title, a name, a genre, the notes</source>
        <translation>Wörter aus Titel, Namen, Genres oder Notizen</translation>
    </message>
    <message>
        <source>%1 movies</source>
        <translation>%1 Filme</translation>
    </message>
    <message>
        <source>%1 of %2 movies</source>
        <comment>The movies the filter lets through, of all</comment>
        <translation>%1 von %2 Filmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cover of %1</source>
        <comment>%1 is the title</comment>
        <translation>Coverbild von %1</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>Etikett-Nr.</translation>
    </message>
    <message>
        <source>Movie #</source>
        <translation>Film-Nr.</translation>
    </message>
    <message>
        <source>Storage location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Produzent</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Erworben am</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Verliehen an</translation>
    </message>
    <message>
        <source>Lent on</source>
        <translation>Verliehen am</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>io::TellicoReader</name>
    <message>
        <source>The file is not a collection of the KDE collection manager: it is no XML.</source>
        <translation>Die Datei ist keine Sammlung der KDE-Sammlungsverwaltung: Sie ist kein XML.</translation>
    </message>
    <message>
        <source>The file is not a collection of the KDE collection manager: it holds no XML.</source>
        <translation>Die Datei ist keine Sammlung der KDE-Sammlungsverwaltung: Sie enthält kein XML.</translation>
    </message>
    <message>
        <source>The file is not a collection of the KDE collection manager: its XML is a &apos;%1&apos; document.</source>
        <translation>Die Datei ist keine Sammlung der KDE-Sammlungsverwaltung: Ihr XML ist ein &apos;%1&apos;-Dokument.</translation>
    </message>
    <message>
        <source>The file holds no video collection, only collections of other kinds (type %1).</source>
        <translation>Die Datei enthält keine Videosammlung, nur Sammlungen anderer Art (Typ %1).</translation>
    </message>
</context>
<context>
    <name>io::ZipArchive</name>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>Das Archiv kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is cut short or damaged.</source>
        <translation>Es ist abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <source>it would unpack to more than %1 MB, which no collection needs. It may be made to fill the memory (a zip bomb).</source>
        <translation>Es würde auf mehr als %1 MB entpackt, was keine Sammlung braucht. Es könnte dazu gemacht sein, den Speicher zu füllen (eine Zip-Bombe).</translation>
    </message>
    <message>
        <source>the unpacker could not start.</source>
        <translation>Das Entpacken konnte nicht beginnen.</translation>
    </message>
    <message>
        <source>its packed data is damaged.</source>
        <translation>Seine gepackten Daten sind beschädigt.</translation>
    </message>
    <message>
        <source>its packed data is cut short.</source>
        <translation>Seine gepackten Daten sind abgeschnitten.</translation>
    </message>
    <message>
        <source>it is no zip archive, or a damaged one.</source>
        <translation>Es ist kein Zip-Archiv oder ein beschädigtes.</translation>
    </message>
    <message>
        <source>its table of contents is damaged.</source>
        <translation>Sein Inhaltsverzeichnis ist beschädigt.</translation>
    </message>
    <message>
        <source>it holds the path &apos;%1&apos;, which leads out of its folder. Nothing of it is read.</source>
        <translation>Es enthält den Pfad &apos;%1&apos;, der aus seinem Ordner hinausführt. Nichts davon wird gelesen.</translation>
    </message>
    <message>
        <source>it is encrypted.</source>
        <translation>Es ist verschlüsselt.</translation>
    </message>
    <message>
        <source>its entry for &apos;%1&apos; is damaged.</source>
        <translation>Sein Eintrag für &apos;%1&apos; ist beschädigt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is packed in a way this program does not read (method %2).</source>
        <translation>&apos;%1&apos; ist auf eine Weise gepackt, die dieses Programm nicht liest (Methode %2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged (its check sum does not match).</source>
        <translation>&apos;%1&apos; ist beschädigt (die Prüfsumme stimmt nicht).</translation>
    </message>
    <message>
        <source>it holds no &apos;%1&apos;.</source>
        <translation>Es enthält kein &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The archive holds no &apos;%1&apos;.</source>
        <translation>Das Archiv enthält kein &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>report::DetailedReport</name>
    <message>
        <source>Movie Listing (Detailed)</source>
        <translation>Filmliste (detailliert)</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>Keine Filme gefunden.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Anzahl der Filme: %1</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Sterne:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres:</translation>
    </message>
    <message>
        <source>Label #:</source>
        <translation>Etikett-Nr.:</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Acquired:</source>
        <translation>Erworben:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Freigabe:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Lent To:</source>
        <translation>Verliehen an:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Produzent:</translation>
    </message>
    <message>
        <source>Lent Date:</source>
        <translation>Verliehen am:</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>report::DocumentReplay</name>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The PDF file &apos;%1&apos; could not be written: %2.</source>
        <translation>Die PDF-Datei &apos;%1&apos; konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>report::LabelCheckReport</name>
    <message>
        <source>Label Number Check</source>
        <translation>Prüfung der Etikettnummern</translation>
    </message>
    <message>
        <source>Labels on more than one movie: %1</source>
        <translation>Etiketten auf mehr als einem Film: %1</translation>
    </message>
    <message>
        <source>No label is on more than one movie.</source>
        <translation>Kein Etikett ist auf mehr als einem Film.</translation>
    </message>
    <message>
        <source>Gaps in the numbers: %1</source>
        <translation>Lücken in den Nummern: %1</translation>
    </message>
    <message>
        <source>No label numbers are missing.</source>
        <translation>Es fehlen keine Etikettnummern.</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>bis %1</translation>
    </message>
</context>
<context>
    <name>report::ListingReports</name>
    <message>
        <source>Movie Listing by Rating</source>
        <translation>Filmliste nach Altersfreigabe</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Altersfreigabe: %1</translation>
    </message>
    <message>
        <source>Movie Listing by Media</source>
        <translation>Filmliste nach Medium</translation>
    </message>
    <message>
        <source>Media: %1</source>
        <translation>Medium: %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>Etikett-Nr.</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>Keine Filme gefunden.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Anzahl der Filme: %1</translation>
    </message>
    <message>
        <source>Movie Listing</source>
        <translation>Filmliste</translation>
    </message>
    <message>
        <source>Movie Listing by Label #</source>
        <translation>Filmliste nach Etikettnummer</translation>
    </message>
</context>
<context>
    <name>report::PrintingProgress</name>
    <message>
        <source>%1, Page: %2</source>
        <translation>%1, Seite: %2</translation>
    </message>
</context>
<context>
    <name>report::ReportError</name>
    <message>
        <source>Another report is being built.  Wait until it is finished, or cancel it.</source>
        <translation>Ein anderer Bericht wird gerade erstellt.  Warten Sie, bis er fertig ist, oder brechen Sie ihn ab.</translation>
    </message>
</context>
<context>
    <name>report::ReportList</name>
    <message>
        <source>Movie listing</source>
        <translation>Filmliste</translation>
    </message>
    <message>
        <source>Movie listing (by label #)</source>
        <translation>Filmliste (nach Etikettnummer)</translation>
    </message>
    <message>
        <source>Movie listing (by rating)</source>
        <translation>Filmliste (nach Altersfreigabe)</translation>
    </message>
    <message>
        <source>Movie listing (by media)</source>
        <translation>Filmliste (nach Medium)</translation>
    </message>
    <message>
        <source>Movie listing (detailed)</source>
        <translation>Detaillierte Filmliste</translation>
    </message>
    <message>
        <source>Inventory by location</source>
        <translation>Bestand nach Standort</translation>
    </message>
    <message>
        <source>Cost summary</source>
        <translation>Kostenübersicht</translation>
    </message>
    <message>
        <source>Movies lent out</source>
        <translation>Verliehene Filme</translation>
    </message>
</context>
<context>
    <name>report::SpoolWriter</name>
    <message>
        <source>The folder for reports, &apos;%1&apos;, could not be made.</source>
        <translation>Der Ordner für Berichte, &apos;%1&apos;, konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The report could not be written to &apos;%1&apos;: %2.</source>
        <translation>Der Bericht konnte nicht nach &apos;%1&apos; geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The folder for reports, &apos;%1&apos;, has no free file name left.</source>
        <translation>Im Ordner für Berichte, &apos;%1&apos;, ist kein Dateiname mehr frei.</translation>
    </message>
    <message>
        <source>Building Report</source>
        <translation>Bericht wird erstellt</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>report::SummaryReports</name>
    <message>
        <source>Too large to add up</source>
        <translation>Zu groß zum Zusammenzählen</translation>
    </message>
    <message>
        <source>Movie Cost Report</source>
        <translation>Kostenbericht der Filme</translation>
    </message>
    <message>
        <source>Inventory by Location</source>
        <translation>Bestand nach Standort</translation>
    </message>
    <message>
        <source>Movies Lent Out</source>
        <translation>Verliehene Filme</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Erworben</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>Etikett-Nr.</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>No movies found with a cost.</source>
        <translation>Keine Filme mit Preis gefunden.</translation>
    </message>
    <message>
        <source>Movie count (that have a cost): %1</source>
        <translation>Anzahl der Filme (mit Preis): %1</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>Keine Filme gefunden.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Anzahl der Filme: %1</translation>
    </message>
    <message>
        <source>Lent To</source>
        <translation>Verliehen an</translation>
    </message>
    <message>
        <source>Lent Date</source>
        <translation>Verliehen am</translation>
    </message>
    <message>
        <source>Movie count (lent out): %1</source>
        <translation>Anzahl der Filme (verliehen): %1</translation>
    </message>
    <message>
        <source>No movies are lent out.</source>
        <translation>Es sind keine Filme verliehen.</translation>
    </message>
</context>
<context>
    <name>ui::AboutDialog</name>
    <message>
        <source>About Tallowmere Movie Database</source>
        <translation>Über Tallowmere Movie Database</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Movies: 0</source>
        <translation>Filme: 0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Movies on file: </source>
        <translation>Filme im Bestand: </translation>
    </message>
    <message>
        <source>Internet Question</source>
        <translation>Internet-Frage</translation>
    </message>
    <message>
        <source>Load the Tallowmere Software website?</source>
        <translation>Die Website von Tallowmere Software laden?</translation>
    </message>
    <message>
        <source>Could not launch browser.</source>
        <translation>Der Browser konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>ui::BackupFirst</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1

Nothing has been changed.</source>
        <translation>%1

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>

The catalogue as it was before is kept in &apos;%1&apos;.</source>
        <translation>

Der Katalog in seinem vorherigen Zustand ist in &apos;%1&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>Making a backup</source>
        <translation>Sicherung wird angelegt</translation>
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
        <translation>Klicken Sie auf einen Darsteller, um ihn zu entfernen.</translation>
    </message>
</context>
<context>
    <name>ui::CoverGridView</name>
    <message>
        <source>Covers</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Kein Cover</translation>
    </message>
</context>
<context>
    <name>ui::CoverPictureWidget</name>
    <message>
        <source>Cover picture</source>
        <translation>Coverbild</translation>
    </message>
    <message>
        <source>Drop a picture here, paste one (Ctrl+V) or right-click to choose one</source>
        <translation>Ein Bild hierher ziehen, eines einfügen (Strg+V) oder mit Rechtsklick eines auswählen</translation>
    </message>
    <message>
        <source>Choose picture…</source>
        <translation>Bild auswählen …</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Remove picture</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Kein Cover</translation>
    </message>
    <message>
        <source>The dropped picture</source>
        <translation>Das abgelegte Bild</translation>
    </message>
    <message>
        <source>Only a picture on this computer can be taken. Save the picture to a file first, then drop the file here.</source>
        <translation>Nur ein Bild auf diesem Computer kann übernommen werden. Speichern Sie das Bild zuerst in einer Datei und ziehen Sie dann die Datei hierher.</translation>
    </message>
    <message>
        <source>What was given holds no picture.</source>
        <translation>Das Übergebene enthält kein Bild.</translation>
    </message>
</context>
<context>
    <name>ui::CsvMappingDialog</name>
    <message>
        <source>The first lines of the file</source>
        <translation>Die ersten Zeilen der Datei</translation>
    </message>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Spalten der CSV-Datei</translation>
    </message>
    <message>
        <source>(as guessed or kept)</source>
        <translation>(wie erkannt oder beibehalten)</translation>
    </message>
    <message>
        <source>Film site list export</source>
        <translation>Listenexport einer Filmseite</translation>
    </message>
    <message>
        <source>Film diary export</source>
        <translation>Export eines Filmtagebuchs</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>What each column goes into. A column that goes into a line of the notes comes in as &quot;Header: value&quot;.</source>
        <translation>Wohin jede Spalte übernommen wird. Eine Spalte, die in eine Zeile der Notizen geht, kommt als &quot;Kopfzeile: Wert&quot; an.</translation>
    </message>
</context>
<context>
    <name>ui::DesktopCommands</name>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Show all movies (clear the search)</source>
        <translation>Alle Filme anzeigen (Suche aufheben)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Print preview of the movie listing</source>
        <translation>Druckvorschau der Filmliste</translation>
    </message>
</context>
<context>
    <name>ui::DuplicateMoviesDialog</name>
    <message>
        <source>Find Duplicate Movies</source>
        <translation>Doppelte Filme finden</translation>
    </message>
    <message>
        <source>Titles that look &amp;alike, in groups:</source>
        <translation>Ä&amp;hnliche Titel, in Gruppen:</translation>
    </message>
    <message>
        <source>&amp;Show movie</source>
        <translation>Film &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Zusammenführen …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Groups: %1  Movies: %2</source>
        <translation>Gruppen: %1  Filme: %2</translation>
    </message>
    <message>
        <source>No titles look alike.</source>
        <translation>Keine Titel sehen sich ähnlich.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Click on a movie to show.</source>
        <translation>Klicken Sie auf einen Film, um ihn anzuzeigen.</translation>
    </message>
    <message>
        <source>Select the two movies of one group to merge: click one, then hold Ctrl and click the other.</source>
        <translation>Wählen Sie die beiden Filme einer Gruppe zum Zusammenführen: Klicken Sie auf einen, halten Sie dann Strg gedrückt und klicken Sie auf den anderen.</translation>
    </message>
    <message>
        <source>%1  (Movie # %2)</source>
        <translation>%1  (Film-Nr. %2)</translation>
    </message>
    <message>
        <source>Merge movies</source>
        <translation>Filme zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Keep this movie.  It gains the genres and cast of the other, which is then deleted; its own fields stay as they are:</source>
        <translation>Diesen Film &amp;behalten.  Er erhält die Genres und Darsteller des anderen, der dann gelöscht wird; seine eigenen Felder bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>Merge complete</source>
        <translation>Zusammenführung abgeschlossen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; (Movie # %2) is merged into &apos;%3&apos; (Movie # %4).</source>
        <translation>&apos;%1&apos; (Film-Nr. %2) wurde in &apos;%3&apos; (Film-Nr. %4) zusammengeführt.</translation>
    </message>
    <message>
        <source>Looking for titles that look alike…</source>
        <translation>Ähnliche Titel werden gesucht …</translation>
    </message>
    <message>
        <source>Looking for titles that look alike</source>
        <translation>Ähnliche Titel werden gesucht</translation>
    </message>
</context>
<context>
    <name>ui::DuplicateMoviesModel</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Movie #</source>
        <translation>Film-Nr.</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>ui::ErrorReport</name>
    <message>
        <source>The catalogue could not be read or written.

%1</source>
        <translation>Der Katalog konnte nicht gelesen oder geschrieben werden.

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ui::ExportDialog</name>
    <message>
        <source>Export Movies</source>
        <translation>Filme exportieren</translation>
    </message>
    <message>
        <source>%1 movies exported.</source>
        <translation>%L1 Filme exportiert.</translation>
    </message>
    <message>
        <source>

Not exported, because their media, rating or storage location no longer exists: %1. Repair data mends that.</source>
        <translation>

Nicht exportiert, weil ihr Medium, ihre Altersfreigabe oder ihr Standort nicht mehr existiert: %L1. „Daten reparieren“ behebt das.</translation>
    </message>
    <message>
        <source>

The file cannot hold double quotes, nor line breaks outside the notes, and a &quot;|&quot; in the notes reads back as a line break; %1 of the movies had such text.</source>
        <translation>

Die Datei kann keine doppelten Anführungszeichen und keine Zeilenumbrüche außerhalb der Notizen aufnehmen, und ein „|“ in den Notizen wird als Zeilenumbruch zurückgelesen; %L1 der Filme enthielten solchen Text.</translation>
    </message>
    <message>
        <source>The catalogue could not be read, so the export stopped.

%1

%2</source>
        <translation>Der Katalog konnte nicht gelesen werden, daher wurde der Export angehalten.

%1

%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been left as it was.</source>
        <translation>&apos;%1&apos; wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has not been created.</source>
        <translation>&apos;%1&apos; wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>Export your movies to a comma delimited file.</source>
        <translation>Exportieren Sie Ihre Filme in eine kommagetrennte Datei.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Overwrite Warning</source>
        <translation>Warnung: Überschreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Overwrite?</source>
        <translation>&apos;%1&apos; existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>Exporting to %1</source>
        <translation>Export nach %1</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Export abgebrochen</translation>
    </message>
    <message>
        <source>

Their pictures (%1) are in the folder beside the file.</source>
        <translation>

Ihre Bilder (%L1) liegen im Ordner neben der Datei.</translation>
    </message>
</context>
<context>
    <name>ui::FilmSiteDialog</name>
    <message>
        <source>IMDb Settings</source>
        <translation>IMDb-Einstellungen</translation>
    </message>
    <message>
        <source>Select the website that you want to link to whenever you click on the IMDb button.</source>
        <translation>Wählen Sie die Website, die beim Klicken auf die IMDb-Schaltfläche geöffnet werden soll.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::FilmSitePicture</name>
    <message>
        <source>Look it up on the film web site</source>
        <translation>Auf der Film-Website nachschlagen</translation>
    </message>
</context>
<context>
    <name>ui::FilterLine</name>
    <message>
        <source>Filter movies (Ctrl+F)</source>
        <translation>Filme filtern (Strg+F)</translation>
    </message>
    <message>
        <source>Filter movies</source>
        <translation>Filme filtern</translation>
    </message>
</context>
<context>
    <name>ui::GenreSearchDialog</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Enter a genre to search for.</source>
        <translation>Wählen Sie ein Genre, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <source>No movies have the genres you selected.</source>
        <translation>Kein Film hat die ausgewählten Genres.</translation>
    </message>
</context>
<context>
    <name>ui::ImportDialog</name>
    <message>
        <source>Import Movies</source>
        <translation>Filme importieren</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%L1 Filme importiert.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1 movies imported before it stopped.</source>
        <translation>Der Import wurde abgebrochen. %L1 Filme wurden vorher importiert.</translation>
    </message>
    <message>
        <source>The import stopped at line %1 of &apos;%2&apos;:

%3

Movies imported before that line: %4. Nothing of that line or the lines after it was imported.</source>
        <translation>Der Import wurde in Zeile %L1 von &apos;%2&apos; angehalten:

%3

Vor dieser Zeile importierte Filme: %L4. Nichts aus dieser Zeile oder den folgenden wurde importiert.</translation>
    </message>
    <message>
        <source>Import your movies from a comma delimited file.</source>
        <translation>Importieren Sie Ihre Filme aus einer kommagetrennten Datei.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>&apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a movie file.</source>
        <translation>&apos;%1&apos; ist %2, keine Filmdatei.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>This file is not in the correct format.  To see a valid file layout,
examine the file created by the Export Movies option.</source>
        <translation>Diese Datei hat nicht das richtige Format.  Ein gültiges Dateilayout sehen Sie
in der Datei, die „Filme exportieren“ erstellt.</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Import abgebrochen</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has changed since it was previewed. Nothing was imported; import it again to see what it holds now.</source>
        <translation>&apos;%1&apos; hat sich seit der Vorschau geändert. Es wurde nichts importiert; importieren Sie erneut, um zu sehen, was die Datei jetzt enthält.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>%1 wird importiert</translation>
    </message>
</context>
<context>
    <name>ui::ImportPreviewDialog</name>
    <message>
        <source>genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>ratings</source>
        <translation>Altersfreigaben</translation>
    </message>
    <message>
        <source>storage locations</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <source>actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Movies to add: %1
Movies to update (a movie of the same title is in the catalogue): %2</source>
        <translation>Hinzuzufügende Filme: %1
Zu aktualisierende Filme (ein Film gleichen Titels ist im Katalog): %2</translation>
    </message>
    <message>
        <source>New %1: %2</source>
        <translation>Neue %1: %L2</translation>
    </message>
    <message>
        <source>
Lines %1%2.</source>
        <translation>
Zeilen %1%2.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Import Preview</source>
        <translation>Importvorschau</translation>
    </message>
    <message>
        <source>What the import adds and passes over</source>
        <translation>Was der Import hinzufügt und überspringt</translation>
    </message>
</context>
<context>
    <name>ui::KeepChoiceDialog</name>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::ListMerge</name>
    <message>
        <source>Click on the entries to merge, holding Ctrl to add each one after the first.</source>
        <translation>Klicken Sie auf die zusammenzuführenden Einträge; halten Sie ab dem zweiten Strg gedrückt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be merged into itself.  Hold Ctrl and click the entries to merge into it as well.</source>
        <translation>&apos;%1&apos; kann nicht in sich selbst zusammengeführt werden.  Halten Sie Strg gedrückt und klicken Sie auch die Einträge an, die darin aufgehen sollen.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Merge into</source>
        <translation>Zusammenführen in</translation>
    </message>
    <message>
        <source>&amp;Keep this entry.  The movies of the others will use it instead, and the others will be deleted:</source>
        <translation>Diesen Eintrag &amp;behalten.  Die Filme der anderen verwenden stattdessen diesen, und die anderen werden gelöscht:</translation>
    </message>
    <message>
        <source>Merge complete</source>
        <translation>Zusammenführung abgeschlossen</translation>
    </message>
    <message>
        <source>%1 merged into &apos;%2&apos;.  %3 changed.</source>
        <translation>%1 in &apos;%2&apos; zusammengeführt.  %3 geändert.</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>Einträge</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open movie database..</source>
        <translation>Filmdatenbank ö&amp;ffnen ..</translation>
    </message>
    <message>
        <source>&amp;Add Movie</source>
        <translation>Film h&amp;inzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>Film &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Next Movie</source>
        <translation>&amp;Nächster Film</translation>
    </message>
    <message>
        <source>&amp;Previous Movie</source>
        <translation>&amp;Vorheriger Film</translation>
    </message>
    <message>
        <source>Publish as &amp;web page..</source>
        <translation>Als &amp;Webseite veröffentlichen ..</translation>
    </message>
    <message>
        <source>&amp;Printer setup..</source>
        <translation>&amp;Druckereinrichtung ..</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Title search..</source>
        <translation>Nach &amp;Titel suchen ..</translation>
    </message>
    <message>
        <source>&amp;Actor search..</source>
        <translation>Nach &amp;Darsteller suchen ..</translation>
    </message>
    <message>
        <source>&amp;Director search..</source>
        <translation>Nach &amp;Regisseur suchen ..</translation>
    </message>
    <message>
        <source>&amp;Genre search..</source>
        <translation>Nach &amp;Genre suchen ..</translation>
    </message>
    <message>
        <source>&amp;Movie # search..</source>
        <translation>Nach &amp;Filmnummer suchen ..</translation>
    </message>
    <message>
        <source>La&amp;bel # search..</source>
        <translation>Nach &amp;Etikettnummer suchen ..</translation>
    </message>
    <message>
        <source>&amp;Location search..</source>
        <translation>Nach &amp;Standort suchen ..</translation>
    </message>
    <message>
        <source>&amp;Notes search</source>
        <translation>In &amp;Notizen suchen</translation>
    </message>
    <message>
        <source>&amp;Producer search..</source>
        <translation>Nach &amp;Produzent suchen ..</translation>
    </message>
    <message>
        <source>&amp;Clear search</source>
        <translation>Suche &amp;aufheben</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>&amp;Movie listing..</source>
        <translation>&amp;Filmliste ..</translation>
    </message>
    <message>
        <source>Movie listing (by &amp;label #)..</source>
        <translation>Filmliste (nach &amp;Etikettnummer) ..</translation>
    </message>
    <message>
        <source>Movie listing (by &amp;rating)..</source>
        <translation>Filmliste (nach &amp;Altersfreigabe) ..</translation>
    </message>
    <message>
        <source>Movie listing (by medi&amp;a)..</source>
        <translation>Filmliste (nach &amp;Medium) ..</translation>
    </message>
    <message>
        <source>Movie listing (&amp;detailed)..</source>
        <translation>&amp;Detaillierte Filmliste ..</translation>
    </message>
    <message>
        <source>&amp;Inventory by location..</source>
        <translation>&amp;Bestand nach Standort ..</translation>
    </message>
    <message>
        <source>&amp;Cost summary..</source>
        <translation>&amp;Kostenübersicht ..</translation>
    </message>
    <message>
        <source>Movies l&amp;ent out..</source>
        <translation>&amp;Verliehene Filme ..</translation>
    </message>
    <message>
        <source>Set&amp;up</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>&amp;Actors..</source>
        <translation>&amp;Darsteller ..</translation>
    </message>
    <message>
        <source>&amp;Genres (types)..</source>
        <translation>&amp;Genres (Arten) ..</translation>
    </message>
    <message>
        <source>&amp;Media..</source>
        <translation>&amp;Medien ..</translation>
    </message>
    <message>
        <source>&amp;Ratings..</source>
        <translation>&amp;Altersfreigaben ..</translation>
    </message>
    <message>
        <source>&amp;Storage locations..</source>
        <translation>&amp;Standorte ..</translation>
    </message>
    <message>
        <source>&amp;Delete Unused actors..</source>
        <translation>&amp;Unbenutzte Darsteller löschen ..</translation>
    </message>
    <message>
        <source>&amp;IMDb settings..</source>
        <translation>&amp;IMDb-Einstellungen ..</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Export to file..</source>
        <translation>In Datei &amp;exportieren ..</translation>
    </message>
    <message>
        <source>&amp;Import from file..</source>
        <translation>Aus Datei &amp;importieren ..</translation>
    </message>
    <message>
        <source>Import from &amp;another catalogue..</source>
        <translation>Aus &amp;anderem Katalog importieren ..</translation>
    </message>
    <message>
        <source>&amp;Repair data..</source>
        <translation>Daten &amp;reparieren ..</translation>
    </message>
    <message>
        <source>&amp;Check label numbers..</source>
        <translation>Etikettnummern &amp;prüfen ..</translation>
    </message>
    <message>
        <source>&amp;Find duplicate movies..</source>
        <translation>&amp;Doppelte Filme finden ..</translation>
    </message>
    <message>
        <source>&amp;Start over..</source>
        <translation>&amp;Neu beginnen ..</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>&amp;Über ..</translation>
    </message>
    <message>
        <source>Add New Movie</source>
        <translation>Neuen Film hinzufügen</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Film löschen</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>&amp;Cover</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Movies in list: 0</source>
        <translation>Filme in der Liste: 0</translation>
    </message>
    <message>
        <source>You are currently in search mode.  Press CTRL+Q to clear your current search.</source>
        <translation>Sie befinden sich im Suchmodus.  Drücken Sie STRG+Q, um die aktuelle Suche aufzuheben.</translation>
    </message>
    <message>
        <source>Load movies</source>
        <translation>Filme laden</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Suche aufheben</translation>
    </message>
    <message>
        <source>Your search no longer finds any movies.  Clear your search?</source>
        <translation>Ihre Suche findet keine Filme mehr.  Suche aufheben?</translation>
    </message>
    <message>
        <source>Movies on file: %1</source>
        <translation>Filme im Bestand: %L1</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Film löschen</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Altersfreigabe</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>%1 hinzufügen?</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; does not exist.  Add it?</source>
        <translation>%1 &apos;%2&apos; existiert nicht.  Hinzufügen?</translation>
    </message>
    <message>
        <source>%1 must be a number.  &apos;%2&apos; is not one.</source>
        <translation>%1 muss eine Zahl sein.  &apos;%2&apos; ist keine.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The cost &apos;%1&apos; is not an amount of money.  Type an amount of at most 922,337,203,685,477.58.</source>
        <translation>Der Preis &apos;%1&apos; ist kein Geldbetrag.  Geben Sie einen Betrag von höchstens 922.337.203.685.477,58 ein.</translation>
    </message>
    <message>
        <source>Delete Warning</source>
        <translation>Löschwarnung</translation>
    </message>
    <message>
        <source>Delete movie &apos;%1&apos;?</source>
        <translation>Film &apos;%1&apos; löschen?</translation>
    </message>
    <message>
        <source>Exit Tallowmere Movie Database?</source>
        <translation>Tallowmere Movie Database beenden?</translation>
    </message>
    <message>
        <source>Movies on file: 0</source>
        <translation>Filme im Bestand: 0</translation>
    </message>
    <message>
        <source>Open Movie Database</source>
        <translation>Filmdatenbank öffnen</translation>
    </message>
    <message>
        <source>Enter the name of the movie database to open or create.  (Note: &apos;KIB&apos; is the standard database):</source>
        <translation>Geben Sie den Namen der Filmdatenbank ein, die geöffnet oder angelegt werden soll.  (Hinweis: &apos;KIB&apos; ist die Standarddatenbank):</translation>
    </message>
    <message>
        <source>A catalogue name can have at most %1 letters and digits.</source>
        <translation>Ein Katalogname darf höchstens %1 Buchstaben und Ziffern haben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; database opened.</source>
        <translation>Datenbank &apos;%1&apos; geöffnet.</translation>
    </message>
    <message>
        <source>  Click on Add Movie to begin.</source>
        <translation>  Klicken Sie auf „Film hinzufügen“, um zu beginnen.</translation>
    </message>
    <message>
        <source>Movie changed</source>
        <translation>Film geändert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been changed by another program since it was shown here.

Save your changes over that change?

No shows the movie as it is stored now, without your changes; Cancel goes back to your changes.</source>
        <translation>&apos;%1&apos; wurde von einem anderen Programm geändert, seit der Film hier angezeigt wird.

Ihre Änderungen über diese Änderung speichern?

Nein zeigt den Film so, wie er jetzt gespeichert ist, ohne Ihre Änderungen; Abbrechen kehrt zu Ihren Änderungen zurück.</translation>
    </message>
    <message>
        <source>Movies on file: %1 of %2</source>
        <translation>Filme im Bestand: %1 von %2</translation>
    </message>
    <message>
        <source>Work is still going on.  Stop it and exit?</source>
        <translation>Es wird noch gearbeitet.  Anhalten und beenden?</translation>
    </message>
    <message>
        <source>
Nothing was stored.</source>
        <translation>
Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then add the picture again.</source>
        <translation>Dieser Katalog hat noch keinen Platz für Bilder.  Öffnen Sie ihn noch einmal, um ihn zu aktualisieren, und fügen Sie das Bild dann erneut hinzu.</translation>
    </message>
    <message>
        <source>Choose picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.webp)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Coverbild</translation>
    </message>
</context>
<context>
    <name>ui::MaintenanceCommands</name>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Repair database?</source>
        <translation>Datenbank reparieren?</translation>
    </message>
    <message>
        <source>Repair complete</source>
        <translation>Reparatur abgeschlossen</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>%1 problems repaired.</source>
        <translation>%L1 Probleme behoben.</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>Delete all actors that are not currently used?</source>
        <translation>Alle Darsteller löschen, die derzeit nicht verwendet werden?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>%1 actors deleted.</source>
        <translation>%L1 Darsteller gelöscht.</translation>
    </message>
    <message>
        <source>Check database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Deleting unused actors</source>
        <translation>Unbenutzte Darsteller werden gelöscht</translation>
    </message>
</context>
<context>
    <name>ui::MovieFileDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>ui::MovieListModel</name>
    <message>
        <source>Movie #</source>
        <translation>Film-Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>Etikett-Nr.</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
</context>
<context>
    <name>ui::PeerImportCommand</name>
    <message>
        <source>Import from another catalogue</source>
        <translation>Aus anderem Katalog importieren</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file this program can import: it reads collections of the KDE collection manager (.tc), of GCstar (.gcs) and CSV files.</source>
        <translation>&apos;%1&apos; ist keine Datei, die dieses Programm importieren kann: Es liest Sammlungen der KDE-Sammlungsverwaltung (.tc), von GCstar (.gcs) und CSV-Dateien.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1 movies imported before it stopped.</source>
        <translation>Der Import wurde abgebrochen. %L1 Filme wurden vorher importiert.</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%L1 Filme importiert.</translation>
    </message>
    <message>
        <source>

The import stopped: %1 Nothing of that movie or those after it was imported.</source>
        <translation>

Der Import wurde angehalten: %1 Nichts von diesem Film oder den folgenden wurde importiert.</translation>
    </message>
    <message>
        <source>Other catalogues&apos; files (*.tc *.xml *.gcs *.csv *.txt)</source>
        <translation>Dateien anderer Kataloge (*.tc *.xml *.gcs *.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Import abgebrochen</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
</context>
<context>
    <name>ui::PreviewWindow</name>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Als P&amp;DF speichern</translation>
    </message>
    <message>
        <source>&amp;Save report file…</source>
        <translation>Berichtsdatei &amp;speichern …</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Protected</source>
        <translation>Geschützt</translation>
    </message>
    <message>
        <source>This report is password protected.  Please enter password:</source>
        <translation>Dieser Bericht ist kennwortgeschützt.  Bitte geben Sie das Kennwort ein:</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Report files (*.rpt)</source>
        <translation>Berichtsdateien (*.rpt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The report could not be saved as &apos;%1&apos;.

%2</source>
        <translation>Der Bericht konnte nicht als &apos;%1&apos; gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>Printer name:</source>
        <translation>Druckername:</translation>
    </message>
    <message>
        <source># of copies:</source>
        <translation>Anzahl der Kopien:</translation>
    </message>
</context>
<context>
    <name>ui::PrintingWindow</name>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt ...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ui::ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>ui::PublishCommand</name>
    <message>
        <source>Publish as web page</source>
        <translation>Als Webseite veröffentlichen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds a web page already. Replace it?</source>
        <translation>&apos;%1&apos; enthält bereits eine Webseite. Ersetzen?</translation>
    </message>
    <message>
        <source>%1 movies published to &apos;%2&apos;.

Open the page in the web browser?</source>
        <translation>%L1 Filme in &apos;%2&apos; veröffentlicht.

Die Seite im Webbrowser öffnen?</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webseiten (*.html)</translation>
    </message>
    <message>
        <source>Publishing the web page</source>
        <translation>Die Webseite wird veröffentlicht</translation>
    </message>
</context>
<context>
    <name>ui::RecordView</name>
    <message>
        <source>Set &amp;Genres &gt;&gt;</source>
        <translation>&amp;Genres festlegen &gt;&gt;</translation>
    </message>
    <message>
        <source>Add A&amp;ctor</source>
        <translation>Dars&amp;teller hinzufügen</translation>
    </message>
    <message>
        <source>R&amp;emove Actor</source>
        <translation>Darsteller ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Add Movie</source>
        <translation>Film h&amp;inzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>Film &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Änderungen s&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Sterne:</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Altersfreigabe:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Label #:</source>
        <translation>Etikett-Nr.:</translation>
    </message>
    <message>
        <source>Cost ($):</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Produzent:</translation>
    </message>
    <message>
        <source>Date acquired:</source>
        <translation>Erworben am:</translation>
    </message>
    <message>
        <source>Lent To:</source>
        <translation>Verliehen an:</translation>
    </message>
    <message>
        <source>Date lent:</source>
        <translation>Verliehen am:</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>My notes:</source>
        <translation>Meine Notizen:</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Preis</translation>
    </message>
</context>
<context>
    <name>ui::ReportSelectionDialog</name>
    <message>
        <source>Movie List by Rating</source>
        <translation>Filmliste nach Altersfreigabe</translation>
    </message>
    <message>
        <source>Select the ratings to print.  Click &apos;Print Report&apos; when ready or &apos;Cancel&apos; to quit.</source>
        <translation>Wählen Sie die Altersfreigaben zum Drucken aus.  Klicken Sie auf „Bericht drucken“, wenn Sie bereit sind, oder auf „Abbrechen“, um aufzuhören.</translation>
    </message>
    <message>
        <source>Select one or more ratings to print.</source>
        <translation>Wählen Sie eine oder mehrere Altersfreigaben zum Drucken aus.</translation>
    </message>
    <message>
        <source>Movie Listing by Media</source>
        <translation>Filmliste nach Medium</translation>
    </message>
    <message>
        <source>Select the media formats to print.  Click &apos;Print Report&apos; when ready or &apos;Cancel&apos; to quit.</source>
        <translation>Wählen Sie die Medien zum Drucken aus.  Klicken Sie auf „Bericht drucken“, wenn Sie bereit sind, oder auf „Abbrechen“, um aufzuhören.</translation>
    </message>
    <message>
        <source>Select one or more media formats to print.</source>
        <translation>Wählen Sie ein oder mehrere Medien zum Drucken aus.</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>Bericht &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
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
        <translation>Der Bericht auf dem Bildschirm wird gerade gedruckt.  Warten Sie, bis er fertig ist, oder brechen Sie ab.</translation>
    </message>
    <message>
        <source>Another report is being built.  Wait until it is finished, or cancel it.</source>
        <translation>Ein anderer Bericht wird gerade erstellt.  Warten Sie, bis er fertig ist, oder brechen Sie ihn ab.</translation>
    </message>
</context>
<context>
    <name>ui::ReportWriting</name>
    <message>
        <source>Building Report</source>
        <translation>Bericht wird erstellt</translation>
    </message>
</context>
<context>
    <name>ui::SearchDialog</name>
    <message>
        <source>Search Genre</source>
        <translation>Genre suchen</translation>
    </message>
    <message>
        <source>Select the genres that you want to find.</source>
        <translation>Wählen Sie die Genres, die Sie finden möchten.</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Search Title</source>
        <translation>Titel suchen</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Enter the title of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Geben Sie den Titel des gesuchten Films ein.  Verwenden Sie * für eine beliebige Gruppe von Buchstaben und ? für genau einen Buchstaben.</translation>
    </message>
    <message>
        <source>Enter a title to search for.</source>
        <translation>Geben Sie einen Titel ein, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <source>No movies match the title &apos;%1&apos;.</source>
        <translation>Kein Film passt zum Titel &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Search Movie #</source>
        <translation>Filmnummer suchen</translation>
    </message>
    <message>
        <source>Movie #:</source>
        <translation>Film-Nr.:</translation>
    </message>
    <message>
        <source>Enter the # of the movie you want to find.</source>
        <translation>Geben Sie die Nummer des gesuchten Films ein.</translation>
    </message>
    <message>
        <source>Enter a movie # to find.</source>
        <translation>Geben Sie eine Filmnummer ein.</translation>
    </message>
    <message>
        <source>No movies match the # %1.</source>
        <translation>Kein Film hat die Nummer %1.</translation>
    </message>
    <message>
        <source>Search Label Number</source>
        <translation>Etikettnummer suchen</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etikett:</translation>
    </message>
    <message>
        <source>Enter the label number of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Geben Sie die Etikettnummer des gesuchten Films ein.  Verwenden Sie * für eine beliebige Gruppe von Buchstaben und ? für genau einen Buchstaben.</translation>
    </message>
    <message>
        <source>Enter a label number to search.</source>
        <translation>Geben Sie eine Etikettnummer für die Suche ein.</translation>
    </message>
    <message>
        <source>No movies match the label number &apos;%1&apos;.</source>
        <translation>Kein Film passt zur Etikettnummer &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Search Actor</source>
        <translation>Darsteller suchen</translation>
    </message>
    <message>
        <source>Actor:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>Enter the name of an actor to find the movies they appear in.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Geben Sie den Namen eines Darstellers ein, um die Filme zu finden, in denen er mitspielt.  Verwenden Sie * für eine beliebige Gruppe von Buchstaben und ? für genau einen Buchstaben.</translation>
    </message>
    <message>
        <source>Enter an actor to search for.</source>
        <translation>Geben Sie einen Darsteller ein, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <source>No movies have an actor that matches &apos;%1&apos;.</source>
        <translation>Kein Film hat einen Darsteller, der zu &apos;%1&apos; passt.</translation>
    </message>
    <message>
        <source>&amp;Lookup Actor</source>
        <translation>Darsteller &amp;nachschlagen</translation>
    </message>
    <message>
        <source>Search Director</source>
        <translation>Regisseur suchen</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Enter the director of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Geben Sie den Regisseur des gesuchten Films ein.  Verwenden Sie * für eine beliebige Gruppe von Buchstaben und ? für genau einen Buchstaben.</translation>
    </message>
    <message>
        <source>Enter a director to search for.</source>
        <translation>Geben Sie einen Regisseur ein, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <source>No movies match the director &apos;%1&apos;.</source>
        <translation>Kein Film passt zum Regisseur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Search Producer</source>
        <translation>Produzent suchen</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Produzent:</translation>
    </message>
    <message>
        <source>Enter the producer of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Geben Sie den Produzenten des gesuchten Films ein.  Verwenden Sie * für eine beliebige Gruppe von Buchstaben und ? für genau einen Buchstaben.</translation>
    </message>
    <message>
        <source>Enter a producer to search for.</source>
        <translation>Geben Sie einen Produzenten ein, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <source>No movies match the producer &apos;%1&apos;.</source>
        <translation>Kein Film passt zum Produzenten &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Search Location</source>
        <translation>Standort suchen</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Enter the name of the storage location of the movies you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Geben Sie den Standort der gesuchten Filme ein.  Verwenden Sie * für eine beliebige Gruppe von Buchstaben und ? für genau einen Buchstaben.</translation>
    </message>
    <message>
        <source>Enter a location to search for.</source>
        <translation>Geben Sie einen Standort ein, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <source>No movies have a location that matches &apos;%1&apos;.</source>
        <translation>Kein Film hat einen Standort, der zu &apos;%1&apos; passt.</translation>
    </message>
    <message>
        <source>&amp;Lookup Location</source>
        <translation>Standort &amp;nachschlagen</translation>
    </message>
    <message>
        <source>Search Notes</source>
        <translation>Notizen durchsuchen</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Enter any notes you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Geben Sie die Notizen ein, die Sie finden möchten.  Verwenden Sie * für eine beliebige Gruppe von Buchstaben und ? für genau einen Buchstaben.</translation>
    </message>
    <message>
        <source>Enter notes to search for.</source>
        <translation>Geben Sie Notizen ein, nach denen gesucht werden soll.</translation>
    </message>
    <message>
        <source>No movies match the notes &apos;%1&apos;.</source>
        <translation>Kein Film passt zu den Notizen &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>ui::ShortcutsDialog</name>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close: saves the shown movie and asks to exit</source>
        <translation>Schließen: speichert den angezeigten Film und fragt, ob beendet werden soll</translation>
    </message>
    <message>
        <source>Alt+letter</source>
        <translation>Alt+Buchstabe</translation>
    </message>
    <message>
        <source>The menu or button whose caption has that letter underlined</source>
        <translation>Das Menü oder die Schaltfläche, deren Beschriftung diesen Buchstaben unterstrichen hat</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down, Home, End</source>
        <translation>Hoch, Runter, Bild auf, Bild ab, Pos1, Ende</translation>
    </message>
    <message>
        <source>Go to another movie and show it</source>
        <translation>Zu einem anderen Film gehen und ihn anzeigen</translation>
    </message>
    <message>
        <source>A letter</source>
        <translation>Ein Buchstabe</translation>
    </message>
    <message>
        <source>Go to the first title beginning with it</source>
        <translation>Zum ersten Titel gehen, der damit beginnt</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Add Movie</source>
        <translation>Film hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Film löschen</translation>
    </message>
    <message>
        <source>Add a name (in the actor picker: add a new actor)</source>
        <translation>Einen Namen hinzufügen (in der Darstellerauswahl: einen neuen Darsteller hinzufügen)</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Edit the selected name (in the actor picker: select it)</source>
        <translation>Den ausgewählten Namen bearbeiten (in der Darstellerauswahl: ihn auswählen)</translation>
    </message>
    <message>
        <source>Delete the selected name</source>
        <translation>Den ausgewählten Namen löschen</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Die Liste schließen</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>Previous and next page</source>
        <translation>Vorherige und nächste Seite</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>First and last page</source>
        <translation>Erste und letzte Seite</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Links, Rechts, Hoch, Runter</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Die Seite verschieben</translation>
    </message>
    <message>
        <source>Ctrl++, Ctrl+-</source>
        <translation>Strg++, Strg+-</translation>
    </message>
    <message>
        <source>Zoom in and out</source>
        <translation>Vergrößern und verkleinern</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Die Vorschau schließen</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Movie list</source>
        <translation>Filmliste</translation>
    </message>
    <message>
        <source>Setup lists and pickers</source>
        <translation>Listen und Auswahldialoge</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>ui::SplashWindow</name>
    <message>
        <source>Starting</source>
        <translation>Wird gestartet</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>ui::SpoolPrinting</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The report could not be printed on &apos;%1&apos;.  Check that the printer is ready, or choose another one in File &gt; Printer setup.</source>
        <translation>Der Bericht konnte nicht auf &apos;%1&apos; gedruckt werden.  Prüfen Sie, ob der Drucker bereit ist, oder wählen Sie unter Datei &gt; Druckereinrichtung einen anderen.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file; it has been left as it is.</source>
        <translation>&apos;%1&apos; ist %2, keine Datei; es wurde unverändert gelassen.</translation>
    </message>
</context>
<context>
    <name>ui::StartOverDialog</name>
    <message>
        <source>Start over (delete all data and start again)</source>
        <translation>Neu beginnen (alle Daten löschen und von vorn anfangen)</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>0 movies on file</source>
        <translation>0 Filme im Bestand</translation>
    </message>
    <message>
        <source>%1 movies on file</source>
        <translation>%L1 Filme im Bestand</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>You have selected nothing to reset.</source>
        <translation>Sie haben nichts zum Zurücksetzen ausgewählt.</translation>
    </message>
    <message>
        <source>Reset database (delete all movies)?</source>
        <translation>Datenbank zurücksetzen (alle Filme löschen)?</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>System reset.</source>
        <translation>System zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>ui::UserGuide</name>
    <message>
        <source>Tallowmere Movie Database: user guide</source>
        <translation>Tallowmere Movie Database: Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The user guide could not be made from &apos;%1&apos;.</source>
        <translation>Das Benutzerhandbuch konnte nicht aus &apos;%1&apos; erstellt werden.</translation>
    </message>
    <message>
        <source>No browser could open the user guide &apos;%1&apos;.</source>
        <translation>Kein Browser konnte das Benutzerhandbuch &apos;%1&apos; öffnen.</translation>
    </message>
</context>
<context>
    <name>ui::lists::EditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&apos; already exists.  Please enter a unique name to add.</source>
        <translation>&apos; ist bereits vorhanden.  Bitte geben Sie einen eindeutigen Namen ein.</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Merge into…</source>
        <translation>&amp;Zusammenführen in …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Click on an item to edit.</source>
        <translation>Klicken Sie auf einen Eintrag, um ihn zu bearbeiten.</translation>
    </message>
    <message>
        <source>Click on an item to delete.</source>
        <translation>Klicken Sie auf einen Eintrag, um ihn zu löschen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>&apos;%1&apos; löschen?</translation>
    </message>
    <message>
        <source> movies.</source>
        <translation> Filmen verwendet.</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListEntryModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListMember</name>
    <message>
        <source>Ratings</source>
        <translation>Altersfreigaben</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Altersfreigabe</translation>
    </message>
    <message>
        <source>Add Rating</source>
        <translation>Altersfreigabe hinzufügen</translation>
    </message>
    <message>
        <source>Edit Rating</source>
        <translation>Altersfreigabe bearbeiten</translation>
    </message>
    <message>
        <source>Rating &apos;</source>
        <translation>Altersfreigabe &apos;</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Cannot delete this rating.  It is used in </source>
        <translation>Diese Altersfreigabe kann nicht gelöscht werden.  Sie wird in </translation>
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
        <translation>Genre hinzufügen</translation>
    </message>
    <message>
        <source>Edit Genre</source>
        <translation>Genre bearbeiten</translation>
    </message>
    <message>
        <source>Genre &apos;</source>
        <translation>Genre &apos;</translation>
    </message>
    <message>
        <source>Cannot delete this genre.  It is used in </source>
        <translation>Dieses Genre kann nicht gelöscht werden.  Es wird in </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Add Actor</source>
        <translation>Darsteller hinzufügen</translation>
    </message>
    <message>
        <source>Edit Actor</source>
        <translation>Darsteller bearbeiten</translation>
    </message>
    <message>
        <source>Actor &apos;</source>
        <translation>Darsteller &apos;</translation>
    </message>
    <message>
        <source>Cannot delete this actor.  They are used in </source>
        <translation>Dieser Darsteller kann nicht gelöscht werden.  Er wird in </translation>
    </message>
    <message>
        <source>Medias</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Medium hinzufügen</translation>
    </message>
    <message>
        <source>Edit Media</source>
        <translation>Medium bearbeiten</translation>
    </message>
    <message>
        <source>Media &apos;</source>
        <translation>Medium &apos;</translation>
    </message>
    <message>
        <source>Cannot delete this media.  Is is used in </source>
        <translation>Dieses Medium kann nicht gelöscht werden.  Es wird in </translation>
    </message>
    <message>
        <source>Storage Locations</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Add Location</source>
        <translation>Standort hinzufügen</translation>
    </message>
    <message>
        <source>Edit Location</source>
        <translation>Standort bearbeiten</translation>
    </message>
    <message>
        <source>Location &apos;</source>
        <translation>Standort &apos;</translation>
    </message>
    <message>
        <source>Cannot delete this location.  Is is used in </source>
        <translation>Dieser Standort kann nicht gelöscht werden.  Er wird in </translation>
    </message>
</context>
<context>
    <name>ui::lists::LookupDialog</name>
    <message>
        <source>Lookup </source>
        <translation>Auswahl: </translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::lists::SelectActorDialog</name>
    <message>
        <source>Select Actor</source>
        <translation>Darsteller auswählen</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Tippen, um die Liste einzugrenzen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>&amp;Add New Actor</source>
        <translation>&amp;Neuen Darsteller hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already in the list. Use it?</source>
        <translation>&apos;%1&apos; ist bereits in der Liste. Verwenden?</translation>
    </message>
</context>
<context>
    <name>ui::lists::SetGenreDialog</name>
    <message>
        <source>Set Genres</source>
        <translation>Genres festlegen</translation>
    </message>
    <message>
        <source>Select the genres that best fit this movie.</source>
        <translation>Wählen Sie die Genres, die am besten zu diesem Film passen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
</context>
</TS>
