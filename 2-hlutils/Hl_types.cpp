#include "Hl_types.h"

#include <cstddef>

constantstruct con;
menuwindowstruct mnw;
planestruct pln[2];
airfoilstruct afl[2];            // Foilwright edits afl[0] only
inststruct ins;

void rev_byte_order4(void* p)
{
    unsigned char* b = (unsigned char*)p;
    unsigned char t = b[0];
    b[0] = b[3];
    b[3] = t;
    t = b[1];
    b[1] = b[2];
    b[2] = t;
}

// The fields an aircraft file supplies: every 4-byte element of each is
// reversed once. Names, panel layout and the tables the loader computes are
// left as read; ADFtype and TStype are design codes the editor writes, so they
// are swapped too, or a 2 from the other platform would become a 1.
struct swapped_field {
    size_t at, size;
};
#define F(name) {offsetof(planestruct, name), sizeof(planestruct::name)}
static const swapped_field swapped_fields[] = {
    F(is_heli), F(asi_units), F(Vso), F(Vs), F(Vfe), F(Vno), F(Vne), F(Mmo), F(peX), F(peY),
    F(peZ), F(paneltype), F(radiotype), F(AStype), F(supptype), F(HUDtype), F(VVItype),
    F(has_ins), F(ins_of_loc), F(ff_hydraulic), F(ff_stickshaker), F(entype), F(revthrustEQ),
    F(numen), F(sfc), F(pmax), F(gearrat), F(critalt), F(mpmax), F(omegamin), F(omegamax),
    F(omegamingreen), F(omegamaxgreen), F(tmax), F(burnerinc), F(facejet), F(spooltime),
    F(vectEQ), F(varpitchEQ), F(vectarm), F(pylondx), F(pylondz), F(trotor_rat), F(propdir),
    F(numblades), F(minpitch), F(maxpitch), F(sidecant), F(vertcant), F(des_adv), F(des_rpm),
    F(des_vel), F(els), F(Xarm), F(Yarm), F(Zarm), F(Croot), F(Ctip), F(semilen), F(sweep1),
    F(sweep2), F(sweepnow), F(varsweepEQ), F(dihed), F(anginc), F(ailn), F(ADFtype), F(splr),
    F(TStype), F(flap), F(slat), F(sbrk), F(drud), F(elev), F(rudd), F(fmax), F(slat_inc),
    F(hstbtrimmax), F(con_smooth), F(hstabtype), F(puffEQ), F(fbrkEQ), F(chuteEQ), F(jatoEQ),
    F(collectEQ), F(jettisonEQ), F(ailn_crat), F(ailn_up), F(ailn_dn), F(elev_crat), F(elev_up),
    F(elev_dn), F(rudd_crat), F(rudd_def), F(splr_crat), F(splr_def), F(drud_crat), F(drud_def),
    F(sbrk_crat), F(sbrk_def), F(fusewash), F(fuse_cd), F(nace_eq), F(misc_eq), F(misc_X),
    F(misc_Y), F(misc_Z), F(fair_eq), F(body_r), F(body_X), F(body_Y), F(body_Z), F(cgZ),
    F(cgY), F(m_empty), F(m_max), F(m_fuel), F(m_jettison), F(gear_type), F(gear_retract),
    F(nwsteer), F(skidX), F(skidY), F(skidZ), F(skidl), F(ngearZ), F(ngearY), F(mgearZ),
    F(mgearX), F(mgearY), F(ngearZ_att), F(ngearY_att), F(mgearZ_att), F(mgearX_att),
    F(mgearY_att), F(wheelrad), F(jatoZ), F(jatoY), F(jatotheta), F(jatothrust), F(jatodur),
    F(stabroll), F(stabhdng), F(ailpitch), F(ailflaps), F(antiiceEQ), F(arrestingEQ),
    F(bitchinbettyEQ), F(autosbrkEQ), F(autofbrkEQ), F(autosweepEQ), F(brake_area),
    F(chute_area), F(elevcyclic), F(ailncyclic), F(puffL), F(puffM), F(puffN), F(AShiV),
    F(ASloV), F(ASmaxp1), F(ASp1), F(ASmaxp2), F(ASp2), F(ASmaxh1), F(ASh1), F(ASmaxh2),
    F(ASh2), F(ASmaxr1), F(ASr1), F(ASmaxr2), F(ASr2),
};
#undef F

void rev_pln_bytes(int n)
{
    unsigned char* base = (unsigned char*)&pln[n];
    for (const swapped_field& f : swapped_fields)
        for (size_t k = 0; k < f.size; k += 4) rev_byte_order4(base + f.at + k);
}
