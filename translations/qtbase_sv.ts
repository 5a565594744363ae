<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts that a player meets, in Swedish, for Qt versions whose translations have
     Swedish only in the older catalogue of all of Qt, which lacks them. -->
<TS version="2.1" language="sv">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>Cancel</source><translation>Avbryt</translation></message>
</context>
<context>
    <name>QLineEdit</name>
    <message><source>&amp;Undo</source><translation>&amp;Ångra</translation></message>
    <message><source>&amp;Redo</source><translation>&amp;Gör om</translation></message>
    <message><source>Cu&amp;t</source><translation>Klipp &amp;ut</translation></message>
    <message><source>&amp;Copy</source><translation>&amp;Kopiera</translation></message>
    <message><source>&amp;Paste</source><translation>Klistra &amp;in</translation></message>
    <message><source>Delete</source><translation>Ta bort</translation></message>
    <message><source>Select All</source><translation>Markera allt</translation></message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message><source>Press</source><translation>Tryck</translation></message>
    <message><source>Triggers the action</source><translation>Utför åtgärden</translation></message>
    <message><source>SetFocus</source><translation>Sätt fokus</translation></message>
    <message><source>Sets the focus</source><translation>Sätter fokus</translation></message>
    <message><source>ShowMenu</source><translation>Visa meny</translation></message>
    <message><source>Shows the menu</source><translation>Visar menyn</translation></message>
    <message><source>Toggle</source><translation>Växla</translation></message>
    <message><source>Toggles the state</source><translation>Växlar läget</translation></message>
</context>
</TS>
