#include "colors.inc"
light_source { <146.151276, 146.151276, 146.151276> color White}

cone {
<0.000000,0.000000,-0.000000>,1.000000
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,18.965752,-0.784402>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.965752,-0.784402>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.965752,-0.784402>,0.707000
<0.705962,27.004225,-1.487677>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.705962,27.004225,-1.487677>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.705962,27.004225,-1.487677>,0.499849
<1.285918,34.238430,-2.176172>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.285918,34.238430,-2.176172>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<1.285918,34.238430,-2.176172>,0.353393
<1.753639,40.748837,-2.841444>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.753639,40.748837,-2.841444>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<1.753639,40.748837,-2.841444>,0.249849
<2.122183,46.607857,-3.476980>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.122183,46.607857,-3.476980>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<2.122183,46.607857,-3.476980>,0.176643
<2.403814,51.880661,-4.077946>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.403814,51.880661,-4.077946>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.403814,51.880661,-4.077946>,0.124887
<2.609949,56.625904,-4.640957>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.609949,56.625904,-4.640957>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.609949,56.625904,-4.640957>,0.088295
<2.751132,60.896366,-5.163867>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.751132,60.896366,-5.163867>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.751132,60.896366,-5.163867>,0.062425
<2.837017,64.739548,-5.645574>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.837017,64.739548,-5.645574>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.751132,60.896366,-5.163867>,0.062425
<3.604410,63.782467,-5.312647>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.604410,63.782467,-5.312647>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.609949,56.625904,-4.640957>,0.088295
<3.565488,59.833691,-4.722721>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.565488,59.833691,-4.722721>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.565488,59.833691,-4.722721>,0.062425
<4.418766,62.719791,-4.871500>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.418766,62.719791,-4.871500>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.565488,59.833691,-4.722721>,0.062425
<4.240008,61.746990,-3.549257>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.240008,61.746990,-3.549257>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.403814,51.880661,-4.077946>,0.124887
<3.465677,55.445980,-4.075922>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.465677,55.445980,-4.075922>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.465677,55.445980,-4.075922>,0.088295
<4.421216,58.653767,-4.157686>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.421216,58.653767,-4.157686>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.421216,58.653767,-4.157686>,0.062425
<5.274494,61.539867,-4.306465>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.274494,61.539867,-4.306465>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.421216,58.653767,-4.157686>,0.062425
<5.095736,60.567066,-2.984222>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.095736,60.567066,-2.984222>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.465677,55.445980,-4.075922>,0.088295
<4.097046,57.574570,-2.715181>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.097046,57.574570,-2.715181>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.097046,57.574570,-2.715181>,0.062425
<4.771566,59.487869,-1.541717>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.771566,59.487869,-1.541717>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.097046,57.574570,-2.715181>,0.062425
<3.089901,58.512054,-1.519549>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.089901,58.512054,-1.519549>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.122183,46.607857,-3.476980>,0.176643
<3.293236,50.570545,-3.372277>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.293236,50.570545,-3.372277>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.293236,50.570545,-3.372277>,0.124887
<4.355099,54.135864,-3.370252>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.355099,54.135864,-3.370252>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.355099,54.135864,-3.370252>,0.088295
<5.310637,57.343651,-3.452016>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.310637,57.343651,-3.452016>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.310637,57.343651,-3.452016>,0.062425
<6.163916,60.229752,-3.600796>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.163916,60.229752,-3.600796>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.310637,57.343651,-3.452016>,0.062425
<5.985157,59.256954,-2.278552>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.985157,59.256954,-2.278552>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.355099,54.135864,-3.370252>,0.088295
<4.986468,56.264454,-2.009511>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.986468,56.264454,-2.009511>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.986468,56.264454,-2.009511>,0.062425
<5.660988,58.177757,-0.836047>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.660988,58.177757,-0.836047>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.986468,56.264454,-2.009511>,0.062425
<3.979323,57.201939,-0.813879>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.979323,57.201939,-0.813879>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.293236,50.570545,-3.372277>,0.124887
<3.858869,52.938633,-1.808946>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.858869,52.938633,-1.808946>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.858869,52.938633,-1.808946>,0.088295
<4.490238,55.067223,-0.448205>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.490238,55.067223,-0.448205>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.490238,55.067223,-0.448205>,0.062425
<5.164758,56.980522,0.725258>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.164758,56.980522,0.725258>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.490238,55.067223,-0.448205>,0.062425
<3.483093,56.004707,0.747426>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.483093,56.004707,0.747426>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.858869,52.938633,-1.808946>,0.088295
<2.629537,53.983204,-0.584292>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.629537,53.983204,-0.584292>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.629537,53.983204,-0.584292>,0.062425
<1.622392,54.920692,0.611339>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.622392,54.920692,0.611339>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.629537,53.983204,-0.584292>,0.062425
<1.339298,54.332760,-1.056688>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.339298,54.332760,-1.056688>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.753639,40.748837,-2.841444>,0.249849
<3.035218,45.153179,-2.612947>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035218,45.153179,-2.612947>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035218,45.153179,-2.612947>,0.176643
<4.206271,49.115868,-2.508244>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.206271,49.115868,-2.508244>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.206271,49.115868,-2.508244>,0.124887
<5.268134,52.681187,-2.506220>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.268134,52.681187,-2.506220>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.268134,52.681187,-2.506220>,0.088295
<6.223672,55.888973,-2.587983>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.223672,55.888973,-2.587983>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.223672,55.888973,-2.587983>,0.062425
<7.076950,58.775074,-2.736763>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.076950,58.775074,-2.736763>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.223672,55.888973,-2.587983>,0.062425
<6.898192,57.802273,-1.414520>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.898192,57.802273,-1.414520>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.268134,52.681187,-2.506220>,0.088295
<5.899502,54.809776,-1.145479>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.899502,54.809776,-1.145479>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.899502,54.809776,-1.145479>,0.062425
<6.574022,56.723076,0.027985>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.574022,56.723076,0.027985>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.899502,54.809776,-1.145479>,0.062425
<4.892358,55.747261,0.050153>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.892358,55.747261,0.050153>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.206271,49.115868,-2.508244>,0.124887
<4.771904,51.483955,-0.944914>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.771904,51.483955,-0.944914>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.771904,51.483955,-0.944914>,0.088295
<5.403272,53.612541,0.415827>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.403272,53.612541,0.415827>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.403272,53.612541,0.415827>,0.062425
<6.077792,55.525845,1.589291>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.077792,55.525845,1.589291>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.403272,53.612541,0.415827>,0.062425
<4.396128,54.550030,1.611459>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.396128,54.550030,1.611459>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.771904,51.483955,-0.944914>,0.088295
<3.542572,52.528526,0.279740>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.542572,52.528526,0.279740>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.542572,52.528526,0.279740>,0.062425
<2.535428,53.466015,1.475371>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.535428,53.466015,1.475371>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.542572,52.528526,0.279740>,0.062425
<2.252333,52.878082,-0.192656>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.252333,52.878082,-0.192656>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035218,45.153179,-2.612947>,0.176643
<3.508703,47.787689,-0.832307>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.508703,47.787689,-0.832307>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.508703,47.787689,-0.832307>,0.124887
<4.074336,50.155773,0.731023>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.074336,50.155773,0.731023>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.074336,50.155773,0.731023>,0.088295
<4.705704,52.284363,2.091763>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.705704,52.284363,2.091763>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705704,52.284363,2.091763>,0.062425
<5.380224,54.197666,3.265227>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.380224,54.197666,3.265227>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705704,52.284363,2.091763>,0.062425
<3.698560,53.221851,3.287395>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.698560,53.221851,3.287395>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.074336,50.155773,0.731023>,0.088295
<2.845004,51.200348,1.955676>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.845004,51.200348,1.955676>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.845004,51.200348,1.955676>,0.062425
<1.837860,52.137833,3.151308>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.837860,52.137833,3.151308>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.845004,51.200348,1.955676>,0.062425
<1.554765,51.549904,1.483281>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.554765,51.549904,1.483281>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.508703,47.787689,-0.832307>,0.124887
<2.030885,48.951576,0.402936>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.030885,48.951576,0.402936>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.030885,48.951576,0.402936>,0.088295
<0.801553,49.996151,1.627590>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.801553,49.996151,1.627590>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.801553,49.996151,1.627590>,0.062425
<-0.205591,50.933636,2.823221>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.205591,50.933636,2.823221>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.801553,49.996151,1.627590>,0.062425
<-0.488685,50.345703,1.155194>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.488685,50.345703,1.155194>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.030885,48.951576,0.402936>,0.088295
<0.648810,49.341362,-0.244746>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.648810,49.341362,-0.244746>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.648810,49.341362,-0.244746>,0.062425
<-0.641429,49.690918,-0.717142>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.641429,49.690918,-0.717142>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.648810,49.341362,-0.244746>,0.062425
<0.650900,49.459690,-1.341085>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.650900,49.459690,-1.341085>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.285918,34.238430,-2.176172>,0.353393
<2.677459,39.133640,-1.800465>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.677459,39.133640,-1.800465>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<2.677459,39.133640,-1.800465>,0.249849
<3.959038,43.537983,-1.571968>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.959038,43.537983,-1.571968>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.959038,43.537983,-1.571968>,0.176643
<5.130091,47.500671,-1.467265>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130091,47.500671,-1.467265>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130091,47.500671,-1.467265>,0.124887
<6.191954,51.065990,-1.465240>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.191954,51.065990,-1.465240>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.191954,51.065990,-1.465240>,0.088295
<7.147492,54.273777,-1.547004>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.147492,54.273777,-1.547004>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.147492,54.273777,-1.547004>,0.062425
<8.000771,57.159878,-1.695783>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000771,57.159878,-1.695783>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.147492,54.273777,-1.547004>,0.062425
<7.822012,56.187077,-0.373540>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.822012,56.187077,-0.373540>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.191954,51.065990,-1.465240>,0.088295
<6.823322,53.194580,-0.104499>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.823322,53.194580,-0.104499>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.823322,53.194580,-0.104499>,0.062425
<7.497842,55.107880,1.068964>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.497842,55.107880,1.068964>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.823322,53.194580,-0.104499>,0.062425
<5.816178,54.132065,1.091132>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.816178,54.132065,1.091132>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130091,47.500671,-1.467265>,0.124887
<5.695724,49.868759,0.096065>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.695724,49.868759,0.096065>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.695724,49.868759,0.096065>,0.088295
<6.327092,51.997345,1.456806>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.327092,51.997345,1.456806>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.327092,51.997345,1.456806>,0.062425
<7.001612,53.910648,2.630270>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.001612,53.910648,2.630270>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.327092,51.997345,1.456806>,0.062425
<5.319948,52.934834,2.652438>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.319948,52.934834,2.652438>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.695724,49.868759,0.096065>,0.088295
<4.466392,50.913330,1.320719>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.466392,50.913330,1.320719>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.466392,50.913330,1.320719>,0.062425
<3.459248,51.850819,2.516351>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.459248,51.850819,2.516351>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.466392,50.913330,1.320719>,0.062425
<3.176153,51.262886,0.848323>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.176153,51.262886,0.848323>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.959038,43.537983,-1.571968>,0.176643
<4.432522,46.172493,0.208672>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.432522,46.172493,0.208672>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.432522,46.172493,0.208672>,0.124887
<4.998156,48.540577,1.772002>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.998156,48.540577,1.772002>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.998156,48.540577,1.772002>,0.088295
<5.629524,50.669167,3.132743>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.629524,50.669167,3.132743>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.629524,50.669167,3.132743>,0.062425
<6.304044,52.582470,4.306206>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.304044,52.582470,4.306206>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.629524,50.669167,3.132743>,0.062425
<4.622380,51.606655,4.328374>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.622380,51.606655,4.328374>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.998156,48.540577,1.772002>,0.088295
<3.768824,49.585152,2.996655>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768824,49.585152,2.996655>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768824,49.585152,2.996655>,0.062425
<2.761680,50.522636,4.192287>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.761680,50.522636,4.192287>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768824,49.585152,2.996655>,0.062425
<2.478585,49.934708,2.524260>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.478585,49.934708,2.524260>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.432522,46.172493,0.208672>,0.124887
<2.954705,47.336380,1.443915>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.954705,47.336380,1.443915>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.954705,47.336380,1.443915>,0.088295
<1.725373,48.380955,2.668569>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.725373,48.380955,2.668569>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.725373,48.380955,2.668569>,0.062425
<0.718229,49.318439,3.864201>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.718229,49.318439,3.864201>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.725373,48.380955,2.668569>,0.062425
<0.435135,48.730507,2.196173>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.435135,48.730507,2.196173>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.954705,47.336380,1.443915>,0.088295
<1.572630,47.726166,0.796233>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.572630,47.726166,0.796233>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.572630,47.726166,0.796233>,0.062425
<0.282391,48.075722,0.323837>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.282391,48.075722,0.323837>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.572630,47.726166,0.796233>,0.062425
<1.574720,47.844494,-0.300106>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.574720,47.844494,-0.300106>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.677459,39.133640,-1.800465>,0.249849
<3.028214,42.064533,0.211184>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.028214,42.064533,0.211184>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.028214,42.064533,0.211184>,0.176643
<3.501699,44.699043,1.991824>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.501699,44.699043,1.991824>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.501699,44.699043,1.991824>,0.124887
<4.067332,47.067131,3.555154>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.067332,47.067131,3.555154>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.067332,47.067131,3.555154>,0.088295
<4.698701,49.195717,4.915895>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.698701,49.195717,4.915895>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.698701,49.195717,4.915895>,0.062425
<5.373221,51.109020,6.089359>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.373221,51.109020,6.089359>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.698701,49.195717,4.915895>,0.062425
<3.691556,50.133205,6.111527>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.691556,50.133205,6.111527>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.067332,47.067131,3.555154>,0.088295
<2.838000,48.111702,4.779808>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.838000,48.111702,4.779808>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.838000,48.111702,4.779808>,0.062425
<1.830856,49.049191,5.975440>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.830856,49.049191,5.975440>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.838000,48.111702,4.779808>,0.062425
<1.547762,48.461258,4.307412>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547762,48.461258,4.307412>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.501699,44.699043,1.991824>,0.124887
<2.023881,45.862930,3.227068>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.023881,45.862930,3.227068>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.023881,45.862930,3.227068>,0.088295
<0.794549,46.907505,4.451722>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.794549,46.907505,4.451722>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.794549,46.907505,4.451722>,0.062425
<-0.212595,47.844990,5.647353>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.212595,47.844990,5.647353>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.794549,46.907505,4.451722>,0.062425
<-0.495689,47.257061,3.979326>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.495689,47.257061,3.979326>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.023881,45.862930,3.227068>,0.088295
<0.641806,46.252720,2.579385>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.641806,46.252720,2.579385>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.641806,46.252720,2.579385>,0.062425
<-0.648433,46.602272,2.106990>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648433,46.602272,2.106990>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.641806,46.252720,2.579385>,0.062425
<0.643896,46.371044,1.483047>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.643896,46.371044,1.483047>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.028214,42.064533,0.211184>,0.176643
<1.274616,43.361351,1.434091>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.274616,43.361351,1.434091>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.274616,43.361351,1.434091>,0.124887
<-0.203202,44.525238,2.669335>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.203202,44.525238,2.669335>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.203202,44.525238,2.669335>,0.088295
<-1.432534,45.569813,3.893989>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.432534,45.569813,3.893989>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.432534,45.569813,3.893989>,0.062425
<-2.439678,46.507298,5.089621>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.439678,46.507298,5.089621>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.432534,45.569813,3.893989>,0.062425
<-2.722772,45.919369,3.421593>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.722772,45.919369,3.421593>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.203202,44.525238,2.669335>,0.088295
<-1.585277,44.915028,2.021652>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.585277,44.915028,2.021652>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.585277,44.915028,2.021652>,0.062425
<-2.875515,45.264584,1.549257>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.875515,45.264584,1.549257>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.585277,44.915028,2.021652>,0.062425
<-1.583187,45.033352,0.925314>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.583187,45.033352,0.925314>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.274616,43.361351,1.434091>,0.124887
<-0.192114,43.796001,0.583542>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.192114,43.796001,0.583542>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.192114,43.796001,0.583542>,0.088295
<-1.574189,44.185791,-0.064140>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.574189,44.185791,-0.064140>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.574189,44.185791,-0.064140>,0.062425
<-2.864428,44.535347,-0.536536>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.864428,44.535347,-0.536536>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.574189,44.185791,-0.064140>,0.062425
<-1.572099,44.304115,-1.160479>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.572099,44.304115,-1.160479>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.192114,43.796001,0.583542>,0.088295
<-0.083636,43.927971,-0.629720>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.083636,43.927971,-0.629720>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.083636,43.927971,-0.629720>,0.062425
<-0.081547,44.046299,-1.726059>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.081547,44.046299,-1.726059>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.083636,43.927971,-0.629720>,0.062425
<0.722015,43.967201,-0.921216>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.722015,43.967201,-0.921216>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.705962,27.004225,-1.487677>,0.499849
<2.204583,32.444992,-0.938986>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.204583,32.444992,-0.938986>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<2.204583,32.444992,-0.938986>,0.353393
<3.596124,37.340202,-0.563279>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.596124,37.340202,-0.563279>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<3.596124,37.340202,-0.563279>,0.249849
<4.877703,41.744545,-0.334782>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.877703,41.744545,-0.334782>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<4.877703,41.744545,-0.334782>,0.176643
<6.048756,45.707237,-0.230078>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.048756,45.707237,-0.230078>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.048756,45.707237,-0.230078>,0.124887
<7.110619,49.272552,-0.228054>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.110619,49.272552,-0.228054>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.110619,49.272552,-0.228054>,0.088295
<8.066157,52.480339,-0.309818>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.066157,52.480339,-0.309818>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.066157,52.480339,-0.309818>,0.062425
<8.919436,55.366440,-0.458597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.919436,55.366440,-0.458597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.066157,52.480339,-0.309818>,0.062425
<8.740677,54.393642,0.863646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.740677,54.393642,0.863646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.110619,49.272552,-0.228054>,0.088295
<7.741988,51.401142,1.132687>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.741988,51.401142,1.132687>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.741988,51.401142,1.132687>,0.062425
<8.416508,53.314445,2.306150>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.416508,53.314445,2.306150>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.741988,51.401142,1.132687>,0.062425
<6.734843,52.338631,2.328318>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.734843,52.338631,2.328318>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.048756,45.707237,-0.230078>,0.124887
<6.614388,48.075321,1.333251>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.614388,48.075321,1.333251>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.614388,48.075321,1.333251>,0.088295
<7.245758,50.203911,2.693992>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.245758,50.203911,2.693992>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.245758,50.203911,2.693992>,0.062425
<7.920278,52.117210,3.867456>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.920278,52.117210,3.867456>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.245758,50.203911,2.693992>,0.062425
<6.238613,51.141396,3.889624>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.238613,51.141396,3.889624>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.614388,48.075321,1.333251>,0.088295
<5.385057,49.119896,2.557905>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.385057,49.119896,2.557905>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.385057,49.119896,2.557905>,0.062425
<4.377913,50.057381,3.753537>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.377913,50.057381,3.753537>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.385057,49.119896,2.557905>,0.062425
<4.094819,49.469448,2.085510>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.094819,49.469448,2.085510>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.877703,41.744545,-0.334782>,0.176643
<5.351188,44.379055,1.445858>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.351188,44.379055,1.445858>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.351188,44.379055,1.445858>,0.124887
<5.916821,46.747143,3.009188>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.916821,46.747143,3.009188>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.916821,46.747143,3.009188>,0.088295
<6.548190,48.875732,4.369929>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.548190,48.875732,4.369929>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.548190,48.875732,4.369929>,0.062425
<7.222710,50.789032,5.543392>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.222710,50.789032,5.543392>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.548190,48.875732,4.369929>,0.062425
<5.541045,49.813217,5.565560>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.541045,49.813217,5.565560>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.916821,46.747143,3.009188>,0.088295
<4.687489,47.791714,4.233841>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.687489,47.791714,4.233841>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.687489,47.791714,4.233841>,0.062425
<3.680345,48.729202,5.429473>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.680345,48.729202,5.429473>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.687489,47.791714,4.233841>,0.062425
<3.397251,48.141270,3.761446>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.397251,48.141270,3.761446>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.351188,44.379055,1.445858>,0.124887
<3.873370,45.542942,2.681101>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.873370,45.542942,2.681101>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.873370,45.542942,2.681101>,0.088295
<2.644038,46.587517,3.905755>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.644038,46.587517,3.905755>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.644038,46.587517,3.905755>,0.062425
<1.636894,47.525002,5.101387>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.636894,47.525002,5.101387>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.644038,46.587517,3.905755>,0.062425
<1.353800,46.937073,3.433359>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.353800,46.937073,3.433359>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.873370,45.542942,2.681101>,0.088295
<2.491295,45.932732,2.033419>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.491295,45.932732,2.033419>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.491295,45.932732,2.033419>,0.062425
<1.201057,46.282288,1.561023>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.201057,46.282288,1.561023>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.491295,45.932732,2.033419>,0.062425
<2.493385,46.051056,0.937081>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.493385,46.051056,0.937081>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.596124,37.340202,-0.563279>,0.249849
<3.946879,40.271095,1.448370>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.946879,40.271095,1.448370>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.946879,40.271095,1.448370>,0.176643
<4.420364,42.905609,3.229010>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.420364,42.905609,3.229010>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.420364,42.905609,3.229010>,0.124887
<4.985997,45.273693,4.792340>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.985997,45.273693,4.792340>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.985997,45.273693,4.792340>,0.088295
<5.617366,47.402283,6.153081>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.617366,47.402283,6.153081>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.617366,47.402283,6.153081>,0.062425
<6.291886,49.315586,7.326545>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.291886,49.315586,7.326545>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.617366,47.402283,6.153081>,0.062425
<4.610222,48.339767,7.348713>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.610222,48.339767,7.348713>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.985997,45.273693,4.792340>,0.088295
<3.756665,46.318268,6.016994>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.756665,46.318268,6.016994>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.756665,46.318268,6.016994>,0.062425
<2.749521,47.255753,7.212626>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.749521,47.255753,7.212626>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.756665,46.318268,6.016994>,0.062425
<2.466427,46.667824,5.544599>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.466427,46.667824,5.544599>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.420364,42.905609,3.229010>,0.124887
<2.942546,44.069496,4.464254>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.942546,44.069496,4.464254>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.942546,44.069496,4.464254>,0.088295
<1.713215,45.114067,5.688908>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.713215,45.114067,5.688908>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.713215,45.114067,5.688908>,0.062425
<0.706070,46.051556,6.884540>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.706070,46.051556,6.884540>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.713215,45.114067,5.688908>,0.062425
<0.422976,45.463623,5.216512>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.422976,45.463623,5.216512>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.942546,44.069496,4.464254>,0.088295
<1.560471,44.459282,3.816571>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.560471,44.459282,3.816571>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.560471,44.459282,3.816571>,0.062425
<0.270233,44.808838,3.344176>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.270233,44.808838,3.344176>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.560471,44.459282,3.816571>,0.062425
<1.562561,44.577606,2.720233>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.562561,44.577606,2.720233>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.946879,40.271095,1.448370>,0.176643
<2.193281,41.567917,2.671278>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.193281,41.567917,2.671278>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.193281,41.567917,2.671278>,0.124887
<0.715463,42.731804,3.906521>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.715463,42.731804,3.906521>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.715463,42.731804,3.906521>,0.088295
<-0.513868,43.776375,5.131175>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.513868,43.776375,5.131175>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.513868,43.776375,5.131175>,0.062425
<-1.521013,44.713863,6.326807>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.521013,44.713863,6.326807>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.513868,43.776375,5.131175>,0.062425
<-1.804107,44.125931,4.658779>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.804107,44.125931,4.658779>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.715463,42.731804,3.906521>,0.088295
<-0.666612,43.121590,3.258839>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.666612,43.121590,3.258839>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.666612,43.121590,3.258839>,0.062425
<-1.956850,43.471146,2.786443>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.956850,43.471146,2.786443>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.666612,43.121590,3.258839>,0.062425
<-0.664522,43.239918,2.162500>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.664522,43.239918,2.162500>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.193281,41.567917,2.671278>,0.124887
<0.726551,42.002567,1.820728>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.726551,42.002567,1.820728>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.726551,42.002567,1.820728>,0.088295
<-0.655524,42.392353,1.173046>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.655524,42.392353,1.173046>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.655524,42.392353,1.173046>,0.062425
<-1.945762,42.741909,0.700650>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.945762,42.741909,0.700650>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.655524,42.392353,1.173046>,0.062425
<-0.653434,42.510681,0.076707>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.653434,42.510681,0.076707>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.726551,42.002567,1.820728>,0.088295
<0.835029,42.134537,0.607466>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.835029,42.134537,0.607466>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.835029,42.134537,0.607466>,0.062425
<0.837119,42.252861,-0.488873>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.837119,42.252861,-0.488873>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.835029,42.134537,0.607466>,0.062425
<1.640681,42.173763,0.315970>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.640681,42.173763,0.315970>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.204583,32.444992,-0.938986>,0.353393
<2.397524,35.705593,1.315839>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.397524,35.705593,1.315839>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<2.397524,35.705593,1.315839>,0.249849
<2.748279,38.636486,3.327488>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.748279,38.636486,3.327488>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<2.748279,38.636486,3.327488>,0.176643
<3.221764,41.270996,5.108129>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.221764,41.270996,5.108129>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.221764,41.270996,5.108129>,0.124887
<3.787397,43.639084,6.671458>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.787397,43.639084,6.671458>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.787397,43.639084,6.671458>,0.088295
<4.418766,45.767673,8.032200>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.418766,45.767673,8.032200>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.418766,45.767673,8.032200>,0.062425
<5.093286,47.680973,9.205664>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.093286,47.680973,9.205664>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.418766,45.767673,8.032200>,0.062425
<3.411622,46.705158,9.227831>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.411622,46.705158,9.227831>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.787397,43.639084,6.671458>,0.088295
<2.558065,44.683655,7.896112>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.558065,44.683655,7.896112>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.558065,44.683655,7.896112>,0.062425
<1.550921,45.621143,9.091744>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.550921,45.621143,9.091744>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.558065,44.683655,7.896112>,0.062425
<1.267827,45.033211,7.423717>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.267827,45.033211,7.423717>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.221764,41.270996,5.108129>,0.124887
<1.743946,42.434883,6.343372>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.743946,42.434883,6.343372>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.743946,42.434883,6.343372>,0.088295
<0.514614,43.479458,7.568026>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.514614,43.479458,7.568026>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.514614,43.479458,7.568026>,0.062425
<-0.492530,44.416943,8.763658>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.492530,44.416943,8.763658>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.514614,43.479458,7.568026>,0.062425
<-0.775624,43.829014,7.095630>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.775624,43.829014,7.095630>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.743946,42.434883,6.343372>,0.088295
<0.361871,42.824673,5.695690>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.361871,42.824673,5.695690>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.361871,42.824673,5.695690>,0.062425
<-0.928367,43.174225,5.223294>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.928367,43.174225,5.223294>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.361871,42.824673,5.695690>,0.062425
<0.363961,42.942997,4.599351>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.363961,42.942997,4.599351>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.748279,38.636486,3.327488>,0.176643
<0.994681,39.933304,4.550395>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.994681,39.933304,4.550395>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.994681,39.933304,4.550395>,0.124887
<-0.483137,41.097191,5.785639>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.483137,41.097191,5.785639>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.483137,41.097191,5.785639>,0.088295
<-1.712469,42.141766,7.010293>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.712469,42.141766,7.010293>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.712469,42.141766,7.010293>,0.062425
<-2.719613,43.079250,8.205925>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.719613,43.079250,8.205925>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.712469,42.141766,7.010293>,0.062425
<-3.002707,42.491322,6.537897>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.002707,42.491322,6.537897>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.483137,41.097191,5.785639>,0.088295
<-1.865212,41.486980,5.137957>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.865212,41.486980,5.137957>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.865212,41.486980,5.137957>,0.062425
<-3.155450,41.836536,4.665561>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.155450,41.836536,4.665561>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.865212,41.486980,5.137957>,0.062425
<-1.863122,41.605305,4.041618>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.863122,41.605305,4.041618>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.994681,39.933304,4.550395>,0.124887
<-0.472049,40.367954,3.699847>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.472049,40.367954,3.699847>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.472049,40.367954,3.699847>,0.088295
<-1.854124,40.757744,3.052164>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.854124,40.757744,3.052164>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.854124,40.757744,3.052164>,0.062425
<-3.144362,41.107300,2.579768>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.144362,41.107300,2.579768>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.854124,40.757744,3.052164>,0.062425
<-1.852034,40.876068,1.955826>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.852034,40.876068,1.955826>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.472049,40.367954,3.699847>,0.088295
<-0.363571,40.499924,2.486584>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.363571,40.499924,2.486584>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.363571,40.499924,2.486584>,0.062425
<-0.361481,40.618252,1.390245>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.361481,40.618252,1.390245>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.363571,40.499924,2.486584>,0.062425
<0.442080,40.539154,2.195089>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.442080,40.539154,2.195089>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.397524,35.705593,1.315839>,0.249849
<0.340187,37.150520,2.498420>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.340187,37.150520,2.498420>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.340187,37.150520,2.498420>,0.176643
<-1.413411,38.447342,3.721327>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.413411,38.447342,3.721327>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.413411,38.447342,3.721327>,0.124887
<-2.891229,39.611225,4.956571>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.891229,39.611225,4.956571>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.891229,39.611225,4.956571>,0.088295
<-4.120561,40.655800,6.181225>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.120561,40.655800,6.181225>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.120561,40.655800,6.181225>,0.062425
<-5.127705,41.593288,7.376856>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.127705,41.593288,7.376856>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.120561,40.655800,6.181225>,0.062425
<-5.410800,41.005356,5.708829>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.410800,41.005356,5.708829>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.891229,39.611225,4.956571>,0.088295
<-4.273304,40.001015,4.308888>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.273304,40.001015,4.308888>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.273304,40.001015,4.308888>,0.062425
<-5.563542,40.350571,3.836493>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.563542,40.350571,3.836493>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.273304,40.001015,4.308888>,0.062425
<-4.271214,40.119339,3.212550>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.271214,40.119339,3.212550>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.413411,38.447342,3.721327>,0.124887
<-2.880141,38.881992,2.870778>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.880141,38.881992,2.870778>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.880141,38.881992,2.870778>,0.088295
<-4.262216,39.271778,2.223096>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.262216,39.271778,2.223096>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.262216,39.271778,2.223096>,0.062425
<-5.552454,39.621334,1.750700>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.552454,39.621334,1.750700>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.262216,39.271778,2.223096>,0.062425
<-4.260126,39.390102,1.126757>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.260126,39.390102,1.126757>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.880141,38.881992,2.870778>,0.088295
<-2.771663,39.013958,1.657515>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.771663,39.013958,1.657515>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.771663,39.013958,1.657515>,0.062425
<-2.769574,39.132286,0.561177>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.769574,39.132286,0.561177>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.771663,39.013958,1.657515>,0.062425
<-1.966012,39.053188,1.366020>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.966012,39.053188,1.366020>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.340187,37.150520,2.498420>,0.176643
<-1.200581,37.635197,1.415179>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.200581,37.635197,1.415179>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.200581,37.635197,1.415179>,0.124887
<-2.667311,38.069843,0.564630>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.667311,38.069843,0.564630>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.667311,38.069843,0.564630>,0.088295
<-4.049386,38.459633,-0.083052>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.049386,38.459633,-0.083052>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.049386,38.459633,-0.083052>,0.062425
<-5.339624,38.809189,-0.555448>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.339624,38.809189,-0.555448>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.049386,38.459633,-0.083052>,0.062425
<-4.047296,38.577957,-1.179391>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.047296,38.577957,-1.179391>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.667311,38.069843,0.564630>,0.088295
<-2.558834,38.201813,-0.648632>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.558834,38.201813,-0.648632>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.558834,38.201813,-0.648632>,0.062425
<-2.556744,38.320141,-1.744971>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.556744,38.320141,-1.744971>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.558834,38.201813,-0.648632>,0.062425
<-1.753182,38.241043,-0.940127>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.753182,38.241043,-0.940127>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.200581,37.635197,1.415179>,0.124887
<-0.963028,37.782383,0.082804>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.963028,37.782383,0.082804>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.963028,37.782383,0.082804>,0.088295
<-0.854550,37.914352,-1.130459>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.854550,37.914352,-1.130459>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.854550,37.914352,-1.130459>,0.062425
<-0.852460,38.032677,-2.226797>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.852460,38.032677,-2.226797>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.854550,37.914352,-1.130459>,0.062425
<-0.048898,37.953579,-1.421954>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.048898,37.953579,-1.421954>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.963028,37.782383,0.082804>,0.088295
<-0.043045,37.826134,-0.161826>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.043045,37.826134,-0.161826>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.043045,37.826134,-0.161826>,0.062425
<0.762607,37.865364,-0.453321>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.762607,37.865364,-0.453321>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.043045,37.826134,-0.161826>,0.062425
<0.384684,37.839088,0.349899>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.384684,37.839088,0.349899>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.965752,-0.784402>,0.707000
<-5.709739,21.618116,-1.016453>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.709739,21.618116,-1.016453>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.709739,21.618116,-1.016453>,0.499849
<-10.850615,23.997763,-0.776471>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.850615,23.997763,-0.776471>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.850615,23.997763,-0.776471>,0.353393
<-15.444045,26.132723,-0.157643>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.444045,26.132723,-0.157643>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.444045,26.132723,-0.157643>,0.249849
<-19.516569,28.048149,0.758101>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.516569,28.048149,0.758101>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.516569,28.048149,0.758101>,0.176643
<-23.098429,29.766607,1.899338>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.098429,29.766607,1.899338>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.098429,29.766607,1.899338>,0.124887
<-26.222368,31.308348,3.204362>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.222368,31.308348,3.204362>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.222368,31.308348,3.204362>,0.088295
<-28.922609,32.691536,4.620380>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.922609,32.691536,4.620380>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.922609,32.691536,4.620380>,0.062425
<-31.234007,33.932476,6.102715>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.234007,33.932476,6.102715>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.922609,32.691536,4.620380>,0.062425
<-30.752913,33.132832,3.224684>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.752913,33.132832,3.224684>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.222368,31.308348,3.204362>,0.088295
<-28.112885,31.800480,1.482477>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.112885,31.800480,1.482477>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.112885,31.800480,1.482477>,0.062425
<-29.943188,32.241772,0.086781>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.943188,32.241772,0.086781>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.112885,31.800480,1.482477>,0.062425
<-27.571774,31.948254,-0.251916>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.571774,31.948254,-0.251916>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.098429,29.766607,1.899338>,0.124887
<-25.023998,30.315435,-0.189378>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.023998,30.315435,-0.189378>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.023998,30.315435,-0.189378>,0.088295
<-26.914515,30.807566,-1.911263>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.914515,30.807566,-1.911263>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.914515,30.807566,-1.911263>,0.062425
<-28.744818,31.248859,-3.306959>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.744818,31.248859,-3.306959>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.914515,30.807566,-1.911263>,0.062425
<-26.373405,30.955339,-3.645656>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.373405,30.955339,-3.645656>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.023998,30.315435,-0.189378>,0.088295
<-24.257114,30.480249,-2.056700>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.257114,30.480249,-2.056700>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.257114,30.480249,-2.056700>,0.062425
<-23.716005,30.628021,-3.791093>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.716005,30.628021,-3.791093>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.257114,30.480249,-2.056700>,0.062425
<-22.841732,30.529140,-2.122772>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.841732,30.529140,-2.122772>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.516569,28.048149,0.758101>,0.176643
<-21.445414,28.660202,-1.739992>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.445414,28.660202,-1.739992>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.445414,28.660202,-1.739992>,0.124887
<-23.370983,29.209028,-3.828708>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.370983,29.209028,-3.828708>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.370983,29.209028,-3.828708>,0.088295
<-25.261499,29.701160,-5.550593>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.261499,29.701160,-5.550593>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.261499,29.701160,-5.550593>,0.062425
<-27.091803,30.142452,-6.946289>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.091803,30.142452,-6.946289>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.261499,29.701160,-5.550593>,0.062425
<-24.720390,29.848932,-7.284986>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.720390,29.848932,-7.284986>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.370983,29.209028,-3.828708>,0.088295
<-22.604099,29.373842,-5.696030>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.604099,29.373842,-5.696030>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.604099,29.373842,-5.696030>,0.062425
<-22.062990,29.521616,-7.430423>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.062990,29.521616,-7.430423>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.604099,29.373842,-5.696030>,0.062425
<-21.188717,29.422733,-5.762102>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.188717,29.422733,-5.762102>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.445414,28.660202,-1.739992>,0.124887
<-20.415758,28.844023,-3.732583>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.415758,28.844023,-3.732583>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.415758,28.844023,-3.732583>,0.088295
<-19.648874,29.008839,-5.599905>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.648874,29.008839,-5.599905>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.648874,29.008839,-5.599905>,0.062425
<-19.107763,29.156610,-7.334298>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.107763,29.156610,-7.334298>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.648874,29.008839,-5.599905>,0.062425
<-18.233492,29.057728,-5.665977>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.233492,29.057728,-5.665977>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.415758,28.844023,-3.732583>,0.088295
<-18.842705,28.898554,-3.668652>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.842705,28.898554,-3.668652>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.842705,28.898554,-3.668652>,0.062425
<-17.427322,28.947445,-3.734724>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.427322,28.947445,-3.734724>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.842705,28.898554,-3.668652>,0.062425
<-18.417692,28.914694,-2.651269>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.417692,28.914694,-2.651269>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.444045,26.132723,-0.157643>,0.249849
<-17.336874,26.815283,-3.109119>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.336874,26.815283,-3.109119>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.336874,26.815283,-3.109119>,0.176643
<-19.265718,27.427336,-5.607212>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.265718,27.427336,-5.607212>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.265718,27.427336,-5.607212>,0.124887
<-21.191290,27.976164,-7.695928>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.191290,27.976164,-7.695928>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.191290,27.976164,-7.695928>,0.088295
<-23.081806,28.468296,-9.417813>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.081806,28.468296,-9.417813>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.081806,28.468296,-9.417813>,0.062425
<-24.912109,28.909588,-10.813510>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.912109,28.909588,-10.813510>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.081806,28.468296,-9.417813>,0.062425
<-22.540695,28.616068,-11.152206>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.540695,28.616068,-11.152206>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.191290,27.976164,-7.695928>,0.088295
<-20.424404,28.140978,-9.563251>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.424404,28.140978,-9.563251>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.424404,28.140978,-9.563251>,0.062425
<-19.883295,28.288750,-11.297644>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.883295,28.288750,-11.297644>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.424404,28.140978,-9.563251>,0.062425
<-19.009024,28.189869,-9.629322>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.009024,28.189869,-9.629322>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.265718,27.427336,-5.607212>,0.124887
<-18.236063,27.611158,-7.599803>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.236063,27.611158,-7.599803>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.236063,27.611158,-7.599803>,0.088295
<-17.469179,27.775974,-9.467126>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.469179,27.775974,-9.467126>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.469179,27.775974,-9.467126>,0.062425
<-16.928068,27.923746,-11.201519>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.928068,27.923746,-11.201519>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.469179,27.775974,-9.467126>,0.062425
<-16.053797,27.824863,-9.533197>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.053797,27.824863,-9.533197>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.236063,27.611158,-7.599803>,0.088295
<-16.663010,27.665689,-7.535872>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.663010,27.665689,-7.535872>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.663010,27.665689,-7.535872>,0.062425
<-15.247626,27.714581,-7.601944>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.247626,27.714581,-7.601944>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.663010,27.665689,-7.535872>,0.062425
<-16.237997,27.681829,-6.518489>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.237997,27.681829,-6.518489>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.336874,26.815283,-3.109119>,0.176643
<-16.004236,27.020306,-5.214920>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.004236,27.020306,-5.214920>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.004236,27.020306,-5.214920>,0.124887
<-14.974581,27.204128,-7.207511>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.974581,27.204128,-7.207511>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.974581,27.204128,-7.207511>,0.088295
<-14.207697,27.368942,-9.074834>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.207697,27.368942,-9.074834>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.207697,27.368942,-9.074834>,0.062425
<-13.666587,27.516714,-10.809227>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.666587,27.516714,-10.809227>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.207697,27.368942,-9.074834>,0.062425
<-12.792315,27.417833,-9.140905>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.792315,27.417833,-9.140905>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.974581,27.204128,-7.207511>,0.088295
<-13.401527,27.258657,-7.143580>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.401527,27.258657,-7.143580>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.401527,27.258657,-7.143580>,0.062425
<-11.986145,27.307549,-7.209652>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.986145,27.307549,-7.209652>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.401527,27.258657,-7.143580>,0.062425
<-12.976516,27.274797,-6.126197>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.976516,27.274797,-6.126197>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.004236,27.020306,-5.214920>,0.124887
<-14.269250,27.081125,-4.991822>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.269250,27.081125,-4.991822>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.269250,27.081125,-4.991822>,0.088295
<-12.696197,27.135656,-4.927891>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.696197,27.135656,-4.927891>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.696197,27.135656,-4.927891>,0.062425
<-11.280814,27.184547,-4.993963>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.280814,27.184547,-4.993963>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.696197,27.135656,-4.927891>,0.062425
<-12.271185,27.151796,-3.910508>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.271185,27.151796,-3.910508>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.269250,27.081125,-4.991822>,0.088295
<-13.897335,27.099127,-3.824541>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.897335,27.099127,-3.824541>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.897335,27.099127,-3.824541>,0.062425
<-13.472324,27.115267,-2.807158>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.472324,27.115267,-2.807158>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.897335,27.099127,-3.824541>,0.062425
<-14.527908,27.104454,-3.243221>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.527908,27.104454,-3.243221>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.850615,23.997763,-0.776471>,0.353393
<-12.659681,24.758955,-4.226228>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.659681,24.758955,-4.226228>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.659681,24.758955,-4.226228>,0.249849
<-14.552509,25.441515,-7.177704>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.552509,25.441515,-7.177704>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.552509,25.441515,-7.177704>,0.176643
<-16.481354,26.053568,-9.675797>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.481354,26.053568,-9.675797>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.481354,26.053568,-9.675797>,0.124887
<-18.406925,26.602396,-11.764513>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.406925,26.602396,-11.764513>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.406925,26.602396,-11.764513>,0.088295
<-20.297441,27.094528,-13.486399>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.297441,27.094528,-13.486399>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.297441,27.094528,-13.486399>,0.062425
<-22.127745,27.535820,-14.882094>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.127745,27.535820,-14.882094>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.297441,27.094528,-13.486399>,0.062425
<-19.756332,27.242300,-15.220792>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.756332,27.242300,-15.220792>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.406925,26.602396,-11.764513>,0.088295
<-17.640041,26.767210,-13.631836>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.640041,26.767210,-13.631836>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.640041,26.767210,-13.631836>,0.062425
<-17.098930,26.914982,-15.366228>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.098930,26.914982,-15.366228>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.640041,26.767210,-13.631836>,0.062425
<-16.224659,26.816101,-13.697907>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.224659,26.816101,-13.697907>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.481354,26.053568,-9.675797>,0.124887
<-15.451698,26.237391,-11.668388>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.451698,26.237391,-11.668388>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.451698,26.237391,-11.668388>,0.088295
<-14.684814,26.402206,-13.535710>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.684814,26.402206,-13.535710>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.684814,26.402206,-13.535710>,0.062425
<-14.143704,26.549978,-15.270103>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.143704,26.549978,-15.270103>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.684814,26.402206,-13.535710>,0.062425
<-13.269432,26.451096,-13.601783>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.269432,26.451096,-13.601783>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.451698,26.237391,-11.668388>,0.088295
<-13.878645,26.291922,-11.604458>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.878645,26.291922,-11.604458>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.878645,26.291922,-11.604458>,0.062425
<-12.463263,26.340813,-11.670529>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.463263,26.340813,-11.670529>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.878645,26.291922,-11.604458>,0.062425
<-13.453633,26.308062,-10.587074>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.453633,26.308062,-10.587074>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.552509,25.441515,-7.177704>,0.176643
<-13.219872,25.646538,-9.283504>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.219872,25.646538,-9.283504>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.219872,25.646538,-9.283504>,0.124887
<-12.190217,25.830360,-11.276096>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.190217,25.830360,-11.276096>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.190217,25.830360,-11.276096>,0.088295
<-11.423332,25.995174,-13.143418>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.423332,25.995174,-13.143418>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.423332,25.995174,-13.143418>,0.062425
<-10.882222,26.142946,-14.877811>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.882222,26.142946,-14.877811>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.423332,25.995174,-13.143418>,0.062425
<-10.007951,26.044065,-13.209491>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.007951,26.044065,-13.209491>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.190217,25.830360,-11.276096>,0.088295
<-10.617164,25.884890,-11.212165>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.617164,25.884890,-11.212165>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.617164,25.884890,-11.212165>,0.062425
<-9.201781,25.933781,-11.278237>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.201781,25.933781,-11.278237>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.617164,25.884890,-11.212165>,0.062425
<-10.192152,25.901030,-10.194782>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.192152,25.901030,-10.194782>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.219872,25.646538,-9.283504>,0.124887
<-11.484885,25.707357,-9.060408>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.484885,25.707357,-9.060408>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.484885,25.707357,-9.060408>,0.088295
<-9.911832,25.761889,-8.996476>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.911832,25.761889,-8.996476>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.911832,25.761889,-8.996476>,0.062425
<-8.496450,25.810780,-9.062548>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.496450,25.810780,-9.062548>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.911832,25.761889,-8.996476>,0.062425
<-9.486821,25.778028,-7.979093>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.486821,25.778028,-7.979093>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.484885,25.707357,-9.060408>,0.088295
<-11.112971,25.725359,-7.893126>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.112971,25.725359,-7.893126>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.112971,25.725359,-7.893126>,0.062425
<-10.687961,25.741499,-6.875743>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.687961,25.741499,-6.875743>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.112971,25.725359,-7.893126>,0.062425
<-11.743544,25.730686,-7.311806>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.743544,25.730686,-7.311806>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.659681,24.758955,-4.226228>,0.249849
<-10.980726,24.987621,-6.427994>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.980726,24.987621,-6.427994>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.980726,24.987621,-6.427994>,0.176643
<-9.648089,25.192642,-8.533794>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.648089,25.192642,-8.533794>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.648089,25.192642,-8.533794>,0.124887
<-8.618434,25.376465,-10.526386>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.618434,25.376465,-10.526386>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.618434,25.376465,-10.526386>,0.088295
<-7.851549,25.541279,-12.393709>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.851549,25.541279,-12.393709>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.851549,25.541279,-12.393709>,0.062425
<-7.310440,25.689053,-14.128102>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.310440,25.689053,-14.128102>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.851549,25.541279,-12.393709>,0.062425
<-6.436167,25.590170,-12.459781>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.436167,25.590170,-12.459781>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.618434,25.376465,-10.526386>,0.088295
<-7.045380,25.430996,-10.462456>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.045380,25.430996,-10.462456>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.045380,25.430996,-10.462456>,0.062425
<-5.629998,25.479885,-10.528527>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.629998,25.479885,-10.528527>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.045380,25.430996,-10.462456>,0.062425
<-6.620369,25.447134,-9.445072>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.620369,25.447134,-9.445072>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.648089,25.192642,-8.533794>,0.124887
<-7.913102,25.253464,-8.310698>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.913102,25.253464,-8.310698>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.913102,25.253464,-8.310698>,0.088295
<-6.340049,25.307993,-8.246766>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.340049,25.307993,-8.246766>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.340049,25.307993,-8.246766>,0.062425
<-4.924667,25.356884,-8.312839>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.924667,25.356884,-8.312839>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.340049,25.307993,-8.246766>,0.062425
<-5.915038,25.324133,-7.229383>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.915038,25.324133,-7.229383>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.913102,25.253464,-8.310698>,0.088295
<-7.541188,25.271465,-7.143416>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.541188,25.271465,-7.143416>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.541188,25.271465,-7.143416>,0.062425
<-7.116177,25.287603,-6.126033>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.116177,25.287603,-6.126033>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.541188,25.271465,-7.143416>,0.062425
<-8.171761,25.276791,-6.562097>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.171761,25.276791,-6.562097>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.980726,24.987621,-6.427994>,0.176643
<-9.081912,25.055456,-6.013038>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.081912,25.055456,-6.013038>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.081912,25.055456,-6.013038>,0.124887
<-7.346925,25.116278,-5.789940>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.346925,25.116278,-5.789940>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.346925,25.116278,-5.789940>,0.088295
<-5.773871,25.170807,-5.726009>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.773871,25.170807,-5.726009>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773871,25.170807,-5.726009>,0.062425
<-4.358490,25.219698,-5.792081>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.358490,25.219698,-5.792081>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773871,25.170807,-5.726009>,0.062425
<-5.348860,25.186947,-4.708626>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.348860,25.186947,-4.708626>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.346925,25.116278,-5.789940>,0.088295
<-6.975011,25.134279,-4.622660>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.975011,25.134279,-4.622660>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.975011,25.134279,-4.622660>,0.062425
<-6.550000,25.150419,-3.605276>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.550000,25.150419,-3.605276>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.975011,25.134279,-4.622660>,0.062425
<-7.605583,25.139605,-4.041340>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.605583,25.139605,-4.041340>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.081912,25.055456,-6.013038>,0.124887
<-8.783286,25.075535,-4.684979>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.783286,25.075535,-4.684979>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.783286,25.075535,-4.684979>,0.088295
<-8.411371,25.093536,-3.517698>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.411371,25.093536,-3.517698>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.411371,25.093536,-3.517698>,0.062425
<-7.986361,25.109676,-2.500315>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.986361,25.109676,-2.500315>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.411371,25.093536,-3.517698>,0.062425
<-9.041945,25.098862,-2.936378>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.041945,25.098862,-2.936378>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.783286,25.075535,-4.684979>,0.088295
<-9.537551,25.081474,-4.102591>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.537551,25.081474,-4.102591>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.537551,25.081474,-4.102591>,0.062425
<-10.168123,25.086802,-3.521271>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.168123,25.086802,-3.521271>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.537551,25.081474,-4.102591>,0.062425
<-10.130173,25.083233,-4.408823>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.130173,25.083233,-4.408823>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.709739,21.618116,-1.016453>,0.499849
<-7.377856,22.466997,-5.009559>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.377856,22.466997,-5.009559>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.377856,22.466997,-5.009559>,0.353393
<-9.186923,23.228189,-8.459316>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.186923,23.228189,-8.459316>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.186923,23.228189,-8.459316>,0.249849
<-11.079752,23.910751,-11.410792>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.079752,23.910751,-11.410792>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.079752,23.910751,-11.410792>,0.176643
<-13.008597,24.522804,-13.908885>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.008597,24.522804,-13.908885>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.008597,24.522804,-13.908885>,0.124887
<-14.934168,25.071630,-15.997602>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.934168,25.071630,-15.997602>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.934168,25.071630,-15.997602>,0.088295
<-16.824684,25.563763,-17.719486>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.824684,25.563763,-17.719486>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.824684,25.563763,-17.719486>,0.062425
<-18.654987,26.005054,-19.115183>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.654987,26.005054,-19.115183>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.824684,25.563763,-17.719486>,0.062425
<-16.283575,25.711535,-19.453880>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.283575,25.711535,-19.453880>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.934168,25.071630,-15.997602>,0.088295
<-14.167283,25.236444,-17.864925>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167283,25.236444,-17.864925>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.167283,25.236444,-17.864925>,0.062425
<-13.626173,25.384218,-19.599318>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.626173,25.384218,-19.599318>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.167283,25.236444,-17.864925>,0.062425
<-12.751901,25.285336,-17.930996>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.751901,25.285336,-17.930996>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.008597,24.522804,-13.908885>,0.124887
<-11.978941,24.706625,-15.901477>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.978941,24.706625,-15.901477>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.978941,24.706625,-15.901477>,0.088295
<-11.212056,24.871441,-17.768799>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.212056,24.871441,-17.768799>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.212056,24.871441,-17.768799>,0.062425
<-10.670947,25.019213,-19.503193>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.670947,25.019213,-19.503193>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.212056,24.871441,-17.768799>,0.062425
<-9.796675,24.920332,-17.834871>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.796675,24.920332,-17.834871>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.978941,24.706625,-15.901477>,0.088295
<-10.405888,24.761156,-15.837546>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.405888,24.761156,-15.837546>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.405888,24.761156,-15.837546>,0.062425
<-8.990505,24.810047,-15.903618>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.990505,24.810047,-15.903618>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.405888,24.761156,-15.837546>,0.062425
<-9.980876,24.777296,-14.820163>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.980876,24.777296,-14.820163>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.079752,23.910751,-11.410792>,0.176643
<-9.747115,24.115772,-13.516593>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.747115,24.115772,-13.516593>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.747115,24.115772,-13.516593>,0.124887
<-8.717460,24.299595,-15.509185>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.717460,24.299595,-15.509185>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.717460,24.299595,-15.509185>,0.088295
<-7.950575,24.464409,-17.376507>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.950575,24.464409,-17.376507>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.950575,24.464409,-17.376507>,0.062425
<-7.409465,24.612183,-19.110901>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.409465,24.612183,-19.110901>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.950575,24.464409,-17.376507>,0.062425
<-6.535193,24.513300,-17.442579>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.535193,24.513300,-17.442579>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.717460,24.299595,-15.509185>,0.088295
<-7.144406,24.354126,-15.445253>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.144406,24.354126,-15.445253>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.144406,24.354126,-15.445253>,0.062425
<-5.729023,24.403015,-15.511326>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.729023,24.403015,-15.511326>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.144406,24.354126,-15.445253>,0.062425
<-6.719395,24.370264,-14.427871>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.719395,24.370264,-14.427871>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.747115,24.115772,-13.516593>,0.124887
<-8.012128,24.176594,-13.293495>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.012128,24.176594,-13.293495>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.012128,24.176594,-13.293495>,0.088295
<-6.439075,24.231123,-13.229565>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.439075,24.231123,-13.229565>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.439075,24.231123,-13.229565>,0.062425
<-5.023693,24.280014,-13.295636>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.023693,24.280014,-13.295636>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.439075,24.231123,-13.229565>,0.062425
<-6.014063,24.247263,-12.212181>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.014063,24.247263,-12.212181>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.012128,24.176594,-13.293495>,0.088295
<-7.640214,24.194595,-12.126214>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.640214,24.194595,-12.126214>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.640214,24.194595,-12.126214>,0.062425
<-7.215203,24.210733,-11.108831>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.215203,24.210733,-11.108831>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.640214,24.194595,-12.126214>,0.062425
<-8.270786,24.199921,-11.544894>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.270786,24.199921,-11.544894>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.186923,23.228189,-8.459316>,0.249849
<-7.507968,23.456856,-10.661082>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.507968,23.456856,-10.661082>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.507968,23.456856,-10.661082>,0.176643
<-6.175332,23.661877,-12.766883>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.175332,23.661877,-12.766883>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.175332,23.661877,-12.766883>,0.124887
<-5.145676,23.845699,-14.759475>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.145676,23.845699,-14.759475>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.145676,23.845699,-14.759475>,0.088295
<-4.378791,24.010513,-16.626797>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.378791,24.010513,-16.626797>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.378791,24.010513,-16.626797>,0.062425
<-3.837682,24.158287,-18.361191>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.837682,24.158287,-18.361191>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.378791,24.010513,-16.626797>,0.062425
<-2.963409,24.059404,-16.692869>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.963409,24.059404,-16.692869>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.145676,23.845699,-14.759475>,0.088295
<-3.572622,23.900230,-14.695544>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.572622,23.900230,-14.695544>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.572622,23.900230,-14.695544>,0.062425
<-2.157240,23.949120,-14.761616>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.157240,23.949120,-14.761616>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.572622,23.900230,-14.695544>,0.062425
<-3.147611,23.916370,-13.678161>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.147611,23.916370,-13.678161>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.175332,23.661877,-12.766883>,0.124887
<-4.440344,23.722698,-12.543786>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.440344,23.722698,-12.543786>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.440344,23.722698,-12.543786>,0.088295
<-2.867291,23.777227,-12.479855>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.867291,23.777227,-12.479855>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.867291,23.777227,-12.479855>,0.062425
<-1.451909,23.826118,-12.545927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.451909,23.826118,-12.545927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.867291,23.777227,-12.479855>,0.062425
<-2.442280,23.793367,-11.462472>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.442280,23.793367,-11.462472>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.440344,23.722698,-12.543786>,0.088295
<-4.068430,23.740700,-11.376505>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.068430,23.740700,-11.376505>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.068430,23.740700,-11.376505>,0.062425
<-3.643419,23.756840,-10.359121>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.643419,23.756840,-10.359121>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.068430,23.740700,-11.376505>,0.062425
<-4.699003,23.746025,-10.795185>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.699003,23.746025,-10.795185>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.507968,23.456856,-10.661082>,0.176643
<-5.609154,23.524691,-10.246126>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.609154,23.524691,-10.246126>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.609154,23.524691,-10.246126>,0.124887
<-3.874167,23.585512,-10.023029>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.874167,23.585512,-10.023029>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.874167,23.585512,-10.023029>,0.088295
<-2.301113,23.640041,-9.959098>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.301113,23.640041,-9.959098>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.301113,23.640041,-9.959098>,0.062425
<-0.885731,23.688932,-10.025169>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.885731,23.688932,-10.025169>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.301113,23.640041,-9.959098>,0.062425
<-1.876102,23.656181,-8.941714>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.876102,23.656181,-8.941714>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.874167,23.585512,-10.023029>,0.088295
<-3.502253,23.603514,-8.855747>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.502253,23.603514,-8.855747>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.502253,23.603514,-8.855747>,0.062425
<-3.077241,23.619654,-7.838365>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.077241,23.619654,-7.838365>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.502253,23.603514,-8.855747>,0.062425
<-4.132825,23.608839,-8.274428>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.132825,23.608839,-8.274428>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.609154,23.524691,-10.246126>,0.124887
<-5.310528,23.544769,-8.918068>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.310528,23.544769,-8.918068>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.310528,23.544769,-8.918068>,0.088295
<-4.938614,23.562771,-7.750786>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.938614,23.562771,-7.750786>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.938614,23.562771,-7.750786>,0.062425
<-4.513603,23.578911,-6.733403>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.513603,23.578911,-6.733403>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.938614,23.562771,-7.750786>,0.062425
<-5.569186,23.568096,-7.169466>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.569186,23.568096,-7.169466>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.310528,23.544769,-8.918068>,0.088295
<-6.064793,23.550711,-8.335679>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.064793,23.550711,-8.335679>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.064793,23.550711,-8.335679>,0.062425
<-6.695365,23.556036,-7.754360>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.695365,23.556036,-7.754360>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.064793,23.550711,-8.335679>,0.062425
<-6.657415,23.552467,-8.641912>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.657415,23.552467,-8.641912>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.377856,22.466997,-5.009559>,0.353393
<-5.306285,22.722034,-7.284008>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.306285,22.722034,-7.284008>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.306285,22.722034,-7.284008>,0.249849
<-3.627330,22.950701,-9.485774>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.627330,22.950701,-9.485774>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.627330,22.950701,-9.485774>,0.176643
<-2.294694,23.155722,-11.591575>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.294694,23.155722,-11.591575>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.294694,23.155722,-11.591575>,0.124887
<-1.265038,23.339544,-13.584167>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.265038,23.339544,-13.584167>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.265038,23.339544,-13.584167>,0.088295
<-0.498154,23.504360,-15.451488>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.498154,23.504360,-15.451488>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.498154,23.504360,-15.451488>,0.062425
<0.042956,23.652132,-17.185881>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.042956,23.652132,-17.185881>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.498154,23.504360,-15.451488>,0.062425
<0.917229,23.553249,-15.517561>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.917229,23.553249,-15.517561>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.265038,23.339544,-13.584167>,0.088295
<0.308016,23.394075,-13.520235>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.308016,23.394075,-13.520235>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.308016,23.394075,-13.520235>,0.062425
<1.723398,23.442966,-13.586308>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.723398,23.442966,-13.586308>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.308016,23.394075,-13.520235>,0.062425
<0.733027,23.410215,-12.502852>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.733027,23.410215,-12.502852>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.294694,23.155722,-11.591575>,0.124887
<-0.559707,23.216543,-11.368477>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.559707,23.216543,-11.368477>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.559707,23.216543,-11.368477>,0.088295
<1.013347,23.271072,-11.304546>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.013347,23.271072,-11.304546>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.013347,23.271072,-11.304546>,0.062425
<2.428729,23.319963,-11.370618>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.428729,23.319963,-11.370618>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.013347,23.271072,-11.304546>,0.062425
<1.438358,23.287212,-10.287163>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.438358,23.287212,-10.287163>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.559707,23.216543,-11.368477>,0.088295
<-0.187792,23.234545,-10.201196>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.187792,23.234545,-10.201196>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.187792,23.234545,-10.201196>,0.062425
<0.237219,23.250685,-9.183813>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.237219,23.250685,-9.183813>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.187792,23.234545,-10.201196>,0.062425
<-0.818365,23.239870,-9.619876>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.818365,23.239870,-9.619876>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.627330,22.950701,-9.485774>,0.176643
<-1.728516,23.018536,-9.070818>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.728516,23.018536,-9.070818>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.728516,23.018536,-9.070818>,0.124887
<0.006471,23.079357,-8.847720>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.006471,23.079357,-8.847720>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.006471,23.079357,-8.847720>,0.088295
<1.579524,23.133886,-8.783790>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.579524,23.133886,-8.783790>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.579524,23.133886,-8.783790>,0.062425
<2.994906,23.182777,-8.849861>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.994906,23.182777,-8.849861>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.579524,23.133886,-8.783790>,0.062425
<2.004536,23.150026,-7.766406>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.004536,23.150026,-7.766406>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.006471,23.079357,-8.847720>,0.088295
<0.378385,23.097359,-7.680439>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.378385,23.097359,-7.680439>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.378385,23.097359,-7.680439>,0.062425
<0.803396,23.113499,-6.663056>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.803396,23.113499,-6.663056>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.378385,23.097359,-7.680439>,0.062425
<-0.252188,23.102684,-7.099120>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.252188,23.102684,-7.099120>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.728516,23.018536,-9.070818>,0.124887
<-1.429890,23.038614,-7.742759>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.429890,23.038614,-7.742759>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.429890,23.038614,-7.742759>,0.088295
<-1.057976,23.056616,-6.575478>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.057976,23.056616,-6.575478>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.057976,23.056616,-6.575478>,0.062425
<-0.632965,23.072756,-5.558095>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.632965,23.072756,-5.558095>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.057976,23.056616,-6.575478>,0.062425
<-1.688549,23.061943,-5.994158>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.688549,23.061943,-5.994158>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.429890,23.038614,-7.742759>,0.088295
<-2.184155,23.044556,-7.160371>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.184155,23.044556,-7.160371>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184155,23.044556,-7.160371>,0.062425
<-2.814728,23.049881,-6.579051>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.814728,23.049881,-6.579051>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.184155,23.044556,-7.160371>,0.062425
<-2.776777,23.046312,-7.466603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.776777,23.046312,-7.466603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.306285,22.722034,-7.284008>,0.249849
<-3.244714,22.797695,-6.640822>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.244714,22.797695,-6.640822>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.244714,22.797695,-6.640822>,0.176643
<-1.345899,22.865532,-6.225866>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.345899,22.865532,-6.225866>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.345899,22.865532,-6.225866>,0.124887
<0.389088,22.926352,-6.002769>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.389088,22.926352,-6.002769>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.389088,22.926352,-6.002769>,0.088295
<1.962141,22.980881,-5.938838>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.962141,22.980881,-5.938838>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.962141,22.980881,-5.938838>,0.062425
<3.377523,23.029772,-6.004909>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.377523,23.029772,-6.004909>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.962141,22.980881,-5.938838>,0.062425
<2.387152,22.997021,-4.921454>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.387152,22.997021,-4.921454>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.389088,22.926352,-6.002769>,0.088295
<0.761002,22.944353,-4.835487>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.761002,22.944353,-4.835487>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.761002,22.944353,-4.835487>,0.062425
<1.186013,22.960493,-3.818104>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.186013,22.960493,-3.818104>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.761002,22.944353,-4.835487>,0.062425
<0.130429,22.949678,-4.254168>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.130429,22.949678,-4.254168>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.345899,22.865532,-6.225866>,0.124887
<-1.047273,22.885609,-4.897807>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.047273,22.885609,-4.897807>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.047273,22.885609,-4.897807>,0.088295
<-0.675359,22.903610,-3.730526>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.675359,22.903610,-3.730526>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.675359,22.903610,-3.730526>,0.062425
<-0.250348,22.919750,-2.713143>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.250348,22.919750,-2.713143>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.675359,22.903610,-3.730526>,0.062425
<-1.305932,22.908937,-3.149206>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.305932,22.908937,-3.149206>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.047273,22.885609,-4.897807>,0.088295
<-1.801538,22.891550,-4.315419>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.801538,22.891550,-4.315419>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.801538,22.891550,-4.315419>,0.062425
<-2.432111,22.896875,-3.734099>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.432111,22.896875,-3.734099>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.801538,22.891550,-4.315419>,0.062425
<-2.394160,22.893307,-4.621652>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394160,22.893307,-4.621652>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.244714,22.797695,-6.640822>,0.176643
<-3.042778,22.820089,-5.141899>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.042778,22.820089,-5.141899>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.042778,22.820089,-5.141899>,0.124887
<-2.744152,22.840168,-3.813840>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.744152,22.840168,-3.813840>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.744152,22.840168,-3.813840>,0.088295
<-2.372238,22.858170,-2.646559>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.372238,22.858170,-2.646559>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.372238,22.858170,-2.646559>,0.062425
<-1.947227,22.874310,-1.629176>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.947227,22.874310,-1.629176>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.372238,22.858170,-2.646559>,0.062425
<-3.002811,22.863495,-2.065239>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.002811,22.863495,-2.065239>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.744152,22.840168,-3.813840>,0.088295
<-3.498417,22.846107,-3.231452>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.498417,22.846107,-3.231452>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.498417,22.846107,-3.231452>,0.062425
<-4.128990,22.851433,-2.650132>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.128990,22.851433,-2.650132>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.498417,22.846107,-3.231452>,0.062425
<-4.091039,22.847864,-3.537685>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.091039,22.847864,-3.537685>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.042778,22.820089,-5.141899>,0.124887
<-3.934060,22.826715,-4.570306>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.934060,22.826715,-4.570306>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.934060,22.826715,-4.570306>,0.088295
<-4.688324,22.832655,-3.987918>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.688324,22.832655,-3.987918>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.688324,22.832655,-3.987918>,0.062425
<-5.318897,22.837980,-3.406598>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.318897,22.837980,-3.406598>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.688324,22.832655,-3.987918>,0.062425
<-5.280947,22.834412,-4.294150>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.280947,22.834412,-4.294150>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.934060,22.826715,-4.570306>,0.088295
<-4.560367,22.828674,-4.966659>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.560367,22.828674,-4.966659>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.560367,22.828674,-4.966659>,0.062425
<-5.152989,22.830433,-5.272892>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.152989,22.830433,-5.272892>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.560367,22.828674,-4.966659>,0.062425
<-4.494197,22.829254,-5.481254>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.494197,22.829254,-5.481254>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,12.958328,6.344154>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.958328,6.344154>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.958328,6.344154>,0.707000
<-0.549081,15.610691,12.032166>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.549081,15.610691,12.032166>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.549081,15.610691,12.032166>,0.499849
<-0.595236,17.990337,17.178432>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.595236,17.990337,17.178432>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.595236,17.990337,17.178432>,0.353393
<-0.232701,20.125298,21.799160>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.232701,20.125298,21.799160>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.232701,20.125298,21.799160>,0.249849
<0.455247,22.040724,25.916290>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.455247,22.040724,25.916290>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.455247,22.040724,25.916290>,0.176643
<1.395614,23.759184,29.556049>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.395614,23.759184,29.556049>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.395614,23.759184,29.556049>,0.124887
<2.524969,25.300924,32.747704>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.524969,25.300924,32.747704>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.524969,25.300924,32.747704>,0.088295
<3.788699,26.684113,35.522480>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.788699,26.684113,35.522480>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.788699,26.684113,35.522480>,0.062425
<5.140258,27.925051,37.912704>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.140258,27.925051,37.912704>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.788699,26.684113,35.522480>,0.062425
<2.293419,27.125406,37.272373>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.293419,27.125406,37.272373>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.524969,25.300924,32.747704>,0.088295
<0.700658,25.793056,34.539581>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.700658,25.793056,34.539581>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.700658,25.793056,34.539581>,0.062425
<-0.794622,26.234348,36.289471>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.794622,26.234348,36.289471>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.700658,25.793056,34.539581>,0.062425
<-1.000974,25.940828,33.902897>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000974,25.940828,33.902897>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.395614,23.759184,29.556049>,0.124887
<-0.796910,24.308010,31.362537>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.796910,24.308010,31.362537>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.796910,24.308010,31.362537>,0.088295
<-2.621221,24.800142,33.154415>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.621221,24.800142,33.154415>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.621221,24.800142,33.154415>,0.062425
<-4.116500,25.241436,34.904308>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.116500,25.241436,34.904308>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.621221,24.800142,33.154415>,0.062425
<-4.322853,24.947914,32.517735>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.322853,24.947914,32.517735>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.796910,24.308010,31.362537>,0.088295
<-2.618716,24.472824,30.493040>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.618716,24.472824,30.493040>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.618716,24.472824,30.493040>,0.062425
<-4.320348,24.620598,29.856358>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.320348,24.620598,29.856358>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.618716,24.472824,30.493040>,0.062425
<-2.606009,24.521715,29.076174>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606009,24.521715,29.076174>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.455247,22.040724,25.916290>,0.176643
<-2.146202,22.652777,27.703291>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.146202,22.652777,27.703291>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.146202,22.652777,27.703291>,0.124887
<-4.338726,23.201603,29.509779>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.338726,23.201603,29.509779>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.338726,23.201603,29.509779>,0.088295
<-6.163037,23.693735,31.301657>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.163037,23.693735,31.301657>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.163037,23.693735,31.301657>,0.062425
<-7.658317,24.135029,33.051548>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.658317,24.135029,33.051548>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.163037,23.693735,31.301657>,0.062425
<-7.864670,23.841507,30.664974>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.864670,23.841507,30.664974>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.338726,23.201603,29.509779>,0.088295
<-6.160532,23.366419,28.640282>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.160532,23.366419,28.640282>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.160532,23.366419,28.640282>,0.062425
<-7.862164,23.514191,28.003597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.862164,23.514191,28.003597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.160532,23.366419,28.640282>,0.062425
<-6.147825,23.415308,27.223415>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.147825,23.415308,27.223415>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.146202,22.652777,27.703291>,0.124887
<-4.078477,22.836599,26.564465>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.078477,22.836599,26.564465>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.078477,22.836599,26.564465>,0.088295
<-5.900283,23.001413,25.694967>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.900283,23.001413,25.694967>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.900283,23.001413,25.694967>,0.062425
<-7.601916,23.149185,25.058285>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.601916,23.149185,25.058285>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.900283,23.001413,25.694967>,0.062425
<-5.887576,23.050304,24.278101>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.887576,23.050304,24.278101>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.078477,22.836599,26.564465>,0.088295
<-3.927204,22.891129,24.997398>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.927204,22.891129,24.997398>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.927204,22.891129,24.997398>,0.062425
<-3.914496,22.940020,23.580532>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.914496,22.940020,23.580532>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.927204,22.891129,24.997398>,0.062425
<-2.887768,22.907269,24.629597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.887768,22.907269,24.629597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.232701,20.125298,21.799160>,0.249849
<-3.284830,20.807859,23.524998>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.284830,20.807859,23.524998>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.284830,20.807859,23.524998>,0.176643
<-5.886280,21.419912,25.311998>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.886280,21.419912,25.311998>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.886280,21.419912,25.311998>,0.124887
<-8.078804,21.968739,27.118486>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.078804,21.968739,27.118486>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.078804,21.968739,27.118486>,0.088295
<-9.903115,22.460871,28.910364>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.903115,22.460871,28.910364>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.903115,22.460871,28.910364>,0.062425
<-11.398395,22.902164,30.660255>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.398395,22.902164,30.660255>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.903115,22.460871,28.910364>,0.062425
<-11.604748,22.608643,28.273682>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.604748,22.608643,28.273682>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.078804,21.968739,27.118486>,0.088295
<-9.900610,22.133554,26.248989>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.900610,22.133554,26.248989>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.900610,22.133554,26.248989>,0.062425
<-11.602242,22.281326,25.612305>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.602242,22.281326,25.612305>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.900610,22.133554,26.248989>,0.062425
<-9.887903,22.182444,24.832123>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.887903,22.182444,24.832123>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.886280,21.419912,25.311998>,0.124887
<-7.818555,21.603735,24.173172>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.818555,21.603735,24.173172>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.818555,21.603735,24.173172>,0.088295
<-9.640362,21.768549,23.303675>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.640362,21.768549,23.303675>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.640362,21.768549,23.303675>,0.062425
<-11.341994,21.916321,22.666992>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.341994,21.916321,22.666992>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.640362,21.768549,23.303675>,0.062425
<-9.627654,21.817440,21.886808>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.627654,21.817440,21.886808>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.818555,21.603735,24.173172>,0.088295
<-7.667281,21.658264,22.606104>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.667281,21.658264,22.606104>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.667281,21.658264,22.606104>,0.062425
<-7.654574,21.707155,21.189238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.654574,21.707155,21.189238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.667281,21.658264,22.606104>,0.062425
<-6.627846,21.674404,22.238304>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.627846,21.674404,22.238304>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.284830,20.807859,23.524998>,0.176643
<-5.313298,21.012880,22.077366>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.313298,21.012880,22.077366>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.313298,21.012880,22.077366>,0.124887
<-7.245573,21.196703,20.938540>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.245573,21.196703,20.938540>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245573,21.196703,20.938540>,0.088295
<-9.067379,21.361519,20.069042>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.067379,21.361519,20.069042>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.067379,21.361519,20.069042>,0.062425
<-10.769011,21.509291,19.432360>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.769011,21.509291,19.432360>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.067379,21.361519,20.069042>,0.062425
<-9.054672,21.410408,18.652176>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.054672,21.410408,18.652176>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245573,21.196703,20.938540>,0.088295
<-7.094299,21.251234,19.371471>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.094299,21.251234,19.371471>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.094299,21.251234,19.371471>,0.062425
<-7.081592,21.300125,17.954605>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.081592,21.300125,17.954605>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.094299,21.251234,19.371471>,0.062425
<-6.054864,21.267374,19.003672>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.054864,21.267374,19.003672>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.313298,21.012880,22.077366>,0.124887
<-4.994102,21.073702,20.357464>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.994102,21.073702,20.357464>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.994102,21.073702,20.357464>,0.088295
<-4.842829,21.128231,18.790396>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.842829,21.128231,18.790396>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.842829,21.128231,18.790396>,0.062425
<-4.830121,21.177122,17.373529>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.830121,21.177122,17.373529>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.842829,21.128231,18.790396>,0.062425
<-3.803393,21.144371,18.422594>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.803393,21.144371,18.422594>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.994102,21.073702,20.357464>,0.088295
<-3.807952,21.091703,20.051010>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.807952,21.091703,20.051010>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.807952,21.091703,20.051010>,0.062425
<-2.768517,21.107843,19.683208>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.768517,21.107843,19.683208>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.807952,21.091703,20.051010>,0.062425
<-3.262583,21.097029,20.712921>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.262583,21.097029,20.712921>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.595236,17.990337,17.178432>,0.353393
<-4.140221,18.751530,18.792940>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.140221,18.751530,18.792940>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.140221,18.751530,18.792940>,0.249849
<-7.192350,19.434092,20.518778>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.192350,19.434092,20.518778>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.192350,19.434092,20.518778>,0.176643
<-9.793799,20.046144,22.305779>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.793799,20.046144,22.305779>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.793799,20.046144,22.305779>,0.124887
<-11.986323,20.594971,24.112267>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.986323,20.594971,24.112267>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.986323,20.594971,24.112267>,0.088295
<-13.810635,21.087103,25.904144>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.810635,21.087103,25.904144>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.810635,21.087103,25.904144>,0.062425
<-15.305914,21.528397,27.654036>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.305914,21.528397,27.654036>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.810635,21.087103,25.904144>,0.062425
<-15.512267,21.234875,25.267462>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.512267,21.234875,25.267462>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.986323,20.594971,24.112267>,0.088295
<-13.808129,20.759787,23.242769>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.808129,20.759787,23.242769>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.808129,20.759787,23.242769>,0.062425
<-15.509762,20.907558,22.606085>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.509762,20.907558,22.606085>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.808129,20.759787,23.242769>,0.062425
<-13.795423,20.808676,21.825903>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.795423,20.808676,21.825903>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.793799,20.046144,22.305779>,0.124887
<-11.726074,20.229967,21.166952>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.726074,20.229967,21.166952>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.726074,20.229967,21.166952>,0.088295
<-13.547881,20.394781,20.297455>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.547881,20.394781,20.297455>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.547881,20.394781,20.297455>,0.062425
<-15.249514,20.542553,19.660770>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.249514,20.542553,19.660770>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.547881,20.394781,20.297455>,0.062425
<-13.535173,20.443672,18.880589>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.535173,20.443672,18.880589>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.726074,20.229967,21.166952>,0.088295
<-11.574800,20.284496,19.599884>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.574800,20.284496,19.599884>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.574800,20.284496,19.599884>,0.062425
<-11.562094,20.333387,18.183018>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.562094,20.333387,18.183018>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.574800,20.284496,19.599884>,0.062425
<-10.535365,20.300636,19.232084>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.535365,20.300636,19.232084>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.192350,19.434092,20.518778>,0.176643
<-9.220818,19.639112,19.071146>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.220818,19.639112,19.071146>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.220818,19.639112,19.071146>,0.124887
<-11.153092,19.822935,17.932320>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.153092,19.822935,17.932320>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.153092,19.822935,17.932320>,0.088295
<-12.974898,19.987751,17.062822>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.974898,19.987751,17.062822>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.974898,19.987751,17.062822>,0.062425
<-14.676531,20.135523,16.426138>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.676531,20.135523,16.426138>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.974898,19.987751,17.062822>,0.062425
<-12.962192,20.036640,15.645956>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.962192,20.036640,15.645956>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.153092,19.822935,17.932320>,0.088295
<-11.001819,19.877466,16.365252>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.001819,19.877466,16.365252>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.001819,19.877466,16.365252>,0.062425
<-10.989111,19.926357,14.948385>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.989111,19.926357,14.948385>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.001819,19.877466,16.365252>,0.062425
<-9.962383,19.893606,15.997452>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.962383,19.893606,15.997452>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.220818,19.639112,19.071146>,0.124887
<-8.901622,19.699934,17.351242>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.901622,19.699934,17.351242>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.901622,19.699934,17.351242>,0.088295
<-8.750348,19.754463,15.784175>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.750348,19.754463,15.784175>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.750348,19.754463,15.784175>,0.062425
<-8.737640,19.803354,14.367309>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.737640,19.803354,14.367309>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.750348,19.754463,15.784175>,0.062425
<-7.710913,19.770603,15.416375>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.710913,19.770603,15.416375>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.901622,19.699934,17.351242>,0.088295
<-7.715472,19.717936,17.044790>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.715472,19.717936,17.044790>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.715472,19.717936,17.044790>,0.062425
<-6.676036,19.734076,16.676989>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.676036,19.734076,16.676989>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.715472,19.717936,17.044790>,0.062425
<-7.170103,19.723261,17.706701>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.170103,19.723261,17.706701>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.140221,18.751530,18.792940>,0.249849
<-6.245254,18.980196,16.994192>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.245254,18.980196,16.994192>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.245254,18.980196,16.994192>,0.176643
<-8.273722,19.185219,15.546559>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.273722,19.185219,15.546559>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.273722,19.185219,15.546559>,0.124887
<-10.205997,19.369040,14.407733>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.205997,19.369040,14.407733>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.205997,19.369040,14.407733>,0.088295
<-12.027802,19.533855,13.538236>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.027802,19.533855,13.538236>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.027802,19.533855,13.538236>,0.062425
<-13.729435,19.681627,12.901552>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.729435,19.681627,12.901552>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.027802,19.533855,13.538236>,0.062425
<-12.015096,19.582747,12.121369>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.015096,19.582747,12.121369>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.205997,19.369040,14.407733>,0.088295
<-10.054723,19.423571,12.840666>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.054723,19.423571,12.840666>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.054723,19.423571,12.840666>,0.062425
<-10.042015,19.472462,11.423800>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.042015,19.472462,11.423800>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.054723,19.423571,12.840666>,0.062425
<-9.015287,19.439711,12.472865>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.015287,19.439711,12.472865>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.273722,19.185219,15.546559>,0.124887
<-7.954526,19.246038,13.826656>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.954526,19.246038,13.826656>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.954526,19.246038,13.826656>,0.088295
<-7.803252,19.300570,12.259589>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803252,19.300570,12.259589>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803252,19.300570,12.259589>,0.062425
<-7.790545,19.349459,10.842723>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.790545,19.349459,10.842723>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803252,19.300570,12.259589>,0.062425
<-6.763817,19.316708,11.891788>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.763817,19.316708,11.891788>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.954526,19.246038,13.826656>,0.088295
<-6.768376,19.264040,13.520203>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.768376,19.264040,13.520203>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.768376,19.264040,13.520203>,0.062425
<-5.728940,19.280180,13.152403>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.728940,19.280180,13.152403>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.768376,19.264040,13.520203>,0.062425
<-6.223007,19.269365,14.182115>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.223007,19.269365,14.182115>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.245254,18.980196,16.994192>,0.176643
<-5.725389,19.048033,15.121379>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.725389,19.048033,15.121379>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.725389,19.048033,15.121379>,0.124887
<-5.406194,19.108852,13.401476>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.406194,19.108852,13.401476>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.406194,19.108852,13.401476>,0.088295
<-5.254920,19.163383,11.834409>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.254920,19.163383,11.834409>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.254920,19.163383,11.834409>,0.062425
<-5.242213,19.212273,10.417542>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.242213,19.212273,10.417542>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.254920,19.163383,11.834409>,0.062425
<-4.215485,19.179523,11.466608>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.215485,19.179523,11.466608>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.406194,19.108852,13.401476>,0.088295
<-4.220044,19.126854,13.095023>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.220044,19.126854,13.095023>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.220044,19.126854,13.095023>,0.062425
<-3.180609,19.142994,12.727222>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.180609,19.142994,12.727222>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.220044,19.126854,13.095023>,0.062425
<-3.674675,19.132179,13.756934>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.674675,19.132179,13.756934>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.725389,19.048033,15.121379>,0.124887
<-4.382785,19.068110,14.897038>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.382785,19.068110,14.897038>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.382785,19.068110,14.897038>,0.088295
<-3.196635,19.086111,14.590585>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.196635,19.086111,14.590585>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.196635,19.086111,14.590585>,0.062425
<-2.157199,19.102251,14.222784>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.157199,19.102251,14.222784>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.196635,19.086111,14.590585>,0.062425
<-2.651266,19.091438,15.252496>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.651266,19.091438,15.252496>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.382785,19.068110,14.897038>,0.088295
<-3.843224,19.074051,15.682509>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.843224,19.074051,15.682509>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.843224,19.074051,15.682509>,0.062425
<-3.297855,19.079376,16.344421>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.297855,19.079376,16.344421>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.843224,19.074051,15.682509>,0.062425
<-4.181926,19.075808,16.257193>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.181926,19.075808,16.257193>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.549081,15.610691,12.032166>,0.499849
<-4.628738,16.459572,13.475739>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.628738,16.459572,13.475739>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.628738,16.459572,13.475739>,0.353393
<-8.173723,17.220764,15.090246>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.173723,17.220764,15.090246>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.173723,17.220764,15.090246>,0.249849
<-11.225852,17.903326,16.816084>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.225852,17.903326,16.816084>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.225852,17.903326,16.816084>,0.176643
<-13.827302,18.515379,18.603085>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.827302,18.515379,18.603085>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.827302,18.515379,18.603085>,0.124887
<-16.019827,19.064205,20.409573>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.019827,19.064205,20.409573>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.019827,19.064205,20.409573>,0.088295
<-17.844137,19.556337,22.201452>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.844137,19.556337,22.201452>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.844137,19.556337,22.201452>,0.062425
<-19.339417,19.997631,23.951342>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.339417,19.997631,23.951342>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.844137,19.556337,22.201452>,0.062425
<-19.545771,19.704111,21.564768>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.545771,19.704111,21.564768>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.019827,19.064205,20.409573>,0.088295
<-17.841633,19.229021,19.540075>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.841633,19.229021,19.540075>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.841633,19.229021,19.540075>,0.062425
<-19.543266,19.376793,18.903391>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.543266,19.376793,18.903391>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.841633,19.229021,19.540075>,0.062425
<-17.828926,19.277912,18.123209>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.828926,19.277912,18.123209>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.827302,18.515379,18.603085>,0.124887
<-15.759578,18.699202,17.464258>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.759578,18.699202,17.464258>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.759578,18.699202,17.464258>,0.088295
<-17.581385,18.864016,16.594761>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.581385,18.864016,16.594761>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.581385,18.864016,16.594761>,0.062425
<-19.283016,19.011789,15.958077>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.283016,19.011789,15.958077>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.581385,18.864016,16.594761>,0.062425
<-17.568676,18.912907,15.177895>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.568676,18.912907,15.177895>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.759578,18.699202,17.464258>,0.088295
<-15.608304,18.753731,15.897191>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.608304,18.753731,15.897191>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.608304,18.753731,15.897191>,0.062425
<-15.595596,18.802622,14.480324>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.595596,18.802622,14.480324>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.608304,18.753731,15.897191>,0.062425
<-14.568869,18.769871,15.529390>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.568869,18.769871,15.529390>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.225852,17.903326,16.816084>,0.176643
<-13.254320,18.108349,15.368453>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.254320,18.108349,15.368453>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.254320,18.108349,15.368453>,0.124887
<-15.186595,18.292170,14.229626>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.186595,18.292170,14.229626>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.186595,18.292170,14.229626>,0.088295
<-17.008402,18.456985,13.360128>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.008402,18.456985,13.360128>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.008402,18.456985,13.360128>,0.062425
<-18.710033,18.604757,12.723445>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.710033,18.604757,12.723445>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.008402,18.456985,13.360128>,0.062425
<-16.995693,18.505877,11.943262>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.995693,18.505877,11.943262>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.186595,18.292170,14.229626>,0.088295
<-15.035321,18.346701,12.662559>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.035321,18.346701,12.662559>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.035321,18.346701,12.662559>,0.062425
<-15.022614,18.395592,11.245692>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.022614,18.395592,11.245692>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.035321,18.346701,12.662559>,0.062425
<-13.995886,18.362841,12.294758>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.995886,18.362841,12.294758>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.254320,18.108349,15.368453>,0.124887
<-12.935124,18.169168,13.648549>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.935124,18.169168,13.648549>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.935124,18.169168,13.648549>,0.088295
<-12.783851,18.223700,12.081482>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.783851,18.223700,12.081482>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.783851,18.223700,12.081482>,0.062425
<-12.771143,18.272589,10.664616>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.771143,18.272589,10.664616>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.783851,18.223700,12.081482>,0.062425
<-11.744415,18.239838,11.713681>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.744415,18.239838,11.713681>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.935124,18.169168,13.648549>,0.088295
<-11.748974,18.187170,13.342096>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.748974,18.187170,13.342096>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.748974,18.187170,13.342096>,0.062425
<-10.709539,18.203310,12.974296>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.709539,18.203310,12.974296>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.748974,18.187170,13.342096>,0.062425
<-11.203605,18.192495,14.004007>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.203605,18.192495,14.004007>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.173723,17.220764,15.090246>,0.249849
<-10.278756,17.449430,13.291497>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.278756,17.449430,13.291497>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.278756,17.449430,13.291497>,0.176643
<-12.307224,17.654453,11.843866>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.307224,17.654453,11.843866>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.307224,17.654453,11.843866>,0.124887
<-14.239499,17.838276,10.705039>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.239499,17.838276,10.705039>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.239499,17.838276,10.705039>,0.088295
<-16.061306,18.003090,9.835542>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.061306,18.003090,9.835542>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.061306,18.003090,9.835542>,0.062425
<-17.762938,18.150862,9.198858>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.762938,18.150862,9.198858>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.061306,18.003090,9.835542>,0.062425
<-16.048597,18.051981,8.418675>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.048597,18.051981,8.418675>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.239499,17.838276,10.705039>,0.088295
<-14.088225,17.892805,9.137972>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.088225,17.892805,9.137972>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.088225,17.892805,9.137972>,0.062425
<-14.075518,17.941696,7.721105>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.075518,17.941696,7.721105>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.088225,17.892805,9.137972>,0.062425
<-13.048790,17.908945,8.770171>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.048790,17.908945,8.770171>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.307224,17.654453,11.843866>,0.124887
<-11.988029,17.715273,10.123962>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.988029,17.715273,10.123962>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.988029,17.715273,10.123962>,0.088295
<-11.836755,17.769804,8.556895>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.836755,17.769804,8.556895>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.836755,17.769804,8.556895>,0.062425
<-11.824047,17.818695,7.140029>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.824047,17.818695,7.140029>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.836755,17.769804,8.556895>,0.062425
<-10.797319,17.785944,8.189095>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.797319,17.785944,8.189095>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.988029,17.715273,10.123962>,0.088295
<-10.801878,17.733274,9.817510>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.801878,17.733274,9.817510>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.801878,17.733274,9.817510>,0.062425
<-9.762443,17.749414,9.449709>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.762443,17.749414,9.449709>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.801878,17.733274,9.817510>,0.062425
<-10.256509,17.738600,10.479421>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.256509,17.738600,10.479421>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.278756,17.449430,13.291497>,0.176643
<-9.758892,17.517267,11.418685>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.758892,17.517267,11.418685>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.758892,17.517267,11.418685>,0.124887
<-9.439696,17.578087,9.698782>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.439696,17.578087,9.698782>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.439696,17.578087,9.698782>,0.088295
<-9.288423,17.632618,8.131715>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.288423,17.632618,8.131715>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.288423,17.632618,8.131715>,0.062425
<-9.275716,17.681509,6.714848>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.275716,17.681509,6.714848>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.288423,17.632618,8.131715>,0.062425
<-8.248988,17.648758,7.763914>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.248988,17.648758,7.763914>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.439696,17.578087,9.698782>,0.088295
<-8.253547,17.596088,9.392329>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.253547,17.596088,9.392329>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.253547,17.596088,9.392329>,0.062425
<-7.214111,17.612228,9.024529>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.214111,17.612228,9.024529>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.253547,17.596088,9.392329>,0.062425
<-7.708178,17.601416,10.054240>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.708178,17.601416,10.054240>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.758892,17.517267,11.418685>,0.124887
<-8.416287,17.537346,11.194344>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.416287,17.537346,11.194344>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.416287,17.537346,11.194344>,0.088295
<-7.230137,17.555347,10.887891>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.230137,17.555347,10.887891>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.230137,17.555347,10.887891>,0.062425
<-6.190701,17.571486,10.520090>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.190701,17.571486,10.520090>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.230137,17.555347,10.887891>,0.062425
<-6.684768,17.560673,11.549803>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.684768,17.560673,11.549803>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.416287,17.537346,11.194344>,0.088295
<-7.876727,17.543285,11.979816>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.876727,17.543285,11.979816>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.876727,17.543285,11.979816>,0.062425
<-7.331357,17.548611,12.641727>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.331357,17.548611,12.641727>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.876727,17.543285,11.979816>,0.062425
<-8.215428,17.545042,12.554499>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.215428,17.545042,12.554499>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.628738,16.459572,13.475739>,0.353393
<-6.784518,16.714609,11.280941>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.784518,16.714609,11.280941>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.784518,16.714609,11.280941>,0.249849
<-8.889551,16.943275,9.482192>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.889551,16.943275,9.482192>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.889551,16.943275,9.482192>,0.176643
<-10.918018,17.148298,8.034560>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.918018,17.148298,8.034560>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.918018,17.148298,8.034560>,0.124887
<-12.850294,17.332121,6.895734>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.850294,17.332121,6.895734>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.850294,17.332121,6.895734>,0.088295
<-14.672100,17.496935,6.026236>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.672100,17.496935,6.026236>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.672100,17.496935,6.026236>,0.062425
<-16.373734,17.644707,5.389553>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.373734,17.644707,5.389553>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.672100,17.496935,6.026236>,0.062425
<-14.659392,17.545826,4.609370>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.659392,17.545826,4.609370>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.850294,17.332121,6.895734>,0.088295
<-12.699020,17.386650,5.328666>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.699020,17.386650,5.328666>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.699020,17.386650,5.328666>,0.062425
<-12.686313,17.435541,3.911799>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.686313,17.435541,3.911799>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.699020,17.386650,5.328666>,0.062425
<-11.659585,17.402790,4.960865>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.659585,17.402790,4.960865>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.918018,17.148298,8.034560>,0.124887
<-10.598824,17.209118,6.314657>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.598824,17.209118,6.314657>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.598824,17.209118,6.314657>,0.088295
<-10.447550,17.263649,4.747589>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.447550,17.263649,4.747589>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.447550,17.263649,4.747589>,0.062425
<-10.434842,17.312540,3.330723>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.434842,17.312540,3.330723>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.447550,17.263649,4.747589>,0.062425
<-9.408114,17.279789,4.379789>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.408114,17.279789,4.379789>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.598824,17.209118,6.314657>,0.088295
<-9.412673,17.227119,6.008204>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.412673,17.227119,6.008204>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.412673,17.227119,6.008204>,0.062425
<-8.373238,17.243259,5.640403>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.373238,17.243259,5.640403>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.412673,17.227119,6.008204>,0.062425
<-8.867304,17.232447,6.670115>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.867304,17.232447,6.670115>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.889551,16.943275,9.482192>,0.176643
<-8.369687,17.011112,7.609380>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.369687,17.011112,7.609380>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.369687,17.011112,7.609380>,0.124887
<-8.050491,17.071932,5.889476>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.050491,17.071932,5.889476>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.050491,17.071932,5.889476>,0.088295
<-7.899218,17.126463,4.322409>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.899218,17.126463,4.322409>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.899218,17.126463,4.322409>,0.062425
<-7.886510,17.175354,2.905543>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.886510,17.175354,2.905543>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.899218,17.126463,4.322409>,0.062425
<-6.859783,17.142603,3.954608>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.859783,17.142603,3.954608>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.050491,17.071932,5.889476>,0.088295
<-6.864342,17.089933,5.583023>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.864342,17.089933,5.583023>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.864342,17.089933,5.583023>,0.062425
<-5.824906,17.106073,5.215223>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.824906,17.106073,5.215223>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.864342,17.089933,5.583023>,0.062425
<-6.318973,17.095261,6.244935>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.318973,17.095261,6.244935>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.369687,17.011112,7.609380>,0.124887
<-7.027082,17.031191,7.385038>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.027082,17.031191,7.385038>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.027082,17.031191,7.385038>,0.088295
<-5.840932,17.049192,7.078585>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.840932,17.049192,7.078585>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.840932,17.049192,7.078585>,0.062425
<-4.801497,17.065332,6.710784>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.801497,17.065332,6.710784>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.840932,17.049192,7.078585>,0.062425
<-5.295563,17.054518,7.740497>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.295563,17.054518,7.740497>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.027082,17.031191,7.385038>,0.088295
<-6.487522,17.037130,8.170510>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.487522,17.037130,8.170510>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.487522,17.037130,8.170510>,0.062425
<-5.942153,17.042456,8.832422>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.942153,17.042456,8.832422>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.487522,17.037130,8.170510>,0.062425
<-6.826223,17.038887,8.745193>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.826223,17.038887,8.745193>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.784518,16.714609,11.280941>,0.249849
<-6.027730,16.790270,9.258309>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.027730,16.790270,9.258309>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.027730,16.790270,9.258309>,0.176643
<-5.507865,16.858107,7.385497>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.507865,16.858107,7.385497>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507865,16.858107,7.385497>,0.124887
<-5.188670,16.918926,5.665594>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.188670,16.918926,5.665594>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.188670,16.918926,5.665594>,0.088295
<-5.037396,16.973457,4.098526>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.037396,16.973457,4.098526>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.037396,16.973457,4.098526>,0.062425
<-5.024689,17.022348,2.681660>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.024689,17.022348,2.681660>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.037396,16.973457,4.098526>,0.062425
<-3.997961,16.989597,3.730726>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.997961,16.989597,3.730726>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.188670,16.918926,5.665594>,0.088295
<-4.002520,16.936928,5.359140>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.002520,16.936928,5.359140>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.002520,16.936928,5.359140>,0.062425
<-2.963085,16.953068,4.991340>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.963085,16.953068,4.991340>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.002520,16.936928,5.359140>,0.062425
<-3.457151,16.942255,6.021052>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.457151,16.942255,6.021052>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507865,16.858107,7.385497>,0.124887
<-4.165260,16.878185,7.161156>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.165260,16.878185,7.161156>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.165260,16.878185,7.161156>,0.088295
<-2.979110,16.896187,6.854702>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.979110,16.896187,6.854702>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.979110,16.896187,6.854702>,0.062425
<-1.939675,16.912327,6.486902>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.939675,16.912327,6.486902>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.979110,16.896187,6.854702>,0.062425
<-2.433741,16.901512,7.516614>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.433741,16.901512,7.516614>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.165260,16.878185,7.161156>,0.088295
<-3.625700,16.884125,7.946628>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.625700,16.884125,7.946628>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.625700,16.884125,7.946628>,0.062425
<-3.080331,16.889450,8.608540>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.080331,16.889450,8.608540>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.625700,16.884125,7.946628>,0.062425
<-3.964401,16.885883,8.521311>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.964401,16.885883,8.521311>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.027730,16.790270,9.258309>,0.176643
<-4.519899,16.812664,9.140007>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.519899,16.812664,9.140007>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.519899,16.812664,9.140007>,0.124887
<-3.177294,16.832743,8.915666>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.177294,16.832743,8.915666>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.177294,16.832743,8.915666>,0.088295
<-1.991144,16.850744,8.609213>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.991144,16.850744,8.609213>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.991144,16.850744,8.609213>,0.062425
<-0.951709,16.866884,8.241412>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.951709,16.866884,8.241412>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.991144,16.850744,8.609213>,0.062425
<-1.445775,16.856070,9.271125>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.445775,16.856070,9.271125>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.177294,16.832743,8.915666>,0.088295
<-2.637734,16.838684,9.701138>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.637734,16.838684,9.701138>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.637734,16.838684,9.701138>,0.062425
<-2.092365,16.844009,10.363050>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.092365,16.844009,10.363050>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.637734,16.838684,9.701138>,0.062425
<-2.976435,16.840441,10.275821>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.976435,16.840441,10.275821>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.519899,16.812664,9.140007>,0.124887
<-3.998734,16.819290,10.061684>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.998734,16.819290,10.061684>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.998734,16.819290,10.061684>,0.088295
<-3.459174,16.825232,10.847156>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.459174,16.825232,10.847156>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.459174,16.825232,10.847156>,0.062425
<-2.913805,16.830557,11.509068>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.913805,16.830557,11.509068>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.459174,16.825232,10.847156>,0.062425
<-3.797875,16.826988,11.421839>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.797875,16.826988,11.421839>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.998734,16.819290,10.061684>,0.088295
<-4.429289,16.821251,10.664991>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.429289,16.821251,10.664991>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.429289,16.821251,10.664991>,0.062425
<-4.767990,16.823008,11.239674>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.767990,16.823008,11.239674>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.429289,16.821251,10.664991>,0.062425
<-4.939410,16.821831,10.570318>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.939410,16.821831,10.570318>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.958328,6.344154>,0.707000
<4.440908,13.833498,8.220963>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.440908,13.833498,8.220963>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.440908,13.833498,8.220963>,0.499849
<8.570234,14.618249,9.555480>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.570234,14.618249,9.555480>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<8.570234,14.618249,9.555480>,0.353393
<12.377623,15.321922,10.428174>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.377623,15.321922,10.428174>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<12.377623,15.321922,10.428174>,0.249849
<15.860103,15.952893,10.912016>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.860103,15.952893,10.912016>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<15.860103,15.952893,10.912016>,0.176643
<19.020737,16.518673,11.072669>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.020737,16.518673,11.072669>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<19.020737,16.518673,11.072669>,0.124887
<21.867418,17.025997,10.968774>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.867418,17.025997,10.968774>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<21.867418,17.025997,10.968774>,0.088295
<24.411829,17.480906,10.652293>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.411829,17.480906,10.652293>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<24.411829,17.480906,10.652293>,0.062425
<26.668524,17.888811,10.168903>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.668524,17.888811,10.168903>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<24.411829,17.480906,10.652293>,0.062425
<25.377510,17.617201,12.192306>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.377510,17.617201,12.192306>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.867418,17.025997,10.968774>,0.088295
<22.787159,17.178013,12.766866>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.787159,17.178013,12.766866>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<22.787159,17.178013,12.766866>,0.062425
<23.752840,17.314308,14.306878>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.752840,17.314308,14.306878>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.787159,17.178013,12.766866>,0.062425
<21.916496,17.223087,13.884888>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.916496,17.223087,13.884888>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.020737,16.518673,11.072669>,0.124887
<19.864637,16.688221,13.151969>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.864637,16.688221,13.151969>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<19.864637,16.688221,13.151969>,0.088295
<20.784380,16.840235,14.950061>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.784380,16.840235,14.950061>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.784380,16.840235,14.950061>,0.062425
<21.750061,16.976530,16.490072>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.750061,16.976530,16.490072>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.784380,16.840235,14.950061>,0.062425
<19.913715,16.885311,16.068083>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.913715,16.885311,16.068083>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.864637,16.688221,13.151969>,0.088295
<18.792650,16.738495,14.305169>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.792650,16.738495,14.305169>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<18.792650,16.738495,14.305169>,0.062425
<17.921986,16.783571,15.423192>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.921986,16.783571,15.423192>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.792650,16.738495,14.305169>,0.062425
<17.743473,16.753374,13.966096>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.743473,16.753374,13.966096>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.860103,15.952893,10.912016>,0.176643
<16.592829,16.141994,13.295229>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.592829,16.141994,13.295229>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<16.592829,16.141994,13.295229>,0.124887
<17.436729,16.311541,15.374529>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.436729,16.311541,15.374529>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<17.436729,16.311541,15.374529>,0.088295
<18.356472,16.463556,17.172621>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.356472,16.463556,17.172621>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<18.356472,16.463556,17.172621>,0.062425
<19.322153,16.599852,18.712633>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.322153,16.599852,18.712633>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.356472,16.463556,17.172621>,0.062425
<17.485807,16.508631,18.290642>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.485807,16.508631,18.290642>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.436729,16.311541,15.374529>,0.088295
<16.364742,16.361816,16.527729>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.364742,16.361816,16.527729>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.364742,16.361816,16.527729>,0.062425
<15.494078,16.406891,17.645752>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.494078,16.406891,17.645752>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.364742,16.361816,16.527729>,0.062425
<15.315566,16.376696,16.188656>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.315566,16.376696,16.188656>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.592829,16.141994,13.295229>,0.124887
<15.294593,16.198069,14.467872>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.294593,16.198069,14.467872>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<15.294593,16.198069,14.467872>,0.088295
<14.222605,16.248343,15.621072>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.222605,16.248343,15.621072>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.222605,16.248343,15.621072>,0.062425
<13.351941,16.293419,16.739094>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.351941,16.293419,16.739094>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.222605,16.248343,15.621072>,0.062425
<13.173429,16.263222,15.281999>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.173429,16.263222,15.281999>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.294593,16.198069,14.467872>,0.088295
<14.166114,16.214664,13.990955>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.166114,16.214664,13.990955>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.166114,16.214664,13.990955>,0.062425
<13.116938,16.229544,13.651882>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.116938,16.229544,13.651882>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.166114,16.214664,13.990955>,0.062425
<14.134833,16.219574,13.133879>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.134833,16.219574,13.133879>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.377623,15.321922,10.428174>,0.249849
<12.957862,15.532832,13.137010>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.957862,15.532832,13.137010>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<12.957862,15.532832,13.137010>,0.176643
<13.690587,15.721933,15.520223>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.690587,15.721933,15.520223>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<13.690587,15.721933,15.520223>,0.124887
<14.534489,15.891480,17.599522>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.534489,15.891480,17.599522>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<14.534489,15.891480,17.599522>,0.088295
<15.454230,16.043495,19.397614>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.454230,16.043495,19.397614>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<15.454230,16.043495,19.397614>,0.062425
<16.419910,16.179790,20.937626>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.419910,16.179790,20.937626>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.454230,16.043495,19.397614>,0.062425
<14.583567,16.088570,20.515636>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.583567,16.088570,20.515636>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.534489,15.891480,17.599522>,0.088295
<13.462501,15.941755,18.752724>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.462501,15.941755,18.752724>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.462501,15.941755,18.752724>,0.062425
<12.591837,15.986831,19.870745>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.591837,15.986831,19.870745>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.462501,15.941755,18.752724>,0.062425
<12.413324,15.956635,18.413651>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.413324,15.956635,18.413651>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.690587,15.721933,15.520223>,0.124887
<12.392351,15.778008,16.692865>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.392351,15.778008,16.692865>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<12.392351,15.778008,16.692865>,0.088295
<11.320363,15.828282,17.846066>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.320363,15.828282,17.846066>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.320363,15.828282,17.846066>,0.062425
<10.449699,15.873358,18.964088>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.449699,15.873358,18.964088>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.320363,15.828282,17.846066>,0.062425
<10.271187,15.843162,17.506992>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.271187,15.843162,17.506992>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.392351,15.778008,16.692865>,0.088295
<11.263872,15.794603,16.215950>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.263872,15.794603,16.215950>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.263872,15.794603,16.215950>,0.062425
<10.214696,15.809483,15.876876>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.214696,15.809483,15.876876>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.263872,15.794603,16.215950>,0.062425
<11.232592,15.799513,15.358872>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.232592,15.799513,15.358872>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.957862,15.532832,13.137010>,0.176643
<11.407314,15.595375,14.309262>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.407314,15.595375,14.309262>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<11.407314,15.595375,14.309262>,0.124887
<10.109078,15.651449,15.481905>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.109078,15.651449,15.481905>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.109078,15.651449,15.481905>,0.088295
<9.037090,15.701724,16.635105>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.037090,15.701724,16.635105>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.037090,15.701724,16.635105>,0.062425
<8.166426,15.746799,17.753128>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.166426,15.746799,17.753128>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.037090,15.701724,16.635105>,0.062425
<7.987914,15.716603,16.296032>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.987914,15.716603,16.296032>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.109078,15.651449,15.481905>,0.088295
<8.980599,15.668044,15.004989>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.980599,15.668044,15.004989>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.980599,15.668044,15.004989>,0.062425
<7.931423,15.682923,14.665916>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.931423,15.682923,14.665916>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.980599,15.668044,15.004989>,0.062425
<8.949319,15.672955,14.147913>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.949319,15.672955,14.147913>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.407314,15.595375,14.309262>,0.124887
<10.204405,15.613885,13.672091>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.204405,15.613885,13.672091>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.204405,15.613885,13.672091>,0.088295
<9.075926,15.630480,13.195175>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.075926,15.630480,13.195175>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.075926,15.630480,13.195175>,0.062425
<8.026750,15.645359,12.856102>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.026750,15.645359,12.856102>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.075926,15.630480,13.195175>,0.062425
<9.044645,15.635390,12.338099>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.044645,15.635390,12.338099>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.204405,15.613885,13.672091>,0.088295
<10.252780,15.619361,12.720379>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.252780,15.619361,12.720379>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.252780,15.619361,12.720379>,0.062425
<10.221499,15.624270,11.863302>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.221499,15.624270,11.863302>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.252780,15.619361,12.720379>,0.062425
<10.870880,15.620981,12.469518>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.870880,15.620981,12.469518>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.570234,14.618249,9.555480>,0.353393
<8.950159,14.853484,12.609966>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.950159,14.853484,12.609966>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<8.950159,14.853484,12.609966>,0.249849
<9.530398,15.064394,15.318802>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.530398,15.064394,15.318802>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<9.530398,15.064394,15.318802>,0.176643
<10.263124,15.253494,17.702015>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.263124,15.253494,17.702015>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.263124,15.253494,17.702015>,0.124887
<11.107025,15.423041,19.781315>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.107025,15.423041,19.781315>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.107025,15.423041,19.781315>,0.088295
<12.026767,15.575056,21.579407>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.026767,15.575056,21.579407>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.026767,15.575056,21.579407>,0.062425
<12.992448,15.711352,23.119419>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.992448,15.711352,23.119419>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.026767,15.575056,21.579407>,0.062425
<11.156103,15.620131,22.697430>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.156103,15.620131,22.697430>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.107025,15.423041,19.781315>,0.088295
<10.035037,15.473316,20.934515>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.035037,15.473316,20.934515>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.035037,15.473316,20.934515>,0.062425
<9.164373,15.518392,22.052538>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.164373,15.518392,22.052538>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.035037,15.473316,20.934515>,0.062425
<8.985861,15.488195,20.595442>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.985861,15.488195,20.595442>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.263124,15.253494,17.702015>,0.124887
<8.964889,15.309568,18.874657>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.964889,15.309568,18.874657>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.964889,15.309568,18.874657>,0.088295
<7.892900,15.359843,20.027859>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.892900,15.359843,20.027859>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.892900,15.359843,20.027859>,0.062425
<7.022236,15.404919,21.145880>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.022236,15.404919,21.145880>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.892900,15.359843,20.027859>,0.062425
<6.843724,15.374722,19.688786>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.843724,15.374722,19.688786>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.964889,15.309568,18.874657>,0.088295
<7.836409,15.326164,18.397741>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.836409,15.326164,18.397741>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.836409,15.326164,18.397741>,0.062425
<6.787233,15.341043,18.058668>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.787233,15.341043,18.058668>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.836409,15.326164,18.397741>,0.062425
<7.805129,15.331075,17.540665>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805129,15.331075,17.540665>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.530398,15.064394,15.318802>,0.176643
<7.979851,15.126936,16.491055>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.979851,15.126936,16.491055>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.979851,15.126936,16.491055>,0.124887
<6.681615,15.183010,17.663698>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.681615,15.183010,17.663698>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.681615,15.183010,17.663698>,0.088295
<5.609627,15.233285,18.816898>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.609627,15.233285,18.816898>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.609627,15.233285,18.816898>,0.062425
<4.738963,15.278360,19.934921>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.738963,15.278360,19.934921>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.609627,15.233285,18.816898>,0.062425
<4.560451,15.248164,18.477825>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.560451,15.248164,18.477825>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.681615,15.183010,17.663698>,0.088295
<5.553136,15.199606,17.186781>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.553136,15.199606,17.186781>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.553136,15.199606,17.186781>,0.062425
<4.503960,15.214485,16.847708>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.503960,15.214485,16.847708>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.553136,15.199606,17.186781>,0.062425
<5.521855,15.204515,16.329704>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.521855,15.204515,16.329704>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.979851,15.126936,16.491055>,0.124887
<6.776942,15.145446,15.853884>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.776942,15.145446,15.853884>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.776942,15.145446,15.853884>,0.088295
<5.648463,15.162042,15.376967>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.648463,15.162042,15.376967>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.648463,15.162042,15.376967>,0.062425
<4.599286,15.176921,15.037894>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.599286,15.176921,15.037894>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.648463,15.162042,15.376967>,0.062425
<5.617182,15.166951,14.519891>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.617182,15.166951,14.519891>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.776942,15.145446,15.853884>,0.088295
<6.825317,15.150923,14.902171>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.825317,15.150923,14.902171>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.825317,15.150923,14.902171>,0.062425
<6.794036,15.155832,14.045094>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.794036,15.155832,14.045094>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.825317,15.150923,14.902171>,0.062425
<7.443417,15.152542,14.651310>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.443417,15.152542,14.651310>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.950159,14.853484,12.609966>,0.249849
<7.120371,14.923241,13.757354>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.120371,14.923241,13.757354>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.120371,14.923241,13.757354>,0.176643
<5.569824,14.985783,14.929606>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.569824,14.985783,14.929606>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.569824,14.985783,14.929606>,0.124887
<4.271588,15.041857,16.102249>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.271588,15.041857,16.102249>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.271588,15.041857,16.102249>,0.088295
<3.199600,15.092132,17.255449>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.199600,15.092132,17.255449>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.199600,15.092132,17.255449>,0.062425
<2.328936,15.137207,18.373472>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.328936,15.137207,18.373472>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.199600,15.092132,17.255449>,0.062425
<2.150424,15.107011,16.916376>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.150424,15.107011,16.916376>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.271588,15.041857,16.102249>,0.088295
<3.143109,15.058453,15.625334>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.143109,15.058453,15.625334>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.143109,15.058453,15.625334>,0.062425
<2.093933,15.073332,15.286261>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.093933,15.073332,15.286261>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.143109,15.058453,15.625334>,0.062425
<3.111828,15.063362,14.768257>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.111828,15.063362,14.768257>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.569824,14.985783,14.929606>,0.124887
<4.366915,15.004292,14.292436>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.366915,15.004292,14.292436>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.366915,15.004292,14.292436>,0.088295
<3.238436,15.020888,13.815519>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.238436,15.020888,13.815519>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.238436,15.020888,13.815519>,0.062425
<2.189259,15.035768,13.476447>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.189259,15.035768,13.476447>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.238436,15.020888,13.815519>,0.062425
<3.207155,15.025798,12.958444>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.207155,15.025798,12.958444>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.366915,15.004292,14.292436>,0.088295
<4.415290,15.009768,13.340723>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.415290,15.009768,13.340723>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.415290,15.009768,13.340723>,0.062425
<4.384009,15.014679,12.483646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.384009,15.014679,12.483646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.415290,15.009768,13.340723>,0.062425
<5.033390,15.011389,13.089862>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.033390,15.011389,13.089862>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.120371,14.923241,13.757354>,0.176643
<5.850596,14.943886,12.935592>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.850596,14.943886,12.935592>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.850596,14.943886,12.935592>,0.124887
<4.647687,14.962396,12.298420>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.647687,14.962396,12.298420>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.647687,14.962396,12.298420>,0.088295
<3.519208,14.978991,11.821505>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.519208,14.978991,11.821505>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519208,14.978991,11.821505>,0.062425
<2.470032,14.993870,11.482431>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.470032,14.993870,11.482431>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519208,14.978991,11.821505>,0.062425
<3.487927,14.983901,10.964428>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.487927,14.983901,10.964428>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.647687,14.962396,12.298420>,0.088295
<4.696062,14.967872,11.346708>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.696062,14.967872,11.346708>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.696062,14.967872,11.346708>,0.062425
<4.664782,14.972781,10.489632>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.664782,14.972781,10.489632>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.696062,14.967872,11.346708>,0.062425
<5.314163,14.969492,11.095846>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.314163,14.969492,11.095846>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.850596,14.943886,12.935592>,0.124887
<5.996305,14.949993,11.886842>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.996305,14.949993,11.886842>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.996305,14.949993,11.886842>,0.088295
<6.044680,14.955470,10.935129>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.044680,14.955470,10.935129>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.044680,14.955470,10.935129>,0.062425
<6.013400,14.960380,10.078053>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.013400,14.960380,10.078053>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.044680,14.955470,10.935129>,0.062425
<6.662781,14.957089,10.684268>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.662781,14.957089,10.684268>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.996305,14.949993,11.886842>,0.088295
<6.704763,14.951800,11.669024>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.704763,14.951800,11.669024>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.704763,14.951800,11.669024>,0.062425
<7.322864,14.953421,11.418163>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.322864,14.953421,11.418163>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.704763,14.951800,11.669024>,0.062425
<7.052536,14.952335,12.054045>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.052536,14.952335,12.054045>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.440908,13.833498,8.220963>,0.499849
<4.565643,14.095862,11.638639>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.565643,14.095862,11.638639>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<4.565643,14.095862,11.638639>,0.353393
<4.945569,14.331097,14.693126>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.945569,14.331097,14.693126>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.945569,14.331097,14.693126>,0.249849
<5.525807,14.542007,17.401962>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.525807,14.542007,17.401962>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<5.525807,14.542007,17.401962>,0.176643
<6.258533,14.731108,19.785175>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.258533,14.731108,19.785175>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.258533,14.731108,19.785175>,0.124887
<7.102435,14.900655,21.864475>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.102435,14.900655,21.864475>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.102435,14.900655,21.864475>,0.088295
<8.022177,15.052670,23.662567>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.022177,15.052670,23.662567>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.022177,15.052670,23.662567>,0.062425
<8.987858,15.188965,25.202579>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.987858,15.188965,25.202579>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.022177,15.052670,23.662567>,0.062425
<7.151513,15.097745,24.780590>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.151513,15.097745,24.780590>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.102435,14.900655,21.864475>,0.088295
<6.030447,14.950930,23.017675>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.030447,14.950930,23.017675>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.030447,14.950930,23.017675>,0.062425
<5.159782,14.996005,24.135698>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.159782,14.996005,24.135698>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.030447,14.950930,23.017675>,0.062425
<4.981270,14.965809,22.678602>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.981270,14.965809,22.678602>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.258533,14.731108,19.785175>,0.124887
<4.960297,14.787182,20.957817>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.960297,14.787182,20.957817>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.960297,14.787182,20.957817>,0.088295
<3.888309,14.837457,22.111019>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.888309,14.837457,22.111019>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.888309,14.837457,22.111019>,0.062425
<3.017645,14.882532,23.229040>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.017645,14.882532,23.229040>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.888309,14.837457,22.111019>,0.062425
<2.839133,14.852336,21.771946>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.839133,14.852336,21.771946>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.960297,14.787182,20.957817>,0.088295
<3.831818,14.803778,20.480902>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.831818,14.803778,20.480902>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.831818,14.803778,20.480902>,0.062425
<2.782641,14.818657,20.141829>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.782641,14.818657,20.141829>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.831818,14.803778,20.480902>,0.062425
<3.800537,14.808687,19.623825>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.800537,14.808687,19.623825>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.525807,14.542007,17.401962>,0.176643
<3.975260,14.604549,18.574215>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.975260,14.604549,18.574215>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.975260,14.604549,18.574215>,0.124887
<2.677024,14.660624,19.746857>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.677024,14.660624,19.746857>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.677024,14.660624,19.746857>,0.088295
<1.605036,14.710898,20.900059>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.605036,14.710898,20.900059>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.605036,14.710898,20.900059>,0.062425
<0.734372,14.755974,22.018080>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.734372,14.755974,22.018080>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.605036,14.710898,20.900059>,0.062425
<0.555859,14.725778,20.560986>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.555859,14.725778,20.560986>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.677024,14.660624,19.746857>,0.088295
<1.548545,14.677219,19.269941>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.548545,14.677219,19.269941>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.548545,14.677219,19.269941>,0.062425
<0.499368,14.692098,18.930868>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.499368,14.692098,18.930868>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.548545,14.677219,19.269941>,0.062425
<1.517264,14.682129,18.412865>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.517264,14.682129,18.412865>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.975260,14.604549,18.574215>,0.124887
<2.772351,14.623059,17.937044>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.772351,14.623059,17.937044>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.772351,14.623059,17.937044>,0.088295
<1.643872,14.639655,17.460127>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.643872,14.639655,17.460127>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.643872,14.639655,17.460127>,0.062425
<0.594695,14.654534,17.121054>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.594695,14.654534,17.121054>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.643872,14.639655,17.460127>,0.062425
<1.612591,14.644565,16.603050>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.612591,14.644565,16.603050>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.772351,14.623059,17.937044>,0.088295
<2.820726,14.628535,16.985331>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.820726,14.628535,16.985331>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.820726,14.628535,16.985331>,0.062425
<2.789445,14.633446,16.128254>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.789445,14.633446,16.128254>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.820726,14.628535,16.985331>,0.062425
<3.438826,14.630156,16.734470>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.438826,14.630156,16.734470>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.945569,14.331097,14.693126>,0.249849
<3.115780,14.400853,15.840514>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.115780,14.400853,15.840514>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.115780,14.400853,15.840514>,0.176643
<1.565233,14.463396,17.012766>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.565233,14.463396,17.012766>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.565233,14.463396,17.012766>,0.124887
<0.266997,14.519470,18.185410>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.266997,14.519470,18.185410>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.266997,14.519470,18.185410>,0.088295
<-0.804992,14.569745,19.338610>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.804992,14.569745,19.338610>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.804992,14.569745,19.338610>,0.062425
<-1.675656,14.614820,20.456633>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.675656,14.614820,20.456633>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.804992,14.569745,19.338610>,0.062425
<-1.854168,14.584624,18.999537>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.854168,14.584624,18.999537>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.266997,14.519470,18.185410>,0.088295
<-0.861483,14.536065,17.708494>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.861483,14.536065,17.708494>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.861483,14.536065,17.708494>,0.062425
<-1.910659,14.550944,17.369421>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.910659,14.550944,17.369421>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.861483,14.536065,17.708494>,0.062425
<-0.892763,14.540976,16.851418>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.892763,14.540976,16.851418>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.565233,14.463396,17.012766>,0.124887
<0.362323,14.481906,16.375595>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.362323,14.481906,16.375595>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.362323,14.481906,16.375595>,0.088295
<-0.766156,14.498502,15.898680>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.766156,14.498502,15.898680>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.766156,14.498502,15.898680>,0.062425
<-1.815333,14.513380,15.559607>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.815333,14.513380,15.559607>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.766156,14.498502,15.898680>,0.062425
<-0.797437,14.503411,15.041603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.797437,14.503411,15.041603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.362323,14.481906,16.375595>,0.088295
<0.410698,14.487382,15.423882>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.410698,14.487382,15.423882>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.410698,14.487382,15.423882>,0.062425
<0.379418,14.492291,14.566806>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.379418,14.492291,14.566806>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.410698,14.487382,15.423882>,0.062425
<1.028799,14.489002,15.173021>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.028799,14.489002,15.173021>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.115780,14.400853,15.840514>,0.176643
<1.846005,14.421498,15.018751>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.846005,14.421498,15.018751>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.846005,14.421498,15.018751>,0.124887
<0.643096,14.440008,14.381579>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.643096,14.440008,14.381579>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.643096,14.440008,14.381579>,0.088295
<-0.485384,14.456604,13.904664>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.485384,14.456604,13.904664>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.485384,14.456604,13.904664>,0.062425
<-1.534560,14.471483,13.565591>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.534560,14.471483,13.565591>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.485384,14.456604,13.904664>,0.062425
<-0.516664,14.461514,13.047587>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.516664,14.461514,13.047587>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.643096,14.440008,14.381579>,0.088295
<0.691471,14.445485,13.429867>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.691471,14.445485,13.429867>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.691471,14.445485,13.429867>,0.062425
<0.660190,14.450395,12.572790>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.660190,14.450395,12.572790>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.691471,14.445485,13.429867>,0.062425
<1.309571,14.447105,13.179006>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.309571,14.447105,13.179006>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.846005,14.421498,15.018751>,0.124887
<1.991714,14.427607,13.970001>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.991714,14.427607,13.970001>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.991714,14.427607,13.970001>,0.088295
<2.040089,14.433083,13.018289>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.040089,14.433083,13.018289>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.040089,14.433083,13.018289>,0.062425
<2.008808,14.437993,12.161212>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.008808,14.437993,12.161212>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.040089,14.433083,13.018289>,0.062425
<2.658190,14.434703,12.767427>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.658190,14.434703,12.767427>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.991714,14.427607,13.970001>,0.088295
<2.700172,14.429414,13.752184>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.700172,14.429414,13.752184>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.700172,14.429414,13.752184>,0.062425
<3.318273,14.431034,13.501323>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.318273,14.431034,13.501323>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.700172,14.429414,13.752184>,0.062425
<3.047945,14.429948,14.137204>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.047945,14.429948,14.137204>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.565643,14.095862,11.638639>,0.353393
<2.429177,14.173666,12.731462>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.429177,14.173666,12.731462>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<2.429177,14.173666,12.731462>,0.249849
<0.599389,14.243423,13.878850>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.599389,14.243423,13.878850>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.599389,14.243423,13.878850>,0.176643
<-0.951159,14.305964,15.051103>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.951159,14.305964,15.051103>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.951159,14.305964,15.051103>,0.124887
<-2.249395,14.362039,16.223745>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.249395,14.362039,16.223745>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.249395,14.362039,16.223745>,0.088295
<-3.321383,14.412313,17.376945>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.321383,14.412313,17.376945>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.321383,14.412313,17.376945>,0.062425
<-4.192047,14.457389,18.494968>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.192047,14.457389,18.494968>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.321383,14.412313,17.376945>,0.062425
<-4.370559,14.427193,17.037872>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.370559,14.427193,17.037872>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.249395,14.362039,16.223745>,0.088295
<-3.377874,14.378634,15.746830>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.377874,14.378634,15.746830>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.377874,14.378634,15.746830>,0.062425
<-4.427051,14.393514,15.407757>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.427051,14.393514,15.407757>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.377874,14.378634,15.746830>,0.062425
<-3.409155,14.383544,14.889753>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.409155,14.383544,14.889753>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.951159,14.305964,15.051103>,0.124887
<-2.154068,14.324474,14.413932>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.154068,14.324474,14.413932>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.154068,14.324474,14.413932>,0.088295
<-3.282547,14.341070,13.937016>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.282547,14.341070,13.937016>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282547,14.341070,13.937016>,0.062425
<-4.331724,14.355949,13.597942>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.331724,14.355949,13.597942>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.282547,14.341070,13.937016>,0.062425
<-3.313828,14.345980,13.079939>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.313828,14.345980,13.079939>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.154068,14.324474,14.413932>,0.088295
<-2.105693,14.329950,13.462219>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.105693,14.329950,13.462219>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.105693,14.329950,13.462219>,0.062425
<-2.136973,14.334861,12.605143>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.136973,14.334861,12.605143>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.105693,14.329950,13.462219>,0.062425
<-1.487592,14.331571,13.211357>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.487592,14.331571,13.211357>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.599389,14.243423,13.878850>,0.176643
<-0.670386,14.264068,13.057087>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.670386,14.264068,13.057087>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.670386,14.264068,13.057087>,0.124887
<-1.873295,14.282578,12.419916>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.873295,14.282578,12.419916>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.873295,14.282578,12.419916>,0.088295
<-3.001775,14.299172,11.943000>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.001775,14.299172,11.943000>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.001775,14.299172,11.943000>,0.062425
<-4.050951,14.314052,11.603927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.050951,14.314052,11.603927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.001775,14.299172,11.943000>,0.062425
<-3.033055,14.304083,11.085923>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.033055,14.304083,11.085923>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.873295,14.282578,12.419916>,0.088295
<-1.824920,14.288054,11.468204>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.824920,14.288054,11.468204>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.824920,14.288054,11.468204>,0.062425
<-1.856201,14.292963,10.611127>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.856201,14.292963,10.611127>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.824920,14.288054,11.468204>,0.062425
<-1.206820,14.289674,11.217341>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.206820,14.289674,11.217341>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.670386,14.264068,13.057087>,0.124887
<-0.524677,14.270175,12.008337>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.524677,14.270175,12.008337>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.524677,14.270175,12.008337>,0.088295
<-0.476302,14.275652,11.056624>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.476302,14.275652,11.056624>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.476302,14.275652,11.056624>,0.062425
<-0.507583,14.280561,10.199548>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.507583,14.280561,10.199548>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.476302,14.275652,11.056624>,0.062425
<0.141798,14.277271,10.805763>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.141798,14.277271,10.805763>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.524677,14.270175,12.008337>,0.088295
<0.183781,14.271982,11.790520>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.183781,14.271982,11.790520>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.183781,14.271982,11.790520>,0.062425
<0.801882,14.273602,11.539659>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.801882,14.273602,11.539659>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.183781,14.271982,11.790520>,0.062425
<0.531554,14.272517,12.175540>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.531554,14.272517,12.175540>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.429177,14.173666,12.731462>,0.249849
<1.103265,14.196692,11.698903>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.103265,14.196692,11.698903>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<1.103265,14.196692,11.698903>,0.176643
<-0.166510,14.217338,10.877140>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.166510,14.217338,10.877140>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.166510,14.217338,10.877140>,0.124887
<-1.369420,14.235847,10.239969>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.369420,14.235847,10.239969>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.369420,14.235847,10.239969>,0.088295
<-2.497899,14.252442,9.763053>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.497899,14.252442,9.763053>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.497899,14.252442,9.763053>,0.062425
<-3.547076,14.267322,9.423980>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.547076,14.267322,9.423980>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.497899,14.252442,9.763053>,0.062425
<-2.529180,14.257353,8.905976>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.529180,14.257353,8.905976>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.369420,14.235847,10.239969>,0.088295
<-1.321045,14.241323,9.288257>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.321045,14.241323,9.288257>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.321045,14.241323,9.288257>,0.062425
<-1.352325,14.246233,8.431180>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.352325,14.246233,8.431180>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.321045,14.241323,9.288257>,0.062425
<-0.702944,14.242944,9.037395>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.702944,14.242944,9.037395>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.166510,14.217338,10.877140>,0.124887
<-0.020801,14.223445,9.828390>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.020801,14.223445,9.828390>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.020801,14.223445,9.828390>,0.088295
<0.027574,14.228922,8.876678>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.027574,14.228922,8.876678>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.027574,14.228922,8.876678>,0.062425
<-0.003707,14.233831,8.019601>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.003707,14.233831,8.019601>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.027574,14.228922,8.876678>,0.062425
<0.645674,14.230541,8.625816>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.645674,14.230541,8.625816>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.020801,14.223445,9.828390>,0.088295
<0.687657,14.225252,9.610573>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.687657,14.225252,9.610573>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.687657,14.225252,9.610573>,0.062425
<1.305757,14.226872,9.359712>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.305757,14.226872,9.359712>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.687657,14.225252,9.610573>,0.062425
<1.035430,14.225787,9.995593>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.035430,14.225787,9.995593>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.103265,14.196692,11.698903>,0.176643
<1.366108,14.203505,10.552171>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.366108,14.203505,10.552171>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.366108,14.203505,10.552171>,0.124887
<1.511817,14.209613,9.503421>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.511817,14.209613,9.503421>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.511817,14.209613,9.503421>,0.088295
<1.560192,14.215089,8.551708>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.560192,14.215089,8.551708>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.560192,14.215089,8.551708>,0.062425
<1.528912,14.219999,7.694632>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.528912,14.219999,7.694632>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.560192,14.215089,8.551708>,0.062425
<2.178293,14.216709,8.300847>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.178293,14.216709,8.300847>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.511817,14.209613,9.503421>,0.088295
<2.220276,14.211420,9.285604>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.220276,14.211420,9.285604>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.220276,14.211420,9.285604>,0.062425
<2.838376,14.213039,9.034741>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.838376,14.213039,9.034741>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.220276,14.211420,9.285604>,0.062425
<2.568048,14.211954,9.670624>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.568048,14.211954,9.670624>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.366108,14.203505,10.552171>,0.124887
<2.171382,14.205520,10.379679>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.171382,14.205520,10.379679>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.171382,14.205520,10.379679>,0.088295
<2.879840,14.207327,10.161861>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.879840,14.207327,10.161861>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.879840,14.207327,10.161861>,0.062425
<3.497941,14.208947,9.911000>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.497941,14.208947,9.911000>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.879840,14.207327,10.161861>,0.062425
<3.227613,14.207862,10.546882>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.227613,14.207862,10.546882>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.171382,14.205520,10.379679>,0.088295
<2.519041,14.206117,10.839529>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.519041,14.206117,10.839529>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.519041,14.206117,10.839529>,0.062425
<2.866813,14.206651,11.224549>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.866813,14.206651,11.224549>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.519041,14.206117,10.839529>,0.062425
<2.330153,14.206293,11.196129>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.330153,14.206293,11.196129>,0.044134
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 36.537819, 73.075638>
look_at   <0, 36.537819,  0>
}
