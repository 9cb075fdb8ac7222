<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Diariamente</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Antes de uma importação</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Antes de uma restauração</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Guardado manualmente</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, danificado</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Restaurar “%1” do backup</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Instantâneos são guardados todos os dias, antes de cada importação e antes de cada restauração. Abra um para examiná-lo ou importar dados dele, ou restaure a coleção inteira como estava.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Instantâneos</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>&amp;Abrir backup</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Restaurar…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>O Spinora não pode definir um lembrete diário nesta área de trabalho: não foi possível gravar a entrada de login %1.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Esta área de trabalho não consegue iniciar o Spinora em um horário definido; por isso, ele procurará plantas a regar sempre que você entrar na sessão, em vez de todos os dias às %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Restaurar do backup…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Manter instantâneos de cada coleção: diariamente e antes de cada importação ou restauração</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Pasta:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Escolher…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Usar no máximo:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Pasta de instantâneos</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Restaurar instantâneo</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Abrir mesmo assim</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>O arquivo de foto “%1” está faltando.</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>Faltam %1 dos seus arquivos de foto, o primeiro é “%2”.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>A coleção “%1” está danificada e por isso não foi aberta.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>O instantâneo íntegro mais recente foi criado em %1 e contém %2 plantas, %3 registros e %4 fotos. Restaurá-lo substitui a coleção; a danificada é guardada antes como instantâneo.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Não há instantâneo dela para restaurar.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Não foi possível restaurar o instantâneo: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. A coleção está aberta normalmente; libere espaço ou escolha outra pasta de backup nas Preferências.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Restaurar “%1” como estava em %2?</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>A coleção terá %1 plantas, %2 registros e %3 fotos. O estado atual dela é guardado antes como instantâneo, então isso pode ser desfeito restaurando esse instantâneo.</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Restaurar</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>A coleção não foi restaurada: %1</translation>
    </message>
    <message id="Spinora">
        <source></source>
        <translation>Spinora</translation>
    </message>
    <message id="Spinora Lite">
        <source></source>
        <translation>Spinora Lite</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Backup Database or Export Data on the Tools screen.">
        <source></source>
        <translation>Nenhum dispositivo encontrado. Abra o Spinora no seu iPhone, iPad ou iPod touch e selecione Fazer backup do banco de dados ou Exportar dados na tela Ferramentas.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Nenhum dispositivo encontrado. Abra o Spinora no seu iPhone, iPad ou iPod touch e selecione Restaurar banco de dados ou Importar dados na tela Ferramentas.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Selecione um dispositivo na lista.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Nenhum dispositivo encontrado: a busca por dispositivos na rede falhou (%1). Ela requer o serviço avahi-daemon: inicie-o (por exemplo, com &quot;systemctl start avahi-daemon&quot;) e abra esta janela novamente.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>ela parou</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Clique no botão Exportar para enviar o banco de dados ao seu dispositivo.</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>O aplicativo perguntará o que você deseja importar.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Importação concluída</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Importação do banco de dados concluída!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Erro de importação</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Ocorreu um erro durante a importação! A importação do banco de dados foi cancelada e nenhuma alteração foi feita.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>AVISO</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Erro ao transferir o banco de dados!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Verificar dispositivo</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Banco de dados transferido! Verifique seu dispositivo para mais instruções.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Nenhuma coleção está aberta.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>A solicitação expirou.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Não é um endereço de dispositivo: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Nenhuma pasta para arquivos temporários.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>Erro HTTP %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>O arquivo no dispositivo é maior que %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>O dispositivo não enviou um banco de dados do Spinora.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>O dispositivo fechou a conexão antes de o arquivo inteiro chegar.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Não foi possível gravar o arquivo baixado.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Erro de leitura do arquivo</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Erro ao abrir o fluxo</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Erro de escrita na rede</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Opções de importação</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Cancelar</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importar</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exportar</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Importando banco de dados</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Exportando banco de dados</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>É necessário um nome para salvar</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nome</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Remover</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Remover da lista a espécie selecionada.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Espécie</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Novas espécies são adicionadas automaticamente à lista ao salvar as informações do cacto</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Tipo</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Abrir…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Abrir o plano de rega</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Rega</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Próxima rega</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Data de plantio</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Idade</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Data de aquisição</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Alterar a data da última rega pode fazer com que a rega desta planta fique fora de sincronia com o plano de rega associado</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Remover espécie</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Preço de compra</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Valor</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Adicionar cacto</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Editar cacto</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Novo cacto</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Informações do cacto</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Adicionando fotos…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Continuar editando</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: “%2” não é um valor como %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: é necessário um número inteiro igual ou maior que %2.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: “%2” não é um número inteiro igual ou maior que %3.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 comporta no máximo %2 caracteres.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Dos %1 caracteres inseridos, %2 couberam.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Inserir os primeiros %1</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Não inserir nada</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Regado agora</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Última rega</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Nenhum agendado</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Lembrete: não</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Lembrete: sim</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>É necessário um nome de evento para salvar</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Remover o nome do evento da lista.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Evento</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Data</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Lembrete</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Abrir o cacto</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Novo…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Adicionar um novo cacto</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Cacto</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Remover evento</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Cacto sem nome</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Sem notas</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Nota</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Adicionar registro</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Editar registro</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Novo registro</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Informações do registro</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Foto %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Adicionar foto…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Adicionar fotos de arquivos</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Legenda</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Imprimir</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Fotos</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Notas</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>“%1” já está aberto em outra janela. Termine de editá-lo lá primeiro.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Cactos a regar</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Fechar</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, dia</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Regar a cada</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Quantidade</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Limpar data</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Sem rega entre</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Escolha os cactos que seguem este plano</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Adicionar cactos</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Remover os cactos selecionados deste plano</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Remover cactos</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Remover cacto</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Adicionar plano de rega</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Editar plano de rega</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Novo plano de rega</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Informações do plano de rega</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Nunca</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Cacto de exemplo</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Estufa</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Uma planta por linha; colunas vazias são omitidas.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Plano de exemplo</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Replantado</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Cactos</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Registros</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Linha %1, coluna %2 (%3): &quot;%4&quot; não pôde ser lido e não foi importado.</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>Mais %1 campos não puderam ser lidos e não foram importados.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Nenhuma coluna do mapeamento fornece os nomes das plantas.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(uma coluna de nomes de plantas)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>O arquivo não segue o layout do modelo CSV do Spinora e estas colunas não puderam ser associadas: &quot;%1&quot;. Indique o campo de cada coluna, por exemplo --map &quot;%2&quot; (os campos são %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>&quot;%1&quot; não é um par COLUNA=CAMPO.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>&quot;%1&quot; não é um campo; os campos são %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>O arquivo não tem a coluna &quot;%1&quot;.</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Nada foi importado. Libere espaço ou escolha outra pasta de backup nas Preferências e tente novamente.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>A importação foi salva, mas não foi possível ler a coleção novamente (%1), por isso ela foi desfeita.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>A importação foi salva, mas não foi possível ler a coleção novamente (%1). Esta janela ainda mostra a coleção como era antes: feche-a e abra a coleção novamente, ou desfaça a importação (Editar &gt; Desfazer importação).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>A importação foi salva, mas não foi possível ler a coleção novamente (%1). Esta janela ainda mostra a coleção como era antes: feche-a e abra a coleção novamente.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Cactos importados: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Planos de rega importados: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Registros importados: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Nem tudo pôde ser importado:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... e mais %1.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Pasta do relatório</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Arquivo do relatório</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Opções de exportação</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Procurar</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Fotos pequenas</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Fotos médias</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Fotos grandes</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Fotos extragrandes</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Exportar para relatório HTML</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Escolher pasta</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Exportando relatório</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Exportação concluída</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Exportação do relatório concluída!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Erro de exportação</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Ocorreu um erro ao exportar o relatório.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Banco de dados completo</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Cactos e planos de rega</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Planos de rega</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Nota: o arquivo CSV deve estar formatado de acordo com o modelo CSV do Spinora</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>salvar</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>ou ser uma planilha de plantas, uma por linha, cujos cabeçalhos de coluna indicam seus campos.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Escolher</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>A pasta escolhida não é um banco de dados do Spinora. Selecione uma pasta terminada em .sdb ou o arquivo spinora.db dentro dela.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Não é permitido importar de um banco de dados que está aberto. Selecione outro banco de dados para a importação.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Não é permitido exportar para um banco de dados que está aberto. Selecione outro banco de dados para a exportação.</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>O arquivo &quot;%1&quot; não existe.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Exportação do banco de dados concluída!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Ocorreu um erro durante a exportação! A exportação do banco de dados foi cancelada e nenhuma alteração foi feita.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Salvar o modelo CSV</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Modelo CSV do Spinora</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>Arquivo CSV</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Parando...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>&quot;%1&quot; já existe. Deseja substituí-lo?</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Mais itens da barra de ferramentas</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Exportado do %1 v%2 em %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Origem</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Local</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Histórico de registros</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Nenhum</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Sim</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Não</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Cactos selecionados (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Todos os cactos listados (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Layout:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etiquetas para:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Imprimir...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 etiqueta</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>%1 etiquetas</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 página</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 páginas</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 etiquetas</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Configurar página</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Retrato</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Paisagem</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Tamanho do papel</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Orientação</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Margem superior</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Margem inferior</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Margem esquerda</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Margem direita</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Nada foi impresso: não foi possível usar a impressora &quot;%1&quot;.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Nada foi impresso: não foi possível gravar o arquivo &quot;%1&quot;.</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Visualizar impressão</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Nada foi alterado.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Sem título</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Desconhecido</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>ano</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>anos</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Nenhum evento</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Hoje</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>em atraso desde %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>em repouso até %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Amanhã</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>em %1 dias</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Marcar como regado</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Não há mais espaço no disco. Libere espaço e tente novamente.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Não é possível gravar na coleção: o disco ou a pasta é somente leitura.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Outro programa está usando a coleção. Tente novamente quando ele terminar.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Não foi possível ler ou gravar no disco. Verifique o disco e tente novamente.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>O arquivo do banco de dados da coleção está danificado.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Nenhuma espécie</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Imprimir etiquetas...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Excluir este cacto também excluirá todos os seus registros</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Excluir estes cactos também excluirá todos os registros associados a eles</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Excluir</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Excluir cacto</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Excluir cactos</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Duplicar cacto</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Duplicar cactos</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Pesquisar</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Pesquisar na lista</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Pesquisar na lista visível</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Pesquisas recentes</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Pendente</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Mostrar apenas o que estiver pendente até o fim de hoje</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Ordenar por</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplicar</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Nenhuma pesquisa recente</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Limpar histórico de pesquisa</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Marcar como regado...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Regado</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Registrar que as plantas ou planos selecionados foram regados</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Sem título</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (somente leitura)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Histórico</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Excluir registro</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Excluir registros</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Duplicar registro</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Duplicar registros</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Adicionar</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Editar</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Carregando…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Pesquisando…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Nome científico</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Quando foram regados?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Regado em</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>O quê:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Regado em:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Estatísticas</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Desfazer</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Refazer</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Desfazer %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Refazer %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Excluir plano de rega</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Excluir planos de rega</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Duplicar plano de rega</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Duplicar planos de rega</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Idioma</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Sistema</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Aplicado na próxima vez que o Spinora for iniciado.</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>não foi possível gravar a foto na coleção (o disco está cheio?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Configurar página</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>nome|planta|nome da planta|cacto|etiqueta</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>científico|nome científico|nome botânico|nome latino|táxon|gênero|espécie</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>popular|nome popular</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>tipo|tipo de planta</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>rega|plano|plano de rega</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>última rega</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>próxima rega</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>plantado|data de plantio|data do plantio|semeado</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>fonte|origem</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>adquirido|data de aquisição|comprado|compra|data da compra</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>preço|preço de compra|custo|pago</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>valor|valor estimado</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>local|lugar|posição|bancada|estufa</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>largura|diâmetro</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>luz|sol</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatura|temp|temp mín</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>tamanho do vaso|vaso</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>formato do vaso|formato</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>material do vaso|material</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>notas|nota|comentários|comentário|observações|descrição</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|nº|n.º|número|foto|fotos|imagem|figura</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Começa</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Dia inteiro</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilidade</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Armazenado em %1. Para ver estes lembretes no calendário da sua área de trabalho, adicione este arquivo a ele como calendário.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Adicionar novo evento</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Editar evento</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Todas as fotos</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Adicionar fotos…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Adicionar fotos de arquivos de imagem. Você também pode soltar arquivos de imagem na grade.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Tamanho das fotos</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Adicionando fotos</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Adicionar fotos</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Imagens (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Nenhuma coleção está aberta.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Este arquivo não foi adicionado:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Estes arquivos não foram adicionados:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Legenda</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>fotos</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Relatório de cactos</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Exportado do %1 v%2 em %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Total de cactos</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Total de planos de rega</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Total de registros</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Espécies distintas</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Valor total</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Histórico de registros</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Sem nome de evento</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Sem notas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Sem rega entre</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Cactos a regar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
</TS>
