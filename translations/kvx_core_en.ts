<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>kvx::analysis</name>
    <message>
        <source>対応する座標点を見いだすことができません</source>
        <translation>No corresponding point could be found on the curve</translation>
    </message>
    <message>
        <source>対応する点が見つかりません</source>
        <translation>No corresponding point was found</translation>
    </message>
    <message>
        <source>最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.
該当する点を追加してください．</source>
        <translation>No point was found beyond the maximum load where the load has dropped to 80 percent or less.
Please add such a point.</translation>
    </message>
    <message>
        <source>0.8Pmaxの点が見つけられない</source>
        <translation>No 0.8 Pmax point found</translation>
    </message>
    <message>
        <source>平行する接線が見つかりません</source>
        <translation>No parallel tangent was found</translation>
    </message>
    <message>
        <source>降伏耐力は求まりません</source>
        <translation>The yield load Py cannot be determined</translation>
    </message>
    <message>
        <source>負になりました</source>
        <translation>The value became negative</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>X軸の単位が&apos;rad&apos;でありませんので，壁倍率を評価することはできません</source>
        <translation>The unit of the X axis is not &apos;rad&apos;, so the wall multiplier cannot be evaluated</translation>
    </message>
    <message>
        <source>X軸データエラー</source>
        <translation>X axis data error</translation>
    </message>
    <message>
        <source>等価完全弾塑性特性が評価されていません．
スケルトン編集の「等価完全弾塑性特性」で評価してください．</source>
        <translation>The equivalent perfectly elasto-plastic (bilinear) model has not been evaluated.
Evaluate it with &quot;Equivalent elasto-plastic model&quot; in the skeleton curve editor.</translation>
    </message>
    <message>
        <source>壁倍率評価</source>
        <translation>Wall multiplier evaluation</translation>
    </message>
    <message>
        <source>「%s」は数値として読み取れません（%s）</source>
        <translation>&quot;%s&quot; cannot be read as a number (%s)</translation>
    </message>
    <message>
        <source>入力エラー</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>μ = γu/γv が 0.5 以下（または γv が 0）のため Ds を求めることができません．
現行基準の短期許容せん断耐力は評価できません．</source>
        <translation>The ductility factor μ = γu/γv is 0.5 or less (or γv is 0), so the structural characteristics factor Ds cannot be determined.
The short-term allowable shear capacity of the current standard cannot be evaluated.</translation>
    </message>
    <message>
        <source>再評価エラー</source>
        <translation>Re-evaluation error</translation>
    </message>
    <message>
        <source>壁長さ L には正の値を入力してください．</source>
        <translation>Please enter a positive value for the wall length L.</translation>
    </message>
    <message>
        <source>最大荷重が正になりません</source>
        <translation>The maximum load is not positive</translation>
    </message>
    <message>
        <source>0.4 Ppeak の変形が正にならず、弾性剛性 ke が求まりません</source>
        <translation>The displacement at 0.4 Ppeak is not positive, so the elastic stiffness ke cannot be determined</translation>
    </message>
    <message>
        <source>降伏変形が正にならず、塑性率が求まりません</source>
        <translation>The yield displacement is not positive, so the ductility factor cannot be determined</translation>
    </message>
    <message>
        <source>0.4 Fmax に達する点がありません</source>
        <translation>No point reaches 0.4 Fmax</translation>
    </message>
    <message>
        <source>0.1 Fmax と 0.4 Fmax の点を結ぶ直線の勾配が正になりません</source>
        <translation>The line through the 0.1 Fmax and 0.4 Fmax points does not have a positive slope</translation>
    </message>
</context>
<context>
    <name>kvx::data</name>
    <message>
        <source>変換式の L に 0 は指定できません</source>
        <translation>L of the conversion formula cannot be 0</translation>
    </message>
    <message>
        <source>チャンネル %d はデータにありません（1 ～ %d CH）</source>
        <translation>Channel %d is not in the data (channels 1 to %d)</translation>
    </message>
    <message>
        <source>力の単位 (kN / kg) のチャンネルがないため変換できません</source>
        <translation>Cannot convert: there is no channel with a force unit (kN / kg)</translation>
    </message>
    <message>
        <source>データエラー 第 %d 行
%d チャンネル目のデータがありません．</source>
        <translation>Data error in line %d
There is no value for channel %d.</translation>
    </message>
    <message>
        <source>データエラー</source>
        <translation>Data error</translation>
    </message>
    <message>
        <source>データファイルを開くことができません
</source>
        <translation>Cannot open the data file
</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>一時ファイルを作成できません（書き込みできないフォルダです）
</source>
        <translation>Cannot create a temporary file (the folder is not writable)
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File output error</translation>
    </message>
    <message>
        <source>保存しようとするファイル名はオリジナルのデータファイル名と同一です．
この名前では保存することはできません</source>
        <translation>The file name to save is the same as the original data file.
The file cannot be saved under this name</translation>
    </message>
    <message>
        <source>ファイル名エラー</source>
        <translation>File name error</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした
</source>
        <translation>Could not save the file
</translation>
    </message>
    <message>
        <source>数値の行がありません</source>
        <translation>There are no rows of numbers</translation>
    </message>
    <message>
        <source>チャンネルは %d までです（%zu 列が選ばれています）</source>
        <translation>At most %d channels are allowed (%zu columns are selected)</translation>
    </message>
    <message>
        <source>%d 列目はファイルにありません（1 ～ %d 列）</source>
        <translation>Column %d is not in the file (columns 1 to %d)</translation>
    </message>
    <message>
        <source>反転点だけで %zu 行あり、%d 行に間引けません</source>
        <translation>The reversal points alone take %zu rows; the record cannot be thinned to %d rows</translation>
    </message>
    <message>
        <source>データが %zu 行あり、%d 行を超えています．間引きの間隔を大きくしてください</source>
        <translation>The data has %zu rows, more than %d. Please choose a larger thinning interval</translation>
    </message>
    <message>
        <source>第 %d 行: %d 列目の値 %g は大きすぎます</source>
        <translation>line %d: in column %d the value %g is too large</translation>
    </message>
    <message>
        <source>%d 列目「%s」は数値ではありません</source>
        <translation>column %d &quot;%s&quot; is not a number</translation>
    </message>
    <message>
        <source>数値が %d 個あります（%d 個のはずです）</source>
        <translation>there are %d numbers (expected %d)</translation>
    </message>
    <message>
        <source>第 %d 行: </source>
        <translation>line %d: </translation>
    </message>
    <message>
        <source>第 %d 行: 数値の行がありません</source>
        <translation>line %d: there are no rows of numbers</translation>
    </message>
    <message>
        <source>重大なエラー

力の単位が kg または kN のデータがありません．
このまま続行しますか？&#x3000;&#x3000;</source>
        <translation>Serious error

No data has the force unit kg or kN.
Do you want to continue anyway?</translation>
    </message>
    <message>
        <source>加力単位エラー</source>
        <translation>Force unit error</translation>
    </message>
    <message>
        <source>ファイルデータの加力の単位はkgになっています．
力の単位をkNに変更しました．</source>
        <translation>The load in the data file is in kg.
The force unit has been changed to kN.</translation>
    </message>
    <message>
        <source>加力単位</source>
        <translation>Force unit</translation>
    </message>
    <message>
        <source>ファイルデータの加力の単位はkNになっています．
力の単位をkgに変更しました．</source>
        <translation>The load in the data file is in kN.
The force unit has been changed to kg.</translation>
    </message>
    <message>
        <source>標準csv形式のデータファイルではありません</source>
        <translation>This is not a data file in the standard CSV format</translation>
    </message>
    <message>
        <source>東京測器txt形式のデータファイルではありません</source>
        <translation>This is not a data file in the Tokyo Sokki TXT format</translation>
    </message>
    <message>
        <source>東京測器csv形式のデータファイルではありません</source>
        <translation>This is not a data file in the Tokyo Sokki CSV format</translation>
    </message>
    <message>
        <source>標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*</source>
        <translation>Standard data files (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>東京測器txt形式ﾃﾞｰﾀﾌｧｲﾙ (*.txt)|*.txt|すべて (*.*)|*.*</source>
        <translation>Tokyo Sokki TXT data files (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>東京測器csv形式ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*</source>
        <translation>Tokyo Sokki CSV data files (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>汎用ﾃｷｽﾄ (*.csv *.txt *.dat *.tsv)|*.csv;*.txt;*.dat;*.tsv|すべて (*.*)|*.*</source>
        <translation>Delimited text (*.csv *.txt *.dat *.tsv)|*.csv;*.txt;*.dat;*.tsv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>KVX データファイルを選んでください</source>
        <translation>Choose a KVX data file</translation>
    </message>
    <message>
        <source>標準形式ではありません。汎用テキストとして読み込みますか？</source>
        <translation>This is not the standard format. Read it as delimited text?</translation>
    </message>
    <message>
        <source>データ形式</source>
        <translation>Data format</translation>
    </message>
    <message>
        <source>東京測器txt形式の第 %d 行にチャンネル名がありません</source>
        <translation>Tokyo Sokki TXT format: line %d has no channel names</translation>
    </message>
    <message>
        <source>東京測器csv形式の第 %d 行にチャンネル名がありません</source>
        <translation>Tokyo Sokki CSV format: line %d has no channel names</translation>
    </message>
    <message>
        <source>データエラー 第 %d 行</source>
        <translation>Data error in line %d</translation>
    </message>
    <message>
        <source>データファイルを開くことができません
%s</source>
        <translation>Cannot open the data file
%s</translation>
    </message>
    <message>
        <source>第 4 行（単位）のチャンネル数が %zu あり、上限の 16 を超えています．
このファイルは読み込めません．</source>
        <translation>Line 4 (units) has %zu channels, more than the limit of 16.
This file cannot be read.</translation>
    </message>
    <message>
        <source>データが %d 行を超えています（第 %d 行）．
%d 行までのファイルに分けてから読み込んでください．</source>
        <translation>The data has more than %d rows (line %d).
Please split it into files of at most %d rows before reading.</translation>
    </message>
    <message>
        <source>&#x3000;ｸﾞﾗﾌCH</source>
        <translation> Graph CH</translation>
    </message>
    <message>
        <source>&#x3000;計測CH</source>
        <translation> Logger CH</translation>
    </message>
    <message>
        <source>&#x3000;計測点</source>
        <translation> Point</translation>
    </message>
    <message>
        <source>ｽﾃｯﾌﾟ/単位</source>
        <translation>Step/Unit</translation>
    </message>
</context>
<context>
    <name>kvx::output</name>
    <message>
        <source>印刷するグラフが描かれていません</source>
        <translation>No graph has been drawn to print</translation>
    </message>
    <message>
        <source>印刷エラー</source>
        <translation>Print error</translation>
    </message>
    <message>
        <source>チャンネルの選択がされていません</source>
        <translation>No channel is selected</translation>
    </message>
    <message>
        <source>チャンネル選択エラー</source>
        <translation>Channel selection error</translation>
    </message>
    <message>
        <source>表示しようとするデータの単位が一致しておりません</source>
        <translation>The units of the data to be shown do not match</translation>
    </message>
    <message>
        <source>単位不一致エラー</source>
        <translation>Unit mismatch error</translation>
    </message>
</context>
<context>
    <name>kvx::plot</name>
    <message>
        <source>色設定ファイルを開けませんでした
</source>
        <translation>Could not open the colour settings file
</translation>
    </message>
    <message>
        <source>色設定ファイルの第 %d 行が正しくありません（0x00bbggrr,太線,記号）
%d CH 以降は変更していません</source>
        <translation>Line %d of the colour settings file is not valid (0x00bbggrr,thick line,symbol)
Channels from %d on were not changed</translation>
    </message>
    <message>
        <source>色設定ファイルの行数が足りません（%d 行）
%d CH 以降は変更していません</source>
        <translation>The colour settings file has too few lines (%d lines)
Channels from %d on were not changed</translation>
    </message>
    <message>
        <source>%d CH のデータがすべて 0 のため、フルスケール表示ができません．</source>
        <translation>All data of channel %d are 0, so the full-scale display is not possible.</translation>
    </message>
    <message>
        <source>フルスケールエラー</source>
        <translation>Full-scale error</translation>
    </message>
    <message>
        <source>LOOP.CSVへの書き込みに失敗しました
</source>
        <translation>Writing LOOP.CSV failed
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File output error</translation>
    </message>
    <message>
        <source>ループ情報をLoop.csvに出力しました</source>
        <translation>The hysteresis loop data was written to Loop.csv</translation>
    </message>
    <message>
        <source>ループ情報ファイル出力</source>
        <translation>Loop data file output</translation>
    </message>
    <message>
        <source>ファイルの選択がされていません</source>
        <translation>No file is selected</translation>
    </message>
    <message>
        <source>ファイル選択エラー</source>
        <translation>File selection error</translation>
    </message>
    <message>
        <source>MinMax表示位置を選択できるのは1個までです</source>
        <translation>Only one position can be chosen for the MinMax display</translation>
    </message>
    <message>
        <source>選択エラー</source>
        <translation>Selection error</translation>
    </message>
    <message>
        <source>LOOP.CSVを作成できません（使用中か、書き込みできないフォルダです）
</source>
        <translation>Cannot create LOOP.CSV (it is in use, or the folder is not writable)
</translation>
    </message>
    <message>
        <source>チャンネルの選択がされていません</source>
        <translation>No channel is selected</translation>
    </message>
    <message>
        <source>チャンネル選択エラー</source>
        <translation>Channel selection error</translation>
    </message>
    <message>
        <source>表示しようとするデータの単位が一致しておりません</source>
        <translation>The units of the data to be shown do not match</translation>
    </message>
    <message>
        <source>単位不一致エラー</source>
        <translation>Unit mismatch error</translation>
    </message>
    <message>
        <source>このチャンネルは選択できません</source>
        <translation>This channel cannot be selected</translation>
    </message>
    <message>
        <source>最初のループ判定を誤りました．

次へ進んでください．&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>The first loop was detected wrongly.

Please go on to the next one.</translation>
    </message>
    <message>
        <source>ループデータ不正</source>
        <translation>Invalid loop data</translation>
    </message>
    <message>
        <source>グラフボタンをクリックして下さい</source>
        <translation>Please click the Graph button</translation>
    </message>
    <message>
        <source>ファイルボタンをクリックして下さい</source>
        <translation>Please click the File button</translation>
    </message>
    <message>
        <source>クリックした位置のデータ番号は %d です</source>
        <translation>The data number at the clicked position is %d</translation>
    </message>
    <message>
        <source>クリックした位置に該当するデータはありません</source>
        <translation>There is no data at the clicked position</translation>
    </message>
    <message>
        <source>&apos;%s&apos; は有効な浮動小数点値ではありません</source>
        <translation>&apos;%s&apos; is not a valid floating-point value</translation>
    </message>
    <message>
        <source>&apos;%s&apos; は有効な整数値ではありません</source>
        <translation>&apos;%s&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>近似曲線を求めることができません．
原点付近（最大変形の±10%の範囲）に骨格曲線の点がないか、最大荷重点の変形が 0 です．</source>
        <translation>The approximating curve cannot be determined.
The skeleton curve has no point near the origin (within ±10 percent of the largest displacement), or the displacement at the maximum load is 0.</translation>
    </message>
    <message>
        <source>近似エラー</source>
        <translation>Approximation error</translation>
    </message>
    <message>
        <source>近似式の係数が求まりません（係数行列が特異です）．
近似曲線は y = 0 になります．</source>
        <translation>The coefficients of the approximation cannot be determined (the coefficient matrix is singular).
The approximating curve becomes y = 0.</translation>
    </message>
    <message>
        <source>負側: </source>
        <translation>Negative side: </translation>
    </message>
    <message>
        <source>正側: </source>
        <translation>Positive side: </translation>
    </message>
    <message>
        <source>SKELTON.CSVを作成できません（使用中か、書き込みできないフォルダです）
</source>
        <translation>Cannot create SKELTON.CSV (it is in use, or the folder is not writable)
</translation>
    </message>
    <message>
        <source>骨格曲線データSkelton.csvに出力しました</source>
        <translation>The skeleton curve data was written to Skelton.csv</translation>
    </message>
    <message>
        <source>骨格曲線データファイル出力</source>
        <translation>Skeleton curve data file output</translation>
    </message>
    <message>
        <source>ELASTO.CSVに書き込めませんでした</source>
        <translation>Could not write to ELASTO.CSV</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>累積</source>
        <translation>Cumulative</translation>
    </message>
    <message>
        <source>振幅 X⁺</source>
        <translation>Amplitude X⁺</translation>
    </message>
    <message>
        <source>振幅 X⁻</source>
        <translation>Amplitude X⁻</translation>
    </message>
    <message>
        <source>サイクル数</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>累積吸収エネルギー</source>
        <translation>Cumulative dissipated energy</translation>
    </message>
    <message>
        <source>サイクル番号</source>
        <translation>Cycle number</translation>
    </message>
    <message>
        <source>割線剛性 K_s</source>
        <translation>Secant stiffness K_s</translation>
    </message>
    <message>
        <source>振幅</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>等価粘性減衰定数 ν_eq</source>
        <translation>Equivalent viscous damping ratio ν_eq</translation>
    </message>
    <message>
        <source>%d～%d</source>
        <translation>%d–%d</translation>
    </message>
</context>
</TS>
