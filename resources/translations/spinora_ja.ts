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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>コレクション「%1」は破損しているため、開きませんでした。</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 ページ</translation>
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
    <message id="Taken">
        <source></source>
        <translation>撮影日</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>理由</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>植物</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>サイズ</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>前回の使用時に Spinora が予期せず終了しました。</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>問題のレポートを保存しました。表示しますか？</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>レポートを表示</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>今はしない</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>クラッシュレポート</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>%1 として保存しました</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>リマインダーの時刻を %1 に書き込めませんでした。</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora は毎日 %1 に通知します (systemd ユーザータイマー %2)。</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>リマインダーはオフです。</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>メニューをクリア</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>新規</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>開く...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>最近使ったファイルを開く</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>保存</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>ページ設定...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>印刷プレビュー...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Spinora を終了</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>項目を追加</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>項目を削除</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>項目を複製</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>切り取り</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>コピー</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>貼り付け</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>すべて選択</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>設定...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>ツールバーを表示</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>ツールバーをカスタマイズ</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>アイコンとテキスト</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>アイコンのみ</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>テキストのみ</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>開花カレンダー...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>統計...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>最小化</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>ズーム</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>すべてを手前に移動</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Facebook で Spinora に「いいね！」する</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Spinora のウェブサイト...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>よくある質問...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>更新を確認...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Spinora について</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>設定</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>並べ替えのオプション</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>サボテンを種で並べ替えます</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>データベースのオプション</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>新しいデータベースに既定の種とイベントを追加する</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>リマインダー</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>毎日次の時刻に水やりが必要な植物を通知する(&amp;R)</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>リマインダーの時刻</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>開く</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>コレクション:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Spinora コレクション (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>「%1」は既に存在します。置き換えますか？</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>同じ名前のコレクションが「%1」に既に存在します。置き換えると、現在の内容が上書きされます。</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>置き換え</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>ドキュメント「%1」への変更を保存しますか？</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>保存しない場合、変更は無題のコレクションに残ります。</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>保存しない</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>開いたままにする</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>新しい Spinora データベース</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>名前を付けて保存</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>開いているデータベースは上書きできません。別のファイル名を選択してください。</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>コレクション「%1」を開けませんでした: 存在しません。</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>写真ファイルが %n 個見つかりません (最初のファイル:「%1」)。</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1、%2、%3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>植物 %n 株</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>記録 %n 件</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>写真 %n 枚</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>最新の正常なスナップショットは %1 に作成されたもので、%2 が含まれています。復元するとコレクションが置き換えられます。破損したコレクションは先にスナップショットとして保存されます。</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>コレクションの内容は %1 になります。現在の状態は先にスナップショットとして保存されるため、そのスナップショットを復元すれば元に戻せます。</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>「%1」を置き換えられませんでした。</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>サボテンと多肉植物のコレクションの目録: 植物、水やりスケジュール、そして植物に起きた出来事の記録。</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>インポート元</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>エクスポート先</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Spinora モバイルアプリ</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Spinora データベース</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>CSV テンプレート…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>HTML レポート</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>ソフトウェア更新</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Spinora の新しいバージョンが利用可能です。</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Spinora %1 が利用可能になりました (現在のバージョンは %2 です)。今すぐダウンロードしますか？</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>ダウンロード</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>後で通知</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>最新の状態です。</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 が現在利用できる最新バージョンです。</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>更新の確認先が設定されていないため、Spinora は更新を確認できません。Spinora はディストリビューションのパッケージマネージャーによって最新の状態に保たれます。</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>更新エラー</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>更新情報の取得中にエラーが発生しました。後でもう一度お試しください。</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora はサボテンと多肉植物のコレクションの目録を管理します。</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>開くコレクション (.sdb で終わるフォルダー)。交換ファイル (.sdbi) は、表示中のコレクションへのインポート用に提示されます。</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>表示する一覧: cacti、watering、または logs。</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show には cacti、watering、または logs を指定してください (「%1」は不可)</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora は既に実行中ですが、応答しません。</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>行「%1」は「%2」を閉じていません</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>「%1」が終わる前にファイルが終わっています</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>ファイルが空です</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>iCalendar ファイルではありません</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>カレンダーがちょうど 1 つ含まれていません</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>エラーが含まれています</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>読み取れません</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>カレンダーフォルダー「%1」を作成できません。</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>カレンダーファイル「%1」を使用できません: %2。</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>カレンダーファイル「%1」を読み取れません。</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>カレンダーファイル「%1」を使用できないため (%2)、そのままにしました。</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>カレンダーファイル「%1」は別のプログラムによって変更され続けているため、そのままにしました。</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>カレンダーファイル「%1」に書き込めなかったため (%2)、そのままにしました。</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>ディスクに空き容量がありません</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>イベントの終了が開始より前になっています。</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>カレンダー「%1」は利用できません。</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>そのようなイベントはありません。</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>イベントは別のプログラムによって削除されました。</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>Avahi デーモンが終了しました</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>[インポート] ボタンをクリックすると、デバイスからデータベース全体を復元します。</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>[インポート] ボタンをクリックすると、デバイスからデータベース内のサボテンと水やりスケジュールのみを復元します。</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>[インポート] ボタンをクリックすると、デバイスからサボテンをインポートします。</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>[インポート] ボタンをクリックすると、デバイスから水やりスケジュールをインポートします。</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>デバイスで [データベースを復元] が選択されています。代わりに [データベースをバックアップ] または [データをエクスポート] を選択してください。</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>デバイスで [データをエクスポート] が選択されています。サボテンと水やりスケジュールの両方を復元するには、代わりに [データベースをバックアップ] を選択してください。</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>デバイスで [データをエクスポート] が選択されています。このモードでインポートできるのはサボテンまたは水やりスケジュールのみです。</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>デバイスで [データをインポート] が選択されています。代わりに [データベースをバックアップ] または [データをエクスポート] を選択してください。</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>デバイスで [データベースをバックアップ] が選択されています。代わりに [データベースを復元] または [データをインポート] を選択してください。</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>デバイスで [データをエクスポート] が選択されています。代わりに [データベースを復元] または [データをインポート] を選択してください。</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>[エクスポート] ボタンをクリックすると、データベースをデバイスに送信します。インポートする内容はアプリで確認されます。</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>コレクションは閉じられました。</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>データベースをインポート</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>データベース全体を復元</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>サボテンと水やりスケジュールをインポート</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>サボテンをインポート</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>水やりスケジュールをインポート</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>デバイス</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>メッセージ</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>データベースをエクスポート</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>開花カレンダー</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>写真タイムライン</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>和名</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>水やりスケジュールを開く</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>高さ</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>幅</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>重さ</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>日照</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>温度</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>鉢のサイズ</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>鉢の形</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>鉢の材質</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>全般</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>詳細</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>アラーム</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>予定あり</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>空き時間</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>タイトル</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>開始</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>終了</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>終日</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>カレンダー</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>予定の状態</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>%1 に保存されています。これらのリマインダーをデスクトップのカレンダーに表示するには、このファイルをカレンダーとして追加してください。</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>新しいイベントを追加</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>イベントを編集</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>サボテンを開く</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>リマインダーを追加</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>リマインダーを編集</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>カレンダーにリマインダーを追加しますか？</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>カレンダーのリマインダーを編集しますか？</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>すべての写真</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>写真を追加…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>画像ファイルから写真を追加します。画像ファイルをグリッドにドロップすることもできます。</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>写真のサイズ</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>写真を追加しています</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>写真を追加</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>画像 (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>次のファイルは追加されませんでした:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>次のファイルは追加されませんでした:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>前の写真</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>前の写真を表示します</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>キャプションを編集</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>写真のキャプションを編集します</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>次の写真</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>次の写真を表示します</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>エラー: 新しいレコードが見つかりません。</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>開始日 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>終了日 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>開始日 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>終了日 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>開始日 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>終了日 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>単位</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>%1 行目、%2 列目 (%3):「%4」を読み取れなかったため、インポートしませんでした。</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>このファイルは Spinora CSV テンプレートの形式ではないため、次の列を割り当てられませんでした:「%1」。各列にフィールドを指定してください。例: --map &apos;%2&apos; (フィールドは %3)。</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>ファイルにサボテン、水やりスケジュール、記録が見つかりませんでした。ファイルは Spinora CSV テンプレートに従っている必要があります。</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>名前|植物|植物名|サボテン|ラベル</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>学名|学術名|植物学名|ラテン名|分類群|属|種</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>和名|通称</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>種類|植物の種類</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>水やり|スケジュール|水やりスケジュール</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>最終水やり日</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>次の水やり</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>植え付け|植え付け日|定植日|播種</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>入手元|産地</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>入手|入手日|購入|購入済み|購入日</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>価格|購入価格|費用|支払額</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>評価額|価値</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>置き場所|場所|位置|棚|温室</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>高さ</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>幅|直径</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>重さ</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>光|日照</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>温度|気温|最低温度</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>鉢のサイズ|鉢</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>鉢の形|形</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>鉢の材質|材質</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>メモ|ノート|コメント|備考|注記|説明</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|番号|no.|通し番号|写真|フォト|画像|ピクチャー</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>「%1」は 列=フィールド の形式ではありません。</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>「%1」はフィールドではありません。フィールドは %2 です。</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>ファイルに列「%1」がありません。</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 はフォルダーです。エクスポートでフォルダーがファイルに置き換えられることはありません。</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 は Spinora のコレクションではないフォルダーです。エクスポートで置き換えられることはありません。</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 は %2 が使用中のコレクションのため、置き換えられません。</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 は既存のコレクションのため、置き換えませんでした。</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 は既に存在するため、置き換えませんでした。</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>コレクション %1 を読み込めませんでした: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>%1 が含まれていません。</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>コレクション %1 は新しいバージョンの Spinora で作成されています (スキーマ %2。このバージョンで読み込めるのは %3 までです)。</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>コレクションを読み込めませんでした: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>コレクションは読み取り専用で開かれているため、インポートできません。</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>コレクションに書き込めませんでした: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>コレクションのデータベースを開けませんでした: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>テンプレートを読み取れませんでした: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>インポートのためにコレクションをロックできませんでした: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>施肥</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>開花</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>植え付け</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>購入</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>売却</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>インポートを保存できませんでした: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>%1 に書き込めませんでした</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: エクスポートフィルターを実行できませんでした</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>%1 を置き換えられませんでした</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>このファイルはインポートできません: Spinora のファイルには存在しないトリガーまたはビューが含まれています。</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>64 MiB を超えています</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>パッケージの外を指すリンク</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>読み取り可能なファイルではありません</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>%1 を読み取れませんでした。</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>ファイルを開けませんでした: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>ファイルは Spinora のデータベースではありません: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>このファイルはインポートできません: スキーマをアップグレードできませんでした (%1)。</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>ファイルを閉じられませんでした: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>ファイルにバージョン情報がないため、Spinora のデータベースではありません。</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>このファイルはインポートできません: 新しいバージョンの Spinora で作成されています (スキーマ %1。このバージョンで読み込めるのは %2 までです)。</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>ファイルのバージョン行にレコード数がありません。</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>このファイルはインポートできません: %1 テーブルを読み取れません (%2)。</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>このファイルはインポートできません: %1 テーブルに 0 から 9223372036854775807 までの整数ではないキーがあります。</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>このファイルはインポートできません: %1 テーブルの複数の行に同じキーがあります。</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>このファイルはインポートできません: コレクションに %1 テーブル用の空きキーがありません。</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>ファイルの %1 テーブルのレコードを読み取れませんでした: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>このファイルはインポートできません: %2 テーブルの %1 列に整数ではない値があります。</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>ファイルに水やりスケジュールが含まれていません。</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>ファイルにサボテンが含まれていません。</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>読み取り可能な画像ではありません</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>サボテン %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>記録 %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>サボテン「%1」</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>記録「%1」</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>ファイルの写真を読み取れませんでした: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>このファイルはインポートできません: image テーブルのキー列に整数ではない値があります。</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 枚の写真を読み取れなかったため、除外しました: %1。</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>%1 枚の写真を読み取れなかったため、除外しました: %2。</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>ファイルを読み取れませんでした: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>入手日が設定された植物はありません。</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>日付なし: %1</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>入手日別の植物</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>入手日別の評価額</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>属別の植物</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>今後 %1 日間の水やり予定</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>グラフ</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>サボテンのレポート</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>概要</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>サボテンの総数</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>水やりスケジュールの総数</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>記録の総数</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>種の数</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>評価額の合計</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>種の学名</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>種の和名</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>日付不明</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>イベント名なし</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>レポートフォルダー %1 に書き込めません。</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>レポート %1 を書き込めませんでした。</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>作業ファイル用のフォルダーが見つかりません: ユーザーのキャッシュフォルダーが不明です (HOME または XDG_CACHE_HOME を設定してください)。</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>作業フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>作業フォルダー %1 を使用できません: その場所にフォルダーではないものがあります。</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>作業フォルダー %1 を使用できません: 書き込みできません。</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>このプログラムで別の転送が実行中です。終了してからもう一度お試しください。</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>別の転送が実行中です (%1、プロセス %2)。終了してからもう一度お試しください。</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>別のプログラム</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>別の転送が実行中です。終了してからもう一度お試しください。</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>作業フォルダー %1 を使用できません: ロックファイルを作成できませんでした。</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>SDBI からインポート</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Spinora データベースからインポート</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>データベースファイル</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>CSV からインポート</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>SDBI にエクスポート</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Spinora データベースにエクスポート</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>CSV にエクスポート</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>パスを入力するか、[参照] でファイルを選択してください</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>[参照] で保存先を選択してください</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>ファイル「%1」がありません。</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4、70 × 37 mm のラベル 3 × 8 枚</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US レター、2.625 × 1 インチのラベル 3 × 10 枚</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>ラベル %n 枚</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n ページ</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>印刷されませんでした: プリンター「%1」を使用できませんでした。</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>印刷されませんでした: ファイル「%1」に書き込めませんでした。</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>エラー: メモリが不足しています。</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>エラー: 不明な例外です。</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>コレクションのスナップショットを保存できませんでした: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>現在の状態のコレクションを先に保存できなかったため、何も変更されていません: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>コレクションは読み取り専用で開かれています</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>その他</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>存在しません。</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>コレクションパッケージ (.sdb で終わるフォルダー) ではありません。</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>フォルダーに %1 が含まれていないため、Spinora のコレクションではありません。</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>読み取り専用です。開くには、書き込み可能にするか、別の場所にコピーしてください。</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>コレクションが開かれていません</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>コレクションを再度読み込めませんでした: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>ファイルが画像ではありません</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>画像が大きすぎます (%1 × %2 ピクセル)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>画像をデコードできません (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>ファイルを読み取れません</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>ファイルが %1 MB を超えています</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>エラー: 写真には準備済みの 3 つのファイルが必要です。</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>Spinora またはコンピューターの停止により、変更が途中で中断されました</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1。コレクションを読み込む前に、これを元に戻す必要があります。それには書き込みが必要ですが、ここではコレクションは読み取り専用です。コレクション全体を、中にある %2-journal ファイルごと書き込み可能な場所にコピーし、そのコピーを開いてください。</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1。元に戻すことはできません: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1。元に戻す処理にも失敗しました: %2。</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>コレクションは書き込み用に開かれていません。</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>水やりの日時が指定されていません。</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>このプログラムで既に開かれています。</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>別のプログラム (プロセス %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>%1 が使用中です。コレクションを変更できるのは一度に 1 つのプログラムだけです。終了してからもう一度お試しください。</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>ロックファイル %1 を開けません (%2)。</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>ロックファイル %1 をロックできません (%2)。</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>ロックファイル %1 が別のプログラムによって置き換えられ続けています。</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>画像を JPEG に変換できません</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>データベースに接続されていません</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>現在のスキーマを利用できません (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>コレクション %1 を開けませんでした: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>コレクション %1 を作成できませんでした: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>%1 の記録を読み込めませんでした: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1。データが失われないよう、コレクションは現在読み取り専用になっています。内容が変更または削除されることはありません。もう一度試すには、コレクションを閉じてから開き直してください。</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>新しいバージョンの Spinora で作成されています (スキーマ %1。このバージョンで読み込めるのは %2 までです)。</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>スキーマをアップグレードできませんでした (%1)。</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>スクリプト %1 を読み取れませんでした</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>コレクション %1 は読み取り専用で開かれているため、保存できません。</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>コレクション %1 は保存されましたが、開き直せませんでした: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>コレクションを %1 として保存できませんでした: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>コレクションを %1 として保存できませんでした。</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>コーデックス</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>葉多肉植物</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>根多肉植物</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>茎多肉植物</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>実生</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>挿し木</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>子株</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>接ぎ木</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>山採り</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>ナーセリー苗</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>個人栽培家</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>販売店</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>陶器</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>コンクリート</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>ファイバーグラス</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>マイカ</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>なし (地植え)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>プラスチック</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>石</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>木</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>丸型</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>楕円形</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>角型</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>長方形</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>六角形</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>八角形</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>皿型</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>蓮型</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>平型</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>不定形</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>時間</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>日</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>週間</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>か月</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>時間</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>日</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>週間</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>か月</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>葉水</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>日照量</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>中程度</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>腰水</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>サボテン</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>水やりスケジュール</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>記録</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>写真</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>レコード (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>必要な %1 が存在しません</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>復元される %1 が既に再作成されています</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>対象の %1 がその後変更されています</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>必要なものを %1 から読み取れませんでした</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>以前の状態のコレクションは保存されていません</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>「%1」を元に戻せませんでした: %2。</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>「%1」をやり直せませんでした: %2。</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>データベースが破損しています (%1)。</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>一覧を印刷します</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>デバイスからインポート</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Spinora モバイルアプリからデータベースをインポート</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>デバイスにエクスポート</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Spinora モバイルアプリにデータベースをエクスポート</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>データベースの統計を表示します</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>項目を削除</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>一覧から項目を削除します</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>一覧に項目を追加します</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>水やりスケジュール %n 件</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 とそのサボテン %n 株</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 とそれらのサボテン %n 株</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>サボテン %n 株</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>「開花」イベントの記録はまだありません。</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>全期間を通じて各植物が月ごとに開花した回数です。%1 に開花しそうな植物を先頭に表示します。</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>日付なし</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1、%2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>%1 の写真タイムライン</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>写真 (古い順)</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>この植物には、植物自体の写真も記録の写真もまだありません。</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>2 枚の写真を選択すると (Ctrl+クリック)、並べて表示できます。</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>前の写真</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>次の写真</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (日付なし: %2)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>記録</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>水やり期限</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>期限のリマインダー</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>%1 にコレクションがありません</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>スナップショットは保存されませんでした: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 には %2 という名前のスナップショットがありません (一覧は spinora-cli backups %1 で表示できます)。何も変更されていません</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 は復元されませんでした: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>以前の状態のコレクションは %1 として保存されています</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>使い方: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 には %2 から %3 までの整数を指定してください (「%4」は不可)</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 にはローカルの日時を YYYY-MM-DD HH:MM の形式で指定してください (「%2」は不可)</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>コレクションに書き込めませんでした</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 は破損しています: %2 何も変更されていません。「spinora-cli backups %1」でスナップショットの一覧を表示し、「spinora-cli restore %1 SNAPSHOT」で復元できます。</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>写真ファイル %1 が見つかりません。</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>写真ファイルが %1 個見つかりません (最初のファイル: %2)。</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: コレクションの名前は .%2 で終わる必要があります</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 は既に存在します。何も変更されていません</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>フォルダー %1 が存在しません</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>サンプルを書き込めませんでした</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>%1 を作成しました (サボテン %2 株、水やりスケジュール %3 件、記録 %4 件、写真 %5 枚)</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>何の一覧ですか？「%1」は cacti、watering、logs のいずれでもありません</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>--no-water の期間は最大 3 つまでです</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water には実在する日付で MM-DD:MM-DD の形式を指定してください (「%1」は不可)</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>警告: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>通知を送信するセッションバスがありません (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>セッションバスで通知サービスが応答しません (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>通知サービスが通知を拒否しました (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 には http://host:port のようなデバイスのアドレスを指定してください (「%2」は不可)</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>インポートに失敗しました。何も変更されていません</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>インポートに失敗しました。何も変更されていません: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>ダウンロードに失敗しました: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>アップロードに失敗しました: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>サービスの検出に失敗しました: %1。avahi-daemon サービスが必要です (&quot;systemctl start avahi-daemon&quot; で起動してください)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull には --from URL が必要です</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>インポートオプション %1 はモード %2 のデバイスに適合しません: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push には --to URL が必要です</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 置き換えるには --force を付けてください。</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 何も書き込まれていません。</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>開いているコレクション自体にはエクスポートできません</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: CSV ファイルには export-csv を使用してください</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: CSV ファイルの名前は .csv で終わる必要があります</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>開いているコレクション自体にレポートを書き込むことはできません</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>ファイル %1 に書き込めませんでした</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>%1 にインポートするものはありません</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map は CSV ファイル用です</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>開いているコレクション自体からはインポートできません</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size には A4 または Letter を指定してください (「%1」は不可)</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record にはレコードのキー (整数) を指定してください (「%1」は不可)</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record にはシート画面 (3、4、または 5) が必要です</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>コレクションにキー %1 のサボテンがありません</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>コレクションに印刷するサボテンがありません</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>コレクションにキー %1 の水やりスケジュールがありません</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>コレクションに印刷する水やりスケジュールがありません</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>コレクションにキー %1 の記録がありません</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>コレクションに印刷する記録がありません</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout には a4-3x8 または letter-3x10 を指定してください (「%1」は不可)</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>「%1」に一致するサボテンはありません</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>期限</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 日遅れ</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 日遅れ</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>期限のものはありません</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(スケジュールなし)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(植物なし)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2、次の水やり %3、%4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>リマインダー: %1、%2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>リマインダー: %1 (%2)、%3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>水やりが必要な植物: 1 株</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>水やりが必要な植物: %1 株</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>リマインダー 1 件</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>リマインダー %1 件</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 と %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 (今日)</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%2 別の %1</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 ほか %2 件</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>期限のものはありません: 通知なし</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>%1 を起動できませんでした</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on には YYYY-MM-DD 形式の日付を指定してください (「%1」は不可)</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>コレクションが指定されておらず、確認する最近のコレクションもありません</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 は未来の日時です。水やりは実施した後にのみ記録できます</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>「%1」という名前の水やりスケジュールはありません。何も変更されていません</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>「%1」という名前のサボテンはありません。何も変更されていません</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>水やりを記録できませんでした</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>不明なサブコマンド「%1」(spinora-cli --help を参照してください)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>「%1」への最新の変更を書き込めませんでした: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>変更が失われないよう、ウィンドウは開いたままです。空き容量を確保してからもう一度閉じるか、コレクションを別の場所に保存してください。</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>写真をコレクションに書き込めませんでした (ディスクがいっぱいではありませんか？)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>不明なオプション %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>--schedule または --cactus を少なくとも 1 つ指定してください</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>1 年未満</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n 年</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>%1 の列</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>このファイルは Spinora の CSV テンプレートの形式ではありません。各列の内容を選んでください。列の下に最初の行が表示されます。</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>ファイルの列</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>列「%1」の項目</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>スキップ</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>植物の名前が入っている列を選んでください。</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n 時間</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n 週間</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n か月</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>追加した各写真の元のファイルを保存する (高精細、撮影日時)(&amp;O)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>開いているコレクションで元の写真が %1 を使用しています。</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>写真を印刷…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>写真を 1 ページに印刷します</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>撮影日時: %1 %2</translation>
    </message>
</context>
</TS>
