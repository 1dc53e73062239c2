#include "colors.inc"
light_source { <147.019089, 147.019089, 147.019089> color White}

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
<0.000000,16.062178,-3.500000>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.062178,-3.500000>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.062178,-3.500000>,0.707000
<2.450000,19.737179,-5.621762>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.450000,19.737179,-5.621762>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<2.450000,19.737179,-5.621762>,0.499849
<4.853226,22.140404,-6.084263>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.853226,22.140404,-6.084263>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<4.853226,22.140404,-6.084263>,0.353393
<6.235848,23.695854,-7.281649>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.235848,23.695854,-7.281649>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<6.235848,23.695854,-7.281649>,0.249849
<7.564751,24.692532,-7.537396>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.564751,24.692532,-7.537396>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.564751,24.692532,-7.537396>,0.176643
<8.314562,25.325184,-8.186752>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.314562,25.325184,-8.186752>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.314562,25.325184,-8.186752>,0.124887
<9.022452,25.723372,-8.322986>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.022452,25.723372,-8.322986>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.022452,25.723372,-8.322986>,0.088295
<9.415567,25.972141,-8.663433>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.415567,25.972141,-8.663433>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.415567,25.972141,-8.663433>,0.062425
<9.781661,26.126587,-8.733888>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.781661,26.126587,-8.733888>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.415567,25.972141,-8.663433>,0.062425
<9.769371,26.196032,-8.969836>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.769371,26.196032,-8.969836>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.022452,25.723372,-8.322986>,0.088295
<9.659554,26.081741,-8.445596>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.659554,26.081741,-8.445596>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.659554,26.081741,-8.445596>,0.062425
<10.101809,26.305634,-8.292395>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.101809,26.305634,-8.292395>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.659554,26.081741,-8.445596>,0.062425
<10.232946,26.404276,-8.555945>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.232946,26.404276,-8.555945>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.314562,25.325184,-8.186752>,0.124887
<8.989391,25.894571,-8.771172>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.989391,25.894571,-8.771172>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.989391,25.894571,-8.771172>,0.088295
<9.201759,26.252941,-9.384223>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.201759,26.252941,-9.384223>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.201759,26.252941,-9.384223>,0.062425
<9.555562,26.476833,-9.690626>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.555562,26.476833,-9.690626>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.201759,26.252941,-9.384223>,0.062425
<9.392890,26.575474,-9.935969>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.392890,26.575474,-9.935969>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.989391,25.894571,-8.771172>,0.088295
<9.596739,26.407021,-9.297150>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.596739,26.407021,-9.297150>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.596739,26.407021,-9.297150>,0.062425
<10.170131,26.729553,-9.407499>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.170131,26.729553,-9.407499>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.596739,26.407021,-9.297150>,0.062425
<10.143351,26.868225,-9.770530>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.143351,26.868225,-9.770530>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.564751,24.692532,-7.537396>,0.176643
<8.760763,25.589540,-7.767569>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.760763,25.589540,-7.767569>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.760763,25.589540,-7.767569>,0.124887
<9.604300,26.158928,-7.475359>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.604300,26.158928,-7.475359>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.604300,26.158928,-7.475359>,0.088295
<10.241402,26.517298,-7.597970>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.241402,26.517298,-7.597970>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.241402,26.517298,-7.597970>,0.062425
<10.683657,26.741188,-7.444768>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.683657,26.741188,-7.444768>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.241402,26.517298,-7.597970>,0.062425
<10.814794,26.839830,-7.708319>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.814794,26.839830,-7.708319>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.604300,26.158928,-7.475359>,0.088295
<10.363484,26.671377,-7.212370>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.363484,26.671377,-7.212370>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.363484,26.671377,-7.212370>,0.062425
<10.745745,26.993910,-6.770973>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.745745,26.993910,-6.770973>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.363484,26.671377,-7.212370>,0.062425
<11.046749,27.132580,-6.975680>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.046749,27.132580,-6.975680>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.760763,25.589540,-7.767569>,0.124887
<9.837173,26.396849,-7.974725>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.837173,26.396849,-7.974725>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.837173,26.396849,-7.974725>,0.088295
<10.444521,26.909298,-8.500703>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.444521,26.909298,-8.500703>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.444521,26.909298,-8.500703>,0.062425
<11.017913,27.231831,-8.611052>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.017913,27.231831,-8.611052>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.444521,26.909298,-8.500703>,0.062425
<10.991133,27.370501,-8.974083>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.991133,27.370501,-8.974083>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.837173,26.396849,-7.974725>,0.088295
<10.805943,27.123426,-8.161164>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.805943,27.123426,-8.161164>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.805943,27.123426,-8.161164>,0.062425
<11.489209,27.584629,-7.924474>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.489209,27.584629,-7.924474>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.805943,27.123426,-8.161164>,0.062425
<11.677836,27.777346,-8.328960>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.677836,27.777346,-8.328960>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.235848,23.695854,-7.281649>,0.249849
<7.480208,25.095758,-8.359297>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.480208,25.095758,-8.359297>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.480208,25.095758,-8.359297>,0.176643
<7.878879,25.992767,-9.510159>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.878879,25.992767,-9.510159>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878879,25.992767,-9.510159>,0.124887
<8.553709,26.562157,-10.094580>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.553709,26.562157,-10.094580>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.553709,26.562157,-10.094580>,0.088295
<8.766076,26.920527,-10.707631>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.766076,26.920527,-10.707631>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.766076,26.920527,-10.707631>,0.062425
<9.119880,27.144417,-11.014034>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.119880,27.144417,-11.014034>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.766076,26.920527,-10.707631>,0.062425
<8.957207,27.243059,-11.259377>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.957207,27.243059,-11.259377>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.553709,26.562157,-10.094580>,0.088295
<9.161056,27.074604,-10.620558>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.161056,27.074604,-10.620558>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.161056,27.074604,-10.620558>,0.062425
<9.734447,27.397137,-10.730906>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.734447,27.397137,-10.730906>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.161056,27.074604,-10.620558>,0.062425
<9.707668,27.535809,-11.093938>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.707668,27.535809,-11.093938>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878879,25.992767,-9.510159>,0.124887
<8.237682,26.800076,-10.545937>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.237682,26.800076,-10.545937>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.237682,26.800076,-10.545937>,0.088295
<8.085846,27.312525,-11.334904>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.085846,27.312525,-11.334904>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.085846,27.312525,-11.334904>,0.062425
<8.276977,27.635057,-11.886650>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.276977,27.635057,-11.886650>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.085846,27.312525,-11.334904>,0.062425
<7.949193,27.773729,-12.044973>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.949193,27.773729,-12.044973>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.237682,26.800076,-10.545937>,0.088295
<8.560606,27.526653,-11.478136>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.560606,27.526653,-11.478136>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.560606,27.526653,-11.478136>,0.062425
<9.107219,27.987858,-11.951516>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.107219,27.987858,-11.951516>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.560606,27.526653,-11.478136>,0.062425
<8.851237,28.180573,-12.317116>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.851237,28.180573,-12.317116>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.480208,25.095758,-8.359297>,0.176643
<8.600132,26.355673,-9.329179>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.600132,26.355673,-9.329179>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.600132,26.355673,-9.329179>,0.124887
<9.676543,27.162981,-9.536335>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.676543,27.162981,-9.536335>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.676543,27.162981,-9.536335>,0.088295
<10.283891,27.675430,-10.062312>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.283891,27.675430,-10.062312>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.283891,27.675430,-10.062312>,0.062425
<10.857282,27.997963,-10.172662>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.857282,27.997963,-10.172662>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.283891,27.675430,-10.062312>,0.062425
<10.830503,28.136635,-10.535692>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.830503,28.136635,-10.535692>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.676543,27.162981,-9.536335>,0.088295
<10.645313,27.889559,-9.722775>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.645313,27.889559,-9.722775>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.645313,27.889559,-9.722775>,0.062425
<11.328579,28.350763,-9.486084>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.328579,28.350763,-9.486084>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.645313,27.889559,-9.722775>,0.062425
<11.517206,28.543478,-9.890571>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.517206,28.543478,-9.890571>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.600132,26.355673,-9.329179>,0.124887
<9.608064,27.489597,-10.202073>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.608064,27.489597,-10.202073>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.608064,27.489597,-10.202073>,0.088295
<9.930987,28.216173,-11.134273>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.930987,28.216173,-11.134273>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.930987,28.216173,-11.134273>,0.062425
<10.477599,28.677378,-11.607653>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.477599,28.677378,-11.607653>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.930987,28.216173,-11.134273>,0.062425
<10.221619,28.870094,-11.973252>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.221619,28.870094,-11.973252>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.608064,27.489597,-10.202073>,0.088295
<10.515203,28.510128,-10.987679>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.515203,28.510128,-10.987679>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.515203,28.510128,-10.987679>,0.062425
<11.387095,29.164047,-11.155475>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.387095,29.164047,-11.155475>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.515203,28.510128,-10.987679>,0.062425
<11.331627,29.428604,-11.694723>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.331627,29.428604,-11.694723>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.853226,22.140404,-6.084263>,0.353393
<7.016130,24.303308,-6.500515>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.016130,24.303308,-6.500515>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<7.016130,24.303308,-6.500515>,0.249849
<8.571580,25.703213,-5.961691>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.571580,25.703213,-5.961691>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<8.571580,25.703213,-5.961691>,0.176643
<9.767592,26.600222,-6.191864>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.767592,26.600222,-6.191864>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.767592,26.600222,-6.191864>,0.124887
<10.611130,27.169609,-5.899653>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.611130,27.169609,-5.899653>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.611130,27.169609,-5.899653>,0.088295
<11.248231,27.527979,-6.022264>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.248231,27.527979,-6.022264>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.248231,27.527979,-6.022264>,0.062425
<11.690486,27.751871,-5.869062>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.690486,27.751871,-5.869062>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.248231,27.527979,-6.022264>,0.062425
<11.821623,27.850512,-6.132613>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.821623,27.850512,-6.132613>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.611130,27.169609,-5.899653>,0.088295
<11.370314,27.682058,-5.636664>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.370314,27.682058,-5.636664>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.370314,27.682058,-5.636664>,0.062425
<11.752574,28.004591,-5.195268>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.752574,28.004591,-5.195268>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.370314,27.682058,-5.636664>,0.062425
<12.053578,28.143263,-5.399974>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.053578,28.143263,-5.399974>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.767592,26.600222,-6.191864>,0.124887
<10.844003,27.407530,-6.399019>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.844003,27.407530,-6.399019>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.844003,27.407530,-6.399019>,0.088295
<11.451350,27.919979,-6.924997>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.451350,27.919979,-6.924997>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.451350,27.919979,-6.924997>,0.062425
<12.024741,28.242512,-7.035346>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.024741,28.242512,-7.035346>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.451350,27.919979,-6.924997>,0.062425
<11.997962,28.381184,-7.398377>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.997962,28.381184,-7.398377>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.844003,27.407530,-6.399019>,0.088295
<11.812773,28.134108,-6.585459>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.812773,28.134108,-6.585459>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.812773,28.134108,-6.585459>,0.062425
<12.496038,28.595312,-6.348769>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.496038,28.595312,-6.348769>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.812773,28.134108,-6.585459>,0.062425
<12.684666,28.788027,-6.753254>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.684666,28.788027,-6.753254>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.571580,25.703213,-5.961691>,0.176643
<9.971485,26.963127,-5.476749>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.971485,26.963127,-5.476749>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.971485,26.963127,-5.476749>,0.124887
<10.689093,27.770435,-4.648128>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.689093,27.770435,-4.648128>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.689093,27.770435,-4.648128>,0.088295
<11.448276,28.282885,-4.385139>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.448276,28.282885,-4.385139>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.448276,28.282885,-4.385139>,0.062425
<11.830537,28.605417,-3.943742>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.830537,28.605417,-3.943742>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.448276,28.282885,-4.385139>,0.062425
<12.131541,28.744089,-4.148449>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.131541,28.744089,-4.148449>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.689093,27.770435,-4.648128>,0.088295
<11.334939,28.497013,-3.902369>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.334939,28.497013,-3.902369>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.334939,28.497013,-3.902369>,0.062425
<11.471592,28.958218,-3.192298>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.471592,28.958218,-3.192298>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.334939,28.497013,-3.902369>,0.062425
<11.916201,29.150932,-3.231185>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.916201,29.150932,-3.231185>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.971485,26.963127,-5.476749>,0.124887
<11.231400,28.097050,-5.040302>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.231400,28.097050,-5.040302>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.231400,28.097050,-5.040302>,0.088295
<12.200170,28.823627,-5.226742>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.200170,28.823627,-5.226742>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.200170,28.823627,-5.226742>,0.062425
<12.883434,29.284832,-4.990052>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.883434,29.284832,-4.990052>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.200170,28.823627,-5.226742>,0.062425
<13.072062,29.477547,-5.394538>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.072062,29.477547,-5.394538>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.231400,28.097050,-5.040302>,0.088295
<12.365322,29.117580,-4.647500>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.365322,29.117580,-4.647500>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.365322,29.117580,-4.647500>,0.062425
<12.946585,29.771502,-3.976316>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.946585,29.771502,-3.976316>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.365322,29.117580,-4.647500>,0.062425
<13.385853,30.036058,-4.293978>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.385853,30.036058,-4.293978>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.016130,24.303308,-6.500515>,0.249849
<8.962744,26.249922,-6.875140>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.962744,26.249922,-6.875140>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<8.962744,26.249922,-6.875140>,0.176643
<10.082667,27.509836,-7.845023>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.082667,27.509836,-7.845023>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.082667,27.509836,-7.845023>,0.124887
<11.159078,28.317144,-8.052178>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.159078,28.317144,-8.052178>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.159078,28.317144,-8.052178>,0.088295
<11.766425,28.829592,-8.578156>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.766425,28.829592,-8.578156>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.766425,28.829592,-8.578156>,0.062425
<12.339816,29.152126,-8.688505>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.339816,29.152126,-8.688505>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.766425,28.829592,-8.578156>,0.062425
<12.313037,29.290796,-9.051537>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.313037,29.290796,-9.051537>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.159078,28.317144,-8.052178>,0.088295
<12.127848,29.043720,-8.238618>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.127848,29.043720,-8.238618>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.127848,29.043720,-8.238618>,0.062425
<12.811113,29.504925,-8.001928>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.811113,29.504925,-8.001928>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.127848,29.043720,-8.238618>,0.062425
<12.999741,29.697641,-8.406414>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.999741,29.697641,-8.406414>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.082667,27.509836,-7.845023>,0.124887
<11.090599,28.643759,-8.717917>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.090599,28.643759,-8.717917>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.090599,28.643759,-8.717917>,0.088295
<11.413522,29.370337,-9.650116>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.413522,29.370337,-9.650116>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.413522,29.370337,-9.650116>,0.062425
<11.960135,29.831539,-10.123496>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.960135,29.831539,-10.123496>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.413522,29.370337,-9.650116>,0.062425
<11.704153,30.024256,-10.489096>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.704153,30.024256,-10.489096>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.090599,28.643759,-8.717917>,0.088295
<11.997737,29.664289,-9.503522>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.997737,29.664289,-9.503522>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.997737,29.664289,-9.503522>,0.062425
<12.869630,30.318209,-9.671318>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.869630,30.318209,-9.671318>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.997737,29.664289,-9.503522>,0.062425
<12.814161,30.582767,-10.210567>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.814161,30.582767,-10.210567>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.962744,26.249922,-6.875140>,0.176643
<10.714695,28.001873,-7.212304>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.714695,28.001873,-7.212304>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.714695,28.001873,-7.212304>,0.124887
<11.974610,29.135796,-6.775856>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.974610,29.135796,-6.775856>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.974610,29.135796,-6.775856>,0.088295
<12.943379,29.862373,-6.962296>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.943379,29.862373,-6.962296>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.943379,29.862373,-6.962296>,0.062425
<13.626645,30.323578,-6.725606>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.626645,30.323578,-6.725606>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.943379,29.862373,-6.962296>,0.062425
<13.815272,30.516293,-7.130092>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.815272,30.516293,-7.130092>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.974610,29.135796,-6.775856>,0.088295
<13.108533,30.156326,-6.383054>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.108533,30.156326,-6.383054>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.108533,30.156326,-6.383054>,0.062425
<13.689795,30.810247,-5.711871>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.689795,30.810247,-5.711871>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.108533,30.156326,-6.383054>,0.062425
<14.129064,31.074804,-6.029532>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.129064,31.074804,-6.029532>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.714695,28.001873,-7.212304>,0.124887
<12.291452,29.578630,-7.515750>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.291452,29.578630,-7.515750>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<12.291452,29.578630,-7.515750>,0.088295
<13.198590,30.599161,-8.301355>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.198590,30.599161,-8.301355>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.198590,30.599161,-8.301355>,0.062425
<14.070483,31.253080,-8.469151>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.070483,31.253080,-8.469151>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.198590,30.599161,-8.301355>,0.062425
<14.015016,31.517639,-9.008400>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.015016,31.517639,-9.008400>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.291452,29.578630,-7.515750>,0.088295
<13.710533,30.997711,-7.788853>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.710533,30.997711,-7.788853>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.710533,30.997711,-7.788853>,0.062425
<14.731064,31.916189,-7.435331>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.731064,31.916189,-7.435331>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.710533,30.997711,-7.788853>,0.062425
<14.987706,32.274883,-8.034645>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.987706,32.274883,-8.034645>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.450000,19.737179,-5.621762>,0.499849
<4.655000,23.044678,-7.531348>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.655000,23.044678,-7.531348>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<4.655000,23.044678,-7.531348>,0.353393
<5.375968,25.207581,-9.612603>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.375968,25.207581,-9.612603>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<5.375968,25.207581,-9.612603>,0.249849
<6.620327,26.607487,-10.690250>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.620327,26.607487,-10.690250>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.620327,26.607487,-10.690250>,0.176643
<7.018998,27.504496,-11.841113>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.018998,27.504496,-11.841113>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.018998,27.504496,-11.841113>,0.124887
<7.693828,28.073883,-12.425533>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.693828,28.073883,-12.425533>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.693828,28.073883,-12.425533>,0.088295
<7.906195,28.432253,-13.038585>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.906195,28.432253,-13.038585>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.906195,28.432253,-13.038585>,0.062425
<8.259998,28.656143,-13.344987>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.259998,28.656143,-13.344987>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.906195,28.432253,-13.038585>,0.062425
<8.097325,28.754786,-13.590330>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.097325,28.754786,-13.590330>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.693828,28.073883,-12.425533>,0.088295
<8.301175,28.586332,-12.951511>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.301175,28.586332,-12.951511>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.301175,28.586332,-12.951511>,0.062425
<8.874566,28.908865,-13.061860>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.874566,28.908865,-13.061860>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.301175,28.586332,-12.951511>,0.062425
<8.847787,29.047535,-13.424891>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.847787,29.047535,-13.424891>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.018998,27.504496,-11.841113>,0.124887
<7.377802,28.311804,-12.876890>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.377802,28.311804,-12.876890>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.377802,28.311804,-12.876890>,0.088295
<7.225965,28.824251,-13.665856>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.225965,28.824251,-13.665856>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.225965,28.824251,-13.665856>,0.062425
<7.417096,29.146784,-14.217603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.417096,29.146784,-14.217603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.225965,28.824251,-13.665856>,0.062425
<7.089312,29.285456,-14.375927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.089312,29.285456,-14.375927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.377802,28.311804,-12.876890>,0.088295
<7.700725,29.038380,-13.809090>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.700725,29.038380,-13.809090>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.700725,29.038380,-13.809090>,0.062425
<8.247337,29.499584,-14.282469>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.247337,29.499584,-14.282469>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.700725,29.038380,-13.809090>,0.062425
<7.991356,29.692301,-14.648068>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.991356,29.692301,-14.648068>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.620327,26.607487,-10.690250>,0.176643
<7.740252,27.867401,-11.660132>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.740252,27.867401,-11.660132>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.740252,27.867401,-11.660132>,0.124887
<8.816663,28.674709,-11.867289>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.816663,28.674709,-11.867289>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.816663,28.674709,-11.867289>,0.088295
<9.424009,29.187157,-12.393266>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.424009,29.187157,-12.393266>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.424009,29.187157,-12.393266>,0.062425
<9.997401,29.509689,-12.503615>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.997401,29.509689,-12.503615>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.424009,29.187157,-12.393266>,0.062425
<9.970621,29.648361,-12.866646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.970621,29.648361,-12.866646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.816663,28.674709,-11.867289>,0.088295
<9.785432,29.401285,-12.053728>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.785432,29.401285,-12.053728>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.785432,29.401285,-12.053728>,0.062425
<10.468698,29.862490,-11.817038>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.468698,29.862490,-11.817038>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.785432,29.401285,-12.053728>,0.062425
<10.657325,30.055206,-12.221524>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.657325,30.055206,-12.221524>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.740252,27.867401,-11.660132>,0.124887
<8.748183,29.001324,-12.533027>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.748183,29.001324,-12.533027>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.748183,29.001324,-12.533027>,0.088295
<9.071106,29.727901,-13.465226>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.071106,29.727901,-13.465226>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.071106,29.727901,-13.465226>,0.062425
<9.617719,30.189104,-13.938606>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.617719,30.189104,-13.938606>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.071106,29.727901,-13.465226>,0.062425
<9.361737,30.381821,-14.304205>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.361737,30.381821,-14.304205>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.748183,29.001324,-12.533027>,0.088295
<9.655321,30.021854,-13.318632>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.655321,30.021854,-13.318632>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.655321,30.021854,-13.318632>,0.062425
<10.527214,30.675774,-13.486427>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.527214,30.675774,-13.486427>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.655321,30.021854,-13.318632>,0.062425
<10.471745,30.940332,-14.025677>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.471745,30.940332,-14.025677>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.375968,25.207581,-9.612603>,0.249849
<6.024839,27.154194,-11.485732>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.024839,27.154194,-11.485732>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.024839,27.154194,-11.485732>,0.176643
<5.744858,28.414108,-12.940557>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.744858,28.414108,-12.940557>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.744858,28.414108,-12.940557>,0.124887
<6.103662,29.221416,-13.976333>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.103662,29.221416,-13.976333>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.103662,29.221416,-13.976333>,0.088295
<5.951825,29.733866,-14.765300>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.951825,29.733866,-14.765300>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.951825,29.733866,-14.765300>,0.062425
<6.142955,30.056398,-15.317046>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.142955,30.056398,-15.317046>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.951825,29.733866,-14.765300>,0.062425
<5.815172,30.195070,-15.475370>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.815172,30.195070,-15.475370>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.103662,29.221416,-13.976333>,0.088295
<6.426585,29.947994,-14.908532>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.426585,29.947994,-14.908532>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.426585,29.947994,-14.908532>,0.062425
<6.973197,30.409199,-15.381912>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.973197,30.409199,-15.381912>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.426585,29.947994,-14.908532>,0.062425
<6.717216,30.601913,-15.747512>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.717216,30.601913,-15.747512>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.744858,28.414108,-12.940557>,0.124887
<5.492875,29.548031,-14.249898>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.492875,29.548031,-14.249898>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.492875,29.548031,-14.249898>,0.088295
<4.847029,30.274609,-14.995657>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.847029,30.274609,-14.995657>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.847029,30.274609,-14.995657>,0.062425
<4.710375,30.735813,-15.705727>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.710375,30.735813,-15.705727>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.847029,30.274609,-14.995657>,0.062425
<4.265767,30.928528,-15.666841>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.265767,30.928528,-15.666841>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.492875,29.548031,-14.249898>,0.088295
<5.266090,30.568562,-15.428305>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.266090,30.568562,-15.428305>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.266090,30.568562,-15.428305>,0.062425
<5.556721,31.222483,-16.267284>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.556721,31.222483,-16.267284>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.266090,30.568562,-15.428305>,0.062425
<5.061985,31.487040,-16.488871>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.061985,31.487040,-16.488871>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.024839,27.154194,-11.485732>,0.176643
<6.608823,28.906147,-13.171549>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.608823,28.906147,-13.171549>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.608823,28.906147,-13.171549>,0.124887
<7.616754,30.040070,-14.044443>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.616754,30.040070,-14.044443>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.616754,30.040070,-14.044443>,0.088295
<7.939678,30.766647,-14.976643>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.939678,30.766647,-14.976643>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.939678,30.766647,-14.976643>,0.062425
<8.486290,31.227850,-15.450023>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.486290,31.227850,-15.450023>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.939678,30.766647,-14.976643>,0.062425
<8.230309,31.420567,-15.815621>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.230309,31.420567,-15.815621>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.616754,30.040070,-14.044443>,0.088295
<8.523892,31.060600,-14.830048>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.523892,31.060600,-14.830048>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.523892,31.060600,-14.830048>,0.062425
<9.395785,31.714520,-14.997844>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.395785,31.714520,-14.997844>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.523892,31.060600,-14.830048>,0.062425
<9.340317,31.979078,-15.537092>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.340317,31.979078,-15.537092>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.608823,28.906147,-13.171549>,0.124887
<7.134408,30.482903,-14.688784>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.134408,30.482903,-14.688784>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.134408,30.482903,-14.688784>,0.088295
<6.907624,31.503433,-15.867191>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.907624,31.503433,-15.867191>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.907624,31.503433,-15.867191>,0.062425
<7.198255,32.157352,-16.706171>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.198255,32.157352,-16.706171>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.907624,31.503433,-15.867191>,0.062425
<6.703518,32.421909,-16.927757>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.703518,32.421909,-16.927757>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.134408,30.482903,-14.688784>,0.088295
<7.607435,31.901983,-16.054295>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.607435,31.901983,-16.054295>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.607435,31.901983,-16.054295>,0.062425
<8.423860,32.820461,-16.761339>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.423860,32.820461,-16.761339>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.607435,31.901983,-16.054295>,0.062425
<8.033159,33.179157,-17.283255>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.033159,33.179157,-17.283255>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.655000,23.044678,-7.531348>,0.353393
<6.639500,26.021427,-9.249975>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.639500,26.021427,-9.249975>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<6.639500,26.021427,-9.249975>,0.249849
<8.586113,27.968040,-9.624601>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.586113,27.968040,-9.624601>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<8.586113,27.968040,-9.624601>,0.176643
<9.706037,29.227955,-10.594484>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.706037,29.227955,-10.594484>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.706037,29.227955,-10.594484>,0.124887
<10.782448,30.035263,-10.801640>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.782448,30.035263,-10.801640>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.782448,30.035263,-10.801640>,0.088295
<11.389794,30.547712,-11.327617>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.389794,30.547712,-11.327617>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.389794,30.547712,-11.327617>,0.062425
<11.963186,30.870245,-11.437966>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.963186,30.870245,-11.437966>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.389794,30.547712,-11.327617>,0.062425
<11.936407,31.008917,-11.800997>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.936407,31.008917,-11.800997>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.782448,30.035263,-10.801640>,0.088295
<11.751218,30.761841,-10.988079>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.751218,30.761841,-10.988079>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.751218,30.761841,-10.988079>,0.062425
<12.434483,31.223045,-10.751390>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.434483,31.223045,-10.751390>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.751218,30.761841,-10.988079>,0.062425
<12.623111,31.415760,-11.155875>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.623111,31.415760,-11.155875>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.706037,29.227955,-10.594484>,0.124887
<10.713968,30.361877,-11.467379>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.713968,30.361877,-11.467379>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.713968,30.361877,-11.467379>,0.088295
<11.036892,31.088455,-12.399577>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.036892,31.088455,-12.399577>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.036892,31.088455,-12.399577>,0.062425
<11.583504,31.549660,-12.872957>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.583504,31.549660,-12.872957>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.036892,31.088455,-12.399577>,0.062425
<11.327522,31.742374,-13.238557>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.327522,31.742374,-13.238557>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.713968,30.361877,-11.467379>,0.088295
<11.621107,31.382408,-12.252983>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.621107,31.382408,-12.252983>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.621107,31.382408,-12.252983>,0.062425
<12.492999,32.036327,-12.420779>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.492999,32.036327,-12.420779>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.621107,31.382408,-12.252983>,0.062425
<12.437531,32.300888,-12.960028>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.437531,32.300888,-12.960028>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.586113,27.968040,-9.624601>,0.176643
<10.338065,29.719994,-9.961764>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.338065,29.719994,-9.961764>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.338065,29.719994,-9.961764>,0.124887
<11.597980,30.853916,-9.525317>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.597980,30.853916,-9.525317>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.597980,30.853916,-9.525317>,0.088295
<12.566749,31.580492,-9.711758>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.566749,31.580492,-9.711758>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.566749,31.580492,-9.711758>,0.062425
<13.250014,32.041698,-9.475067>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.250014,32.041698,-9.475067>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.566749,31.580492,-9.711758>,0.062425
<13.438642,32.234413,-9.879553>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.438642,32.234413,-9.879553>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.597980,30.853916,-9.525317>,0.088295
<12.731902,31.874447,-9.132515>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.731902,31.874447,-9.132515>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.731902,31.874447,-9.132515>,0.062425
<13.313164,32.528366,-8.461331>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.313164,32.528366,-8.461331>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.731902,31.874447,-9.132515>,0.062425
<13.752433,32.792923,-8.778993>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.752433,32.792923,-8.778993>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.338065,29.719994,-9.961764>,0.124887
<11.914822,31.296749,-10.265212>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.914822,31.296749,-10.265212>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.914822,31.296749,-10.265212>,0.088295
<12.821959,32.317280,-11.050817>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.821959,32.317280,-11.050817>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.821959,32.317280,-11.050817>,0.062425
<13.693852,32.971199,-11.218613>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.693852,32.971199,-11.218613>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.821959,32.317280,-11.050817>,0.062425
<13.638385,33.235756,-11.757861>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.638385,33.235756,-11.757861>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.914822,31.296749,-10.265212>,0.088295
<13.333902,32.715832,-10.538314>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.333902,32.715832,-10.538314>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.333902,32.715832,-10.538314>,0.062425
<14.354433,33.634308,-10.184792>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.354433,33.634308,-10.184792>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.333902,32.715832,-10.538314>,0.062425
<14.611075,33.993004,-10.784106>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.611075,33.993004,-10.784106>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.639500,26.021427,-9.249975>,0.249849
<8.425550,28.700502,-10.796741>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.425550,28.700502,-10.796741>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<8.425550,28.700502,-10.796741>,0.176643
<9.009534,30.452454,-12.482556>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.009534,30.452454,-12.482556>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.009534,30.452454,-12.482556>,0.124887
<10.017466,31.586378,-13.355451>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.017466,31.586378,-13.355451>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.017466,31.586378,-13.355451>,0.088295
<10.340388,32.312954,-14.287650>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.340388,32.312954,-14.287650>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.340388,32.312954,-14.287650>,0.062425
<10.887001,32.774158,-14.761030>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.887001,32.774158,-14.761030>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.340388,32.312954,-14.287650>,0.062425
<10.631020,32.966873,-15.126629>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.631020,32.966873,-15.126629>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.017466,31.586378,-13.355451>,0.088295
<10.924603,32.606907,-14.141056>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.924603,32.606907,-14.141056>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.924603,32.606907,-14.141056>,0.062425
<11.796496,33.260826,-14.308851>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.796496,33.260826,-14.308851>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.924603,32.606907,-14.141056>,0.062425
<11.741028,33.525387,-14.848100>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.741028,33.525387,-14.848100>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.009534,30.452454,-12.482556>,0.124887
<9.535119,32.029213,-13.999791>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.535119,32.029213,-13.999791>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.535119,32.029213,-13.999791>,0.088295
<9.308334,33.049744,-15.178199>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.308334,33.049744,-15.178199>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.308334,33.049744,-15.178199>,0.062425
<9.598966,33.703663,-16.017178>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.598966,33.703663,-16.017178>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.308334,33.049744,-15.178199>,0.062425
<9.104229,33.968220,-16.238766>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.104229,33.968220,-16.238766>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.535119,32.029213,-13.999791>,0.088295
<10.008146,33.448292,-15.365303>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.008146,33.448292,-15.365303>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.008146,33.448292,-15.365303>,0.062425
<10.824571,34.366768,-16.072348>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.824571,34.366768,-16.072348>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.008146,33.448292,-15.365303>,0.062425
<10.433870,34.725464,-16.594263>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.433870,34.725464,-16.594263>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.425550,28.700502,-10.796741>,0.176643
<10.032995,31.111670,-12.188828>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.032995,31.111670,-12.188828>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.032995,31.111670,-12.188828>,0.124887
<11.609752,32.688427,-12.492275>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.609752,32.688427,-12.492275>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.609752,32.688427,-12.492275>,0.088295
<12.516890,33.708958,-13.277881>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.516890,33.708958,-13.277881>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.516890,33.708958,-13.277881>,0.062425
<13.388783,34.362877,-13.445676>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.388783,34.362877,-13.445676>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.516890,33.708958,-13.277881>,0.062425
<13.333314,34.627434,-13.984924>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.333314,34.627434,-13.984924>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.609752,32.688427,-12.492275>,0.088295
<13.028832,34.107510,-12.765378>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.028832,34.107510,-12.765378>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.028832,34.107510,-12.765378>,0.062425
<14.049363,35.025986,-12.411856>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.049363,35.025986,-12.411856>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.028832,34.107510,-12.765378>,0.062425
<14.306005,35.384682,-13.011169>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.306005,35.384682,-13.011169>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.032995,31.111670,-12.188828>,0.124887
<11.479695,33.281719,-13.441708>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.479695,33.281719,-13.441708>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.479695,33.281719,-13.441708>,0.088295
<11.952723,34.700802,-14.807220>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.952723,34.700802,-14.807220>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.952723,34.700802,-14.807220>,0.062425
<12.769147,35.619278,-15.514263>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.769147,35.619278,-15.514263>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.952723,34.700802,-14.807220>,0.062425
<12.378447,35.977974,-16.036179>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.378447,35.977974,-16.036179>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.479695,33.281719,-13.441708>,0.088295
<12.781726,35.234768,-14.569299>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.781726,35.234768,-14.569299>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.781726,35.234768,-14.569299>,0.062425
<14.058899,36.511940,-14.815091>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.058899,36.511940,-14.815091>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.781726,35.234768,-14.569299>,0.062425
<13.953553,36.992508,-15.584131>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.953553,36.992508,-15.584131>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.062178,-3.500000>,0.707000
<0.000000,21.518139,-6.650000>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.518139,-6.650000>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.518139,-6.650000>,0.499849
<-2.205000,24.825638,-8.559587>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.205000,24.825638,-8.559587>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.205000,24.825638,-8.559587>,0.353393
<-4.367904,26.988543,-8.975838>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.367904,26.988543,-8.975838>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.367904,26.988543,-8.975838>,0.249849
<-5.612264,28.388447,-10.053485>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.612264,28.388447,-10.053485>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.612264,28.388447,-10.053485>,0.176643
<-6.808276,29.285456,-10.283657>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.808276,29.285456,-10.283657>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.808276,29.285456,-10.283657>,0.124887
<-7.483106,29.854843,-10.868077>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483106,29.854843,-10.868077>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483106,29.854843,-10.868077>,0.088295
<-8.120208,30.213213,-10.990687>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.120208,30.213213,-10.990687>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.120208,30.213213,-10.990687>,0.062425
<-8.474011,30.437105,-11.297091>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.474011,30.437105,-11.297091>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.120208,30.213213,-10.990687>,0.062425
<-8.693600,30.535746,-11.101037>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.693600,30.535746,-11.101037>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483106,29.854843,-10.868077>,0.088295
<-8.090453,30.367292,-11.394055>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.090453,30.367292,-11.394055>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090453,30.367292,-11.394055>,0.062425
<-8.281584,30.689825,-11.945802>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.281584,30.689825,-11.945802>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090453,30.367292,-11.394055>,0.062425
<-8.637065,30.828497,-11.867435>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.637065,30.828497,-11.867435>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.808276,29.285456,-10.283657>,0.124887
<-7.884687,30.092764,-10.490812>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.884687,30.092764,-10.490812>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.884687,30.092764,-10.490812>,0.088295
<-8.643870,30.605213,-10.227823>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.643870,30.605213,-10.227823>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.643870,30.605213,-10.227823>,0.062425
<-9.217262,30.927746,-10.338173>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.217262,30.927746,-10.338173>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.643870,30.605213,-10.227823>,0.062425
<-9.327136,31.066418,-9.991134>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.327136,31.066418,-9.991134>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.884687,30.092764,-10.490812>,0.088295
<-8.853456,30.819342,-10.677253>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.853456,30.819342,-10.677253>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.853456,30.819342,-10.677253>,0.062425
<-9.400069,31.280546,-11.150633>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.400069,31.280546,-11.150633>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.853456,30.819342,-10.677253>,0.062425
<-9.725349,31.473261,-10.845048>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.725349,31.473261,-10.845048>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.612264,28.388447,-10.053485>,0.176643
<-6.732188,29.648361,-11.023367>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.732188,29.648361,-11.023367>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.732188,29.648361,-11.023367>,0.124887
<-7.090991,30.455669,-12.059144>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.090991,30.455669,-12.059144>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.090991,30.455669,-12.059144>,0.088295
<-7.698339,30.968119,-12.585122>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.698339,30.968119,-12.585122>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.698339,30.968119,-12.585122>,0.062425
<-7.889469,31.290651,-13.136868>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.889469,31.290651,-13.136868>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.698339,30.968119,-12.585122>,0.062425
<-8.244950,31.429323,-13.058502>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244950,31.429323,-13.058502>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.090991,30.455669,-12.059144>,0.088295
<-7.413915,31.182247,-12.991343>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.413915,31.182247,-12.991343>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.413915,31.182247,-12.991343>,0.062425
<-7.277262,31.643452,-13.701413>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.277262,31.643452,-13.701413>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.413915,31.182247,-12.991343>,0.062425
<-7.704545,31.836166,-13.830322>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.704545,31.836166,-13.830322>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.732188,29.648361,-11.023367>,0.124887
<-7.740119,30.782284,-11.896261>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.740119,30.782284,-11.896261>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.740119,30.782284,-11.896261>,0.088295
<-8.708889,31.508862,-12.082702>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.708889,31.508862,-12.082702>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.708889,31.508862,-12.082702>,0.062425
<-9.255502,31.970066,-12.556082>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.255502,31.970066,-12.556082>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.708889,31.508862,-12.082702>,0.062425
<-9.580782,32.162781,-12.250497>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.580782,32.162781,-12.250497>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.740119,30.782284,-11.896261>,0.088295
<-8.647258,31.802814,-12.681867>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.647258,31.802814,-12.681867>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.647258,31.802814,-12.681867>,0.062425
<-8.937889,32.456734,-13.520845>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.937889,32.456734,-13.520845>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.647258,31.802814,-12.681867>,0.062425
<-9.463682,32.721294,-13.388911>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.463682,32.721294,-13.388911>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.367904,26.988543,-8.975838>,0.249849
<-6.314517,28.935156,-9.350463>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.314517,28.935156,-9.350463>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.314517,28.935156,-9.350463>,0.176643
<-7.714422,30.195070,-8.865521>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.714422,30.195070,-8.865521>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.714422,30.195070,-8.865521>,0.124887
<-8.790833,31.002378,-9.072678>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.790833,31.002378,-9.072678>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.790833,31.002378,-9.072678>,0.088295
<-9.550016,31.514826,-8.809689>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.550016,31.514826,-8.809689>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.550016,31.514826,-8.809689>,0.062425
<-10.123408,31.837360,-8.920037>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.123408,31.837360,-8.920037>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.550016,31.514826,-8.809689>,0.062425
<-10.233282,31.976030,-8.572998>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.233282,31.976030,-8.572998>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.790833,31.002378,-9.072678>,0.088295
<-9.759603,31.728954,-9.259117>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.759603,31.728954,-9.259117>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.759603,31.728954,-9.259117>,0.062425
<-10.306215,32.190159,-9.732497>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.306215,32.190159,-9.732497>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.759603,31.728954,-9.259117>,0.062425
<-10.631495,32.382874,-9.426913>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631495,32.382874,-9.426913>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.714422,30.195070,-8.865521>,0.124887
<-8.974337,31.328993,-8.429074>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.974337,31.328993,-8.429074>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.974337,31.328993,-8.429074>,0.088295
<-9.620183,32.055569,-7.683315>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.620183,32.055569,-7.683315>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.620183,32.055569,-7.683315>,0.062425
<-10.303449,32.516773,-7.446625>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.303449,32.516773,-7.446625>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.620183,32.055569,-7.683315>,0.062425
<-10.201445,32.709488,-7.012132>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.201445,32.709488,-7.012132>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.974337,31.328993,-8.429074>,0.088295
<-10.108259,32.349522,-8.036272>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.108259,32.349522,-8.036272>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.108259,32.349522,-8.036272>,0.062425
<-10.980152,33.003445,-8.204068>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.980152,33.003445,-8.204068>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.108259,32.349522,-8.036272>,0.062425
<-11.128790,33.268002,-7.682750>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.128790,33.268002,-7.682750>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.314517,28.935156,-9.350463>,0.176643
<-8.066469,30.687107,-9.687627>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.066469,30.687107,-9.687627>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.066469,30.687107,-9.687627>,0.124887
<-9.074401,31.821030,-10.560521>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.074401,31.821030,-10.560521>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.074401,31.821030,-10.560521>,0.088295
<-10.043171,32.547607,-10.746961>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.043171,32.547607,-10.746961>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.043171,32.547607,-10.746961>,0.062425
<-10.589783,33.008812,-11.220341>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.589783,33.008812,-11.220341>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.043171,32.547607,-10.746961>,0.062425
<-10.915064,33.201527,-10.914757>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.915064,33.201527,-10.914757>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.074401,31.821030,-10.560521>,0.088295
<-9.981539,32.841560,-11.346126>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.981539,32.841560,-11.346126>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.981539,32.841560,-11.346126>,0.062425
<-10.272170,33.495480,-12.185105>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.272170,33.495480,-12.185105>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.981539,32.841560,-11.346126>,0.062425
<-10.797964,33.760040,-12.053170>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.797964,33.760040,-12.053170>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.066469,30.687107,-9.687627>,0.124887
<-9.643226,32.263863,-9.991074>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.643226,32.263863,-9.991074>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.643226,32.263863,-9.991074>,0.088295
<-10.777149,33.284393,-9.598271>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.777149,33.284393,-9.598271>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.777149,33.284393,-9.598271>,0.062425
<-11.649042,33.938316,-9.766067>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.649042,33.938316,-9.766067>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.777149,33.284393,-9.598271>,0.062425
<-11.797680,34.202873,-9.244749>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.797680,34.202873,-9.244749>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.643226,32.263863,-9.991074>,0.088295
<-11.062307,33.682945,-10.264175>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.062307,33.682945,-10.264175>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.062307,33.682945,-10.264175>,0.062425
<-11.878732,34.601421,-10.971220>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.878732,34.601421,-10.971220>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.062307,33.682945,-10.264175>,0.062425
<-12.339480,34.960117,-10.509968>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.339480,34.960117,-10.509968>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.205000,24.825638,-8.559587>,0.353393
<-4.189500,27.802389,-10.278214>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.189500,27.802389,-10.278214>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.189500,27.802389,-10.278214>,0.249849
<-4.838371,29.749002,-12.151343>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.838371,29.749002,-12.151343>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.838371,29.749002,-12.151343>,0.176643
<-5.958295,31.008917,-13.121226>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.958295,31.008917,-13.121226>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.958295,31.008917,-13.121226>,0.124887
<-6.317099,31.816225,-14.157003>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.317099,31.816225,-14.157003>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.317099,31.816225,-14.157003>,0.088295
<-6.924446,32.328674,-14.682981>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.924446,32.328674,-14.682981>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.924446,32.328674,-14.682981>,0.062425
<-7.115577,32.651207,-15.234727>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.115577,32.651207,-15.234727>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.924446,32.328674,-14.682981>,0.062425
<-7.471058,32.789879,-15.156361>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.471058,32.789879,-15.156361>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.317099,31.816225,-14.157003>,0.088295
<-6.640022,32.542801,-15.089202>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.640022,32.542801,-15.089202>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.640022,32.542801,-15.089202>,0.062425
<-6.503369,33.004005,-15.799273>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.503369,33.004005,-15.799273>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.640022,32.542801,-15.089202>,0.062425
<-6.930654,33.196720,-15.928182>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.930654,33.196720,-15.928182>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.958295,31.008917,-13.121226>,0.124887
<-6.966227,32.142841,-13.994121>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.966227,32.142841,-13.994121>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.966227,32.142841,-13.994121>,0.088295
<-7.934997,32.869415,-14.180560>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.934997,32.869415,-14.180560>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.934997,32.869415,-14.180560>,0.062425
<-8.481609,33.330620,-14.653940>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.481609,33.330620,-14.653940>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.934997,32.869415,-14.180560>,0.062425
<-8.806890,33.523338,-14.348356>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.806890,33.523338,-14.348356>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.966227,32.142841,-13.994121>,0.088295
<-7.873365,33.163372,-14.779725>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.873365,33.163372,-14.779725>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.873365,33.163372,-14.779725>,0.062425
<-8.163997,33.817291,-15.618705>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.163997,33.817291,-15.618705>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.873365,33.163372,-14.779725>,0.062425
<-8.689790,34.081848,-15.486770>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.689790,34.081848,-15.486770>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.838371,29.749002,-12.151343>,0.176643
<-5.422356,31.500954,-13.837160>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.422356,31.500954,-13.837160>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.422356,31.500954,-13.837160>,0.124887
<-5.170372,32.634876,-15.146502>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.170372,32.634876,-15.146502>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.170372,32.634876,-15.146502>,0.088295
<-5.493296,33.361454,-16.078701>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.493296,33.361454,-16.078701>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.493296,33.361454,-16.078701>,0.062425
<-5.356643,33.822659,-16.788771>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.356643,33.822659,-16.788771>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.493296,33.361454,-16.078701>,0.062425
<-5.783927,34.015373,-16.917681>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.783927,34.015373,-16.917681>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.170372,32.634876,-15.146502>,0.088295
<-4.943588,33.655407,-16.324909>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.943588,33.655407,-16.324909>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.943588,33.655407,-16.324909>,0.062425
<-4.362326,34.309326,-16.996092>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.362326,34.309326,-16.996092>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.943588,33.655407,-16.324909>,0.062425
<-4.739482,34.573887,-17.385475>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.739482,34.573887,-17.385475>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.422356,31.500954,-13.837160>,0.124887
<-5.947941,33.077709,-15.354395>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.947941,33.077709,-15.354395>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.947941,33.077709,-15.354395>,0.088295
<-6.855080,34.098240,-16.139999>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.855080,34.098240,-16.139999>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855080,34.098240,-16.139999>,0.062425
<-7.145710,34.752163,-16.978979>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.145710,34.752163,-16.978979>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855080,34.098240,-16.139999>,0.062425
<-7.671504,35.016720,-16.847044>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.671504,35.016720,-16.847044>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.947941,33.077709,-15.354395>,0.088295
<-6.420968,34.496792,-16.719906>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.420968,34.496792,-16.719906>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.420968,34.496792,-16.719906>,0.062425
<-6.216862,35.415268,-17.780474>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.216862,35.415268,-17.780474>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.420968,34.496792,-16.719906>,0.062425
<-6.846693,35.773964,-17.948868>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.846693,35.773964,-17.948868>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.189500,27.802389,-10.278214>,0.249849
<-5.975551,30.481464,-11.824979>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.975551,30.481464,-11.824979>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.975551,30.481464,-11.824979>,0.176643
<-7.727502,32.233418,-12.162142>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.727502,32.233418,-12.162142>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.727502,32.233418,-12.162142>,0.124887
<-8.735435,33.367340,-13.035036>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.735435,33.367340,-13.035036>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.735435,33.367340,-13.035036>,0.088295
<-9.704204,34.093918,-13.221477>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.704204,34.093918,-13.221477>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.704204,34.093918,-13.221477>,0.062425
<-10.250816,34.555119,-13.694857>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.250816,34.555119,-13.694857>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.704204,34.093918,-13.221477>,0.062425
<-10.576097,34.747837,-13.389272>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.576097,34.747837,-13.389272>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.735435,33.367340,-13.035036>,0.088295
<-9.642572,34.387871,-13.820642>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642572,34.387871,-13.820642>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642572,34.387871,-13.820642>,0.062425
<-9.933204,35.041790,-14.659620>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.933204,35.041790,-14.659620>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642572,34.387871,-13.820642>,0.062425
<-10.458997,35.306347,-14.527686>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.458997,35.306347,-14.527686>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.727502,32.233418,-12.162142>,0.124887
<-9.304259,33.810173,-12.465589>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.304259,33.810173,-12.465589>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.304259,33.810173,-12.465589>,0.088295
<-10.438183,34.830704,-12.072786>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.438183,34.830704,-12.072786>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.438183,34.830704,-12.072786>,0.062425
<-11.310076,35.484623,-12.240582>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.310076,35.484623,-12.240582>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.438183,34.830704,-12.072786>,0.062425
<-11.458714,35.749180,-11.719264>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.458714,35.749180,-11.719264>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.304259,33.810173,-12.465589>,0.088295
<-10.723341,35.229256,-12.738691>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.723341,35.229256,-12.738691>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.723341,35.229256,-12.738691>,0.062425
<-11.539765,36.147732,-13.445736>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.539765,36.147732,-13.445736>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.723341,35.229256,-12.738691>,0.062425
<-12.000514,36.506428,-12.984484>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000514,36.506428,-12.984484>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.975551,30.481464,-11.824979>,0.176643
<-7.582996,32.892632,-13.217067>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.582996,32.892632,-13.217067>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.582996,32.892632,-13.217067>,0.124887
<-8.108582,34.469387,-14.734303>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.108582,34.469387,-14.734303>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.108582,34.469387,-14.734303>,0.088295
<-9.015720,35.489918,-15.519907>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.015720,35.489918,-15.519907>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.015720,35.489918,-15.519907>,0.062425
<-9.306351,36.143841,-16.358887>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.306351,36.143841,-16.358887>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.015720,35.489918,-15.519907>,0.062425
<-9.832145,36.408398,-16.226952>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.832145,36.408398,-16.226952>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.108582,34.469387,-14.734303>,0.088295
<-8.581609,35.888470,-16.099813>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.581609,35.888470,-16.099813>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.581609,35.888470,-16.099813>,0.062425
<-8.377502,36.806950,-17.160381>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.377502,36.806950,-17.160381>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.581609,35.888470,-16.099813>,0.062425
<-9.007333,37.165642,-17.328773>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.007333,37.165642,-17.328773>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.582996,32.892632,-13.217067>,0.124887
<-9.029696,35.062683,-14.469947>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.029696,35.062683,-14.469947>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.029696,35.062683,-14.469947>,0.088295
<-10.448778,36.481766,-14.743049>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.448778,36.481766,-14.743049>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.448778,36.481766,-14.743049>,0.062425
<-11.265203,37.400242,-15.450093>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.265203,37.400242,-15.450093>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.448778,36.481766,-14.743049>,0.062425
<-11.725951,37.758938,-14.988841>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.725951,37.758938,-14.988841>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.029696,35.062683,-14.469947>,0.088295
<-10.331727,37.015728,-15.597538>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.331727,37.015728,-15.597538>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.331727,37.015728,-15.597538>,0.062425
<-10.757451,38.292900,-16.826498>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.757451,38.292900,-16.826498>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.331727,37.015728,-15.597538>,0.062425
<-11.503554,38.773468,-16.612371>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.503554,38.773468,-16.612371>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.518139,-6.650000>,0.499849
<0.000000,26.428503,-9.485001>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.428503,-9.485001>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.428503,-9.485001>,0.353393
<1.984500,29.405252,-11.203628>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.984500,29.405252,-11.203628>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<1.984500,29.405252,-11.203628>,0.249849
<3.931113,31.351866,-11.578254>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.931113,31.351866,-11.578254>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.931113,31.351866,-11.578254>,0.176643
<5.051037,32.611778,-12.548136>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.051037,32.611778,-12.548136>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.051037,32.611778,-12.548136>,0.124887
<6.127448,33.419086,-12.755291>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.127448,33.419086,-12.755291>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.127448,33.419086,-12.755291>,0.088295
<6.734795,33.931538,-13.281269>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.734795,33.931538,-13.281269>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.734795,33.931538,-13.281269>,0.062425
<7.308187,34.254070,-13.391619>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.308187,34.254070,-13.391619>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.734795,33.931538,-13.281269>,0.062425
<7.281407,34.392742,-13.754649>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.281407,34.392742,-13.754649>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.127448,33.419086,-12.755291>,0.088295
<7.096218,34.145664,-12.941731>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096218,34.145664,-12.941731>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.096218,34.145664,-12.941731>,0.062425
<7.779483,34.606869,-12.705041>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.779483,34.606869,-12.705041>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.096218,34.145664,-12.941731>,0.062425
<7.968111,34.799583,-13.109527>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.968111,34.799583,-13.109527>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.051037,32.611778,-12.548136>,0.124887
<6.058969,33.745705,-13.421030>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.058969,33.745705,-13.421030>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.058969,33.745705,-13.421030>,0.088295
<6.381892,34.472279,-14.353230>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.381892,34.472279,-14.353230>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.381892,34.472279,-14.353230>,0.062425
<6.928504,34.933483,-14.826610>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.928504,34.933483,-14.826610>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.381892,34.472279,-14.353230>,0.062425
<6.672523,35.126202,-15.192208>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.672523,35.126202,-15.192208>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.058969,33.745705,-13.421030>,0.088295
<6.966107,34.766235,-14.206635>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.966107,34.766235,-14.206635>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.966107,34.766235,-14.206635>,0.062425
<7.838000,35.420155,-14.374431>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.838000,35.420155,-14.374431>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.966107,34.766235,-14.206635>,0.062425
<7.782532,35.684711,-14.913680>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.782532,35.684711,-14.913680>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.931113,31.351866,-11.578254>,0.176643
<5.683065,33.103817,-11.915417>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.683065,33.103817,-11.915417>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.683065,33.103817,-11.915417>,0.124887
<6.942980,34.237740,-11.478970>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.942980,34.237740,-11.478970>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.942980,34.237740,-11.478970>,0.088295
<7.911750,34.964317,-11.665409>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.911750,34.964317,-11.665409>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.911750,34.964317,-11.665409>,0.062425
<8.595016,35.425522,-11.428720>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.595016,35.425522,-11.428720>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.911750,34.964317,-11.665409>,0.062425
<8.783643,35.618237,-11.833205>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.783643,35.618237,-11.833205>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.942980,34.237740,-11.478970>,0.088295
<8.076902,35.258270,-11.086167>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.076902,35.258270,-11.086167>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.076902,35.258270,-11.086167>,0.062425
<8.658165,35.912189,-10.414984>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.658165,35.912189,-10.414984>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.076902,35.258270,-11.086167>,0.062425
<9.097433,36.176750,-10.732645>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.097433,36.176750,-10.732645>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.683065,33.103817,-11.915417>,0.124887
<7.259822,34.680576,-12.218863>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.259822,34.680576,-12.218863>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.259822,34.680576,-12.218863>,0.088295
<8.166961,35.701107,-13.004469>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.166961,35.701107,-13.004469>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.166961,35.701107,-13.004469>,0.062425
<9.038854,36.355026,-13.172265>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.038854,36.355026,-13.172265>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.166961,35.701107,-13.004469>,0.062425
<8.983385,36.619583,-13.711514>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.983385,36.619583,-13.711514>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.259822,34.680576,-12.218863>,0.088295
<8.678904,36.099655,-12.491966>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.678904,36.099655,-12.491966>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.678904,36.099655,-12.491966>,0.062425
<9.699434,37.018135,-12.138444>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.699434,37.018135,-12.138444>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.678904,36.099655,-12.491966>,0.062425
<9.956077,37.376827,-12.737759>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.956077,37.376827,-12.737759>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.984500,29.405252,-11.203628>,0.249849
<3.770550,32.084328,-12.750392>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.770550,32.084328,-12.750392>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<3.770550,32.084328,-12.750392>,0.176643
<4.354534,33.836281,-14.436209>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.354534,33.836281,-14.436209>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.354534,33.836281,-14.436209>,0.124887
<5.362466,34.970203,-15.309103>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.362466,34.970203,-15.309103>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.362466,34.970203,-15.309103>,0.088295
<5.685389,35.696781,-16.241302>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.685389,35.696781,-16.241302>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.685389,35.696781,-16.241302>,0.062425
<6.232001,36.157986,-16.714684>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.232001,36.157986,-16.714684>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.685389,35.696781,-16.241302>,0.062425
<5.976020,36.350700,-17.080282>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.976020,36.350700,-17.080282>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.362466,34.970203,-15.309103>,0.088295
<6.269604,35.990734,-16.094707>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.269604,35.990734,-16.094707>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.269604,35.990734,-16.094707>,0.062425
<7.141497,36.644653,-16.262505>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.141497,36.644653,-16.262505>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.269604,35.990734,-16.094707>,0.062425
<7.086029,36.909210,-16.801752>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.086029,36.909210,-16.801752>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.354534,33.836281,-14.436209>,0.124887
<4.880120,35.413036,-15.953444>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.880120,35.413036,-15.953444>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.880120,35.413036,-15.953444>,0.088295
<4.653335,36.433567,-17.131851>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.653335,36.433567,-17.131851>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.653335,36.433567,-17.131851>,0.062425
<4.943966,37.087486,-17.970831>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.943966,37.087486,-17.970831>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.653335,36.433567,-17.131851>,0.062425
<4.449229,37.352043,-18.192419>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.449229,37.352043,-18.192419>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.880120,35.413036,-15.953444>,0.088295
<5.353147,36.832119,-17.318956>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.353147,36.832119,-17.318956>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.353147,36.832119,-17.318956>,0.062425
<6.169571,37.750595,-18.025999>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.169571,37.750595,-18.025999>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.353147,36.832119,-17.318956>,0.062425
<5.778871,38.109291,-18.547916>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.778871,38.109291,-18.547916>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.770550,32.084328,-12.750392>,0.176643
<5.377995,34.495495,-14.142481>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.377995,34.495495,-14.142481>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.377995,34.495495,-14.142481>,0.124887
<6.954752,36.072250,-14.445928>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.954752,36.072250,-14.445928>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.954752,36.072250,-14.445928>,0.088295
<7.861891,37.092781,-15.231533>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.861891,37.092781,-15.231533>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.861891,37.092781,-15.231533>,0.062425
<8.733784,37.746704,-15.399328>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.733784,37.746704,-15.399328>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.861891,37.092781,-15.231533>,0.062425
<8.678315,38.011261,-15.938577>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.678315,38.011261,-15.938577>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.954752,36.072250,-14.445928>,0.088295
<8.373834,37.491333,-14.719030>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.373834,37.491333,-14.719030>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.373834,37.491333,-14.719030>,0.062425
<9.394364,38.409809,-14.365508>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.394364,38.409809,-14.365508>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.373834,37.491333,-14.719030>,0.062425
<9.651007,38.768505,-14.964822>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.651007,38.768505,-14.964822>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.377995,34.495495,-14.142481>,0.124887
<6.824696,36.665546,-15.395360>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.824696,36.665546,-15.395360>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.824696,36.665546,-15.395360>,0.088295
<7.297723,38.084625,-16.760872>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.297723,38.084625,-16.760872>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.297723,38.084625,-16.760872>,0.062425
<8.114147,39.003105,-17.467916>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.114147,39.003105,-17.467916>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.297723,38.084625,-16.760872>,0.062425
<7.723447,39.361801,-17.989832>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.723447,39.361801,-17.989832>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.824696,36.665546,-15.395360>,0.088295
<8.126726,38.618591,-16.522951>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.126726,38.618591,-16.522951>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.126726,38.618591,-16.522951>,0.062425
<9.403899,39.895763,-16.768744>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.403899,39.895763,-16.768744>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.126726,38.618591,-16.522951>,0.062425
<9.298554,40.376331,-17.537785>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.298554,40.376331,-17.537785>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.428503,-9.485001>,0.353393
<0.000000,30.847830,-12.036500>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.847830,-12.036500>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.847830,-12.036500>,0.249849
<-1.786050,33.526905,-13.583265>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.786050,33.526905,-13.583265>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.786050,33.526905,-13.583265>,0.176643
<-3.538002,35.278858,-13.920428>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.538002,35.278858,-13.920428>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.538002,35.278858,-13.920428>,0.124887
<-4.545934,36.412781,-14.793323>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.545934,36.412781,-14.793323>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.545934,36.412781,-14.793323>,0.088295
<-5.514704,37.139359,-14.979762>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.514704,37.139359,-14.979762>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.514704,37.139359,-14.979762>,0.062425
<-6.061316,37.600563,-15.453142>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.061316,37.600563,-15.453142>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.514704,37.139359,-14.979762>,0.062425
<-6.386597,37.793278,-15.147558>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.386597,37.793278,-15.147558>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.545934,36.412781,-14.793323>,0.088295
<-5.453072,37.433311,-15.578928>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.453072,37.433311,-15.578928>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.453072,37.433311,-15.578928>,0.062425
<-5.743703,38.087231,-16.417908>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.743703,38.087231,-16.417908>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.453072,37.433311,-15.578928>,0.062425
<-6.269496,38.351788,-16.285973>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.269496,38.351788,-16.285973>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.538002,35.278858,-13.920428>,0.124887
<-5.114759,36.855614,-14.223875>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.114759,36.855614,-14.223875>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.114759,36.855614,-14.223875>,0.088295
<-6.248682,37.876144,-13.831073>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.248682,37.876144,-13.831073>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.248682,37.876144,-13.831073>,0.062425
<-7.120575,38.530064,-13.998869>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.120575,38.530064,-13.998869>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.248682,37.876144,-13.831073>,0.062425
<-7.269213,38.794624,-13.477551>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.269213,38.794624,-13.477551>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.114759,36.855614,-14.223875>,0.088295
<-6.533840,38.274696,-14.496978>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.533840,38.274696,-14.496978>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.533840,38.274696,-14.496978>,0.062425
<-7.350265,39.193172,-15.204022>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.350265,39.193172,-15.204022>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.533840,38.274696,-14.496978>,0.062425
<-7.811013,39.551868,-14.742769>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.811013,39.551868,-14.742769>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.786050,33.526905,-13.583265>,0.176643
<-3.393495,35.938072,-14.975353>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.393495,35.938072,-14.975353>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.393495,35.938072,-14.975353>,0.124887
<-3.919081,37.514828,-16.492588>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.919081,37.514828,-16.492588>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.919081,37.514828,-16.492588>,0.088295
<-4.826219,38.535362,-17.278193>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.826219,38.535362,-17.278193>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.826219,38.535362,-17.278193>,0.062425
<-5.116850,39.189281,-18.117172>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.116850,39.189281,-18.117172>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.826219,38.535362,-17.278193>,0.062425
<-5.642644,39.453838,-17.985237>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.642644,39.453838,-17.985237>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.919081,37.514828,-16.492588>,0.088295
<-4.392108,38.933910,-17.858099>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.392108,38.933910,-17.858099>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.392108,38.933910,-17.858099>,0.062425
<-4.188002,39.852390,-18.918667>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.188002,39.852390,-18.918667>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.392108,38.933910,-17.858099>,0.062425
<-4.817832,40.211082,-19.087061>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.817832,40.211082,-19.087061>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.393495,35.938072,-14.975353>,0.124887
<-4.840196,38.108124,-16.228233>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.840196,38.108124,-16.228233>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.840196,38.108124,-16.228233>,0.088295
<-6.259277,39.527206,-16.501335>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.259277,39.527206,-16.501335>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.259277,39.527206,-16.501335>,0.062425
<-7.075702,40.445683,-17.208380>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.075702,40.445683,-17.208380>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.259277,39.527206,-16.501335>,0.062425
<-7.536450,40.804379,-16.747128>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.536450,40.804379,-16.747128>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.840196,38.108124,-16.228233>,0.088295
<-6.142226,40.061169,-17.355824>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.142226,40.061169,-17.355824>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.142226,40.061169,-17.355824>,0.062425
<-6.567951,41.338341,-18.584785>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.567951,41.338341,-18.584785>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.142226,40.061169,-17.355824>,0.062425
<-7.314054,41.818913,-18.370657>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.314054,41.818913,-18.370657>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.847830,-12.036500>,0.249849
<0.000000,34.825226,-14.332850>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.825226,-14.332850>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.825226,-14.332850>,0.176643
<1.607445,37.236393,-15.724938>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.607445,37.236393,-15.724938>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.607445,37.236393,-15.724938>,0.124887
<3.184202,38.813148,-16.028385>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.184202,38.813148,-16.028385>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.184202,38.813148,-16.028385>,0.088295
<4.091340,39.833679,-16.813990>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.091340,39.833679,-16.813990>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.091340,39.833679,-16.813990>,0.062425
<4.963233,40.487598,-16.981787>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.963233,40.487598,-16.981787>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.091340,39.833679,-16.813990>,0.062425
<4.907764,40.752155,-17.521034>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.907764,40.752155,-17.521034>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.184202,38.813148,-16.028385>,0.088295
<4.603283,40.232231,-16.301487>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.603283,40.232231,-16.301487>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.603283,40.232231,-16.301487>,0.062425
<5.623813,41.150707,-15.947966>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623813,41.150707,-15.947966>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.603283,40.232231,-16.301487>,0.062425
<5.880455,41.509403,-16.547279>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.880455,41.509403,-16.547279>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.607445,37.236393,-15.724938>,0.124887
<3.054146,39.406445,-16.977818>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.054146,39.406445,-16.977818>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.054146,39.406445,-16.977818>,0.088295
<3.527173,40.825523,-18.343328>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.527173,40.825523,-18.343328>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.527173,40.825523,-18.343328>,0.062425
<4.343597,41.744003,-19.050373>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.343597,41.744003,-19.050373>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.527173,40.825523,-18.343328>,0.062425
<3.952897,42.102695,-19.572289>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.952897,42.102695,-19.572289>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.054146,39.406445,-16.977818>,0.088295
<4.356176,41.359489,-18.105410>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.356176,41.359489,-18.105410>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.356176,41.359489,-18.105410>,0.062425
<5.633349,42.636662,-18.351202>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.633349,42.636662,-18.351202>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.356176,41.359489,-18.105410>,0.062425
<5.528003,43.117229,-19.120241>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.528003,43.117229,-19.120241>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.825226,-14.332850>,0.176643
<0.000000,38.404881,-16.399565>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.404881,-16.399565>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.404881,-16.399565>,0.124887
<-1.446700,40.574932,-17.652445>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.446700,40.574932,-17.652445>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.446700,40.574932,-17.652445>,0.088295
<-2.865782,41.994011,-17.925547>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.865782,41.994011,-17.925547>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.865782,41.994011,-17.925547>,0.062425
<-3.682206,42.912491,-18.632591>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.682206,42.912491,-18.632591>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.865782,41.994011,-17.925547>,0.062425
<-4.142954,43.271183,-18.171339>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.142954,43.271183,-18.171339>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.446700,40.574932,-17.652445>,0.088295
<-2.748731,42.527977,-18.780037>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.748731,42.527977,-18.780037>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.748731,42.527977,-18.780037>,0.062425
<-3.174455,43.805149,-20.008997>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.174455,43.805149,-20.008997>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.748731,42.527977,-18.780037>,0.062425
<-3.920558,44.285717,-19.794868>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.920558,44.285717,-19.794868>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.404881,-16.399565>,0.124887
<0.000000,41.626572,-18.259609>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.626572,-18.259609>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.626572,-18.259609>,0.088295
<1.302030,43.579617,-19.387199>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.302030,43.579617,-19.387199>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.302030,43.579617,-19.387199>,0.062425
<2.579203,44.856789,-19.632992>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.579203,44.856789,-19.632992>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.302030,43.579617,-19.387199>,0.062425
<2.473858,45.337357,-20.402033>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.473858,45.337357,-20.402033>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.626572,-18.259609>,0.088295
<0.000000,44.526093,-19.933647>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,44.526093,-19.933647>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.526093,-19.933647>,0.062425
<-1.171827,46.283833,-20.948481>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.171827,46.283833,-20.948481>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.526093,-19.933647>,0.062425
<0.000000,47.135658,-21.440283>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.135658,-21.440283>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,19.000000,-0.000000>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.707000
<-2.128109,24.455959,2.322424>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.128109,24.455959,2.322424>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.128109,24.455959,2.322424>,0.499849
<-5.043903,27.763460,2.240642>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.043903,27.763460,2.240642>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.043903,27.763460,2.240642>,0.353393
<-6.919778,29.926365,1.086298>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.919778,29.926365,1.086298>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.919778,29.926365,1.086298>,0.249849
<-8.565265,31.326269,1.040145>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.565265,31.326269,1.040145>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.565265,31.326269,1.040145>,0.176643
<-9.602560,32.223278,0.401832>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.602560,32.223278,0.401832>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.602560,32.223278,0.401832>,0.124887
<-10.494925,32.792667,0.376803>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.494925,32.792667,0.376803>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.494925,32.792667,0.376803>,0.088295
<-11.047481,33.151035,0.036781>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.047481,33.151035,0.036781>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.047481,33.151035,0.036781>,0.062425
<-11.515334,33.374928,0.023659>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.515334,33.374928,0.023659>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.047481,33.151035,0.036781>,0.062425
<-11.544780,33.473568,-0.269238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.544780,33.473568,-0.269238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.494925,32.792667,0.376803>,0.088295
<-11.298054,33.305115,0.354277>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.298054,33.305115,0.354277>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.298054,33.305115,0.354277>,0.062425
<-11.811725,33.627647,0.631941>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.811725,33.627647,0.631941>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.298054,33.305115,0.354277>,0.062425
<-12.020869,33.766319,0.334004>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.020869,33.766319,0.334004>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.602560,32.223278,0.401832>,0.124887
<-10.536125,33.030586,-0.172650>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.536125,33.030586,-0.172650>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.536125,33.030586,-0.172650>,0.088295
<-10.918181,33.543034,-0.879442>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.918181,33.543034,-0.879442>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.918181,33.543034,-0.879442>,0.062425
<-11.415482,33.865570,-1.185462>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.415482,33.865570,-1.185462>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.918181,33.543034,-0.879442>,0.062425
<-11.262033,34.004238,-1.515556>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.262033,34.004238,-1.515556>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.536125,33.030586,-0.172650>,0.088295
<-11.376334,33.757164,-0.689683>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.376334,33.757164,-0.689683>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.376334,33.757164,-0.689683>,0.062425
<-12.099151,34.218369,-0.709957>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.099151,34.218369,-0.709957>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.376334,33.757164,-0.689683>,0.062425
<-12.132523,34.411083,-1.155013>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.132523,34.411083,-1.155013>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.565265,31.326269,1.040145>,0.176643
<-10.046203,32.586185,0.998608>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.046203,32.586185,0.998608>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.046203,32.586185,0.998608>,0.124887
<-11.010501,33.393494,1.519859>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.010501,33.393494,1.519859>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.010501,33.393494,1.519859>,0.088295
<-11.813630,33.905941,1.497333>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.813630,33.905941,1.497333>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.813630,33.905941,1.497333>,0.062425
<-12.327300,34.228474,1.774997>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.327300,34.228474,1.774997>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.813630,33.905941,1.497333>,0.062425
<-12.536446,34.367146,1.477059>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.536446,34.367146,1.477059>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.010501,33.393494,1.519859>,0.088295
<-11.878370,34.120068,1.988984>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.878370,34.120068,1.988984>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.878370,34.120068,1.988984>,0.062425
<-12.257336,34.581272,2.604824>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.257336,34.581272,2.604824>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.878370,34.120068,1.988984>,0.062425
<-12.659451,34.773991,2.411197>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.659451,34.773991,2.411197>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.046203,32.586185,0.998608>,0.124887
<-11.379046,33.720108,0.961224>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.379046,33.720108,0.961224>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.379046,33.720108,0.961224>,0.088295
<-12.219255,34.446686,0.444191>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.219255,34.446686,0.444191>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.219255,34.446686,0.444191>,0.062425
<-12.942072,34.907887,0.423917>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.942072,34.907887,0.423917>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.219255,34.446686,0.444191>,0.062425
<-12.975444,35.100605,-0.021139>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.975444,35.100605,-0.021139>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.379046,33.720108,0.961224>,0.088295
<-12.578607,34.740639,0.927579>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.578607,34.740639,0.927579>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.578607,34.740639,0.927579>,0.062425
<-13.359688,35.394558,1.349792>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.359688,35.394558,1.349792>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.578607,34.740639,0.927579>,0.062425
<-13.658210,35.659115,0.897299>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.658210,35.659115,0.897299>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.919778,29.926365,1.086298>,0.249849
<-8.608066,31.872978,0.047388>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.608066,31.872978,0.047388>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.608066,31.872978,0.047388>,0.176643
<-9.312563,33.132893,-1.255910>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.312563,33.132893,-1.255910>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.312563,33.132893,-1.255910>,0.124887
<-10.246128,33.940201,-1.830392>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.246128,33.940201,-1.830392>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.246128,33.940201,-1.830392>,0.088295
<-10.628184,34.452648,-2.537185>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.628184,34.452648,-2.537185>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.628184,34.452648,-2.537185>,0.062425
<-11.125484,34.775181,-2.843204>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.125484,34.775181,-2.843204>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.628184,34.452648,-2.537185>,0.062425
<-10.972034,34.913853,-3.173298>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.972034,34.913853,-3.173298>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.246128,33.940201,-1.830392>,0.088295
<-11.086337,34.666779,-2.347425>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.086337,34.666779,-2.347425>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.086337,34.666779,-2.347425>,0.062425
<-11.809153,35.127983,-2.367699>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.809153,35.127983,-2.367699>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.086337,34.666779,-2.347425>,0.062425
<-11.842525,35.320698,-2.812756>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.842525,35.320698,-2.812756>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.312563,33.132893,-1.255910>,0.124887
<-9.946609,34.266815,-2.428879>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.946609,34.266815,-2.428879>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.946609,34.266815,-2.428879>,0.088295
<-9.918950,34.993393,-3.415038>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918950,34.993393,-3.415038>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918950,34.993393,-3.415038>,0.062425
<-10.262800,35.454597,-4.051151>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.262800,35.454597,-4.051151>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918950,34.993393,-3.415038>,0.062425
<-9.894056,35.647312,-4.302581>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.894056,35.647312,-4.302581>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.946609,34.266815,-2.428879>,0.088295
<-10.517252,35.287346,-3.484550>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.517252,35.287346,-3.484550>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.517252,35.287346,-3.484550>,0.062425
<-11.273439,35.941265,-3.949881>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273439,35.941265,-3.949881>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.517252,35.287346,-3.484550>,0.062425
<-11.030829,36.205822,-4.434655>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.030829,36.205822,-4.434655>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.608066,31.872978,0.047388>,0.176643
<-10.127524,33.624931,-0.887631>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.127524,33.624931,-0.887631>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.127524,33.624931,-0.887631>,0.124887
<-11.460369,34.758854,-0.925014>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.460369,34.758854,-0.925014>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.460369,34.758854,-0.925014>,0.088295
<-12.300578,35.485432,-1.442048>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.300578,35.485432,-1.442048>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.300578,35.485432,-1.442048>,0.062425
<-13.023394,35.946632,-1.462321>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.023394,35.946632,-1.462321>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.300578,35.485432,-1.442048>,0.062425
<-13.056766,36.139351,-1.907378>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.056766,36.139351,-1.907378>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.460369,34.758854,-0.925014>,0.088295
<-12.659928,35.779385,-0.958659>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.659928,35.779385,-0.958659>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.659928,35.779385,-0.958659>,0.062425
<-13.441010,36.433304,-0.536446>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.441010,36.433304,-0.536446>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.659928,35.779385,-0.958659>,0.062425
<-13.739532,36.697861,-0.988940>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.739532,36.697861,-0.988940>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.127524,33.624931,-0.887631>,0.124887
<-11.495038,35.201687,-1.729148>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.495038,35.201687,-1.729148>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.495038,35.201687,-1.729148>,0.088295
<-12.065680,36.222218,-2.784819>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.065680,36.222218,-2.784819>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.065680,36.222218,-2.784819>,0.062425
<-12.821868,36.876137,-3.250150>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.821868,36.876137,-3.250150>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.065680,36.222218,-2.784819>,0.062425
<-12.579258,37.140694,-3.734924>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.579258,37.140694,-3.734924>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.495038,35.201687,-1.729148>,0.088295
<-12.725800,36.620766,-2.486513>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.725800,36.620766,-2.486513>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.725800,36.620766,-2.486513>,0.062425
<-13.805403,37.539246,-2.516793>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.805403,37.539246,-2.516793>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.725800,36.620766,-2.486513>,0.062425
<-13.833485,37.897942,-3.168142>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.833485,37.897942,-3.168142>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.043903,27.763460,2.240642>,0.353393
<-7.668118,30.740211,2.167038>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.668118,30.740211,2.167038>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.668118,30.740211,2.167038>,0.249849
<-9.411984,32.686825,3.109683>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.411984,32.686825,3.109683>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.411984,32.686825,3.109683>,0.176643
<-10.892922,33.946739,3.068146>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.892922,33.946739,3.068146>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.892922,33.946739,3.068146>,0.124887
<-11.857221,34.754047,3.589396>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.857221,34.754047,3.589396>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.857221,34.754047,3.589396>,0.088295
<-12.660350,35.266495,3.566870>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.660350,35.266495,3.566870>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.660350,35.266495,3.566870>,0.062425
<-13.174020,35.589027,3.844535>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.174020,35.589027,3.844535>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.660350,35.266495,3.566870>,0.062425
<-13.383165,35.727699,3.546597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.383165,35.727699,3.546597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.857221,34.754047,3.589396>,0.088295
<-12.725090,35.480625,4.058522>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.725090,35.480625,4.058522>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.725090,35.480625,4.058522>,0.062425
<-13.104054,35.941830,4.674362>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.104054,35.941830,4.674362>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.725090,35.480625,4.058522>,0.062425
<-13.506171,36.134544,4.480735>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.506171,36.134544,4.480735>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.892922,33.946739,3.068146>,0.124887
<-12.225766,35.080662,3.030762>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.225766,35.080662,3.030762>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.225766,35.080662,3.030762>,0.088295
<-13.065975,35.807240,2.513729>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.065975,35.807240,2.513729>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.065975,35.807240,2.513729>,0.062425
<-13.788791,36.268444,2.493455>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.788791,36.268444,2.493455>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.065975,35.807240,2.513729>,0.062425
<-13.822164,36.461159,2.048399>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.822164,36.461159,2.048399>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.225766,35.080662,3.030762>,0.088295
<-13.425326,36.101192,2.997117>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.425326,36.101192,2.997117>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.425326,36.101192,2.997117>,0.062425
<-14.206408,36.755112,3.419330>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.206408,36.755112,3.419330>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.425326,36.101192,2.997117>,0.062425
<-14.504930,37.019669,2.966837>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.504930,37.019669,2.966837>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.411984,32.686825,3.109683>,0.176643
<-10.981464,34.438778,3.958064>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.981464,34.438778,3.958064>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.981464,34.438778,3.958064>,0.124887
<-11.680261,35.572701,5.093648>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.680261,35.572701,5.093648>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.680261,35.572701,5.093648>,0.088295
<-12.548130,36.299278,5.562774>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.548130,36.299278,5.562774>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.548130,36.299278,5.562774>,0.062425
<-12.927095,36.760479,6.178614>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.927095,36.760479,6.178614>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.548130,36.299278,5.562774>,0.062425
<-13.329211,36.953197,5.984987>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.329211,36.953197,5.984987>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.680261,35.572701,5.093648>,0.088295
<-12.309178,36.593231,6.115675>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.309178,36.593231,6.115675>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.309178,36.593231,6.115675>,0.062425
<-12.334072,37.247150,7.003218>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.334072,37.247150,7.003218>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.309178,36.593231,6.115675>,0.062425
<-12.875204,37.511707,7.035499>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.875204,37.511707,7.035499>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.981464,34.438778,3.958064>,0.124887
<-12.393995,36.015533,4.721606>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.393995,36.015533,4.721606>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.393995,36.015533,4.721606>,0.088295
<-13.593555,37.036064,4.687961>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.593555,37.036064,4.687961>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.593555,37.036064,4.687961>,0.062425
<-14.374637,37.689983,5.110174>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.374637,37.689983,5.110174>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.593555,37.036064,4.687961>,0.062425
<-14.673159,37.954540,4.657681>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.673159,37.954540,4.657681>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.393995,36.015533,4.721606>,0.088295
<-13.665274,37.434616,5.408794>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.665274,37.434616,5.408794>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.665274,37.434616,5.408794>,0.062425
<-14.231299,38.353092,6.328618>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.231299,38.353092,6.328618>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.665274,37.434616,5.408794>,0.062425
<-14.809424,38.711788,6.027264>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.809424,38.711788,6.027264>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.668118,30.740211,2.167038>,0.249849
<-10.029912,33.419285,2.100795>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.029912,33.419285,2.100795>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.029912,33.419285,2.100795>,0.176643
<-11.549371,35.171238,1.165776>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.549371,35.171238,1.165776>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.549371,35.171238,1.165776>,0.124887
<-12.882215,36.305161,1.128392>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.882215,36.305161,1.128392>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.882215,36.305161,1.128392>,0.088295
<-13.722424,37.031738,0.611359>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.722424,37.031738,0.611359>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.722424,37.031738,0.611359>,0.062425
<-14.445240,37.492943,0.591085>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.445240,37.492943,0.591085>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.722424,37.031738,0.611359>,0.062425
<-14.478612,37.685658,0.146029>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.478612,37.685658,0.146029>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.882215,36.305161,1.128392>,0.088295
<-14.081775,37.325691,1.094747>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.081775,37.325691,1.094747>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.081775,37.325691,1.094747>,0.062425
<-14.862856,37.979610,1.516960>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.862856,37.979610,1.516960>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.081775,37.325691,1.094747>,0.062425
<-15.161378,38.244171,1.064467>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.161378,38.244171,1.064467>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.549371,35.171238,1.165776>,0.124887
<-12.916883,36.747993,0.324259>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.916883,36.747993,0.324259>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.916883,36.747993,0.324259>,0.088295
<-13.487526,37.768524,-0.731413>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.487526,37.768524,-0.731413>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.487526,37.768524,-0.731413>,0.062425
<-14.243714,38.422447,-1.196743>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.243714,38.422447,-1.196743>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.487526,37.768524,-0.731413>,0.062425
<-14.001104,38.687004,-1.681517>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.001104,38.687004,-1.681517>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.916883,36.747993,0.324259>,0.088295
<-14.147645,38.167076,-0.433106>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.147645,38.167076,-0.433106>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.147645,38.167076,-0.433106>,0.062425
<-15.227249,39.085552,-0.463387>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.227249,39.085552,-0.463387>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.147645,38.167076,-0.433106>,0.062425
<-15.255331,39.444248,-1.114735>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.255331,39.444248,-1.114735>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.029912,33.419285,2.100795>,0.176643
<-12.155526,35.830452,2.041176>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.155526,35.830452,2.041176>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.155526,35.830452,2.041176>,0.124887
<-13.568058,37.407211,2.804718>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.568058,37.407211,2.804718>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.568058,37.407211,2.804718>,0.088295
<-14.767617,38.427742,2.771073>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.767617,38.427742,2.771073>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.767617,38.427742,2.771073>,0.062425
<-15.548699,39.081661,3.193286>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.548699,39.081661,3.193286>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.767617,38.427742,2.771073>,0.062425
<-15.847221,39.346218,2.740793>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.847221,39.346218,2.740793>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.568058,37.407211,2.804718>,0.088295
<-14.839336,38.826294,3.491906>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.839336,38.826294,3.491906>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.839336,38.826294,3.491906>,0.062425
<-15.405362,39.744770,4.411730>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.405362,39.744770,4.411730>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.839336,38.826294,3.491906>,0.062425
<-15.983487,40.103466,4.110376>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.983487,40.103466,4.110376>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.155526,35.830452,2.041176>,0.124887
<-14.068579,38.000504,1.987519>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.068579,38.000504,1.987519>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.068579,38.000504,1.987519>,0.088295
<-15.299341,39.419586,1.230153>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.299341,39.419586,1.230153>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.299341,39.419586,1.230153>,0.062425
<-16.378944,40.338062,1.199873>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.378944,40.338062,1.199873>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.299341,39.419586,1.230153>,0.062425
<-16.407026,40.696758,0.548524>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.407026,40.696758,0.548524>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.068579,38.000504,1.987519>,0.088295
<-15.790326,39.953552,1.939227>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.790326,39.953552,1.939227>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.790326,39.953552,1.939227>,0.062425
<-16.934477,41.230724,2.557697>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.934477,41.230724,2.557697>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.790326,39.953552,1.939227>,0.062425
<-17.339899,41.711292,1.895765>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.339899,41.711292,1.895765>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.128109,24.455959,2.322424>,0.499849
<-4.043407,29.366323,4.412605>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.043407,29.366323,4.412605>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.043407,29.366323,4.412605>,0.353393
<-3.741369,32.343075,7.020419>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.741369,32.343075,7.020419>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.741369,32.343075,7.020419>,0.249849
<-2.559268,34.289688,8.611735>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.559268,34.289688,8.611735>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.559268,34.289688,8.611735>,0.176643
<-2.388817,35.549603,10.083417>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.388817,35.549603,10.083417>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.388817,35.549603,10.083417>,0.124887
<-1.735156,36.356911,10.963361>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.735156,36.356911,10.963361>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.735156,36.356911,10.963361>,0.088295
<-1.642718,36.869358,11.761470>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.642718,36.869358,11.761470>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.642718,36.869358,11.761470>,0.062425
<-1.294520,37.191891,12.230206>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.294520,37.191891,12.230206>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.642718,36.869358,11.761470>,0.062425
<-1.559524,37.330563,12.479768>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.559524,37.330563,12.479768>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.735156,36.356911,10.963361>,0.088295
<-1.146861,37.083488,11.755310>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.146861,37.083488,11.755310>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.146861,37.083488,11.755310>,0.062425
<-0.483199,37.544693,12.042411>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.483199,37.544693,12.042411>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.146861,37.083488,11.755310>,0.062425
<-0.617395,37.737408,12.468064>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.617395,37.737408,12.468064>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.388817,35.549603,10.083417>,0.124887
<-2.235411,36.683525,11.407930>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.235411,36.683525,11.407930>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.235411,36.683525,11.407930>,0.088295
<-2.627111,37.410103,12.313384>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.627111,37.410103,12.313384>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.627111,37.410103,12.313384>,0.062425
<-2.543917,37.871307,13.031682>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.543917,37.871307,13.031682>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.627111,37.410103,12.313384>,0.062425
<-2.979642,38.064022,13.128292>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.979642,38.064022,13.128292>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.235411,36.683525,11.407930>,0.088295
<-2.097345,37.704056,12.599994>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.097345,37.704056,12.599994>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.097345,37.704056,12.599994>,0.062425
<-1.567879,38.357975,13.312748>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.567879,38.357975,13.312748>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.097345,37.704056,12.599994>,0.062425
<-1.973086,38.622532,13.672850>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.973086,38.622532,13.672850>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.559268,34.289688,8.611735>,0.176643
<-1.495378,36.041641,10.043920>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.495378,36.041641,10.043920>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.495378,36.041641,10.043920>,0.124887
<-0.271612,37.175564,10.573322>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.271612,37.175564,10.573322>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.271612,37.175564,10.573322>,0.088295
<0.316683,37.902142,11.365272>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.316683,37.902142,11.365272>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.316683,37.902142,11.365272>,0.062425
<0.980345,38.363346,11.652373>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.980345,38.363346,11.652373>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.316683,37.902142,11.365272>,0.062425
<0.846149,38.556061,12.078027>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.846149,38.556061,12.078027>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.271612,37.175564,10.573322>,0.088295
<0.829777,38.196095,11.049786>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.829777,38.196095,11.049786>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.829777,38.196095,11.049786>,0.062425
<1.711773,38.850014,10.947632>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.711773,38.850014,10.947632>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.829777,38.196095,11.049786>,0.062425
<1.821028,39.114571,11.478602>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.821028,39.114571,11.478602>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.495378,36.041641,10.043920>,0.124887
<-0.537877,37.618397,11.332886>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.537877,37.618397,11.332886>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.537877,37.618397,11.332886>,0.088295
<-0.399811,38.638927,12.524948>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.399811,38.638927,12.524948>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.399811,38.638927,12.524948>,0.062425
<0.129655,39.292847,13.237702>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.129655,39.292847,13.237702>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.399811,38.638927,12.524948>,0.062425
<-0.275552,39.557404,13.597804>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.275552,39.557404,13.597804>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.537877,37.618397,11.332886>,0.088295
<0.323875,39.037479,12.492955>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.323875,39.037479,12.492955>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.323875,39.037479,12.492955>,0.062425
<1.315125,39.955956,12.921772>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.315125,39.955956,12.921772>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.323875,39.037479,12.492955>,0.062425
<1.099451,40.314651,13.537018>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.099451,40.314651,13.537018>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.741369,32.343075,7.020419>,0.249849
<-3.469533,35.022148,9.367452>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469533,35.022148,9.367452>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469533,35.022148,9.367452>,0.176643
<-4.177896,36.774101,11.004900>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.177896,36.774101,11.004900>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.177896,36.774101,11.004900>,0.124887
<-4.024490,37.908024,12.329413>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.024490,37.908024,12.329413>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.024490,37.908024,12.329413>,0.088295
<-4.416191,38.634602,13.234867>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.416191,38.634602,13.234867>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.416191,38.634602,13.234867>,0.062425
<-4.332997,39.095806,13.953165>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.332997,39.095806,13.953165>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.416191,38.634602,13.234867>,0.062425
<-4.768722,39.288521,14.049775>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.768722,39.288521,14.049775>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.024490,37.908024,12.329413>,0.088295
<-3.886425,38.928555,13.521476>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.886425,38.928555,13.521476>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.886425,38.928555,13.521476>,0.062425
<-3.356959,39.582474,14.234230>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.356959,39.582474,14.234230>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.886425,38.928555,13.521476>,0.062425
<-3.762166,39.847034,14.594333>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762166,39.847034,14.594333>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.177896,36.774101,11.004900>,0.124887
<-4.815423,38.350857,12.478603>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.815423,38.350857,12.478603>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.815423,38.350857,12.478603>,0.088295
<-5.778747,39.371387,13.194202>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.778747,39.371387,13.194202>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.778747,39.371387,13.194202>,0.062425
<-6.131278,40.025311,14.009110>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.131278,40.025311,14.009110>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.778747,39.371387,13.194202>,0.062425
<-6.645738,40.289867,13.838243>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.645738,40.289867,13.838243>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.815423,38.350857,12.478603>,0.088295
<-5.389197,39.769939,13.804936>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.389197,39.769939,13.804936>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389197,39.769939,13.804936>,0.062425
<-5.264938,40.688416,14.877792>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.264938,40.688416,14.877792>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389197,39.769939,13.804936>,0.062425
<-5.905594,41.047112,14.998636>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.905594,41.047112,14.998636>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469533,35.022148,9.367452>,0.176643
<-3.224882,37.433319,11.479781>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.224882,37.433319,11.479781>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.224882,37.433319,11.479781>,0.124887
<-2.267380,39.010075,12.768746>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.267380,39.010075,12.768746>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.267380,39.010075,12.768746>,0.088295
<-2.129315,40.030605,13.960810>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.129315,40.030605,13.960810>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.129315,40.030605,13.960810>,0.062425
<-1.599849,40.684525,14.673564>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.599849,40.684525,14.673564>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.129315,40.030605,13.960810>,0.062425
<-2.005056,40.949081,15.033666>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.005056,40.949081,15.033666>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.267380,39.010075,12.768746>,0.088295
<-1.405629,40.429153,13.928816>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.405629,40.429153,13.928816>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.405629,40.429153,13.928816>,0.062425
<-0.414379,41.347633,14.357633>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.414379,41.347633,14.357633>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.405629,40.429153,13.928816>,0.062425
<-0.630053,41.706329,14.972878>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.630053,41.706329,14.972878>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.224882,37.433319,11.479781>,0.124887
<-3.004695,39.603367,13.380877>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.004695,39.603367,13.380877>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.004695,39.603367,13.380877>,0.088295
<-3.578469,41.022449,14.707211>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.578469,41.022449,14.707211>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.578469,41.022449,14.707211>,0.062425
<-3.454210,41.940926,15.780066>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.454210,41.940926,15.780066>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.578469,41.022449,14.707211>,0.062425
<-4.094866,42.299622,15.900910>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.094866,42.299622,15.900910>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.004695,39.603367,13.380877>,0.088295
<-2.806527,41.556416,15.091864>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.806527,41.556416,15.091864>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.806527,41.556416,15.091864>,0.062425
<-2.030951,42.833588,16.135927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.030951,42.833588,16.135927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.806527,41.556416,15.091864>,0.062425
<-2.628176,43.314156,16.631752>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.628176,43.314156,16.631752>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.043407,29.366323,4.412605>,0.353393
<-5.767176,33.785652,6.293768>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.767176,33.785652,6.293768>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.767176,33.785652,6.293768>,0.249849
<-8.128969,36.464725,6.227525>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.128969,36.464725,6.227525>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.128969,36.464725,6.227525>,0.176643
<-9.648428,38.216679,5.292506>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.648428,38.216679,5.292506>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.648428,38.216679,5.292506>,0.124887
<-10.981272,39.350601,5.255123>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.981272,39.350601,5.255123>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.981272,39.350601,5.255123>,0.088295
<-11.821481,40.077179,4.738089>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.821481,40.077179,4.738089>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.821481,40.077179,4.738089>,0.062425
<-12.544297,40.538383,4.717815>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.544297,40.538383,4.717815>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.821481,40.077179,4.738089>,0.062425
<-12.577669,40.731098,4.272759>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.577669,40.731098,4.272759>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.981272,39.350601,5.255123>,0.088295
<-12.180832,40.371132,5.221478>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.180832,40.371132,5.221478>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.180832,40.371132,5.221478>,0.062425
<-12.961913,41.025051,5.643691>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.961913,41.025051,5.643691>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.180832,40.371132,5.221478>,0.062425
<-13.260435,41.289612,5.191197>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.260435,41.289612,5.191197>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.648428,38.216679,5.292506>,0.124887
<-11.015941,39.793438,4.450989>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.015941,39.793438,4.450989>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.015941,39.793438,4.450989>,0.088295
<-11.586583,40.813969,3.395317>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.586583,40.813969,3.395317>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.586583,40.813969,3.395317>,0.062425
<-12.342772,41.467888,2.929987>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.342772,41.467888,2.929987>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.586583,40.813969,3.395317>,0.062425
<-12.100162,41.732445,2.445213>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.100162,41.732445,2.445213>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.015941,39.793438,4.450989>,0.088295
<-12.246702,41.212517,3.693624>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.246702,41.212517,3.693624>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.246702,41.212517,3.693624>,0.062425
<-13.326306,42.130997,3.663343>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.326306,42.130997,3.663343>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.246702,41.212517,3.693624>,0.062425
<-13.354388,42.489689,3.011995>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.354388,42.489689,3.011995>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.128969,36.464725,6.227525>,0.176643
<-10.254583,38.875896,6.167906>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.254583,38.875896,6.167906>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.254583,38.875896,6.167906>,0.124887
<-11.667115,40.452652,6.931448>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.667115,40.452652,6.931448>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.667115,40.452652,6.931448>,0.088295
<-12.866674,41.473183,6.897803>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.866674,41.473183,6.897803>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.866674,41.473183,6.897803>,0.062425
<-13.647757,42.127102,7.320016>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.647757,42.127102,7.320016>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.866674,41.473183,6.897803>,0.062425
<-13.946279,42.391659,6.867523>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.946279,42.391659,6.867523>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.667115,40.452652,6.931448>,0.088295
<-12.938394,41.871735,7.618637>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.938394,41.871735,7.618637>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.938394,41.871735,7.618637>,0.062425
<-13.504418,42.790211,8.538461>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.504418,42.790211,8.538461>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.938394,41.871735,7.618637>,0.062425
<-14.082543,43.148907,8.237106>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.082543,43.148907,8.237106>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.254583,38.875896,6.167906>,0.124887
<-12.167636,41.045944,6.114249>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.167636,41.045944,6.114249>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.167636,41.045944,6.114249>,0.088295
<-13.398397,42.465027,5.356884>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.398397,42.465027,5.356884>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.398397,42.465027,5.356884>,0.062425
<-14.478002,43.383503,5.326603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.478002,43.383503,5.326603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.398397,42.465027,5.356884>,0.062425
<-14.506083,43.742199,4.675255>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.506083,43.742199,4.675255>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.167636,41.045944,6.114249>,0.088295
<-13.889383,42.998993,6.065957>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.889383,42.998993,6.065957>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.889383,42.998993,6.065957>,0.062425
<-15.033534,44.276165,6.684427>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.033534,44.276165,6.684427>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.889383,42.998993,6.065957>,0.062425
<-15.438956,44.756733,6.022495>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.438956,44.756733,6.022495>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.767176,33.785652,6.293768>,0.249849
<-7.318568,37.763046,7.986815>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.318568,37.763046,7.986815>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.318568,37.763046,7.986815>,0.176643
<-7.073916,40.174213,10.099144>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.073916,40.174213,10.099144>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.073916,40.174213,10.099144>,0.124887
<-6.116415,41.750973,11.388110>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.116415,41.750973,11.388110>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.116415,41.750973,11.388110>,0.088295
<-5.978349,42.771503,12.580173>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.978349,42.771503,12.580173>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.978349,42.771503,12.580173>,0.062425
<-5.448884,43.425423,13.292927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448884,43.425423,13.292927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.978349,42.771503,12.580173>,0.062425
<-5.854090,43.689980,13.653028>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.854090,43.689980,13.653028>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.116415,41.750973,11.388110>,0.088295
<-5.254663,43.170052,12.548180>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.254663,43.170052,12.548180>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.254663,43.170052,12.548180>,0.062425
<-4.263413,44.088531,12.976996>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.263413,44.088531,12.976996>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.254663,43.170052,12.548180>,0.062425
<-4.479088,44.447224,13.592242>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.479088,44.447224,13.592242>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.073916,40.174213,10.099144>,0.124887
<-6.853729,42.344265,12.000240>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.853729,42.344265,12.000240>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.853729,42.344265,12.000240>,0.088295
<-7.427504,43.763348,13.326573>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.427504,43.763348,13.326573>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.427504,43.763348,13.326573>,0.062425
<-7.303245,44.681824,14.399429>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.303245,44.681824,14.399429>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.427504,43.763348,13.326573>,0.062425
<-7.943900,45.040520,14.520273>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.943900,45.040520,14.520273>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.853729,42.344265,12.000240>,0.088295
<-6.655561,44.297310,13.711227>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655561,44.297310,13.711227>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655561,44.297310,13.711227>,0.062425
<-5.879986,45.574482,14.755289>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.879986,45.574482,14.755289>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655561,44.297310,13.711227>,0.062425
<-6.477211,46.055054,15.251115>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.477211,46.055054,15.251115>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.318568,37.763046,7.986815>,0.176643
<-8.714820,41.342701,9.510557>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.714820,41.342701,9.510557>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.714820,41.342701,9.510557>,0.124887
<-10.627872,43.512753,9.456900>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.627872,43.512753,9.456900>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.627872,43.512753,9.456900>,0.088295
<-11.858634,44.931835,8.699534>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.858634,44.931835,8.699534>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.858634,44.931835,8.699534>,0.062425
<-12.938237,45.850311,8.669254>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.938237,45.850311,8.669254>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.858634,44.931835,8.699534>,0.062425
<-12.966319,46.209007,8.017906>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.966319,46.209007,8.017906>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.627872,43.512753,9.456900>,0.088295
<-12.349620,45.465797,9.408608>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.349620,45.465797,9.408608>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.349620,45.465797,9.408608>,0.062425
<-13.493770,46.742973,10.027078>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.493770,46.742973,10.027078>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.349620,45.465797,9.408608>,0.062425
<-13.899192,47.223541,9.365147>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.899192,47.223541,9.365147>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.714820,41.342701,9.510557>,0.124887
<-9.971447,44.564392,10.881925>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.971447,44.564392,10.881925>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.971447,44.564392,10.881925>,0.088295
<-9.773279,46.517437,12.592912>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.773279,46.517437,12.592912>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.773279,46.517437,12.592912>,0.062425
<-8.997704,47.794609,13.636974>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.997704,47.794609,13.636974>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.773279,46.517437,12.592912>,0.062425
<-9.594929,48.275181,14.132800>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.594929,48.275181,14.132800>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.971447,44.564392,10.881925>,0.088295
<-11.102411,47.463913,12.116157>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.102411,47.463913,12.116157>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.102411,47.463913,12.116157>,0.062425
<-12.651984,49.221653,12.072694>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.651984,49.221653,12.072694>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.102411,47.463913,12.116157>,0.062425
<-12.120279,50.073483,13.226964>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.120279,50.073483,13.226964>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.707000
<0.000000,27.100000,-0.000000>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.100000,-0.000000>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.100000,-0.000000>,0.499849
<2.824212,32.010365,-0.247087>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.824212,32.010365,-0.247087>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<2.824212,32.010365,-0.247087>,0.353393
<4.709260,34.987114,1.580074>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.709260,34.987114,1.580074>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.709260,34.987114,1.580074>,0.249849
<5.252119,36.933727,3.486629>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.252119,36.933727,3.486629>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<5.252119,36.933727,3.486629>,0.176643
<6.315918,38.193642,4.517760>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.315918,38.193642,4.517760>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.315918,38.193642,4.517760>,0.124887
<6.616101,39.000950,5.572020>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.616101,39.000950,5.572020>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.616101,39.000950,5.572020>,0.088295
<7.193011,39.513401,6.131214>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.193011,39.513401,6.131214>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.193011,39.513401,6.131214>,0.062425
<7.352915,39.835934,6.692806>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.352915,39.835934,6.692806>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.193011,39.513401,6.131214>,0.062425
<7.712230,39.974602,6.634488>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.712230,39.974602,6.634488>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.616101,39.000950,5.572020>,0.088295
<6.886265,39.727528,6.520854>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.886265,39.727528,6.520854>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.886265,39.727528,6.520854>,0.062425
<6.710026,40.188732,7.222148>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.710026,40.188732,7.222148>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.886265,39.727528,6.520854>,0.062425
<7.129413,40.381447,7.374805>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.129413,40.381447,7.374805>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.315918,38.193642,4.517760>,0.124887
<7.273338,39.327564,5.445778>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.273338,39.327564,5.445778>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.273338,39.327564,5.445778>,0.088295
<8.230135,40.054142,5.686226>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.230135,40.054142,5.686226>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.230135,40.054142,5.686226>,0.062425
<8.749354,40.515347,6.189501>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.749354,40.515347,6.189501>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.230135,40.054142,5.686226>,0.062425
<9.091251,40.708061,5.902629>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.091251,40.708061,5.902629>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.273338,39.327564,5.445778>,0.088295
<8.135016,40.348095,6.280995>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.135016,40.348095,6.280995>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.135016,40.348095,6.280995>,0.062425
<8.378164,41.002014,7.134945>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.378164,41.002014,7.134945>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.135016,40.348095,6.280995>,0.062425
<8.910526,41.266575,7.032690>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.910526,41.266575,7.032690>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.252119,36.933727,3.486629>,0.176643
<5.740692,38.685680,5.202528>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740692,38.685680,5.202528>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740692,38.685680,5.202528>,0.124887
<5.415714,39.819603,6.495687>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.415714,39.819603,6.495687>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.415714,39.819603,6.495687>,0.088295
<5.685879,40.546181,7.444521>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.685879,40.546181,7.444521>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.685879,40.546181,7.444521>,0.062425
<5.509640,41.007385,8.145816>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.509640,41.007385,8.145816>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.685879,40.546181,7.444521>,0.062425
<5.929027,41.200100,8.298472>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.929027,41.200100,8.298472>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.415714,39.819603,6.495687>,0.088295
<5.123235,40.840134,7.659530>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.123235,40.840134,7.659530>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.123235,40.840134,7.659530>,0.062425
<4.505266,41.494053,8.297078>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.505266,41.494053,8.297078>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.123235,40.840134,7.659530>,0.062425
<4.860003,41.758610,8.706989>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.860003,41.758610,8.706989>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740692,38.685680,5.202528>,0.124887
<6.180408,40.262436,6.746838>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.180408,40.262436,6.746838>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.180408,40.262436,6.746838>,0.088295
<7.042086,41.282967,7.582055>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.042086,41.282967,7.582055>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.042086,41.282967,7.582055>,0.062425
<7.285233,41.936886,8.436006>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.285233,41.936886,8.436006>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.042086,41.282967,7.582055>,0.062425
<7.817595,42.201447,8.333750>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.817595,42.201447,8.333750>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.180408,40.262436,6.746838>,0.088295
<6.576152,41.681519,8.136717>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.576152,41.681519,8.136717>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.576152,41.681519,8.136717>,0.062425
<6.312920,42.599995,9.184175>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.312920,42.599995,9.184175>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.576152,41.681519,8.136717>,0.062425
<6.932322,42.958691,9.387608>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.932322,42.958691,9.387608>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.709260,34.987114,1.580074>,0.249849
<6.405804,37.666191,3.224518>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.405804,37.666191,3.224518>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.405804,37.666191,3.224518>,0.176643
<8.136103,39.418140,3.659351>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.136103,39.418140,3.659351>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<8.136103,39.418140,3.659351>,0.124887
<9.093522,40.552063,4.587369>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.093522,40.552063,4.587369>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.093522,40.552063,4.587369>,0.088295
<10.050319,41.278641,4.827817>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.050319,41.278641,4.827817>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.050319,41.278641,4.827817>,0.062425
<10.569538,41.739845,5.331092>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.569538,41.739845,5.331092>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.050319,41.278641,4.827817>,0.062425
<10.911436,41.932560,5.044220>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.911436,41.932560,5.044220>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.093522,40.552063,4.587369>,0.088295
<9.955200,41.572594,5.422586>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.955200,41.572594,5.422586>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.955200,41.572594,5.422586>,0.062425
<10.198348,42.226517,6.276536>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.198348,42.226517,6.276536>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.955200,41.572594,5.422586>,0.062425
<10.730710,42.491074,6.174281>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.730710,42.491074,6.174281>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.136103,39.418140,3.659351>,0.124887
<9.693372,40.994900,4.050701>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.693372,40.994900,4.050701>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.693372,40.994900,4.050701>,0.088295
<10.847529,42.015430,3.722074>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.847529,42.015430,3.722074>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.847529,42.015430,3.722074>,0.062425
<11.708647,42.669350,3.938478>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708647,42.669350,3.938478>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.847529,42.015430,3.722074>,0.062425
<11.886271,42.933907,3.426310>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.886271,42.933907,3.426310>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.693372,40.994900,4.050701>,0.088295
<11.094914,42.413979,4.402916>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.094914,42.413979,4.402916>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.094914,42.413979,4.402916>,0.062425
<11.870424,43.332458,5.154611>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.870424,43.332458,5.154611>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.094914,42.413979,4.402916>,0.062425
<12.356302,43.691154,4.719909>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.356302,43.691154,4.719909>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.405804,37.666191,3.224518>,0.176643
<7.932693,40.077358,4.704518>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.932693,40.077358,4.704518>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.932693,40.077358,4.704518>,0.124887
<8.372408,41.654114,6.248827>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.372408,41.654114,6.248827>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.372408,41.654114,6.248827>,0.088295
<9.234086,42.674644,7.084044>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234086,42.674644,7.084044>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.234086,42.674644,7.084044>,0.062425
<9.477234,43.328564,7.937994>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.477234,43.328564,7.937994>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.234086,42.674644,7.084044>,0.062425
<10.009596,43.593124,7.835739>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.009596,43.593124,7.835739>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.372408,41.654114,6.248827>,0.088295
<8.768152,43.073196,7.638706>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.768152,43.073196,7.638706>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.768152,43.073196,7.638706>,0.062425
<8.504921,43.991673,8.686165>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.504921,43.991673,8.686165>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.768152,43.073196,7.638706>,0.062425
<9.124322,44.350368,8.889597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.124322,44.350368,8.889597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.932693,40.077358,4.704518>,0.124887
<9.306892,42.247410,6.036518>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.306892,42.247410,6.036518>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.306892,42.247410,6.036518>,0.088295
<10.708435,43.666489,6.388732>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.708435,43.666489,6.388732>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.708435,43.666489,6.388732>,0.062425
<11.483945,44.584969,7.140427>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.483945,44.584969,7.140427>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.708435,43.666489,6.388732>,0.062425
<11.969823,44.943661,6.705726>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.969823,44.943661,6.705726>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.306892,42.247410,6.036518>,0.088295
<10.543673,44.200455,7.235317>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.543673,44.200455,7.235317>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.543673,44.200455,7.235317>,0.062425
<10.899842,45.477627,8.486208>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.899842,45.477627,8.486208>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.543673,44.200455,7.235317>,0.062425
<11.656775,45.958195,8.314238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.656775,45.958195,8.314238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.824212,32.010365,-0.247087>,0.353393
<5.366003,36.429691,-0.469464>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.366003,36.429691,-0.469464>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<5.366003,36.429691,-0.469464>,0.249849
<6.751217,39.108768,-2.383528>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.751217,39.108768,-2.383528>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.751217,39.108768,-2.383528>,0.176643
<6.934405,40.860718,-4.158198>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.934405,40.860718,-4.158198>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.934405,40.860718,-4.158198>,0.124887
<7.716131,41.994644,-5.238372>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.716131,41.994644,-5.238372>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.716131,41.994644,-5.238372>,0.088295
<7.817427,42.721218,-6.219705>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.817427,42.721218,-6.219705>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.817427,42.721218,-6.219705>,0.062425
<8.241365,43.182423,-6.805495>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.241365,43.182423,-6.805495>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.817427,42.721218,-6.219705>,0.062425
<7.908594,43.375141,-7.102905>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.908594,43.375141,-7.102905>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.716131,41.994644,-5.238372>,0.088295
<8.419683,43.015175,-6.210529>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419683,43.015175,-6.210529>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419683,43.015175,-6.210529>,0.062425
<9.230140,43.669094,-6.573176>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.230140,43.669094,-6.573176>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419683,43.015175,-6.210529>,0.062425
<9.052881,43.933651,-7.085470>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.052881,43.933651,-7.085470>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.934405,40.860718,-4.158198>,0.124887
<7.099274,42.437477,-5.755403>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.099274,42.437477,-5.755403>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.099274,42.437477,-5.755403>,0.088295
<6.609138,43.458008,-6.850776>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.609138,43.458008,-6.850776>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.609138,43.458008,-6.850776>,0.062425
<6.700305,44.111927,-7.733975>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.700305,44.111927,-7.733975>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.609138,43.458008,-6.850776>,0.062425
<6.168016,44.376484,-7.836612>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.168016,44.376484,-7.836612>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.099274,42.437477,-5.755403>,0.088295
<7.247656,43.856556,-7.192886>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.247656,43.856556,-7.192886>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.247656,43.856556,-7.192886>,0.062425
<7.880854,44.775036,-8.067827>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.880854,44.775036,-8.067827>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.247656,43.856556,-7.192886>,0.062425
<7.381199,45.133732,-8.486621>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.381199,45.133732,-8.486621>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.751217,39.108768,-2.383528>,0.176643
<7.997910,41.519936,-4.106184>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.997910,41.519936,-4.106184>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.997910,41.519936,-4.106184>,0.124887
<9.463564,43.096691,-4.762006>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.463564,43.096691,-4.762006>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.463564,43.096691,-4.762006>,0.088295
<10.167117,44.117222,-5.734162>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.167117,44.117222,-5.734162>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.167117,44.117222,-5.734162>,0.062425
<10.977573,44.771141,-6.096809>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.977573,44.771141,-6.096809>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.167117,44.117222,-5.734162>,0.062425
<10.800315,45.035702,-6.609103>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.800315,45.035702,-6.609103>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.463564,43.096691,-4.762006>,0.088295
<10.782652,44.515774,-5.352245>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.782652,44.515774,-5.352245>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.782652,44.515774,-5.352245>,0.062425
<11.856972,45.434250,-5.241350>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.856972,45.434250,-5.241350>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.782652,44.515774,-5.352245>,0.062425
<11.969831,45.792946,-5.883460>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.969831,45.792946,-5.883460>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.997910,41.519936,-4.106184>,0.124887
<9.119934,43.689987,-5.656575>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.119934,43.689987,-5.656575>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.119934,43.689987,-5.656575>,0.088295
<9.268315,45.109066,-7.094059>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.268315,45.109066,-7.094059>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.268315,45.109066,-7.094059>,0.062425
<9.901513,46.027546,-7.969000>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.901513,46.027546,-7.969000>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.268315,45.109066,-7.094059>,0.062425
<9.401859,46.386242,-8.387794>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.401859,46.386242,-8.387794>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.119934,43.689987,-5.656575>,0.088295
<10.129755,45.643032,-7.051928>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.129755,45.643032,-7.051928>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.129755,45.643032,-7.051928>,0.062425
<11.316935,46.920204,-7.583143>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.316935,46.920204,-7.583143>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.129755,45.643032,-7.051928>,0.062425
<11.038594,47.400772,-8.307744>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.038594,47.400772,-8.307744>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.366003,36.429691,-0.469464>,0.249849
<7.653615,40.407085,-0.669605>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653615,40.407085,-0.669605>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653615,40.407085,-0.669605>,0.176643
<9.180504,42.818256,0.810395>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.180504,42.818256,0.810395>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.180504,42.818256,0.810395>,0.124887
<9.620219,44.395012,2.354705>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.620219,44.395012,2.354705>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.620219,44.395012,2.354705>,0.088295
<10.481896,45.415543,3.189921>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.481896,45.415543,3.189921>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.481896,45.415543,3.189921>,0.062425
<10.725044,46.069462,4.043872>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.725044,46.069462,4.043872>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.481896,45.415543,3.189921>,0.062425
<11.257407,46.334019,3.941616>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.257407,46.334019,3.941616>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.620219,44.395012,2.354705>,0.088295
<10.015964,45.814091,3.744583>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.015964,45.814091,3.744583>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.015964,45.814091,3.744583>,0.062425
<9.752731,46.732571,4.792042>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.752731,46.732571,4.792042>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.015964,45.814091,3.744583>,0.062425
<10.372133,47.091267,4.995474>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.372133,47.091267,4.995474>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.180504,42.818256,0.810395>,0.124887
<10.554704,44.988304,2.142395>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.554704,44.988304,2.142395>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.554704,44.988304,2.142395>,0.088295
<11.956245,46.407387,2.494610>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.956245,46.407387,2.494610>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.956245,46.407387,2.494610>,0.062425
<12.731755,47.325863,3.246305>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.731755,47.325863,3.246305>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.956245,46.407387,2.494610>,0.062425
<13.217633,47.684559,2.811603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.217633,47.684559,2.811603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.554704,44.988304,2.142395>,0.088295
<11.791484,46.941353,3.341195>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.791484,46.941353,3.341195>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.791484,46.941353,3.341195>,0.062425
<12.147654,48.218525,4.592085>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.147654,48.218525,4.592085>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.791484,46.941353,3.341195>,0.062425
<12.904586,48.699093,4.420115>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.904586,48.699093,4.420115>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653615,40.407085,-0.669605>,0.176643
<9.712465,43.986744,-0.849731>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.712465,43.986744,-0.849731>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.712465,43.986744,-0.849731>,0.124887
<10.834489,46.156792,-2.400121>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.834489,46.156792,-2.400121>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.834489,46.156792,-2.400121>,0.088295
<10.982870,47.575874,-3.837605>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.982870,47.575874,-3.837605>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.982870,47.575874,-3.837605>,0.062425
<11.616068,48.494350,-4.712546>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.616068,48.494350,-4.712546>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.982870,47.575874,-3.837605>,0.062425
<11.116414,48.853046,-5.131340>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.116414,48.853046,-5.131340>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.834489,46.156792,-2.400121>,0.088295
<11.844310,48.109840,-3.795473>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.844310,48.109840,-3.795473>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.844310,48.109840,-3.795473>,0.062425
<13.031489,49.387012,-4.326689>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.031489,49.387012,-4.326689>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.844310,48.109840,-3.795473>,0.062425
<12.753149,49.867580,-5.051290>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.753149,49.867580,-5.051290>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.712465,43.986744,-0.849731>,0.124887
<11.565431,47.208431,-1.011844>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.565431,47.208431,-1.011844>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.565431,47.208431,-1.011844>,0.088295
<12.802211,49.161480,0.186956>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.802211,49.161480,0.186956>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.802211,49.161480,0.186956>,0.062425
<13.158381,50.438652,1.437846>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.158381,50.438652,1.437846>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.802211,49.161480,0.186956>,0.062425
<13.915313,50.919220,1.265875>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.915313,50.919220,1.265875>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.565431,47.208431,-1.011844>,0.088295
<13.233100,50.107952,-1.157746>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.233100,50.107952,-1.157746>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<13.233100,50.107952,-1.157746>,0.062425
<14.141938,51.865696,-2.413563>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.141938,51.865696,-2.413563>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<13.233100,50.107952,-1.157746>,0.062425
<14.734001,52.717522,-1.289058>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.734001,52.717522,-1.289058>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.100000,-0.000000>,0.499849
<0.000000,34.389999,-0.000000>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.389999,-0.000000>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.389999,-0.000000>,0.353393
<-2.024241,38.809330,-1.553255>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.024241,38.809330,-1.553255>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.024241,38.809330,-1.553255>,0.249849
<-2.164094,41.488403,-3.911834>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.164094,41.488403,-3.911834>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.164094,41.488403,-3.911834>,0.176643
<-1.365062,43.240356,-5.507003>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.365062,43.240356,-5.507003>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.365062,43.240356,-5.507003>,0.124887
<-1.443986,44.374279,-6.838034>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.443986,44.374279,-6.838034>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.443986,44.374279,-6.838034>,0.088295
<-1.002149,45.100857,-7.720108>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.002149,45.100857,-7.720108>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.002149,45.100857,-7.720108>,0.062425
<-1.044950,45.562061,-8.441940>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.044950,45.562061,-8.441940>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.002149,45.100857,-7.720108>,0.062425
<-0.604496,45.754776,-8.513975>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.604496,45.754776,-8.513975>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.443986,44.374279,-6.838034>,0.088295
<-1.515018,45.394810,-8.035961>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.515018,45.394810,-8.035961>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.515018,45.394810,-8.035961>,0.062425
<-2.003700,46.048729,-8.777272>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.003700,46.048729,-8.777272>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.515018,45.394810,-8.035961>,0.062425
<-1.578946,46.313286,-9.114096>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.578946,46.313286,-9.114096>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.365062,43.240356,-5.507003>,0.124887
<-0.645934,44.817112,-6.942656>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.645934,44.817112,-6.942656>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.645934,44.817112,-6.942656>,0.088295
<0.355985,45.837643,-7.603134>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.355985,45.837643,-7.603134>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.355985,45.837643,-7.603134>,0.062425
<0.753639,46.491562,-8.397001>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.753639,46.491562,-8.397001>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.355985,45.837643,-7.603134>,0.062425
<1.257713,46.756123,-8.197565>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.257713,46.756123,-8.197565>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.645934,44.817112,-6.942656>,0.088295
<0.001281,46.236195,-8.234742>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.001281,46.236195,-8.234742>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.001281,46.236195,-8.234742>,0.062425
<-0.062647,47.154671,-9.312877>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.062647,47.154671,-9.312877>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.001281,46.236195,-8.234742>,0.062425
<0.583775,47.513367,-9.397621>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.583775,47.513367,-9.397621>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.164094,41.488403,-3.911834>,0.176643
<-2.289961,43.899570,-6.034556>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.289961,43.899570,-6.034556>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.289961,43.899570,-6.034556>,0.124887
<-3.173708,45.476330,-7.375165>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.173708,45.476330,-7.375165>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.173708,45.476330,-7.375165>,0.088295
<-3.244740,46.496861,-8.573092>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.244740,46.496861,-8.573092>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.244740,46.496861,-8.573092>,0.062425
<-3.733422,47.150780,-9.314404>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.733422,47.150780,-9.314404>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.244740,46.496861,-8.573092>,0.062425
<-3.308668,47.415337,-9.651227>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.308668,47.415337,-9.651227>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.173708,45.476330,-7.375165>,0.088295
<-3.969081,46.895409,-8.581714>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.969081,46.895409,-8.581714>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.969081,46.895409,-8.581714>,0.062425
<-4.934737,47.813889,-9.065417>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.934737,47.813889,-9.065417>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.969081,46.895409,-8.581714>,0.062425
<-4.684916,48.172581,-9.667607>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.684916,48.172581,-9.667607>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.289961,43.899570,-6.034556>,0.124887
<-2.403242,46.069622,-7.945005>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.403242,46.069622,-7.945005>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.403242,46.069622,-7.945005>,0.088295
<-1.756026,47.488705,-9.237092>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.756026,47.488705,-9.237092>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.756026,47.488705,-9.237092>,0.062425
<-1.819955,48.407181,-10.315227>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.819955,48.407181,-10.315227>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.756026,47.488705,-9.237092>,0.062425
<-1.173533,48.765877,-10.399970>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.173533,48.765877,-10.399970>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.403242,46.069622,-7.945005>,0.088295
<-2.505194,48.022667,-9.664410>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.505194,48.022667,-9.664410>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.505194,48.022667,-9.664410>,0.062425
<-3.221029,49.299843,-10.750303>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.221029,49.299843,-10.750303>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.505194,48.022667,-9.664410>,0.062425
<-2.596951,49.780411,-11.211874>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.596951,49.780411,-11.211874>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.024241,38.809330,-1.553255>,0.249849
<-3.846058,42.786724,-2.951184>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.846058,42.786724,-2.951184>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.846058,42.786724,-2.951184>,0.176643
<-5.929027,45.197891,-2.523362>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.929027,45.197891,-2.523362>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.929027,45.197891,-2.523362>,0.124887
<-7.129636,46.774647,-1.457163>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.129636,46.774647,-1.457163>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.129636,46.774647,-1.457163>,0.088295
<-8.305129,47.795177,-1.215728>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.305129,47.795177,-1.215728>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.305129,47.795177,-1.215728>,0.062425
<-8.969025,48.449097,-0.626157>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.969025,48.449097,-0.626157>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.305129,47.795177,-1.215728>,0.062425
<-9.363072,48.713657,-0.998436>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.363072,48.713657,-0.998436>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.129636,46.774647,-1.457163>,0.088295
<-8.210184,48.193729,-0.497585>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.210184,48.193729,-0.497585>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.210184,48.193729,-0.497585>,0.062425
<-8.550976,49.112206,0.527267>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550976,49.112206,0.527267>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.210184,48.193729,-0.497585>,0.062425
<-9.182677,49.470901,0.366036>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.182677,49.470901,0.366036>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.929027,45.197891,-2.523362>,0.124887
<-7.803698,47.367943,-2.138322>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803698,47.367943,-2.138322>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803698,47.367943,-2.138322>,0.088295
<-9.174992,48.787022,-2.594315>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.174992,48.787022,-2.594315>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.174992,48.787022,-2.594315>,0.062425
<-10.232935,49.705502,-2.377023>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.232935,49.705502,-2.377023>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.174992,48.787022,-2.594315>,0.062425
<-10.409156,50.064194,-3.004709>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.409156,50.064194,-3.004709>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803698,47.367943,-2.138322>,0.088295
<-9.490902,49.320988,-1.791786>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.490902,49.320988,-1.791786>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.490902,49.320988,-1.791786>,0.062425
<-10.463396,50.598160,-0.928165>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.463396,50.598160,-0.928165>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.490902,49.320988,-1.791786>,0.062425
<-11.009386,51.078728,-1.479903>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.009386,51.078728,-1.479903>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.846058,42.786724,-2.951184>,0.176643
<-5.485693,46.366379,-4.209321>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.485693,46.366379,-4.209321>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.485693,46.366379,-4.209321>,0.124887
<-5.598974,48.536430,-6.119770>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.598974,48.536430,-6.119770>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.598974,48.536430,-6.119770>,0.088295
<-4.951759,49.955509,-7.411857>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.951759,49.955509,-7.411857>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.951759,49.955509,-7.411857>,0.062425
<-5.015687,50.873989,-8.489991>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.015687,50.873989,-8.489991>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.951759,49.955509,-7.411857>,0.062425
<-4.369265,51.232685,-8.574735>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.369265,51.232685,-8.574735>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.598974,48.536430,-6.119770>,0.088295
<-5.700926,50.489475,-7.839174>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.700926,50.489475,-7.839174>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.700926,50.489475,-7.839174>,0.062425
<-6.416761,51.766647,-8.925068>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.416761,51.766647,-8.925068>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.700926,50.489475,-7.839174>,0.062425
<-5.792684,52.247215,-9.386638>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.792684,52.247215,-9.386638>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.485693,46.366379,-4.209321>,0.124887
<-6.961365,49.588070,-5.341643>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.961365,49.588070,-5.341643>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.961365,49.588070,-5.341643>,0.088295
<-8.648569,51.541115,-4.995107>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.648569,51.541115,-4.995107>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.648569,51.541115,-4.995107>,0.062425
<-9.621063,52.818287,-4.131486>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.621063,52.818287,-4.131486>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.648569,51.541115,-4.995107>,0.062425
<-10.167053,53.298855,-4.683225>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.167053,53.298855,-4.683225>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.961365,49.588070,-5.341643>,0.088295
<-8.289470,52.487591,-6.360734>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.289470,52.487591,-6.360734>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.289470,52.487591,-6.360734>,0.062425
<-8.381227,54.245331,-7.908198>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.381227,54.245331,-7.908198>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.289470,52.487591,-6.360734>,0.062425
<-9.484764,55.097157,-7.277915>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.484764,55.097157,-7.277915>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.389999,-0.000000>,0.353393
<0.000000,40.951000,-0.000000>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.951000,-0.000000>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.951000,-0.000000>,0.249849
<0.398757,44.928394,2.261463>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.398757,44.928394,2.261463>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.398757,44.928394,2.261463>,0.176643
<-0.942534,47.339565,3.911532>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.942534,47.339565,3.911532>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.942534,47.339565,3.911532>,0.124887
<-2.442643,48.916321,4.484170>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.442643,48.916321,4.484170>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.442643,48.916321,4.484170>,0.088295
<-3.199581,49.936852,5.415363>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.199581,49.936852,5.415363>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.199581,49.936852,5.415363>,0.062425
<-4.029090,50.590771,5.732012>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.029090,50.590771,5.732012>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.199581,49.936852,5.415363>,0.062425
<-3.880825,50.855328,6.253437>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.880825,50.855328,6.253437>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.442643,48.916321,4.484170>,0.088295
<-3.792741,50.335400,4.999544>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.792741,50.335400,4.999544>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.792741,50.335400,4.999544>,0.062425
<-4.859156,51.253880,4.828606>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.859156,51.253880,4.828606>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.792741,50.335400,4.999544>,0.062425
<-5.007830,51.612576,5.463381>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.007830,51.612576,5.463381>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.942534,47.339565,3.911532>,0.124887
<-2.149695,49.509613,5.396595>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.149695,49.509613,5.396595>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.149695,49.509613,5.396595>,0.088295
<-2.378417,50.928696,6.823501>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.378417,50.928696,6.823501>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.378417,50.928696,6.823501>,0.062425
<-3.059662,51.847172,7.661574>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.059662,51.847172,7.661574>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.378417,50.928696,6.823501>,0.062425
<-2.584267,52.205868,8.107717>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.584267,52.205868,8.107717>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.149695,49.509613,5.396595>,0.088295
<-3.236141,51.462662,6.733150>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.236141,51.462662,6.733150>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.236141,51.462662,6.733150>,0.062425
<-4.451229,52.739834,7.196987>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.451229,52.739834,7.196987>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.236141,51.462662,6.733150>,0.062425
<-4.213942,53.220402,7.936051>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.213942,53.220402,7.936051>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.398757,44.928394,2.261463>,0.176643
<0.757638,48.508053,4.296780>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.757638,48.508053,4.296780>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.757638,48.508053,4.296780>,0.124887
<2.399920,50.678101,5.279408>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.399920,50.678101,5.279408>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.399920,50.678101,5.279408>,0.088295
<3.844866,52.097183,5.301941>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.844866,52.097183,5.301941>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.844866,52.097183,5.301941>,0.062425
<4.771664,53.015659,5.856473>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.771664,53.015659,5.856473>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.844866,52.097183,5.301941>,0.062425
<5.145317,53.374355,5.322220>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.145317,53.374355,5.322220>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.399920,50.678101,5.279408>,0.088295
<3.877974,52.631149,6.163774>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.877974,52.631149,6.163774>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.877974,52.631149,6.163774>,0.062425
<4.510637,53.908321,7.300138>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.510637,53.908321,7.300138>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.877974,52.631149,6.163774>,0.062425
<5.208223,54.388889,6.959703>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.208223,54.388889,6.959703>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.757638,48.508053,4.296780>,0.124887
<1.080631,51.729740,6.128565>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.080631,51.729740,6.128565>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.080631,51.729740,6.128565>,0.088295
<-0.005814,53.682789,7.465122>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.005814,53.682789,7.465122>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.005814,53.682789,7.465122>,0.062425
<-1.220902,54.959961,7.928958>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.220902,54.959961,7.928958>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.005814,53.682789,7.465122>,0.062425
<-0.983615,55.440529,8.668022>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.983615,55.440529,8.668022>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.080631,51.729740,6.128565>,0.088295
<1.371325,54.629261,7.777172>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.371325,54.629261,7.777172>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.371325,54.629261,7.777172>,0.062425
<2.701574,56.387005,8.573101>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.701574,56.387005,8.573101>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.371325,54.629261,7.777172>,0.062425
<1.632950,57.238831,9.260919>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.632950,57.238831,9.260919>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.951000,-0.000000>,0.249849
<0.000000,46.855904,-0.000000>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.855904,-0.000000>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.855904,-0.000000>,0.176643
<1.110445,50.435558,-1.743050>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.110445,50.435558,-1.743050>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.110445,50.435558,-1.743050>,0.124887
<3.003752,52.605610,-2.022406>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003752,52.605610,-2.022406>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003752,52.605610,-2.022406>,0.088295
<4.347331,54.024689,-1.490266>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.347331,54.024689,-1.490266>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.347331,54.024689,-1.490266>,0.062425
<5.415791,54.943169,-1.647917>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.415791,54.943169,-1.647917>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.347331,54.024689,-1.490266>,0.062425
<5.556552,55.301865,-1.011341>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.556552,55.301865,-1.011341>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003752,52.605610,-2.022406>,0.088295
<4.707728,54.558655,-2.273827>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.707728,54.558655,-2.273827>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.707728,54.558655,-2.273827>,0.062425
<5.727100,55.835827,-3.081580>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.727100,55.835827,-3.081580>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.707728,54.558655,-2.273827>,0.062425
<6.241306,56.316395,-2.500105>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.241306,56.316395,-2.500105>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.110445,50.435558,-1.743050>,0.124887
<2.109846,53.657249,-3.311795>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.109846,53.657249,-3.311795>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.109846,53.657249,-3.311795>,0.088295
<1.617579,55.610294,-4.962377>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.617579,55.610294,-4.962377>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.617579,55.610294,-4.962377>,0.062425
<0.672486,56.887466,-5.855900>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.672486,56.887466,-5.855900>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.617579,55.610294,-4.962377>,0.062425
<1.174539,57.368034,-6.447900>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.174539,57.368034,-6.447900>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.109846,53.657249,-3.311795>,0.088295
<3.009307,56.556770,-4.723665>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.009307,56.556770,-4.723665>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.009307,56.556770,-4.723665>,0.062425
<4.542885,58.314510,-4.949944>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.542885,58.314510,-4.949944>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.009307,56.556770,-4.723665>,0.062425
<3.818821,59.166340,-5.994349>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.818821,59.166340,-5.994349>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.855904,-0.000000>,0.176643
<0.000000,52.170311,-0.000000>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,52.170311,-0.000000>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.170311,-0.000000>,0.124887
<-1.796664,55.392002,0.481415>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796664,55.392002,0.481415>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796664,55.392002,0.481415>,0.088295
<-3.222825,57.345047,-0.484408>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.222825,57.345047,-0.484408>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.222825,57.345047,-0.484408>,0.062425
<-3.790798,58.622223,-1.654447>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.790798,58.622223,-1.654447>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.222825,57.345047,-0.484408>,0.062425
<-4.506369,59.102791,-1.353649>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.506369,59.102791,-1.353649>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796664,55.392002,0.481415>,0.088295
<-3.413662,58.291523,0.914688>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.413662,58.291523,0.914688>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.413662,58.291523,0.914688>,0.062425
<-4.090624,60.049267,2.309244>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.090624,60.049267,2.309244>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.413662,58.291523,0.914688>,0.062425
<-4.868960,60.901093,1.304634>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.868960,60.901093,1.304634>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.170311,-0.000000>,0.124887
<0.000000,56.953281,-0.000000>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,56.953281,-0.000000>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.953281,-0.000000>,0.088295
<1.484891,59.852802,0.772985>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.484891,59.852802,0.772985>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.484891,59.852802,0.772985>,0.062425
<1.843969,61.610546,2.281007>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.843969,61.610546,2.281007>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.484891,59.852802,0.772985>,0.062425
<2.821293,62.462372,1.468672>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.821293,62.462372,1.468672>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.953281,-0.000000>,0.088295
<0.000000,61.257954,-0.000000>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,61.257954,-0.000000>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.257954,-0.000000>,0.062425
<-0.515300,63.867523,-1.415774>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.515300,63.867523,-1.415774>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.257954,-0.000000>,0.062425
<0.000000,65.132156,-0.000000>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,65.132156,-0.000000>,0.044134
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 36.754772, 73.509544>
look_at   <0, 36.754772,  0>
}
