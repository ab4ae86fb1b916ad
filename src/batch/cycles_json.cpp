// JSON of cycles, levels, envelope and the code methods.
#include "batch/cycles_json.h"

#include "batch/series_messages.h"
#include "text/translate.h"

namespace kvx::batch {
namespace {

void optional(JsonWriter& j, const char* key, const std::optional<double>& v) {
    j.key(key);
    if (v) j.value(*v);
    else j.null();
}

void envelopeSide(JsonWriter& j, const char* key, const std::vector<analysis::EnvelopePoint>& points) {
    j.key(key).beginArray();
    for (const auto& [x, f] : points) {
        j.beginArray();
        j.value(x);
        j.value(f);
        j.endArray();
    }
    j.endArray();
}

void eeepSide(JsonWriter& j, const char* key, const analysis::MethodResult<analysis::Eeep>& r) {
    j.key(key).beginObject();
    if (!r.value) {
        j.key("error").value(shownSeriesText(r.error));  // METHODS.CSV keeps it Japanese
    } else {
        const analysis::Eeep& e = *r.value;
        j.key("Ppeak").value(e.Ppeak);
        j.key("dpeak").value(e.dpeak);
        j.key("d04").value(e.d04);
        j.key("ke").value(e.ke);
        j.key("du").value(e.du);
        j.key("A").value(e.A);
        j.key("Pyield").value(e.Pyield);
        j.key("dyield").value(e.dyield);
        j.key("mu").value(e.mu);
        j.key("du_at_last_point").value(e.duAtLastPoint);
        j.key("pyield_fallback").value(e.pyieldFallback);
    }
    j.endObject();
}

void enSide(JsonWriter& j, const char* key, const analysis::MethodResult<analysis::En12512>& r) {
    j.key(key).beginObject();
    if (!r.value) {
        j.key("error").value(shownSeriesText(r.error));  // METHODS.CSV keeps it Japanese
    } else {
        const analysis::En12512& e = *r.value;
        j.key("Fmax").value(e.Fmax);
        j.key("v01").value(e.v01);
        j.key("v04").value(e.v04);
        j.key("k1").value(e.k1);
        j.key("vt").value(e.vt);
        j.key("Ft").value(e.Ft);
        j.key("vy").value(e.vy);
        j.key("Fy").value(e.Fy);
        j.key("vu").value(e.vu);
        j.key("D").value(e.D);
        j.key("vu_at_last_point").value(e.vuAtLastPoint);
    }
    j.endObject();
}

}  // namespace

void cycleResultsJson(JsonWriter& j, const CycleResults& r) {
    if (r.showCycles) {
        j.key("cycles").beginArray();
        for (const analysis::Cycle& c : r.cycles.cycles) {
            j.beginObject();
            j.key("from").value(c.from + 1);
            j.key("to").value(c.to);
            j.key("x_plus").value(c.xPlus);
            j.key("x_minus").value(c.xMinus);
            j.key("f_plus").value(c.fPlus);
            j.key("d_plus").value(c.dPlus);
            j.key("f_minus").value(c.fMinus);
            j.key("d_minus").value(c.dMinus);
            j.key("Ed").value(c.Ed);
            j.key("Ed_cum").value(c.EdCumulative);
            optional(j, "Ks", c.Ks);
            optional(j, "nu_eq", c.nuEq);
            j.key("level").value(c.level);
            j.endObject();
        }
        j.endArray();
        j.key("levels").beginArray();
        for (const analysis::Level& l : r.cycles.levels) {
            j.beginObject();
            j.key("x_plus").value(l.xPlus);
            j.key("x_minus").value(l.xMinus);
            j.key("cycles").value(l.cycles);
            optional(j, "F1_plus", l.F1plus);
            optional(j, "F3_plus", l.F3plus);
            optional(j, "dF_plus", l.dFplus);
            optional(j, "F1_minus", l.F1minus);
            optional(j, "F3_minus", l.F3minus);
            optional(j, "dF_minus", l.dFminus);
            j.endObject();
        }
        j.endArray();
    }
    if (r.methods) {
        j.key("envelope").beginObject();
        envelopeSide(j, "plus", r.methods->envelope.plus);
        envelopeSide(j, "minus", r.methods->envelope.minus);
        j.endObject();
        j.key("eeep").beginObject();
        eeepSide(j, "plus", r.methods->eeepPlus);
        eeepSide(j, "minus", r.methods->eeepMinus);
        j.endObject();
        j.key("en12512").beginObject();
        enSide(j, "plus", r.methods->enPlus);
        enSide(j, "minus", r.methods->enMinus);
        j.endObject();
    }
}

}  // namespace kvx::batch
