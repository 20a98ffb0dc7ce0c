<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>SampleResistor</name>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="21"/>
        <source>Left lead</source>
        <translation>Terminal izquierdo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="22"/>
        <source>Right lead</source>
        <translation>Terminal derecho</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="23"/>
        <source>Left end of the body</source>
        <translation>Extremo izquierdo del cuerpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="24"/>
        <source>Right end of the body</source>
        <translation>Extremo derecho del cuerpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="25"/>
        <source>Body</source>
        <translation>Cuerpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="26"/>
        <source>Band not chosen yet</source>
        <translation>Banda aún sin elegir</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="46"/>
        <source>&quot;%1&quot; does not start with a number.</source>
        <translation>«%1» no empieza por un número.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="50"/>
        <source>&quot;m&quot; may mean milli or mega: write 0.001 or 1M.</source>
        <translation>«m» puede ser mili o mega: escriba 0.001 o 1M.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="48"/>
        <source>A resistance must be larger than 0 Ω.</source>
        <translation>La resistencia debe ser mayor que 0 Ω.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="52"/>
        <source>In &quot;%1&quot;, what follows the value is not a tolerance.</source>
        <translation>En «%1», lo que sigue al valor no es una tolerancia.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="54"/>
        <source>A tolerance must be a percentage between 0 and 100, for example 5%.</source>
        <translation>La tolerancia debe ser un porcentaje entre 0 y 100, por ejemplo 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="56"/>
        <source>The smallest value is 0.001 Ω.</source>
        <translation>El valor más pequeño es 0.001 Ω.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="58"/>
        <source>The largest value is 1 TΩ.</source>
        <translation>El valor más grande es 1 TΩ.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="60"/>
        <source>A value has at most 15 significant digits.</source>
        <translation>Un valor tiene como máximo 15 cifras significativas.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="62"/>
        <source>Type a value, for example 4k7 or 4.7 kΩ 5%.</source>
        <translation>Escriba un valor, por ejemplo 4k7 o 4.7 kΩ 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="225"/>
        <source>Set value…</source>
        <translation>Fijar valor…</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="242"/>
        <source>Set value</source>
        <translation>Fijar valor</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="243"/>
        <source>Value and tolerance, for example 4k7 5%:</source>
        <translation>Valor y tolerancia, por ejemplo 4k7 5%:</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="243"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="244"/>
        <location filename="../encoding/encoding_panel.cpp" line="273"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="271"/>
        <source>%1 needs three significant digits, and four bands show two. Use five bands?</source>
        <translation>%1 necesita tres cifras significativas, pero con cuatro bandas solo caben dos. ¿Usar cinco bandas?</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="273"/>
        <source>Use five bands</source>
        <translation>Usar cinco bandas</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="281"/>
        <source>%1 needs more significant digits than bands can show.</source>
        <translation>%1 necesita más cifras significativas de las que pueden mostrar las bandas.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="283"/>
        <source>Bands show nothing finer than 0.01 Ω, so they cannot show %1.</source>
        <translation>Las bandas no muestran nada más fino que 0.01 Ω, así que no pueden mostrar %1.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="286"/>
        <source>Bands show at most %1, so they cannot show %2.</source>
        <translation>Las bandas muestran como máximo %1, así que no pueden mostrar %2.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="289"/>
        <source>No tolerance band stands for ±%1 %.</source>
        <translation>Ninguna banda de tolerancia indica ±%1 %.</translation>
    </message>
</context>
<context>
    <name>ValueFacts</name>
    <message>
        <location filename="../widgets/value_facts.cpp" line="67"/>
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="75"/>
        <source>Standard value of the %1 series</source>
        <translation>Valor normalizado de la serie %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="80"/>
        <source>Not a standard value; nearest in %1: %2 and %3</source>
        <translation>No es un valor normalizado; los más cercanos en %1: %2 y %3</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="83"/>
        <source>Not a standard value</source>
        <translation>No es un valor normalizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="86"/>
        <source>Marked %1</source>
        <translation>Marcado %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="90"/>
        <source>No SMD marking</source>
        <translation>Sin marcado SMD</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="91"/>
        <source>SMD: %1</source>
        <translation>SMD: %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="95"/>
        <source>From the other end: %1, standard value of the %2 series</source>
        <translation>Leído desde el otro extremo: %1, valor normalizado de la serie %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="97"/>
        <source>From the other end: %1, not a standard value</source>
        <translation>Leído desde el otro extremo: %1, no es un valor normalizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="124"/>
        <source>Copy as %1</source>
        <translation>Copiar como %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="127"/>
        <source>Copy bands</source>
        <translation>Copiar bandas</translation>
    </message>
</context>
<context>
    <name>bandwise::AboutDialog</name>
    <message>
        <location filename="../about/about_dialog.cpp" line="150"/>
        <source>Bandwise program icon</source>
        <translation>Icono del programa Bandwise</translation>
    </message>
</context>
</TS>
