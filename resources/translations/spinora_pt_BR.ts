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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>A coleção “%1” está danificada e por isso não foi aberta.</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 página</translation>
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
    <message id="Taken">
        <source></source>
        <translation>Tirada em</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Motivo</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Plantas</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Tamanho</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>O Spinora foi encerrado inesperadamente da última vez que foi usado.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Um relatório do problema foi salvo. Deseja vê-lo?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Mostrar relatório</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Agora não</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Relatório de falha</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Salvo como %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Não foi possível gravar o horário do lembrete em %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>O Spinora vai lembrá-lo todos os dias às %1 (temporizador de usuário do systemd %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Os lembretes estão desativados.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Limpar menu</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Novo</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Abrir...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Abrir recente</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Salvar</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Salvar como...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Configurar página...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Visualizar impressão...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Sair do Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Editar</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Adicionar item</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Remover item</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Duplicar item</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Recortar</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copiar</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Colar</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Selecionar tudo</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Preferências...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>E&amp;xibir</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Mostrar barra de ferramentas</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Personalizar barra de ferramentas</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Ícone e texto</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Somente ícone</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Somente texto</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Calendário de floração...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Estatísticas...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>Jan&amp;ela</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimizar</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Trazer tudo para a frente</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Curta o Spinora no Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Site do Spinora...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Perguntas frequentes...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Verificar atualizações...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Sobre o Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Preferências</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Opções de ordenação</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Ordenar cactos por espécie</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Opções do banco de dados</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Adicionar espécies e eventos padrão a novos bancos de dados</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Lembretes</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Lembrar-me das plantas pendentes todos os dias às</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Horário do lembrete</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Abrir</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Coleção:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Coleções do Spinora (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>“%1” já existe. Deseja substituí-lo?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Já existe uma coleção com o mesmo nome em “%1”. Substituí-la sobrescreverá o conteúdo atual dela.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Substituir</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Deseja salvar as alterações feitas no documento “%1”?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Suas alterações ficarão na coleção sem título se você não as salvar.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Não salvar</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Manter aberto</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Novo banco de dados do Spinora</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Salvar como</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Não é permitido sobrescrever um banco de dados aberto. Selecione outro nome de arquivo.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Não foi possível abrir a coleção “%1”: ela não existe.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Falta %n dos seus arquivos de foto: “%1”.</numerusform>
            <numerusform>Faltam %n dos seus arquivos de foto, o primeiro é “%1”.</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 e %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n planta</numerusform>
            <numerusform>%n plantas</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n fotos</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>O instantâneo íntegro mais recente foi criado em %1 e contém %2. Restaurá-lo substitui a coleção; a danificada é guardada antes como instantâneo.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>A coleção terá %1. O estado atual dela é guardado antes como instantâneo, então isso pode ser desfeito restaurando esse instantâneo.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>Não foi possível substituir “%1”.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>O catálogo da sua coleção de cactos e suculentas: plantas, planos de rega e um registro do que aconteceu com elas.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importar de</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Exportar para</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Aplicativo móvel do Spinora</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Banco de dados do Spinora</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>Modelo CSV…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>Relatório HTML</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Atualização de software</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Uma nova versão do Spinora está disponível!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>O Spinora %1 já está disponível — você tem a versão %2. Deseja baixá-lo agora?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Baixar</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Você está atualizado!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>O Spinora %1 é a versão mais recente disponível.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Nenhum endereço de atualização está definido, por isso o Spinora não pode procurar atualizações. O gerenciador de pacotes da sua distribuição mantém o Spinora atualizado.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Erro de atualização!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Ocorreu um erro ao obter as informações de atualização. Tente novamente mais tarde.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>O Spinora mantém o catálogo de uma coleção de cactos e suculentas.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Coleções a abrir (pastas terminadas em .sdb); arquivos de intercâmbio (.sdbi) são oferecidos para importação na coleção exibida.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>A lista a mostrar: cacti, watering ou logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show aceita cacti, watering ou logs, não “%1”</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>O Spinora já está em execução, mas não responde.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>a linha “%1” não fecha “%2”</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>o arquivo termina antes de “%1” terminar</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>não é um arquivo iCalendar</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>não contém exatamente um calendário</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>contém erros</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>não pode ser lido</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Não é possível criar a pasta de calendário “%1”.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Não é possível usar o arquivo de calendário “%1”: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Não é possível ler o arquivo de calendário “%1”.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Não é possível usar o arquivo de calendário “%1” (%2); ele foi mantido como está.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>O arquivo de calendário “%1” continua sendo alterado por outro programa; ele foi mantido como está.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Não foi possível gravar o arquivo de calendário “%1” (%2); ele foi mantido como está.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Não há espaço livre no dispositivo</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>O evento termina antes de começar.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>O calendário “%1” não está disponível.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Esse evento não existe.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>O evento foi removido por outro programa.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>o daemon do Avahi desapareceu</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Clique no botão Importar para restaurar o banco de dados completo do seu dispositivo.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Clique no botão Importar para restaurar apenas os cactos e os planos de rega do banco de dados do seu dispositivo.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Clique no botão Importar para importar os cactos do seu dispositivo.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Clique no botão Importar para importar os planos de rega do seu dispositivo.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Restaurar banco de dados está selecionado no seu dispositivo. Selecione Fazer backup do banco de dados ou Exportar dados.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Exportar dados está selecionado no seu dispositivo. Selecione Fazer backup do banco de dados para restaurar tanto os cactos quanto os planos de rega.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Exportar dados está selecionado no seu dispositivo. Neste modo, só é possível importar cactos ou planos de rega.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Importar dados está selecionado no seu dispositivo. Selecione Fazer backup do banco de dados ou Exportar dados.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Fazer backup do banco de dados está selecionado no seu dispositivo. Selecione Restaurar banco de dados ou Importar dados.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Exportar dados está selecionado no seu dispositivo. Selecione Restaurar banco de dados ou Importar dados.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Clique no botão Exportar para enviar o banco de dados ao seu dispositivo. O aplicativo perguntará o que você deseja importar.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>A coleção foi fechada.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importar banco de dados</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Restaurar banco de dados completo</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importar cactos e planos de rega</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importar cactos</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importar planos de rega</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Dispositivos</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Mensagens</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Exportar banco de dados</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Calendário de floração</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Linha do tempo de fotos</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Nome popular</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Abrir plano de rega</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Altura</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Largura</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Peso</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Luz</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatura</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Tamanho do vaso</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Formato do vaso</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Material do vaso</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Geral</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Detalhes</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Alarme</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Ocupado</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Livre</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Título</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Começa</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Termina</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Dia inteiro</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Calendário</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Disponibilidade</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Armazenado em %1. Para ver estes lembretes no calendário da sua área de trabalho, adicione este arquivo a ele como calendário.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Adicionar novo evento</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Editar evento</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Abrir cacto</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Adicionar lembrete</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Editar lembrete</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Adicionar um lembrete ao seu calendário?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Editar o lembrete no seu calendário?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Todas as fotos</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Adicionar fotos…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Adicionar fotos de arquivos de imagem. Você também pode soltar arquivos de imagem na grade.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Tamanho das fotos</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Adicionando fotos</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Adicionar fotos</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Imagens (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Este arquivo não foi adicionado:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Estes arquivos não foram adicionados:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Foto anterior</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Exibir a foto anterior</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Editar legenda</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Editar a legenda da foto</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Próxima foto</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Exibir a próxima foto</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Erro: o novo item desapareceu.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Data inicial 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Data final 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Data inicial 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Data final 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Data inicial 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Data final 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unidades</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Linha %1, coluna %2 (%3): “%4” não pôde ser lido e não foi importado.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>O arquivo não segue o layout do modelo CSV do Spinora e estas colunas não puderam ser associadas: “%1”. Indique o campo de cada coluna, por exemplo --map &apos;%2&apos; (os campos são %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>Nenhum cacto, plano de rega ou registro foi encontrado no arquivo. Ele deve seguir o modelo CSV do Spinora.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>nome|planta|nome da planta|cacto|etiqueta</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>científico|nome científico|nome botânico|nome latino|táxon|gênero|espécie</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>popular|nome popular</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>tipo|tipo de planta</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>rega|plano|plano de rega</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>última rega</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>próxima rega</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>plantado|data de plantio|data do plantio|semeado</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>fonte|origem</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>adquirido|data de aquisição|comprado|compra|data da compra</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>preço|preço de compra|custo|pago</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>valor|valor estimado</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>local|lugar|posição|bancada|estufa</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>altura</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>largura|diâmetro</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>peso</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>luz|sol</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatura|temp|temp mín</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>tamanho do vaso|vaso</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>formato do vaso|formato</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>material do vaso|material</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>notas|nota|comentários|comentário|observações|descrição</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|nº|n.º|número|foto|fotos|imagem|figura</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>“%1” não é um par COLUNA=CAMPO.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>“%1” não é um campo; os campos são %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>O arquivo não tem a coluna “%1”.</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 é uma pasta; uma exportação nunca substitui uma pasta por um arquivo.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 é uma pasta que não é uma coleção do Spinora; uma exportação nunca a substitui.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 é uma coleção em uso por %2; ela não pode ser substituída.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 é uma coleção existente e não foi substituída.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 já existe e não foi substituído.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Não foi possível ler a coleção %1: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>ela não contém %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>A coleção %1 foi criada por uma versão mais recente do Spinora (esquema %2; esta versão lê até o %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Não foi possível ler a coleção: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>A coleção foi aberta como somente leitura, por isso nada pode ser importado nela.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>A importação falhou.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Não foi possível gravar a coleção: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Não foi possível abrir o banco de dados da coleção: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Não foi possível ler o modelo: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Não foi possível bloquear a coleção para a importação: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Adubado</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Florido</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Plantado</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Comprado</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Vendido</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Não foi possível salvar a importação: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>Não foi possível gravar %1</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: não foi possível executar o filtro de exportação</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>Não foi possível substituir %1</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Não é possível importar o arquivo: ele contém gatilhos ou visões, que arquivos do Spinora nunca têm.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>maior que 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>um link que leva para fora do pacote</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>não é um arquivo legível</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>O arquivo não é um banco de dados do Spinora: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Não é possível importar o arquivo: não foi possível atualizar o esquema dele (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Não foi possível fechar o arquivo: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>O arquivo não tem informações de versão, portanto não é um banco de dados do Spinora.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Não é possível importar o arquivo: ele foi criado por uma versão mais recente do Spinora (esquema %1; esta versão lê até o %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>A linha de versão do arquivo não contém contagens de itens.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Não é possível importar o arquivo: não é possível ler a tabela %1 dele (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Não é possível importar o arquivo: a tabela %1 dele tem chaves que não são números inteiros de 0 a 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Não é possível importar o arquivo: a tabela %1 dele tem a mesma chave em mais de uma linha.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Não é possível importar o arquivo: a coleção não tem mais chaves disponíveis para a tabela %1 dele.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Não foi possível ler os itens da tabela %1 do arquivo: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Não é possível importar o arquivo: a coluna %1 da tabela %2 dele contém valores que não são números inteiros.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>O arquivo não contém planos de rega.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>O arquivo não contém cactos.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>não é uma imagem legível</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>o cacto %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>o registro %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>o cacto “%1”</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>o registro “%1”</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Não foi possível ler as fotos do arquivo: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Não é possível importar o arquivo: a coluna de chave da tabela de imagens dele contém valores que não são números inteiros.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 foto não pôde ser lida e foi omitida: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>%1 fotos não puderam ser lidas e foram omitidas: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Não foi possível ler o arquivo: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Nenhuma planta tem data de aquisição.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 sem data</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Plantas por data de aquisição</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Valor por data de aquisição</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Plantas por gênero</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Regas pendentes nos próximos %1 dias</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Gráficos</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Relatório de cactos</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Resumo</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Total de cactos</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Total de planos de rega</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Total de registros</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Espécies distintas</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Valor total</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Nome científico da espécie</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Nome popular da espécie</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Data desconhecida</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Sem nome de evento</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Não é possível gravar na pasta do relatório %1.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Não foi possível gravar o relatório %1.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Nenhuma pasta para os arquivos de trabalho foi encontrada: a pasta de cache do usuário é desconhecida (defina HOME ou XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Não foi possível criar a pasta de trabalho %1.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Não é possível usar a pasta de trabalho %1: há algo que não é uma pasta no lugar dela.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Não é possível usar a pasta de trabalho %1: ela não é gravável.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>Outra transferência está em andamento neste programa; tente novamente quando ela terminar.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Outra transferência está em andamento (%1, processo %2); tente novamente quando ela terminar.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>outro programa</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Outra transferência está em andamento; tente novamente quando ela terminar.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Não é possível usar a pasta de trabalho %1: não foi possível criar o arquivo de bloqueio dela.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importar de SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importar de banco de dados do Spinora</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Arquivo do banco de dados</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importar de CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Exportar para SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Exportar para banco de dados do Spinora</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Exportar para CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Digite um caminho ou escolha o arquivo com Procurar</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Escolha onde salvar com Procurar</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>O arquivo “%1” não existe.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 etiquetas de 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>Carta (EUA), 3 × 10 etiquetas de 2,625 × 1 pol</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Nada foi impresso: não foi possível usar a impressora “%1”.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Nada foi impresso: não foi possível gravar o arquivo “%1”.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Erro: memória insuficiente.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Erro: exceção desconhecida.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Não foi possível guardar um instantâneo da coleção: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>não foi possível guardar antes a coleção como está agora, por isso nada foi alterado: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>a coleção foi aberta como somente leitura</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Outro</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>ela não existe.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>ela não é um pacote de coleção (uma pasta terminada em .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>a pasta não contém %1, portanto não é uma coleção do Spinora.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>ela é somente leitura. Torne-a gravável ou copie-a para outro local para abri-la.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>a coleção não está aberta</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>não foi possível ler a coleção novamente: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>o arquivo não é uma imagem</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>a imagem é grande demais (%1 × %2 pixels)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>não é possível decodificar a imagem (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>não é possível ler o arquivo</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>o arquivo é maior que %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Erro: uma foto precisa dos seus três arquivos preparados.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>uma alteração nela foi interrompida quando o Spinora ou o computador parou</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1 e precisa ser desfeita antes que a coleção possa ser lida. Isso exige gravação, e aqui a coleção é somente leitura. Copie a coleção inteira, com o arquivo %2-journal dentro dela, para um local gravável e abra a cópia.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1 e não pode ser desfeita: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, e não foi possível desfazê-la: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>a coleção não está aberta para gravação.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>nenhum momento de rega foi informado.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>ela já está aberta neste programa.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>outro programa (processo %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>ela está em uso por %1. Apenas um programa por vez pode alterar uma coleção; tente novamente quando ele terminar.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>não é possível abrir o arquivo de bloqueio %1 dela (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>não é possível bloquear o arquivo de bloqueio %1 dela (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>o arquivo de bloqueio %1 dela continua sendo substituído por outro programa.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>não é possível converter a imagem para JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>sem conexão com o banco de dados</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>o esquema atual não está disponível (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Não foi possível abrir a coleção %1: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Não foi possível criar a coleção %1: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Não foi possível ler os registros de %1: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Para que nada se perca, a coleção agora é somente leitura: nada nela é alterado ou excluído. Feche-a e abra-a novamente para tentar outra vez.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>ela foi criada por uma versão mais recente do Spinora (esquema %1; esta versão lê até o %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>não foi possível atualizar o esquema dela (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>não foi possível ler o script %1</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>A coleção %1 foi aberta como somente leitura e não pode ser salva.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>A coleção %1 foi salva, mas não pôde ser aberta novamente: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Não foi possível salvar a coleção como %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Não foi possível salvar a coleção como %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Caudiciforme</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Suculenta de folha</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Suculenta de raiz</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Suculenta de caule</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Semente</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Estaca</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Rebento</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Enxertado</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Natureza</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Muda de viveiro</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Cultivador particular</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Loja</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Cerâmica</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Concreto</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Fibra de vidro</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Mica</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Nenhum (no solo)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Plástico</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Pedra</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Madeira</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Redondo</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Oval</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Quadrado</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Retangular</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Hexagonal</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Octogonal</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Tigela</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Lótus</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Raso</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Irregular</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>horas</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>dias</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>semanas</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>meses</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>hora</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>dia</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>semana</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>mês</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Pulverização</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Quantidade de luz</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Moderada</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Imersão</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>um cacto</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>um plano de rega</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>um registro</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>uma foto</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>um item (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>%1, de que ela precisa, não existe mais</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1, que ela traria de volta, já foi criado novamente</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1, que ela altera, foi modificado desde então</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>não foi possível ler de %1 aquilo de que ela precisa</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>a coleção como era antes não foi guardada</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>Não foi possível desfazer “%1”: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>Não foi possível refazer “%1”: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>o banco de dados está danificado (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Imprimir a lista</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importar do dispositivo</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importar banco de dados do aplicativo móvel do Spinora</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Exportar para dispositivo</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Exportar banco de dados para o aplicativo móvel do Spinora</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Mostrar estatísticas do banco de dados</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Excluir item</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Remover um item da lista</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Adicionar um item à lista</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n plano de rega</numerusform>
            <numerusform>%n planos de rega</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 e seu %n cacto</numerusform>
            <numerusform>%1 e seus %n cactos</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 e seu %n cacto</numerusform>
            <numerusform>%1 e seus %n cactos</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n cacto</numerusform>
            <numerusform>%n cactos</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Nenhum registro tem ainda o evento “Florido”.</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Quantas vezes cada planta floresceu em cada mês, considerando todos os anos; primeiro as plantas com mais chance de florescer em %1.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Sem data</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Linha do tempo de fotos de %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Fotos, as mais antigas primeiro</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Esta planta ainda não tem fotos, nem próprias nem nos seus registros.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Escolha duas fotos (Ctrl+clique) para vê-las lado a lado.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Foto anterior</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Foto posterior</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 sem data)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Registros</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Rega pendente</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Lembretes pendentes</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>nenhuma coleção em %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>nenhum instantâneo foi guardado: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 não tem instantâneo chamado %2 (spinora-cli backups %1 os lista); nada foi alterado</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 não foi restaurado: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>a coleção como era foi guardada como %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>uso: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 deve ser um número inteiro de %2 a %3, não “%4”</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 deve ser uma data e hora locais no formato YYYY-MM-DD HH:MM, não “%2”</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>não foi possível gravar a coleção</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 está danificada: %2 Nada foi alterado. “spinora-cli backups %1” lista os instantâneos dela e “spinora-cli restore %1 SNAPSHOT” restaura um deles.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>o arquivo de foto %1 dela está faltando.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>Faltam %1 arquivos de foto, o primeiro é %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: o nome de uma coleção deve terminar em .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 já existe; nada foi alterado</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>não foi possível gravar o exemplo</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>%1 criada com %2 cactos, %3 planos de rega, %4 registros e %5 fotos</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>listar o quê? “%1” não é cacti, watering nem logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>no máximo três períodos --no-water</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water deve ser MM-DD:MM-DD com dias reais, não “%1”</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>aviso: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>não há barramento de sessão para enviar a notificação (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>nenhum serviço de notificação responde no barramento de sessão (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>o serviço de notificação recusou a notificação (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 requer um endereço de dispositivo como http://host:porta, não “%2”</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>a importação falhou; nada foi alterado</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>a importação falhou; nada foi alterado: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>falha no download: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>falha no envio: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>a descoberta de serviços falhou: %1; ela requer o serviço avahi-daemon (inicie-o com &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull requer --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>a opção de importação %1 não se aplica a um dispositivo no modo %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push requer --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Adicione --force para substituí-lo.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Nada foi gravado.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Não é permitido exportar para a própria coleção aberta</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: use export-csv para arquivos CSV</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: o nome de um arquivo CSV deve terminar em .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Não é permitido gravar um relatório dentro da própria coleção aberta</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>não foi possível gravar o arquivo %1</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>nada a importar em %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map é para arquivos CSV</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Não é permitido importar da própria coleção aberta</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size deve ser A4 ou Letter, não “%1”</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record deve ser a chave de um item (um número inteiro), não “%1”</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record requer uma tela de ficha (3, 4 ou 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>a coleção não tem nenhum cacto com a chave %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>a coleção não tem nenhum cacto para imprimir</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>a coleção não tem nenhum plano de rega com a chave %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>a coleção não tem nenhum plano de rega para imprimir</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>a coleção não tem nenhum registro com a chave %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>a coleção não tem nenhum registro para imprimir</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout deve ser a4-3x8 ou letter-3x10, não “%1”</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>nenhum cacto corresponde a “%1”</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>pendente</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 dia de atraso</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 dias de atraso</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>nada pendente</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(sem plano)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(sem plantas)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, próxima rega %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>lembrete: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>lembrete: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 planta a regar</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 plantas a regar</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 lembrete</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 lembretes</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 e %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 hoje</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 por %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 e mais %2</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>nada pendente: nenhuma notificação</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>Não foi possível iniciar %1</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on deve ser uma data no formato YYYY-MM-DD, não “%1”</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>nenhuma coleção indicada e nenhuma coleção recente para verificar</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 está no futuro; uma rega só pode ser registrada depois de feita</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>nenhum plano de rega se chama “%1”; nada foi alterado</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>nenhum cacto se chama “%1”; nada foi alterado</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>não foi possível registrar a rega</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>subcomando desconhecido “%1” (veja spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>Não foi possível gravar as últimas alterações em “%1”: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>A janela continua aberta para que elas não se percam. Libere espaço e feche-a novamente, ou salve a coleção em outro lugar.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>não foi possível gravar a foto na coleção (o disco está cheio?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>indique pelo menos um --schedule ou --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 ano</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n ano</numerusform>
            <numerusform>%n anos</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Colunas de %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Este arquivo não segue o modelo CSV do Spinora. Escolha o que cada coluna contém; as primeiras linhas aparecem abaixo dela.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Colunas do arquivo</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Campo da coluna “%1”</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Ignorar</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Escolha a coluna que contém os nomes das plantas.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n mês</numerusform>
            <numerusform>%n meses</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Manter o arquivo &amp;original de cada foto adicionada (todos os detalhes, data da foto)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Os originais ocupam %1 nas coleções abertas.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Imprimir foto…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Imprimir a foto em uma página</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Tirada em %1 às %2</translation>
    </message>
</context>
</TS>
