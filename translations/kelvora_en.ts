<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>Adviser</name>
    <message>
        <source>Pior regulação (%)</source>
        <translation>Worst regulation (%)</translation>
    </message>
    <message>
        <source>Lâmina</source>
        <translation>Lamination</translation>
    </message>
    <message>
        <source>Ocupação (%)</source>
        <translation>Window fill (%)</translation>
    </message>
    <message>
        <source>Massa (g)</source>
        <translation>Mass (g)</translation>
    </message>
    <message>
        <source>cálculo da aba</source>
        <translation>tab&apos;s calculation</translation>
    </message>
    <message>
        <source>seção do núcleo na aba</source>
        <translation>core cross-section on the tab</translation>
    </message>
    <message>
        <source>erro na construção</source>
        <translation>construction error</translation>
    </message>
    <message>
        <source>ocupação da janela</source>
        <translation>window fill</translation>
    </message>
    <message>
        <source>elevação de temperatura</source>
        <translation>temperature rise</translation>
    </message>
    <message>
        <source>indução</source>
        <translation>flux density</translation>
    </message>
    <message>
        <source>indutância</source>
        <translation>inductance</translation>
    </message>
    <message>
        <source>reatância do primário</source>
        <translation>primary reactance</translation>
    </message>
    <message>
        <source>regulação</source>
        <translation>regulation</translation>
    </message>
    <message>
        <source>corrente em vazio</source>
        <translation>no-load current</translation>
    </message>
    <message>
        <source>isolação reforçada</source>
        <translation>reinforced insulation</translation>
    </message>
    <message>
        <source>Nenhum núcleo do catálogo passa em todas as verificações.</source>
        <translation>No core in the catalogue passes every check.</translation>
    </message>
    <message>
        <source>Nenhum núcleo do catálogo passa em todas as verificações. A que mais falhou: %1 (%2 de %3 núcleos).</source>
        <translation>No core in the catalogue passes every check. The one failed most: %1 (%2 of %3 cores).</translation>
    </message>
</context>
<context>
    <name>Construction</name>
    <message>
        <source>não calculada</source>
        <translation>not calculated</translation>
    </message>
    <message>
        <source>Ocupação da janela: %1 %</source>
        <translation>Window fill: %1 %</translation>
    </message>
    <message>
        <source>Nota: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>Primário</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Primário 1</source>
        <translation>Primary 1</translation>
    </message>
    <message>
        <source>Primário 2</source>
        <translation>Primary 2</translation>
    </message>
    <message>
        <source>Primário até a derivação</source>
        <translation>Primary up to the tap</translation>
    </message>
    <message>
        <source>Primário após a derivação</source>
        <translation>Primary after the tap</translation>
    </message>
    <message>
        <source>Secundário %1</source>
        <translation>Secondary %1</translation>
    </message>
    <message>
        <source>Primário (metade 1)</source>
        <translation>Primary (half 1)</translation>
    </message>
    <message>
        <source>Primário (metade 2)</source>
        <translation>Primary (half 2)</translation>
    </message>
    <message>
        <source>Secundário</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Enrolamento</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Secundário %1 sem espiras: tensão nula ou negativa</source>
        <translation>Secondary %1 without turns: zero or negative voltage</translation>
    </message>
    <message>
        <source>Secundário %1 sem espiras: a queda no primário não deixa compensar</source>
        <translation>Secondary %1 without turns: the primary&apos;s drop leaves nothing to compensate with</translation>
    </message>
    <message>
        <source>compensação não convergiu</source>
        <translation>compensation did not converge</translation>
    </message>
    <message>
        <source>Sem espaçador: lâminas intercaladas</source>
        <translation>No spacer: laminations interleaved</translation>
    </message>
    <message>
        <source>Espaçador em cada junta E–I: %1 mm, E e I topo a topo</source>
        <translation>Air gap spacer in each E–I joint: %1 mm, E and I butted</translation>
    </message>
    <message>
        <source>lâmina fora do catálogo</source>
        <translation>lamination not in the catalogue</translation>
    </message>
    <message>
        <source>UI a = %1 mm</source>
        <translation>UI a = %1 mm</translation>
    </message>
    <message>
        <source>U/I, janela %1 × %2 mm</source>
        <translation>U/I, window %1 × %2 mm</translation>
    </message>
    <message>
        <source>cabe</source>
        <translation>fits</translation>
    </message>
    <message>
        <source>não cabe</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>temperatura ok</source>
        <translation>temperature ok</translation>
    </message>
    <message>
        <source>aquece demais</source>
        <translation>runs too hot</translation>
    </message>
    <message>
        <source>indução ok</source>
        <translation>flux ok</translation>
    </message>
    <message>
        <source>indução alta</source>
        <translation>flux too high</translation>
    </message>
    <message>
        <source>indutância ok</source>
        <translation>inductance ok</translation>
    </message>
    <message>
        <source>indutância baixa</source>
        <translation>inductance too low</translation>
    </message>
    <message>
        <source>satura</source>
        <translation>saturates</translation>
    </message>
    <message>
        <source>graves ok</source>
        <translation>bass ok</translation>
    </message>
    <message>
        <source>graves cortados</source>
        <translation>bass cut</translation>
    </message>
    <message>
        <source>regulação ok</source>
        <translation>regulation ok</translation>
    </message>
    <message>
        <source>regulação alta</source>
        <translation>regulation too high</translation>
    </message>
    <message>
        <source>corrente em vazio ok</source>
        <translation>no-load current ok</translation>
    </message>
    <message>
        <source>corrente em vazio alta</source>
        <translation>no-load current too high</translation>
    </message>
    <message>
        <source>isolação ok</source>
        <translation>insulation ok</translation>
    </message>
    <message>
        <source>isolação insuficiente</source>
        <translation>insulation too thin</translation>
    </message>
    <message>
        <source>Construção: não calculada</source>
        <translation>Construction: not calculated</translation>
    </message>
    <message>
        <source>Construção: tudo ok</source>
        <translation>Construction: all ok</translation>
    </message>
    <message>
        <source>Construção: %1</source>
        <translation>Construction: %1</translation>
    </message>
    <message>
        <source>indução acima da curva do aço</source>
        <translation>flux above the steel&apos;s curve</translation>
    </message>
    <message>
        <source>Fusível do primário: acima de 16 A</source>
        <translation>Primary fuse: above 16 A</translation>
    </message>
    <message>
        <source>Fusível do primário: %1 A retardado</source>
        <translation>Primary fuse: %1 A slow-blow</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Salva cálculos realizados - Transformador de Alimentação</source>
        <translation>Save the calculations - Mains Transformer</translation>
    </message>
    <message>
        <source>Salva cálculos realizados</source>
        <translation>Save the calculations</translation>
    </message>
    <message>
        <source>Salva cálculos realizados - Reator de Filtro</source>
        <translation>Save the calculations - Filter Choke</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Erro de cálculo: divisão por zero. Verifique os valores digitados (um valor igual a zero onde o cálculo divide por ele).</source>
        <translation>Calculation error: division by zero. Check the values typed (a zero where the calculation divides by it).</translation>
    </message>
    <message>
        <source>Erro de cálculo: %1 deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: %1 must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>Erro de cálculo: operação inválida (raiz quadrada ou logaritmo de um número negativo ou zero). Verifique os valores digitados.</source>
        <translation>Calculation error: invalid operation (square root or logarithm of a negative number or zero). Check the values typed.</translation>
    </message>
    <message>
        <source>Erro de cálculo: resultado grande demais para ser representado (estouro). Verifique os valores digitados.</source>
        <translation>Calculation error: result too large to represent (overflow). Check the values typed.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; não é um valor numérico válido</source>
        <translation>&apos;%1&apos; is not a valid number</translation>
    </message>
    <message>
        <source>&apos;%1&apos; não é um número inteiro válido</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>A densidade de corrente dos ajustes não permite dimensionar o fio.</source>
        <translation>The current density in the settings does not allow the wire to be sized.</translation>
    </message>
    <message>
        <source>Os dados da aba levam a valores fora do alcance do cálculo.</source>
        <translation>The tab&apos;s data lead to values beyond the reach of the calculation.</translation>
    </message>
    <message>
        <source>O cálculo da aba terminou com erro.</source>
        <translation>The tab&apos;s calculation ended in an error.</translation>
    </message>
    <message>
        <source>O primário não tem espiras.</source>
        <translation>The primary has no turns.</translation>
    </message>
    <message>
        <source>Bn e En devem ser maiores que zero.</source>
        <translation>Bn and En must be greater than zero.</translation>
    </message>
    <message>
        <source>Margens e abas maiores que a janela.</source>
        <translation>Margins and flanges larger than the window.</translation>
    </message>
    <message>
        <source>Espiras negativas em %1: corrija os dados da aba.</source>
        <translation>Negative turns in %1: correct the tab&apos;s data.</translation>
    </message>
    <message>
        <source>O fio de %1 (%2 mm) não cabe na altura útil da janela (%3 mm).</source>
        <translation>The wire of %1 (%2 mm) does not fit the usable height of the window (%3 mm).</translation>
    </message>
    <message>
        <source>Nenhum número de espiras atende à indutância e ao Bmax neste núcleo.</source>
        <translation>No number of turns meets both the inductance and Bmax on this core.</translation>
    </message>
    <message>
        <source>O projeto se apoia em entradas inválidas ou substituídas: %1. Corrija-as na aba.</source>
        <translation>The design rests on invalid or replaced inputs: %1. Correct them on the tab.</translation>
    </message>
    <message>
        <source>O produto LI^2 está fora dos ábacos do método (a aba indica Falha): corrija a indutância ou a corrente.</source>
        <translation>The product LI^2 is off the method&apos;s charts (the tab says it fails): correct the inductance or the current.</translation>
    </message>
    <message>
        <source>A corrente Ir está fora dos limites para a indutância informada: corrija a corrente ou a indutância.</source>
        <translation>The current Ir is outside the limits for the inductance given: correct the current or the inductance.</translation>
    </message>
    <message>
        <source>Erro de cálculo: a freqüência mínima de áudio (Fmin) deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: the lowest audio frequency (Fmin) must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a impedância placa a placa do modulador (Zmod) deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: the modulator&apos;s plate-to-plate impedance (Zmod) must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a impedância da etapa de RF (EbRF / IbRF) deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: the RF stage&apos;s impedance (EbRF / IbRF) must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a corrente máxima do modulador (I1mod) deve ser maior que zero (bitola do condutor).</source>
        <translation>Calculation error: the modulator&apos;s largest current (I1mod) must be greater than zero (wire gauge).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a corrente da etapa de RF (IbRF) deve ser maior que zero (bitola do condutor).</source>
        <translation>Calculation error: the RF stage&apos;s current (IbRF) must be greater than zero (wire gauge).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a potência de áudio (Po) deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: the audio power (Po) must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a relação Rd / RB (beta mínimo) deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: the ratio Rd / RB (lowest beta) must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a relação Rd / RB (beta máximo) deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: the ratio Rd / RB (highest beta) must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>Erro de cálculo: a seção escolhida (Bn x En) deve ser maior que zero (raiz quadrada de número negativo).</source>
        <translation>Calculation error: the chosen section (Bn x En) must be greater than zero (square root of a negative number).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>a folha de enrolamento</source>
        <translation>the winding sheet</translation>
    </message>
    <message>
        <source>o relatório</source>
        <translation>the report</translation>
    </message>
    <message>
        <source>sistema de arquivos somente leitura</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>já existe uma pasta com esse nome</source>
        <translation>a folder of that name already exists</translation>
    </message>
    <message>
        <source>&quot;%1&quot; é um arquivo, não uma pasta</source>
        <translation>&quot;%1&quot; is a file, not a folder</translation>
    </message>
    <message>
        <source>sem permissão de escrita no arquivo</source>
        <translation>no permission to write the file</translation>
    </message>
    <message>
        <source>a pasta não existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>não foi possível criar o arquivo (pasta protegida contra escrita ou nome inválido)</source>
        <translation>the file could not be created (a write-protected folder or an invalid name)</translation>
    </message>
    <message>
        <source>erro de escrita (disco cheio?)</source>
        <translation>write error (disk full?)</translation>
    </message>
    <message>
        <source>sem permissão de escrita</source>
        <translation>no write permission</translation>
    </message>
    <message>
        <source>não foi possível substituir o arquivo existente</source>
        <translation>the existing file could not be replaced</translation>
    </message>
    <message>
        <source>erro do sistema de arquivos</source>
        <translation>file system error</translation>
    </message>
    <message>
        <source>nenhum programa está lendo o FIFO</source>
        <translation>no program is reading the FIFO</translation>
    </message>
    <message>
        <source>não foi possível abrir o arquivo (%1)</source>
        <translation>the file could not be opened (%1)</translation>
    </message>
    <message>
        <source>o programa que lê o arquivo não recebe os dados</source>
        <translation>the program reading the file does not take the data</translation>
    </message>
    <message>
        <source>erro de escrita (disco cheio)</source>
        <translation>write error (disk full)</translation>
    </message>
    <message>
        <source>o programa que lia o arquivo já terminou</source>
        <translation>the program that was reading the file has ended</translation>
    </message>
    <message>
        <source>erro de escrita (%1)</source>
        <translation>write error (%1)</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1 no arquivo &quot;%2&quot;: %3</source>
        <translation>Could not write %1 to the file &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1 no arquivo &quot;%2&quot;: %3.</source>
        <translation>Could not write %1 to the file &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>Não foi possível desenhar a folha de enrolamento em PDF.</source>
        <translation>The winding sheet could not be drawn as a PDF.</translation>
    </message>
    <message>
        <source>a folha de enrolamento em PDF</source>
        <translation>the winding sheet as a PDF</translation>
    </message>
    <message>
        <source>o projeto</source>
        <translation>the design</translation>
    </message>
</context>
<context>
    <name>Initial</name>
    <message>
        <source>Digite aqui o nome do utilizador do programa</source>
        <translation>Type the name of the program&apos;s user here</translation>
    </message>
    <message>
        <source>Digite aqui o nome do tranformador ou tipo de aplicação</source>
        <translation>Type the transformer&apos;s name or application here</translation>
    </message>
    <message>
        <source>Nome do usuário</source>
        <translation>User&apos;s name</translation>
    </message>
    <message>
        <source>Nome do transformador ou aplicação</source>
        <translation>Transformer&apos;s name or application</translation>
    </message>
    <message>
        <source>Digite aqui o nome do reator ou tipo de aplicação</source>
        <translation>Type the choke&apos;s name or application here</translation>
    </message>
    <message>
        <source>Capacitor de</source>
        <translation>Coupling</translation>
    </message>
    <message>
        <source>Acoplamento</source>
        <translation>Capacitor</translation>
    </message>
    <message>
        <source>Reator de</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Modulação</source>
        <translation>Choke</translation>
    </message>
</context>
<context>
    <name>Item</name>
    <message>
        <source>Classe A</source>
        <translation>Class A</translation>
    </message>
    <message>
        <source>Classe AB</source>
        <translation>Class AB</translation>
    </message>
    <message>
        <source>Classe B</source>
        <translation>Class B</translation>
    </message>
    <message>
        <source>Classe C</source>
        <translation>Class C</translation>
    </message>
    <message>
        <source>Simples</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Duplo</source>
        <translation>Dual</translation>
    </message>
    <message>
        <source>Derivação</source>
        <translation>Tapped</translation>
    </message>
    <message>
        <source>Convencional</source>
        <translation>Conventional</translation>
    </message>
    <message>
        <source>Reator (RCA)</source>
        <translation>Choke (RCA)</translation>
    </message>
    <message>
        <source>Para o núcleo escolhido</source>
        <translation>For the chosen core</translation>
    </message>
    <message>
        <source>Espiras da aba</source>
        <translation>The tab&apos;s turns</translation>
    </message>
    <message>
        <source>Básica</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Reforçada</source>
        <translation>Reinforced</translation>
    </message>
    <message>
        <source>da simulação</source>
        <translation>from the simulation</translation>
    </message>
    <message>
        <source>do fator fixo</source>
        <translation>from the fixed factor</translation>
    </message>
    <message>
        <source>CA (carga resistiva)</source>
        <translation>AC (resistive load)</translation>
    </message>
    <message>
        <source>Onda completa c/ derivação central, entrada capacitiva</source>
        <translation>Full-wave centre-tap, capacitor input</translation>
    </message>
    <message>
        <source>Onda completa c/ derivação central, entrada por choque</source>
        <translation>Full-wave centre-tap, choke input</translation>
    </message>
    <message>
        <source>Ponte, entrada capacitiva</source>
        <translation>Bridge, capacitor input</translation>
    </message>
    <message>
        <source>Ponte, entrada por choque</source>
        <translation>Bridge, choke input</translation>
    </message>
    <message>
        <source>Meia onda, entrada capacitiva</source>
        <translation>Half-wave, capacitor input</translation>
    </message>
    <message>
        <source>válvula própria</source>
        <translation>own valve</translation>
    </message>
    <message>
        <source>meia-onda</source>
        <translation>half-wave</translation>
    </message>
    <message>
        <source>onda-completa-ct</source>
        <translation>full-wave-ct</translation>
    </message>
    <message>
        <source>ponte</source>
        <translation>bridge</translation>
    </message>
    <message>
        <source>dobrador</source>
        <translation>doubler</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>corrente</source>
        <translation>current</translation>
    </message>
    <message>
        <source>resistencia</source>
        <translation>resistance</translation>
    </message>
</context>
<context>
    <name>KelvoraCli</name>
    <message>
        <source>Uso: kelvora-cli PROJETO [CONTROLE=TEXTO]... [--json] [--construcao] [--report=ARQUIVO] [--decimal-separator=C]
                 [--codificacao=windows-1252|utf-8]
                 [--projeto=ARQUIVO] [--salva-projeto=ARQUIVO]
     kelvora-cli --help | --version | --controles
     (todas aceitam --idioma=pt|en)
</source>
        <translation>Usage: kelvora-cli DESIGN [CONTROL=TEXT]... [--json] [--construcao] [--report=FILE] [--decimal-separator=C]
                   [--codificacao=windows-1252|utf-8]
                   [--projeto=FILE] [--salva-projeto=FILE]
       kelvora-cli --help | --version | --controles
       (all take --idioma=pt|en)
</translation>
    </message>
    <message>
        <source>kelvora-cli - Cálculo de Transformadores sem janela (Kelvora %1 %2)</source>
        <translation>kelvora-cli - Transformer Design without a window (Kelvora %1 %2)</translation>
    </message>
    <message>
        <source>
PROJETO: %1
</source>
        <translation>
DESIGN: %1
</translation>
    </message>
    <message>
        <source>
Opções:
  CONTROLE=TEXTO         digita TEXTO no controle de entrada da aba (ou CBSigma);
                         listas tomam o item com esse texto (ou a sua chave,
                         veja --controles), botões de opção =1
  --json                 todos os controles da aba em JSON
  --construcao           construção e perdas do projeto (transformador de
                         alimentação, modulador valvulado, reator de filtro);
                         ajustes como controles: CBCoAco=M400-50A ECoTamb=30
  --sugere-nucleo        os núcleos do catálogo que passam em todas as
                         verificações, os mais leves primeiro
  --report=ARQUIVO       grava o relatório do projeto (- para a saída padrão)
  --folha=ARQUIVO        grava a folha de enrolamento (texto; - para a saída
                         padrão); --folha-pdf=ARQUIVO
                         a mesma folha em PDF, com os desenhos
  --decimal-separator=C  separador decimal , ou . (padrão: o da localidade)
  --codificacao=C        codificação do relatório e da folha em texto:
                         windows-1252 (CR LF, o padrão) ou utf-8 (LF)
  --projeto=ARQUIVO      toma as entradas de um arquivo de projeto (.kelvora);
                         as atribuições CONTROLE=TEXTO valem por cima dele
  --salva-projeto=ARQUIVO
                         grava as entradas desta execução num arquivo de projeto
  --controles            lista os controles de entrada de cada projeto
  --idioma=I             idioma das mensagens e desta ajuda: pt (o padrão) ou en;
                         os resultados, o JSON e os relatórios não mudam
  --help                 mostra esta ajuda
  --version              mostra a versão

Saída: uma linha por resultado, NOME&lt;TAB&gt;texto. Código de saída 0 quando o cálculo
terminou, 1 quando um erro de cálculo o interrompeu ou um arquivo (ou a saída
padrão) não pôde ser gravado, 2 para erro de uso. Um campo que não é número
(ou fora da faixa) é lido com um valor substituto, como a janela faz, e um aviso
nomeia o campo e o valor que o cálculo usou.
</source>
        <translation>
Options:
  CONTROL=TEXT           types TEXT into the tab&apos;s input control (or CBSigma);
                         lists take the item with that text (or its key,
                         see --controles), option buttons =1
  --json                 every control of the tab as JSON
  --construcao           construction and losses of the design (mains
                         transformer, valve modulator, filter choke);
                         settings as controls: CBCoAco=M400-50A ECoTamb=30
  --sugere-nucleo        the catalogue&apos;s cores that pass every check,
                         the lightest first
  --report=FILE          writes the design&apos;s report (- for standard output)
  --folha=FILE           writes the winding sheet (text; - for standard
                         output); --folha-pdf=FILE
                         the same sheet as a PDF, with the drawings
  --decimal-separator=C  decimal separator , or . (default: the locale&apos;s)
  --codificacao=C        encoding of the report and of the text sheet:
                         windows-1252 (CR LF, the default) or utf-8 (LF)
  --projeto=FILE         takes the inputs from a design file (.kelvora);
                         the CONTROL=TEXT assignments apply over it
  --salva-projeto=FILE
                         writes this run&apos;s inputs to a design file
  --controles            lists the input controls of each design
  --idioma=L             language of the messages and of this help: pt (the
                         default) or en; results, JSON and reports do not change
  --help                 shows this help
  --version              shows the version

Output: one line per result, NAME&lt;TAB&gt;text. Exit status 0 when the calculation
finished, 1 when a calculation error stopped it or a file (or standard output)
could not be written, 2 for a usage error. A field that is not a number
(or is out of range) is read with a substitute value, as the window does, and a
warning names the field and the value the calculation used.
</translation>
    </message>
    <message>
        <source>controle de entrada desconhecido neste projeto: %1</source>
        <translation>no such input control in this design: %1</translation>
    </message>
    <message>
        <source>texto longo demais para %1 (no máximo %2 caracteres)</source>
        <translation>text too long for %1 (at most %2 characters)</translation>
    </message>
    <message>
        <source>o texto de %1 contém caracteres de controle (tabulação, quebra de linha)</source>
        <translation>the text of %1 holds control characters (tab, line break)</translation>
    </message>
    <message>
        <source>valor que a lista %1 não tem: %2</source>
        <translation>a value the list %1 does not have: %2</translation>
    </message>
    <message>
        <source>um botão de opção é selecionado com =1: %1</source>
        <translation>an option button is chosen with =1: %1</translation>
    </message>
    <message>
        <source>não foi possível escrever na saída padrão (%1)</source>
        <translation>could not write to standard output (%1)</translation>
    </message>
    <message>
        <source>o idioma deve ser pt ou en</source>
        <translation>the language must be pt or en</translation>
    </message>
    <message>
        <source>falta o nome do projeto</source>
        <translation>the design&apos;s name is missing</translation>
    </message>
    <message>
        <source>projeto desconhecido: %1 (projetos: %2)</source>
        <translation>unknown design: %1 (designs: %2)</translation>
    </message>
    <message>
        <source>o projeto %1 não tem %2</source>
        <translation>the design %1 has no %2</translation>
    </message>
    <message>
        <source>construção</source>
        <translation>construction</translation>
    </message>
    <message>
        <source>--report precisa de um nome de arquivo (ou -)</source>
        <translation>--report needs a file name (or -)</translation>
    </message>
    <message>
        <source>o projeto %1 não tem relatório</source>
        <translation>the design %1 has no report</translation>
    </message>
    <message>
        <source>%1 precisa de um nome de arquivo</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>folha de enrolamento</source>
        <translation>winding sheet</translation>
    </message>
    <message>
        <source>o separador decimal deve ser , ou .</source>
        <translation>the decimal separator must be , or .</translation>
    </message>
    <message>
        <source>a codificação deve ser windows-1252 ou utf-8</source>
        <translation>the encoding must be windows-1252 or utf-8</translation>
    </message>
    <message>
        <source>opção desconhecida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argumento inválido: %1 (esperado CONTROLE=TEXTO)</source>
        <translation>invalid argument: %1 (expected CONTROL=TEXT)</translation>
    </message>
    <message>
        <source>só uma saída vai para a saída padrão: --json, --report=- ou --folha=-</source>
        <translation>only one output goes to standard output: --json, --report=- or --folha=-</translation>
    </message>
    <message>
        <source>--folha-pdf precisa de um nome de arquivo (o PDF não vai para a saída padrão)</source>
        <translation>--folha-pdf needs a file name (the PDF does not go to standard output)</translation>
    </message>
    <message>
        <source>kelvora-cli: aviso: %1 = &quot;%2&quot;: </source>
        <translation>kelvora-cli: warning: %1 = &quot;%2&quot;: </translation>
    </message>
    <message>
        <source>; o cálculo usou %1</source>
        <translation>; the calculation used %1</translation>
    </message>
    <message>
        <source>disco cheio</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>cota de disco esgotada</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>arquivo grande demais</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>sistema de arquivos somente leitura</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>o programa que lia a saída já terminou</source>
        <translation>the program reading the output has ended</translation>
    </message>
    <message>
        <source>a saída padrão está fechada</source>
        <translation>standard output is closed</translation>
    </message>
    <message>
        <source>erro de entrada e saída no dispositivo</source>
        <translation>input/output error on the device</translation>
    </message>
    <message>
        <source>erro de escrita</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>  (chaves: </source>
        <translation>  (keys: </translation>
    </message>
    <message>
        <source>  (marcado no início)</source>
        <translation>  (checked at the start)</translation>
    </message>
    <message>
        <source>  (início: </source>
        <translation>  (at the start: </translation>
    </message>
    <message>
        <source>todos os projetos: aba Ajustes (TAjustes)</source>
        <translation>every design: Settings tab (TAjustes)</translation>
    </message>
    <message>
        <source>--construcao, --sugere-nucleo, --folha: janela Construção (FConstrucao)</source>
        <translation>--construcao, --sugere-nucleo, --folha: Construction window (FConstrucao)</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>texto não numérico: usado %1</source>
        <translation>not a number: %1 used</translation>
    </message>
    <message>
        <source>texto não numérico</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>fora da faixa: usado %1</source>
        <translation>out of range: %1 used</translation>
    </message>
    <message>
        <source>valor negativo: a tensão de um secundário é maior que zero</source>
        <translation>negative value: a secondary&apos;s voltage is greater than zero</translation>
    </message>
    <message>
        <source>valor negativo: a corrente de um secundário é maior que zero</source>
        <translation>negative value: a secondary&apos;s current is greater than zero</translation>
    </message>
    <message>
        <source>menor que a derivação: usado %1</source>
        <translation>below the tap: %1 used</translation>
    </message>
    <message>
        <source>fora da faixa de %1 a %2: usado %3</source>
        <translation>outside %1 to %2: %3 used</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>%1 Esp</source>
        <translation>%1 turns</translation>
    </message>
    <message>
        <source>%1 esp</source>
        <translation>%1 turns</translation>
    </message>
    <message>
        <source>%1 H (mín)</source>
        <translation>%1 H (min)</translation>
    </message>
    <message>
        <source>%1 uF (mín)</source>
        <translation>%1 uF (min)</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1 (a última com %2 espiras)</source>
        <translation>%1 (the last with %2 turns)</translation>
    </message>
    <message>
        <source>Espiras: 0 (não se enrola)</source>
        <translation>Turns: 0 (not wound)</translation>
    </message>
    <message>
        <source>Espiras: %1 no total, %2 na bobina de cada perna</source>
        <translation>Turns: %1 in all, %2 on the coil of each leg</translation>
    </message>
    <message>
        <source>Espiras: %1 no total, %2 na bobina da perna 1 e %3 na da perna 2</source>
        <translation>Turns: %1 in all, %2 on the coil of leg 1 and %3 on that of leg 2</translation>
    </message>
    <message>
        <source>Espiras: %1</source>
        <translation>Turns: %1</translation>
    </message>
    <message>
        <source>%1 (a aba calculou %2)</source>
        <translation>%1 (the tab calculated %2)</translation>
    </message>
    <message>
        <source>Fio: AWG %1, esmalte grau %2 (Ø nu %3 mm, Ø total %4 mm)</source>
        <translation>Wire: AWG %1, enamel grade %2 (bare Ø %3 mm, overall Ø %4 mm)</translation>
    </message>
    <message>
        <source>Espiras por camada: %1</source>
        <translation>Turns per layer: %1</translation>
    </message>
    <message>
        <source>Camadas: %1</source>
        <translation>Layers: %1</translation>
    </message>
    <message>
        <source>Camadas em cada bobina: %1</source>
        <translation>Layers on each coil: %1</translation>
    </message>
    <message>
        <source>Camadas: %1 na perna 1; %2 na perna 2</source>
        <translation>Layers: %1 on leg 1; %2 on leg 2</translation>
    </message>
    <message>
        <source>Entre as camadas: isolação de %1 mm</source>
        <translation>Between the layers: insulation of %1 mm</translation>
    </message>
    <message>
        <source>Depois do enrolamento: isolação de %1 mm</source>
        <translation>Over the winding: insulation of %1 mm</translation>
    </message>
    <message>
        <source>Altura: %1 mm (perna 1); fio: %2 m (as duas metades); R a 20 °C: %3 ohms</source>
        <translation>Build: %1 mm (leg 1); wire: %2 m (both halves); R at 20 °C: %3 ohms</translation>
    </message>
    <message>
        <source>Altura: %1 mm; fio: %2 m; R a 20 °C: %3 ohms</source>
        <translation>Build: %1 mm; wire: %2 m; R at 20 °C: %3 ohms</translation>
    </message>
    <message>
        <source>Corrente: %1 A rms (%2 A/mm²)</source>
        <translation>Current: %1 A rms (%2 A/mm²)</translation>
    </message>
    <message>
        <source>%1 (da simulação do retificador)</source>
        <translation>%1 (from the rectifier&apos;s simulation)</translation>
    </message>
    <message>
        <source>%1; perda: %2 W</source>
        <translation>%1; loss: %2 W</translation>
    </message>
    <message>
        <source>%1; tensão em vazio %2 V, em carga %3 V</source>
        <translation>%1; no-load voltage %2 V, on load %3 V</translation>
    </message>
    <message>
        <source>%1 (regulação %2 %)</source>
        <translation>%1 (regulation %2 %)</translation>
    </message>
    <message>
        <source>Ligação das duas bobinas (núcleo U/I)</source>
        <translation>Joining the two coils (U/I core)</translation>
    </message>
    <message>
        <source>  Cada perna leva uma bobina com metade das espiras de cada enrolamento, na ordem
  acima. Enrole as duas bobinas no mesmo sentido, começando pela mesma aba, e
  ponha-as nas pernas na mesma posição. Ligue as metades de cada enrolamento em
  série: o fim da metade da perna 1 ao fim da metade da perna 2; os dois começos
  são os terminais do enrolamento. Assim os fluxos das duas pernas se somam.
  Confira antes do uso: ligue o primário pela primeira vez através de uma lâmpada
  em série. Com uma metade do primário invertida a lâmpada acende forte; com uma
  metade de um secundário invertida ele dá quase zero volt.</source>
        <translation>  Each leg carries a coil with half the turns of every winding, in the order
  above. Wind both coils in the same sense, starting from the same flange, and
  put them on the legs the same way round. Join the halves of each winding in
  series: the end of the leg 1 half to the end of the leg 2 half; the two starts
  are the winding&apos;s terminals. The fluxes of the two legs then add.
  Check before use: switch the primary on for the first time through a lamp in
  series. With one half of the primary reversed the lamp glows brightly; with
  one half of a secondary reversed that secondary gives almost zero volts.</translation>
    </message>
    <message>
        <source>Primário 1 e Primário 2: enrole as duas metades no mesmo sentido.
    Em paralelo (início do 1 com início do 2, fim do 1 com fim do 2) para a tensão de uma metade;
    em série (fim do 1 com início do 2) para o dobro dela.</source>
        <translation>Primary 1 and Primary 2: wind both halves in the same sense.
    In parallel (start of 1 to start of 2, end of 1 to end of 2) for the voltage of one half;
    in series (end of 1 to start of 2) for twice that voltage.</translation>
    </message>
    <message>
        <source>Secundário %1: derivação central ao fim da espira %2 (metades de %3 espiras); a derivação vai ao retorno da fonte, as pontas aos retificadores.</source>
        <translation>Secondary %1: centre tap at the end of turn %2 (halves of %3 turns); the tap goes to the supply&apos;s return, the ends to the rectifiers.</translation>
    </message>
    <message>
        <source>Secundário %1: derivação central ao fim da espira %2 (metades de %3 e %4 espiras); a derivação vai ao retorno da fonte, as pontas aos retificadores.</source>
        <translation>Secondary %1: centre tap at the end of turn %2 (halves of %3 and %4 turns); the tap goes to the supply&apos;s return, the ends to the rectifiers.</translation>
    </message>
    <message>
        <source>Ligações</source>
        <translation>Connections</translation>
    </message>
    <message>
        <source>Rede e isolação</source>
        <translation>Mains and insulation</translation>
    </message>
    <message>
        <source>%1 (primários em paralelo)</source>
        <translation>%1 (primaries in parallel)</translation>
    </message>
    <message>
        <source>Com os primários em série: %1 A retardado</source>
        <translation>With the primaries in series: %1 A slow-blow</translation>
    </message>
    <message>
        <source>Com os primários em série: acima de 16 A retardado</source>
        <translation>With the primaries in series: above 16 A slow-blow</translation>
    </message>
    <message>
        <source>Corrente em vazio esperada: %1 A em %2 V; %3 A na rede alta (+%4 %)</source>
        <translation>Expected no-load current: %1 A at %2 V; %3 A at the high line (+%4 %)</translation>
    </message>
    <message>
        <source>Isolação reforçada: %1</source>
        <translation>Reinforced insulation: %1</translation>
    </message>
    <message>
        <source>Isolação básica: %1</source>
        <translation>Basic insulation: %1</translation>
    </message>
    <message>
        <source>%1 (tensão de trabalho %2 V):</source>
        <translation>%1 (working voltage %2 V):</translation>
    </message>
    <message>
        <source>Acima da tabela: confira na norma</source>
        <translation>Beyond the table: check the standard</translation>
    </message>
    <message>
        <source>Ensaio: %1 V por um minuto entre o primário e o %2</source>
        <translation>Test: %1 V for one minute between the primary and %2</translation>
    </message>
    <message>
        <source>Distâncias mínimas: %1 mm no ar, %2 mm de escoamento</source>
        <translation>Least distances: %1 mm clearance, %2 mm creepage</translation>
    </message>
    <message>
        <source>Isolação entre eles: ao menos %1 mm (camadas finas)</source>
        <translation>Insulation between them: at least %1 mm (thin layers)</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Altura da bobina: %1 mm; ocupação da janela: %2 %</source>
        <translation>Coil build: %1 mm; window fill: %2 %</translation>
    </message>
    <message>
        <source>Perda no ferro: %1 W; perda no cobre: %2 W</source>
        <translation>Iron loss: %1 W; copper loss: %2 W</translation>
    </message>
    <message>
        <source>Perda no ferro: não calculada; perda no cobre: %1 W</source>
        <translation>Iron loss: not calculated; copper loss: %1 W</translation>
    </message>
    <message>
        <source>Dissipação: %1 W/cm² em %2 cm²</source>
        <translation>Dissipation: %1 W/cm² over %2 cm²</translation>
    </message>
    <message>
        <source>Elevação de temperatura: %1 K; cobre a %2 °C</source>
        <translation>Temperature rise: %1 K; copper at %2 °C</translation>
    </message>
    <message>
        <source>Indução real: %1 Gauss; rendimento: %2 %</source>
        <translation>Actual flux density: %1 Gauss; efficiency: %2 %</translation>
    </message>
    <message>
        <source>Entreferro magnético: %1 mm</source>
        <translation>Magnetic air gap: %1 mm</translation>
    </message>
    <message>
        <source>Indutância do primário: %1 H; reatância em Fmin: %2 ohms</source>
        <translation>Primary inductance: %1 H; reactance at Fmin: %2 ohms</translation>
    </message>
    <message>
        <source>Indução CA: %1 Gauss; indução CC: %2 Gauss</source>
        <translation>AC flux density: %1 Gauss; DC flux density: %2 Gauss</translation>
    </message>
    <message>
        <source>Indutância: %1 H; indução CC: %2 Gauss</source>
        <translation>Inductance: %1 H; DC flux density: %2 Gauss</translation>
    </message>
    <message>
        <source>Pesos: ferro %1 g, cobre %2 g, total %3 g</source>
        <translation>Weights: iron %1 g, copper %2 g, total %3 g</translation>
    </message>
    <message>
        <source>Avaliação</source>
        <translation>Assessment</translation>
    </message>
    <message>
        <source>Folha de enrolamento - %1</source>
        <translation>Winding sheet - %1</translation>
    </message>
    <message>
        <source>Núcleo</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Janela: %1 x %2 mm</source>
        <translation>Window: %1 x %2 mm</translation>
    </message>
    <message>
        <source>Lâminas U/I: largura das pernas (Bn) %1 mm, empilhamento (En) %2 mm</source>
        <translation>U/I laminations: leg width (Bn) %1 mm, stack (En) %2 mm</translation>
    </message>
    <message>
        <source>%1 (proporção sem retalho)</source>
        <translation>%1 (scrapless proportion)</translation>
    </message>
    <message>
        <source>Uma bobina em cada perna, cada uma com metade de cada enrolamento</source>
        <translation>One coil on each leg, each with half of every winding</translation>
    </message>
    <message>
        <source>Lâminas E/I sem retalho: perna central (Bn) %1 mm, empilhamento (En) %2 mm</source>
        <translation>Scrapless E/I laminations: centre leg (Bn) %1 mm, stack (En) %2 mm</translation>
    </message>
    <message>
        <source>Ajustes da construção</source>
        <translation>Construction settings</translation>
    </message>
    <message>
        <source>vazio (proporção sem retalho)</source>
        <translation>empty (scrapless proportion)</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Enrolamentos, do carretel para fora</source>
        <translation>Windings, from the bobbin outwards</translation>
    </message>
    <message>
        <source>Montagem do núcleo</source>
        <translation>Core assembly</translation>
    </message>
    <message>
        <source>Notas</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>A folha de enrolamento não foi gravada: a análise da construção terminou com erro (%1)</source>
        <translation>The winding sheet was not written: the construction analysis ended in an error (%1)</translation>
    </message>
    <message>
        <source>Nome do usuário: %1
Aplicação: %2
</source>
        <translation>User name: %1
Application: %2
</translation>
    </message>
    <message>
        <source>Corte da janela (em escala)</source>
        <translation>Cross-section of the window (to scale)</translation>
    </message>
    <message>
        <source>Ocupação da janela: %1 %</source>
        <translation>Window fill: %1 %</translation>
    </message>
    <message>
        <source>Núcleo U/I (medidas em mm)</source>
        <translation>U/I core (dimensions in mm)</translation>
    </message>
    <message>
        <source>Lâmina (medidas em mm)</source>
        <translation>Lamination (dimensions in mm)</translation>
    </message>
    <message>
        <source>Folha de enrolamento</source>
        <translation>Winding sheet</translation>
    </message>
</context>
<context>
    <name>Supply</name>
    <message>
        <source>Meia onda</source>
        <translation>Half-wave</translation>
    </message>
    <message>
        <source>Onda completa c/ derivação central</source>
        <translation>Full-wave, centre-tapped</translation>
    </message>
    <message>
        <source>Ponte</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>Dobrador de tensão</source>
        <translation>Voltage doubler</translation>
    </message>
    <message>
        <source>A tensão em vazio do secundário deve ser maior que zero.</source>
        <translation>The secondary&apos;s no-load voltage must be greater than zero.</translation>
    </message>
    <message>
        <source>A frequência da rede deve ser maior que zero.</source>
        <translation>The mains frequency must be greater than zero.</translation>
    </message>
    <message>
        <source>A resistência e a dispersão da fonte não podem ser negativas.</source>
        <translation>The source&apos;s resistance and leakage inductance cannot be negative.</translation>
    </message>
    <message>
        <source>A lei do retificador deve ter k maior que zero (ou queda não negativa).</source>
        <translation>The rectifier&apos;s law needs k greater than zero (or a drop that is not negative).</translation>
    </message>
    <message>
        <source>O filtro precisa de pelo menos um elemento.</source>
        <translation>The filter needs at least one element.</translation>
    </message>
    <message>
        <source>O filtro deve começar por C (entrada capacitiva) ou L (entrada por choque).</source>
        <translation>The filter must start with C (capacitor input) or L (choke input).</translation>
    </message>
    <message>
        <source>O dobrador de tensão começa por um capacitor.</source>
        <translation>The voltage doubler starts with a capacitor.</translation>
    </message>
    <message>
        <source>O valor do elemento %1 deve ser maior que zero.</source>
        <translation>The value of element %1 must be greater than zero.</translation>
    </message>
    <message>
        <source>A perda do elemento %1 não pode ser negativa.</source>
        <translation>The loss of element %1 cannot be negative.</translation>
    </message>
    <message>
        <source>Dois capacitores seguidos (elementos %1 e %2): some-os num só.</source>
        <translation>Two capacitors in a row (elements %1 and %2): add them into one.</translation>
    </message>
    <message>
        <source>A carga deve ser maior que zero.</source>
        <translation>The load must be greater than zero.</translation>
    </message>
    <message>
        <source>O resistor de sangria não pode ser negativo.</source>
        <translation>The bleeder resistor cannot be negative.</translation>
    </message>
    <message>
        <source>Com carga de corrente constante o filtro não pode terminar num indutor.</source>
        <translation>With a constant-current load the filter cannot end in an inductor.</translation>
    </message>
    <message>
        <source>%1 %2 (máximo %3: %4)</source>
        <translation>%1 %2 (maximum %3: %4)</translation>
    </message>
    <message>
        <source>%1 %2 (mínimo %3: %4)</source>
        <translation>%1 %2 (minimum %3: %4)</translation>
    </message>
    <message>
        <source>%1 %2 acima do máximo %3 (%4)</source>
        <translation>%1 %2 above the maximum %3 (%4)</translation>
    </message>
    <message>
        <source>%1 %2 abaixo do mínimo %3 (%4)</source>
        <translation>%1 %2 below the minimum %3 (%4)</translation>
    </message>
    <message>
        <source>da válvula própria</source>
        <translation>of the own valve</translation>
    </message>
    <message>
        <source>do %1</source>
        <translation>of the %1</translation>
    </message>
    <message>
        <source>Tensão inversa de pico</source>
        <translation>Peak inverse voltage</translation>
    </message>
    <message>
        <source>Corrente de pico por placa</source>
        <translation>Peak current per plate</translation>
    </message>
    <message>
        <source>Corrente média por diodo</source>
        <translation>Average current per diode</translation>
    </message>
    <message>
        <source>Corrente de surto na partida</source>
        <translation>Surge current at switch-on</translation>
    </message>
    <message>
        <source>Corrente CC de saída</source>
        <translation>DC output current</translation>
    </message>
    <message>
        <source>Primeiro capacitor</source>
        <translation>First capacitor</translation>
    </message>
    <message>
        <source>Resistência da fonte por placa</source>
        <translation>Source resistance per plate</translation>
    </message>
    <message>
        <source>Choque de entrada</source>
        <translation>Input choke</translation>
    </message>
    <message>
        <source>Corrente do choque descontínua: indutância crítica %1 H</source>
        <translation>Choke current discontinuous: critical inductance %1 H</translation>
    </message>
    <message>
        <source>Corrente do choque contínua (indutância crítica %1 H)</source>
        <translation>Choke current continuous (critical inductance %1 H)</translation>
    </message>
    <message>
        <source>A carga pede mais corrente do que a fonte fornece.</source>
        <translation>The load asks for more current than the supply gives.</translation>
    </message>
    <message>
        <source>O circuito leva a valores fora do alcance da simulação.</source>
        <translation>The circuit leads to values beyond the simulation&apos;s reach.</translation>
    </message>
    <message>
        <source>O secundário %1 não está ativo.</source>
        <translation>Secondary %1 is not in use.</translation>
    </message>
    <message>
        <source>A válvula própria precisa de k ou de uma queda a uma corrente.</source>
        <translation>The own valve needs k, or a drop at a current.</translation>
    </message>
    <message>
        <source>Falta o valor do elemento %1.</source>
        <translation>The value of element %1 is missing.</translation>
    </message>
    <message>
        <source>Não há indutor no filtro para o reator da aba.</source>
        <translation>There is no inductor in the filter for the tab&apos;s choke.</translation>
    </message>
    <message>
        <source>O reator da aba não tem cálculo válido.</source>
        <translation>The tab&apos;s choke has no valid calculation.</translation>
    </message>
    <message>
        <source>Falta a resistência da carga.</source>
        <translation>The load resistance is missing.</translation>
    </message>
    <message>
        <source>Fonte: FALHA</source>
        <translation>Supply: FAIL</translation>
    </message>
    <message>
        <source>Fonte</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>Fonte: tensão em vazio</source>
        <translation>Supply: no-load voltage</translation>
    </message>
    <message>
        <source>%1 V, %2 ohms, dispersão %3 mH</source>
        <translation>%1 V, %2 ohms, leakage %3 mH</translation>
    </message>
    <message>
        <source>Fonte: nó %1</source>
        <translation>Supply: node %1</translation>
    </message>
    <message>
        <source>%1 V CC, ondulação %2 V pp (%3 V rms, %4 %)</source>
        <translation>%1 V DC, ripple %2 V pp (%3 V rms, %4 %)</translation>
    </message>
    <message>
        <source>Fonte: corrente rms do enrolamento</source>
        <translation>Supply: winding rms current</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>Fonte: retificador (pico, média, rms)</source>
        <translation>Supply: rectifier (peak, average, rms)</translation>
    </message>
    <message>
        <source>%1 A, %2 A, %3 A</source>
        <translation>%1 A, %2 A, %3 A</translation>
    </message>
    <message>
        <source>Fonte: tensão inversa de pico</source>
        <translation>Supply: peak inverse voltage</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Fonte: partida</source>
        <translation>Supply: switch-on</translation>
    </message>
    <message>
        <source>surto %1 A, 95 % em %2 ms</source>
        <translation>surge %1 A, 95 % in %2 ms</translation>
    </message>
    <message>
        <source>Fonte: ok</source>
        <translation>Supply: ok</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>O enrolamento cabe na janela (%1 % ocupados)</source>
        <translation>The winding fits the window (%1 % filled)</translation>
    </message>
    <message>
        <source>O enrolamento não cabe na janela (%1 % da largura)</source>
        <translation>The winding does not fit the window (%1 % of the width)</translation>
    </message>
    <message>
        <source>Elevação de temperatura %1 K: dentro da classe</source>
        <translation>Temperature rise %1 K: within the class</translation>
    </message>
    <message>
        <source>Elevação de temperatura %1 K: acima da classe</source>
        <translation>Temperature rise %1 K: above the class</translation>
    </message>
    <message>
        <source>Indução real %1 G</source>
        <translation>Actual flux density %1 G</translation>
    </message>
    <message>
        <source>Indução real %1 G acima do Bmax escolhido</source>
        <translation>Actual flux density %1 G above the chosen Bmax</translation>
    </message>
    <message>
        <source>Indutância calculada %1 H ≥ Lr</source>
        <translation>Calculated inductance %1 H ≥ Lr</translation>
    </message>
    <message>
        <source>Indutância calculada %1 H menor que Lr</source>
        <translation>Calculated inductance %1 H below Lr</translation>
    </message>
    <message>
        <source>Indução CC %1 G: núcleo satura</source>
        <translation>DC flux density %1 G: the core saturates</translation>
    </message>
    <message>
        <source>Reatância do primário em Fmin %1 ohms</source>
        <translation>Primary reactance at Fmin %1 ohms</translation>
    </message>
    <message>
        <source>Reatância do primário em Fmin %1 ohms menor que Zmod: graves cortados</source>
        <translation>Primary reactance at Fmin %1 ohms below Zmod: bass cut</translation>
    </message>
    <message>
        <source>Indução total %1 G (CA + CC)</source>
        <translation>Total flux density %1 G (AC + DC)</translation>
    </message>
    <message>
        <source>Indução total %1 G acima do Bmax escolhido</source>
        <translation>Total flux density %1 G above the chosen Bmax</translation>
    </message>
    <message>
        <source>Regulação máxima %1 %</source>
        <translation>Worst regulation %1 %</translation>
    </message>
    <message>
        <source>Regulação %1 % acima do limite escolhido</source>
        <translation>Regulation %1 % above the chosen limit</translation>
    </message>
    <message>
        <source>Secundário sem tensão em carga: regulação acima do limite escolhido</source>
        <translation>A secondary without voltage on load: regulation above the chosen limit</translation>
    </message>
    <message>
        <source>Corrente em vazio %1 A (%2 % da nominal) na rede alta</source>
        <translation>No-load current %1 A (%2 % of full load) at the high line</translation>
    </message>
    <message>
        <source>Corrente em vazio %1 A (%2 % da nominal) na rede alta: núcleo perto da saturação</source>
        <translation>No-load current %1 A (%2 % of full load) at the high line: core near saturation</translation>
    </message>
    <message>
        <source>Isolação reforçada: %1 mm ≥ %2 mm</source>
        <translation>Reinforced insulation: %1 mm ≥ %2 mm</translation>
    </message>
    <message>
        <source>Isolação %1 mm menor que %2 mm exigidos (reforçada, %3 V)</source>
        <translation>Insulation %1 mm, less than the %2 mm required (reinforced, %3 V)</translation>
    </message>
    <message>
        <source>Isolação reforçada para %1 V: acima da tabela, confira na norma</source>
        <translation>Reinforced insulation for %1 V: beyond the table, check the standard</translation>
    </message>
    <message>
        <source>Seção escolhida atende à aplicação!</source>
        <translation>The chosen section suits the application!</translation>
    </message>
    <message>
        <source>Largura da perna central pequena</source>
        <translation>Centre leg too narrow</translation>
    </message>
    <message>
        <source>Seção escolhida menor que a mínima</source>
        <translation>Chosen section below the minimum</translation>
    </message>
    <message>
        <source>Indução CC dentro dos limites de Bmax!</source>
        <translation>DC flux density within Bmax!</translation>
    </message>
    <message>
        <source>Excesso de Indução CC no Primário!</source>
        <translation>Excess DC flux density in the primary!</translation>
    </message>
    <message>
        <source>Excesso de Indução CC no Secundário!</source>
        <translation>Excess DC flux density in the secondary!</translation>
    </message>
    <message>
        <source>Excesso de Indução CC Total</source>
        <translation>Excess total DC flux density</translation>
    </message>
    <message>
        <source>Potência Suficiente no Modulador (Pextra&gt;%1%)!</source>
        <translation>Enough power in the modulator (Pextra&gt;%1%)!</translation>
    </message>
    <message>
        <source>Potência Insuficiente no Modulador (Pextra&lt;0%)!</source>
        <translation>Not enough power in the modulator (Pextra&lt;0%)!</translation>
    </message>
    <message>
        <source>Potência Baixa no Modulador (Pextra&lt;25%)!</source>
        <translation>Low power in the modulator (Pextra&lt;25%)!</translation>
    </message>
    <message>
        <source>Potência Baixa no Modulador (Pextra&lt;50%)!</source>
        <translation>Low power in the modulator (Pextra&lt;50%)!</translation>
    </message>
    <message>
        <source>Produto LI^2&lt;10H*A^2 OK!</source>
        <translation>Product LI^2&lt;10H*A^2 OK!</translation>
    </message>
    <message>
        <source>Falha: LI^2 &lt; 0,02H*A^2</source>
        <translation>Failure: LI^2 &lt; 0,02H*A^2</translation>
    </message>
    <message>
        <source>Falha: Sn &gt; 100cm^2 ou LI^2 &gt; 10H*A^2</source>
        <translation>Failure: Sn &gt; 100cm^2 or LI^2 &gt; 10H*A^2</translation>
    </message>
    <message>
        <source>Falha: indutância nula ou negativa.</source>
        <translation>Failure: zero or negative inductance.</translation>
    </message>
    <message>
        <source>Seção quadrada OK (Sn&lt;100cm^2)!</source>
        <translation>Square section OK (Sn&lt;100cm^2)!</translation>
    </message>
    <message>
        <source>Aumente a corrente ou indutância.</source>
        <translation>Raise the current or the inductance.</translation>
    </message>
    <message>
        <source>Reduza corrente ou indutância.</source>
        <translation>Lower the current or the inductance.</translation>
    </message>
    <message>
        <source>Digite uma indutância maior que zero.</source>
        <translation>Type an inductance greater than zero.</translation>
    </message>
    <message>
        <source>Q adequado (mínimo para esta relação de impedâncias: %1)</source>
        <translation>Q adequate (least for this impedance ratio: %1)</translation>
    </message>
    <message>
        <source>Digite um número maior que zero em: %1</source>
        <translation>Type a number greater than zero in: %1</translation>
    </message>
    <message>
        <source>Valores fora do alcance do cálculo: confira Eb e Ib.</source>
        <translation>Values beyond the calculation&apos;s reach: check Eb and Ib.</translation>
    </message>
    <message>
        <source>Q muito baixo para esta relação de impedâncias: use Q ≥ %1</source>
        <translation>Q too low for this impedance ratio: use Q ≥ %1</translation>
    </message>
    <message>
        <source>Valores fora do alcance do cálculo: confira os campos.</source>
        <translation>Values beyond the calculation&apos;s reach: check the fields.</translation>
    </message>
    <message>
        <source>A indutância (Lr) deve ser maior que zero.</source>
        <translation>The inductance (Lr) must be greater than zero.</translation>
    </message>
</context>
<context>
    <name>kelvora</name>
    <message>
        <source>Salva resultados em arquivo texto </source>
        <translation>Save results to a text file </translation>
    </message>
    <message>
        <source>Entre com o nome do utilizador do programa</source>
        <translation>Enter the name of the program&apos;s user</translation>
    </message>
    <message>
        <source>Grava cálculos em arquivo texto (*.txt)</source>
        <translation>Write the calculations to a text file (*.txt)</translation>
    </message>
    <message>
        <source>Kelvora - Cálculo de Transformadores, versão %1

Autoria: equipe Kelvora, radioamadores e construtores de equipamentos valvulados.
Contato: pela página do programa, indicada abaixo.

Este programa calcula transformadores de alimentação (primário simples, duplo ou com derivação e até seis secundários, em lâminas E/I ou U/I), transformadores de modulação para moduladores push-pull classe B valvulados, acoplados diretamente ou por reator e capacitor, moduladores classe B (AB) transistorizados e reatores de filtro com entreferro.

Literatura consultada: manuais de radioamadorismo da ARRL (The Radio Amateur&apos;s Handbook), o Radiotron Designer&apos;s Handbook (F. Langford-Smith), os manuais de válvulas transmissoras da RCA, textos clássicos de projeto de transformadores e reatores com núcleo de ferro laminado (método gráfico do produto L.I^2 de Hanna para reatores com entreferro) e as tabelas de fios esmaltados AWG.

AVISO: os autores não se responsabilizam por erros nos cálculos nem por danos decorrentes do seu uso. Todos os resultados devem ser conferidos antes da construção de qualquer transformador ou reator. Trabalhe com cuidado: as tensões envolvidas podem ser mortais.

Programa gratuito (freeware): pode ser usado e distribuído livremente, sem custo, desde que sem alterações. Não pode ser vendido.
</source>
        <translation>Kelvora - Transformer Design, version %1

Authors: the Kelvora team, radio amateurs and builders of valve equipment.
Contact: through the program&apos;s page, given below.

This program designs mains transformers (single, dual or tapped primary and up to six secondaries, on E/I or U/I laminations), modulation transformers for class B push-pull valve modulators, coupled directly or through a choke and capacitor, class B (AB) transistor modulators and gapped filter chokes.

Literature: the ARRL&apos;s amateur radio handbooks (The Radio Amateur&apos;s Handbook), the Radiotron Designer&apos;s Handbook (F. Langford-Smith), RCA&apos;s transmitting valve manuals, classic texts on the design of transformers and chokes with laminated iron cores (Hanna&apos;s graphical L.I^2 method for gapped chokes) and the AWG enamelled wire tables.

WARNING: the authors take no responsibility for errors in the calculations nor for damage arising from their use. Check every result before building any transformer or choke. Work with care: the voltages involved can kill.

Free program (freeware): it may be used and passed on freely, at no cost, as long as it is unchanged. It may not be sold.
</translation>
    </message>
    <message>
        <source>Histórico de versões

Versão 1.0
  - Cálculo de transformadores de alimentação com primário simples e até três secundários.

Versão 1.5
  - Primário duplo e primário com derivação.
  - Até seis secundários.

Versão 2.0
  - Cálculo de transformadores de modulação push-pull classe B valvulados.
  - Densidade de corrente nos condutores ajustável (aba Ajustes).

Versão 2.5
  - Lâminas U/I ou U/U.
  - Avaliação da largura da perna central.

Versão 3.0
  - Relatórios em arquivo texto do transformador de alimentação e do transformador de modulação.
  - Acoplamento do modulador por reator e capacitor (RCA).

Versão 3.5
  - Desenho cotado do núcleo (Visualiza núcleo).
  - Avaliação da indução de corrente contínua no transformador de modulação.

Versão 4.0 (beta)
  - Cálculo de moduladores classe B (AB) transistorizados (em fase de teste).
  - Cálculo de reatores de filtro pelo método gráfico do produto L.I^2 (em fase de teste), com relatório em arquivo texto.
  - Janela Construção: o enrolamento camada por camada no núcleo escolhido, perdas, temperatura, indução real, pesos e a folha de enrolamento (texto, PDF, impressão); sugestão de núcleos do catálogo.
  - Resumo da construção ao lado de cada botão &quot;Construção&quot;, a cada recálculo.
  - Circuito PI de saída do estágio de RF.
  - Projetos em arquivo (menu Arquivo) e a linha de comando kelvora-cli.
  - Codificação dos arquivos de texto (aba Ajustes): Windows-1252 ou UTF-8.
  - Projeto para o núcleo que se tem na mão: espiras e bitolas que dão a tensão em carga, regulação, entreferro e sugestão de núcleos por lâmina.
  - Verificações da rede: tensão alta, corrente em vazio, fusível e isolação (grupo Rede da janela Construção).
  - Janela Fonte: simulação do retificador e do filtro que o transformador alimenta.
  - Lâminas U/I na construção, com desenho cotado.
  - Janelas que rolam em telas pequenas e em escala de 200 %; itens de lista com chaves fixas (arquivos de projeto e kelvora-cli).
</source>
        <translation>Version history

Version 1.0
  - Design of mains transformers with a single primary and up to three secondaries.

Version 1.5
  - Dual primary and tapped primary.
  - Up to six secondaries.

Version 2.0
  - Design of class B push-pull valve modulation transformers.
  - Adjustable current density in the conductors (Settings tab).

Version 2.5
  - U/I or U/U laminations.
  - Check of the centre leg width.

Version 3.0
  - Text file reports of the mains transformer and of the modulation transformer.
  - Choke-and-capacitor (RCA) coupling of the modulator.

Version 3.5
  - Dimensioned drawing of the core (View core).
  - Check of the DC flux density in the modulation transformer.

Version 4.0 (beta)
  - Design of class B (AB) transistor modulators (under test).
  - Design of filter chokes by the graphical L.I^2 method (under test), with a text file report.
  - Construction window: the winding layer by layer on the chosen core, losses, temperature, real flux density, weights and the winding sheet (text, PDF, print); cores suggested from the catalogue.
  - Construction summary beside each &quot;Construction&quot; button, at each recalculation.
  - Output pi network of the RF stage.
  - Designs in files (File menu) and the kelvora-cli command line.
  - Text file encoding (Settings tab): Windows-1252 or UTF-8.
  - Design for the core in hand: turns and gauges that give the voltage on load, regulation, air gap and cores suggested by lamination.
  - Mains checks: high voltage, no-load current, fuse and insulation (Mains group of the Construction window).
  - Supply window: simulation of the rectifier and filter the transformer feeds.
  - U/I laminations in the construction, with a dimensioned drawing.
  - Windows that scroll on small screens and at 200 % scale; list items with fixed keys (design files and kelvora-cli).
</translation>
    </message>
    <message>
        <source>Programa para Cálculo de Transformadores - KelvoraV%1</source>
        <translation>Transformer Design Program - KelvoraV%1</translation>
    </message>
    <message>
        <source>Utilize as abas acima para selecionar o cálculo desejado</source>
        <translation>Use the tabs above to choose the calculation</translation>
    </message>
    <message>
        <source>Densidade de Corrente nos Condutores</source>
        <translation>Current Density in the Conductors</translation>
    </message>
    <message>
        <source>Frequência da rede, em Hz (50 ou 60). Frequência menor pede mais espiras e núcleo maior.</source>
        <translation>Mains frequency, in Hz (50 or 60). A lower frequency needs more turns and a larger core.</translation>
    </message>
    <message>
        <source>Indução máxima de pico no núcleo, em gauss (10000 G = 1 T). Mais alta: menos espiras, mais perda no ferro e mais corrente em vazio.</source>
        <translation>Peak flux density in the core, in gauss (10000 G = 1 T). Higher: fewer turns, more iron loss and more no-load current.</translation>
    </message>
    <message>
        <source>Eficiência adotada, em %: a potência do primário é a dos secundários dividida por ela.</source>
        <translation>Assumed efficiency, in %: the primary&apos;s power is the secondaries&apos; power divided by it.</translation>
    </message>
    <message>
        <source>Largura da perna central da lâmina (Bn), em mm.</source>
        <translation>Width of the lamination&apos;s centre leg (Bn), in mm.</translation>
    </message>
    <message>
        <source>Altura do empilhamento das lâminas (En), em mm. Bn × En é a seção do núcleo.</source>
        <translation>Height of the lamination stack (En), in mm. Bn × En is the core&apos;s cross-section.</translation>
    </message>
    <message>
        <source>Lâminas em E e I: o enrolamento fica na perna central.</source>
        <translation>E and I laminations: the windings sit on the centre leg.</translation>
    </message>
    <message>
        <source>Lâminas em U e I ou U e U: núcleo de duas colunas.</source>
        <translation>U and I or U and U laminations: a two-leg core.</translation>
    </message>
    <message>
        <source>Tipo do primário: simples; duplo (duas metades iguais, em série para 220 V ou em paralelo para 110 V); ou com derivação.</source>
        <translation>Kind of primary: single; dual (two equal halves, in series for 220 V or in parallel for 110 V); or tapped.</translation>
    </message>
    <message>
        <source>Quantos secundários o transformador tem (1 a 6).</source>
        <translation>How many secondaries the transformer has (1 to 6).</translation>
    </message>
    <message>
        <source>Tensão do primário, em V eficazes. No primário duplo, a de cada metade.</source>
        <translation>Primary voltage, in V rms. With a dual primary, that of each half.</translation>
    </message>
    <message>
        <source>Tensão da segunda metade do primário duplo: a mesma da primeira.</source>
        <translation>Voltage of the dual primary&apos;s second half: the same as the first.</translation>
    </message>
    <message>
        <source>Tensão do primário do início até a derivação, em V (por exemplo 110 V).</source>
        <translation>Primary voltage from the start to the tap, in V (for example 110 V).</translation>
    </message>
    <message>
        <source>Tensão do primário inteiro, em V (por exemplo 220 V).</source>
        <translation>Voltage of the whole primary, in V (for example 220 V).</translation>
    </message>
    <message>
        <source>Início do primário com derivação: 0 V.</source>
        <translation>Start of the tapped primary: 0 V.</translation>
    </message>
    <message>
        <source>Tensão do secundário %1 em carga, em V eficazes. Num enrolamento com derivação central, a do enrolamento inteiro (2 × 375 V: 750 V).</source>
        <translation>Secondary %1 voltage on load, in V rms. For a centre-tapped winding, that of the whole winding (2 × 375 V: 750 V).</translation>
    </message>
    <message>
        <source>Corrente do secundário %1, em mA. Com retificador é a corrente contínua que a carga tira (a janela Construção passa à corrente eficaz do fio pela carga escolhida); com carga resistiva (filamentos) é a corrente eficaz.</source>
        <translation>Secondary %1 current, in mA. With a rectifier it is the DC current the load draws (the Construction window turns it into the wire&apos;s rms current for the chosen load); with a resistive load (heaters) it is the rms current.</translation>
    </message>
    <message>
        <source>Espiras do secundário %1.</source>
        <translation>Turns of secondary %1.</translation>
    </message>
    <message>
        <source>Fio do secundário %1 (AWG), pela densidade de corrente Sigma da aba Ajustes.</source>
        <translation>Wire of secondary %1 (AWG), from the current density Sigma on the Settings tab.</translation>
    </message>
    <message>
        <source>Corrente do primário, em A eficazes.</source>
        <translation>Primary current, in A rms.</translation>
    </message>
    <message>
        <source>Espiras do primário (com derivação: do início à derivação e da derivação ao fim).</source>
        <translation>Primary turns (tapped: from the start to the tap and from the tap to the end).</translation>
    </message>
    <message>
        <source>Fio do primário (AWG), pela densidade de corrente Sigma da aba Ajustes.</source>
        <translation>Primary wire (AWG), from the current density Sigma on the Settings tab.</translation>
    </message>
    <message>
        <source>Frequência usada no cálculo, em Hz.</source>
        <translation>Frequency used in the calculation, in Hz.</translation>
    </message>
    <message>
        <source>Potência aparente dos secundários, em VA: soma de tensão × corrente.</source>
        <translation>Apparent power of the secondaries, in VA: the sum of voltage × current.</translation>
    </message>
    <message>
        <source>Potência aparente do primário, em VA: a dos secundários dividida pela eficiência.</source>
        <translation>Apparent power of the primary, in VA: the secondaries&apos; divided by the efficiency.</translation>
    </message>
    <message>
        <source>Seção mínima do núcleo para esta potência e frequência, em cm².</source>
        <translation>Smallest core cross-section for this power and frequency, in cm².</translation>
    </message>
    <message>
        <source>Seção do núcleo escolhido (Bn × En), em cm².</source>
        <translation>Cross-section of the chosen core (Bn × En), in cm².</translation>
    </message>
    <message>
        <source>Lado da seção quadrada mínima, em mm (Bn = En).</source>
        <translation>Side of the smallest square cross-section, in mm (Bn = En).</translation>
    </message>
    <message>
        <source>Se a seção escolhida basta para a potência. Não diz se o enrolamento cabe na janela: veja o resumo da construção ao lado.</source>
        <translation>Whether the chosen cross-section is enough for the power. It does not say whether the windings fit the window: see the construction summary beside it.</translation>
    </message>
    <message>
        <source>Tensão por espira do primário, em V/espira.</source>
        <translation>Primary volts per turn, in V/turn.</translation>
    </message>
    <message>
        <source>Tensão por espira dos secundários, em V/espira: menor que a do primário, para cobrir a queda nos enrolamentos.</source>
        <translation>Secondary volts per turn, in V/turn: lower than the primary&apos;s, to make up for the drop in the windings.</translation>
    </message>
    <message>
        <source>Fator de perdas no secundário: as espiras dos secundários são aumentadas nesse fator para que a tensão em carga seja a digitada (1,064: 6,4 % a mais).</source>
        <translation>Secondary loss factor: the secondaries&apos; turns are raised by this factor so that the voltage on load is the one typed (1.064: 6.4 % more).</translation>
    </message>
    <message>
        <source>Entre com o nome do tranformador ou tipo de aplicação</source>
        <translation>Enter the transformer&apos;s name or its application</translation>
    </message>
    <message>
        <source>Potência de áudio do modulador, em W.</source>
        <translation>Audio power of the modulator, in W.</translation>
    </message>
    <message>
        <source>Frequência mínima de áudio a reproduzir, em Hz: decide a indutância do primário.</source>
        <translation>Lowest audio frequency to reproduce, in Hz: it sets the primary inductance.</translation>
    </message>
    <message>
        <source>Tensão de placa do modulador, em V.</source>
        <translation>Modulator plate voltage, in V.</translation>
    </message>
    <message>
        <source>Corrente de placa do par modulador em repouso (sem sinal), em mA.</source>
        <translation>Plate current of the modulator pair at idle (no signal), in mA.</translation>
    </message>
    <message>
        <source>Corrente de placa do par modulador com sinal máximo, em mA.</source>
        <translation>Plate current of the modulator pair at full signal, in mA.</translation>
    </message>
    <message>
        <source>Impedância de carga placa a placa (Zpp) do par modulador, em ohms, da folha de dados.</source>
        <translation>Plate-to-plate load impedance (Zpp) of the modulator pair, in ohms, from the data sheet.</translation>
    </message>
    <message>
        <source>Tensão de placa da etapa de RF modulada, em V.</source>
        <translation>Plate voltage of the modulated RF stage, in V.</translation>
    </message>
    <message>
        <source>Corrente contínua de placa da etapa de RF, em mA.</source>
        <translation>DC plate current of the RF stage, in mA.</translation>
    </message>
    <message>
        <source>Indução de corrente contínua máxima permitida no núcleo, em gauss.</source>
        <translation>Maximum DC flux density allowed in the core, in gauss.</translation>
    </message>
    <message>
        <source>Altura do empilhamento das lâminas (En), em mm.</source>
        <translation>Height of the lamination stack (En), in mm.</translation>
    </message>
    <message>
        <source>A potência de áudio deve ser pelo menos metade da entrada CC da etapa de RF, sem sobra.</source>
        <translation>The audio power must be at least half the RF stage&apos;s DC input, with no margin.</translation>
    </message>
    <message>
        <source>Pede mais de 25 % de sobra sobre a potência mínima de modulação.</source>
        <translation>Asks for more than 25 % margin over the minimum modulating power.</translation>
    </message>
    <message>
        <source>Pede mais de 50 % de sobra sobre a potência mínima de modulação.</source>
        <translation>Asks for more than 50 % margin over the minimum modulating power.</translation>
    </message>
    <message>
        <source>Acoplamento à etapa de RF: convencional (a corrente contínua da RF passa pelo secundário) ou reator e capacitor, RCA (a corrente contínua passa pelo reator, o áudio pelo capacitor).</source>
        <translation>Coupling to the RF stage: conventional (the RF stage&apos;s DC current flows through the secondary) or choke and capacitor, RCA (the DC current flows through the choke, the audio through the capacitor).</translation>
    </message>
    <message>
        <source>Diagrama do modulador acoplado por transformador.</source>
        <translation>Diagram of the transformer-coupled modulator.</translation>
    </message>
    <message>
        <source>Diagrama do modulador acoplado por reator e capacitor.</source>
        <translation>Diagram of the choke-and-capacitor coupled modulator.</translation>
    </message>
    <message>
        <source>Capacitor de acoplamento: passa o áudio e bloqueia a corrente contínua.</source>
        <translation>Coupling capacitor: passes the audio and blocks the DC current.</translation>
    </message>
    <message>
        <source>Reator de modulação: leva a corrente contínua da etapa de RF.</source>
        <translation>Modulation choke: carries the RF stage&apos;s DC current.</translation>
    </message>
    <message>
        <source>Impedância de Placa = Zpp/2: metade da impedância placa a placa, escrita em cada metade do primário. Em classe B cada placa, quando conduz, vê Zpp/4: a metade do primário tem metade das espiras e um quarto da impedância.</source>
        <translation>Plate Impedance = Zpp/2: half the plate-to-plate impedance, written on each half of the primary. In class B each plate, while it conducts, sees Zpp/4: half the primary has half the turns and a quarter of the impedance.</translation>
    </message>
    <message>
        <source>Impedância que a etapa de RF apresenta ao modulador: Ebrf / Ibrf, em ohms.</source>
        <translation>Impedance the RF stage presents to the modulator: Ebrf / Ibrf, in ohms.</translation>
    </message>
    <message>
        <source>Seção mínima do núcleo, em cm².</source>
        <translation>Smallest core cross-section, in cm².</translation>
    </message>
    <message>
        <source>Se o núcleo escolhido basta.</source>
        <translation>Whether the chosen core is enough.</translation>
    </message>
    <message>
        <source>Entreferro calculado, em mm: a espessura do espaçador em cada junta entre os E e os I (o fluxo atravessa duas juntas).</source>
        <translation>Calculated air gap, in mm: the thickness of the air gap spacer at each joint between the E&apos;s and the I&apos;s (the flux crosses two joints).</translation>
    </message>
    <message>
        <source>Potência de entrada CC da etapa de RF: Ebrf × Ibrf, em W.</source>
        <translation>DC input power of the RF stage: Ebrf × Ibrf, in W.</translation>
    </message>
    <message>
        <source>Potência mínima de áudio para modular 100 %: metade da entrada CC da RF.</source>
        <translation>Minimum audio power for 100 % modulation: half the RF stage&apos;s DC input.</translation>
    </message>
    <message>
        <source>Sobra de potência do modulador sobre a mínima, em W e em % de PaMod.</source>
        <translation>Modulator power margin over the minimum, in W and in % of PaMod.</translation>
    </message>
    <message>
        <source>Se o modulador tem a potência pedida pelo tipo de análise.</source>
        <translation>Whether the modulator has the power the kind of analysis asks for.</translation>
    </message>
    <message>
        <source>Relação de impedâncias Zpp / Zrf.</source>
        <translation>Impedance ratio Zpp / Zrf.</translation>
    </message>
    <message>
        <source>Relação de espiras Npp / Ns: a raiz da relação de impedâncias.</source>
        <translation>Turns ratio Npp / Ns: the square root of the impedance ratio.</translation>
    </message>
    <message>
        <source>Espiras de uma metade do primário (Np/2).</source>
        <translation>Turns of one half of the primary (Np/2).</translation>
    </message>
    <message>
        <source>Espiras do secundário.</source>
        <translation>Secondary turns.</translation>
    </message>
    <message>
        <source>Fio do primário (AWG).</source>
        <translation>Primary wire (AWG).</translation>
    </message>
    <message>
        <source>Fio do secundário (AWG).</source>
        <translation>Secondary wire (AWG).</translation>
    </message>
    <message>
        <source>Indução de corrente contínua pela corrente de placa do modulador, em gauss.</source>
        <translation>DC flux density from the modulator&apos;s plate current, in gauss.</translation>
    </message>
    <message>
        <source>Indução de corrente contínua pela corrente da etapa de RF no secundário, em gauss.</source>
        <translation>DC flux density from the RF stage&apos;s current in the secondary, in gauss.</translation>
    </message>
    <message>
        <source>Indução de corrente contínua total, em gauss: comparada com Bmax.</source>
        <translation>Total DC flux density, in gauss: compared with Bmax.</translation>
    </message>
    <message>
        <source>Se a indução de corrente contínua fica abaixo de Bmax.</source>
        <translation>Whether the DC flux density stays below Bmax.</translation>
    </message>
    <message>
        <source>Indutância mínima do reator de modulação (acoplamento RCA), em H.</source>
        <translation>Minimum inductance of the modulation choke (RCA coupling), in H.</translation>
    </message>
    <message>
        <source>Corrente contínua que o reator de modulação leva, em mA.</source>
        <translation>DC current the modulation choke carries, in mA.</translation>
    </message>
    <message>
        <source>Capacitância mínima do capacitor de acoplamento, em µF.</source>
        <translation>Minimum capacitance of the coupling capacitor, in µF.</translation>
    </message>
    <message>
        <source>Entre com o nome do transformador ou tipo de aplicação</source>
        <translation>Enter the transformer&apos;s name or its application</translation>
    </message>
    <message>
        <source>Potência de áudio pedida ao modulador, em W.</source>
        <translation>Audio power asked of the modulator, in W.</translation>
    </message>
    <message>
        <source>Frequência mínima de áudio, em Hz.</source>
        <translation>Lowest audio frequency, in Hz.</translation>
    </message>
    <message>
        <source>Tensão de alimentação dos coletores, em V.</source>
        <translation>Collector supply voltage, in V.</translation>
    </message>
    <message>
        <source>Impedância da carga, em ohms; &quot;Calcula Ro&quot; a tira de Po e Vcc.</source>
        <translation>Load impedance, in ohms; &quot;Calculate Ro&quot; works it out from Po and Vcc.</translation>
    </message>
    <message>
        <source>Impedância de saída do driver, em ohms.</source>
        <translation>Output impedance of the driver, in ohms.</translation>
    </message>
    <message>
        <source>Corrente de repouso, em % da corrente máxima de coletor (Icm).</source>
        <translation>Idle current, in % of the peak collector current (Icm).</translation>
    </message>
    <message>
        <source>Ganho de corrente mínimo (beta) de Q1 e Q2, da folha de dados.</source>
        <translation>Minimum current gain (beta) of Q1 and Q2, from the data sheet.</translation>
    </message>
    <message>
        <source>Ganho de corrente máximo (beta) de Q1 e Q2, da folha de dados.</source>
        <translation>Maximum current gain (beta) of Q1 and Q2, from the data sheet.</translation>
    </message>
    <message>
        <source>Ganho de corrente (beta) de Q3.</source>
        <translation>Current gain (beta) of Q3.</translation>
    </message>
    <message>
        <source>Resistência de carga de coletor (Rc), em ohms.</source>
        <translation>Collector load resistance (Rc), in ohms.</translation>
    </message>
    <message>
        <source>Tensão máxima de coletor (Vcm), em V.</source>
        <translation>Peak collector voltage (Vcm), in V.</translation>
    </message>
    <message>
        <source>Corrente máxima de coletor (Icm), em A.</source>
        <translation>Peak collector current (Icm), in A.</translation>
    </message>
    <message>
        <source>Corrente contínua total tirada da fonte (Idc), em A.</source>
        <translation>Total DC current drawn from the supply (Idc), in A.</translation>
    </message>
    <message>
        <source>Potência de entrada CC (Pi), em W.</source>
        <translation>DC input power (Pi), in W.</translation>
    </message>
    <message>
        <source>Eficiência teórica do classe B (Nteor), em %.</source>
        <translation>Theoretical class B efficiency (Nteor), in %.</translation>
    </message>
    <message>
        <source>Potência que cada transistor Q1/Q2 dissipa, em W.</source>
        <translation>Power each transistor Q1/Q2 dissipates, in W.</translation>
    </message>
    <message>
        <source>Tensão coletor-emissor máxima em Q1/Q2, em V: escolha transistores que a suportem com folga.</source>
        <translation>Peak collector-emitter voltage on Q1/Q2, in V: choose transistors that stand it with room to spare.</translation>
    </message>
    <message>
        <source>Corrente de repouso (Ic0), em A.</source>
        <translation>Idle current (Ic0), in A.</translation>
    </message>
    <message>
        <source>Corrente de base de Q1 e Q2 (Ib), em A.</source>
        <translation>Base current of Q1 and Q2 (Ib), in A.</translation>
    </message>
    <message>
        <source>Corrente de base de Q3 (I2), em A.</source>
        <translation>Base current of Q3 (I2), in A.</translation>
    </message>
    <message>
        <source>Corrente nos diodos de polarização (Id), em A.</source>
        <translation>Current in the bias diodes (Id), in A.</translation>
    </message>
    <message>
        <source>Corrente no resistor R1 (I1), em A.</source>
        <translation>Current in resistor R1 (I1), in A.</translation>
    </message>
    <message>
        <source>Resistência de R1, em ohms.</source>
        <translation>Resistance of R1, in ohms.</translation>
    </message>
    <message>
        <source>Potência dissipada em R1, em W.</source>
        <translation>Power dissipated in R1, in W.</translation>
    </message>
    <message>
        <source>Potência de excitação teórica (Pdrv), em W.</source>
        <translation>Theoretical drive power (Pdrv), in W.</translation>
    </message>
    <message>
        <source>Resistência de emissor, em ohms.</source>
        <translation>Emitter resistance, in ohms.</translation>
    </message>
    <message>
        <source>Eficiência real (Nprat), em %.</source>
        <translation>Real efficiency (Nprat), in %.</translation>
    </message>
    <message>
        <source>Resistência de base para o beta mínimo, em ohms.</source>
        <translation>Base resistance for the minimum beta, in ohms.</translation>
    </message>
    <message>
        <source>Resistência de base para o beta máximo, em ohms.</source>
        <translation>Base resistance for the maximum beta, in ohms.</translation>
    </message>
    <message>
        <source>Potência de excitação para o beta mínimo, em W.</source>
        <translation>Drive power for the minimum beta, in W.</translation>
    </message>
    <message>
        <source>Potência de excitação para o beta máximo, em W.</source>
        <translation>Drive power for the maximum beta, in W.</translation>
    </message>
    <message>
        <source>Relação de espiras do transformador driver (m2/n2) para o beta mínimo.</source>
        <translation>Turns ratio of the driver transformer (m2/n2) for the minimum beta.</translation>
    </message>
    <message>
        <source>Relação de espiras do transformador driver (m2/n2) para o beta máximo.</source>
        <translation>Turns ratio of the driver transformer (m2/n2) for the maximum beta.</translation>
    </message>
    <message>
        <source>Indutância nominal pedida ao reator (Lr), em H, com a corrente de trabalho.</source>
        <translation>Rated inductance asked of the choke (Lr), in H, at the working current.</translation>
    </message>
    <message>
        <source>Corrente contínua de trabalho do reator (Ir), em mA: a corrente da carga da fonte.</source>
        <translation>Working DC current of the choke (Ir), in mA: the supply&apos;s load current.</translation>
    </message>
    <message>
        <source>Correntes em que o método vale para esta indutância (LI² entre 0,02 e 10 H·A²).</source>
        <translation>Currents for which the method holds at this inductance (LI² between 0.02 and 10 H·A²).</translation>
    </message>
    <message>
        <source>Energia do reator: indutância × corrente² (LI²), em H·A².</source>
        <translation>Stored energy of the choke: inductance × current² (LI²), in H·A².</translation>
    </message>
    <message>
        <source>Ampères-espira (NI) para o entreferro tirados do gráfico de energia.</source>
        <translation>Ampere-turns (NI) for the air gap, read from the energy chart.</translation>
    </message>
    <message>
        <source>Espiras do enrolamento: NI dividido pela corrente.</source>
        <translation>Turns of the winding: NI divided by the current.</translation>
    </message>
    <message>
        <source>Se LI² está dentro dos gráficos do método.</source>
        <translation>Whether LI² lies within the method&apos;s charts.</translation>
    </message>
    <message>
        <source>Se a seção quadrada pedida fica dentro dos gráficos (até 100 cm²).</source>
        <translation>Whether the square cross-section asked for lies within the charts (up to 100 cm²).</translation>
    </message>
    <message>
        <source>Lado da seção quadrada pedida pela energia, em mm (Bn = En).</source>
        <translation>Side of the square cross-section the energy asks for, in mm (Bn = En).</translation>
    </message>
    <message>
        <source>Seção quadrada pedida pela energia, em cm².</source>
        <translation>Square cross-section the energy asks for, in cm².</translation>
    </message>
    <message>
        <source>Comprimento do circuito magnético da seção calculada, em mm.</source>
        <translation>Magnetic path length of the calculated cross-section, in mm.</translation>
    </message>
    <message>
        <source>Comprimento do circuito magnético do núcleo escolhido, em mm.</source>
        <translation>Magnetic path length of the chosen core, in mm.</translation>
    </message>
    <message>
        <source>Entreferro da seção calculada, em mm: a espessura do espaçador em cada junta entre os E e os I (a janela Construção mostra as duas juntas somadas).</source>
        <translation>Air gap of the calculated cross-section, in mm: the thickness of the air gap spacer at each joint between the E&apos;s and the I&apos;s (the Construction window shows the two joints added).</translation>
    </message>
    <message>
        <source>Entreferro do núcleo escolhido, em mm: a espessura do espaçador em cada junta entre os E e os I (a janela Construção mostra as duas juntas somadas).</source>
        <translation>Air gap of the chosen core, in mm: the thickness of the air gap spacer at each joint between the E&apos;s and the I&apos;s (the Construction window shows the two joints added).</translation>
    </message>
    <message>
        <source>Se o núcleo escolhido tem a seção e a largura de perna que a energia pede.</source>
        <translation>Whether the chosen core has the cross-section and leg width the energy asks for.</translation>
    </message>
    <message>
        <source>Entre com o nome do reator ou tipo de aplicação</source>
        <translation>Enter the choke&apos;s name or its application</translation>
    </message>
    <message>
        <source>Primário %1</source>
        <translation>Primary %1</translation>
    </message>
    <message>
        <source>Primário %1: tensão (V)</source>
        <translation>Primary %1: voltage (V)</translation>
    </message>
    <message>
        <source>Primário com derivação</source>
        <translation>Tapped primary</translation>
    </message>
    <message>
        <source>Primário com derivação: tensão total (V)</source>
        <translation>Tapped primary: full voltage (V)</translation>
    </message>
    <message>
        <source>Primário com derivação: tensão da derivação (V)</source>
        <translation>Tapped primary: voltage at the tap (V)</translation>
    </message>
    <message>
        <source>Secundário %1</source>
        <translation>Secondary %1</translation>
    </message>
    <message>
        <source>Secundário %1: tensão (V)</source>
        <translation>Secondary %1: voltage (V)</translation>
    </message>
    <message>
        <source>Secundário %1: corrente (mA)</source>
        <translation>Secondary %1: current (mA)</translation>
    </message>
    <message>
        <source> Transformador  </source>
        <translation> Transformer  </translation>
    </message>
    <message>
        <source>Primário:</source>
        <translation>Primary:</translation>
    </message>
    <message>
        <source>Secundários:</source>
        <translation>Secondaries:</translation>
    </message>
    <message>
        <source> Dados de operação </source>
        <translation> Operating data </translation>
    </message>
    <message>
        <source>Freqüência de operação (Fo):</source>
        <translation>Operating frequency (Fo):</translation>
    </message>
    <message>
        <source>Densidade máxima no núcleo (Bmax):</source>
        <translation>Peak flux density in the core (Bmax):</translation>
    </message>
    <message>
        <source>Eficiência adotada (n):</source>
        <translation>Assumed efficiency (n):</translation>
    </message>
    <message>
        <source>Seleção do núcleo </source>
        <translation>Core selection </translation>
    </message>
    <message>
        <source>Largura perna central núcleo (Bn):</source>
        <translation>Core centre leg width (Bn):</translation>
    </message>
    <message>
        <source>Altura do empilhamento núcleo (En):</source>
        <translation>Core stack height (En):</translation>
    </message>
    <message>
        <source>Lâminas formato E/I</source>
        <translation>E/I laminations</translation>
    </message>
    <message>
        <source>Lâminas formato  U/I ou U/U</source>
        <translation>U/I or U/U laminations</translation>
    </message>
    <message>
        <source>Seção</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>selecionada</source>
        <translation>chosen</translation>
    </message>
    <message>
        <source>calculada</source>
        <translation>calculated</translation>
    </message>
    <message>
        <source>Resultados das seções quadradas:</source>
        <translation>Square cross-section results:</translation>
    </message>
    <message>
        <source>Visualiza núcleo</source>
        <translation>View core</translation>
    </message>
    <message>
        <source>Construção</source>
        <translation>Construction</translation>
    </message>
    <message>
        <source> Demais resultados do cálculo</source>
        <translation> Other results of the calculation</translation>
    </message>
    <message>
        <source>Primário</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Secundário</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Tensão específica = </source>
        <translation>Volts per turn = </translation>
    </message>
    <message>
        <source>Volt/Espira</source>
        <translation>Volts/Turn</translation>
    </message>
    <message>
        <source>Potência aparente = </source>
        <translation>Apparent power = </translation>
    </message>
    <message>
        <source>Fator de perdas no secundário = </source>
        <translation>Secondary loss factor = </translation>
    </message>
    <message>
        <source>Frequência de Operação = </source>
        <translation>Operating Frequency = </translation>
    </message>
    <message>
        <source>Fonte</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source> Etapa moduladora </source>
        <translation> Modulator stage </translation>
    </message>
    <message>
        <source>Potência de áudio do modulador (PaMod):</source>
        <translation>Audio power of the modulator (PaMod):</translation>
    </message>
    <message>
        <source>Freqüência mínima de áudio a reproduzir (Fmin):</source>
        <translation>Lowest audio frequency to reproduce (Fmin):</translation>
    </message>
    <message>
        <source>Tensão de alimentação de placa do modulador (Ebmod):</source>
        <translation>Modulator plate supply voltage (Ebmod):</translation>
    </message>
    <message>
        <source>Corrente mínima do modulador (repouso) (I0mod):</source>
        <translation>Modulator current at idle (I0mod):</translation>
    </message>
    <message>
        <source>Corrente máxima do modulador (máximo sinal) (I1mod):</source>
        <translation>Modulator current at full signal (I1mod):</translation>
    </message>
    <message>
        <source>Impedância placa a placa do modulador (Zmod):</source>
        <translation>Modulator plate-to-plate impedance (Zmod):</translation>
    </message>
    <message>
        <source> Etapa de RF modulada </source>
        <translation> Modulated RF stage </translation>
    </message>
    <message>
        <source>Tensão de Alimentação da etapa de RF (EbRF):</source>
        <translation>Supply Voltage of the RF stage (EbRF):</translation>
    </message>
    <message>
        <source>Corrente contínua consumida na etapa de RF (IbRF):</source>
        <translation>DC current drawn by the RF stage (IbRF):</translation>
    </message>
    <message>
        <source> Núcleo </source>
        <translation> Core </translation>
    </message>
    <message>
        <source>Densidade máxima permitida no núcleo (Bmax) =</source>
        <translation>Maximum flux density allowed in the core (Bmax) =</translation>
    </message>
    <message>
        <source>Seção calculada</source>
        <translation>Calculated section</translation>
    </message>
    <message>
        <source>Seção selecionada</source>
        <translation>Chosen section</translation>
    </message>
    <message>
        <source>Altura do entreferro (&quot;air gap&quot;) calculado (Ae) = </source>
        <translation>Calculated air gap length (Ae) = </translation>
    </message>
    <message>
        <source>Tipo da Análise</source>
        <translation>Type of Analysis</translation>
    </message>
    <message>
        <source>Radical (0% de sobra de potência)</source>
        <translation>Tight (0% power margin)</translation>
    </message>
    <message>
        <source>Conservadora (mais de 25% de sobra de potência)</source>
        <translation>Conservative (over 25% power margin)</translation>
    </message>
    <message>
        <source>Muito conservadora (mais de 50% de sobra de potência)</source>
        <translation>Very conservative (over 50% power margin)</translation>
    </message>
    <message>
        <source>Seleção da configuração do modulador:</source>
        <translation>Modulator configuration:</translation>
    </message>
    <message>
        <source>Impedância de Placa = Zpp/2</source>
        <translation>Plate Impedance = Zpp/2</translation>
    </message>
    <message>
        <source>Circuito PI de saída</source>
        <translation>Output pi network</translation>
    </message>
    <message>
        <source> Transformador de modulação </source>
        <translation> Modulation transformer </translation>
    </message>
    <message>
        <source>Indução corrente contínua no primário (Bcp) = </source>
        <translation>DC flux density from the primary (Bcp) = </translation>
    </message>
    <message>
        <source>Indução corrente contínua no secundário (Bcs) = </source>
        <translation>DC flux density from the secondary (Bcs) = </translation>
    </message>
    <message>
        <source>Indução corrente contínua total (Bcp + Bcs) = </source>
        <translation>Total DC flux density (Bcp + Bcs) = </translation>
    </message>
    <message>
        <source> Potência do modulador </source>
        <translation> Modulator power </translation>
    </message>
    <message>
        <source>Sobra de potência na etapa moduladora (Pextra):</source>
        <translation>Power margin of the modulator stage (Pextra):</translation>
    </message>
    <message>
        <source>Transformadores de Modulação - Classe B valvulado</source>
        <translation>Modulation Transformers - Class B valve</translation>
    </message>
    <message>
        <source> Dados de entrada </source>
        <translation> Input data </translation>
    </message>
    <message>
        <source>Potência de Audio Requerida (Po)</source>
        <translation>Audio Power Required (Po)</translation>
    </message>
    <message>
        <source>Freqüência Mínima de Áudio (Fm)</source>
        <translation>Lowest Audio Frequency (Fm)</translation>
    </message>
    <message>
        <source>Tensão de Coletor Modulador (Vcc)</source>
        <translation>Modulator Collector Voltage (Vcc)</translation>
    </message>
    <message>
        <source>Impedância da carga (Ro)</source>
        <translation>Load impedance (Ro)</translation>
    </message>
    <message>
        <source>Impedância do Driver (Rd)</source>
        <translation>Driver Impedance (Rd)</translation>
    </message>
    <message>
        <source>Corrente Quiescente (Repouso)</source>
        <translation>Quiescent Current (Idle)</translation>
    </message>
    <message>
        <source>% de Icm</source>
        <translation>% of Icm</translation>
    </message>
    <message>
        <source>Ganho de corrente de Q1/Q2 Mínimo</source>
        <translation>Minimum current gain of Q1/Q2</translation>
    </message>
    <message>
        <source>Ganho de corrente de Q1/Q2 Máximo</source>
        <translation>Maximum current gain of Q1/Q2</translation>
    </message>
    <message>
        <source>Ganho de corrente de Q3</source>
        <translation>Current gain of Q3</translation>
    </message>
    <message>
        <source>Calcula Ro</source>
        <translation>Calculate Ro</translation>
    </message>
    <message>
        <source>Cálculos dos transformadores e demais variáveis serão incluídos em versão futura...</source>
        <translation>Calculations of the transformers and the other quantities will come in a future version...</translation>
    </message>
    <message>
        <source>Cálculos em fase de teste Confira novas versões para atualização...</source>
        <translation>Calculations under test. Look out for new versions...</translation>
    </message>
    <message>
        <source>Modulador - Classe B (AB) transistorizado</source>
        <translation>Modulator - Class B (AB) transistor</translation>
    </message>
    <message>
        <source> Etapa de saída (Q1/Q2) </source>
        <translation> Output stage (Q1/Q2) </translation>
    </message>
    <message>
        <source>Resistência de Coletor (Rc) = </source>
        <translation>Collector Resistance (Rc) = </translation>
    </message>
    <message>
        <source>Tensão máxima de coletor (Vcm) = </source>
        <translation>Peak collector voltage (Vcm) = </translation>
    </message>
    <message>
        <source>Corrente máxima de Coletor (Icm) = </source>
        <translation>Peak Collector current (Icm) = </translation>
    </message>
    <message>
        <source>Corrente contínua total (Idc) = </source>
        <translation>Total DC current (Idc) = </translation>
    </message>
    <message>
        <source>Potência de Entrada CC (Pi) = </source>
        <translation>DC Input Power (Pi) = </translation>
    </message>
    <message>
        <source>Eficiência Teórica (Nteor) = </source>
        <translation>Theoretical Efficiency (Nteor) = </translation>
    </message>
    <message>
        <source>Potência de dissipação de Q1/Q2 = </source>
        <translation>Dissipation of Q1/Q2 = </translation>
    </message>
    <message>
        <source>Tensão Coletor-Emissor máx de Q1/Q2 = </source>
        <translation>Peak Collector-Emitter voltage of Q1/Q2 = </translation>
    </message>
    <message>
        <source> Polarização (Q3, R1, D1, D2) </source>
        <translation> Bias (Q3, R1, D1, D2) </translation>
    </message>
    <message>
        <source>Corrente Quiescente (Repouso) Ic0 =</source>
        <translation>Quiescent Current (Idle) Ic0 =</translation>
    </message>
    <message>
        <source>Corrente de Base de Q1 e Q2 (Ib) =</source>
        <translation>Base Current of Q1 and Q2 (Ib) =</translation>
    </message>
    <message>
        <source>Corrente de base de Q3 (I2) =</source>
        <translation>Base current of Q3 (I2) =</translation>
    </message>
    <message>
        <source>Corrente sobre os diodos (Id) =</source>
        <translation>Current through the diodes (Id) =</translation>
    </message>
    <message>
        <source>Corrente sobre resistor R1 (I1) =</source>
        <translation>Current through resistor R1 (I1) =</translation>
    </message>
    <message>
        <source>Valor de Resistência de R1 =</source>
        <translation>Resistance of R1 =</translation>
    </message>
    <message>
        <source>Dissipação de Potência de R1 =</source>
        <translation>Power Dissipation of R1 =</translation>
    </message>
    <message>
        <source> Excitação e transformador driver (m2/n2) </source>
        <translation> Drive and driver transformer (m2/n2) </translation>
    </message>
    <message>
        <source>Potência de Excitação teórica (Pdrv) =</source>
        <translation>Theoretical Drive Power (Pdrv) =</translation>
    </message>
    <message>
        <source>Valor da resistência de emissor R1 e R2 =</source>
        <translation>Emitter resistance R1 and R2 =</translation>
    </message>
    <message>
        <source>Eficiência Real (Nprat) = </source>
        <translation>Real Efficiency (Nprat) = </translation>
    </message>
    <message>
        <source>Resistência de base para Beta mínimo =</source>
        <translation>Base resistance for minimum Beta =</translation>
    </message>
    <message>
        <source>Resistência de base para Beta máximo =</source>
        <translation>Base resistance for maximum Beta =</translation>
    </message>
    <message>
        <source>Potência de Excitação p/ Beta mínimo =</source>
        <translation>Drive Power for minimum Beta =</translation>
    </message>
    <message>
        <source>Potência de Excitação p/ Beta máximo =</source>
        <translation>Drive Power for maximum Beta =</translation>
    </message>
    <message>
        <source>Relação de espiras (m2/n2) para B mín = </source>
        <translation>Turns ratio (m2/n2) for min. B = </translation>
    </message>
    <message>
        <source>Relação de espiras (m2/n2) para B máx = </source>
        <translation>Turns ratio (m2/n2) for max. B = </translation>
    </message>
    <message>
        <source> Dados do reator </source>
        <translation> Choke data </translation>
    </message>
    <message>
        <source>Indutância nomina requerida no Reator (Lr):</source>
        <translation>Rated inductance required of the Choke (Lr):</translation>
    </message>
    <message>
        <source>Corrente de trabalho Corrente Contínua do Reator (Ir):</source>
        <translation>Working DC Current of the Choke (Ir):</translation>
    </message>
    <message>
        <source>Limites da Corrente para a indutância informada:</source>
        <translation>Current limits for the inductance given:</translation>
    </message>
    <message>
        <source> Resultados </source>
        <translation> Results </translation>
    </message>
    <message>
        <source>Seleção do Núcleo </source>
        <translation>Core Selection </translation>
    </message>
    <message>
        <source>Selecionada</source>
        <translation>Chosen</translation>
    </message>
    <message>
        <source>Calculada</source>
        <translation>Calculated</translation>
    </message>
    <message>
        <source>Largura Perna Central Núcleo (Bn):</source>
        <translation>Core Centre Leg Width (Bn):</translation>
    </message>
    <message>
        <source>Altura do Empilhamento Núcleo (En):</source>
        <translation>Core Stack Height (En):</translation>
    </message>
    <message>
        <source>Comprimento do circuito magnético:</source>
        <translation>Magnetic path length:</translation>
    </message>
    <message>
        <source>Altura total do entreferro:</source>
        <translation>Total air gap length:</translation>
    </message>
    <message>
        <source>Visualiza Núcleo</source>
        <translation>View Core</translation>
    </message>
    <message>
        <source>Erro interno do programa; o Kelvora será fechado.

Detalhe: %1</source>
        <translation>Internal program error; Kelvora will close.

Detail: %1</translation>
    </message>
    <message>
        <source>Considerado núcleo padrão EI onde as dimensões são 
baseadas na largura da perna central. Caso esteja 
utilizando outro tipo de núcleo ou formato não padrão as 
medidas podem diferir.</source>
        <translation>Taken as a standard EI core, its dimensions 
following from the centre leg width. If you are 
using another kind of core or a non-standard shape 
the dimensions may differ.</translation>
    </message>
    <message>
        <source>Núcleo U/I em escala: as duas pernas com a largura 
Bn; a janela c x h vem dos ajustes da construção 
(vazios: proporção sem retalho, c = Bn e h = 3 Bn). 
Medidas em mm.</source>
        <translation>U/I core to scale: both legs Bn wide; 
the window c x h comes from the construction 
settings (empty: scrapless proportions, c = Bn 
and h = 3 Bn). Dimensions in mm.</translation>
    </message>
    <message>
        <source>Arquivos de texto</source>
        <translation>Text files</translation>
    </message>
    <message>
        <source>Codificação dos arquivos de texto:</source>
        <translation>Text file encoding:</translation>
    </message>
    <message>
        <source>Codificação dos arquivos de texto</source>
        <translation>Text file encoding</translation>
    </message>
    <message>
        <source>Como os relatórios e as folhas de enrolamento são gravados. Windows-1252 com CR LF: os bytes de sempre, que o Bloco de Notas do Windows abre. UTF-8 com LF: abre corretamente em qualquer leitor do Linux e guarda qualquer caractere digitado.</source>
        <translation>How the reports and the winding sheets are written. Windows-1252 with CR LF: the usual bytes, which Windows Notepad opens. UTF-8 with LF: opens correctly in any Linux reader and keeps any character typed.</translation>
    </message>
    <message>
        <source>Guia do usuário - Kelvora</source>
        <translation>User&apos;s guide - Kelvora</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Selecionar &amp;tudo</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Guia do usuário</source>
        <translation>&amp;User&apos;s guide</translation>
    </message>
    <message>
        <source>&amp;Sobre o Kelvora</source>
        <translation>&amp;About Kelvora</translation>
    </message>
    <message>
        <source>Impedância da etapa de RF vista pelo modulador (Zrf):</source>
        <translation>RF stage impedance seen by the modulator (Zrf):</translation>
    </message>
    <message>
        <source>Potência de entrada corrente contínua da etapa de RF (PccRF):</source>
        <translation>DC input power of the RF stage (PccRF):</translation>
    </message>
    <message>
        <source>Potência mínima necessária no modulador para 100% de modul:</source>
        <translation>Minimum modulator power for 100% modulation:</translation>
    </message>
    <message>
        <source>Cálculo de Reatores de Filtro - Método gráfico do produto L.I^2 (energia armazenada)</source>
        <translation>Filter Choke Design - Graphical method of the L.I^2 product (stored energy)</translation>
    </message>
    <message>
        <source>Início</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Trafo Alimentação</source>
        <translation>Mains Transformer</translation>
    </message>
    <message>
        <source>Modulador Valvulado</source>
        <translation>Valve Modulator</translation>
    </message>
    <message>
        <source>Modulador Transistorizado</source>
        <translation>Transistor Modulator</translation>
    </message>
    <message>
        <source>Reator de Filtro</source>
        <translation>Filter Choke</translation>
    </message>
    <message>
        <source>Ajustes</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Retificador:</source>
        <translation>Rectifier:</translation>
    </message>
    <message>
        <source>Diodo ou válvula:</source>
        <translation>Diode or valve:</translation>
    </message>
    <message>
        <source>Tensão da rede (V):</source>
        <translation>Mains voltage (V):</translation>
    </message>
    <message>
        <source>Dispersão (mH, vazio: estimada):</source>
        <translation>Leakage (mH, empty: estimated):</translation>
    </message>
    <message>
        <source>Elemento 1:</source>
        <translation>Element 1:</translation>
    </message>
    <message>
        <source>Valor 1 (µF, ohms ou H):</source>
        <translation>Value 1 (µF, ohms or H):</translation>
    </message>
    <message>
        <source>ESR ou resistência 1 (ohms):</source>
        <translation>ESR or resistance 1 (ohms):</translation>
    </message>
    <message>
        <source>Elemento 2:</source>
        <translation>Element 2:</translation>
    </message>
    <message>
        <source>Valor 2:</source>
        <translation>Value 2:</translation>
    </message>
    <message>
        <source>ESR ou resistência 2:</source>
        <translation>ESR or resistance 2:</translation>
    </message>
    <message>
        <source>Elemento 3:</source>
        <translation>Element 3:</translation>
    </message>
    <message>
        <source>Valor 3:</source>
        <translation>Value 3:</translation>
    </message>
    <message>
        <source>ESR ou resistência 3:</source>
        <translation>ESR or resistance 3:</translation>
    </message>
    <message>
        <source>Elemento 4:</source>
        <translation>Element 4:</translation>
    </message>
    <message>
        <source>Valor 4:</source>
        <translation>Value 4:</translation>
    </message>
    <message>
        <source>ESR ou resistência 4:</source>
        <translation>ESR or resistance 4:</translation>
    </message>
    <message>
        <source>Válvula própria: k (A/V^1,5):</source>
        <translation>Own valve: k (A/V^1.5):</translation>
    </message>
    <message>
        <source>ou queda (V):</source>
        <translation>or drop (V):</translation>
    </message>
    <message>
        <source>a uma corrente (mA):</source>
        <translation>at a current (mA):</translation>
    </message>
    <message>
        <source>Pico por placa (mA):</source>
        <translation>Peak per plate (mA):</translation>
    </message>
    <message>
        <source>Tensão inversa máxima (V):</source>
        <translation>Peak inverse voltage (V):</translation>
    </message>
    <message>
        <source>Primeiro capacitor máximo (µF):</source>
        <translation>Largest first capacitor (µF):</translation>
    </message>
    <message>
        <source>Resistência mínima por placa (ohms):</source>
        <translation>Minimum resistance per plate (ohms):</translation>
    </message>
    <message>
        <source>Usar o reator da aba no primeiro L:</source>
        <translation>Use the tab&apos;s choke as the first L:</translation>
    </message>
    <message>
        <source>Carga:</source>
        <translation>Load:</translation>
    </message>
    <message>
        <source>Carga (mA ou ohms, vazio: a da aba):</source>
        <translation>Load (mA or ohms, empty: the tab&apos;s):</translation>
    </message>
    <message>
        <source>Resistor de sangria (ohms):</source>
        <translation>Bleeder resistor (ohms):</translation>
    </message>
    <message>
        <source>Regime permanente: os dois últimos ciclos</source>
        <translation>Steady state: the last two cycles</translation>
    </message>
    <message>
        <source>Partida</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Tensão CC e ondulação pela corrente de carga</source>
        <translation>DC voltage and ripple against load current</translation>
    </message>
    <message>
        <source>Cálculo de Transformadores V%1</source>
        <translation>Transformer Design V%1</translation>
    </message>
    <message>
        <source>O que a construção diz deste projeto no núcleo escolhido:
</source>
        <translation>What the construction says of this design on the chosen core:
</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copiar tudo</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>Selecionar tudo</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>O guia do usuário não foi encontrado.</source>
        <translation>The user&apos;s guide was not found.</translation>
    </message>
    <message>
        <source>Sobre o Kelvora</source>
        <translation>About Kelvora</translation>
    </message>
    <message>
        <source>&lt;b&gt;Kelvora - Cálculo de Transformadores V%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;Transformadores de alimentação, de modulação, moduladores transistorizados e reatores de filtro, com a construção na bancada.&lt;br&gt;&lt;br&gt;Programa gratuito (freeware), da equipe Kelvora. Todos os resultados devem ser conferidos antes da construção.</source>
        <translation>&lt;b&gt;Kelvora - Transformer Design V%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;Mains transformers, modulation transformers, transistor modulators and filter chokes, with their construction on the bench.&lt;br&gt;&lt;br&gt;Free program (freeware), by the Kelvora team. Check every result before you build.</translation>
    </message>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Abrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Salvar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salvar &amp;como…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Recentes</source>
        <translation>&amp;Recent</translation>
    </message>
    <message>
        <source>Sa&amp;ir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>AWG = 50-10*Log   (2100*Corrente/Sigma)</source>
        <translation>AWG = 50-10*Log   (2100*Current/Sigma)</translation>
    </message>
    <message>
        <source>Transformador</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Modulador</source>
        <translation>Modulator</translation>
    </message>
    <message>
        <source>+B Mod</source>
        <translation>+B Mod</translation>
    </message>
    <message>
        <source>Choque</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>de RF</source>
        <translation>choke</translation>
    </message>
    <message>
        <source>Placa da etapa de RF</source>
        <translation>RF stage plate</translation>
    </message>
    <message>
        <source>+B da RF</source>
        <translation>RF +B</translation>
    </message>
    <message>
        <source>Produto da Indutância pelo quadrado da corrente (LI^2):</source>
        <translation>Inductance times current squared (LI^2):</translation>
    </message>
    <message>
        <source>Produto do número de espiras pela corrente (NI):</source>
        <translation>Turns times current (NI):</translation>
    </message>
    <message>
        <source>Número de espiras no enrolamento (Nesp):</source>
        <translation>Number of turns in the winding (Nesp):</translation>
    </message>
    <message>
        <source>Transf.</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>driver</source>
        <translation>transf.</translation>
    </message>
    <message>
        <source>Transf. de</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>modulação</source>
        <translation>transf.</translation>
    </message>
    <message>
        <source>Perda no ferro:</source>
        <translation>Iron loss:</translation>
    </message>
    <message>
        <source>Perda no cobre (quente):</source>
        <translation>Copper loss (hot):</translation>
    </message>
    <message>
        <source>Dissipação por área (ψ):</source>
        <translation>Dissipation per area (ψ):</translation>
    </message>
    <message>
        <source>Elevação de temperatura (ΔT):</source>
        <translation>Temperature rise (ΔT):</translation>
    </message>
    <message>
        <source>Temperatura do cobre:</source>
        <translation>Copper temperature:</translation>
    </message>
    <message>
        <source>Indução real:</source>
        <translation>Actual flux density:</translation>
    </message>
    <message>
        <source>Rendimento:</source>
        <translation>Efficiency:</translation>
    </message>
    <message>
        <source>Entreferro magnético (2 juntas):</source>
        <translation>Magnetic air gap (2 joints):</translation>
    </message>
    <message>
        <source>Indutância:</source>
        <translation>Inductance:</translation>
    </message>
    <message>
        <source>Indutância do primário:</source>
        <translation>Primary inductance:</translation>
    </message>
    <message>
        <source>Reatância do primário em Fmin:</source>
        <translation>Primary reactance at Fmin:</translation>
    </message>
    <message>
        <source>Indução CA em Fmin:</source>
        <translation>AC flux density at Fmin:</translation>
    </message>
    <message>
        <source>Indução CC:</source>
        <translation>DC flux density:</translation>
    </message>
    <message>
        <source>Peso do ferro:</source>
        <translation>Iron weight:</translation>
    </message>
    <message>
        <source>Peso do cobre:</source>
        <translation>Copper weight:</translation>
    </message>
    <message>
        <source>Peso total (com carretel e isolação):</source>
        <translation>Total weight (with bobbin and insulation):</translation>
    </message>
    <message>
        <source>Banda</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Freqüência</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Indutância mínima necessária:</source>
        <translation>Minimum inductance required:</translation>
    </message>
    <message>
        <source>Corrente mínima necessária:</source>
        <translation>Minimum current required:</translation>
    </message>
    <message>
        <source>Capacitância mínima necessária:</source>
        <translation>Minimum capacitance required:</translation>
    </message>
    <message>
        <source>Indução:</source>
        <translation>Flux density:</translation>
    </message>
    <message>
        <source>Corrente em vazio:</source>
        <translation>No-load current:</translation>
    </message>
    <message>
        <source>Da corrente a plena carga:</source>
        <translation>Of the full-load current:</translation>
    </message>
    <message>
        <source>Perda em vazio:</source>
        <translation>No-load loss:</translation>
    </message>
    <message>
        <source>IEC 61558-1 (valores de referência; confira na norma)</source>
        <translation>IEC 61558-1 (reference values; check them against the standard)</translation>
    </message>
</context>
<context>
    <name>kelvora::DesignFiles</name>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Abrir projeto</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Salvar projeto como</source>
        <translation>Save design as</translation>
    </message>
    <message>
        <source>Salvar alterações em &quot;%1&quot;?</source>
        <translation>Save the changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sem título</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não existe mais e foi retirado da lista de recentes.</source>
        <translation>The file &quot;%1&quot; no longer exists and was taken off the recent list.</translation>
    </message>
</context>
<context>
    <name>kelvora::InsulationTableModel</name>
    <message>
        <source>Secundário</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>U trab. (V)</source>
        <translation>Working (V)</translation>
    </message>
    <message>
        <source>Ensaio (V)</source>
        <translation>Test (V)</translation>
    </message>
    <message>
        <source>Ar (mm)</source>
        <translation>Clearance (mm)</translation>
    </message>
    <message>
        <source>Escoam. (mm)</source>
        <translation>Creepage (mm)</translation>
    </message>
    <message>
        <source>Através (mm)</source>
        <translation>Through (mm)</translation>
    </message>
    <message>
        <source>Secundário isolado do primário</source>
        <translation>Secondary insulated from the primary</translation>
    </message>
    <message>
        <source>Tensão de trabalho entre o primário e o secundário na rede alta</source>
        <translation>Working voltage between the primary and the secondary at high line</translation>
    </message>
    <message>
        <source>Tensão do ensaio de isolação, aplicada por um minuto</source>
        <translation>Insulation test voltage, applied for one minute</translation>
    </message>
    <message>
        <source>Distância mínima no ar entre os dois circuitos</source>
        <translation>Least clearance through air between the two circuits</translation>
    </message>
    <message>
        <source>Distância mínima de escoamento, pela superfície da isolação</source>
        <translation>Least creepage distance, along the surface of the insulation</translation>
    </message>
    <message>
        <source>Espessura mínima da isolação reforçada em camadas finas</source>
        <translation>Least thickness of reinforced insulation in thin layers</translation>
    </message>
    <message>
        <source>acima da tabela</source>
        <translation>beyond the table</translation>
    </message>
</context>
<context>
    <name>kelvora::NoLoadPlot</name>
    <message>
        <source>Corrente em vazio contra a tensão da rede</source>
        <translation>No-load current against the mains voltage</translation>
    </message>
    <message>
        <source>Tensão da rede (V)</source>
        <translation>Mains voltage (V)</translation>
    </message>
    <message>
        <source>Corrente em vazio (A)</source>
        <translation>No-load current (A)</translation>
    </message>
    <message>
        <source>nominal</source>
        <translation>nominal</translation>
    </message>
    <message>
        <source>rede alta</source>
        <translation>high line</translation>
    </message>
</context>
<context>
    <name>kelvora::PainelRede</name>
    <message>
        <source> Rede </source>
        <translation> Mains </translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Rede alta</source>
        <translation>High line</translation>
    </message>
    <message>
        <source>Isolação entre primário e secundários</source>
        <translation>Insulation between primary and secondaries</translation>
    </message>
    <message>
        <source>Rede alta (+%1 %)</source>
        <translation>High line (+%1 %)</translation>
    </message>
    <message>
        <source>Com os primários em série: %1 A retardado</source>
        <translation>With the primaries in series: %1 A slow-blow</translation>
    </message>
    <message>
        <source>Com os primários em série: acima de 16 A retardado</source>
        <translation>With the primaries in series: above 16 A slow-blow</translation>
    </message>
    <message>
        <source>Isolação reforçada (IEC 61558-1):</source>
        <translation>Reinforced insulation (IEC 61558-1):</translation>
    </message>
    <message>
        <source>Isolação básica (IEC 61558-1):</source>
        <translation>Basic insulation (IEC 61558-1):</translation>
    </message>
</context>
<context>
    <name>kelvora::PainelSugestoes</name>
    <message>
        <source>Sugerir núcleo</source>
        <translation>Suggest a core</translation>
    </message>
    <message>
        <source>Os núcleos do catálogo que passam em todas as verificações, os mais leves primeiro</source>
        <translation>The catalogue&apos;s cores that pass every check, the lightest first</translation>
    </message>
    <message>
        <source>Usar este núcleo</source>
        <translation>Use this core</translation>
    </message>
    <message>
        <source>%1 de %2 núcleos passam em todas as verificações.</source>
        <translation>%1 of %2 cores pass every check.</translation>
    </message>
</context>
<context>
    <name>kelvora::TFCalcPI</name>
    <message>
        <source>Cálculos relativos ao circuito PI de saída de RF</source>
        <translation>Calculations for the RF output pi network</translation>
    </message>
    <message>
        <source>Circuito PI de saída da etapa de RF</source>
        <translation>Output pi network of the RF stage</translation>
    </message>
    <message>
        <source> Etapa de RF </source>
        <translation> RF stage </translation>
    </message>
    <message>
        <source>Tensão de placa (Eb):</source>
        <translation>Plate voltage (Eb):</translation>
    </message>
    <message>
        <source>Corrente de placa (Ib):</source>
        <translation>Plate current (Ib):</translation>
    </message>
    <message>
        <source>Classe de operação:</source>
        <translation>Class of operation:</translation>
    </message>
    <message>
        <source>Carga de placa (R1 = Eb / K·Ib):</source>
        <translation>Plate load (R1 = Eb / K·Ib):</translation>
    </message>
    <message>
        <source> Circuito PI </source>
        <translation> Pi network </translation>
    </message>
    <message>
        <source>Q de operação:</source>
        <translation>Operating Q:</translation>
    </message>
    <message>
        <source>Carga de saída (R2):</source>
        <translation>Output load (R2):</translation>
    </message>
    <message>
        <source>Freqüência:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>Banda:</source>
        <translation>Band:</translation>
    </message>
    <message>
        <source> Componentes </source>
        <translation> Components </translation>
    </message>
    <message>
        <source>Resistência virtual (Rv):</source>
        <translation>Virtual resistance (Rv):</translation>
    </message>
    <message>
        <source>Tensão de pico em C1 (AM 100 %):</source>
        <translation>Peak voltage across C1 (AM 100 %):</translation>
    </message>
    <message>
        <source>Reatância de C1 (XC1):</source>
        <translation>Reactance of C1 (XC1):</translation>
    </message>
    <message>
        <source>Capacitor de entrada (C1):</source>
        <translation>Input capacitor (C1):</translation>
    </message>
    <message>
        <source>Reatância de L (XL):</source>
        <translation>Reactance of L (XL):</translation>
    </message>
    <message>
        <source>Indutor (L):</source>
        <translation>Inductor (L):</translation>
    </message>
    <message>
        <source>Reatância de C2 (XC2):</source>
        <translation>Reactance of C2 (XC2):</translation>
    </message>
    <message>
        <source>Capacitor de saída (C2):</source>
        <translation>Output capacitor (C2):</translation>
    </message>
    <message>
        <source> Valores por banda </source>
        <translation> Values by band </translation>
    </message>
    <message>
        <source>Valores por banda</source>
        <translation>Values by band</translation>
    </message>
    <message>
        <source>Fecha Janela</source>
        <translation>Close Window</translation>
    </message>
</context>
<context>
    <name>kelvora::TFCalcReator</name>
    <message>
        <source>Cálculo do Reator para Modulação</source>
        <translation>Modulation Choke Design</translation>
    </message>
    <message>
        <source>Fecha Janela</source>
        <translation>Close Window</translation>
    </message>
</context>
<context>
    <name>kelvora::TFConstrucao</name>
    <message>
        <source>Construção e perdas</source>
        <translation>Construction and losses</translation>
    </message>
    <message>
        <source>Construção e perdas — %1</source>
        <translation>Construction and losses — %1</translation>
    </message>
    <message>
        <source> Ajustes da construção </source>
        <translation> Construction settings </translation>
    </message>
    <message>
        <source> Cargas dos secundários </source>
        <translation> Secondary loads </translation>
    </message>
    <message>
        <source>Corte da janela em escala</source>
        <translation>Cross-section of the window to scale</translation>
    </message>
    <message>
        <source>Catálogo:</source>
        <translation>Catalogue:</translation>
    </message>
    <message>
        <source> Perdas, temperatura e pesos </source>
        <translation> Losses, temperature and weights </translation>
    </message>
    <message>
        <source>Enrolamentos</source>
        <translation>Windings</translation>
    </message>
    <message>
        <source>Grava folha de enrolamento</source>
        <translation>Save winding sheet</translation>
    </message>
    <message>
        <source>Exporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Imprime</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Exporta folha de enrolamento em PDF</source>
        <translation>Export the winding sheet as PDF</translation>
    </message>
    <message>
        <source>Imprime folha de enrolamento</source>
        <translation>Print the winding sheet</translation>
    </message>
    <message>
        <source>Não foi possível imprimir a folha de enrolamento: a impressora não aceitou o trabalho.</source>
        <translation>Could not print the winding sheet: the printer did not take the job.</translation>
    </message>
    <message>
        <source>Espiras enroladas:</source>
        <translation>Turns wound:</translation>
    </message>
    <message>
        <source>Para o núcleo escolhido: espiras (e entreferros) projetadas para o núcleo da aba. Espiras da aba: as espiras que a aba calculou.</source>
        <translation>For the chosen core: turns (and air gaps) designed for the tab&apos;s core. The tab&apos;s turns: the turns the tab calculated.</translation>
    </message>
    <message>
        <source>Aço das lâminas:</source>
        <translation>Lamination steel:</translation>
    </message>
    <message>
        <source>Grau do aço (perda garantida a 1,5 T e 50 Hz). M800-50A para lâminas antigas ou de origem desconhecida.</source>
        <translation>Steel grade (loss guaranteed at 1.5 T and 50 Hz). M800-50A for old laminations or those of unknown origin.</translation>
    </message>
    <message>
        <source>Fator de empilhamento:</source>
        <translation>Stacking factor:</translation>
    </message>
    <message>
        <source>Fração da altura da pilha que é ferro (ks). Usual 0,90 a 0,97; válido de 0,5 a 1.</source>
        <translation>Fraction of the stack height that is iron (ks). Usually 0.90 to 0.97; valid from 0.5 to 1.</translation>
    </message>
    <message>
        <source>Fator de construção das perdas:</source>
        <translation>Core loss building factor:</translation>
    </message>
    <message>
        <source>Aumento da perda no ferro pelo corte e pela montagem (kbf). Usual 1,1 a 1,5; válido de 1 a 3.</source>
        <translation>Rise of the core loss from cutting and assembly (kbf). Usually 1.1 to 1.5; valid from 1 to 3.</translation>
    </message>
    <message>
        <source>Grau do esmalte do fio:</source>
        <translation>Wire enamel grade:</translation>
    </message>
    <message>
        <source>1: esmalte simples; 2: esmalte duplo (o mais comum). Decide o diâmetro total do fio.</source>
        <translation>1: single enamel; 2: double enamel (the most common). Sets the overall diameter of the wire.</translation>
    </message>
    <message>
        <source>Parede do carretel:</source>
        <translation>Bobbin wall:</translation>
    </message>
    <message>
        <source>Espessura do tubo do carretel sobre a perna central. Usual 0,5 a 2 mm; válido de 0 a 10 mm.</source>
        <translation>Thickness of the bobbin tube over the centre leg. Usually 0.5 to 2 mm; valid from 0 to 10 mm.</translation>
    </message>
    <message>
        <source>Aba do carretel:</source>
        <translation>Bobbin flange:</translation>
    </message>
    <message>
        <source>Espessura de cada aba do carretel. Usual 0,5 a 2 mm; válido de 0 a 10 mm.</source>
        <translation>Thickness of each bobbin flange. Usually 0.5 to 2 mm; valid from 0 to 10 mm.</translation>
    </message>
    <message>
        <source>Margem em cada ponta da camada:</source>
        <translation>Margin at each end of a layer:</translation>
    </message>
    <message>
        <source>Espaço sem fio em cada ponta de cada camada, para a isolação. Usual 0 a 3 mm; válido de 0 a 20 mm.</source>
        <translation>Space left without wire at each end of each layer, for the insulation. Usually 0 to 3 mm; valid from 0 to 20 mm.</translation>
    </message>
    <message>
        <source>Isolação entre camadas:</source>
        <translation>Interlayer insulation:</translation>
    </message>
    <message>
        <source>Espessura do papel ou da fita entre duas camadas. Usual 0,03 a 0,1 mm; válido de 0 a 2 mm.</source>
        <translation>Thickness of the paper or tape between two layers. Usually 0.03 to 0.1 mm; valid from 0 to 2 mm.</translation>
    </message>
    <message>
        <source>Isolação sobre cada enrolamento:</source>
        <translation>Insulation over each winding:</translation>
    </message>
    <message>
        <source>Espessura da fita posta sobre cada enrolamento. Usual 0,1 a 0,5 mm; válido de 0 a 5 mm.</source>
        <translation>Thickness of the tape laid over each winding. Usually 0.1 to 0.5 mm; valid from 0 to 5 mm.</translation>
    </message>
    <message>
        <source>Fator de enrolamento:</source>
        <translation>Winding lay factor:</translation>
    </message>
    <message>
        <source>Passo de uma espira sobre o diâmetro do fio (klay). Usual 1,05 a 1,15; válido de 1 a 2.</source>
        <translation>Pitch of one turn over the wire diameter (klay). Usually 1.05 to 1.15; valid from 1 to 2.</translation>
    </message>
    <message>
        <source>Fator de abaulamento:</source>
        <translation>Bulge factor:</translation>
    </message>
    <message>
        <source>Quanto a bobina fica mais grossa que a soma das camadas (kb). Usual 1,05 a 1,2; válido de 1 a 2.</source>
        <translation>How much thicker the coil ends up than the sum of its layers (kb). Usually 1.05 to 1.2; valid from 1 to 2.</translation>
    </message>
    <message>
        <source>Folga entre bobina e núcleo:</source>
        <translation>Clearance between coil and core:</translation>
    </message>
    <message>
        <source>Espaço livre entre a bobina pronta e o núcleo. Usual 0,5 a 1 mm; válido de 0 a 10 mm.</source>
        <translation>Free space between the finished coil and the core. Usually 0.5 to 1 mm; valid from 0 to 10 mm.</translation>
    </message>
    <message>
        <source>Temperatura ambiente:</source>
        <translation>Ambient temperature:</translation>
    </message>
    <message>
        <source>Temperatura do ar em volta da peça. Usual 25 a 40 °C; válido de -40 a 100 °C.</source>
        <translation>Temperature of the air around the part. Usually 25 to 40 °C; valid from -40 to 100 °C.</translation>
    </message>
    <message>
        <source>Classe de isolação:</source>
        <translation>Insulation class:</translation>
    </message>
    <message>
        <source>Temperatura máxima do ponto mais quente que a isolação suporta.</source>
        <translation>Highest hot-spot temperature the insulation withstands.</translation>
    </message>
    <message>
        <source>Permeabilidade relativa do aço:</source>
        <translation>Relative permeability of the steel:</translation>
    </message>
    <message>
        <source>Permeabilidade relativa do aço nas induções de trabalho. Usual 2000 a 8000; válido de 100 a 100000.</source>
        <translation>Relative permeability of the steel at the working flux densities. Usually 2000 to 8000; valid from 100 to 100000.</translation>
    </message>
    <message>
        <source>Corrente dos retificadores:</source>
        <translation>Rectifier current:</translation>
    </message>
    <message>
        <source>Da simulação: um secundário simulado na janela Fonte leva a corrente rms que a simulação do retificador dá; do fator fixo: a corrente da carga pelo fator do tipo de carga.</source>
        <translation>From the simulation: a secondary simulated in the Supply window carries the rms current the rectifier simulation gives; from the fixed factor: the load current times the factor of the load type.</translation>
    </message>
    <message>
        <source>Indução CC máxima do reator:</source>
        <translation>Largest DC flux density of a choke:</translation>
    </message>
    <message>
        <source>Maior indução de corrente contínua de um reator sem saturar. Usual 10000 a 14000 Gauss; válido de 1000 a 20000 Gauss.</source>
        <translation>Largest DC flux density a choke takes without saturating. Usually 10000 to 14000 Gauss; valid from 1000 to 20000 Gauss.</translation>
    </message>
    <message>
        <source>Largura da janela do U/I (c):</source>
        <translation>U/I window width (c):</translation>
    </message>
    <message>
        <source>Largura da janela entre as duas pernas do U. Vazio: proporção sem retalho, em que o I sai da janela do U (c = a, a largura da perna); válido de 1 a 1000 mm.</source>
        <translation>Width of the window between the two legs of the U. Empty: the scrapless proportion, in which the I is punched from the U&apos;s window (c = a, the leg width); valid from 1 to 1000 mm.</translation>
    </message>
    <message>
        <source>Altura da janela do U/I (h):</source>
        <translation>U/I window height (h):</translation>
    </message>
    <message>
        <source>Altura da janela, do fundo do U ao I. Vazio: proporção sem retalho, em que o I sai da janela do U (h = 3a); válido de 1 a 1000 mm.</source>
        <translation>Height of the window, from the bottom of the U to the I. Empty: the scrapless proportion, in which the I is punched from the U&apos;s window (h = 3a); valid from 1 to 1000 mm.</translation>
    </message>
    <message>
        <source>Indução CC de projeto do reator:</source>
        <translation>Design DC flux density of a choke:</translation>
    </message>
    <message>
        <source>Indução de corrente contínua para a qual o reator é projetado, abaixo da máxima para deixar lugar à ondulação. Usual 6000 a 9000 Gauss; válido de 1000 a 20000 Gauss.</source>
        <translation>DC flux density the choke is designed for, below the largest to leave room for the ripple. Usually 6000 to 9000 Gauss; valid from 1000 to 20000 Gauss.</translation>
    </message>
    <message>
        <source>Regulação máxima:</source>
        <translation>Maximum regulation:</translation>
    </message>
    <message>
        <source>Maior regulação aceita num secundário. Transformadores pequenos: 4 a 12 % na alta tensão, até 15 % nos filamentos; válido de 0 a 100 %.</source>
        <translation>Largest regulation accepted in a secondary. Small transformers: 4 to 12 % on the high voltage, up to 15 % on the heaters; valid from 0 to 100 %.</translation>
    </message>
    <message>
        <source>Tolerância da rede:</source>
        <translation>Mains tolerance:</translation>
    </message>
    <message>
        <source>Quanto a tensão da rede pode subir acima da nominal (EN 50160: 10 %; no Brasil, 133 V em 127 V e 231 V em 220 V). Válido de 0 a 30 %.</source>
        <translation>How far the mains voltage may rise above nominal (EN 50160: 10 %; in Brazil, 133 V on 127 V and 231 V on 220 V). Valid from 0 to 30 %.</translation>
    </message>
    <message>
        <source>Entreferro equivalente de cada junta:</source>
        <translation>Equivalent air gap of each joint:</translation>
    </message>
    <message>
        <source>Folga de ar que cada junta E-I equivale. Lâminas topo a topo: 0,013 a 0,025 mm; intercaladas: menos. Válido de 0 a 1 mm.</source>
        <translation>Air gap each E-I joint is worth. Butt-stacked laminations: 0.013 to 0.025 mm; interleaved: less. Valid from 0 to 1 mm.</translation>
    </message>
    <message>
        <source>Corrente em vazio máxima:</source>
        <translation>Maximum no-load current:</translation>
    </message>
    <message>
        <source>Maior corrente em vazio na rede alta, em % da corrente do primário a plena carga. Válido de 1 a 100 %.</source>
        <translation>Largest no-load current at high line, in % of the primary current at full load. Valid from 1 to 100 %.</translation>
    </message>
    <message>
        <source>Isolação entre primário e secundários:</source>
        <translation>Insulation between primary and secondaries:</translation>
    </message>
    <message>
        <source>Básica, ou reforçada (dupla) quando o secundário é acessível ao usuário.</source>
        <translation>Basic, or reinforced (double) when the user can touch the secondary.</translation>
    </message>
    <message>
        <source>Carga do secundário 1:</source>
        <translation>Load of secondary 1:</translation>
    </message>
    <message>
        <source>Carga do secundário 2:</source>
        <translation>Load of secondary 2:</translation>
    </message>
    <message>
        <source>Carga do secundário 3:</source>
        <translation>Load of secondary 3:</translation>
    </message>
    <message>
        <source>Carga do secundário 4:</source>
        <translation>Load of secondary 4:</translation>
    </message>
    <message>
        <source>Carga do secundário 5:</source>
        <translation>Load of secondary 5:</translation>
    </message>
    <message>
        <source>Carga do secundário 6:</source>
        <translation>Load of secondary 6:</translation>
    </message>
    <message>
        <source>O que o secundário alimenta. Com retificador, a corrente digitada na aba é a corrente contínua da carga.</source>
        <translation>What the secondary feeds. With a rectifier, the current typed on the tab is the load&apos;s direct current.</translation>
    </message>
</context>
<context>
    <name>kelvora::TFFonte</name>
    <message>
        <source>Fonte de alimentação</source>
        <translation>Power supply</translation>
    </message>
    <message>
        <source> Circuito </source>
        <translation> Circuit </translation>
    </message>
    <message>
        <source>Secundário:</source>
        <translation>Secondary:</translation>
    </message>
    <message>
        <source>Tensão de saída (V)</source>
        <translation>Output voltage (V)</translation>
    </message>
    <message>
        <source>Corrente do enrolamento (A)</source>
        <translation>Winding current (A)</translation>
    </message>
    <message>
        <source>Tensão CC (V)</source>
        <translation>DC voltage (V)</translation>
    </message>
    <message>
        <source>Ondulação (V pp)</source>
        <translation>Ripple (V pp)</translation>
    </message>
</context>
<context>
    <name>kelvora::TFKelvora</name>
    <message>
        <source>Cálculo de Transformadores V%1</source>
        <translation>Transformer Design V%1</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>O último cálculo terminou com erro. Corrija os dados antes de gravar o relatório.</source>
        <translation>The last calculation ended in an error. Correct the data before writing the report.</translation>
    </message>
    <message>
        <source>Estes campos não contêm um número válido e o cálculo usou um valor substituto no lugar deles:

%1

Gravar o relatório com os valores substituídos?</source>
        <translation>These fields do not hold a valid number and the calculation used a substitute value in their place:

%1

Write the report with the substituted values?</translation>
    </message>
    <message>
        <source>Estes campos têm valores com que não se constrói a peça:

%1

Gravar o relatório assim mesmo?</source>
        <translation>These fields have values the part cannot be built from:

%1

Write the report all the same?</translation>
    </message>
    <message>
        <source>Valores usados no lugar do texto digitado — </source>
        <translation>Values used in place of the text typed — </translation>
    </message>
</context>
<context>
    <name>kelvora::TFNucleo</name>
    <message>
        <source>Visualiza Núcleo</source>
        <translation>View Core</translation>
    </message>
    <message>
        <source>Fecha Visualização</source>
        <translation>Close View</translation>
    </message>
</context>
<context>
    <name>kelvora::UICoreDrawing</name>
    <message>
        <source>Núcleo U/I com as medidas</source>
        <translation>U/I core with its dimensions</translation>
    </message>
</context>
<context>
    <name>kelvora::WindingTableModel</name>
    <message>
        <source>Enrolamento</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Espiras</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Espiras
(aba)</source>
        <translation>Turns
(tab)</translation>
    </message>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>Ø nu
(mm)</source>
        <translation>Ø bare
(mm)</translation>
    </message>
    <message>
        <source>Ø total
(mm)</source>
        <translation>Ø overall
(mm)</translation>
    </message>
    <message>
        <source>Espiras/
camada</source>
        <translation>Turns/
layer</translation>
    </message>
    <message>
        <source>Camadas</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Altura
(mm)</source>
        <translation>Build
(mm)</translation>
    </message>
    <message>
        <source>Fio
(m)</source>
        <translation>Wire
(m)</translation>
    </message>
    <message>
        <source>R 20 °C
(Ω)</source>
        <translation>R 20 °C
(Ω)</translation>
    </message>
    <message>
        <source>R quente
(Ω)</source>
        <translation>R hot
(Ω)</translation>
    </message>
    <message>
        <source>I rms
(A)</source>
        <translation>I rms
(A)</translation>
    </message>
    <message>
        <source>J
(A/mm²)</source>
        <translation>J
(A/mm²)</translation>
    </message>
    <message>
        <source>Perda
(W)</source>
        <translation>Loss
(W)</translation>
    </message>
    <message>
        <source>V vazio
(V)</source>
        <translation>V no load
(V)</translation>
    </message>
    <message>
        <source>V carga
(V)</source>
        <translation>V on load
(V)</translation>
    </message>
    <message>
        <source>Regulação
(%)</source>
        <translation>Regulation
(%)</translation>
    </message>
</context>
</TS>
