<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>TCoeff</name>
    <message>
        <source>復元力特性</source>
        <translation>Restoring Force Characteristics</translation>
    </message>
    <message>
        <source>＋最大耐力</source>
        <translation>+ maximum load</translation>
    </message>
    <message>
        <source>－最大耐力</source>
        <translation>− maximum load</translation>
    </message>
    <message>
        <source>＋最大変位（角）</source>
        <translation>+ max. displ. (angle)</translation>
    </message>
    <message>
        <source>－最大変位（角）</source>
        <translation>− max. displ. (angle)</translation>
    </message>
    <message>
        <source>平均耐力</source>
        <translation>Mean load</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>－</source>
        <translation>−</translation>
    </message>
    <message>
        <source>実験値</source>
        <translation>Test values</translation>
    </message>
    <message>
        <source>近似式</source>
        <translation>Approximation</translation>
    </message>
    <message>
        <source>初期剛性</source>
        <translation>Initial stiffness</translation>
    </message>
    <message>
        <source>降伏耐力</source>
        <translation>Yield load</translation>
    </message>
    <message>
        <source>降伏点変位（角）</source>
        <translation>Yield displ.</translation>
    </message>
    <message>
        <source>終局変位</source>
        <translation>Ultimate displ.</translation>
    </message>
    <message>
        <source>近似式の係数</source>
        <translation>Approx. coefficients</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TCycles</name>
    <message>
        <source>降伏耐力</source>
        <translation>Yield load</translation>
    </message>
    <message>
        <source>降伏変形</source>
        <translation>Yield def.</translation>
    </message>
    <message>
        <source>終局変形</source>
        <translation>Ult. def.</translation>
    </message>
    <message>
        <source>塑性率</source>
        <translation>Ductility</translation>
    </message>
    <message>
        <source>終局耐力 Pu</source>
        <translation>Ult. load Pu</translation>
    </message>
    <message>
        <source>日本 (完全弾塑性)</source>
        <translation>Japan (elasto-plastic)</translation>
    </message>
    <message>
        <source>日本 (骨格編集)</source>
        <translation>Japan (edited skeleton)</translation>
    </message>
    <message>
        <source>このグラフでは評価していません（「骨格曲線」と「完全弾塑性」を選んでグラフを描くと求めます）</source>
        <translation>Not evaluated for this graph (draw the graph with the skeleton curve and the perfectly elasto-plastic model chosen)</translation>
    </message>
    <message>
        <source>骨格曲線の編集では正側だけを評価します</source>
        <translation>The skeleton editor evaluates the positive side only</translation>
    </message>
    <message>
        <source>* 荷重が最大の 8 割まで下がらないため、包絡線の最後の点を終局変形としています</source>
        <translation>* The load does not fall to 0.8 of its maximum: the last point of the envelope is taken as the ultimate deformation</translation>
    </message>
    <message>
        <source>† 等しいエネルギーの解がないため、Pyield = 0.85 Ppeak としています</source>
        <translation>† No equal-energy solution: Pyield = 0.85 Ppeak is taken</translation>
    </message>
    <message>
        <source>最大荷重が正になりません</source>
        <translation>The maximum load is not positive</translation>
    </message>
    <message>
        <source>0.4 Ppeak の変形が正にならず、弾性剛性 ke が求まりません</source>
        <translation>The deformation at 0.4 Ppeak is not positive: no elastic stiffness ke</translation>
    </message>
    <message>
        <source>降伏変形が正にならず、塑性率が求まりません</source>
        <translation>The yield deformation is not positive: no ductility factor</translation>
    </message>
    <message>
        <source>0.4 Fmax に達する点がありません</source>
        <translation>No point reaches 0.4 Fmax</translation>
    </message>
    <message>
        <source>0.1 Fmax と 0.4 Fmax の点を結ぶ直線の勾配が正になりません</source>
        <translation>The line through the points at 0.1 Fmax and 0.4 Fmax does not rise</translation>
    </message>
    <message>
        <source>対応する点が見つかりません</source>
        <translation>No corresponding point found</translation>
    </message>
    <message>
        <source>平行する接線が見つかりません</source>
        <translation>No parallel tangent found</translation>
    </message>
    <message>
        <source>降伏耐力は求まりません</source>
        <translation>The yield load cannot be found</translation>
    </message>
    <message>
        <source>最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.
該当する点を追加してください．</source>
        <translation>No point was found past the maximum load where the load has fallen to 0.8 Pmax or less. 
Add such a point.</translation>
    </message>
    <message>
        <source>振幅レベルの点が %d 点しかありません（2 点以上が必要です）</source>
        <translation>Only %d amplitude level point(s) (2 or more are needed)</translation>
    </message>
    <message>
        <source>サイクル評価</source>
        <translation>Cycle Evaluation</translation>
    </message>
    <message>
        <source>振幅の許容差</source>
        <translation>Amplitude tolerance</translation>
    </message>
    <message>
        <source>最初の振幅との差がこの割合以内のサイクルを同じ振幅レベルにします</source>
        <translation>Cycles whose amplitude is within this fraction of a level&apos;s first amplitude belong to that level</translation>
    </message>
    <message>
        <source>再計算</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>サイクル</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>振幅レベル（ΔF: 1 回目から 3 回目への耐力低下）</source>
        <translation>Amplitude levels (ΔF: load drop from the 1st to the 3rd cycle)</translation>
    </message>
    <message>
        <source>日本の評価と他の規準（各側の絶対値）</source>
        <translation>Japanese evaluation and other codes (absolute values of each side)</translation>
    </message>
    <message>
        <source>包絡線</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>等価バイリニア</source>
        <translation>Equivalent bilinear</translation>
    </message>
    <message>
        <source>グラフに重ねる:</source>
        <translation>Overlay on the graph:</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ファイル保存</source>
        <translation>Save files</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source> 包絡線&#x3000;</source>
        <translation> Envelope&#x2003;</translation>
    </message>
    <message>
        <source> ASTM E2126 (EEEP)&#x3000;</source>
        <translation> ASTM E2126 (EEEP)&#x2003;</translation>
    </message>
    <message>
        <source>評価するグラフがありません．データファイルを開いてグラフを描き、「再計算」を押してください</source>
        <translation>No graph to evaluate. Open a data file, draw the graph and press “Recalculate”.</translation>
    </message>
    <message>
        <source>%1 行: %2 サイクル, %3 振幅レベル（変形 %4, 荷重 %5）</source>
        <translation>%1 rows: %2 cycles, %3 amplitude levels (deformation %4, load %5)</translation>
    </message>
    <message>
        <source>グラフが描き直されました．「再計算」で新しいグラフを評価します（表示は前のグラフ: </source>
        <translation>The graph has been drawn again. “Recalculate” evaluates the new graph (shown: the previous graph, </translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>正側 (＋)</source>
        <translation>Positive side (+)</translation>
    </message>
    <message>
        <source>負側 (－)</source>
        <translation>Negative side (−)</translation>
    </message>
    <message>
        <source>CYCLES.CSV と METHODS.CSV を保存するフォルダ</source>
        <translation>Folder for CYCLES.CSV and METHODS.CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv|すべて (*.*)|*.*</source>
        <translation>CSV files (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>を作成できません（使用中か、書き込みできないフォルダです）
</source>
        <translation> cannot be created (it is in use, or the folder is not writable)
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File output error</translation>
    </message>
    <message>
        <source>CYCLES.CSV と METHODS.CSV を保存しました
</source>
        <translation>CYCLES.CSV and METHODS.CSV saved
</translation>
    </message>
</context>
<context>
    <name>TKabe</name>
    <message>
        <source>&#x3000;壁倍率評価</source>
        <translation>Wall Multiplier Evaluation</translation>
    </message>
    <message>
        <source>データファイル</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>最大耐力 Pmax</source>
        <translation>Maximum load Pmax</translation>
    </message>
    <message>
        <source>最大耐力時変形角 γm</source>
        <translation>Angle at Pmax γm</translation>
    </message>
    <message>
        <source>最終点耐力 Pend</source>
        <translation>Load at last point Pend</translation>
    </message>
    <message>
        <source>最終点変形角 γend</source>
        <translation>Angle at last point γend</translation>
    </message>
    <message>
        <source>降伏変形角 γy</source>
        <translation>Angle at yield load γy</translation>
    </message>
    <message>
        <source>終局耐力 Pu</source>
        <translation>Ultimate load Pu</translation>
    </message>
    <message>
        <source>降伏点変形角 γv</source>
        <translation>Yield point angle γv</translation>
    </message>
    <message>
        <source>終局変形角 γu</source>
        <translation>Ultimate angle γu</translation>
    </message>
    <message>
        <source>初期剛性 K</source>
        <translation>Initial stiffness K</translation>
    </message>
    <message>
        <source>塑性率 μ</source>
        <translation>Ductility factor μ</translation>
    </message>
    <message>
        <source>構造特性係数 Ds</source>
        <translation>Structural factor Ds</translation>
    </message>
    <message>
        <source>壁長さ L</source>
        <translation>Wall length L</translation>
    </message>
    <message>
        <source>特性値</source>
        <translation>Characteristic values</translation>
    </message>
    <message>
        <source>1/15変形角時耐力 P15</source>
        <translation>Load at 1/15 rad P15</translation>
    </message>
    <message>
        <source>1/30変形角時耐力 P30</source>
        <translation>Load at 1/30 rad P30</translation>
    </message>
    <message>
        <source>1/60変形角時耐力 P60</source>
        <translation>Load at 1/60 rad P60</translation>
    </message>
    <message>
        <source>1/100変形角時耐力 P100</source>
        <translation>Load at 1/100 rad P100</translation>
    </message>
    <message>
        <source>1/120変形角時耐力 P120</source>
        <translation>Load at 1/120 rad P120</translation>
    </message>
    <message>
        <source>1/150変形角時耐力 P150</source>
        <translation>Load at 1/150 rad P150</translation>
    </message>
    <message>
        <source>特定変形角時耐力</source>
        <translation>Loads at specific deformation angles</translation>
    </message>
    <message>
        <source>変形角</source>
        <translation>Deformation angle</translation>
    </message>
    <message>
        <source>降伏耐力 Py</source>
        <translation>Yield load Py</translation>
    </message>
    <message>
        <source>2/3×最大耐力</source>
        <translation>2/3 × maximum load</translation>
    </message>
    <message>
        <source>Pu×(0.2/Ds)</source>
        <translation>Pu×(0.2/Ds)</translation>
    </message>
    <message>
        <source>&#x3000;0.2/Ds</source>
        <translation>   0.2/Ds</translation>
    </message>
    <message>
        <source>短期許容せん断耐力 Qa</source>
        <translation>Allowable shear Qa</translation>
    </message>
    <message>
        <source>壁倍率(新基準)</source>
        <translation>Wall multiplier (current)</translation>
    </message>
    <message>
        <source>新基準</source>
        <translation>Current standard</translation>
    </message>
    <message>
        <source>1/2γm時耐力 Pγm/2</source>
        <translation>Load at γm/2 Pγm/2</translation>
    </message>
    <message>
        <source>壁倍率(旧基準)</source>
        <translation>Wall multiplier (former)</translation>
    </message>
    <message>
        <source>旧基準</source>
        <translation>Former standard</translation>
    </message>
    <message>
        <source>新/旧壁倍率比</source>
        <translation>Current/former ratio</translation>
    </message>
    <message>
        <source>特性値コピー</source>
        <translation>Copy values</translation>
    </message>
    <message>
        <source>再評価</source>
        <translation>Re-evaluate</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ファイル開く</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation>Write row</translation>
    </message>
    <message>
        <source>ファイル閉じる</source>
        <translation>Close file</translation>
    </message>
    <message>
        <source>集計</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>耐力特性ファイルの作成</source>
        <translation>Create a wall result file</translation>
    </message>
    <message>
        <source>耐力特性ファイル(*.txt)|*csv|すべて(*.*)|*.*</source>
        <translation>Wall result files (*.txt)|*csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>ファイルを作成できません（使用中か、書き込みできないフォルダです）
</source>
        <translation>The file cannot be created (it is in use, or the folder is not writable)
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File output error</translation>
    </message>
    <message>
        <source>耐力特性ファイルに書き込めませんでした</source>
        <translation>Could not write to the wall result file</translation>
    </message>
    <message>
        <source>再評価をしてください</source>
        <translation>Evaluate again</translation>
    </message>
    <message>
        <source>評価終了</source>
        <translation>Evaluated</translation>
    </message>
    <message>
        <source>評価できない値があります</source>
        <translation>Some values cannot be evaluated</translation>
    </message>
    <message>
        <source>原点から %d 点目</source>
        <translation>point %d</translation>
    </message>
    <message>
        <source>1/%d変形角時耐力&#x3000;%sP%d</source>
        <translation>Load at 1/%d rad%s P%d</translation>
    </message>
</context>
<context>
    <name>TSeriesSummary</name>
    <message>
        <source>平均</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>標準偏差</source>
        <translation>Std. dev.</translation>
    </message>
    <message>
        <source>変動係数</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>下限値</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>降伏耐力 Py</source>
        <translation>Yield load Py</translation>
    </message>
    <message>
        <source>特定変形角時耐力</source>
        <translation>Load at the specific angle</translation>
    </message>
    <message>
        <source>%d 体</source>
        <translation>%d specimens</translation>
    </message>
    <message>
        <source>%s %s（%s）</source>
        <translation>%s %s (%s)</translation>
    </message>
    <message>
        <source>%s %s（α = %s）</source>
        <translation>%s %s (α = %s)</translation>
    </message>
    <message>
        <source>%s（L = %s m）</source>
        <translation>%s (L = %s m)</translation>
    </message>
    <message>
        <source>%s %s/rad（変動係数 %s）</source>
        <translation>%s %s/rad (CV %s)</translation>
    </message>
    <message>
        <source>%s（変動係数 %s）</source>
        <translation>%s (CV %s)</translation>
    </message>
    <message>
        <source>試験体が %zu 体です．統計処理には 2 体以上が必要です</source>
        <translation>%zu specimen(s): the statistics need 2 or more</translation>
    </message>
    <message>
        <source>壁長さ L は正の数を入力してください</source>
        <translation>Enter a positive number for the wall length L</translation>
    </message>
    <message>
        <source>低減係数 α は正の数を入力してください</source>
        <translation>Enter a positive number for the reduction factor α</translation>
    </message>
    <message>
        <source>「ファイル開く」で耐力特性ファイルを開いてください</source>
        <translation>Open a wall result file with “Open file”</translation>
    </message>
    <message>
        <source>壁倍率評価で書き出した行（%1 行）</source>
        <translation>Rows written by the wall evaluation (%1 rows)</translation>
    </message>
    <message>
        <source>1/%d耐力</source>
        <translation>Load at 1/%d</translation>
    </message>
    <message>
        <source>%s: ばらつき係数 1 − CV·k が %.3f で 0 以下のため、下限値を 0 としました</source>
        <translation>%s: the variability factor 1 − CV·k is %.3f, not above 0: the lower bound is taken as 0</translation>
    </message>
    <message>
        <source>試験体集計</source>
        <translation>Specimen Summary</translation>
    </message>
    <message>
        <source>ファイル開く</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>壁長さ L</source>
        <translation>Wall length L</translation>
    </message>
    <message>
        <source>低減係数 α</source>
        <translation>Reduction factor α</translation>
    </message>
    <message>
        <source>ファイル保存</source>
        <translation>Save files</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>報告書</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>
書き出した %zu 行目: </source>
        <translation>
Written row %zu: </translation>
    </message>
    <message>
        <source>正側 (Plus)</source>
        <translation>Positive (Plus)</translation>
    </message>
    <message>
        <source>負側 (Minus)</source>
        <translation>Negative (Minus)</translation>
    </message>
    <message>
        <source>試験体数 n</source>
        <translation>Number of specimens n</translation>
    </message>
    <message>
        <source>短期基準せん断耐力 P0</source>
        <translation>Short-term reference shear capacity P0</translation>
    </message>
    <message>
        <source>短期許容せん断耐力 Pa = α·P0</source>
        <translation>Short-term allowable shear capacity Pa = α·P0</translation>
    </message>
    <message>
        <source>壁倍率 Pa/(1.96·L)</source>
        <translation>Wall multiplier Pa/(1.96·L)</translation>
    </message>
    <message>
        <source>壁倍率 Pa/(200·L)</source>
        <translation>Wall multiplier Pa/(200·L)</translation>
    </message>
    <message>
        <source>平均初期剛性 K</source>
        <translation>Mean initial stiffness K</translation>
    </message>
    <message>
        <source>平均塑性率 μ</source>
        <translation>Mean ductility factor μ</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>領域</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>解析日時</source>
        <translation>Evaluated</translation>
    </message>
    <message>
        <source>集計に入れられない行があります</source>
        <translation>Some rows cannot go into the summary</translation>
    </message>
    <message>
        <source>壁長さ L は正の数を入力してください（集計は前の値のままです）</source>
        <translation>Enter a positive number for the wall length L (the summary keeps the previous value)</translation>
    </message>
    <message>
        <source>低減係数 α は正の数を入力してください（集計は前の値のままです）</source>
        <translation>Enter a positive number for the reduction factor α (the summary keeps the previous value)</translation>
    </message>
    <message>
        <source>  %1 体</source>
        <translation>  %1 specimens</translation>
    </message>
    <message>
        <source>  集計なし</source>
        <translation>  no summary</translation>
    </message>
    <message>
        <source>入力エラー</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>集計する行がありません．耐力特性ファイルを開いてください</source>
        <translation>No rows to summarize. Open a wall result file.</translation>
    </message>
    <message>
        <source>耐力特性ファイルを開く</source>
        <translation>Open a wall result file</translation>
    </message>
    <message>
        <source>耐力特性ファイル(*.txt)|*csv|すべて(*.*)|*.*</source>
        <translation>Wall result files (*.txt)|*csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>耐力特性ファイルを開くことができません
</source>
        <translation>The wall result file cannot be opened
</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>集計できる行がありません
</source>
        <translation>No rows that can be summarized
</translation>
    </message>
    <message>
        <source>耐力特性ファイル</source>
        <translation>Wall result file</translation>
    </message>
    <message>
        <source>次の行は数値が読めないため集計に入れません</source>
        <translation>These rows are left out of the summary: their numbers cannot be read</translation>
    </message>
    <message>
        <source>集計の保存</source>
        <translation>Save the summary</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv|すべて (*.*)|*.*</source>
        <translation>CSV files (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>集計ファイルを書き込めませんでした
</source>
        <translation>Could not write the summary file
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File output error</translation>
    </message>
    <message>
        <source>印刷を開始できませんでした</source>
        <translation>Printing could not be started</translation>
    </message>
    <message>
        <source>印刷エラー</source>
        <translation>Printing error</translation>
    </message>
    <message>
        <source>報告書の保存</source>
        <translation>Save the report</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)|*.pdf|すべて (*.*)|*.*</source>
        <translation>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TSkelton_edit</name>
    <message>
        <source>点操作</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>移動する</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>追加する</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除する</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>何もしない</source>
        <translation>None</translation>
    </message>
    <message>
        <source>点の移動、追加、削除の指定をします</source>
        <translation>Whether a click on the graph moves, adds or deletes a point</translation>
    </message>
    <message>
        <source>点数変更</source>
        <translation>Point count</translation>
    </message>
    <message>
        <source>点数を指定します</source>
        <translation>The number of points after thinning</translation>
    </message>
    <message>
        <source>点整理(&amp;P)</source>
        <translation>&amp;Thin out</translation>
    </message>
    <message>
        <source>点数が多すぎるときに整理します</source>
        <translation>Thins the points out when there are too many</translation>
    </message>
    <message>
        <source>再描画(&amp;R)</source>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <source>点の順を整理してグラフを描きなおします</source>
        <translation>Sorts the points and draws the graph again</translation>
    </message>
    <message>
        <source>等価完全弾塑性特性</source>
        <translation>Elasto-plastic model</translation>
    </message>
    <message>
        <source>補助線表示</source>
        <translation>Construction lines</translation>
    </message>
    <message>
        <source>壁倍率</source>
        <translation>Wall mult.</translation>
    </message>
    <message>
        <source>点番号</source>
        <translation>Point no.</translation>
    </message>
    <message>
        <source>グラフコピー</source>
        <translation>Copy graph</translation>
    </message>
    <message>
        <source>骨格曲線近似</source>
        <translation>Clear results</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>編集結果をグラフに表示します</source>
        <translation>Shows the edited points on the graph</translation>
    </message>
    <message>
        <source>X軸</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>Y軸</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>のデータがすべて 0 です．目盛りを 1 として表示します．</source>
        <translation>: all values are 0. The scale is shown as 1.</translation>
    </message>
    <message>
        <source>ループデータ不正</source>
        <translation>Invalid loop data</translation>
    </message>
    <message>
        <source>骨格曲線の点は </source>
        <translation>A skeleton curve holds at most </translation>
    </message>
    <message>
        <source> 点までです．これ以上追加できません．
「点整理」で点を減らしてから追加してください．</source>
        <translation> points: no more can be added.
Thin the points out with “Thin out” first.</translation>
    </message>
    <message>
        <source>点の追加</source>
        <translation>Adding a point</translation>
    </message>
    <message>
        <source>点の並びが X の順になっていないため、この位置に点を追加できません．
「再描画」で点を並べ替えてから追加してください．</source>
        <translation>The points are not in the order of X, so no point can be added here.
Sort them with “Redraw” first.</translation>
    </message>
</context>
<context>
    <name>TTextImport</name>
    <message>
        <source>テキスト読込</source>
        <translation>Text Import</translation>
    </message>
    <message>
        <source>カンマ</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>セミコロン</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Blanks</translation>
    </message>
    <message>
        <source>ピリオド</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>読み方</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>区切り</source>
        <translation>Delimiter</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>Decimal mark</translation>
    </message>
    <message>
        <source>文字コード</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>見出し行数</source>
        <translation>Header rows</translation>
    </message>
    <message>
        <source>名前の行</source>
        <translation>Names row</translation>
    </message>
    <message>
        <source>単位の行</source>
        <translation>Units row</translation>
    </message>
    <message>
        <source>不正な行を読み飛ばす</source>
        <translation>Skip invalid rows</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>30,000 行を超える記録だけを間引きます</source>
        <translation>Thins only records of more than 30,000 rows</translation>
    </message>
    <message>
        <source>間隔</source>
        <translation>Every</translation>
    </message>
    <message>
        <source> 行ごと</source>
        <translation> rows</translation>
    </message>
    <message>
        <source>間引き</source>
        <translation>Thinning</translation>
    </message>
    <message>
        <source>列（チャンネルは「使う」列を順番に 16 まで）</source>
        <translation>Columns (channels: the “Use” columns in order, up to 16)</translation>
    </message>
    <message>
        <source>検出値に戻す</source>
        <translation>Detected values</translation>
    </message>
    <message>
        <source>ファイルから検出した読み方と列に戻します</source>
        <translation>Goes back to the format and columns detected in the file</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>標準形式で保存</source>
        <translation>Save as standard</translation>
    </message>
    <message>
        <source>この設定で読んだデータを標準CSV形式のファイルに書き出します</source>
        <translation>Writes the data read with these settings to a standard CSV file</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>（単位なし）</source>
        <translation>(no unit)</translation>
    </message>
    <message>
        <source>（換算なし）</source>
        <translation> (not converted)</translation>
    </message>
    <message>
        <source>不正な行 %1 行を除</source>
        <translation>Skipped %1 invalid rows</translation>
    </message>
    <message>
        <source>き、</source>
        <translation>; </translation>
    </message>
    <message>
        <source>いて</source>
        <translation>; the rest were </translation>
    </message>
    <message>
        <source>%1 行を %2 行ごとに間引いて %3 行を</source>
        <translation>%1 rows thinned to one in %2: %3 rows were </translation>
    </message>
    <message>
        <source>読み込みました</source>
        <translation>read</translation>
    </message>
    <message>
        <source>先頭 30 行（読んだままと区切った項目）</source>
        <translation>First 30 lines (as read and split into fields)</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Col.</translation>
    </message>
    <message>
        <source>使う</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>順番</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>換算</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>読んだまま</source>
        <translation>As read</translation>
    </message>
    <message>
        <source>見出し</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>－</source>
        <translation>–</translation>
    </message>
    <message>
        <source>読み込めません: </source>
        <translation>Cannot be read: </translation>
    </message>
    <message>
        <source>「不正な行を読み飛ばす」にチェックすると、その行を除いて読み込みます</source>
        <translation>With “Skip invalid rows” checked, the rest is read without that row</translation>
    </message>
    <message>
        <source>%1 行 → %2 行（%3 行ごとに間引き、反転点と最大・最小荷重の行は残します）、%4 チャンネル</source>
        <translation>%1 rows → %2 rows (one in %3, keeping the reversal points and the rows of the largest and smallest loads), %4 channels</translation>
    </message>
    <message>
        <source>%1 行、%2 チャンネルを読み込みます</source>
        <translation>%1 rows, %2 channels will be read</translation>
    </message>
    <message>
        <source>不正な行 %1 行を読み飛ばします（第 %2 行%3）</source>
        <translation>%1 invalid rows will be skipped (lines %2)%3</translation>
    </message>
    <message>
        <source> ほか</source>
        <translation> and more</translation>
    </message>
    <message>
        <source>荷重: %1 CH「%2」（%3）</source>
        <translation>Load: channel %1 “%2” (%3)</translation>
    </message>
    <message>
        <source>荷重の列がありません（単位 kN, N, kgf などの列を「使う」にしてください）</source>
        <translation>No load column (mark a column in kN, N, kgf or the like as “Use”)</translation>
    </message>
    <message>
        <source>同じ形のファイルを前回読み込んだときの設定です</source>
        <translation>The settings of the last file of the same shape</translation>
    </message>
    <message>
        <source>保存しました: </source>
        <translation>Saved: </translation>
    </message>
    <message>
        <source>標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*</source>
        <translation>Standard data files (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>読み込み中のファイルには保存できません．別の名前を指定してください
</source>
        <translation>The file being read cannot be overwritten. Choose another name
</translation>
    </message>
    <message>
        <source>標準形式のファイルを保存できませんでした
</source>
        <translation>The standard file could not be saved
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File output error</translation>
    </message>
</context>
</TS>
