<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>app::CatalogueDamage</name>
    <message>
        <source>; and %1 more</source>
        <translation>; y %1 más</translation>
    </message>
    <message>
        <source>&apos;tallowmere check --repair&apos; rebuilds the damaged indexes (after a backup); older copies of the catalogue are kept in %1.</source>
        <translation>«tallowmere check --repair» reconstruye los índices dañados (tras una copia de seguridad); las copias anteriores del catálogo se conservan en %1.</translation>
    </message>
    <message>
        <source>Put back a copy from %1, or rescue what can be read with the stock sqlite3 tool&apos;s .recover; &apos;tallowmere check --repair&apos; cannot mend this.</source>
        <translation>Restaure una copia de %1, o rescate lo que se pueda leer con el .recover de la herramienta sqlite3 estándar; «tallowmere check --repair» no puede reparar esto.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). Nothing was written.
%3</source>
        <translation>El catálogo «%1» está dañado (%2). No se ha escrito nada.
%3</translation>
    </message>
    <message>
        <source>Warning: the catalogue &apos;%1&apos; is damaged (%2). What was read from it may be incomplete.
%3</source>
        <translation>Advertencia: el catálogo «%1» está dañado (%2). Lo que se ha leído de él puede estar incompleto.
%3</translation>
    </message>
</context>
<context>
    <name>app::CatalogueName</name>
    <message>
        <source>A catalogue name is a name, not a path: it cannot hold &apos;/&apos;, &apos;\&apos; or &apos;..&apos;.</source>
        <translation>Un nombre de catálogo es un nombre, no una ruta: no puede contener «/», «\» ni «..».</translation>
    </message>
    <message>
        <source>A catalogue name cannot hold control characters.</source>
        <translation>Un nombre de catálogo no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>A catalogue name needs letters or digits.</source>
        <translation>Un nombre de catálogo necesita letras o cifras.</translation>
    </message>
    <message>
        <source>A catalogue name can have at most %1 letters and digits.</source>
        <translation>Un nombre de catálogo puede tener como máximo %1 letras y cifras.</translation>
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
        <translation>Tallowmere Movie Database: un catálogo de su colección de películas.

Sin un comando se abre la ventana. Los comandos se ejecutan sin ventana ni pantalla:
  export ARCHIVO        escribir todas las películas en un archivo de películas
  import ARCHIVO        leer un archivo de películas en el catálogo (antes hace una
                        copia)
  import --from tellico|gcstar|csv ARCHIVO [--preset list|diary]
                        leer el archivo de otro catálogo o un archivo CSV; las columnas
                        de un archivo CSV siguen el ajuste predefinido, o la asignación
                        guardada para su encabezado, o se deducen de este
  report NOMBRE --pdf ARCHIVO [--ids 2,5]
                        escribir un informe en PDF; NOMBRE como en el menú Informes o
                        uno de list, label, rating, media, detailed, inventory, cost,
                        lent (rating y media llevan los identificadores de las
                        clasificaciones o soportes)
  backup ARCHIVO        escribir una copia coherente del catálogo, también mientras está
                        abierto
  check [--repair]      comprobar el archivo y las referencias de las películas;
                        --repair las corrige y reconstruye los índices dañados (tras una
                        copia de seguridad)
  publish CARPETA       escribir el catálogo como página web, CARPETA/index.html
  pictures import CARPETA
                        dar a las películas las imágenes de una carpeta, nombradas según
                        el número de etiqueta o el título (A-12.jpg, Alien.png)
  pictures export CARPETA
                        escribir la imagen de cada película en una carpeta, con el mismo
                        nombre

No se escribe nada en un catálogo dañado; export, report y backup lo leen de todos
modos, con una advertencia.

Estado de salida: 0 si todo fue bien, 1 si algo falló (una línea que no se pudo
importar, un catálogo dañado, un catálogo ocupado), 2 si la línea de comandos es
incorrecta.</translation>
    </message>
    <message>
        <source>Try &apos;tallowmere --help&apos;.</source>
        <translation>Pruebe «tallowmere --help».</translation>
    </message>
    <message>
        <source>Use the catalogue NAME.</source>
        <translation>Usar el catálogo NOMBRE.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>The report&apos;s PDF file.</source>
        <translation>El archivo PDF del informe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Ratings or media of a report, as ids.</source>
        <translation>Clasificaciones o soportes de un informe, por sus identificadores.</translation>
    </message>
    <message>
        <source>IDS</source>
        <translation>IDS</translation>
    </message>
    <message>
        <source>With check: mend what it finds.</source>
        <translation>Con check: reparar lo que encuentre.</translation>
    </message>
    <message>
        <source>With import: the kind of file.</source>
        <translation>Con import: el tipo de archivo.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMATO</translation>
    </message>
    <message>
        <source>With import --from csv: the columns&apos; layout.</source>
        <translation>Con import --from csv: la disposición de las columnas.</translation>
    </message>
    <message>
        <source>export, import, report, backup, check, publish or pictures.</source>
        <translation>export, import, report, backup, check, publish o pictures.</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[comando]</translation>
    </message>
    <message>
        <source>--pdf, --ids, --repair, --from and --preset belong to a command.</source>
        <translation>--pdf, --ids, --repair, --from y --preset van con un comando.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Comando desconocido «%1».</translation>
    </message>
    <message>
        <source>&apos;pictures&apos; takes import or export, then a folder.</source>
        <translation>«pictures» lleva import o export y después una carpeta.</translation>
    </message>
    <message>
        <source>--pdf, --ids, --repair, --from and --preset do not belong to &apos;pictures&apos;.</source>
        <translation>--pdf, --ids, --repair, --from y --preset no van con «pictures».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a report name.</source>
        <translation>«%1» lleva un nombre de informe.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one file name.</source>
        <translation>«%1» lleva un nombre de archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no file name.</source>
        <translation>«%1» no lleva nombre de archivo.</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs --pdf FILE.</source>
        <translation>«report» necesita --pdf ARCHIVO.</translation>
    </message>
    <message>
        <source>--pdf and --ids belong to &apos;report&apos;.</source>
        <translation>--pdf y --ids van con «report».</translation>
    </message>
    <message>
        <source>--repair belongs to &apos;check&apos;.</source>
        <translation>--repair va con «check».</translation>
    </message>
</context>
<context>
    <name>app::Commands</name>
    <message>
        <source>Exporting %1</source>
        <translation>Exportando %1</translation>
    </message>
    <message>
        <source>%1 movies exported to %2.</source>
        <translation>%1 películas exportadas a %2.</translation>
    </message>
    <message>
        <source>%1 pictures written to %2.</source>
        <translation>%1 imágenes escritas en %2.</translation>
    </message>
    <message>
        <source>Not exported, because their media, rating or storage location no longer exists: %1 (tallowmere check --repair mends that).</source>
        <translation>No exportadas porque su soporte, clasificación o ubicación ya no existe: %1 (tallowmere check --repair lo corrige).</translation>
    </message>
    <message>
        <source>Movies with text the file cannot hold as it stands: %1.</source>
        <translation>Películas con texto que el archivo no puede contener tal cual: %1.</translation>
    </message>
    <message>
        <source>%1 is not a movie file: its first line is not the header of one.</source>
        <translation>%1 no es un archivo de películas: su primera línea no es la cabecera de uno.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%1 películas importadas.</translation>
    </message>
    <message>
        <source>%1 pictures imported.</source>
        <translation>%1 imágenes importadas.</translation>
    </message>
    <message>
        <source>Picture not imported: %1</source>
        <translation>Imagen no importada: %1</translation>
    </message>
    <message>
        <source>Picture that names no movie of the file: %1</source>
        <translation>Imagen que no corresponde a ninguna película del archivo: %1</translation>
    </message>
    <message>
        <source>Lines skipped because they are too short to hold a movie: %1.</source>
        <translation>Líneas omitidas por ser demasiado cortas para contener una película: %1.</translation>
    </message>
    <message>
        <source>%1:%2: %3; not imported.</source>
        <translation>%1:%2: %3; no importada.</translation>
    </message>
    <message>
        <source>Other lines not imported: %1.</source>
        <translation>Otras líneas no importadas: %1.</translation>
    </message>
    <message>
        <source>Lines read as Windows-1252 because they are not UTF-8: %1.</source>
        <translation>Líneas leídas como Windows-1252 porque no son UTF-8: %1.</translation>
    </message>
    <message>
        <source>%1:%2: %3 Nothing of that line or the lines after it was imported.</source>
        <translation>%1:%2: %3 No se importó nada de esa línea ni de las siguientes.</translation>
    </message>
    <message>
        <source>%1 backed up to %2.</source>
        <translation>Copia de seguridad de %1 guardada en %2.</translation>
    </message>
    <message>
        <source>Catalogue %1: %2</source>
        <translation>Catálogo %1: %2</translation>
    </message>
    <message>
        <source>File check: %1</source>
        <translation>Comprobación del archivo: %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>Indexes rebuilt. File check: %1</source>
        <translation>Índices reconstruidos. Comprobación del archivo: %1</translation>
    </message>
    <message>
        <source>Movies: %1</source>
        <translation>Películas: %1</translation>
    </message>
    <message>
        <source>Media, ratings and locations that name nothing: %1</source>
        <translation>Soportes, clasificaciones y ubicaciones que no remiten a nada: %1</translation>
    </message>
    <message>
        <source>Cast and genre links of movies that are gone: %1</source>
        <translation>Vínculos de reparto y género de películas que ya no existen: %1</translation>
    </message>
    <message>
        <source>Pictures of movies that are gone: %1</source>
        <translation>Imágenes de películas que ya no existen: %1</translation>
    </message>
    <message>
        <source>%1 problems repaired.</source>
        <translation>%1 problemas reparados.</translation>
    </message>
    <message>
        <source>tallowmere check --repair mends them.</source>
        <translation>tallowmere check --repair los corrige.</translation>
    </message>
    <message>
        <source>The file is damaged. Keep it as it is. %1</source>
        <translation>El archivo está dañado. Déjelo tal como está. %1</translation>
    </message>
    <message>
        <source>There is no report &apos;%1&apos;. The reports: %2.</source>
        <translation>No hay ningún informe «%1». Los informes: %2.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; needs --ids: the ids of the ratings or media to list, such as 2,5.</source>
        <translation>El informe «%1» necesita --ids: los identificadores de las clasificaciones o soportes que listar, por ejemplo 2,5.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; takes no --ids.</source>
        <translation>El informe «%1» no lleva --ids.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; it has been left as it is. Name another file.</source>
        <translation>«%1» es el propio archivo del catálogo; se ha dejado como estaba. Indique otro archivo.</translation>
    </message>
    <message>
        <source>The report &apos;%1&apos; could not be made.</source>
        <translation>No se pudo crear el informe «%1».</translation>
    </message>
    <message>
        <source>%1: %2 pages written to %3.</source>
        <translation>%1: %2 páginas escritas en %3.</translation>
    </message>
</context>
<context>
    <name>app::OpenCatalogue</name>
    <message>
        <source>There is no catalogue &apos;%1&apos; (%2).</source>
        <translation>No hay ningún catálogo «%1» (%2).</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is first to be brought up to date for this version of the program, which needs its folder to be written: %2</source>
        <translation>El catálogo «%1» debe actualizarse primero para esta versión del programa, lo que requiere escribir en su carpeta: %2</translation>
    </message>
</context>
<context>
    <name>app::PeerCommands</name>
    <message>
        <source>Columns: %1.</source>
        <translation>Columnas: %1.</translation>
    </message>
    <message>
        <source>The file is read as Windows-1252: it is not UTF-8.</source>
        <translation>El archivo se lee como Windows-1252: no es UTF-8.</translation>
    </message>
    <message>
        <source>--from belongs to &apos;import&apos;.</source>
        <translation>--from va con «import».</translation>
    </message>
    <message>
        <source>--from takes tellico, gcstar or csv.</source>
        <translation>--from lleva tellico, gcstar o csv.</translation>
    </message>
    <message>
        <source>--preset belongs to &apos;import --from csv&apos;.</source>
        <translation>--preset va con «import --from csv».</translation>
    </message>
    <message>
        <source>--preset takes %1.</source>
        <translation>--preset lleva %1.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Movies to add: %1. Movies to update (a movie of the same title is in the catalogue): %2.</source>
        <translation>Películas que añadir: %1. Películas que actualizar (hay una película con el mismo título en el catálogo): %2.</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%1 películas importadas.</translation>
    </message>
    <message>
        <source>%1 pictures imported.</source>
        <translation>%1 imágenes importadas.</translation>
    </message>
    <message>
        <source>Picture not imported: %1</source>
        <translation>Imagen no importada: %1</translation>
    </message>
    <message>
        <source>Picture whose movie is not in the catalogue: %1</source>
        <translation>Imagen cuya película no está en el catálogo: %1</translation>
    </message>
    <message>
        <source>%1:%2: %3; not imported.</source>
        <translation>%1:%2: %3; no importada.</translation>
    </message>
    <message>
        <source>Other movies not imported: %1.</source>
        <translation>Otras películas no importadas: %1.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing of that movie or those after it was imported.</source>
        <translation>%1: %2 No se importó nada de esa película ni de las siguientes.</translation>
    </message>
    <message>
        <source>%1 movies published to %2.</source>
        <translation>%1 películas publicadas en %2.</translation>
    </message>
</context>
<context>
    <name>app::PictureCommands</name>
    <message>
        <source>Backup: %1</source>
        <translation>Copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
    <message>
        <source>%1 pictures stored from %2.</source>
        <translation>%1 imágenes guardadas desde %2.</translation>
    </message>
    <message>
        <source>Matched: %1</source>
        <translation>Asociadas: %1</translation>
    </message>
    <message>
        <source>Not matched to a label number or title: %1</source>
        <translation>Sin número de etiqueta ni título que coincida: %1</translation>
    </message>
    <message>
        <source>Not stored: %1</source>
        <translation>No guardadas: %1</translation>
    </message>
    <message>
        <source>%1 pictures written to %2.</source>
        <translation>%1 imágenes escritas en %2.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Escritas: %1</translation>
    </message>
    <message>
        <source>Not written, because another movie has the same label number and title: %1</source>
        <translation>No escritas porque otra película tiene el mismo número de etiqueta y título: %1</translation>
    </message>
</context>
<context>
    <name>app::ReportIds</name>
    <message>
        <source>These ids name no rating: %1. The rating ids: %2.</source>
        <translation>Estos identificadores no corresponden a ninguna clasificación: %1. Los identificadores de las clasificaciones: %2.</translation>
    </message>
    <message>
        <source>These ids name no media: %1. The media ids: %2.</source>
        <translation>Estos identificadores no corresponden a ningún soporte: %1. Los identificadores de los soportes: %2.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>app::Startup</name>
    <message>
        <source>%1 could not start: the step &quot;%2&quot; failed.

%3</source>
        <translation>%1 no pudo iniciarse: el paso &quot;%2&quot; falló.

%3</translation>
    </message>
    <message>
        <source>%1 needs the SQLite driver of Qt 6, which is not installed.  On Debian it is the package libqt6sql6-sqlite.</source>
        <translation>%1 necesita el controlador SQLite de Qt 6, que no está instalado.  En Debian es el paquete libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>%1 cannot write to its catalogue folder &apos;%2&apos;.</source>
        <translation>%1 no puede escribir en su carpeta de catálogo «%2».</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Iniciando</translation>
    </message>
    <message>
        <source>Open database</source>
        <translation>Abriendo la base de datos</translation>
    </message>
    <message>
        <source>Update database</source>
        <translation>Actualizando la base de datos</translation>
    </message>
    <message>
        <source>Loading movies</source>
        <translation>Cargando películas</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicializando</translation>
    </message>
</context>
<context>
    <name>db::Backup</name>
    <message>
        <source>&apos;%1&apos; could not be opened: %2</source>
        <translation>No se pudo abrir «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; a backup does not replace it. Name a file.</source>
        <translation>«%1» es un enlace; una copia de seguridad no lo reemplaza. Indique un archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file; a backup does not replace it. Name a file.</source>
        <translation>«%1» no es un archivo; una copia de seguridad no lo reemplaza. Indique un archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; a backup cannot replace it. Name another file.</source>
        <translation>«%1» es el propio archivo del catálogo; una copia de seguridad no puede reemplazarlo. Indique otro archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be written: %2</source>
        <translation>No se pudo escribir la copia de seguridad «%1»: %2</translation>
    </message>
    <message>
        <source>The backup &apos;%1&apos; could not be written.</source>
        <translation>No se pudo escribir la copia de seguridad «%1».</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be made.</source>
        <translation>No se pudo crear la carpeta de copias de seguridad «%1».</translation>
    </message>
</context>
<context>
    <name>db::CaseKeys</name>
    <message>
        <source>Preparing the catalogue for searching…</source>
        <translation>Preparando el catálogo para la búsqueda…</translation>
    </message>
</context>
<context>
    <name>db::Catalogue</name>
    <message>
        <source>&apos;%1&apos; is not a movie catalogue. It has been left as it is.</source>
        <translation>«%1» no es un catálogo de películas. Se ha dejado como está.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). It has been left as it is.

Put back a backup copy of it (the newest are kept in &apos;%3&apos;), or save what can still be read with the sqlite3 tool:

sqlite3 &apos;%1&apos; .recover | sqlite3 &apos;%4&apos;

and then open the catalogue %5.</source>
        <translation>El catálogo «%1» está dañado (%2). Se ha dejado como está.

Restaure una copia de seguridad (las más recientes se guardan en «%3»), o salve lo que aún se pueda leer con la herramienta sqlite3:

sqlite3 &apos;%1&apos; .recover | sqlite3 &apos;%4&apos;

y luego abra el catálogo %5.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is open in another copy of the program (process %2 on %3).  Close it there first.</source>
        <translation>El catálogo «%1» está abierto en otra instancia del programa (proceso %2 en %3).  Ciérrelo allí primero.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be locked for this program: &apos;%2&apos; cannot be written.</source>
        <translation>No se pudo bloquear el catálogo «%1» para este programa: no se puede escribir «%2».</translation>
    </message>
    <message>
        <source>There is no catalogue &apos;%1&apos; (%2).</source>
        <translation>No existe el catálogo «%1» (%2).</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>No hay ningún catálogo abierto.</translation>
    </message>
</context>
<context>
    <name>db::Connection</name>
    <message>
        <source>

The catalogue file is damaged. Put back a backup copy of it, or save what can still be read with the sqlite3 tool&apos;s .recover command.</source>
        <translation>

El archivo del catálogo está dañado. Restaure una copia de seguridad, o salve lo que aún se pueda leer con la orden .recover de la herramienta sqlite3.</translation>
    </message>
</context>
<context>
    <name>db::DuplicateMovies</name>
    <message>
        <source>A movie cannot be merged into itself.</source>
        <translation>Una película no se puede combinar consigo misma.</translation>
    </message>
    <message>
        <source>One of the two movies no longer exists.</source>
        <translation>Una de las dos películas ya no existe.</translation>
    </message>
</context>
<context>
    <name>db::EngineWords</name>
    <message>
        <source>The disk is full or cannot be written: the catalogue, or a temporary file that sorting needs, could not be read or written. Make room on the disk (and in the temporary folder), then try again.</source>
        <translation>El disco está lleno o no se puede escribir: no se pudo leer o escribir el catálogo, o un archivo temporal que necesita la ordenación. Libere espacio en el disco (y en la carpeta temporal) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The catalogue cannot be written: its file or its folder may be written only by another user, or is on a read-only disk.</source>
        <translation>No se puede escribir el catálogo: su archivo o su carpeta solo puede escribirlos otro usuario, o están en un disco de solo lectura.</translation>
    </message>
    <message>
        <source>The catalogue, or a temporary file beside it, could not be opened: its folder may be missing or may not be writable.</source>
        <translation>No se pudo abrir el catálogo, o un archivo temporal junto a él: puede que su carpeta no exista o que no se pueda escribir en ella.</translation>
    </message>
    <message>
        <source>The catalogue is busy: another program has been writing it for a while. Try again when it is done.</source>
        <translation>El catálogo está ocupado: otro programa lleva un rato escribiendo en él. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>There is not enough memory left to finish this.</source>
        <translation>No queda memoria suficiente para terminar esta operación.</translation>
    </message>
</context>
<context>
    <name>db::FileCheck</name>
    <message>
        <source>&apos;%1&apos; could not be checked: %2</source>
        <translation>No se pudo comprobar «%1»: %2</translation>
    </message>
</context>
<context>
    <name>db::ListEntryUse</name>
    <message>
        <source>Select the entries to merge into the one that stays.</source>
        <translation>Seleccione las entradas que se combinarán en la que se conserva.</translation>
    </message>
    <message>
        <source>An entry cannot be merged into itself.</source>
        <translation>Una entrada no se puede combinar consigo misma.</translation>
    </message>
    <message>
        <source>The entry to keep no longer exists.</source>
        <translation>La entrada que se iba a conservar ya no existe.</translation>
    </message>
</context>
<context>
    <name>db::MoviePictures</name>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then add the picture again.</source>
        <translation>Este catálogo aún no tiene sitio para imágenes.  Ábralo una vez más para actualizarlo y luego vuelva a añadir la imagen.</translation>
    </message>
    <message>
        <source>The picture is empty; nothing was stored.</source>
        <translation>La imagen está vacía; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>This movie is no longer in the catalogue: another window or program has deleted it. The picture was not stored.</source>
        <translation>Esta película ya no está en el catálogo: otra ventana u otro programa la ha eliminado. La imagen no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>db::Movies</name>
    <message>
        <source>This movie is no longer in the catalogue: another window or program has deleted it. Your changes to it were not saved.</source>
        <translation>Esta película ya no está en el catálogo: otra ventana u otro programa la ha eliminado. Sus cambios en ella no se han guardado.</translation>
    </message>
</context>
<context>
    <name>db::ReadOnlyOpening</name>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
</context>
<context>
    <name>db::Repair</name>
    <message>
        <source>Check database</source>
        <translation>Comprobando la base de datos</translation>
    </message>
</context>
<context>
    <name>db::Schema</name>
    <message>
        <source>The catalogue &apos;%1&apos; exists already.</source>
        <translation>El catálogo «%1» ya existe.</translation>
    </message>
    <message>
        <source>The new catalogue could not be moved to &apos;%1&apos;.</source>
        <translation>No se pudo mover el nuevo catálogo a «%1».</translation>
    </message>
</context>
<context>
    <name>db::StartOver</name>
    <message>
        <source>&apos;%1&apos; could not be deleted: %2</source>
        <translation>No se pudo eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>The catalogue could not be reset.

%1</source>
        <translation>No se pudo restablecer el catálogo.

%1</translation>
    </message>
    <message>
        <source>

It could not be opened again either: %1</source>
        <translation>

Tampoco se pudo volver a abrir: %1</translation>
    </message>
</context>
<context>
    <name>db::UnicodeCase</name>
    <message>
        <source>The catalogue connection has no SQLite handle.</source>
        <translation>La conexión con el catálogo no tiene un identificador de SQLite.</translation>
    </message>
</context>
<context>
    <name>db::Upgrade</name>
    <message>
        <source>The catalogue could not be upgraded to version %1; it is left as it was.
%2</source>
        <translation>No se pudo actualizar el catálogo a la versión %1; se queda como estaba.
%2</translation>
    </message>
</context>
<context>
    <name>io::CoverPicture</name>
    <message>
        <source>There is no picture to store.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The picture could not be stored as %1.</source>
        <translation>No se pudo guardar la imagen como %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is empty: it holds no picture.</source>
        <translation>«%1» está vacío: no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large (%2 MB): a cover picture may be at most %3 MB.</source>
        <translation>«%1» es demasiado grande (%2 MB): una carátula puede ocupar como máximo %3 MB.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a picture: it is no image file this program can read (JPEG, PNG, GIF, BMP and the like).</source>
        <translation>«%1» no es una imagen: no es un archivo de imagen que este programa pueda leer (JPEG, PNG, GIF, BMP y similares).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; claims to be %2 × %3 pixels, far more than any picture needs; it was not read.</source>
        <translation>«%1» dice tener %2 × %3 píxeles, mucho más de lo que necesita cualquier imagen; no se ha leído.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an incomplete JPEG picture: the file ends before the picture does.</source>
        <translation>«%1» es una imagen JPEG incompleta: el archivo termina antes que la imagen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read as a picture: %2.</source>
        <translation>No se pudo leer «%1» como imagen: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a picture.</source>
        <translation>«%1» es una carpeta, no una imagen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>io::CsvMapping</name>
    <message>
        <source>(nothing)</source>
        <translation>(nada)</translation>
    </message>
    <message>
        <source>A line of the notes</source>
        <translation>Una línea de las notas</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Géneros</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Rating (certification)</source>
        <translation>Clasificación (calificación por edades)</translation>
    </message>
    <message>
        <source>Director(s)</source>
        <translation>Director(es)</translation>
    </message>
    <message>
        <source>Producer(s)</source>
        <translation>Productor(es)</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Stars (out of 5)</source>
        <translation>Estrellas (de 5)</translation>
    </message>
    <message>
        <source>Stars (out of 10, halved)</source>
        <translation>Estrellas (de 10, divididas entre dos)</translation>
    </message>
    <message>
        <source>Storage location</source>
        <translation>Ubicación de almacenamiento</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N.º de etiqueta</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Fecha de adquisición</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Prestado a</translation>
    </message>
    <message>
        <source>Lent on</source>
        <translation>Fecha de préstamo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>io::CsvTable</name>
    <message>
        <source>The file is not a CSV file: it is a zip archive.</source>
        <translation>El archivo no es un archivo CSV: es un archivo zip.</translation>
    </message>
    <message>
        <source>The file is not a CSV file: it is an XML document.</source>
        <translation>El archivo no es un archivo CSV: es un documento XML.</translation>
    </message>
    <message>
        <source>The file is not a CSV file: it holds binary data.</source>
        <translation>El archivo no es un archivo CSV: contiene datos binarios.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
</context>
<context>
    <name>io::Destination</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>una tubería</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no un archivo normal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a pipe that nothing reads from; nothing has been written.</source>
        <translation>«%1» es una tubería de la que nada lee; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be opened for writing: %2.</source>
        <translation>No se pudo abrir «%1» para escribir: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was being opened; nothing has been written.</source>
        <translation>«%1» cambió mientras se abría; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file.</source>
        <translation>«%1» es %2, no un archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the catalogue&apos;s own file; it has been left as it is. Name another file.</source>
        <translation>«%1» es el propio archivo del catálogo; se ha dejado como está. Indique otro archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file; it has been left as it is.</source>
        <translation>«%1» es %2, no un archivo; se ha dejado como está.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2.</source>
        <translation>No se pudo escribir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>io::ExportMovies</name>
    <message>
        <source>&apos;%1&apos; has been left as it was.</source>
        <translation>«%1» se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has not been created.</source>
        <translation>«%1» no se ha creado.</translation>
    </message>
    <message>
        <source>Cannot write to file.  Make sure it is not opened by another application.

%1</source>
        <translation>No se puede escribir en el archivo.  Asegúrese de que no lo tenga abierto otra aplicación.

%1</translation>
    </message>
    <message>
        <source>The movies could not be written to &apos;%1&apos;.

%2

%3</source>
        <translation>No se pudieron escribir las películas en «%1».

%2

%3</translation>
    </message>
</context>
<context>
    <name>io::FileDigest</name>
    <message>
        <source>&apos;%1&apos; could not be read.

%2</source>
        <translation>No se pudo leer «%1».

%2</translation>
    </message>
</context>
<context>
    <name>io::GcstarReader</name>
    <message>
        <source>The file is not a GCstar collection: it is no XML.</source>
        <translation>El archivo no es una colección de GCstar: no es XML.</translation>
    </message>
    <message>
        <source>The file is not a GCstar collection: it holds no XML.</source>
        <translation>El archivo no es una colección de GCstar: no contiene XML.</translation>
    </message>
    <message>
        <source>The file is not a GCstar collection: its XML is a &apos;%1&apos; document.</source>
        <translation>El archivo no es una colección de GCstar: su XML es un documento «%1».</translation>
    </message>
    <message>
        <source>The GCstar file holds a collection of the kind &apos;%1&apos;, not of movies (GCfilms).</source>
        <translation>El archivo de GCstar contiene una colección del tipo «%1», no de películas (GCfilms).</translation>
    </message>
</context>
<context>
    <name>io::ImportMovies</name>
    <message>
        <source>it is longer than any movie line</source>
        <translation>es más larga que cualquier línea de película</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>it is too short to hold a movie</source>
        <translation>es demasiado corta para contener una película</translation>
    </message>
    <message>
        <source>

Lines skipped because they are too short to hold a movie: %1.</source>
        <translation>

Líneas omitidas por ser demasiado cortas para contener una película: %1.</translation>
    </message>
    <message>
        <source>

Lines not imported: %1.</source>
        <translation>

Líneas no importadas: %1.</translation>
    </message>
    <message>
        <source>
Line %1: %2.</source>
        <translation>
Línea %1: %2.</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... y %1 más.</translation>
    </message>
    <message>
        <source>

Lines read as Windows-1252 because they are not UTF-8: %1.</source>
        <translation>

Líneas leídas como Windows-1252 porque no son UTF-8: %1.</translation>
    </message>
    <message>
        <source>

Pictures imported: %1.</source>
        <translation>

Imágenes importadas: %1.</translation>
    </message>
    <message>
        <source>

Pictures that name no movie of the file: %1.</source>
        <translation>

Imágenes que no corresponden a ninguna película del archivo: %1.</translation>
    </message>
    <message>
        <source>

Pictures not imported: %1.</source>
        <translation>

Imágenes no importadas: %1.</translation>
    </message>
</context>
<context>
    <name>io::ImportedLine</name>
    <message>
        <source>a name in %1 is longer than %2 characters</source>
        <translation>un nombre en %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>el campo %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>the Cost %1 is more than the catalogue can hold (at most 922,337,203,685,477.5807)</source>
        <translation>el coste %1 supera lo que el catálogo puede guardar (como máximo 922.337.203.685.477,5807)</translation>
    </message>
</context>
<context>
    <name>io::MovieFileFormat</name>
    <message>
        <source>it holds NUL characters</source>
        <translation>contiene caracteres NUL</translation>
    </message>
    <message>
        <source>it has no commas</source>
        <translation>no contiene comas</translation>
    </message>
    <message>
        <source>a double quote in it is not closed</source>
        <translation>tiene una comilla doble sin cerrar</translation>
    </message>
</context>
<context>
    <name>io::MovieFileLines</name>
    <message>
        <source>&apos;%1&apos; could not be read.

%2</source>
        <translation>No se pudo leer «%1».

%2</translation>
    </message>
</context>
<context>
    <name>io::PeerCovers</name>
    <message>
        <source>only a picture beside the collection is read, not &apos;%1&apos;.</source>
        <translation>solo se lee una imagen junto a la colección, no «%1».</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; leads out of the collection&apos;s folder.</source>
        <translation>el nombre «%1» sale de la carpeta de la colección.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then try again.</source>
        <translation>Este catálogo aún no tiene sitio para imágenes.  Ábralo una vez más para actualizarlo y luego vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>the file holds no picture of that name.</source>
        <translation>el archivo no contiene ninguna imagen con ese nombre.</translation>
    </message>
</context>
<context>
    <name>io::PeerFile</name>
    <message>
        <source>KDE collection manager</source>
        <translation>Gestor de colecciones de KDE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MB, more than any collection needs: it is not read.</source>
        <translation>«%1» ocupa más de %2 MB, más de lo que necesita cualquier colección: no se lee.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
</context>
<context>
    <name>io::PeerMovie</name>
    <message>
        <source>a name in %1 is longer than %2 characters</source>
        <translation>un nombre en %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>the end of the comments</source>
        <translation>el final de los comentarios</translation>
    </message>
    <message>
        <source>it has no title</source>
        <translation>no tiene título</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>Línea %1 (%2): %3</translation>
    </message>
    <message>
        <source>

Fields that did not fit into the notes (at most %1 characters), so they are left out: %2, in %3 movies.</source>
        <translation>

Campos que no cabían en las notas (como máximo %1 caracteres) y por eso se omitieron: %2, en %3 películas.</translation>
    </message>
    <message>
        <source>
... and %1 more movies.</source>
        <translation>
... y %1 películas más.</translation>
    </message>
</context>
<context>
    <name>io::PeerXml</name>
    <message>
        <source>The file declares the external entity &apos;%1&apos;, which would read another file. Such files are not read.</source>
        <translation>El archivo declara la entidad externa «%1», que leería otro archivo. Esos archivos no se leen.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 (line %2, column %3).</source>
        <translation>El archivo no es XML bien formado: %1 (línea %2, columna %3).</translation>
    </message>
    <message>
        <source>The file ends in the middle of its XML (line %1): it is cut short.</source>
        <translation>El archivo termina a mitad de su XML (línea %1): está truncado.</translation>
    </message>
</context>
<context>
    <name>io::PictureFolder</name>
    <message>
        <source>The picture &apos;%1&apos; could not be written: %2.</source>
        <translation>No se pudo escribir la imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be made.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then try again.</source>
        <translation>Este catálogo aún no tiene sitio para imágenes.  Ábralo una vez más para actualizarlo y luego vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
</context>
<context>
    <name>io::PublishSite</name>
    <message>
        <source>The program&apos;s page template &apos;%1&apos; is missing.</source>
        <translation>Falta la plantilla de página «%1» del programa.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be made.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The web page could not be written to &apos;%1&apos;.

%2</source>
        <translation>No se pudo escribir la página web en «%1».

%2</translation>
    </message>
</context>
<context>
    <name>io::PublishedPage</name>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as a web page names it: de, fr, es</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>Movie catalogue</source>
        <translation>Catálogo de películas</translation>
    </message>
    <message>
        <source>The list of movies needs JavaScript.</source>
        <translation>La lista de películas necesita JavaScript.</translation>
    </message>
    <message>
        <source>Published on %1</source>
        <comment>%1 is the day, as 2026-12-07</comment>
        <translation>Publicado el %1</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Words of a title, a name, a genre, the notes</source>
        <translation>Palabras de un título, un nombre, un género, las notas</translation>
    </message>
    <message>
        <source>%1 movies</source>
        <translation>%1 películas</translation>
    </message>
    <message>
        <source>%1 of %2 movies</source>
        <comment>The movies the filter lets through, of all</comment>
        <translation>%1 de %2 películas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cover of %1</source>
        <comment>%1 is the title</comment>
        <translation>Carátula de %1</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Géneros</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasif.</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N.º de etiqueta</translation>
    </message>
    <message>
        <source>Movie #</source>
        <translation>N.º de película</translation>
    </message>
    <message>
        <source>Storage location</source>
        <translation>Ubicación de almacenamiento</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Fecha de adquisición</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Prestado a</translation>
    </message>
    <message>
        <source>Lent on</source>
        <translation>Fecha de préstamo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>io::TellicoReader</name>
    <message>
        <source>The file is not a collection of the KDE collection manager: it is no XML.</source>
        <translation>El archivo no es una colección del gestor de colecciones de KDE: no es XML.</translation>
    </message>
    <message>
        <source>The file is not a collection of the KDE collection manager: it holds no XML.</source>
        <translation>El archivo no es una colección del gestor de colecciones de KDE: no contiene XML.</translation>
    </message>
    <message>
        <source>The file is not a collection of the KDE collection manager: its XML is a &apos;%1&apos; document.</source>
        <translation>El archivo no es una colección del gestor de colecciones de KDE: su XML es un documento «%1».</translation>
    </message>
    <message>
        <source>The file holds no video collection, only collections of other kinds (type %1).</source>
        <translation>El archivo no contiene ninguna colección de vídeos, solo colecciones de otros tipos (tipo %1).</translation>
    </message>
</context>
<context>
    <name>io::ZipArchive</name>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>No se puede leer el archivo comprimido: %1</translation>
    </message>
    <message>
        <source>it is cut short or damaged.</source>
        <translation>está truncado o dañado.</translation>
    </message>
    <message>
        <source>it would unpack to more than %1 MB, which no collection needs. It may be made to fill the memory (a zip bomb).</source>
        <translation>se descomprimiría en más de %1 MB, algo que ninguna colección necesita. Puede estar hecho para llenar la memoria (una bomba zip).</translation>
    </message>
    <message>
        <source>the unpacker could not start.</source>
        <translation>el descompresor no pudo iniciarse.</translation>
    </message>
    <message>
        <source>its packed data is damaged.</source>
        <translation>sus datos comprimidos están dañados.</translation>
    </message>
    <message>
        <source>its packed data is cut short.</source>
        <translation>sus datos comprimidos están truncados.</translation>
    </message>
    <message>
        <source>it is no zip archive, or a damaged one.</source>
        <translation>no es un archivo zip, o está dañado.</translation>
    </message>
    <message>
        <source>its table of contents is damaged.</source>
        <translation>su índice de contenido está dañado.</translation>
    </message>
    <message>
        <source>it holds the path &apos;%1&apos;, which leads out of its folder. Nothing of it is read.</source>
        <translation>contiene la ruta «%1», que sale de su carpeta. No se lee nada de él.</translation>
    </message>
    <message>
        <source>it is encrypted.</source>
        <translation>está cifrado.</translation>
    </message>
    <message>
        <source>its entry for &apos;%1&apos; is damaged.</source>
        <translation>su entrada para «%1» está dañada.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is packed in a way this program does not read (method %2).</source>
        <translation>«%1» está comprimido de una forma que este programa no lee (método %2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged (its check sum does not match).</source>
        <translation>«%1» está dañado (su suma de comprobación no coincide).</translation>
    </message>
    <message>
        <source>it holds no &apos;%1&apos;.</source>
        <translation>no contiene «%1».</translation>
    </message>
    <message>
        <source>The archive holds no &apos;%1&apos;.</source>
        <translation>El archivo comprimido no contiene «%1».</translation>
    </message>
</context>
<context>
    <name>report::DetailedReport</name>
    <message>
        <source>Movie Listing (Detailed)</source>
        <translation>Lista de películas (detallada)</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>No se encontraron películas.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Número de películas: %1</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Estrellas:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Géneros:</translation>
    </message>
    <message>
        <source>Label #:</source>
        <translation>N.º etiqueta:</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>Acquired:</source>
        <translation>Adquirida:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Coste:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>Lent To:</source>
        <translation>Prestado a:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Productor:</translation>
    </message>
    <message>
        <source>Lent Date:</source>
        <translation>Prestado el:</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Actores:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
</context>
<context>
    <name>report::DocumentReplay</name>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>The PDF file &apos;%1&apos; could not be written: %2.</source>
        <translation>No se pudo escribir el archivo PDF «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>report::LabelCheckReport</name>
    <message>
        <source>Label Number Check</source>
        <translation>Comprobación de números de etiqueta</translation>
    </message>
    <message>
        <source>Labels on more than one movie: %1</source>
        <translation>Etiquetas en más de una película: %1</translation>
    </message>
    <message>
        <source>No label is on more than one movie.</source>
        <translation>Ninguna etiqueta está en más de una película.</translation>
    </message>
    <message>
        <source>Gaps in the numbers: %1</source>
        <translation>Huecos en la numeración: %1</translation>
    </message>
    <message>
        <source>No label numbers are missing.</source>
        <translation>No falta ningún número de etiqueta.</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>a %1</translation>
    </message>
</context>
<context>
    <name>report::ListingReports</name>
    <message>
        <source>Movie Listing by Rating</source>
        <translation>Lista de películas por clasificación</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Clasificación: %1</translation>
    </message>
    <message>
        <source>Movie Listing by Media</source>
        <translation>Lista de películas por soporte</translation>
    </message>
    <message>
        <source>Media: %1</source>
        <translation>Soporte: %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N.º etiqueta</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasif.</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>No se encontraron películas.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Número de películas: %1</translation>
    </message>
    <message>
        <source>Movie Listing</source>
        <translation>Lista de películas</translation>
    </message>
    <message>
        <source>Movie Listing by Label #</source>
        <translation>Lista de películas por número de etiqueta</translation>
    </message>
</context>
<context>
    <name>report::PrintingProgress</name>
    <message>
        <source>%1, Page: %2</source>
        <translation>%1, página: %2</translation>
    </message>
</context>
<context>
    <name>report::ReportError</name>
    <message>
        <source>Another report is being built.  Wait until it is finished, or cancel it.</source>
        <translation>Se está creando otro informe.  Espere a que termine o cancélelo.</translation>
    </message>
</context>
<context>
    <name>report::ReportList</name>
    <message>
        <source>Movie listing</source>
        <translation>Lista de películas</translation>
    </message>
    <message>
        <source>Movie listing (by label #)</source>
        <translation>Lista de películas (por n.º de etiqueta)</translation>
    </message>
    <message>
        <source>Movie listing (by rating)</source>
        <translation>Lista de películas (por clasificación)</translation>
    </message>
    <message>
        <source>Movie listing (by media)</source>
        <translation>Lista de películas (por soporte)</translation>
    </message>
    <message>
        <source>Movie listing (detailed)</source>
        <translation>Lista de películas (detallada)</translation>
    </message>
    <message>
        <source>Inventory by location</source>
        <translation>Inventario por ubicación</translation>
    </message>
    <message>
        <source>Cost summary</source>
        <translation>Resumen de costes</translation>
    </message>
    <message>
        <source>Movies lent out</source>
        <translation>Películas prestadas</translation>
    </message>
</context>
<context>
    <name>report::SpoolWriter</name>
    <message>
        <source>The folder for reports, &apos;%1&apos;, could not be made.</source>
        <translation>No se pudo crear la carpeta de informes, «%1».</translation>
    </message>
    <message>
        <source>The report could not be written to &apos;%1&apos;: %2.</source>
        <translation>No se pudo escribir el informe en «%1»: %2.</translation>
    </message>
    <message>
        <source>The folder for reports, &apos;%1&apos;, has no free file name left.</source>
        <translation>La carpeta de informes, «%1», ya no tiene ningún nombre de archivo libre.</translation>
    </message>
    <message>
        <source>Building Report</source>
        <translation>Creando el informe</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Base de datos: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>report::SummaryReports</name>
    <message>
        <source>Too large to add up</source>
        <translation>Demasiado grande para sumarlo</translation>
    </message>
    <message>
        <source>Movie Cost Report</source>
        <translation>Informe de costes de las películas</translation>
    </message>
    <message>
        <source>Inventory by Location</source>
        <translation>Inventario por ubicación</translation>
    </message>
    <message>
        <source>Movies Lent Out</source>
        <translation>Películas prestadas</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Acquired</source>
        <translation>Adquirida</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N.º etiqueta</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>No movies found with a cost.</source>
        <translation>No se encontraron películas con coste.</translation>
    </message>
    <message>
        <source>Movie count (that have a cost): %1</source>
        <translation>Número de películas (con coste): %1</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasif.</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>No movies found.</source>
        <translation>No se encontraron películas.</translation>
    </message>
    <message>
        <source>Movie count: %1</source>
        <translation>Número de películas: %1</translation>
    </message>
    <message>
        <source>Lent To</source>
        <translation>Prestado a</translation>
    </message>
    <message>
        <source>Lent Date</source>
        <translation>Fecha de préstamo</translation>
    </message>
    <message>
        <source>Movie count (lent out): %1</source>
        <translation>Número de películas (prestadas): %1</translation>
    </message>
    <message>
        <source>No movies are lent out.</source>
        <translation>No hay películas prestadas.</translation>
    </message>
</context>
<context>
    <name>ui::AboutDialog</name>
    <message>
        <source>About Tallowmere Movie Database</source>
        <translation>Acerca de Tallowmere Movie Database</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Movies: 0</source>
        <translation>Películas: 0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Movies on file: </source>
        <translation>Películas registradas: </translation>
    </message>
    <message>
        <source>Internet Question</source>
        <translation>Pregunta de Internet</translation>
    </message>
    <message>
        <source>Load the Tallowmere Software website?</source>
        <translation>¿Cargar el sitio web de Tallowmere Software?</translation>
    </message>
    <message>
        <source>Could not launch browser.</source>
        <translation>No se pudo abrir el navegador.</translation>
    </message>
</context>
<context>
    <name>ui::BackupFirst</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1

Nothing has been changed.</source>
        <translation>%1

No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>

The catalogue as it was before is kept in &apos;%1&apos;.</source>
        <translation>

El catálogo tal como estaba antes se conserva en «%1».</translation>
    </message>
    <message>
        <source>Making a backup</source>
        <translation>Haciendo una copia de seguridad</translation>
    </message>
</context>
<context>
    <name>ui::CastEditing</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Click on an actor to remove.</source>
        <translation>Haga clic en un actor para quitarlo.</translation>
    </message>
</context>
<context>
    <name>ui::CoverGridView</name>
    <message>
        <source>Covers</source>
        <translation>Carátulas</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Sin carátula</translation>
    </message>
</context>
<context>
    <name>ui::CoverPictureWidget</name>
    <message>
        <source>Cover picture</source>
        <translation>Carátula</translation>
    </message>
    <message>
        <source>Drop a picture here, paste one (Ctrl+V) or right-click to choose one</source>
        <translation>Suelte aquí una imagen, pegue una (Ctrl+V) o haga clic con el botón derecho para elegir una</translation>
    </message>
    <message>
        <source>Choose picture…</source>
        <translation>Elegir imagen…</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Pegar imagen</translation>
    </message>
    <message>
        <source>Remove picture</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Sin carátula</translation>
    </message>
    <message>
        <source>The dropped picture</source>
        <translation>La imagen soltada</translation>
    </message>
    <message>
        <source>Only a picture on this computer can be taken. Save the picture to a file first, then drop the file here.</source>
        <translation>Solo se puede tomar una imagen que esté en este equipo. Guarde primero la imagen en un archivo y luego suelte el archivo aquí.</translation>
    </message>
    <message>
        <source>What was given holds no picture.</source>
        <translation>Lo recibido no contiene ninguna imagen.</translation>
    </message>
</context>
<context>
    <name>ui::CsvMappingDialog</name>
    <message>
        <source>The first lines of the file</source>
        <translation>Las primeras líneas del archivo</translation>
    </message>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Columnas del archivo CSV</translation>
    </message>
    <message>
        <source>(as guessed or kept)</source>
        <translation>(según lo deducido o conservado)</translation>
    </message>
    <message>
        <source>Film site list export</source>
        <translation>Exportación de lista de un sitio de películas</translation>
    </message>
    <message>
        <source>Film diary export</source>
        <translation>Exportación de un diario de películas</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Preajuste:</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>What each column goes into. A column that goes into a line of the notes comes in as &quot;Header: value&quot;.</source>
        <translation>A dónde va cada columna. Una columna que va a una línea de las notas llega como &quot;Encabezado: valor&quot;.</translation>
    </message>
</context>
<context>
    <name>ui::DesktopCommands</name>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Show all movies (clear the search)</source>
        <translation>Mostrar todas las películas (borrar la búsqueda)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Print preview of the movie listing</source>
        <translation>Vista previa de impresión de la lista de películas</translation>
    </message>
</context>
<context>
    <name>ui::DuplicateMoviesDialog</name>
    <message>
        <source>Find Duplicate Movies</source>
        <translation>Buscar películas duplicadas</translation>
    </message>
    <message>
        <source>Titles that look &amp;alike, in groups:</source>
        <translation>Títulos &amp;parecidos, en grupos:</translation>
    </message>
    <message>
        <source>&amp;Show movie</source>
        <translation>&amp;Mostrar película</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Combinar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Groups: %1  Movies: %2</source>
        <translation>Grupos: %1  Películas: %2</translation>
    </message>
    <message>
        <source>No titles look alike.</source>
        <translation>Ningún título se parece a otro.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Click on a movie to show.</source>
        <translation>Haga clic en una película para mostrarla.</translation>
    </message>
    <message>
        <source>Select the two movies of one group to merge: click one, then hold Ctrl and click the other.</source>
        <translation>Seleccione las dos películas de un grupo que quiere combinar: haga clic en una y luego mantenga Ctrl y haga clic en la otra.</translation>
    </message>
    <message>
        <source>%1  (Movie # %2)</source>
        <translation>%1  (película n.º %2)</translation>
    </message>
    <message>
        <source>Merge movies</source>
        <translation>Combinar películas</translation>
    </message>
    <message>
        <source>&amp;Keep this movie.  It gains the genres and cast of the other, which is then deleted; its own fields stay as they are:</source>
        <translation>&amp;Conservar esta película.  Recibe los géneros y el reparto de la otra, que luego se elimina; sus propios campos quedan como están:</translation>
    </message>
    <message>
        <source>Merge complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; (Movie # %2) is merged into &apos;%3&apos; (Movie # %4).</source>
        <translation>«%1» (película n.º %2) se ha combinado en «%3» (película n.º %4).</translation>
    </message>
    <message>
        <source>Looking for titles that look alike…</source>
        <translation>Buscando títulos parecidos…</translation>
    </message>
    <message>
        <source>Looking for titles that look alike</source>
        <translation>Buscando títulos parecidos</translation>
    </message>
</context>
<context>
    <name>ui::DuplicateMoviesModel</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Movie #</source>
        <translation>N.º de película</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
</context>
<context>
    <name>ui::ErrorReport</name>
    <message>
        <source>The catalogue could not be read or written.

%1</source>
        <translation>No se pudo leer ni escribir el catálogo.

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ui::ExportDialog</name>
    <message>
        <source>Export Movies</source>
        <translation>Exportar películas</translation>
    </message>
    <message>
        <source>%1 movies exported.</source>
        <translation>%L1 películas exportadas.</translation>
    </message>
    <message>
        <source>

Not exported, because their media, rating or storage location no longer exists: %1. Repair data mends that.</source>
        <translation>

No exportadas porque su soporte, clasificación o ubicación ya no existe: %L1. «Reparar datos» lo corrige.</translation>
    </message>
    <message>
        <source>

The file cannot hold double quotes, nor line breaks outside the notes, and a &quot;|&quot; in the notes reads back as a line break; %1 of the movies had such text.</source>
        <translation>

El archivo no admite comillas dobles ni saltos de línea fuera de las notas, y un «|» en las notas se vuelve a leer como salto de línea; %L1 de las películas tenían ese texto.</translation>
    </message>
    <message>
        <source>The catalogue could not be read, so the export stopped.

%1

%2</source>
        <translation>No se pudo leer el catálogo, así que la exportación se detuvo.

%1

%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been left as it was.</source>
        <translation>«%1» se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has not been created.</source>
        <translation>«%1» no se ha creado.</translation>
    </message>
    <message>
        <source>Export your movies to a comma delimited file.</source>
        <translation>Exporte sus películas a un archivo delimitado por comas.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Overwrite Warning</source>
        <translation>Aviso de sobrescritura</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Overwrite?</source>
        <translation>«%1» ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Exportación completada</translation>
    </message>
    <message>
        <source>Exporting to %1</source>
        <translation>Exportando a %1</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Exportación cancelada</translation>
    </message>
    <message>
        <source>

Their pictures (%1) are in the folder beside the file.</source>
        <translation>

Sus imágenes (%L1) están en la carpeta junto al archivo.</translation>
    </message>
</context>
<context>
    <name>ui::FilmSiteDialog</name>
    <message>
        <source>IMDb Settings</source>
        <translation>Ajustes de IMDb</translation>
    </message>
    <message>
        <source>Select the website that you want to link to whenever you click on the IMDb button.</source>
        <translation>Seleccione el sitio web que se abrirá cada vez que haga clic en el botón IMDb.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ui::FilmSitePicture</name>
    <message>
        <source>Look it up on the film web site</source>
        <translation>Consultarla en el sitio web de películas</translation>
    </message>
</context>
<context>
    <name>ui::FilterLine</name>
    <message>
        <source>Filter movies (Ctrl+F)</source>
        <translation>Filtrar películas (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter movies</source>
        <translation>Filtrar películas</translation>
    </message>
</context>
<context>
    <name>ui::GenreSearchDialog</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Enter a genre to search for.</source>
        <translation>Elija un género para buscar.</translation>
    </message>
    <message>
        <source>No movies have the genres you selected.</source>
        <translation>Ninguna película tiene los géneros seleccionados.</translation>
    </message>
</context>
<context>
    <name>ui::ImportDialog</name>
    <message>
        <source>Import Movies</source>
        <translation>Importar películas</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%L1 películas importadas.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1 movies imported before it stopped.</source>
        <translation>La importación se canceló. %L1 películas importadas antes de detenerse.</translation>
    </message>
    <message>
        <source>The import stopped at line %1 of &apos;%2&apos;:

%3

Movies imported before that line: %4. Nothing of that line or the lines after it was imported.</source>
        <translation>La importación se detuvo en la línea %L1 de «%2»:

%3

Películas importadas antes de esa línea: %L4. No se importó nada de esa línea ni de las siguientes.</translation>
    </message>
    <message>
        <source>Import your movies from a comma delimited file.</source>
        <translation>Importe sus películas desde un archivo delimitado por comas.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a movie file.</source>
        <translation>«%1» es %2, no un archivo de películas.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>This file is not in the correct format.  To see a valid file layout,
examine the file created by the Export Movies option.</source>
        <translation>Este archivo no tiene el formato correcto.  Para ver un formato válido,
examine el archivo creado por la opción «Exportar películas».</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Importación cancelada</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has changed since it was previewed. Nothing was imported; import it again to see what it holds now.</source>
        <translation>«%1» ha cambiado desde la vista previa. No se ha importado nada; impórtelo de nuevo para ver lo que contiene ahora.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>Importando %1</translation>
    </message>
</context>
<context>
    <name>ui::ImportPreviewDialog</name>
    <message>
        <source>genres</source>
        <translation>géneros</translation>
    </message>
    <message>
        <source>media</source>
        <translation>soportes</translation>
    </message>
    <message>
        <source>ratings</source>
        <translation>clasificaciones</translation>
    </message>
    <message>
        <source>storage locations</source>
        <translation>ubicaciones</translation>
    </message>
    <message>
        <source>actors</source>
        <translation>actores</translation>
    </message>
    <message>
        <source>Movies to add: %1
Movies to update (a movie of the same title is in the catalogue): %2</source>
        <translation>Películas que se añadirán: %1
Películas que se actualizarán (hay una película del mismo título en el catálogo): %2</translation>
    </message>
    <message>
        <source>New %1: %2</source>
        <translation>Nuevos elementos en %1: %L2</translation>
    </message>
    <message>
        <source>
Lines %1%2.</source>
        <translation>
Líneas %1%2.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Import Preview</source>
        <translation>Vista previa de la importación</translation>
    </message>
    <message>
        <source>What the import adds and passes over</source>
        <translation>Lo que la importación añade y omite</translation>
    </message>
</context>
<context>
    <name>ui::KeepChoiceDialog</name>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ui::ListMerge</name>
    <message>
        <source>Click on the entries to merge, holding Ctrl to add each one after the first.</source>
        <translation>Haga clic en las entradas que quiere combinar, manteniendo Ctrl para añadir cada una después de la primera.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be merged into itself.  Hold Ctrl and click the entries to merge into it as well.</source>
        <translation>«%1» no se puede combinar consigo mismo.  Mantenga pulsado Ctrl y haga clic también en las entradas que se combinarán en él.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>movie</source>
        <translation>película</translation>
    </message>
    <message>
        <source>movies</source>
        <translation>películas</translation>
    </message>
    <message>
        <source>Merge into</source>
        <translation>Combinar en</translation>
    </message>
    <message>
        <source>&amp;Keep this entry.  The movies of the others will use it instead, and the others will be deleted:</source>
        <translation>&amp;Conservar esta entrada.  Las películas de las demás la usarán en su lugar, y las demás se eliminarán:</translation>
    </message>
    <message>
        <source>Merge complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message>
        <source>%1 merged into &apos;%2&apos;.  %3 changed.</source>
        <translation>%1 combinado(s) en «%2».  %3 modificado(s).</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>entradas</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open movie database..</source>
        <translation>&amp;Abrir base de datos de películas..</translation>
    </message>
    <message>
        <source>&amp;Add Movie</source>
        <translation>Añadir &amp;película</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>&amp;Eliminar película</translation>
    </message>
    <message>
        <source>&amp;Next Movie</source>
        <translation>Película &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Movie</source>
        <translation>Película an&amp;terior</translation>
    </message>
    <message>
        <source>Publish as &amp;web page..</source>
        <translation>Publicar como página &amp;web..</translation>
    </message>
    <message>
        <source>&amp;Printer setup..</source>
        <translation>Configurar &amp;impresora..</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Title search..</source>
        <translation>Buscar por &amp;título..</translation>
    </message>
    <message>
        <source>&amp;Actor search..</source>
        <translation>Buscar por &amp;actor..</translation>
    </message>
    <message>
        <source>&amp;Director search..</source>
        <translation>Buscar por &amp;director..</translation>
    </message>
    <message>
        <source>&amp;Genre search..</source>
        <translation>Buscar por &amp;género..</translation>
    </message>
    <message>
        <source>&amp;Movie # search..</source>
        <translation>Buscar por n.º de &amp;película..</translation>
    </message>
    <message>
        <source>La&amp;bel # search..</source>
        <translation>Buscar por n.º de &amp;etiqueta..</translation>
    </message>
    <message>
        <source>&amp;Location search..</source>
        <translation>Buscar por &amp;ubicación..</translation>
    </message>
    <message>
        <source>&amp;Notes search</source>
        <translation>Buscar en las &amp;notas</translation>
    </message>
    <message>
        <source>&amp;Producer search..</source>
        <translation>Buscar por p&amp;roductor..</translation>
    </message>
    <message>
        <source>&amp;Clear search</source>
        <translation>&amp;Borrar búsqueda</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>&amp;Movie listing..</source>
        <translation>&amp;Lista de películas..</translation>
    </message>
    <message>
        <source>Movie listing (by &amp;label #)..</source>
        <translation>Lista de películas (por n.º de &amp;etiqueta)..</translation>
    </message>
    <message>
        <source>Movie listing (by &amp;rating)..</source>
        <translation>Lista de películas (por &amp;clasificación)..</translation>
    </message>
    <message>
        <source>Movie listing (by medi&amp;a)..</source>
        <translation>Lista de películas (por &amp;soporte)..</translation>
    </message>
    <message>
        <source>Movie listing (&amp;detailed)..</source>
        <translation>Lista de películas (&amp;detallada)..</translation>
    </message>
    <message>
        <source>&amp;Inventory by location..</source>
        <translation>&amp;Inventario por ubicación..</translation>
    </message>
    <message>
        <source>&amp;Cost summary..</source>
        <translation>&amp;Resumen de costes..</translation>
    </message>
    <message>
        <source>Movies l&amp;ent out..</source>
        <translation>Películas &amp;prestadas..</translation>
    </message>
    <message>
        <source>Set&amp;up</source>
        <translation>C&amp;onfiguración</translation>
    </message>
    <message>
        <source>&amp;Actors..</source>
        <translation>&amp;Actores..</translation>
    </message>
    <message>
        <source>&amp;Genres (types)..</source>
        <translation>&amp;Géneros (tipos)..</translation>
    </message>
    <message>
        <source>&amp;Media..</source>
        <translation>&amp;Soportes..</translation>
    </message>
    <message>
        <source>&amp;Ratings..</source>
        <translation>&amp;Clasificaciones..</translation>
    </message>
    <message>
        <source>&amp;Storage locations..</source>
        <translation>&amp;Ubicaciones de almacenamiento..</translation>
    </message>
    <message>
        <source>&amp;Delete Unused actors..</source>
        <translation>&amp;Eliminar actores sin usar..</translation>
    </message>
    <message>
        <source>&amp;IMDb settings..</source>
        <translation>Ajustes de &amp;IMDb..</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Export to file..</source>
        <translation>&amp;Exportar a archivo..</translation>
    </message>
    <message>
        <source>&amp;Import from file..</source>
        <translation>&amp;Importar desde archivo..</translation>
    </message>
    <message>
        <source>Import from &amp;another catalogue..</source>
        <translation>Importar desde &amp;otro catálogo..</translation>
    </message>
    <message>
        <source>&amp;Repair data..</source>
        <translation>&amp;Reparar datos..</translation>
    </message>
    <message>
        <source>&amp;Check label numbers..</source>
        <translation>&amp;Comprobar números de etiqueta..</translation>
    </message>
    <message>
        <source>&amp;Find duplicate movies..</source>
        <translation>Buscar películas &amp;duplicadas..</translation>
    </message>
    <message>
        <source>&amp;Start over..</source>
        <translation>Empezar de &amp;nuevo..</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>A&amp;cerca de..</translation>
    </message>
    <message>
        <source>Add New Movie</source>
        <translation>Añadir película nueva</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Eliminar película</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menú contextual</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>&amp;Carátulas</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Movies in list: 0</source>
        <translation>Películas en la lista: 0</translation>
    </message>
    <message>
        <source>You are currently in search mode.  Press CTRL+Q to clear your current search.</source>
        <translation>Está en modo de búsqueda.  Pulse CTRL+Q para borrar la búsqueda actual.</translation>
    </message>
    <message>
        <source>Load movies</source>
        <translation>Cargando películas</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Borrar búsqueda</translation>
    </message>
    <message>
        <source>Your search no longer finds any movies.  Clear your search?</source>
        <translation>Su búsqueda ya no encuentra ninguna película.  ¿Borrar la búsqueda?</translation>
    </message>
    <message>
        <source>Movies on file: %1</source>
        <translation>Películas registradas: %L1</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Eliminar película</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>¿Añadir %1?</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; does not exist.  Add it?</source>
        <translation>%1 «%2» no existe.  ¿Añadir?</translation>
    </message>
    <message>
        <source>%1 must be a number.  &apos;%2&apos; is not one.</source>
        <translation>%1 debe ser un número.  «%2» no lo es.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The cost &apos;%1&apos; is not an amount of money.  Type an amount of at most 922,337,203,685,477.58.</source>
        <translation>El coste «%1» no es una cantidad de dinero.  Escriba una cantidad de como máximo 922.337.203.685.477,58.</translation>
    </message>
    <message>
        <source>Delete Warning</source>
        <translation>Aviso de eliminación</translation>
    </message>
    <message>
        <source>Delete movie &apos;%1&apos;?</source>
        <translation>¿Eliminar la película «%1»?</translation>
    </message>
    <message>
        <source>Exit Tallowmere Movie Database?</source>
        <translation>¿Salir de Tallowmere Movie Database?</translation>
    </message>
    <message>
        <source>Movies on file: 0</source>
        <translation>Películas registradas: 0</translation>
    </message>
    <message>
        <source>Open Movie Database</source>
        <translation>Abrir base de datos de películas</translation>
    </message>
    <message>
        <source>Enter the name of the movie database to open or create.  (Note: &apos;KIB&apos; is the standard database):</source>
        <translation>Escriba el nombre de la base de datos de películas que quiere abrir o crear.  (Nota: «KIB» es la base de datos estándar):</translation>
    </message>
    <message>
        <source>A catalogue name can have at most %1 letters and digits.</source>
        <translation>Un nombre de catálogo puede tener como máximo %1 letras y cifras.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; database opened.</source>
        <translation>Base de datos «%1» abierta.</translation>
    </message>
    <message>
        <source>  Click on Add Movie to begin.</source>
        <translation>  Haga clic en «Añadir película» para empezar.</translation>
    </message>
    <message>
        <source>Movie changed</source>
        <translation>Película modificada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been changed by another program since it was shown here.

Save your changes over that change?

No shows the movie as it is stored now, without your changes; Cancel goes back to your changes.</source>
        <translation>«%1» ha sido modificada por otro programa desde que se mostró aquí.

¿Guardar sus cambios sobre ese cambio?

No muestra la película tal como está guardada ahora, sin sus cambios; Cancelar vuelve a sus cambios.</translation>
    </message>
    <message>
        <source>Movies on file: %1 of %2</source>
        <translation>Películas registradas: %1 de %2</translation>
    </message>
    <message>
        <source>Work is still going on.  Stop it and exit?</source>
        <translation>Todavía hay trabajo en curso.  ¿Detenerlo y salir?</translation>
    </message>
    <message>
        <source>
Nothing was stored.</source>
        <translation>
No se ha guardado nada.</translation>
    </message>
    <message>
        <source>This catalogue has no place for pictures yet.  Open it once more to bring it up to date, then add the picture again.</source>
        <translation>Este catálogo aún no tiene sitio para imágenes.  Ábralo una vez más para actualizarlo y luego vuelva a añadir la imagen.</translation>
    </message>
    <message>
        <source>Choose picture</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.webp)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Carátula</translation>
    </message>
</context>
<context>
    <name>ui::MaintenanceCommands</name>
    <message>
        <source>Repair</source>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Repair database?</source>
        <translation>¿Reparar la base de datos?</translation>
    </message>
    <message>
        <source>Repair complete</source>
        <translation>Reparación completada</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No se encontraron problemas.</translation>
    </message>
    <message>
        <source>%1 problems repaired.</source>
        <translation>%L1 problemas reparados.</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>¿Eliminar?</translation>
    </message>
    <message>
        <source>Delete all actors that are not currently used?</source>
        <translation>¿Eliminar todos los actores que no se usan actualmente?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>%1 actors deleted.</source>
        <translation>%L1 actores eliminados.</translation>
    </message>
    <message>
        <source>Check database</source>
        <translation>Comprobando la base de datos</translation>
    </message>
    <message>
        <source>Deleting unused actors</source>
        <translation>Eliminando actores sin usar</translation>
    </message>
</context>
<context>
    <name>ui::MovieFileDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Elegir el archivo</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>ui::MovieListModel</name>
    <message>
        <source>Movie #</source>
        <translation>N.º de película</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Label #</source>
        <translation>N.º de etiqueta</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
</context>
<context>
    <name>ui::PeerImportCommand</name>
    <message>
        <source>Import from another catalogue</source>
        <translation>Importar desde otro catálogo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file this program can import: it reads collections of the KDE collection manager (.tc), of GCstar (.gcs) and CSV files.</source>
        <translation>«%1» no es un archivo que este programa pueda importar: lee colecciones del gestor de colecciones de KDE (.tc), de GCstar (.gcs) y archivos CSV.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1 movies imported before it stopped.</source>
        <translation>La importación se canceló. %L1 películas importadas antes de detenerse.</translation>
    </message>
    <message>
        <source>%1 movies imported.</source>
        <translation>%L1 películas importadas.</translation>
    </message>
    <message>
        <source>

The import stopped: %1 Nothing of that movie or those after it was imported.</source>
        <translation>

La importación se detuvo: %1 No se importó nada de esa película ni de las siguientes.</translation>
    </message>
    <message>
        <source>Other catalogues&apos; files (*.tc *.xml *.gcs *.csv *.txt)</source>
        <translation>Archivos de otros catálogos (*.tc *.xml *.gcs *.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importando</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Importación cancelada</translation>
    </message>
    <message>
        <source>Import complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
</context>
<context>
    <name>ui::PreviewWindow</name>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Guardar como P&amp;DF</translation>
    </message>
    <message>
        <source>&amp;Save report file…</source>
        <translation>&amp;Guardar archivo de informe…</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Ajustar anchura</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ajustar página</translation>
    </message>
    <message>
        <source>Protected</source>
        <translation>Protegido</translation>
    </message>
    <message>
        <source>This report is password protected.  Please enter password:</source>
        <translation>Este informe está protegido con contraseña.  Escriba la contraseña:</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Report files (*.rpt)</source>
        <translation>Archivos de informe (*.rpt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The report could not be saved as &apos;%1&apos;.

%2</source>
        <translation>No se pudo guardar el informe como «%1».

%2</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
</context>
<context>
    <name>ui::PrintSetupDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Printer name:</source>
        <translation>Nombre de la impresora:</translation>
    </message>
    <message>
        <source># of copies:</source>
        <translation>N.º de copias:</translation>
    </message>
</context>
<context>
    <name>ui::PrintingWindow</name>
    <message>
        <source>Printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
</context>
<context>
    <name>ui::ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>ui::PublishCommand</name>
    <message>
        <source>Publish as web page</source>
        <translation>Publicar como página web</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds a web page already. Replace it?</source>
        <translation>«%1» ya contiene una página web. ¿Reemplazarla?</translation>
    </message>
    <message>
        <source>%1 movies published to &apos;%2&apos;.

Open the page in the web browser?</source>
        <translation>%L1 películas publicadas en «%2».

¿Abrir la página en el navegador web?</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Páginas web (*.html)</translation>
    </message>
    <message>
        <source>Publishing the web page</source>
        <translation>Publicando la página web</translation>
    </message>
</context>
<context>
    <name>ui::RecordView</name>
    <message>
        <source>Set &amp;Genres &gt;&gt;</source>
        <translation>Definir &amp;géneros &gt;&gt;</translation>
    </message>
    <message>
        <source>Add A&amp;ctor</source>
        <translation>Añadir a&amp;ctor</translation>
    </message>
    <message>
        <source>R&amp;emove Actor</source>
        <translation>&amp;Quitar actor</translation>
    </message>
    <message>
        <source>&amp;Add Movie</source>
        <translation>Añadir &amp;película</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>&amp;Eliminar película</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>G&amp;uardar cambios</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/aaaa</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Géneros:</translation>
    </message>
    <message>
        <source>Stars:</source>
        <translation>Estrellas:</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Label #:</source>
        <translation>N.º de etiqueta:</translation>
    </message>
    <message>
        <source>Cost ($):</source>
        <translation>Coste:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Productor:</translation>
    </message>
    <message>
        <source>Date acquired:</source>
        <translation>Fecha de adquisición:</translation>
    </message>
    <message>
        <source>Lent To:</source>
        <translation>Prestado a:</translation>
    </message>
    <message>
        <source>Date lent:</source>
        <translation>Fecha de préstamo:</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Actores:</translation>
    </message>
    <message>
        <source>My notes:</source>
        <translation>Mis notas:</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
</context>
<context>
    <name>ui::ReportSelectionDialog</name>
    <message>
        <source>Movie List by Rating</source>
        <translation>Lista de películas por clasificación</translation>
    </message>
    <message>
        <source>Select the ratings to print.  Click &apos;Print Report&apos; when ready or &apos;Cancel&apos; to quit.</source>
        <translation>Seleccione las clasificaciones que quiere imprimir.  Haga clic en «Imprimir informe» cuando esté listo o en «Cancelar» para salir.</translation>
    </message>
    <message>
        <source>Select one or more ratings to print.</source>
        <translation>Seleccione una o más clasificaciones para imprimir.</translation>
    </message>
    <message>
        <source>Movie Listing by Media</source>
        <translation>Lista de películas por soporte</translation>
    </message>
    <message>
        <source>Select the media formats to print.  Click &apos;Print Report&apos; when ready or &apos;Cancel&apos; to quit.</source>
        <translation>Seleccione los soportes que quiere imprimir.  Haga clic en «Imprimir informe» cuando esté listo o en «Cancelar» para salir.</translation>
    </message>
    <message>
        <source>Select one or more media formats to print.</source>
        <translation>Seleccione uno o más soportes para imprimir.</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Imprimir informe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>ui::ReportSession</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The report on the screen is being printed.  Wait until it is finished, or cancel it.</source>
        <translation>El informe de la pantalla se está imprimiendo.  Espere a que termine o cancélelo.</translation>
    </message>
    <message>
        <source>Another report is being built.  Wait until it is finished, or cancel it.</source>
        <translation>Se está creando otro informe.  Espere a que termine o cancélelo.</translation>
    </message>
</context>
<context>
    <name>ui::ReportWriting</name>
    <message>
        <source>Building Report</source>
        <translation>Creando el informe</translation>
    </message>
</context>
<context>
    <name>ui::SearchDialog</name>
    <message>
        <source>Search Genre</source>
        <translation>Buscar género</translation>
    </message>
    <message>
        <source>Select the genres that you want to find.</source>
        <translation>Seleccione los géneros que quiere encontrar.</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Search Title</source>
        <translation>Buscar título</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Enter the title of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Escriba el título de la película que busca.  Use * para representar cualquier grupo de letras y ? para representar una sola letra.</translation>
    </message>
    <message>
        <source>Enter a title to search for.</source>
        <translation>Escriba un título para buscar.</translation>
    </message>
    <message>
        <source>No movies match the title &apos;%1&apos;.</source>
        <translation>Ninguna película coincide con el título «%1».</translation>
    </message>
    <message>
        <source>Search Movie #</source>
        <translation>Buscar n.º de película</translation>
    </message>
    <message>
        <source>Movie #:</source>
        <translation>N.º de película:</translation>
    </message>
    <message>
        <source>Enter the # of the movie you want to find.</source>
        <translation>Escriba el n.º de la película que busca.</translation>
    </message>
    <message>
        <source>Enter a movie # to find.</source>
        <translation>Escriba un n.º de película para buscar.</translation>
    </message>
    <message>
        <source>No movies match the # %1.</source>
        <translation>Ninguna película coincide con el n.º %1.</translation>
    </message>
    <message>
        <source>Search Label Number</source>
        <translation>Buscar número de etiqueta</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>Enter the label number of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Escriba el número de etiqueta de la película que busca.  Use * para representar cualquier grupo de letras y ? para representar una sola letra.</translation>
    </message>
    <message>
        <source>Enter a label number to search.</source>
        <translation>Escriba un número de etiqueta para buscar.</translation>
    </message>
    <message>
        <source>No movies match the label number &apos;%1&apos;.</source>
        <translation>Ninguna película coincide con el número de etiqueta «%1».</translation>
    </message>
    <message>
        <source>Search Actor</source>
        <translation>Buscar actor</translation>
    </message>
    <message>
        <source>Actor:</source>
        <translation>Actor:</translation>
    </message>
    <message>
        <source>Enter the name of an actor to find the movies they appear in.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Escriba el nombre de un actor para encontrar las películas en las que aparece.  Use * para representar cualquier grupo de letras y ? para representar una sola letra.</translation>
    </message>
    <message>
        <source>Enter an actor to search for.</source>
        <translation>Escriba un actor para buscar.</translation>
    </message>
    <message>
        <source>No movies have an actor that matches &apos;%1&apos;.</source>
        <translation>Ninguna película tiene un actor que coincida con «%1».</translation>
    </message>
    <message>
        <source>&amp;Lookup Actor</source>
        <translation>&amp;Consultar actor</translation>
    </message>
    <message>
        <source>Search Director</source>
        <translation>Buscar director</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>Enter the director of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Escriba el director de la película que busca.  Use * para representar cualquier grupo de letras y ? para representar una sola letra.</translation>
    </message>
    <message>
        <source>Enter a director to search for.</source>
        <translation>Escriba un director para buscar.</translation>
    </message>
    <message>
        <source>No movies match the director &apos;%1&apos;.</source>
        <translation>Ninguna película coincide con el director «%1».</translation>
    </message>
    <message>
        <source>Search Producer</source>
        <translation>Buscar productor</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Productor:</translation>
    </message>
    <message>
        <source>Enter the producer of the movie you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Escriba el productor de la película que busca.  Use * para representar cualquier grupo de letras y ? para representar una sola letra.</translation>
    </message>
    <message>
        <source>Enter a producer to search for.</source>
        <translation>Escriba un productor para buscar.</translation>
    </message>
    <message>
        <source>No movies match the producer &apos;%1&apos;.</source>
        <translation>Ninguna película coincide con el productor «%1».</translation>
    </message>
    <message>
        <source>Search Location</source>
        <translation>Buscar ubicación</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Enter the name of the storage location of the movies you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Escriba el nombre de la ubicación de las películas que busca.  Use * para representar cualquier grupo de letras y ? para representar una sola letra.</translation>
    </message>
    <message>
        <source>Enter a location to search for.</source>
        <translation>Escriba una ubicación para buscar.</translation>
    </message>
    <message>
        <source>No movies have a location that matches &apos;%1&apos;.</source>
        <translation>Ninguna película tiene una ubicación que coincida con «%1».</translation>
    </message>
    <message>
        <source>&amp;Lookup Location</source>
        <translation>&amp;Consultar ubicación</translation>
    </message>
    <message>
        <source>Search Notes</source>
        <translation>Buscar en las notas</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Enter any notes you want to find.  Use * to represent any group of letters and ? to represent any one letter.</source>
        <translation>Escriba las notas que quiere encontrar.  Use * para representar cualquier grupo de letras y ? para representar una sola letra.</translation>
    </message>
    <message>
        <source>Enter notes to search for.</source>
        <translation>Escriba notas para buscar.</translation>
    </message>
    <message>
        <source>No movies match the notes &apos;%1&apos;.</source>
        <translation>Ninguna película coincide con las notas «%1».</translation>
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
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close: saves the shown movie and asks to exit</source>
        <translation>Cerrar: guarda la película mostrada y pregunta si salir</translation>
    </message>
    <message>
        <source>Alt+letter</source>
        <translation>Alt+letra</translation>
    </message>
    <message>
        <source>The menu or button whose caption has that letter underlined</source>
        <translation>El menú o el botón cuyo texto tiene esa letra subrayada</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down, Home, End</source>
        <translation>Arriba, Abajo, Re Pág, Av Pág, Inicio, Fin</translation>
    </message>
    <message>
        <source>Go to another movie and show it</source>
        <translation>Ir a otra película y mostrarla</translation>
    </message>
    <message>
        <source>A letter</source>
        <translation>Una letra</translation>
    </message>
    <message>
        <source>Go to the first title beginning with it</source>
        <translation>Ir al primer título que empieza por ella</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Add Movie</source>
        <translation>Añadir película</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Eliminar película</translation>
    </message>
    <message>
        <source>Add a name (in the actor picker: add a new actor)</source>
        <translation>Añadir un nombre (en el selector de actores: añadir un actor nuevo)</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Edit the selected name (in the actor picker: select it)</source>
        <translation>Editar el nombre seleccionado (en el selector de actores: seleccionarlo)</translation>
    </message>
    <message>
        <source>Delete the selected name</source>
        <translation>Eliminar el nombre seleccionado</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Cerrar la lista</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Re Pág, Av Pág</translation>
    </message>
    <message>
        <source>Previous and next page</source>
        <translation>Página anterior y siguiente</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Inicio, Fin</translation>
    </message>
    <message>
        <source>First and last page</source>
        <translation>Primera y última página</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Izquierda, Derecha, Arriba, Abajo</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Desplazar la página</translation>
    </message>
    <message>
        <source>Ctrl++, Ctrl+-</source>
        <translation>Ctrl++, Ctrl+-</translation>
    </message>
    <message>
        <source>Zoom in and out</source>
        <translation>Acercar y alejar</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Cerrar la vista previa</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Movie list</source>
        <translation>Lista de películas</translation>
    </message>
    <message>
        <source>Setup lists and pickers</source>
        <translation>Listas y selectores</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>ui::SplashWindow</name>
    <message>
        <source>Starting</source>
        <translation>Iniciando</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>ui::SpoolPrinting</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The report could not be printed on &apos;%1&apos;.  Check that the printer is ready, or choose another one in File &gt; Printer setup.</source>
        <translation>No se pudo imprimir el informe en «%1».  Compruebe que la impresora está lista o elija otra en Archivo &gt; Configurar impresora.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Imprimir a archivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file; it has been left as it is.</source>
        <translation>«%1» es %2, no un archivo; se ha dejado como está.</translation>
    </message>
</context>
<context>
    <name>ui::StartOverDialog</name>
    <message>
        <source>Start over (delete all data and start again)</source>
        <translation>Empezar de nuevo (eliminar todos los datos y volver a empezar)</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>0 movies on file</source>
        <translation>0 películas registradas</translation>
    </message>
    <message>
        <source>%1 movies on file</source>
        <translation>%L1 películas registradas</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You have selected nothing to reset.</source>
        <translation>No ha seleccionado nada que restablecer.</translation>
    </message>
    <message>
        <source>Reset database (delete all movies)?</source>
        <translation>¿Restablecer la base de datos (eliminar todas las películas)?</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>System reset.</source>
        <translation>Sistema restablecido.</translation>
    </message>
</context>
<context>
    <name>ui::UserGuide</name>
    <message>
        <source>Tallowmere Movie Database: user guide</source>
        <translation>Tallowmere Movie Database: guía del usuario</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The user guide could not be made from &apos;%1&apos;.</source>
        <translation>No se pudo crear la guía del usuario a partir de «%1».</translation>
    </message>
    <message>
        <source>No browser could open the user guide &apos;%1&apos;.</source>
        <translation>Ningún navegador pudo abrir la guía del usuario «%1».</translation>
    </message>
</context>
<context>
    <name>ui::lists::EditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&apos; already exists.  Please enter a unique name to add.</source>
        <translation>» ya existe.  Escriba un nombre que no esté en la lista.</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Merge into…</source>
        <translation>&amp;Combinar en…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Click on an item to edit.</source>
        <translation>Haga clic en un elemento para editarlo.</translation>
    </message>
    <message>
        <source>Click on an item to delete.</source>
        <translation>Haga clic en un elemento para eliminarlo.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message>
        <source> movies.</source>
        <translation> películas.</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListEntryModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
</context>
<context>
    <name>ui::lists::ListMember</name>
    <message>
        <source>Ratings</source>
        <translation>Clasificaciones</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Add Rating</source>
        <translation>Añadir clasificación</translation>
    </message>
    <message>
        <source>Edit Rating</source>
        <translation>Editar clasificación</translation>
    </message>
    <message>
        <source>Rating &apos;</source>
        <translation>Clasificación «</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cannot delete this rating.  It is used in </source>
        <translation>No se puede eliminar esta clasificación.  Se usa en </translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Géneros</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Add Genre</source>
        <translation>Añadir género</translation>
    </message>
    <message>
        <source>Edit Genre</source>
        <translation>Editar género</translation>
    </message>
    <message>
        <source>Genre &apos;</source>
        <translation>Género «</translation>
    </message>
    <message>
        <source>Cannot delete this genre.  It is used in </source>
        <translation>No se puede eliminar este género.  Se usa en </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Actores</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Actor</translation>
    </message>
    <message>
        <source>Add Actor</source>
        <translation>Añadir actor</translation>
    </message>
    <message>
        <source>Edit Actor</source>
        <translation>Editar actor</translation>
    </message>
    <message>
        <source>Actor &apos;</source>
        <translation>Actor «</translation>
    </message>
    <message>
        <source>Cannot delete this actor.  They are used in </source>
        <translation>No se puede eliminar este actor.  Se usa en </translation>
    </message>
    <message>
        <source>Medias</source>
        <translation>Soportes</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Añadir soporte</translation>
    </message>
    <message>
        <source>Edit Media</source>
        <translation>Editar soporte</translation>
    </message>
    <message>
        <source>Media &apos;</source>
        <translation>Soporte «</translation>
    </message>
    <message>
        <source>Cannot delete this media.  Is is used in </source>
        <translation>No se puede eliminar este soporte.  Se usa en </translation>
    </message>
    <message>
        <source>Storage Locations</source>
        <translation>Ubicaciones de almacenamiento</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Add Location</source>
        <translation>Añadir ubicación</translation>
    </message>
    <message>
        <source>Edit Location</source>
        <translation>Editar ubicación</translation>
    </message>
    <message>
        <source>Location &apos;</source>
        <translation>Ubicación «</translation>
    </message>
    <message>
        <source>Cannot delete this location.  Is is used in </source>
        <translation>No se puede eliminar esta ubicación.  Se usa en </translation>
    </message>
</context>
<context>
    <name>ui::lists::LookupDialog</name>
    <message>
        <source>Lookup </source>
        <translation>Consulta: </translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ui::lists::SelectActorDialog</name>
    <message>
        <source>Select Actor</source>
        <translation>Seleccionar actor</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Escriba para acotar la lista</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Actores</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>&amp;Add New Actor</source>
        <translation>&amp;Añadir actor nuevo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already in the list. Use it?</source>
        <translation>«%1» ya está en la lista. ¿Usarlo?</translation>
    </message>
</context>
<context>
    <name>ui::lists::SetGenreDialog</name>
    <message>
        <source>Set Genres</source>
        <translation>Definir géneros</translation>
    </message>
    <message>
        <source>Select the genres that best fit this movie.</source>
        <translation>Seleccione los géneros que mejor describen esta película.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
</context>
</TS>
