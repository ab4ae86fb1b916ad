// ELASTO.CSV lifetime.
#include "analysis/elasto_file.h"

#include "text/replacing_file.h"

namespace kvx::analysis {

const char* const kElastoHeader =
    "Filename,Chan X,Chan Y,Pmax,Pmin,Pave,MaxD,MinD,"
    "PP120,MP120,AVP120,PP23,MP23,AVP23,PP2G,MP2G,AVP2G,minPP,minMP,minAVP,"
    "APP120,AMP120,AAVP120,APP23,AMP23,AAVP23,APP2G,AMP2G,AAVP2G,minAPP,minAMP,minAAVP,"
    "PK,MPK,YP,MYP,Dv,MDv,Du,MDu\n";

bool ElastoFile::open(const std::string& directory) {
    close();
    m_path = directory + "ELASTO.CSV";
    // The emptied file with its header replaces the old one in one step; rows are then appended.
    if (!text::replaceFile(m_path, kElastoHeader)) return false;
    m_file = std::fopen(m_path.c_str(), "ab");
    return m_file != nullptr;
}

bool ElastoFile::append(const std::string& line) {
    if (!m_file) return false;
    return std::fwrite(line.data(), 1, line.size(), m_file) == line.size() && std::fflush(m_file) == 0;
}

void ElastoFile::close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

}  // namespace kvx::analysis
