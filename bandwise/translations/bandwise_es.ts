<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ValueFacts</name>
    <message>
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>Standard value of the %1 series</source>
        <translation>Valor normalizado de la serie %1</translation>
    </message>
    <message>
        <source>Not a standard value; nearest in %1: %2 and %3</source>
        <translation>No es un valor normalizado; los más cercanos en %1: %2 y %3</translation>
    </message>
    <message>
        <source>Not a standard value</source>
        <translation>No es un valor normalizado</translation>
    </message>
    <message>
        <source>Marked %1</source>
        <translation>Marcado %1</translation>
    </message>
    <message>
        <source>No SMD marking</source>
        <translation>Sin marcado SMD</translation>
    </message>
    <message>
        <source>SMD: %1</source>
        <translation>SMD: %1</translation>
    </message>
    <message>
        <source>Copy as %1</source>
        <translation>Copiar como %1</translation>
    </message>
    <message>
        <source>Copy bands</source>
        <translation>Copiar bandas</translation>
    </message>
</context>
</TS>
