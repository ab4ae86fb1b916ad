// The main window's side of the data list, the conversion and the line style
// windows: creating them, what their changes do to the main window, and the
// drawing of a converted channel.
#include "app/graph_image.h"
#include "app/t_coeff.h"
#include "app/t_data_list.h"
#include "app/t_henkan.h"
#include "app/t_opening.h"
#include "app/t_settei.h"

#include <QCheckBox>

namespace kvx::app {

void TOpening::createDataWindows() {
    m_dataList = new TDataList(m_state, *m_interaction, this);
    m_henkan = new THenkan(m_state, *m_interaction, this);
    m_settei = new TSettei(m_state.lineStyles, *m_interaction, this);
    // A corrected data set is drawn again at once.
    connect(m_dataList, &TDataList::dataChanged, this, &TOpening::Button4Click);
    connect(m_henkan, &THenkan::drawRequested, this, &TOpening::drawConvertedChannel);
    // Line styles reach the graph at its next drawing; the channel boxes follow now.
    connect(m_settei, &TSettei::colorsChanged, this, [this] { colorChannelBoxes(m_state.shownChannelCount); });
    connect(m_settei, &TSettei::defaultsRestored, this, [this] { EnableChannels(m_state.shownChannelCount); });
}

void TOpening::drawConvertedChannel(int graphChannel) {
    const data::MeasurementData& converted = m_state.convertedData;
    plot::GraphOptions o = currentOptions();
    // The whole converted record, one channel, against the force in column 0:
    // the other columns of the converted set hold no main channel to choose.
    o.dataLoaded = true;
    o.mode = plot::DisplayMode::All;
    o.channelChecked = {};
    o.channelChecked[static_cast<std::size_t>(graphChannel - 1)] = true;
    o.mainChannel = 1;
    o.frame.mainChannel = 1;
    // The sign boxes belong to the data set's channels; only the force's carries over.
    const int force = m_state.data.ForceChannel;
    const bool forceInverted = force >= 0 && signBox(force + 1)->isChecked();
    o.signInverted = {};
    o.signInverted[0] = forceInverted;
    // A drawing of converted data writes no result files and starts no evaluation.
    o.skeleton = false;
    o.fileOutput = false;
    o.editSkeleton = false;
    o.elastoPlastic = false;
    o.wallEvaluation = false;
    plot::runGraphCommand(converted, o, m_state.graph, Image1->canvas(), *m_interaction, *this);
    Image1->update();
}

}  // namespace kvx::app
