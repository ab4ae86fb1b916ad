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
    close();
    m_path = directory + "LOOP.CSV";
    m_file = std::fopen(m_path.c_str(), "wb");
    if (!m_file) return false;
    m_ok = true;
    const std::string h = header();
    m_ok = std::fwrite(h.data(), 1, h.size(), m_file) == h.size();
    return m_ok;
}

bool LoopFile::write(const LoopValues& v) {
    if (!m_file || !v.K) return m_ok;
    const std::string l = line(v);
    m_ok = m_ok && std::fwrite(l.data(), 1, l.size(), m_file) == l.size();
    return m_ok;
}

bool LoopFile::close() {
    if (!m_file) return m_ok;
    m_ok = (std::fclose(m_file) == 0) && m_ok;
    m_file = nullptr;
    return m_ok;
}

}  // namespace kvx::analysis
