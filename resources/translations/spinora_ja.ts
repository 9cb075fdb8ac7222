<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>毎日</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>インポートの前</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>復元の前</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>手動で保存</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1 (破損)</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>「%1」をバックアップから復元</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>スナップショットは毎日、およびインポートや復元の前に保存されます。スナップショットを開いて内容を確認したり、そこからデータをインポートしたり、コレクション全体をその時点の状態に復元したりできます。</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>スナップショット</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>バックアップを開く(&amp;O)</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>復元(&amp;R)…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>このデスクトップでは Spinora の毎日のリマインダーを設定できません: ログイン項目 %1 に書き込めませんでした。</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>このデスクトップでは決まった時刻に Spinora を起動できないため、毎日 %1 ではなく、ログインするたびに水やりが必要な植物を確認します。</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>バックアップから復元…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>各コレクションのスナップショットを保存する: 毎日、およびインポートや復元の前(&amp;K)</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>フォルダー(&amp;F):</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>選択(&amp;H)…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>最大使用量(&amp;U):</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>スナップショットフォルダー</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>スナップショットを復元</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>このまま開く</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>写真ファイル「%1」が見つかりません。</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>写真ファイルが %1 個見つかりません (最初のファイル:「%2」)。</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>コレクション「%1」は破損しているため、開きませんでした。</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>最新の正常なスナップショットは %1 に作成されたもので、植物 %2 株、記録 %3 件、写真 %4 枚が含まれています。復元するとコレクションが置き換えられます。破損したコレクションは先にスナップショットとして保存されます。</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>復元できるスナップショットがありません。</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>スナップショットを復元できませんでした: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1。コレクションは通常どおり開いています。空き容量を確保するか、設定で別のバックアップフォルダーを選択してください。</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>「%1」を %2 の状態に復元しますか？</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>コレクションの内容は植物 %1 株、記録 %2 件、写真 %3 枚になります。現在の状態は先にスナップショットとして保存されるため、そのスナップショットを復元すれば元に戻せます。</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>復元</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>コレクションは復元されませんでした: %1</translation>
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
        <translation>デバイスが見つかりません。iPhone、iPad、または iPod touch で Spinora を起動し、[ツール] 画面で [データベースをバックアップ] または [データをエクスポート] を選択してください。</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>デバイスが見つかりません。iPhone、iPad、または iPod touch で Spinora を起動し、[ツール] 画面で [データベースを復元] または [データをインポート] を選択してください。</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>一覧からデバイスを選択してください。</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>デバイスが見つかりません: ネットワーク上のデバイスの検索に失敗しました (%1)。検索には avahi-daemon サービスが必要です。サービスを起動してから (例: &quot;systemctl start avahi-daemon&quot;)、このウィンドウをもう一度開いてください。</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>停止しました</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>[エクスポート] ボタンをクリックすると、データベースをデバイスに送信します。</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>インポートする内容はアプリで確認されます。</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>インポート完了</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>データベースのインポートが完了しました。</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>インポートエラー</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>インポート中にエラーが発生しました。データベースのインポートは中止され、何も変更されていません。</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>警告</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>データベースの転送中にエラーが発生しました。</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>デバイスを確認</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>データベースを転送しました。この後の操作はデバイスで確認してください。</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>コレクションが開かれていません。</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>要求がタイムアウトしました。</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>デバイスのアドレスではありません: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>一時ファイル用のフォルダーがありません。</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>HTTP エラー %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>デバイス上のファイルが %1 MB を超えています。</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>デバイスから Spinora のデータベースが送信されませんでした。</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>ファイル全体を受信する前に、デバイスが接続を閉じました。</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>ダウンロードしたファイルを書き込めませんでした。</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>ファイルの読み取りエラー</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>ストリームを開く際のエラー</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>ネットワークの書き込みエラー</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>インポートのオプション</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>キャンセル</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>インポート</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>エクスポート</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>データベースをインポートしています</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>データベースをエクスポートしています</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>保存するには名前が必要です</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>名前</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>削除</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>現在選択している種を一覧から削除します。</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>種</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>新しい種は、サボテンの情報を保存するときに自動的に一覧に追加されます</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>種類</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>開く…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>水やりスケジュールを開きます</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>水やり</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>次の水やり</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>植え付け日</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>株齢</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>入手日</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>最終水やり日を変更すると、この植物の水やりが関連付けられた水やりスケジュールとずれる場合があります</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>種を削除</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>購入価格</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>評価額</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>サボテンを追加</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>サボテンを編集</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>新しいサボテン</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>サボテンの情報</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>写真を追加しています…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>編集を続ける</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1:「%2」は %3 のような金額ではありません。</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: %2 以上の整数を入力してください。</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1:「%2」は %3 以上の整数ではありません。</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 には最大 %2 文字まで入力できます。</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>挿入する %1 文字のうち、入るのは %2 文字です。</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>最初の %1 文字を挿入</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>何も挿入しない</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>たった今水やり</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>最終水やり日</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>予定なし</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>リマインダー: なし</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>リマインダー: あり</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>保存するにはイベント名が必要です</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>イベント名を一覧から削除します。</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>イベント</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>日付</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>リマインダー</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>サボテンを開きます</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>新規…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>新しいサボテンを追加します</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>サボテン</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>イベントを削除</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>名前のないサボテン</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>メモなし</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>メモ</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>記録を追加</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>記録を編集</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>新しい記録</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>記録の情報</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>写真 %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>写真を追加…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>ファイルから写真を追加します</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>キャプション</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>印刷</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>写真</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>メモ</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>「%1」は別のウィンドウで既に開かれています。先にそちらで編集を終えてください。</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>水やりするサボテン</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>閉じる</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1、日</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>水やりの間隔</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>水量</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>日付をクリア</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>断水期間</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>このスケジュールに従うサボテンを選択します</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>サボテンを追加</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>選択したサボテンをこのスケジュールから外します</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>サボテンを外す</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>サボテンを外す</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>水やりスケジュールを追加</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>水やりスケジュールを編集</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>新しい水やりスケジュール</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>水やりスケジュールの情報</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>なし</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>サボテンの例</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>温室</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>1 行に 1 株。空の列は省略されます。</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>スケジュールの例</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>植え替え</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>サボテン</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>記録</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>%1 行目、%2 列目 (%3):「%4」を読み取れなかったため、インポートしませんでした。</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>ほかに %1 個のフィールドを読み取れず、インポートしませんでした。</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>対応付けに植物名を示す列がありません。</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(植物名の列)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>このファイルは Spinora CSV テンプレートの形式ではないため、次の列を割り当てられませんでした:「%1」。各列にフィールドを指定してください。例: --map &quot;%2&quot; (フィールドは %3)。</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>「%1」は 列=フィールド の形式ではありません。</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>「%1」はフィールドではありません。フィールドは %2 です。</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>ファイルに列「%1」がありません。</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1。何もインポートされませんでした。空き容量を確保するか、設定で別のバックアップフォルダーを選択してから、もう一度お試しください。</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>インポートは保存されましたが、コレクションを再度読み込めなかったため (%1)、取り消されました。</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>インポートは保存されましたが、コレクションを再度読み込めませんでした (%1)。このウィンドウには以前の状態のコレクションが表示されたままです。ウィンドウを閉じてコレクションを開き直すか、インポートを元に戻してください ([編集] &gt; [インポートを元に戻す])。</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>インポートは保存されましたが、コレクションを再度読み込めませんでした (%1)。このウィンドウには以前の状態のコレクションが表示されたままです。ウィンドウを閉じてコレクションを開き直してください。</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>インポートしたサボテン: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>インポートした水やりスケジュール: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>インポートした記録: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>一部をインポートできませんでした:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>...ほか %1 件。</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>レポートフォルダー</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>レポートファイル</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>エクスポートのオプション</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>参照</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>小さい写真</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>中くらいの写真</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>大きい写真</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>特大の写真</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>HTML レポートにエクスポート</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>フォルダーを選択</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>レポートをエクスポートしています</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>エクスポート完了</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>レポートのエクスポートが完了しました。</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>エクスポートエラー</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>レポートのエクスポート中にエラーが発生しました。</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>データベース全体</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>サボテンと水やりスケジュール</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>水やりスケジュール</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>注意: CSV ファイルは Spinora CSV テンプレートの形式に従っている必要があります</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>保存する</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>または、1 行に 1 株ずつ記載し、列見出しにフィールド名を付けた植物のスプレッドシートでもかまいません。</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>選択</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>選択したフォルダーは Spinora のデータベースではありません。名前が .sdb で終わるフォルダー、またはその中の spinora.db ファイルを選択してください。</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>現在開いているデータベースからはインポートできません。インポート元として別のデータベースを選択してください。</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>現在開いているデータベースにはエクスポートできません。エクスポート先として別のデータベースを選択してください。</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>ファイル「%1」がありません。</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>データベースのエクスポートが完了しました。</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>エクスポート中にエラーが発生しました。データベースのエクスポートは中止され、何も変更されていません。</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>CSV テンプレートを保存</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Spinora CSV テンプレート</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>CSV ファイル</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>ファイル %1 に書き込めませんでした。</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>停止しています...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>「%1」は既に存在します。置き換えますか？</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>その他のツールバー項目</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>%1 v%2 から %3 にエクスポート</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>入手元</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>置き場所</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>記録の履歴</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>なし</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>はい</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>いいえ</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>ラベルを印刷</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>選択したサボテン (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>一覧のすべてのサボテン (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>レイアウト:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>ラベルの対象:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>印刷...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>ラベル 1 枚</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>ラベル %1 枚</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 ページ</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 ページ</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 のラベル</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>ページ設定</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>縦</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>横</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>用紙サイズ</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>向き</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>上余白</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>下余白</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>左余白</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>右余白</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>印刷されませんでした: プリンター「%1」を使用できませんでした。</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>印刷されませんでした: ファイル「%1」に書き込めませんでした。</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>印刷プレビュー</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>何も変更されていません。</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>タイトルなし</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>不明</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>年</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>年</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>イベントなし</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>今日</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>%1 から遅れています</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>%1 まで休眠中</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>明日</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>%1 日後</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>水やり済みにする</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>ディスクの空き容量がありません。空き容量を確保してから、もう一度お試しください。</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>コレクションに書き込めません: ディスクまたはフォルダーが読み取り専用です。</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>別のプログラムがコレクションを使用しています。そのプログラムが終了してから、もう一度お試しください。</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>ディスクの読み書きができませんでした。ディスクを確認してから、もう一度お試しください。</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>コレクションのデータベースファイルが破損しています。</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>種なし</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>ラベルを印刷...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>このサボテンを削除すると、そのすべての記録も削除されます</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>これらのサボテンを削除すると、関連するすべての記録も削除されます</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>削除</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>サボテンを削除</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>サボテンを削除</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>サボテンを複製</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>サボテンを複製</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>ツールバー</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>検索</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>一覧を検索</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>現在表示している一覧を検索します</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>最近の検索</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>期限</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>今日中に期限が来るものだけを表示します</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>並べ替え</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>複製</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>最近の検索はありません</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>検索履歴をクリア</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>水やり済みにする...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>水やり済み</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>選択した植物またはスケジュールに水やりしたことを記録します</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>無題</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (読み取り専用)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>履歴</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>記録を削除</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>記録を削除</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>記録を複製</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>記録を複製</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>追加</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>編集</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>読み込んでいます…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>検索しています…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>学名</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>いつ水やりしましたか？</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>水やり日時</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>対象:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>水やり日時(&amp;W):</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>統計</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>元に戻す</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>やり直す</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>%1 を元に戻す</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>%1 をやり直す</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>水やりスケジュールを削除</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>水やりスケジュールを削除</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>水やりスケジュールを複製</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>水やりスケジュールを複製</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>言語</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>システム</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>言語(&amp;L):</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>次回 Spinora の起動時に適用されます。</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>写真をコレクションに書き込めませんでした (ディスクがいっぱいではありませんか？)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>ページ設定</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>名前|植物|植物名|サボテン|ラベル</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>学名|学術名|植物学名|ラテン名|分類群|属|種</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>和名|通称</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>種類|植物の種類</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>水やり|スケジュール|水やりスケジュール</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>最終水やり日</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>次の水やり</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>植え付け|植え付け日|定植日|播種</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>入手元|産地</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>入手|入手日|購入|購入済み|購入日</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>価格|購入価格|費用|支払額</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>評価額|価値</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>置き場所|場所|位置|棚|温室</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>幅|直径</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>重さ</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>光|日照</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>温度|気温|最低温度</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>鉢のサイズ|鉢</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>鉢の形|形</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>鉢の材質|材質</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>メモ|ノート|コメント|備考|注記|説明</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|番号|no.|通し番号|写真|フォト|画像|ピクチャー</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>予定あり</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空き時間</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>終日</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>予定の状態</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>%1 に保存されています。これらのリマインダーをデスクトップのカレンダーに表示するには、このファイルをカレンダーとして追加してください。</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>新しいイベントを追加</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>イベントを編集</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>すべての写真</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>写真を追加…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>画像ファイルから写真を追加します。画像ファイルをグリッドにドロップすることもできます。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>写真のサイズ</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>写真を追加しています</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>画像 (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>コレクションが開かれていません。</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>次のファイルは追加されませんでした:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>次のファイルは追加されませんでした:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>キャプション</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>サボテンのレポート</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>%1 v%2 から %3 にエクスポート</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>サボテンの総数</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>水やりスケジュールの総数</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>記録の総数</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>種の数</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>評価額の合計</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>記録の履歴</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>イベント名なし</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>メモなし</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>断水期間</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>水やりするサボテン</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
</TS>
