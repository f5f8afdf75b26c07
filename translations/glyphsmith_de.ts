<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AnimatedPicture</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (in frame %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (after frame %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends too soon: it is cut short or damaged%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a GIF picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header is cut short or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s description is unreadable%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: a frame has no colours%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: a block of an unknown kind comes%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: a frame holds more dots than its size%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s picture data is garbled%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: a frame&apos;s picture data ends too soon%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; at most %3 million pixels can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header is damaged: the picture has no size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: the timing of frame %1 is unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than %1 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged: frame %1 has no size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are no frames to write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankModel</name>
    <message>
        <source>never uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: changed since the last upload; the small picture is what the module holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bridge</name>
    <message>
        <source>%1: refused %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting to the broker %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected to the broker %1:%2 again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected to the broker %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the broker connection ended (%1); trying again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what was announced cannot be remembered in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BridgeConfig</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a section heading must end with &apos;]&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown section [%1]: the sections are [broker], [bridge] and [module NAME]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a module: use letters, digits, &apos;-&apos; and &apos;_&apos; (and not &quot;bridge&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module %1 is configured twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write key = value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands before any section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds, from 5 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [broker]: host, port, tls, ca-file, user, password, password-file, client-id, keep-alive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliseconds, from 0 to 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [bridge]: base-topic, discovery, discovery-prefix, state-dir, idle-gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [%2]: port, name, library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--module takes NAME=PORT, the name of letters, digits, &apos;-&apos; and &apos;_&apos;, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no broker: set host in [broker] or give --broker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be a base topic: no &apos;+&apos;, &apos;#&apos;, empty levels, or &apos;/&apos; at either end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no module: add a section [module NAME] with its port, or give --module NAME=PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module %1 has no port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module %1: there are COM1 to COM6, no %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module %1: %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module %1: a bridge serves modules on ports, not another bridge&apos;s module (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>there is no text art: lines of # for lit dots and . for dark ones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 has &quot;%2&quot;; # is a lit dot and . a dark one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CanvasImage</name>
    <message>
        <source>it is %1 x %2 pixels, and a picture can have at most %3 million pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot import the picture %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 MB, and a picture is at most %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export the picture %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: it has more than %2 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are no frames to write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CanvasImportDialog</name>
    <message>
        <source>Import Animation - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Image - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture at %1 x %2 dots%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> (the first of %n frames)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The dots</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharactersController</name>
    <message>
        <source>&amp;Characters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The custom characters of %1 could not be stored in the settings; the program will not remember them at its next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharactersWindow</name>
    <message>
        <source>Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module cannot be read back: each slot shows what this program last stored for it, and its mark says only what this program sent to the module on this port: &quot;uploaded&quot; as shown, &quot;changed&quot; since the last upload, or &quot;never uploaded&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glyphs from a font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop on Slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load into Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Store Grid in Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve in Library File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;oad from File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Installed font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font fil&amp;e:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Font File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;cale to 8 x 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;rop to 8 x 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A click puts the glyph on the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Glyph on Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter, click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank at this size and threshold, without a single dot: %1. A lower threshold or a larger size shows them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;haracters for slots 0 to 9:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill Slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store Grid in Slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling after the slot under way...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded 1 slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded %1 slots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 slots uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the port closed after %1 of %2 slots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom characters of the module on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap fonts (*.psf *.psfu *.psf.gz *.psfu.gz *.bdf *.bdf.gz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 x %3 dots, %4 glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glyph &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was filled: type one to ten characters for the slots from 0 on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was filled: the font has no glyph for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank is saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Character Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern libraries (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pattern library %1 keeps no character bank; the slots are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Bank from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slots loaded from %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionPool</name>
    <message>
        <source>no module given: write COM1 to COM6, a device path or tcp://host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are COM1 to COM6, no %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionStateLabel</name>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting for the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port state</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceListModel</name>
    <message>
        <source>assigned in the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>assigned, not present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>malformed network address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>network, telnet with RFC 2217</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>network, glyphsmith-bridge on MQTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>network, raw TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assigned to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicesDialog</name>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial devices of this machine, and the network endpoints in use. Assign one to a COM number to use it from the menu &quot;Communication&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Network endpoint:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tcp://host:port or rfc2217://host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign t&amp;o:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unassign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the assignment of the COM number chosen beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the module on the selected device for its stored settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a network endpoint as tcp://host:port or rfc2217://host:port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added; assign it to a COM number to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 could not be stored in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 is now %2. Choose COM%1 from the menu &quot;Communication&quot; to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 is no longer assigned: it stands for the machine&apos;s serial device number %1, if there is one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start-up mode %1, speed %2, message &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers: %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no reply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not available: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <source>%1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DotCell</name>
    <message>
        <source>Row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DotGrid</name>
    <message>
        <source>Dot matrix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>&amp;Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up, &amp;Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Up, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down, W&amp;rapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Down, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left, Wr&amp;apping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Left, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right, Wra&amp;pping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Right, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90° &amp;Clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90° &amp;Anticlockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Anticlockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;180°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror Left to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror Top to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture, 8 x 8 pixels (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture, %1 pixels to a dot (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste the first of %1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear A&amp;LL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send as You &amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a pattern nor a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: no pattern was found in the text on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is not a pattern, as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is %2 x %3 pixels, more than the workbench takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Endpoint</name>
    <message>
        <source>an IPv6 address must end with &apos;]&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no port: write host:port, for example tcp://%1:2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, as [::1]:2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no host name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no port after the &apos;:&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port &apos;%1&apos; is out of range: it must be 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no topic: write mqtt://host/BASE/MODULE, for example mqtt://%1/glyphsmith/shelf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no user name before the &apos;@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets, as [::1]:1883</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the topic &apos;%1&apos; is not BASE/MODULE, as glyphsmith/shelf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the topic &apos;%1&apos; may hold no &apos;+&apos;, &apos;#&apos; or spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no device given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown kind of address &apos;%1://&apos;: use tcp://, rfc2217:// or mqtt://</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontFile</name>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has &quot;%2&quot; where a number belongs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a BDF font: it does not begin with STARTFONT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FONTBOUNDINGBOX gives %1 by %2 dots; a font&apos;s glyphs have 1 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FONTBOUNDINGBOX lies more than %1 dots away from the origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHARS gives %1 glyphs; at most %2 are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends before ENDFONT: the file is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends inside its properties: the file is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has a negative size in its BBX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 is %2 by %3 dots; a font&apos;s glyphs have 1 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 lies more than %2 dots away from the origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has its BITMAP before its BBX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has no BBX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has no BITMAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has no ENDCHAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends inside glyph %1: the file is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has %2 bitmap rows where its BBX gives %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has a bitmap row that is not hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 has a bitmap row of %2 hex digits where its BBX needs %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no FONTBOUNDINGBOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no CHARS line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHARS gives %1 glyphs, but the file holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no glyphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its glyphs reach over %1 rows; at most %2 are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyph %1 reaches over %2 columns; at most %3 are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither a PSF nor a BDF font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not gzip-compressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start unpacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unpacks to more than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has data after the end of its compressed stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compressed data ends early: the file is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory to unpack it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged compressed data (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names U+%1, which is no character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a byte that starts no UTF-8 character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a malformed UTF-8 character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too short for a PSF header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown PSF1 mode 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its glyphs are 0 dots high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too short for a PSF2 header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSF2 version %1; only version 0 is known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header claims to be %1 bytes long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its glyphs are %1 by %2 dots; a font&apos;s glyphs have 1 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its glyphs take %1 bytes each, but %2 by %3 dots take %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a PSF font: it does not begin with a PSF magic number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header gives %1 glyphs; at most %2 are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header promises %1 glyphs, but the file holds only %2: it is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the character table %1 in the entry of glyph %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatChooser</name>
    <message>
        <source>Paste As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text reads as more than one pattern. Which is it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FramesController</name>
    <message>
        <source>&amp;Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add as &amp;Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste the &amp;First Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds %1 pictures, as the web editor keeps an animation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add them as the frames of a new animation &quot;%1&quot; of the pattern library %2, or paste only the first picture on the grid?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation holds at most %1 frames. Paste only the first picture on the grid?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste the first of %1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste animation &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FramesEditor</name>
    <message>
        <source>Frame %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Animation &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Frame %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FramesModel</name>
    <message>
        <source>%1: %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1, shown for %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FramesWindow</name>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Animat&amp;ion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move La&amp;ter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Onion skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the previous frame faintly in the grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play on &amp;Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loo&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te&amp;xt to Frames...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;GIF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Sprite S&amp;heet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;C Array...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: another message was sent to the module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown: %1   Skipped: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already an animation named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated pictures (*.gif *.GIF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pictures (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot import the animation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation has no frames to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export the animation to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Sprite Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export the sprite sheet to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export C Array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C header (*.h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one byte per row, top row first, leftmost dot in bit 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module&apos;s bytes, leftmost column first, dots weighing 16, 32, 64, 128, 1, 2, 4, 8 from the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export the animation to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmConfig</name>
    <message>
        <source>No Mode Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Speed Selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read picture file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 is open, but the choice could not be stored in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program will not remember this port at its next start. Port choices made later in this run are not stored either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Position Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Speed Selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GifImportDialog</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n frame(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame &amp;times:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 has no delay in the file (0): it is shown for %2 ms, as browsers show it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames %1 have no delay in the file (0): they are shown for %2 ms, as browsers show them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 has a delay of 1 hundredth of a second: it is kept as %2 ms, as this program writes its shortest frames (browsers show it for %3 ms).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames %1 have a delay of 1 hundredth of a second: they are kept as %2 ms, as this program writes its shortest frames (browsers show them for %3 ms).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphModel</name>
    <message>
        <source>%1 (U+%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glyph %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphsmithBridge</name>
    <message>
        <source>Puts Kaldor8x8 8x8 LED modules on an MQTT broker: each module&apos;s topics under BASE/MODULE become its messages, paced at the module&apos;s own line.
The configuration file (INI) names the broker and the modules; the options override it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration file (default: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker&apos;s host name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker&apos;s port (1883; 8883 with TLS).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the broker with TLS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker&apos;s CA certificate (TLS).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name at the broker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file whose first line is the password (or set GLYPHSMITH_MQTT_PASSWORD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MQTT client id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keep-alive time in seconds (60).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic the modules&apos; topics begin with (glyphsmith).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A module and its port: COM1..COM6, a device path, tcp://host:port or rfc2217://host:port; may be repeated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce the modules to Home Assistant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not announce them (and remove what was).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the bridge remembers what it announced (default: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the configuration, print it and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; try &apos;glyphsmith-bridge --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; try &apos;glyphsmith-bridge --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphsmithSend</name>
    <message>
        <source>%1 did not take the frames within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not available: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; try &apos;glyphsmith-send --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;: a negative number, or a text that begins with &apos;-&apos;, goes after &apos;--&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A text that begins with &apos;-&apos; goes after &apos;--&apos;: glyphsmith-send scroll -- -5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A SPAN is a span of the library file given with --library or, without it, of the library the program opened last. Each module of a span is reached as the span names it (COM1..COM6, a device, an endpoint); --port does not go with the span commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 done (acknowledged where the module answers), 2 bad usage, 3 refused by the module, 4 no reply, 5 port not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends one message to the Kaldor8x8 8x8 LED module and, for the settings commands, waits for its answer.
Without --port it uses the port the program has stored, COM1 to COM6 standing for devices as in the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM1..COM6, a device path, tcp://host:port or rfc2217://host:port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the settings as one line of JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The format of a pattern&apos;s text, where it could be read as more than one: module-bytes, row-bytes, c-array, arduino, python-list, integer64, text-art.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library file whose spans the span commands name (the library the program opened last without it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>span-scroll: the font family to draw the text in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>span-scroll: the text&apos;s height in pixels (9 for each row of modules).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>span-scroll: milliseconds a frame, one dot a frame (50).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with the span commands only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not go with the span commands: each module is reached as its span names it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--font-size must be a number of pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--frame-ms must be a number of milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with the command &apos;settings&apos; only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reply from the module on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module refused: it answered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module&apos;s answer is no settings record: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be sent: the module shows Latin-1 characters only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show one character (none: an empty message)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show custom character N, 0 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store the shown pattern as custom character N, 0 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show a dot pattern: a text in any of the workbench&apos;s formats (8 hex pairs are the module&apos;s bytes), &apos;-&apos; for one on standard input, or a pattern of a library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play an animation of a library on the module once, each frame at its time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the animation &quot;%1&quot; has no frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no animation named &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scroll a text of up to 20 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show a text of up to 20 characters one by one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the speed of scrolling and animation now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play a built-in arrow animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the stored start-up mode, speed and message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store the start-up mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store the speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store the message of up to 20 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format goes with the command &apos;pattern&apos; only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one argument (put a text with spaces in quotes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are COM1 to COM6, no %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 stands for no device: the settings map none to it, and the machine has fewer than %1 serial devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no library file: name one with --library FILE (the program has opened none yet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the spans of %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no spans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no span named &quot;%2&quot; (it has %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; the span &quot;%3&quot; is %4 (or a whole multiple of that)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text art of the span &quot;%1&quot; is %2 (%3 lines of %4 dots); this is %5 x %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is no text art: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scroll any text across a span of modules, in step (--font, --font-size, --frame-ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show a picture of the span&apos;s size on its modules: text art, or a PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play a span animation of a library once, on all its modules in step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs FILE.glyphs NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs SPAN TEXT (put a text with spaces in quotes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs SPAN FILE|-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no span animation named &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the span animation &quot;%1&quot; has no frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no text to scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; draws with the machine&apos;s fonts, which needs Qt Gui</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--frame-ms must be a number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module %1 (%2) was not available: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>some modules did not take their frames within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 of %2 frames missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlyphsmithSim</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>state file %1 is unusable (%2); nothing is stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>state file %1 cannot be written (%2); changes to the stored settings will not be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaldor8x8 modules 1 to %1 (simulated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;glyphsmith-sim --help&apos;.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make &lt;path&gt; a symbolic link to the port (replacing an old link; removed on exit).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the --link path over even while another simulator serves it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take at most &lt;rate&gt; / 10 bytes a second from the port, as a module on a line of that speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin each log line with the time in milliseconds (monotonic clock).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every message and reply to &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the stored settings and custom characters in &lt;file&gt; across runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault: never answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault: answer &lt;ms&gt; milliseconds late.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault: answer 55 instead of AA and store nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault: send each reply of two bytes or more in two parts, &lt;ms&gt; milliseconds apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulate &lt;n&gt; modules (1 to 16) side by side, their paths numbered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--baud wants a rate from 50 to 4000000, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count wants a number of modules from 1 to 16, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a path must not be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--reply-delay wants milliseconds from 0 to 60000, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--split wants milliseconds from 1 to 60000, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot unlock the pseudo-terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pseudo-terminal has no slave name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the terminal settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot set the terminal raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the pseudo-terminal non-blocking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists and is no symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove the old link %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the link %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is served by another simulator (process %2); stop it, or pass --replace to take the link over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the link %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridEditor</name>
    <message>
        <source>Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear ALL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageImportDialog</name>
    <message>
        <source>Import Image - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light parts are lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture at 8 x 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture that is not square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep it whole, dark dots beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Crop to its middle square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stretch it to the square</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryDocument</name>
    <message>
        <source>Pattern libraries (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starter set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Pattern Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Pattern Library</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>&amp;Add Grid Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace with Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load into Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter by Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern Library - %1[*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pattern library %1 is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: no pattern was found in the text on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is not a pattern, as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on the clipboard is empty or larger than the workbench takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a pattern nor a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleConnection</name>
    <message>
        <source>COM%1 stands for no serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no device given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to it is still being made; try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 stands for no device: the settings file maps no device to it, and the machine has fewer than %1 serial devices. Plug in the module&apos;s adapter, or map COM%1 to its device in the group [Ports] of the settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is not open. Choose a port from the menu &quot;Communication&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system says: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such device: check that the module&apos;s adapter is plugged in, or map COM%1 to the device it has now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your user may not use this device. On Debian, serial devices belong to the group &quot;dialout&quot;: add yourself to it (sudo adduser $USER dialout), then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds the port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Close it (a terminal program, or this program started twice), then choose the port again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a serial device: map COM%1 to the module&apos;s adapter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device went away while open. The program opens it again by itself as soon as it is back; choosing a port from the menu &quot;Communication&quot; works as ever.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a module on the network as tcp://host:port (raw bytes, as ser2net&apos;s raw mode serves them) or rfc2217://host:port (telnet with RFC 2217), with a port from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host name is not known: check its spelling and the machine&apos;s network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing takes connections at that address: check that ser2net (or the serial bridge) runs there and serves that port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host did not answer: check the address, the network and any firewall on the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The far side does not set up its serial port by RFC 2217. For ser2net&apos;s raw mode, map COM%1 to tcp://host:port instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleExchange</name>
    <message>
        <source>the far side did not take the message within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleRunner</name>
    <message>
        <source>the module is not open (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module&apos;s port refused the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no library is configured for the module %1 (library = FILE.glyphs in its section)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the animation &quot;%1&quot; has no frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no animation named &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start-up mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module went away while %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reply from the module to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module&apos;s answer is no settings record: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module refused %1: it answered %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleTextBox</name>
    <message>
        <source>line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1. Only Latin-1 characters reach the module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut to fit: this box sends the module at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This box sends the module at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mosquitto</name>
    <message>
        <source>the MQTT library libmosquitto.so.1 cannot be loaded (%1); install the package libmosquitto1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libmosquitto.so.1 lacks %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MqttClient</name>
    <message>
        <source>the broker %1:%2 did not accept the connection within %3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host name %1 is not known (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MQTT library could not make a session (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last will cannot be set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLS cannot be set up with %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the broker refused the connection: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to the broker dropped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the broker did not answer within the keep-alive time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected to the broker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MqttTransport</name>
    <message>
        <source>no glyphsmith-bridge serves %1 on the broker %2:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bridge says nothing about the module %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from the broker %1:%2 within %3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to the broker %1 dropped (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the broker %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the glyphsmith-bridge serving %1 is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bridge says %1 is %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>no answer from %1:%2 within %3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host name %1 is not known (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the far side closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed the connection as soon as it was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed the connection: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatternImage</name>
    <message>
        <source>Cannot import the picture %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 MB, and a picture is at most %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels, and a picture can have at most %3 million pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export the picture %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatternLibrary</name>
    <message>
        <source>its &quot;%1&quot; has no list of &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its character bank has %1 slots instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bytes of character bank slot %1 are not 16 hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends too early, at byte %1: it is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Glyphsmith pattern library (it has no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no format version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is format version %1, written by a newer Glyphsmith; this one reads format version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no list of &quot;patterns&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern %1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bytes of pattern %1 (&quot;%2&quot;) are not 16 hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>patterns %1 and %2 are both named &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;animations&quot; are no list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>animation %1 (&quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>animation %1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two animations are named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no list of at most %2 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bytes of frame %1 of %2 are not 16 hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame %1 of %2 has no duration in whole milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the pattern library %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 MB, and a pattern library is at most %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the pattern library %1: no new file can be made in its folder %2 (%3), and a library is saved by writing a new file there and swapping it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the pattern library %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pattern needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a pattern named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already an animation named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatternText</name>
    <message>
        <source>%1 has no pattern named &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: one of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pattern was found in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no pattern: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no pattern in the format %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1…&apos; (%2 characters)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortHolder</name>
    <message>
        <source>process %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>[options]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rfc2217Session</name>
    <message>
        <source>the far side refuses the COM-PORT-OPTION of RFC 2217</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the far side&apos;s serial port did not take the %1 asked for (it answered %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rfc2217Transport</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not open the telnet negotiation (RFC 2217) within %2 s, and nothing was sent to it; if it serves raw bytes, use tcp://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer the telnet COM-PORT-OPTION (RFC 2217) within %2 s; if it serves raw bytes, use tcp://</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialTransport</name>
    <message>
        <source>another program holds the port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds the port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanCanvasView</name>
    <message>
        <source>Span canvas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2 (module %3), %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanDialog</name>
    <message>
        <source>columns by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows of modules (at most %1 modules)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules are numbered row by row from the top left. For each, the port it is on and how it is mounted, as seen from the front: turned clockwise by the rotation, and mirrored left to right first where it shows pictures mirrored. Identify shows each module its number under an arrow that points to its own top edge, with a dot in its own top left corner: set the rotation to where the arrow points, and tick Mirrored where the dot is on the right once the arrow points up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port, device or endpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Identify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show each module its number and an arrow to its own top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (row %2, column %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1: port, device or endpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0° (upright)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90° clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180° (upside down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>270° clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1: rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1: mirrored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the modules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module %1 (%2) is not available: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each module shows its number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n module(s) show their number; </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Module %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules %1 and %2 are both %3: one module cannot show two places of the span.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanEditor</name>
    <message>
        <source>New span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanFramesModel</name>
    <message>
        <source>%1: %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1, shown for %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1, %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanModules</name>
    <message>
        <source>no module is assigned to this place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanPlayer</name>
    <message>
        <source>no connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanSection</name>
    <message>
        <source>%1 is no object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the target of %1 is no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rotation of %1 is not 0, 90, 180 or 270</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;mirrored&quot; of %1 is neither true nor false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>animation &quot;%1&quot; of span &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no list of at most %2 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rows of frame %1 of %2 are not %3 groups of %4 hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame %1 of %2 has no duration in whole milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>span &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not 1 or more columns by 1 or more rows of at most %2 modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not list its %2 modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture of %1 is not %2 groups of %3 hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the animations of %1 are no list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>animation %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;spans&quot; are no list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>span %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two spans are named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two span animations are named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A span needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a span named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animation needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The span &quot;%1&quot; already has an animation named &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpanTextDialog</name>
    <message>
        <source>Text to Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello, world</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;hreshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame &amp;time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolled across the whole span, %1 x %2 dots, one dot a frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s), %1 s</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpanWindow</name>
    <message>
        <source>&amp;Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up, &amp;Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Up, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down, W&amp;rapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Down, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left, Wr&amp;apping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Left, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right, Wra&amp;pping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Right, Wrapping Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror Left to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror Top to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate 180°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1 (%2) is not available: %3. The others play on; it rejoins by itself when it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1 (%2) is back and plays in step again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1 (%2) is slow: its line is still busy when frames fall due, so it shows only the newest of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Span...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modules and Name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to Mo&amp;dules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Identify Modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import I&amp;mage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Animat&amp;ion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move La&amp;ter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play on &amp;Modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te&amp;xt to Frames...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;GIF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Onion skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the previous frame faintly on the canvas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loo&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 of %2; skipped on the modules: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spans of %1 cannot be shown: %2. They are kept in the file as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spans: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules not connected yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules open: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the modules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module %1 (%2) is not available: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent to the modules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent to the others; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module %1 (%2) is not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each module shows its number and an arrow to its own top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The others show their number; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing on the modules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied the canvas as text art and as a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds neither a picture nor text art.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the text on the clipboard is neither text art nor a pattern, as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the picture on %1 is %2 x %3 pixels, more than the window takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated pictures (*.gif *.GIF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pictures (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot import the animation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation has no frames to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export the animation to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpansController</name>
    <message>
        <source>S&amp;pans...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StarterSet</name>
    <message>
        <source>Digit 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sad face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TcpTransport</name>
    <message>
        <source>%1 did not keep the connection open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFormats</name>
    <message>
        <source>there is no %1 %2 around the numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is more than one list of numbers, or text around it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of this format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1; a pattern is 8 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 is %2, more than the 8 bits of a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight bare hex bytes were expected, not code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; eight hex bytes were expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between { and }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the form B10000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no [ ] around the numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between [ and ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; a pattern is one 64-bit number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a 64-bit number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; text art is 8 lines of 8 dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 has </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; each line is 8 dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 has &quot;%2&quot;; # is a lit dot and . a dark one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module bytes (columns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C array (rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arduino binary (rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Python list (rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pattern was found in it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFramesDialog</name>
    <message>
        <source>Text to Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello, world</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;hreshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame &amp;time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the text to scroll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text needs %1 frames; an animation holds at most %2, so it cannot become frames. The first %3 of its %4 characters fit: shorten it, or choose a smaller size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames, %2 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopicCommand</name>
    <message>
        <source>the payload is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be sent: the module shows Latin-1 characters only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text has %1 characters; the module takes at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no pattern: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no pattern in the format %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the payload is not JSON: %1 at byte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the payload must be a JSON object such as {&quot;mode&quot;:3,&quot;speed&quot;:2,&quot;message&quot;:&quot;HELLO&quot;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;message&quot; must be a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;: the settings are mode, speed and message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no setting given: the settings are mode, speed and message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the direction must be up, down, left or right, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes beginning with %2 are no message of the module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown topic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>&amp;Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot matrix grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the focus cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle the focus cell, as a click does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Edit menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw: press on a dot and drag over others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the next or previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern Library window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialogs and windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close a dialog or this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Activates the QML/JS debugger with a specified port. The value must be of format port:1234[,block]. &quot;block&quot; makes the application wait for a connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional plugins to load, can be specified multiple times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the application&apos;s layout direction to Qt::RightToLeft (debugging helper).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the application&apos;s GUI style; which styles there are depends on the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the application&apos;s style sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports at the end how many widgets were left undestroyed and how many existed at most at the same time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name, overrides $DISPLAY (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instance name according to ICCCM 4.1.2.5 (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable mouse grabbing (useful in debuggers) (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force mouse grabbing (even when running in a debugger) (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID of the X11 Visual to use (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias for --qwindowgeometry (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias for --qwindowicon (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias for --qwindowtitle (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern editor and remote control for an 8x8 LED dot-matrix module on a serial port.
The module&apos;s port is chosen in the menu &quot;Communication&quot;; COM1 to COM6 stand for devices as the README describes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glyphsmith: no display found; the program needs a graphical display (set DISPLAY, or run it under xvfb-run)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;glyphsmith --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
