<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Panelcraft</source>
        <translation>Panelcraft</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;40&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;40&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>PANELCRAFT</source>
        <translation>PANELCRAFT</translation>
    </message>
    <message>
        <source>Turnwise Skins Modifier</source>
        <translation>Éditeur de skins Turnwise</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Panelcraft Support</source>
        <translation>Assistance Panelcraft</translation>
    </message>
    <message>
        <source>Turnwise Website</source>
        <translation>Site web de Turnwise</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No web browser could open %1.
You can copy the address into one yourself.</source>
        <translation>Aucun navigateur web n’a pu ouvrir %1.
Vous pouvez copier l’adresse vous-même dans un navigateur.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Logiciel libre sous licence GNU GPL, version 3 ou ultérieure</translation>
    </message>
</context>
<context>
    <name>BuildBar</name>
    <message>
        <source>Save &amp;as</source>
        <comment>caption of the new skin&apos;s name</comment>
        <translation>Enregistrer &amp;sous&#xa0;:</translation>
    </message>
    <message>
        <source>or leave blank to save with the same name</source>
        <translation>ou laisser vide pour garder le même nom</translation>
    </message>
    <message>
        <source>&amp;Create Skin</source>
        <translation>&amp;Créer le skin</translation>
    </message>
    <message>
        <source>Turnwise Panelcraft %1</source>
        <translation>Turnwise Panelcraft %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>stops the build of the skin</comment>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>BuildRun</name>
    <message>
        <source>The fonts and text sizes of &quot;%1&quot; were changed by an earlier build; choose the original skin to change them again</source>
        <translation>Les polices et tailles de texte de «&#xa0;%1&#xa0;» ont été modifiées par une création antérieure&#x202f;; choisissez le skin d’origine pour les modifier à nouveau</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; cannot hold its new text in the encoding %2; it was left as it is</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» ne peut pas contenir son nouveau texte dans l’encodage %2&#x202f;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>The rewritten layouts would take more than %1; a skin may unpack to at most that</source>
        <translation>Les fichiers de disposition réécrits dépasseraient %1&#x202f;; un skin décompressé ne peut pas dépasser cette taille</translation>
    </message>
    <message>
        <source>Lines between an earlier build&apos;s marks in &quot;%1&quot; are not what that build wrote; they were kept</source>
        <translation>Les lignes entre les marques d’une création antérieure dans «&#xa0;%1&#xa0;» ne sont pas ce qu’elle a écrit&#x202f;; elles ont été conservées</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; cannot hold its new text in the encoding %2; only what an earlier build added to it was taken out</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» ne peut pas contenir son nouveau texte dans l’encodage %2&#x202f;; seul ce qu’une création antérieure y avait ajouté a été retiré</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; cannot hold its new text in the encoding %2, and keeps browsers an earlier build restyled, which show rows of &quot;%3&quot; this build paints anew; save the layout as UTF-8 and build again</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» ne peut pas contenir son nouveau texte dans l’encodage %2 et garde des Browsers dont une création antérieure a modifié le style, qui montrent des lignes de pixels de «&#xa0;%3&#xa0;» que cette création repeint&#x202f;; enregistrez le fichier de disposition en UTF-8 et relancez la création</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1; give an output file with --output</source>
        <translation>%1&#x202f;; indiquez un fichier de sortie avec --output</translation>
    </message>
    <message>
        <source>--%1: there is no file &quot;%2&quot;</source>
        <translation>--%1&#xa0;: le fichier «&#xa0;%2&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>--icons and --icons-from cannot be combined</source>
        <translation>--icons et --icons-from ne peuvent pas être combinées</translation>
    </message>
    <message>
        <source>--icons takes default, alternative or white, not &quot;%1&quot;</source>
        <translation>--icons attend default, alternative ou white, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Restyles the file browser of a Turnwise skin and writes it as a new skin archive.
Prints the new archive&apos;s path; progress goes to standard error.
Exit status: 0 written, 1 build failed, 2 usage error. See also: man panelcraft-cli</source>
        <translation>Modifie le style du Browser d’un skin Turnwise et écrit le résultat dans une nouvelle archive de skin.
Affiche le chemin de la nouvelle archive&#x202f;; la progression s’affiche sur la sortie d’erreur standard.
Code de sortie&#xa0;: 0 écrit, 1 échec de la création, 2 erreur d’utilisation. Voir aussi&#xa0;: man panelcraft-cli</translation>
    </message>
    <message>
        <source>Output archive (default: &quot;&lt;name&gt; (Browser edit).zip&quot; in the skins folder).</source>
        <translation>Archive de sortie (par défaut&#xa0;: «&#xa0;&lt;name&gt; (Browser edit).zip&#xa0;» dans le dossier des skins).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Style table to apply; &quot;default&quot; or &quot;white&quot; for the built-in ones.</source>
        <translation>Table de style à appliquer&#x202f;; «&#xa0;default&#xa0;» ou «&#xa0;white&#xa0;» pour les tables intégrées.</translation>
    </message>
    <message>
        <source>Browser icons: default, alternative or white.</source>
        <translation>Icônes du Browser&#xa0;: default, alternative ou white.</translation>
    </message>
    <message>
        <source>set</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>Take the custom browser icons of another skin.</source>
        <translation>Reprendre les icônes personnalisées du Browser d’un autre skin.</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>zip</translation>
    </message>
    <message>
        <source>Add the browser in a floating window.</source>
        <translation>Ajouter le Browser dans une fenêtre flottante.</translation>
    </message>
    <message>
        <source>Add the floating windows of another skin.</source>
        <translation>Ajouter les fenêtres flottantes d’un autre skin.</translation>
    </message>
    <message>
        <source>Change the global skin font.</source>
        <translation>Modifier la police globale du skin.</translation>
    </message>
    <message>
        <source>family</source>
        <translation>famille</translation>
    </message>
    <message>
        <source>Scale text sizes (1-999).</source>
        <translation>Mettre à l’échelle la taille des textes (1–999).</translation>
    </message>
    <message>
        <source>pct</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>Leave the browser&apos;s colours, fonts and plugin zone unchanged.</source>
        <translation>Laisser inchangés les couleurs, les polices et la zone de plugin du Browser.</translation>
    </message>
    <message>
        <source>No progress output.</source>
        <translation>Ne pas afficher la progression.</translation>
    </message>
    <message>
        <source>The skin to restyle.</source>
        <translation>Le skin à modifier.</translation>
    </message>
    <message>
        <source>No skin archive was given</source>
        <translation>Aucune archive de skin n’a été indiquée</translation>
    </message>
    <message>
        <source>Give exactly one skin archive</source>
        <translation>Indiquez une seule archive de skin</translation>
    </message>
    <message>
        <source>Try &apos;panelcraft-cli --help&apos;.</source>
        <translation>Essayez «&#xa0;panelcraft-cli --help&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder: %1</source>
        <translation>Impossible de créer un dossier temporaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Draw the style from a base16 or base24 scheme or a GIMP palette instead of a profile.</source>
        <translation>Tirer le style d’un schéma base16 ou base24 ou d’une palette GIMP au lieu d’un profil.</translation>
    </message>
    <message>
        <source>Write the profile&apos;s colours as a base16 scheme (a GIMP palette when the name ends in .gpl) and build nothing.</source>
        <translation>Écrire les couleurs du profil comme schéma base16 (palette GIMP si le nom se termine par .gpl) sans créer de skin.</translation>
    </message>
    <message>
        <source>--scheme and --profile cannot be combined</source>
        <translation>--scheme et --profile ne peuvent pas être combinées</translation>
    </message>
    <message>
        <source>--export-scheme writes the scheme of a profile and takes no skin archive or --scheme</source>
        <translation>--export-scheme écrit le schéma d’un profil et n’accepte ni archive de skin ni --scheme</translation>
    </message>
    <message>
        <source>Browser line height (%1-%2, default %3).</source>
        <translation>Hauteur de ligne du Browser (%1–%2, %3 par défaut).</translation>
    </message>
</context>
<context>
    <name>CreateSkinPanel</name>
    <message>
        <source>Skin Files (*.zip)</source>
        <translation>Fichiers de skin (*.zip)</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder: %1</source>
        <translation>Impossible de créer un dossier temporaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select a Skin zip file</source>
        <translation>Sélectionner le fichier zip d’un skin</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; already exists.
Replace it with the new skin?</source>
        <translation>Le skin «&#xa0;%1&#xa0;» existe déjà.
Le remplacer par le nouveau skin&#x202f;?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé</translation>
    </message>
    <message>
        <source>Processing. Please wait ...</source>
        <translation>Traitement en cours. Veuillez patienter…</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>The skin could not be created.
%1</source>
        <translation>Le skin n’a pas pu être créé.
%1</translation>
    </message>
    <message>
        <source>Done !</source>
        <translation>Terminé&#x202f;!</translation>
    </message>
    <message>
        <source>Your Skin has been created successfully !
Select the %1 skin from Turnwise Settings-&gt;Interface tab</source>
        <translation>Votre skin a été créé avec succès&#x202f;!
Sélectionnez le skin %1 dans Turnwise, onglet Paramètres → Interface</translation>
    </message>
    <message>
        <source>

Not everything could be done as asked:
- </source>
        <translation>

Tout n’a pas pu être fait comme demandé&#xa0;:
- </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>No program could be found to show the folder &quot;%1&quot;</source>
        <translation>Aucun programme n’a été trouvé pour afficher le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Select a Skin zip file with Custom Browser Icons</source>
        <translation>Sélectionner le fichier zip d’un skin avec des icônes de Browser personnalisées</translation>
    </message>
    <message>
        <source>You have not selected any skin with Custom Icons</source>
        <translation>Vous n’avez sélectionné aucun skin avec des icônes personnalisées</translation>
    </message>
    <message>
        <source>Looking for custom icons ...</source>
        <translation>Recherche des icônes personnalisées…</translation>
    </message>
    <message>
        <source>Assign a keyboard or custom button as... show_window &apos;browserfloat&apos; to open/close the Floating Browser window</source>
        <translation>Affectez show_window &apos;browserfloat&apos; à une touche ou à un bouton personnalisé pour ouvrir/fermer la fenêtre flottante du Browser</translation>
    </message>
    <message>
        <source>Select a Skin zip file with Window</source>
        <translation>Sélectionner le fichier zip d’un skin avec des fenêtres flottantes</translation>
    </message>
    <message>
        <source>You have not selected any Window skin</source>
        <translation>Vous n’avez sélectionné aucun skin avec des fenêtres</translation>
    </message>
    <message>
        <source>Looking for floating windows ...</source>
        <translation>Recherche des fenêtres flottantes…</translation>
    </message>
    <message>
        <source>Selected Skin does not contain any floating Windows</source>
        <translation>Le skin sélectionné ne contient aucune fenêtre flottante</translation>
    </message>
    <message>
        <source>Select a Skin</source>
        <translation>Sélectionner un skin</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;The selected Turnwise &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Skin name&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; will appear here&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Le &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;nom du skin&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; Turnwise sélectionné apparaîtra ici&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;It&apos;s the first step you need to do to modify a skin. &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Click this button to get a File Dialog Window and &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;select the Turnwise Skin&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; you wish to modify&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;C’est la première étape pour modifier un skin. &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Cliquez sur ce bouton pour ouvrir une boîte de dialogue et &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;sélectionnez le skin Turnwise&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; à modifier&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Browser Icons</source>
        <translation>Icônes du Browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to have the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Default Browser Icons &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;in your skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sélectionnez cette option pour avoir les &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;icônes du Browser par défaut &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;dans votre skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to use the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;Alternative&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Browser Icons&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (found in several custom Turnwise Skins) in your modified Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sélectionnez cette option pour utiliser les &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;icônes &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;alternatives&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; du Browser&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (présentes dans plusieurs skins Turnwise personnalisés) dans votre skin modifié&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:black;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONS.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:black;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONS.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to use the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;White&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Browser Icons&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (inverted colors for White Browsers) in your modified Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sélectionnez cette option pour utiliser les &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;icônes &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;blanches&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; du Browser&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (couleurs inversées pour les Browsers blancs) dans votre skin modifié&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>White</source>
        <comment>icon set drawn for white browsers</comment>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:white;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONSWHITE.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:white;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONSWHITE.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to import &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Custom Browser Icons&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; from another skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sélectionnez cette option pour importer les &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;icônes personnalisées du Browser&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; d’un autre skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>From another Skin</source>
        <translation>D’un autre skin</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Displays the selected skin from which the Custom Browser Icons will be imported from.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Affiche le skin sélectionné dont les icônes personnalisées du Browser seront importées.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Opens a File Dialog Window to select a skin from which you want to import Custom Browser Icons&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Available only when the &amp;quot;From another Skin&amp;quot; option is selected&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Ouvre une boîte de dialogue pour sélectionner le skin dont vous voulez importer les icônes personnalisées du Browser&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Disponible seulement quand l’option «&#xa0;D’un autre skin&#xa0;» est sélectionnée&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Add Browser in a &amp;floating Window</source>
        <translation>Ajouter le Browser dans une fenêtre &amp;flottante</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;When enabled, an additional Browser will be added in a &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;floating Window&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Si cette option est activée, un Browser supplémentaire est ajouté dans une &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;fenêtre flottante&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Add a floating &amp;Window(s) from existing Skin</source>
        <translation>Ajouter les fenêtres flottantes d’un skin e&amp;xistant</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;When enabled, the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;floating Windows&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; of another Skin will be added to the modified Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Si cette option est activée, les &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;fenêtres flottantes&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; d’un autre skin sont ajoutées au skin modifié&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Skin :</source>
        <translation>Skin&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select a skin and &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;add its floating windows &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;to the modified skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sélectionnez un skin et &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;ajoutez ses fenêtres flottantes &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;au skin modifié&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Change the &amp;global skin font</source>
        <translation>Modifier la police &amp;globale du skin</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Enable to alter the size and the fonts of the modified skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Activez cette option pour modifier la taille et les polices du nouveau skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Choose a Font to use for the modified skin.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Will affect Browser if the &amp;quot;Change Browser Colors and Fonts&amp;quot; option is disabled&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Choisissez une police pour le skin modifié.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Elle s’applique aussi au Browser si l’option «&#xa0;Modifier les couleurs et les polices du Browser&#xa0;» est désactivée&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>icon set the program comes with</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Stopped: nothing was written</source>
        <translation>Arrêté&#xa0;: rien n’a été écrit</translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>Find a colour</source>
        <translation>Rechercher une couleur</translation>
    </message>
    <message>
        <source>No colour matches &quot;%1&quot;</source>
        <translation>Aucune couleur ne correspond à «&#xa0;%1&#xa0;»</translation>
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
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>%1 › %2</source>
        <translation>%1 › %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>réinitialiser</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>swatch</source>
        <translation>échantillon</translation>
    </message>
    <message>
        <source>font</source>
        <translation>police</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour this row can take</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une couleur que cette ligne accepte</translation>
    </message>
    <message>
        <source>Colours found</source>
        <translation>Couleurs trouvées</translation>
    </message>
    <message>
        <source>Clear the Search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>Change Browser Co&amp;lors and Fonts</source>
        <translation>Modifier les couleurs et les po&amp;lices du Browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Enable to&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; view &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;the Browser Colors and Fonts and &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;apply&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; the changes to the Browser of the modified skin.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Activez cette option pour&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; voir &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;les couleurs et polices du Browser et &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;appliquer&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; les modifications au Browser du skin modifié.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>&amp;Show Browser Preview</source>
        <translation>Afficher l’aperç&amp;u du Browser</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Show/Hide the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Browser Preview&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Afficher/masquer l’&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;aperçu du Browser&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Click to &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;reset &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;all Browser Colors and Fonts to the default values&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Cliquez pour &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;réinitialiser &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;toutes les couleurs et polices du Browser à leurs valeurs par défaut&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Scrollbar</source>
        <translation>Barre de défilement</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Prelisten</source>
        <translation>Pré-écoute</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Line Height</source>
        <translation>Hauteur de ligne</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Plugin</source>
        <translation>Plugin</translation>
    </message>
    <message>
        <source>Plugin Text</source>
        <translation>Texte du plugin</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>resets the line height</comment>
        <translation>Valeur par défaut</translation>
    </message>
</context>
<context>
    <name>EditorRows</name>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Reset Background color to its default value&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Réinitialiser la couleur de fond à sa valeur par défaut&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select a color for the&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Background&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; of the Browser&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sélectionnez une couleur pour le&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; fond&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; du Browser&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Click to make the background of the Browser transparent&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;the background graphics of the skin png will be visible&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Cliquez pour rendre le fond du Browser transparent&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;l’image de fond du PNG du skin sera visible&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Reset the background color of lines (when mouse is over), to its default value&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Réinitialiser la couleur de fond des lignes (survolées par la souris) à sa valeur par défaut&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select a color for the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;background&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; of the Browser&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; lines &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;when mouse is &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;over&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sélectionnez une couleur pour le &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;fond&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; des&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; lignes du Browser &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;quand la souris les &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;survole&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Weight : %1</source>
        <translation>Graisse&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Panelcraft</source>
        <translation>Panelcraft</translation>
    </message>
    <message>
        <source>Shift+F1</source>
        <translation>Shift+F1</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created. Profiles cannot be saved and skins cannot be created until it can.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé. Tant qu’il ne peut pas l’être, aucun profil ne peut être enregistré et aucun skin créé.</translation>
    </message>
    <message>
        <source>Normal vision</source>
        <translation>Vision normale</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deutéranopie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>Les enregistrer avant de fermer&#x202f;?</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Please wait for the skin to be created</source>
        <translation>Veuillez attendre la création du skin</translation>
    </message>
    <message>
        <source>Only a skin&apos;s .zip file, a profile or a colour scheme can be dropped here</source>
        <translation>Seul le fichier .zip d’un skin, un profil ou un schéma de couleurs peut être déposé ici</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: there is no such file.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: Panelcraft opens skins (.zip), profiles (.pcp) and colour schemes.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: Panelcraft ouvre les skins (.zip), les profils (.pcp) et les schémas de couleurs.</translation>
    </message>
    <message>
        <source>Browser &amp;Profile</source>
        <translation>Profil du &amp;Browser</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Sombre</translation>
    </message>
    <message>
        <source>&amp;Bright</source>
        <translation>&amp;Clair</translation>
    </message>
    <message>
        <source>Show &amp;Tooltips</source>
        <translation>Afficher les &amp;infobulles</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Panelcraft</translation>
    </message>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Qu’est-ce que c’est&#x202f;?</translation>
    </message>
    <message>
        <source>Open the Menus</source>
        <translation>Ouvrir les menus</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>List View</source>
        <translation>Vue en liste</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Sampler</translation>
    </message>
    <message>
        <source>          SAMPLER</source>
        <translation>          SAMPLER</translation>
    </message>
    <message>
        <source>BANK NAME</source>
        <translation>NOM DE BANQUE</translation>
    </message>
    <message>
        <source>♫</source>
        <translation>♫</translation>
    </message>
    <message>
        <source>          AUTOMIX</source>
        <translation>          AUTOMIX</translation>
    </message>
    <message>
        <source>Artist                                        Title                       </source>
        <translation>Artiste                                       Titre                       </translation>
    </message>
    <message>
        <source>  Column Header</source>
        <translation>  En-tête de colonne</translation>
    </message>
    <message>
        <source>Artist (playing in Automix)   Title                       </source>
        <translation>Artiste (en lecture dans l’Automix)   Titre                       </translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;45&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;45&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>  Remix :</source>
        <translation>  Remix&#xa0;:</translation>
    </message>
    <message>
        <source>  Year :</source>
        <translation>  Année&#xa0;:</translation>
    </message>
    <message>
        <source>  Album :</source>
        <translation>  Album&#xa0;:</translation>
    </message>
    <message>
        <source>  Genre :</source>
        <translation>  Genre&#xa0;:</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Track Title</source>
        <translation>Titre du morceau</translation>
    </message>
    <message>
        <source>Track Artist</source>
        <translation>Artiste du morceau</translation>
    </message>
    <message>
        <source>▶</source>
        <translation>▶</translation>
    </message>
    <message>
        <source>Plugin</source>
        <translation>Plugin</translation>
    </message>
    <message>
        <source>   Effect Name (deck x)</source>
        <translation>   Nom de l’effet (Deck x)</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Value x %</source>
        <translation>Valeur x&#xa0;%</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>FX.BUT</source>
        <translation>FX.BUT</translation>
    </message>
    <message>
        <source>Folder 1</source>
        <translation>Dossier 1</translation>
    </message>
    <message>
        <source>Folder 2</source>
        <translation>Dossier 2</translation>
    </message>
    <message>
        <source>Folder 3</source>
        <translation>Dossier 3</translation>
    </message>
    <message>
        <source>Folder 5</source>
        <translation>Dossier 5</translation>
    </message>
    <message>
        <source>Livefeedback recommends this track</source>
        <translation>Live Feedback recommande ce morceau</translation>
    </message>
    <message>
        <source>5 Files</source>
        <translation>5 fichiers</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>▼</source>
        <translation>▼</translation>
    </message>
    <message>
        <source>▲</source>
        <translation>▲</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Vue en grille</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;55&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;55&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Track&apos;s Artist</source>
        <translation>Artiste du morceau</translation>
    </message>
    <message>
        <source>Track&apos;s Title</source>
        <translation>Titre du morceau</translation>
    </message>
    <message>
        <source>  BPM :                                Length :</source>
        <translation>  BPM&#xa0;:                          Durée&#xa0;:</translation>
    </message>
    <message>
        <source>120.5</source>
        <translation>120,5</translation>
    </message>
    <message>
        <source>3:12</source>
        <translation>3:12</translation>
    </message>
    <message>
        <source>  Comment :</source>
        <translation>  Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>Track&apos;s comment</source>
        <translation>Commentaire du morceau</translation>
    </message>
    <message>
        <source>Track&apos;s Artist   (when mouse is over)</source>
        <translation>Artiste du morceau   (survol)</translation>
    </message>
    <message>
        <source>Track&apos;s Artist (when selected but not focus)</source>
        <translation>Artiste (sélectionné, sans focus)</translation>
    </message>
    <message>
        <source>Track&apos;s Artist (when selected and has focus)</source>
        <translation>Artiste (sélectionné, avec focus)</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Show the preview as people with a colour-vision deficiency see it</source>
        <translation>Afficher l’aperçu tel que le voient les personnes atteintes d’un trouble de la vision des couleurs</translation>
    </message>
    <message>
        <source>The Browser as the new skin shows it, one page for each of its views</source>
        <translation>Le Browser tel que le nouveau skin l’affiche, une page pour chacune de ses vues</translation>
    </message>
    <message>
        <source>View as</source>
        <translation>Voir comme</translation>
    </message>
</context>
<context>
    <name>ProfilesPanel</name>
    <message>
        <source>Profiles (*.pcp)</source>
        <translation>Profils (*.pcp)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Profils &amp;récents</translation>
    </message>
    <message>
        <source>Some lines of the profile were not used:
- </source>
        <translation>Certaines lignes du profil n’ont pas été utilisées&#xa0;:
- </translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>The Profile %1 is gone: it was moved or deleted outside Panelcraft.

Default Profile loaded</source>
        <translation>Le profil %1 a disparu&#xa0;: il a été déplacé ou supprimé hors de Panelcraft.

Profil par défaut chargé</translation>
    </message>
    <message>
        <source> (White Browser)</source>
        <translation> (Browser blanc)</translation>
    </message>
    <message>
        <source>Save them before they are replaced?</source>
        <translation>Les enregistrer avant qu’elles ne soient remplacées&#x202f;?</translation>
    </message>
    <message>
        <source>Select a Panelcraft Profile</source>
        <translation>Sélectionner un profil Panelcraft</translation>
    </message>
    <message>
        <source>The Profile could not be saved to %1
%2

Nothing was changed.</source>
        <translation>Le profil n’a pas pu être enregistré dans %1
%2

Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Profile saved: %1</source>
        <translation>Profil enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save your Panelcraft Profile</source>
        <translation>Enregistrer votre profil Panelcraft</translation>
    </message>
    <message>
        <source>Are you sure you want to delete Profile %1 ?</source>
        <translation>Voulez-vous vraiment supprimer le profil %1&#x202f;?</translation>
    </message>
    <message>
        <source>The Profile %1 could not be deleted:
%2</source>
        <translation>Le profil %1 n’a pas pu être supprimé&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Profile %1 deleted.

Default Profile loaded</source>
        <translation>Profil %1 supprimé.

Profil par défaut chargé</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>The Profile %1 is gone: it was moved or deleted outside Panelcraft.

It was taken off the recent Profiles.</source>
        <translation>Le profil %1 a disparu&#xa0;: il a été déplacé ou supprimé hors de Panelcraft.

Il a été retiré des profils récents.</translation>
    </message>
    <message>
        <source>The Browser Profile has unsaved edits.
%1</source>
        <translation>Le profil du Browser a des modifications non enregistrées.
%1</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <comment>built-in browser profile</comment>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <comment>built-in browser profile</comment>
        <translation>&amp;Blanc</translation>
    </message>
    <message>
        <source>&amp;Custom…</source>
        <translation>Pers&amp;onnalisé…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <comment>profile menu command; asks for a file</comment>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Su&amp;pprimer</translation>
    </message>
</context>
<context>
    <name>RowClipboard</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Copy Colour</source>
        <translation>&amp;Copier la couleur</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>C&amp;oller la couleur</translation>
    </message>
    <message>
        <source>&amp;Type Colour</source>
        <translation>&amp;Saisir la couleur</translation>
    </message>
</context>
<context>
    <name>RowSigns</name>
    <message>
        <source>Contrast %1:1 on %2: hard to read in the browser</source>
        <translation>Contraste %1:1 sur %2&#xa0;: difficile à lire dans le Browser</translation>
    </message>
    <message>
        <source>&quot;%1&quot; on the %2 page</source>
        <translation>«&#xa0;%1&#xa0;» sur la page %2</translation>
    </message>
    <message>
        <source>With %1, %2 and %3 are hard to tell apart (difference %4, CIEDE2000).</source>
        <translation>Pour une vision de type %1, %2 et %3 sont difficiles à distinguer (écart %4, CIEDE2000).</translation>
    </message>
</context>
<context>
    <name>SchemeActions</name>
    <message>
        <source>Open a Colour Scheme</source>
        <translation>Ouvrir un schéma de couleurs</translation>
    </message>
    <message>
        <source>Colour schemes (*.yaml *.yml *.gpl);;All files (*)</source>
        <translation>Schémas de couleurs (*.yaml *.yml *.gpl);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The scheme &quot;%1&quot; cannot be used.
%2</source>
        <translation>Le schéma «&#xa0;%1&#xa0;» ne peut pas être utilisé.
%2</translation>
    </message>
    <message>
        <source>Save them before a style is drawn from the scheme?</source>
        <translation>Les enregistrer avant de tirer un style du schéma&#x202f;?</translation>
    </message>
    <message>
        <source>Style from scheme</source>
        <translation>Style du schéma</translation>
    </message>
    <message>
        <source>Export the Style as a Scheme</source>
        <translation>Exporter le style comme schéma</translation>
    </message>
    <message>
        <source>base16 scheme (*.yaml);;GIMP palette (*.gpl)</source>
        <translation>Schéma base16 (*.yaml);;Palette GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>The scheme was not written.
%1</source>
        <translation>Le schéma n’a pas été écrit.
%1</translation>
    </message>
    <message>
        <source>Scheme exported: %1</source>
        <translation>Schéma exporté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Style from Sc&amp;heme File…</source>
        <translation>Style d’un &amp;fichier de schéma…</translation>
    </message>
    <message>
        <source>&amp;Export as Scheme…</source>
        <translation>E&amp;xporter comme schéma…</translation>
    </message>
</context>
<context>
    <name>ScreenReaderNames</name>
    <message>
        <source>Browse for the skin to restyle</source>
        <translation>Sélectionner le skin à modifier</translation>
    </message>
    <message>
        <source>Browse for the skin to take the icons from</source>
        <translation>Sélectionner le skin qui fournit les icônes</translation>
    </message>
    <message>
        <source>Browse for the skin to take the windows from</source>
        <translation>Sélectionner le skin qui fournit les fenêtres</translation>
    </message>
    <message>
        <source>Default Browser icons</source>
        <translation>Icônes du Browser par défaut</translation>
    </message>
    <message>
        <source>Alternative Browser icons</source>
        <translation>Icônes alternatives du Browser</translation>
    </message>
    <message>
        <source>White Browser icons</source>
        <translation>Icônes blanches du Browser</translation>
    </message>
    <message>
        <source>Browser icons from another skin</source>
        <translation>Icônes du Browser d’un autre skin</translation>
    </message>
    <message>
        <source>Choose the global skin font</source>
        <translation>Choisir la police globale du skin</translation>
    </message>
    <message>
        <source>Global font size in percent</source>
        <translation>Taille globale des polices en pourcentage</translation>
    </message>
    <message>
        <source>Line height in percent</source>
        <translation>Hauteur de ligne en pourcentage</translation>
    </message>
    <message>
        <source>Reset the line height</source>
        <translation>Réinitialiser la hauteur de ligne</translation>
    </message>
</context>
<context>
    <name>SkinStyles</name>
    <message>
        <source>Select a skin with the Browse button first.</source>
        <translation>Sélectionnez d’abord un skin avec le bouton «&#xa0;Parcourir&#xa0;».</translation>
    </message>
    <message>
        <source>Reading the skin&apos;s colours ...</source>
        <translation>Lecture des couleurs du skin…</translation>
    </message>
    <message>
        <source>Colours from skin</source>
        <translation>Couleurs du skin</translation>
    </message>
    <message>
        <source>Save them before a style is drawn from the skin?</source>
        <translation>Les enregistrer avant de tirer un style du skin&#x202f;?</translation>
    </message>
    <message>
        <source>Accent for the Style</source>
        <translation>Accent du style</translation>
    </message>
    <message>
        <source>Style from skin</source>
        <translation>Style du skin</translation>
    </message>
    <message>
        <source>&amp;Colours from Selected Skin</source>
        <translation>&amp;Couleurs du skin sélectionné</translation>
    </message>
    <message>
        <source>Style from Selected Skin &amp;with Accent…</source>
        <translation>Style du skin sélectionné a&amp;vec accent…</translation>
    </message>
    <message>
        <source>S&amp;tyle from Selected Skin</source>
        <translation>S&amp;tyle du skin sélectionné</translation>
    </message>
</context>
<context>
    <name>StyleEdit</name>
    <message>
        <source>Reset %1</source>
        <translation>Réinitialiser %1</translation>
    </message>
    <message>
        <source>Line height</source>
        <translation>Hauteur de ligne</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>%1 – couleur</translation>
    </message>
    <message>
        <source>%1 transparent</source>
        <translation>%1 – transparent</translation>
    </message>
    <message>
        <source>%1 font</source>
        <translation>%1 – police</translation>
    </message>
    <message>
        <source>Reset %1 font</source>
        <translation>%1 – réinitialiser la police</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>It&apos;s the first step you need to do to modify a skin. Click this button to get a File Dialog Window and select the Turnwise Skin you wish to modify</source>
        <translation>C’est la première étape pour modifier un skin. Cliquez sur ce bouton pour ouvrir une boîte de dialogue et sélectionnez le skin Turnwise à modifier</translation>
    </message>
    <message>
        <source>Select this option to have the Default Browser Icons in your skin</source>
        <translation>Sélectionnez cette option pour avoir les icônes du Browser par défaut dans votre skin</translation>
    </message>
    <message>
        <source>Test here what you see</source>
        <translation>Testez ici ce que vous voyez</translation>
    </message>
    <message>
        <source>Select this option to use the Alternative Browser Icons (found in several custom Turnwise Skins) in your modified Skin</source>
        <translation>Sélectionnez cette option pour utiliser les icônes alternatives du Browser (présentes dans plusieurs skins Turnwise personnalisés) dans votre skin modifié</translation>
    </message>
    <message>
        <source>Select this option to use the White Browser Icons (inverted colors for White Browsers) in your modified Skin</source>
        <translation>Sélectionnez cette option pour utiliser les icônes blanches du Browser (couleurs inversées pour les Browsers blancs) dans votre skin modifié</translation>
    </message>
    <message>
        <source>Select this option to import Custom Browser Icons from another skin</source>
        <translation>Sélectionnez cette option pour importer les icônes personnalisées du Browser d’un autre skin</translation>
    </message>
    <message>
        <source>Opens a File Dialog Window to select a skin from which you want to import Custom Browser Icons. Available only when the &apos;From another Skin&apos; option is selected</source>
        <translation>Ouvre une boîte de dialogue pour sélectionner le skin dont vous voulez importer les icônes personnalisées du Browser. Disponible seulement quand l’option «&#xa0;D’un autre skin&#xa0;» est sélectionnée</translation>
    </message>
    <message>
        <source>The selected skin does not include custom Browser Icons</source>
        <translation>Le skin sélectionné ne contient pas d’icônes personnalisées du Browser</translation>
    </message>
    <message>
        <source>Displays the selected skin from which the Custom Browser Icons will be imported from.</source>
        <translation>Affiche le skin sélectionné dont les icônes personnalisées du Browser seront importées.</translation>
    </message>
    <message>
        <source>When enabled, an additional Browser will be added in a floating Window</source>
        <translation>Si cette option est activée, un Browser supplémentaire est ajouté dans une fenêtre flottante</translation>
    </message>
    <message>
        <source>When enabled, the floating Windows of another Skin will be added to the modified Skin</source>
        <translation>Si cette option est activée, les fenêtres flottantes d’un autre skin sont ajoutées au skin modifié</translation>
    </message>
    <message>
        <source>Select a skin and add its floating windows to the modified skin</source>
        <translation>Sélectionnez un skin et ajoutez ses fenêtres flottantes au skin modifié</translation>
    </message>
    <message>
        <source>Assign a keyboard or custom button as show_window &apos;WindowName&apos; to open/close the floating window(s)</source>
        <translation>Affectez show_window &apos;WindowName&apos; à une touche ou à un bouton personnalisé pour ouvrir/fermer la ou les fenêtres flottantes</translation>
    </message>
    <message>
        <source>Enable to alter the size and the fonts of the modified skin</source>
        <translation>Activez cette option pour modifier la taille et les polices du nouveau skin</translation>
    </message>
    <message>
        <source>Choose a Font to use for the modified skin. Will affect Browser if the &apos;Change Browser Colors and Fonts&apos; option is disabled</source>
        <translation>Choisissez une police pour le skin modifié. Elle s’applique aussi au Browser si l’option «&#xa0;Modifier les couleurs et les polices du Browser&#xa0;» est désactivée</translation>
    </message>
    <message>
        <source>Enter a % value. Example: Value 110 will increase font size by 10%. Example: Value 95 will decrease font size by 5%. Leave blank for the Font to retain its current size</source>
        <translation>Saisissez une valeur en %. Exemple&#xa0;: la valeur 110 agrandit la police de 10&#xa0;%. Exemple&#xa0;: la valeur 95 la réduit de 5&#xa0;%. Laissez vide pour que la police garde sa taille actuelle</translation>
    </message>
    <message>
        <source>Click to reset all Browser Colors and Fonts to their default values</source>
        <translation>Cliquez pour réinitialiser toutes les couleurs et polices du Browser à leurs valeurs par défaut</translation>
    </message>
    <message>
        <source>Enable to view the Browser Colors and Fonts and apply the changes to the Browser of the modified skin.</source>
        <translation>Activez cette option pour voir les couleurs et polices du Browser et appliquer les modifications au Browser du skin modifié.</translation>
    </message>
    <message>
        <source>Show/Hide the Browser Preview</source>
        <translation>Afficher/masquer l’aperçu du Browser</translation>
    </message>
    <message>
        <source>Click to make the background of the Browser transparent.The background graphics of the skin png will be visible</source>
        <translation>Cliquez pour rendre le fond du Browser transparent. L’image de fond du PNG du skin sera visible</translation>
    </message>
    <message>
        <source>Select a color for the background of the Browser</source>
        <translation>Sélectionnez une couleur pour le fond du Browser</translation>
    </message>
    <message>
        <source>Reset Background color to its default value</source>
        <translation>Réinitialiser la couleur de fond à sa valeur par défaut</translation>
    </message>
    <message>
        <source>Select a color for the background of the Browser lines when mouse is over</source>
        <translation>Sélectionnez une couleur pour le fond des lignes du Browser survolées par la souris</translation>
    </message>
    <message>
        <source>Reset the background color of lines (when mouse is over), to its default value</source>
        <translation>Réinitialiser la couleur de fond des lignes (survolées par la souris) à sa valeur par défaut</translation>
    </message>
    <message>
        <source>Select a color as background for the alternate Browser lines</source>
        <translation>Sélectionnez une couleur de fond pour une ligne sur deux du Browser</translation>
    </message>
    <message>
        <source>Make the alternate Browser lines transparent (no Stripes)</source>
        <translation>Rendre transparente une ligne sur deux du Browser (sans rayures)</translation>
    </message>
    <message>
        <source>Reset the background color of the alternate Browser lines, to its default value</source>
        <translation>Réinitialiser la couleur de fond d’une ligne sur deux du Browser à sa valeur par défaut</translation>
    </message>
    <message>
        <source>Select a color as background for the alternate Browser lines, when mouse is over</source>
        <translation>Sélectionnez une couleur de fond pour une ligne sur deux du Browser, survolée par la souris</translation>
    </message>
    <message>
        <source>Write the modified skin: the selected skin with the options and the Browser Colors and Fonts chosen here</source>
        <translation>Écrire le skin modifié&#xa0;: le skin sélectionné avec les options, couleurs et polices du Browser choisies ici</translation>
    </message>
    <message>
        <source>The name of the modified skin. Leave blank to save with the same name</source>
        <translation>Le nom du skin modifié. Laissez vide pour enregistrer sous le même nom</translation>
    </message>
    <message>
        <source>Type a part of a row&apos;s name or a color value to find the row (Ctrl+F)</source>
        <translation>Saisissez une partie du nom d’une ligne ou une valeur de couleur pour trouver la ligne (Ctrl+F)</translation>
    </message>
    <message>
        <source>Choose a row to show it on its page</source>
        <translation>Choisissez une ligne pour l’afficher sur sa page</translation>
    </message>
    <message>
        <source>The Browser Colors and Fonts, one page for each part of the Browser</source>
        <translation>Les couleurs et polices du Browser, une page pour chaque partie du Browser</translation>
    </message>
    <message>
        <source>The size of the skin&apos;s fonts, in percent</source>
        <translation>La taille des polices du skin, en pourcentage</translation>
    </message>
    <message>
        <source>The height of the Browser lines, in percent</source>
        <translation>La hauteur des lignes du Browser, en pourcentage</translation>
    </message>
    <message>
        <source>Reset the line height to its default value</source>
        <translation>Réinitialiser la hauteur de ligne à sa valeur par défaut</translation>
    </message>
    <message>
        <source>Select a color for %1</source>
        <translation>Sélectionnez une couleur pour %1</translation>
    </message>
    <message>
        <source>Reset %1 to the default color</source>
        <translation>Réinitialiser %1 à sa couleur par défaut</translation>
    </message>
    <message>
        <source>Make %1 transparent</source>
        <translation>Rendre transparent&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select a font for %1</source>
        <translation>Sélectionnez une police pour %1</translation>
    </message>
    <message>
        <source>Reset %1 to the default font</source>
        <translation>Réinitialiser %1 à sa police par défaut</translation>
    </message>
    <message>
        <source>Stop creating the skin: nothing is written (Esc)</source>
        <translation>Arrêter la création du skin&#xa0;: rien n’est écrit (Échap)</translation>
    </message>
</context>
<context>
    <name>Unpacker</name>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be written outside the folder it is unpacked into</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» serait écrite hors du dossier où il est décompressé</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be unpacked</source>
        <translation>%1 est endommagé et ne peut pas être décompressé</translation>
    </message>
    <message>
        <source>%1 was refused: it unpacks to more than %2</source>
        <translation>%1 a été refusé&#xa0;: décompressé, il dépasse %2</translation>
    </message>
    <message>
        <source>%1 is not a zip file or cannot be read</source>
        <translation>%1 n’est pas un fichier zip ou ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be unpacked: the extra fields of its entries are inconsistent</source>
        <translation>%1 est endommagé et ne peut pas être décompressé&#xa0;: les champs supplémentaires de ses entrées sont incohérents</translation>
    </message>
    <message>
        <source>%1 holds no files</source>
        <translation>%1 ne contient aucun fichier</translation>
    </message>
    <message>
        <source>%1 was refused: it holds more than %2 entries</source>
        <translation>%1 a été refusé&#xa0;: il contient plus de %2 entrées</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; has a name that is not valid UTF-8</source>
        <translation>%1 a été refusé&#xa0;: le nom de son entrée «&#xa0;%2&#xa0;» n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; has a control character in its name</source>
        <translation>%1 a été refusé&#xa0;: le nom de son entrée «&#xa0;%2&#xa0;» contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; is a symbolic link</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» est un lien symbolique</translation>
    </message>
    <message>
        <source>%1 is password-protected; Panelcraft can only read skins without a password</source>
        <translation>%1 est protégé par un mot de passe&#x202f;; Panelcraft ne lit que les skins sans mot de passe</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; is compressed in a way Panelcraft cannot read (method %3)</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» est compressée d’une façon que Panelcraft ne sait pas lire (méthode %3)</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; appears twice</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» apparaît deux fois</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be unpacked onto the entry &quot;%3&quot;</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» serait décompressée sur l’entrée «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be unpacked onto a folder of the same name</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» serait décompressée sur un dossier du même nom</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be unpacked into the file &quot;%3&quot;</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» serait décompressée dans le fichier «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; is compressed with %3, which Panelcraft cannot unpack</source>
        <translation>%1 a été refusé&#xa0;: son entrée «&#xa0;%2&#xa0;» est compressée en %3, que Panelcraft ne sait pas décompresser</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Cannot remove &quot;%1&quot; from the work folder: %2</source>
        <translation>Impossible de retirer «&#xa0;%1&#xa0;» du dossier de travail&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Impossible de déplacer «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>archiveentry</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>archiverepack</name>
    <message>
        <source>%1 could not be read again while it was repacked</source>
        <translation>%1 n’a pas pu être relu lors du réempaquetage</translation>
    </message>
    <message>
        <source>the archive could not be started</source>
        <translation>l’archive n’a pas pu être créée</translation>
    </message>
    <message>
        <source>the archive could not be finished</source>
        <translation>l’archive n’a pas pu être terminée</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be unpacked</source>
        <translation>%1 est endommagé et ne peut pas être décompressé</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The new skin would unpack to more than %1</source>
        <translation>Le nouveau skin dépasserait %1 une fois décompressé</translation>
    </message>
    <message numerus="yes">
        <source>The new skin would hold %n entries; a skin may hold at most %1</source>
        <translation>
            <numerusform>Le nouveau skin aurait %n entrée&#x202f;; un skin peut en avoir au plus %1</numerusform>
            <numerusform>Le nouveau skin aurait %n entrées&#x202f;; un skin peut en avoir au plus %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>atomicwrite</name>
    <message>
        <source>Not all of the file could be written (is the disk full?)</source>
        <translation>Le fichier n’a pas pu être écrit en entier (le disque est-il plein&#x202f;?)</translation>
    </message>
</context>
<context>
    <name>browserblockreader</name>
    <message>
        <source>The skin&apos;s layout could not be read: %1 (line %2)</source>
        <translation>Le fichier de disposition du skin n’a pas pu être lu&#xa0;: %1 (ligne %2)</translation>
    </message>
    <message>
        <source>The skin&apos;s layout has no &lt;browser&gt; block to take colours from.</source>
        <translation>Le fichier de disposition du skin n’a pas de bloc &lt;browser&gt; dont tirer des couleurs.</translation>
    </message>
    <message>
        <source>No temporary folder could be made to unpack the skin.</source>
        <translation>Aucun dossier temporaire n’a pu être créé pour décompresser le skin.</translation>
    </message>
    <message>
        <source>The skin&apos;s layout %1 could not be read.</source>
        <translation>Le fichier de disposition %1 du skin n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>No layout of the skin has a &lt;browser&gt; block to take colours from.</source>
        <translation>Aucun fichier de disposition du skin n’a de bloc &lt;browser&gt; dont tirer des couleurs.</translation>
    </message>
</context>
<context>
    <name>commandlinehelp</name>
    <message>
        <source>Displays this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
</context>
<context>
    <name>imagecompositor</name>
    <message>
        <source>Cannot write the image &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire l’image «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>is damaged and cannot be decoded</source>
        <translation>est endommagée et ne peut pas être décodée</translation>
    </message>
    <message>
        <source>the image is empty</source>
        <translation>l’image est vide</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>imagelimits</name>
    <message>
        <source>%1 x %2 pixels; images may be at most %3 pixels on a side and %4 megapixels</source>
        <translation>%1 × %2 pixels&#x202f;; une image peut avoir au plus %3 pixels de côté et %4 mégapixels</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>est manquante</translation>
    </message>
    <message>
        <source>is not an image Panelcraft can read</source>
        <translation>n’est pas une image que Panelcraft sait lire</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>fait %1</translation>
    </message>
    <message>
        <source>is damaged and cannot be decoded</source>
        <translation>est endommagée et ne peut pas être décodée</translation>
    </message>
    <message>
        <source>is animated</source>
        <translation>est animée</translation>
    </message>
</context>
<context>
    <name>layoutfile</name>
    <message>
        <source>has a line longer than %1 characters</source>
        <translation>a une ligne de plus de %1 caractères</translation>
    </message>
    <message>
        <source>has more than %1 lines</source>
        <translation>a plus de %1 lignes</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>is in the encoding %1, which Panelcraft cannot read</source>
        <translation>est dans l’encodage %1, que Panelcraft ne sait pas lire</translation>
    </message>
    <message>
        <source>is not valid %1 text</source>
        <translation>n’est pas du texte %1 valide</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The Zip file doesn&apos;t contain any XML files</source>
        <translation>Le fichier zip ne contient aucun fichier XML</translation>
    </message>
</context>
<context>
    <name>outputname</name>
    <message>
        <source>&quot;%1&quot; cannot be used as a skin name</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de skin</translation>
    </message>
    <message>
        <source>The skin name &quot;%1&quot; cannot hold the character &quot;%2&quot;: choose a name without / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Le nom de skin «&#xa0;%1&#xa0;» ne peut pas contenir le caractère «&#xa0;%2&#xa0;»&#xa0;: choisissez un nom sans / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>The skin name &quot;%1...&quot; is too long for a file name</source>
        <translation>Le nom de skin «&#xa0;%1…&#xa0;» est trop long pour un nom de fichier</translation>
    </message>
    <message>
        <source>The skin name &quot;%1&quot; cannot end with a dot or a space</source>
        <translation>Le nom de skin «&#xa0;%1&#xa0;» ne peut pas finir par un point ou une espace</translation>
    </message>
</context>
<context>
    <name>regularfile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file but a device, a pipe or a socket</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire mais un périphérique, un tube ou une socket</translation>
    </message>
</context>
<context>
    <name>scheme</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the scheme ends without %1.</source>
        <translation>le schéma se termine sans %1.</translation>
    </message>
    <message>
        <source>%1 is not a colour of a base16 or base24 scheme.</source>
        <translation>%1 n’est pas une couleur d’un schéma base16 ou base24.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 figure deux fois.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; a colour is six hex digits such as 1d1f21.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une couleur&#x202f;; une couleur s’écrit en six chiffres hexadécimaux, comme 1d1f21.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour line (red, green and blue from 0 to 255, then a name).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une ligne de couleur (rouge, vert et bleu de 0 à 255, puis un nom).</translation>
    </message>
    <message>
        <source>the palette holds more than %1 colours.</source>
        <translation>la palette contient plus de %1 couleurs.</translation>
    </message>
    <message>
        <source>the palette holds no colours.</source>
        <translation>la palette ne contient aucune couleur.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a colour scheme is a few kilobytes.</source>
        <translation>Le fichier dépasse %1&#xa0;Ko&#x202f;; un schéma de couleurs ne fait que quelques kilo-octets.</translation>
    </message>
    <message>
        <source>The file is not valid %1 text.</source>
        <translation>Le fichier n’est pas un texte %1 valide.</translation>
    </message>
</context>
<context>
    <name>schemeyaml</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>this is neither a base16 or base24 scheme nor a GIMP palette.</source>
        <translation>ce n’est ni un schéma base16 ou base24 ni une palette GIMP.</translation>
    </message>
    <message>
        <source>&quot;\%1&quot; is no escape YAML knows.</source>
        <translation>«&#xa0;\%1&#xa0;» n’est pas une séquence d’échappement connue de YAML.</translation>
    </message>
    <message>
        <source>a bracket or quote opened here is not closed, or more text follows it.</source>
        <translation>une accolade, un crochet ou un guillemet ouvert ici n’est pas fermé, ou il est suivi d’autre texte.</translation>
    </message>
    <message>
        <source>the value of %1 is not closed or is followed by more text.</source>
        <translation>la valeur de %1 n’est pas fermée ou est suivie d’autre texte.</translation>
    </message>
    <message>
        <source>the alias *%1 has no anchor before it.</source>
        <translation>l’alias *%1 n’a aucune ancre avant lui.</translation>
    </message>
    <message>
        <source>the file nests collections more than %1 deep.</source>
        <translation>le fichier imbrique des collections sur plus de %1 niveaux.</translation>
    </message>
</context>
<context>
    <name>skinbuilder</name>
    <message>
        <source>The work folder &quot;%1&quot; is not an absolute path</source>
        <translation>Le dossier de travail «&#xa0;%1&#xa0;» n’est pas un chemin absolu</translation>
    </message>
    <message>
        <source>No skin was chosen to take custom icons from; the browser keeps its icons</source>
        <translation>Aucun skin n’a été choisi pour les icônes personnalisées&#x202f;; le Browser garde ses icônes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no usable custom browser icons; the browser keeps its icons</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucune icône de Browser personnalisée utilisable&#x202f;; le Browser garde ses icônes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not contain any floating windows; none were added</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucune fenêtre flottante&#x202f;; aucune n’a été ajoutée</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; %2; it was refused</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» %2&#x202f;; il a été refusé</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; %2; it was left as it is</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» %2&#x202f;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>The layouts name &quot;%1&quot; as added by an earlier build, but it is not what that build wrote; it was kept</source>
        <translation>Les fichiers de disposition désignent «&#xa0;%1&#xa0;» comme ajouté par une création antérieure, mais ce n’est plus ce qu’elle a écrit&#x202f;; il a été conservé</translation>
    </message>
    <message>
        <source>The skin&apos;s own &quot;%1&quot; was kept; the imported windows expect the image of that name from &quot;%2&quot;</source>
        <translation>L’image «&#xa0;%1&#xa0;» du skin a été conservée&#x202f;; les fenêtres importées attendent l’image du même nom venant de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; %2 when rewritten; it was refused</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» %2 une fois réécrit&#x202f;; il a été refusé</translation>
    </message>
    <message>
        <source>There was not enough memory to build the skin</source>
        <translation>Mémoire insuffisante pour créer le skin</translation>
    </message>
    <message>
        <source>No skin with floating windows was chosen; none were added</source>
        <translation>Aucun skin à fenêtres flottantes n’a été choisi&#x202f;; aucune n’a été ajoutée</translation>
    </message>
    <message numerus="yes">
        <source>Floating windows of &quot;%1&quot; left out for having no end: %n</source>
        <translation>
            <numerusform>%n fenêtre flottante de «&#xa0;%1&#xa0;» n’a pas de fin et a été laissée de côté</numerusform>
            <numerusform>%n fenêtres flottantes de «&#xa0;%1&#xa0;» n’ont pas de fin et ont été laissées de côté</numerusform>
        </translation>
    </message>
    <message>
        <source>An earlier build added &quot;%1&quot;, but a layout names it outside what that build added; it was kept</source>
        <translation>Une création antérieure a ajouté «&#xa0;%1&#xa0;», mais un fichier de disposition y fait référence en dehors de ce qu’elle a ajouté&#x202f;; il a été conservé</translation>
    </message>
    <message>
        <source>The skin image &quot;%1&quot; is not the one an earlier build grew; it was kept whole</source>
        <translation>L’image du skin «&#xa0;%1&#xa0;» n’est pas celle qu’une création antérieure a agrandie&#x202f;; elle a été conservée entière</translation>
    </message>
    <message>
        <source>Importing custom icons from %1</source>
        <translation>Importation des icônes personnalisées de %1</translation>
    </message>
    <message>
        <source>Unpacking %1</source>
        <translation>Décompression de %1</translation>
    </message>
    <message>
        <source>Unpacking floating windows from %1</source>
        <translation>Décompression des fenêtres flottantes de %1</translation>
    </message>
    <message>
        <source>Rewriting %1</source>
        <translation>Réécriture de %1</translation>
    </message>
    <message>
        <source>Painting %1</source>
        <translation>Dessin de %1</translation>
    </message>
    <message>
        <source>Packing %1</source>
        <translation>Empaquetage de %1</translation>
    </message>
</context>
<context>
    <name>skinbuildoptions</name>
    <message>
        <source>No name was given for the new skin</source>
        <translation>Aucun nom n’a été donné au nouveau skin</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file; choose a new name or an existing skin archive</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire&#x202f;; choisissez un nouveau nom ou une archive de skin existante</translation>
    </message>
    <message>
        <source>You have not selected a skin</source>
        <translation>Vous n’avez sélectionné aucun skin</translation>
    </message>
    <message>
        <source>Type the browser&apos;s line height as a whole percentage from 1 to 999</source>
        <translation>Saisissez la hauteur de ligne du Browser en pourcentage entier de 1 à 999</translation>
    </message>
    <message>
        <source>Type the global font size as a whole percentage from 1 to 999</source>
        <translation>Saisissez la taille globale des polices en pourcentage entier de 1 à 999</translation>
    </message>
</context>
<context>
    <name>skinimages</name>
    <message>
        <source>The skin image &quot;%1&quot; %2</source>
        <translation>L’image du skin «&#xa0;%1&#xa0;» %2</translation>
    </message>
    <message>
        <source>There was not enough memory to paint the skin image &quot;%1&quot;</source>
        <translation>Mémoire insuffisante pour dessiner l’image du skin «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The skin image &quot;%1&quot; would grow to %2</source>
        <translation>L’image du skin «&#xa0;%1&#xa0;» passerait à %2</translation>
    </message>
    <message>
        <source>points outside the skin</source>
        <translation>désigne un emplacement hors du skin</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>est manquante</translation>
    </message>
    <message>
        <source>The skin image &quot;%1&quot; %2; its layout keeps its browser and icons</source>
        <translation>L’image du skin «&#xa0;%1&#xa0;» %2&#x202f;; son fichier de disposition garde son Browser et ses icônes</translation>
    </message>
</context>
<context>
    <name>skinpalette</name>
    <message>
        <source>No temporary folder could be made to read the skin.</source>
        <translation>Aucun dossier temporaire n’a pu être créé pour lire le skin.</translation>
    </message>
    <message>
        <source>The skin&apos;s layouts name no images to take colours from.</source>
        <translation>Les fichiers de disposition du skin ne nomment aucune image dont tirer des couleurs.</translation>
    </message>
    <message>
        <source>The skin&apos;s images hold no visible pixels to take colours from.</source>
        <translation>Les images du skin n’ont aucun pixel visible dont tirer des couleurs.</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Restyles the file browser of Turnwise skins in a window.
See also: panelcraft-cli --help</source>
        <translation>Modifie le style du Browser des skins Turnwise dans une fenêtre.
Voir aussi&#xa0;: panelcraft-cli --help</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>Skins (.zip), profiles (.pcp) or colour schemes to open.</source>
        <translation>Skins (.zip), profils (.pcp) ou schémas de couleurs à ouvrir.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[fichiers…]</translation>
    </message>
</context>
<context>
    <name>stylekeys</name>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Icon Background</source>
        <translation>Fond des icônes</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Stripes</source>
        <translation>Rayures</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Survol</translation>
    </message>
    <message>
        <source>Stripes Over</source>
        <translation>Survol&#xa0;: rayures</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Text Over</source>
        <translation>Survol&#xa0;: texte</translation>
    </message>
    <message>
        <source>Text Selected</source>
        <translation>Sélection&#xa0;: texte</translation>
    </message>
    <message>
        <source>Text Focus</source>
        <translation>Focus&#xa0;: texte</translation>
    </message>
    <message>
        <source>Automix</source>
        <translation>Automix</translation>
    </message>
    <message>
        <source>Live Feedback</source>
        <translation>Live Feedback</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Button Active</source>
        <translation>Bouton actif</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Repère d’insertion</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Curseur</translation>
    </message>
    <message>
        <source>Stripes Selected</source>
        <translation>Sélection&#xa0;: rayures</translation>
    </message>
    <message>
        <source>Stripes Focus</source>
        <translation>Focus&#xa0;: rayures</translation>
    </message>
    <message>
        <source>Button Background</source>
        <translation>Bouton&#xa0;: fond</translation>
    </message>
    <message>
        <source>Button Selected</source>
        <translation>Bouton&#xa0;: sélection</translation>
    </message>
    <message>
        <source>Title Background</source>
        <translation>Fond du titre</translation>
    </message>
    <message>
        <source>Button Fill Start</source>
        <translation>Bouton&#xa0;: dégradé début</translation>
    </message>
    <message>
        <source>Button Fill End</source>
        <translation>Bouton&#xa0;: dégradé fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Button Border</source>
        <translation>Bouton&#xa0;: bordure</translation>
    </message>
    <message>
        <source>But.Fill Select Start</source>
        <translation>Sélection&#xa0;: dégradé début</translation>
    </message>
    <message>
        <source>But.Fill Select End</source>
        <translation>Sélection&#xa0;: dégradé fin</translation>
    </message>
    <message>
        <source>But.Border Select</source>
        <translation>Sélection&#xa0;: bordure</translation>
    </message>
    <message>
        <source>But.Fill Over Start</source>
        <translation>Survol&#xa0;: dégradé début</translation>
    </message>
    <message>
        <source>But.Fill Over End</source>
        <translation>Survol&#xa0;: dégradé fin</translation>
    </message>
    <message>
        <source>But.Border Over</source>
        <translation>Survol&#xa0;: bordure</translation>
    </message>
    <message>
        <source>Knob Fill Start</source>
        <translation>Potentiomètre&#xa0;: dégradé début</translation>
    </message>
    <message>
        <source>Knob Fill End</source>
        <translation>Potentiomètre&#xa0;: dégradé fin</translation>
    </message>
    <message>
        <source>Knob Ring Fill</source>
        <translation>Anneau&#xa0;: remplissage</translation>
    </message>
    <message>
        <source>Knob Ring Border</source>
        <translation>Anneau&#xa0;: bordure</translation>
    </message>
    <message>
        <source>Knob Fader</source>
        <translation>Potentiomètre&#xa0;: fader</translation>
    </message>
    <message>
        <source>Title Text</source>
        <translation>Texte du titre</translation>
    </message>
    <message>
        <source>Knob Text</source>
        <translation>Texte du potentiomètre</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Texte du bouton</translation>
    </message>
    <message>
        <source>Button Text Over</source>
        <translation>Survol&#xa0;: texte</translation>
    </message>
    <message>
        <source>Button Text Select</source>
        <translation>Sélection&#xa0;: texte</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>En-têtes</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Grid Titles</source>
        <translation>Titres de la grille</translation>
    </message>
    <message>
        <source>Knob &amp; String</source>
        <translation>Potentiomètre &amp; texte</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
</context>
<context>
    <name>systemerror</name>
    <message>
        <source>No space left on device</source>
        <translation>Plus d’espace libre sur le disque</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>The file or folder is in use</source>
        <translation>Le fichier ou le dossier est en cours d’utilisation</translation>
    </message>
    <message>
        <source>System error: %1</source>
        <translation>Erreur système&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tablefile</name>
    <message>
        <source>Cannot read the profile &quot;%1&quot;</source>
        <translation>Impossible de lire le profil «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds a control character in the value of &quot;%2&quot;</source>
        <translation>Le profil «&#xa0;%1&#xa0;» contient un caractère de contrôle dans la valeur de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation>n’est pas une couleur</translation>
    </message>
    <message>
        <source>is not a whole size from 1 to 999</source>
        <translation>n’est pas une taille entière de 1 à 999</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot;: &quot;%2=%3&quot; %4; the default &quot;%5&quot; is kept</source>
        <translation>Le profil «&#xa0;%1&#xa0;»&#xa0;: «&#xa0;%2=%3&#xa0;» %4&#x202f;; la valeur par défaut «&#xa0;%5&#xa0;» est conservée</translation>
    </message>
</context>
<context>
    <name>writefailure</name>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>xmlrewriter</name>
    <message>
        <source>would grow beyond %1 MB</source>
        <translation>dépasserait %1&#xa0;Mo</translation>
    </message>
</context>
<context>
    <name>xmltokens</name>
    <message>
        <source>declares entities of its own</source>
        <translation>déclare ses propres entités</translation>
    </message>
    <message>
        <source>could not be read (line %1)</source>
        <translation>n’a pas pu être lu (ligne %1)</translation>
    </message>
    <message>
        <source>has more than %1 elements</source>
        <translation>a plus de %1 éléments</translation>
    </message>
    <message>
        <source>is not well-formed XML (line %1: %2)</source>
        <translation>n’est pas du XML bien formé (ligne %1&#xa0;: %2)</translation>
    </message>
</context>
</TS>
