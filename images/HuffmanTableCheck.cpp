#include "images/HuffmanTableCheck.h"

#include <cstdio>

#include <jpeglib.h>
// After jpeglib.h: its configuration decides which codes exist.
#include <jerror.h>

CHuffmanTableCheck::CHuffmanTableCheck(jpeg_decompress_struct& decompressor)
    : mLibraryEmitMessage(decompressor.err->emit_message)
{
    decompressor.client_data = this;
    decompressor.err->emit_message = EmitMessage;
}

void CHuffmanTableCheck::EmitMessage(j_common_ptr cinfo, int level)
{
    auto* check = static_cast<CHuffmanTableCheck*>(cinfo->client_data);
    check->mLibraryEmitMessage(cinfo, level);
    if (cinfo->is_decompressor)
        check->Notice(*reinterpret_cast<j_decompress_ptr>(cinfo));
}

void CHuffmanTableCheck::Notice(jpeg_decompress_struct& cinfo)
{
    switch (cinfo.err->msg_code) {
    case JTRC_DHT: {
        // The table's class sits in the high four bits of its index, 1 for AC; a
        // slot the library cannot hold makes it fail on its own right after.
        const int index = cinfo.err->msg_parm.i[0];
        const int slot = index & 0x0F;
        if (slot < NUM_HUFF_TBLS && (index >> 4) <= 1)
            ((index >> 4) == 1 ? mDefinedAC : mDefinedDC) |= uint8_t(1u << slot);
        break;
    }
    case JTRC_SOS_PARAMS:
        // The last message of a scan header: the scan's components and its
        // spectral and approximation parameters are all known by now.
        CheckScan(cinfo);
        break;
    default:
        break;
    }
}

void CHuffmanTableCheck::CheckScan(jpeg_decompress_struct& cinfo) const
{
    // An arithmetic-coded stream uses no Huffman tables and is refused for that.
    if (cinfo.arith_code)
        return;
    // A sequential scan decodes DC and AC with the tables of each component. Of a
    // progressive scan, a first DC scan needs the DC tables, a DC refinement none,
    // and an AC scan the AC tables.
    const bool dcBand = cinfo.Ss == 0;
    const bool needsDC = !cinfo.progressive_mode || (dcBand && cinfo.Ah == 0);
    const bool needsAC = !cinfo.progressive_mode || !dcBand;
    for (int i = 0; i < cinfo.comps_in_scan; ++i) {
        const jpeg_component_info* component = cinfo.cur_comp_info[i];
        if (needsDC)
            Require(cinfo, mDefinedDC, component->dc_tbl_no);
        if (needsAC)
            Require(cinfo, mDefinedAC, component->ac_tbl_no);
    }
}

void CHuffmanTableCheck::Require(jpeg_decompress_struct& cinfo, uint8_t defined, int table)
{
    if (table < 0 || table >= NUM_HUFF_TBLS || (defined & (1u << table)) == 0)
        ERREXIT1(&cinfo, JERR_NO_HUFF_TABLE, table);
}
