<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FinderDialog</name>
    <message>
        <location filename="../finder/combination_tab.cpp" line="33"/>
        <source>&amp;Wanted value:</source>
        <translation>Valor &amp;deseado:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="34"/>
        <location filename="../finder/divider_tab.cpp" line="53"/>
        <source>&amp;Series:</source>
        <translation>&amp;Serie:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="35"/>
        <source>&amp;Lowest part:</source>
        <translation>Valor mí&amp;nimo:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="37"/>
        <source>&amp;Highest part:</source>
        <translation>Valor má&amp;ximo:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="42"/>
        <source>Parts &amp;at most:</source>
        <translation>&amp;Piezas como máximo:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="43"/>
        <source>E&amp;xcluded values:</source>
        <translation>Valores &amp;excluidos:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="44"/>
        <source>for example 4K7 2K2</source>
        <translation>por ejemplo 4K7 2K2</translation>
    </message>
    <message>
        <location filename="../finder/search_tab.cpp" line="30"/>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="26"/>
        <source>Combinations found</source>
        <translation>Combinaciones encontradas</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="27"/>
        <source>Parts</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="27"/>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="27"/>
        <source>Resistance</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="28"/>
        <location filename="../finder/divider_tab.cpp" line="39"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="29"/>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="29"/>
        <source>Set the lists of the colour code to this part</source>
        <translation>Llevar esta pieza a las listas del código de colores</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="81"/>
        <source>&quot;%1&quot; among the excluded values is not a value.</source>
        <translation>«%1», entre los valores excluidos, no es un valor.</translation>
    </message>
    <message>
        <location filename="../finder/search_tab.cpp" line="115"/>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="28"/>
        <source>Type the input and output voltages.</source>
        <translation>Escriba las tensiones de entrada y de salida.</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="29"/>
        <source>&quot;%1&quot; is not a voltage.</source>
        <translation>«%1» no es una tensión.</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="45"/>
        <source>&amp;Input voltage (V):</source>
        <translation>Tensión de &amp;entrada (V):</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="47"/>
        <source>O&amp;utput voltage (V):</source>
        <translation>Tensión de sa&amp;lida (V):</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="49"/>
        <source>&amp;Lowest R1 + R2:</source>
        <translation>R1 + R2 mí&amp;nimo:</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="51"/>
        <source>&amp;Highest R1 + R2:</source>
        <translation>R1 + R2 má&amp;ximo:</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="54"/>
        <source>&amp;Two parts per leg</source>
        <translation>&amp;Dos piezas por rama</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="37"/>
        <source>Dividers found</source>
        <translation>Divisores encontrados</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="38"/>
        <source>Ratio</source>
        <translation>Relación</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="39"/>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="40"/>
        <source>Use R&amp;1</source>
        <translation>Usar R&amp;1</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="41"/>
        <source>Set the lists of the colour code to R1</source>
        <translation>Llevar R1 a las listas del código de colores</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="95"/>
        <source>The output voltage must be above 0 and below the input voltage.</source>
        <translation>La tensión de salida debe ser mayor que 0 y menor que la de entrada.</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="24"/>
        <source>Find standard values</source>
        <translation>Buscar valores normalizados</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="28"/>
        <source>C&amp;ombinations</source>
        <translation>C&amp;ombinaciones</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="29"/>
        <source>&amp;Divider</source>
        <translation>Di&amp;visor</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="33"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="83"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="158"/>
        <source>Best first; Ctrl+C copies the selected row.</source>
        <translation>Los mejores primero; Ctrl+C copia la fila elegida.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="162"/>
        <source>The value must lie between 0.1 Ω and 1 GΩ.</source>
        <translation>El valor debe estar entre 0.1 Ω y 1 GΩ.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="164"/>
        <source>The lowest must not be above the highest, and both must lie between 0.1 Ω and 1 GΩ.</source>
        <translation>El mínimo no debe superar al máximo, y ambos deben estar entre 0.1 Ω y 1 GΩ.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="167"/>
        <source>No value of the series lies in that range, or every one is excluded.</source>
        <translation>Ningún valor de la serie está en ese intervalo, o todos están excluidos.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="169"/>
        <source>No choice of parts gives a total in that range.</source>
        <translation>Ninguna elección de piezas da un total en ese intervalo.</translation>
    </message>
</context>
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
        <location filename="../shell/main_window.cpp" line="248"/>
        <source>Bandwise keeps your settings files in this folder:
%1</source>
        <translation>Bandwise guarda sus archivos de configuración en esta carpeta:
%1</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="35"/>
        <source>&quot;%1&quot; does not start with a number.</source>
        <translation>«%1» no empieza por un número.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="39"/>
        <source>&quot;m&quot; may mean milli or mega: write 0.001 or 1M.</source>
        <translation>«m» puede ser mili o mega: escriba 0.001 o 1M.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="37"/>
        <source>A resistance must be larger than 0 Ω.</source>
        <translation>La resistencia debe ser mayor que 0 Ω.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="41"/>
        <source>In &quot;%1&quot;, what follows the value is not a tolerance.</source>
        <translation>En «%1», lo que sigue al valor no es una tolerancia.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="43"/>
        <source>A tolerance must be a percentage between 0 and 100, for example 5%.</source>
        <translation>La tolerancia debe ser un porcentaje entre 0 y 100, por ejemplo 5%.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="49"/>
        <source>A value has at most 15 significant digits.</source>
        <translation>Un valor tiene como máximo 15 cifras significativas.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="51"/>
        <source>Type a value, for example 4k7 or 4.7 kΩ 5%.</source>
        <translation>Escriba un valor, por ejemplo 4k7 o 4.7 kΩ 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="195"/>
        <source>Set value…</source>
        <translation>Fijar valor…</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="219"/>
        <source>Set value</source>
        <translation>Fijar valor</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="219"/>
        <source>Value and tolerance, for example 4k7 5%:</source>
        <translation>Valor y tolerancia, por ejemplo 4k7 5%:</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="220"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="220"/>
        <location filename="../encoding/encoding_panel.cpp" line="256"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="26"/>
        <source>&quot;%1&quot; may mean %2 or %3: type %4 or %5.</source>
        <translation>«%1» puede significar %2 o %3: escriba %4 o %5.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="254"/>
        <source>%1 needs three significant digits, and four bands show two. Use five bands?</source>
        <translation>%1 necesita tres cifras significativas, pero con cuatro bandas solo caben dos. ¿Usar cinco bandas?</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="256"/>
        <source>Use five bands</source>
        <translation>Usar cinco bandas</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="264"/>
        <source>%1 needs more significant digits than bands can show.</source>
        <translation>%1 necesita más cifras significativas de las que pueden mostrar las bandas.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="238"/>
        <location filename="../encoding/encoding_panel.cpp" line="266"/>
        <source>Bands show nothing finer than 0.01 Ω, so they cannot show %1.</source>
        <translation>Las bandas no muestran nada más fino que 0.01 Ω, así que no pueden mostrar %1.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="240"/>
        <location filename="../encoding/encoding_panel.cpp" line="269"/>
        <source>Bands show at most %1, so they cannot show %2.</source>
        <translation>Las bandas muestran como máximo %1, así que no pueden mostrar %2.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="272"/>
        <source>No tolerance band stands for ±%1 %.</source>
        <translation>Ninguna banda de tolerancia indica ±%1 %.</translation>
    </message>
</context>
<context>
    <name>ValueFacts</name>
    <message>
        <location filename="../widgets/value_facts.cpp" line="59"/>
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="64"/>
        <source>Standard value of the %1 series</source>
        <translation>Valor normalizado de la serie %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="71"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4; it is an %5 value</source>
        <translation>No está en %1 (la serie de ±%2 %); los más cercanos son %3 y %4; es un valor de la serie %5</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="74"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4</source>
        <translation>No está en %1 (la serie de ±%2 %); los más cercanos son %3 y %4</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="77"/>
        <source>Not a standard value</source>
        <translation>No es un valor normalizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="80"/>
        <source>Marked %1</source>
        <translation>Marcado %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="84"/>
        <source>No SMD marking</source>
        <translation>Sin marcado SMD</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="85"/>
        <source>SMD: %1</source>
        <translation>SMD: %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="89"/>
        <source>From the other end: %1, standard value of the %2 series</source>
        <translation>Leído desde el otro extremo: %1, valor normalizado de la serie %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="91"/>
        <source>From the other end: %1, not a standard value</source>
        <translation>Leído desde el otro extremo: %1, no es un valor normalizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="121"/>
        <source>Copy as %1</source>
        <translation>Copiar como %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="124"/>
        <source>Copy bands</source>
        <translation>Copiar bandas</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="130"/>
        <source>Find standard values…</source>
        <translation>Buscar valores normalizados…</translation>
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
