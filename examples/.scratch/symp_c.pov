#include "colors.inc"
light_source { <130.125412, 130.125412, 130.125412> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,18.457233,-3.078181>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.457233,-3.078181>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.457233,-3.078181>,0.707000
<2.770363,25.609715,-5.681471>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.770363,25.609715,-5.681471>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<2.770363,25.609715,-5.681471>,0.499849
<4.387497,31.955032,-8.885517>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.387497,31.955032,-8.885517>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<4.387497,31.955032,-8.885517>,0.353393
<4.786996,37.576286,-12.245375>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.786996,37.576286,-12.245375>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.786996,37.576286,-12.245375>,0.249849
<4.058664,42.548580,-15.345964>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.058664,42.548580,-15.345964>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<4.058664,42.548580,-15.345964>,0.176643
<2.418797,46.939827,-17.850113>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.418797,46.939827,-17.850113>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.418797,46.939827,-17.850113>,0.124887
<0.169406,50.811428,-19.531698>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.169406,50.811428,-19.531698>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.169406,50.811428,-19.531698>,0.088295
<-2.349017,54.218922,-20.291136>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.349017,54.218922,-20.291136>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.349017,54.218922,-20.291136>,0.062425
<-4.804373,57.212521,-20.153036>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.804373,57.212521,-20.153036>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.349017,54.218922,-20.291136>,0.062425
<-3.392364,56.422520,-22.723198>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.392364,56.422520,-22.723198>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.169406,50.811428,-19.531698>,0.088295
<0.008586,53.349091,-22.390993>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.008586,53.349091,-22.390993>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.008586,53.349091,-22.390993>,0.062425
<-1.034760,55.552685,-24.823055>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.034760,55.552685,-24.823055>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.008586,53.349091,-22.390993>,0.062425
<1.946955,54.864117,-24.212463>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.946955,54.864117,-24.212463>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.418797,46.939827,-17.850113>,0.124887
<3.311832,49.856632,-20.811569>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.311832,49.856632,-20.811569>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.311832,49.856632,-20.811569>,0.088295
<3.151013,52.394295,-23.670864>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.151013,52.394295,-23.670864>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.151013,52.394295,-23.670864>,0.062425
<2.107666,54.597893,-26.102926>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.107666,54.597893,-26.102926>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.151013,52.394295,-23.670864>,0.062425
<5.089381,53.909321,-25.492336>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.089381,53.909321,-25.492336>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.311832,49.856632,-20.811569>,0.088295
<5.984864,51.619656,-21.958292>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.984864,51.619656,-21.958292>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.984864,51.619656,-21.958292>,0.062425
<7.923233,53.134682,-23.779764>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.923233,53.134682,-23.779764>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.984864,51.619656,-21.958292>,0.062425
<8.248256,52.607468,-20.815922>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.248256,52.607468,-20.815922>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.058664,42.548580,-15.345964>,0.176643
<6.055200,45.894726,-18.016653>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.055200,45.894726,-18.016653>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.055200,45.894726,-18.016653>,0.124887
<6.948235,48.811535,-20.978109>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.948235,48.811535,-20.978109>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.948235,48.811535,-20.978109>,0.088295
<6.787416,51.349194,-23.837404>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.787416,51.349194,-23.837404>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.787416,51.349194,-23.837404>,0.062425
<5.744069,53.552792,-26.269464>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.744069,53.552792,-26.269464>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.787416,51.349194,-23.837404>,0.062425
<8.725784,52.864220,-25.658875>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.725784,52.864220,-25.658875>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.948235,48.811535,-20.978109>,0.088295
<9.621267,50.574554,-22.124832>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.621267,50.574554,-22.124832>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.621267,50.574554,-22.124832>,0.062425
<11.559636,52.089581,-23.946302>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.559636,52.089581,-23.946302>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.621267,50.574554,-22.124832>,0.062425
<11.884658,51.562366,-20.982460>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.884658,51.562366,-20.982460>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.055200,45.894726,-18.016653>,0.124887
<9.225964,47.943218,-18.194990>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.225964,47.943218,-18.194990>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.225964,47.943218,-18.194990>,0.088295
<11.898995,49.706242,-19.341713>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.898995,49.706242,-19.341713>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.898995,49.706242,-19.341713>,0.062425
<13.837364,51.221268,-21.163183>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.837364,51.221268,-21.163183>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.898995,49.706242,-19.341713>,0.062425
<14.162387,50.694054,-18.199343>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.162387,50.694054,-18.199343>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.225964,47.943218,-18.194990>,0.088295
<11.138428,49.101162,-16.159788>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.138428,49.101162,-16.159788>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.138428,49.101162,-16.159788>,0.062425
<13.401819,50.088974,-15.017419>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.401819,50.088974,-15.017419>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.138428,49.101162,-16.159788>,0.062425
<10.862486,49.724026,-13.839066>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.862486,49.724026,-13.839066>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.786996,37.576286,-12.245375>,0.249849
<7.788363,41.407555,-14.210849>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.788363,41.407555,-14.210849>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.788363,41.407555,-14.210849>,0.176643
<9.784899,44.753700,-16.881538>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.784899,44.753700,-16.881538>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.784899,44.753700,-16.881538>,0.124887
<10.677934,47.670506,-19.842995>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.677934,47.670506,-19.842995>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.677934,47.670506,-19.842995>,0.088295
<10.517115,50.208164,-22.702288>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.517115,50.208164,-22.702288>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.517115,50.208164,-22.702288>,0.062425
<9.473767,52.411762,-25.134350>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.473767,52.411762,-25.134350>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.517115,50.208164,-22.702288>,0.062425
<12.455482,51.723194,-24.523760>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.455482,51.723194,-24.523760>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.677934,47.670506,-19.842995>,0.088295
<13.350965,49.433525,-20.989716>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.350965,49.433525,-20.989716>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.350965,49.433525,-20.989716>,0.062425
<15.289334,50.948555,-22.811188>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.289334,50.948555,-22.811188>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.350965,49.433525,-20.989716>,0.062425
<15.614357,50.421337,-19.847345>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.614357,50.421337,-19.847345>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.784899,44.753700,-16.881538>,0.124887
<12.955663,46.802193,-17.059875>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.955663,46.802193,-17.059875>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<12.955663,46.802193,-17.059875>,0.088295
<15.628695,48.565212,-18.206598>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.628695,48.565212,-18.206598>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<15.628695,48.565212,-18.206598>,0.062425
<17.567062,50.080238,-20.028069>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.567062,50.080238,-20.028069>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.628695,48.565212,-18.206598>,0.062425
<17.892086,49.553024,-17.064228>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.892086,49.553024,-17.064228>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.955663,46.802193,-17.059875>,0.088295
<14.868127,47.960136,-15.024673>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.868127,47.960136,-15.024673>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.868127,47.960136,-15.024673>,0.062425
<17.131517,48.947948,-13.882303>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.131517,48.947948,-13.882303>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.868127,47.960136,-15.024673>,0.062425
<14.592185,48.582996,-12.703951>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.592185,48.582996,-12.703951>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.788363,41.407555,-14.210849>,0.176643
<11.102849,43.783924,-13.211357>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.102849,43.783924,-13.211357>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<11.102849,43.783924,-13.211357>,0.124887
<14.273613,45.832417,-13.389695>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.273613,45.832417,-13.389695>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<14.273613,45.832417,-13.389695>,0.088295
<16.946644,47.595440,-14.536417>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.946644,47.595440,-14.536417>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.946644,47.595440,-14.536417>,0.062425
<18.885014,49.110466,-16.357889>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.885014,49.110466,-16.357889>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.946644,47.595440,-14.536417>,0.062425
<19.210035,48.583252,-13.394047>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.210035,48.583252,-13.394047>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.273613,45.832417,-13.389695>,0.088295
<16.186077,46.990360,-11.354493>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.186077,46.990360,-11.354493>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.186077,46.990360,-11.354493>,0.062425
<18.449469,47.978172,-10.212123>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.449469,47.978172,-10.212123>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.186077,46.990360,-11.354493>,0.062425
<15.910135,47.613224,-9.033771>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.910135,47.613224,-9.033771>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.102849,43.783924,-13.211357>,0.124887
<12.314519,45.139988,-10.386930>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.314519,45.139988,-10.386930>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<12.314519,45.139988,-10.386930>,0.088295
<14.226983,46.297932,-8.351727>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.226983,46.297932,-8.351727>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.226983,46.297932,-8.351727>,0.062425
<16.490374,47.285744,-7.209357>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.490374,47.285744,-7.209357>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.226983,46.297932,-8.351727>,0.062425
<13.951041,46.920792,-6.031005>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.951041,46.920792,-6.031005>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.314519,45.139988,-10.386930>,0.088295
<11.149587,45.873257,-8.078836>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.149587,45.873257,-8.078836>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.149587,45.873257,-8.078836>,0.062425
<10.873646,46.496117,-5.758114>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.873646,46.496117,-5.758114>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.149587,45.873257,-8.078836>,0.062425
<9.090582,46.258842,-7.595174>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.090582,46.258842,-7.595174>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.387497,31.955032,-8.885517>,0.353393
<8.138053,36.333317,-9.766527>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.138053,36.333317,-9.766527>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<8.138053,36.333317,-9.766527>,0.249849
<11.139420,40.164585,-11.732001>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.139420,40.164585,-11.732001>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<11.139420,40.164585,-11.732001>,0.176643
<13.135956,43.510731,-14.402690>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.135956,43.510731,-14.402690>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<13.135956,43.510731,-14.402690>,0.124887
<14.028991,46.427536,-17.364147>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.028991,46.427536,-17.364147>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<14.028991,46.427536,-17.364147>,0.088295
<13.868172,48.965199,-20.223440>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.868172,48.965199,-20.223440>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.868172,48.965199,-20.223440>,0.062425
<12.824825,51.168793,-22.655502>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.824825,51.168793,-22.655502>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.868172,48.965199,-20.223440>,0.062425
<15.806540,50.480225,-22.044912>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.806540,50.480225,-22.044912>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.028991,46.427536,-17.364147>,0.088295
<16.702023,48.190559,-18.510868>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.702023,48.190559,-18.510868>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.702023,48.190559,-18.510868>,0.062425
<18.640392,49.705585,-20.332340>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.640392,49.705585,-20.332340>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.702023,48.190559,-18.510868>,0.062425
<18.965414,49.178371,-17.368498>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.965414,49.178371,-17.368498>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.135956,43.510731,-14.402690>,0.124887
<16.306721,45.559223,-14.581028>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.306721,45.559223,-14.581028>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<16.306721,45.559223,-14.581028>,0.088295
<18.979752,47.322247,-15.727750>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.979752,47.322247,-15.727750>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<18.979752,47.322247,-15.727750>,0.062425
<20.918121,48.837273,-17.549221>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.918121,48.837273,-17.549221>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.979752,47.322247,-15.727750>,0.062425
<21.243143,48.310055,-14.585380>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.243143,48.310055,-14.585380>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.306721,45.559223,-14.581028>,0.088295
<18.219185,46.717167,-12.545826>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.219185,46.717167,-12.545826>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<18.219185,46.717167,-12.545826>,0.062425
<20.482574,47.704979,-11.403456>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.482574,47.704979,-11.403456>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.219185,46.717167,-12.545826>,0.062425
<17.943243,47.340027,-10.225103>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.943243,47.340027,-10.225103>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.139420,40.164585,-11.732001>,0.176643
<14.453906,42.540958,-10.732510>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.453906,42.540958,-10.732510>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<14.453906,42.540958,-10.732510>,0.124887
<17.624670,44.589451,-10.910848>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.624670,44.589451,-10.910848>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<17.624670,44.589451,-10.910848>,0.088295
<20.297703,46.352470,-12.057570>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.297703,46.352470,-12.057570>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.297703,46.352470,-12.057570>,0.062425
<22.236071,47.867496,-13.879041>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.236071,47.867496,-13.879041>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.297703,46.352470,-12.057570>,0.062425
<22.561092,47.340282,-10.915199>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.561092,47.340282,-10.915199>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.624670,44.589451,-10.910848>,0.088295
<19.537134,45.747395,-8.875646>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.537134,45.747395,-8.875646>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<19.537134,45.747395,-8.875646>,0.062425
<21.800526,46.735207,-7.733275>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.800526,46.735207,-7.733275>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.537134,45.747395,-8.875646>,0.062425
<19.261192,46.370255,-6.554923>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.261192,46.370255,-6.554923>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.453906,42.540958,-10.732510>,0.124887
<15.665576,43.897018,-7.908082>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.665576,43.897018,-7.908082>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<15.665576,43.897018,-7.908082>,0.088295
<17.578041,45.054962,-5.872880>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.578041,45.054962,-5.872880>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<17.578041,45.054962,-5.872880>,0.062425
<19.841433,46.042774,-4.730510>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.841433,46.042774,-4.730510>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.578041,45.054962,-5.872880>,0.062425
<17.302099,45.677826,-3.552157>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.302099,45.677826,-3.552157>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.665576,43.897018,-7.908082>,0.088295
<14.500645,44.630287,-5.599989>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500645,44.630287,-5.599989>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500645,44.630287,-5.599989>,0.062425
<14.224703,45.253151,-3.279266>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.224703,45.253151,-3.279266>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500645,44.630287,-5.599989>,0.062425
<12.441639,45.015877,-5.116327>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.441639,45.015877,-5.116327>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.138053,36.333317,-9.766527>,0.249849
<11.155539,39.085407,-7.510734>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.155539,39.085407,-7.510734>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<11.155539,39.085407,-7.510734>,0.176643
<14.470025,41.461781,-6.511242>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.470025,41.461781,-6.511242>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<14.470025,41.461781,-6.511242>,0.124887
<17.640789,43.510273,-6.689580>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.640789,43.510273,-6.689580>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<17.640789,43.510273,-6.689580>,0.088295
<20.313822,45.273293,-7.836302>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.313822,45.273293,-7.836302>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.313822,45.273293,-7.836302>,0.062425
<22.252190,46.788322,-9.657773>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.252190,46.788322,-9.657773>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.313822,45.273293,-7.836302>,0.062425
<22.577211,46.261105,-6.693932>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.577211,46.261105,-6.693932>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.640789,43.510273,-6.689580>,0.088295
<19.553253,44.668217,-4.654378>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.553253,44.668217,-4.654378>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<19.553253,44.668217,-4.654378>,0.062425
<21.816645,45.656029,-3.512008>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.816645,45.656029,-3.512008>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.553253,44.668217,-4.654378>,0.062425
<19.277311,45.291077,-2.333655>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.277311,45.291077,-2.333655>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.470025,41.461781,-6.511242>,0.124887
<15.681695,42.817841,-3.686815>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.681695,42.817841,-3.686815>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<15.681695,42.817841,-3.686815>,0.088295
<17.594160,43.975784,-1.651613>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.594160,43.975784,-1.651613>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<17.594160,43.975784,-1.651613>,0.062425
<19.857552,44.963596,-0.509242>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.857552,44.963596,-0.509242>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.594160,43.975784,-1.651613>,0.062425
<17.318218,44.598648,0.669110>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.318218,44.598648,0.669110>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.681695,42.817841,-3.686815>,0.088295
<14.516764,43.551113,-1.378722>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.516764,43.551113,-1.378722>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.516764,43.551113,-1.378722>,0.062425
<14.240822,44.173973,0.942001>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.240822,44.173973,0.942001>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.516764,43.551113,-1.378722>,0.062425
<12.457758,43.936699,-0.895059>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.457758,43.936699,-0.895059>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.155539,39.085407,-7.510734>,0.176643
<11.345264,40.671810,-4.137496>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.345264,40.671810,-4.137496>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<11.345264,40.671810,-4.137496>,0.124887
<12.556935,42.027874,-1.313068>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.556935,42.027874,-1.313068>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<12.556935,42.027874,-1.313068>,0.088295
<14.469399,43.185818,0.722134>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.469399,43.185818,0.722134>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.469399,43.185818,0.722134>,0.062425
<16.732790,44.173630,1.864504>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.732790,44.173630,1.864504>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.469399,43.185818,0.722134>,0.062425
<14.193458,43.808678,3.042857>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.193458,43.808678,3.042857>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.556935,42.027874,-1.313068>,0.088295
<11.392003,42.761143,0.995025>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.392003,42.761143,0.995025>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.392003,42.761143,0.995025>,0.062425
<11.116062,43.384007,3.315748>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.116062,43.384007,3.315748>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.392003,42.761143,0.995025>,0.062425
<9.332998,43.146729,1.478687>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.332998,43.146729,1.478687>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.345264,40.671810,-4.137496>,0.124887
<9.262077,41.534599,-2.179939>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.262077,41.534599,-2.179939>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.262077,41.534599,-2.179939>,0.088295
<8.097145,42.267868,0.128154>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.097145,42.267868,0.128154>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.097145,42.267868,0.128154>,0.062425
<7.821203,42.890732,2.448877>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.821203,42.890732,2.448877>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.097145,42.267868,0.128154>,0.062425
<6.038140,42.653458,0.611816>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.038140,42.653458,0.611816>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.262077,41.534599,-2.179939>,0.088295
<6.933417,41.989555,-2.456824>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.933417,41.989555,-2.456824>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.933417,41.989555,-2.456824>,0.062425
<4.874413,42.375141,-1.973162>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.874413,42.375141,-1.973162>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.933417,41.989555,-2.456824>,0.062425
<5.894519,42.226040,-4.043268>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.894519,42.226040,-4.043268>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.770363,25.609715,-5.681471>,0.499849
<6.870812,30.603611,-5.193914>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.870812,30.603611,-5.193914>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<6.870812,30.603611,-5.193914>,0.353393
<10.621367,34.981895,-6.074924>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.621367,34.981895,-6.074924>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<10.621367,34.981895,-6.074924>,0.249849
<13.622734,38.813164,-8.040399>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.622734,38.813164,-8.040399>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<13.622734,38.813164,-8.040399>,0.176643
<15.619270,42.159309,-10.711087>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.619270,42.159309,-10.711087>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<15.619270,42.159309,-10.711087>,0.124887
<16.512306,45.076115,-13.672544>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.512306,45.076115,-13.672544>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<16.512306,45.076115,-13.672544>,0.088295
<16.351486,47.613777,-16.531837>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.351486,47.613777,-16.531837>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.351486,47.613777,-16.531837>,0.062425
<15.308139,49.817371,-18.963900>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.308139,49.817371,-18.963900>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.351486,47.613777,-16.531837>,0.062425
<18.289854,49.128803,-18.353308>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.289854,49.128803,-18.353308>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.512306,45.076115,-13.672544>,0.088295
<19.185337,46.839138,-14.819265>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.185337,46.839138,-14.819265>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<19.185337,46.839138,-14.819265>,0.062425
<21.123707,48.354164,-16.640736>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.123707,48.354164,-16.640736>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.185337,46.839138,-14.819265>,0.062425
<21.448729,47.826950,-13.676895>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.448729,47.826950,-13.676895>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.619270,42.159309,-10.711087>,0.124887
<18.790035,44.207802,-10.889424>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.790035,44.207802,-10.889424>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<18.790035,44.207802,-10.889424>,0.088295
<21.463066,45.970825,-12.036147>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.463066,45.970825,-12.036147>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<21.463066,45.970825,-12.036147>,0.062425
<23.401434,47.485851,-13.857617>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.401434,47.485851,-13.857617>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.463066,45.970825,-12.036147>,0.062425
<23.726458,46.958637,-10.893777>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.726458,46.958637,-10.893777>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.790035,44.207802,-10.889424>,0.088295
<20.702499,45.365746,-8.854223>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.702499,45.365746,-8.854223>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.702499,45.365746,-8.854223>,0.062425
<22.965889,46.353558,-7.711853>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.965889,46.353558,-7.711853>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.702499,45.365746,-8.854223>,0.062425
<20.426558,45.988609,-6.533500>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.426558,45.988609,-6.533500>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.622734,38.813164,-8.040399>,0.176643
<16.937220,41.189537,-7.040906>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.937220,41.189537,-7.040906>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<16.937220,41.189537,-7.040906>,0.124887
<20.107985,43.238029,-7.219244>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.107985,43.238029,-7.219244>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<20.107985,43.238029,-7.219244>,0.088295
<22.781017,45.001049,-8.365967>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.781017,45.001049,-8.365967>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<22.781017,45.001049,-8.365967>,0.062425
<24.719385,46.516075,-10.187438>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.719385,46.516075,-10.187438>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.781017,45.001049,-8.365967>,0.062425
<25.044407,45.988861,-7.223597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.044407,45.988861,-7.223597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.107985,43.238029,-7.219244>,0.088295
<22.020449,44.395973,-5.184043>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.020449,44.395973,-5.184043>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<22.020449,44.395973,-5.184043>,0.062425
<24.283840,45.383785,-4.041672>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.283840,45.383785,-4.041672>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.020449,44.395973,-5.184043>,0.062425
<21.744507,45.018833,-2.863320>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.744507,45.018833,-2.863320>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.937220,41.189537,-7.040906>,0.124887
<18.148891,42.545597,-4.216479>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.148891,42.545597,-4.216479>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<18.148891,42.545597,-4.216479>,0.088295
<20.061356,43.703541,-2.181277>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.061356,43.703541,-2.181277>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.061356,43.703541,-2.181277>,0.062425
<22.324747,44.691353,-1.038907>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.324747,44.691353,-1.038907>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.061356,43.703541,-2.181277>,0.062425
<19.785414,44.326405,0.139446>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.785414,44.326405,0.139446>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.148891,42.545597,-4.216479>,0.088295
<16.983959,43.278870,-1.908386>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.983959,43.278870,-1.908386>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.983959,43.278870,-1.908386>,0.062425
<16.708017,43.901730,0.412337>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.708017,43.901730,0.412337>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.983959,43.278870,-1.908386>,0.062425
<14.924953,43.664455,-1.424724>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924953,43.664455,-1.424724>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.621367,34.981895,-6.074924>,0.249849
<13.638853,37.733986,-3.819131>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.638853,37.733986,-3.819131>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<13.638853,37.733986,-3.819131>,0.176643
<16.953339,40.110359,-2.819639>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.953339,40.110359,-2.819639>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<16.953339,40.110359,-2.819639>,0.124887
<20.124104,42.158852,-2.997977>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.124104,42.158852,-2.997977>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<20.124104,42.158852,-2.997977>,0.088295
<22.797136,43.921871,-4.144699>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.797136,43.921871,-4.144699>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<22.797136,43.921871,-4.144699>,0.062425
<24.735504,45.436901,-5.966170>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.735504,45.436901,-5.966170>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.797136,43.921871,-4.144699>,0.062425
<25.060526,44.909683,-3.002329>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.060526,44.909683,-3.002329>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.124104,42.158852,-2.997977>,0.088295
<22.036568,43.316795,-0.962775>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.036568,43.316795,-0.962775>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<22.036568,43.316795,-0.962775>,0.062425
<24.299959,44.304607,0.179595>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.299959,44.304607,0.179595>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.036568,43.316795,-0.962775>,0.062425
<21.760626,43.939655,1.357948>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.760626,43.939655,1.357948>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.953339,40.110359,-2.819639>,0.124887
<18.165010,41.466423,0.004789>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.165010,41.466423,0.004789>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<18.165010,41.466423,0.004789>,0.088295
<20.077475,42.624363,2.039990>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.077475,42.624363,2.039990>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.077475,42.624363,2.039990>,0.062425
<22.340866,43.612175,3.182361>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.340866,43.612175,3.182361>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.077475,42.624363,2.039990>,0.062425
<19.801533,43.247227,4.360713>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.801533,43.247227,4.360713>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.165010,41.466423,0.004789>,0.088295
<17.000078,42.199692,2.312881>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000078,42.199692,2.312881>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000078,42.199692,2.312881>,0.062425
<16.724136,42.822552,4.633605>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.724136,42.822552,4.633605>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000078,42.199692,2.312881>,0.062425
<14.941072,42.585278,2.796544>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.941072,42.585278,2.796544>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.638853,37.733986,-3.819131>,0.176643
<13.828579,39.320389,-0.445892>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.828579,39.320389,-0.445892>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<13.828579,39.320389,-0.445892>,0.124887
<15.040250,40.676453,2.378536>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.040250,40.676453,2.378536>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<15.040250,40.676453,2.378536>,0.088295
<16.952713,41.834396,4.413737>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.952713,41.834396,4.413737>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.952713,41.834396,4.413737>,0.062425
<19.216105,42.822208,5.556108>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.216105,42.822208,5.556108>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.952713,41.834396,4.413737>,0.062425
<16.676773,42.457256,6.734460>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.676773,42.457256,6.734460>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.040250,40.676453,2.378536>,0.088295
<13.875318,41.409721,4.686628>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.875318,41.409721,4.686628>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.875318,41.409721,4.686628>,0.062425
<13.599377,42.032585,7.007351>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.599377,42.032585,7.007351>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.875318,41.409721,4.686628>,0.062425
<11.816313,41.795307,5.170290>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.816313,41.795307,5.170290>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.828579,39.320389,-0.445892>,0.124887
<11.745392,40.183178,1.511664>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.745392,40.183178,1.511664>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.745392,40.183178,1.511664>,0.088295
<10.580460,40.916447,3.819757>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.580460,40.916447,3.819757>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.580460,40.916447,3.819757>,0.062425
<10.304518,41.539310,6.140480>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.304518,41.539310,6.140480>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.580460,40.916447,3.819757>,0.062425
<8.521455,41.302036,4.303419>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.521455,41.302036,4.303419>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.745392,40.183178,1.511664>,0.088295
<9.416732,40.638134,1.234779>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.416732,40.638134,1.234779>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.416732,40.638134,1.234779>,0.062425
<7.357727,41.023724,1.718441>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.357727,41.023724,1.718441>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.416732,40.638134,1.234779>,0.062425
<8.377834,40.874619,-0.351664>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.377834,40.874619,-0.351664>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.870812,30.603611,-5.193914>,0.353393
<9.113032,33.785236,-1.769945>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.113032,33.785236,-1.769945>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<9.113032,33.785236,-1.769945>,0.249849
<12.130518,36.537327,0.485848>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.130518,36.537327,0.485848>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<12.130518,36.537327,0.485848>,0.176643
<15.445004,38.913700,1.485340>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.445004,38.913700,1.485340>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<15.445004,38.913700,1.485340>,0.124887
<18.615768,40.962193,1.307002>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.615768,40.962193,1.307002>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<18.615768,40.962193,1.307002>,0.088295
<21.288799,42.725212,0.160280>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.288799,42.725212,0.160280>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<21.288799,42.725212,0.160280>,0.062425
<23.227169,44.240242,-1.661191>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.227169,44.240242,-1.661191>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.288799,42.725212,0.160280>,0.062425
<23.552191,43.713024,1.302650>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.552191,43.713024,1.302650>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.615768,40.962193,1.307002>,0.088295
<20.528233,42.120136,3.342204>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.528233,42.120136,3.342204>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.528233,42.120136,3.342204>,0.062425
<22.791624,43.107948,4.484574>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.791624,43.107948,4.484574>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.528233,42.120136,3.342204>,0.062425
<20.252291,42.742996,5.662927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.252291,42.742996,5.662927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.445004,38.913700,1.485340>,0.124887
<16.656675,40.269760,4.309768>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.656675,40.269760,4.309768>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<16.656675,40.269760,4.309768>,0.088295
<18.569139,41.427704,6.344969>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.569139,41.427704,6.344969>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<18.569139,41.427704,6.344969>,0.062425
<20.832529,42.415516,7.487340>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.832529,42.415516,7.487340>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.569139,41.427704,6.344969>,0.062425
<18.293198,42.050568,8.665692>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.293198,42.050568,8.665692>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.656675,40.269760,4.309768>,0.088295
<15.491742,41.003033,6.617860>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.491742,41.003033,6.617860>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<15.491742,41.003033,6.617860>,0.062425
<15.215801,41.625893,8.938583>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.215801,41.625893,8.938583>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.491742,41.003033,6.617860>,0.062425
<13.432737,41.388618,7.101523>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.432737,41.388618,7.101523>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.130518,36.537327,0.485848>,0.176643
<12.320244,38.123730,3.859087>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.320244,38.123730,3.859087>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<12.320244,38.123730,3.859087>,0.124887
<13.531915,39.479794,6.683514>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.531915,39.479794,6.683514>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<13.531915,39.479794,6.683514>,0.088295
<15.444379,40.637737,8.718716>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.444379,40.637737,8.718716>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<15.444379,40.637737,8.718716>,0.062425
<17.707769,41.625549,9.861086>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.707769,41.625549,9.861086>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.444379,40.637737,8.718716>,0.062425
<15.168437,41.260597,11.039439>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.168437,41.260597,11.039439>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.531915,39.479794,6.683514>,0.088295
<12.366982,40.213062,8.991607>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.366982,40.213062,8.991607>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.366982,40.213062,8.991607>,0.062425
<12.091041,40.835926,11.312329>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.091041,40.835926,11.312329>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.366982,40.213062,8.991607>,0.062425
<10.307978,40.598648,9.475269>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.307978,40.598648,9.475269>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.320244,38.123730,3.859087>,0.124887
<10.237056,38.986519,5.816643>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.237056,38.986519,5.816643>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.237056,38.986519,5.816643>,0.088295
<9.072124,39.719788,8.124736>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.072124,39.719788,8.124736>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.072124,39.719788,8.124736>,0.062425
<8.796183,40.342651,10.445458>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.796183,40.342651,10.445458>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.072124,39.719788,8.124736>,0.062425
<7.013120,40.105373,8.608398>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.013120,40.105373,8.608398>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.237056,38.986519,5.816643>,0.088295
<7.908397,39.441475,5.539758>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.908397,39.441475,5.539758>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.908397,39.441475,5.539758>,0.062425
<5.849392,39.827061,6.023420>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.849392,39.827061,6.023420>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.908397,39.441475,5.539758>,0.062425
<6.869499,39.677959,3.953315>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.869499,39.677959,3.953315>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.113032,33.785236,-1.769945>,0.249849
<8.041960,35.638981,1.781915>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.041960,35.638981,1.781915>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<8.041960,35.638981,1.781915>,0.176643
<8.231686,37.225384,5.155154>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.231686,37.225384,5.155154>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.231686,37.225384,5.155154>,0.124887
<9.443357,38.581448,7.979582>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.443357,38.581448,7.979582>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.443357,38.581448,7.979582>,0.088295
<11.355821,39.739391,10.014784>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.355821,39.739391,10.014784>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.355821,39.739391,10.014784>,0.062425
<13.619211,40.727203,11.157154>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.619211,40.727203,11.157154>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.355821,39.739391,10.014784>,0.062425
<11.079879,40.362251,12.335506>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.079879,40.362251,12.335506>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.443357,38.581448,7.979582>,0.088295
<8.278424,39.314716,10.287675>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.278424,39.314716,10.287675>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.278424,39.314716,10.287675>,0.062425
<8.002482,39.937576,12.608397>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.002482,39.937576,12.608397>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.278424,39.314716,10.287675>,0.062425
<6.219419,39.700302,10.771337>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.219419,39.700302,10.771337>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.231686,37.225384,5.155154>,0.124887
<6.148498,38.088173,7.112710>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.148498,38.088173,7.112710>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.148498,38.088173,7.112710>,0.088295
<4.983566,38.821442,9.420803>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.983566,38.821442,9.420803>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.983566,38.821442,9.420803>,0.062425
<4.707624,39.444305,11.741526>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.707624,39.444305,11.741526>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.983566,38.821442,9.420803>,0.062425
<2.924561,39.207027,9.904466>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.924561,39.207027,9.904466>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.148498,38.088173,7.112710>,0.088295
<3.819838,38.543129,6.835825>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.819838,38.543129,6.835825>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.819838,38.543129,6.835825>,0.062425
<1.760833,38.928715,7.319488>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.760833,38.928715,7.319488>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.819838,38.543129,6.835825>,0.062425
<2.780940,38.779613,5.249382>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.780940,38.779613,5.249382>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.041960,35.638981,1.781915>,0.176643
<5.138991,36.653564,3.027279>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.138991,36.653564,3.027279>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.138991,36.653564,3.027279>,0.124887
<3.055803,37.516354,4.984836>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.055803,37.516354,4.984836>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.055803,37.516354,4.984836>,0.088295
<1.890871,38.249622,7.292928>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.890871,38.249622,7.292928>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.890871,38.249622,7.292928>,0.062425
<1.614930,38.872482,9.613651>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.614930,38.872482,9.613651>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.890871,38.249622,7.292928>,0.062425
<-0.168133,38.635208,7.776591>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.168133,38.635208,7.776591>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.055803,37.516354,4.984836>,0.088295
<0.727144,37.971310,4.707950>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.727144,37.971310,4.707950>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.727144,37.971310,4.707950>,0.062425
<-1.331861,38.356895,5.191613>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.331861,38.356895,5.191613>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.727144,37.971310,4.707950>,0.062425
<-0.311754,38.207790,3.121507>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.311754,38.207790,3.121507>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.138991,36.653564,3.027279>,0.124887
<2.818423,37.190228,1.856050>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.818423,37.190228,1.856050>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.818423,37.190228,1.856050>,0.088295
<0.489763,37.645184,1.579165>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.489763,37.645184,1.579165>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.489763,37.645184,1.579165>,0.062425
<-1.569242,38.030769,2.062828>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.569242,38.030769,2.062828>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.489763,37.645184,1.579165>,0.062425
<-0.549135,37.881664,-0.007278>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.549135,37.881664,-0.007278>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.818423,37.190228,1.856050>,0.088295
<2.337078,37.469566,-0.193087>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.337078,37.469566,-0.193087>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.337078,37.469566,-0.193087>,0.062425
<1.298180,37.706047,-1.779530>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.298180,37.706047,-1.779530>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.337078,37.469566,-0.193087>,0.062425
<3.350500,37.613945,-1.548702>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.350500,37.613945,-1.548702>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.457233,-3.078181>,0.707000
<-5.515520,22.806198,-4.661075>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.515520,22.806198,-4.661075>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.515520,22.806198,-4.661075>,0.499849
<-10.780953,26.565310,-4.294071>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.780953,26.565310,-4.294071>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.780953,26.565310,-4.294071>,0.353393
<-15.209117,29.808964,-2.323719>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.209117,29.808964,-2.323719>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.209117,29.808964,-2.323719>,0.249849
<-18.405983,32.603222,0.762068>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.405983,32.603222,0.762068>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.405983,32.603222,0.762068>,0.176643
<-20.189600,35.006561,4.416938>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.189600,35.006561,4.416938>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.189600,35.006561,4.416938>,0.124887
<-20.578951,37.070614,8.113367>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.578951,37.070614,8.113367>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.578951,37.070614,8.113367>,0.088295
<-19.759026,38.840801,11.405068>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.759026,38.840801,11.405068>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.759026,38.840801,11.405068>,0.062425
<-18.030575,40.356995,13.968845>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.030575,40.356995,13.968845>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.759026,38.840801,11.405068>,0.062425
<-21.465418,39.814270,13.752604>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.465418,39.814270,13.752604>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.578951,37.070614,8.113367>,0.088295
<-23.234983,38.214027,9.904014>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.234983,38.214027,9.904014>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.234983,38.214027,9.904014>,0.062425
<-24.941376,39.187492,12.251549>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.941376,39.187492,12.251549>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.234983,38.214027,9.904014>,0.062425
<-25.784147,38.822525,9.172432>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.784147,38.822525,9.172432>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.189600,35.006561,4.416938>,0.124887
<-23.617691,36.348549,5.270837>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.617691,36.348549,5.270837>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.617691,36.348549,5.270837>,0.088295
<-26.273722,37.491959,7.061484>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.273722,37.491959,7.061484>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.273722,37.491959,7.061484>,0.062425
<-27.980114,38.465427,9.409019>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.980114,38.465427,9.409019>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.273722,37.491959,7.061484>,0.062425
<-28.822886,38.100460,6.329902>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.822886,38.100460,6.329902>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.617691,36.348549,5.270837>,0.088295
<-25.993404,37.065678,3.543962>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993404,37.065678,3.543962>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993404,37.065678,3.543962>,0.062425
<-28.542568,37.674179,2.812380>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.542568,37.674179,2.812380>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993404,37.065678,3.543962>,0.062425
<-26.159544,37.440693,1.160348>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.159544,37.440693,1.160348>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.405983,32.603222,0.762068>,0.176643
<-22.277559,34.176918,0.354268>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.277559,34.176918,0.354268>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.277559,34.176918,0.354268>,0.124887
<-25.705650,35.518906,1.208167>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.705650,35.518906,1.208167>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.705650,35.518906,1.208167>,0.088295
<-28.361681,36.662315,2.998814>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.361681,36.662315,2.998814>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.361681,36.662315,2.998814>,0.062425
<-30.068073,37.635784,5.346350>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.068073,37.635784,5.346350>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.361681,36.662315,2.998814>,0.062425
<-30.910845,37.270817,2.267232>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.910845,37.270817,2.267232>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.705650,35.518906,1.208167>,0.088295
<-28.081364,36.236034,-0.518708>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.081364,36.236034,-0.518708>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.081364,36.236034,-0.518708>,0.062425
<-30.630527,36.844536,-1.250290>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.630527,36.844536,-1.250290>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.081364,36.236034,-0.518708>,0.062425
<-28.247503,36.611050,-2.902322>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.247503,36.611050,-2.902322>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.277559,34.176918,0.354268>,0.124887
<-24.095037,35.021729,-2.341564>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.095037,35.021729,-2.341564>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.095037,35.021729,-2.341564>,0.088295
<-26.470753,35.738861,-4.068439>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.470753,35.738861,-4.068439>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.470753,35.738861,-4.068439>,0.062425
<-29.019917,36.347359,-4.800021>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.019917,36.347359,-4.800021>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.470753,35.738861,-4.068439>,0.062425
<-26.636892,36.113873,-6.452053>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.636892,36.113873,-6.452053>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.095037,35.021729,-2.341564>,0.088295
<-23.363842,35.464447,-4.889385>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.363842,35.464447,-4.889385>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.363842,35.464447,-4.889385>,0.062425
<-23.529982,35.839462,-7.272999>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.529982,35.839462,-7.272999>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.363842,35.464447,-4.889385>,0.062425
<-21.410830,35.693943,-5.758396>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.410830,35.693943,-5.758396>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.209117,29.808964,-2.323719>,0.249849
<-19.060801,31.652664,-4.203383>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.060801,31.652664,-4.203383>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.060801,31.652664,-4.203383>,0.176643
<-22.932377,33.226364,-4.611183>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.932377,33.226364,-4.611183>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.932377,33.226364,-4.611183>,0.124887
<-26.360466,34.568348,-3.757284>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.360466,34.568348,-3.757284>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.360466,34.568348,-3.757284>,0.088295
<-29.016499,35.711758,-1.966637>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.016499,35.711758,-1.966637>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.016499,35.711758,-1.966637>,0.062425
<-30.722891,36.685226,0.380898>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.722891,36.685226,0.380898>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.016499,35.711758,-1.966637>,0.062425
<-31.565662,36.320259,-2.698219>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.565662,36.320259,-2.698219>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.360466,34.568348,-3.757284>,0.088295
<-28.736181,35.285477,-5.484159>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.736181,35.285477,-5.484159>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.736181,35.285477,-5.484159>,0.062425
<-31.285345,35.893978,-6.215741>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.285345,35.893978,-6.215741>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.736181,35.285477,-5.484159>,0.062425
<-28.902321,35.660492,-7.867773>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.902321,35.660492,-7.867773>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.932377,33.226364,-4.611183>,0.124887
<-24.749855,34.071171,-7.307015>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.749855,34.071171,-7.307015>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.749855,34.071171,-7.307015>,0.088295
<-27.125570,34.788303,-9.033890>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.125570,34.788303,-9.033890>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.125570,34.788303,-9.033890>,0.062425
<-29.674734,35.396801,-9.765471>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.674734,35.396801,-9.765471>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.125570,34.788303,-9.033890>,0.062425
<-27.291710,35.163315,-11.417504>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.291710,35.163315,-11.417504>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.749855,34.071171,-7.307015>,0.088295
<-24.018660,34.513889,-9.854836>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.018660,34.513889,-9.854836>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.018660,34.513889,-9.854836>,0.062425
<-24.184797,34.888905,-12.238450>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.184797,34.888905,-12.238450>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.018660,34.513889,-9.854836>,0.062425
<-22.065645,34.743385,-10.723847>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.065645,34.743385,-10.723847>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.060801,31.652664,-4.203383>,0.176643
<-19.930323,32.647423,-7.694198>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.930323,32.647423,-7.694198>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.930323,32.647423,-7.694198>,0.124887
<-21.747803,33.492229,-10.390030>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.747803,33.492229,-10.390030>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.747803,33.492229,-10.390030>,0.088295
<-24.123516,34.209362,-12.116905>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.123516,34.209362,-12.116905>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.123516,34.209362,-12.116905>,0.062425
<-26.672680,34.817863,-12.848487>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.672680,34.817863,-12.848487>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.123516,34.209362,-12.116905>,0.062425
<-24.289656,34.584377,-14.500519>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.289656,34.584377,-14.500519>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.747803,33.492229,-10.390030>,0.088295
<-21.016605,33.934948,-12.937851>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.016605,33.934948,-12.937851>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.016605,33.934948,-12.937851>,0.062425
<-21.182745,34.309963,-15.321465>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.182745,34.309963,-15.321465>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.016605,33.934948,-12.937851>,0.062425
<-19.063593,34.164444,-13.806862>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.063593,34.164444,-13.806862>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.930323,32.647423,-7.694198>,0.124887
<-18.201754,33.169964,-10.072244>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.201754,33.169964,-10.072244>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.201754,33.169964,-10.072244>,0.088295
<-17.470558,33.612682,-12.620065>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.470558,33.612682,-12.620065>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.470558,33.612682,-12.620065>,0.062425
<-17.636698,33.987698,-15.003678>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.636698,33.987698,-15.003678>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.470558,33.612682,-12.620065>,0.062425
<-15.517545,33.842178,-13.489076>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.517545,33.842178,-13.489076>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.201754,33.169964,-10.072244>,0.088295
<-15.834150,33.441116,-10.237267>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.834150,33.441116,-10.237267>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.834150,33.441116,-10.237267>,0.062425
<-13.881138,33.670612,-11.106277>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.881138,33.670612,-11.106277>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.834150,33.441116,-10.237267>,0.062425
<-14.510512,33.581081,-8.865981>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.510512,33.581081,-8.865981>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.780953,26.565310,-4.294071>,0.353393
<-14.054504,28.723131,-7.685460>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.054504,28.723131,-7.685460>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.054504,28.723131,-7.685460>,0.249849
<-17.906187,30.566830,-9.565125>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.906187,30.566830,-9.565125>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.906187,30.566830,-9.565125>,0.176643
<-21.777763,32.140530,-9.972924>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.777763,32.140530,-9.972924>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.777763,32.140530,-9.972924>,0.124887
<-25.205854,33.482513,-9.119025>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.205854,33.482513,-9.119025>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.205854,33.482513,-9.119025>,0.088295
<-27.861887,34.625923,-7.328378>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.861887,34.625923,-7.328378>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.861887,34.625923,-7.328378>,0.062425
<-29.568277,35.599392,-4.980843>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.568277,35.599392,-4.980843>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.861887,34.625923,-7.328378>,0.062425
<-30.411051,35.234425,-8.059960>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.411051,35.234425,-8.059960>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.205854,33.482513,-9.119025>,0.088295
<-27.581570,34.199646,-10.845900>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.581570,34.199646,-10.845900>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.581570,34.199646,-10.845900>,0.062425
<-30.130733,34.808144,-11.577482>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.130733,34.808144,-11.577482>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.581570,34.199646,-10.845900>,0.062425
<-27.747709,34.574657,-13.229514>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.747709,34.574657,-13.229514>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.777763,32.140530,-9.972924>,0.124887
<-23.595243,32.985336,-12.668756>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.595243,32.985336,-12.668756>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.595243,32.985336,-12.668756>,0.088295
<-25.970957,33.702469,-14.395631>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.970957,33.702469,-14.395631>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.970957,33.702469,-14.395631>,0.062425
<-28.520121,34.310970,-15.127213>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.520121,34.310970,-15.127213>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.970957,33.702469,-14.395631>,0.062425
<-26.137096,34.077480,-16.779245>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.137096,34.077480,-16.779245>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.595243,32.985336,-12.668756>,0.088295
<-22.864046,33.428055,-15.216578>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.864046,33.428055,-15.216578>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.864046,33.428055,-15.216578>,0.062425
<-23.030186,33.803070,-17.600191>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.030186,33.803070,-17.600191>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.864046,33.428055,-15.216578>,0.062425
<-20.911034,33.657551,-16.085588>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.911034,33.657551,-16.085588>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.906187,30.566830,-9.565125>,0.176643
<-18.775711,31.561588,-13.055939>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.775711,31.561588,-13.055939>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.775711,31.561588,-13.055939>,0.124887
<-20.593189,32.406395,-15.751771>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.593189,32.406395,-15.751771>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.593189,32.406395,-15.751771>,0.088295
<-22.968904,33.123528,-17.478645>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.968904,33.123528,-17.478645>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.968904,33.123528,-17.478645>,0.062425
<-25.518068,33.732029,-18.210228>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.518068,33.732029,-18.210228>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.968904,33.123528,-17.478645>,0.062425
<-23.135044,33.498543,-19.862261>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.135044,33.498543,-19.862261>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.593189,32.406395,-15.751771>,0.088295
<-19.861994,32.849117,-18.299593>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.861994,32.849117,-18.299593>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.861994,32.849117,-18.299593>,0.062425
<-20.028133,33.224129,-20.683207>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.028133,33.224129,-20.683207>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.861994,32.849117,-18.299593>,0.062425
<-17.908979,33.078609,-19.168602>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.908979,33.078609,-19.168602>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.775711,31.561588,-13.055939>,0.124887
<-17.047142,32.084129,-15.433985>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.047142,32.084129,-15.433985>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.047142,32.084129,-15.433985>,0.088295
<-16.315945,32.526848,-17.981806>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.315945,32.526848,-17.981806>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.315945,32.526848,-17.981806>,0.062425
<-16.482084,32.901863,-20.365419>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.482084,32.901863,-20.365419>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.315945,32.526848,-17.981806>,0.062425
<-14.362932,32.756344,-18.850817>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.362932,32.756344,-18.850817>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.047142,32.084129,-15.433985>,0.088295
<-14.679539,32.355286,-15.599008>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.679539,32.355286,-15.599008>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.679539,32.355286,-15.599008>,0.062425
<-12.726525,32.584778,-16.468019>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.726525,32.584778,-16.468019>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.679539,32.355286,-15.599008>,0.062425
<-13.355900,32.495251,-14.227722>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.355900,32.495251,-14.227722>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.054504,28.723131,-7.685460>,0.249849
<-13.637745,29.893858,-11.642097>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.637745,29.893858,-11.642097>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.637745,29.893858,-11.642097>,0.176643
<-14.507269,30.888617,-15.132913>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.507269,30.888617,-15.132913>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.507269,30.888617,-15.132913>,0.124887
<-16.324747,31.733425,-17.828745>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.324747,31.733425,-17.828745>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.324747,31.733425,-17.828745>,0.088295
<-18.700462,32.450558,-19.555618>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.700462,32.450558,-19.555618>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.700462,32.450558,-19.555618>,0.062425
<-21.249626,33.059059,-20.287201>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.249626,33.059059,-20.287201>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.700462,32.450558,-19.555618>,0.062425
<-18.866602,32.825569,-21.939234>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.866602,32.825569,-21.939234>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.324747,31.733425,-17.828745>,0.088295
<-15.593551,32.176144,-20.376566>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.593551,32.176144,-20.376566>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.593551,32.176144,-20.376566>,0.062425
<-15.759690,32.551159,-22.760180>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.759690,32.551159,-22.760180>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.593551,32.176144,-20.376566>,0.062425
<-13.640538,32.405640,-21.245575>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.640538,32.405640,-21.245575>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.507269,30.888617,-15.132913>,0.124887
<-12.778700,31.411160,-17.510958>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.778700,31.411160,-17.510958>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.778700,31.411160,-17.510958>,0.088295
<-12.047503,31.853878,-20.058779>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.047503,31.853878,-20.058779>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.047503,31.853878,-20.058779>,0.062425
<-12.213642,32.228889,-22.442392>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.213642,32.228889,-22.442392>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.047503,31.853878,-20.058779>,0.062425
<-10.094490,32.083370,-20.927790>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.094490,32.083370,-20.927790>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.778700,31.411160,-17.510958>,0.088295
<-10.411096,31.682312,-17.675982>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.411096,31.682312,-17.675982>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.411096,31.682312,-17.675982>,0.062425
<-8.458083,31.911806,-18.544992>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.458083,31.911806,-18.544992>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.411096,31.682312,-17.675982>,0.062425
<-9.087457,31.822279,-16.304695>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.087457,31.822279,-16.304695>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.637745,29.893858,-11.642097>,0.176643
<-10.934709,30.510471,-13.464434>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.934709,30.510471,-13.464434>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.934709,30.510471,-13.464434>,0.124887
<-9.206140,31.033012,-15.842479>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.206140,31.033012,-15.842479>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.206140,31.033012,-15.842479>,0.088295
<-8.474942,31.475733,-18.390301>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.474942,31.475733,-18.390301>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.474942,31.475733,-18.390301>,0.062425
<-8.641082,31.850746,-20.773914>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.641082,31.850746,-20.773914>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.474942,31.475733,-18.390301>,0.062425
<-6.521930,31.705227,-19.259312>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.521930,31.705227,-19.259312>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.206140,31.033012,-15.842479>,0.088295
<-6.838535,31.304167,-16.007502>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.838535,31.304167,-16.007502>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.838535,31.304167,-16.007502>,0.062425
<-4.885522,31.533661,-16.876513>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.885522,31.533661,-16.876513>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.838535,31.304167,-16.007502>,0.062425
<-5.514896,31.444132,-14.636217>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.514896,31.444132,-14.636217>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.934709,30.510471,-13.464434>,0.124887
<-8.402134,30.830816,-12.737613>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.402134,30.830816,-12.737613>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.402134,30.830816,-12.737613>,0.088295
<-6.034531,31.101971,-12.902637>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.034531,31.101971,-12.902637>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.034531,31.101971,-12.902637>,0.062425
<-4.081518,31.331465,-13.771646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.081518,31.331465,-13.771646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.034531,31.101971,-12.902637>,0.062425
<-4.710892,31.241936,-11.531350>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.710892,31.241936,-11.531350>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.402134,30.830816,-12.737613>,0.088295
<-7.541544,30.996256,-10.803524>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.541544,30.996256,-10.803524>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.541544,30.996256,-10.803524>,0.062425
<-6.217905,31.136221,-9.432239>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.217905,31.136221,-9.432239>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.541544,30.996256,-10.803524>,0.062425
<-8.285607,31.081482,-9.278839>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.285607,31.081482,-9.278839>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.515520,22.806198,-4.661075>,0.499849
<-7.620619,25.328861,-9.392071>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.620619,25.328861,-9.392071>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.620619,25.328861,-9.392071>,0.353393
<-10.894171,27.486683,-12.783460>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.894171,27.486683,-12.783460>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.894171,27.486683,-12.783460>,0.249849
<-14.745853,29.330381,-14.663124>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.745853,29.330381,-14.663124>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.745853,29.330381,-14.663124>,0.176643
<-18.617430,30.904081,-15.070925>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.617430,30.904081,-15.070925>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.617430,30.904081,-15.070925>,0.124887
<-22.045521,32.246063,-14.217025>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.045521,32.246063,-14.217025>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.045521,32.246063,-14.217025>,0.088295
<-24.701553,33.389477,-12.426378>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.701553,33.389477,-12.426378>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.701553,33.389477,-12.426378>,0.062425
<-26.407944,34.362942,-10.078843>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.407944,34.362942,-10.078843>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.701553,33.389477,-12.426378>,0.062425
<-27.250715,33.997978,-13.157960>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.250715,33.997978,-13.157960>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.045521,32.246063,-14.217025>,0.088295
<-24.421236,32.963196,-15.943900>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.421236,32.963196,-15.943900>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.421236,32.963196,-15.943900>,0.062425
<-26.970398,33.571697,-16.675482>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.970398,33.571697,-16.675482>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.421236,32.963196,-15.943900>,0.062425
<-24.587374,33.338211,-18.327515>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.587374,33.338211,-18.327515>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.617430,30.904081,-15.070925>,0.124887
<-20.434910,31.748888,-17.766756>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.434910,31.748888,-17.766756>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.434910,31.748888,-17.766756>,0.088295
<-22.810623,32.466019,-19.493631>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.810623,32.466019,-19.493631>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.810623,32.466019,-19.493631>,0.062425
<-25.359787,33.074520,-20.225212>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.359787,33.074520,-20.225212>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.810623,32.466019,-19.493631>,0.062425
<-22.976763,32.841034,-21.877245>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.976763,32.841034,-21.877245>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.434910,31.748888,-17.766756>,0.088295
<-19.703712,32.191608,-20.314577>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.703712,32.191608,-20.314577>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.703712,32.191608,-20.314577>,0.062425
<-19.869852,32.566620,-22.698191>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.869852,32.566620,-22.698191>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.703712,32.191608,-20.314577>,0.062425
<-17.750700,32.421101,-21.183588>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.750700,32.421101,-21.183588>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.745853,29.330381,-14.663124>,0.176643
<-15.615376,30.325140,-18.153938>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.615376,30.325140,-18.153938>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.615376,30.325140,-18.153938>,0.124887
<-17.432856,31.169949,-20.849771>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.432856,31.169949,-20.849771>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.432856,31.169949,-20.849771>,0.088295
<-19.808571,31.887079,-22.576647>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.808571,31.887079,-22.576647>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.808571,31.887079,-22.576647>,0.062425
<-22.357735,32.495583,-23.308228>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.357735,32.495583,-23.308228>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.808571,31.887079,-22.576647>,0.062425
<-19.974710,32.262093,-24.960260>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.974710,32.262093,-24.960260>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.432856,31.169949,-20.849771>,0.088295
<-16.701660,31.612667,-23.397593>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.701660,31.612667,-23.397593>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.701660,31.612667,-23.397593>,0.062425
<-16.867798,31.987680,-25.781206>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.867798,31.987680,-25.781206>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.701660,31.612667,-23.397593>,0.062425
<-14.748647,31.842161,-24.266603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.748647,31.842161,-24.266603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.615376,30.325140,-18.153938>,0.124887
<-13.886808,30.847681,-20.531984>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.886808,30.847681,-20.531984>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.886808,30.847681,-20.531984>,0.088295
<-13.155611,31.290401,-23.079805>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.155611,31.290401,-23.079805>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.155611,31.290401,-23.079805>,0.062425
<-13.321751,31.665415,-25.463419>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.321751,31.665415,-25.463419>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.155611,31.290401,-23.079805>,0.062425
<-11.202599,31.519896,-23.948816>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.202599,31.519896,-23.948816>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.886808,30.847681,-20.531984>,0.088295
<-11.519204,31.118835,-20.697008>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.519204,31.118835,-20.697008>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.519204,31.118835,-20.697008>,0.062425
<-9.566192,31.348330,-21.566019>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.566192,31.348330,-21.566019>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.519204,31.118835,-20.697008>,0.062425
<-10.195566,31.258801,-19.325722>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.195566,31.258801,-19.325722>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.894171,27.486683,-12.783460>,0.249849
<-10.477411,28.657410,-16.740097>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.477411,28.657410,-16.740097>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.477411,28.657410,-16.740097>,0.176643
<-11.346935,29.652168,-20.230911>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.346935,29.652168,-20.230911>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.346935,29.652168,-20.230911>,0.124887
<-13.164413,30.496977,-22.926744>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.164413,30.496977,-22.926744>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.164413,30.496977,-22.926744>,0.088295
<-15.540129,31.214109,-24.653620>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.540129,31.214109,-24.653620>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.540129,31.214109,-24.653620>,0.062425
<-18.089293,31.822609,-25.385201>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.089293,31.822609,-25.385201>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.540129,31.214109,-24.653620>,0.062425
<-15.706268,31.589123,-27.037233>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.706268,31.589123,-27.037233>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.164413,30.496977,-22.926744>,0.088295
<-12.433217,30.939695,-25.474566>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.433217,30.939695,-25.474566>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.433217,30.939695,-25.474566>,0.062425
<-12.599357,31.314711,-27.858179>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.599357,31.314711,-27.858179>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.433217,30.939695,-25.474566>,0.062425
<-10.480205,31.169191,-26.343576>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.480205,31.169191,-26.343576>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.346935,29.652168,-20.230911>,0.124887
<-9.618366,30.174711,-22.608957>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.618366,30.174711,-22.608957>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.618366,30.174711,-22.608957>,0.088295
<-8.887169,30.617430,-25.156778>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.887169,30.617430,-25.156778>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.887169,30.617430,-25.156778>,0.062425
<-9.053308,30.992443,-27.540394>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.053308,30.992443,-27.540394>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.887169,30.617430,-25.156778>,0.062425
<-6.934156,30.846924,-26.025789>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.934156,30.846924,-26.025789>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.618366,30.174711,-22.608957>,0.088295
<-7.250762,30.445864,-22.773981>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.250762,30.445864,-22.773981>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.250762,30.445864,-22.773981>,0.062425
<-5.297749,30.675358,-23.642992>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.297749,30.675358,-23.642992>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.250762,30.445864,-22.773981>,0.062425
<-5.927123,30.585831,-21.402695>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.927123,30.585831,-21.402695>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.477411,28.657410,-16.740097>,0.176643
<-7.774374,29.274023,-18.562433>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.774374,29.274023,-18.562433>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.774374,29.274023,-18.562433>,0.124887
<-6.045805,29.796564,-20.940479>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.045805,29.796564,-20.940479>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.045805,29.796564,-20.940479>,0.088295
<-5.314609,30.239285,-23.488300>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.314609,30.239285,-23.488300>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.314609,30.239285,-23.488300>,0.062425
<-5.480748,30.614298,-25.871914>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.480748,30.614298,-25.871914>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.314609,30.239285,-23.488300>,0.062425
<-3.361596,30.468779,-24.357311>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.361596,30.468779,-24.357311>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.045805,29.796564,-20.940479>,0.088295
<-3.678202,30.067719,-21.105503>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.678202,30.067719,-21.105503>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.678202,30.067719,-21.105503>,0.062425
<-1.725189,30.297213,-21.974514>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.725189,30.297213,-21.974514>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.678202,30.067719,-21.105503>,0.062425
<-2.354563,30.207685,-19.734217>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.354563,30.207685,-19.734217>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.774374,29.274023,-18.562433>,0.124887
<-5.241800,29.594368,-17.835613>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241800,29.594368,-17.835613>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241800,29.594368,-17.835613>,0.088295
<-2.874197,29.865522,-18.000637>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.874197,29.865522,-18.000637>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.874197,29.865522,-18.000637>,0.062425
<-0.921184,30.095016,-18.869646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.921184,30.095016,-18.869646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.874197,29.865522,-18.000637>,0.062425
<-1.550558,30.005487,-16.629351>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.550558,30.005487,-16.629351>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241800,29.594368,-17.835613>,0.088295
<-4.381210,29.759808,-15.901524>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.381210,29.759808,-15.901524>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.381210,29.759808,-15.901524>,0.062425
<-3.057571,29.899773,-14.530238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.057571,29.899773,-14.530238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.381210,29.759808,-15.901524>,0.062425
<-5.125274,29.845034,-14.376839>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.125274,29.845034,-14.376839>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.620619,25.328861,-9.392071>,0.353393
<-5.692022,26.705902,-13.344024>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.692022,26.705902,-13.344024>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.692022,26.705902,-13.344024>,0.249849
<-5.275262,27.876631,-17.300659>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.275262,27.876631,-17.300659>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.275262,27.876631,-17.300659>,0.176643
<-6.144786,28.871389,-20.791475>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.144786,28.871389,-20.791475>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.144786,28.871389,-20.791475>,0.124887
<-7.962265,29.716198,-23.487307>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.962265,29.716198,-23.487307>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.962265,29.716198,-23.487307>,0.088295
<-10.337979,30.433329,-25.214182>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.337979,30.433329,-25.214182>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.337979,30.433329,-25.214182>,0.062425
<-12.887142,31.041830,-25.945763>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.887142,31.041830,-25.945763>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.337979,30.433329,-25.214182>,0.062425
<-10.504119,30.808342,-27.597795>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.504119,30.808342,-27.597795>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.962265,29.716198,-23.487307>,0.088295
<-7.231068,30.158916,-26.035128>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.231068,30.158916,-26.035128>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.231068,30.158916,-26.035128>,0.062425
<-7.397207,30.533930,-28.418741>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.397207,30.533930,-28.418741>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.231068,30.158916,-26.035128>,0.062425
<-5.278055,30.388411,-26.904139>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.278055,30.388411,-26.904139>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.144786,28.871389,-20.791475>,0.124887
<-4.416217,29.393930,-23.169519>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.416217,29.393930,-23.169519>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.416217,29.393930,-23.169519>,0.088295
<-3.685020,29.836649,-25.717340>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.685020,29.836649,-25.717340>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.685020,29.836649,-25.717340>,0.062425
<-3.851160,30.211664,-28.100954>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.851160,30.211664,-28.100954>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.685020,29.836649,-25.717340>,0.062425
<-1.732008,30.066145,-26.586351>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.732008,30.066145,-26.586351>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.416217,29.393930,-23.169519>,0.088295
<-2.048614,29.665085,-23.334543>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.048614,29.665085,-23.334543>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.048614,29.665085,-23.334543>,0.062425
<-0.095601,29.894579,-24.203554>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.095601,29.894579,-24.203554>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.048614,29.665085,-23.334543>,0.062425
<-0.724975,29.805050,-21.963257>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.724975,29.805050,-21.963257>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.275262,27.876631,-17.300659>,0.176643
<-2.572226,28.493244,-19.122995>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.572226,28.493244,-19.122995>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.572226,28.493244,-19.122995>,0.124887
<-0.843657,29.015785,-21.501041>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.843657,29.015785,-21.501041>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.843657,29.015785,-21.501041>,0.088295
<-0.112460,29.458504,-24.048862>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.112460,29.458504,-24.048862>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.112460,29.458504,-24.048862>,0.062425
<-0.278599,29.833519,-26.432476>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.278599,29.833519,-26.432476>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.112460,29.458504,-24.048862>,0.062425
<1.840553,29.687998,-24.917873>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.840553,29.687998,-24.917873>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.843657,29.015785,-21.501041>,0.088295
<1.523947,29.286940,-21.666065>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.523947,29.286940,-21.666065>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.523947,29.286940,-21.666065>,0.062425
<3.476960,29.516434,-22.535076>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.476960,29.516434,-22.535076>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.523947,29.286940,-21.666065>,0.062425
<2.847586,29.426905,-20.294779>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.847586,29.426905,-20.294779>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.572226,28.493244,-19.122995>,0.124887
<-0.039652,28.813589,-18.396175>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.039652,28.813589,-18.396175>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.039652,28.813589,-18.396175>,0.088295
<2.327952,29.084743,-18.561199>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.327952,29.084743,-18.561199>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.327952,29.084743,-18.561199>,0.062425
<4.280964,29.314238,-19.430210>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280964,29.314238,-19.430210>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.327952,29.084743,-18.561199>,0.062425
<3.651591,29.224709,-17.189913>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.651591,29.224709,-17.189913>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.039652,28.813589,-18.396175>,0.088295
<0.820938,28.979029,-16.462088>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.820938,28.979029,-16.462088>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.820938,28.979029,-16.462088>,0.062425
<2.144577,29.118994,-15.090801>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.144577,29.118994,-15.090801>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.820938,28.979029,-16.462088>,0.062425
<0.076875,29.064255,-14.937402>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.076875,29.064255,-14.937402>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.692022,26.705902,-13.344024>,0.249849
<-2.185259,27.433336,-14.217520>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.185259,27.433336,-14.217520>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.185259,27.433336,-14.217520>,0.176643
<0.517778,28.049950,-16.039856>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.517778,28.049950,-16.039856>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.517778,28.049950,-16.039856>,0.124887
<2.246347,28.572491,-18.417902>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.246347,28.572491,-18.417902>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.246347,28.572491,-18.417902>,0.088295
<2.977544,29.015211,-20.965723>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.977544,29.015211,-20.965723>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.977544,29.015211,-20.965723>,0.062425
<2.811405,29.390224,-23.349337>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.811405,29.390224,-23.349337>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.977544,29.015211,-20.965723>,0.062425
<4.930557,29.244705,-21.834734>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.930557,29.244705,-21.834734>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.246347,28.572491,-18.417902>,0.088295
<4.613951,28.843645,-18.582924>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.613951,28.843645,-18.582924>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.613951,28.843645,-18.582924>,0.062425
<6.566964,29.073139,-19.451935>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.566964,29.073139,-19.451935>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.613951,28.843645,-18.582924>,0.062425
<5.937590,28.983612,-17.211639>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.937590,28.983612,-17.211639>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.517778,28.049950,-16.039856>,0.124887
<3.050352,28.370295,-15.313035>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.050352,28.370295,-15.313035>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.050352,28.370295,-15.313035>,0.088295
<5.417956,28.641449,-15.478059>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.417956,28.641449,-15.478059>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.417956,28.641449,-15.478059>,0.062425
<7.370969,28.870943,-16.347069>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.370969,28.870943,-16.347069>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.417956,28.641449,-15.478059>,0.062425
<6.741595,28.781414,-14.106772>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.741595,28.781414,-14.106772>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.050352,28.370295,-15.313035>,0.088295
<3.910943,28.535734,-13.378946>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910943,28.535734,-13.378946>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910943,28.535734,-13.378946>,0.062425
<5.234581,28.675699,-12.007661>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.234581,28.675699,-12.007661>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910943,28.535734,-13.378946>,0.062425
<3.166879,28.620960,-11.854261>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.166879,28.620960,-11.854261>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.185259,27.433336,-14.217520>,0.176643
<0.180520,27.811754,-12.497868>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.180520,27.811754,-12.497868>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.180520,27.811754,-12.497868>,0.124887
<2.713094,28.132097,-11.771047>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.713094,28.132097,-11.771047>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.713094,28.132097,-11.771047>,0.088295
<5.080698,28.403252,-11.936069>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.080698,28.403252,-11.936069>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.080698,28.403252,-11.936069>,0.062425
<7.033710,28.632746,-12.805080>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.033710,28.632746,-12.805080>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.080698,28.403252,-11.936069>,0.062425
<6.404336,28.543217,-10.564784>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.404336,28.543217,-10.564784>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.713094,28.132097,-11.771047>,0.088295
<3.573684,28.297537,-9.836958>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.573684,28.297537,-9.836958>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.573684,28.297537,-9.836958>,0.062425
<4.897323,28.437504,-8.465672>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.897323,28.437504,-8.465672>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.573684,28.297537,-9.836958>,0.062425
<2.829620,28.382763,-8.312273>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.829620,28.382763,-8.312273>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.180520,27.811754,-12.497868>,0.124887
<0.344002,28.007294,-10.152379>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.344002,28.007294,-10.152379>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.344002,28.007294,-10.152379>,0.088295
<1.204592,28.172733,-8.218290>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.204592,28.172733,-8.218290>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.204592,28.172733,-8.218290>,0.062425
<2.528231,28.312698,-6.847004>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.528231,28.312698,-6.847004>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.204592,28.172733,-8.218290>,0.062425
<0.460529,28.257959,-6.693605>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.460529,28.257959,-6.693605>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.344002,28.007294,-10.152379>,0.088295
<-1.012066,28.108049,-8.843430>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.012066,28.108049,-8.843430>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.012066,28.108049,-8.843430>,0.062425
<-1.756129,28.193275,-7.318745>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.756129,28.193275,-7.318745>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.012066,28.108049,-8.843430>,0.062425
<-2.512822,28.159904,-9.001507>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.512822,28.159904,-9.001507>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,15.142301,6.128356>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.142301,6.128356>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.142301,6.128356>,0.707000
<-2.462545,19.491264,11.311249>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.462545,19.491264,11.311249>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.462545,19.491264,11.311249>,0.499849
<-2.960531,23.250376,16.565912>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.960531,23.250376,16.565912>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.960531,23.250376,16.565912>,0.353393
<-1.739942,26.494032,21.256445>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.739942,26.494032,21.256445>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.739942,26.494032,21.256445>,0.249849
<0.782222,29.288288,24.914410>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.782222,29.288288,24.914410>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.782222,29.288288,24.914410>,0.176643
<4.096668,31.691629,27.271063>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.096668,31.691629,27.271063>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.096668,31.691629,27.271063>,0.124887
<7.679856,33.755680,28.258965>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.679856,33.755680,28.258965>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.679856,33.755680,28.258965>,0.088295
<11.061276,35.525871,27.987719>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.061276,35.525871,27.987719>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.061276,35.525871,27.987719>,0.062425
<13.872948,37.042061,26.701252>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.872948,37.042061,26.701252>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.061276,35.525871,27.987719>,0.062425
<13.098560,36.499336,30.054642>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.098560,36.499336,30.054642>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.679856,33.755680,28.258965>,0.088295
<9.012615,34.899094,31.171810>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.012615,34.899094,31.171810>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.012615,34.899094,31.171810>,0.062425
<11.049899,35.872559,33.238735>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.049899,35.872559,33.238735>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.012615,34.899094,31.171810>,0.062425
<7.874476,35.507595,33.567242>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.874476,35.507595,33.567242>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.096668,31.691629,27.271063>,0.124887
<4.379152,33.033615,30.792589>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.379152,33.033615,30.792589>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.379152,33.033615,30.792589>,0.088295
<5.711911,34.177025,33.705437>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.711911,34.177025,33.705437>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.711911,34.177025,33.705437>,0.062425
<7.749195,35.150494,35.772358>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.749195,35.150494,35.772358>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.711911,34.177025,33.705437>,0.062425
<4.573771,34.785526,36.100868>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.573771,34.785526,36.100868>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.379152,33.033615,30.792589>,0.088295
<2.287418,33.750748,32.854328>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.287418,33.750748,32.854328>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.287418,33.750748,32.854328>,0.062425
<1.149279,34.359245,35.249760>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.149279,34.359245,35.249760>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.287418,33.750748,32.854328>,0.062425
<-0.091321,34.125759,32.628895>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.091321,34.125759,32.628895>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.782222,29.288288,24.914410>,0.176643
<-0.252488,30.861988,28.667379>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.252488,30.861988,28.667379>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.252488,30.861988,28.667379>,0.124887
<0.029996,32.203972,32.188908>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.029996,32.203972,32.188908>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.029996,32.203972,32.188908>,0.088295
<1.362755,33.347382,35.101753>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.362755,33.347382,35.101753>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.362755,33.347382,35.101753>,0.062425
<3.400038,34.320850,37.168674>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.400038,34.320850,37.168674>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.362755,33.347382,35.101753>,0.062425
<0.224615,33.955883,37.497185>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.224615,33.955883,37.497185>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.029996,32.203972,32.188908>,0.088295
<-2.061738,32.921104,34.250645>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.061738,32.921104,34.250645>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.061738,32.921104,34.250645>,0.062425
<-3.199878,33.529606,36.646076>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.199878,33.529606,36.646076>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.061738,32.921104,34.250645>,0.062425
<-4.440477,33.296116,34.025211>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.440477,33.296116,34.025211>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.252488,30.861988,28.667379>,0.124887
<-3.208982,31.706795,30.020109>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.208982,31.706795,30.020109>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.208982,31.706795,30.020109>,0.088295
<-5.300716,32.423927,32.081848>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.300716,32.423927,32.081848>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.300716,32.423927,32.081848>,0.062425
<-6.438856,33.032429,34.477280>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.438856,33.032429,34.477280>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.300716,32.423927,32.081848>,0.062425
<-7.679455,32.798939,31.856415>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.679455,32.798939,31.856415>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.208982,31.706795,30.020109>,0.088295
<-5.603151,32.149513,28.882570>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.603151,32.149513,28.882570>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.603151,32.149513,28.882570>,0.062425
<-7.981890,32.524529,28.657135>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.981890,32.524529,28.657135>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.603151,32.149513,28.882570>,0.062425
<-6.141484,32.379009,26.813841>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.141484,32.379009,26.813841>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.739942,26.494032,21.256445>,0.249849
<-4.223499,28.337730,24.749371>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.223499,28.337730,24.749371>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.223499,28.337730,24.749371>,0.176643
<-5.258210,29.911430,28.502340>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.258210,29.911430,28.502340>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.258210,29.911430,28.502340>,0.124887
<-4.975726,31.253414,32.023869>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.975726,31.253414,32.023869>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.975726,31.253414,32.023869>,0.088295
<-3.642967,32.396828,34.936714>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.642967,32.396828,34.936714>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.642967,32.396828,34.936714>,0.062425
<-1.605684,33.370293,37.003635>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.605684,33.370293,37.003635>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.642967,32.396828,34.936714>,0.062425
<-4.781106,33.005325,37.332146>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.781106,33.005325,37.332146>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.975726,31.253414,32.023869>,0.088295
<-7.067460,31.970545,34.085606>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.067460,31.970545,34.085606>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.067460,31.970545,34.085606>,0.062425
<-8.205600,32.579048,36.481037>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.205600,32.579048,36.481037>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.067460,31.970545,34.085606>,0.062425
<-9.446198,32.345558,33.860172>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.446198,32.345558,33.860172>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.258210,29.911430,28.502340>,0.124887
<-8.214705,30.756237,29.855070>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.214705,30.756237,29.855070>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.214705,30.756237,29.855070>,0.088295
<-10.306438,31.473370,31.916809>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.306438,31.473370,31.916809>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.306438,31.473370,31.916809>,0.062425
<-11.444578,32.081871,34.312241>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.444578,32.081871,34.312241>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.306438,31.473370,31.916809>,0.062425
<-12.685177,31.848383,31.691376>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.685177,31.848383,31.691376>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.214705,30.756237,29.855070>,0.088295
<-10.608873,31.198957,28.717531>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.608873,31.198957,28.717531>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.608873,31.198957,28.717531>,0.062425
<-12.987612,31.573971,28.492098>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.987612,31.573971,28.492098>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.608873,31.198957,28.717531>,0.062425
<-11.147206,31.428452,26.648802>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.147206,31.428452,26.648802>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.223499,28.337730,24.749371>,0.176643
<-7.809461,29.332489,25.037024>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.809461,29.332489,25.037024>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.809461,29.332489,25.037024>,0.124887
<-10.765955,30.177298,26.389753>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.765955,30.177298,26.389753>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.765955,30.177298,26.389753>,0.088295
<-12.857689,30.894430,28.451492>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.857689,30.894430,28.451492>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.857689,30.894430,28.451492>,0.062425
<-13.995829,31.502930,30.846922>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.995829,31.502930,30.846922>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.857689,30.894430,28.451492>,0.062425
<-15.236428,31.269444,28.226059>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.236428,31.269444,28.226059>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.765955,30.177298,26.389753>,0.088295
<-13.160124,30.620016,25.252213>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.160124,30.620016,25.252213>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.160124,30.620016,25.252213>,0.062425
<-15.538862,30.995029,25.026779>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.538862,30.995029,25.026779>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.160124,30.620016,25.252213>,0.062425
<-13.698457,30.849510,23.183485>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.698457,30.849510,23.183485>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.809461,29.332489,25.037024>,0.124887
<-9.873221,29.855030,22.943237>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.873221,29.855030,22.943237>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.873221,29.855030,22.943237>,0.088295
<-12.267390,30.297750,21.805698>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.267390,30.297750,21.805698>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.267390,30.297750,21.805698>,0.062425
<-14.646130,30.672764,21.580263>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.646130,30.672764,21.580263>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.267390,30.297750,21.805698>,0.062425
<-12.805723,30.527245,19.736969>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.805723,30.527245,19.736969>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.873221,29.855030,22.943237>,0.088295
<-9.649302,30.126184,20.580477>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.649302,30.126184,20.580477>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.649302,30.126184,20.580477>,0.062425
<-10.187634,30.355679,18.511749>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.187634,30.355679,18.511749>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.649302,30.126184,20.580477>,0.062425
<-8.080229,30.266151,19.498602>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.080229,30.266151,19.498602>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.960531,23.250376,16.565912>,0.353393
<-6.841078,25.408197,19.241547>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.841078,25.408197,19.241547>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.841078,25.408197,19.241547>,0.249849
<-9.324636,27.251898,22.734474>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.324636,27.251898,22.734474>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.324636,27.251898,22.734474>,0.176643
<-10.359345,28.825596,26.487444>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.359345,28.825596,26.487444>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.359345,28.825596,26.487444>,0.124887
<-10.076861,30.167580,30.008970>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.076861,30.167580,30.008970>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.076861,30.167580,30.008970>,0.088295
<-8.744103,31.310993,32.921818>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.744103,31.310993,32.921818>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.744103,31.310993,32.921818>,0.062425
<-6.706819,32.284458,34.988739>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.706819,32.284458,34.988739>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.744103,31.310993,32.921818>,0.062425
<-9.882242,31.919493,35.317245>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.882242,31.919493,35.317245>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.076861,30.167580,30.008970>,0.088295
<-12.168596,30.884712,32.070709>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.168596,30.884712,32.070709>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.168596,30.884712,32.070709>,0.062425
<-13.306735,31.493214,34.466137>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.306735,31.493214,34.466137>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.168596,30.884712,32.070709>,0.062425
<-14.547335,31.259726,31.845274>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.547335,31.259726,31.845274>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.359345,28.825596,26.487444>,0.124887
<-13.315840,29.670404,27.840174>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.315840,29.670404,27.840174>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.315840,29.670404,27.840174>,0.088295
<-15.407575,30.387535,29.901913>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.407575,30.387535,29.901913>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.407575,30.387535,29.901913>,0.062425
<-16.545713,30.996037,32.297340>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.545713,30.996037,32.297340>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.407575,30.387535,29.901913>,0.062425
<-17.786312,30.762548,29.676477>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.786312,30.762548,29.676477>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.315840,29.670404,27.840174>,0.088295
<-15.710009,30.113123,26.702633>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.710009,30.113123,26.702633>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.710009,30.113123,26.702633>,0.062425
<-18.088747,30.488136,26.477200>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.088747,30.488136,26.477200>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.710009,30.113123,26.702633>,0.062425
<-16.248341,30.342617,24.633905>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.248341,30.342617,24.633905>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.324636,27.251898,22.734474>,0.176643
<-12.910596,28.246656,23.022125>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.910596,28.246656,23.022125>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.910596,28.246656,23.022125>,0.124887
<-15.867091,29.091465,24.374855>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.867091,29.091465,24.374855>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.867091,29.091465,24.374855>,0.088295
<-17.958824,29.808596,26.436594>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.958824,29.808596,26.436594>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.958824,29.808596,26.436594>,0.062425
<-19.096964,30.417097,28.832026>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.096964,30.417097,28.832026>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.958824,29.808596,26.436594>,0.062425
<-20.337564,30.183609,26.211161>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.337564,30.183609,26.211161>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.867091,29.091465,24.374855>,0.088295
<-18.261259,29.534184,23.237316>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.261259,29.534184,23.237316>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.261259,29.534184,23.237316>,0.062425
<-20.639997,29.909197,23.011883>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.639997,29.909197,23.011883>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.261259,29.534184,23.237316>,0.062425
<-18.799593,29.763678,21.168587>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.799593,29.763678,21.168587>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.910596,28.246656,23.022125>,0.124887
<-14.974358,28.769197,20.928339>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.974358,28.769197,20.928339>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.974358,28.769197,20.928339>,0.088295
<-17.368526,29.211916,19.790800>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.368526,29.211916,19.790800>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.368526,29.211916,19.790800>,0.062425
<-19.747265,29.586929,19.565367>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.747265,29.586929,19.565367>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.368526,29.211916,19.790800>,0.062425
<-17.906858,29.441410,17.722071>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.906858,29.441410,17.722071>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.974358,28.769197,20.928339>,0.088295
<-14.750438,29.040352,18.565578>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.750438,29.040352,18.565578>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.750438,29.040352,18.565578>,0.062425
<-15.288771,29.269846,16.496851>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.288771,29.269846,16.496851>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.750438,29.040352,18.565578>,0.062425
<-13.181365,29.180317,17.483704>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.181365,29.180317,17.483704>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.841078,25.408197,19.241547>,0.249849
<-10.676502,26.578926,18.184103>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.676502,26.578926,18.184103>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.676502,26.578926,18.184103>,0.176643
<-14.262464,27.573685,18.471756>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.262464,27.573685,18.471756>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.262464,27.573685,18.471756>,0.124887
<-17.218958,28.418493,19.824486>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.218958,28.418493,19.824486>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.218958,28.418493,19.824486>,0.088295
<-19.310692,29.135624,21.886225>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.310692,29.135624,21.886225>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.310692,29.135624,21.886225>,0.062425
<-20.448832,29.744125,24.281654>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.448832,29.744125,24.281654>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.310692,29.135624,21.886225>,0.062425
<-21.689430,29.510637,21.660789>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.689430,29.510637,21.660789>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.218958,28.418493,19.824486>,0.088295
<-19.613127,28.861212,18.686945>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.613127,28.861212,18.686945>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.613127,28.861212,18.686945>,0.062425
<-21.991865,29.236225,18.461512>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.991865,29.236225,18.461512>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.613127,28.861212,18.686945>,0.062425
<-20.151459,29.090706,16.618217>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.151459,29.090706,16.618217>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.262464,27.573685,18.471756>,0.124887
<-16.326225,28.096226,16.377970>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.326225,28.096226,16.377970>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.326225,28.096226,16.377970>,0.088295
<-18.720394,28.538944,15.240430>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.720394,28.538944,15.240430>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.720394,28.538944,15.240430>,0.062425
<-21.099133,28.913960,15.014996>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.099133,28.913960,15.014996>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.720394,28.538944,15.240430>,0.062425
<-19.258726,28.768438,13.171701>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.258726,28.768438,13.171701>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.326225,28.096226,16.377970>,0.088295
<-16.102304,28.367380,14.015208>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.102304,28.367380,14.015208>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.102304,28.367380,14.015208>,0.062425
<-16.640638,28.596874,11.946480>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.640638,28.596874,11.946480>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.102304,28.367380,14.015208>,0.062425
<-14.533232,28.507345,12.933333>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.533232,28.507345,12.933333>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.676502,26.578926,18.184103>,0.176643
<-12.032847,27.195539,15.219707>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.032847,27.195539,15.219707>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.032847,27.195539,15.219707>,0.124887
<-14.096609,27.718081,13.125920>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.096609,27.718081,13.125920>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.096609,27.718081,13.125920>,0.088295
<-16.490778,28.160799,11.988380>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.490778,28.160799,11.988380>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.490778,28.160799,11.988380>,0.062425
<-18.869516,28.535812,11.762947>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.869516,28.535812,11.762947>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.490778,28.160799,11.988380>,0.062425
<-17.029110,28.390293,9.919652>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.029110,28.390293,9.919652>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.096609,27.718081,13.125920>,0.088295
<-13.872689,27.989235,10.763160>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.872689,27.989235,10.763160>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.872689,27.989235,10.763160>,0.062425
<-14.411022,28.218729,8.694431>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.411022,28.218729,8.694431>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.872689,27.989235,10.763160>,0.062425
<-12.303616,28.129200,9.681285>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.303616,28.129200,9.681285>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.032847,27.195539,15.219707>,0.124887
<-10.902115,27.515884,12.839866>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.902115,27.515884,12.839866>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.902115,27.515884,12.839866>,0.088295
<-10.678195,27.787037,10.477104>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.678195,27.787037,10.477104>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.678195,27.787037,10.477104>,0.062425
<-11.216528,28.016531,8.408376>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.216528,28.016531,8.408376>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.678195,27.787037,10.477104>,0.062425
<-9.109122,27.927004,9.395229>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.109122,27.927004,9.395229>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.902115,27.515884,12.839866>,0.088295
<-8.853432,27.681322,12.306749>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.853432,27.681322,12.306749>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.853432,27.681322,12.306749>,0.062425
<-7.284359,27.821289,11.224874>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.284359,27.821289,11.224874>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.853432,27.681322,12.306749>,0.062425
<-7.470760,27.766548,13.289864>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.470760,27.766548,13.289864>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.462545,19.491264,11.311249>,0.499849
<-7.473851,22.013927,12.615311>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.473851,22.013927,12.615311>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.473851,22.013927,12.615311>,0.353393
<-11.354398,24.171749,15.290945>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.354398,24.171749,15.290945>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.354398,24.171749,15.290945>,0.249849
<-13.837955,26.015450,18.783873>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.837955,26.015450,18.783873>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.837955,26.015450,18.783873>,0.176643
<-14.872665,27.589148,22.536842>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.872665,27.589148,22.536842>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.872665,27.589148,22.536842>,0.124887
<-14.590182,28.931131,26.058369>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.590182,28.931131,26.058369>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.590182,28.931131,26.058369>,0.088295
<-13.257423,30.074545,28.971214>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.257423,30.074545,28.971214>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.257423,30.074545,28.971214>,0.062425
<-11.220140,31.048010,31.038137>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.220140,31.048010,31.038137>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.257423,30.074545,28.971214>,0.062425
<-14.395562,30.683044,31.366646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.395562,30.683044,31.366646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.590182,28.931131,26.058369>,0.088295
<-16.681915,29.648264,28.120108>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.681915,29.648264,28.120108>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.681915,29.648264,28.120108>,0.062425
<-17.820055,30.256765,30.515537>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.820055,30.256765,30.515537>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.681915,29.648264,28.120108>,0.062425
<-19.060656,30.023277,27.894672>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.060656,30.023277,27.894672>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.872665,27.589148,22.536842>,0.124887
<-17.829161,28.433956,23.889572>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.829161,28.433956,23.889572>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.829161,28.433956,23.889572>,0.088295
<-19.920895,29.151087,25.951309>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.920895,29.151087,25.951309>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.920895,29.151087,25.951309>,0.062425
<-21.059034,29.759588,28.346741>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.059034,29.759588,28.346741>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.920895,29.151087,25.951309>,0.062425
<-22.299633,29.526100,25.725876>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.299633,29.526100,25.725876>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.829161,28.433956,23.889572>,0.088295
<-20.223330,28.876675,22.752031>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.223330,28.876675,22.752031>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.223330,28.876675,22.752031>,0.062425
<-22.602068,29.251688,22.526598>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.602068,29.251688,22.526598>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.223330,28.876675,22.752031>,0.062425
<-20.761662,29.106169,20.683304>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.761662,29.106169,20.683304>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.837955,26.015450,18.783873>,0.176643
<-17.423916,27.010208,19.071524>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.423916,27.010208,19.071524>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.423916,27.010208,19.071524>,0.124887
<-20.380411,27.855017,20.424253>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.380411,27.855017,20.424253>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.380411,27.855017,20.424253>,0.088295
<-22.472145,28.572147,22.485992>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.472145,28.572147,22.485992>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.472145,28.572147,22.485992>,0.062425
<-23.610285,29.180649,24.881422>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.610285,29.180649,24.881422>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.472145,28.572147,22.485992>,0.062425
<-24.850883,28.947161,22.260559>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.850883,28.947161,22.260559>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.380411,27.855017,20.424253>,0.088295
<-22.774580,28.297735,19.286715>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.774580,28.297735,19.286715>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.774580,28.297735,19.286715>,0.062425
<-25.153318,28.672749,19.061279>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.153318,28.672749,19.061279>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.774580,28.297735,19.286715>,0.062425
<-23.312912,28.527229,17.217985>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.312912,28.527229,17.217985>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.423916,27.010208,19.071524>,0.124887
<-19.487679,27.532749,16.977737>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.487679,27.532749,16.977737>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.487679,27.532749,16.977737>,0.088295
<-21.881845,27.975468,15.840199>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.881845,27.975468,15.840199>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.881845,27.975468,15.840199>,0.062425
<-24.260586,28.350481,15.614764>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.260586,28.350481,15.614764>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.881845,27.975468,15.840199>,0.062425
<-22.420179,28.204962,13.771470>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.420179,28.204962,13.771470>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.487679,27.532749,16.977737>,0.088295
<-19.263758,27.803904,14.614977>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.263758,27.803904,14.614977>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.263758,27.803904,14.614977>,0.062425
<-19.802092,28.033398,12.546249>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.802092,28.033398,12.546249>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.263758,27.803904,14.614977>,0.062425
<-17.694685,27.943869,13.533102>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.694685,27.943869,13.533102>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.354398,24.171749,15.290945>,0.249849
<-15.189822,25.342478,14.233501>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.189822,25.342478,14.233501>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.189822,25.342478,14.233501>,0.176643
<-18.775784,26.337236,14.521153>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.775784,26.337236,14.521153>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.775784,26.337236,14.521153>,0.124887
<-21.732279,27.182045,15.873883>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.732279,27.182045,15.873883>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.732279,27.182045,15.873883>,0.088295
<-23.824013,27.899176,17.935623>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.824013,27.899176,17.935623>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.824013,27.899176,17.935623>,0.062425
<-24.962151,28.507677,20.331053>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.962151,28.507677,20.331053>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.824013,27.899176,17.935623>,0.062425
<-26.202751,28.274189,17.710188>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.202751,28.274189,17.710188>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.732279,27.182045,15.873883>,0.088295
<-24.126448,27.624763,14.736343>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.126448,27.624763,14.736343>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.126448,27.624763,14.736343>,0.062425
<-26.505186,27.999777,14.510910>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.505186,27.999777,14.510910>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.126448,27.624763,14.736343>,0.062425
<-24.664780,27.854258,12.667615>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.664780,27.854258,12.667615>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.775784,26.337236,14.521153>,0.124887
<-20.839544,26.859777,12.427368>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.839544,26.859777,12.427368>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.839544,26.859777,12.427368>,0.088295
<-23.233713,27.302496,11.289827>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.233713,27.302496,11.289827>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.233713,27.302496,11.289827>,0.062425
<-25.612452,27.677511,11.064394>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.612452,27.677511,11.064394>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.233713,27.302496,11.289827>,0.062425
<-23.772047,27.531992,9.221099>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.772047,27.531992,9.221099>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.839544,26.859777,12.427368>,0.088295
<-20.615625,27.130932,10.064607>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.615625,27.130932,10.064607>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.615625,27.130932,10.064607>,0.062425
<-21.153957,27.360426,7.995878>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.153957,27.360426,7.995878>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.615625,27.130932,10.064607>,0.062425
<-19.046553,27.270897,8.982732>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.046553,27.270897,8.982732>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.189822,25.342478,14.233501>,0.176643
<-16.546167,25.959091,11.269105>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.546167,25.959091,11.269105>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.546167,25.959091,11.269105>,0.124887
<-18.609928,26.481632,9.175319>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.609928,26.481632,9.175319>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.609928,26.481632,9.175319>,0.088295
<-21.004097,26.924351,8.037779>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.004097,26.924351,8.037779>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.004097,26.924351,8.037779>,0.062425
<-23.382837,27.299364,7.812345>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.382837,27.299364,7.812345>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.004097,26.924351,8.037779>,0.062425
<-21.542431,27.153845,5.969050>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.542431,27.153845,5.969050>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.609928,26.481632,9.175319>,0.088295
<-18.386009,26.752787,6.812558>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.386009,26.752787,6.812558>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.386009,26.752787,6.812558>,0.062425
<-18.924341,26.982281,4.743829>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.924341,26.982281,4.743829>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.386009,26.752787,6.812558>,0.062425
<-16.816936,26.892752,5.730683>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.816936,26.892752,5.730683>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.546167,25.959091,11.269105>,0.124887
<-15.415435,26.279436,8.889264>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.415435,26.279436,8.889264>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.415435,26.279436,8.889264>,0.088295
<-15.191516,26.550589,6.526503>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.191516,26.550589,6.526503>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.191516,26.550589,6.526503>,0.062425
<-15.729848,26.780083,4.457774>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.729848,26.780083,4.457774>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.191516,26.550589,6.526503>,0.062425
<-13.622442,26.690556,5.444628>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.622442,26.690556,5.444628>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.415435,26.279436,8.889264>,0.088295
<-13.366753,26.444876,8.356148>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.366753,26.444876,8.356148>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.366753,26.444876,8.356148>,0.062425
<-11.797679,26.584841,7.274273>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.797679,26.584841,7.274273>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.366753,26.444876,8.356148>,0.062425
<-11.984080,26.530100,9.339261>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.984080,26.530100,9.339261>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.473851,22.013927,12.615311>,0.353393
<-11.057709,23.390970,10.067100>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.057709,23.390970,10.067100>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.057709,23.390970,10.067100>,0.249849
<-14.893132,24.561697,9.009656>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.893132,24.561697,9.009656>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.893132,24.561697,9.009656>,0.176643
<-18.479094,25.556458,9.297308>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.479094,25.556458,9.297308>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.479094,25.556458,9.297308>,0.124887
<-21.435587,26.401264,10.650038>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.435587,26.401264,10.650038>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.435587,26.401264,10.650038>,0.088295
<-23.527321,27.118397,12.711777>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.527321,27.118397,12.711777>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.527321,27.118397,12.711777>,0.062425
<-24.665461,27.726898,15.107206>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.665461,27.726898,15.107206>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.527321,27.118397,12.711777>,0.062425
<-25.906059,27.493410,12.486343>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.906059,27.493410,12.486343>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.435587,26.401264,10.650038>,0.088295
<-23.829756,26.843985,9.512498>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.829756,26.843985,9.512498>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.829756,26.843985,9.512498>,0.062425
<-26.208494,27.218998,9.287065>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.208494,27.218998,9.287065>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.829756,26.843985,9.512498>,0.062425
<-24.368090,27.073479,7.443770>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.368090,27.073479,7.443770>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.479094,25.556458,9.297308>,0.124887
<-20.542854,26.078999,7.203523>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.542854,26.078999,7.203523>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.542854,26.078999,7.203523>,0.088295
<-22.937023,26.521717,6.065983>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.937023,26.521717,6.065983>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.937023,26.521717,6.065983>,0.062425
<-25.315762,26.896730,5.840549>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.315762,26.896730,5.840549>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.937023,26.521717,6.065983>,0.062425
<-23.475355,26.751211,3.997255>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.475355,26.751211,3.997255>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.542854,26.078999,7.203523>,0.088295
<-20.318935,26.350153,4.840762>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.318935,26.350153,4.840762>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.318935,26.350153,4.840762>,0.062425
<-20.857267,26.579647,2.772034>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.857267,26.579647,2.772034>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.318935,26.350153,4.840762>,0.062425
<-18.749863,26.490118,3.758887>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.749863,26.490118,3.758887>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.893132,24.561697,9.009656>,0.176643
<-16.249477,25.178312,6.045259>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.249477,25.178312,6.045259>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.249477,25.178312,6.045259>,0.124887
<-18.313238,25.700853,3.951474>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.313238,25.700853,3.951474>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.313238,25.700853,3.951474>,0.088295
<-20.707407,26.143572,2.813934>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.707407,26.143572,2.813934>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.707407,26.143572,2.813934>,0.062425
<-23.086147,26.518585,2.588500>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.086147,26.518585,2.588500>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.707407,26.143572,2.813934>,0.062425
<-21.245741,26.373066,0.745205>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.245741,26.373066,0.745205>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.313238,25.700853,3.951474>,0.088295
<-18.089319,25.972006,1.588713>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.089319,25.972006,1.588713>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.089319,25.972006,1.588713>,0.062425
<-18.627651,26.201500,-0.480015>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.627651,26.201500,-0.480015>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.089319,25.972006,1.588713>,0.062425
<-16.520247,26.111973,0.506838>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.520247,26.111973,0.506838>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.249477,25.178312,6.045259>,0.124887
<-15.118745,25.498655,3.665419>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.118745,25.498655,3.665419>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.118745,25.498655,3.665419>,0.088295
<-14.894826,25.769810,1.302658>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.894826,25.769810,1.302658>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.894826,25.769810,1.302658>,0.062425
<-15.433159,25.999304,-0.766070>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.433159,25.999304,-0.766070>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.894826,25.769810,1.302658>,0.062425
<-13.325752,25.909775,0.220783>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.325752,25.909775,0.220783>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.118745,25.498655,3.665419>,0.088295
<-13.070063,25.664095,3.132303>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.070063,25.664095,3.132303>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.070063,25.664095,3.132303>,0.062425
<-11.500990,25.804062,2.050428>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500990,25.804062,2.050428>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.070063,25.664095,3.132303>,0.062425
<-11.687391,25.749321,4.115417>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.687391,25.749321,4.115417>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.057709,23.390970,10.067100>,0.249849
<-11.346675,24.118404,6.464755>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.346675,24.118404,6.464755>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.346675,24.118404,6.464755>,0.176643
<-12.703020,24.735018,3.500359>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.703020,24.735018,3.500359>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.703020,24.735018,3.500359>,0.124887
<-14.766782,25.257559,1.406572>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.766782,25.257559,1.406572>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766782,25.257559,1.406572>,0.088295
<-17.160952,25.700277,0.269033>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.160952,25.700277,0.269033>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.160952,25.700277,0.269033>,0.062425
<-19.539690,26.075291,0.043599>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.539690,26.075291,0.043599>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.160952,25.700277,0.269033>,0.062425
<-17.699284,25.929771,-1.799696>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.699284,25.929771,-1.799696>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766782,25.257559,1.406572>,0.088295
<-14.542863,25.528713,-0.956189>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.542863,25.528713,-0.956189>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.542863,25.528713,-0.956189>,0.062425
<-15.081195,25.758207,-3.024917>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.081195,25.758207,-3.024917>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.542863,25.528713,-0.956189>,0.062425
<-12.973789,25.668678,-2.038064>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.973789,25.668678,-2.038064>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.703020,24.735018,3.500359>,0.124887
<-11.572289,25.055363,1.120517>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.572289,25.055363,1.120517>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.572289,25.055363,1.120517>,0.088295
<-11.348369,25.326515,-1.242244>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.348369,25.326515,-1.242244>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.348369,25.326515,-1.242244>,0.062425
<-11.886702,25.556011,-3.310972>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.886702,25.556011,-3.310972>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.348369,25.326515,-1.242244>,0.062425
<-9.779295,25.466482,-2.324118>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.779295,25.466482,-2.324118>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.572289,25.055363,1.120517>,0.088295
<-9.523605,25.220802,0.587401>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.523605,25.220802,0.587401>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.523605,25.220802,0.587401>,0.062425
<-7.954532,25.360767,-0.494474>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.954532,25.360767,-0.494474>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.523605,25.220802,0.587401>,0.062425
<-8.140933,25.306026,1.570515>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.140933,25.306026,1.570515>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.346675,24.118404,6.464755>,0.176643
<-9.263690,24.496820,4.411640>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.263690,24.496820,4.411640>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.263690,24.496820,4.411640>,0.124887
<-8.132957,24.817165,2.031799>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.132957,24.817165,2.031799>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.132957,24.817165,2.031799>,0.088295
<-7.909038,25.088320,-0.330962>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.909038,25.088320,-0.330962>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.909038,25.088320,-0.330962>,0.062425
<-8.447371,25.317814,-2.399691>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.447371,25.317814,-2.399691>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.909038,25.088320,-0.330962>,0.062425
<-6.339965,25.228285,-1.412837>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.339965,25.228285,-1.412837>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.132957,24.817165,2.031799>,0.088295
<-6.084275,24.982605,1.498682>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.084275,24.982605,1.498682>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.084275,24.982605,1.498682>,0.062425
<-4.515202,25.122570,0.416808>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.515202,25.122570,0.416808>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.084275,24.982605,1.498682>,0.062425
<-4.701603,25.067831,2.481796>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.701603,25.067831,2.481796>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.263690,24.496820,4.411640>,0.124887
<-6.922999,24.692362,4.633468>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.922999,24.692362,4.633468>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.922999,24.692362,4.633468>,0.088295
<-4.874316,24.857800,4.100351>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.874316,24.857800,4.100351>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.874316,24.857800,4.100351>,0.062425
<-3.305243,24.997766,3.018476>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.305243,24.997766,3.018476>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.874316,24.857800,4.100351>,0.062425
<-3.491644,24.943026,5.083465>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.491644,24.943026,5.083465>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.922999,24.692362,4.633468>,0.088295
<-5.853131,24.793118,6.185127>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.853131,24.793118,6.185127>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.853131,24.793118,6.185127>,0.062425
<-4.470459,24.878344,7.168242>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.470459,24.878344,7.168242>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.853131,24.793118,6.185127>,0.062425
<-6.254220,24.844973,7.639908>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.254220,24.844973,7.639908>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.142301,6.128356>,0.707000
<4.902685,17.786627,9.279740>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.902685,17.786627,9.279740>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.902685,17.786627,9.279740>,0.499849
<10.070917,20.045666,10.447524>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.070917,20.045666,10.447524>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<10.070917,20.045666,10.447524>,0.353393
<14.844418,21.973610,9.838769>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.844418,21.973610,9.838769>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<14.844418,21.973610,9.838769>,0.249849
<18.725616,23.617470,7.838311>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.725616,23.617470,7.838311>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<18.725616,23.617470,7.838311>,0.176643
<21.411837,25.017927,4.930584>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.411837,25.017927,4.930584>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<21.411837,25.017927,4.930584>,0.124887
<22.797630,26.210108,1.622994>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.797630,26.210108,1.622994>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<22.797630,26.210108,1.622994>,0.088295
<22.952396,27.224283,-1.619815>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.952396,27.224283,-1.619815>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<22.952396,27.224283,-1.619815>,0.062425
<22.080544,28.086491,-4.424597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.080544,28.086491,-4.424597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.952396,27.224283,-1.619815>,0.062425
<25.075417,27.759966,-3.235225>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.075417,27.759966,-3.235225>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.797630,26.210108,1.622994>,0.088295
<25.620935,26.841888,0.745384>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.620935,26.841888,0.745384>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<25.620935,26.841888,0.745384>,0.062425
<27.743956,27.377571,-0.870027>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.743956,27.377571,-0.870027>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<25.620935,26.841888,0.745384>,0.062425
<27.636589,27.171013,2.041021>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.636589,27.171013,2.041021>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.411837,25.017927,4.930584>,0.124887
<24.683720,25.762806,5.086737>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.683720,25.762806,5.086737>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<24.683720,25.762806,5.086737>,0.088295
<27.507025,26.394587,4.209126>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.507025,26.394587,4.209126>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<27.507025,26.394587,4.209126>,0.062425
<29.630045,26.930267,2.593716>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.630045,26.930267,2.593716>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<27.507025,26.394587,4.209126>,0.062425
<29.522676,26.723711,5.504763>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.522676,26.723711,5.504763>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<24.683720,25.762806,5.086737>,0.088295
<26.293924,26.151493,7.202914>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.293924,26.151493,7.202914>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<26.293924,26.151493,7.202914>,0.062425
<28.309576,26.480618,8.498550>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.309576,26.480618,8.498550>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<26.293924,26.151493,7.202914>,0.062425
<25.822166,26.352606,9.290761>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.822166,26.352606,9.290761>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.725616,23.617470,7.838311>,0.176643
<22.071577,24.495375,9.240181>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.071577,24.495375,9.240181>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<22.071577,24.495375,9.240181>,0.124887
<25.343460,25.240253,9.396334>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.343460,25.240253,9.396334>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<25.343460,25.240253,9.396334>,0.088295
<28.166765,25.872034,8.518723>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.166765,25.872034,8.518723>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<28.166765,25.872034,8.518723>,0.062425
<30.289783,26.407715,6.903313>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.289783,26.407715,6.903313>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<28.166765,25.872034,8.518723>,0.062425
<30.182417,26.201159,9.814361>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.182417,26.201159,9.814361>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<25.343460,25.240253,9.396334>,0.088295
<26.953665,25.628941,11.512511>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.953665,25.628941,11.512511>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<26.953665,25.628941,11.512511>,0.062425
<28.969316,25.958065,12.808147>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.969316,25.958065,12.808147>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<26.953665,25.628941,11.512511>,0.062425
<26.481907,25.830053,13.600358>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.481907,25.830053,13.600358>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.071577,24.495375,9.240181>,0.124887
<22.947390,24.954330,12.057700>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.947390,24.954330,12.057700>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<22.947390,24.954330,12.057700>,0.088295
<24.557594,25.343018,14.173877>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.557594,25.343018,14.173877>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<24.557594,25.343018,14.173877>,0.062425
<26.573246,25.672144,15.469514>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.573246,25.672144,15.469514>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<24.557594,25.343018,14.173877>,0.062425
<24.085836,25.544130,16.261724>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.085836,25.544130,16.261724>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.947390,24.954330,12.057700>,0.088295
<21.662142,25.191994,14.057190>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.662142,25.191994,14.057190>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<21.662142,25.191994,14.057190>,0.062425
<21.190384,25.393106,16.145037>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.190384,25.393106,16.145037>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.662142,25.191994,14.057190>,0.062425
<19.770369,25.314562,14.298444>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.770369,25.314562,14.298444>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.844418,21.973610,9.838769>,0.249849
<17.794413,23.007877,12.564036>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.794413,23.007877,12.564036>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<17.794413,23.007877,12.564036>,0.176643
<21.140373,23.885782,13.965906>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.140373,23.885782,13.965906>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<21.140373,23.885782,13.965906>,0.124887
<24.412254,24.630661,14.122060>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.412254,24.630661,14.122060>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<24.412254,24.630661,14.122060>,0.088295
<27.235559,25.262442,13.244450>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.235559,25.262442,13.244450>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<27.235559,25.262442,13.244450>,0.062425
<29.358580,25.798122,11.629039>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.358580,25.798122,11.629039>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<27.235559,25.262442,13.244450>,0.062425
<29.251213,25.591566,14.540086>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.251213,25.591566,14.540086>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<24.412254,24.630661,14.122060>,0.088295
<26.022459,25.019348,16.238237>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.022459,25.019348,16.238237>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<26.022459,25.019348,16.238237>,0.062425
<28.038113,25.348473,17.533873>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.038113,25.348473,17.533873>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<26.022459,25.019348,16.238237>,0.062425
<25.550701,25.220461,18.326084>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.550701,25.220461,18.326084>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.140373,23.885782,13.965906>,0.124887
<22.016184,24.344738,16.783426>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.016184,24.344738,16.783426>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<22.016184,24.344738,16.783426>,0.088295
<23.626389,24.733427,18.899603>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.626389,24.733427,18.899603>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<23.626389,24.733427,18.899603>,0.062425
<25.642042,25.062551,20.195240>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.642042,25.062551,20.195240>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<23.626389,24.733427,18.899603>,0.062425
<23.154631,24.934540,20.987450>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.154631,24.934540,20.987450>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<22.016184,24.344738,16.783426>,0.088295
<20.730938,24.582401,18.782915>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.730938,24.582401,18.782915>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.730938,24.582401,18.782915>,0.062425
<20.259180,24.783514,20.870762>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.259180,24.783514,20.870762>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.730938,24.582401,18.782915>,0.062425
<18.839163,24.704971,19.024170>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.839163,24.704971,19.024170>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.794413,23.007877,12.564036>,0.176643
<17.638374,23.549709,15.833532>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.638374,23.549709,15.833532>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<17.638374,23.549709,15.833532>,0.124887
<18.514185,24.008667,18.651052>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.514185,24.008667,18.651052>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<18.514185,24.008667,18.651052>,0.088295
<20.124390,24.397354,20.767229>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.124390,24.397354,20.767229>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.124390,24.397354,20.767229>,0.062425
<22.140041,24.726479,22.062866>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.140041,24.726479,22.062866>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.124390,24.397354,20.767229>,0.062425
<19.652632,24.598467,22.855076>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.652632,24.598467,22.855076>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.514185,24.008667,18.651052>,0.088295
<17.228937,24.246328,20.650541>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.228937,24.246328,20.650541>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<17.228937,24.246328,20.650541>,0.062425
<16.757179,24.447441,22.738388>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.757179,24.447441,22.738388>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.228937,24.246328,20.650541>,0.062425
<15.337164,24.368898,20.891796>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.337164,24.368898,20.891796>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.638374,23.549709,15.833532>,0.124887
<15.537969,23.830542,17.431736>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.537969,23.830542,17.431736>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<15.537969,23.830542,17.431736>,0.088295
<14.252721,24.068205,19.431225>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.252721,24.068205,19.431225>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.252721,24.068205,19.431225>,0.062425
<13.780964,24.269318,21.519072>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.780964,24.269318,21.519072>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.252721,24.068205,19.431225>,0.062425
<12.360948,24.190775,19.672480>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.360948,24.190775,19.672480>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.537969,23.830542,17.431736>,0.088295
<13.471643,23.975431,16.964840>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.471643,23.975431,16.964840>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.471643,23.975431,16.964840>,0.062425
<11.579869,24.098001,17.206095>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.579869,24.098001,17.206095>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.471643,23.975431,16.964840>,0.062425
<12.694143,24.050039,15.456369>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.694143,24.050039,15.456369>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.070917,20.045666,10.447524>,0.353393
<12.106982,21.263597,14.397808>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.106982,21.263597,14.397808>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<12.106982,21.263597,14.397808>,0.249849
<15.056977,22.297865,17.123077>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.056977,22.297865,17.123077>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<15.056977,22.297865,17.123077>,0.176643
<18.402939,23.175770,18.524946>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.402939,23.175770,18.524946>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<18.402939,23.175770,18.524946>,0.124887
<21.674820,23.920649,18.681099>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.674820,23.920649,18.681099>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<21.674820,23.920649,18.681099>,0.088295
<24.498125,24.552429,17.803490>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.498125,24.552429,17.803490>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<24.498125,24.552429,17.803490>,0.062425
<26.621145,25.088110,16.188078>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.621145,25.088110,16.188078>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<24.498125,24.552429,17.803490>,0.062425
<26.513777,24.881554,19.099125>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.513777,24.881554,19.099125>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<21.674820,23.920649,18.681099>,0.088295
<23.285025,24.309336,20.797276>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.285025,24.309336,20.797276>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<23.285025,24.309336,20.797276>,0.062425
<25.300676,24.638460,22.092913>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.300676,24.638460,22.092913>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<23.285025,24.309336,20.797276>,0.062425
<22.813267,24.510448,22.885122>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.813267,24.510448,22.885122>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.402939,23.175770,18.524946>,0.124887
<19.278749,23.634726,21.342466>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.278749,23.634726,21.342466>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<19.278749,23.634726,21.342466>,0.088295
<20.888954,24.023415,23.458643>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.888954,24.023415,23.458643>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<20.888954,24.023415,23.458643>,0.062425
<22.904606,24.352539,24.754280>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.904606,24.352539,24.754280>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<20.888954,24.023415,23.458643>,0.062425
<20.417196,24.224527,25.546490>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.417196,24.224527,25.546490>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.278749,23.634726,21.342466>,0.088295
<17.993502,23.872389,23.341955>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.993502,23.872389,23.341955>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<17.993502,23.872389,23.341955>,0.062425
<17.521744,24.073502,25.429802>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.521744,24.073502,25.429802>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.993502,23.872389,23.341955>,0.062425
<16.101728,23.994959,23.583210>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.101728,23.994959,23.583210>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.056977,22.297865,17.123077>,0.176643
<14.900939,22.839697,20.392572>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.900939,22.839697,20.392572>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<14.900939,22.839697,20.392572>,0.124887
<15.776751,23.298653,23.210091>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.776751,23.298653,23.210091>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<15.776751,23.298653,23.210091>,0.088295
<17.386955,23.687342,25.326269>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.386955,23.687342,25.326269>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<17.386955,23.687342,25.326269>,0.062425
<19.402607,24.016466,26.621904>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.402607,24.016466,26.621904>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.386955,23.687342,25.326269>,0.062425
<16.915197,23.888454,27.414116>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.915197,23.888454,27.414116>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<15.776751,23.298653,23.210091>,0.088295
<14.491503,23.536316,25.209581>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.491503,23.536316,25.209581>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.491503,23.536316,25.209581>,0.062425
<14.019745,23.737429,27.297428>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.019745,23.737429,27.297428>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.491503,23.536316,25.209581>,0.062425
<12.599729,23.658886,25.450836>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.599729,23.658886,25.450836>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.900939,22.839697,20.392572>,0.124887
<12.800534,23.120529,21.990776>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.800534,23.120529,21.990776>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<12.800534,23.120529,21.990776>,0.088295
<11.515286,23.358192,23.990265>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.515286,23.358192,23.990265>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.515286,23.358192,23.990265>,0.062425
<11.043529,23.559305,26.078112>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.043529,23.559305,26.078112>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.515286,23.358192,23.990265>,0.062425
<9.623512,23.480762,24.231520>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.623512,23.480762,24.231520>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.800534,23.120529,21.990776>,0.088295
<10.734208,23.265419,21.523880>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.734208,23.265419,21.523880>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.734208,23.265419,21.523880>,0.062425
<8.842435,23.387989,21.765135>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.842435,23.387989,21.765135>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.734208,23.265419,21.523880>,0.062425
<9.956709,23.340027,20.015409>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.956709,23.340027,20.015409>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.106982,21.263597,14.397808>,0.249849
<10.704057,21.903141,17.746290>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.704057,21.903141,17.746290>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<10.704057,21.903141,17.746290>,0.176643
<10.548018,22.444973,21.015785>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.548018,22.444973,21.015785>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.548018,22.444973,21.015785>,0.124887
<11.423829,22.903929,23.833305>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.423829,22.903929,23.833305>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.423829,22.903929,23.833305>,0.088295
<13.034034,23.292616,25.949482>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.034034,23.292616,25.949482>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.034034,23.292616,25.949482>,0.062425
<15.049686,23.621740,27.245119>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.049686,23.621740,27.245119>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.034034,23.292616,25.949482>,0.062425
<12.562276,23.493729,28.037329>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.562276,23.493729,28.037329>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.423829,22.903929,23.833305>,0.088295
<10.138581,23.141590,25.832796>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.138581,23.141590,25.832796>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.138581,23.141590,25.832796>,0.062425
<9.666823,23.342705,27.920643>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.666823,23.342705,27.920643>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.138581,23.141590,25.832796>,0.062425
<8.246807,23.264160,26.074049>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.246807,23.264160,26.074049>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.548018,22.444973,21.015785>,0.124887
<8.447613,22.725805,22.613989>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.447613,22.725805,22.613989>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.447613,22.725805,22.613989>,0.088295
<7.162365,22.963467,24.613480>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.162365,22.963467,24.613480>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.162365,22.963467,24.613480>,0.062425
<6.690608,23.164579,26.701326>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.690608,23.164579,26.701326>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.162365,22.963467,24.613480>,0.062425
<5.270591,23.086037,24.854733>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.270591,23.086037,24.854733>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.447613,22.725805,22.613989>,0.088295
<6.381287,22.870695,22.147095>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.381287,22.870695,22.147095>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.381287,22.870695,22.147095>,0.062425
<4.489513,22.993263,22.388348>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.489513,22.993263,22.388348>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.381287,22.870695,22.147095>,0.062425
<5.603787,22.945303,20.638622>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.603787,22.945303,20.638622>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.704057,21.903141,17.746290>,0.176643
<7.905739,22.234957,18.616133>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.905739,22.234957,18.616133>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.905739,22.234957,18.616133>,0.124887
<5.805334,22.515789,20.214336>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.805334,22.515789,20.214336>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.805334,22.515789,20.214336>,0.088295
<4.520087,22.753452,22.213825>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.520087,22.753452,22.213825>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.520087,22.753452,22.213825>,0.062425
<4.048329,22.954565,24.301672>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.048329,22.954565,24.301672>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.520087,22.753452,22.213825>,0.062425
<2.628313,22.876020,22.455080>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.628313,22.876020,22.455080>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.805334,22.515789,20.214336>,0.088295
<3.739009,22.660679,19.747440>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.739009,22.660679,19.747440>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.739009,22.660679,19.747440>,0.062425
<1.847235,22.783249,19.988695>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.847235,22.783249,19.988695>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.739009,22.660679,19.747440>,0.062425
<2.961509,22.735287,18.238970>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.961509,22.735287,18.238970>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.905739,22.234957,18.616133>,0.124887
<5.926323,22.406223,17.343788>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.926323,22.406223,17.343788>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.926323,22.406223,17.343788>,0.088295
<3.859998,22.551113,16.876894>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.859998,22.551113,16.876894>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.859998,22.551113,16.876894>,0.062425
<1.968224,22.673683,17.118149>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.968224,22.673683,17.118149>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.859998,22.551113,16.876894>,0.062425
<3.082498,22.625721,15.368423>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.082498,22.625721,15.368423>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.926323,22.406223,17.343788>,0.088295
<5.687817,22.494431,15.473561>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.687817,22.494431,15.473561>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.687817,22.494431,15.473561>,0.062425
<4.910316,22.569040,13.965090>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.910316,22.569040,13.965090>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.687817,22.494431,15.473561>,0.062425
<6.711968,22.539820,14.364958>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.711968,22.539820,14.364958>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.902685,17.786627,9.279740>,0.499849
<5.524479,19.220116,14.155484>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.524479,19.220116,14.155484>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<5.524479,19.220116,14.155484>,0.353393
<7.560544,20.438047,18.105768>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.560544,20.438047,18.105768>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<7.560544,20.438047,18.105768>,0.249849
<10.510538,21.472317,20.831036>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.510538,21.472317,20.831036>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<10.510538,21.472317,20.831036>,0.176643
<13.856499,22.350222,22.232906>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.856499,22.350222,22.232906>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<13.856499,22.350222,22.232906>,0.124887
<17.128380,23.095098,22.389059>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.128380,23.095098,22.389059>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<17.128380,23.095098,22.389059>,0.088295
<19.951685,23.726879,21.511448>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.951685,23.726879,21.511448>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<19.951685,23.726879,21.511448>,0.062425
<22.074705,24.262562,19.896038>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.074705,24.262562,19.896038>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<19.951685,23.726879,21.511448>,0.062425
<21.967337,24.056004,22.807085>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.967337,24.056004,22.807085>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<17.128380,23.095098,22.389059>,0.088295
<18.738585,23.483786,24.505236>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.738585,23.483786,24.505236>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<18.738585,23.483786,24.505236>,0.062425
<20.754236,23.812912,25.800873>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.754236,23.812912,25.800873>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<18.738585,23.483786,24.505236>,0.062425
<18.266827,23.684900,26.593082>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.266827,23.684900,26.593082>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.856499,22.350222,22.232906>,0.124887
<14.732310,22.809177,25.050425>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.732310,22.809177,25.050425>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<14.732310,22.809177,25.050425>,0.088295
<16.342514,23.197865,27.166601>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.342514,23.197865,27.166601>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.342514,23.197865,27.166601>,0.062425
<18.358168,23.526989,28.462238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.358168,23.526989,28.462238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.342514,23.197865,27.166601>,0.062425
<15.870756,23.398977,29.254448>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.870756,23.398977,29.254448>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.732310,22.809177,25.050425>,0.088295
<13.447063,23.046839,27.049913>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.447063,23.046839,27.049913>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.447063,23.046839,27.049913>,0.062425
<12.975306,23.247952,29.137760>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.975306,23.247952,29.137760>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.447063,23.046839,27.049913>,0.062425
<11.555289,23.169409,27.291168>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.555289,23.169409,27.291168>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.510538,21.472317,20.831036>,0.176643
<10.354500,22.014149,24.100531>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.354500,22.014149,24.100531>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.354500,22.014149,24.100531>,0.124887
<11.230311,22.473104,26.918051>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.230311,22.473104,26.918051>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.230311,22.473104,26.918051>,0.088295
<12.840515,22.861792,29.034227>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.840515,22.861792,29.034227>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.840515,22.861792,29.034227>,0.062425
<14.856168,23.190916,30.329865>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.856168,23.190916,30.329865>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.840515,22.861792,29.034227>,0.062425
<12.368757,23.062904,31.122074>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.368757,23.062904,31.122074>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.230311,22.473104,26.918051>,0.088295
<9.945064,22.710766,28.917540>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.945064,22.710766,28.917540>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.945064,22.710766,28.917540>,0.062425
<9.473307,22.911879,31.005386>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.473307,22.911879,31.005386>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.945064,22.710766,28.917540>,0.062425
<8.053290,22.833336,29.158794>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.053290,22.833336,29.158794>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.354500,22.014149,24.100531>,0.124887
<8.254095,22.294981,25.698734>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.254095,22.294981,25.698734>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.254095,22.294981,25.698734>,0.088295
<6.968848,22.532642,27.698225>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.968848,22.532642,27.698225>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.968848,22.532642,27.698225>,0.062425
<6.497090,22.733755,29.786072>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.497090,22.733755,29.786072>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.968848,22.532642,27.698225>,0.062425
<5.077074,22.655212,27.939478>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.077074,22.655212,27.939478>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.254095,22.294981,25.698734>,0.088295
<6.187770,22.439869,25.231840>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.187770,22.439869,25.231840>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.187770,22.439869,25.231840>,0.062425
<4.295996,22.562439,25.473093>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.295996,22.562439,25.473093>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.187770,22.439869,25.231840>,0.062425
<5.410270,22.514479,23.723368>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.410270,22.514479,23.723368>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.560544,20.438047,18.105768>,0.249849
<6.157618,21.077591,21.454250>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.157618,21.077591,21.454250>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.157618,21.077591,21.454250>,0.176643
<6.001579,21.619423,24.723745>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.001579,21.619423,24.723745>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.001579,21.619423,24.723745>,0.124887
<6.877390,22.078379,27.541264>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.877390,22.078379,27.541264>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.877390,22.078379,27.541264>,0.088295
<8.487595,22.467068,29.657442>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.487595,22.467068,29.657442>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.487595,22.467068,29.657442>,0.062425
<10.503247,22.796192,30.953077>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.503247,22.796192,30.953077>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.487595,22.467068,29.657442>,0.062425
<8.015837,22.668180,31.745289>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.015837,22.668180,31.745289>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.877390,22.078379,27.541264>,0.088295
<5.592143,22.316042,29.540754>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.592143,22.316042,29.540754>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.592143,22.316042,29.540754>,0.062425
<5.120385,22.517155,31.628601>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.120385,22.517155,31.628601>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.592143,22.316042,29.540754>,0.062425
<3.700369,22.438612,29.782009>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.700369,22.438612,29.782009>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.001579,21.619423,24.723745>,0.124887
<3.901174,21.900255,26.321949>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.901174,21.900255,26.321949>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.901174,21.900255,26.321949>,0.088295
<2.615927,22.137918,28.321438>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.615927,22.137918,28.321438>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.615927,22.137918,28.321438>,0.062425
<2.144169,22.339031,30.409285>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.144169,22.339031,30.409285>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.615927,22.137918,28.321438>,0.062425
<0.724153,22.260489,28.562693>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.724153,22.260489,28.562693>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.901174,21.900255,26.321949>,0.088295
<1.834849,22.045145,25.855053>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.834849,22.045145,25.855053>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.834849,22.045145,25.855053>,0.062425
<-0.056925,22.167715,26.096308>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.056925,22.167715,26.096308>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.834849,22.045145,25.855053>,0.062425
<1.057349,22.119753,24.346582>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.057349,22.119753,24.346582>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.157618,21.077591,21.454250>,0.176643
<3.359300,21.409409,22.324093>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.359300,21.409409,22.324093>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.359300,21.409409,22.324093>,0.124887
<1.258896,21.690241,23.922295>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.258896,21.690241,23.922295>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.258896,21.690241,23.922295>,0.088295
<-0.026352,21.927902,25.921785>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.026352,21.927902,25.921785>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.026352,21.927902,25.921785>,0.062425
<-0.498110,22.129015,28.009632>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.498110,22.129015,28.009632>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.026352,21.927902,25.921785>,0.062425
<-1.918126,22.050472,26.163040>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.918126,22.050472,26.163040>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.258896,21.690241,23.922295>,0.088295
<-0.807430,21.835129,23.455400>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.807430,21.835129,23.455400>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.807430,21.835129,23.455400>,0.062425
<-2.699203,21.957699,23.696655>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.699203,21.957699,23.696655>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.807430,21.835129,23.455400>,0.062425
<-1.584930,21.909739,21.946930>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.584930,21.909739,21.946930>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.359300,21.409409,22.324093>,0.124887
<1.379885,21.580675,21.051748>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.379885,21.580675,21.051748>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.379885,21.580675,21.051748>,0.088295
<-0.686441,21.725563,20.584854>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.686441,21.725563,20.584854>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.686441,21.725563,20.584854>,0.062425
<-2.578215,21.848133,20.826109>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.578215,21.848133,20.826109>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.686441,21.725563,20.584854>,0.062425
<-1.463941,21.800173,19.076382>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.463941,21.800173,19.076382>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.379885,21.580675,21.051748>,0.088295
<1.141378,21.668882,19.181520>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.141378,21.668882,19.181520>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.141378,21.668882,19.181520>,0.062425
<0.363878,21.743490,17.673050>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.363878,21.743490,17.673050>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.141378,21.668882,19.181520>,0.062425
<2.165529,21.714270,18.072918>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.165529,21.714270,18.072918>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.524479,19.220116,14.155484>,0.353393
<2.792623,19.974821,17.112610>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.792623,19.974821,17.112610>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<2.792623,19.974821,17.112610>,0.249849
<1.389697,20.614365,20.461092>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.389697,20.614365,20.461092>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<1.389697,20.614365,20.461092>,0.176643
<1.233658,21.156197,23.730587>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.233658,21.156197,23.730587>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.233658,21.156197,23.730587>,0.124887
<2.109470,21.615152,26.548105>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.109470,21.615152,26.548105>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.109470,21.615152,26.548105>,0.088295
<3.719674,22.003841,28.664284>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.719674,22.003841,28.664284>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.719674,22.003841,28.664284>,0.062425
<5.735327,22.332966,29.959919>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.735327,22.332966,29.959919>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.719674,22.003841,28.664284>,0.062425
<3.247916,22.204954,30.752131>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.247916,22.204954,30.752131>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.109470,21.615152,26.548105>,0.088295
<0.824222,21.852816,28.547596>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.824222,21.852816,28.547596>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.824222,21.852816,28.547596>,0.062425
<0.352465,22.053928,30.635443>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.352465,22.053928,30.635443>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.824222,21.852816,28.547596>,0.062425
<-1.067551,21.975386,28.788851>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.067551,21.975386,28.788851>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.233658,21.156197,23.730587>,0.124887
<-0.866746,21.437029,25.328791>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.866746,21.437029,25.328791>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.866746,21.437029,25.328791>,0.088295
<-2.151994,21.674692,27.328279>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.151994,21.674692,27.328279>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.151994,21.674692,27.328279>,0.062425
<-2.623751,21.875805,29.416126>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.623751,21.875805,29.416126>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.151994,21.674692,27.328279>,0.062425
<-4.043767,21.797260,27.569534>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.043767,21.797260,27.569534>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.866746,21.437029,25.328791>,0.088295
<-2.933072,21.581919,24.861895>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.933072,21.581919,24.861895>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.933072,21.581919,24.861895>,0.062425
<-4.824845,21.704489,25.103149>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.824845,21.704489,25.103149>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.933072,21.581919,24.861895>,0.062425
<-3.710572,21.656527,23.353424>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710572,21.656527,23.353424>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.389697,20.614365,20.461092>,0.176643
<-1.408620,20.946180,21.330935>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.408620,20.946180,21.330935>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.408620,20.946180,21.330935>,0.124887
<-3.509025,21.227015,22.929138>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.509025,21.227015,22.929138>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.509025,21.227015,22.929138>,0.088295
<-4.794272,21.464676,24.928627>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.794272,21.464676,24.928627>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.794272,21.464676,24.928627>,0.062425
<-5.266030,21.665789,27.016474>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.266030,21.665789,27.016474>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.794272,21.464676,24.928627>,0.062425
<-6.686046,21.587246,25.169882>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.686046,21.587246,25.169882>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.509025,21.227015,22.929138>,0.088295
<-5.575350,21.371902,22.462242>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.575350,21.371902,22.462242>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.575350,21.371902,22.462242>,0.062425
<-7.467124,21.494473,22.703497>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.467124,21.494473,22.703497>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.575350,21.371902,22.462242>,0.062425
<-6.352850,21.446510,20.953772>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.352850,21.446510,20.953772>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.408620,20.946180,21.330935>,0.124887
<-3.388036,21.117449,20.058590>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.388036,21.117449,20.058590>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.388036,21.117449,20.058590>,0.088295
<-5.454361,21.262337,19.591696>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.454361,21.262337,19.591696>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.454361,21.262337,19.591696>,0.062425
<-7.346135,21.384907,19.832951>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.346135,21.384907,19.832951>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.454361,21.262337,19.591696>,0.062425
<-6.231861,21.336946,18.083225>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.231861,21.336946,18.083225>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.388036,21.117449,20.058590>,0.088295
<-3.626542,21.205656,18.188364>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.626542,21.205656,18.188364>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.626542,21.205656,18.188364>,0.062425
<-4.404042,21.280264,16.679892>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.404042,21.280264,16.679892>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.626542,21.205656,18.188364>,0.062425
<-2.602391,21.251043,17.079760>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.602391,21.251043,17.079760>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.792623,19.974821,17.112610>,0.249849
<-0.456944,20.366838,16.957523>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.456944,20.366838,16.957523>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.456944,20.366838,16.957523>,0.176643
<-3.255261,20.698654,17.827366>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.255261,20.698654,17.827366>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.255261,20.698654,17.827366>,0.124887
<-5.355666,20.979486,19.425568>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.355666,20.979486,19.425568>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.355666,20.979486,19.425568>,0.088295
<-6.640913,21.217150,21.425058>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.640913,21.217150,21.425058>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.640913,21.217150,21.425058>,0.062425
<-7.112671,21.418262,23.512905>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.112671,21.418262,23.512905>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.640913,21.217150,21.425058>,0.062425
<-8.532687,21.339720,21.666313>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.532687,21.339720,21.666313>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.355666,20.979486,19.425568>,0.088295
<-7.421991,21.124376,18.958673>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.421991,21.124376,18.958673>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.421991,21.124376,18.958673>,0.062425
<-9.313765,21.246946,19.199928>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.313765,21.246946,19.199928>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.421991,21.124376,18.958673>,0.062425
<-8.199492,21.198984,17.450203>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.199492,21.198984,17.450203>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.255261,20.698654,17.827366>,0.124887
<-5.234677,20.869923,16.555021>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.234677,20.869923,16.555021>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.234677,20.869923,16.555021>,0.088295
<-7.301003,21.014811,16.088127>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.301003,21.014811,16.088127>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.301003,21.014811,16.088127>,0.062425
<-9.192776,21.137381,16.329382>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.192776,21.137381,16.329382>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.301003,21.014811,16.088127>,0.062425
<-8.078503,21.089420,14.579656>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.078503,21.089420,14.579656>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.234677,20.869923,16.555021>,0.088295
<-5.473184,20.958130,14.684794>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.473184,20.958130,14.684794>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.473184,20.958130,14.684794>,0.062425
<-6.250683,21.032738,13.176323>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.250683,21.032738,13.176323>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.473184,20.958130,14.684794>,0.062425
<-4.449032,21.003517,13.576191>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.449032,21.003517,13.576191>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.456944,20.366838,16.957523>,0.176643
<-2.039586,20.569279,14.877568>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.039586,20.569279,14.877568>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.039586,20.569279,14.877568>,0.124887
<-4.019002,20.740545,13.605225>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.019002,20.740545,13.605225>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.019002,20.740545,13.605225>,0.088295
<-6.085327,20.885433,13.138330>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.085327,20.885433,13.138330>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.085327,20.885433,13.138330>,0.062425
<-7.977101,21.008003,13.379584>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.977101,21.008003,13.379584>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.085327,20.885433,13.138330>,0.062425
<-6.862827,20.960043,11.629859>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.862827,20.960043,11.629859>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.019002,20.740545,13.605225>,0.088295
<-4.257508,20.828753,11.734998>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.257508,20.828753,11.734998>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.257508,20.828753,11.734998>,0.062425
<-5.035008,20.903360,10.226526>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.035008,20.903360,10.226526>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.257508,20.828753,11.734998>,0.062425
<-3.233357,20.874140,10.626394>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.233357,20.874140,10.626394>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.039586,20.569279,14.877568>,0.124887
<-1.577950,20.673561,12.834517>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.577950,20.673561,12.834517>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.577950,20.673561,12.834517>,0.088295
<-1.816457,20.761768,10.964289>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.816457,20.761768,10.964289>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.816457,20.761768,10.964289>,0.062425
<-2.593956,20.836376,9.455818>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.593956,20.836376,9.455818>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.816457,20.761768,10.964289>,0.062425
<-0.792305,20.807156,9.855685>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.792305,20.807156,9.855685>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.577950,20.673561,12.834517>,0.088295
<-0.087426,20.727224,12.066267>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.087426,20.727224,12.066267>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.087426,20.727224,12.066267>,0.062425
<0.936725,20.772614,10.957664>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.936725,20.772614,10.957664>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.087426,20.727224,12.066267>,0.062425
<1.150229,20.754829,12.584812>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.150229,20.754829,12.584812>,0.044134
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 32.531353, 65.062706>
look_at   <0, 32.531353,  0>
}
