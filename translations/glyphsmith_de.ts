<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About 8x8 Glyphsmith</source>
        <translation>Über 8x8 Glyphsmith</translation>
    </message>
    <message>
        <source>8x8 Glyphsmith %1</source>
        <translation>8x8 Glyphsmith %1</translation>
    </message>
    <message>
        <source>Pattern editor and remote control for an 8x8 LED dot-matrix module on a serial port.</source>
        <translation>Mustereditor und Fernbedienung für ein 8x8-LED-Punktmatrixmodul an einer seriellen Schnittstelle.</translation>
    </message>
    <message>
        <source>Licence: %1. This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.</source>
        <translation>Lizenz: %1. Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version. Es wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>The manual: %1</source>
        <translation>Das Handbuch: %1</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <translation>Homepage: %1</translation>
    </message>
    <message>
        <source>Built with Qt %1, running with Qt %2.</source>
        <translation>Erstellt mit Qt %1, läuft mit Qt %2.</translation>
    </message>
</context>
<context>
    <name>AnimatedPicture</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> (in frame %1)</source>
        <translation> (in Einzelbild %1)</translation>
    </message>
    <message>
        <source> (after frame %1)</source>
        <translation> (nach Einzelbild %1)</translation>
    </message>
    <message>
        <source>the file ends too soon: it is cut short or damaged%1</source>
        <translation>die Datei endet zu früh: sie ist abgeschnitten oder beschädigt%1</translation>
    </message>
    <message>
        <source>it is not a GIF picture</source>
        <translation>sie ist kein GIF-Bild</translation>
    </message>
    <message>
        <source>its header is cut short or damaged</source>
        <translation>ihr Kopf ist abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s description is unreadable%1</source>
        <translation>die Datei ist beschädigt: die Beschreibung eines Einzelbilds ist unlesbar%1</translation>
    </message>
    <message>
        <source>the file is damaged: a frame has no colours%1</source>
        <translation>die Datei ist beschädigt: ein Einzelbild hat keine Farben%1</translation>
    </message>
    <message>
        <source>the file is damaged: a block of an unknown kind comes%1</source>
        <translation>die Datei ist beschädigt: es folgt ein Block unbekannter Art%1</translation>
    </message>
    <message>
        <source>the file is damaged: a frame holds more dots than its size%1</source>
        <translation>die Datei ist beschädigt: ein Einzelbild enthält mehr Punkte als seine Größe%1</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>es ist nicht genug Speicher frei, um sie zu lesen</translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s picture data is garbled%1</source>
        <translation>die Datei ist beschädigt: die Bilddaten eines Einzelbilds sind verstümmelt%1</translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s picture data ends too soon%1</source>
        <translation>die Datei ist beschädigt: die Bilddaten eines Einzelbilds enden zu früh%1</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; at most %3 million pixels can be read</source>
        <translation>das Bild hat %1 x %2 Pixel; gelesen werden höchstens %3 Millionen Pixel</translation>
    </message>
    <message>
        <source>its header is damaged: the picture has no size</source>
        <translation>ihr Kopf ist beschädigt: das Bild hat keine Größe</translation>
    </message>
    <message>
        <source>the file is damaged: the timing of frame %1 is unreadable</source>
        <translation>die Datei ist beschädigt: die Zeitangabe von Einzelbild %1 ist unlesbar</translation>
    </message>
    <message>
        <source>it has more than %1 frames</source>
        <translation>sie hat mehr als %1 Einzelbilder</translation>
    </message>
    <message>
        <source>the file is damaged: frame %1 has no size</source>
        <translation>die Datei ist beschädigt: Einzelbild %1 hat keine Größe</translation>
    </message>
    <message>
        <source>it holds no frame</source>
        <translation>sie enthält kein Einzelbild</translation>
    </message>
    <message>
        <source>there are no frames to write</source>
        <translation>es gibt keine Einzelbilder zum Schreiben</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>BankModel</name>
    <message>
        <source>never uploaded</source>
        <translation>nie hochgeladen</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>hochgeladen</translation>
    </message>
    <message>
        <source>Slot %1: changed since the last upload; the small picture is what the module holds</source>
        <translation>Platz %1: seit dem letzten Hochladen geändert; das kleine Bild zeigt, was das Modul hat</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Platz %1: %2</translation>
    </message>
</context>
<context>
    <name>Bridge</name>
    <message>
        <source>%1: refused %2</source>
        <translation>%1: %2 abgelehnt</translation>
    </message>
    <message>
        <source>connecting to the broker %1:%2</source>
        <translation>Verbindung zum Broker %1:%2 wird aufgebaut</translation>
    </message>
    <message>
        <source>connected to the broker %1:%2 again</source>
        <translation>wieder mit dem Broker %1:%2 verbunden</translation>
    </message>
    <message>
        <source>connected to the broker %1:%2</source>
        <translation>mit dem Broker %1:%2 verbunden</translation>
    </message>
    <message>
        <source>the broker connection ended (%1); trying again</source>
        <translation>die Verbindung zum Broker ist beendet (%1); neuer Versuch</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>what was announced cannot be remembered in %1: %2</source>
        <translation>was angekündigt wurde, kann in %1 nicht vermerkt werden: %2</translation>
    </message>
</context>
<context>
    <name>BridgeConfig</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>a section heading must end with &apos;]&apos;</source>
        <translation>eine Abschnittsüberschrift muss mit &apos;]&apos; enden</translation>
    </message>
    <message>
        <source>unknown section [%1]: the sections are [broker], [bridge] and [module NAME]</source>
        <translation>unbekannter Abschnitt [%1]: die Abschnitte sind [broker], [bridge] und [module NAME]</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a module: use letters, digits, &apos;-&apos; and &apos;_&apos; (and not &quot;bridge&quot;)</source>
        <translation>&apos;%1&apos; kann kein Modul benennen: Buchstaben, Ziffern, &apos;-&apos; und &apos;_&apos; verwenden (und nicht &quot;bridge&quot;)</translation>
    </message>
    <message>
        <source>the module %1 is configured twice</source>
        <translation>das Modul %1 ist zweimal konfiguriert</translation>
    </message>
    <message>
        <source>write key = value</source>
        <translation>Schlüssel = Wert schreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands before any section</source>
        <translation>&apos;%1&apos; steht vor jedem Abschnitt</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>a port from 1 to 65535</source>
        <translation>ein Port von 1 bis 65535</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>yes oder no</translation>
    </message>
    <message>
        <source>seconds, from 5 to 65535</source>
        <translation>Sekunden, von 5 bis 65535</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [broker]: host, port, tls, ca-file, user, password, password-file, client-id, keep-alive</source>
        <translation>unbekannter Schlüssel &apos;%1&apos; in [broker]: host, port, tls, ca-file, user, password, password-file, client-id, keep-alive</translation>
    </message>
    <message>
        <source>milliseconds, from 0 to 1000</source>
        <translation>Millisekunden, von 0 bis 1000</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [bridge]: base-topic, discovery, discovery-prefix, state-dir, idle-gap</source>
        <translation>unbekannter Schlüssel &apos;%1&apos; in [bridge]: base-topic, discovery, discovery-prefix, state-dir, idle-gap</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [%2]: port, name, library</source>
        <translation>unbekannter Schlüssel &apos;%1&apos; in [%2]: port, name, library</translation>
    </message>
    <message>
        <source>--module takes NAME=PORT, the name of letters, digits, &apos;-&apos; and &apos;_&apos;, not &apos;%1&apos;</source>
        <translation>--module verlangt NAME=PORT, der Name aus Buchstaben, Ziffern, &apos;-&apos; und &apos;_&apos;, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no broker: set host in [broker] or give --broker</source>
        <translation>kein Broker: host in [broker] setzen oder --broker angeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a base topic: no &apos;+&apos;, &apos;#&apos;, empty levels, or &apos;/&apos; at either end</source>
        <translation>&apos;%1&apos; kann kein Basis-Topic sein: kein &apos;+&apos;, &apos;#&apos;, keine leeren Ebenen und kein &apos;/&apos; an einem der Enden</translation>
    </message>
    <message>
        <source>no module: add a section [module NAME] with its port, or give --module NAME=PORT</source>
        <translation>kein Modul: einen Abschnitt [module NAME] mit seinem Port hinzufügen oder --module NAME=PORT angeben</translation>
    </message>
    <message>
        <source>the module %1 has no port</source>
        <translation>das Modul %1 hat keinen Port</translation>
    </message>
    <message>
        <source>the module %1: there are COM1 to COM6, no %2</source>
        <translation>das Modul %1: es gibt COM1 bis COM6, kein %2</translation>
    </message>
    <message>
        <source>the module %1: %2: %3</source>
        <translation>das Modul %1: %2: %3</translation>
    </message>
    <message>
        <source>the module %1: a bridge serves modules on ports, not another bridge&apos;s module (%2)</source>
        <translation>das Modul %1: eine Bridge bedient Module an Ports, nicht das Modul einer anderen Bridge (%2)</translation>
    </message>
</context>
<context>
    <name>BusChannel</name>
    <message>
        <source>the program did not answer: %1</source>
        <translation>das Programm hat nicht geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>BusCommands</name>
    <message>
        <source>the text cannot be sent: the module shows Latin-1 characters only</source>
        <translation>der Text kann nicht gesendet werden: das Modul zeigt nur Latin-1-Zeichen</translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation>der Text hat %1 Zeichen; das Modul nimmt höchstens %2</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not %4</source>
        <translation>%1 muss eine Zahl von %2 bis %3 sein, nicht %4</translation>
    </message>
    <message>
        <source>a pattern is %1 column bytes, not %2</source>
        <translation>ein Muster sind %1 Spaltenbytes, nicht %2</translation>
    </message>
    <message>
        <source>%1 is no command of the module</source>
        <translation>%1 ist kein Befehl des Moduls</translation>
    </message>
    <message>
        <source>the command %1 takes %2 to %3 bytes, not %4</source>
        <translation>der Befehl %1 nimmt %2 bis %3 Bytes, nicht %4</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>die Geschwindigkeit</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>die Position</translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation>die Richtung muss up, down, left oder right sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Play takes 1 to %1 frames, each with its time; %2 frames and %3 times were given</source>
        <translation>Play nimmt 1 bis %1 Bilder, jedes mit seiner Zeit; angegeben wurden %2 Bilder und %3 Zeiten</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>der Modus</translation>
    </message>
    <message>
        <source>the number of waits</source>
        <translation>die Zahl der Wartezeiten</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>%1 takes (%2), not (%3)</source>
        <translation>%1 nimmt (%2), nicht (%3)</translation>
    </message>
    <message>
        <source>%1 has no method %2</source>
        <translation>%1 hat keine Methode %2</translation>
    </message>
    <message>
        <source>the program holds no module (%1)</source>
        <translation>das Programm hält kein Modul (%1)</translation>
    </message>
    <message>
        <source>the program&apos;s port %1 is not open (%2)</source>
        <translation>der Anschluss %1 des Programms ist nicht offen (%2)</translation>
    </message>
    <message>
        <source>no reply from the module on %1</source>
        <translation>keine Antwort vom Modul an %1</translation>
    </message>
    <message>
        <source>the port closed before the module answered: %1</source>
        <translation>der Anschluss wurde geschlossen, bevor das Modul antwortete: %1</translation>
    </message>
    <message>
        <source>the module refused: it answered %1</source>
        <translation>das Modul hat abgelehnt: es antwortete %1</translation>
    </message>
    <message>
        <source>another animation took the module</source>
        <translation>eine andere Animation hat das Modul übernommen</translation>
    </message>
    <message>
        <source>another message was sent to the module while the animation played</source>
        <translation>während die Animation lief, wurde eine andere Nachricht an das Modul gesendet</translation>
    </message>
    <message>
        <source>the port closed while the animation played: %1</source>
        <translation>der Anschluss wurde geschlossen, während die Animation lief: %1</translation>
    </message>
    <message>
        <source>the port closed before the message left: %1</source>
        <translation>der Anschluss wurde geschlossen, bevor die Nachricht hinausging: %1</translation>
    </message>
    <message>
        <source>no interface %1 here</source>
        <translation>keine Schnittstelle %1 hier</translation>
    </message>
    <message>
        <source>no property %1.%2 here</source>
        <translation>keine Eigenschaft %1.%2 hier</translation>
    </message>
    <message>
        <source>the properties can only be read</source>
        <translation>die Eigenschaften können nur gelesen werden</translation>
    </message>
    <message>
        <source>no method %1 here</source>
        <translation>keine Methode %1 hier</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>there is no text art: lines of # for lit dots and . for dark ones</source>
        <translation>das ist keine Textgrafik: Zeilen aus # für leuchtende und . für dunkle Punkte</translation>
    </message>
    <message>
        <source>line %1 has &quot;%2&quot;; # is a lit dot and . a dark one</source>
        <translation>Zeile %1 enthält &quot;%2&quot;; # ist ein leuchtender Punkt und . ein dunkler</translation>
    </message>
</context>
<context>
    <name>CanvasImage</name>
    <message>
        <source>it is %1 x %2 pixels, and a picture can have at most %3 million pixels</source>
        <translation>es hat %1 x %2 Pixel, und ein Bild darf höchstens %3 Millionen Pixel haben</translation>
    </message>
    <message>
        <source>Cannot import the picture %1: %2.</source>
        <translation>Das Bild %1 kann nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>it is %1 MB, and a picture is at most %2 MB</source>
        <translation>es ist %1 MB groß, und ein Bild hat höchstens %2 MB</translation>
    </message>
    <message>
        <source>Cannot export the picture %1: %2.</source>
        <translation>Das Bild %1 kann nicht exportiert werden: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: it has more than %2 frames</source>
        <translation>%1: es hat mehr als %2 Einzelbilder</translation>
    </message>
    <message>
        <source>there are no frames to write</source>
        <translation>es gibt keine Einzelbilder zum Schreiben</translation>
    </message>
</context>
<context>
    <name>CanvasImportDialog</name>
    <message>
        <source>Import Animation - %1</source>
        <translation>Animation importieren - %1</translation>
    </message>
    <message>
        <source>Import Image - %1</source>
        <translation>Bild importieren - %1</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwellwert</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwellwert:</translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation>&amp;Helle Teile leuchten</translation>
    </message>
    <message>
        <source>The picture at %1 x %2 dots%3</source>
        <translation>Das Bild mit %1 x %2 Punkten%3</translation>
    </message>
    <message numerus="yes">
        <source> (the first of %n frames)</source>
        <translation>
            <numerusform> (das erste von %n Einzelbild)</numerusform>
            <numerusform> (das erste von %n Einzelbildern)</numerusform>
        </translation>
    </message>
    <message>
        <source>The dots</source>
        <translation>Die Punkte</translation>
    </message>
</context>
<context>
    <name>CharactersController</name>
    <message>
        <source>&amp;Characters...</source>
        <translation>&amp;Zeichen...</translation>
    </message>
    <message>
        <source>The custom characters of %1 could not be stored in the settings; the program will not remember them at its next start.</source>
        <translation>Die eigenen Zeichen von %1 konnten nicht in den Einstellungen gespeichert werden; das Programm kennt sie beim nächsten Start nicht mehr.</translation>
    </message>
</context>
<context>
    <name>CharactersWindow</name>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>The module cannot be read back: each slot shows what this program last stored for it, and its mark says only what this program sent to the module on this port: &quot;uploaded&quot; as shown, &quot;changed&quot; since the last upload, or &quot;never uploaded&quot;.</source>
        <translation>Das Modul kann nicht ausgelesen werden: Jeder Platz zeigt, was dieses Programm zuletzt für ihn gespeichert hat, und seine Markierung sagt nur, was dieses Programm an das Modul an diesem Port geschickt hat: &quot;hochgeladen&quot; wie gezeigt, &quot;geändert&quot; seit dem letzten Hochladen oder &quot;nie hochgeladen&quot;.</translation>
    </message>
    <message>
        <source>Glyphs from a font</source>
        <translation>Glyphen aus einer Schrift</translation>
    </message>
    <message>
        <source>never uploaded</source>
        <translation>nie hochgeladen</translation>
    </message>
    <message>
        <source>Drop on Slot %1</source>
        <translation>Auf Platz %1 ablegen</translation>
    </message>
    <message>
        <source>&amp;Load into Grid</source>
        <translation>I&amp;ns Raster laden</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Eingabe, Doppelklick</translation>
    </message>
    <message>
        <source>&amp;Store Grid in Slot</source>
        <translation>Raster auf &amp;Platz speichern</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>H&amp;ochladen</translation>
    </message>
    <message>
        <source>Upload &amp;All</source>
        <translation>&amp;Alle hochladen</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Sa&amp;ve in Library File</source>
        <translation>In &amp;Bibliotheksdatei speichern</translation>
    </message>
    <message>
        <source>L&amp;oad from File...</source>
        <translation>Aus Datei &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Installed font:</source>
        <translation>&amp;Installierte Schrift:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> Punkte</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwellwert:</translation>
    </message>
    <message>
        <source>Font fil&amp;e:</source>
        <translation>Schrif&amp;tdatei:</translation>
    </message>
    <message>
        <source>Open Font File...</source>
        <translation>Schriftdatei öffnen...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>S&amp;cale to 8 x 8</source>
        <translation>Auf 8 &amp;x 8 skalieren</translation>
    </message>
    <message>
        <source>C&amp;rop to 8 x 8</source>
        <translation>Auf 8 x 8 &amp;zuschneiden</translation>
    </message>
    <message>
        <source>A click puts the glyph on the grid.</source>
        <translation>Ein Klick legt die Glyphe ins Raster.</translation>
    </message>
    <message>
        <source>Put Glyph on Grid</source>
        <translation>Glyphe ins Raster legen</translation>
    </message>
    <message>
        <source>Enter, click</source>
        <translation>Eingabe, Klick</translation>
    </message>
    <message>
        <source>Blank at this size and threshold, without a single dot: %1. A lower threshold or a larger size shows them.</source>
        <translation>Bei dieser Größe und diesem Schwellwert leer, ohne einen einzigen Punkt: %1. Ein niedrigerer Schwellwert oder eine größere Schrift zeigt sie.</translation>
    </message>
    <message>
        <source>C&amp;haracters for slots 0 to 9:</source>
        <translation>Zeic&amp;hen für die Plätze 0 bis 9:</translation>
    </message>
    <message>
        <source>&amp;Fill Slots</source>
        <translation>Plätze &amp;füllen</translation>
    </message>
    <message>
        <source>Load Slot %1</source>
        <translation>Platz %1 laden</translation>
    </message>
    <message>
        <source>Store Grid in Slot %1</source>
        <translation>Raster auf Platz %1 speichern</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Wird hochgeladen...</translation>
    </message>
    <message>
        <source>Cancelling after the slot under way...</source>
        <translation>Wird nach dem laufenden Platz abgebrochen...</translation>
    </message>
    <message>
        <source>Uploaded 1 slot.</source>
        <translation>1 Platz hochgeladen.</translation>
    </message>
    <message>
        <source>Uploaded %1 slots.</source>
        <translation>%1 Plätze hochgeladen.</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 slots uploaded.</source>
        <translation>Abgebrochen: %1 von %2 Plätzen hochgeladen.</translation>
    </message>
    <message>
        <source>Stopped: the port closed after %1 of %2 slots.</source>
        <translation>Angehalten: der Port wurde nach %1 von %2 Plätzen geschlossen.</translation>
    </message>
    <message>
        <source>Custom characters</source>
        <translation>Eigene Zeichen</translation>
    </message>
    <message>
        <source>Custom characters of the module on %1</source>
        <translation>Eigene Zeichen des Moduls an %1</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Schriftdatei öffnen</translation>
    </message>
    <message>
        <source>Bitmap fonts (*.psf *.psfu *.psf.gz *.psfu.gz *.bdf *.bdf.gz)</source>
        <translation>Bitmap-Schriften (*.psf *.psfu *.psf.gz *.psfu.gz *.bdf *.bdf.gz)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1, %2 x %3 dots, %4 glyphs</source>
        <translation>%1, %2 x %3 Punkte, %4 Glyphen</translation>
    </message>
    <message>
        <source>Glyph &quot;%1&quot;</source>
        <translation>Glyphe &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nothing was filled: type one to ten characters for the slots from 0 on.</source>
        <translation>Nichts wurde gefüllt: Tippen Sie ein bis zehn Zeichen für die Plätze ab 0.</translation>
    </message>
    <message>
        <source>Nothing was filled: the font has no glyph for %1.</source>
        <translation>Nichts wurde gefüllt: die Schrift hat keine Glyphe für %1.</translation>
    </message>
    <message>
        <source>Fill Slots</source>
        <translation>Plätze füllen</translation>
    </message>
    <message>
        <source>The bank is saved in %1.</source>
        <translation>Die Zeichenbank ist in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Load Character Bank</source>
        <translation>Zeichenbank laden</translation>
    </message>
    <message>
        <source>Pattern libraries (*.%1)</source>
        <translation>Musterbibliotheken (*.%1)</translation>
    </message>
    <message>
        <source>The pattern library %1 keeps no character bank; the slots are as they were.</source>
        <translation>Die Musterbibliothek %1 enthält keine Zeichenbank; die Plätze bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>Load Bank from %1</source>
        <translation>Zeichenbank aus %1 laden</translation>
    </message>
    <message>
        <source>Slots loaded from %1.</source>
        <translation>Plätze aus %1 geladen.</translation>
    </message>
</context>
<context>
    <name>ConnectionPool</name>
    <message>
        <source>no module given: write COM1 to COM6, a device path or tcp://host:port</source>
        <translation>kein Modul angegeben: COM1 bis COM6, einen Gerätepfad oder tcp://host:port schreiben</translation>
    </message>
    <message>
        <source>there are COM1 to COM6, no %1</source>
        <translation>es gibt COM1 bis COM6, kein %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ConnectionStateLabel</name>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>Verbindung wird aufgebaut</translation>
    </message>
    <message>
        <source>waiting for the device</source>
        <translation>wartet auf das Gerät</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is open.</source>
        <translation>%1 ist offen.</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>Portzustand</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>8x8 Glyphsmith</source>
        <translation>8x8 Glyphsmith</translation>
    </message>
    <message>
        <source>Configure Kaldor88</source>
        <translation>Kaldor88 einrichten</translation>
    </message>
    <message>
        <source>Kaldor8x8</source>
        <translation>Kaldor8x8</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>DOT MATRIX</source>
        <translation>PUNKTMATRIX</translation>
    </message>
    <message>
        <source>Single ASCII Character</source>
        <translation>Einzelnes ASCII-Zeichen</translation>
    </message>
    <message>
        <source>Show Single ASCII</source>
        <translation>ASCII zeigen</translation>
    </message>
    <message>
        <source>Clear ALL</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Scrolling Message</source>
        <translation>Lauftext</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>LAUFEN</translation>
    </message>
    <message>
        <source>Send Dot Matrix</source>
        <translation>Matrix senden</translation>
    </message>
    <message>
        <source>ANIMATE</source>
        <translation>ANIMIEREN</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>Set Speed</source>
        <translation>Tempo setzen</translation>
    </message>
    <message>
        <source>Save in Position</source>
        <translation>An Platz speichern</translation>
    </message>
    <message>
        <source>Show Custom Character</source>
        <translation>Eigenes Zeichen zeigen</translation>
    </message>
    <message>
        <source>Show Built-In Animation</source>
        <translation>Eingebaute Animation zeigen</translation>
    </message>
    <message>
        <source>UP ARROW</source>
        <translation>PFEIL HOCH</translation>
    </message>
    <message>
        <source>DOWN ARROW</source>
        <translation>PFEIL RUNTER</translation>
    </message>
    <message>
        <source>RIGHT ARROW</source>
        <translation>PFEIL RECHTS</translation>
    </message>
    <message>
        <source>LEFT ARROW</source>
        <translation>PFEIL LINKS</translation>
    </message>
    <message>
        <source>Current Setting</source>
        <translation>Aktuelle Einstellung</translation>
    </message>
    <message>
        <source>Start Up Mode</source>
        <translation>Startmodus</translation>
    </message>
    <message>
        <source>Change Startup Mode</source>
        <translation>Startmodus ändern</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Tempo ändern</translation>
    </message>
    <message>
        <source>Animation/Scrolling Message</source>
        <translation>Animation/Lauftext</translation>
    </message>
    <message>
        <source>Save Message</source>
        <translation>Text speichern</translation>
    </message>
    <message>
        <source>Mode %1</source>
        <translation>Modus %1</translation>
    </message>
    <message>
        <source>Selected Comm Port Not Available</source>
        <translation>Gewählter COM-Port nicht verfügbar</translation>
    </message>
    <message>
        <source>No Module Found</source>
        <translation>Kein Modul gefunden</translation>
    </message>
    <message>
        <source>Startup Mode Changed</source>
        <translation>Startmodus geändert</translation>
    </message>
    <message>
        <source>Speed Changed</source>
        <translation>Tempo geändert</translation>
    </message>
    <message>
        <source>Message Saved</source>
        <translation>Text gespeichert</translation>
    </message>
</context>
<context>
    <name>DeviceListModel</name>
    <message>
        <source>assigned in the settings</source>
        <translation>in den Einstellungen zugewiesen</translation>
    </message>
    <message>
        <source>assigned, not present</source>
        <translation>zugewiesen, nicht vorhanden</translation>
    </message>
    <message>
        <source>malformed network address</source>
        <translation>fehlerhafte Netzwerkadresse</translation>
    </message>
    <message>
        <source>network, telnet with RFC 2217</source>
        <translation>Netzwerk, Telnet mit RFC 2217</translation>
    </message>
    <message>
        <source>network, glyphsmith-bridge on MQTT</source>
        <translation>Netzwerk, glyphsmith-bridge über MQTT</translation>
    </message>
    <message>
        <source>network, raw TCP</source>
        <translation>Netzwerk, rohes TCP</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>USB-ID</translation>
    </message>
    <message>
        <source>Assigned to</source>
        <translation>Zugewiesen an</translation>
    </message>
</context>
<context>
    <name>DevicesDialog</name>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Serial devices of this machine, and the network endpoints in use. Assign one to a COM number to use it from the menu &quot;Communication&quot;.</source>
        <translation>Die seriellen Geräte dieses Rechners und die verwendeten Netzwerkendpunkte. Weisen Sie einen einer COM-Nummer zu, um ihn über das Menü &quot;Communication&quot; zu verwenden.</translation>
    </message>
    <message>
        <source>&amp;Network endpoint:</source>
        <translation>&amp;Netzwerkendpunkt:</translation>
    </message>
    <message>
        <source>tcp://host:port or rfc2217://host:port</source>
        <translation>tcp://host:port oder rfc2217://host:port</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Assign t&amp;o:</source>
        <translation>Zuweisen a&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Zuweisen</translation>
    </message>
    <message>
        <source>&amp;Unassign</source>
        <translation>Zuweisung &amp;aufheben</translation>
    </message>
    <message>
        <source>Remove the assignment of the COM number chosen beside it</source>
        <translation>Die Zuweisung der daneben gewählten COM-Nummer entfernen</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Ask the module on the selected device for its stored settings</source>
        <translation>Das Modul am gewählten Gerät nach seinen gespeicherten Einstellungen fragen</translation>
    </message>
    <message>
        <source>Write a network endpoint as tcp://host:port or rfc2217://host:port.</source>
        <translation>Schreiben Sie einen Netzwerkendpunkt als tcp://host:port oder rfc2217://host:port.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 added; assign it to a COM number to use it.</source>
        <translation>%1 hinzugefügt; weisen Sie es einer COM-Nummer zu, um es zu verwenden.</translation>
    </message>
    <message>
        <source>COM%1 could not be stored in %2: %3.</source>
        <translation>COM%1 konnte nicht in %2 gespeichert werden: %3.</translation>
    </message>
    <message>
        <source>COM%1 is now %2. Choose COM%1 from the menu &quot;Communication&quot; to use it.</source>
        <translation>COM%1 ist jetzt %2. Wählen Sie COM%1 im Menü &quot;Communication&quot;, um es zu verwenden.</translation>
    </message>
    <message>
        <source>COM%1 is no longer assigned: it stands for the machine&apos;s serial device number %1, if there is one.</source>
        <translation>COM%1 ist nicht mehr zugewiesen: es steht für das serielle Gerät Nummer %1 des Rechners, falls es eines gibt.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>start-up mode %1, speed %2, message &quot;%3&quot;</source>
        <translation>Startmodus %1, Geschwindigkeit %2, Text &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Testing %1...</source>
        <translation>%1 wird getestet...</translation>
    </message>
    <message>
        <source>%1 answers: %2 (%3).</source>
        <translation>%1 antwortet: %2 (%3).</translation>
    </message>
    <message>
        <source>%1: no reply.</source>
        <translation>%1: keine Antwort.</translation>
    </message>
    <message>
        <source>%1 is not available: %2.</source>
        <translation>%1 ist nicht verfügbar: %2.</translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>DotCell</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>leuchtet</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>dunkel</translation>
    </message>
</context>
<context>
    <name>DotGrid</name>
    <message>
        <source>Dot matrix</source>
        <translation>Punktmatrix</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Up, &amp;Wrapping Around</source>
        <translation>Nach oben u&amp;mlaufend</translation>
    </message>
    <message>
        <source>Shift Up, Wrapping Around</source>
        <translation>Nach oben umlaufend verschieben</translation>
    </message>
    <message>
        <source>Down, W&amp;rapping Around</source>
        <translation>Nach unten umlau&amp;fend</translation>
    </message>
    <message>
        <source>Shift Down, Wrapping Around</source>
        <translation>Nach unten umlaufend verschieben</translation>
    </message>
    <message>
        <source>Left, Wr&amp;apping Around</source>
        <translation>Nach links umlaufen&amp;d</translation>
    </message>
    <message>
        <source>Shift Left, Wrapping Around</source>
        <translation>Nach links umlaufend verschieben</translation>
    </message>
    <message>
        <source>Right, Wra&amp;pping Around</source>
        <translation>Nach rechts umlaufe&amp;nd</translation>
    </message>
    <message>
        <source>Shift Right, Wrapping Around</source>
        <translation>Nach rechts umlaufend verschieben</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>90° &amp;Clockwise</source>
        <translation>90° im &amp;Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>90° &amp;Anticlockwise</source>
        <translation>90° &amp;gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Rotate Anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>&amp;180°</source>
        <translation>&amp;180°</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Um 180° drehen</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Spiegeln</translation>
    </message>
    <message>
        <source>&amp;Left to Right</source>
        <translation>&amp;Links nach rechts</translation>
    </message>
    <message>
        <source>Mirror Left to Right</source>
        <translation>Links nach rechts spiegeln</translation>
    </message>
    <message>
        <source>&amp;Top to Bottom</source>
        <translation>&amp;Oben nach unten</translation>
    </message>
    <message>
        <source>Mirror Top to Bottom</source>
        <translation>Oben nach unten spiegeln</translation>
    </message>
    <message>
        <source>PNG picture, 8 x 8 pixels (*.png)</source>
        <translation>PNG-Bild, 8 x 8 Pixel (*.png)</translation>
    </message>
    <message>
        <source>PNG picture, %1 pixels to a dot (*.png)</source>
        <translation>PNG-Bild, %1 Pixel pro Punkt (*.png)</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>&amp;Import Image...</source>
        <translation>Bild &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Image...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Paste the first of %1 pictures</source>
        <translation>Das erste von %1 Bildern einfügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wie&amp;derherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Kopieren &amp;als</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Clear A&amp;LL</source>
        <translation>Alles &amp;leeren</translation>
    </message>
    <message>
        <source>Send as You &amp;Draw</source>
        <translation>Beim &amp;Zeichnen senden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>die Zwischenablage</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a pattern nor a picture.</source>
        <translation>Nichts wurde eingefügt: die Zwischenablage enthält weder ein Muster noch ein Bild.</translation>
    </message>
    <message>
        <source>Nothing was pasted: no pattern was found in the text on the clipboard.</source>
        <translation>Nichts wurde eingefügt: im Text der Zwischenablage wurde kein Muster gefunden.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is not a pattern, as %1.</source>
        <translation>Nichts wurde eingefügt: der Text der Zwischenablage ist kein Muster, denn %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is empty.</source>
        <translation>Nichts wurde eingefügt: das Bild in %1 ist leer.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is %2 x %3 pixels, more than the workbench takes.</source>
        <translation>Nichts wurde eingefügt: das Bild in %1 hat %2 x %3 Pixel, mehr als die Werkbank annimmt.</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
</context>
<context>
    <name>Endpoint</name>
    <message>
        <source>an IPv6 address must end with &apos;]&apos;</source>
        <translation>eine IPv6-Adresse muss mit &apos;]&apos; enden</translation>
    </message>
    <message>
        <source>no port: write host:port, for example tcp://%1:2000</source>
        <translation>kein Port: host:port schreiben, zum Beispiel tcp://%1:2000</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, as [::1]:2000</source>
        <translation>eine IPv6-Adresse in eckigen Klammern schreiben, etwa [::1]:2000</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>kein Host</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no host name</source>
        <translation>&apos;%1&apos; ist kein Hostname</translation>
    </message>
    <message>
        <source>no port after the &apos;:&apos;</source>
        <translation>kein Port nach dem &apos;:&apos;</translation>
    </message>
    <message>
        <source>port &apos;%1&apos; is out of range: it must be 1 to 65535</source>
        <translation>Port &apos;%1&apos; liegt außerhalb des Bereichs: er muss 1 bis 65535 sein</translation>
    </message>
    <message>
        <source>no topic: write mqtt://host/BASE/MODULE, for example mqtt://%1/glyphsmith/shelf</source>
        <translation>kein Topic: mqtt://host/BASIS/MODUL schreiben, zum Beispiel mqtt://%1/glyphsmith/shelf</translation>
    </message>
    <message>
        <source>no user name before the &apos;@&apos;</source>
        <translation>kein Benutzername vor dem &apos;@&apos;</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, as [::1]:1883</source>
        <translation>eine IPv6-Adresse in eckigen Klammern schreiben, etwa [::1]:1883</translation>
    </message>
    <message>
        <source>the topic &apos;%1&apos; is not BASE/MODULE, as glyphsmith/shelf</source>
        <translation>das Topic &apos;%1&apos; ist nicht BASIS/MODUL, wie glyphsmith/shelf</translation>
    </message>
    <message>
        <source>the topic &apos;%1&apos; may hold no &apos;+&apos;, &apos;#&apos; or spaces</source>
        <translation>das Topic &apos;%1&apos; darf kein &apos;+&apos;, &apos;#&apos; und keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>no device given</source>
        <translation>kein Gerät angegeben</translation>
    </message>
    <message>
        <source>unknown kind of address &apos;%1://&apos;: use tcp://, rfc2217:// or mqtt://</source>
        <translation>unbekannte Adressart &apos;%1://&apos;: tcp://, rfc2217:// oder mqtt:// verwenden</translation>
    </message>
</context>
<context>
    <name>FontFile</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 needs %2 numbers</source>
        <translation>%1 braucht %2 Zahlen</translation>
    </message>
    <message>
        <source>%1 has &quot;%2&quot; where a number belongs</source>
        <translation>%1 hat &quot;%2&quot;, wo eine Zahl hingehört</translation>
    </message>
    <message>
        <source>not a BDF font: it does not begin with STARTFONT</source>
        <translation>keine BDF-Schrift: sie beginnt nicht mit STARTFONT</translation>
    </message>
    <message>
        <source>FONTBOUNDINGBOX gives %1 by %2 dots; a font&apos;s glyphs have 1 to %3</source>
        <translation>FONTBOUNDINGBOX gibt %1 mal %2 Punkte an; die Glyphen einer Schrift haben 1 bis %3</translation>
    </message>
    <message>
        <source>FONTBOUNDINGBOX lies more than %1 dots away from the origin</source>
        <translation>FONTBOUNDINGBOX liegt mehr als %1 Punkte vom Ursprung entfernt</translation>
    </message>
    <message>
        <source>CHARS gives %1 glyphs; at most %2 are read</source>
        <translation>CHARS gibt %1 Glyphen an; höchstens %2 werden gelesen</translation>
    </message>
    <message>
        <source>it ends before ENDFONT: the file is cut short</source>
        <translation>sie endet vor ENDFONT: die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>it ends inside its properties: the file is cut short</source>
        <translation>sie endet innerhalb ihrer Eigenschaften: die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>more than %1 glyphs</source>
        <translation>mehr als %1 Glyphen</translation>
    </message>
    <message>
        <source>glyph %1 has a negative size in its BBX</source>
        <translation>Glyphe %1 hat eine negative Größe in ihrer BBX</translation>
    </message>
    <message>
        <source>glyph %1 is %2 by %3 dots; a font&apos;s glyphs have 1 to %4</source>
        <translation>Glyphe %1 hat %2 mal %3 Punkte; die Glyphen einer Schrift haben 1 bis %4</translation>
    </message>
    <message>
        <source>glyph %1 lies more than %2 dots away from the origin</source>
        <translation>Glyphe %1 liegt mehr als %2 Punkte vom Ursprung entfernt</translation>
    </message>
    <message>
        <source>glyph %1 has its BITMAP before its BBX</source>
        <translation>Glyphe %1 hat ihre BITMAP vor ihrer BBX</translation>
    </message>
    <message>
        <source>glyph %1 has no BBX</source>
        <translation>Glyphe %1 hat keine BBX</translation>
    </message>
    <message>
        <source>glyph %1 has no BITMAP</source>
        <translation>Glyphe %1 hat keine BITMAP</translation>
    </message>
    <message>
        <source>glyph %1 has no ENDCHAR</source>
        <translation>Glyphe %1 hat kein ENDCHAR</translation>
    </message>
    <message>
        <source>it ends inside glyph %1: the file is cut short</source>
        <translation>sie endet innerhalb von Glyphe %1: die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>glyph %1 has %2 bitmap rows where its BBX gives %3</source>
        <translation>Glyphe %1 hat %2 Bitmap-Zeilen, wo ihre BBX %3 angibt</translation>
    </message>
    <message>
        <source>glyph %1 has a bitmap row that is not hex</source>
        <translation>Glyphe %1 hat eine Bitmap-Zeile, die nicht hexadezimal ist</translation>
    </message>
    <message>
        <source>glyph %1 has a bitmap row of %2 hex digits where its BBX needs %3</source>
        <translation>Glyphe %1 hat eine Bitmap-Zeile mit %2 Hexziffern, wo ihre BBX %3 braucht</translation>
    </message>
    <message>
        <source>it has no FONTBOUNDINGBOX</source>
        <translation>sie hat keine FONTBOUNDINGBOX</translation>
    </message>
    <message>
        <source>it has no CHARS line</source>
        <translation>sie hat keine CHARS-Zeile</translation>
    </message>
    <message>
        <source>CHARS gives %1 glyphs, but the file holds %2</source>
        <translation>CHARS gibt %1 Glyphen an, aber die Datei enthält %2</translation>
    </message>
    <message>
        <source>it holds no glyphs</source>
        <translation>sie enthält keine Glyphen</translation>
    </message>
    <message>
        <source>its glyphs reach over %1 rows; at most %2 are read</source>
        <translation>ihre Glyphen reichen über %1 Zeilen; höchstens %2 werden gelesen</translation>
    </message>
    <message>
        <source>glyph %1 reaches over %2 columns; at most %3 are read</source>
        <translation>Glyphe %1 reicht über %2 Spalten; höchstens %3 werden gelesen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>die Datei ist größer als %1</translation>
    </message>
    <message>
        <source>neither a PSF nor a BDF font</source>
        <translation>weder eine PSF- noch eine BDF-Schrift</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>not gzip-compressed</source>
        <translation>nicht gzip-komprimiert</translation>
    </message>
    <message>
        <source>cannot start unpacking</source>
        <translation>das Entpacken kann nicht beginnen</translation>
    </message>
    <message>
        <source>unpacks to more than %1</source>
        <translation>entpackt zu mehr als %1</translation>
    </message>
    <message>
        <source>has data after the end of its compressed stream</source>
        <translation>hat Daten nach dem Ende seines komprimierten Datenstroms</translation>
    </message>
    <message>
        <source>compressed data ends early: the file is cut short</source>
        <translation>die komprimierten Daten enden zu früh: die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>not enough memory to unpack it</source>
        <translation>nicht genug Speicher, um sie zu entpacken</translation>
    </message>
    <message>
        <source>damaged compressed data (%1)</source>
        <translation>beschädigte komprimierte Daten (%1)</translation>
    </message>
    <message>
        <source>ends early</source>
        <translation>endet zu früh</translation>
    </message>
    <message>
        <source>names U+%1, which is no character</source>
        <translation>nennt U+%1, das kein Zeichen ist</translation>
    </message>
    <message>
        <source>holds a byte that starts no UTF-8 character</source>
        <translation>enthält ein Byte, mit dem kein UTF-8-Zeichen beginnt</translation>
    </message>
    <message>
        <source>holds a malformed UTF-8 character</source>
        <translation>enthält ein fehlerhaftes UTF-8-Zeichen</translation>
    </message>
    <message>
        <source>too short for a PSF header</source>
        <translation>zu kurz für einen PSF-Kopf</translation>
    </message>
    <message>
        <source>unknown PSF1 mode 0x%1</source>
        <translation>unbekannter PSF1-Modus 0x%1</translation>
    </message>
    <message>
        <source>its glyphs are 0 dots high</source>
        <translation>ihre Glyphen sind 0 Punkte hoch</translation>
    </message>
    <message>
        <source>too short for a PSF2 header</source>
        <translation>zu kurz für einen PSF2-Kopf</translation>
    </message>
    <message>
        <source>PSF2 version %1; only version 0 is known</source>
        <translation>PSF2-Version %1; nur Version 0 ist bekannt</translation>
    </message>
    <message>
        <source>its header claims to be %1 bytes long</source>
        <translation>ihr Kopf gibt an, %1 Bytes lang zu sein</translation>
    </message>
    <message>
        <source>its glyphs are %1 by %2 dots; a font&apos;s glyphs have 1 to %3</source>
        <translation>ihre Glyphen haben %1 mal %2 Punkte; die Glyphen einer Schrift haben 1 bis %3</translation>
    </message>
    <message>
        <source>its glyphs take %1 bytes each, but %2 by %3 dots take %4</source>
        <translation>ihre Glyphen belegen je %1 Bytes, aber %2 mal %3 Punkte belegen %4</translation>
    </message>
    <message>
        <source>not a PSF font: it does not begin with a PSF magic number</source>
        <translation>keine PSF-Schrift: sie beginnt nicht mit einer PSF-Kennung</translation>
    </message>
    <message>
        <source>its header gives %1 glyphs; at most %2 are read</source>
        <translation>ihr Kopf gibt %1 Glyphen an; höchstens %2 werden gelesen</translation>
    </message>
    <message>
        <source>its header promises %1 glyphs, but the file holds only %2: it is cut short</source>
        <translation>ihr Kopf verspricht %1 Glyphen, aber die Datei enthält nur %2: sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>the character table %1 in the entry of glyph %2</source>
        <translation>die Zeichentabelle %1 im Eintrag von Glyphe %2</translation>
    </message>
</context>
<context>
    <name>FormatChooser</name>
    <message>
        <source>Paste As</source>
        <translation>Einfügen als</translation>
    </message>
    <message>
        <source>The text reads as more than one pattern. Which is it?</source>
        <translation>Der Text lässt sich als mehr als ein Muster lesen. Welches ist es?</translation>
    </message>
</context>
<context>
    <name>FramesController</name>
    <message>
        <source>&amp;Frames</source>
        <translation>&amp;Einzelbilder</translation>
    </message>
    <message>
        <source>Add as &amp;Animation</source>
        <translation>Als &amp;Animation hinzufügen</translation>
    </message>
    <message>
        <source>Paste the &amp;First Picture</source>
        <translation>Nur das &amp;erste Bild einfügen</translation>
    </message>
    <message>
        <source>The clipboard holds %1 pictures, as the web editor keeps an animation.</source>
        <translation>Die Zwischenablage enthält %1 Bilder, wie der Web-Editor eine Animation speichert.</translation>
    </message>
    <message>
        <source>Add them as the frames of a new animation &quot;%1&quot; of the pattern library %2, or paste only the first picture on the grid?</source>
        <translation>Sollen sie als Einzelbilder einer neuen Animation &quot;%1&quot; der Musterbibliothek %2 hinzugefügt werden, oder nur das erste Bild ins Raster?</translation>
    </message>
    <message>
        <source>An animation holds at most %1 frames. Paste only the first picture on the grid?</source>
        <translation>Eine Animation hat höchstens %1 Einzelbilder. Nur das erste Bild ins Raster einfügen?</translation>
    </message>
    <message>
        <source>Paste the first of %1 pictures</source>
        <translation>Das erste von %1 Bildern einfügen</translation>
    </message>
    <message>
        <source>Paste animation &quot;%1&quot;</source>
        <translation>Animation &quot;%1&quot; einfügen</translation>
    </message>
</context>
<context>
    <name>FramesEditor</name>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Einzelbild %1 von %2</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 zeigen</translation>
    </message>
    <message>
        <source>Show Animation &quot;%1&quot;</source>
        <translation>Animation &quot;%1&quot; zeigen</translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation>Animation umbenennen</translation>
    </message>
    <message>
        <source>Delete Animation</source>
        <translation>Animation löschen</translation>
    </message>
    <message>
        <source>Show Frame %1</source>
        <translation>Einzelbild %1 zeigen</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Einzelbild hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate Frame</source>
        <translation>Einzelbild duplizieren</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Einzelbild löschen</translation>
    </message>
    <message>
        <source>Move Frame</source>
        <translation>Einzelbild verschieben</translation>
    </message>
    <message>
        <source>Frame Time</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Animation %1</source>
        <translation>Animation %1</translation>
    </message>
</context>
<context>
    <name>FramesModel</name>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1: %2 ms</translation>
    </message>
    <message>
        <source>Frame %1, shown for %2 ms</source>
        <translation>Einzelbild %1, %2 ms lang gezeigt</translation>
    </message>
</context>
<context>
    <name>FramesWindow</name>
    <message>
        <source>Frames</source>
        <translation>Einzelbilder</translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation>Animati&amp;on:</translation>
    </message>
    <message>
        <source>&amp;New Animation...</source>
        <translation>&amp;Neue Animation...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Delete Animat&amp;ion</source>
        <translation>An&amp;imation löschen</translation>
    </message>
    <message>
        <source>A&amp;dd Frame</source>
        <translation>Einzelbild &amp;hinzufügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>Duplizie&amp;ren</translation>
    </message>
    <message>
        <source>De&amp;lete Frame</source>
        <translation>Einzelbild l&amp;öschen</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>&amp;Früher</translation>
    </message>
    <message>
        <source>Move La&amp;ter</source>
        <translation>Spä&amp;ter</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>D&amp;auer:</translation>
    </message>
    <message>
        <source>&amp;Onion skin</source>
        <translation>Z&amp;wiebelschicht</translation>
    </message>
    <message>
        <source>Show the previous frame faintly in the grid</source>
        <translation>Das vorige Einzelbild blass im Raster zeigen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abspie&amp;len</translation>
    </message>
    <message>
        <source>Play on &amp;Module</source>
        <translation>Auf dem &amp;Modul abspielen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Loo&amp;p</source>
        <translation>Wiederho&amp;len</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>&amp;Import Animation...</source>
        <translation>Animation &amp;importieren...</translation>
    </message>
    <message>
        <source>Te&amp;xt to Frames...</source>
        <translation>Te&amp;xt zu Einzelbildern...</translation>
    </message>
    <message>
        <source>Export &amp;GIF...</source>
        <translation>&amp;GIF exportieren...</translation>
    </message>
    <message>
        <source>Export Sprite S&amp;heet...</source>
        <translation>Sprite-&amp;Blatt exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;C Array...</source>
        <translation>&amp;C-Array exportieren...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Stopped: another message was sent to the module.</source>
        <translation>Angehalten: eine andere Nachricht wurde an das Modul geschickt.</translation>
    </message>
    <message>
        <source>Frames: %1</source>
        <translation>Einzelbilder: %1</translation>
    </message>
    <message>
        <source>Shown: %1   Skipped: %2</source>
        <translation>Gezeigt: %1   Ausgelassen: %2</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Neue Animation</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation>Eine Animation braucht einen Namen.</translation>
    </message>
    <message>
        <source>New animation</source>
        <translation>Neue Animation</translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation>Animation umbenennen</translation>
    </message>
    <message>
        <source>There is already an animation named &quot;%1&quot;.</source>
        <translation>Es gibt schon eine Animation namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Animation importieren</translation>
    </message>
    <message>
        <source>Animated pictures (*.gif *.GIF)</source>
        <translation>Animierte Bilder (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>All pictures (*)</source>
        <translation>Alle Bilder (*)</translation>
    </message>
    <message>
        <source>Cannot import the animation %1</source>
        <translation>Die Animation %1 kann nicht importiert werden</translation>
    </message>
    <message>
        <source>Import animation</source>
        <translation>Animation importieren</translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation>Text: %1</translation>
    </message>
    <message>
        <source>Text to frames</source>
        <translation>Text zu Einzelbildern</translation>
    </message>
    <message>
        <source>The animation has no frames to export.</source>
        <translation>Die Animation hat keine Einzelbilder zum Exportieren.</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Export GIF</source>
        <translation>GIF exportieren</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Cannot export the animation to %1</source>
        <translation>Die Animation kann nicht nach %1 exportiert werden</translation>
    </message>
    <message>
        <source>Export Sprite Sheet</source>
        <translation>Sprite-Blatt exportieren</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Cannot export the sprite sheet to %1</source>
        <translation>Das Sprite-Blatt kann nicht nach %1 exportiert werden</translation>
    </message>
    <message>
        <source>Export C Array</source>
        <translation>C-Array exportieren</translation>
    </message>
    <message>
        <source>Bytes:</source>
        <translation>Bytes:</translation>
    </message>
    <message>
        <source>C header (*.h)</source>
        <translation>C-Header (*.h)</translation>
    </message>
    <message>
        <source>one byte per row, top row first, leftmost dot in bit 7</source>
        <translation>ein Byte pro Zeile, oberste Zeile zuerst, der Punkt ganz links in Bit 7</translation>
    </message>
    <message>
        <source>the module&apos;s bytes, leftmost column first, dots weighing 16, 32, 64, 128, 1, 2, 4, 8 from the top</source>
        <translation>die Bytes des Moduls, Spalte ganz links zuerst, die Punkte von oben mit den Gewichten 16, 32, 64, 128, 1, 2, 4, 8</translation>
    </message>
    <message>
        <source>Cannot export the animation to %1: %2</source>
        <translation>Die Animation kann nicht nach %1 exportiert werden: %2</translation>
    </message>
</context>
<context>
    <name>FrmConfig</name>
    <message>
        <source>No Mode Selected</source>
        <translation>Kein Modus gewählt</translation>
    </message>
    <message>
        <source>No Speed Selected</source>
        <translation>Keine Geschwindigkeit gewählt</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Devices...</source>
        <translation>Geräte...</translation>
    </message>
    <message>
        <source>Cannot read picture file %1</source>
        <translation>Die Bilddatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>COM%1 is open, but the choice could not be stored in %2: %3.</source>
        <translation>COM%1 ist offen, aber die Wahl konnte nicht in %2 gespeichert werden: %3.</translation>
    </message>
    <message>
        <source>The program will not remember this port at its next start. Port choices made later in this run are not stored either.</source>
        <translation>Das Programm wird sich beim nächsten Start nicht an diesen Port erinnern. Auch später in diesem Lauf gewählte Ports werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>No Position Selected</source>
        <translation>Keine Position gewählt</translation>
    </message>
    <message>
        <source>No Speed Selected</source>
        <translation>Keine Geschwindigkeit gewählt</translation>
    </message>
</context>
<context>
    <name>GifImportDialog</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiteres</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Animation importieren</translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation>&amp;Helle Teile leuchten</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n frame(s)</source>
        <translation>
            <numerusform>%1: %n Einzelbild</numerusform>
            <numerusform>%1: %n Einzelbilder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1: %2 ms</translation>
    </message>
    <message>
        <source>Frame &amp;times:</source>
        <translation>&amp;Anzeigedauern:</translation>
    </message>
    <message>
        <source>Frame %1 has no delay in the file (0): it is shown for %2 ms, as browsers show it.</source>
        <translation>Einzelbild %1 hat in der Datei keine Verzögerung (0): es wird %2 ms lang gezeigt, wie Browser es zeigen.</translation>
    </message>
    <message>
        <source>Frames %1 have no delay in the file (0): they are shown for %2 ms, as browsers show them.</source>
        <translation>Die Einzelbilder %1 haben in der Datei keine Verzögerung (0): sie werden %2 ms lang gezeigt, wie Browser sie zeigen.</translation>
    </message>
    <message>
        <source>Frame %1 has a delay of 1 hundredth of a second: it is kept as %2 ms, as this program writes its shortest frames (browsers show it for %3 ms).</source>
        <translation>Einzelbild %1 hat eine Verzögerung von 1 Hundertstelsekunde: es wird als %2 ms behalten, so wie dieses Programm seine kürzesten Einzelbilder schreibt (Browser zeigen es %3 ms lang).</translation>
    </message>
    <message>
        <source>Frames %1 have a delay of 1 hundredth of a second: they are kept as %2 ms, as this program writes its shortest frames (browsers show them for %3 ms).</source>
        <translation>Die Einzelbilder %1 haben eine Verzögerung von 1 Hundertstelsekunde: sie werden als %2 ms behalten, so wie dieses Programm seine kürzesten Einzelbilder schreibt (Browser zeigen sie %3 ms lang).</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwellwert:</translation>
    </message>
</context>
<context>
    <name>GlyphModel</name>
    <message>
        <source>%1 (U+%2)</source>
        <translation>%1 (U+%2)</translation>
    </message>
    <message>
        <source>Glyph %1</source>
        <translation>Glyphe %1</translation>
    </message>
</context>
<context>
    <name>GlyphsmithBridge</name>
    <message>
        <source>Puts Kaldor8x8 8x8 LED modules on an MQTT broker: each module&apos;s topics under BASE/MODULE become its messages, paced at the module&apos;s own line.
The configuration file (INI) names the broker and the modules; the options override it.</source>
        <translation>Stellt Kaldor8x8-8x8-LED-Module auf einen MQTT-Broker: die Topics jedes Moduls unter BASIS/MODUL werden zu seinen Nachrichten, im Takt seiner eigenen Leitung.
Die Konfigurationsdatei (INI) nennt den Broker und die Module; die Optionen haben Vorrang vor ihr.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>The configuration file (default: %1).</source>
        <translation>Die Konfigurationsdatei (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>The broker&apos;s host name.</source>
        <translation>Der Hostname des Brokers.</translation>
    </message>
    <message>
        <source>The broker&apos;s port (1883; 8883 with TLS).</source>
        <translation>Der Port des Brokers (1883; 8883 mit TLS).</translation>
    </message>
    <message>
        <source>Connect to the broker with TLS.</source>
        <translation>Mit TLS zum Broker verbinden.</translation>
    </message>
    <message>
        <source>The broker&apos;s CA certificate (TLS).</source>
        <translation>Das CA-Zertifikat des Brokers (TLS).</translation>
    </message>
    <message>
        <source>The user name at the broker.</source>
        <translation>Der Benutzername beim Broker.</translation>
    </message>
    <message>
        <source>A file whose first line is the password (or set GLYPHSMITH_MQTT_PASSWORD).</source>
        <translation>Eine Datei, deren erste Zeile das Passwort ist (oder GLYPHSMITH_MQTT_PASSWORD setzen).</translation>
    </message>
    <message>
        <source>The MQTT client id.</source>
        <translation>Die MQTT-Client-ID.</translation>
    </message>
    <message>
        <source>The keep-alive time in seconds (60).</source>
        <translation>Die Keep-Alive-Zeit in Sekunden (60).</translation>
    </message>
    <message>
        <source>The topic the modules&apos; topics begin with (glyphsmith).</source>
        <translation>Das Topic, mit dem die Topics der Module beginnen (glyphsmith).</translation>
    </message>
    <message>
        <source>A module and its port: COM1..COM6, a device path, tcp://host:port or rfc2217://host:port; may be repeated.</source>
        <translation>Ein Modul und sein Port: COM1..COM6, ein Gerätepfad, tcp://host:port oder rfc2217://host:port; mehrfach möglich.</translation>
    </message>
    <message>
        <source>Announce the modules to Home Assistant.</source>
        <translation>Die Module bei Home Assistant ankündigen.</translation>
    </message>
    <message>
        <source>Do not announce them (and remove what was).</source>
        <translation>Sie nicht ankündigen (und Angekündigtes entfernen).</translation>
    </message>
    <message>
        <source>Where the bridge remembers what it announced (default: %1).</source>
        <translation>Wo sich die Bridge merkt, was sie angekündigt hat (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>Check the configuration, print it and exit.</source>
        <translation>Die Konfiguration prüfen, ausgeben und beenden.</translation>
    </message>
    <message>
        <source>; try &apos;glyphsmith-bridge --help&apos;</source>
        <translation>; siehe &apos;glyphsmith-bridge --help&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; try &apos;glyphsmith-bridge --help&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;; siehe &apos;glyphsmith-bridge --help&apos;</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3</source>
        <translation>--%1 verlangt eine Zahl von %2 bis %3</translation>
    </message>
</context>
<context>
    <name>GlyphsmithSend</name>
    <message>
        <source>; try &apos;glyphsmith-send --help&apos;</source>
        <translation>; siehe &apos;glyphsmith-send --help&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;: a negative number, or a text that begins with &apos;-&apos;, goes after &apos;--&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;: eine negative Zahl oder ein Text, der mit &apos;-&apos; beginnt, gehört hinter &apos;--&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation>Befehle:
</translation>
    </message>
    <message>
        <source>A text that begins with &apos;-&apos; goes after &apos;--&apos;: glyphsmith-send scroll -- -5.</source>
        <translation>Ein Text, der mit &apos;-&apos; beginnt, gehört hinter &apos;--&apos;: glyphsmith-send scroll -- -5.</translation>
    </message>
    <message>
        <source>A SPAN is a span of the library file given with --library or, without it, of the library the program opened last. Each module of a span is reached as the span names it (COM1..COM6, a device, an endpoint); --port does not go with the span commands.</source>
        <translation>Ein VERBUND ist ein Verbund der mit --library angegebenen Bibliotheksdatei oder, ohne sie, der zuletzt vom Programm geöffneten Bibliothek. Jedes Modul eines Verbunds wird so erreicht, wie der Verbund es nennt (COM1..COM6, ein Gerät, ein Endpunkt); --port passt nicht zu den Verbund-Befehlen.</translation>
    </message>
    <message>
        <source>Exit status: 0 done (acknowledged where the module answers), 2 bad usage, 3 refused by the module, 4 no reply, 5 port not available.</source>
        <translation>Rückgabewert: 0 erledigt (bestätigt, wo das Modul antwortet), 2 falsche Verwendung, 3 vom Modul abgelehnt, 4 keine Antwort, 5 Port nicht verfügbar.</translation>
    </message>
    <message>
        <source>Sends one message to the Kaldor8x8 8x8 LED module and, for the settings commands, waits for its answer.
Without --port it uses the port the program has stored, COM1 to COM6 standing for devices as in the program.</source>
        <translation>Schickt eine Nachricht an das Kaldor8x8-8x8-LED-Modul und wartet bei den Einstellungsbefehlen auf seine Antwort.
Ohne --port verwendet es den Port, den das Programm gespeichert hat; COM1 bis COM6 stehen wie im Programm für Geräte.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>COM1..COM6, a device path, tcp://host:port or rfc2217://host:port.</source>
        <translation>COM1..COM6, ein Gerätepfad, tcp://host:port oder rfc2217://host:port.</translation>
    </message>
    <message>
        <source>Print the settings as one line of JSON.</source>
        <translation>Die Einstellungen als eine Zeile JSON ausgeben.</translation>
    </message>
    <message>
        <source>The format of a pattern&apos;s text, where it could be read as more than one: module-bytes, row-bytes, c-array, arduino, python-list, integer64, text-art.</source>
        <translation>Das Format des Textes eines Musters, wo er sich mehrfach lesen lässt: module-bytes, row-bytes, c-array, arduino, python-list, integer64, text-art.</translation>
    </message>
    <message>
        <source>The library file whose spans the span commands name (the library the program opened last without it).</source>
        <translation>Die Bibliotheksdatei, deren Verbünde die Verbund-Befehle nennen (ohne sie die zuletzt vom Programm geöffnete Bibliothek).</translation>
    </message>
    <message>
        <source>span-scroll: the font family to draw the text in.</source>
        <translation>span-scroll: die Schriftfamilie, in der der Text gezeichnet wird.</translation>
    </message>
    <message>
        <source>span-scroll: the text&apos;s height in pixels (9 for each row of modules).</source>
        <translation>span-scroll: die Höhe des Textes in Pixeln (9 für jede Modulreihe).</translation>
    </message>
    <message>
        <source>span-scroll: milliseconds a frame, one dot a frame (50).</source>
        <translation>span-scroll: Millisekunden pro Einzelbild, ein Punkt pro Einzelbild (50).</translation>
    </message>
    <message>
        <source>--%1 goes with the span commands only</source>
        <translation>--%1 gehört nur zu den Verbund-Befehlen</translation>
    </message>
    <message>
        <source>--%1 does not go with the span commands: each module is reached as its span names it</source>
        <translation>--%1 passt nicht zu den Verbund-Befehlen: jedes Modul wird so erreicht, wie sein Verbund es nennt</translation>
    </message>
    <message>
        <source>--font-size must be a number of pixels</source>
        <translation>--font-size muss eine Anzahl Pixel sein</translation>
    </message>
    <message>
        <source>--frame-ms must be a number of milliseconds</source>
        <translation>--frame-ms muss eine Anzahl Millisekunden sein</translation>
    </message>
    <message>
        <source>--json goes with the command &apos;settings&apos; only</source>
        <translation>--json gehört nur zum Befehl &apos;settings&apos;</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 muss eine Zahl von %2 bis %3 sein, nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be sent: the module shows Latin-1 characters only</source>
        <translation>&apos;%1&apos; kann nicht gesendet werden: das Modul zeigt nur Latin-1-Zeichen</translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation>der Text hat %1 Zeichen; das Modul nimmt höchstens %2</translation>
    </message>
    <message>
        <source>show one character (none: an empty message)</source>
        <translation>ein Zeichen zeigen (keines: eine leere Nachricht)</translation>
    </message>
    <message>
        <source>show custom character N, 0 to 9</source>
        <translation>eigenes Zeichen N zeigen, 0 bis 9</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>die Position</translation>
    </message>
    <message>
        <source>store the shown pattern as custom character N, 0 to 9</source>
        <translation>das gezeigte Muster als eigenes Zeichen N speichern, 0 bis 9</translation>
    </message>
    <message>
        <source>show a dot pattern: a text in any of the workbench&apos;s formats (8 hex pairs are the module&apos;s bytes), &apos;-&apos; for one on standard input, or a pattern of a library</source>
        <translation>ein Punktmuster zeigen: ein Text in einem der Formate der Werkbank (8 Hexpaare sind die Bytes des Moduls), &apos;-&apos; für einen auf der Standardeingabe, oder ein Muster einer Bibliothek</translation>
    </message>
    <message>
        <source>play an animation of a library on the module once, each frame at its time</source>
        <translation>eine Animation einer Bibliothek einmal auf dem Modul abspielen, jedes Einzelbild zu seiner Zeit</translation>
    </message>
    <message>
        <source>the animation &quot;%1&quot; has no frames</source>
        <translation>die Animation &quot;%1&quot; hat keine Einzelbilder</translation>
    </message>
    <message>
        <source>%1 has no animation named &quot;%2&quot;</source>
        <translation>%1 hat keine Animation namens &quot;%2&quot;</translation>
    </message>
    <message>
        <source>scroll a text of up to 20 characters</source>
        <translation>einen Text von bis zu 20 Zeichen laufen lassen</translation>
    </message>
    <message>
        <source>show a text of up to 20 characters one by one</source>
        <translation>einen Text von bis zu 20 Zeichen Zeichen für Zeichen zeigen</translation>
    </message>
    <message>
        <source>set the speed of scrolling and animation now</source>
        <translation>die Geschwindigkeit von Lauftext und Animation jetzt setzen</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>die Geschwindigkeit</translation>
    </message>
    <message>
        <source>play a built-in arrow animation</source>
        <translation>eine eingebaute Pfeilanimation abspielen</translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation>die Richtung muss up, down, left oder right sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>print the stored start-up mode, speed and message</source>
        <translation>den gespeicherten Startmodus, die Geschwindigkeit und den Text ausgeben</translation>
    </message>
    <message>
        <source>store the start-up mode</source>
        <translation>den Startmodus speichern</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>den Modus</translation>
    </message>
    <message>
        <source>store the speed</source>
        <translation>die Geschwindigkeit speichern</translation>
    </message>
    <message>
        <source>store the message of up to 20 characters</source>
        <translation>den Text von bis zu 20 Zeichen speichern</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>--format goes with the command &apos;pattern&apos; only</source>
        <translation>--format gehört nur zum Befehl &apos;pattern&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; braucht %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no argument</source>
        <translation>&apos;%1&apos; nimmt kein Argument</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one argument (put a text with spaces in quotes)</source>
        <translation>&apos;%1&apos; nimmt ein Argument (einen Text mit Leerzeichen in Anführungszeichen setzen)</translation>
    </message>
    <message>
        <source>there are COM1 to COM6, no %1</source>
        <translation>es gibt COM1 bis COM6, kein %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>COM%1 stands for no device: the settings map none to it, and the machine has fewer than %1 serial devices</source>
        <translation>COM%1 steht für kein Gerät: die Einstellungen ordnen ihm keines zu, und der Rechner hat weniger als %1 serielle Geräte</translation>
    </message>
    <message>
        <source>no library file: name one with --library FILE (the program has opened none yet)</source>
        <translation>keine Bibliotheksdatei: eine mit --library DATEI nennen (das Programm hat noch keine geöffnet)</translation>
    </message>
    <message>
        <source>the spans of %1 cannot be read: %2</source>
        <translation>die Verbünde von %1 können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 has no spans</source>
        <translation>%1 hat keine Verbünde</translation>
    </message>
    <message>
        <source>%1 has no span named &quot;%2&quot; (it has %3)</source>
        <translation>%1 hat keinen Verbund namens &quot;%2&quot; (es hat %3)</translation>
    </message>
    <message>
        <source>%1 x %2 dots</source>
        <translation>%1 x %2 Punkte</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; the span &quot;%3&quot; is %4 (or a whole multiple of that)</source>
        <translation>das Bild hat %1 x %2 Pixel; der Verbund &quot;%3&quot; hat %4 (oder ein ganzes Vielfaches davon)</translation>
    </message>
    <message>
        <source>the picture cannot be read: %1</source>
        <translation>das Bild kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>text art of the span &quot;%1&quot; is %2 (%3 lines of %4 dots); this is %5 x %6</source>
        <translation>Textgrafik des Verbunds &quot;%1&quot; hat %2 (%3 Zeilen zu %4 Punkten); dies hat %5 x %6</translation>
    </message>
    <message>
        <source>this is no text art: %1</source>
        <translation>das ist keine Textgrafik: %1</translation>
    </message>
    <message>
        <source>scroll any text across a span of modules, in step (--font, --font-size, --frame-ms)</source>
        <translation>einen beliebigen Text gleichzeitig über einen Verbund von Modulen laufen lassen (--font, --font-size, --frame-ms)</translation>
    </message>
    <message>
        <source>show a picture of the span&apos;s size on its modules: text art, or a PNG</source>
        <translation>ein Bild in der Größe des Verbunds auf seinen Modulen zeigen: Textgrafik oder ein PNG</translation>
    </message>
    <message>
        <source>play a span animation of a library once, on all its modules in step</source>
        <translation>eine Verbund-Animation einer Bibliothek einmal gleichzeitig auf allen ihren Modulen abspielen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs FILE.glyphs NAME</source>
        <translation>&apos;%1&apos; braucht DATEI.glyphs NAME</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs SPAN TEXT (put a text with spaces in quotes)</source>
        <translation>&apos;%1&apos; braucht VERBUND TEXT (einen Text mit Leerzeichen in Anführungszeichen setzen)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs SPAN FILE|-</source>
        <translation>&apos;%1&apos; braucht VERBUND DATEI|-</translation>
    </message>
    <message>
        <source>%1 has no span animation named &quot;%2&quot;</source>
        <translation>%1 hat keine Verbund-Animation namens &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the span animation &quot;%1&quot; has no frames</source>
        <translation>die Verbund-Animation &quot;%1&quot; hat keine Einzelbilder</translation>
    </message>
    <message>
        <source>there is no text to scroll</source>
        <translation>es gibt keinen Text zum Laufenlassen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; draws with the machine&apos;s fonts, which needs Qt Gui</source>
        <translation>&apos;%1&apos; zeichnet mit den Schriften des Rechners, was Qt Gui braucht</translation>
    </message>
    <message>
        <source>--frame-ms must be a number from %1 to %2</source>
        <translation>--frame-ms muss eine Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>der Port ist nicht offen</translation>
    </message>
    <message>
        <source>module %1 (%2) was not available: %3</source>
        <translation>Modul %1 (%2) war nicht verfügbar: %3</translation>
    </message>
    <message>
        <source>some modules did not take their frames within %1 s</source>
        <translation>einige Module haben ihre Einzelbilder nicht innerhalb von %1 s angenommen</translation>
    </message>
    <message>
        <source>; %1 of %2 frames missed</source>
        <translation>; %1 von %2 Einzelbildern verpasst</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <translation>BEFEHL [ARGUMENTE]</translation>
    </message>
    <message>
        <source>With --batch, or &apos;-&apos; as the command, the commands come from standard input, one a line, in the words of the command line: quote a text with spaces as a shell would (&apos;...&apos; or &quot;...&quot;); empty lines and lines that begin with # are skipped. They are sent in order at the line&apos;s pace; the first that fails ends the run, and its message names the line.</source>
        <translation>Mit --batch oder &apos;-&apos; als Befehl kommen die Befehle von der Standardeingabe, einer je Zeile, in den Worten der Befehlszeile: einen Text mit Leerzeichen wie in einer Shell in Anführungszeichen setzen (&apos;...&apos; oder &quot;...&quot;); leere Zeilen und Zeilen, die mit # beginnen, werden übersprungen. Sie werden der Reihe nach im Takt der Leitung gesendet; der erste, der fehlschlägt, beendet den Lauf, und seine Meldung nennt die Zeile.</translation>
    </message>
    <message>
        <source>While 8x8 Glyphsmith runs with the module&apos;s port open, the messages go through it over the session bus, in order with its own; otherwise glyphsmith-send opens the port itself.</source>
        <translation>Solange 8x8 Glyphsmith mit offenem Anschluss des Moduls läuft, gehen die Nachrichten über den Sitzungsbus durch das Programm, in der Reihe mit seinen eigenen; sonst öffnet glyphsmith-send den Anschluss selbst.</translation>
    </message>
    <message>
        <source>Read the commands from standard input, one a line, in the words of the command line (&apos;-&apos; as the command does the same).</source>
        <translation>Die Befehle von der Standardeingabe lesen, einen je Zeile, in den Worten der Befehlszeile (&apos;-&apos; als Befehl tut dasselbe).</translation>
    </message>
    <message>
        <source>with --batch the commands come from standard input, one a line, not from the command line</source>
        <translation>mit --batch kommen die Befehle von der Standardeingabe, einer je Zeile, nicht von der Befehlszeile</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>die Zeile ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>a &apos; is not closed</source>
        <translation>ein &apos; ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a &quot; is not closed</source>
        <translation>ein &quot; ist nicht geschlossen</translation>
    </message>
    <message>
        <source>&apos;pattern -&apos; would read standard input, which holds the commands; give the pattern on the line</source>
        <translation>&apos;pattern -&apos; würde die Standardeingabe lesen, die die Befehle enthält; das Muster auf der Zeile angeben</translation>
    </message>
    <message>
        <source>the module&apos;s answer is no settings record: %1</source>
        <translation>die Antwort des Moduls ist kein Einstellungssatz: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>GlyphsmithSim</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>state file %1 is unusable (%2); nothing is stored</source>
        <translation>Zustandsdatei %1 ist unbrauchbar (%2); nichts wird gespeichert</translation>
    </message>
    <message>
        <source>state file %1 cannot be written (%2); changes to the stored settings will not be kept</source>
        <translation>Zustandsdatei %1 kann nicht geschrieben werden (%2); Änderungen der gespeicherten Einstellungen werden nicht behalten</translation>
    </message>
    <message>
        <source>Kaldor8x8 modules 1 to %1 (simulated)</source>
        <translation>Kaldor8x8-Module 1 bis %1 (simuliert)</translation>
    </message>
    <message>
        <source>Try &apos;glyphsmith-sim --help&apos;.</source>
        <translation>Siehe &apos;glyphsmith-sim --help&apos;.</translation>
    </message>
    <message>
        <source>Simulates the Kaldor8x8 8x8 LED dot-matrix module on a pseudo-terminal.

At start the path to open as the serial port (the --link path, else the
pseudo-terminal itself) is printed on a line of its own. Every message the
program sends is framed, acted on and, for the configuration commands,
answered: F0 reads the stored settings (mode, speed code, message length,
message; FF for what is not stored), F5/F6/F7 store the message, speed code
and start-up mode and answer AA. FE shows a character or a custom character
0..9, F9 stores the shown pattern as a custom character, FC shows a dot
pattern, FD scrolls a text, FB shows its characters one by one, FA sets
their speed, F8 plays an arrow animation (0 up, 1 down, 2 right, 3 left).

Log lines: the bytes of each message in hex (&quot;FC 10 00 00 00 00 00 00 00&quot;),
&quot;&lt; &quot; and the bytes of each reply or part of one as it is sent (&quot;&lt; AA&quot;), and
notes about junk, incomplete or refused messages starting with &quot;# &quot;. With
--log-times each line begins with a time in milliseconds on the system&apos;s
monotonic clock (CLOCK_MONOTONIC, &quot;5234.567 FC ...&quot;): for a message, when its
last byte arrived.

With --count N it simulates N modules at once, each on a pseudo-terminal of its
own, and prints the N paths to open, one a line, module 1 first. The --link,
--log and --state paths are then numbered: --link /tmp/module gives
/tmp/module-1 to /tmp/module-N, --log /tmp/module.log gives /tmp/module-1.log
and so on. The LED boards are shown side by side in one window, module 1 on
the left.

A bad argument ends the simulator with exit status 2: an unknown option or
value, a --link path that cannot be made or that another simulator still
serves, a --log file that cannot be written. A --state file that cannot be
written is reported at start; the simulator runs on and logs each change it
could not store. Any other failure ends it with exit status 1.</source>
        <translation>Simuliert das Kaldor8x8-8x8-LED-Punktmatrixmodul auf einem Pseudo-Terminal.

Beim Start wird der Pfad, der als serieller Port zu öffnen ist (der --link-Pfad,
sonst das Pseudo-Terminal selbst), auf einer eigenen Zeile ausgegeben. Jede
Nachricht des Programms wird eingerahmt, ausgeführt und, bei den
Konfigurationsbefehlen, beantwortet: F0 liest die gespeicherten Einstellungen
(Modus, Geschwindigkeitscode, Textlänge, Text; FF für Nichtgespeichertes),
F5/F6/F7 speichern Text, Geschwindigkeitscode und Startmodus und antworten AA.
FE zeigt ein Zeichen oder ein eigenes Zeichen 0..9, F9 speichert das gezeigte
Muster als eigenes Zeichen, FC zeigt ein Punktmuster, FD lässt einen Text
laufen, FB zeigt seine Zeichen einzeln, FA setzt ihre Geschwindigkeit, F8
spielt eine Pfeilanimation (0 oben, 1 unten, 2 rechts, 3 links).

Protokollzeilen: die Bytes jeder Nachricht hexadezimal
(&quot;FC 10 00 00 00 00 00 00 00&quot;), &quot;&lt; &quot; und die Bytes jeder Antwort oder eines
Teils davon, wie er gesendet wird (&quot;&lt; AA&quot;), und Notizen über Müll, unvollständige
oder abgelehnte Nachrichten, beginnend mit &quot;# &quot;. Mit --log-times beginnt jede
Zeile mit einer Zeit in Millisekunden auf der monotonen Uhr des Systems
(CLOCK_MONOTONIC, &quot;5234.567 FC ...&quot;): bei einer Nachricht, wann ihr letztes Byte
ankam.

Mit --count N simuliert es N Module zugleich, jedes auf einem eigenen
Pseudo-Terminal, und gibt die N zu öffnenden Pfade aus, einen pro Zeile, Modul 1
zuerst. Die Pfade von --link, --log und --state werden dann nummeriert:
--link /tmp/module ergibt /tmp/module-1 bis /tmp/module-N, --log /tmp/module.log
ergibt /tmp/module-1.log und so weiter. Die LED-Tafeln werden nebeneinander in
einem Fenster gezeigt, Modul 1 links.

Ein falsches Argument beendet den Simulator mit Rückgabewert 2: eine unbekannte
Option oder ein unbekannter Wert, ein --link-Pfad, der nicht angelegt werden kann
oder den ein anderer Simulator noch bedient, eine --log-Datei, die nicht
geschrieben werden kann. Eine --state-Datei, die nicht geschrieben werden kann,
wird beim Start gemeldet; der Simulator läuft weiter und protokolliert jede
Änderung, die er nicht speichern konnte. Jeder andere Fehler beendet ihn mit
Rückgabewert 1.</translation>
    </message>
    <message>
        <source>Run without a window.</source>
        <translation>Ohne Fenster laufen.</translation>
    </message>
    <message>
        <source>Make &lt;path&gt; a symbolic link to the port (replacing an old link; removed on exit).</source>
        <translation>&lt;path&gt; zu einem symbolischen Link auf den Port machen (ersetzt einen alten Link; wird beim Beenden entfernt).</translation>
    </message>
    <message>
        <source>Take the --link path over even while another simulator serves it.</source>
        <translation>Den --link-Pfad übernehmen, auch während ein anderer Simulator ihn bedient.</translation>
    </message>
    <message>
        <source>Take at most &lt;rate&gt; / 10 bytes a second from the port, as a module on a line of that speed.</source>
        <translation>Höchstens &lt;rate&gt; / 10 Bytes pro Sekunde vom Port nehmen, wie ein Modul an einer Leitung dieser Geschwindigkeit.</translation>
    </message>
    <message>
        <source>Begin each log line with the time in milliseconds (monotonic clock).</source>
        <translation>Jede Protokollzeile mit der Zeit in Millisekunden beginnen (monotone Uhr).</translation>
    </message>
    <message>
        <source>Write every message and reply to &lt;file&gt;.</source>
        <translation>Jede Nachricht und Antwort in &lt;file&gt; schreiben.</translation>
    </message>
    <message>
        <source>Keep the stored settings and custom characters in &lt;file&gt; across runs.</source>
        <translation>Die gespeicherten Einstellungen und eigenen Zeichen über Läufe hinweg in &lt;file&gt; behalten.</translation>
    </message>
    <message>
        <source>Fault: never answer.</source>
        <translation>Fehler: nie antworten.</translation>
    </message>
    <message>
        <source>Fault: answer &lt;ms&gt; milliseconds late.</source>
        <translation>Fehler: &lt;ms&gt; Millisekunden zu spät antworten.</translation>
    </message>
    <message>
        <source>Fault: answer 55 instead of AA and store nothing.</source>
        <translation>Fehler: 55 statt AA antworten und nichts speichern.</translation>
    </message>
    <message>
        <source>Fault: send each reply of two bytes or more in two parts, &lt;ms&gt; milliseconds apart.</source>
        <translation>Fehler: jede Antwort aus zwei oder mehr Bytes in zwei Teilen senden, &lt;ms&gt; Millisekunden auseinander.</translation>
    </message>
    <message>
        <source>Simulate &lt;n&gt; modules (1 to 16) side by side, their paths numbered.</source>
        <translation>&lt;n&gt; Module (1 bis 16) nebeneinander simulieren, ihre Pfade nummeriert.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--baud wants a rate from 50 to 4000000, not &apos;%1&apos;</source>
        <translation>--baud verlangt eine Rate von 50 bis 4000000, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--count wants a number of modules from 1 to 16, not &apos;%1&apos;</source>
        <translation>--count verlangt eine Anzahl Module von 1 bis 16, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a path must not be empty</source>
        <translation>ein Pfad darf nicht leer sein</translation>
    </message>
    <message>
        <source>--reply-delay wants milliseconds from 0 to 60000, not &apos;%1&apos;</source>
        <translation>--reply-delay verlangt Millisekunden von 0 bis 60000, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--split wants milliseconds from 1 to 60000, not &apos;%1&apos;</source>
        <translation>--split verlangt Millisekunden von 1 bis 60000, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>kein Pseudo-Terminal kann geöffnet werden</translation>
    </message>
    <message>
        <source>cannot unlock the pseudo-terminal</source>
        <translation>das Pseudo-Terminal kann nicht entsperrt werden</translation>
    </message>
    <message>
        <source>pseudo-terminal has no slave name</source>
        <translation>das Pseudo-Terminal hat keinen Slave-Namen</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot read the terminal settings</source>
        <translation>die Terminaleinstellungen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot set the terminal raw</source>
        <translation>das Terminal kann nicht in den Rohmodus gesetzt werden</translation>
    </message>
    <message>
        <source>cannot make the pseudo-terminal non-blocking</source>
        <translation>das Pseudo-Terminal kann nicht auf nicht blockierend gesetzt werden</translation>
    </message>
    <message>
        <source>%1 exists and is no symbolic link</source>
        <translation>%1 existiert und ist kein symbolischer Link</translation>
    </message>
    <message>
        <source>cannot remove the old link %1</source>
        <translation>der alte Link %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>cannot create the link %1</source>
        <translation>der Link %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is served by another simulator (process %2); stop it, or pass --replace to take the link over</source>
        <translation>%1 wird von einem anderen Simulator bedient (Prozess %2); beenden Sie ihn oder geben Sie --replace an, um den Link zu übernehmen</translation>
    </message>
    <message>
        <source>cannot create the link %1: %2</source>
        <translation>der Link %1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>GridEditor</name>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Clear ALL</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>ImageImportDialog</name>
    <message>
        <source>Import Image - %1</source>
        <translation>Bild importieren - %1</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwellwert:</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwellwert</translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation>&amp;Helle Teile leuchten</translation>
    </message>
    <message>
        <source>Picture at 8 x 8</source>
        <translation>Bild mit 8 x 8</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>A picture that is not square</source>
        <translation>Ein Bild, das nicht quadratisch ist</translation>
    </message>
    <message>
        <source>&amp;Keep it whole, dark dots beside it</source>
        <translation>&amp;Ganz behalten, dunkle Punkte daneben</translation>
    </message>
    <message>
        <source>&amp;Crop to its middle square</source>
        <translation>Auf sein mittleres Quadrat &amp;zuschneiden</translation>
    </message>
    <message>
        <source>&amp;Stretch it to the square</source>
        <translation>Auf das Quadrat &amp;strecken</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Letzte Dateien</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Library</source>
        <translation>&amp;Bibliothek</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>Load &quot;%1&quot;</source>
        <translation>&quot;%1&quot; laden</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be kept safe from a crash: their recovery copy cannot be written (%1).</source>
        <translation>Ungespeicherte Änderungen können nicht vor einem Absturz geschützt werden: ihre Wiederherstellungskopie kann nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>Save the library to keep them.</source>
        <translation>Speichern Sie die Bibliothek, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>LibraryDocument</name>
    <message>
        <source>Pattern libraries (*.%1)</source>
        <translation>Musterbibliotheken (*.%1)</translation>
    </message>
    <message>
        <source>Starter set</source>
        <translation>Startsatz</translation>
    </message>
    <message>
        <source>Untitled library</source>
        <translation>Unbenannte Bibliothek</translation>
    </message>
    <message>
        <source>Open Pattern Library</source>
        <translation>Musterbibliothek öffnen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save Pattern Library</source>
        <translation>Musterbibliothek speichern</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>&amp;Add Grid Pattern</source>
        <translation>Raster&amp;muster hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Replace with Grid</source>
        <translation>Durch Raster &amp;ersetzen</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Load into Grid</source>
        <translation>I&amp;ns Raster laden</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>Sen&amp;den</translation>
    </message>
    <message>
        <source>Sa&amp;ve Library</source>
        <translation>Bibliothek s&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Filter by Name</source>
        <translation>Nach Namen &amp;filtern</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>Fil&amp;ter:</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Teil eines Namens</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Pattern Library - %1[*]</source>
        <translation>Musterbibliothek - %1[*]</translation>
    </message>
    <message>
        <source>Change Patterns</source>
        <translation>Muster ändern</translation>
    </message>
    <message>
        <source>Rename &quot;%1&quot;</source>
        <translation>&quot;%1&quot; umbenennen</translation>
    </message>
    <message>
        <source>%1 Patterns</source>
        <translation>%1 Muster</translation>
    </message>
    <message>
        <source>The pattern library %1 is unchanged.</source>
        <translation>Die Musterbibliothek %1 ist unverändert.</translation>
    </message>
    <message>
        <source>Nothing was pasted: no pattern was found in the text on the clipboard.</source>
        <translation>Nichts wurde eingefügt: im Text der Zwischenablage wurde kein Muster gefunden.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is not a pattern, as %1.</source>
        <translation>Nichts wurde eingefügt: der Text der Zwischenablage ist kein Muster, denn %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on the clipboard is empty or larger than the workbench takes.</source>
        <translation>Nichts wurde eingefügt: das Bild in der Zwischenablage ist leer oder größer, als die Werkbank annimmt.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>die Zwischenablage</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a pattern nor a picture.</source>
        <translation>Nichts wurde eingefügt: die Zwischenablage enthält weder ein Muster noch ein Bild.</translation>
    </message>
    <message>
        <source>Add &quot;%1&quot;</source>
        <translation>&quot;%1&quot; hinzufügen</translation>
    </message>
    <message>
        <source>Replace %1</source>
        <translation>%1 ersetzen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
</context>
<context>
    <name>LinkChannel</name>
    <message>
        <source>no reply from the module on %1</source>
        <translation>keine Antwort vom Modul an %1</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>the module refused: it answered %1</source>
        <translation>das Modul hat abgelehnt: es antwortete %1</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>der Anschluss wurde geschlossen</translation>
    </message>
    <message>
        <source>%1 is not available: %2</source>
        <translation>%1 ist nicht verfügbar: %2</translation>
    </message>
    <message>
        <source>the far side did not take the message within %1 s</source>
        <translation>die Gegenseite hat die Nachricht nicht innerhalb von %1 s angenommen</translation>
    </message>
</context>
<context>
    <name>ModuleConnection</name>
    <message>
        <source>COM%1 stands for no serial device</source>
        <translation>COM%1 steht für kein serielles Gerät</translation>
    </message>
    <message>
        <source>no device given</source>
        <translation>kein Gerät angegeben</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 ist %2.</translation>
    </message>
    <message>
        <source>The connection to it is still being made; try again in a moment.</source>
        <translation>Die Verbindung wird noch aufgebaut; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>COM%1 stands for no device: the settings file maps no device to it, and the machine has fewer than %1 serial devices. Plug in the module&apos;s adapter, or map COM%1 to its device in the group [Ports] of the settings file.</source>
        <translation>COM%1 steht für kein Gerät: die Einstellungsdatei ordnet ihm kein Gerät zu, und der Rechner hat weniger als %1 serielle Geräte. Stecken Sie den Adapter des Moduls ein oder ordnen Sie COM%1 in der Gruppe [Ports] der Einstellungsdatei sein Gerät zu.</translation>
    </message>
    <message>
        <source>COM%1 is %2.</source>
        <translation>COM%1 ist %2.</translation>
    </message>
    <message>
        <source>The port is not open. Choose a port from the menu &quot;Communication&quot;.</source>
        <translation>Der Port ist nicht offen. Wählen Sie einen Port im Menü &quot;Communication&quot;.</translation>
    </message>
    <message>
        <source>The system says: %1.</source>
        <translation>Das System meldet: %1.</translation>
    </message>
    <message>
        <source>No such device: check that the module&apos;s adapter is plugged in, or map COM%1 to the device it has now.</source>
        <translation>Kein solches Gerät: prüfen Sie, ob der Adapter des Moduls eingesteckt ist, oder ordnen Sie COM%1 das Gerät zu, das er jetzt hat.</translation>
    </message>
    <message>
        <source>Your user may not use this device. On Debian, serial devices belong to the group &quot;dialout&quot;: add yourself to it (sudo adduser $USER dialout), then log out and in again.</source>
        <translation>Ihr Benutzer darf dieses Gerät nicht verwenden. Unter Debian gehören serielle Geräte zur Gruppe &quot;dialout&quot;: fügen Sie sich ihr hinzu (sudo adduser $USER dialout), dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>another program holds the port</source>
        <translation>ein anderes Programm belegt den Port</translation>
    </message>
    <message>
        <source>%1. Close it (a terminal program, or this program started twice), then choose the port again.</source>
        <translation>%1. Schließen Sie es (ein Terminalprogramm oder dieses Programm, zweimal gestartet) und wählen Sie den Port dann erneut.</translation>
    </message>
    <message>
        <source>This is not a serial device: map COM%1 to the module&apos;s adapter.</source>
        <translation>Dies ist kein serielles Gerät: ordnen Sie COM%1 dem Adapter des Moduls zu.</translation>
    </message>
    <message>
        <source>The device went away while open. The program opens it again by itself as soon as it is back; choosing a port from the menu &quot;Communication&quot; works as ever.</source>
        <translation>Das Gerät ist im geöffneten Zustand verschwunden. Das Programm öffnet es von selbst wieder, sobald es zurück ist; die Wahl eines Ports im Menü &quot;Communication&quot; funktioniert wie immer.</translation>
    </message>
    <message>
        <source>Write a module on the network as tcp://host:port (raw bytes, as ser2net&apos;s raw mode serves them) or rfc2217://host:port (telnet with RFC 2217), with a port from 1 to 65535.</source>
        <translation>Schreiben Sie ein Modul im Netzwerk als tcp://host:port (rohe Bytes, wie sie der Raw-Modus von ser2net liefert) oder rfc2217://host:port (Telnet mit RFC 2217), mit einem Port von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The host name is not known: check its spelling and the machine&apos;s network.</source>
        <translation>Der Hostname ist unbekannt: prüfen Sie seine Schreibweise und das Netzwerk des Rechners.</translation>
    </message>
    <message>
        <source>Nothing takes connections at that address: check that ser2net (or the serial bridge) runs there and serves that port.</source>
        <translation>An dieser Adresse nimmt nichts Verbindungen an: prüfen Sie, ob ser2net (oder die serielle Brücke) dort läuft und diesen Port bedient.</translation>
    </message>
    <message>
        <source>The host did not answer: check the address, the network and any firewall on the way.</source>
        <translation>Der Host hat nicht geantwortet: prüfen Sie die Adresse, das Netzwerk und jede Firewall auf dem Weg.</translation>
    </message>
    <message>
        <source>The far side does not set up its serial port by RFC 2217. For ser2net&apos;s raw mode, map COM%1 to tcp://host:port instead.</source>
        <translation>Die Gegenseite richtet ihren seriellen Port nicht per RFC 2217 ein. Für den Raw-Modus von ser2net ordnen Sie COM%1 stattdessen tcp://host:port zu.</translation>
    </message>
</context>
<context>
    <name>ModuleExchange</name>
    <message>
        <source>the far side did not take the message within %1 s</source>
        <translation>die Gegenseite hat die Nachricht nicht innerhalb von %1 s angenommen</translation>
    </message>
</context>
<context>
    <name>ModuleRunner</name>
    <message>
        <source>the module is not open (%1)</source>
        <translation>das Modul ist nicht offen (%1)</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>Verbindung wird aufgebaut</translation>
    </message>
    <message>
        <source>the module&apos;s port refused the message</source>
        <translation>der Port des Moduls hat die Nachricht abgelehnt</translation>
    </message>
    <message>
        <source>no library is configured for the module %1 (library = FILE.glyphs in its section)</source>
        <translation>für das Modul %1 ist keine Bibliothek konfiguriert (library = DATEI.glyphs in seinem Abschnitt)</translation>
    </message>
    <message>
        <source>the animation &quot;%1&quot; has no frames</source>
        <translation>die Animation &quot;%1&quot; hat keine Einzelbilder</translation>
    </message>
    <message>
        <source>%1 has no animation named &quot;%2&quot;</source>
        <translation>%1 hat keine Animation namens &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the start-up mode</source>
        <translation>den Startmodus</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>die Geschwindigkeit</translation>
    </message>
    <message>
        <source>the message</source>
        <translation>den Text</translation>
    </message>
    <message>
        <source>reading the settings</source>
        <translation>während es die Einstellungen las</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>während es %1 speicherte</translation>
    </message>
    <message>
        <source>the module went away while %1</source>
        <translation>das Modul ist verschwunden, %1</translation>
    </message>
    <message>
        <source>no reply from the module to %1</source>
        <translation>keine Antwort vom Modul, %1</translation>
    </message>
    <message>
        <source>the module&apos;s answer is no settings record: %1</source>
        <translation>die Antwort des Moduls ist kein Einstellungsdatensatz: %1</translation>
    </message>
    <message>
        <source>the module refused %1: it answered %2</source>
        <translation>das Modul hat %1 abgelehnt: es antwortete %2</translation>
    </message>
</context>
<context>
    <name>ModuleTextBox</name>
    <message>
        <source>line break</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>Left out: %1. Only Latin-1 characters reach the module.</source>
        <translation>Ausgelassen: %1. Nur Latin-1-Zeichen erreichen das Modul.</translation>
    </message>
    <message>
        <source>Cut to fit: this box sends the module at most %1.</source>
        <translation>Gekürzt: dieses Feld schickt dem Modul höchstens %1.</translation>
    </message>
    <message>
        <source>one character</source>
        <translation>ein Zeichen</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <source>This box sends the module at most %1.</source>
        <translation>Dieses Feld schickt dem Modul höchstens %1.</translation>
    </message>
</context>
<context>
    <name>Mosquitto</name>
    <message>
        <source>the MQTT library libmosquitto.so.1 cannot be loaded (%1); install the package libmosquitto1</source>
        <translation>die MQTT-Bibliothek libmosquitto.so.1 kann nicht geladen werden (%1); installieren Sie das Paket libmosquitto1</translation>
    </message>
    <message>
        <source>libmosquitto.so.1 lacks %1</source>
        <translation>libmosquitto.so.1 fehlt %1</translation>
    </message>
</context>
<context>
    <name>MqttClient</name>
    <message>
        <source>the broker %1:%2 did not accept the connection within %3 s</source>
        <translation>der Broker %1:%2 hat die Verbindung nicht innerhalb von %3 s angenommen</translation>
    </message>
    <message>
        <source>the host name %1 is not known (%2)</source>
        <translation>der Hostname %1 ist unbekannt (%2)</translation>
    </message>
    <message>
        <source>the MQTT library could not make a session (%1)</source>
        <translation>die MQTT-Bibliothek konnte keine Sitzung anlegen (%1)</translation>
    </message>
    <message>
        <source>the last will cannot be set: %1</source>
        <translation>der letzte Wille kann nicht gesetzt werden: %1</translation>
    </message>
    <message>
        <source>TLS cannot be set up with %1: %2</source>
        <translation>TLS kann mit %1 nicht eingerichtet werden: %2</translation>
    </message>
    <message>
        <source>the broker refused the connection: %1</source>
        <translation>der Broker hat die Verbindung abgelehnt: %1</translation>
    </message>
    <message>
        <source>the connection to the broker dropped: %1</source>
        <translation>die Verbindung zum Broker ist abgebrochen: %1</translation>
    </message>
    <message>
        <source>the broker did not answer within the keep-alive time</source>
        <translation>der Broker hat nicht innerhalb der Keep-Alive-Zeit geantwortet</translation>
    </message>
    <message>
        <source>not connected to the broker</source>
        <translation>nicht mit dem Broker verbunden</translation>
    </message>
</context>
<context>
    <name>MqttTransport</name>
    <message>
        <source>no glyphsmith-bridge serves %1 on the broker %2:%3</source>
        <translation>keine glyphsmith-bridge bedient %1 auf dem Broker %2:%3</translation>
    </message>
    <message>
        <source>the bridge says nothing about the module %1</source>
        <translation>die Bridge sagt nichts über das Modul %1</translation>
    </message>
    <message>
        <source>no answer from the broker %1:%2 within %3 s</source>
        <translation>keine Antwort vom Broker %1:%2 innerhalb von %3 s</translation>
    </message>
    <message>
        <source>the connection to the broker %1 dropped (%2)</source>
        <translation>die Verbindung zum Broker %1 ist abgebrochen (%2)</translation>
    </message>
    <message>
        <source>the broker %1: %2</source>
        <translation>der Broker %1: %2</translation>
    </message>
    <message>
        <source>the glyphsmith-bridge serving %1 is %2</source>
        <translation>die glyphsmith-bridge, die %1 bedient, ist %2</translation>
    </message>
    <message>
        <source>the bridge says %1 is %2</source>
        <translation>die Bridge meldet %1 als %2</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>no answer from %1:%2 within %3 s</source>
        <translation>keine Antwort von %1:%2 innerhalb von %3 s</translation>
    </message>
    <message>
        <source>the host name %1 is not known (%2)</source>
        <translation>der Hostname %1 ist unbekannt (%2)</translation>
    </message>
    <message>
        <source>the far side closed the connection</source>
        <translation>die Gegenseite hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>%1 closed the connection as soon as it was made</source>
        <translation>%1 hat die Verbindung geschlossen, sobald sie hergestellt war</translation>
    </message>
    <message>
        <source>%1 closed the connection: %2</source>
        <translation>%1 hat die Verbindung geschlossen: %2</translation>
    </message>
</context>
<context>
    <name>PatternImage</name>
    <message>
        <source>Cannot import the picture %1: %2.</source>
        <translation>Das Bild %1 kann nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>it is %1 MB, and a picture is at most %2 MB</source>
        <translation>es ist %1 MB groß, und ein Bild hat höchstens %2 MB</translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels, and a picture can have at most %3 million pixels</source>
        <translation>es hat %1 x %2 Pixel, und ein Bild darf höchstens %3 Millionen Pixel haben</translation>
    </message>
    <message>
        <source>Cannot export the picture %1: %2.</source>
        <translation>Das Bild %1 kann nicht exportiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>PatternLibrary</name>
    <message>
        <source>its &quot;%1&quot; has no list of &quot;%2&quot;</source>
        <translation>ihr &quot;%1&quot; hat keine Liste &quot;%2&quot;</translation>
    </message>
    <message>
        <source>its character bank has %1 slots instead of %2</source>
        <translation>ihre Zeichenbank hat %1 Plätze statt %2</translation>
    </message>
    <message>
        <source>the bytes of character bank slot %1 are not 16 hex digits</source>
        <translation>die Bytes von Platz %1 der Zeichenbank sind nicht 16 Hexziffern</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file ends too early, at byte %1: it is cut short</source>
        <translation>die Datei endet zu früh, bei Byte %1: sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>sie ist kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a Glyphsmith pattern library (it has no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation>sie ist keine Glyphsmith-Musterbibliothek (sie hat kein &quot;format&quot;: &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it has no format version</source>
        <translation>sie hat keine Formatversion</translation>
    </message>
    <message>
        <source>it is format version %1, written by a newer Glyphsmith; this one reads format version %2</source>
        <translation>sie hat Formatversion %1, geschrieben von einem neueren Glyphsmith; dieses liest Formatversion %2</translation>
    </message>
    <message>
        <source>it has no list of &quot;patterns&quot;</source>
        <translation>sie hat keine Liste &quot;patterns&quot;</translation>
    </message>
    <message>
        <source>pattern %1 has no name</source>
        <translation>Muster %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>the bytes of pattern %1 (&quot;%2&quot;) are not 16 hex digits</source>
        <translation>die Bytes von Muster %1 (&quot;%2&quot;) sind nicht 16 Hexziffern</translation>
    </message>
    <message>
        <source>patterns %1 and %2 are both named &quot;%3&quot;</source>
        <translation>die Muster %1 und %2 heißen beide &quot;%3&quot;</translation>
    </message>
    <message>
        <source>its &quot;animations&quot; are no list</source>
        <translation>ihre &quot;animations&quot; sind keine Liste</translation>
    </message>
    <message>
        <source>animation %1 (&quot;%2&quot;)</source>
        <translation>Animation %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>animation %1 has no name</source>
        <translation>Animation %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>two animations are named &quot;%1&quot;</source>
        <translation>zwei Animationen heißen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has no list of at most %2 frames</source>
        <translation>%1 hat keine Liste von höchstens %2 Einzelbildern</translation>
    </message>
    <message>
        <source>the bytes of frame %1 of %2 are not 16 hex digits</source>
        <translation>die Bytes von Einzelbild %1 von %2 sind nicht 16 Hexziffern</translation>
    </message>
    <message>
        <source>frame %1 of %2 has no duration in whole milliseconds</source>
        <translation>Einzelbild %1 von %2 hat keine Dauer in ganzen Millisekunden</translation>
    </message>
    <message>
        <source>Cannot open the pattern library %1: %2.</source>
        <translation>Die Musterbibliothek %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is %1 MB, and a pattern library is at most %2 MB</source>
        <translation>sie ist %1 MB groß, und eine Musterbibliothek hat höchstens %2 MB</translation>
    </message>
    <message>
        <source>Cannot save the pattern library %1: no new file can be made in its folder %2 (%3), and a library is saved by writing a new file there and swapping it in.</source>
        <translation>Die Musterbibliothek %1 kann nicht gespeichert werden: in ihrem Ordner %2 kann keine neue Datei angelegt werden (%3), und eine Bibliothek wird gespeichert, indem dort eine neue Datei geschrieben und gegen die alte getauscht wird.</translation>
    </message>
    <message>
        <source>Cannot save the pattern library %1: %2.</source>
        <translation>Die Musterbibliothek %1 kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>A pattern needs a name.</source>
        <translation>Ein Muster braucht einen Namen.</translation>
    </message>
    <message>
        <source>There is already a pattern named &quot;%1&quot;.</source>
        <translation>Es gibt schon ein Muster namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation>Eine Animation braucht einen Namen.</translation>
    </message>
    <message>
        <source>There is already an animation named &quot;%1&quot;.</source>
        <translation>Es gibt schon eine Animation namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <translation>Muster %1</translation>
    </message>
</context>
<context>
    <name>PatternText</name>
    <message>
        <source>%1 has no pattern named &apos;%2&apos;</source>
        <translation>%1 hat kein Muster namens &apos;%2&apos;</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: one of %2</source>
        <translation>unbekanntes Format &apos;%1&apos;: eines von %2</translation>
    </message>
    <message>
        <source>no pattern was found in %1</source>
        <translation>in %1 wurde kein Muster gefunden</translation>
    </message>
    <message>
        <source>%1 is no pattern: %2</source>
        <translation>%1 ist kein Muster: %2</translation>
    </message>
    <message>
        <source>%1 is no pattern in the format %2: %3</source>
        <translation>%1 ist kein Muster im Format %2: %3</translation>
    </message>
    <message>
        <source>&apos;%1…&apos; (%2 characters)</source>
        <translation>&apos;%1…&apos; (%2 Zeichen)</translation>
    </message>
</context>
<context>
    <name>PortHolder</name>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>the library %1</source>
        <translation>der Bibliothek %1</translation>
    </message>
    <message>
        <source>the starter set</source>
        <translation>des Startsatzes</translation>
    </message>
    <message>
        <source>an untitled library</source>
        <translation>einer unbenannten Bibliothek</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved changes is damaged and was not restored.</source>
        <translation>Eine Wiederherstellungskopie ungespeicherter Änderungen ist beschädigt und wurde nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>It has been set aside as %1.</source>
        <translation>Sie wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>It could not be set aside; it stays where it is.</source>
        <translation>Sie konnte nicht beiseitegelegt werden; sie bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>It belongs to no file yet.</source>
        <translation>Sie gehört noch zu keiner Datei.</translation>
    </message>
    <message>
        <source>It belongs to the file %1.</source>
        <translation>Sie gehört zur Datei %1.</translation>
    </message>
    <message>
        <source>The program ended before changes of %1 were saved. A copy of them was kept.</source>
        <translation>Das Programm endete, bevor Änderungen %1 gespeichert wurden. Eine Kopie davon wurde aufbewahrt.</translation>
    </message>
    <message>
        <source>The copy was written on %1. %2</source>
        <translation>Die Kopie wurde am %1 geschrieben. %2</translation>
    </message>
    <message>
        <source>Restore them, discard them, or Cancel to decide at the next start.</source>
        <translation>Stellen Sie sie wieder her, verwerfen Sie sie, oder wählen Sie Abbrechen, um beim nächsten Start zu entscheiden.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>no lock can be taken in the folder %1</source>
        <translation>im Ordner %1 kann keine Sperre gesetzt werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it does not say which file it belongs to and when it was written</source>
        <translation>sie sagt nicht, zu welcher Datei sie gehört und wann sie geschrieben wurde</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
</context>
<context>
    <name>Rfc2217Session</name>
    <message>
        <source>the far side refuses the COM-PORT-OPTION of RFC 2217</source>
        <translation>die Gegenseite lehnt die COM-PORT-OPTION von RFC 2217 ab</translation>
    </message>
    <message>
        <source>the far side&apos;s serial port did not take the %1 asked for (it answered %2)</source>
        <translation>der serielle Port der Gegenseite hat %1 nicht übernommen (er antwortete %2)</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>die Geschwindigkeit</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>die Datenbits</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>die Parität</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>die Stoppbits</translation>
    </message>
</context>
<context>
    <name>Rfc2217Transport</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 did not open the telnet negotiation (RFC 2217) within %2 s, and nothing was sent to it; if it serves raw bytes, use tcp://</source>
        <translation>%1 hat die Telnet-Aushandlung (RFC 2217) nicht innerhalb von %2 s eröffnet, und nichts wurde dorthin gesendet; wenn es rohe Bytes liefert, tcp:// verwenden</translation>
    </message>
    <message>
        <source>%1 did not answer the telnet COM-PORT-OPTION (RFC 2217) within %2 s; if it serves raw bytes, use tcp://</source>
        <translation>%1 hat auf die Telnet-COM-PORT-OPTION (RFC 2217) nicht innerhalb von %2 s geantwortet; wenn es rohe Bytes liefert, tcp:// verwenden</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Save them?</source>
        <translation>Sollen sie gespeichert werden?</translation>
    </message>
</context>
<context>
    <name>SerialTransport</name>
    <message>
        <source>another program holds the port: %1</source>
        <translation>ein anderes Programm belegt den Port: %1</translation>
    </message>
    <message>
        <source>another program holds the port</source>
        <translation>ein anderes Programm belegt den Port</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>SpanCanvasView</name>
    <message>
        <source>Span canvas</source>
        <translation>Verbund-Zeichenfläche</translation>
    </message>
    <message>
        <source>Row %1, column %2 (module %3), %4</source>
        <translation>Zeile %1, Spalte %2 (Modul %3), %4</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>leuchtet</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>dunkel</translation>
    </message>
</context>
<context>
    <name>SpanDialog</name>
    <message>
        <source>columns by</source>
        <translation>Spalten mal</translation>
    </message>
    <message>
        <source>rows of modules (at most %1 modules)</source>
        <translation>Reihen von Modulen (höchstens %1 Module)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Modules are numbered row by row from the top left. For each, the port it is on and how it is mounted, as seen from the front: turned clockwise by the rotation, and mirrored left to right first where it shows pictures mirrored. Identify shows each module its number under an arrow that points to its own top edge, with a dot in its own top left corner: set the rotation to where the arrow points, and tick Mirrored where the dot is on the right once the arrow points up.</source>
        <translation>Die Module sind Reihe für Reihe von oben links an nummeriert. Für jedes: der Port, an dem es hängt, und wie es montiert ist, von vorn gesehen: um die Drehung im Uhrzeigersinn gedreht und, wo es Bilder gespiegelt zeigt, zuerst von links nach rechts gespiegelt. Identifizieren zeigt jedem Modul seine Nummer unter einem Pfeil, der zu seiner eigenen Oberkante zeigt, mit einem Punkt in seiner eigenen oberen linken Ecke: stellen Sie die Drehung dorthin, wohin der Pfeil zeigt, und haken Sie Gespiegelt an, wo der Punkt rechts liegt, sobald der Pfeil nach oben zeigt.</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Port, device or endpoint</source>
        <translation>Port, Gerät oder Endpunkt</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation>Gespiegelt</translation>
    </message>
    <message>
        <source>&amp;Identify</source>
        <translation>&amp;Identifizieren</translation>
    </message>
    <message>
        <source>Show each module its number and an arrow to its own top</source>
        <translation>Jedem Modul seine Nummer und einen Pfeil zu seiner eigenen Oberkante zeigen</translation>
    </message>
    <message>
        <source>%1 (row %2, column %3)</source>
        <translation>%1 (Reihe %2, Spalte %3)</translation>
    </message>
    <message>
        <source>Module %1: port, device or endpoint</source>
        <translation>Modul %1: Port, Gerät oder Endpunkt</translation>
    </message>
    <message>
        <source>0° (upright)</source>
        <translation>0° (aufrecht)</translation>
    </message>
    <message>
        <source>90° clockwise</source>
        <translation>90° im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>180° (upside down)</source>
        <translation>180° (kopfüber)</translation>
    </message>
    <message>
        <source>270° clockwise</source>
        <translation>270° im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Module %1: rotation</source>
        <translation>Modul %1: Drehung</translation>
    </message>
    <message>
        <source>Module %1: mirrored</source>
        <translation>Modul %1: gespiegelt</translation>
    </message>
    <message>
        <source>Connecting to the modules...</source>
        <translation>Verbindung zu den Modulen wird aufgebaut...</translation>
    </message>
    <message>
        <source>module %1 (%2) is not available: %3</source>
        <translation>Modul %1 (%2) ist nicht verfügbar: %3</translation>
    </message>
    <message>
        <source>Each module shows its number.</source>
        <translation>Jedes Modul zeigt seine Nummer.</translation>
    </message>
    <message numerus="yes">
        <source>%n module(s) show their number; </source>
        <translation>
            <numerusform>%n Modul zeigt seine Nummer; </numerusform>
            <numerusform>%n Module zeigen ihre Nummer; </numerusform>
        </translation>
    </message>
    <message>
        <source>Module %1: %2.</source>
        <translation>Modul %1: %2.</translation>
    </message>
    <message>
        <source>Modules %1 and %2 are both %3: one module cannot show two places of the span.</source>
        <translation>Die Module %1 und %2 sind beide %3: ein Modul kann nicht zwei Plätze des Verbunds zeigen.</translation>
    </message>
</context>
<context>
    <name>SpanEditor</name>
    <message>
        <source>New span</source>
        <translation>Neuer Verbund</translation>
    </message>
    <message>
        <source>Delete span</source>
        <translation>Verbund löschen</translation>
    </message>
    <message>
        <source>Rename animation</source>
        <translation>Animation umbenennen</translation>
    </message>
    <message>
        <source>Delete animation</source>
        <translation>Animation löschen</translation>
    </message>
    <message>
        <source>Add frame</source>
        <translation>Einzelbild hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate frame</source>
        <translation>Einzelbild duplizieren</translation>
    </message>
    <message>
        <source>Delete frame</source>
        <translation>Einzelbild löschen</translation>
    </message>
    <message>
        <source>Move frame</source>
        <translation>Einzelbild verschieben</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
</context>
<context>
    <name>SpanFramesModel</name>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1: %2 ms</translation>
    </message>
    <message>
        <source>Frame %1, shown for %2 ms</source>
        <translation>Einzelbild %1, %2 ms lang gezeigt</translation>
    </message>
    <message>
        <source>Frame %1, %2 ms</source>
        <translation>Einzelbild %1, %2 ms</translation>
    </message>
</context>
<context>
    <name>SpanModules</name>
    <message>
        <source>no module is assigned to this place</source>
        <translation>diesem Platz ist kein Modul zugewiesen</translation>
    </message>
</context>
<context>
    <name>SpanPlayer</name>
    <message>
        <source>no connection</source>
        <translation>keine Verbindung</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>der Port ist nicht offen</translation>
    </message>
</context>
<context>
    <name>SpanSection</name>
    <message>
        <source>%1 is no object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <source>the target of %1 is no text</source>
        <translation>das Ziel von %1 ist kein Text</translation>
    </message>
    <message>
        <source>the rotation of %1 is not 0, 90, 180 or 270</source>
        <translation>die Drehung von %1 ist nicht 0, 90, 180 oder 270</translation>
    </message>
    <message>
        <source>&quot;mirrored&quot; of %1 is neither true nor false</source>
        <translation>&quot;mirrored&quot; von %1 ist weder true noch false</translation>
    </message>
    <message>
        <source>%1 has no name</source>
        <translation>%1 hat keinen Namen</translation>
    </message>
    <message>
        <source>animation &quot;%1&quot; of span &quot;%2&quot;</source>
        <translation>Animation &quot;%1&quot; des Verbunds &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 has no list of at most %2 frames</source>
        <translation>%1 hat keine Liste von höchstens %2 Einzelbildern</translation>
    </message>
    <message>
        <source>the rows of frame %1 of %2 are not %3 groups of %4 hex digits</source>
        <translation>die Reihen von Einzelbild %1 von %2 sind nicht %3 Gruppen aus %4 Hexziffern</translation>
    </message>
    <message>
        <source>frame %1 of %2 has no duration in whole milliseconds</source>
        <translation>Einzelbild %1 von %2 hat keine Dauer in ganzen Millisekunden</translation>
    </message>
    <message>
        <source>span &quot;%1&quot;</source>
        <translation>Verbund &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not 1 or more columns by 1 or more rows of at most %2 modules</source>
        <translation>%1 ist nicht 1 oder mehr Spalten mal 1 oder mehr Reihen aus höchstens %2 Modulen</translation>
    </message>
    <message>
        <source>%1 does not list its %2 modules</source>
        <translation>%1 führt seine %2 Module nicht auf</translation>
    </message>
    <message>
        <source>module %1 of %2</source>
        <translation>Modul %1 von %2</translation>
    </message>
    <message>
        <source>the picture of %1 is not %2 groups of %3 hex digits</source>
        <translation>das Bild von %1 ist nicht %2 Gruppen aus %3 Hexziffern</translation>
    </message>
    <message>
        <source>the animations of %1 are no list</source>
        <translation>die Animationen von %1 sind keine Liste</translation>
    </message>
    <message>
        <source>animation %1 of %2</source>
        <translation>Animation %1 von %2</translation>
    </message>
    <message>
        <source>its &quot;spans&quot; are no list</source>
        <translation>ihre &quot;spans&quot; sind keine Liste</translation>
    </message>
    <message>
        <source>span %1</source>
        <translation>Verbund %1</translation>
    </message>
    <message>
        <source>two spans are named &quot;%1&quot;</source>
        <translation>zwei Verbünde heißen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>two span animations are named &quot;%1&quot;</source>
        <translation>zwei Verbund-Animationen heißen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>A span needs a name.</source>
        <translation>Ein Verbund braucht einen Namen.</translation>
    </message>
    <message>
        <source>There is already a span named &quot;%1&quot;.</source>
        <translation>Es gibt schon einen Verbund namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation>Eine Animation braucht einen Namen.</translation>
    </message>
    <message>
        <source>The span &quot;%1&quot; already has an animation named &quot;%2&quot;.</source>
        <translation>Der Verbund &quot;%1&quot; hat schon eine Animation namens &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Span %1</source>
        <translation>Verbund %1</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
</context>
<context>
    <name>SpanTextDialog</name>
    <message>
        <source>Text to Frames</source>
        <translation>Text zu Einzelbildern</translation>
    </message>
    <message>
        <source>Scrolled across the whole span, %1 x %2 dots, one dot a frame.</source>
        <translation>Über den ganzen Verbund laufend, %1 x %2 Punkte, ein Punkt pro Einzelbild.</translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s), %1 s</source>
        <translation>
            <numerusform>%n Einzelbild, %1 s</numerusform>
            <numerusform>%n Einzelbilder, %1 s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpanWindow</name>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Up, &amp;Wrapping Around</source>
        <translation>Nach oben u&amp;mlaufend</translation>
    </message>
    <message>
        <source>Shift Up, Wrapping Around</source>
        <translation>Nach oben umlaufend verschieben</translation>
    </message>
    <message>
        <source>Down, W&amp;rapping Around</source>
        <translation>Nach unten umlau&amp;fend</translation>
    </message>
    <message>
        <source>Shift Down, Wrapping Around</source>
        <translation>Nach unten umlaufend verschieben</translation>
    </message>
    <message>
        <source>Left, Wr&amp;apping Around</source>
        <translation>Nach links umlaufen&amp;d</translation>
    </message>
    <message>
        <source>Shift Left, Wrapping Around</source>
        <translation>Nach links umlaufend verschieben</translation>
    </message>
    <message>
        <source>Right, Wra&amp;pping Around</source>
        <translation>Nach rechts umlaufe&amp;nd</translation>
    </message>
    <message>
        <source>Shift Right, Wrapping Around</source>
        <translation>Nach rechts umlaufend verschieben</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Spiegeln</translation>
    </message>
    <message>
        <source>&amp;Left to Right</source>
        <translation>&amp;Links nach rechts</translation>
    </message>
    <message>
        <source>Mirror Left to Right</source>
        <translation>Links nach rechts spiegeln</translation>
    </message>
    <message>
        <source>&amp;Top to Bottom</source>
        <translation>&amp;Oben nach unten</translation>
    </message>
    <message>
        <source>Mirror Top to Bottom</source>
        <translation>Oben nach unten spiegeln</translation>
    </message>
    <message>
        <source>&amp;Rotate 180°</source>
        <translation>&amp;Um 180° drehen</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Um 180° drehen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Spans</source>
        <translation>Verbünde</translation>
    </message>
    <message>
        <source>Module %1 (%2) is not available: %3. The others play on; it rejoins by itself when it is back.</source>
        <translation>Modul %1 (%2) ist nicht verfügbar: %3. Die anderen spielen weiter; es kommt von selbst wieder dazu, sobald es zurück ist.</translation>
    </message>
    <message>
        <source>Module %1 (%2) is back and plays in step again.</source>
        <translation>Modul %1 (%2) ist zurück und spielt wieder im Gleichtakt.</translation>
    </message>
    <message>
        <source>Module %1 (%2) is slow: its line is still busy when frames fall due, so it shows only the newest of them.</source>
        <translation>Modul %1 (%2) ist langsam: seine Leitung ist noch belegt, wenn Einzelbilder fällig werden, also zeigt es nur das neueste von ihnen.</translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation>&amp;Verbund</translation>
    </message>
    <message>
        <source>&amp;New Span...</source>
        <translation>&amp;Neuer Verbund...</translation>
    </message>
    <message>
        <source>&amp;Modules and Name...</source>
        <translation>&amp;Module und Name...</translation>
    </message>
    <message>
        <source>&amp;Delete Span</source>
        <translation>Verbund lö&amp;schen</translation>
    </message>
    <message>
        <source>Send to Mo&amp;dules</source>
        <translation>An Module &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Identify Modules</source>
        <translation>M&amp;odule identifizieren</translation>
    </message>
    <message>
        <source>Import I&amp;mage...</source>
        <translation>Bild im&amp;portieren...</translation>
    </message>
    <message>
        <source>&amp;Export Image...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wie&amp;derherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Frames</source>
        <translation>&amp;Einzelbilder</translation>
    </message>
    <message>
        <source>&amp;New Animation...</source>
        <translation>&amp;Neue Animation...</translation>
    </message>
    <message>
        <source>&amp;Rename Animation...</source>
        <translation>Animation &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Delete Animat&amp;ion</source>
        <translation>An&amp;imation löschen</translation>
    </message>
    <message>
        <source>A&amp;dd Frame</source>
        <translation>Einzelbild &amp;hinzufügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>Duplizie&amp;ren</translation>
    </message>
    <message>
        <source>De&amp;lete Frame</source>
        <translation>Einzelbild l&amp;öschen</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>&amp;Früher</translation>
    </message>
    <message>
        <source>Move La&amp;ter</source>
        <translation>Spä&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abspie&amp;len</translation>
    </message>
    <message>
        <source>Play on &amp;Modules</source>
        <translation>Auf den &amp;Modulen abspielen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>&amp;Import Animation...</source>
        <translation>Animation &amp;importieren...</translation>
    </message>
    <message>
        <source>Te&amp;xt to Frames...</source>
        <translation>Te&amp;xt zu Einzelbildern...</translation>
    </message>
    <message>
        <source>Export &amp;GIF...</source>
        <translation>&amp;GIF exportieren...</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>Verbun&amp;d:</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Einzelbilder</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>D&amp;auer:</translation>
    </message>
    <message>
        <source>&amp;Onion skin</source>
        <translation>Z&amp;wiebelschicht</translation>
    </message>
    <message>
        <source>Show the previous frame faintly on the canvas</source>
        <translation>Das vorige Einzelbild blass auf der Zeichenfläche zeigen</translation>
    </message>
    <message>
        <source>Loo&amp;p</source>
        <translation>Wiederho&amp;len</translation>
    </message>
    <message>
        <source>Frame %1 of %2; skipped on the modules: %3</source>
        <translation>Einzelbild %1 von %2; auf den Modulen ausgelassen: %3</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Animation: %1</source>
        <translation>Animation: %1</translation>
    </message>
    <message>
        <source>The spans of %1 cannot be shown: %2. They are kept in the file as they are.</source>
        <translation>Die Verbünde von %1 können nicht gezeigt werden: %2. Sie bleiben unverändert in der Datei.</translation>
    </message>
    <message>
        <source>Spans: %1</source>
        <translation>Verbünde: %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>kein Port</translation>
    </message>
    <message>
        <source>Modules not connected yet</source>
        <translation>Module noch nicht verbunden</translation>
    </message>
    <message>
        <source>Modules open: %1 of %2</source>
        <translation>Offene Module: %1 von %2</translation>
    </message>
    <message>
        <source>Connecting to the modules...</source>
        <translation>Verbindung zu den Modulen wird aufgebaut...</translation>
    </message>
    <message>
        <source>New Span</source>
        <translation>Neuer Verbund</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Verbund</translation>
    </message>
    <message>
        <source>Change span</source>
        <translation>Verbund ändern</translation>
    </message>
    <message>
        <source>module %1 (%2) is not available: %3</source>
        <translation>Modul %1 (%2) ist nicht verfügbar: %3</translation>
    </message>
    <message>
        <source>Sent to the modules.</source>
        <translation>An die Module gesendet.</translation>
    </message>
    <message>
        <source>Sent to the others; %1.</source>
        <translation>An die anderen gesendet; %1.</translation>
    </message>
    <message>
        <source>module %1 (%2) is not available</source>
        <translation>Modul %1 (%2) ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Each module shows its number and an arrow to its own top.</source>
        <translation>Jedes Modul zeigt seine Nummer und einen Pfeil zu seiner eigenen Oberkante.</translation>
    </message>
    <message>
        <source>The others show their number; %1.</source>
        <translation>Die anderen zeigen ihre Nummer; %1.</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Neue Animation</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>New animation</source>
        <translation>Neue Animation</translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation>Animation umbenennen</translation>
    </message>
    <message>
        <source>Playing on the modules.</source>
        <translation>Wird auf den Modulen abgespielt.</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Einzelbild %1 von %2</translation>
    </message>
    <message>
        <source>Copied the canvas as text art and as a picture.</source>
        <translation>Die Zeichenfläche wurde als Textgrafik und als Bild kopiert.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>die Zwischenablage</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a picture nor text art.</source>
        <translation>Nichts wurde eingefügt: die Zwischenablage enthält weder ein Bild noch eine Textgrafik.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is neither text art nor a pattern, as %1.</source>
        <translation>Nichts wurde eingefügt: der Text der Zwischenablage ist weder Textgrafik noch ein Muster, denn %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is empty.</source>
        <translation>Nichts wurde eingefügt: das Bild in %1 ist leer.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is %2 x %3 pixels, more than the window takes.</source>
        <translation>Nichts wurde eingefügt: das Bild in %1 hat %2 x %3 Pixel, mehr als das Fenster annimmt.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Animation importieren</translation>
    </message>
    <message>
        <source>Animated pictures (*.gif *.GIF)</source>
        <translation>Animierte Bilder (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>All pictures (*)</source>
        <translation>Alle Bilder (*)</translation>
    </message>
    <message>
        <source>Cannot import the animation %1</source>
        <translation>Die Animation %1 kann nicht importiert werden</translation>
    </message>
    <message>
        <source>Import animation</source>
        <translation>Animation importieren</translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation>Text: %1</translation>
    </message>
    <message>
        <source>Text to frames</source>
        <translation>Text zu Einzelbildern</translation>
    </message>
    <message>
        <source>The animation has no frames to export.</source>
        <translation>Die Animation hat keine Einzelbilder zum Exportieren.</translation>
    </message>
    <message>
        <source>Export GIF</source>
        <translation>GIF exportieren</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Cannot export the animation to %1</source>
        <translation>Die Animation kann nicht nach %1 exportiert werden</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
</context>
<context>
    <name>SpansController</name>
    <message>
        <source>S&amp;pans...</source>
        <translation>&amp;Verbünde...</translation>
    </message>
</context>
<context>
    <name>StarterSet</name>
    <message>
        <source>Digit 0</source>
        <translation>Ziffer 0</translation>
    </message>
    <message>
        <source>Digit 1</source>
        <translation>Ziffer 1</translation>
    </message>
    <message>
        <source>Digit 2</source>
        <translation>Ziffer 2</translation>
    </message>
    <message>
        <source>Digit 3</source>
        <translation>Ziffer 3</translation>
    </message>
    <message>
        <source>Digit 4</source>
        <translation>Ziffer 4</translation>
    </message>
    <message>
        <source>Digit 5</source>
        <translation>Ziffer 5</translation>
    </message>
    <message>
        <source>Digit 6</source>
        <translation>Ziffer 6</translation>
    </message>
    <message>
        <source>Digit 7</source>
        <translation>Ziffer 7</translation>
    </message>
    <message>
        <source>Digit 8</source>
        <translation>Ziffer 8</translation>
    </message>
    <message>
        <source>Digit 9</source>
        <translation>Ziffer 9</translation>
    </message>
    <message>
        <source>Arrow up</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Heart outline</source>
        <translation>Herz, Umriss</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Lächelndes Gesicht</translation>
    </message>
    <message>
        <source>Sad face</source>
        <translation>Trauriges Gesicht</translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation>Häkchen</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Arrow down</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Arrow right</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Arrow left</source>
        <translation>Pfeil nach links</translation>
    </message>
</context>
<context>
    <name>TcpTransport</name>
    <message>
        <source>%1 did not keep the connection open</source>
        <translation>%1 hat die Verbindung nicht offen gehalten</translation>
    </message>
</context>
<context>
    <name>TextFormats</name>
    <message>
        <source>there is no %1 %2 around the numbers</source>
        <translation>es gibt kein %1 %2 um die Zahlen</translation>
    </message>
    <message>
        <source>there is more than one list of numbers, or text around it</source>
        <translation>es gibt mehr als eine Liste von Zahlen oder Text darum herum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of this format</source>
        <translation>&quot;%1&quot; ist keine Zahl dieses Formats</translation>
    </message>
    <message>
        <source> %1; a pattern is 8 rows</source>
        <translation> %1; ein Muster hat 8 Zeilen</translation>
    </message>
    <message>
        <source>row %1 is %2, more than the 8 bits of a row</source>
        <translation>Zeile %1 ist %2, mehr als die 8 Bits einer Zeile</translation>
    </message>
    <message>
        <source>eight bare hex bytes were expected, not code</source>
        <translation>acht bloße Hexbytes wurden erwartet, kein Code</translation>
    </message>
    <message>
        <source>; eight hex bytes were expected</source>
        <translation>; acht Hexbytes wurden erwartet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex byte</source>
        <translation>&quot;%1&quot; ist kein Hexbyte</translation>
    </message>
    <message>
        <source>between { and }</source>
        <translation>zwischen { und }</translation>
    </message>
    <message>
        <source>of the form B10000000</source>
        <translation>der Form B10000000</translation>
    </message>
    <message>
        <source>there is no [ ] around the numbers</source>
        <translation>es gibt kein [ ] um die Zahlen</translation>
    </message>
    <message>
        <source>between [ and ]</source>
        <translation>zwischen [ und ]</translation>
    </message>
    <message>
        <source>; a pattern is one 64-bit number</source>
        <translation>; ein Muster ist eine 64-Bit-Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a 64-bit number</source>
        <translation>&quot;%1&quot; ist keine 64-Bit-Zahl</translation>
    </message>
    <message>
        <source>; text art is 8 lines of 8 dots</source>
        <translation>; eine Textgrafik hat 8 Zeilen zu 8 Punkten</translation>
    </message>
    <message>
        <source>line %1 has &quot;%2&quot;; # is a lit dot and . a dark one</source>
        <translation>Zeile %1 enthält &quot;%2&quot;; # ist ein leuchtender Punkt und . ein dunkler</translation>
    </message>
    <message>
        <source>Module bytes (columns)</source>
        <translation>Modul-Bytes (Spalten)</translation>
    </message>
    <message>
        <source>Row bytes</source>
        <translation>Zeilen-Bytes</translation>
    </message>
    <message>
        <source>C array (rows)</source>
        <translation>C-Array (Zeilen)</translation>
    </message>
    <message>
        <source>Arduino binary (rows)</source>
        <translation>Arduino binär (Zeilen)</translation>
    </message>
    <message>
        <source>Python list (rows)</source>
        <translation>Python-Liste (Zeilen)</translation>
    </message>
    <message>
        <source>64-bit integer</source>
        <translation>64-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>Text art</source>
        <translation>Textgrafik</translation>
    </message>
    <message>
        <source>there is no text</source>
        <translation>es gibt keinen Text</translation>
    </message>
    <message>
        <source>no pattern was found in it</source>
        <translation>darin wurde kein Muster gefunden</translation>
    </message>
    <message>
        <source>there is 1 number</source>
        <translation>es ist 1 Zahl</translation>
    </message>
    <message>
        <source>there are %1 numbers</source>
        <translation>es sind %1 Zahlen</translation>
    </message>
    <message>
        <source>there is 1 line</source>
        <translation>es ist 1 Zeile</translation>
    </message>
    <message>
        <source>there are %1 lines</source>
        <translation>es sind %1 Zeilen</translation>
    </message>
    <message>
        <source>line %1 has 1 character; each line is 8 dots</source>
        <translation>Zeile %1 hat 1 Zeichen; jede Zeile hat 8 Punkte</translation>
    </message>
    <message>
        <source>line %1 has %2 characters; each line is 8 dots</source>
        <translation>Zeile %1 hat %2 Zeichen; jede Zeile hat 8 Punkte</translation>
    </message>
</context>
<context>
    <name>TextFramesDialog</name>
    <message>
        <source>Text to Frames</source>
        <translation>Text zu Einzelbildern</translation>
    </message>
    <message>
        <source>Type the text to scroll.</source>
        <translation>Geben Sie den Text ein, der laufen soll.</translation>
    </message>
    <message>
        <source>This text needs %1 frames; an animation holds at most %2, so it cannot become frames. The first %3 of its %4 characters fit: shorten it, or choose a smaller size.</source>
        <translation>Dieser Text braucht %1 Einzelbilder; eine Animation hat höchstens %2, also kann er keine Einzelbilder werden. Die ersten %3 seiner %4 Zeichen passen: kürzen Sie ihn oder wählen Sie eine kleinere Größe.</translation>
    </message>
    <message>
        <source>%1 frames, %2 s</source>
        <translation>%1 Einzelbilder, %2 s</translation>
    </message>
</context>
<context>
    <name>TextFramesForm</name>
    <message>
        <source>Hello, world</source>
        <translation>Hallo, Welt</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>T&amp;hreshold:</source>
        <translation>Sc&amp;hwellwert:</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Richtung:</translation>
    </message>
    <message>
        <source>Frame &amp;time:</source>
        <translation>&amp;Dauer pro Einzelbild:</translation>
    </message>
</context>
<context>
    <name>TopicCommand</name>
    <message>
        <source>the payload is not UTF-8 text</source>
        <translation>die Nutzlast ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be sent: the module shows Latin-1 characters only</source>
        <translation>&apos;%1&apos; kann nicht gesendet werden: das Modul zeigt nur Latin-1-Zeichen</translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation>der Text hat %1 Zeichen; das Modul nimmt höchstens %2</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 muss eine Zahl von %2 bis %3 sein, nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no pattern: %2</source>
        <translation>&apos;%1&apos; ist kein Muster: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no pattern in the format %2: %3</source>
        <translation>&apos;%1&apos; ist kein Muster im Format %2: %3</translation>
    </message>
    <message>
        <source>the payload is not JSON: %1 at byte %2</source>
        <translation>die Nutzlast ist kein JSON: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>the payload must be a JSON object such as {&quot;mode&quot;:3,&quot;speed&quot;:2,&quot;message&quot;:&quot;HELLO&quot;}</source>
        <translation>die Nutzlast muss ein JSON-Objekt sein wie {&quot;mode&quot;:3,&quot;speed&quot;:2,&quot;message&quot;:&quot;HELLO&quot;}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;message&quot; must be a text</source>
        <translation>&quot;message&quot; muss ein Text sein</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;: the settings are mode, speed and message</source>
        <translation>unbekannte Einstellung &quot;%1&quot;: die Einstellungen sind mode, speed und message</translation>
    </message>
    <message>
        <source>no setting given: the settings are mode, speed and message</source>
        <translation>keine Einstellung angegeben: die Einstellungen sind mode, speed und message</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>die Position</translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation>die Richtung muss up, down, left oder right sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>die Geschwindigkeit</translation>
    </message>
    <message>
        <source>%1 bytes beginning with %2 are no message of the module</source>
        <translation>%1 Bytes, beginnend mit %2, sind keine Nachricht des Moduls</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>unknown topic</source>
        <translation>unbekanntes Topic</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wie&amp;derherstellen</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Muster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Dot matrix grid</source>
        <translation>Punktmatrix-Raster</translation>
    </message>
    <message>
        <source>Move the focus cell</source>
        <translation>Die Fokuszelle bewegen</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Toggle the focus cell, as a click does</source>
        <translation>Die Fokuszelle umschalten, wie ein Klick</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Open the Edit menu</source>
        <translation>Das Menü Bearbeiten öffnen</translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <translation>Menü, Umschalt+F10</translation>
    </message>
    <message>
        <source>Draw: press on a dot and drag over others</source>
        <translation>Zeichnen: auf einen Punkt drücken und über andere ziehen</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Go to the next or previous control</source>
        <translation>Zum nächsten oder vorigen Steuerelement</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Pattern Library window</source>
        <translation>Fenster Musterbibliothek</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Eingabe, Doppelklick</translation>
    </message>
    <message>
        <source>Frames window</source>
        <translation>Fenster Einzelbilder</translation>
    </message>
    <message>
        <source>Characters window</source>
        <translation>Fenster Zeichen</translation>
    </message>
    <message>
        <source>Span window</source>
        <translation>Fenster Verbünde</translation>
    </message>
    <message>
        <source>Dialogs and windows</source>
        <translation>Dialoge und Fenster</translation>
    </message>
    <message>
        <source>Close a dialog or this list</source>
        <translation>Einen Dialog oder diese Liste schließen</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>&amp;About 8x8 Glyphsmith</source>
        <translation>Ü&amp;ber 8x8 Glyphsmith</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Activates the QML/JS debugger with a specified port. The value must be of format port:1234[,block]. &quot;block&quot; makes the application wait for a connection.</source>
        <translation>Aktiviert den QML/JS-Debugger an einem angegebenen Port. Der Wert muss die Form port:1234[,block] haben. &quot;block&quot; lässt die Anwendung auf eine Verbindung warten.</translation>
    </message>
    <message>
        <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
        <translation>QPA-Plugin. Siehe die Dokumentation von QGuiApplication zu den Optionen jedes Plugins.</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Pfad zu den Plattform-Plugins.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Plattform-Thema.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be specified multiple times.</source>
        <translation>Zusätzlich zu ladende Plugins, mehrfach angebbar.</translation>
    </message>
    <message>
        <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
        <translation>Fenstergeometrie des Hauptfensters in X11-Schreibweise, etwa 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>Vorgabe-Fenstersymbol.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Titel des ersten Fensters.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s layout direction to Qt::RightToLeft (debugging helper).</source>
        <translation>Setzt die Layoutrichtung der Anwendung auf Qt::RightToLeft (Hilfe zur Fehlersuche).</translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation>Stellt die Anwendung aus einer früheren Sitzung wieder her.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s GUI style; which styles there are depends on the system.</source>
        <translation>Setzt den GUI-Stil der Anwendung; welche Stile es gibt, hängt vom System ab.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s style sheet.</source>
        <translation>Setzt das Stylesheet der Anwendung.</translation>
    </message>
    <message>
        <source>Reports at the end how many widgets were left undestroyed and how many existed at most at the same time.</source>
        <translation>Meldet am Ende, wie viele Widgets nicht zerstört wurden und wie viele höchstens gleichzeitig existierten.</translation>
    </message>
    <message>
        <source>Display name, overrides $DISPLAY (X11).</source>
        <translation>Anzeigename, hat Vorrang vor $DISPLAY (X11).</translation>
    </message>
    <message>
        <source>Instance name according to ICCCM 4.1.2.5 (X11).</source>
        <translation>Instanzname nach ICCCM 4.1.2.5 (X11).</translation>
    </message>
    <message>
        <source>Disable mouse grabbing (useful in debuggers) (X11).</source>
        <translation>Mausfang abschalten (nützlich in Debuggern) (X11).</translation>
    </message>
    <message>
        <source>Force mouse grabbing (even when running in a debugger) (X11).</source>
        <translation>Mausfang erzwingen (auch in einem Debugger) (X11).</translation>
    </message>
    <message>
        <source>ID of the X11 Visual to use (X11).</source>
        <translation>ID des zu verwendenden X11-Visuals (X11).</translation>
    </message>
    <message>
        <source>Alias for --qwindowgeometry (X11).</source>
        <translation>Alias für --qwindowgeometry (X11).</translation>
    </message>
    <message>
        <source>Alias for --qwindowicon (X11).</source>
        <translation>Alias für --qwindowicon (X11).</translation>
    </message>
    <message>
        <source>Alias for --qwindowtitle (X11).</source>
        <translation>Alias für --qwindowtitle (X11).</translation>
    </message>
    <message>
        <source>Pattern editor and remote control for an 8x8 LED dot-matrix module on a serial port.
The module&apos;s port is chosen in the menu &quot;Communication&quot;; COM1 to COM6 stand for devices as the README describes.</source>
        <translation>Mustereditor und Fernbedienung für ein 8x8-LED-Punktmatrixmodul an einem seriellen Port.
Der Port des Moduls wird im Menü &quot;Communication&quot; gewählt; COM1 bis COM6 stehen für Geräte, wie die README beschreibt.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Kommandozeilenoptionen.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-eigenen Optionen.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation.</translation>
    </message>
    <message>
        <source>glyphsmith: no display found; the program needs a graphical display (set DISPLAY, or run it under xvfb-run)
</source>
        <translation>glyphsmith: keine Anzeige gefunden; das Programm braucht eine grafische Anzeige (DISPLAY setzen oder es unter xvfb-run starten)
</translation>
    </message>
    <message>
        <source>Try &apos;glyphsmith --help&apos;.</source>
        <translation>Siehe &apos;glyphsmith --help&apos;.</translation>
    </message>
    <message>
        <source>A pattern library (.glyphs) to open.</source>
        <translation>Eine Musterbibliothek (.glyphs), die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Starts a program of its own even when the program is running already (which otherwise opens the file and comes to the front instead).</source>
        <translation>Startet ein eigenes Programm, auch wenn das Programm schon läuft (das sonst stattdessen die Datei öffnet und nach vorn kommt).</translation>
    </message>
    <message>
        <source>the program opens one library at a time; %1 files were given</source>
        <translation>das Programm öffnet eine Bibliothek auf einmal; angegeben wurden %1 Dateien</translation>
    </message>
</context>
</TS>
