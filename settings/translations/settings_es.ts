<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>SettingsFiles</name>
    <message>
        <location filename="../settings_window.cpp" line="301"/>
        <source>Bandwise keeps your settings files in this folder:
%1</source>
        <translation>Bandwise guarda sus archivos de configuración en esta carpeta:
%1</translation>
    </message>
</context>
</TS>
