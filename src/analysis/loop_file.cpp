// LOOP.CSV writing.
#include "analysis/loop_file.h"

#include "text/cp932.h"
#include "text/printf.h"

namespace kvx::analysis {

std::string LoopFile::header() {
    std::string h;
    for (int i = 1; i <= 16; ++i) h += text::format("%ddata,", i);
    h += "17data\n";
    h += text::utf8ToCp932Lossy("FROM,TO,面積,等価剛性,等価減衰比,Ymax_x,Ymax_y,Ymin_x,Ymin_y,Yave_x,Yave_y,"
                                "Xmax_x,Xmax_y,Xmin_x,Xmin_y,Xave_x,Xave_y\n");
    h += std::string(16, ',') + "\n";
    for (int i = 0; i < 16; ++i) h += " ,";
    h += " \n";
    return h;
}

std::string LoopFile::line(const LoopValues& v) {
    const Extremes& p = v.extremes;
    // A damping ratio that does not exist (no extent) is left empty, never NaN.
    const std::string heq = v.heq ? text::format("%f", static_cast<double>(*v.heq)) : std::string();
    return text::format("%d,%d,%f,%f,", v.from, v.to, v.area, static_cast<double>(v.K.value_or(0.0f))) + heq +
           text::format(",%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f\n", p.Ymax_x, p.Ymax_y, p.Ymin_x, p.Ymin_y, p.Yave_x,
                        p.Yave_y, p.Xmax_x, p.Xmax_y, p.Xmin_x, p.Xmin_y, p.Xave_x, p.Xave_y);
}

bool LoopFile::open(const std::string& directory) {
    m_file.abandon();
    m_path = directory + "LOOP.CSV";
    if (!m_file.open(m_path)) return false;
    m_ok = m_file.write(header());
    return m_ok;
}

bool LoopFile::write(const LoopValues& v) {
    if (!m_file.isOpen() || !v.K) return m_ok;
    m_ok = m_file.write(line(v)) && m_ok;
    return m_ok;
}

bool LoopFile::close() {
    if (!m_file.isOpen()) return m_ok;
    m_ok = m_file.commit() && m_ok;
    return m_ok;
}

}  // namespace kvx::analysis
