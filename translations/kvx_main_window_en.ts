<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>TAbout</name>
    <message>
        <source>バージョン情報</source>
        <translation>About Kurvadex</translation>
    </message>
    <message>
        <source>木造耐力壁の正負交番繰り返し加力試験データ グラフ表示・評価プログラム</source>
        <translation>Graphs and evaluation of cyclic racking tests of timber shear walls</translation>
    </message>
</context>
<context>
    <name>TDataList</name>
    <message>
        <source>&#x3000;計測データリスト</source>
        <translation>Measurement Data List</translation>
    </message>
    <message>
        <source>ステップ</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>表示ｽﾃｯﾌﾟ番号設定</source>
        <translation>Row (step) to show</translation>
    </message>
    <message>
        <source>データ修正</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>変&#x3000;更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>データを変更する</source>
        <translation>Change the data</translation>
    </message>
    <message>
        <source>削除範囲</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>開始ｽﾃｯﾌﾟ</source>
        <translation>First</translation>
    </message>
    <message>
        <source>から</source>
        <translation>to</translation>
    </message>
    <message>
        <source>終了ｽﾃｯﾌﾟ</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>まで</source>
        <translation>incl.</translation>
    </message>
    <message>
        <source>行削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>行削除の前に確認する</source>
        <translation>Ask before deleting rows</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>編集したデータを保存する</source>
        <translation>Save the edited data</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>読込チャンネル %d / 全チャンネル&#x3000;%d</source>
        <translation>Channels read %d / in the file %d</translation>
    </message>
    <message>
        <source>変更するデータのセルを選択してください</source>
        <translation>Select the cell of the value to change</translation>
    </message>
    <message>
        <source>%d ステップ&#x3000;%d CH のデータを %s に変更しますか？&#x3000;&#x3000;&#x3000;</source>
        <translation>Change the value of step %d, CH %d to %s?</translation>
    </message>
    <message>
        <source> は単精度の範囲を超えるため変更できません</source>
        <translation> is beyond single precision and cannot be used</translation>
    </message>
    <message>
        <source>削除ステップ指定エラー&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>The steps to delete are not valid</translation>
    </message>
    <message>
        <source>ステップ削除</source>
        <translation>Delete Steps</translation>
    </message>
    <message>
        <source>ステップ %d ～ %d を削除しますか&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Delete steps %d to %d?</translation>
    </message>
    <message>
        <source>修正データの保存</source>
        <translation>Save Corrected Data</translation>
    </message>
    <message>
        <source>修正ファイル(*.csv)|*.csv|すべて|*.*</source>
        <translation>Corrected file (*.csv)|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>修正データを保存できませんでした
</source>
        <translation>The corrected data could not be saved
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File Output Error</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>一時停止</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>表示データ</source>
        <translation>Rows shown</translation>
    </message>
    <message>
        <source>ループ面積</source>
        <translation>Loop area</translation>
    </message>
    <message>
        <source>等価減衰比</source>
        <translation>Eq. damping ratio</translation>
    </message>
    <message>
        <source>等価剛性</source>
        <translation>Eq. stiffness</translation>
    </message>
    <message>
        <source>ループ判定</source>
        <translation>Loop detection</translation>
    </message>
    <message>
        <source>零レベル通過点</source>
        <translation>Zero crossing</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>常にクリップボードへコピー</source>
        <translation>Always copy to the clipboard</translation>
    </message>
    <message>
        <source>極値（＋）</source>
        <translation>Extremum (+)</translation>
    </message>
    <message>
        <source>極値（－）</source>
        <translation>Extremum (-)</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>データ範囲設定</source>
        <translation>Data Range</translation>
    </message>
    <message>
        <source>から</source>
        <translation>first</translation>
    </message>
    <message>
        <source>まで</source>
        <translation>last</translation>
    </message>
    <message>
        <source>増分</source>
        <translation>Incr.</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>データ先頭に戻る</source>
        <translation>Back to the first row</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>表示するデータ範囲を指定してください</source>
        <translation>Choose the rows to show</translation>
    </message>
    <message>
        <source>1 ～ %d</source>
        <translation>Rows 1 - %d</translation>
    </message>
    <message>
        <source>ファイルが選択されていません</source>
        <translation>No file has been chosen</translation>
    </message>
</context>
<context>
    <name>THenkan</name>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <source>変形角に変換</source>
        <translation>Convert to Deformation Angle</translation>
    </message>
    <message>
        <source>変換式</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>変換式を選択</source>
        <translation>Choose the formula</translation>
    </message>
    <message>
        <source>変換式 A&#x3000;変形角 = ( ±CH a  ±CH b ) / L</source>
        <translation>Formula A   angle = ( ±CH a  ±CH b ) / L</translation>
    </message>
    <message>
        <source>変換式 B&#x3000;変形角 = ( ±CH c  + d ) / L</source>
        <translation>Formula B   angle = ( ±CH c  + d ) / L</translation>
    </message>
    <message>
        <source>変換CH</source>
        <translation>Into CH</translation>
    </message>
    <message>
        <source>変換結果を入れるチャンネル</source>
        <translation>The channel that receives the result</translation>
    </message>
    <message>
        <source>測点名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>変換状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>変換</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>個別保存</source>
        <translation>Save only</translation>
    </message>
    <message>
        <source>加力と変換データのみファイル保存</source>
        <translation>Save the load and the converted channels only</translation>
    </message>
    <message>
        <source>追加保存</source>
        <translation>Save all</translation>
    </message>
    <message>
        <source>現在のデータの後ろに追加保存</source>
        <translation>Save the present data with the converted channels appended</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>初期状態に戻す</source>
        <translation>Back to the initial state</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>L には整数を入力してください（%s）</source>
        <translation>Enter a whole number for L (%s)</translation>
    </message>
    <message>
        <source>変換エラー</source>
        <translation>Conversion Error</translation>
    </message>
    <message>
        <source>d には数値を入力してください（%s）</source>
        <translation>Enter a number for d (%s)</translation>
    </message>
    <message>
        <source>ファイルが選択されておりません</source>
        <translation>No file has been chosen</translation>
    </message>
    <message>
        <source>ファイル未設定</source>
        <translation>No File</translation>
    </message>
    <message>
        <source>この変換チャンネルの変換はされていません</source>
        <translation>This channel has not been converted</translation>
    </message>
    <message>
        <source>未変換エラー</source>
        <translation>Not Converted</translation>
    </message>
    <message>
        <source>変形角変換データの保存</source>
        <translation>Save Converted Data</translation>
    </message>
    <message>
        <source>変形角変換ファイル(*.csv)|*.csv|すべて|*.*</source>
        <translation>Converted data file (*.csv)|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>変換データを保存できませんでした
</source>
        <translation>The converted data could not be saved
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File Output Error</translation>
    </message>
    <message>
        <source>変換後にデータの行数が変わっています．変換し直してから保存してください</source>
        <translation>The number of data rows has changed since the conversion. Convert again before saving</translation>
    </message>
    <message>
        <source>変換後に別のデータが読み込まれたか、データが修正されています．変換し直してから保存してください</source>
        <translation>Other data have been read or the data have been corrected since the conversion. Convert again before saving</translation>
    </message>
</context>
<context>
    <name>THistory</name>
    <message>
        <source>Kurvadex 変更履歴

Ver4.33
  ・Qt で作り直した最初の版です。Linux などでも動作するようになりました。
  ・グラフの描画と評価の計算をウィンドウから切り離し、同じ計算を
    コマンド（kurvadex-batch）からも実行できるようにしました。
  ・データファイルを読み込めなかったとき、プログラムを終了せずに
    それまでのデータとグラフをそのまま残すようにしました。
  ・数値計算のエラー（gamma_point error, Gauss Error）のとき、メッセージを
    表示してその評価だけを中止し、プログラムは続けて使えるようにしました。
  ・変形角（rad）の記録でも骨格曲線の多項式近似が求まるようにしました。
  ・ゼロ除算になる値（全データが0のチャンネルのフルスケールなど）は、
    数値の代わりにメッセージまたは空欄にしました。結果ファイルに
    NaN が書かれることはありません。
  ・結果ファイルを作成できないときは、その旨を表示するようにしました。
  ・30,000 行を超えるデータファイルは、途中で切らずに読み込みを
    中止してお知らせするようにしました。
  ・画面の表示フォントに IPA ゴシック／IPA Pゴシックを使います。
  ・ファイルを上書き保存するときは、書き終えてから置き換えます。
    ディスクがいっぱいでも、それまでのファイルは失われません。
  ・印刷ダイアログから PDF にも印刷できます。
  ・UTF-8（BOM 付き）で保存された標準CSVファイルも読み込めます。
  ・kurvadex-batch で複数のデータファイル（試験シリーズ）をまとめて
    評価し、壁倍率の結果ファイルと ELASTO.CSV に 1 ファイル 1 行ずつ
    書き出せるようになりました。
  ・「完全弾塑性」のチェックボックスを表示し、メインウィンドウから
    完全弾塑性モデルと「復元力特性」ウィンドウを使えるようにしました。
  ・骨格曲線を近似したとき、編集ウィンドウと壁倍率評価が近似曲線の
    途中までしか使っていなかった誤りを直し、300点全体で評価するように
    しました。
  ・多項式近似（11次・13次）を数値的に安定な方法で求めるようにしました。
  ・一時停止ウィンドウのループ面積を有効数字3桁以上で表示します。
  ・読み込みに失敗したとき、チャンネル対応とグラフをそれまでのデータの
    ままにするようにしました。
  ・変形角変換の追加保存は、変換したときと同じデータのときだけ
    できるようにしました。
  ・グラフの文字を、どの言語設定でも同じ IPA ゴシックの通常の太さで
    描くようにしました（「Ymin」が「Ymln」に見えることはありません）。
    凡例と最大値・最小値の表示は、グラフの右端からはみ出さない位置に
    描きます。
  ・指定範囲表示でも、最初のチャンネルを太線で描くようにしました。
  ・骨格曲線の編集ウィンドウの補助線の文字が重ならず、表示範囲に
    収まるようにし、補助線を濃い黄色にしました。評価のあと「閉じる」で、
    編集した骨格曲線と完全弾塑性モデルをメイングラフに描きます。
  ・東京測器以外の計測器や表計算ソフトのテキストファイル（カンマ・
    セミコロン・タブ・空白区切り）を「テキスト読込」で読み込めるように
    しました。単位の換算と、30,000 行を超える記録の間引きもできます。
</source>
        <translation>Kurvadex change history

Ver4.33
  - The first version rebuilt with Qt. It now runs on Linux and other systems
    too.
  - Drawing the graphs and computing the evaluations are separate from the
    windows; the same computations can be run from the command line
    (kurvadex-batch).
  - When a data file cannot be read, the program no longer ends: the previous
    data and graph stay as they were.
  - On a numerical error (gamma_point error, Gauss Error) a message is shown
    and only that evaluation stops; the program can be used on.
  - The polynomial fit of the skeleton curve also works for records of
    deformation angles (rad).
  - Values that would divide by zero (e.g. the full scale of a channel whose
    data are all 0) are shown as a message or left blank. No NaN is ever
    written to a result file.
  - When a result file cannot be created, the program says so.
  - A data file of more than 30,000 rows is not cut off: reading stops and
    the program says so.
  - The windows use the IPA Gothic and IPA PGothic fonts.
  - A file is overwritten only after the new one has been written in full;
    with a full disk the previous file is not lost.
  - The print dialog can also print to PDF.
  - Standard CSV files saved in UTF-8 (with BOM) can be read too.
  - kurvadex-batch evaluates several data files (a test series) at once and
    writes one line per file to the wall multiplier result file and to
    ELASTO.CSV.
  - The &quot;Bilinear model&quot; check box is shown: the perfectly elasto-plastic
    (bilinear) model and the &quot;Restoring Force Characteristics&quot; window can be
    used from the main window.
  - With a fitted skeleton curve, the editor window and the wall multiplier
    evaluation used only part of the fitted curve; they now evaluate all
    300 points.
  - The polynomial fits (degrees 11 and 13) are computed by a numerically
    stable method.
  - The loop area in the &quot;Paused&quot; window is shown with at least 3
    significant digits.
  - When reading fails, the channel correspondence and the graph stay as
    they were for the previous data.
  - &quot;Save all&quot; of the angle conversion works only for the data the
    conversion was made from.
  - The texts of the graph are drawn in IPA Gothic of normal weight in every
    language setting (&quot;Ymin&quot; no longer looks like &quot;Ymln&quot;). The legend and
    the maximum and minimum values are placed so that they do not run past
    the right edge of the graph.
  - In the Range mode too, the first channel is drawn in a bold line.
  - In the skeleton curve editor, the labels of the guide lines no longer
    overlap and stay inside the view; the guide lines are dark yellow.
    After an evaluation, &quot;Close&quot; draws the edited skeleton curve and the
    bilinear model on the main graph.
  - Text files of other instruments and of spreadsheets (separated by
    commas, semicolons, tabs or blanks) can be read with &quot;Import text&quot;.
    Units can be converted, and records of more than 30,000 rows thinned
    out.
</translation>
    </message>
    <message>
        <source>変更履歴</source>
        <translation>Change History</translation>
    </message>
</context>
<context>
    <name>TOpening</name>
    <message>
        <source>表示言語 / Language</source>
        <translation>Language / 表示言語</translation>
    </message>
    <message>
        <source>報告書を書き込めませんでした
</source>
        <translation>The report could not be written
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File Output Error</translation>
    </message>
    <message>
        <source>報告書を書き出しました（試験体 %d ページと集計）
</source>
        <translation>The report has been written (%d specimen pages and the summary)
</translation>
    </message>
    <message>
        <source>

データファイルが見つからないため、次の試験体のページはありません:</source>
        <translation>

These specimens have no page, their data files were not found:</translation>
    </message>
    <message>
        <source>報告書</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>ファイルボタンをクリックしてデータファイルを読み込んでください</source>
        <translation>Click the File button to read a data file</translation>
    </message>
    <message>
        <source>PNG ﾌｧｲﾙ (*.png)|*.png|BMP ﾌｧｲﾙ (*.bmp)|*.bmp|すべて (*.*)|*.*</source>
        <translation>PNG file (*.png)|*.png|BMP file (*.bmp)|*.bmp|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>ELASTO.CSVが閉じられていません（使用中です）</source>
        <translation>ELASTO.CSV is not closed (it is in use)</translation>
    </message>
    <message>
        <source>「次へ」「戻る」で進みます。「ファイル出力」にチェックすると結果を保存します</source>
        <translation>Go on with &quot;Next&quot; and &quot;Back&quot;. Check &quot;File output&quot; to save the results</translation>
    </message>
    <message>
        <source>グラフをクリックすると点の値を表示します。「骨格曲線」で特性値を求めます</source>
        <translation>Click the graph to see a point&apos;s values. &quot;Skeleton&quot; gives the characteristic values</translation>
    </message>
    <message>
        <source>「完全弾塑性」でモデル、「データ編集」で骨格曲線の編集と壁倍率評価ができます</source>
        <translation>&quot;Bilinear model&quot; adds the model; &quot;Edit curve&quot; edits the curve and evaluates the wall multiplier</translation>
    </message>
    <message>
        <source>出力ファイルが閉じられていません．ファイルを閉じてから終了しますか？&#x3000;</source>
        <translation>The output file is not closed. Close it and exit?</translation>
    </message>
    <message>
        <source>終了してもよろしいですか</source>
        <translation>Do you want to exit?</translation>
    </message>
    <message>
        <source>主軸チャンネル</source>
        <translation>Main channel</translation>
    </message>
    <message>
        <source>表示チャンネル</source>
        <translation>Displayed channels</translation>
    </message>
    <message>
        <source>ファイル (&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>グラフ </source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>保&#x3000;存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>グラフをPNGファイルとして保存します</source>
        <translation>Saves the graph as a PNG file</translation>
    </message>
    <message>
        <source>終了 (&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>データ範囲</source>
        <translation>Data range</translation>
    </message>
    <message>
        <source>データリスト</source>
        <translation>Data list</translation>
    </message>
    <message>
        <source>線種設定</source>
        <translation>Line styles</translation>
    </message>
    <message>
        <source>対応表</source>
        <translation>Channel map</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>印刷 (&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>編集(&amp;D)</source>
        <translation>E&amp;dit</translation>
    </message>
    <message>
        <source>変形角変換</source>
        <translation>Angle conversion</translation>
    </message>
    <message>
        <source>極性反転</source>
        <translation>Sign inversion</translation>
    </message>
    <message>
        <source>主軸</source>
        <translation>Main axis</translation>
    </message>
    <message>
        <source>X 軸</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>Y 軸</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>表示モード</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>全データ</source>
        <translation>All</translation>
    </message>
    <message>
        <source>ステップ</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>ループ</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>指定範囲</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>平滑化</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>包絡線</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>マーク</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>カラー表示</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>凡例</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>第一象限</source>
        <translation>1st quadrant</translation>
    </message>
    <message>
        <source>自動目盛り</source>
        <translation>Auto scale</translation>
    </message>
    <message>
        <source>座標軸固定</source>
        <translation>Fixed axes</translation>
    </message>
    <message>
        <source>フルスケール</source>
        <translation>Full scale</translation>
    </message>
    <message>
        <source>太線(すべて）</source>
        <translation>Bold (all)</translation>
    </message>
    <message>
        <source>骨格曲線</source>
        <translation>Skeleton</translation>
    </message>
    <message>
        <source>データ編集</source>
        <translation>Edit curve</translation>
    </message>
    <message>
        <source>ファイル出力</source>
        <translation>File output</translation>
    </message>
    <message>
        <source>変形角1/ｎ</source>
        <translation>Angle 1/n</translation>
    </message>
    <message>
        <source>下に表示</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>上に表示</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>最大値/最小値</source>
        <translation>Max/Min</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Top L</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Top R</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Low L</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Low R</translation>
    </message>
    <message>
        <source>完全弾塑性</source>
        <translation>Bilinear model</translation>
    </message>
    <message>
        <source>壁倍率</source>
        <translation>Wall multiplier</translation>
    </message>
    <message>
        <source>力の単位 kN</source>
        <translation>Force unit kN</translation>
    </message>
    <message>
        <source>標準CSV</source>
        <translation>Standard CSV</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>テキスト読込(&amp;T)</source>
        <translation>Import &amp;text</translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>試験体集計</source>
        <translation>Specimen summary</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙｾｰﾌﾞ</source>
        <translation>Image format</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀﾌｧｲﾙ形式</source>
        <translation>Data file format</translation>
    </message>
    <message>
        <source>標準csv形式</source>
        <translation>Standard CSV</translation>
    </message>
    <message>
        <source>東京測器txt形式</source>
        <translation>Tokyo Sokki TXT</translation>
    </message>
    <message>
        <source>東京測器csv形式</source>
        <translation>Tokyo Sokki CSV</translation>
    </message>
    <message>
        <source>汎用テキスト形式</source>
        <translation>Generic text</translation>
    </message>
    <message>
        <source>プリンタ DPI(&amp;D)</source>
        <translation>Printer &amp;DPI</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>グラフ線種設定</source>
        <translation>Graph line styles</translation>
    </message>
    <message>
        <source>範囲設定</source>
        <translation>Data range</translation>
    </message>
    <message>
        <source>サイクル評価</source>
        <translation>Cycle evaluation</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>平滑化サイズ</source>
        <translation>Smoothing size</translation>
    </message>
    <message>
        <source>ステップサイズ</source>
        <translation>Step size</translation>
    </message>
    <message>
        <source>マーク間隔</source>
        <translation>Mark interval</translation>
    </message>
    <message>
        <source>骨格曲線関数近似</source>
        <translation>Skeleton curve approximation</translation>
    </message>
    <message>
        <source>力の単位</source>
        <translation>Force unit</translation>
    </message>
    <message>
        <source>ループ判定</source>
        <translation>Loop detection</translation>
    </message>
    <message>
        <source>極値(+)</source>
        <translation>Extremum (+)</translation>
    </message>
    <message>
        <source>極値(-)</source>
        <translation>Extremum (-)</translation>
    </message>
    <message>
        <source>ゼロレベル通過</source>
        <translation>Zero crossing</translation>
    </message>
    <message>
        <source>原点中央</source>
        <translation>Origin at center</translation>
    </message>
    <message>
        <source>目盛り自動設定</source>
        <translation>Automatic scale</translation>
    </message>
    <message>
        <source>タイトル自動設定</source>
        <translation>Automatic titles</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使い方</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>変更履歴</source>
        <translation>Change history</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>汎用テキスト</source>
        <translation>Generic text</translation>
    </message>
    <message>
        <source>チャンネルを設定して、グラフボタンをクリックして下さい</source>
        <translation>Choose the channels, then click the Graph button</translation>
    </message>
    <message>
        <source>対応</source>
        <translation>One-to-one</translation>
    </message>
    <message>
        <source>非対応</source>
        <translation>Remapped</translation>
    </message>
    <message>
        <source>%d 測点</source>
        <translation>%d points</translation>
    </message>
    <message>
        <source>計測CH</source>
        <translation>Logger CH</translation>
    </message>
    <message>
        <source>計測点</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>測定器</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>単&#x3000;位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>包絡線を描くには、AllかRegionを選んでください</source>
        <translation>To draw the envelope, choose All or Range</translation>
    </message>
    <message>
        <source>包絡線選択エラー</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>このチャンネルは選択できません</source>
        <translation>This channel cannot be chosen</translation>
    </message>
    <message>
        <source>チャンネル選択エラー</source>
        <translation>Channel Choice</translation>
    </message>
    <message>
        <source>力の単位 kg</source>
        <translation>Force unit kg</translation>
    </message>
    <message>
        <source>東京測器TXT</source>
        <translation>Tokyo Sokki TXT</translation>
    </message>
    <message>
        <source>東京測器CSV</source>
        <translation>Tokyo Sokki CSV</translation>
    </message>
    <message>
        <source>PNG ﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*</source>
        <translation>PNG file (*.png)|*.png|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>BMP ﾌｧｲﾙ (*.bmp)|*.bmp|すべて (*.*)|*.*</source>
        <translation>BMP file (*.bmp)|*.bmp|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>グラフをBMPファイルとして保存します</source>
        <translation>Saves the graph as a BMP file</translation>
    </message>
    <message>
        <source>印刷を開始できませんでした</source>
        <translation>Printing could not be started</translation>
    </message>
    <message>
        <source>印刷エラー</source>
        <translation>Print Error</translation>
    </message>
    <message>
        <source>グラフの保存</source>
        <translation>Save Graph</translation>
    </message>
    <message>
        <source>画像ファイルを書き込めませんでした
</source>
        <translation>The picture file could not be written
</translation>
    </message>
</context>
<context>
    <name>TScale</name>
    <message>
        <source>目盛り単位を設定してください</source>
        <translation>Enter the scale divisions</translation>
    </message>
    <message>
        <source>X&#x3000;軸</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>Y&#x3000;軸</source>
        <translation>Y axis</translation>
    </message>
</context>
<context>
    <name>TSettei</name>
    <message>
        <source>&#x3000;グラフ線設定</source>
        <translation>Graph Line Styles</translation>
    </message>
    <message>
        <source>線色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>太線</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>記号</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>線の色を選ぶ</source>
        <translation>Choose the line color</translation>
    </message>
    <message>
        <source>現在記号は機能しません</source>
        <translation>Marks have no effect at present</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>規定色(&amp;D)</source>
        <translation>&amp;Defaults</translation>
    </message>
    <message>
        <source>読込(&amp;R)</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>色設定の保存</source>
        <translation>Save Line Colors</translation>
    </message>
    <message>
        <source>色設定ﾌｧｲﾙ(*.clr)|*.clr|すべて|*.*</source>
        <translation>Color file (*.clr)|*.clr|All files|*.*</translation>
    </message>
    <message>
        <source>色設定ファイルを保存できませんでした
</source>
        <translation>The color file could not be saved
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File Output Error</translation>
    </message>
    <message>
        <source>色設定の読込</source>
        <translation>Read Line Colors</translation>
    </message>
    <message>
        <source>線色設定ﾌｧｲﾙ(*.clr)|*.clr|すべて(*.*)|*.*</source>
        <translation>Line color file (*.clr)|*.clr|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>色設定ファイル読込エラー</source>
        <translation>Color File Read Error</translation>
    </message>
</context>
<context>
    <name>TTaio</name>
    <message>
        <source>&#x3000;チャンネル対応</source>
        <translation>Channel Correspondence</translation>
    </message>
    <message>
        <source>グラフ---計測</source>
        <translation>Graph---File</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>設定した対応ﾁｬﾝﾈﾙﾃﾞｰﾀを読み込む</source>
        <translation>Read the data of the assigned channels</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>初期対応に戻す</source>
        <translation>Back to the initial correspondence</translation>
    </message>
    <message>
        <source>ファイル保存</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>対応ﾃﾞｰﾀを標準ﾌｧｲﾙ形式で保存</source>
        <translation>Save the assigned channels as a standard CSV file</translation>
    </message>
    <message>
        <source>計測データチャンネル総数 %d</source>
        <translation>Channels in the data file: %d</translation>
    </message>
    <message>
        <source>チャンネルの対応を指定してください</source>
        <translation>Assign the file channels to the graph channels</translation>
    </message>
    <message>
        <source>設定されているチャンネル対応  %d</source>
        <translation>Channels assigned: %d</translation>
    </message>
    <message>
        <source>対応データの保存</source>
        <translation>Save Assigned Channels</translation>
    </message>
    <message>
        <source>CSV形式ﾌｧｲﾙ(*.csv)|*.csv|すべて(*.*)|*.*</source>
        <translation>CSV file (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>設定されているチャンネル対応 %d</source>
        <translation>Channels assigned: %d</translation>
    </message>
</context>
<context>
    <name>TTitle</name>
    <message>
        <source>タイトル設定</source>
        <translation>Titles</translation>
    </message>
    <message>
        <source>タイトルを設定してください</source>
        <translation>Enter the titles</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>X 軸</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>Y 軸</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>グラフのタイトル</source>
        <translation>Graph title</translation>
    </message>
    <message>
        <source>横軸のタイトル</source>
        <translation>X axis title</translation>
    </message>
    <message>
        <source>縦軸のタイトル</source>
        <translation>Y axis title</translation>
    </message>
    <message>
        <source>タイトル指定</source>
        <translation>Titles</translation>
    </message>
    <message>
        <source>上の値を使用する</source>
        <translation>Use the titles above</translation>
    </message>
    <message>
        <source>規定値を使用する</source>
        <translation>Use the default titles</translation>
    </message>
</context>
<context>
    <name>TUsage</name>
    <message>
        <source>Kurvadex の使い方

Kurvadex は、木造耐力壁などの正負交番繰り返し加力試験で記録した計測データを
読み込み、荷重－変形のグラフを描いて、履歴ループ・骨格曲線・完全弾塑性モデル・
特性値を評価するプログラムです。

■ 1. データファイルを開く
  「ファイル (&amp;F)」ボタン、またはメニュー「ファイル(&amp;F)」→「開く(&amp;O)」で
  データファイルを選びます。
  標準csv形式のファイルは、次の4行の見出しとデータ行からなります。
    1行目  チャンネル番号（例:  1CH, 2CH, 10CH）
    2行目  測点名（例: 荷重, 変位1）
    3行目  測定器名
    4行目  単位（例: kN, mm, rad）
    5行目以降  1スキャン1行の数値（カンマ区切り）
  データ行は30,000行まで読み込めます。グラフに使えるのは16チャンネルまでです。
  17チャンネル以上のファイルを開くと「チャンネル対応」ウィンドウが開きます。
  グラフの 1～16 CH に、ファイルのどのチャンネルを割り当てるかを指定して
  「決定」を押すと、そのチャンネルだけを読み込みます（上の数字を変えると、
  それより後ろのチャンネルは続き番号になります）。「ファイル保存」で、
  割り当てたチャンネルだけの標準csvファイルを保存できます。対応のようすは
  「対応表」ボタンでいつでも確認できます。
  東京測器のデータロガーのファイルを開くときは、先にメニュー「ﾃﾞｰﾀﾌｧｲﾙ形式」で
  「東京測器txt形式」または「東京測器csv形式」を選んでください。
  選んだ形式とファイルの内容が合わないときは「データエラー」になり、
  それまでのデータとグラフはそのまま残ります。
  読み込みが終わると、ウィンドウのタイトルにファイル名、右下の表に
  各チャンネルの測点名・測定器名・単位、下の欄にデータ数が表示されます。

■ 2. 力の単位
  メニュー「設定」→「力の単位」で kN または kg を選びます（初期値 kN）。
  単位が kg, Kg, ㎏, kN, KN の最初のチャンネルを荷重チャンネルとみなし、
  ファイルの単位と選んだ単位が異なるときは、読み込み時に換算します
  （1 kgf = 0.0098 kN）。
  単位の変更は次に読み込むファイルから有効です。読み込み済みのデータは
  換算されません。

■ 3. チャンネルの選択
  「主軸チャンネル」で共通軸に置くチャンネル（ふつうは荷重）を、
  「表示チャンネル」のチェックボックスで描くチャンネル（変位・変形角）を選びます。
  表示チャンネルを複数選ぶと、主軸チャンネルに対して重ねて描きます。
  このとき単位がそろっている必要があります（フルスケール表示を除く）。
  「主軸」の「X 軸」「Y 軸」で、主軸チャンネルを横軸・縦軸のどちらに
  置くかを選びます。荷重を縦軸にするときは「Y 軸」を選びます。
  「極性反転」の各チェックボックスで、そのチャンネルの符号を反転できます。
  「クリア」ボタンで表示チャンネルの選択をすべて外せます。
  チャンネルを選び終えたら「グラフ 」ボタンでグラフを描きます。

■ 4. 表示モード
  全データ   記録の全体を1枚のグラフに描きます。
  ステップ   ステップサイズ（メニュー「ステップサイズ」）の行数ずつ描き、
             1ステップごとに「一時停止」ウィンドウで止まります。
             「次へ」「戻る」「中止」で進めます。
  ループ     履歴ループを1つずつ描き、ループ面積・等価減衰比・等価剛性を
             「一時停止」ウィンドウに表示します。ループの区切り方は
             メニュー「ループ判定」で選びます（ゼロレベル通過／極値）。
  指定範囲   「データ範囲」ボタンで指定した行の範囲だけを描きます。
  「座標軸固定」をチェックすると、ステップ・ループ表示で軸の範囲を
  記録全体に合わせて固定します。

■ 5. グラフの表示オプション
  平滑化       移動平均で平滑化します（サイズはメニュー「平滑化サイズ」）。
  包絡線       包絡線を描きます（全データ・指定範囲のとき）。
  マーク       一定間隔で記号を描きます（間隔はメニュー「マーク間隔」）。
  カラー表示   チャンネルごとの色で描きます。色は「線種設定」で変えられます。
  第一象限     原点を左下に置き、正の側だけを描きます。
  自動目盛り   目盛りをデータから自動で決めます。外すと目盛りを指定できます。
  フルスケール 各チャンネルを最大値に対する百分率で描きます。
  凡例         凡例を描きます。凡例はマウスで移動できます。
  最大値/最小値  最大値・最小値を表示する位置を1つ選びます。
  変形角1/ｎ   横軸が変形角（単位 rad）のとき、1/n の目盛りを表示します。

■ 6. 骨格曲線と特性値
  表示モードを「全データ」または「指定範囲」にして「骨格曲線」をチェックし、
  「グラフ 」ボタンを押すと、骨格曲線を求めて黒線で描き、最大耐力、
  1/120 rad 時の耐力、2/3Pmax、P(1/2γ) などの特性値を計算します。
  「完全弾塑性」もチェックすると、正負それぞれの側の完全弾塑性モデル
  （初期剛性・降伏耐力・降伏点変位・終局変位）を求めて緑線で描き、
  「復元力特性」ウィンドウに特性値とモデルの値を表示します
  （「第一象限」のときは正の側だけ）。
  メニュー「骨格曲線関数近似」で、骨格曲線を多項式（7～13次）または
  指数関数（99）で近似できます。近似したときは、近似曲線の300点が
  骨格曲線の代わりになり、編集ウィンドウと壁倍率評価もこの300点で評価します。
  「データ編集」をチェックしておくと、骨格曲線の点を編集するウィンドウが開きます。
  点の移動・追加・削除、点数の整理のあと「等価完全弾塑性特性」で評価します。
  荷重が最大荷重の8割まで下がる前に試験を止めた記録は、下がった点を
  追加すると評価できます。「閉じる」で、編集した骨格曲線と評価した
  完全弾塑性モデルをメイングラフに描きます。
  変形角（rad）の記録では、編集ウィンドウの「壁倍率」から壁倍率評価
  ウィンドウを開き、短期許容せん断耐力と壁倍率（新基準・旧基準）を求めます。

■ 7. 結果ファイル
  「ファイル出力」をチェックしてグラフを描くと、そのグラフの結果を
  ファイルに書き出します（1回書き出すとチェックは外れます）。
    LOOP.CSV     ループ表示のとき、ループごとの面積・等価剛性・等価減衰比など。
                 データファイルと同じフォルダに作られます。
    SKELTON.CSV  骨格曲線の点。データファイルと同じフォルダに作られます。
    ELASTO.CSV   特性値と完全弾塑性モデルの値。骨格曲線を求めるたびに
                 1行ずつ追加されます。プログラムを起動したフォルダに作られ、
                 起動するたびに空になります。必要な結果は、次に起動する前に
                 別の名前で保存してください。
  壁倍率の評価結果は、壁倍率評価ウィンドウで指定したファイルに追加されます。

■ 8. データの確認と修正、変形角への変換
  「データリスト」ボタンで計測データを一覧表示します。「ステップ」に行番号を
  入れるとその行へ移ります。「データ修正」をチェックすると値を書き換えられ、
  「変&#x3000;更」で確定します。「削除範囲」に開始・終了ステップを入れて「行削除」で
  行を削除できます。「保存」で修正したデータを標準csvファイルに保存します。
  修正や削除をすると、グラフはすぐに描き直されます。
  メニュー「編集」→「変形角変換」では、変位のチャンネルから変形角を計算します。
    変換式 A  変形角 = ( ±CH a ±CH b ) / L   （たとえば頂部変位 − 脚部変位）
    変換式 B  変形角 = ( ±CH c + d ) / L
  「変換CH」に結果を入れるチャンネル番号を選んで「変換」を押し、「グラフ」で
  確認します。「個別保存」は荷重と変換したチャンネルだけを、「追加保存」は
  いまのデータの後ろに変換したチャンネルを加えて保存します。追加保存は、
  変換したときと同じデータ（別のファイルを読み込んだり、修正したりして
  いないもの）のときだけできます。
  メニュー「編集」→「グラフ線種設定」（「線種設定」ボタン）で、チャンネルごとの
  色と太線を設定し、.clr ファイルに保存・読み込みできます。
  「データ範囲」ボタン（メニュー「範囲設定」）で、指定範囲表示の行を指定します。

■ 9. 印刷と画像の保存
  メニュー「ファイル(&amp;F)」→「印刷(&amp;P)」でグラフを印刷します。
  「保&#x3000;存」ボタンでグラフを PNG または BMP ファイルに保存します
  （形式はメニュー「ﾌｧｲﾙｾｰﾌﾞ」で選びます）。
  「コピー」ボタンでグラフをクリップボードにコピーできます。

■ 10. 終了
  「終了 (&amp;X)」ボタンで終了します。このとき、データファイルのフォルダにある
  一時ファイル _tmp.csv と _tempfile.csv を削除します。
</source>
        <translation>How to use Kurvadex

Kurvadex reads the measurements recorded in cyclic (reversed) racking tests of
timber shear walls and similar specimens, draws load-deformation graphs, and
evaluates the hysteresis loops, the skeleton curve, the perfectly elasto-plastic
(bilinear) model and the characteristic values.

■ 1. Opening a data file
  Choose a data file with the &quot;&amp;File&quot; button, or with the menu
  &quot;&amp;File&quot; → &quot;&amp;Open&quot;.
  A file in the standard CSV format has four heading lines and then the data:
    line 1     channel numbers (e.g.  1CH, 2CH, 10CH)
    line 2     measuring point names (e.g. load, displacement 1)
    line 3     instrument names
    line 4     units (e.g. kN, mm, rad)
    line 5 on  one scan per line, values separated by commas
  Up to 30,000 data lines are read. The graph can use up to 16 channels.
  A file of 17 channels or more opens the &quot;Channel Correspondence&quot; window.
  Choose which channel of the file goes to graph channels 1 to 16 and press
  &quot;Apply&quot;: only those channels are read (changing a number renumbers the
  channels below it consecutively). &quot;Save file&quot; saves the assigned channels
  alone as a standard CSV file. The &quot;Channel map&quot; button shows the
  correspondence at any time.
  For files of Tokyo Sokki data loggers, first choose &quot;Tokyo Sokki TXT&quot; or
  &quot;Tokyo Sokki CSV&quot; in the menu &quot;Data file format&quot;.
  When the file does not match the chosen format, a &quot;data error&quot; is reported
  and the previous data and graph stay as they were.
  Once the file is read, the window title shows the file name, the table at
  the lower right shows each channel&apos;s point name, instrument and unit, and
  the box below the graph shows the number of data rows.

■ 2. Force unit
  Choose kN or kg in the menu &quot;Settings&quot; → &quot;Force unit&quot; (kN at start).
  The first channel whose unit is kg, Kg, ㎏, kN or KN is taken as the load
  channel; when its unit differs from the chosen one, the values are
  converted while reading (1 kgf = 0.0098 kN).
  A new unit applies from the next file read. Data already read are not
  converted.

■ 3. Choosing channels
  Under &quot;Main channel&quot; choose the channel on the common axis (usually the
  load), and with the check boxes under &quot;Displayed channels&quot; the channels to
  draw (displacements, deformation angles).
  Several displayed channels are drawn together against the main channel;
  they must then have the same unit (except in the &quot;Full scale&quot; view).
  &quot;X axis&quot; or &quot;Y axis&quot; under &quot;Main axis&quot; puts the main channel on the
  horizontal or the vertical axis. For the load on the vertical axis choose
  &quot;Y axis&quot;.
  The check boxes under &quot;Sign inversion&quot; reverse the sign of their channel.
  The &quot;Clear&quot; button unchecks all displayed channels.
  Once the channels are chosen, the &quot;Graph&quot; button draws the graph.

■ 4. Display modes
  All        draws the whole record in one graph.
  Step       draws the record in pieces of the step size (menu &quot;Step size&quot;)
             and stops after each piece in the &quot;Paused&quot; window.
             Go on with &quot;Next&quot;, &quot;Back&quot; or &quot;Stop&quot;.
  Loop       draws one hysteresis loop at a time and shows its loop area,
             equivalent damping ratio and equivalent stiffness in the
             &quot;Paused&quot; window. How loops are separated is chosen in the menu
             &quot;Loop detection&quot; (zero crossing or extremum).
  Range      draws only the rows chosen with the &quot;Data range&quot; button.
  With &quot;Fixed axes&quot; checked, the step and loop views keep the axes of the
  whole record.

■ 5. Graph options
  Smooth         smoothing by a moving average (size in the menu
                 &quot;Smoothing size&quot;).
  Envelope       draws the envelope (in the All and Range modes).
  Marks          draws marks at regular intervals (interval in the menu
                 &quot;Mark interval&quot;).
  Colors         draws each channel in its color. The colors are set with
                 &quot;Line styles&quot;.
  1st quadrant   puts the origin at the lower left and draws the positive
                 side only.
  Auto scale     takes the scale divisions from the data. Uncheck it to enter
                 them yourself.
  Full scale     draws each channel as a percentage of its maximum.
  Legend         draws the legend, which can be moved with the mouse.
  Max/Min        choose one position for the maximum and minimum values.
  Angle 1/n      when the horizontal axis is a deformation angle (rad), shows
                 1/n scale labels.

■ 6. Skeleton curve and characteristic values
  In the All or Range mode, check &quot;Skeleton&quot; and press the &quot;Graph&quot;
  button: the skeleton curve is found and drawn in black, and the
  characteristic values are computed: the maximum load Pmax, the load at
  1/120 rad, 2/3 Pmax, P(1/2γ) and others.
  With &quot;Bilinear model&quot; checked as well, the perfectly elasto-plastic
  (bilinear) model of each side, positive and negative, is found (initial
  stiffness K, yield load Py, yield displacement, ultimate displacement) and
  drawn in green, and the &quot;Restoring Force Characteristics&quot; window shows the
  characteristic values and the model (only the positive side with
  &quot;1st quadrant&quot;).
  The menu &quot;Skeleton curve approximation&quot; fits the skeleton curve with a
  polynomial (degree 7 to 13) or an exponential function (99). With a fit,
  the 300 points of the fitted curve take the place of the skeleton curve,
  also in the editor window and in the wall multiplier evaluation.
  With &quot;Edit curve&quot; checked, a window opens in which the points of the
  skeleton curve can be edited: move, add and delete points, thin them out,
  then evaluate with the equivalent perfectly elasto-plastic characteristics.
  A record whose test stopped before the load fell to 80 percent of the
  maximum load can be evaluated by adding the falling points. &quot;Close&quot; draws the
  edited skeleton curve and the evaluated bilinear model on the main graph.
  For records of deformation angles (rad), &quot;Wall multiplier&quot; in the editor
  window opens the wall multiplier evaluation, which finds the short-term
  allowable shear capacity Qa and the wall multiplier (new and old
  standards).

■ 7. Result files
  With &quot;File output&quot; checked, the next graph writes its results to files
  (the box is unchecked after one output).
    LOOP.CSV     in the Loop mode: area, equivalent stiffness, equivalent
                 damping ratio and more for each loop.
                 Written to the folder of the data file.
    SKELTON.CSV  the points of the skeleton curve. Written to the folder of
                 the data file.
    ELASTO.CSV   the characteristic values and the bilinear model. One line
                 is added each time a skeleton curve is evaluated. It is
                 written to the folder the program was started in and is
                 emptied at every start: save the results you need under
                 another name before the next start.
  The results of the wall multiplier evaluation are added to the file chosen
  in the wall multiplier window.

■ 8. Checking and correcting data, converting to deformation angles
  The &quot;Data list&quot; button lists the measurements. A row number entered under
  &quot;Step&quot; moves to that row. With &quot;Edit&quot; checked the values can be changed;
  &quot;Change&quot; confirms a change. Enter the first and the last step under
  &quot;Rows&quot; and press &quot;Delete&quot; to delete those rows. &quot;Save&quot; saves the corrected
  data as a standard CSV file.
  After a correction or a deletion the graph is drawn again at once.
  The menu &quot;Edit&quot; → &quot;Angle conversion&quot; computes deformation angles from
  displacement channels.
    Formula A  angle = ( ±CH a ±CH b ) / L   (e.g. top minus bottom displacement)
    Formula B  angle = ( ±CH c + d ) / L
  Choose the channel for the result under &quot;Into CH&quot;, press &quot;Convert&quot;, and
  check it with &quot;Graph&quot;. &quot;Save only&quot; saves the load and the converted
  channels only; &quot;Save all&quot; saves the present data with the converted
  channels appended. &quot;Save all&quot; works only for the data the conversion was
  made from (no other file read, no correction since).
  The menu &quot;Edit&quot; → &quot;Graph line styles&quot; (the &quot;Line styles&quot; button) sets the
  color and bold line of each channel; the settings can be saved to and read
  from .clr files.
  The &quot;Data range&quot; button (menu &quot;Data range&quot;) chooses the rows of the Range
  mode.

■ 9. Printing and saving pictures
  The menu &quot;&amp;File&quot; → &quot;&amp;Print&quot; prints the graph.
  The &quot;Save&quot; button saves the graph as a PNG or BMP file (the format is
  chosen in the menu &quot;Image format&quot;).
  The &quot;Copy&quot; button copies the graph to the clipboard.

■ 10. Exit
  The &quot;E&amp;xit&quot; button ends the program. It deletes the temporary files
  _tmp.csv and _tempfile.csv in the folder of the data file.
</translation>
    </message>
    <message>
        <source>使い方</source>
        <translation>How to Use</translation>
    </message>
</context>
<context>
    <name>TValue</name>
    <message>
        <source>データ</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
</TS>
