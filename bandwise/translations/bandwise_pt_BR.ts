<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FinderDialog</name>
    <message>
        <location filename="../finder/combination_tab.cpp" line="33"/>
        <source>&amp;Wanted value:</source>
        <translation>Valor &amp;desejado:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="34"/>
        <location filename="../finder/divider_tab.cpp" line="53"/>
        <source>&amp;Series:</source>
        <translation>&amp;Série:</translation>
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
        <translation>&amp;Peças no máximo:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="43"/>
        <source>E&amp;xcluded values:</source>
        <translation>Valores &amp;excluídos:</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="44"/>
        <source>for example 4K7 2K2</source>
        <translation>por exemplo 4K7 2K2</translation>
    </message>
    <message>
        <location filename="../finder/search_tab.cpp" line="30"/>
        <source>Searching</source>
        <translation>Procurando</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="26"/>
        <source>Combinations found</source>
        <translation>Combinações encontradas</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="27"/>
        <source>Parts</source>
        <translation>Peças</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="27"/>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="27"/>
        <source>Resistance</source>
        <translation>Resistência</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="28"/>
        <location filename="../finder/divider_tab.cpp" line="39"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="29"/>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="29"/>
        <source>Set the lists of the colour code to this part</source>
        <translation>Levar esta peça às listas do código de cores</translation>
    </message>
    <message>
        <location filename="../finder/combination_tab.cpp" line="81"/>
        <source>&quot;%1&quot; among the excluded values is not a value.</source>
        <translation>“%1”, entre os valores excluídos, não é um valor.</translation>
    </message>
    <message>
        <location filename="../finder/search_tab.cpp" line="115"/>
        <source>Searching…</source>
        <translation>Procurando…</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="28"/>
        <source>Type the input and output voltages.</source>
        <translation>Digite as tensões de entrada e de saída.</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="29"/>
        <source>&quot;%1&quot; is not a voltage.</source>
        <translation>“%1” não é uma tensão.</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="45"/>
        <source>&amp;Input voltage (V):</source>
        <translation>Tensão de &amp;entrada (V):</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="47"/>
        <source>O&amp;utput voltage (V):</source>
        <translation>&amp;Tensão de saída (V):</translation>
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
        <translation>&amp;Duas peças por ramo</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="37"/>
        <source>Dividers found</source>
        <translation>Divisores encontrados</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="38"/>
        <source>Ratio</source>
        <translation>Razão</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="39"/>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="40"/>
        <source>Use R&amp;1</source>
        <translation>Usar R&amp;1</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="41"/>
        <source>Set the lists of the colour code to R1</source>
        <translation>Levar R1 às listas do código de cores</translation>
    </message>
    <message>
        <location filename="../finder/divider_tab.cpp" line="95"/>
        <source>The output voltage must be above 0 and below the input voltage.</source>
        <translation>A tensão de saída deve ser maior que 0 e menor que a de entrada.</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="24"/>
        <source>Find standard values</source>
        <translation>Procurar valores padronizados</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="28"/>
        <source>C&amp;ombinations</source>
        <translation>C&amp;ombinações</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="29"/>
        <source>&amp;Divider</source>
        <translation>Di&amp;visor</translation>
    </message>
    <message>
        <location filename="../finder/finder_dialog.cpp" line="33"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="83"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="158"/>
        <source>Best first; Ctrl+C copies the selected row.</source>
        <translation>Os melhores primeiro; Ctrl+C copia a linha selecionada.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="162"/>
        <source>The value must lie between 0.1 Ω and 1 GΩ.</source>
        <translation>O valor deve estar entre 0.1 Ω e 1 GΩ.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="164"/>
        <source>The lowest must not be above the highest, and both must lie between 0.1 Ω and 1 GΩ.</source>
        <translation>O mínimo não deve passar do máximo, e ambos devem estar entre 0.1 Ω e 1 GΩ.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="167"/>
        <source>No value of the series lies in that range, or every one is excluded.</source>
        <translation>Nenhum valor da série está nessa faixa, ou todos estão excluídos.</translation>
    </message>
    <message>
        <location filename="../finder/finder_widgets.cpp" line="169"/>
        <source>No choice of parts gives a total in that range.</source>
        <translation>Nenhuma escolha de peças dá um total nessa faixa.</translation>
    </message>
</context>
<context>
    <name>SampleResistor</name>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="24"/>
        <source>Left lead</source>
        <translation>Terminal esquerdo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="25"/>
        <source>Right lead</source>
        <translation>Terminal direito</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="26"/>
        <source>Left end of the body</source>
        <translation>Ponta esquerda do corpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="27"/>
        <source>Right end of the body</source>
        <translation>Ponta direita do corpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="28"/>
        <source>Body</source>
        <translation>Corpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="47"/>
        <source>Orange (example, no band chosen yet)</source>
        <translation>Laranja (exemplo, faixa ainda não escolhida)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="48"/>
        <source>Red (example, no band chosen yet)</source>
        <translation>Vermelho (exemplo, faixa ainda não escolhida)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="49"/>
        <source>Green (example, no band chosen yet)</source>
        <translation>Verde (exemplo, faixa ainda não escolhida)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="50"/>
        <source>Blue (example, no band chosen yet)</source>
        <translation>Azul (exemplo, faixa ainda não escolhida)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="51"/>
        <source>Violet (example, no band chosen yet)</source>
        <translation>Violeta (exemplo, faixa ainda não escolhida)</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="52"/>
        <source>Yellow (example, no band chosen yet)</source>
        <translation>Amarelo (exemplo, faixa ainda não escolhida)</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <location filename="../shell/main_window.cpp" line="248"/>
        <source>Bandwise keeps your settings files in this folder:
%1</source>
        <translation>O Bandwise guarda seus arquivos de configuração nesta pasta:
%1</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="35"/>
        <source>&quot;%1&quot; does not start with a number.</source>
        <translation>“%1” não começa com um número.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="39"/>
        <source>&quot;m&quot; may mean milli or mega: write 0.001 or 1M.</source>
        <translation>“m” pode ser mili ou mega: escreva 0.001 ou 1M.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="37"/>
        <source>A resistance must be larger than 0 Ω.</source>
        <translation>A resistência deve ser maior que 0 Ω.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="41"/>
        <source>In &quot;%1&quot;, what follows the value is not a tolerance.</source>
        <translation>Em “%1”, o que vem depois do valor não é uma tolerância.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="43"/>
        <source>A tolerance must be a percentage between 0 and 100, for example 5%.</source>
        <translation>A tolerância deve ser uma porcentagem entre 0 e 100, por exemplo 5%.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="49"/>
        <source>A value has at most 15 significant digits.</source>
        <translation>Um valor tem no máximo 15 algarismos significativos.</translation>
    </message>
    <message>
        <location filename="../widgets/reading_problem.cpp" line="51"/>
        <source>Type a value, for example 4k7 or 4.7 kΩ 5%.</source>
        <translation>Digite um valor, por exemplo 4k7 ou 4.7 kΩ 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="195"/>
        <source>Set value…</source>
        <translation>Definir valor…</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="219"/>
        <source>Set value</source>
        <translation>Definir valor</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="219"/>
        <source>Value and tolerance, for example 4k7 5%:</source>
        <translation>Valor e tolerância, por exemplo 4k7 5%:</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="220"/>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>“%1” pode significar %2 ou %3: digite %4 ou %5.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="254"/>
        <source>%1 needs three significant digits, and four bands show two. Use five bands?</source>
        <translation>%1 precisa de três algarismos significativos, mas quatro faixas só mostram dois. Usar cinco faixas?</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="256"/>
        <source>Use five bands</source>
        <translation>Usar cinco faixas</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="264"/>
        <source>%1 needs more significant digits than bands can show.</source>
        <translation>%1 precisa de mais algarismos significativos do que as faixas podem mostrar.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="238"/>
        <location filename="../encoding/encoding_panel.cpp" line="266"/>
        <source>Bands show nothing finer than 0.01 Ω, so they cannot show %1.</source>
        <translation>As faixas não mostram nada menor que 0.01 Ω, então não podem mostrar %1.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="240"/>
        <location filename="../encoding/encoding_panel.cpp" line="269"/>
        <source>Bands show at most %1, so they cannot show %2.</source>
        <translation>As faixas mostram no máximo %1, então não podem mostrar %2.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="272"/>
        <source>No tolerance band stands for ±%1 %.</source>
        <translation>Nenhuma faixa de tolerância indica ±%1 %.</translation>
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
        <translation>Valor padronizado da série %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="71"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4; it is an %5 value</source>
        <translation>Não está na %1 (a série de ±%2 %); os mais próximos são %3 e %4; é um valor da série %5</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="74"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4</source>
        <translation>Não está na %1 (a série de ±%2 %); os mais próximos são %3 e %4</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="77"/>
        <source>Not a standard value</source>
        <translation>Não é um valor padronizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="80"/>
        <source>Marked %1</source>
        <translation>Marcado %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="84"/>
        <source>No SMD marking</source>
        <translation>Sem marcação SMD</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="85"/>
        <source>SMD: %1</source>
        <translation>SMD: %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="89"/>
        <source>From the other end: %1, standard value of the %2 series</source>
        <translation>Lido pela outra ponta: %1, valor padronizado da série %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="91"/>
        <source>From the other end: %1, not a standard value</source>
        <translation>Lido pela outra ponta: %1, não é um valor padronizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="121"/>
        <source>Copy as %1</source>
        <translation>Copiar como %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="124"/>
        <source>Copy bands</source>
        <translation>Copiar faixas</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="130"/>
        <source>Find standard values…</source>
        <translation>Procurar valores padronizados…</translation>
    </message>
</context>
<context>
    <name>bandwise::AboutDialog</name>
    <message>
        <location filename="../about/about_dialog.cpp" line="150"/>
        <source>Bandwise program icon</source>
        <translation>Ícone do programa Bandwise</translation>
    </message>
</context>
</TS>
