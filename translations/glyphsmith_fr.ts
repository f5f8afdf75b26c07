<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About 8x8 Glyphsmith</source>
        <translation>À propos de 8x8 Glyphsmith</translation>
    </message>
    <message>
        <source>8x8 Glyphsmith %1</source>
        <translation>8x8 Glyphsmith %1</translation>
    </message>
    <message>
        <source>Pattern editor and remote control for an 8x8 LED dot-matrix module on a serial port.</source>
        <translation>Éditeur de motifs et télécommande pour un module à matrice de points LED 8x8 sur un port série.</translation>
    </message>
    <message>
        <source>Licence: %1. This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.</source>
        <translation>Licence : %1. Ce programme est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la licence publique générale GNU telle que publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>The manual: %1</source>
        <translation>Le manuel : %1</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <translation>Page d&apos;accueil : %1</translation>
    </message>
    <message>
        <source>Built with Qt %1, running with Qt %2.</source>
        <translation>Compilé avec Qt %1, fonctionne avec Qt %2.</translation>
    </message>
</context>
<context>
    <name>AnimatedPicture</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source> (in frame %1)</source>
        <translation> (dans l&apos;image %1)</translation>
    </message>
    <message>
        <source> (after frame %1)</source>
        <translation> (après l&apos;image %1)</translation>
    </message>
    <message>
        <source>the file ends too soon: it is cut short or damaged%1</source>
        <translation>le fichier se termine trop tôt : il est tronqué ou endommagé%1</translation>
    </message>
    <message>
        <source>it is not a GIF picture</source>
        <translation>ce n&apos;est pas une image GIF</translation>
    </message>
    <message>
        <source>its header is cut short or damaged</source>
        <translation>son en-tête est tronqué ou endommagé</translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s description is unreadable%1</source>
        <translation>le fichier est endommagé : la description d&apos;une image est illisible%1</translation>
    </message>
    <message>
        <source>the file is damaged: a frame has no colours%1</source>
        <translation>le fichier est endommagé : une image n&apos;a pas de couleurs%1</translation>
    </message>
    <message>
        <source>the file is damaged: a block of an unknown kind comes%1</source>
        <translation>le fichier est endommagé : un bloc d&apos;un type inconnu suit%1</translation>
    </message>
    <message>
        <source>the file is damaged: a frame holds more dots than its size%1</source>
        <translation>le fichier est endommagé : une image contient plus de points que sa taille%1</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>il n&apos;y a pas assez de mémoire pour le lire</translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s picture data is garbled%1</source>
        <translation>le fichier est endommagé : les données d&apos;une image sont brouillées%1</translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s picture data ends too soon%1</source>
        <translation>le fichier est endommagé : les données d&apos;une image se terminent trop tôt%1</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; at most %3 million pixels can be read</source>
        <translation>l&apos;image fait %1 x %2 pixels ; au plus %3 millions de pixels peuvent être lus</translation>
    </message>
    <message>
        <source>its header is damaged: the picture has no size</source>
        <translation>son en-tête est endommagé : l&apos;image n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>the file is damaged: the timing of frame %1 is unreadable</source>
        <translation>le fichier est endommagé : la durée de l&apos;image %1 est illisible</translation>
    </message>
    <message>
        <source>it has more than %1 frames</source>
        <translation>il a plus de %1 images</translation>
    </message>
    <message>
        <source>the file is damaged: frame %1 has no size</source>
        <translation>le fichier est endommagé : l&apos;image %1 n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>it holds no frame</source>
        <translation>il ne contient aucune image</translation>
    </message>
    <message>
        <source>there are no frames to write</source>
        <translation>il n&apos;y a aucune image à écrire</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>BankModel</name>
    <message>
        <source>never uploaded</source>
        <translation>jamais téléversé</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>téléversé</translation>
    </message>
    <message>
        <source>Slot %1: changed since the last upload; the small picture is what the module holds</source>
        <translation>Emplacement %1 : modifié depuis le dernier téléversement ; la petite image montre ce que le module contient</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Emplacement %1 : %2</translation>
    </message>
</context>
<context>
    <name>Bridge</name>
    <message>
        <source>%1: refused %2</source>
        <translation>%1 : %2 refusé</translation>
    </message>
    <message>
        <source>connecting to the broker %1:%2</source>
        <translation>connexion au broker %1:%2</translation>
    </message>
    <message>
        <source>connected to the broker %1:%2 again</source>
        <translation>de nouveau connecté au broker %1:%2</translation>
    </message>
    <message>
        <source>connected to the broker %1:%2</source>
        <translation>connecté au broker %1:%2</translation>
    </message>
    <message>
        <source>the broker connection ended (%1); trying again</source>
        <translation>la connexion au broker s&apos;est terminée (%1) ; nouvel essai</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermée</translation>
    </message>
    <message>
        <source>what was announced cannot be remembered in %1: %2</source>
        <translation>ce qui a été annoncé ne peut pas être retenu dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>BridgeConfig</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>a section heading must end with &apos;]&apos;</source>
        <translation>un titre de section doit se terminer par &apos;]&apos;</translation>
    </message>
    <message>
        <source>unknown section [%1]: the sections are [broker], [bridge] and [module NAME]</source>
        <translation>section inconnue [%1] : les sections sont [broker], [bridge] et [module NAME]</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a module: use letters, digits, &apos;-&apos; and &apos;_&apos; (and not &quot;bridge&quot;)</source>
        <translation>&apos;%1&apos; ne peut pas nommer un module : utilisez des lettres, des chiffres, &apos;-&apos; et &apos;_&apos; (et pas « bridge »)</translation>
    </message>
    <message>
        <source>the module %1 is configured twice</source>
        <translation>le module %1 est configuré deux fois</translation>
    </message>
    <message>
        <source>write key = value</source>
        <translation>écrivez clé = valeur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands before any section</source>
        <translation>&apos;%1&apos; se trouve avant toute section</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2 : %3</translation>
    </message>
    <message>
        <source>a port from 1 to 65535</source>
        <translation>un port de 1 à 65535</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>yes ou no</translation>
    </message>
    <message>
        <source>seconds, from 5 to 65535</source>
        <translation>des secondes, de 5 à 65535</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [broker]: host, port, tls, ca-file, user, password, password-file, client-id, keep-alive</source>
        <translation>clé inconnue &apos;%1&apos; dans [broker] : host, port, tls, ca-file, user, password, password-file, client-id, keep-alive</translation>
    </message>
    <message>
        <source>milliseconds, from 0 to 1000</source>
        <translation>des millisecondes, de 0 à 1000</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [bridge]: base-topic, discovery, discovery-prefix, state-dir, idle-gap</source>
        <translation>clé inconnue &apos;%1&apos; dans [bridge] : base-topic, discovery, discovery-prefix, state-dir, idle-gap</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [%2]: port, name, library</source>
        <translation>clé inconnue &apos;%1&apos; dans [%2] : port, name, library</translation>
    </message>
    <message>
        <source>--module takes NAME=PORT, the name of letters, digits, &apos;-&apos; and &apos;_&apos;, not &apos;%1&apos;</source>
        <translation>--module attend NAME=PORT, le nom en lettres, chiffres, &apos;-&apos; et &apos;_&apos;, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the password file %1 cannot be read: %2</source>
        <translation>le fichier de mot de passe %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>no broker: set host in [broker] or give --broker</source>
        <translation>aucun broker : définissez host dans [broker] ou indiquez --broker</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a base topic: no &apos;+&apos;, &apos;#&apos;, empty levels, or &apos;/&apos; at either end</source>
        <translation>&apos;%1&apos; ne peut pas être un topic de base : ni &apos;+&apos;, ni &apos;#&apos;, ni niveau vide, ni &apos;/&apos; à une extrémité</translation>
    </message>
    <message>
        <source>no module: add a section [module NAME] with its port, or give --module NAME=PORT</source>
        <translation>aucun module : ajoutez une section [module NAME] avec son port, ou indiquez --module NAME=PORT</translation>
    </message>
    <message>
        <source>the module %1 has no port</source>
        <translation>le module %1 n&apos;a pas de port</translation>
    </message>
    <message>
        <source>the module %1: there are COM1 to COM6, no %2</source>
        <translation>le module %1 : il y a COM1 à COM6, pas de %2</translation>
    </message>
    <message>
        <source>the module %1: %2: %3</source>
        <translation>le module %1 : %2 : %3</translation>
    </message>
    <message>
        <source>the module %1: a bridge serves modules on ports, not another bridge&apos;s module (%2)</source>
        <translation>le module %1 : un pont sert des modules sur des ports, pas le module d&apos;un autre pont (%2)</translation>
    </message>
</context>
<context>
    <name>BusChannel</name>
    <message>
        <source>the program did not answer: %1</source>
        <translation>le programme n&apos;a pas répondu : %1</translation>
    </message>
</context>
<context>
    <name>BusCommands</name>
    <message>
        <source>the text cannot be sent: the module shows Latin-1 characters only</source>
        <translation>le texte ne peut pas être envoyé : le module n&apos;affiche que des caractères Latin-1</translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation>le texte a %1 caractères ; le module en prend au plus %2</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not %4</source>
        <translation>%1 doit être un nombre de %2 à %3, pas %4</translation>
    </message>
    <message>
        <source>a pattern is %1 column bytes, not %2</source>
        <translation>un motif compte %1 octets de colonne, pas %2</translation>
    </message>
    <message>
        <source>%1 is no command of the module</source>
        <translation>%1 n&apos;est pas une commande du module</translation>
    </message>
    <message>
        <source>the command %1 takes %2 to %3 bytes, not %4</source>
        <translation>la commande %1 prend %2 à %3 octets, pas %4</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>la vitesse</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>la position</translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation>la direction doit être up, down, left ou right, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Play takes 1 to %1 frames, each with its time; %2 frames and %3 times were given</source>
        <translation>Play prend 1 à %1 images, chacune avec sa durée ; %2 images et %3 durées ont été données</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>le mode</translation>
    </message>
    <message>
        <source>the number of waits</source>
        <translation>le nombre d&apos;attentes</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>%1 takes (%2), not (%3)</source>
        <translation>%1 prend (%2), pas (%3)</translation>
    </message>
    <message>
        <source>%1 has no method %2</source>
        <translation>%1 n&apos;a pas de méthode %2</translation>
    </message>
    <message>
        <source>the program holds no module (%1)</source>
        <translation>le programme ne tient aucun module (%1)</translation>
    </message>
    <message>
        <source>the program&apos;s port %1 is not open (%2)</source>
        <translation>le port %1 du programme n&apos;est pas ouvert (%2)</translation>
    </message>
    <message>
        <source>no reply from the module on %1</source>
        <translation>pas de réponse du module sur %1</translation>
    </message>
    <message>
        <source>the port closed before the module answered: %1</source>
        <translation>le port s&apos;est fermé avant que le module ne réponde : %1</translation>
    </message>
    <message>
        <source>the module refused: it answered %1</source>
        <translation>le module a refusé : il a répondu %1</translation>
    </message>
    <message>
        <source>another animation took the module</source>
        <translation>une autre animation a pris le module</translation>
    </message>
    <message>
        <source>another message was sent to the module while the animation played</source>
        <translation>un autre message a été envoyé au module pendant l&apos;animation</translation>
    </message>
    <message>
        <source>the port closed while the animation played: %1</source>
        <translation>le port s&apos;est fermé pendant l&apos;animation : %1</translation>
    </message>
    <message>
        <source>the port closed before the message left: %1</source>
        <translation>le port s&apos;est fermé avant le départ du message : %1</translation>
    </message>
    <message>
        <source>no interface %1 here</source>
        <translation>pas d&apos;interface %1 ici</translation>
    </message>
    <message>
        <source>no property %1.%2 here</source>
        <translation>pas de propriété %1.%2 ici</translation>
    </message>
    <message>
        <source>the properties can only be read</source>
        <translation>les propriétés ne peuvent être que lues</translation>
    </message>
    <message>
        <source>no method %1 here</source>
        <translation>pas de méthode %1 ici</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>there is no text art: lines of # for lit dots and . for dark ones</source>
        <translation>ce n&apos;est pas un dessin en texte : des lignes de # pour les points allumés et de . pour les points éteints</translation>
    </message>
    <message>
        <source>line %1 has &quot;%2&quot;; # is a lit dot and . a dark one</source>
        <translation>la ligne %1 contient « %2 » ; # est un point allumé et . un point éteint</translation>
    </message>
</context>
<context>
    <name>CanvasImage</name>
    <message>
        <source>it is %1 x %2 pixels, and a picture can have at most %3 million pixels</source>
        <translation>elle fait %1 x %2 pixels, et une image peut avoir au plus %3 millions de pixels</translation>
    </message>
    <message>
        <source>Cannot import the picture %1: %2.</source>
        <translation>Impossible d&apos;importer l&apos;image %1 : %2.</translation>
    </message>
    <message>
        <source>it is %1 MB, and a picture is at most %2 MB</source>
        <translation>elle fait %1 Mo, et une image fait au plus %2 Mo</translation>
    </message>
    <message>
        <source>Cannot export the picture %1: %2.</source>
        <translation>Impossible d&apos;exporter l&apos;image %1 : %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: it has more than %2 frames</source>
        <translation>%1 : elle a plus de %2 images</translation>
    </message>
    <message>
        <source>there are no frames to write</source>
        <translation>il n&apos;y a aucune image à écrire</translation>
    </message>
</context>
<context>
    <name>CanvasImportDialog</name>
    <message>
        <source>Import Animation - %1</source>
        <translation>Importer une animation - %1</translation>
    </message>
    <message>
        <source>Import Image - %1</source>
        <translation>Importer une image - %1</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil :</translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation>Les parties &amp;claires sont allumées</translation>
    </message>
    <message>
        <source>The picture at %1 x %2 dots%3</source>
        <translation>L&apos;image à %1 x %2 points%3</translation>
    </message>
    <message numerus="yes">
        <source> (the first of %n frames)</source>
        <translation>
            <numerusform> (la première de %n image)</numerusform>
            <numerusform> (la première de %n images)</numerusform>
        </translation>
    </message>
    <message>
        <source>The dots</source>
        <translation>Les points</translation>
    </message>
</context>
<context>
    <name>CharactersController</name>
    <message>
        <source>&amp;Characters...</source>
        <translation>&amp;Caractères...</translation>
    </message>
    <message>
        <source>The custom characters of %1 could not be stored in the settings; the program will not remember them at its next start.</source>
        <translation>Les caractères personnalisés de %1 n&apos;ont pas pu être enregistrés dans les paramètres ; le programme ne s&apos;en souviendra pas au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>CharactersWindow</name>
    <message>
        <source>Characters</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>The module cannot be read back: each slot shows what this program last stored for it, and its mark says only what this program sent to the module on this port: &quot;uploaded&quot; as shown, &quot;changed&quot; since the last upload, or &quot;never uploaded&quot;.</source>
        <translation>Le module ne peut pas être relu : chaque emplacement montre ce que ce programme y a enregistré en dernier, et sa marque dit seulement ce que ce programme a envoyé au module sur ce port : « téléversé » tel qu&apos;affiché, « modifié » depuis le dernier téléversement, ou « jamais téléversé ».</translation>
    </message>
    <message>
        <source>Glyphs from a font</source>
        <translation>Glyphes d&apos;une police</translation>
    </message>
    <message>
        <source>never uploaded</source>
        <translation>jamais téléversé</translation>
    </message>
    <message>
        <source>Drop on Slot %1</source>
        <translation>Déposer sur l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>&amp;Load into Grid</source>
        <translation>&amp;Charger dans la grille</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Entrée, double-clic</translation>
    </message>
    <message>
        <source>&amp;Store Grid in Slot</source>
        <translation>&amp;Enregistrer la grille dans l&apos;emplacement</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Téléverser</translation>
    </message>
    <message>
        <source>Upload &amp;All</source>
        <translation>T&amp;éléverser tout</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>I&amp;nterrompre</translation>
    </message>
    <message>
        <source>Sa&amp;ve in Library File</source>
        <translation>Enregistrer dans le fichier de &amp;bibliothèque</translation>
    </message>
    <message>
        <source>L&amp;oad from File...</source>
        <translation>Charger depuis un &amp;fichier...</translation>
    </message>
    <message>
        <source>&amp;Installed font:</source>
        <translation>P&amp;olice installée :</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Ta&amp;ille :</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> points</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil :</translation>
    </message>
    <message>
        <source>Font fil&amp;e:</source>
        <translation>Fichier de &amp;police :</translation>
    </message>
    <message>
        <source>Open Font File...</source>
        <translation>Ouvrir un fichier de police...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>S&amp;cale to 8 x 8</source>
        <translation>&amp;Mettre à l&apos;échelle 8 x 8</translation>
    </message>
    <message>
        <source>C&amp;rop to 8 x 8</source>
        <translation>&amp;Rogner à 8 x 8</translation>
    </message>
    <message>
        <source>A click puts the glyph on the grid.</source>
        <translation>Un clic place le glyphe dans la grille.</translation>
    </message>
    <message>
        <source>Put Glyph on Grid</source>
        <translation>Placer le glyphe dans la grille</translation>
    </message>
    <message>
        <source>Enter, click</source>
        <translation>Entrée, clic</translation>
    </message>
    <message>
        <source>Blank at this size and threshold, without a single dot: %1. A lower threshold or a larger size shows them.</source>
        <translation>Vides à cette taille et à ce seuil, sans un seul point : %1. Un seuil plus bas ou une taille plus grande les fait apparaître.</translation>
    </message>
    <message>
        <source>C&amp;haracters for slots 0 to 9:</source>
        <translation>Caract&amp;ères pour les emplacements 0 à 9 :</translation>
    </message>
    <message>
        <source>&amp;Fill Slots</source>
        <translation>Remplir &amp;les emplacements</translation>
    </message>
    <message>
        <source>Load Slot %1</source>
        <translation>Charger l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>Store Grid in Slot %1</source>
        <translation>Enregistrer la grille dans l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Téléversement...</translation>
    </message>
    <message>
        <source>Cancelling after the slot under way...</source>
        <translation>Annulation après l&apos;emplacement en cours...</translation>
    </message>
    <message>
        <source>Uploaded 1 slot.</source>
        <translation>1 emplacement téléversé.</translation>
    </message>
    <message>
        <source>Uploaded %1 slots.</source>
        <translation>%1 emplacements téléversés.</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 slots uploaded.</source>
        <translation>Annulé : %1 emplacements sur %2 téléversés.</translation>
    </message>
    <message>
        <source>Stopped: the port closed after %1 of %2 slots.</source>
        <translation>Arrêté : le port s&apos;est fermé après %1 emplacements sur %2.</translation>
    </message>
    <message>
        <source>Custom characters</source>
        <translation>Caractères personnalisés</translation>
    </message>
    <message>
        <source>Custom characters of the module on %1</source>
        <translation>Caractères personnalisés du module sur %1</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Ouvrir un fichier de police</translation>
    </message>
    <message>
        <source>Bitmap fonts (*.psf *.psfu *.psf.gz *.psfu.gz *.bdf *.bdf.gz)</source>
        <translation>Polices bitmap (*.psf *.psfu *.psf.gz *.psfu.gz *.bdf *.bdf.gz)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1, %2 x %3 dots, %4 glyphs</source>
        <translation>%1, %2 x %3 points, %4 glyphes</translation>
    </message>
    <message>
        <source>Glyph &quot;%1&quot;</source>
        <translation>Glyphe « %1 »</translation>
    </message>
    <message>
        <source>Nothing was filled: type one to ten characters for the slots from 0 on.</source>
        <translation>Rien n&apos;a été rempli : tapez un à dix caractères pour les emplacements à partir de 0.</translation>
    </message>
    <message>
        <source>Nothing was filled: the font has no glyph for %1.</source>
        <translation>Rien n&apos;a été rempli : la police n&apos;a pas de glyphe pour %1.</translation>
    </message>
    <message>
        <source>Fill Slots</source>
        <translation>Remplir les emplacements</translation>
    </message>
    <message>
        <source>The bank is saved in %1.</source>
        <translation>La banque de caractères est enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Load Character Bank</source>
        <translation>Charger une banque de caractères</translation>
    </message>
    <message>
        <source>Pattern libraries (*.%1)</source>
        <translation>Bibliothèques de motifs (*.%1)</translation>
    </message>
    <message>
        <source>The pattern library %1 keeps no character bank; the slots are as they were.</source>
        <translation>La bibliothèque de motifs %1 ne contient pas de banque de caractères ; les emplacements restent tels quels.</translation>
    </message>
    <message>
        <source>Load Bank from %1</source>
        <translation>Charger la banque depuis %1</translation>
    </message>
    <message>
        <source>Slots loaded from %1.</source>
        <translation>Emplacements chargés depuis %1.</translation>
    </message>
</context>
<context>
    <name>ConnectionPool</name>
    <message>
        <source>no module given: write COM1 to COM6, a device path or tcp://host:port</source>
        <translation>aucun module indiqué : écrivez COM1 à COM6, un chemin de périphérique ou tcp://host:port</translation>
    </message>
    <message>
        <source>there are COM1 to COM6, no %1</source>
        <translation>il y a COM1 à COM6, pas de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ConnectionStateLabel</name>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connexion en cours</translation>
    </message>
    <message>
        <source>waiting for the device</source>
        <translation>en attente du périphérique</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>indisponible</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 is open.</source>
        <translation>%1 est ouvert.</translation>
    </message>
    <message>
        <source>Port state</source>
        <translation>État du port</translation>
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
        <translation>Configurer Kaldor88</translation>
    </message>
    <message>
        <source>Kaldor8x8</source>
        <translation>Kaldor8x8</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>DOT MATRIX</source>
        <translation>MATRICE DE POINTS</translation>
    </message>
    <message>
        <source>Single ASCII Character</source>
        <translation>Un caractère ASCII</translation>
    </message>
    <message>
        <source>Show Single ASCII</source>
        <translation>Afficher ASCII</translation>
    </message>
    <message>
        <source>Clear ALL</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Scrolling Message</source>
        <translation>Message défilant</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>DÉFILER</translation>
    </message>
    <message>
        <source>Send Dot Matrix</source>
        <translation>Envoyer matrice</translation>
    </message>
    <message>
        <source>ANIMATE</source>
        <translation>ANIMER</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <source>Set Speed</source>
        <translation>Régler vitesse</translation>
    </message>
    <message>
        <source>Save in Position</source>
        <translation>Stocker au n°</translation>
    </message>
    <message>
        <source>Show Custom Character</source>
        <translation>Afficher caractère perso</translation>
    </message>
    <message>
        <source>Show Built-In Animation</source>
        <translation>Afficher animation intégrée</translation>
    </message>
    <message>
        <source>UP ARROW</source>
        <translation>FLÈCHE HAUT</translation>
    </message>
    <message>
        <source>DOWN ARROW</source>
        <translation>FLÈCHE BAS</translation>
    </message>
    <message>
        <source>RIGHT ARROW</source>
        <translation>FLÈCHE DROITE</translation>
    </message>
    <message>
        <source>LEFT ARROW</source>
        <translation>FLÈCHE GAUCHE</translation>
    </message>
    <message>
        <source>Current Setting</source>
        <translation>Réglage actuel</translation>
    </message>
    <message>
        <source>Start Up Mode</source>
        <translation>Mode au démarrage</translation>
    </message>
    <message>
        <source>Change Startup Mode</source>
        <translation>Changer le mode</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Changer la vitesse</translation>
    </message>
    <message>
        <source>Animation/Scrolling Message</source>
        <translation>Animation/message défilant</translation>
    </message>
    <message>
        <source>Save Message</source>
        <translation>Enregistrer message</translation>
    </message>
    <message>
        <source>Mode %1</source>
        <translation>Mode %1</translation>
    </message>
    <message>
        <source>Selected Comm Port Not Available</source>
        <translation>Port COM choisi indisponible</translation>
    </message>
    <message>
        <source>No Module Found</source>
        <translation>Aucun module trouvé</translation>
    </message>
    <message>
        <source>Startup Mode Changed</source>
        <translation>Mode de démarrage changé</translation>
    </message>
    <message>
        <source>Speed Changed</source>
        <translation>Vitesse changée</translation>
    </message>
    <message>
        <source>Message Saved</source>
        <translation>Message enregistré</translation>
    </message>
</context>
<context>
    <name>DeviceListModel</name>
    <message>
        <source>assigned in the settings</source>
        <translation>attribué dans les paramètres</translation>
    </message>
    <message>
        <source>assigned, not present</source>
        <translation>attribué, absent</translation>
    </message>
    <message>
        <source>malformed network address</source>
        <translation>adresse réseau mal formée</translation>
    </message>
    <message>
        <source>network, telnet with RFC 2217</source>
        <translation>réseau, telnet avec RFC 2217</translation>
    </message>
    <message>
        <source>network, glyphsmith-bridge on MQTT</source>
        <translation>réseau, glyphsmith-bridge sur MQTT</translation>
    </message>
    <message>
        <source>network, raw TCP</source>
        <translation>réseau, TCP brut</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>ID USB</translation>
    </message>
    <message>
        <source>Assigned to</source>
        <translation>Attribué à</translation>
    </message>
</context>
<context>
    <name>DevicesDialog</name>
    <message>
        <source>Devices</source>
        <translation>Périphériques</translation>
    </message>
    <message>
        <source>Serial devices of this machine, and the network endpoints in use. Assign one to a COM number to use it from the menu &quot;Communication&quot;.</source>
        <translation>Les périphériques série de cette machine et les points d&apos;accès réseau utilisés. Attribuez-en un à un numéro COM pour l&apos;utiliser depuis le menu « Communication ».</translation>
    </message>
    <message>
        <source>&amp;Network endpoint:</source>
        <translation>Point d&apos;accès &amp;réseau :</translation>
    </message>
    <message>
        <source>tcp://host:port or rfc2217://host:port</source>
        <translation>tcp://host:port ou rfc2217://host:port</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Assign t&amp;o:</source>
        <translation>Attribuer &amp;à :</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>A&amp;ttribuer</translation>
    </message>
    <message>
        <source>&amp;Unassign</source>
        <translation>&amp;Retirer l&apos;attribution</translation>
    </message>
    <message>
        <source>Remove the assignment of the COM number chosen beside it</source>
        <translation>Retirer l&apos;attribution du numéro COM choisi à côté</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>T&amp;ester</translation>
    </message>
    <message>
        <source>Ask the module on the selected device for its stored settings</source>
        <translation>Demander au module du périphérique choisi ses paramètres enregistrés</translation>
    </message>
    <message>
        <source>Write a network endpoint as tcp://host:port or rfc2217://host:port.</source>
        <translation>Écrivez un point d&apos;accès réseau sous la forme tcp://host:port ou rfc2217://host:port.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>%1 added; assign it to a COM number to use it.</source>
        <translation>%1 ajouté ; attribuez-le à un numéro COM pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>COM%1 could not be stored in %2: %3.</source>
        <translation>COM%1 n&apos;a pas pu être enregistré dans %2 : %3.</translation>
    </message>
    <message>
        <source>COM%1 is now %2. Choose COM%1 from the menu &quot;Communication&quot; to use it.</source>
        <translation>COM%1 est maintenant %2. Choisissez COM%1 dans le menu « Communication » pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>COM%1 is no longer assigned: it stands for the machine&apos;s serial device number %1, if there is one.</source>
        <translation>COM%1 n&apos;est plus attribué : il désigne le périphérique série numéro %1 de la machine, s&apos;il y en a un.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>start-up mode %1, speed %2, message &quot;%3&quot;</source>
        <translation>mode de démarrage %1, vitesse %2, message « %3 »</translation>
    </message>
    <message>
        <source>Testing %1...</source>
        <translation>Test de %1...</translation>
    </message>
    <message>
        <source>%1 answers: %2 (%3).</source>
        <translation>%1 répond : %2 (%3).</translation>
    </message>
    <message>
        <source>%1: no reply.</source>
        <translation>%1 : pas de réponse.</translation>
    </message>
    <message>
        <source>%1 is not available: %2.</source>
        <translation>%1 n&apos;est pas disponible : %2.</translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>DotCell</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>éteint</translation>
    </message>
</context>
<context>
    <name>DotGrid</name>
    <message>
        <source>Dot matrix</source>
        <translation>Matrice de points</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation>&amp;Décaler</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Décaler vers le haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Décaler vers le bas</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Vers la &amp;gauche</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Décaler vers la gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Vers la &amp;droite</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Décaler vers la droite</translation>
    </message>
    <message>
        <source>Up, &amp;Wrapping Around</source>
        <translation>Vers le haut, &amp;circulaire</translation>
    </message>
    <message>
        <source>Shift Up, Wrapping Around</source>
        <translation>Décaler vers le haut, circulaire</translation>
    </message>
    <message>
        <source>Down, W&amp;rapping Around</source>
        <translation>Vers le bas, circ&amp;ulaire</translation>
    </message>
    <message>
        <source>Shift Down, Wrapping Around</source>
        <translation>Décaler vers le bas, circulaire</translation>
    </message>
    <message>
        <source>Left, Wr&amp;apping Around</source>
        <translation>Vers la gauche, ci&amp;rculaire</translation>
    </message>
    <message>
        <source>Shift Left, Wrapping Around</source>
        <translation>Décaler vers la gauche, circulaire</translation>
    </message>
    <message>
        <source>Right, Wra&amp;pping Around</source>
        <translation>Vers la droite, circu&amp;laire</translation>
    </message>
    <message>
        <source>Shift Right, Wrapping Around</source>
        <translation>Décaler vers la droite, circulaire</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>Faire &amp;pivoter</translation>
    </message>
    <message>
        <source>90° &amp;Clockwise</source>
        <translation>90° sens &amp;horaire</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Pivoter dans le sens horaire</translation>
    </message>
    <message>
        <source>90° &amp;Anticlockwise</source>
        <translation>90° sens &amp;antihoraire</translation>
    </message>
    <message>
        <source>Rotate Anticlockwise</source>
        <translation>Pivoter dans le sens antihoraire</translation>
    </message>
    <message>
        <source>&amp;180°</source>
        <translation>&amp;180°</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Pivoter de 180°</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>&amp;Left to Right</source>
        <translation>De &amp;gauche à droite</translation>
    </message>
    <message>
        <source>Mirror Left to Right</source>
        <translation>Miroir de gauche à droite</translation>
    </message>
    <message>
        <source>&amp;Top to Bottom</source>
        <translation>De &amp;haut en bas</translation>
    </message>
    <message>
        <source>Mirror Top to Bottom</source>
        <translation>Miroir de haut en bas</translation>
    </message>
    <message>
        <source>PNG picture, 8 x 8 pixels (*.png)</source>
        <translation>Image PNG, 8 x 8 pixels (*.png)</translation>
    </message>
    <message>
        <source>PNG picture, %1 pixels to a dot (*.png)</source>
        <translation>Image PNG, %1 pixels par point (*.png)</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>&amp;Import Image...</source>
        <translation>&amp;Importer une image...</translation>
    </message>
    <message>
        <source>&amp;Export Image...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>Paste the first of %1 pictures</source>
        <translation>Coller la première de %1 images</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Copier au &amp;format</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Clear A&amp;LL</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>Send as You &amp;Draw</source>
        <translation>&amp;Envoyer en dessinant</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>le presse-papiers</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a pattern nor a picture.</source>
        <translation>Rien n&apos;a été collé : le presse-papiers ne contient ni motif ni image.</translation>
    </message>
    <message>
        <source>Nothing was pasted: no pattern was found in the text on the clipboard.</source>
        <translation>Rien n&apos;a été collé : aucun motif n&apos;a été trouvé dans le texte du presse-papiers.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is not a pattern, as %1.</source>
        <translation>Rien n&apos;a été collé : le texte du presse-papiers n&apos;est pas un motif, car %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is empty.</source>
        <translation>Rien n&apos;a été collé : l&apos;image dans %1 est vide.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is %2 x %3 pixels, more than the workbench takes.</source>
        <translation>Rien n&apos;a été collé : l&apos;image dans %1 fait %2 x %3 pixels, plus que l&apos;atelier n&apos;en accepte.</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exporter l&apos;image</translation>
    </message>
</context>
<context>
    <name>Endpoint</name>
    <message>
        <source>an IPv6 address must end with &apos;]&apos;</source>
        <translation>une adresse IPv6 doit se terminer par &apos;]&apos;</translation>
    </message>
    <message>
        <source>no port: write host:port, for example tcp://%1:2000</source>
        <translation>pas de port : écrivez host:port, par exemple tcp://%1:2000</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, as [::1]:2000</source>
        <translation>écrivez une adresse IPv6 entre crochets, comme [::1]:2000</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>pas d&apos;hôte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no host name</source>
        <translation>&apos;%1&apos; n&apos;est pas un nom d&apos;hôte</translation>
    </message>
    <message>
        <source>no port after the &apos;:&apos;</source>
        <translation>pas de port après le &apos;:&apos;</translation>
    </message>
    <message>
        <source>port &apos;%1&apos; is out of range: it must be 1 to 65535</source>
        <translation>le port &apos;%1&apos; est hors limites : il doit être de 1 à 65535</translation>
    </message>
    <message>
        <source>no topic: write mqtt://host/BASE/MODULE, for example mqtt://%1/glyphsmith/shelf</source>
        <translation>pas de topic : écrivez mqtt://host/BASE/MODULE, par exemple mqtt://%1/glyphsmith/shelf</translation>
    </message>
    <message>
        <source>no user name before the &apos;@&apos;</source>
        <translation>pas de nom d&apos;utilisateur avant le &apos;@&apos;</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, as [::1]:1883</source>
        <translation>écrivez une adresse IPv6 entre crochets, comme [::1]:1883</translation>
    </message>
    <message>
        <source>the topic &apos;%1&apos; is not BASE/MODULE, as glyphsmith/shelf</source>
        <translation>le topic &apos;%1&apos; n&apos;est pas BASE/MODULE, comme glyphsmith/shelf</translation>
    </message>
    <message>
        <source>the topic &apos;%1&apos; may hold no &apos;+&apos;, &apos;#&apos; or spaces</source>
        <translation>le topic &apos;%1&apos; ne peut contenir ni &apos;+&apos;, ni &apos;#&apos;, ni espaces</translation>
    </message>
    <message>
        <source>no device given</source>
        <translation>aucun périphérique indiqué</translation>
    </message>
    <message>
        <source>unknown kind of address &apos;%1://&apos;: use tcp://, rfc2217:// or mqtt://</source>
        <translation>type d&apos;adresse inconnu &apos;%1://&apos; : utilisez tcp://, rfc2217:// ou mqtt://</translation>
    </message>
</context>
<context>
    <name>FontFile</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 needs %2 numbers</source>
        <translation>%1 a besoin de %2 nombres</translation>
    </message>
    <message>
        <source>%1 has &quot;%2&quot; where a number belongs</source>
        <translation>%1 contient « %2 » là où un nombre est attendu</translation>
    </message>
    <message>
        <source>not a BDF font: it does not begin with STARTFONT</source>
        <translation>ce n&apos;est pas une police BDF : elle ne commence pas par STARTFONT</translation>
    </message>
    <message>
        <source>FONTBOUNDINGBOX gives %1 by %2 dots; a font&apos;s glyphs have 1 to %3</source>
        <translation>FONTBOUNDINGBOX donne %1 sur %2 points ; les glyphes d&apos;une police en ont de 1 à %3</translation>
    </message>
    <message>
        <source>FONTBOUNDINGBOX lies more than %1 dots away from the origin</source>
        <translation>FONTBOUNDINGBOX se trouve à plus de %1 points de l&apos;origine</translation>
    </message>
    <message>
        <source>CHARS gives %1 glyphs; at most %2 are read</source>
        <translation>CHARS annonce %1 glyphes ; au plus %2 sont lus</translation>
    </message>
    <message>
        <source>it ends before ENDFONT: the file is cut short</source>
        <translation>elle se termine avant ENDFONT : le fichier est tronqué</translation>
    </message>
    <message>
        <source>it ends inside its properties: the file is cut short</source>
        <translation>elle se termine au milieu de ses propriétés : le fichier est tronqué</translation>
    </message>
    <message>
        <source>more than %1 glyphs</source>
        <translation>plus de %1 glyphes</translation>
    </message>
    <message>
        <source>glyph %1 has a negative size in its BBX</source>
        <translation>le glyphe %1 a une taille négative dans sa BBX</translation>
    </message>
    <message>
        <source>glyph %1 is %2 by %3 dots; a font&apos;s glyphs have 1 to %4</source>
        <translation>le glyphe %1 fait %2 sur %3 points ; les glyphes d&apos;une police en ont de 1 à %4</translation>
    </message>
    <message>
        <source>glyph %1 lies more than %2 dots away from the origin</source>
        <translation>le glyphe %1 se trouve à plus de %2 points de l&apos;origine</translation>
    </message>
    <message>
        <source>glyph %1 has its BITMAP before its BBX</source>
        <translation>le glyphe %1 a son BITMAP avant sa BBX</translation>
    </message>
    <message>
        <source>glyph %1 has no BBX</source>
        <translation>le glyphe %1 n&apos;a pas de BBX</translation>
    </message>
    <message>
        <source>glyph %1 has no BITMAP</source>
        <translation>le glyphe %1 n&apos;a pas de BITMAP</translation>
    </message>
    <message>
        <source>glyph %1 has no ENDCHAR</source>
        <translation>le glyphe %1 n&apos;a pas de ENDCHAR</translation>
    </message>
    <message>
        <source>it ends inside glyph %1: the file is cut short</source>
        <translation>elle se termine au milieu du glyphe %1 : le fichier est tronqué</translation>
    </message>
    <message>
        <source>glyph %1 has %2 bitmap rows where its BBX gives %3</source>
        <translation>le glyphe %1 a %2 lignes de bitmap là où sa BBX en donne %3</translation>
    </message>
    <message>
        <source>glyph %1 has a bitmap row that is not hex</source>
        <translation>le glyphe %1 a une ligne de bitmap qui n&apos;est pas hexadécimale</translation>
    </message>
    <message>
        <source>glyph %1 has a bitmap row of %2 hex digits where its BBX needs %3</source>
        <translation>le glyphe %1 a une ligne de bitmap de %2 chiffres hexadécimaux là où sa BBX en demande %3</translation>
    </message>
    <message>
        <source>it has no FONTBOUNDINGBOX</source>
        <translation>elle n&apos;a pas de FONTBOUNDINGBOX</translation>
    </message>
    <message>
        <source>it has no CHARS line</source>
        <translation>elle n&apos;a pas de ligne CHARS</translation>
    </message>
    <message>
        <source>CHARS gives %1 glyphs, but the file holds %2</source>
        <translation>CHARS annonce %1 glyphes, mais le fichier en contient %2</translation>
    </message>
    <message>
        <source>it holds no glyphs</source>
        <translation>elle ne contient aucun glyphe</translation>
    </message>
    <message>
        <source>its glyphs reach over %1 rows; at most %2 are read</source>
        <translation>ses glyphes s&apos;étendent sur %1 lignes ; au plus %2 sont lues</translation>
    </message>
    <message>
        <source>glyph %1 reaches over %2 columns; at most %3 are read</source>
        <translation>le glyphe %1 s&apos;étend sur %2 colonnes ; au plus %3 sont lues</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>le fichier dépasse %1</translation>
    </message>
    <message>
        <source>neither a PSF nor a BDF font</source>
        <translation>ni une police PSF ni une police BDF</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>not gzip-compressed</source>
        <translation>pas compressé avec gzip</translation>
    </message>
    <message>
        <source>cannot start unpacking</source>
        <translation>la décompression ne peut pas commencer</translation>
    </message>
    <message>
        <source>unpacks to more than %1</source>
        <translation>se décompresse en plus de %1</translation>
    </message>
    <message>
        <source>has data after the end of its compressed stream</source>
        <translation>contient des données après la fin de son flux compressé</translation>
    </message>
    <message>
        <source>compressed data ends early: the file is cut short</source>
        <translation>les données compressées se terminent trop tôt : le fichier est tronqué</translation>
    </message>
    <message>
        <source>not enough memory to unpack it</source>
        <translation>pas assez de mémoire pour le décompresser</translation>
    </message>
    <message>
        <source>damaged compressed data (%1)</source>
        <translation>données compressées endommagées (%1)</translation>
    </message>
    <message>
        <source>ends early</source>
        <translation>se termine trop tôt</translation>
    </message>
    <message>
        <source>names U+%1, which is no character</source>
        <translation>nomme U+%1, qui n&apos;est pas un caractère</translation>
    </message>
    <message>
        <source>holds a byte that starts no UTF-8 character</source>
        <translation>contient un octet qui ne commence aucun caractère UTF-8</translation>
    </message>
    <message>
        <source>holds a malformed UTF-8 character</source>
        <translation>contient un caractère UTF-8 mal formé</translation>
    </message>
    <message>
        <source>too short for a PSF header</source>
        <translation>trop court pour un en-tête PSF</translation>
    </message>
    <message>
        <source>unknown PSF1 mode 0x%1</source>
        <translation>mode PSF1 inconnu 0x%1</translation>
    </message>
    <message>
        <source>its glyphs are 0 dots high</source>
        <translation>ses glyphes font 0 point de haut</translation>
    </message>
    <message>
        <source>too short for a PSF2 header</source>
        <translation>trop court pour un en-tête PSF2</translation>
    </message>
    <message>
        <source>PSF2 version %1; only version 0 is known</source>
        <translation>PSF2 version %1 ; seule la version 0 est connue</translation>
    </message>
    <message>
        <source>its header claims to be %1 bytes long</source>
        <translation>son en-tête prétend faire %1 octets</translation>
    </message>
    <message>
        <source>its glyphs are %1 by %2 dots; a font&apos;s glyphs have 1 to %3</source>
        <translation>ses glyphes font %1 sur %2 points ; les glyphes d&apos;une police en ont de 1 à %3</translation>
    </message>
    <message>
        <source>its glyphs take %1 bytes each, but %2 by %3 dots take %4</source>
        <translation>ses glyphes occupent %1 octets chacun, mais %2 sur %3 points en occupent %4</translation>
    </message>
    <message>
        <source>not a PSF font: it does not begin with a PSF magic number</source>
        <translation>ce n&apos;est pas une police PSF : elle ne commence pas par un nombre magique PSF</translation>
    </message>
    <message>
        <source>its header gives %1 glyphs; at most %2 are read</source>
        <translation>son en-tête annonce %1 glyphes ; au plus %2 sont lus</translation>
    </message>
    <message>
        <source>its header promises %1 glyphs, but the file holds only %2: it is cut short</source>
        <translation>son en-tête promet %1 glyphes, mais le fichier n&apos;en contient que %2 : il est tronqué</translation>
    </message>
    <message>
        <source>the character table %1 in the entry of glyph %2</source>
        <translation>la table des caractères %1 dans l&apos;entrée du glyphe %2</translation>
    </message>
</context>
<context>
    <name>FormatChooser</name>
    <message>
        <source>Paste As</source>
        <translation>Coller comme</translation>
    </message>
    <message>
        <source>The text reads as more than one pattern. Which is it?</source>
        <translation>Le texte peut se lire comme plus d&apos;un motif. Lequel est-ce ?</translation>
    </message>
</context>
<context>
    <name>FramesController</name>
    <message>
        <source>&amp;Frames</source>
        <translation>I&amp;mages</translation>
    </message>
    <message>
        <source>Add as &amp;Animation</source>
        <translation>Ajouter comme &amp;animation</translation>
    </message>
    <message>
        <source>Paste the &amp;First Picture</source>
        <translation>Coller la &amp;première image</translation>
    </message>
    <message>
        <source>The clipboard holds %1 pictures, as the web editor keeps an animation.</source>
        <translation>Le presse-papiers contient %1 images, comme l&apos;éditeur web conserve une animation.</translation>
    </message>
    <message>
        <source>Add them as the frames of a new animation &quot;%1&quot; of the pattern library %2, or paste only the first picture on the grid?</source>
        <translation>Les ajouter comme images d&apos;une nouvelle animation « %1 » de la bibliothèque de motifs %2, ou coller seulement la première image dans la grille ?</translation>
    </message>
    <message>
        <source>An animation holds at most %1 frames. Paste only the first picture on the grid?</source>
        <translation>Une animation compte au plus %1 images. Coller seulement la première image dans la grille ?</translation>
    </message>
    <message>
        <source>Paste the first of %1 pictures</source>
        <translation>Coller la première de %1 images</translation>
    </message>
    <message>
        <source>Paste animation &quot;%1&quot;</source>
        <translation>Coller l&apos;animation « %1 »</translation>
    </message>
</context>
<context>
    <name>FramesEditor</name>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Image %1 de %2</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
    <message>
        <source>Show Animation &quot;%1&quot;</source>
        <translation>Afficher l&apos;animation « %1 »</translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation>Renommer l&apos;animation</translation>
    </message>
    <message>
        <source>Delete Animation</source>
        <translation>Supprimer l&apos;animation</translation>
    </message>
    <message>
        <source>Show Frame %1</source>
        <translation>Afficher l&apos;image %1</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Duplicate Frame</source>
        <translation>Dupliquer l&apos;image</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Move Frame</source>
        <translation>Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>Frame Time</source>
        <translation>Durée de l&apos;image</translation>
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
        <translation>%1 : %2 ms</translation>
    </message>
    <message>
        <source>Frame %1, shown for %2 ms</source>
        <translation>Image %1, affichée %2 ms</translation>
    </message>
</context>
<context>
    <name>FramesWindow</name>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation>Ani&amp;mation :</translation>
    </message>
    <message>
        <source>&amp;New Animation...</source>
        <translation>&amp;Nouvelle animation...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>Delete Animat&amp;ion</source>
        <translation>Suppr&amp;imer l&apos;animation</translation>
    </message>
    <message>
        <source>A&amp;dd Frame</source>
        <translation>A&amp;jouter une image</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>De&amp;lete Frame</source>
        <translation>&amp;Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>Plus &amp;tôt</translation>
    </message>
    <message>
        <source>Move La&amp;ter</source>
        <translation>Plus tar&amp;d</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Duré&amp;e :</translation>
    </message>
    <message>
        <source>&amp;Onion skin</source>
        <translation>&amp;Pelure d&apos;oignon</translation>
    </message>
    <message>
        <source>Show the previous frame faintly in the grid</source>
        <translation>Afficher l&apos;image précédente en transparence dans la grille</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Play on &amp;Module</source>
        <translation>Lir&amp;e sur le module</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Loo&amp;p</source>
        <translation>En bou&amp;cle</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>&amp;Import Animation...</source>
        <translation>&amp;Importer une animation...</translation>
    </message>
    <message>
        <source>Te&amp;xt to Frames...</source>
        <translation>Te&amp;xte en images...</translation>
    </message>
    <message>
        <source>Export &amp;GIF...</source>
        <translation>Exporter en &amp;GIF...</translation>
    </message>
    <message>
        <source>Export Sprite S&amp;heet...</source>
        <translation>Exporter une planc&amp;he de sprites...</translation>
    </message>
    <message>
        <source>Export &amp;C Array...</source>
        <translation>Exporter un ta&amp;bleau C...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Stopped: another message was sent to the module.</source>
        <translation>Arrêté : un autre message a été envoyé au module.</translation>
    </message>
    <message>
        <source>Frames: %1</source>
        <translation>Images : %1</translation>
    </message>
    <message>
        <source>Shown: %1   Skipped: %2</source>
        <translation>Affichées : %1   Sautées : %2</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nouvelle animation</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation>Une animation a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>New animation</source>
        <translation>Nouvelle animation</translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation>Renommer l&apos;animation</translation>
    </message>
    <message>
        <source>There is already an animation named &quot;%1&quot;.</source>
        <translation>Il existe déjà une animation nommée « %1 ».</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Importer une animation</translation>
    </message>
    <message>
        <source>Animated pictures (*.gif *.GIF)</source>
        <translation>Images animées (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>All pictures (*)</source>
        <translation>Toutes les images (*)</translation>
    </message>
    <message>
        <source>Cannot import the animation %1</source>
        <translation>Impossible d&apos;importer l&apos;animation %1</translation>
    </message>
    <message>
        <source>Import animation</source>
        <translation>Importer une animation</translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation>Texte : %1</translation>
    </message>
    <message>
        <source>Text to frames</source>
        <translation>Texte en images</translation>
    </message>
    <message>
        <source>The animation has no frames to export.</source>
        <translation>L&apos;animation n&apos;a aucune image à exporter.</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Export GIF</source>
        <translation>Exporter en GIF</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animé (*.gif)</translation>
    </message>
    <message>
        <source>Cannot export the animation to %1</source>
        <translation>Impossible d&apos;exporter l&apos;animation vers %1</translation>
    </message>
    <message>
        <source>Export Sprite Sheet</source>
        <translation>Exporter une planche de sprites</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Cannot export the sprite sheet to %1</source>
        <translation>Impossible d&apos;exporter la planche de sprites vers %1</translation>
    </message>
    <message>
        <source>Export C Array</source>
        <translation>Exporter un tableau C</translation>
    </message>
    <message>
        <source>Bytes:</source>
        <translation>Octets :</translation>
    </message>
    <message>
        <source>C header (*.h)</source>
        <translation>En-tête C (*.h)</translation>
    </message>
    <message>
        <source>one byte per row, top row first, leftmost dot in bit 7</source>
        <translation>un octet par ligne, la ligne du haut d&apos;abord, le point le plus à gauche dans le bit 7</translation>
    </message>
    <message>
        <source>the module&apos;s bytes, leftmost column first, dots weighing 16, 32, 64, 128, 1, 2, 4, 8 from the top</source>
        <translation>les octets du module, la colonne la plus à gauche d&apos;abord, les points pesant 16, 32, 64, 128, 1, 2, 4, 8 depuis le haut</translation>
    </message>
    <message>
        <source>Cannot export the animation to %1: %2</source>
        <translation>Impossible d&apos;exporter l&apos;animation vers %1 : %2</translation>
    </message>
</context>
<context>
    <name>FrmConfig</name>
    <message>
        <source>No Mode Selected</source>
        <translation>Aucun mode choisi</translation>
    </message>
    <message>
        <source>No Speed Selected</source>
        <translation>Aucune vitesse choisie</translation>
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
        <translation>Périphériques...</translation>
    </message>
    <message>
        <source>Cannot read picture file %1</source>
        <translation>Impossible de lire le fichier d&apos;image %1</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>aucun périphérique série</translation>
    </message>
    <message>
        <source>COM%1 is open, but the choice could not be stored in %2: %3.</source>
        <translation>COM%1 est ouvert, mais ce choix n&apos;a pas pu être enregistré dans %2 : %3.</translation>
    </message>
    <message>
        <source>The program will not remember this port at its next start. Port choices made later in this run are not stored either.</source>
        <translation>Le programme ne se souviendra pas de ce port au prochain démarrage. Les ports choisis plus tard pendant cette exécution ne sont pas enregistrés non plus.</translation>
    </message>
    <message>
        <source>No Position Selected</source>
        <translation>Aucune position choisie</translation>
    </message>
    <message>
        <source>No Speed Selected</source>
        <translation>Aucune vitesse choisie</translation>
    </message>
</context>
<context>
    <name>GifImportDialog</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Importer une animation</translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation>Les parties &amp;claires sont allumées</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n frame(s)</source>
        <translation>
            <numerusform>%1 : %n image</numerusform>
            <numerusform>%1 : %n images</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1 : %2 ms</translation>
    </message>
    <message>
        <source>Frame &amp;times:</source>
        <translation>&amp;Durées des images :</translation>
    </message>
    <message>
        <source>Frame %1 has no delay in the file (0): it is shown for %2 ms, as browsers show it.</source>
        <translation>L&apos;image %1 n&apos;a pas de délai dans le fichier (0) : elle est affichée %2 ms, comme les navigateurs l&apos;affichent.</translation>
    </message>
    <message>
        <source>Frames %1 have no delay in the file (0): they are shown for %2 ms, as browsers show them.</source>
        <translation>Les images %1 n&apos;ont pas de délai dans le fichier (0) : elles sont affichées %2 ms, comme les navigateurs les affichent.</translation>
    </message>
    <message>
        <source>Frame %1 has a delay of 1 hundredth of a second: it is kept as %2 ms, as this program writes its shortest frames (browsers show it for %3 ms).</source>
        <translation>L&apos;image %1 a un délai d&apos;un centième de seconde : il est conservé comme %2 ms, comme ce programme écrit ses images les plus courtes (les navigateurs l&apos;affichent %3 ms).</translation>
    </message>
    <message>
        <source>Frames %1 have a delay of 1 hundredth of a second: they are kept as %2 ms, as this program writes its shortest frames (browsers show them for %3 ms).</source>
        <translation>Les images %1 ont un délai d&apos;un centième de seconde : il est conservé comme %2 ms, comme ce programme écrit ses images les plus courtes (les navigateurs les affichent %3 ms).</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil :</translation>
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
        <translation>Met des modules LED 8x8 Kaldor8x8 sur un broker MQTT : les topics de chaque module sous BASE/MODULE deviennent ses messages, au rythme de sa propre ligne.
Le fichier de configuration (INI) nomme le broker et les modules ; les options ont priorité sur lui.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>The configuration file (default: %1).</source>
        <translation>Le fichier de configuration (par défaut : %1).</translation>
    </message>
    <message>
        <source>The broker&apos;s host name.</source>
        <translation>Le nom d&apos;hôte du broker.</translation>
    </message>
    <message>
        <source>The broker&apos;s port (1883; 8883 with TLS).</source>
        <translation>Le port du broker (1883 ; 8883 avec TLS).</translation>
    </message>
    <message>
        <source>Connect to the broker with TLS.</source>
        <translation>Se connecter au broker avec TLS.</translation>
    </message>
    <message>
        <source>The broker&apos;s CA certificate (TLS).</source>
        <translation>Le certificat d&apos;autorité du broker (TLS).</translation>
    </message>
    <message>
        <source>The user name at the broker.</source>
        <translation>Le nom d&apos;utilisateur auprès du broker.</translation>
    </message>
    <message>
        <source>A file whose first line is the password (or set GLYPHSMITH_MQTT_PASSWORD).</source>
        <translation>Un fichier dont la première ligne est le mot de passe (ou définissez GLYPHSMITH_MQTT_PASSWORD).</translation>
    </message>
    <message>
        <source>The MQTT client id.</source>
        <translation>L&apos;identifiant du client MQTT.</translation>
    </message>
    <message>
        <source>The keep-alive time in seconds (60).</source>
        <translation>Le délai keep-alive en secondes (60).</translation>
    </message>
    <message>
        <source>The topic the modules&apos; topics begin with (glyphsmith).</source>
        <translation>Le topic par lequel commencent les topics des modules (glyphsmith).</translation>
    </message>
    <message>
        <source>A module and its port: COM1..COM6, a device path, tcp://host:port or rfc2217://host:port; may be repeated.</source>
        <translation>Un module et son port : COM1..COM6, un chemin de périphérique, tcp://host:port ou rfc2217://host:port ; peut être répété.</translation>
    </message>
    <message>
        <source>Announce the modules to Home Assistant.</source>
        <translation>Annoncer les modules à Home Assistant.</translation>
    </message>
    <message>
        <source>Do not announce them (and remove what was).</source>
        <translation>Ne pas les annoncer (et retirer ce qui l&apos;a été).</translation>
    </message>
    <message>
        <source>Where the bridge remembers what it announced (default: %1).</source>
        <translation>Où le pont retient ce qu&apos;il a annoncé (par défaut : %1).</translation>
    </message>
    <message>
        <source>Check the configuration, print it and exit.</source>
        <translation>Vérifier la configuration, l&apos;afficher et quitter.</translation>
    </message>
    <message>
        <source>; try &apos;glyphsmith-bridge --help&apos;</source>
        <translation> ; voir &apos;glyphsmith-bridge --help&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; try &apos;glyphsmith-bridge --help&apos;</source>
        <translation>argument inattendu &apos;%1&apos; ; voir &apos;glyphsmith-bridge --help&apos;</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3</source>
        <translation>--%1 attend un nombre de %2 à %3</translation>
    </message>
</context>
<context>
    <name>GlyphsmithSend</name>
    <message>
        <source>; try &apos;glyphsmith-send --help&apos;</source>
        <translation> ; voir &apos;glyphsmith-send --help&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;: a negative number, or a text that begins with &apos;-&apos;, goes after &apos;--&apos;</source>
        <translation>option inconnue &apos;%1&apos; : un nombre négatif, ou un texte qui commence par &apos;-&apos;, se place après &apos;--&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation>Commandes :
</translation>
    </message>
    <message>
        <source>A text that begins with &apos;-&apos; goes after &apos;--&apos;: glyphsmith-send scroll -- -5.</source>
        <translation>Un texte qui commence par &apos;-&apos; se place après &apos;--&apos; : glyphsmith-send scroll -- -5.</translation>
    </message>
    <message>
        <source>A SPAN is a span of the library file given with --library or, without it, of the library the program opened last. Each module of a span is reached as the span names it (COM1..COM6, a device, an endpoint); --port does not go with the span commands.</source>
        <translation>Un ASSEMBLAGE est un assemblage du fichier de bibliothèque donné par --library ou, sans lui, de la bibliothèque que le programme a ouverte en dernier. Chaque module d&apos;un assemblage est atteint tel que l&apos;assemblage le nomme (COM1..COM6, un périphérique, un point d&apos;accès) ; --port ne va pas avec les commandes d&apos;assemblage.</translation>
    </message>
    <message>
        <source>Exit status: 0 done (acknowledged where the module answers), 2 bad usage, 3 refused by the module, 4 no reply, 5 port not available.</source>
        <translation>Code de sortie : 0 fait (acquitté là où le module répond), 2 mauvaise utilisation, 3 refusé par le module, 4 pas de réponse, 5 port indisponible.</translation>
    </message>
    <message>
        <source>Sends one message to the Kaldor8x8 8x8 LED module and, for the settings commands, waits for its answer.
Without --port it uses the port the program has stored, COM1 to COM6 standing for devices as in the program.</source>
        <translation>Envoie un message au module LED 8x8 Kaldor8x8 et, pour les commandes de paramètres, attend sa réponse.
Sans --port, il utilise le port que le programme a enregistré, COM1 à COM6 désignant des périphériques comme dans le programme.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>COM1..COM6, a device path, tcp://host:port or rfc2217://host:port.</source>
        <translation>COM1..COM6, un chemin de périphérique, tcp://host:port ou rfc2217://host:port.</translation>
    </message>
    <message>
        <source>Print the settings as one line of JSON.</source>
        <translation>Afficher les paramètres sur une ligne de JSON.</translation>
    </message>
    <message>
        <source>The format of a pattern&apos;s text, where it could be read as more than one: module-bytes, row-bytes, c-array, arduino, python-list, integer64, text-art.</source>
        <translation>Le format du texte d&apos;un motif, là où il peut se lire de plusieurs façons : module-bytes, row-bytes, c-array, arduino, python-list, integer64, text-art.</translation>
    </message>
    <message>
        <source>The library file whose spans the span commands name (the library the program opened last without it).</source>
        <translation>Le fichier de bibliothèque dont les commandes d&apos;assemblage nomment les assemblages (sans lui, la bibliothèque que le programme a ouverte en dernier).</translation>
    </message>
    <message>
        <source>span-scroll: the font family to draw the text in.</source>
        <translation>span-scroll : la famille de police dans laquelle dessiner le texte.</translation>
    </message>
    <message>
        <source>span-scroll: the text&apos;s height in pixels (9 for each row of modules).</source>
        <translation>span-scroll : la hauteur du texte en pixels (9 pour chaque rangée de modules).</translation>
    </message>
    <message>
        <source>span-scroll: milliseconds a frame, one dot a frame (50).</source>
        <translation>span-scroll : millisecondes par image, un point par image (50).</translation>
    </message>
    <message>
        <source>--%1 goes with the span commands only</source>
        <translation>--%1 ne va qu&apos;avec les commandes d&apos;assemblage</translation>
    </message>
    <message>
        <source>--%1 does not go with the span commands: each module is reached as its span names it</source>
        <translation>--%1 ne va pas avec les commandes d&apos;assemblage : chaque module est atteint tel que son assemblage le nomme</translation>
    </message>
    <message>
        <source>--font-size must be a number of pixels</source>
        <translation>--font-size doit être un nombre de pixels</translation>
    </message>
    <message>
        <source>--frame-ms must be a number of milliseconds</source>
        <translation>--frame-ms doit être un nombre de millisecondes</translation>
    </message>
    <message>
        <source>--json goes with the command &apos;settings&apos; only</source>
        <translation>--json ne va qu&apos;avec la commande &apos;settings&apos;</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 doit être un nombre de %2 à %3, pas &apos;%4&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be sent: the module shows Latin-1 characters only</source>
        <translation>&apos;%1&apos; ne peut pas être envoyé : le module n&apos;affiche que des caractères Latin-1</translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation>le texte a %1 caractères ; le module en prend au plus %2</translation>
    </message>
    <message>
        <source>show one character (none: an empty message)</source>
        <translation>afficher un caractère (aucun : un message vide)</translation>
    </message>
    <message>
        <source>show custom character N, 0 to 9</source>
        <translation>afficher le caractère personnalisé N, 0 à 9</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>la position</translation>
    </message>
    <message>
        <source>store the shown pattern as custom character N, 0 to 9</source>
        <translation>enregistrer le motif affiché comme caractère personnalisé N, 0 à 9</translation>
    </message>
    <message>
        <source>show a dot pattern: a text in any of the workbench&apos;s formats (8 hex pairs are the module&apos;s bytes), &apos;-&apos; for one on standard input, or a pattern of a library</source>
        <translation>afficher un motif de points : un texte dans l&apos;un des formats de l&apos;atelier (8 paires hexadécimales sont les octets du module), &apos;-&apos; pour un texte sur l&apos;entrée standard, ou un motif d&apos;une bibliothèque</translation>
    </message>
    <message>
        <source>play an animation of a library on the module once, each frame at its time</source>
        <translation>lire une fois une animation d&apos;une bibliothèque sur le module, chaque image à son heure</translation>
    </message>
    <message>
        <source>the animation &quot;%1&quot; has no frames</source>
        <translation>l&apos;animation « %1 » n&apos;a aucune image</translation>
    </message>
    <message>
        <source>%1 has no animation named &quot;%2&quot;</source>
        <translation>%1 n&apos;a pas d&apos;animation nommée « %2 »</translation>
    </message>
    <message>
        <source>scroll a text of up to 20 characters</source>
        <translation>faire défiler un texte de 20 caractères au plus</translation>
    </message>
    <message>
        <source>show a text of up to 20 characters one by one</source>
        <translation>afficher un texte de 20 caractères au plus, caractère par caractère</translation>
    </message>
    <message>
        <source>set the speed of scrolling and animation now</source>
        <translation>régler maintenant la vitesse du défilement et de l&apos;animation</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>la vitesse</translation>
    </message>
    <message>
        <source>play a built-in arrow animation</source>
        <translation>lire une animation de flèche intégrée</translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation>la direction doit être up, down, left ou right, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>print the stored start-up mode, speed and message</source>
        <translation>afficher le mode de démarrage, la vitesse et le message enregistrés</translation>
    </message>
    <message>
        <source>store the start-up mode</source>
        <translation>enregistrer le mode de démarrage</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>le mode</translation>
    </message>
    <message>
        <source>store the speed</source>
        <translation>enregistrer la vitesse</translation>
    </message>
    <message>
        <source>store the message of up to 20 characters</source>
        <translation>enregistrer le message de 20 caractères au plus</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>--format goes with the command &apos;pattern&apos; only</source>
        <translation>--format ne va qu&apos;avec la commande &apos;pattern&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation>&apos;%1&apos; a besoin de %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no argument</source>
        <translation>&apos;%1&apos; ne prend aucun argument</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one argument (put a text with spaces in quotes)</source>
        <translation>&apos;%1&apos; prend un argument (mettez un texte avec des espaces entre guillemets)</translation>
    </message>
    <message>
        <source>there are COM1 to COM6, no %1</source>
        <translation>il y a COM1 à COM6, pas de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>COM%1 stands for no device: the settings map none to it, and the machine has fewer than %1 serial devices</source>
        <translation>COM%1 ne désigne aucun périphérique : les paramètres ne lui en attribuent aucun, et la machine a moins de %1 périphériques série</translation>
    </message>
    <message>
        <source>no library file: name one with --library FILE (the program has opened none yet)</source>
        <translation>aucun fichier de bibliothèque : nommez-en un avec --library FICHIER (le programme n&apos;en a encore ouvert aucun)</translation>
    </message>
    <message>
        <source>the spans of %1 cannot be read: %2</source>
        <translation>les assemblages de %1 ne peuvent pas être lus : %2</translation>
    </message>
    <message>
        <source>%1 has no spans</source>
        <translation>%1 n&apos;a aucun assemblage</translation>
    </message>
    <message>
        <source>%1 has no span named &quot;%2&quot; (it has %3)</source>
        <translation>%1 n&apos;a pas d&apos;assemblage nommé « %2 » (il a %3)</translation>
    </message>
    <message>
        <source>%1 x %2 dots</source>
        <translation>%1 x %2 points</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; the span &quot;%3&quot; is %4 (or a whole multiple of that)</source>
        <translation>l&apos;image fait %1 x %2 pixels ; l&apos;assemblage « %3 » fait %4 (ou un multiple entier)</translation>
    </message>
    <message>
        <source>the picture cannot be read: %1</source>
        <translation>l&apos;image ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>text art of the span &quot;%1&quot; is %2 (%3 lines of %4 dots); this is %5 x %6</source>
        <translation>un dessin en texte de l&apos;assemblage « %1 » fait %2 (%3 lignes de %4 points) ; celui-ci fait %5 x %6</translation>
    </message>
    <message>
        <source>this is no text art: %1</source>
        <translation>ce n&apos;est pas un dessin en texte : %1</translation>
    </message>
    <message>
        <source>scroll any text across a span of modules, in step (--font, --font-size, --frame-ms)</source>
        <translation>faire défiler n&apos;importe quel texte sur un assemblage de modules, en phase (--font, --font-size, --frame-ms)</translation>
    </message>
    <message>
        <source>show a picture of the span&apos;s size on its modules: text art, or a PNG</source>
        <translation>afficher une image de la taille de l&apos;assemblage sur ses modules : dessin en texte ou PNG</translation>
    </message>
    <message>
        <source>play a span animation of a library once, on all its modules in step</source>
        <translation>lire une fois une animation d&apos;assemblage d&apos;une bibliothèque, sur tous ses modules en phase</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs FILE.glyphs NAME</source>
        <translation>&apos;%1&apos; a besoin de FICHIER.glyphs NOM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs SPAN TEXT (put a text with spaces in quotes)</source>
        <translation>&apos;%1&apos; a besoin de ASSEMBLAGE TEXTE (mettez un texte avec des espaces entre guillemets)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs SPAN FILE|-</source>
        <translation>&apos;%1&apos; a besoin de ASSEMBLAGE FICHIER|-</translation>
    </message>
    <message>
        <source>%1 has no span animation named &quot;%2&quot;</source>
        <translation>%1 n&apos;a pas d&apos;animation d&apos;assemblage nommée « %2 »</translation>
    </message>
    <message>
        <source>the span animation &quot;%1&quot; has no frames</source>
        <translation>l&apos;animation d&apos;assemblage « %1 » n&apos;a aucune image</translation>
    </message>
    <message>
        <source>there is no text to scroll</source>
        <translation>il n&apos;y a aucun texte à faire défiler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; draws with the machine&apos;s fonts, which needs Qt Gui</source>
        <translation>&apos;%1&apos; dessine avec les polices de la machine, ce qui demande Qt Gui</translation>
    </message>
    <message>
        <source>--frame-ms must be a number from %1 to %2</source>
        <translation>--frame-ms doit être un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 dépasse %2 Mo</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>le port n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>module %1 (%2) was not available: %3</source>
        <translation>le module %1 (%2) n&apos;était pas disponible : %3</translation>
    </message>
    <message>
        <source>some modules did not take their frames within %1 s</source>
        <translation>certains modules n&apos;ont pas pris leurs images en %1 s</translation>
    </message>
    <message>
        <source>; %1 of %2 frames missed</source>
        <translation> ; %1 images sur %2 manquées</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <translation>COMMANDE [ARGUMENTS]</translation>
    </message>
    <message>
        <source>With --batch, or &apos;-&apos; as the command, the commands come from standard input, one a line, in the words of the command line: quote a text with spaces as a shell would (&apos;...&apos; or &quot;...&quot;); empty lines and lines that begin with # are skipped. They are sent in order at the line&apos;s pace; the first that fails ends the run, and its message names the line.</source>
        <translation>Avec --batch, ou &apos;-&apos; comme commande, les commandes viennent de l&apos;entrée standard, une par ligne, dans les mots de la ligne de commande : mettez un texte avec des espaces entre guillemets comme le ferait un shell (&apos;...&apos; ou &quot;...&quot;) ; les lignes vides et celles qui commencent par # sont ignorées. Elles sont envoyées dans l&apos;ordre au rythme de la ligne ; la première qui échoue termine l&apos;exécution, et son message nomme la ligne.</translation>
    </message>
    <message>
        <source>While 8x8 Glyphsmith runs with the module&apos;s port open, the messages go through it over the session bus, in order with its own; otherwise glyphsmith-send opens the port itself.</source>
        <translation>Tant que 8x8 Glyphsmith fonctionne avec le port du module ouvert, les messages passent par lui sur le bus de session, dans l&apos;ordre avec les siens ; sinon glyphsmith-send ouvre le port lui-même.</translation>
    </message>
    <message>
        <source>Read the commands from standard input, one a line, in the words of the command line (&apos;-&apos; as the command does the same).</source>
        <translation>Lire les commandes sur l&apos;entrée standard, une par ligne, dans les mots de la ligne de commande (&apos;-&apos; comme commande fait de même).</translation>
    </message>
    <message>
        <source>with --batch the commands come from standard input, one a line, not from the command line</source>
        <translation>avec --batch les commandes viennent de l&apos;entrée standard, une par ligne, pas de la ligne de commande</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la ligne dépasse %1 octets</translation>
    </message>
    <message>
        <source>a &apos; is not closed</source>
        <translation>un &apos; n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>a &quot; is not closed</source>
        <translation>un &quot; n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>&apos;pattern -&apos; would read standard input, which holds the commands; give the pattern on the line</source>
        <translation>&apos;pattern -&apos; lirait l&apos;entrée standard, qui contient les commandes ; donnez le motif sur la ligne</translation>
    </message>
    <message>
        <source>the module&apos;s answer is no settings record: %1</source>
        <translation>la réponse du module n&apos;est pas un relevé de réglages : %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>GlyphsmithSim</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>state file %1 is unusable (%2); nothing is stored</source>
        <translation>le fichier d&apos;état %1 est inutilisable (%2) ; rien n&apos;est enregistré</translation>
    </message>
    <message>
        <source>state file %1 cannot be written (%2); changes to the stored settings will not be kept</source>
        <translation>le fichier d&apos;état %1 ne peut pas être écrit (%2) ; les modifications des paramètres enregistrés ne seront pas conservées</translation>
    </message>
    <message>
        <source>Kaldor8x8 modules 1 to %1 (simulated)</source>
        <translation>Modules Kaldor8x8 1 à %1 (simulés)</translation>
    </message>
    <message>
        <source>Try &apos;glyphsmith-sim --help&apos;.</source>
        <translation>Voir &apos;glyphsmith-sim --help&apos;.</translation>
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
        <translation>Simule le module à matrice de points LED 8x8 Kaldor8x8 sur un pseudo-terminal.

Au démarrage, le chemin à ouvrir comme port série (le chemin de --link, sinon
le pseudo-terminal lui-même) est affiché sur une ligne à part. Chaque message
du programme est découpé, exécuté et, pour les commandes de configuration,
reçoit une réponse : F0 lit les paramètres enregistrés (mode, code de vitesse,
longueur du message, message ; FF pour ce qui n&apos;est pas enregistré), F5/F6/F7
enregistrent le message, le code de vitesse et le mode de démarrage et
répondent AA. FE affiche un caractère ou un caractère personnalisé 0..9, F9
enregistre le motif affiché comme caractère personnalisé, FC affiche un motif
de points, FD fait défiler un texte, FB affiche ses caractères un par un, FA
règle leur vitesse, F8 joue une animation de flèche (0 haut, 1 bas, 2 droite,
3 gauche).

Lignes du journal : les octets de chaque message en hexadécimal
(« FC 10 00 00 00 00 00 00 00 »), « &lt; » et les octets de chaque réponse ou
partie de réponse au moment de l&apos;envoi (« &lt; AA »), et des notes sur les
messages parasites, incomplets ou refusés commençant par « # ». Avec
--log-times, chaque ligne commence par une heure en millisecondes sur
l&apos;horloge monotone du système (CLOCK_MONOTONIC, « 5234.567 FC ... ») : pour un
message, l&apos;arrivée de son dernier octet.

Avec --count N, il simule N modules à la fois, chacun sur son propre
pseudo-terminal, et affiche les N chemins à ouvrir, un par ligne, le module 1
d&apos;abord. Les chemins de --link, --log et --state sont alors numérotés :
--link /tmp/module donne /tmp/module-1 à /tmp/module-N, --log /tmp/module.log
donne /tmp/module-1.log et ainsi de suite. Les tableaux de LED sont affichés
côte à côte dans une fenêtre, le module 1 à gauche.

Un mauvais argument termine le simulateur avec le code de sortie 2 : une
option ou une valeur inconnue, un chemin --link qui ne peut pas être créé ou
qu&apos;un autre simulateur sert encore, un fichier --log qui ne peut pas être
écrit. Un fichier --state qui ne peut pas être écrit est signalé au démarrage ;
le simulateur continue et consigne chaque modification qu&apos;il n&apos;a pas pu
enregistrer. Tout autre échec le termine avec le code de sortie 1.</translation>
    </message>
    <message>
        <source>Run without a window.</source>
        <translation>Fonctionner sans fenêtre.</translation>
    </message>
    <message>
        <source>Make &lt;path&gt; a symbolic link to the port (replacing an old link; removed on exit).</source>
        <translation>Faire de &lt;path&gt; un lien symbolique vers le port (remplace un ancien lien ; supprimé à la sortie).</translation>
    </message>
    <message>
        <source>Take the --link path over even while another simulator serves it.</source>
        <translation>Reprendre le chemin --link même si un autre simulateur le sert.</translation>
    </message>
    <message>
        <source>Take at most &lt;rate&gt; / 10 bytes a second from the port, as a module on a line of that speed.</source>
        <translation>Prendre au plus &lt;rate&gt; / 10 octets par seconde sur le port, comme un module sur une ligne de cette vitesse.</translation>
    </message>
    <message>
        <source>Begin each log line with the time in milliseconds (monotonic clock).</source>
        <translation>Commencer chaque ligne du journal par l&apos;heure en millisecondes (horloge monotone).</translation>
    </message>
    <message>
        <source>Write every message and reply to &lt;file&gt;.</source>
        <translation>Écrire chaque message et chaque réponse dans &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the stored settings and custom characters in &lt;file&gt; across runs.</source>
        <translation>Conserver les paramètres enregistrés et les caractères personnalisés dans &lt;file&gt; d&apos;une exécution à l&apos;autre.</translation>
    </message>
    <message>
        <source>Fault: never answer.</source>
        <translation>Panne : ne jamais répondre.</translation>
    </message>
    <message>
        <source>Fault: answer &lt;ms&gt; milliseconds late.</source>
        <translation>Panne : répondre avec &lt;ms&gt; millisecondes de retard.</translation>
    </message>
    <message>
        <source>Fault: answer 55 instead of AA and store nothing.</source>
        <translation>Panne : répondre 55 au lieu de AA et ne rien enregistrer.</translation>
    </message>
    <message>
        <source>Fault: send each reply of two bytes or more in two parts, &lt;ms&gt; milliseconds apart.</source>
        <translation>Panne : envoyer chaque réponse de deux octets ou plus en deux parties, à &lt;ms&gt; millisecondes d&apos;intervalle.</translation>
    </message>
    <message>
        <source>Simulate &lt;n&gt; modules (1 to 16) side by side, their paths numbered.</source>
        <translation>Simuler &lt;n&gt; modules (1 à 16) côte à côte, leurs chemins numérotés.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--baud wants a rate from 50 to 4000000, not &apos;%1&apos;</source>
        <translation>--baud attend un débit de 50 à 4000000, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--count wants a number of modules from 1 to 16, not &apos;%1&apos;</source>
        <translation>--count attend un nombre de modules de 1 à 16, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a path must not be empty</source>
        <translation>un chemin ne doit pas être vide</translation>
    </message>
    <message>
        <source>--reply-delay wants milliseconds from 0 to 60000, not &apos;%1&apos;</source>
        <translation>--reply-delay attend des millisecondes de 0 à 60000, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--split wants milliseconds from 1 to 60000, not &apos;%1&apos;</source>
        <translation>--split attend des millisecondes de 1 à 60000, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>impossible d&apos;ouvrir un pseudo-terminal</translation>
    </message>
    <message>
        <source>cannot unlock the pseudo-terminal</source>
        <translation>impossible de déverrouiller le pseudo-terminal</translation>
    </message>
    <message>
        <source>pseudo-terminal has no slave name</source>
        <translation>le pseudo-terminal n&apos;a pas de nom d&apos;esclave</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>cannot read the terminal settings</source>
        <translation>impossible de lire les paramètres du terminal</translation>
    </message>
    <message>
        <source>cannot set the terminal raw</source>
        <translation>impossible de mettre le terminal en mode brut</translation>
    </message>
    <message>
        <source>cannot make the pseudo-terminal non-blocking</source>
        <translation>impossible de rendre le pseudo-terminal non bloquant</translation>
    </message>
    <message>
        <source>%1 exists and is no symbolic link</source>
        <translation>%1 existe et n&apos;est pas un lien symbolique</translation>
    </message>
    <message>
        <source>cannot remove the old link %1</source>
        <translation>impossible de supprimer l&apos;ancien lien %1</translation>
    </message>
    <message>
        <source>cannot create the link %1</source>
        <translation>impossible de créer le lien %1</translation>
    </message>
    <message>
        <source>%1 is served by another simulator (process %2); stop it, or pass --replace to take the link over</source>
        <translation>%1 est servi par un autre simulateur (processus %2) ; arrêtez-le, ou indiquez --replace pour reprendre le lien</translation>
    </message>
    <message>
        <source>cannot create the link %1: %2</source>
        <translation>impossible de créer le lien %1 : %2</translation>
    </message>
</context>
<context>
    <name>GridEditor</name>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Clear ALL</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>ImageImportDialog</name>
    <message>
        <source>Import Image - %1</source>
        <translation>Importer une image - %1</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil :</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation>Les parties &amp;claires sont allumées</translation>
    </message>
    <message>
        <source>Picture at 8 x 8</source>
        <translation>Image en 8 x 8</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>A picture that is not square</source>
        <translation>Une image qui n&apos;est pas carrée</translation>
    </message>
    <message>
        <source>&amp;Keep it whole, dark dots beside it</source>
        <translation>La &amp;garder entière, des points éteints à côté</translation>
    </message>
    <message>
        <source>&amp;Crop to its middle square</source>
        <translation>La &amp;rogner à son carré central</translation>
    </message>
    <message>
        <source>&amp;Stretch it to the square</source>
        <translation>L&apos;&amp;étirer au carré</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Library</source>
        <translation>&amp;Bibliothèque</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>Load &quot;%1&quot;</source>
        <translation>Charger « %1 »</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be kept safe from a crash: their recovery copy cannot be written (%1).</source>
        <translation>Les modifications non enregistrées ne peuvent pas être protégées d&apos;un plantage : leur copie de récupération ne peut pas être écrite (%1).</translation>
    </message>
    <message>
        <source>Save the library to keep them.</source>
        <translation>Enregistrez la bibliothèque pour les garder.</translation>
    </message>
</context>
<context>
    <name>LibraryDocument</name>
    <message>
        <source>Pattern libraries (*.%1)</source>
        <translation>Bibliothèques de motifs (*.%1)</translation>
    </message>
    <message>
        <source>Starter set</source>
        <translation>Jeu de départ</translation>
    </message>
    <message>
        <source>Untitled library</source>
        <translation>Bibliothèque sans titre</translation>
    </message>
    <message>
        <source>Open Pattern Library</source>
        <translation>Ouvrir une bibliothèque de motifs</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save Pattern Library</source>
        <translation>Enregistrer la bibliothèque de motifs</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>&amp;Add Grid Pattern</source>
        <translation>&amp;Ajouter le motif de la grille</translation>
    </message>
    <message>
        <source>&amp;Replace with Grid</source>
        <translation>&amp;Remplacer par la grille</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Load into Grid</source>
        <translation>&amp;Charger dans la grille</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>En&amp;voyer</translation>
    </message>
    <message>
        <source>Sa&amp;ve Library</source>
        <translation>Enre&amp;gistrer la bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Filter by Name</source>
        <translation>&amp;Filtrer par nom</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>F&amp;iltre :</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Partie d&apos;un nom</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Pattern Library - %1[*]</source>
        <translation>Bibliothèque de motifs - %1[*]</translation>
    </message>
    <message>
        <source>Change Patterns</source>
        <translation>Modifier les motifs</translation>
    </message>
    <message>
        <source>Rename &quot;%1&quot;</source>
        <translation>Renommer « %1 »</translation>
    </message>
    <message>
        <source>%1 Patterns</source>
        <translation>%1 motifs</translation>
    </message>
    <message>
        <source>The pattern library %1 is unchanged.</source>
        <translation>La bibliothèque de motifs %1 n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Nothing was pasted: no pattern was found in the text on the clipboard.</source>
        <translation>Rien n&apos;a été collé : aucun motif n&apos;a été trouvé dans le texte du presse-papiers.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is not a pattern, as %1.</source>
        <translation>Rien n&apos;a été collé : le texte du presse-papiers n&apos;est pas un motif, car %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on the clipboard is empty or larger than the workbench takes.</source>
        <translation>Rien n&apos;a été collé : l&apos;image du presse-papiers est vide ou plus grande que ce que l&apos;atelier accepte.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>le presse-papiers</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a pattern nor a picture.</source>
        <translation>Rien n&apos;a été collé : le presse-papiers ne contient ni motif ni image.</translation>
    </message>
    <message>
        <source>Add &quot;%1&quot;</source>
        <translation>Ajouter « %1 »</translation>
    </message>
    <message>
        <source>Replace %1</source>
        <translation>Remplacer %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Déplacer %1</translation>
    </message>
</context>
<context>
    <name>LinkChannel</name>
    <message>
        <source>no reply from the module on %1</source>
        <translation>pas de réponse du module sur %1</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>the module refused: it answered %1</source>
        <translation>le module a refusé : il a répondu %1</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>le port s&apos;est fermé</translation>
    </message>
    <message>
        <source>%1 is not available: %2</source>
        <translation>%1 n&apos;est pas disponible : %2</translation>
    </message>
    <message>
        <source>the far side did not take the message within %1 s</source>
        <translation>l&apos;autre extrémité n&apos;a pas pris le message en %1 s</translation>
    </message>
</context>
<context>
    <name>ModuleConnection</name>
    <message>
        <source>COM%1 stands for no serial device</source>
        <translation>COM%1 ne désigne aucun périphérique série</translation>
    </message>
    <message>
        <source>no device given</source>
        <translation>aucun périphérique indiqué</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 est %2.</translation>
    </message>
    <message>
        <source>The connection to it is still being made; try again in a moment.</source>
        <translation>La connexion est encore en cours ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>COM%1 stands for no device: the settings file maps no device to it, and the machine has fewer than %1 serial devices. Plug in the module&apos;s adapter, or map COM%1 to its device in the group [Ports] of the settings file.</source>
        <translation>COM%1 ne désigne aucun périphérique : le fichier de paramètres ne lui attribue aucun périphérique, et la machine a moins de %1 périphériques série. Branchez l&apos;adaptateur du module, ou attribuez à COM%1 son périphérique dans le groupe [Ports] du fichier de paramètres.</translation>
    </message>
    <message>
        <source>COM%1 is %2.</source>
        <translation>COM%1 est %2.</translation>
    </message>
    <message>
        <source>The port is not open. Choose a port from the menu &quot;Communication&quot;.</source>
        <translation>Le port n&apos;est pas ouvert. Choisissez un port dans le menu « Communication ».</translation>
    </message>
    <message>
        <source>The system says: %1.</source>
        <translation>Le système indique : %1.</translation>
    </message>
    <message>
        <source>No such device: check that the module&apos;s adapter is plugged in, or map COM%1 to the device it has now.</source>
        <translation>Périphérique introuvable : vérifiez que l&apos;adaptateur du module est branché, ou attribuez à COM%1 le périphérique qu&apos;il a maintenant.</translation>
    </message>
    <message>
        <source>Your user may not use this device. On Debian, serial devices belong to the group &quot;dialout&quot;: add yourself to it (sudo adduser $USER dialout), then log out and in again.</source>
        <translation>Votre utilisateur ne peut pas utiliser ce périphérique. Sous Debian, les périphériques série appartiennent au groupe « dialout » : ajoutez-vous à ce groupe (sudo adduser $USER dialout), puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>another program holds the port</source>
        <translation>un autre programme occupe le port</translation>
    </message>
    <message>
        <source>%1. Close it (a terminal program, or this program started twice), then choose the port again.</source>
        <translation>%1. Fermez-le (un programme de terminal, ou ce programme lancé deux fois), puis choisissez de nouveau le port.</translation>
    </message>
    <message>
        <source>This is not a serial device: map COM%1 to the module&apos;s adapter.</source>
        <translation>Ce n&apos;est pas un périphérique série : attribuez COM%1 à l&apos;adaptateur du module.</translation>
    </message>
    <message>
        <source>The device went away while open. The program opens it again by itself as soon as it is back; choosing a port from the menu &quot;Communication&quot; works as ever.</source>
        <translation>Le périphérique a disparu alors qu&apos;il était ouvert. Le programme le rouvre de lui-même dès qu&apos;il revient ; choisir un port dans le menu « Communication » fonctionne comme toujours.</translation>
    </message>
    <message>
        <source>Write a module on the network as tcp://host:port (raw bytes, as ser2net&apos;s raw mode serves them) or rfc2217://host:port (telnet with RFC 2217), with a port from 1 to 65535.</source>
        <translation>Écrivez un module sur le réseau sous la forme tcp://host:port (octets bruts, comme les sert le mode raw de ser2net) ou rfc2217://host:port (telnet avec RFC 2217), avec un port de 1 à 65535.</translation>
    </message>
    <message>
        <source>The host name is not known: check its spelling and the machine&apos;s network.</source>
        <translation>Le nom d&apos;hôte est inconnu : vérifiez son orthographe et le réseau de la machine.</translation>
    </message>
    <message>
        <source>Nothing takes connections at that address: check that ser2net (or the serial bridge) runs there and serves that port.</source>
        <translation>Rien n&apos;accepte de connexions à cette adresse : vérifiez que ser2net (ou le pont série) y tourne et sert ce port.</translation>
    </message>
    <message>
        <source>The host did not answer: check the address, the network and any firewall on the way.</source>
        <translation>L&apos;hôte n&apos;a pas répondu : vérifiez l&apos;adresse, le réseau et tout pare-feu sur le chemin.</translation>
    </message>
    <message>
        <source>The far side does not set up its serial port by RFC 2217. For ser2net&apos;s raw mode, map COM%1 to tcp://host:port instead.</source>
        <translation>L&apos;autre côté ne configure pas son port série par RFC 2217. Pour le mode raw de ser2net, attribuez plutôt COM%1 à tcp://host:port.</translation>
    </message>
</context>
<context>
    <name>ModuleExchange</name>
    <message>
        <source>the far side did not take the message within %1 s</source>
        <translation>l&apos;autre côté n&apos;a pas pris le message en %1 s</translation>
    </message>
</context>
<context>
    <name>ModuleRunner</name>
    <message>
        <source>the module is not open (%1)</source>
        <translation>le module n&apos;est pas ouvert (%1)</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connexion en cours</translation>
    </message>
    <message>
        <source>the module&apos;s port refused the message</source>
        <translation>le port du module a refusé le message</translation>
    </message>
    <message>
        <source>no library is configured for the module %1 (library = FILE.glyphs in its section)</source>
        <translation>aucune bibliothèque n&apos;est configurée pour le module %1 (library = FICHIER.glyphs dans sa section)</translation>
    </message>
    <message>
        <source>the animation &quot;%1&quot; has no frames</source>
        <translation>l&apos;animation « %1 » n&apos;a aucune image</translation>
    </message>
    <message>
        <source>%1 has no animation named &quot;%2&quot;</source>
        <translation>%1 n&apos;a pas d&apos;animation nommée « %2 »</translation>
    </message>
    <message>
        <source>the start-up mode</source>
        <translation>le mode de démarrage</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>la vitesse</translation>
    </message>
    <message>
        <source>the message</source>
        <translation>le message</translation>
    </message>
    <message>
        <source>reading the settings</source>
        <translation>pendant qu&apos;il lisait les paramètres</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>pendant qu&apos;il enregistrait %1</translation>
    </message>
    <message>
        <source>the module went away while %1</source>
        <translation>le module a disparu %1</translation>
    </message>
    <message>
        <source>no reply from the module to %1</source>
        <translation>pas de réponse du module %1</translation>
    </message>
    <message>
        <source>the module&apos;s answer is no settings record: %1</source>
        <translation>la réponse du module n&apos;est pas un enregistrement de paramètres : %1</translation>
    </message>
    <message>
        <source>the module refused %1: it answered %2</source>
        <translation>le module a refusé %1 : il a répondu %2</translation>
    </message>
</context>
<context>
    <name>ModuleTextBox</name>
    <message>
        <source>line break</source>
        <translation>saut de ligne</translation>
    </message>
    <message>
        <source>Left out: %1. Only Latin-1 characters reach the module.</source>
        <translation>Omis : %1. Seuls les caractères Latin-1 parviennent au module.</translation>
    </message>
    <message>
        <source>Cut to fit: this box sends the module at most %1.</source>
        <translation>Raccourci : ce champ envoie au module au plus %1.</translation>
    </message>
    <message>
        <source>one character</source>
        <translation>un caractère</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 caractères</translation>
    </message>
    <message>
        <source>This box sends the module at most %1.</source>
        <translation>Ce champ envoie au module au plus %1.</translation>
    </message>
</context>
<context>
    <name>Mosquitto</name>
    <message>
        <source>the MQTT library libmosquitto.so.1 cannot be loaded (%1); install the package libmosquitto1</source>
        <translation>la bibliothèque MQTT libmosquitto.so.1 ne peut pas être chargée (%1) ; installez le paquet libmosquitto1</translation>
    </message>
    <message>
        <source>libmosquitto.so.1 lacks %1</source>
        <translation>il manque %1 dans libmosquitto.so.1</translation>
    </message>
</context>
<context>
    <name>MqttClient</name>
    <message>
        <source>the broker %1:%2 did not accept the connection within %3 s</source>
        <translation>le broker %1:%2 n&apos;a pas accepté la connexion en %3 s</translation>
    </message>
    <message>
        <source>the host name %1 is not known (%2)</source>
        <translation>le nom d&apos;hôte %1 est inconnu (%2)</translation>
    </message>
    <message>
        <source>the MQTT library could not make a session (%1)</source>
        <translation>la bibliothèque MQTT n&apos;a pas pu créer de session (%1)</translation>
    </message>
    <message>
        <source>the last will cannot be set: %1</source>
        <translation>le dernier message (last will) ne peut pas être défini : %1</translation>
    </message>
    <message>
        <source>TLS cannot be set up with %1: %2</source>
        <translation>TLS ne peut pas être configuré avec %1 : %2</translation>
    </message>
    <message>
        <source>the broker refused the connection: %1</source>
        <translation>le broker a refusé la connexion : %1</translation>
    </message>
    <message>
        <source>the connection to the broker dropped: %1</source>
        <translation>la connexion au broker est tombée : %1</translation>
    </message>
    <message>
        <source>the broker did not answer within the keep-alive time</source>
        <translation>le broker n&apos;a pas répondu dans le délai keep-alive</translation>
    </message>
    <message>
        <source>not connected to the broker</source>
        <translation>pas connecté au broker</translation>
    </message>
</context>
<context>
    <name>MqttTransport</name>
    <message>
        <source>no glyphsmith-bridge serves %1 on the broker %2:%3</source>
        <translation>aucun glyphsmith-bridge ne sert %1 sur le broker %2:%3</translation>
    </message>
    <message>
        <source>the bridge says nothing about the module %1</source>
        <translation>le pont ne dit rien du module %1</translation>
    </message>
    <message>
        <source>no answer from the broker %1:%2 within %3 s</source>
        <translation>pas de réponse du broker %1:%2 en %3 s</translation>
    </message>
    <message>
        <source>the connection to the broker %1 dropped (%2)</source>
        <translation>la connexion au broker %1 est tombée (%2)</translation>
    </message>
    <message>
        <source>the broker %1: %2</source>
        <translation>le broker %1 : %2</translation>
    </message>
    <message>
        <source>the glyphsmith-bridge serving %1 is %2</source>
        <translation>le glyphsmith-bridge qui sert %1 est %2</translation>
    </message>
    <message>
        <source>the bridge says %1 is %2</source>
        <translation>le pont indique que %1 est %2</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>no answer from %1:%2 within %3 s</source>
        <translation>pas de réponse de %1:%2 en %3 s</translation>
    </message>
    <message>
        <source>the host name %1 is not known (%2)</source>
        <translation>le nom d&apos;hôte %1 est inconnu (%2)</translation>
    </message>
    <message>
        <source>the far side closed the connection</source>
        <translation>l&apos;autre côté a fermé la connexion</translation>
    </message>
    <message>
        <source>%1 closed the connection as soon as it was made</source>
        <translation>%1 a fermé la connexion dès qu&apos;elle a été établie</translation>
    </message>
    <message>
        <source>%1 closed the connection: %2</source>
        <translation>%1 a fermé la connexion : %2</translation>
    </message>
</context>
<context>
    <name>PatternImage</name>
    <message>
        <source>Cannot import the picture %1: %2.</source>
        <translation>Impossible d&apos;importer l&apos;image %1 : %2.</translation>
    </message>
    <message>
        <source>it is %1 MB, and a picture is at most %2 MB</source>
        <translation>elle fait %1 Mo, et une image fait au plus %2 Mo</translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels, and a picture can have at most %3 million pixels</source>
        <translation>elle fait %1 x %2 pixels, et une image peut avoir au plus %3 millions de pixels</translation>
    </message>
    <message>
        <source>Cannot export the picture %1: %2.</source>
        <translation>Impossible d&apos;exporter l&apos;image %1 : %2.</translation>
    </message>
</context>
<context>
    <name>PatternLibrary</name>
    <message>
        <source>its &quot;%1&quot; has no list of &quot;%2&quot;</source>
        <translation>son « %1 » n&apos;a pas de liste « %2 »</translation>
    </message>
    <message>
        <source>its character bank has %1 slots instead of %2</source>
        <translation>sa banque de caractères a %1 emplacements au lieu de %2</translation>
    </message>
    <message>
        <source>the bytes of character bank slot %1 are not 16 hex digits</source>
        <translation>les octets de l&apos;emplacement %1 de la banque de caractères ne sont pas 16 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file ends too early, at byte %1: it is cut short</source>
        <translation>le fichier se termine trop tôt, à l&apos;octet %1 : il est tronqué</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>ce n&apos;est pas du JSON (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>it is not a Glyphsmith pattern library (it has no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation>ce n&apos;est pas une bibliothèque de motifs Glyphsmith (elle n&apos;a pas de &quot;format&quot;: &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it has no format version</source>
        <translation>elle n&apos;a pas de version de format</translation>
    </message>
    <message>
        <source>it is format version %1, written by a newer Glyphsmith; this one reads format version %2</source>
        <translation>elle est au format version %1, écrite par un Glyphsmith plus récent ; celui-ci lit le format version %2</translation>
    </message>
    <message>
        <source>it has no list of &quot;patterns&quot;</source>
        <translation>elle n&apos;a pas de liste &quot;patterns&quot;</translation>
    </message>
    <message>
        <source>pattern %1 has no name</source>
        <translation>le motif %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>the bytes of pattern %1 (&quot;%2&quot;) are not 16 hex digits</source>
        <translation>les octets du motif %1 (« %2 ») ne sont pas 16 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>patterns %1 and %2 are both named &quot;%3&quot;</source>
        <translation>les motifs %1 et %2 s&apos;appellent tous deux « %3 »</translation>
    </message>
    <message>
        <source>its &quot;animations&quot; are no list</source>
        <translation>ses &quot;animations&quot; ne sont pas une liste</translation>
    </message>
    <message>
        <source>animation %1 (&quot;%2&quot;)</source>
        <translation>l&apos;animation %1 (« %2 »)</translation>
    </message>
    <message>
        <source>animation %1 has no name</source>
        <translation>l&apos;animation %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>two animations are named &quot;%1&quot;</source>
        <translation>deux animations s&apos;appellent « %1 »</translation>
    </message>
    <message>
        <source>%1 has no list of at most %2 frames</source>
        <translation>%1 n&apos;a pas de liste d&apos;au plus %2 images</translation>
    </message>
    <message>
        <source>the bytes of frame %1 of %2 are not 16 hex digits</source>
        <translation>les octets de l&apos;image %1 de %2 ne sont pas 16 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>frame %1 of %2 has no duration in whole milliseconds</source>
        <translation>l&apos;image %1 de %2 n&apos;a pas de durée en millisecondes entières</translation>
    </message>
    <message>
        <source>Cannot open the pattern library %1: %2.</source>
        <translation>Impossible d&apos;ouvrir la bibliothèque de motifs %1 : %2.</translation>
    </message>
    <message>
        <source>it is %1 MB, and a pattern library is at most %2 MB</source>
        <translation>il fait %1 Mo, et une bibliothèque de motifs fait au plus %2 Mo</translation>
    </message>
    <message>
        <source>Cannot save the pattern library %1: no new file can be made in its folder %2 (%3), and a library is saved by writing a new file there and swapping it in.</source>
        <translation>Impossible d&apos;enregistrer la bibliothèque de motifs %1 : aucun nouveau fichier ne peut être créé dans son dossier %2 (%3), et une bibliothèque s&apos;enregistre en y écrivant un nouveau fichier qui remplace l&apos;ancien.</translation>
    </message>
    <message>
        <source>Cannot save the pattern library %1: %2.</source>
        <translation>Impossible d&apos;enregistrer la bibliothèque de motifs %1 : %2.</translation>
    </message>
    <message>
        <source>A pattern needs a name.</source>
        <translation>Un motif a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>There is already a pattern named &quot;%1&quot;.</source>
        <translation>Il existe déjà un motif nommé « %1 ».</translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation>Une animation a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>There is already an animation named &quot;%1&quot;.</source>
        <translation>Il existe déjà une animation nommée « %1 ».</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <translation>Motif %1</translation>
    </message>
</context>
<context>
    <name>PatternText</name>
    <message>
        <source>%1 has no pattern named &apos;%2&apos;</source>
        <translation>%1 n&apos;a pas de motif nommé &apos;%2&apos;</translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation>l&apos;entrée standard ne peut pas être lue</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: one of %2</source>
        <translation>format inconnu &apos;%1&apos; : l&apos;un de %2</translation>
    </message>
    <message>
        <source>no pattern was found in %1</source>
        <translation>aucun motif n&apos;a été trouvé dans %1</translation>
    </message>
    <message>
        <source>%1 is no pattern: %2</source>
        <translation>%1 n&apos;est pas un motif : %2</translation>
    </message>
    <message>
        <source>%1 is no pattern in the format %2: %3</source>
        <translation>%1 n&apos;est pas un motif au format %2 : %3</translation>
    </message>
    <message>
        <source>&apos;%1…&apos; (%2 characters)</source>
        <translation>&apos;%1…&apos; (%2 caractères)</translation>
    </message>
</context>
<context>
    <name>PortHolder</name>
    <message>
        <source>process %1</source>
        <translation>processus %1</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>the library %1</source>
        <translation>la bibliothèque %1</translation>
    </message>
    <message>
        <source>the starter set</source>
        <translation>le jeu de départ</translation>
    </message>
    <message>
        <source>an untitled library</source>
        <translation>une bibliothèque sans titre</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved changes is damaged and was not restored.</source>
        <translation>Une copie de récupération de modifications non enregistrées est endommagée et n&apos;a pas été restaurée.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>It has been set aside as %1.</source>
        <translation>Elle a été mise de côté sous %1.</translation>
    </message>
    <message>
        <source>It could not be set aside; it stays where it is.</source>
        <translation>Elle n&apos;a pas pu être mise de côté ; elle reste où elle est.</translation>
    </message>
    <message>
        <source>It belongs to no file yet.</source>
        <translation>Elle n&apos;appartient encore à aucun fichier.</translation>
    </message>
    <message>
        <source>It belongs to the file %1.</source>
        <translation>Elle appartient au fichier %1.</translation>
    </message>
    <message>
        <source>The program ended before changes of %1 were saved. A copy of them was kept.</source>
        <translation>Le programme s&apos;est arrêté avant que des modifications de %1 soient enregistrées. Une copie en a été gardée.</translation>
    </message>
    <message>
        <source>The copy was written on %1. %2</source>
        <translation>La copie a été écrite le %1. %2</translation>
    </message>
    <message>
        <source>Restore them, discard them, or Cancel to decide at the next start.</source>
        <translation>Restaurez-les, abandonnez-les, ou Annuler pour décider au prochain démarrage.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>no lock can be taken in the folder %1</source>
        <translation>aucun verrou ne peut être pris dans le dossier %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>it does not say which file it belongs to and when it was written</source>
        <translation>elle ne dit pas à quel fichier elle appartient ni quand elle a été écrite</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>elle dépasse %1 Mo</translation>
    </message>
</context>
<context>
    <name>Rfc2217Session</name>
    <message>
        <source>the far side refuses the COM-PORT-OPTION of RFC 2217</source>
        <translation>l&apos;autre côté refuse la COM-PORT-OPTION de RFC 2217</translation>
    </message>
    <message>
        <source>the far side&apos;s serial port did not take the %1 asked for (it answered %2)</source>
        <translation>le port série de l&apos;autre côté n&apos;a pas pris %1 (il a répondu %2)</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>la vitesse</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>les bits de données</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>la parité</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>les bits d&apos;arrêt</translation>
    </message>
</context>
<context>
    <name>Rfc2217Transport</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 did not open the telnet negotiation (RFC 2217) within %2 s, and nothing was sent to it; if it serves raw bytes, use tcp://</source>
        <translation>%1 n&apos;a pas ouvert la négociation telnet (RFC 2217) en %2 s, et rien ne lui a été envoyé ; s&apos;il sert des octets bruts, utilisez tcp://</translation>
    </message>
    <message>
        <source>%1 did not answer the telnet COM-PORT-OPTION (RFC 2217) within %2 s; if it serves raw bytes, use tcp://</source>
        <translation>%1 n&apos;a pas répondu à la COM-PORT-OPTION telnet (RFC 2217) en %2 s ; s&apos;il sert des octets bruts, utilisez tcp://</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them?</source>
        <translation>Les enregistrer ?</translation>
    </message>
</context>
<context>
    <name>SerialTransport</name>
    <message>
        <source>another program holds the port: %1</source>
        <translation>un autre programme occupe le port : %1</translation>
    </message>
    <message>
        <source>another program holds the port</source>
        <translation>un autre programme occupe le port</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>SpanCanvasView</name>
    <message>
        <source>Span canvas</source>
        <translation>Canevas de l&apos;assemblage</translation>
    </message>
    <message>
        <source>Row %1, column %2 (module %3), %4</source>
        <translation>Ligne %1, colonne %2 (module %3), %4</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>éteint</translation>
    </message>
</context>
<context>
    <name>SpanDialog</name>
    <message>
        <source>columns by</source>
        <translation>colonnes par</translation>
    </message>
    <message>
        <source>rows of modules (at most %1 modules)</source>
        <translation>rangées de modules (au plus %1 modules)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ta&amp;ille :</translation>
    </message>
    <message>
        <source>Modules are numbered row by row from the top left. For each, the port it is on and how it is mounted, as seen from the front: turned clockwise by the rotation, and mirrored left to right first where it shows pictures mirrored. Identify shows each module its number under an arrow that points to its own top edge, with a dot in its own top left corner: set the rotation to where the arrow points, and tick Mirrored where the dot is on the right once the arrow points up.</source>
        <translation>Les modules sont numérotés rangée par rangée depuis le coin supérieur gauche. Pour chacun, le port où il se trouve et sa façon d&apos;être monté, vu de face : tourné dans le sens horaire selon la rotation, et d&apos;abord inversé de gauche à droite s&apos;il affiche les images en miroir. Identifier montre à chaque module son numéro sous une flèche qui pointe vers son propre bord supérieur, avec un point dans son propre coin supérieur gauche : réglez la rotation selon la direction de la flèche, et cochez En miroir là où le point est à droite une fois la flèche tournée vers le haut.</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Port, device or endpoint</source>
        <translation>Port, périphérique ou point d&apos;accès</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation>En miroir</translation>
    </message>
    <message>
        <source>&amp;Identify</source>
        <translation>&amp;Identifier</translation>
    </message>
    <message>
        <source>Show each module its number and an arrow to its own top</source>
        <translation>Montrer à chaque module son numéro et une flèche vers son propre haut</translation>
    </message>
    <message>
        <source>%1 (row %2, column %3)</source>
        <translation>%1 (rangée %2, colonne %3)</translation>
    </message>
    <message>
        <source>Module %1: port, device or endpoint</source>
        <translation>Module %1 : port, périphérique ou point d&apos;accès</translation>
    </message>
    <message>
        <source>0° (upright)</source>
        <translation>0° (droit)</translation>
    </message>
    <message>
        <source>90° clockwise</source>
        <translation>90° sens horaire</translation>
    </message>
    <message>
        <source>180° (upside down)</source>
        <translation>180° (à l&apos;envers)</translation>
    </message>
    <message>
        <source>270° clockwise</source>
        <translation>270° sens horaire</translation>
    </message>
    <message>
        <source>Module %1: rotation</source>
        <translation>Module %1 : rotation</translation>
    </message>
    <message>
        <source>Module %1: mirrored</source>
        <translation>Module %1 : en miroir</translation>
    </message>
    <message>
        <source>Connecting to the modules...</source>
        <translation>Connexion aux modules...</translation>
    </message>
    <message>
        <source>module %1 (%2) is not available: %3</source>
        <translation>le module %1 (%2) n&apos;est pas disponible : %3</translation>
    </message>
    <message>
        <source>Each module shows its number.</source>
        <translation>Chaque module affiche son numéro.</translation>
    </message>
    <message numerus="yes">
        <source>%n module(s) show their number; </source>
        <translation>
            <numerusform>%n module affiche son numéro ; </numerusform>
            <numerusform>%n modules affichent leur numéro ; </numerusform>
        </translation>
    </message>
    <message>
        <source>Module %1: %2.</source>
        <translation>Module %1 : %2.</translation>
    </message>
    <message>
        <source>Modules %1 and %2 are both %3: one module cannot show two places of the span.</source>
        <translation>Les modules %1 et %2 sont tous deux %3 : un module ne peut pas montrer deux places de l&apos;assemblage.</translation>
    </message>
</context>
<context>
    <name>SpanEditor</name>
    <message>
        <source>New span</source>
        <translation>Nouvel assemblage</translation>
    </message>
    <message>
        <source>Delete span</source>
        <translation>Supprimer l&apos;assemblage</translation>
    </message>
    <message>
        <source>Rename animation</source>
        <translation>Renommer l&apos;animation</translation>
    </message>
    <message>
        <source>Delete animation</source>
        <translation>Supprimer l&apos;animation</translation>
    </message>
    <message>
        <source>Add frame</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Duplicate frame</source>
        <translation>Dupliquer l&apos;image</translation>
    </message>
    <message>
        <source>Delete frame</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Move frame</source>
        <translation>Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Durée de l&apos;image</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessin</translation>
    </message>
</context>
<context>
    <name>SpanFramesModel</name>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1 : %2 ms</translation>
    </message>
    <message>
        <source>Frame %1, shown for %2 ms</source>
        <translation>Image %1, affichée %2 ms</translation>
    </message>
    <message>
        <source>Frame %1, %2 ms</source>
        <translation>Image %1, %2 ms</translation>
    </message>
</context>
<context>
    <name>SpanModules</name>
    <message>
        <source>no module is assigned to this place</source>
        <translation>aucun module n&apos;est attribué à cette place</translation>
    </message>
</context>
<context>
    <name>SpanPlayer</name>
    <message>
        <source>no connection</source>
        <translation>pas de connexion</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>le port n&apos;est pas ouvert</translation>
    </message>
</context>
<context>
    <name>SpanSection</name>
    <message>
        <source>%1 is no object</source>
        <translation>%1 n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>the target of %1 is no text</source>
        <translation>la cible de %1 n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>the rotation of %1 is not 0, 90, 180 or 270</source>
        <translation>la rotation de %1 n&apos;est pas 0, 90, 180 ou 270</translation>
    </message>
    <message>
        <source>&quot;mirrored&quot; of %1 is neither true nor false</source>
        <translation>&quot;mirrored&quot; de %1 n&apos;est ni true ni false</translation>
    </message>
    <message>
        <source>%1 has no name</source>
        <translation>%1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>animation &quot;%1&quot; of span &quot;%2&quot;</source>
        <translation>l&apos;animation « %1 » de l&apos;assemblage « %2 »</translation>
    </message>
    <message>
        <source>%1 has no list of at most %2 frames</source>
        <translation>%1 n&apos;a pas de liste d&apos;au plus %2 images</translation>
    </message>
    <message>
        <source>the rows of frame %1 of %2 are not %3 groups of %4 hex digits</source>
        <translation>les rangées de l&apos;image %1 de %2 ne sont pas %3 groupes de %4 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>frame %1 of %2 has no duration in whole milliseconds</source>
        <translation>l&apos;image %1 de %2 n&apos;a pas de durée en millisecondes entières</translation>
    </message>
    <message>
        <source>span &quot;%1&quot;</source>
        <translation>l&apos;assemblage « %1 »</translation>
    </message>
    <message>
        <source>%1 is not 1 or more columns by 1 or more rows of at most %2 modules</source>
        <translation>%1 n&apos;est pas 1 colonne ou plus par 1 rangée ou plus d&apos;au plus %2 modules</translation>
    </message>
    <message>
        <source>%1 does not list its %2 modules</source>
        <translation>%1 n&apos;énumère pas ses %2 modules</translation>
    </message>
    <message>
        <source>module %1 of %2</source>
        <translation>le module %1 de %2</translation>
    </message>
    <message>
        <source>the picture of %1 is not %2 groups of %3 hex digits</source>
        <translation>l&apos;image de %1 n&apos;est pas %2 groupes de %3 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the animations of %1 are no list</source>
        <translation>les animations de %1 ne sont pas une liste</translation>
    </message>
    <message>
        <source>animation %1 of %2</source>
        <translation>l&apos;animation %1 de %2</translation>
    </message>
    <message>
        <source>its &quot;spans&quot; are no list</source>
        <translation>ses &quot;spans&quot; ne sont pas une liste</translation>
    </message>
    <message>
        <source>span %1</source>
        <translation>l&apos;assemblage %1</translation>
    </message>
    <message>
        <source>two spans are named &quot;%1&quot;</source>
        <translation>deux assemblages s&apos;appellent « %1 »</translation>
    </message>
    <message>
        <source>two span animations are named &quot;%1&quot;</source>
        <translation>deux animations d&apos;assemblage s&apos;appellent « %1 »</translation>
    </message>
    <message>
        <source>A span needs a name.</source>
        <translation>Un assemblage a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>There is already a span named &quot;%1&quot;.</source>
        <translation>Il existe déjà un assemblage nommé « %1 ».</translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation>Une animation a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>The span &quot;%1&quot; already has an animation named &quot;%2&quot;.</source>
        <translation>L&apos;assemblage « %1 » a déjà une animation nommée « %2 ».</translation>
    </message>
    <message>
        <source>Span %1</source>
        <translation>Assemblage %1</translation>
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
        <translation>Texte en images</translation>
    </message>
    <message>
        <source>Scrolled across the whole span, %1 x %2 dots, one dot a frame.</source>
        <translation>Défilement sur tout l&apos;assemblage, %1 x %2 points, un point par image.</translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s), %1 s</source>
        <translation>
            <numerusform>%n image, %1 s</numerusform>
            <numerusform>%n images, %1 s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpanWindow</name>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation>&amp;Décaler</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Décaler vers le haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Décaler vers le bas</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Vers la &amp;gauche</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Décaler vers la gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Vers la &amp;droite</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Décaler vers la droite</translation>
    </message>
    <message>
        <source>Up, &amp;Wrapping Around</source>
        <translation>Vers le haut, &amp;circulaire</translation>
    </message>
    <message>
        <source>Shift Up, Wrapping Around</source>
        <translation>Décaler vers le haut, circulaire</translation>
    </message>
    <message>
        <source>Down, W&amp;rapping Around</source>
        <translation>Vers le bas, circ&amp;ulaire</translation>
    </message>
    <message>
        <source>Shift Down, Wrapping Around</source>
        <translation>Décaler vers le bas, circulaire</translation>
    </message>
    <message>
        <source>Left, Wr&amp;apping Around</source>
        <translation>Vers la gauche, ci&amp;rculaire</translation>
    </message>
    <message>
        <source>Shift Left, Wrapping Around</source>
        <translation>Décaler vers la gauche, circulaire</translation>
    </message>
    <message>
        <source>Right, Wra&amp;pping Around</source>
        <translation>Vers la droite, circu&amp;laire</translation>
    </message>
    <message>
        <source>Shift Right, Wrapping Around</source>
        <translation>Décaler vers la droite, circulaire</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>&amp;Left to Right</source>
        <translation>De &amp;gauche à droite</translation>
    </message>
    <message>
        <source>Mirror Left to Right</source>
        <translation>Miroir de gauche à droite</translation>
    </message>
    <message>
        <source>&amp;Top to Bottom</source>
        <translation>De &amp;haut en bas</translation>
    </message>
    <message>
        <source>Mirror Top to Bottom</source>
        <translation>Miroir de haut en bas</translation>
    </message>
    <message>
        <source>&amp;Rotate 180°</source>
        <translation>Faire pivoter de &amp;180°</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Pivoter de 180°</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Spans</source>
        <translation>Assemblages</translation>
    </message>
    <message>
        <source>Module %1 (%2) is not available: %3. The others play on; it rejoins by itself when it is back.</source>
        <translation>Le module %1 (%2) n&apos;est pas disponible : %3. Les autres continuent ; il les rejoint de lui-même dès qu&apos;il revient.</translation>
    </message>
    <message>
        <source>Module %1 (%2) is back and plays in step again.</source>
        <translation>Le module %1 (%2) est revenu et rejoue en phase.</translation>
    </message>
    <message>
        <source>Module %1 (%2) is slow: its line is still busy when frames fall due, so it shows only the newest of them.</source>
        <translation>Le module %1 (%2) est lent : sa ligne est encore occupée quand les images sont dues, il n&apos;affiche donc que la plus récente.</translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation>Assem&amp;blage</translation>
    </message>
    <message>
        <source>&amp;New Span...</source>
        <translation>&amp;Nouvel assemblage...</translation>
    </message>
    <message>
        <source>&amp;Modules and Name...</source>
        <translation>Modules &amp;et nom...</translation>
    </message>
    <message>
        <source>&amp;Delete Span</source>
        <translation>Supprimer l&apos;&amp;assemblage</translation>
    </message>
    <message>
        <source>Send to Mo&amp;dules</source>
        <translation>En&amp;voyer aux modules</translation>
    </message>
    <message>
        <source>&amp;Identify Modules</source>
        <translation>Identi&amp;fier les modules</translation>
    </message>
    <message>
        <source>Import I&amp;mage...</source>
        <translation>Im&amp;porter une image...</translation>
    </message>
    <message>
        <source>&amp;Export Image...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>&amp;Frames</source>
        <translation>I&amp;mages</translation>
    </message>
    <message>
        <source>&amp;New Animation...</source>
        <translation>&amp;Nouvelle animation...</translation>
    </message>
    <message>
        <source>&amp;Rename Animation...</source>
        <translation>&amp;Renommer l&apos;animation...</translation>
    </message>
    <message>
        <source>Delete Animat&amp;ion</source>
        <translation>Suppr&amp;imer l&apos;animation</translation>
    </message>
    <message>
        <source>A&amp;dd Frame</source>
        <translation>A&amp;jouter une image</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>De&amp;lete Frame</source>
        <translation>&amp;Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation>Plus &amp;tôt</translation>
    </message>
    <message>
        <source>Move La&amp;ter</source>
        <translation>Plus tar&amp;d</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Play on &amp;Modules</source>
        <translation>Lir&amp;e sur les modules</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>&amp;Import Animation...</source>
        <translation>&amp;Importer une animation...</translation>
    </message>
    <message>
        <source>Te&amp;xt to Frames...</source>
        <translation>Te&amp;xte en images...</translation>
    </message>
    <message>
        <source>Export &amp;GIF...</source>
        <translation>Exporter en &amp;GIF...</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>Assemb&amp;lage :</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>Affic&amp;her :</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Duré&amp;e :</translation>
    </message>
    <message>
        <source>&amp;Onion skin</source>
        <translation>&amp;Pelure d&apos;oignon</translation>
    </message>
    <message>
        <source>Show the previous frame faintly on the canvas</source>
        <translation>Afficher l&apos;image précédente en transparence sur le canevas</translation>
    </message>
    <message>
        <source>Loo&amp;p</source>
        <translation>En bou&amp;cle</translation>
    </message>
    <message>
        <source>Frame %1 of %2; skipped on the modules: %3</source>
        <translation>Image %1 de %2 ; sautées sur les modules : %3</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Animation: %1</source>
        <translation>Animation : %1</translation>
    </message>
    <message>
        <source>The spans of %1 cannot be shown: %2. They are kept in the file as they are.</source>
        <translation>Les assemblages de %1 ne peuvent pas être affichés : %2. Ils sont conservés tels quels dans le fichier.</translation>
    </message>
    <message>
        <source>Spans: %1</source>
        <translation>Assemblages : %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>aucun port</translation>
    </message>
    <message>
        <source>Modules not connected yet</source>
        <translation>Modules pas encore connectés</translation>
    </message>
    <message>
        <source>Modules open: %1 of %2</source>
        <translation>Modules ouverts : %1 sur %2</translation>
    </message>
    <message>
        <source>Connecting to the modules...</source>
        <translation>Connexion aux modules...</translation>
    </message>
    <message>
        <source>New Span</source>
        <translation>Nouvel assemblage</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Assemblage</translation>
    </message>
    <message>
        <source>Change span</source>
        <translation>Modifier l&apos;assemblage</translation>
    </message>
    <message>
        <source>module %1 (%2) is not available: %3</source>
        <translation>le module %1 (%2) n&apos;est pas disponible : %3</translation>
    </message>
    <message>
        <source>Sent to the modules.</source>
        <translation>Envoyé aux modules.</translation>
    </message>
    <message>
        <source>Sent to the others; %1.</source>
        <translation>Envoyé aux autres ; %1.</translation>
    </message>
    <message>
        <source>module %1 (%2) is not available</source>
        <translation>le module %1 (%2) n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>Each module shows its number and an arrow to its own top.</source>
        <translation>Chaque module affiche son numéro et une flèche vers son propre haut.</translation>
    </message>
    <message>
        <source>The others show their number; %1.</source>
        <translation>Les autres affichent leur numéro ; %1.</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nouvelle animation</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>New animation</source>
        <translation>Nouvelle animation</translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation>Renommer l&apos;animation</translation>
    </message>
    <message>
        <source>Playing on the modules.</source>
        <translation>Lecture sur les modules.</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Image %1 de %2</translation>
    </message>
    <message>
        <source>Copied the canvas as text art and as a picture.</source>
        <translation>Le canevas a été copié en dessin en texte et en image.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>le presse-papiers</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a picture nor text art.</source>
        <translation>Rien n&apos;a été collé : le presse-papiers ne contient ni image ni dessin en texte.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is neither text art nor a pattern, as %1.</source>
        <translation>Rien n&apos;a été collé : le texte du presse-papiers n&apos;est ni un dessin en texte ni un motif, car %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is empty.</source>
        <translation>Rien n&apos;a été collé : l&apos;image dans %1 est vide.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is %2 x %3 pixels, more than the window takes.</source>
        <translation>Rien n&apos;a été collé : l&apos;image dans %1 fait %2 x %3 pixels, plus que la fenêtre n&apos;en accepte.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Importer une animation</translation>
    </message>
    <message>
        <source>Animated pictures (*.gif *.GIF)</source>
        <translation>Images animées (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>All pictures (*)</source>
        <translation>Toutes les images (*)</translation>
    </message>
    <message>
        <source>Cannot import the animation %1</source>
        <translation>Impossible d&apos;importer l&apos;animation %1</translation>
    </message>
    <message>
        <source>Import animation</source>
        <translation>Importer une animation</translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation>Texte : %1</translation>
    </message>
    <message>
        <source>Text to frames</source>
        <translation>Texte en images</translation>
    </message>
    <message>
        <source>The animation has no frames to export.</source>
        <translation>L&apos;animation n&apos;a aucune image à exporter.</translation>
    </message>
    <message>
        <source>Export GIF</source>
        <translation>Exporter en GIF</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animé (*.gif)</translation>
    </message>
    <message>
        <source>Cannot export the animation to %1</source>
        <translation>Impossible d&apos;exporter l&apos;animation vers %1</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>SpansController</name>
    <message>
        <source>S&amp;pans...</source>
        <translation>&amp;Assemblages...</translation>
    </message>
</context>
<context>
    <name>StarterSet</name>
    <message>
        <source>Digit 0</source>
        <translation>Chiffre 0</translation>
    </message>
    <message>
        <source>Digit 1</source>
        <translation>Chiffre 1</translation>
    </message>
    <message>
        <source>Digit 2</source>
        <translation>Chiffre 2</translation>
    </message>
    <message>
        <source>Digit 3</source>
        <translation>Chiffre 3</translation>
    </message>
    <message>
        <source>Digit 4</source>
        <translation>Chiffre 4</translation>
    </message>
    <message>
        <source>Digit 5</source>
        <translation>Chiffre 5</translation>
    </message>
    <message>
        <source>Digit 6</source>
        <translation>Chiffre 6</translation>
    </message>
    <message>
        <source>Digit 7</source>
        <translation>Chiffre 7</translation>
    </message>
    <message>
        <source>Digit 8</source>
        <translation>Chiffre 8</translation>
    </message>
    <message>
        <source>Digit 9</source>
        <translation>Chiffre 9</translation>
    </message>
    <message>
        <source>Arrow up</source>
        <translation>Flèche vers le haut</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Heart outline</source>
        <translation>Contour de cœur</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Visage souriant</translation>
    </message>
    <message>
        <source>Sad face</source>
        <translation>Visage triste</translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Damier</translation>
    </message>
    <message>
        <source>Arrow down</source>
        <translation>Flèche vers le bas</translation>
    </message>
    <message>
        <source>Arrow right</source>
        <translation>Flèche vers la droite</translation>
    </message>
    <message>
        <source>Arrow left</source>
        <translation>Flèche vers la gauche</translation>
    </message>
</context>
<context>
    <name>TcpTransport</name>
    <message>
        <source>%1 did not keep the connection open</source>
        <translation>%1 n&apos;a pas gardé la connexion ouverte</translation>
    </message>
</context>
<context>
    <name>TextFormats</name>
    <message>
        <source>there is no %1 %2 around the numbers</source>
        <translation>il n&apos;y a pas de %1 %2 autour des nombres</translation>
    </message>
    <message>
        <source>there is more than one list of numbers, or text around it</source>
        <translation>il y a plus d&apos;une liste de nombres, ou du texte autour</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of this format</source>
        <translation>« %1 » n&apos;est pas un nombre de ce format</translation>
    </message>
    <message>
        <source> %1; a pattern is 8 rows</source>
        <translation> %1 ; un motif a 8 lignes</translation>
    </message>
    <message>
        <source>row %1 is %2, more than the 8 bits of a row</source>
        <translation>la ligne %1 vaut %2, plus que les 8 bits d&apos;une ligne</translation>
    </message>
    <message>
        <source>eight bare hex bytes were expected, not code</source>
        <translation>huit octets hexadécimaux nus étaient attendus, pas du code</translation>
    </message>
    <message>
        <source>; eight hex bytes were expected</source>
        <translation> ; huit octets hexadécimaux étaient attendus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex byte</source>
        <translation>« %1 » n&apos;est pas un octet hexadécimal</translation>
    </message>
    <message>
        <source>between { and }</source>
        <translation>entre { et }</translation>
    </message>
    <message>
        <source>of the form B10000000</source>
        <translation>de la forme B10000000</translation>
    </message>
    <message>
        <source>there is no [ ] around the numbers</source>
        <translation>il n&apos;y a pas de [ ] autour des nombres</translation>
    </message>
    <message>
        <source>between [ and ]</source>
        <translation>entre [ et ]</translation>
    </message>
    <message>
        <source>; a pattern is one 64-bit number</source>
        <translation> ; un motif est un nombre de 64 bits</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a 64-bit number</source>
        <translation>« %1 » n&apos;est pas un nombre de 64 bits</translation>
    </message>
    <message>
        <source>; text art is 8 lines of 8 dots</source>
        <translation> ; un dessin en texte fait 8 lignes de 8 points</translation>
    </message>
    <message>
        <source>line %1 has &quot;%2&quot;; # is a lit dot and . a dark one</source>
        <translation>la ligne %1 contient « %2 » ; # est un point allumé et . un point éteint</translation>
    </message>
    <message>
        <source>Module bytes (columns)</source>
        <translation>Octets du module (colonnes)</translation>
    </message>
    <message>
        <source>Row bytes</source>
        <translation>Octets de lignes</translation>
    </message>
    <message>
        <source>C array (rows)</source>
        <translation>Tableau C (lignes)</translation>
    </message>
    <message>
        <source>Arduino binary (rows)</source>
        <translation>Arduino binaire (lignes)</translation>
    </message>
    <message>
        <source>Python list (rows)</source>
        <translation>Liste Python (lignes)</translation>
    </message>
    <message>
        <source>64-bit integer</source>
        <translation>Entier 64 bits</translation>
    </message>
    <message>
        <source>Text art</source>
        <translation>Dessin en texte</translation>
    </message>
    <message>
        <source>there is no text</source>
        <translation>il n&apos;y a pas de texte</translation>
    </message>
    <message>
        <source>no pattern was found in it</source>
        <translation>aucun motif n&apos;y a été trouvé</translation>
    </message>
    <message>
        <source>there is 1 number</source>
        <translation>il y a 1 nombre</translation>
    </message>
    <message>
        <source>there are %1 numbers</source>
        <translation>il y a %1 nombres</translation>
    </message>
    <message>
        <source>there is 1 line</source>
        <translation>il y a 1 ligne</translation>
    </message>
    <message>
        <source>there are %1 lines</source>
        <translation>il y a %1 lignes</translation>
    </message>
    <message>
        <source>line %1 has 1 character; each line is 8 dots</source>
        <translation>la ligne %1 a 1 caractère ; chaque ligne fait 8 points</translation>
    </message>
    <message>
        <source>line %1 has %2 characters; each line is 8 dots</source>
        <translation>la ligne %1 a %2 caractères ; chaque ligne fait 8 points</translation>
    </message>
</context>
<context>
    <name>TextFramesDialog</name>
    <message>
        <source>Text to Frames</source>
        <translation>Texte en images</translation>
    </message>
    <message>
        <source>Type the text to scroll.</source>
        <translation>Tapez le texte à faire défiler.</translation>
    </message>
    <message>
        <source>This text needs %1 frames; an animation holds at most %2, so it cannot become frames. The first %3 of its %4 characters fit: shorten it, or choose a smaller size.</source>
        <translation>Ce texte demande %1 images ; une animation en compte au plus %2, il ne peut donc pas devenir des images. Les %3 premiers de ses %4 caractères tiennent : raccourcissez-le, ou choisissez une taille plus petite.</translation>
    </message>
    <message>
        <source>%1 frames, %2 s</source>
        <translation>%1 images, %2 s</translation>
    </message>
</context>
<context>
    <name>TextFramesForm</name>
    <message>
        <source>Hello, world</source>
        <translation>Bonjour, le monde</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ta&amp;ille :</translation>
    </message>
    <message>
        <source>T&amp;hreshold:</source>
        <translation>S&amp;euil :</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Direction :</translation>
    </message>
    <message>
        <source>Frame &amp;time:</source>
        <translation>Durée d&apos;une &amp;image :</translation>
    </message>
</context>
<context>
    <name>TopicCommand</name>
    <message>
        <source>the payload is not UTF-8 text</source>
        <translation>le contenu n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be sent: the module shows Latin-1 characters only</source>
        <translation>&apos;%1&apos; ne peut pas être envoyé : le module n&apos;affiche que des caractères Latin-1</translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation>le texte a %1 caractères ; le module en prend au plus %2</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 doit être un nombre de %2 à %3, pas &apos;%4&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no pattern: %2</source>
        <translation>&apos;%1&apos; n&apos;est pas un motif : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no pattern in the format %2: %3</source>
        <translation>&apos;%1&apos; n&apos;est pas un motif au format %2 : %3</translation>
    </message>
    <message>
        <source>the payload is not JSON: %1 at byte %2</source>
        <translation>le contenu n&apos;est pas du JSON : %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source>the payload must be a JSON object such as {&quot;mode&quot;:3,&quot;speed&quot;:2,&quot;message&quot;:&quot;HELLO&quot;}</source>
        <translation>le contenu doit être un objet JSON comme {&quot;mode&quot;:3,&quot;speed&quot;:2,&quot;message&quot;:&quot;HELLO&quot;}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>« %1 » doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>&quot;message&quot; must be a text</source>
        <translation>« message » doit être un texte</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;: the settings are mode, speed and message</source>
        <translation>paramètre inconnu « %1 » : les paramètres sont mode, speed et message</translation>
    </message>
    <message>
        <source>no setting given: the settings are mode, speed and message</source>
        <translation>aucun paramètre indiqué : les paramètres sont mode, speed et message</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>la position</translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation>la direction doit être up, down, left ou right, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the speed</source>
        <translation>la vitesse</translation>
    </message>
    <message>
        <source>%1 bytes beginning with %2 are no message of the module</source>
        <translation>%1 octets commençant par %2 ne sont pas un message du module</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>unknown topic</source>
        <translation>topic inconnu</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Motif</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Dot matrix grid</source>
        <translation>Grille de la matrice de points</translation>
    </message>
    <message>
        <source>Move the focus cell</source>
        <translation>Déplacer la cellule active</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Toggle the focus cell, as a click does</source>
        <translation>Basculer la cellule active, comme un clic</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Open the Edit menu</source>
        <translation>Ouvrir le menu Édition</translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <translation>Menu, Maj+F10</translation>
    </message>
    <message>
        <source>Draw: press on a dot and drag over others</source>
        <translation>Dessiner : appuyer sur un point et glisser sur d&apos;autres</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Go to the next or previous control</source>
        <translation>Aller au contrôle suivant ou précédent</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>Pattern Library window</source>
        <translation>Fenêtre Bibliothèque de motifs</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Entrée, double-clic</translation>
    </message>
    <message>
        <source>Frames window</source>
        <translation>Fenêtre Images</translation>
    </message>
    <message>
        <source>Characters window</source>
        <translation>Fenêtre Caractères</translation>
    </message>
    <message>
        <source>Span window</source>
        <translation>Fenêtre Assemblages</translation>
    </message>
    <message>
        <source>Dialogs and windows</source>
        <translation>Dialogues et fenêtres</translation>
    </message>
    <message>
        <source>Close a dialog or this list</source>
        <translation>Fermer un dialogue ou cette liste</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>&amp;About 8x8 Glyphsmith</source>
        <translation>&amp;À propos de 8x8 Glyphsmith</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Activates the QML/JS debugger with a specified port. The value must be of format port:1234[,block]. &quot;block&quot; makes the application wait for a connection.</source>
        <translation>Active le débogueur QML/JS sur un port donné. La valeur doit avoir la forme port:1234[,block]. « block » fait attendre l&apos;application une connexion.</translation>
    </message>
    <message>
        <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
        <translation>Plugin QPA. Voir la documentation de QGuiApplication pour les options de chaque plugin.</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Chemin des plugins de plateforme.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Thème de la plateforme.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be specified multiple times.</source>
        <translation>Plugins supplémentaires à charger, peut être indiqué plusieurs fois.</translation>
    </message>
    <message>
        <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
        <translation>Géométrie de la fenêtre principale, en syntaxe X11, comme 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>Icône de fenêtre par défaut.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Titre de la première fenêtre.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s layout direction to Qt::RightToLeft (debugging helper).</source>
        <translation>Règle le sens de mise en page de l&apos;application sur Qt::RightToLeft (aide au débogage).</translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation>Restaure l&apos;application depuis une session antérieure.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s GUI style; which styles there are depends on the system.</source>
        <translation>Règle le style de l&apos;interface de l&apos;application ; les styles disponibles dépendent du système.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s style sheet.</source>
        <translation>Règle la feuille de style de l&apos;application.</translation>
    </message>
    <message>
        <source>Reports at the end how many widgets were left undestroyed and how many existed at most at the same time.</source>
        <translation>Indique à la fin combien de widgets n&apos;ont pas été détruits et combien ont existé au plus en même temps.</translation>
    </message>
    <message>
        <source>Display name, overrides $DISPLAY (X11).</source>
        <translation>Nom de l&apos;affichage, remplace $DISPLAY (X11).</translation>
    </message>
    <message>
        <source>Instance name according to ICCCM 4.1.2.5 (X11).</source>
        <translation>Nom d&apos;instance selon ICCCM 4.1.2.5 (X11).</translation>
    </message>
    <message>
        <source>Disable mouse grabbing (useful in debuggers) (X11).</source>
        <translation>Désactiver la capture de la souris (utile dans les débogueurs) (X11).</translation>
    </message>
    <message>
        <source>Force mouse grabbing (even when running in a debugger) (X11).</source>
        <translation>Forcer la capture de la souris (même dans un débogueur) (X11).</translation>
    </message>
    <message>
        <source>ID of the X11 Visual to use (X11).</source>
        <translation>ID du visuel X11 à utiliser (X11).</translation>
    </message>
    <message>
        <source>Alias for --qwindowgeometry (X11).</source>
        <translation>Alias de --qwindowgeometry (X11).</translation>
    </message>
    <message>
        <source>Alias for --qwindowicon (X11).</source>
        <translation>Alias de --qwindowicon (X11).</translation>
    </message>
    <message>
        <source>Alias for --qwindowtitle (X11).</source>
        <translation>Alias de --qwindowtitle (X11).</translation>
    </message>
    <message>
        <source>Pattern editor and remote control for an 8x8 LED dot-matrix module on a serial port.
The module&apos;s port is chosen in the menu &quot;Communication&quot;; COM1 to COM6 stand for devices as the README describes.</source>
        <translation>Éditeur de motifs et télécommande pour un module LED à matrice de points 8x8 sur un port série.
Le port du module se choisit dans le menu « Communication » ; COM1 à COM6 désignent des périphériques comme le décrit le README.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>glyphsmith: no display found; the program needs a graphical display (set DISPLAY, or run it under xvfb-run)
</source>
        <translation>glyphsmith : aucun affichage trouvé ; le programme a besoin d&apos;un affichage graphique (définissez DISPLAY, ou lancez-le sous xvfb-run)
</translation>
    </message>
    <message>
        <source>Try &apos;glyphsmith --help&apos;.</source>
        <translation>Voir &apos;glyphsmith --help&apos;.</translation>
    </message>
    <message>
        <source>A pattern library (.glyphs) to open.</source>
        <translation>Une bibliothèque de motifs (.glyphs) à ouvrir.</translation>
    </message>
    <message>
        <source>Starts a program of its own even when the program is running already (which otherwise opens the file and comes to the front instead).</source>
        <translation>Démarre un programme à part même si le programme tourne déjà (qui sinon ouvre le fichier et passe au premier plan).</translation>
    </message>
    <message>
        <source>the program opens one library at a time; %1 files were given</source>
        <translation>le programme ouvre une bibliothèque à la fois ; %1 fichiers ont été donnés</translation>
    </message>
</context>
</TS>
