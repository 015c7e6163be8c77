<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Thanks to everyone who tried the early versions, reported faults and suggested ideas, and to the people behind Qt, the X Window System and the freedesktop.org standards this launcher stands on.</source>
        <translation>Dank an alle, die die frühen Versionen ausprobiert, Fehler gemeldet und Ideen vorgeschlagen haben, und an die Menschen hinter Qt, dem X Window System und den Standards von freedesktop.org, auf denen dieser Launcher aufbaut.</translation>
    </message>
    <message>
        <source>QAV Launcher  %1.%2.%3

A Powerful Application Launcher</source>
        <translation>QAV Launcher  %1.%2.%3

Ein leistungsstarker Programmstarter</translation>
    </message>
    <message>
        <source>About QAV Launcher</source>
        <translation>Über QAV Launcher</translation>
    </message>
    <message>
        <source>QAV Launcher picture</source>
        <translation>Bild von QAV Launcher</translation>
    </message>
    <message>
        <source>Operating system: %1</source>
        <translation>Betriebssystem: %1</translation>
    </message>
    <message>
        <source>Support mail</source>
        <translation>Support per E-Mail</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Special thanks</source>
        <translation>Besonderer Dank</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Show the launcher in keyboard mode</source>
        <translation>Den Launcher im Tastaturmodus zeigen</translation>
    </message>
    <message>
        <source>Switch between the launcher and the desktop</source>
        <translation>Zwischen Launcher und Desktop wechseln</translation>
    </message>
    <message>
        <source>Minimize the launcher to its corner picture</source>
        <translation>Den Launcher auf sein Eckbild verkleinern</translation>
    </message>
    <message>
        <source>no key is named</source>
        <translation>es ist keine Taste angegeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key it knows</source>
        <translation>„%1“ ist keine bekannte Taste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not Ctrl, Shift, Alt or Super</source>
        <translation>„%1“ ist weder Ctrl noch Shift, Alt oder Super</translation>
    </message>
    <message>
        <source>it would take the typing of %1 from every program; add Ctrl, Alt or Super</source>
        <translation>damit könnte in keinem Programm mehr %1 getippt werden; nehmen Sie Ctrl, Alt oder Super hinzu</translation>
    </message>
    <message>
        <source>it would take %1 from every program; add a modifier</source>
        <translation>damit stünde %1 keinem Programm mehr zur Verfügung; nehmen Sie eine Zusatztaste hinzu</translation>
    </message>
    <message>
        <source>The hot keys could not be saved in %1: %2.</source>
        <translation>Die Tastenkürzel konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>QAV Launcher</source>
        <translation>QAV Launcher</translation>
    </message>
    <message>
        <source>The target file already exists. Are you sure to replace?</source>
        <translation>Die Zieldatei ist bereits vorhanden. Möchten Sie sie wirklich ersetzen?</translation>
    </message>
    <message>
        <source>WARNING: This procedure will reset all program settings to their default values but all currently used shortcuts and icons will be maintained intact. </source>
        <translation>WARNUNG: Dieser Vorgang setzt alle Programmeinstellungen auf ihre Standardwerte zurück; alle Verknüpfungen und Symbole bleiben dabei unverändert erhalten. </translation>
    </message>
    <message>
        <source>It is recommended to backup the configuration (Settings --&gt; General tab --&gt; Backup section) before proceeding.</source>
        <translation>Es wird empfohlen, vorher die Konfiguration zu sichern (Einstellungen --&gt; Registerkarte „Allgemein“ --&gt; Bereich „Sichern“).</translation>
    </message>
    <message>
        <source>Proceed anyway with resetting all default program settings?</source>
        <translation>Trotzdem alle Programmeinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>WARNING: This procedure will reset all default shortcuts and icons to their default values but all currently used program settings will be maintained intact. </source>
        <translation>WARNUNG: Dieser Vorgang setzt alle Verknüpfungen und Symbole auf ihren Standard zurück; alle Programmeinstellungen bleiben dabei unverändert erhalten. </translation>
    </message>
    <message>
        <source>It is recommended to backup all shortcuts and icons (Settings --&gt; General tab --&gt; Backup section) before proceeding.</source>
        <translation>Es wird empfohlen, vorher alle Verknüpfungen und Symbole zu sichern (Einstellungen --&gt; Registerkarte „Allgemein“ --&gt; Bereich „Sichern“).</translation>
    </message>
    <message>
        <source>Proceed anyway with resetting all default shortcuts and icons?</source>
        <translation>Trotzdem alle Verknüpfungen und Symbole zurücksetzen?</translation>
    </message>
    <message>
        <source>The target file cannot be replaced: %1</source>
        <translation>Die Zieldatei kann nicht ersetzt werden: %1</translation>
    </message>
    <message>
        <source>Backup Configuration File failed! </source>
        <translation>Die Konfigurationsdatei konnte nicht gesichert werden! </translation>
    </message>
    <message>
        <source>Backup Configuration File Successfully!</source>
        <translation>Die Konfigurationsdatei wurde erfolgreich gesichert!</translation>
    </message>
    <message>
        <source>Backup all shortcuts &amp; icons failed! </source>
        <translation>Die Verknüpfungen und Symbole konnten nicht gesichert werden! </translation>
    </message>
    <message>
        <source>Backup Shortcuts &amp; Icons Successfully!</source>
        <translation>Die Verknüpfungen und Symbole wurden erfolgreich gesichert!</translation>
    </message>
    <message>
        <source>Restore Configuration failed! </source>
        <translation>Die Konfiguration konnte nicht wiederhergestellt werden! </translation>
    </message>
    <message>
        <source>Restore Configuration Successfully!</source>
        <translation>Die Konfiguration wurde erfolgreich wiederhergestellt!</translation>
    </message>
    <message>
        <source>Restore all shortcuts &amp; icons failed! </source>
        <translation>Die Verknüpfungen und Symbole konnten nicht wiederhergestellt werden! </translation>
    </message>
    <message>
        <source>Restore Shortcuts &amp; Icons Successfully!</source>
        <translation>Die Verknüpfungen und Symbole wurden erfolgreich wiederhergestellt!</translation>
    </message>
    <message>
        <source>Reset all default program settings successfully!</source>
        <translation>Alle Programmeinstellungen wurden erfolgreich zurückgesetzt!</translation>
    </message>
    <message>
        <source>Reset all default shortcuts &amp; icons successfully!</source>
        <translation>Alle Verknüpfungen und Symbole wurden erfolgreich zurückgesetzt!</translation>
    </message>
    <message>
        <source>There was no room for 1 entry of the desktop and the installed applications: QAV Launcher keeps at most 896 shortcuts in its groups, so these were left out of the All Programs Group.</source>
        <translation>Für 1 Eintrag des Desktops und der installierten Anwendungen war kein Platz mehr: QAV Launcher hält in seinen Gruppen höchstens 896 Verknüpfungen, daher fehlt er in der Gruppe „Alle Programme“.</translation>
    </message>
    <message>
        <source>There was no room for %1 entries of the desktop and the installed applications: QAV Launcher keeps at most 896 shortcuts in its groups, so these were left out of the All Programs Group.</source>
        <translation>Für %1 Einträge des Desktops und der installierten Anwendungen war kein Platz mehr: QAV Launcher hält in seinen Gruppen höchstens 896 Verknüpfungen, daher fehlen sie in der Gruppe „Alle Programme“.</translation>
    </message>
    <message>
        <source>Sorry! QAV Launcher doesn&apos;t support %1</source>
        <translation>QAV Launcher unterstützt %1 leider nicht.</translation>
    </message>
    <message>
        <source>Modify User Name &amp; User Icon</source>
        <translation>Benutzername &amp; Benutzerbild ändern</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About QAV Launcher</source>
        <translation>Über QAV Launcher</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Hide QAV Launcher</source>
        <translation>QAV Launcher ausblenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Switch Desktop</source>
        <translation>Zum Desktop wechseln</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Lock This Computer</source>
        <translation>Diesen Computer sperren</translation>
    </message>
    <message>
        <source>Monitor Off</source>
        <translation>Bildschirm aus</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Personalize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Screen Resolution</source>
        <translation>Bildschirmauflösung</translation>
    </message>
    <message>
        <source>Uninstall a Program</source>
        <translation>Programm deinstallieren</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>IE Properties</source>
        <translation>Internetoptionen</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Systemsteuerung</translation>
    </message>
    <message>
        <source>Workgroup</source>
        <translation>Arbeitsgruppe</translation>
    </message>
    <message>
        <source>Printers and Faxes</source>
        <translation>Drucker und Faxgeräte</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Geräte-Manager</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Network Connections</source>
        <translation>Netzwerkverbindungen</translation>
    </message>
    <message>
        <source>Empty Recycle Bin</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Papierkorb öffnen</translation>
    </message>
    <message>
        <source>Recycle Bin Status</source>
        <translation>Papierkorbstatus</translation>
    </message>
    <message>
        <source>Recycle Bin (Empty)</source>
        <translation>Papierkorb (leer)</translation>
    </message>
    <message>
        <source>Recycle Bin (Full)</source>
        <translation>Papierkorb (voll)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Blank Shortcut</source>
        <translation>Leere Verknüpfung</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Open %1&apos;s Documents</source>
        <translation>Dokumente von %1 öffnen</translation>
    </message>
    <message>
        <source>Always Show Desktop Icons</source>
        <translation>Desktopsymbole immer anzeigen</translation>
    </message>
    <message>
        <source>Always Hide Desktop Icons</source>
        <translation>Desktopsymbole immer ausblenden</translation>
    </message>
    <message>
        <source>Allow Dragging</source>
        <translation>Ziehen erlauben</translation>
    </message>
    <message>
        <source>Lock Dragging</source>
        <translation>Ziehen sperren</translation>
    </message>
    <message>
        <source>There is no room for another shortcut: all 1024 places are in use. Remove shortcuts you no longer need and try again.</source>
        <translation>Für eine weitere Verknüpfung ist kein Platz mehr: Alle 1024 Plätze sind belegt. Entfernen Sie Verknüpfungen, die Sie nicht mehr brauchen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Eigene Dokumente</translation>
    </message>
    <message>
        <source>My Pictures</source>
        <translation>Eigene Bilder</translation>
    </message>
    <message>
        <source>My Music</source>
        <translation>Eigene Musik</translation>
    </message>
    <message>
        <source>My Videos</source>
        <translation>Eigene Videos</translation>
    </message>
    <message>
        <source>My Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Windows Directory</source>
        <translation>Windows-Ordner</translation>
    </message>
    <message>
        <source>Program Files Directory</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>System Directory</source>
        <translation>Systemordner</translation>
    </message>
    <message>
        <source>Are you sure to replace the selected shortcut?</source>
        <translation>Möchten Sie die ausgewählte Verknüpfung wirklich ersetzen?</translation>
    </message>
    <message>
        <source>Replace shortcut</source>
        <translation>Verknüpfung ersetzen</translation>
    </message>
    <message>
        <source>QAV Launcher cannot keep this item: its path is %1 bytes long, and at most %2 fit.<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>QAV Launcher kann dieses Element nicht aufnehmen: Sein Pfad ist %1 Byte lang, es passen aber höchstens %2.<byte value="xd"/>
<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>QAV Launcher cannot keep this item: its target is %1 bytes long, and at most %2 fit.<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>QAV Launcher kann dieses Element nicht aufnehmen: Sein Ziel ist %1 Byte lang, es passen aber höchstens %2.<byte value="xd"/>
<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Verknüpfung hinzufügen</translation>
    </message>
    <message>
        <source>Floppy Disk (%1)</source>
        <translation>Diskettenlaufwerk (%1)</translation>
    </message>
    <message>
        <source>Removable Disk (%1)</source>
        <translation>Wechseldatenträger (%1)</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation>Lokaler Datenträger (%1)</translation>
    </message>
    <message>
        <source>Remote Disk (%1)</source>
        <translation>Netzlaufwerk (%1)</translation>
    </message>
    <message>
        <source>DVD/CD - Drive (%1)</source>
        <translation>DVD-/CD-Laufwerk (%1)</translation>
    </message>
    <message>
        <source>RAM Disk (%1)</source>
        <translation>RAM-Disk (%1)</translation>
    </message>
    <message>
        <source>Unknown Drive (%1)</source>
        <translation>Unbekanntes Laufwerk (%1)</translation>
    </message>
    <message>
        <source>Are you sure you want to empty the Recycle Bin?</source>
        <translation>Möchten Sie den Papierkorb wirklich leeren?</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>QAV Launcher - Change User Icon</source>
        <translation>QAV Launcher - Benutzerbild ändern</translation>
    </message>
    <message>
        <source>Enter the new user name. To discard changes, please click &apos;Cancel&apos;.</source>
        <translation>Geben Sie den neuen Benutzernamen ein. Um die Änderung zu verwerfen, klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <source>Change User Name</source>
        <translation>Benutzernamen ändern</translation>
    </message>
    <message>
        <source>The system did not accept the request to %1.</source>
        <translation>Das System hat die Anfrage nicht angenommen: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available on this desktop.</source>
        <translation>„%1“ ist auf diesem Desktop nicht verfügbar.</translation>
    </message>
    <message>
        <source>sleep</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <source>shut down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>log off</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>lock this computer</source>
        <translation>Diesen Computer sperren</translation>
    </message>
    <message>
        <source>The monitor could not be switched off: this desktop does not let programs do it.</source>
        <translation>Der Bildschirm konnte nicht ausgeschaltet werden: Dieser Desktop erlaubt das Programmen nicht.</translation>
    </message>
    <message>
        <source>Problem with Shortcut</source>
        <translation>Problem mit der Verknüpfung</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has nothing to open: no program for it was found on this system, and the shortcut names no target.<byte value="xd"/>
<byte value="xd"/>
Choose a default web browser and mail program in the desktop&apos;s settings, or give the shortcut a target in its properties.</source>
        <translation>„%1“ kann nichts öffnen: Auf diesem System wurde kein Programm dafür gefunden, und die Verknüpfung nennt kein Ziel.<byte value="xd"/>
<byte value="xd"/>
Wählen Sie in den Einstellungen des Desktops einen Standard-Webbrowser und ein Standard-E-Mail-Programm, oder geben Sie der Verknüpfung in ihren Eigenschaften ein Ziel.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; runs in a terminal, but no terminal emulator was found on this system (x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal, xterm, ...).<byte value="xd"/>
<byte value="xd"/>
Install one and try again.</source>
        <translation>„%1“ läuft in einem Terminal, aber auf diesem System wurde kein Terminalprogramm gefunden (x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal, xterm, …).<byte value="xd"/>
<byte value="xd"/>
Installieren Sie eines und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The item &apos;%1&apos; that this shortcut refers to has been changed or removed, so this shortcut will no longer work properly.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Das Element „%1“, auf das diese Verknüpfung verweist, wurde geändert oder entfernt; die Verknüpfung funktioniert daher nicht mehr richtig.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No program on this system could open &apos;%1&apos;.<byte value="xd"/>
<byte value="xd"/>
Choose a default program for such addresses in the desktop&apos;s settings and try again.</source>
        <translation>Kein Programm auf diesem System konnte „%1“ öffnen.<byte value="xd"/>
<byte value="xd"/>
Wählen Sie in den Einstellungen des Desktops ein Standardprogramm für solche Adressen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No program on this system could open &apos;%1&apos;: %2.<byte value="xd"/>
<byte value="xd"/>
Choose a default program for such addresses in the desktop&apos;s settings and try again.</source>
        <translation>Kein Programm auf diesem System konnte „%1“ öffnen: %2.<byte value="xd"/>
<byte value="xd"/>
Wählen Sie in den Einstellungen des Desktops ein Standardprogramm für solche Adressen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No program on this system could open &apos;%1&apos;.<byte value="xd"/>
<byte value="xd"/>
Choose a default program for this kind of file in the desktop&apos;s settings and try again.</source>
        <translation>Kein Programm auf diesem System konnte „%1“ öffnen.<byte value="xd"/>
<byte value="xd"/>
Wählen Sie in den Einstellungen des Desktops ein Standardprogramm für diese Art von Dateien und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No program on this system could open &apos;%1&apos;: %2.<byte value="xd"/>
<byte value="xd"/>
Choose a default program for this kind of file in the desktop&apos;s settings and try again.</source>
        <translation>Kein Programm auf diesem System konnte „%1“ öffnen: %2.<byte value="xd"/>
<byte value="xd"/>
Wählen Sie in den Einstellungen des Desktops ein Standardprogramm für diese Art von Dateien und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>All Programs Group</source>
        <translation>Alle Programme</translation>
    </message>
    <message>
        <source>System Folders &amp; Drives Group</source>
        <translation>Systemordner &amp; Laufwerke</translation>
    </message>
    <message>
        <source>Accessories Group</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Microsoft Office Suite Group</source>
        <translation>Microsoft Office</translation>
    </message>
    <message>
        <source>Website Group</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Check Email</source>
        <translation>E-Mail abrufen</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected group?</source>
        <translation>Möchten Sie die ausgewählte Gruppe wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Shortcut Group</source>
        <translation>Verknüpfungsgruppe löschen</translation>
    </message>
    <message>
        <source>Delete All Programs Group</source>
        <translation>Gruppe „Alle Programme“ löschen</translation>
    </message>
    <message>
        <source> (Empty)</source>
        <translation> (leer)</translation>
    </message>
    <message>
        <source> (Full)</source>
        <translation> (voll)</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>Your Recycle Bin consumes over 2GB right now!<byte value="xd"/>
Do you want to empty Recycle Bin?</source>
        <translation>Ihr Papierkorb belegt zurzeit mehr als 2 GB!<byte value="xd"/>
Möchten Sie den Papierkorb leeren?</translation>
    </message>
    <message>
        <source>Your Recycle Bin consumes %1MB (%2 Items) right now.<byte value="xd"/>
Do you want to empty Recycle Bin?</source>
        <translation>Ihr Papierkorb belegt zurzeit %1 MB (%2 Elemente).<byte value="xd"/>
Möchten Sie den Papierkorb leeren?</translation>
    </message>
    <message>
        <source>Your Recycle Bin consumes %1KB (%2 Items) right now.<byte value="xd"/>
Do you want to empty Recycle Bin?</source>
        <translation>Ihr Papierkorb belegt zurzeit %1 KB (%2 Elemente).<byte value="xd"/>
Möchten Sie den Papierkorb leeren?</translation>
    </message>
    <message>
        <source>Your Recycle Bin consumes %1 Bytes (%2 Items) right now.<byte value="xd"/>
Do you want to empty Recycle Bin?</source>
        <translation>Ihr Papierkorb belegt zurzeit %1 Byte (%2 Elemente).<byte value="xd"/>
Möchten Sie den Papierkorb leeren?</translation>
    </message>
    <message>
        <source>Your Recycle Bin consumes 0 Byte (%1 Items) right now.<byte value="xd"/>
Do you want to empty Recycle Bin?</source>
        <translation>Ihr Papierkorb belegt zurzeit 0 Byte (%1 Elemente).<byte value="xd"/>
Möchten Sie den Papierkorb leeren?</translation>
    </message>
    <message>
        <source>Your Recycle Bin consumes 0 Byte (%1 Item) right now.</source>
        <translation>Ihr Papierkorb belegt zurzeit 0 Byte (%1 Elemente).</translation>
    </message>
    <message>
        <source>Writing icon file failed! %1</source>
        <translation>Die Symboldatei konnte nicht geschrieben werden! %1</translation>
    </message>
    <message>
        <source>Writing configuration file failed! </source>
        <translation>Die Konfigurationsdatei konnte nicht geschrieben werden! </translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Recent file</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be opened: %2 is no longer there.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2 ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>DockWindow</name>
    <message>
        <source>Empty group</source>
        <translation>Leere Gruppe</translation>
    </message>
    <message>
        <source>Group of 1 item</source>
        <translation>Gruppe mit 1 Element</translation>
    </message>
    <message>
        <source>Group of %1 items</source>
        <translation>Gruppe mit %1 Elementen</translation>
    </message>
    <message>
        <source>Desktop Group is full. The selected shortcut will be added to All programs Group</source>
        <translation>Die Desktop-Gruppe ist voll. Die ausgewählte Verknüpfung wird der Gruppe „Alle Programme“ hinzugefügt.</translation>
    </message>
    <message>
        <source>QAV Launcher</source>
        <translation>QAV Launcher</translation>
    </message>
    <message>
        <source>QAV Launcher will create a new shortcut group for you. Please enter the new group name.</source>
        <translation>QAV Launcher legt für Sie eine neue Verknüpfungsgruppe an. Bitte geben Sie den Namen der neuen Gruppe ein.</translation>
    </message>
    <message>
        <source>Add Shortcut Group</source>
        <translation>Verknüpfungsgruppe hinzufügen</translation>
    </message>
    <message>
        <source>This group is full. Please choose another group or create a new group!</source>
        <translation>Diese Gruppe ist voll. Bitte wählen Sie eine andere Gruppe oder legen Sie eine neue an!</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Verknüpfung hinzufügen</translation>
    </message>
    <message>
        <source>Are you sure you want to move the selected files and folders to the Recycle Bin?</source>
        <translation>Möchten Sie die ausgewählten Dateien und Ordner wirklich in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Delete File</source>
        <translation>Datei löschen</translation>
    </message>
</context>
<context>
    <name>GettingStartedDialog</name>
    <message>
        <source>QAV Launcher Getting Started</source>
        <translation>QAV Launcher – Erste Schritte</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>&lt;&lt; Last</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Page 1 of 6: Welcome. Click an icon of the ring to start it; point at it to see its title.</source>
        <translation>Seite 1 von 6: Willkommen. Klicken Sie auf ein Symbol des Rings, um es zu starten; zeigen Sie darauf, um seinen Titel zu sehen.</translation>
    </message>
    <message>
        <source>Page 2 of 6: Drop files, folders or web addresses on the ring to add them.</source>
        <translation>Seite 2 von 6: Ziehen Sie Dateien, Ordner oder Webadressen auf den Ring, um sie hinzuzufügen.</translation>
    </message>
    <message>
        <source>Page 3 of 6: Click a group to open its menu; drag an item out to remove it.</source>
        <translation>Seite 3 von 6: Klicken Sie auf eine Gruppe, um ihr Menü zu öffnen; ziehen Sie ein Element heraus, um es zu entfernen.</translation>
    </message>
    <message>
        <source>Page 4 of 6: Alt+Space labels every icon with a key; Shift+Tab shows the desktop; Ctrl+Tab minimizes the launcher. Choose other keys, or none, on the Keys page of the settings.</source>
        <translation>Seite 4 von 6: Alt+Leertaste beschriftet jedes Symbol mit einer Taste; Umschalt+Tab zeigt den Desktop; Strg+Tab verkleinert den Launcher. Andere Tasten oder gar keine wählen Sie auf der Seite „Tasten“ der Einstellungen.</translation>
    </message>
    <message>
        <source>Page 5 of 6: Right-click an icon for its properties; the tray icon brings the launcher back. Press F1 to see these pages again.</source>
        <translation>Seite 5 von 6: Ein Rechtsklick auf ein Symbol zeigt seine Eigenschaften; das Symbol im Infobereich holt den Launcher zurück. Mit F1 sehen Sie diese Seiten wieder.</translation>
    </message>
    <message>
        <source>Page 6 of 6: Type to search. In keyboard mode, / opens the search line, as does any key that labels no icon. Arrows and Page keys choose a result, Enter starts it, Alt with a row&apos;s key starts that row; Esc clears the line, a second Esc closes the search.</source>
        <translation>Seite 6 von 6: Tippen zum Suchen. Im Tastaturmodus öffnet / die Suchzeile, ebenso jede Taste, die kein Symbol beschriftet. Pfeil- und Bildtasten wählen ein Ergebnis, die Eingabetaste startet es, Alt mit der Taste einer Zeile startet diese Zeile; Esc leert die Zeile, ein zweites Esc schließt die Suche.</translation>
    </message>
</context>
<context>
    <name>GroupMenuWindow</name>
    <message>
        <source>PgUp</source>
        <translation>Bild↑</translation>
    </message>
    <message>
        <source>PgDn</source>
        <translation>Bild↓</translation>
    </message>
</context>
<context>
    <name>InputDialog</name>
    <message>
        <source>QAV Launcher Input</source>
        <translation>QAV Launcher – Eingabe</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Aufforderung</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ItemContextMenu</name>
    <message>
        <source>&amp;Add Shortcut</source>
        <translation>Verknüpfung &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move &amp;Top</source>
        <translation>An den &amp;Anfang</translation>
    </message>
    <message>
        <source>Move &amp;Bottom</source>
        <translation>An das &amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>E&amp;igenschaften</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected shortcut?</source>
        <translation>Möchten Sie die ausgewählte Verknüpfung wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Shortcut</source>
        <translation>Verknüpfung löschen</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Warning !</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Load GDI+ Error!</source>
        <translation>Fehler beim Laden von GDI+!</translation>
    </message>
    <message>
        <source>Pelgra Desktop Error</source>
        <translation>Pelgra-Desktopfehler</translation>
    </message>
</context>
<context>
    <name>PropertiesDialog</name>
    <message>
        <source>Add New &apos;Internet&apos; Shortcut</source>
        <translation>Neue Verknüpfung „Internet“ hinzufügen</translation>
    </message>
    <message>
        <source>Add New &apos;Check Email&apos; Shortcut</source>
        <translation>Neue Verknüpfung „E-Mail abrufen“ hinzufügen</translation>
    </message>
    <message>
        <source>Replace by  New &apos;Internet&apos; Shortcut</source>
        <translation>Durch neue Verknüpfung „Internet“ ersetzen</translation>
    </message>
    <message>
        <source>Replace by  New &apos;Check Email&apos; Shortcut</source>
        <translation>Durch neue Verknüpfung „E-Mail abrufen“ ersetzen</translation>
    </message>
    <message>
        <source>Add New &apos;System Folders &amp; Drives Group&apos;</source>
        <translation>Neue Gruppe „Systemordner &amp; Laufwerke“ hinzufügen</translation>
    </message>
    <message>
        <source>Add New &apos;Accessories Group&apos;</source>
        <translation>Neue Gruppe „Zubehör“ hinzufügen</translation>
    </message>
    <message>
        <source>Add New &apos;Microsoft Office Suite Group&apos;</source>
        <translation>Neue Gruppe „Microsoft Office“ hinzufügen</translation>
    </message>
    <message>
        <source>Add New &apos;Website Group&apos;</source>
        <translation>Neue Gruppe „Websites“ hinzufügen</translation>
    </message>
    <message>
        <source>Replace by  New &apos;System Folders &amp; Drives Group&apos;</source>
        <translation>Durch neue Gruppe „Systemordner &amp; Laufwerke“ ersetzen</translation>
    </message>
    <message>
        <source>Replace by  New &apos;Accessories Group&apos;</source>
        <translation>Durch neue Gruppe „Zubehör“ ersetzen</translation>
    </message>
    <message>
        <source>Replace by  New &apos;Microsoft Office Suite Group&apos;</source>
        <translation>Durch neue Gruppe „Microsoft Office“ ersetzen</translation>
    </message>
    <message>
        <source>Replace by  New &apos;Website Group&apos;</source>
        <translation>Durch neue Gruppe „Websites“ ersetzen</translation>
    </message>
    <message>
        <source>This group is full. Please choose another group or create a new group!</source>
        <translation>Diese Gruppe ist voll. Bitte wählen Sie eine andere Gruppe oder legen Sie eine neue an!</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Verknüpfung hinzufügen</translation>
    </message>
    <message>
        <source>This operation will delete all items of this group, continue?</source>
        <translation>Dieser Vorgang löscht alle Elemente dieser Gruppe. Fortfahren?</translation>
    </message>
    <message>
        <source>QAV Launcher</source>
        <translation>QAV Launcher</translation>
    </message>
    <message>
        <source>This operation will delete this shortcut, continue?</source>
        <translation>Dieser Vorgang löscht diese Verknüpfung. Fortfahren?</translation>
    </message>
    <message>
        <source>Are you sure to replace?</source>
        <translation>Möchten Sie wirklich ersetzen?</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>There is no room for another shortcut: all 1024 places are in use. Remove shortcuts you no longer need and try again.</source>
        <translation>Für eine weitere Verknüpfung ist kein Platz mehr: Alle 1024 Plätze sind belegt. Entfernen Sie Verknüpfungen, die Sie nicht mehr brauchen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>QAV Launcher - Properties</source>
        <translation>QAV Launcher - Eigenschaften</translation>
    </message>
    <message>
        <source>QAV Launcher - Change Icon</source>
        <translation>QAV Launcher - Symbol ändern</translation>
    </message>
    <message>
        <source>Change icon failed</source>
        <translation>Das Symbol konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Change Icon</source>
        <translation>Symbol ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Reset Default Icon</source>
        <translation>Standardsymbol &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Search Icon</source>
        <translation>Symbol &amp;suchen</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Normal Window</source>
        <translation>Normales Fenster</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>Minimiert</translation>
    </message>
    <message>
        <source>Maximized</source>
        <translation>Maximiert</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Ausführen:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Type the name of a program, folder, document or Internet resource, and QAV Launcher will open it for you.</source>
        <translation>Geben Sie den Namen eines Programms, Ordners, Dokuments oder einer Internetressource ein, und QAV Launcher öffnet es für Sie.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>QAV Launcher cannot find &apos;%1&apos;. Make sure you typed the name correctly, and then try again.</source>
        <translation>QAV Launcher kann „%1“ nicht finden. Vergewissern Sie sich, dass Sie den Namen richtig eingegeben haben, und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>QtFileDialogs</name>
    <message>
        <source>Filename Length Overflow</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>QAV Launcher - FileDialog Function</source>
        <translation>QAV Launcher - Dateiauswahl</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search, %1</source>
        <translation>Suche, %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Alt+%1</source>
        <translation>Alt+%1</translation>
    </message>
    <message>
        <source>Type to search</source>
        <translation>Tippen zum Suchen</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Keine Ergebnisse</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 Ergebnis</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 Ergebnisse</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>8 icons</source>
        <translation>8 Symbole</translation>
    </message>
    <message>
        <source>12 icons</source>
        <translation>12 Symbole</translation>
    </message>
    <message>
        <source>16 icons</source>
        <translation>16 Symbole</translation>
    </message>
    <message>
        <source>20 icons</source>
        <translation>20 Symbole</translation>
    </message>
    <message>
        <source>24 icons</source>
        <translation>24 Symbole</translation>
    </message>
    <message>
        <source>28 icons</source>
        <translation>28 Symbole</translation>
    </message>
    <message>
        <source>32 icons</source>
        <translation>32 Symbole</translation>
    </message>
    <message>
        <source>36 icons</source>
        <translation>36 Symbole</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
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
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>QAV Launcher - Settings</source>
        <translation>QAV Launcher - Einstellungen</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Seiten der Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>&amp;About  QAV Launcher</source>
        <translation>&amp;Über  QAV Launcher</translation>
    </message>
    <message>
        <source>About QAV Launcher</source>
        <translation>Über QAV Launcher</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Normal Icon Size</source>
        <translation>Normale Symbolgröße</translation>
    </message>
    <message>
        <source>Magnified Icon Size</source>
        <translation>Vergrößerte Symbolgröße</translation>
    </message>
    <message>
        <source>Circle Diameter</source>
        <translation>Kreisdurchmesser</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Icon Quantity</source>
        <translation>Anzahl der Symbole</translation>
    </message>
    <message>
        <source>Minimized Position</source>
        <translation>Position im verkleinerten Zustand</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Normal Icon Size:  %1  Pixels</source>
        <translation>Normale Symbolgröße:  %1  Pixel</translation>
    </message>
    <message>
        <source>Magnified Icon Size:  %1  Pixels</source>
        <translation>Vergrößerte Symbolgröße:  %1  Pixel</translation>
    </message>
    <message>
        <source>Circle Diameter:  %1  Pixels</source>
        <translation>Kreisdurchmesser:  %1  Pixel</translation>
    </message>
    <message>
        <source>Opacity:  %1</source>
        <translation>Deckkraft:  %1</translation>
    </message>
    <message>
        <source>Icon Quantity:  %1  Icons</source>
        <translation>Anzahl der Symbole:  %1</translation>
    </message>
    <message>
        <source>Current Minimized Position: %1</source>
        <translation>Aktuelle Position im verkleinerten Zustand: %1</translation>
    </message>
    <message>
        <source>Load at system startup</source>
        <translation>Beim Systemstart laden</translation>
    </message>
    <message>
        <source>Auto-Hide QAV Launcher</source>
        <translation>QAV Launcher automatisch ausblenden</translation>
    </message>
    <message>
        <source>Do not display shortcut letters</source>
        <translation>Tastenbuchstaben nicht anzeigen</translation>
    </message>
    <message>
        <source>Turn on ClearType</source>
        <translation>ClearType einschalten</translation>
    </message>
    <message>
        <source>Backup Configuration</source>
        <translation>Konfiguration sichern</translation>
    </message>
    <message>
        <source>Backup All Shortcuts &amp;&amp; Icons</source>
        <translation>Alle Verknüpfungen &amp;&amp; Symbole sichern</translation>
    </message>
    <message>
        <source>Restore Configuration</source>
        <translation>Konfiguration wiederherstellen</translation>
    </message>
    <message>
        <source>Restore All Shortcuts &amp;&amp; Icons</source>
        <translation>Alle Verknüpfungen &amp;&amp; Symbole wiederherstellen</translation>
    </message>
    <message>
        <source>Reset all default program settings</source>
        <translation>Alle Programmeinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all default shortcuts &amp;&amp; icons</source>
        <translation>Alle Verknüpfungen &amp;&amp; Symbole zurücksetzen</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>QAV Launcher - Backup Configuration</source>
        <translation>QAV Launcher - Konfiguration sichern</translation>
    </message>
    <message>
        <source>QAV Launcher - Backup Shortcuts &amp; Icons</source>
        <translation>QAV Launcher - Verknüpfungen &amp; Symbole sichern</translation>
    </message>
    <message>
        <source>QAV Launcher - Restore Configuration</source>
        <translation>QAV Launcher - Konfiguration wiederherstellen</translation>
    </message>
    <message>
        <source>QAV Launcher - Restore Shortcuts &amp; Icons</source>
        <translation>QAV Launcher - Verknüpfungen &amp; Symbole wiederherstellen</translation>
    </message>
    <message>
        <source>Hot Keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern …</translation>
    </message>
    <message>
        <source>Change: %1</source>
        <translation>Ändern: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>No hot key: %1</source>
        <translation>Kein Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Restore Default Keys</source>
        <translation>Standardtasten wiederherstellen</translation>
    </message>
    <message>
        <source>These combinations reach QAV Launcher from every program, which then no longer gets them; in QAV Launcher&apos;s own windows they keep their usual meaning. Where the window manager keeps Alt+Space, bind the command &quot;qav-launcher --keyboard&quot; to a shortcut in the desktop&apos;s keyboard settings, or choose another combination here.</source>
        <translation>Diese Tastenkombinationen erreichen QAV Launcher aus jedem Programm, das sie dann selbst nicht mehr erhält; in den eigenen Fenstern von QAV Launcher behalten sie ihre übliche Bedeutung. Wo der Fenstermanager Alt+Leertaste für sich behält, legen Sie den Befehl „qav-launcher --keyboard“ in den Tastatureinstellungen des Desktops auf ein Tastenkürzel oder wählen hier eine andere Kombination.</translation>
    </message>
    <message>
        <source>Hot key state</source>
        <translation>Zustand der Tastenkürzel</translation>
    </message>
    <message>
        <source>Press the new combination for &quot;%1&quot;.</source>
        <translation>Drücken Sie die neue Tastenkombination für „%1“.</translation>
    </message>
    <message>
        <source>%1 cannot be a hot key: %2.</source>
        <translation>%1 kann kein Tastenkürzel sein: %2.</translation>
    </message>
    <message>
        <source>%1 already does something else: %2.</source>
        <translation>%1 ist schon belegt: %2.</translation>
    </message>
    <message>
        <source>%1 now does this from every program: %2.</source>
        <translation>%1 bewirkt jetzt aus jedem Programm: %2.</translation>
    </message>
    <message>
        <source>No hot key now does this: %1.</source>
        <translation>Jetzt bewirkt das kein Tastenkürzel mehr: %1.</translation>
    </message>
    <message>
        <source>The hot keys are the usual ones again.</source>
        <translation>Die Tastenkürzel sind wieder die üblichen.</translation>
    </message>
    <message>
        <source>%1 is held by another program (often the window manager), so it does nothing until that program lets it go.</source>
        <translation>%1 ist von einem anderen Programm belegt (oft vom Fenstermanager) und bewirkt deshalb nichts, bis dieses Programm es freigibt.</translation>
    </message>
    <message>
        <source>QAV Launcher</source>
        <translation>QAV Launcher</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>QAV Launcher</source>
        <translation>QAV Launcher</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be used (those actions keep their usual keys):</source>
        <translation>Einige Zeilen von %1 konnten nicht verwendet werden (diese Aktionen behalten ihre üblichen Tasten):</translation>
    </message>
    <message>
        <source>QAV Launcher could not take the hot key %1: another program, often the window manager, already uses it. </source>
        <translation>QAV Launcher konnte das Tastenkürzel %1 nicht übernehmen: Ein anderes Programm, oft der Fenstermanager, verwendet es bereits. </translation>
    </message>
    <message>
        <source>QAV Launcher could not take the hot keys %1: other programs, often the window manager, already use them. </source>
        <translation>QAV Launcher konnte die Tastenkürzel %1 nicht übernehmen: Andere Programme, oft der Fenstermanager, verwenden sie bereits. </translation>
    </message>
    <message>
        <source>To bring the launcher up, click its tray icon, bind the command &quot;qav-launcher --keyboard&quot; to a shortcut in the desktop&apos;s keyboard settings, or choose another combination on the Keys page of the settings.</source>
        <translation>Um den Launcher aufzurufen, klicken Sie auf sein Symbol im Infobereich, legen Sie den Befehl „qav-launcher --keyboard“ in den Tastatureinstellungen des Desktops auf ein Tastenkürzel oder wählen Sie auf der Seite „Tasten“ der Einstellungen eine andere Kombination.</translation>
    </message>
    <message>
        <source>Choose another combination on the Keys page of the settings.</source>
        <translation>Wählen Sie auf der Seite „Tasten“ der Einstellungen eine andere Kombination.</translation>
    </message>
    <message>
        <source> The other hot keys work as usual.</source>
        <translation> Die anderen Tastenkürzel funktionieren wie gewohnt.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>QAV Launcher</source>
        <translation>QAV Launcher</translation>
    </message>
    <message>
        <source>&amp;Change User Icon</source>
        <translation>Benutzerbild ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About QAV Launcher</source>
        <translation>&amp;Über QAV Launcher</translation>
    </message>
    <message>
        <source>&amp;Visit Our Official Website</source>
        <translation>Offizielle &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Online-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
</TS>
