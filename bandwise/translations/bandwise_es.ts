<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>SampleResistor</name>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="24"/>
        <source>Left lead</source>
        <translation>Terminal izquierdo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="25"/>
        <source>Right lead</source>
        <translation>Terminal derecho</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="26"/>
        <source>Left end of the body</source>
        <translation>Extremo izquierdo del cuerpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="27"/>
        <source>Right end of the body</source>
        <translation>Extremo derecho del cuerpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="28"/>
        <source>Body</source>
        <translation>Cuerpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="47"/>
        <source>Orange (example, no band chosen yet)</source>
        <translation>Naranja (ejemplo, banda aún sin elegir)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="48"/>
        <source>Red (example, no band chosen yet)</source>
        <translation>Rojo (ejemplo, banda aún sin elegir)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="49"/>
        <source>Green (example, no band chosen yet)</source>
        <translation>Verde (ejemplo, banda aún sin elegir)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="50"/>
        <source>Blue (example, no band chosen yet)</source>
        <translation>Azul (ejemplo, banda aún sin elegir)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="51"/>
        <source>Violet (example, no band chosen yet)</source>
        <translation>Violeta (ejemplo, banda aún sin elegir)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="52"/>
        <source>Yellow (example, no band chosen yet)</source>
        <translation>Amarillo (ejemplo, banda aún sin elegir)</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <location filename="../shell/main_window.cpp" line="237"/>
        <source>Bandwise keeps your settings files in this folder:
%1</source>
        <translation>Bandwise guarda sus archivos de configuración en esta carpeta:
%1</translation>
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
        <location filename="../encoding/encoding_panel.cpp" line="220"/>
        <source>Set value…</source>
        <translation>Fijar valor…</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="238"/>
        <source>Set value</source>
        <translation>Fijar valor</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="238"/>
        <source>Value and tolerance, for example 4k7 5%:</source>
        <translation>Valor y tolerancia, por ejemplo 4k7 5%:</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="239"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="239"/>
        <location filename="../encoding/encoding_panel.cpp" line="281"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="256"/>
        <source>&quot;%1&quot; may mean %2 or %3: type %4 or %5.</source>
        <translation>«%1» puede significar %2 o %3: escriba %4 o %5.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="279"/>
        <source>%1 needs three significant digits, and four bands show two. Use five bands?</source>
        <translation>%1 necesita tres cifras significativas, pero con cuatro bandas solo caben dos. ¿Usar cinco bandas?</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="281"/>
        <source>Use five bands</source>
        <translation>Usar cinco bandas</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="289"/>
        <source>%1 needs more significant digits than bands can show.</source>
        <translation>%1 necesita más cifras significativas de las que pueden mostrar las bandas.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="263"/>
        <location filename="../encoding/encoding_panel.cpp" line="291"/>
        <source>Bands show nothing finer than 0.01 Ω, so they cannot show %1.</source>
        <translation>Las bandas no muestran nada más fino que 0.01 Ω, así que no pueden mostrar %1.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="265"/>
        <location filename="../encoding/encoding_panel.cpp" line="294"/>
        <source>Bands show at most %1, so they cannot show %2.</source>
        <translation>Las bandas muestran como máximo %1, así que no pueden mostrar %2.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="297"/>
        <source>No tolerance band stands for ±%1 %.</source>
        <translation>Ninguna banda de tolerancia indica ±%1 %.</translation>
    </message>
</context>
<context>
    <name>ValueFacts</name>
    <message>
        <location filename="../widgets/value_facts.cpp" line="58"/>
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="63"/>
        <source>Standard value of the %1 series</source>
        <translation>Valor normalizado de la serie %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="70"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4; it is an %5 value</source>
        <translation>No está en %1 (la serie de ±%2 %); los más cercanos son %3 y %4; es un valor de la serie %5</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="73"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4</source>
        <translation>No está en %1 (la serie de ±%2 %); los más cercanos son %3 y %4</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="76"/>
        <source>Not a standard value</source>
        <translation>No es un valor normalizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="79"/>
        <source>Marked %1</source>
        <translation>Marcado %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="83"/>
        <source>No SMD marking</source>
        <translation>Sin marcado SMD</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="84"/>
        <source>SMD: %1</source>
        <translation>SMD: %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="88"/>
        <source>From the other end: %1, standard value of the %2 series</source>
        <translation>Leído desde el otro extremo: %1, valor normalizado de la serie %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="90"/>
        <source>From the other end: %1, not a standard value</source>
        <translation>Leído desde el otro extremo: %1, no es un valor normalizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="120"/>
        <source>Copy as %1</source>
        <translation>Copiar como %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="123"/>
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
