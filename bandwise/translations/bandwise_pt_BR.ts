<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <location filename="../shell/main_window.cpp" line="237"/>
        <source>Bandwise keeps your settings files in this folder:
%1</source>
        <translation>O Bandwise guarda seus arquivos de configuração nesta pasta:
%1</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="46"/>
        <source>&quot;%1&quot; does not start with a number.</source>
        <translation>“%1” não começa com um número.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="50"/>
        <source>&quot;m&quot; may mean milli or mega: write 0.001 or 1M.</source>
        <translation>“m” pode ser mili ou mega: escreva 0.001 ou 1M.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="48"/>
        <source>A resistance must be larger than 0 Ω.</source>
        <translation>A resistência deve ser maior que 0 Ω.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="52"/>
        <source>In &quot;%1&quot;, what follows the value is not a tolerance.</source>
        <translation>Em “%1”, o que vem depois do valor não é uma tolerância.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="54"/>
        <source>A tolerance must be a percentage between 0 and 100, for example 5%.</source>
        <translation>A tolerância deve ser uma porcentagem entre 0 e 100, por exemplo 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="60"/>
        <source>A value has at most 15 significant digits.</source>
        <translation>Um valor tem no máximo 15 algarismos significativos.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="62"/>
        <source>Type a value, for example 4k7 or 4.7 kΩ 5%.</source>
        <translation>Digite um valor, por exemplo 4k7 ou 4.7 kΩ 5%.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="220"/>
        <source>Set value…</source>
        <translation>Definir valor…</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="238"/>
        <source>Set value</source>
        <translation>Definir valor</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="238"/>
        <source>Value and tolerance, for example 4k7 5%:</source>
        <translation>Valor e tolerância, por exemplo 4k7 5%:</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="239"/>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>“%1” pode significar %2 ou %3: digite %4 ou %5.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="279"/>
        <source>%1 needs three significant digits, and four bands show two. Use five bands?</source>
        <translation>%1 precisa de três algarismos significativos, mas quatro faixas só mostram dois. Usar cinco faixas?</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="281"/>
        <source>Use five bands</source>
        <translation>Usar cinco faixas</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="289"/>
        <source>%1 needs more significant digits than bands can show.</source>
        <translation>%1 precisa de mais algarismos significativos do que as faixas podem mostrar.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="263"/>
        <location filename="../encoding/encoding_panel.cpp" line="291"/>
        <source>Bands show nothing finer than 0.01 Ω, so they cannot show %1.</source>
        <translation>As faixas não mostram nada menor que 0.01 Ω, então não podem mostrar %1.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="265"/>
        <location filename="../encoding/encoding_panel.cpp" line="294"/>
        <source>Bands show at most %1, so they cannot show %2.</source>
        <translation>As faixas mostram no máximo %1, então não podem mostrar %2.</translation>
    </message>
    <message>
        <location filename="../encoding/encoding_panel.cpp" line="297"/>
        <source>No tolerance band stands for ±%1 %.</source>
        <translation>Nenhuma faixa de tolerância indica ±%1 %.</translation>
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
        <translation>Valor padronizado da série %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="70"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4; it is an %5 value</source>
        <translation>Não está na %1 (a série de ±%2 %); os mais próximos são %3 e %4; é um valor da série %5</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="73"/>
        <source>Not in %1 (the ±%2 % series); nearest %3 and %4</source>
        <translation>Não está na %1 (a série de ±%2 %); os mais próximos são %3 e %4</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="76"/>
        <source>Not a standard value</source>
        <translation>Não é um valor padronizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="79"/>
        <source>Marked %1</source>
        <translation>Marcado %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="83"/>
        <source>No SMD marking</source>
        <translation>Sem marcação SMD</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="84"/>
        <source>SMD: %1</source>
        <translation>SMD: %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="88"/>
        <source>From the other end: %1, standard value of the %2 series</source>
        <translation>Lido pela outra ponta: %1, valor padronizado da série %2</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="90"/>
        <source>From the other end: %1, not a standard value</source>
        <translation>Lido pela outra ponta: %1, não é um valor padronizado</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="120"/>
        <source>Copy as %1</source>
        <translation>Copiar como %1</translation>
    </message>
    <message>
        <location filename="../widgets/value_facts.cpp" line="123"/>
        <source>Copy bands</source>
        <translation>Copiar faixas</translation>
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
