<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>SampleResistor</name>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="21"/>
        <source>Lead</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="22"/>
        <source>Body</source>
        <translation>Corpo</translation>
    </message>
    <message>
        <location filename="../widgets/sample_resistor.cpp" line="23"/>
        <source>Band not chosen yet</source>
        <translation>Faixa ainda não escolhida</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="47"/>
        <source>&quot;%1&quot; does not start with a number.</source>
        <translation>“%1” não começa com um número.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="49"/>
        <source>A resistance is larger than 0 Ω.</source>
        <translation>Uma resistência é maior que 0 Ω.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="51"/>
        <source>&quot;m&quot; may mean milli or mega: write 0.001 or 1M.</source>
        <translation>“m” pode ser mili ou mega: escreva 0.001 ou 1M.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="53"/>
        <source>&quot;%1&quot; goes on after the value with something that is not a tolerance.</source>
        <translation>“%1” continua depois do valor com algo que não é uma tolerância.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="55"/>
        <source>A tolerance is a percentage between 0 and 100, for example 5%.</source>
        <translation>Uma tolerância é uma porcentagem entre 0 e 100, por exemplo 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="57"/>
        <source>The smallest value is 0.001 Ω.</source>
        <translation>O menor valor é 0.001 Ω.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="59"/>
        <source>The largest value is 1 TΩ.</source>
        <translation>O maior valor é 1 TΩ.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="61"/>
        <source>A value has at most 15 significant digits.</source>
        <translation>Um valor tem no máximo 15 algarismos significativos.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="63"/>
        <source>Type a value, for example 4k7 or 4.7 kΩ 5%.</source>
        <translation>Digite um valor, por exemplo 4k7 ou 4.7 kΩ 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="226"/>
        <source>Set value…</source>
        <translation>Definir valor…</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="236"/>
        <source>Set value</source>
        <translation>Definir valor</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="237"/>
        <source>Value and tolerance, for example 4k7 5%:</source>
        <translation>Valor e tolerância, por exemplo 4k7 5%:</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="238"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="239"/>
        <location filename="../encoding/encoding_panel.cpp" line="260"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="258"/>
        <source>%1 needs three significant digits, and four bands show two. Use five bands?</source>
        <translation>%1 precisa de três algarismos significativos, e quatro faixas mostram dois. Usar cinco faixas?</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="260"/>
        <source>Use five bands</source>
        <translation>Usar cinco faixas</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="269"/>
        <source>%1 needs more significant digits than bands can show.</source>
        <translation>%1 precisa de mais algarismos significativos do que as faixas podem mostrar.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="272"/>
        <source>%1 is smaller than bands can show: the smallest multiplier is x0.01.</source>
        <translation>%1 é menor do que as faixas podem mostrar: o menor multiplicador é x0.01.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="274"/>
        <source>%1 is larger than bands can show: the largest multiplier is 10^7.</source>
        <translation>%1 é maior do que as faixas podem mostrar: o maior multiplicador é 10^7.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="276"/>
        <source>No tolerance band stands for ±%1 %.</source>
        <translation>Nenhuma faixa de tolerância indica ±%1 %.</translation>
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
        <translation>Valor padronizado da série %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="80"/>
        <source>Not a standard value; nearest in %1: %2 and %3</source>
        <translation>Não é um valor padronizado; os mais próximos na %1: %2 e %3</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="83"/>
        <source>Not a standard value</source>
        <translation>Não é um valor padronizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="86"/>
        <source>Marked %1</source>
        <translation>Marcado %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="90"/>
        <source>No SMD marking</source>
        <translation>Sem marcação SMD</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="91"/>
        <source>SMD: %1</source>
        <translation>SMD: %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="95"/>
        <source>From the other end: %1, standard value of the %2 series</source>
        <translation>Da outra ponta: %1, valor padronizado da série %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="97"/>
        <source>From the other end: %1, not a standard value</source>
        <translation>Da outra ponta: %1, não é um valor padronizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="124"/>
        <source>Copy as %1</source>
        <translation>Copiar como %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="127"/>
        <source>Copy bands</source>
        <translation>Copiar faixas</translation>
    </message>
</context>
</TS>
