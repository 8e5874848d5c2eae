<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Turnwise-Skin-Bearbeiter</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Panelcraft Support</source>
        <translation>Panelcraft-Support</translation>
    </message>
    <message>
        <source>Turnwise Website</source>
        <translation>Turnwise-Website</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No web browser could open %1.
You can copy the address into one yourself.</source>
        <translation>Kein Webbrowser konnte %1 öffnen.
Sie können die Adresse selbst in einen Webbrowser kopieren.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später</translation>
    </message>
</context>
<context>
    <name>BuildBar</name>
    <message>
        <source>Save &amp;as</source>
        <comment>caption of the new skin&apos;s name</comment>
        <translation>&amp;Speichern unter:</translation>
    </message>
    <message>
        <source>or leave blank to save with the same name</source>
        <translation>oder leer lassen für denselben Namen</translation>
    </message>
    <message>
        <source>&amp;Create Skin</source>
        <translation>Skin &amp;erstellen</translation>
    </message>
    <message>
        <source>Turnwise Panelcraft %1</source>
        <translation>Turnwise Panelcraft %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>stops the build of the skin</comment>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>BuildRun</name>
    <message>
        <source>The fonts and text sizes of &quot;%1&quot; were changed by an earlier build; choose the original skin to change them again</source>
        <translation>Schriften und Textgrößen von „%1“ wurden bei einer früheren Erstellung geändert; wählen Sie den ursprünglichen Skin, um sie erneut zu ändern</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; cannot hold its new text in the encoding %2; it was left as it is</source>
        <translation>Das Layout „%1“ kann seinen neuen Text in der Kodierung %2 nicht aufnehmen; es wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>The rewritten layouts would take more than %1; a skin may unpack to at most that</source>
        <translation>Die umgeschriebenen Layouts bräuchten mehr als %1; entpackt darf ein Skin höchstens so groß sein</translation>
    </message>
    <message>
        <source>Lines between an earlier build&apos;s marks in &quot;%1&quot; are not what that build wrote; they were kept</source>
        <translation>Die Zeilen zwischen den Markierungen einer früheren Erstellung in „%1“ weichen von dem ab, was diese Erstellung geschrieben hat; sie wurden behalten</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; cannot hold its new text in the encoding %2; only what an earlier build added to it was taken out</source>
        <translation>Das Layout „%1“ kann seinen neuen Text in der Kodierung %2 nicht aufnehmen; nur das, was eine frühere Erstellung hinzugefügt hatte, wurde entfernt</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; cannot hold its new text in the encoding %2, and keeps browsers an earlier build restyled, which show rows of &quot;%3&quot; this build paints anew; save the layout as UTF-8 and build again</source>
        <translation>Das Layout „%1“ kann seinen neuen Text in der Kodierung %2 nicht aufnehmen und behält Browser, die eine frühere Erstellung neu gestaltet hat; sie zeigen Pixelzeilen von „%3“, die diese Erstellung neu zeichnet. Speichern Sie das Layout als UTF-8 und erstellen Sie den Skin erneut</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1; give an output file with --output</source>
        <translation>%1; geben Sie mit --output eine Ausgabedatei an</translation>
    </message>
    <message>
        <source>--%1: there is no file &quot;%2&quot;</source>
        <translation>--%1: Die Datei „%2“ gibt es nicht</translation>
    </message>
    <message>
        <source>--icons and --icons-from cannot be combined</source>
        <translation>--icons und --icons-from können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--icons takes default, alternative or white, not &quot;%1&quot;</source>
        <translation>--icons erwartet default, alternative oder white, nicht „%1“</translation>
    </message>
    <message>
        <source>Restyles the file browser of a Turnwise skin and writes it as a new skin archive.
Prints the new archive&apos;s path; progress goes to standard error.
Exit status: 0 written, 1 build failed, 2 usage error. See also: man panelcraft-cli</source>
        <translation>Gestaltet den Browser eines Turnwise-Skins neu und schreibt das Ergebnis als neues Skin-Archiv.
Gibt den Pfad des neuen Archivs aus; Fortschrittsmeldungen erscheinen auf der Standardfehlerausgabe.
Rückgabewert: 0 geschrieben, 1 Erstellung fehlgeschlagen, 2 Aufruffehler. Siehe auch: man panelcraft-cli</translation>
    </message>
    <message>
        <source>Output archive (default: &quot;&lt;name&gt; (Browser edit).zip&quot; in the skins folder).</source>
        <translation>Ausgabearchiv (Standard: „&lt;name&gt; (Browser edit).zip“ im Skin-Ordner).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Style table to apply; &quot;default&quot; or &quot;white&quot; for the built-in ones.</source>
        <translation>Anzuwendende Stiltabelle; „default“ oder „white“ für die eingebauten.</translation>
    </message>
    <message>
        <source>Browser icons: default, alternative or white.</source>
        <translation>Browser-Symbole: default, alternative oder white.</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Take the custom browser icons of another skin.</source>
        <translation>Die eigenen Browser-Symbole eines anderen Skins übernehmen.</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>zip</translation>
    </message>
    <message>
        <source>Add the browser in a floating window.</source>
        <translation>Den Browser in einem schwebenden Fenster hinzufügen.</translation>
    </message>
    <message>
        <source>Add the floating windows of another skin.</source>
        <translation>Die schwebenden Fenster eines anderen Skins hinzufügen.</translation>
    </message>
    <message>
        <source>Change the global skin font.</source>
        <translation>Die globale Schrift des Skins ändern.</translation>
    </message>
    <message>
        <source>family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Scale text sizes (1-999).</source>
        <translation>Textgrößen skalieren (1–999).</translation>
    </message>
    <message>
        <source>pct</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Leave the browser&apos;s colours, fonts and plugin zone unchanged.</source>
        <translation>Farben, Schriften und Plugin-Bereich des Browsers unverändert lassen.</translation>
    </message>
    <message>
        <source>No progress output.</source>
        <translation>Keine Fortschrittsausgabe.</translation>
    </message>
    <message>
        <source>The skin to restyle.</source>
        <translation>Der neu zu gestaltende Skin.</translation>
    </message>
    <message>
        <source>No skin archive was given</source>
        <translation>Es wurde kein Skin-Archiv angegeben</translation>
    </message>
    <message>
        <source>Give exactly one skin archive</source>
        <translation>Geben Sie genau ein Skin-Archiv an</translation>
    </message>
    <message>
        <source>Try &apos;panelcraft-cli --help&apos;.</source>
        <translation>Siehe „panelcraft-cli --help“.</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder: %1</source>
        <translation>Ein temporärer Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Draw the style from a base16 or base24 scheme or a GIMP palette instead of a profile.</source>
        <translation>Den Stil aus einem base16- oder base24-Schema oder einer GIMP-Palette statt aus einem Profil ableiten.</translation>
    </message>
    <message>
        <source>Write the profile&apos;s colours as a base16 scheme (a GIMP palette when the name ends in .gpl) and build nothing.</source>
        <translation>Die Farben des Profils als base16-Schema schreiben (als GIMP-Palette, wenn der Name auf .gpl endet) und keinen Skin erstellen.</translation>
    </message>
    <message>
        <source>--scheme and --profile cannot be combined</source>
        <translation>--scheme und --profile können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--export-scheme writes the scheme of a profile and takes no skin archive or --scheme</source>
        <translation>--export-scheme schreibt das Schema eines Profils und nimmt weder ein Skin-Archiv noch --scheme an</translation>
    </message>
    <message>
        <source>Browser line height (%1-%2, default %3).</source>
        <translation>Zeilenhöhe des Browsers (%1–%2, Standard %3).</translation>
    </message>
</context>
<context>
    <name>CreateSkinPanel</name>
    <message>
        <source>Skin Files (*.zip)</source>
        <translation>Skin-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder: %1</source>
        <translation>Ein temporärer Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Select a Skin zip file</source>
        <translation>Skin-ZIP-Datei auswählen</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; already exists.
Replace it with the new skin?</source>
        <translation>Der Skin „%1“ existiert bereits.
Durch den neuen Skin ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Processing. Please wait ...</source>
        <translation>In Arbeit. Bitte warten…</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>The skin could not be created.
%1</source>
        <translation>Der Skin konnte nicht erstellt werden.
%1</translation>
    </message>
    <message>
        <source>Done !</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Your Skin has been created successfully !
Select the %1 skin from Turnwise Settings-&gt;Interface tab</source>
        <translation>Ihr Skin wurde erfolgreich erstellt!
Wählen Sie den Skin %1 in Turnwise unter Einstellungen → Oberfläche aus</translation>
    </message>
    <message>
        <source>

Not everything could be done as asked:
- </source>
        <translation>

Nicht alles konnte wie gewünscht ausgeführt werden:
- </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>No program could be found to show the folder &quot;%1&quot;</source>
        <translation>Es wurde kein Programm gefunden, das den Ordner „%1“ anzeigen kann</translation>
    </message>
    <message>
        <source>Select a Skin zip file with Custom Browser Icons</source>
        <translation>Skin-ZIP-Datei mit eigenen Browser-Symbolen auswählen</translation>
    </message>
    <message>
        <source>You have not selected any skin with Custom Icons</source>
        <translation>Sie haben keinen Skin mit eigenen Symbolen ausgewählt</translation>
    </message>
    <message>
        <source>Looking for custom icons ...</source>
        <translation>Suche nach eigenen Symbolen…</translation>
    </message>
    <message>
        <source>Assign a keyboard or custom button as... show_window &apos;browserfloat&apos; to open/close the Floating Browser window</source>
        <translation>Weisen Sie einer Taste oder einem eigenen Button show_window &apos;browserfloat&apos; zu, um das schwebende Browser-Fenster zu öffnen/schließen</translation>
    </message>
    <message>
        <source>Select a Skin zip file with Window</source>
        <translation>Skin-ZIP-Datei mit schwebenden Fenstern auswählen</translation>
    </message>
    <message>
        <source>You have not selected any Window skin</source>
        <translation>Sie haben keinen Skin mit Fenstern ausgewählt</translation>
    </message>
    <message>
        <source>Looking for floating windows ...</source>
        <translation>Suche nach schwebenden Fenstern…</translation>
    </message>
    <message>
        <source>Selected Skin does not contain any floating Windows</source>
        <translation>Der ausgewählte Skin enthält keine schwebenden Fenster</translation>
    </message>
    <message>
        <source>Select a Skin</source>
        <translation>Skin auswählen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;The selected Turnwise &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Skin name&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; will appear here&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Hier erscheint der Name des ausgewählten Turnwise-&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Skins&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;It&apos;s the first step you need to do to modify a skin. &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Click this button to get a File Dialog Window and &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;select the Turnwise Skin&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; you wish to modify&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Das ist der erste Schritt, um einen Skin zu ändern. &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Klicken Sie auf diese Schaltfläche, um einen Dateidialog zu öffnen, und &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;wählen Sie den Turnwise-Skin&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; aus, den Sie ändern möchten&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>D&amp;urchsuchen</translation>
    </message>
    <message>
        <source>Browser Icons</source>
        <translation>Browser-Symbole</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to have the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Default Browser Icons &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;in your skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie diese Option für die &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Standard-Browser-Symbole &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;in Ihrem Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to use the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;Alternative&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Browser Icons&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (found in several custom Turnwise Skins) in your modified Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie diese Option für die &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;alternativen&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Browser-Symbole&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (aus mehreren eigenen Turnwise-Skins) in Ihrem geänderten Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:black;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONS.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:black;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONS.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to use the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;White&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Browser Icons&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (inverted colors for White Browsers) in your modified Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie diese Option für die &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600; font-style:italic;&quot;&gt;weißen&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Browser-Symbole&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; (umgekehrte Farben für weiße Browser) in Ihrem geänderten Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>White</source>
        <comment>icon set drawn for white browsers</comment>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:white;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONSWHITE.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;style&gt;* {background-color:white;}&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;img src=&quot;:/myfiles/icons/ICONSWHITE.png&quot; width=&quot;300&quot;/&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select this option to import &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Custom Browser Icons&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; from another skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie diese Option, um &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;eigene Browser-Symbole&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; aus einem anderen Skin zu übernehmen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>From another Skin</source>
        <translation>Aus anderem Skin</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Displays the selected skin from which the Custom Browser Icons will be imported from.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Zeigt den ausgewählten Skin, aus dem die eigenen Browser-Symbole übernommen werden.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Opens a File Dialog Window to select a skin from which you want to import Custom Browser Icons&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Available only when the &amp;quot;From another Skin&amp;quot; option is selected&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Öffnet einen Dateidialog, um den Skin auszuwählen, aus dem Sie eigene Browser-Symbole übernehmen möchten&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Nur verfügbar, wenn die Option „Aus anderem Skin“ ausgewählt ist&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Add Browser in a &amp;floating Window</source>
        <translation>Browser &amp;in schwebendem Fenster hinzufügen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;When enabled, an additional Browser will be added in a &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;floating Window&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wenn diese Option aktiviert ist, wird ein zusätzlicher Browser in einem &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;schwebenden Fenster&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; hinzugefügt.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Add a floating &amp;Window(s) from existing Skin</source>
        <translation>Schwebende &amp;Fenster aus vorhandenem Skin hinzufügen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;When enabled, the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;floating Windows&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; of another Skin will be added to the modified Skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wenn diese Option aktiviert ist, werden die &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;schwebenden Fenster&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; eines anderen Skins zum geänderten Skin hinzugefügt&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Skin :</source>
        <translation>Skin:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select a skin and &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;add its floating windows &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;to the modified skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie einen Skin und &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;fügen Sie seine schwebenden Fenster &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;zum geänderten Skin hinzu&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Change the &amp;global skin font</source>
        <translation>&amp;Globale Skin-Schrift ändern</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Enable to alter the size and the fonts of the modified skin&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Aktivieren, um Größe und Schriften des geänderten Skins zu ändern&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Choose a Font to use for the modified skin.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Will affect Browser if the &amp;quot;Change Browser Colors and Fonts&amp;quot; option is disabled&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie eine Schrift für den geänderten Skin.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Gilt auch für den Browser, wenn die Option „Browser-Farben und -Schriften ändern“ ausgeschaltet ist&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>icon set the program comes with</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Stopped: nothing was written</source>
        <translation>Angehalten: Es wurde nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>Find a colour</source>
        <translation>Farbe suchen</translation>
    </message>
    <message>
        <source>No colour matches &quot;%1&quot;</source>
        <translation>Keine Farbe passt zu „%1“</translation>
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
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>%1 › %2</source>
        <translation>%1 › %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>zurücksetzen</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>swatch</source>
        <translation>Farbfeld</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour this row can take</source>
        <translation>„%1“ ist keine Farbe, die diese Zeile annehmen kann</translation>
    </message>
    <message>
        <source>Colours found</source>
        <translation>Gefundene Farben</translation>
    </message>
    <message>
        <source>Clear the Search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Change Browser Co&amp;lors and Fonts</source>
        <translation>Browser-Farben und -Schriften ä&amp;ndern</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Enable to&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; view &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;the Browser Colors and Fonts and &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;apply&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; the changes to the Browser of the modified skin.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Aktivieren, um die Browser-Farben und -Schriften zu&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; sehen &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;und die Änderungen auf den Browser des geänderten Skins &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;anzuwenden&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>&amp;Show Browser Preview</source>
        <translation>Browser-&amp;Vorschau anzeigen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Show/Hide the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Browser Preview&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Browser-Vorschau&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; anzeigen/ausblenden&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Click to &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;reset &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;all Browser Colors and Fonts to the default values&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Klicken, um alle Browser-Farben und -Schriften auf die Standardwerte &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;zurückzusetzen&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Scrollbar</source>
        <translation>Bildlaufleiste</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Prelisten</source>
        <translation>Vorhören</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Line Height</source>
        <translation>Zeilenhöhe</translation>
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
        <translation>Plugin-Text</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>resets the line height</comment>
        <translation>Standardwert</translation>
    </message>
</context>
<context>
    <name>EditorRows</name>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Reset Background color to its default value&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Hintergrundfarbe auf den Standardwert zurücksetzen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select a color for the&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Background&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; of the Browser&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie eine Farbe für den&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; Hintergrund&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; des Browsers&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Click to make the background of the Browser transparent&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;the background graphics of the skin png will be visible&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Klicken, um den Hintergrund des Browsers transparent zu machen&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;die Hintergrundgrafik aus dem PNG des Skins wird sichtbar&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Reset the background color of lines (when mouse is over), to its default value&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Hintergrundfarbe der Zeilen (im Hover-Zustand) auf den Standardwert zurücksetzen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Select a color for the &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;background&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; of the Browser&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt; lines &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;when mouse is &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;over&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Wählen Sie eine Farbe für den &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Hintergrund&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; der Browser-&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Zeilen &lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;im &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Hover-Zustand&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Weight : %1</source>
        <translation>Stärke: %1</translation>
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
        <translation>Der Ordner „%1“ konnte nicht angelegt werden. Bis dahin können keine Profile gespeichert und keine Skins erstellt werden.</translation>
    </message>
    <message>
        <source>Normal vision</source>
        <translation>Normales Sehen</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
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
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Please wait for the skin to be created</source>
        <translation>Bitte warten, bis der Skin erstellt ist</translation>
    </message>
    <message>
        <source>Only a skin&apos;s .zip file, a profile or a colour scheme can be dropped here</source>
        <translation>Hier kann nur die .zip-Datei eines Skins, ein Profil oder ein Farbschema abgelegt werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: there is no such file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: Panelcraft opens skins (.zip), profiles (.pcp) and colour schemes.</source>
        <translation>„%1“ kann nicht geöffnet werden: Panelcraft öffnet Skins (.zip), Profile (.pcp) und Farbschemata.</translation>
    </message>
    <message>
        <source>Browser &amp;Profile</source>
        <translation>Browser-&amp;Profil</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;Bright</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>Show &amp;Tooltips</source>
        <translation>Tooltips &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Panelcraft</translation>
    </message>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Was ist das?</translation>
    </message>
    <message>
        <source>Open the Menus</source>
        <translation>Menüs öffnen</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>List View</source>
        <translation>Listenansicht</translation>
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
        <translation>BANKNAME</translation>
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
        <translation>Interpret                                     Titel                       </translation>
    </message>
    <message>
        <source>  Column Header</source>
        <translation>  Spaltenkopf</translation>
    </message>
    <message>
        <source>Artist (playing in Automix)   Title                       </source>
        <translation>Interpret (läuft im Automix)   Titel                       </translation>
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
        <translation>  Remix:</translation>
    </message>
    <message>
        <source>  Year :</source>
        <translation>  Jahr:</translation>
    </message>
    <message>
        <source>  Album :</source>
        <translation>  Album:</translation>
    </message>
    <message>
        <source>  Genre :</source>
        <translation>  Genre:</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Track Title</source>
        <translation>Titel des Tracks</translation>
    </message>
    <message>
        <source>Track Artist</source>
        <translation>Interpret des Tracks</translation>
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
        <translation>   Effektname (Deck x)</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Value x %</source>
        <translation>Wert x&#xa0;%</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>FX.BUT</source>
        <translation>FX.BUT</translation>
    </message>
    <message>
        <source>Folder 1</source>
        <translation>Ordner 1</translation>
    </message>
    <message>
        <source>Folder 2</source>
        <translation>Ordner 2</translation>
    </message>
    <message>
        <source>Folder 3</source>
        <translation>Ordner 3</translation>
    </message>
    <message>
        <source>Folder 5</source>
        <translation>Ordner 5</translation>
    </message>
    <message>
        <source>Livefeedback recommends this track</source>
        <translation>Live-Feedback empfiehlt diesen Track</translation>
    </message>
    <message>
        <source>5 Files</source>
        <translation>5 Dateien</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
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
        <translation>Rasteransicht</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;55&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;img src=&quot;:/myfiles/quillologo.png&quot; width=&quot;55&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Track&apos;s Artist</source>
        <translation>Interpret des Tracks</translation>
    </message>
    <message>
        <source>Track&apos;s Title</source>
        <translation>Titel des Tracks</translation>
    </message>
    <message>
        <source>  BPM :                                Length :</source>
        <translation>  BPM:                             Länge:</translation>
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
        <translation>  Kommentar:</translation>
    </message>
    <message>
        <source>Track&apos;s comment</source>
        <translation>Kommentar zum Track</translation>
    </message>
    <message>
        <source>Track&apos;s Artist   (when mouse is over)</source>
        <translation>Interpret des Tracks   (Hover)</translation>
    </message>
    <message>
        <source>Track&apos;s Artist (when selected but not focus)</source>
        <translation>Interpret (ausgewählt, ohne Fokus)</translation>
    </message>
    <message>
        <source>Track&apos;s Artist (when selected and has focus)</source>
        <translation>Interpret (ausgewählt, mit Fokus)</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Show the preview as people with a colour-vision deficiency see it</source>
        <translation>Die Vorschau so anzeigen, wie Menschen mit einer Farbsehschwäche sie sehen</translation>
    </message>
    <message>
        <source>The Browser as the new skin shows it, one page for each of its views</source>
        <translation>Der Browser, wie der neue Skin ihn zeigt, mit einer Seite für jede seiner Ansichten</translation>
    </message>
    <message>
        <source>View as</source>
        <translation>Anzeigen als</translation>
    </message>
</context>
<context>
    <name>ProfilesPanel</name>
    <message>
        <source>Profiles (*.pcp)</source>
        <translation>Profile (*.pcp)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Some lines of the profile were not used:
- </source>
        <translation>Einige Zeilen des Profils wurden nicht verwendet:
- </translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>The Profile %1 is gone: it was moved or deleted outside Panelcraft.

Default Profile loaded</source>
        <translation>Das Profil %1 ist nicht mehr vorhanden: Es wurde außerhalb von Panelcraft verschoben oder gelöscht.

Standardprofil geladen</translation>
    </message>
    <message>
        <source> (White Browser)</source>
        <translation> (weißer Browser)</translation>
    </message>
    <message>
        <source>Save them before they are replaced?</source>
        <translation>Speichern, bevor sie ersetzt werden?</translation>
    </message>
    <message>
        <source>Select a Panelcraft Profile</source>
        <translation>Panelcraft-Profil auswählen</translation>
    </message>
    <message>
        <source>The Profile could not be saved to %1
%2

Nothing was changed.</source>
        <translation>Das Profil konnte nicht unter %1 gespeichert werden
%2

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Profile saved: %1</source>
        <translation>Profil gespeichert: %1</translation>
    </message>
    <message>
        <source>Save your Panelcraft Profile</source>
        <translation>Panelcraft-Profil speichern</translation>
    </message>
    <message>
        <source>Are you sure you want to delete Profile %1 ?</source>
        <translation>Möchten Sie das Profil %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>The Profile %1 could not be deleted:
%2</source>
        <translation>Das Profil %1 konnte nicht gelöscht werden:
%2</translation>
    </message>
    <message>
        <source>Profile %1 deleted.

Default Profile loaded</source>
        <translation>Profil %1 gelöscht.

Standardprofil geladen</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>The Profile %1 is gone: it was moved or deleted outside Panelcraft.

It was taken off the recent Profiles.</source>
        <translation>Das Profil %1 ist nicht mehr vorhanden: Es wurde außerhalb von Panelcraft verschoben oder gelöscht.

Es wurde aus den zuletzt geöffneten Profilen entfernt.</translation>
    </message>
    <message>
        <source>The Browser Profile has unsaved edits.
%1</source>
        <translation>Das Browser-Profil hat ungespeicherte Änderungen.
%1</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <comment>built-in browser profile</comment>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <comment>built-in browser profile</comment>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Custom…</source>
        <translation>&amp;Eigenes…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <comment>profile menu command; asks for a file</comment>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>RowClipboard</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Copy Colour</source>
        <translation>Farbe &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>Farbe &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Type Colour</source>
        <translation>Farbe als &amp;Text eingeben</translation>
    </message>
</context>
<context>
    <name>RowSigns</name>
    <message>
        <source>Contrast %1:1 on %2: hard to read in the browser</source>
        <translation>Kontrast %1:1 auf %2: im Browser schwer lesbar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; on the %2 page</source>
        <translation>„%1“ auf der Seite %2</translation>
    </message>
    <message>
        <source>With %1, %2 and %3 are hard to tell apart (difference %4, CIEDE2000).</source>
        <translation>Bei %1 sind %2 und %3 schwer zu unterscheiden (Abstand %4, CIEDE2000).</translation>
    </message>
</context>
<context>
    <name>SchemeActions</name>
    <message>
        <source>Open a Colour Scheme</source>
        <translation>Farbschema öffnen</translation>
    </message>
    <message>
        <source>Colour schemes (*.yaml *.yml *.gpl);;All files (*)</source>
        <translation>Farbschemata (*.yaml *.yml *.gpl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The scheme &quot;%1&quot; cannot be used.
%2</source>
        <translation>Das Schema „%1“ kann nicht verwendet werden.
%2</translation>
    </message>
    <message>
        <source>Save them before a style is drawn from the scheme?</source>
        <translation>Vor dem Ableiten eines Stils aus dem Schema speichern?</translation>
    </message>
    <message>
        <source>Style from scheme</source>
        <translation>Stil aus Schema</translation>
    </message>
    <message>
        <source>Export the Style as a Scheme</source>
        <translation>Stil als Farbschema exportieren</translation>
    </message>
    <message>
        <source>base16 scheme (*.yaml);;GIMP palette (*.gpl)</source>
        <translation>base16-Schema (*.yaml);;GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>The scheme was not written.
%1</source>
        <translation>Das Schema wurde nicht geschrieben.
%1</translation>
    </message>
    <message>
        <source>Scheme exported: %1</source>
        <translation>Schema exportiert: %1</translation>
    </message>
    <message>
        <source>Style from Sc&amp;heme File…</source>
        <translation>Stil aus Farbs&amp;chema-Datei…</translation>
    </message>
    <message>
        <source>&amp;Export as Scheme…</source>
        <translation>Als Farbschema e&amp;xportieren…</translation>
    </message>
</context>
<context>
    <name>ScreenReaderNames</name>
    <message>
        <source>Browse for the skin to restyle</source>
        <translation>Den zu ändernden Skin auswählen</translation>
    </message>
    <message>
        <source>Browse for the skin to take the icons from</source>
        <translation>Den Skin auswählen, dessen Symbole übernommen werden</translation>
    </message>
    <message>
        <source>Browse for the skin to take the windows from</source>
        <translation>Den Skin auswählen, dessen Fenster übernommen werden</translation>
    </message>
    <message>
        <source>Default Browser icons</source>
        <translation>Standard-Browser-Symbole</translation>
    </message>
    <message>
        <source>Alternative Browser icons</source>
        <translation>Alternative Browser-Symbole</translation>
    </message>
    <message>
        <source>White Browser icons</source>
        <translation>Weiße Browser-Symbole</translation>
    </message>
    <message>
        <source>Browser icons from another skin</source>
        <translation>Browser-Symbole aus anderem Skin</translation>
    </message>
    <message>
        <source>Choose the global skin font</source>
        <translation>Globale Skin-Schrift wählen</translation>
    </message>
    <message>
        <source>Global font size in percent</source>
        <translation>Globale Schriftgröße in Prozent</translation>
    </message>
    <message>
        <source>Line height in percent</source>
        <translation>Zeilenhöhe in Prozent</translation>
    </message>
    <message>
        <source>Reset the line height</source>
        <translation>Zeilenhöhe zurücksetzen</translation>
    </message>
</context>
<context>
    <name>SkinStyles</name>
    <message>
        <source>Select a skin with the Browse button first.</source>
        <translation>Wählen Sie zuerst mit „Durchsuchen“ einen Skin aus.</translation>
    </message>
    <message>
        <source>Reading the skin&apos;s colours ...</source>
        <translation>Farben des Skins werden gelesen…</translation>
    </message>
    <message>
        <source>Colours from skin</source>
        <translation>Farben aus Skin</translation>
    </message>
    <message>
        <source>Save them before a style is drawn from the skin?</source>
        <translation>Vor dem Ableiten eines Stils aus dem Skin speichern?</translation>
    </message>
    <message>
        <source>Accent for the Style</source>
        <translation>Akzent für den Stil</translation>
    </message>
    <message>
        <source>Style from skin</source>
        <translation>Stil aus Skin</translation>
    </message>
    <message>
        <source>&amp;Colours from Selected Skin</source>
        <translation>F&amp;arben aus ausgewähltem Skin</translation>
    </message>
    <message>
        <source>Style from Selected Skin &amp;with Accent…</source>
        <translation>Stil aus ausgewähltem Skin &amp;mit Akzent…</translation>
    </message>
    <message>
        <source>S&amp;tyle from Selected Skin</source>
        <translation>S&amp;til aus ausgewähltem Skin</translation>
    </message>
</context>
<context>
    <name>StyleEdit</name>
    <message>
        <source>Reset %1</source>
        <translation>%1 zurücksetzen</translation>
    </message>
    <message>
        <source>Line height</source>
        <translation>Zeilenhöhe</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>%1 – Farbe</translation>
    </message>
    <message>
        <source>%1 transparent</source>
        <translation>%1 – transparent</translation>
    </message>
    <message>
        <source>%1 font</source>
        <translation>%1 – Schrift</translation>
    </message>
    <message>
        <source>Reset %1 font</source>
        <translation>%1 – Schrift zurücksetzen</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>It&apos;s the first step you need to do to modify a skin. Click this button to get a File Dialog Window and select the Turnwise Skin you wish to modify</source>
        <translation>Das ist der erste Schritt, um einen Skin zu ändern. Klicken Sie auf diese Schaltfläche, um einen Dateidialog zu öffnen, und wählen Sie den Turnwise-Skin aus, den Sie ändern möchten</translation>
    </message>
    <message>
        <source>Select this option to have the Default Browser Icons in your skin</source>
        <translation>Wählen Sie diese Option für die Standard-Browser-Symbole in Ihrem Skin</translation>
    </message>
    <message>
        <source>Test here what you see</source>
        <translation>Testen Sie hier, was Sie sehen</translation>
    </message>
    <message>
        <source>Select this option to use the Alternative Browser Icons (found in several custom Turnwise Skins) in your modified Skin</source>
        <translation>Wählen Sie diese Option für die alternativen Browser-Symbole (aus mehreren eigenen Turnwise-Skins) in Ihrem geänderten Skin</translation>
    </message>
    <message>
        <source>Select this option to use the White Browser Icons (inverted colors for White Browsers) in your modified Skin</source>
        <translation>Wählen Sie diese Option für die weißen Browser-Symbole (umgekehrte Farben für weiße Browser) in Ihrem geänderten Skin</translation>
    </message>
    <message>
        <source>Select this option to import Custom Browser Icons from another skin</source>
        <translation>Wählen Sie diese Option, um eigene Browser-Symbole aus einem anderen Skin zu übernehmen</translation>
    </message>
    <message>
        <source>Opens a File Dialog Window to select a skin from which you want to import Custom Browser Icons. Available only when the &apos;From another Skin&apos; option is selected</source>
        <translation>Öffnet einen Dateidialog, um den Skin auszuwählen, aus dem Sie eigene Browser-Symbole übernehmen möchten. Nur verfügbar, wenn die Option „Aus anderem Skin“ ausgewählt ist</translation>
    </message>
    <message>
        <source>The selected skin does not include custom Browser Icons</source>
        <translation>Der ausgewählte Skin enthält keine eigenen Browser-Symbole</translation>
    </message>
    <message>
        <source>Displays the selected skin from which the Custom Browser Icons will be imported from.</source>
        <translation>Zeigt den ausgewählten Skin, aus dem die eigenen Browser-Symbole übernommen werden.</translation>
    </message>
    <message>
        <source>When enabled, an additional Browser will be added in a floating Window</source>
        <translation>Wenn diese Option aktiviert ist, wird ein zusätzlicher Browser in einem schwebenden Fenster hinzugefügt</translation>
    </message>
    <message>
        <source>When enabled, the floating Windows of another Skin will be added to the modified Skin</source>
        <translation>Wenn diese Option aktiviert ist, werden die schwebenden Fenster eines anderen Skins zum geänderten Skin hinzugefügt</translation>
    </message>
    <message>
        <source>Select a skin and add its floating windows to the modified skin</source>
        <translation>Wählen Sie einen Skin und fügen Sie seine schwebenden Fenster zum geänderten Skin hinzu</translation>
    </message>
    <message>
        <source>Assign a keyboard or custom button as show_window &apos;WindowName&apos; to open/close the floating window(s)</source>
        <translation>Weisen Sie einer Taste oder einem eigenen Button show_window &apos;WindowName&apos; zu, um die schwebenden Fenster zu öffnen/schließen</translation>
    </message>
    <message>
        <source>Enable to alter the size and the fonts of the modified skin</source>
        <translation>Aktivieren, um Größe und Schriften des geänderten Skins zu ändern</translation>
    </message>
    <message>
        <source>Choose a Font to use for the modified skin. Will affect Browser if the &apos;Change Browser Colors and Fonts&apos; option is disabled</source>
        <translation>Wählen Sie eine Schrift für den geänderten Skin. Gilt auch für den Browser, wenn die Option „Browser-Farben und -Schriften ändern“ ausgeschaltet ist</translation>
    </message>
    <message>
        <source>Enter a % value. Example: Value 110 will increase font size by 10%. Example: Value 95 will decrease font size by 5%. Leave blank for the Font to retain its current size</source>
        <translation>Geben Sie einen %-Wert ein. Beispiel: Der Wert 110 vergrößert die Schrift um 10&#xa0;%. Beispiel: Der Wert 95 verkleinert die Schrift um 5&#xa0;%. Leer lassen, damit die Schrift ihre Größe behält</translation>
    </message>
    <message>
        <source>Click to reset all Browser Colors and Fonts to their default values</source>
        <translation>Klicken, um alle Browser-Farben und -Schriften auf ihre Standardwerte zurückzusetzen</translation>
    </message>
    <message>
        <source>Enable to view the Browser Colors and Fonts and apply the changes to the Browser of the modified skin.</source>
        <translation>Aktivieren, um die Browser-Farben und -Schriften zu sehen und die Änderungen auf den Browser des geänderten Skins anzuwenden.</translation>
    </message>
    <message>
        <source>Show/Hide the Browser Preview</source>
        <translation>Browser-Vorschau anzeigen/ausblenden</translation>
    </message>
    <message>
        <source>Click to make the background of the Browser transparent.The background graphics of the skin png will be visible</source>
        <translation>Klicken, um den Hintergrund des Browsers transparent zu machen. Die Hintergrundgrafik aus dem PNG des Skins wird dann sichtbar</translation>
    </message>
    <message>
        <source>Select a color for the background of the Browser</source>
        <translation>Wählen Sie eine Farbe für den Hintergrund des Browsers</translation>
    </message>
    <message>
        <source>Reset Background color to its default value</source>
        <translation>Hintergrundfarbe auf den Standardwert zurücksetzen</translation>
    </message>
    <message>
        <source>Select a color for the background of the Browser lines when mouse is over</source>
        <translation>Wählen Sie eine Farbe für den Hintergrund der Browser-Zeilen im Hover-Zustand</translation>
    </message>
    <message>
        <source>Reset the background color of lines (when mouse is over), to its default value</source>
        <translation>Hintergrundfarbe der Zeilen (im Hover-Zustand) auf den Standardwert zurücksetzen</translation>
    </message>
    <message>
        <source>Select a color as background for the alternate Browser lines</source>
        <translation>Wählen Sie eine Hintergrundfarbe für jede zweite Browser-Zeile</translation>
    </message>
    <message>
        <source>Make the alternate Browser lines transparent (no Stripes)</source>
        <translation>Jede zweite Browser-Zeile transparent machen (keine Streifen)</translation>
    </message>
    <message>
        <source>Reset the background color of the alternate Browser lines, to its default value</source>
        <translation>Hintergrundfarbe jeder zweiten Browser-Zeile auf den Standardwert zurücksetzen</translation>
    </message>
    <message>
        <source>Select a color as background for the alternate Browser lines, when mouse is over</source>
        <translation>Wählen Sie eine Hintergrundfarbe für jede zweite Browser-Zeile im Hover-Zustand</translation>
    </message>
    <message>
        <source>Write the modified skin: the selected skin with the options and the Browser Colors and Fonts chosen here</source>
        <translation>Den geänderten Skin schreiben: den ausgewählten Skin mit den hier gewählten Optionen, Browser-Farben und -Schriften</translation>
    </message>
    <message>
        <source>The name of the modified skin. Leave blank to save with the same name</source>
        <translation>Der Name des geänderten Skins. Leer lassen, um unter demselben Namen zu speichern</translation>
    </message>
    <message>
        <source>Type a part of a row&apos;s name or a color value to find the row (Ctrl+F)</source>
        <translation>Geben Sie einen Teil des Namens einer Zeile oder einen Farbwert ein, um die Zeile zu finden (Strg+F)</translation>
    </message>
    <message>
        <source>Choose a row to show it on its page</source>
        <translation>Wählen Sie eine Zeile, um sie auf ihrer Seite anzuzeigen</translation>
    </message>
    <message>
        <source>The Browser Colors and Fonts, one page for each part of the Browser</source>
        <translation>Die Browser-Farben und -Schriften, eine Seite für jeden Teil des Browsers</translation>
    </message>
    <message>
        <source>The size of the skin&apos;s fonts, in percent</source>
        <translation>Die Größe der Schriften des Skins, in Prozent</translation>
    </message>
    <message>
        <source>The height of the Browser lines, in percent</source>
        <translation>Die Höhe der Browser-Zeilen, in Prozent</translation>
    </message>
    <message>
        <source>Reset the line height to its default value</source>
        <translation>Die Zeilenhöhe auf den Standardwert zurücksetzen</translation>
    </message>
    <message>
        <source>Select a color for %1</source>
        <translation>Wählen Sie eine Farbe für %1</translation>
    </message>
    <message>
        <source>Reset %1 to the default color</source>
        <translation>%1 auf die Standardfarbe zurücksetzen</translation>
    </message>
    <message>
        <source>Make %1 transparent</source>
        <translation>%1 transparent machen</translation>
    </message>
    <message>
        <source>Select a font for %1</source>
        <translation>Wählen Sie eine Schrift für %1</translation>
    </message>
    <message>
        <source>Reset %1 to the default font</source>
        <translation>%1 auf die Standardschrift zurücksetzen</translation>
    </message>
    <message>
        <source>Stop creating the skin: nothing is written (Esc)</source>
        <translation>Das Erstellen des Skins abbrechen: Es wird nichts geschrieben (Esc)</translation>
    </message>
</context>
<context>
    <name>Unpacker</name>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be written outside the folder it is unpacked into</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ würde außerhalb des Ordners geschrieben, in den entpackt wird</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be unpacked</source>
        <translation>%1 ist beschädigt und kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>%1 was refused: it unpacks to more than %2</source>
        <translation>%1 wurde abgelehnt: Entpackt ist es größer als %2</translation>
    </message>
    <message>
        <source>%1 is not a zip file or cannot be read</source>
        <translation>%1 ist keine ZIP-Datei oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be unpacked: the extra fields of its entries are inconsistent</source>
        <translation>%1 ist beschädigt und kann nicht entpackt werden: Die Zusatzfelder seiner Einträge sind widersprüchlich</translation>
    </message>
    <message>
        <source>%1 holds no files</source>
        <translation>%1 enthält keine Dateien</translation>
    </message>
    <message>
        <source>%1 was refused: it holds more than %2 entries</source>
        <translation>%1 wurde abgelehnt: Es enthält mehr als %2 Einträge</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; has a name that is not valid UTF-8</source>
        <translation>%1 wurde abgelehnt: Der Name seines Eintrags „%2“ ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; has a control character in its name</source>
        <translation>%1 wurde abgelehnt: Der Name seines Eintrags „%2“ enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; is a symbolic link</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>%1 is password-protected; Panelcraft can only read skins without a password</source>
        <translation>%1 ist passwortgeschützt; Panelcraft kann nur Skins ohne Passwort lesen</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; is compressed in a way Panelcraft cannot read (method %3)</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ ist auf eine Weise komprimiert, die Panelcraft nicht lesen kann (Methode %3)</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; appears twice</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be unpacked onto the entry &quot;%3&quot;</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ würde über den Eintrag „%3“ entpackt</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be unpacked onto a folder of the same name</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ würde über einen gleichnamigen Ordner entpackt</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; would be unpacked into the file &quot;%3&quot;</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ würde in die Datei „%3“ entpackt</translation>
    </message>
    <message>
        <source>%1 was refused: its entry &quot;%2&quot; is compressed with %3, which Panelcraft cannot unpack</source>
        <translation>%1 wurde abgelehnt: Sein Eintrag „%2“ ist mit %3 komprimiert, das Panelcraft nicht entpacken kann</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Cannot remove &quot;%1&quot; from the work folder: %2</source>
        <translation>„%1“ kann nicht aus dem Arbeitsordner entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>„%1“ kann nicht nach „%2“ verschoben werden: %3</translation>
    </message>
</context>
<context>
    <name>archiveentry</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>archiverepack</name>
    <message>
        <source>%1 could not be read again while it was repacked</source>
        <translation>%1 konnte beim Neupacken nicht erneut gelesen werden</translation>
    </message>
    <message>
        <source>the archive could not be started</source>
        <translation>das Archiv konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the archive could not be finished</source>
        <translation>das Archiv konnte nicht fertiggestellt werden</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be unpacked</source>
        <translation>%1 ist beschädigt und kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The new skin would unpack to more than %1</source>
        <translation>Der neue Skin wäre entpackt größer als %1</translation>
    </message>
    <message numerus="yes">
        <source>The new skin would hold %n entries; a skin may hold at most %1</source>
        <translation>
            <numerusform>Der neue Skin hätte %n Eintrag; ein Skin darf höchstens %1 haben</numerusform>
            <numerusform>Der neue Skin hätte %n Einträge; ein Skin darf höchstens %1 haben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>atomicwrite</name>
    <message>
        <source>Not all of the file could be written (is the disk full?)</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>browserblockreader</name>
    <message>
        <source>The skin&apos;s layout could not be read: %1 (line %2)</source>
        <translation>Das Layout des Skins konnte nicht gelesen werden: %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>The skin&apos;s layout has no &lt;browser&gt; block to take colours from.</source>
        <translation>Das Layout des Skins hat keinen &lt;browser&gt;-Block, aus dem Farben übernommen werden können.</translation>
    </message>
    <message>
        <source>No temporary folder could be made to unpack the skin.</source>
        <translation>Es konnte kein temporärer Ordner zum Entpacken des Skins angelegt werden.</translation>
    </message>
    <message>
        <source>The skin&apos;s layout %1 could not be read.</source>
        <translation>Das Layout %1 des Skins konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No layout of the skin has a &lt;browser&gt; block to take colours from.</source>
        <translation>Kein Layout des Skins hat einen &lt;browser&gt;-Block, aus dem Farben übernommen werden können.</translation>
    </message>
</context>
<context>
    <name>commandlinehelp</name>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
</context>
<context>
    <name>imagecompositor</name>
    <message>
        <source>Cannot write the image &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>is damaged and cannot be decoded</source>
        <translation>ist beschädigt und kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>the image is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>es war nicht genug Speicher vorhanden</translation>
    </message>
</context>
<context>
    <name>imagelimits</name>
    <message>
        <source>%1 x %2 pixels; images may be at most %3 pixels on a side and %4 megapixels</source>
        <translation>%1 × %2 Pixel; Bilder dürfen höchstens %3 Pixel je Seite und %4 Megapixel haben</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>is not an image Panelcraft can read</source>
        <translation>ist kein Bild, das Panelcraft lesen kann</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>ist %1</translation>
    </message>
    <message>
        <source>is damaged and cannot be decoded</source>
        <translation>ist beschädigt und kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>is animated</source>
        <translation>ist animiert</translation>
    </message>
</context>
<context>
    <name>layoutfile</name>
    <message>
        <source>has a line longer than %1 characters</source>
        <translation>hat eine Zeile mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>has more than %1 lines</source>
        <translation>hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>ist größer als %1&#xa0;MB</translation>
    </message>
    <message>
        <source>is in the encoding %1, which Panelcraft cannot read</source>
        <translation>ist in der Kodierung %1, die Panelcraft nicht lesen kann</translation>
    </message>
    <message>
        <source>is not valid %1 text</source>
        <translation>ist kein gültiger %1-Text</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The Zip file doesn&apos;t contain any XML files</source>
        <translation>Die ZIP-Datei enthält keine XML-Dateien</translation>
    </message>
</context>
<context>
    <name>outputname</name>
    <message>
        <source>&quot;%1&quot; cannot be used as a skin name</source>
        <translation>„%1“ kann nicht als Skin-Name verwendet werden</translation>
    </message>
    <message>
        <source>The skin name &quot;%1&quot; cannot hold the character &quot;%2&quot;: choose a name without / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Der Skin-Name „%1“ darf das Zeichen „%2“ nicht enthalten: Wählen Sie einen Namen ohne / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>The skin name &quot;%1...&quot; is too long for a file name</source>
        <translation>Der Skin-Name „%1…“ ist für einen Dateinamen zu lang</translation>
    </message>
    <message>
        <source>The skin name &quot;%1&quot; cannot end with a dot or a space</source>
        <translation>Der Skin-Name „%1“ darf nicht mit einem Punkt oder Leerzeichen enden</translation>
    </message>
</context>
<context>
    <name>regularfile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>„%1“ ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file but a device, a pipe or a socket</source>
        <translation>„%1“ ist keine normale Datei, sondern ein Gerät, eine Pipe oder ein Socket</translation>
    </message>
</context>
<context>
    <name>scheme</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the scheme ends without %1.</source>
        <translation>das Schema endet ohne %1.</translation>
    </message>
    <message>
        <source>%1 is not a colour of a base16 or base24 scheme.</source>
        <translation>%1 ist keine Farbe eines base16- oder base24-Schemas.</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; a colour is six hex digits such as 1d1f21.</source>
        <translation>„%1“ ist keine Farbe; eine Farbe besteht aus sechs Hexadezimalziffern wie 1d1f21.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour line (red, green and blue from 0 to 255, then a name).</source>
        <translation>„%1“ ist keine Farbzeile (Rot, Grün und Blau von 0 bis 255, dann ein Name).</translation>
    </message>
    <message>
        <source>the palette holds more than %1 colours.</source>
        <translation>die Palette enthält mehr als %1 Farben.</translation>
    </message>
    <message>
        <source>the palette holds no colours.</source>
        <translation>die Palette enthält keine Farben.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a colour scheme is a few kilobytes.</source>
        <translation>Die Datei ist größer als %1&#xa0;KB; ein Farbschema hat nur wenige Kilobyte.</translation>
    </message>
    <message>
        <source>The file is not valid %1 text.</source>
        <translation>Die Datei ist kein gültiger %1-Text.</translation>
    </message>
</context>
<context>
    <name>schemeyaml</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>this is neither a base16 or base24 scheme nor a GIMP palette.</source>
        <translation>dies ist weder ein base16- oder base24-Schema noch eine GIMP-Palette.</translation>
    </message>
    <message>
        <source>&quot;\%1&quot; is no escape YAML knows.</source>
        <translation>„\%1“ ist keine Escape-Sequenz, die YAML kennt.</translation>
    </message>
    <message>
        <source>a bracket or quote opened here is not closed, or more text follows it.</source>
        <translation>eine hier geöffnete Klammer oder ein hier geöffnetes Anführungszeichen wird nicht geschlossen, oder es folgt weiterer Text.</translation>
    </message>
    <message>
        <source>the value of %1 is not closed or is followed by more text.</source>
        <translation>der Wert von %1 ist nicht geschlossen oder es folgt weiterer Text.</translation>
    </message>
    <message>
        <source>the alias *%1 has no anchor before it.</source>
        <translation>der Alias *%1 hat keinen Anker davor.</translation>
    </message>
    <message>
        <source>the file nests collections more than %1 deep.</source>
        <translation>die Datei verschachtelt Sammlungen mehr als %1 Ebenen tief.</translation>
    </message>
</context>
<context>
    <name>skinbuilder</name>
    <message>
        <source>The work folder &quot;%1&quot; is not an absolute path</source>
        <translation>Der Arbeitsordner „%1“ ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>No skin was chosen to take custom icons from; the browser keeps its icons</source>
        <translation>Es wurde kein Skin für eigene Symbole gewählt; der Browser behält seine Symbole</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no usable custom browser icons; the browser keeps its icons</source>
        <translation>„%1“ enthält keine verwendbaren eigenen Browser-Symbole; der Browser behält seine Symbole</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not contain any floating windows; none were added</source>
        <translation>„%1“ enthält keine schwebenden Fenster; es wurden keine hinzugefügt</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; %2; it was refused</source>
        <translation>Das Layout „%1“ %2; es wurde abgelehnt</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; %2; it was left as it is</source>
        <translation>Das Layout „%1“ %2; es wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>The layouts name &quot;%1&quot; as added by an earlier build, but it is not what that build wrote; it was kept</source>
        <translation>Die Layouts führen „%1“ als Zusatz einer früheren Erstellung, doch die Datei ist nicht mehr die damals geschriebene; sie wurde behalten</translation>
    </message>
    <message>
        <source>The skin&apos;s own &quot;%1&quot; was kept; the imported windows expect the image of that name from &quot;%2&quot;</source>
        <translation>Das eigene Bild „%1“ des Skins wurde behalten; die übernommenen Fenster erwarten das gleichnamige Bild aus „%2“</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; %2 when rewritten; it was refused</source>
        <translation>Das umgeschriebene Layout „%1“ %2; es wurde abgelehnt</translation>
    </message>
    <message>
        <source>There was not enough memory to build the skin</source>
        <translation>Zum Erstellen des Skins war nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>No skin with floating windows was chosen; none were added</source>
        <translation>Es wurde kein Skin mit schwebenden Fenstern gewählt; es wurden keine hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>Floating windows of &quot;%1&quot; left out for having no end: %n</source>
        <translation>
            <numerusform>%n schwebendes Fenster von „%1“ hat kein Ende und wurde weggelassen</numerusform>
            <numerusform>%n schwebende Fenster von „%1“ haben kein Ende und wurden weggelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>An earlier build added &quot;%1&quot;, but a layout names it outside what that build added; it was kept</source>
        <translation>Eine frühere Erstellung hat „%1“ hinzugefügt, doch ein Layout verweist außerhalb der damals hinzugefügten Teile darauf; die Datei wurde behalten</translation>
    </message>
    <message>
        <source>The skin image &quot;%1&quot; is not the one an earlier build grew; it was kept whole</source>
        <translation>Das Skin-Bild „%1“ ist nicht das, das eine frühere Erstellung vergrößert hat; es wurde vollständig behalten</translation>
    </message>
    <message>
        <source>Importing custom icons from %1</source>
        <translation>Eigene Symbole werden übernommen aus %1</translation>
    </message>
    <message>
        <source>Unpacking %1</source>
        <translation>%1 wird entpackt</translation>
    </message>
    <message>
        <source>Unpacking floating windows from %1</source>
        <translation>Schwebende Fenster werden entpackt aus %1</translation>
    </message>
    <message>
        <source>Rewriting %1</source>
        <translation>%1 wird umgeschrieben</translation>
    </message>
    <message>
        <source>Painting %1</source>
        <translation>%1 wird gezeichnet</translation>
    </message>
    <message>
        <source>Packing %1</source>
        <translation>%1 wird gepackt</translation>
    </message>
</context>
<context>
    <name>skinbuildoptions</name>
    <message>
        <source>No name was given for the new skin</source>
        <translation>Für den neuen Skin wurde kein Name angegeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file; choose a new name or an existing skin archive</source>
        <translation>„%1“ ist keine normale Datei; wählen Sie einen neuen Namen oder ein vorhandenes Skin-Archiv</translation>
    </message>
    <message>
        <source>You have not selected a skin</source>
        <translation>Sie haben keinen Skin ausgewählt</translation>
    </message>
    <message>
        <source>Type the browser&apos;s line height as a whole percentage from 1 to 999</source>
        <translation>Geben Sie die Zeilenhöhe des Browsers als ganze Prozentzahl von 1 bis 999 ein</translation>
    </message>
    <message>
        <source>Type the global font size as a whole percentage from 1 to 999</source>
        <translation>Geben Sie die globale Schriftgröße als ganze Prozentzahl von 1 bis 999 ein</translation>
    </message>
</context>
<context>
    <name>skinimages</name>
    <message>
        <source>The skin image &quot;%1&quot; %2</source>
        <translation>Das Skin-Bild „%1“ %2</translation>
    </message>
    <message>
        <source>There was not enough memory to paint the skin image &quot;%1&quot;</source>
        <translation>Zum Zeichnen des Skin-Bildes „%1“ war nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>The skin image &quot;%1&quot; would grow to %2</source>
        <translation>Das Skin-Bild „%1“ würde auf %2 anwachsen</translation>
    </message>
    <message>
        <source>points outside the skin</source>
        <translation>verweist auf eine Stelle außerhalb des Skins</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>The skin image &quot;%1&quot; %2; its layout keeps its browser and icons</source>
        <translation>Das Skin-Bild „%1“ %2; sein Layout behält Browser und Symbole</translation>
    </message>
</context>
<context>
    <name>skinpalette</name>
    <message>
        <source>No temporary folder could be made to read the skin.</source>
        <translation>Es konnte kein temporärer Ordner zum Lesen des Skins angelegt werden.</translation>
    </message>
    <message>
        <source>The skin&apos;s layouts name no images to take colours from.</source>
        <translation>Die Layouts des Skins nennen keine Bilder, aus denen Farben übernommen werden können.</translation>
    </message>
    <message>
        <source>The skin&apos;s images hold no visible pixels to take colours from.</source>
        <translation>Die Bilder des Skins enthalten keine sichtbaren Pixel, aus denen Farben übernommen werden können.</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Restyles the file browser of Turnwise skins in a window.
See also: panelcraft-cli --help</source>
        <translation>Gestaltet den Datei-Browser von Turnwise-Skins in einem Fenster neu.
Siehe auch: panelcraft-cli --help</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Skins (.zip), profiles (.pcp) or colour schemes to open.</source>
        <translation>Skins (.zip), Profile (.pcp) oder Farbschemata, die geöffnet werden sollen.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[Dateien…]</translation>
    </message>
</context>
<context>
    <name>stylekeys</name>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Icon Background</source>
        <translation>Symbolhintergrund</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>Stripes</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>Stripes Over</source>
        <translation>Hover-Streifen</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Text Over</source>
        <translation>Hover-Text</translation>
    </message>
    <message>
        <source>Text Selected</source>
        <translation>Auswahltext</translation>
    </message>
    <message>
        <source>Text Focus</source>
        <translation>Fokustext</translation>
    </message>
    <message>
        <source>Automix</source>
        <translation>Automix</translation>
    </message>
    <message>
        <source>Live Feedback</source>
        <translation>Live-Feedback</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Button Active</source>
        <translation>Aktiver Button</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügemarke</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Stripes Selected</source>
        <translation>Auswahlstreifen</translation>
    </message>
    <message>
        <source>Stripes Focus</source>
        <translation>Fokusstreifen</translation>
    </message>
    <message>
        <source>Button Background</source>
        <translation>Button-Hintergrund</translation>
    </message>
    <message>
        <source>Button Selected</source>
        <translation>Button-Auswahl</translation>
    </message>
    <message>
        <source>Title Background</source>
        <translation>Titelhintergrund</translation>
    </message>
    <message>
        <source>Button Fill Start</source>
        <translation>Button-Füllung Anfang</translation>
    </message>
    <message>
        <source>Button Fill End</source>
        <translation>Button-Füllung Ende</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Button Border</source>
        <translation>Button-Rahmen</translation>
    </message>
    <message>
        <source>But.Fill Select Start</source>
        <translation>Auswahl-Füllung Anfang</translation>
    </message>
    <message>
        <source>But.Fill Select End</source>
        <translation>Auswahl-Füllung Ende</translation>
    </message>
    <message>
        <source>But.Border Select</source>
        <translation>Auswahl-Rahmen</translation>
    </message>
    <message>
        <source>But.Fill Over Start</source>
        <translation>Hover-Füllung Anfang</translation>
    </message>
    <message>
        <source>But.Fill Over End</source>
        <translation>Hover-Füllung Ende</translation>
    </message>
    <message>
        <source>But.Border Over</source>
        <translation>Hover-Rahmen</translation>
    </message>
    <message>
        <source>Knob Fill Start</source>
        <translation>Regler-Füllung Anfang</translation>
    </message>
    <message>
        <source>Knob Fill End</source>
        <translation>Regler-Füllung Ende</translation>
    </message>
    <message>
        <source>Knob Ring Fill</source>
        <translation>Ringfüllung</translation>
    </message>
    <message>
        <source>Knob Ring Border</source>
        <translation>Ringrahmen</translation>
    </message>
    <message>
        <source>Knob Fader</source>
        <translation>Regler-Fader</translation>
    </message>
    <message>
        <source>Title Text</source>
        <translation>Titeltext</translation>
    </message>
    <message>
        <source>Knob Text</source>
        <translation>Reglertext</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Button-Text</translation>
    </message>
    <message>
        <source>Button Text Over</source>
        <translation>Hover-Text</translation>
    </message>
    <message>
        <source>Button Text Select</source>
        <translation>Auswahltext</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Kopfzeilen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Grid Titles</source>
        <translation>Rastertitel</translation>
    </message>
    <message>
        <source>Knob &amp; String</source>
        <translation>Regler &amp; Text</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>systemerror</name>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>The file or folder is in use</source>
        <translation>Die Datei oder der Ordner wird gerade verwendet</translation>
    </message>
    <message>
        <source>System error: %1</source>
        <translation>Systemfehler: %1</translation>
    </message>
</context>
<context>
    <name>tablefile</name>
    <message>
        <source>Cannot read the profile &quot;%1&quot;</source>
        <translation>Das Profil „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds a control character in the value of &quot;%2&quot;</source>
        <translation>Das Profil „%1“ enthält ein Steuerzeichen im Wert von „%2“</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation>ist keine Farbe</translation>
    </message>
    <message>
        <source>is not a whole size from 1 to 999</source>
        <translation>ist keine ganze Zahl von 1 bis 999</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot;: &quot;%2=%3&quot; %4; the default &quot;%5&quot; is kept</source>
        <translation>Das Profil „%1“: „%2=%3“ %4; der Standardwert „%5“ bleibt erhalten</translation>
    </message>
</context>
<context>
    <name>writefailure</name>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>xmlrewriter</name>
    <message>
        <source>would grow beyond %1 MB</source>
        <translation>würde auf mehr als %1&#xa0;MB anwachsen</translation>
    </message>
</context>
<context>
    <name>xmltokens</name>
    <message>
        <source>declares entities of its own</source>
        <translation>deklariert eigene Entitäten</translation>
    </message>
    <message>
        <source>could not be read (line %1)</source>
        <translation>konnte nicht gelesen werden (Zeile %1)</translation>
    </message>
    <message>
        <source>has more than %1 elements</source>
        <translation>hat mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>is not well-formed XML (line %1: %2)</source>
        <translation>ist kein wohlgeformtes XML (Zeile %1: %2)</translation>
    </message>
</context>
</TS>
