<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>kvx::batch</name>
    <message>
        <source>使い方: kurvadex-batch [オプション] ファイル [ファイル ...]</source>
        <translation>Usage: kurvadex-batch [options] FILE [FILE ...]</translation>
    </message>
    <message>
        <source>ファイルを複数指定すると試験シリーズとして一つずつ評価します (失敗したファイルは飛ばします)。</source>
        <translation>Several files are evaluated one by one as a test series (a file that fails is skipped).</translation>
    </message>
    <message>
        <source>データファイル形式 (csv: 標準csv形式, txt: 東京測器txt形式,</source>
        <translation>data file format (csv: standard CSV, txt: Tokyo Sokki TXT,</translation>
    </message>
    <message>
        <source>tcsv: 東京測器csv形式, generic: 汎用テキスト)。既定は csv</source>
        <translation>tcsv: Tokyo Sokki CSV, generic: delimited text). Default csv</translation>
    </message>
    <message>
        <source>力の単位 (kN または kg)。既定は kN</source>
        <translation>force unit (kN or kg). Default kN</translation>
    </message>
    <message>
        <source>結果を JSON で標準出力に書く</source>
        <translation>write the results to standard output as JSON</translation>
    </message>
    <message>
        <source>17 チャンネル以上のファイルのチャンネル対応 (グラフ 1 CH から順に計測チャンネル)。</source>
        <translation>channel mapping of a file with 17 or more channels (measured channel of graph CH 1, 2, ...).</translation>
    </message>
    <message>
        <source>一つだけなら以降は連番。既定は 1, 2, 3, ...</source>
        <translation>A single number: the following channels are consecutive. Default 1, 2, 3, ...</translation>
    </message>
    <message>
        <source>汎用テキスト (--format generic。指定しないものはファイルから判定):</source>
        <translation>Delimited text (--format generic; what is not given is detected from the file):</translation>
    </message>
    <message>
        <source>区切り (comma, semicolon, tab, space)</source>
        <translation>separator (comma, semicolon, tab, space)</translation>
    </message>
    <message>
        <source>小数点 (point, comma)</source>
        <translation>decimal mark (point, comma)</translation>
    </message>
    <message>
        <source>文字コード (utf8, cp932)</source>
        <translation>character encoding (utf8, cp932)</translation>
    </message>
    <message>
        <source>見出し行の数 (0-10)</source>
        <translation>number of header rows (0-10)</translation>
    </message>
    <message>
        <source>測点名の見出し行 (1 から。0 はなし)</source>
        <translation>header row of the point names (from 1; 0: none)</translation>
    </message>
    <message>
        <source>単位の見出し行 (1 から。0 はなし)</source>
        <translation>header row of the units (from 1; 0: none)</translation>
    </message>
    <message>
        <source>チャンネルにするファイルの列 (1 から、チャンネルの順)。既定はすべて</source>
        <translation>file columns to use as channels (from 1, in channel order). Default all</translation>
    </message>
    <message>
        <source>チャンネルの測点名 (チャンネルの順)</source>
        <translation>point names of the channels (in channel order)</translation>
    </message>
    <message>
        <source>チャンネルの単位 (チャンネルの順)。N, lbf は kN に、m, cm, in は mm に、</source>
        <translation>units of the channels (in channel order). N and lbf are converted to kN, m, cm and in to mm,</translation>
    </message>
    <message>
        <source>%, deg は rad に換算して読み込む</source>
        <translation>% and deg to rad when read</translation>
    </message>
    <message>
        <source>数値でない行、数の合わない行を読み飛ばす (行数を報告)</source>
        <translation>skip rows that are not numbers or have the wrong count (the rows are reported)</translation>
    </message>
    <message>
        <source>30,000 行を超える記録の間引き (auto: 最小の間隔, K: K 行ごと)。</source>
        <translation>thinning of records over 30,000 rows (auto: smallest interval, K: every K-th row).</translation>
    </message>
    <message>
        <source>反転点と最大・最小荷重の行は残す。既定は auto</source>
        <translation>Reversal points and the rows of maximum and minimum load are kept. Default auto</translation>
    </message>
    <message>
        <source>読み込んだデータを標準csv形式で保存する</source>
        <translation>save the data read in the standard CSV format</translation>
    </message>
    <message>
        <source>グラフ:</source>
        <translation>Graph:</translation>
    </message>
    <message>
        <source>主軸チャンネル (1-16)。既定は 1</source>
        <translation>main axis channel (1-16). Default 1</translation>
    </message>
    <message>
        <source>主軸チャンネルを置く軸。既定は y</source>
        <translation>axis of the main channel. Default y</translation>
    </message>
    <message>
        <source>表示チャンネル (くり返し指定可)。既定は 2 (1 チャンネルのファイルは 1)</source>
        <translation>channel to show (may be repeated). Default 2 (1 for a file of one channel)</translation>
    </message>
    <message>
        <source>極性反転するチャンネル (くり返し指定可)</source>
        <translation>channel with inverted sign (may be repeated)</translation>
    </message>
    <message>
        <source>平滑化 (N = 3, 5, 7, 9, 15, 31)</source>
        <translation>smoothing (N = 3, 5, 7, 9, 15, 31)</translation>
    </message>
    <message>
        <source>フルスケール (%max) 表示</source>
        <translation>full-scale (%max) display</translation>
    </message>
    <message>
        <source>第一象限のみ</source>
        <translation>first quadrant only</translation>
    </message>
    <message>
        <source>指定範囲 (A 行目から B 行目まで)</source>
        <translation>data range (rows A to B)</translation>
    </message>
    <message>
        <source>目盛り間隔を手動で指定</source>
        <translation>scale divisions given by hand</translation>
    </message>
    <message>
        <source>包絡線</source>
        <translation>envelope</translation>
    </message>
    <message>
        <source>マーク</source>
        <translation>marks</translation>
    </message>
    <message>
        <source>最大値/最小値の表示位置 (0 で表示しない)。既定は 4</source>
        <translation>position of the maximum/minimum values (0: not shown). Default 4</translation>
    </message>
    <message>
        <source>凡例を描かない</source>
        <translation>no legend</translation>
    </message>
    <message>
        <source>グラフを PNG ファイル (拡張子 .bmp なら BMP) に書く</source>
        <translation>write the graph to a PNG file (BMP for the extension .bmp)</translation>
    </message>
    <message>
        <source>印刷するグラフを 1 ページの PDF に書く</source>
        <translation>write the printed graph to a one-page PDF</translation>
    </message>
    <message>
        <source>プリンタ DPI (360, 400, 600)。既定は 600</source>
        <translation>printer DPI (360, 400, 600). Default 600</translation>
    </message>
    <message>
        <source>ループと結果ファイル:</source>
        <translation>Loops and result files:</translation>
    </message>
    <message>
        <source>ループ表示 (ゼロレベル通過 / 極値で判定)。一時停止せずに全ループを表示</source>
        <translation>hysteresis loops (by zero crossing / by extremes). All loops, without pausing</translation>
    </message>
    <message>
        <source>結果ファイル (LOOP.CSV など) を書く</source>
        <translation>write the result files (LOOP.CSV and others)</translation>
    </message>
    <message>
        <source>結果ファイルをデータファイルのフォルダではなく DIR に書く</source>
        <translation>write the result files to DIR instead of the data file&apos;s folder</translation>
    </message>
    <message>
        <source>復元力特性:</source>
        <translation>Restoring force characteristics:</translation>
    </message>
    <message>
        <source>骨格曲線 (SKELTON.CSV, 特性値, --files で ELASTO.CSV の行)</source>
        <translation>skeleton curve (SKELTON.CSV, characteristic values, with --files a row of ELASTO.CSV)</translation>
    </message>
    <message>
        <source>骨格曲線関数近似 (0, 7, 9, 11, 13 = 多項式の次数, 99 = 指数関数)</source>
        <translation>approximation of the skeleton curve (0, 7, 9, 11, 13 = polynomial degree, 99 = exponential)</translation>
    </message>
    <message>
        <source>等価完全弾塑性モデル</source>
        <translation>equivalent perfectly elasto-plastic (bilinear) model</translation>
    </message>
    <message>
        <source>壁倍率:</source>
        <translation>Wall multiplier:</translation>
    </message>
    <message>
        <source>壁長さ L [m] で壁倍率を評価 (骨格曲線を編集せずに評価)</source>
        <translation>evaluate the wall multiplier for the wall length L [m] (skeleton curve not edited)</translation>
    </message>
    <message>
        <source>旧基準の特定変形角 1/N (15, 30, 60, 100, 120, 150)。既定は 120</source>
        <translation>specified deformation angle 1/N of the former standard (15, 30, 60, 100, 120, 150). Default 120</translation>
    </message>
    <message>
        <source>結果ファイルを作成して 1 行書く</source>
        <translation>create the result file and write one row</translation>
    </message>
    <message>
        <source>既存の結果ファイルに見出しなしで追加する</source>
        <translation>append to an existing result file, without headers</translation>
    </message>
    <message>
        <source>既存の結果ファイルを置き換える (指定しないと既存のファイルには書かない)</source>
        <translation>replace an existing result file (without it an existing file is never written)</translation>
    </message>
    <message>
        <source>サイクル評価と他の規準:</source>
        <translation>Cycles and other standards:</translation>
    </message>
    <message>
        <source>サイクルごとの吸収エネルギー (台形則), 割線剛性, 等価粘性減衰定数と</source>
        <translation>dissipated energy (trapezoidal rule), secant stiffness, equivalent viscous damping ratio per cycle and</translation>
    </message>
    <message>
        <source>振幅レベルごとの耐力低下 (EN 12512)。--files で CYCLES.CSV</source>
        <translation>strength impairment per amplitude level (EN 12512). CYCLES.CSV with --files</translation>
    </message>
    <message>
        <source>包絡線と ASTM E2126 (EEEP), EN 12512 の降伏点・塑性率 (正負別)。</source>
        <translation>envelope, and yield point and ductility by ASTM E2126 (EEEP) and EN 12512 (per side).</translation>
    </message>
    <message>
        <source>--files で METHODS.CSV</source>
        <translation>METHODS.CSV with --files</translation>
    </message>
    <message>
        <source>同じ振幅レベルとみなす振幅の差 (最初のサイクルに対する比)。既定は 0.1</source>
        <translation>amplitude difference still taken as the same level (ratio to the first cycle). Default 0.1</translation>
    </message>
    <message>
        <source>試験体集計 (同じ仕様の試験体の組):</source>
        <translation>Series summary (a set of specimens of the same construction):</translation>
    </message>
    <message>
        <source>--wall で求めた各試験体の行を正負別に統計処理し、集計を CSV に書く</source>
        <translation>statistics of each specimen&apos;s --wall row, per side, written to a CSV file</translation>
    </message>
    <message>
        <source>(平均, 標準偏差, 変動係数, k = t(0.75; n-1)/√n, 下限値, P0, Pa, 壁倍率)</source>
        <translation>(mean, standard deviation, coefficient of variation, k = t(0.75; n-1)/√n, lower bound, P0, Pa, wall multiplier)</translation>
    </message>
    <message>
        <source>Pa = P0 × α の低減係数 α (耐久性・使用環境など)。既定は 1</source>
        <translation>reduction factor α of Pa = P0 × α (durability, service conditions, ...). Default 1</translation>
    </message>
    <message>
        <source>データファイルの代わりに既存の壁倍率結果ファイルを集計する</source>
        <translation>summarize an existing wall multiplier result file instead of data files</translation>
    </message>
    <message>
        <source>(壁長さは --wall L、既定は 1.82)</source>
        <translation>(wall length with --wall L, default 1.82)</translation>
    </message>
    <message>
        <source>試験報告書 (試験体ごとのページと集計のページ) を PDF に書く</source>
        <translation>write the test report (a page per specimen and the summary page) to a PDF file</translation>
    </message>
    <message>
        <source>--format には csv, txt, tcsv, generic のいずれかを指定してください</source>
        <translation>--format must be one of csv, txt, tcsv, generic</translation>
    </message>
    <message>
        <source>--delimiter には comma, semicolon, tab, space のいずれかを指定してください</source>
        <translation>--delimiter must be one of comma, semicolon, tab, space</translation>
    </message>
    <message>
        <source>--decimal には point または comma を指定してください</source>
        <translation>--decimal must be point or comma</translation>
    </message>
    <message>
        <source>--encoding には utf8 または cp932 を指定してください</source>
        <translation>--encoding must be utf8 or cp932</translation>
    </message>
    <message>
        <source>%s には 0 から 10 を指定してください</source>
        <translation>%s must be 0 to 10</translation>
    </message>
    <message>
        <source>--columns には 1 以上の列番号をコンマ区切りで指定してください</source>
        <translation>--columns needs column numbers of 1 or more, separated by commas</translation>
    </message>
    <message>
        <source>--columns に指定できるのは 16 列までです</source>
        <translation>--columns takes at most 16 columns</translation>
    </message>
    <message>
        <source>%s にはコンマ区切りの文字列を指定してください</source>
        <translation>%s needs texts separated by commas</translation>
    </message>
    <message>
        <source>--thin には auto または 1 以上の間隔を指定してください</source>
        <translation>--thin must be auto or an interval of 1 or more</translation>
    </message>
    <message>
        <source>--save-standard には保存するファイル名を指定してください</source>
        <translation>--save-standard needs the name of the file to save</translation>
    </message>
    <message>
        <source>--force-unit には kN または kg を指定してください</source>
        <translation>--force-unit must be kN or kg</translation>
    </message>
    <message>
        <source>--map には計測チャンネル番号をコンマ区切りで指定してください</source>
        <translation>--map needs measured channel numbers separated by commas</translation>
    </message>
    <message>
        <source>--map には 1 以上の計測チャンネル番号をコンマ区切りで指定してください</source>
        <translation>--map needs measured channel numbers of 1 or more, separated by commas</translation>
    </message>
    <message>
        <source>--map に指定できるのは 16 チャンネルまでです</source>
        <translation>--map takes at most 16 channels</translation>
    </message>
    <message>
        <source>%s には 1 から 16 のチャンネル番号を指定してください</source>
        <translation>%s needs a channel number from 1 to 16</translation>
    </message>
    <message>
        <source>--main-axis には x または y を指定してください</source>
        <translation>--main-axis must be x or y</translation>
    </message>
    <message>
        <source>--smooth には 3, 5, 7, 9, 15, 31 のいずれかを指定してください</source>
        <translation>--smooth must be one of 3, 5, 7, 9, 15, 31</translation>
    </message>
    <message>
        <source>--region には 開始行:終了行 (1 ≦ 開始行 &lt; 終了行) を指定してください</source>
        <translation>--region needs FIRST:LAST rows (1 ≤ FIRST &lt; LAST)</translation>
    </message>
    <message>
        <source>--manual-scale には X目盛り:Y目盛り (正の数) を指定してください</source>
        <translation>--manual-scale needs XSTEP:YSTEP (positive numbers)</translation>
    </message>
    <message>
        <source>--minmax には 0 から 4 を指定してください</source>
        <translation>--minmax must be 0 to 4</translation>
    </message>
    <message>
        <source>--image には PNG ファイル名を指定してください</source>
        <translation>--image needs the name of a PNG file</translation>
    </message>
    <message>
        <source>--loops には zero または extrema を指定してください</source>
        <translation>--loops must be zero or extrema</translation>
    </message>
    <message>
        <source>--approx には 0, 7, 9, 11, 13, 99 のいずれかを指定してください</source>
        <translation>--approx must be one of 0, 7, 9, 11, 13, 99</translation>
    </message>
    <message>
        <source>--wall には壁長さ [m] を正の数で指定してください</source>
        <translation>--wall needs the wall length [m] as a positive number</translation>
    </message>
    <message>
        <source>--reference には 15, 30, 60, 100, 120, 150 のいずれかを指定してください</source>
        <translation>--reference must be one of 15, 30, 60, 100, 120, 150</translation>
    </message>
    <message>
        <source>--wall-file には結果ファイル名を指定してください</source>
        <translation>--wall-file needs the name of the result file</translation>
    </message>
    <message>
        <source>--out には結果ファイルを書くフォルダを指定してください</source>
        <translation>--out needs the folder for the result files</translation>
    </message>
    <message>
        <source>--pdf には PDF ファイル名を指定してください</source>
        <translation>--pdf needs the name of a PDF file</translation>
    </message>
    <message>
        <source>--dpi には 360, 400, 600 のいずれかを指定してください</source>
        <translation>--dpi must be one of 360, 400, 600</translation>
    </message>
    <message>
        <source>%s にはファイル名を指定してください</source>
        <translation>%s needs a file name</translation>
    </message>
    <message>
        <source>--amplitude-tolerance には 0 より大きく 1 より小さい数を指定してください</source>
        <translation>--amplitude-tolerance must be a number greater than 0 and less than 1</translation>
    </message>
    <message>
        <source>--alpha には正の数を指定してください</source>
        <translation>--alpha must be a positive number</translation>
    </message>
    <message>
        <source>不明なオプションです</source>
        <translation>Unknown option</translation>
    </message>
    <message>
        <source>--summarize のときはデータファイルを指定しないでください</source>
        <translation>Do not give data files with --summarize</translation>
    </message>
    <message>
        <source>データファイルを指定してください</source>
        <translation>Please give a data file</translation>
    </message>
    <message>
        <source>--summary には --wall (または --summarize) が必要です</source>
        <translation>--summary needs --wall (or --summarize)</translation>
    </message>
    <message>
        <source>--image と --pdf はデータファイルが一つのときだけ指定できます</source>
        <translation>--image and --pdf can only be given with a single data file</translation>
    </message>
    <message>
        <source>--loops と --region は同時に指定できません</source>
        <translation>--loops and --region cannot be given together</translation>
    </message>
    <message>
        <source>--cycles, --methods と --loops は同時に指定できません</source>
        <translation>--cycles or --methods cannot be given together with --loops</translation>
    </message>
    <message>
        <source>--wall-file には --wall が必要です</source>
        <translation>--wall-file needs --wall</translation>
    </message>
    <message>
        <source>汎用テキストのオプションには --format generic が必要です</source>
        <translation>The delimited text options need --format generic</translation>
    </message>
    <message>
        <source>--save-standard はデータファイルが一つのときだけ指定できます</source>
        <translation>--save-standard can only be given with a single data file</translation>
    </message>
    <message>
        <source>--wall と --loops は同時に指定できません</source>
        <translation>--wall and --loops cannot be given together</translation>
    </message>
    <message>
        <source>%s: %d data, %d チャンネル
</source>
        <translation>%s: %d data, %d channels
</translation>
    </message>
    <message>
        <source>最大荷重: 正側 Pmax = %.6g %s (%.6g %s), 負側 Pmin = %.6g %s (%.6g %s)
</source>
        <translation>Maximum load: positive side Pmax = %.6g %s (%.6g %s), negative side Pmin = %.6g %s (%.6g %s)
</translation>
    </message>
    <message>
        <source>%s完全弾塑性モデル: %s
</source>
        <translation>%s, perfectly elasto-plastic model: %s
</translation>
    </message>
    <message>
        <source>%s完全弾塑性モデル: Py = %.6g, Pu = %.6g, δv = %.6g, δu = %.6g, μ = %.4g</source>
        <translation>%s, perfectly elasto-plastic model: Py = %.6g, Pu = %.6g, δv = %.6g, δu = %.6g, μ = %.4g</translation>
    </message>
    <message>
        <source>正側</source>
        <translation>Positive side</translation>
    </message>
    <message>
        <source>負側</source>
        <translation>Negative side</translation>
    </message>
    <message>
        <source>壁倍率</source>
        <translation>Wall multiplier</translation>
    </message>
    <message>
        <source>壁倍率 (新基準): Qa = %.6g, 壁倍率 %.3f
</source>
        <translation>Wall multiplier (current standard): Qa = %.6g, wall multiplier %.3f
</translation>
    </message>
    <message>
        <source>壁倍率 (旧基準): Qa = %.6g, 壁倍率 %.3f
</source>
        <translation>Wall multiplier (former standard): Qa = %.6g, wall multiplier %.3f
</translation>
    </message>
    <message>
        <source>壁倍率の結果ファイルがすでにあります．上書きするには --overwrite、行を追加するには --append を指定してください
</source>
        <translation>The wall multiplier result file already exists. Give --overwrite to replace it, or --append to add a row
</translation>
    </message>
    <message>
        <source>ファイル出力エラー</source>
        <translation>File output error</translation>
    </message>
    <message>
        <source>--map の計測チャンネル %d はファイルのチャンネル数 %d を超えています</source>
        <translation>Measured channel %d of --map is beyond the %d channels of the file</translation>
    </message>
    <message>
        <source>チャンネル対応エラー</source>
        <translation>Channel mapping error</translation>
    </message>
    <message>
        <source>%d 行を %d 行に間引きました（%d 行ごと。反転点と最大・最小荷重の行は残しています）</source>
        <translation>Thinned %d rows to %d rows (every %d-th row; reversal points and the rows of maximum and minimum load are kept)</translation>
    </message>
    <message>
        <source>間引き</source>
        <translation>Thinning</translation>
    </message>
    <message>
        <source>数値として読めない %d 行を読み飛ばしました（最初は第 %d 行）</source>
        <translation>Skipped %d rows that could not be read as numbers (the first is line %d)</translation>
    </message>
    <message>
        <source>読み飛ばし</source>
        <translation>Skipped rows</translation>
    </message>
    <message>
        <source>標準形式のファイルを保存できませんでした
</source>
        <translation>Could not save the file in the standard format
</translation>
    </message>
    <message>
        <source>データ範囲の指定が正しくありません</source>
        <translation>The data range is not valid</translation>
    </message>
    <message>
        <source>データ範囲エラー</source>
        <translation>Data range error</translation>
    </message>
    <message>
        <source>結果ファイルを書くフォルダを作成できません
</source>
        <translation>Cannot create the folder for the result files
</translation>
    </message>
    <message>
        <source>ELASTO.CSVが閉じられていません（使用中です）</source>
        <translation>ELASTO.CSV is not closed (it is in use)</translation>
    </message>
    <message>
        <source>%sを作成できません（使用中か、書き込みできないフォルダです）
</source>
        <translation>Cannot create %s (it is in use, or the folder is not writable)
</translation>
    </message>
    <message>
        <source>PDF ファイルを書き込めませんでした
</source>
        <translation>Could not write the PDF file
</translation>
    </message>
    <message>
        <source>印刷エラー</source>
        <translation>Print error</translation>
    </message>
    <message>
        <source>結果ファイルに書き込めませんでした
</source>
        <translation>Could not write to the result file
</translation>
    </message>
    <message>
        <source>降伏耐力 Py</source>
        <translation>yield load Py</translation>
    </message>
    <message>
        <source>Pu×0.2/Ds</source>
        <translation>Pu×0.2/Ds</translation>
    </message>
    <message>
        <source>2/3 Pmax</source>
        <translation>2/3 Pmax</translation>
    </message>
    <message>
        <source>特定変形角時耐力</source>
        <translation>load at the specified deformation angle</translation>
    </message>
    <message>
        <source>%s: %d 体, P0 = %.4g (%s), Pa = %.4g, 壁倍率 %.3f</source>
        <translation>%s: %d specimens, P0 = %.4g (%s), Pa = %.4g, wall multiplier %.3f</translation>
    </message>
    <message>
        <source>試験体集計</source>
        <translation>Series summary</translation>
    </message>
    <message>
        <source>集計ファイルを書き込めませんでした
</source>
        <translation>Could not write the summary file
</translation>
    </message>
    <message>
        <source>報告書を書き込めませんでした
</source>
        <translation>Could not write the report
</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>done</translation>
    </message>
    <message>
        <source>評価できませんでした</source>
        <translation>could not be evaluated</translation>
    </message>
    <message>
        <source>失敗</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>シリーズ評価: %zu ファイル中 %zu 完了, %zu 失敗
</source>
        <translation>Series: %zu files, %zu done, %zu failed
</translation>
    </message>
    <message>
        <source>%zu / %zu ファイルを評価しました
</source>
        <translation>Evaluated %zu of %zu files
</translation>
    </message>
    <message>
        <source>壁倍率の結果ファイルを開くことができません
</source>
        <translation>Cannot open the wall multiplier result file
</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>%zu 体の行を集計しました
</source>
        <translation>Summarized the rows of %zu specimens
</translation>
    </message>
    <message>
        <source>画像ファイルを作成できませんでした
</source>
        <translation>Could not create the image file
</translation>
    </message>
    <message>
        <source>いいえ (汎用テキストとして読むには --format generic を指定してください)</source>
        <translation>no (give --format generic to read it as delimited text)</translation>
    </message>
    <message>
        <source>続行 (--continue-without-force)</source>
        <translation>continue (--continue-without-force)</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>力の単位が kg または kN のデータがなくても続行する</source>
        <translation>go on even when no data has the force unit kg or kN</translation>
    </message>
    <message>
        <source>最大耐力</source>
        <translation>maximum load</translation>
    </message>
    <message>
        <source>最大耐力時変形角</source>
        <translation>deformation angle at maximum load</translation>
    </message>
    <message>
        <source>2/3最大耐力</source>
        <translation>2/3 of maximum load</translation>
    </message>
    <message>
        <source>降伏耐力</source>
        <translation>yield load</translation>
    </message>
    <message>
        <source>終局耐力</source>
        <translation>ultimate load</translation>
    </message>
    <message>
        <source>弾塑性変形角</source>
        <translation>elasto-plastic deformation angle</translation>
    </message>
    <message>
        <source>構造特性耐力</source>
        <translation>load Pu×0.2/Ds</translation>
    </message>
    <message>
        <source>第 %d 行: </source>
        <translation>line %d: </translation>
    </message>
    <message>
        <source>項目が %zu 個しかありません（14 個のはずです）</source>
        <translation>only %zu fields (14 expected)</translation>
    </message>
    <message>
        <source>領域が Plus でも Minus でもありません</source>
        <translation>the side is neither Plus nor Minus</translation>
    </message>
    <message>
        <source>%s「%s」が数値ではありません</source>
        <translation>%s "%s" is not a number</translation>
    </message>
    <message>
        <source>試験体が %zu 体です．統計処理には 2 体以上が必要です</source>
        <translation>%zu specimen(s): the statistics need at least 2</translation>
    </message>
    <message>
        <source>壁長さ L は正の数を入力してください</source>
        <translation>Enter a positive wall length L</translation>
    </message>
    <message>
        <source>低減係数 α は正の数を入力してください</source>
        <translation>Enter a positive reduction factor α</translation>
    </message>
    <message>
        <source>%s: ばらつき係数 1 − CV·k が %.3f で 0 以下のため、下限値を 0 としました</source>
        <translation>%s: the variability factor 1 − CV·k is %.3f, 0 or less, so the lower bound was set to 0</translation>
    </message>
    <message>
        <source>振幅レベルの点が %d 点しかありません（2 点以上が必要です）</source>
        <translation>only %d amplitude level point(s) (at least 2 are needed)</translation>
    </message>
</context>
<context>
    <name>kvx::data</name>
    <message>
        <source>加力単位エラー</source>
        <translation>Force unit error</translation>
    </message>
    <message>
        <source>データ形式</source>
        <translation>Data format</translation>
    </message>
</context>
</TS>
