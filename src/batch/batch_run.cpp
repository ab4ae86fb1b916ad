// Reads the data file with the program's own core and reports it.
#include "batch/batch_run.h"

#include "batch/json_writer.h"
#include "data/open_data_file.h"
#include "text/cp932.h"
#include "text/printf.h"

namespace kvx::batch {
namespace {

template <typename Pick>
void textArray(JsonWriter& j, const data::ChannelHeader& h, Pick pick) {
    j.beginArray();
    for (int c = 0; c < h.ChannelCount; ++c) j.value(text::cp932ToUtf8Lossy(pick(static_cast<std::size_t>(c))));
    j.endArray();
}

std::string dataSetJson(const data::OpenedFile& opened) {
    const data::MeasurementData& d = opened.data;
    const data::ChannelHeader& h = d.header;
    JsonWriter j;
    j.beginObject();
    j.key("file").value(opened.chosenPath);
    j.key("rows").value(d.RowCount);
    j.key("channels").value(h.ChannelCount);
    j.key("channel_numbers").beginArray();
    for (int c = 0; c < h.ChannelCount; ++c) j.value(h.channelNumbers[static_cast<std::size_t>(c)]);
    j.endArray();
    j.key("names");
    textArray(j, h, [&](std::size_t c) { return h.pointNames[c]; });
    j.key("instruments");
    textArray(j, h, [&](std::size_t c) { return h.instrumentNames[c]; });
    j.key("units");
    textArray(j, h, [&](std::size_t c) { return h.units[c]; });
    j.key("force_channel").value(d.ForceChannel);
    j.key("force_factor").value(static_cast<double>(d.ForceFactor));
    j.endObject();
    return j.str();
}

std::string summary(const data::OpenedFile& opened) {
    const data::ChannelHeader& h = opened.data.header;
    std::string out = text::format("%s: %d data, %d チャンネル\n", opened.chosenPath.c_str(), opened.data.RowCount,
                                   h.ChannelCount);
    for (std::size_t c = 0; c < static_cast<std::size_t>(h.ChannelCount); ++c)
        out += text::format("  %2zu CH  %s [%s]\n", c + 1, text::cp932ToUtf8Lossy(h.pointNames[c]).c_str(),
                            text::cp932ToUtf8Lossy(h.units[c]).c_str());
    return out;
}

}  // namespace

RunResult runBatch(const BatchOptions& options, ui::Interaction& ia) {
    const auto opened = data::openDataFile(options.file, options.format, options.forceUnit, ia);
    if (!opened) return {1, {}};
    return {0, options.json ? dataSetJson(*opened) : summary(*opened)};
}

}  // namespace kvx::batch
