#include "colors.inc"
light_source { <607.200012, 607.200012, 607.200012> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,1.500000
<0.000000,2.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,1.500000
<0.000000,3.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,1.500000
<0.000000,4.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,1.500000
<0.000000,5.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,1.500000
<0.000000,6.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,1.500000
<0.000000,7.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,1.500000
<0.000000,8.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,1.500000
<0.000000,9.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,1.500000
<0.000000,10.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.500000
<0.000000,11.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,1.500000
<0.000000,12.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,1.500000
<0.000000,13.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,1.500000
<0.000000,14.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,1.500000
<0.000000,15.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,1.500000
<0.000000,16.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,1.500000
<0.000000,17.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,1.500000
<0.000000,18.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,1.500000
<0.000000,19.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,1.500000
<0.000000,20.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,1.500000
<0.000000,21.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,1.500000
<0.000000,22.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,1.500000
<0.000000,23.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,1.500000
<0.000000,24.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,1.500000
<0.000000,25.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,1.500000
<0.000000,26.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,1.500000
<0.000000,27.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,1.500000
<0.000000,28.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,1.500000
<0.000000,29.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,1.500000
<0.000000,30.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,1.500000
<0.000000,31.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,1.500000
<0.000000,32.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,1.500000
<0.000000,33.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,1.500000
<0.000000,34.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,1.500000
<0.000000,35.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,1.500000
<0.000000,36.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,36.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,1.500000
<0.000000,37.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,1.500000
<0.000000,38.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,1.500000
<0.000000,39.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,1.500000
<0.000000,40.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,1.500000
<0.000000,41.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,1.500000
<0.000000,42.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,1.500000
<0.000000,43.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,1.500000
<0.000000,44.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,44.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,1.500000
<0.000000,45.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,1.500000
<0.000000,46.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,1.500000
<0.000000,47.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,47.000000,-0.000000>,1.500000
<0.000000,48.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,48.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,1.500000
<0.000000,49.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,1.500000
<0.000000,50.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,50.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,1.500000
<0.000000,51.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,1.500000
<0.000000,52.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,52.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,1.500000
<0.000000,53.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,53.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,1.500000
<0.000000,54.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,54.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,1.500000
<0.000000,55.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,55.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,55.000000,-0.000000>,1.500000
<0.000000,56.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,56.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,1.500000
<0.000000,57.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,57.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,57.000000,-0.000000>,1.500000
<0.000000,58.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,58.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,1.500000
<0.000000,59.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,59.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,59.000000,-0.000000>,1.500000
<0.000000,60.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,60.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,1.500000
<0.000000,61.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,61.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.000000,-0.000000>,1.500000
<0.000000,62.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,62.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,62.000000,-0.000000>,1.500000
<0.000000,63.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,63.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,63.000000,-0.000000>,1.500000
<0.000000,64.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,64.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,64.000000,-0.000000>,1.500000
<0.433659,64.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,64.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,64.901077,-0.000000>,1.500000
<0.867318,65.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,65.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,65.802155,-0.000000>,1.500000
<1.300977,66.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,66.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,66.703232,-0.000000>,1.500000
<1.734636,67.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,67.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,67.604309,-0.000000>,1.500000
<2.168295,68.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,68.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,68.505386,-0.000000>,1.500000
<2.601955,69.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,69.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,69.406464,-0.000000>,1.500000
<3.035614,70.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,70.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,70.307541,-0.000000>,1.500000
<3.469273,71.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,71.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,71.208618,-0.000000>,1.500000
<3.902932,72.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,72.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,72.109695,-0.000000>,1.500000
<4.336591,73.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,73.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,73.010773,-0.000000>,1.500000
<4.770250,73.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,73.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,73.911850,-0.000000>,1.500000
<5.203909,74.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,74.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,74.812927,-0.000000>,1.500000
<5.637568,75.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,75.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,75.714005,-0.000000>,1.500000
<6.071228,76.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,76.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,76.615082,-0.000000>,1.500000
<6.504887,77.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,77.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,77.516151,-0.000000>,1.500000
<6.938546,78.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,78.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,78.417229,-0.000000>,1.500000
<7.372205,79.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,79.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,79.318306,-0.000000>,1.500000
<7.805864,80.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,80.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,80.219383,-0.000000>,1.500000
<8.239523,81.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,81.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,81.120461,-0.000000>,1.500000
<8.673182,82.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,82.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,82.021538,-0.000000>,1.500000
<9.106841,82.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,82.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,82.922615,-0.000000>,1.500000
<9.540500,83.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,83.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,83.823692,-0.000000>,1.500000
<9.974159,84.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,84.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,84.724770,-0.000000>,1.500000
<10.407819,85.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,85.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,85.625847,-0.000000>,1.500000
<10.841477,86.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,86.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,86.526924,-0.000000>,1.500000
<11.275137,87.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,87.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,87.428001,-0.000000>,1.500000
<11.708796,88.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,88.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,88.329079,-0.000000>,1.500000
<12.142455,89.230156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,89.230156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,89.230156,-0.000000>,1.500000
<12.576114,90.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,90.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,90.131233,-0.000000>,1.500000
<13.009773,91.032310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,91.032310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,91.032310,-0.000000>,1.500000
<13.443432,91.933388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.443432,91.933388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,91.933388,-0.000000>,1.500000
<13.877091,92.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,92.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,92.834465,-0.000000>,1.500000
<14.658611,93.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.658611,93.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.658611,93.458344,-0.000000>,1.500000
<15.440132,94.082222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.440132,94.082222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.440132,94.082222,-0.000000>,1.500000
<16.221653,94.706100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.221653,94.706100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.221653,94.706100,-0.000000>,1.500000
<17.003174,95.329987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.003174,95.329987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.003174,95.329987,-0.000000>,1.500000
<17.784693,95.953865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.784693,95.953865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.784693,95.953865,-0.000000>,1.500000
<18.566214,96.577744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.566214,96.577744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.566214,96.577744,-0.000000>,1.500000
<19.347734,97.201622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.347734,97.201622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.347734,97.201622,-0.000000>,1.500000
<20.129255,97.825500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.129255,97.825500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.129255,97.825500,-0.000000>,1.500000
<20.910776,98.449379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.910776,98.449379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.910776,98.449379,-0.000000>,1.500000
<21.692295,99.073257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.692295,99.073257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.692295,99.073257,-0.000000>,1.500000
<22.473816,99.697144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.473816,99.697144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.473816,99.697144,-0.000000>,1.500000
<23.255337,100.321022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.255337,100.321022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.255337,100.321022,-0.000000>,1.500000
<24.036858,100.944901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.036858,100.944901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.036858,100.944901,-0.000000>,1.500000
<24.818378,101.568779,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.818378,101.568779,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.818378,101.568779,-0.000000>,1.500000
<25.599899,102.192657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.599899,102.192657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.599899,102.192657,-0.000000>,1.500000
<26.381418,102.816536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.381418,102.816536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.381418,102.816536,-0.000000>,1.500000
<27.356180,103.039787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.356180,103.039787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.356180,103.039787,-0.000000>,1.500000
<28.330942,103.263039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.330942,103.263039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.330942,103.263039,-0.000000>,1.500000
<29.305702,103.486290,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.305702,103.486290,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.305702,103.486290,-0.000000>,1.500000
<30.280464,103.709541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.280464,103.709541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.280464,103.709541,-0.000000>,1.500000
<31.255224,103.932785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.255224,103.932785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.255224,103.932785,-0.000000>,1.500000
<32.229984,104.156036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.229984,104.156036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.229984,104.156036,-0.000000>,1.500000
<33.204746,104.379288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.204746,104.379288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.204746,104.379288,-0.000000>,1.500000
<34.179508,104.602539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.179508,104.602539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.179508,104.602539,-0.000000>,1.500000
<35.154659,104.380989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.154659,104.380989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.154659,104.380989,-0.000000>,1.500000
<36.129807,104.159439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.129807,104.159439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.129807,104.159439,-0.000000>,1.500000
<37.104958,103.937889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.104958,103.937889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.104958,103.937889,-0.000000>,1.500000
<38.080105,103.716347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.080105,103.716347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.080105,103.716347,-0.000000>,1.500000
<38.862713,103.093826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.862713,103.093826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.862713,103.093826,-0.000000>,1.500000
<39.645321,102.471313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.645321,102.471313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.645321,102.471313,-0.000000>,1.500000
<40.080555,101.570999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.080555,101.570999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.080555,101.570999,-0.000000>,1.500000
<40.515785,100.670677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.515785,100.670677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.645321,102.471313,-0.000000>,1.500000
<40.620472,102.249763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.620472,102.249763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.620472,102.249763,-0.000000>,1.500000
<41.595619,102.028221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.595619,102.028221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.645321,102.471313,-0.000000>,1.500000
<40.427929,101.848801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.427929,101.848801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.427929,101.848801,-0.000000>,1.500000
<41.210537,101.226288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.210537,101.226288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.210537,101.226288,-0.000000>,1.500000
<41.993145,100.603767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.993145,100.603767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.993145,100.603767,-0.000000>,1.500000
<42.775753,99.981255,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.775753,99.981255,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.080105,103.716347,-0.000000>,1.500000
<39.054867,103.939590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.054867,103.939590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.054867,103.939590,-0.000000>,1.500000
<40.029629,104.162842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.029629,104.162842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.029629,104.162842,-0.000000>,1.500000
<41.004776,103.941299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.004776,103.941299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.004776,103.941299,-0.000000>,1.500000
<41.979927,103.719749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.979927,103.719749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.029629,104.162842,-0.000000>,1.500000
<40.811150,104.786720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.811150,104.786720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.811150,104.786720,-0.000000>,1.500000
<41.592670,105.410606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.592670,105.410606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.029629,104.162842,-0.000000>,1.500000
<41.004391,104.386093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.004391,104.386093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.004391,104.386093,-0.000000>,1.500000
<41.979149,104.609344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.979149,104.609344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.979149,104.609344,-0.000000>,1.500000
<42.953911,104.832596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.953911,104.832596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.953911,104.832596,-0.000000>,1.500000
<43.928673,105.055847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.928673,105.055847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.080105,103.716347,-0.000000>,1.500000
<39.055256,103.494797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.055256,103.494797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.055256,103.494797,-0.000000>,1.500000
<40.030403,103.273247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.030403,103.273247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.030403,103.273247,-0.000000>,1.500000
<41.005554,103.051697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.005554,103.051697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.005554,103.051697,-0.000000>,1.500000
<41.980701,102.830147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.980701,102.830147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.980701,102.830147,-0.000000>,1.500000
<42.955853,102.608604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.955853,102.608604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.955853,102.608604,-0.000000>,1.500000
<43.931004,102.387054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.931004,102.387054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.931004,102.387054,-0.000000>,1.500000
<44.713612,101.764542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.713612,101.764542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.713612,101.764542,-0.000000>,1.500000
<45.496220,101.142021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.496220,101.142021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.931004,102.387054,-0.000000>,1.500000
<44.905762,102.610306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.905762,102.610306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.905762,102.610306,-0.000000>,1.500000
<45.880524,102.833549,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.880524,102.833549,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.931004,102.387054,-0.000000>,1.500000
<44.906151,102.165504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.906151,102.165504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.906151,102.165504,-0.000000>,1.500000
<45.881302,101.943954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.881302,101.943954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.881302,101.943954,-0.000000>,1.500000
<46.856449,101.722404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.856449,101.722404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.856449,101.722404,-0.000000>,1.500000
<47.831600,101.500862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.831600,101.500862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.179508,104.602539,-0.000000>,1.500000
<34.961029,105.226418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.961029,105.226418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.961029,105.226418,-0.000000>,1.500000
<35.742550,105.850296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.742550,105.850296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.742550,105.850296,-0.000000>,1.500000
<36.524071,106.474174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.524071,106.474174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.524071,106.474174,-0.000000>,1.500000
<37.305592,107.098053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.305592,107.098053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.305592,107.098053,-0.000000>,1.500000
<38.280354,107.321304,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.280354,107.321304,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.280354,107.321304,-0.000000>,1.500000
<39.255112,107.544556,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.255112,107.544556,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.255112,107.544556,-0.000000>,1.500000
<40.230263,107.323006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.230263,107.323006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.230263,107.323006,-0.000000>,1.500000
<41.205410,107.101463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.205410,107.101463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.255112,107.544556,-0.000000>,1.500000
<40.036633,108.168434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.036633,108.168434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.036633,108.168434,-0.000000>,1.500000
<40.818153,108.792313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.818153,108.792313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.255112,107.544556,-0.000000>,1.500000
<40.229874,107.767807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.229874,107.767807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.229874,107.767807,-0.000000>,1.500000
<41.204636,107.991058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.204636,107.991058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.204636,107.991058,-0.000000>,1.500000
<42.179398,108.214310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.179398,108.214310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.179398,108.214310,-0.000000>,1.500000
<43.154160,108.437553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.154160,108.437553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.305592,107.098053,-0.000000>,1.500000
<37.739250,107.999130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.739250,107.999130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.739250,107.999130,-0.000000>,1.500000
<38.172909,108.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.172909,108.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.172909,108.900208,-0.000000>,1.500000
<38.954430,109.524094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.954430,109.524094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.954430,109.524094,-0.000000>,1.500000
<39.735950,110.147972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.735950,110.147972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.172909,108.900208,-0.000000>,1.500000
<38.172909,109.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.172909,109.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.172909,109.900208,-0.000000>,1.500000
<38.172909,110.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.172909,110.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.172909,108.900208,-0.000000>,1.500000
<38.606567,109.801285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.606567,109.801285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.606567,109.801285,-0.000000>,1.500000
<39.040226,110.702362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.040226,110.702362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.040226,110.702362,-0.000000>,1.500000
<39.473885,111.603439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.473885,111.603439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.473885,111.603439,-0.000000>,1.500000
<39.907543,112.504517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.907543,112.504517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.305592,107.098053,-0.000000>,1.500000
<38.087112,107.721939,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.087112,107.721939,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.087112,107.721939,-0.000000>,1.500000
<38.868633,108.345818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.868633,108.345818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.868633,108.345818,-0.000000>,1.500000
<39.650150,108.969696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.650150,108.969696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.650150,108.969696,-0.000000>,1.500000
<40.431671,109.593575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.431671,109.593575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.431671,109.593575,-0.000000>,1.500000
<41.213192,110.217453,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.213192,110.217453,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.213192,110.217453,-0.000000>,1.500000
<41.994713,110.841331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.994713,110.841331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.994713,110.841331,-0.000000>,1.500000
<42.969475,111.064583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.969475,111.064583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.969475,111.064583,-0.000000>,1.500000
<43.944237,111.287834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.944237,111.287834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.994713,110.841331,-0.000000>,1.500000
<42.428371,111.742409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.428371,111.742409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.428371,111.742409,-0.000000>,1.500000
<42.862030,112.643486,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.862030,112.643486,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.994713,110.841331,-0.000000>,1.500000
<42.776234,111.465210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.776234,111.465210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.776234,111.465210,-0.000000>,1.500000
<43.557755,112.089096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.557755,112.089096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.557755,112.089096,-0.000000>,1.500000
<44.339275,112.712975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.339275,112.712975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.339275,112.712975,-0.000000>,1.500000
<45.120796,113.336853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.120796,113.336853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.179508,104.602539,-0.000000>,1.500000
<35.154270,104.825790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.154270,104.825790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.154270,104.825790,-0.000000>,1.500000
<36.129032,105.049042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.129032,105.049042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.129032,105.049042,-0.000000>,1.500000
<37.103790,105.272285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.103790,105.272285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.103790,105.272285,-0.000000>,1.500000
<38.078552,105.495537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.078552,105.495537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.078552,105.495537,-0.000000>,1.500000
<39.053314,105.718788,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.053314,105.718788,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.053314,105.718788,-0.000000>,1.500000
<40.028076,105.942039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.028076,105.942039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.028076,105.942039,-0.000000>,1.500000
<41.002838,106.165291,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.002838,106.165291,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.002838,106.165291,-0.000000>,1.500000
<41.977596,106.388542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.977596,106.388542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.977596,106.388542,-0.000000>,1.500000
<42.952358,106.611786,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.952358,106.611786,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.952358,106.611786,-0.000000>,1.500000
<43.927120,106.835037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.927120,106.835037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.927120,106.835037,-0.000000>,1.500000
<44.901882,107.058289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.901882,107.058289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.901882,107.058289,-0.000000>,1.500000
<45.876644,107.281540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.876644,107.281540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.876644,107.281540,-0.000000>,1.500000
<46.851791,107.059990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.851791,107.059990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.851791,107.059990,-0.000000>,1.500000
<47.826942,106.838440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.826942,106.838440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.826942,106.838440,-0.000000>,1.500000
<48.609550,106.215927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.609550,106.215927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.609550,106.215927,-0.000000>,1.500000
<49.392159,105.593414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.392159,105.593414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.826942,106.838440,-0.000000>,1.500000
<48.801704,107.061691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.801704,107.061691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.801704,107.061691,-0.000000>,1.500000
<49.776463,107.284943,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.776463,107.284943,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.826942,106.838440,-0.000000>,1.500000
<48.802090,106.616890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.802090,106.616890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.802090,106.616890,-0.000000>,1.500000
<49.777241,106.395348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.777241,106.395348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.777241,106.395348,-0.000000>,1.500000
<50.752388,106.173798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.752388,106.173798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.752388,106.173798,-0.000000>,1.500000
<51.727539,105.952248,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.727539,105.952248,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.876644,107.281540,-0.000000>,1.500000
<46.658165,107.905418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.658165,107.905418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.658165,107.905418,-0.000000>,1.500000
<47.439686,108.529297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.439686,108.529297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.439686,108.529297,-0.000000>,1.500000
<48.414444,108.752548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.414444,108.752548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.414444,108.752548,-0.000000>,1.500000
<49.389206,108.975800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.389206,108.975800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.439686,108.529297,-0.000000>,1.500000
<47.873344,109.430374,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.873344,109.430374,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.873344,109.430374,-0.000000>,1.500000
<48.307003,110.331451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.307003,110.331451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.439686,108.529297,-0.000000>,1.500000
<48.221203,109.153175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.221203,109.153175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.221203,109.153175,-0.000000>,1.500000
<49.002724,109.777054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.002724,109.777054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.002724,109.777054,-0.000000>,1.500000
<49.784245,110.400940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.784245,110.400940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.784245,110.400940,-0.000000>,1.500000
<50.565765,111.024818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.565765,111.024818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.876644,107.281540,-0.000000>,1.500000
<46.851402,107.504791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.851402,107.504791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.851402,107.504791,-0.000000>,1.500000
<47.826164,107.728043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.826164,107.728043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.826164,107.728043,-0.000000>,1.500000
<48.800926,107.951286,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.800926,107.951286,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.800926,107.951286,-0.000000>,1.500000
<49.775688,108.174538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.775688,108.174538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.775688,108.174538,-0.000000>,1.500000
<50.750450,108.397789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.750450,108.397789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.750450,108.397789,-0.000000>,1.500000
<51.725212,108.621040,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.725212,108.621040,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.725212,108.621040,-0.000000>,1.500000
<52.700359,108.399490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.700359,108.399490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.700359,108.399490,-0.000000>,1.500000
<53.675510,108.177940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.675510,108.177940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.725212,108.621040,-0.000000>,1.500000
<52.506729,109.244919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.506729,109.244919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.506729,109.244919,-0.000000>,1.500000
<53.288250,109.868797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.288250,109.868797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.725212,108.621040,-0.000000>,1.500000
<52.699970,108.844292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.699970,108.844292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.699970,108.844292,-0.000000>,1.500000
<53.674732,109.067543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.674732,109.067543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.674732,109.067543,-0.000000>,1.500000
<54.649494,109.290787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.649494,109.290787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.649494,109.290787,-0.000000>,1.500000
<55.624256,109.514038,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.624256,109.514038,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.381418,102.816536,-0.000000>,1.500000
<26.815079,103.717613,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.815079,103.717613,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.815079,103.717613,-0.000000>,1.500000
<27.248737,104.618690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.248737,104.618690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.248737,104.618690,-0.000000>,1.500000
<27.682396,105.519768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.682396,105.519768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.682396,105.519768,-0.000000>,1.500000
<28.116055,106.420845,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.116055,106.420845,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.116055,106.420845,-0.000000>,1.500000
<28.549715,107.321922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.549715,107.321922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.549715,107.321922,-0.000000>,1.500000
<28.983374,108.223000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.983374,108.223000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.983374,108.223000,-0.000000>,1.500000
<29.417032,109.124077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.417032,109.124077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.417032,109.124077,-0.000000>,1.500000
<29.850691,110.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,110.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,110.025154,-0.000000>,1.500000
<30.632212,110.649033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.632212,110.649033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.632212,110.649033,-0.000000>,1.500000
<31.413733,111.272911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.413733,111.272911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.413733,111.272911,-0.000000>,1.500000
<32.195251,111.896790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.195251,111.896790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.195251,111.896790,-0.000000>,1.500000
<32.976772,112.520676,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.976772,112.520676,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.976772,112.520676,-0.000000>,1.500000
<33.951534,112.743919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.951534,112.743919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.951534,112.743919,-0.000000>,1.500000
<34.926296,112.967171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.926296,112.967171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.926296,112.967171,-0.000000>,1.500000
<35.901447,112.745621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.901447,112.745621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.901447,112.745621,-0.000000>,1.500000
<36.876595,112.524078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.876595,112.524078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.926296,112.967171,-0.000000>,1.500000
<35.707817,113.591049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.707817,113.591049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.707817,113.591049,-0.000000>,1.500000
<36.489338,114.214928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.489338,114.214928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.926296,112.967171,-0.000000>,1.500000
<35.901058,113.190422,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.901058,113.190422,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.901058,113.190422,-0.000000>,1.500000
<36.875820,113.413673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.875820,113.413673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.875820,113.413673,-0.000000>,1.500000
<37.850578,113.636925,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.850578,113.636925,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.850578,113.636925,-0.000000>,1.500000
<38.825340,113.860176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.825340,113.860176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.976772,112.520676,-0.000000>,1.500000
<33.410431,113.421753,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.410431,113.421753,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.410431,113.421753,-0.000000>,1.500000
<33.844093,114.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.844093,114.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.844093,114.322823,-0.000000>,1.500000
<34.625614,114.946709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.625614,114.946709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.625614,114.946709,-0.000000>,1.500000
<35.407131,115.570587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.407131,115.570587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.844093,114.322823,-0.000000>,1.500000
<33.844093,115.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.844093,115.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.844093,115.322823,-0.000000>,1.500000
<33.844093,116.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.844093,116.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.844093,114.322823,-0.000000>,1.500000
<34.277752,115.223900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.277752,115.223900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.277752,115.223900,-0.000000>,1.500000
<34.711411,116.124977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.711411,116.124977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.711411,116.124977,-0.000000>,1.500000
<35.145069,117.026054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.145069,117.026054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.145069,117.026054,-0.000000>,1.500000
<35.578728,117.927132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.578728,117.927132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.976772,112.520676,-0.000000>,1.500000
<33.758293,113.144554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.758293,113.144554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.758293,113.144554,-0.000000>,1.500000
<34.539814,113.768433,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.539814,113.768433,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.539814,113.768433,-0.000000>,1.500000
<35.321335,114.392311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.321335,114.392311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.321335,114.392311,-0.000000>,1.500000
<36.102856,115.016190,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.102856,115.016190,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.102856,115.016190,-0.000000>,1.500000
<36.884377,115.640068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.884377,115.640068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.884377,115.640068,-0.000000>,1.500000
<37.665897,116.263947,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.665897,116.263947,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.665897,116.263947,-0.000000>,1.500000
<38.640659,116.487198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.640659,116.487198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.640659,116.487198,-0.000000>,1.500000
<39.615417,116.710449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.615417,116.710449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.665897,116.263947,-0.000000>,1.500000
<38.099556,117.165024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.099556,117.165024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.099556,117.165024,-0.000000>,1.500000
<38.533215,118.066101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.533215,118.066101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.665897,116.263947,-0.000000>,1.500000
<38.447418,116.887833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.447418,116.887833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.447418,116.887833,-0.000000>,1.500000
<39.228939,117.511711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.228939,117.511711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.228939,117.511711,-0.000000>,1.500000
<40.010460,118.135590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.010460,118.135590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.010460,118.135590,-0.000000>,1.500000
<40.791977,118.759468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.791977,118.759468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,110.025154,-0.000000>,1.500000
<29.850691,111.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,111.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,111.025154,-0.000000>,1.500000
<29.850691,112.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,112.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,112.025154,-0.000000>,1.500000
<29.850691,113.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,113.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,113.025154,-0.000000>,1.500000
<29.850691,114.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,114.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,114.025154,-0.000000>,1.500000
<30.284351,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.284351,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.284351,114.926231,-0.000000>,1.500000
<30.718010,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.718010,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.718010,115.827309,-0.000000>,1.500000
<31.499531,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.499531,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499531,116.451187,-0.000000>,1.500000
<32.281052,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.281052,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.718010,115.827309,-0.000000>,1.500000
<30.718010,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.718010,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.718010,116.827309,-0.000000>,1.500000
<30.718010,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.718010,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.718010,115.827309,-0.000000>,1.500000
<31.151669,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.151669,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.151669,116.728386,-0.000000>,1.500000
<31.585327,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.585327,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.585327,117.629463,-0.000000>,1.500000
<32.018986,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.018986,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.018986,118.530540,-0.000000>,1.500000
<32.452648,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.452648,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,114.025154,-0.000000>,1.500000
<29.417032,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.417032,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.417032,114.926231,-0.000000>,1.500000
<28.983374,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.983374,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.983374,115.827309,-0.000000>,1.500000
<28.983374,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.983374,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.983374,116.827309,-0.000000>,1.500000
<28.983374,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.983374,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.983374,115.827309,-0.000000>,1.500000
<28.201853,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.201853,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.201853,116.451187,-0.000000>,1.500000
<27.420332,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.420332,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.983374,115.827309,-0.000000>,1.500000
<28.549715,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.549715,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.549715,116.728386,-0.000000>,1.500000
<28.116055,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.116055,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.116055,117.629463,-0.000000>,1.500000
<27.682396,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.682396,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.682396,118.530540,-0.000000>,1.500000
<27.248737,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.248737,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,114.025154,-0.000000>,1.500000
<29.850691,115.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,115.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,115.025154,-0.000000>,1.500000
<29.850691,116.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,116.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,116.025154,-0.000000>,1.500000
<29.850691,117.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,117.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,117.025154,-0.000000>,1.500000
<29.850691,118.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,118.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,118.025154,-0.000000>,1.500000
<29.850691,119.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,119.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,119.025154,-0.000000>,1.500000
<29.850691,120.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,120.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,120.025154,-0.000000>,1.500000
<30.284351,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.284351,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.284351,120.926231,-0.000000>,1.500000
<30.718010,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.718010,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,120.025154,-0.000000>,1.500000
<29.417032,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.417032,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.417032,120.926231,-0.000000>,1.500000
<28.983374,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.983374,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,120.025154,-0.000000>,1.500000
<29.850691,121.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,121.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,121.025154,-0.000000>,1.500000
<29.850691,122.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,122.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,122.025154,-0.000000>,1.500000
<29.850691,123.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,123.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,123.025154,-0.000000>,1.500000
<29.850691,124.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.850691,124.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.850691,110.025154,-0.000000>,1.500000
<30.284351,110.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.284351,110.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.284351,110.926231,-0.000000>,1.500000
<30.718010,111.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.718010,111.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.718010,111.827309,-0.000000>,1.500000
<31.151669,112.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.151669,112.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.151669,112.728386,-0.000000>,1.500000
<31.585327,113.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.585327,113.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.585327,113.629463,-0.000000>,1.500000
<32.018986,114.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.018986,114.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.018986,114.530540,-0.000000>,1.500000
<32.452648,115.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.452648,115.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.452648,115.431618,-0.000000>,1.500000
<32.886307,116.332695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.886307,116.332695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.886307,116.332695,-0.000000>,1.500000
<33.319965,117.233772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.319965,117.233772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.319965,117.233772,-0.000000>,1.500000
<33.753624,118.134850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.753624,118.134850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.753624,118.134850,-0.000000>,1.500000
<34.187283,119.035927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.187283,119.035927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.187283,119.035927,-0.000000>,1.500000
<34.620941,119.937004,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.620941,119.937004,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.620941,119.937004,-0.000000>,1.500000
<35.054600,120.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.054600,120.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,120.838081,-0.000000>,1.500000
<35.836121,121.461960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.836121,121.461960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.836121,121.461960,-0.000000>,1.500000
<36.617641,122.085838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.617641,122.085838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.617641,122.085838,-0.000000>,1.500000
<37.592403,122.309090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.592403,122.309090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.592403,122.309090,-0.000000>,1.500000
<38.567165,122.532341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.567165,122.532341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.617641,122.085838,-0.000000>,1.500000
<37.051300,122.986916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.051300,122.986916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.051300,122.986916,-0.000000>,1.500000
<37.484959,123.887993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.484959,123.887993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.617641,122.085838,-0.000000>,1.500000
<37.399162,122.709717,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.399162,122.709717,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.399162,122.709717,-0.000000>,1.500000
<38.180683,123.333595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.180683,123.333595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.180683,123.333595,-0.000000>,1.500000
<38.962204,123.957474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.962204,123.957474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.962204,123.957474,-0.000000>,1.500000
<39.743725,124.581352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.743725,124.581352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,120.838081,-0.000000>,1.500000
<35.054600,121.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.054600,121.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,121.838081,-0.000000>,1.500000
<35.054600,122.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.054600,122.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,122.838081,-0.000000>,1.500000
<35.488258,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.488258,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.488258,123.739159,-0.000000>,1.500000
<35.921921,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.921921,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,122.838081,-0.000000>,1.500000
<34.620941,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.620941,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.620941,123.739159,-0.000000>,1.500000
<34.187283,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.187283,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,122.838081,-0.000000>,1.500000
<35.054600,123.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.054600,123.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,123.838081,-0.000000>,1.500000
<35.054600,124.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.054600,124.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,124.838081,-0.000000>,1.500000
<35.054600,125.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.054600,125.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,125.838081,-0.000000>,1.500000
<35.054600,126.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.054600,126.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.054600,120.838081,-0.000000>,1.500000
<35.488258,121.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.488258,121.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.488258,121.739159,-0.000000>,1.500000
<35.921921,122.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.921921,122.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.921921,122.640228,-0.000000>,1.500000
<36.355579,123.541306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.355579,123.541306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.355579,123.541306,-0.000000>,1.500000
<36.789238,124.442383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.789238,124.442383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.789238,124.442383,-0.000000>,1.500000
<37.222897,125.343460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.222897,125.343460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.222897,125.343460,-0.000000>,1.500000
<37.656555,126.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.656555,126.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656555,126.244537,-0.000000>,1.500000
<38.438076,126.868423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.438076,126.868423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.438076,126.868423,-0.000000>,1.500000
<39.219597,127.492302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.219597,127.492302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656555,126.244537,-0.000000>,1.500000
<37.656555,127.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.656555,127.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656555,127.244537,-0.000000>,1.500000
<37.656555,128.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.656555,128.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656555,126.244537,-0.000000>,1.500000
<38.090214,127.145615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.090214,127.145615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.090214,127.145615,-0.000000>,1.500000
<38.523872,128.046692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.523872,128.046692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.523872,128.046692,-0.000000>,1.500000
<38.957531,128.947769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.957531,128.947769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.957531,128.947769,-0.000000>,1.500000
<39.391193,129.848846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.391193,129.848846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.381418,102.816536,-0.000000>,1.500000
<27.162939,103.440414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.162939,103.440414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.162939,103.440414,-0.000000>,1.500000
<27.944460,104.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.944460,104.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.944460,104.064301,-0.000000>,1.500000
<28.725981,104.688179,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.725981,104.688179,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.725981,104.688179,-0.000000>,1.500000
<29.507502,105.312057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.507502,105.312057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.507502,105.312057,-0.000000>,1.500000
<30.289021,105.935936,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.289021,105.935936,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.289021,105.935936,-0.000000>,1.500000
<31.070541,106.559814,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.070541,106.559814,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.070541,106.559814,-0.000000>,1.500000
<31.852062,107.183693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.852062,107.183693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.852062,107.183693,-0.000000>,1.500000
<32.633583,107.807571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.633583,107.807571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.633583,107.807571,-0.000000>,1.500000
<33.415104,108.431458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.415104,108.431458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.415104,108.431458,-0.000000>,1.500000
<34.196625,109.055336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.196625,109.055336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.196625,109.055336,-0.000000>,1.500000
<34.978146,109.679214,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.978146,109.679214,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.978146,109.679214,-0.000000>,1.500000
<35.759666,110.303093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.759666,110.303093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.759666,110.303093,-0.000000>,1.500000
<36.541183,110.926971,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.541183,110.926971,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.541183,110.926971,-0.000000>,1.500000
<37.322704,111.550850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.322704,111.550850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.322704,111.550850,-0.000000>,1.500000
<38.104225,112.174728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.104225,112.174728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.104225,112.174728,-0.000000>,1.500000
<38.885746,112.798615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.885746,112.798615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.885746,112.798615,-0.000000>,1.500000
<39.667267,113.422493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.667267,113.422493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.667267,113.422493,-0.000000>,1.500000
<40.448788,114.046371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.448788,114.046371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.448788,114.046371,-0.000000>,1.500000
<41.230309,114.670250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.230309,114.670250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.230309,114.670250,-0.000000>,1.500000
<42.011829,115.294128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.011829,115.294128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.011829,115.294128,-0.000000>,1.500000
<42.793350,115.918007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.793350,115.918007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.793350,115.918007,-0.000000>,1.500000
<43.574871,116.541885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.574871,116.541885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.574871,116.541885,-0.000000>,1.500000
<44.356392,117.165771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.356392,117.165771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.356392,117.165771,-0.000000>,1.500000
<45.137909,117.789650,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.137909,117.789650,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.137909,117.789650,-0.000000>,1.500000
<46.112671,118.012901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.112671,118.012901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.112671,118.012901,-0.000000>,1.500000
<47.087433,118.236145,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.087433,118.236145,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.087433,118.236145,-0.000000>,1.500000
<48.062195,118.459396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.062195,118.459396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.062195,118.459396,-0.000000>,1.500000
<49.036957,118.682648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.036957,118.682648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.036957,118.682648,-0.000000>,1.500000
<50.012104,118.461098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.012104,118.461098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.012104,118.461098,-0.000000>,1.500000
<50.987255,118.239548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.987255,118.239548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.987255,118.239548,-0.000000>,1.500000
<51.769863,117.617035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.769863,117.617035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.769863,117.617035,-0.000000>,1.500000
<52.552471,116.994522,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.552471,116.994522,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.987255,118.239548,-0.000000>,1.500000
<51.962017,118.462799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.962017,118.462799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.962017,118.462799,-0.000000>,1.500000
<52.936775,118.686050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.936775,118.686050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.987255,118.239548,-0.000000>,1.500000
<51.962402,118.018005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.962402,118.018005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.962402,118.018005,-0.000000>,1.500000
<52.937553,117.796455,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.937553,117.796455,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.937553,117.796455,-0.000000>,1.500000
<53.912701,117.574905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.912701,117.574905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.912701,117.574905,-0.000000>,1.500000
<54.887852,117.353355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.887852,117.353355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.036957,118.682648,-0.000000>,1.500000
<49.818478,119.306526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.818478,119.306526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.818478,119.306526,-0.000000>,1.500000
<50.599995,119.930405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.599995,119.930405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.599995,119.930405,-0.000000>,1.500000
<51.574757,120.153656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.574757,120.153656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.574757,120.153656,-0.000000>,1.500000
<52.549519,120.376907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.549519,120.376907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.599995,119.930405,-0.000000>,1.500000
<51.033657,120.831482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.033657,120.831482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.033657,120.831482,-0.000000>,1.500000
<51.467316,121.732559,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.467316,121.732559,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.599995,119.930405,-0.000000>,1.500000
<51.381516,120.554283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.381516,120.554283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.381516,120.554283,-0.000000>,1.500000
<52.163036,121.178169,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.163036,121.178169,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.163036,121.178169,-0.000000>,1.500000
<52.944557,121.802048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.944557,121.802048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.944557,121.802048,-0.000000>,1.500000
<53.726078,122.425926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.726078,122.425926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.036957,118.682648,-0.000000>,1.500000
<50.011715,118.905899,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.011715,118.905899,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.011715,118.905899,-0.000000>,1.500000
<50.986477,119.129150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.986477,119.129150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.986477,119.129150,-0.000000>,1.500000
<51.961239,119.352402,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.961239,119.352402,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.961239,119.352402,-0.000000>,1.500000
<52.936001,119.575645,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.936001,119.575645,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.936001,119.575645,-0.000000>,1.500000
<53.910763,119.798897,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.910763,119.798897,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.910763,119.798897,-0.000000>,1.500000
<54.885521,120.022148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.885521,120.022148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.885521,120.022148,-0.000000>,1.500000
<55.860672,119.800598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.860672,119.800598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.860672,119.800598,-0.000000>,1.500000
<56.835823,119.579048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.835823,119.579048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.885521,120.022148,-0.000000>,1.500000
<55.667042,120.646027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.667042,120.646027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.667042,120.646027,-0.000000>,1.500000
<56.448563,121.269905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.448563,121.269905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.885521,120.022148,-0.000000>,1.500000
<55.860283,120.245399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.860283,120.245399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.860283,120.245399,-0.000000>,1.500000
<56.835045,120.468651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.835045,120.468651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.835045,120.468651,-0.000000>,1.500000
<57.809807,120.691902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.809807,120.691902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.809807,120.691902,-0.000000>,1.500000
<58.784569,120.915146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.784569,120.915146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.137909,117.789650,-0.000000>,1.500000
<45.571571,118.690727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.571571,118.690727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.571571,118.690727,-0.000000>,1.500000
<46.005230,119.591805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.005230,119.591805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.005230,119.591805,-0.000000>,1.500000
<46.438889,120.492882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.438889,120.492882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.438889,120.492882,-0.000000>,1.500000
<46.872547,121.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.872547,121.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,121.393959,-0.000000>,1.500000
<47.654068,122.017838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.654068,122.017838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.654068,122.017838,-0.000000>,1.500000
<48.435589,122.641716,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.435589,122.641716,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.435589,122.641716,-0.000000>,1.500000
<49.410351,122.864967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.410351,122.864967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.410351,122.864967,-0.000000>,1.500000
<50.385109,123.088219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.385109,123.088219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.435589,122.641716,-0.000000>,1.500000
<48.869247,123.542793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.869247,123.542793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.869247,123.542793,-0.000000>,1.500000
<49.302906,124.443871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.302906,124.443871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.435589,122.641716,-0.000000>,1.500000
<49.217110,123.265594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.217110,123.265594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.217110,123.265594,-0.000000>,1.500000
<49.998631,123.889473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.998631,123.889473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.998631,123.889473,-0.000000>,1.500000
<50.780151,124.513351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.780151,124.513351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.780151,124.513351,-0.000000>,1.500000
<51.561668,125.137230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.561668,125.137230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,121.393959,-0.000000>,1.500000
<46.872547,122.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.872547,122.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,122.393959,-0.000000>,1.500000
<46.872547,123.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.872547,123.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,123.393959,-0.000000>,1.500000
<47.306206,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.306206,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.306206,124.295036,-0.000000>,1.500000
<47.739864,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.739864,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,123.393959,-0.000000>,1.500000
<46.438889,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.438889,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.438889,124.295036,-0.000000>,1.500000
<46.005230,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.005230,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,123.393959,-0.000000>,1.500000
<46.872547,124.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.872547,124.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,124.393959,-0.000000>,1.500000
<46.872547,125.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.872547,125.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,125.393959,-0.000000>,1.500000
<46.872547,126.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.872547,126.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,126.393959,-0.000000>,1.500000
<46.872547,127.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.872547,127.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.872547,121.393959,-0.000000>,1.500000
<47.306206,122.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.306206,122.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.306206,122.295036,-0.000000>,1.500000
<47.739864,123.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.739864,123.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.739864,123.196106,-0.000000>,1.500000
<48.173523,124.097183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.173523,124.097183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.173523,124.097183,-0.000000>,1.500000
<48.607182,124.998260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.607182,124.998260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.607182,124.998260,-0.000000>,1.500000
<49.040844,125.899338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.040844,125.899338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.040844,125.899338,-0.000000>,1.500000
<49.474503,126.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.474503,126.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.474503,126.800415,-0.000000>,1.500000
<50.256023,127.424294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.256023,127.424294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.256023,127.424294,-0.000000>,1.500000
<51.037544,128.048172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.037544,128.048172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.474503,126.800415,-0.000000>,1.500000
<49.474503,127.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.474503,127.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.474503,127.800415,-0.000000>,1.500000
<49.474503,128.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.474503,128.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.474503,126.800415,-0.000000>,1.500000
<49.908161,127.701492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.908161,127.701492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.908161,127.701492,-0.000000>,1.500000
<50.341820,128.602570,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.341820,128.602570,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.341820,128.602570,-0.000000>,1.500000
<50.775478,129.503647,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.775478,129.503647,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.775478,129.503647,-0.000000>,1.500000
<51.209137,130.404724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.209137,130.404724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.137909,117.789650,-0.000000>,1.500000
<45.919430,118.413528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.919430,118.413528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.919430,118.413528,-0.000000>,1.500000
<46.700951,119.037407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.700951,119.037407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.700951,119.037407,-0.000000>,1.500000
<47.482471,119.661285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.482471,119.661285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.482471,119.661285,-0.000000>,1.500000
<48.263992,120.285164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.263992,120.285164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.263992,120.285164,-0.000000>,1.500000
<49.045513,120.909042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.045513,120.909042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.045513,120.909042,-0.000000>,1.500000
<49.827034,121.532928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.827034,121.532928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.827034,121.532928,-0.000000>,1.500000
<50.608555,122.156807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.608555,122.156807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.608555,122.156807,-0.000000>,1.500000
<51.390076,122.780685,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.390076,122.780685,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.390076,122.780685,-0.000000>,1.500000
<52.171597,123.404564,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.171597,123.404564,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.171597,123.404564,-0.000000>,1.500000
<52.953117,124.028442,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.953117,124.028442,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.953117,124.028442,-0.000000>,1.500000
<53.734634,124.652321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.734634,124.652321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.734634,124.652321,-0.000000>,1.500000
<54.516155,125.276199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.516155,125.276199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.516155,125.276199,-0.000000>,1.500000
<55.490917,125.499451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.490917,125.499451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.490917,125.499451,-0.000000>,1.500000
<56.465679,125.722702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.465679,125.722702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.465679,125.722702,-0.000000>,1.500000
<57.440826,125.501152,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.440826,125.501152,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.440826,125.501152,-0.000000>,1.500000
<58.415977,125.279602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.415977,125.279602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.465679,125.722702,-0.000000>,1.500000
<57.247200,126.346581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.247200,126.346581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.247200,126.346581,-0.000000>,1.500000
<58.028721,126.970459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.028721,126.970459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.465679,125.722702,-0.000000>,1.500000
<57.440441,125.945953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.440441,125.945953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.440441,125.945953,-0.000000>,1.500000
<58.415203,126.169205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.415203,126.169205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.415203,126.169205,-0.000000>,1.500000
<59.389961,126.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.389961,126.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.389961,126.392456,-0.000000>,1.500000
<60.364723,126.615700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.364723,126.615700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.516155,125.276199,-0.000000>,1.500000
<54.949814,126.177277,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.949814,126.177277,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.949814,126.177277,-0.000000>,1.500000
<55.383476,127.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.383476,127.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.383476,127.078354,-0.000000>,1.500000
<56.164997,127.702232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.164997,127.702232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.164997,127.702232,-0.000000>,1.500000
<56.946514,128.326111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.946514,128.326111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.383476,127.078354,-0.000000>,1.500000
<55.383476,128.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.383476,128.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.383476,128.078354,-0.000000>,1.500000
<55.383476,129.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.383476,129.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.383476,127.078354,-0.000000>,1.500000
<55.817135,127.979431,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.817135,127.979431,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.817135,127.979431,-0.000000>,1.500000
<56.250793,128.880508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.250793,128.880508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.250793,128.880508,-0.000000>,1.500000
<56.684452,129.781586,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.684452,129.781586,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.684452,129.781586,-0.000000>,1.500000
<57.118111,130.682663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.118111,130.682663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.516155,125.276199,-0.000000>,1.500000
<55.297676,125.900085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.297676,125.900085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.297676,125.900085,-0.000000>,1.500000
<56.079197,126.523964,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.079197,126.523964,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.079197,126.523964,-0.000000>,1.500000
<56.860718,127.147842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.860718,127.147842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.860718,127.147842,-0.000000>,1.500000
<57.642239,127.771721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.642239,127.771721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.642239,127.771721,-0.000000>,1.500000
<58.423759,128.395599,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.423759,128.395599,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.423759,128.395599,-0.000000>,1.500000
<59.205280,129.019485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.205280,129.019485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.205280,129.019485,-0.000000>,1.500000
<60.180042,129.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.180042,129.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.180042,129.242737,-0.000000>,1.500000
<61.154800,129.465973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.154800,129.465973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.205280,129.019485,-0.000000>,1.500000
<59.638939,129.920563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.638939,129.920563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.638939,129.920563,-0.000000>,1.500000
<60.072598,130.821640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.072598,130.821640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.205280,129.019485,-0.000000>,1.500000
<59.986801,129.643356,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.986801,129.643356,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.986801,129.643356,-0.000000>,1.500000
<60.768322,130.267242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.768322,130.267242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.768322,130.267242,-0.000000>,1.500000
<61.549843,130.891113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.549843,130.891113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.549843,130.891113,-0.000000>,1.500000
<62.331360,131.514999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.331360,131.514999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,92.834465,-0.000000>,1.500000
<13.877091,93.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,93.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,93.834465,-0.000000>,1.500000
<13.877091,94.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,94.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,94.834465,-0.000000>,1.500000
<13.877091,95.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,95.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,95.834465,-0.000000>,1.500000
<13.877091,96.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,96.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,96.834465,-0.000000>,1.500000
<13.877091,97.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,97.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,97.834465,-0.000000>,1.500000
<13.877091,98.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,98.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,98.834465,-0.000000>,1.500000
<13.877091,99.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,99.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,99.834465,-0.000000>,1.500000
<13.877091,100.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,100.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,100.834465,-0.000000>,1.500000
<13.877091,101.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,101.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,101.834465,-0.000000>,1.500000
<13.877091,102.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,102.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,102.834465,-0.000000>,1.500000
<13.877091,103.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,103.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,103.834465,-0.000000>,1.500000
<13.877091,104.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,104.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,104.834465,-0.000000>,1.500000
<13.877091,105.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,105.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,105.834465,-0.000000>,1.500000
<13.877091,106.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,106.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,106.834465,-0.000000>,1.500000
<13.877091,107.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,107.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,107.834465,-0.000000>,1.500000
<13.877091,108.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,108.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,108.834465,-0.000000>,1.500000
<14.310750,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,109.735542,-0.000000>,1.500000
<14.744410,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,110.636620,-0.000000>,1.500000
<15.178068,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,111.537697,-0.000000>,1.500000
<15.611728,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,112.438774,-0.000000>,1.500000
<16.045387,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,113.339851,-0.000000>,1.500000
<16.479046,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,114.240929,-0.000000>,1.500000
<16.912704,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,115.142006,-0.000000>,1.500000
<17.346363,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,116.043083,-0.000000>,1.500000
<18.127884,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127884,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127884,116.666962,-0.000000>,1.500000
<18.909405,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.909405,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.909405,117.290840,-0.000000>,1.500000
<19.690926,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.690926,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.690926,117.914719,-0.000000>,1.500000
<20.472446,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.472446,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.472446,118.538597,-0.000000>,1.500000
<21.447206,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.447206,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.447206,118.761848,-0.000000>,1.500000
<22.421968,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.421968,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.421968,118.985100,-0.000000>,1.500000
<23.397118,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.397118,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.397118,118.763550,-0.000000>,1.500000
<24.372267,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.372267,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.421968,118.985100,-0.000000>,1.500000
<23.203489,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.203489,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.203489,119.608978,-0.000000>,1.500000
<23.985010,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.985010,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.421968,118.985100,-0.000000>,1.500000
<23.396729,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.396729,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.396729,119.208351,-0.000000>,1.500000
<24.371490,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.371490,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.371490,119.431602,-0.000000>,1.500000
<25.346252,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.346252,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.346252,119.654846,-0.000000>,1.500000
<26.321012,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.321012,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.472446,118.538597,-0.000000>,1.500000
<20.906105,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.906105,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.906105,119.439674,-0.000000>,1.500000
<21.339764,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.339764,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,120.340752,-0.000000>,1.500000
<22.121284,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.121284,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.121284,120.964630,-0.000000>,1.500000
<22.902805,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.902805,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,120.340752,-0.000000>,1.500000
<21.339764,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.339764,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,121.340752,-0.000000>,1.500000
<21.339764,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.339764,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,120.340752,-0.000000>,1.500000
<21.773422,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.773422,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.773422,121.241829,-0.000000>,1.500000
<22.207083,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.207083,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.207083,122.142906,-0.000000>,1.500000
<22.640741,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.640741,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.640741,123.043983,-0.000000>,1.500000
<23.074400,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.074400,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.472446,118.538597,-0.000000>,1.500000
<21.253965,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.253965,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.253965,119.162476,-0.000000>,1.500000
<22.035486,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.035486,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.035486,119.786362,-0.000000>,1.500000
<22.817007,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.817007,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.817007,120.410240,-0.000000>,1.500000
<23.598528,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.598528,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.598528,121.034119,-0.000000>,1.500000
<24.380049,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.380049,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.380049,121.657997,-0.000000>,1.500000
<25.161570,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.161570,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.161570,122.281876,-0.000000>,1.500000
<26.136330,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.136330,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.136330,122.505127,-0.000000>,1.500000
<27.111092,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.111092,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.161570,122.281876,-0.000000>,1.500000
<25.595228,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.595228,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.595228,123.182953,-0.000000>,1.500000
<26.028887,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.028887,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.161570,122.281876,-0.000000>,1.500000
<25.943089,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.943089,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.943089,122.905754,-0.000000>,1.500000
<26.724609,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.724609,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.724609,123.529633,-0.000000>,1.500000
<27.506130,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.506130,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.506130,124.153519,-0.000000>,1.500000
<28.287651,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.287651,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,116.043083,-0.000000>,1.500000
<17.346363,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,117.043083,-0.000000>,1.500000
<17.346363,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,118.043083,-0.000000>,1.500000
<17.346363,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,119.043083,-0.000000>,1.500000
<17.346363,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,120.043083,-0.000000>,1.500000
<17.780024,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,120.944160,-0.000000>,1.500000
<18.213682,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,121.845238,-0.000000>,1.500000
<18.995203,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.995203,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.995203,122.469116,-0.000000>,1.500000
<19.776724,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.776724,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,121.845238,-0.000000>,1.500000
<18.213682,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,122.845238,-0.000000>,1.500000
<18.213682,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,121.845238,-0.000000>,1.500000
<18.647341,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,122.746315,-0.000000>,1.500000
<19.080999,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,123.647392,-0.000000>,1.500000
<19.514660,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,124.548462,-0.000000>,1.500000
<19.948318,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,120.043083,-0.000000>,1.500000
<16.912704,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,120.944160,-0.000000>,1.500000
<16.479046,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,121.845238,-0.000000>,1.500000
<16.479046,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,122.845238,-0.000000>,1.500000
<16.479046,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,121.845238,-0.000000>,1.500000
<15.697525,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.697525,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.697525,122.469116,-0.000000>,1.500000
<14.916005,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.916005,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,121.845238,-0.000000>,1.500000
<16.045387,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,122.746315,-0.000000>,1.500000
<15.611728,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,123.647392,-0.000000>,1.500000
<15.178068,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,124.548462,-0.000000>,1.500000
<14.744410,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,120.043083,-0.000000>,1.500000
<17.346363,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,121.043083,-0.000000>,1.500000
<17.346363,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,122.043083,-0.000000>,1.500000
<17.346363,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,123.043083,-0.000000>,1.500000
<17.346363,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,124.043083,-0.000000>,1.500000
<17.346363,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,125.043083,-0.000000>,1.500000
<17.346363,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,126.043083,-0.000000>,1.500000
<17.780024,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,126.944160,-0.000000>,1.500000
<18.213682,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,126.043083,-0.000000>,1.500000
<16.912704,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,126.944160,-0.000000>,1.500000
<16.479046,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,126.043083,-0.000000>,1.500000
<17.346363,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,127.043083,-0.000000>,1.500000
<17.346363,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,128.043076,-0.000000>,1.500000
<17.346363,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,129.043076,-0.000000>,1.500000
<17.346363,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,116.043083,-0.000000>,1.500000
<17.780024,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,116.944160,-0.000000>,1.500000
<18.213682,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,117.845238,-0.000000>,1.500000
<18.647341,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,118.746315,-0.000000>,1.500000
<19.080999,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,119.647392,-0.000000>,1.500000
<19.514660,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,120.548462,-0.000000>,1.500000
<19.948318,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,121.449539,-0.000000>,1.500000
<20.381977,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,122.350616,-0.000000>,1.500000
<20.815638,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.815638,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.815638,123.251694,-0.000000>,1.500000
<21.249296,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.249296,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.249296,124.152771,-0.000000>,1.500000
<21.682955,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.682955,125.053848,-0.000000>,1.500000
<22.116613,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,125.954926,-0.000000>,1.500000
<22.550274,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,126.856003,-0.000000>,1.500000
<23.331793,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.331793,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.331793,127.479881,-0.000000>,1.500000
<24.113314,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.113314,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.113314,128.103760,-0.000000>,1.500000
<25.088076,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.088076,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.088076,128.327011,-0.000000>,1.500000
<26.062836,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.062836,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.113314,128.103760,-0.000000>,1.500000
<24.546972,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.546972,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.546972,129.004837,-0.000000>,1.500000
<24.980633,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.980633,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.113314,128.103760,-0.000000>,1.500000
<24.894835,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.894835,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.894835,128.727646,-0.000000>,1.500000
<25.676355,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.676355,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.676355,129.351517,-0.000000>,1.500000
<26.457876,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.457876,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.457876,129.975403,-0.000000>,1.500000
<27.239395,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.239395,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,126.856003,-0.000000>,1.500000
<22.550274,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,127.856003,-0.000000>,1.500000
<22.550274,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,128.856003,-0.000000>,1.500000
<22.983932,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,129.757080,-0.000000>,1.500000
<23.417591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,128.856003,-0.000000>,1.500000
<22.116613,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,129.757080,-0.000000>,1.500000
<21.682955,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,128.856003,-0.000000>,1.500000
<22.550274,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,129.856003,-0.000000>,1.500000
<22.550274,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,130.856003,-0.000000>,1.500000
<22.550274,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,131.856003,-0.000000>,1.500000
<22.550274,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,126.856003,-0.000000>,1.500000
<22.983932,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,127.757080,-0.000000>,1.500000
<23.417591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,128.658157,-0.000000>,1.500000
<23.851250,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,129.559235,-0.000000>,1.500000
<24.284910,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,130.460312,-0.000000>,1.500000
<24.718569,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.718569,131.361389,-0.000000>,1.500000
<25.152227,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,132.262466,-0.000000>,1.500000
<25.933748,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.933748,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.933748,132.886353,-0.000000>,1.500000
<26.715269,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.715269,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,132.262466,-0.000000>,1.500000
<25.152227,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,133.262466,-0.000000>,1.500000
<25.152227,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,132.262466,-0.000000>,1.500000
<25.585886,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.585886,133.163544,-0.000000>,1.500000
<26.019547,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,134.064621,-0.000000>,1.500000
<26.453205,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.453205,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.453205,134.965698,-0.000000>,1.500000
<26.886864,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.886864,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,108.834465,-0.000000>,1.500000
<13.443432,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.443432,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,109.735542,-0.000000>,1.500000
<13.009773,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,110.636620,-0.000000>,1.500000
<12.576114,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,111.537697,-0.000000>,1.500000
<12.142455,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,112.438774,-0.000000>,1.500000
<11.708796,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,113.339851,-0.000000>,1.500000
<11.275137,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,114.240929,-0.000000>,1.500000
<10.841477,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,115.142006,-0.000000>,1.500000
<10.407819,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,116.043083,-0.000000>,1.500000
<10.407819,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,117.043083,-0.000000>,1.500000
<10.407819,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,118.043083,-0.000000>,1.500000
<10.407819,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,119.043083,-0.000000>,1.500000
<10.407819,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,120.043083,-0.000000>,1.500000
<10.841477,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,120.944160,-0.000000>,1.500000
<11.275137,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,121.845238,-0.000000>,1.500000
<12.056657,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.056657,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.056657,122.469116,-0.000000>,1.500000
<12.838178,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.838178,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,121.845238,-0.000000>,1.500000
<11.275137,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,122.845238,-0.000000>,1.500000
<11.275137,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,121.845238,-0.000000>,1.500000
<11.708796,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,122.746315,-0.000000>,1.500000
<12.142455,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,123.647392,-0.000000>,1.500000
<12.576114,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,124.548462,-0.000000>,1.500000
<13.009773,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,120.043083,-0.000000>,1.500000
<9.974159,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,120.944160,-0.000000>,1.500000
<9.540500,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,121.845238,-0.000000>,1.500000
<9.540500,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,122.845238,-0.000000>,1.500000
<9.540500,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,121.845238,-0.000000>,1.500000
<8.758980,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.758980,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.758980,122.469116,-0.000000>,1.500000
<7.977459,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.977459,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,121.845238,-0.000000>,1.500000
<9.106841,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,122.746315,-0.000000>,1.500000
<8.673182,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,123.647392,-0.000000>,1.500000
<8.239523,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,124.548462,-0.000000>,1.500000
<7.805864,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,120.043083,-0.000000>,1.500000
<10.407819,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,121.043083,-0.000000>,1.500000
<10.407819,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,122.043083,-0.000000>,1.500000
<10.407819,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,123.043083,-0.000000>,1.500000
<10.407819,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,124.043083,-0.000000>,1.500000
<10.407819,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,125.043083,-0.000000>,1.500000
<10.407819,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,126.043083,-0.000000>,1.500000
<10.841477,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,126.944160,-0.000000>,1.500000
<11.275137,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,126.043083,-0.000000>,1.500000
<9.974159,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,126.944160,-0.000000>,1.500000
<9.540500,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,126.043083,-0.000000>,1.500000
<10.407819,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,127.043083,-0.000000>,1.500000
<10.407819,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,128.043076,-0.000000>,1.500000
<10.407819,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,129.043076,-0.000000>,1.500000
<10.407819,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,116.043083,-0.000000>,1.500000
<9.626298,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.626298,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.626298,116.666962,-0.000000>,1.500000
<8.844777,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.844777,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.844777,117.290840,-0.000000>,1.500000
<8.063257,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.063257,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.063257,117.914719,-0.000000>,1.500000
<7.281736,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.281736,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.281736,118.538597,-0.000000>,1.500000
<6.848077,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.848077,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.848077,119.439674,-0.000000>,1.500000
<6.414418,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.414418,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.414418,120.340752,-0.000000>,1.500000
<6.414418,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.414418,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.414418,121.340752,-0.000000>,1.500000
<6.414418,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.414418,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.414418,120.340752,-0.000000>,1.500000
<5.632898,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.632898,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.632898,120.964630,-0.000000>,1.500000
<4.851377,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.851377,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.414418,120.340752,-0.000000>,1.500000
<5.980759,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.980759,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.980759,121.241829,-0.000000>,1.500000
<5.547100,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.547100,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.547100,122.142906,-0.000000>,1.500000
<5.113441,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.113441,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.113441,123.043983,-0.000000>,1.500000
<4.679782,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.679782,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.281736,118.538597,-0.000000>,1.500000
<6.306975,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.306975,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.306975,118.761848,-0.000000>,1.500000
<5.332214,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.332214,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.332214,118.985100,-0.000000>,1.500000
<4.550694,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.550694,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.550694,119.608978,-0.000000>,1.500000
<3.769173,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.769173,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.332214,118.985100,-0.000000>,1.500000
<4.357065,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.357065,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.357065,118.763550,-0.000000>,1.500000
<3.381915,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.381915,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.332214,118.985100,-0.000000>,1.500000
<4.357453,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.357453,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.357453,119.208351,-0.000000>,1.500000
<3.382692,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.382692,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.382692,119.431602,-0.000000>,1.500000
<2.407930,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.407930,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.407930,119.654846,-0.000000>,1.500000
<1.433169,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.433169,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.281736,118.538597,-0.000000>,1.500000
<6.500216,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500216,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500216,119.162476,-0.000000>,1.500000
<5.718695,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.718695,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.718695,119.786362,-0.000000>,1.500000
<4.937175,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.937175,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.937175,120.410240,-0.000000>,1.500000
<4.155654,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.155654,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.155654,121.034119,-0.000000>,1.500000
<3.374134,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.374134,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.374134,121.657997,-0.000000>,1.500000
<2.592613,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.592613,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.592613,122.281876,-0.000000>,1.500000
<2.158954,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.158954,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.158954,123.182953,-0.000000>,1.500000
<1.725295,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.725295,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.592613,122.281876,-0.000000>,1.500000
<1.617852,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.617852,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.617852,122.505127,-0.000000>,1.500000
<0.643091,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.643091,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.592613,122.281876,-0.000000>,1.500000
<1.811093,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.811093,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.811093,122.905754,-0.000000>,1.500000
<1.029572,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.029572,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.029572,123.529633,-0.000000>,1.500000
<0.248052,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.248052,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.248052,124.153519,-0.000000>,1.500000
<-0.533469,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.533469,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,116.043083,-0.000000>,1.500000
<9.974159,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,116.944160,-0.000000>,1.500000
<9.540500,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,117.845238,-0.000000>,1.500000
<9.106841,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,118.746315,-0.000000>,1.500000
<8.673182,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,119.647392,-0.000000>,1.500000
<8.239523,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,120.548462,-0.000000>,1.500000
<7.805864,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,121.449539,-0.000000>,1.500000
<7.372205,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,122.350616,-0.000000>,1.500000
<6.938546,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,123.251694,-0.000000>,1.500000
<6.504887,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,124.152771,-0.000000>,1.500000
<6.071228,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,125.053848,-0.000000>,1.500000
<5.637568,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,125.954926,-0.000000>,1.500000
<5.203909,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,126.856003,-0.000000>,1.500000
<5.203909,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,127.856003,-0.000000>,1.500000
<5.203909,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,128.856003,-0.000000>,1.500000
<5.637568,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,129.757080,-0.000000>,1.500000
<6.071228,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,128.856003,-0.000000>,1.500000
<4.770250,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,129.757080,-0.000000>,1.500000
<4.336591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,128.856003,-0.000000>,1.500000
<5.203909,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,129.856003,-0.000000>,1.500000
<5.203909,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,130.856003,-0.000000>,1.500000
<5.203909,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,131.856003,-0.000000>,1.500000
<5.203909,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,126.856003,-0.000000>,1.500000
<4.422389,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.422389,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.422389,127.479881,-0.000000>,1.500000
<3.640868,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.640868,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.640868,128.103760,-0.000000>,1.500000
<3.207209,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.207209,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.207209,129.004837,-0.000000>,1.500000
<2.773550,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.773550,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.640868,128.103760,-0.000000>,1.500000
<2.666107,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.666107,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.666107,128.327011,-0.000000>,1.500000
<1.691346,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.691346,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.640868,128.103760,-0.000000>,1.500000
<2.859348,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.859348,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.859348,128.727646,-0.000000>,1.500000
<2.077827,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.077827,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.077827,129.351517,-0.000000>,1.500000
<1.296307,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.296307,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.296307,129.975403,-0.000000>,1.500000
<0.514786,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.514786,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,126.856003,-0.000000>,1.500000
<4.770250,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,127.757080,-0.000000>,1.500000
<4.336591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,128.658157,-0.000000>,1.500000
<3.902932,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,129.559235,-0.000000>,1.500000
<3.469273,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,130.460312,-0.000000>,1.500000
<3.035614,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,131.361389,-0.000000>,1.500000
<2.601955,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,132.262466,-0.000000>,1.500000
<2.601955,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,133.262466,-0.000000>,1.500000
<2.601955,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,132.262466,-0.000000>,1.500000
<1.820434,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.820434,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.820434,132.886353,-0.000000>,1.500000
<1.038914,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038914,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,132.262466,-0.000000>,1.500000
<2.168295,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,133.163544,-0.000000>,1.500000
<1.734636,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,134.064621,-0.000000>,1.500000
<1.300977,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,134.965698,-0.000000>,1.500000
<0.867318,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,108.834465,-0.000000>,1.500000
<13.877091,109.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,109.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,109.834465,-0.000000>,1.500000
<13.877091,110.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,110.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,110.834465,-0.000000>,1.500000
<13.877091,111.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,111.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,111.834465,-0.000000>,1.500000
<13.877091,112.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,112.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,112.834465,-0.000000>,1.500000
<13.877091,113.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,113.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,113.834465,-0.000000>,1.500000
<13.877091,114.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,114.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,114.834465,-0.000000>,1.500000
<13.877091,115.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,115.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,115.834465,-0.000000>,1.500000
<13.877091,116.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,116.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,116.834465,-0.000000>,1.500000
<13.877091,117.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,117.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,117.834465,-0.000000>,1.500000
<13.877091,118.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,118.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,118.834465,-0.000000>,1.500000
<13.877091,119.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,119.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,119.834465,-0.000000>,1.500000
<13.877091,120.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,120.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,120.834465,-0.000000>,1.500000
<13.877091,121.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,121.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,121.834465,-0.000000>,1.500000
<13.877091,122.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,122.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,122.834465,-0.000000>,1.500000
<13.877091,123.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,123.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,123.834465,-0.000000>,1.500000
<13.877091,124.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,124.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,124.834465,-0.000000>,1.500000
<13.877091,125.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,125.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,125.834465,-0.000000>,1.500000
<13.877091,126.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,126.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,126.834465,-0.000000>,1.500000
<13.877091,127.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,127.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,127.834465,-0.000000>,1.500000
<13.877091,128.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,128.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,128.834457,-0.000000>,1.500000
<13.877091,129.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,129.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,129.834457,-0.000000>,1.500000
<13.877091,130.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,130.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,130.834457,-0.000000>,1.500000
<13.877091,131.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,131.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,131.834457,-0.000000>,1.500000
<13.877091,132.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,132.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,132.834457,-0.000000>,1.500000
<14.310750,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,133.735535,-0.000000>,1.500000
<14.744410,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,134.636612,-0.000000>,1.500000
<15.178068,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,135.537689,-0.000000>,1.500000
<15.611728,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,136.438766,-0.000000>,1.500000
<16.393248,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.393248,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.393248,137.062653,-0.000000>,1.500000
<17.174768,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.174768,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.174768,137.686539,-0.000000>,1.500000
<18.149530,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.149530,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.149530,137.909775,-0.000000>,1.500000
<19.124290,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.124290,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.174768,137.686539,-0.000000>,1.500000
<17.608427,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.608427,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.608427,138.587616,-0.000000>,1.500000
<18.042088,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.042088,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.174768,137.686539,-0.000000>,1.500000
<17.956289,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.956289,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.956289,138.310410,-0.000000>,1.500000
<18.737810,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.737810,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.737810,138.934296,-0.000000>,1.500000
<19.519329,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.519329,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.519329,139.558167,-0.000000>,1.500000
<20.300850,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.300850,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,136.438766,-0.000000>,1.500000
<15.611728,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,137.438766,-0.000000>,1.500000
<15.611728,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,138.438766,-0.000000>,1.500000
<16.045387,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,139.339844,-0.000000>,1.500000
<16.479046,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,138.438766,-0.000000>,1.500000
<15.178068,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,139.339844,-0.000000>,1.500000
<14.744410,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,138.438766,-0.000000>,1.500000
<15.611728,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,139.438766,-0.000000>,1.500000
<15.611728,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,140.438766,-0.000000>,1.500000
<15.611728,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,141.438766,-0.000000>,1.500000
<15.611728,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,136.438766,-0.000000>,1.500000
<16.045387,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,137.339844,-0.000000>,1.500000
<16.479046,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,138.240921,-0.000000>,1.500000
<16.912704,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,139.141998,-0.000000>,1.500000
<17.346363,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,140.043076,-0.000000>,1.500000
<17.780024,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,140.944153,-0.000000>,1.500000
<18.213682,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,141.845230,-0.000000>,1.500000
<18.995203,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.995203,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.995203,142.469116,-0.000000>,1.500000
<19.776724,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.776724,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,141.845230,-0.000000>,1.500000
<18.213682,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,142.845230,-0.000000>,1.500000
<18.213682,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,141.845230,-0.000000>,1.500000
<18.647341,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,142.746307,-0.000000>,1.500000
<19.080999,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,143.647385,-0.000000>,1.500000
<19.514660,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,144.548462,-0.000000>,1.500000
<19.948318,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,132.834457,-0.000000>,1.500000
<13.443432,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.443432,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,133.735535,-0.000000>,1.500000
<13.009773,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,134.636612,-0.000000>,1.500000
<12.576114,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,135.537689,-0.000000>,1.500000
<12.142455,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,136.438766,-0.000000>,1.500000
<12.142455,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,137.438766,-0.000000>,1.500000
<12.142455,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,138.438766,-0.000000>,1.500000
<12.576114,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,139.339844,-0.000000>,1.500000
<13.009773,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,138.438766,-0.000000>,1.500000
<11.708796,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,139.339844,-0.000000>,1.500000
<11.275137,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,138.438766,-0.000000>,1.500000
<12.142455,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,139.438766,-0.000000>,1.500000
<12.142455,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,140.438766,-0.000000>,1.500000
<12.142455,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,141.438766,-0.000000>,1.500000
<12.142455,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,136.438766,-0.000000>,1.500000
<11.360934,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.360934,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.360934,137.062653,-0.000000>,1.500000
<10.579413,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.579413,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.579413,137.686539,-0.000000>,1.500000
<10.145755,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.145755,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.145755,138.587616,-0.000000>,1.500000
<9.712095,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.712095,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.579413,137.686539,-0.000000>,1.500000
<9.604652,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.604652,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.604652,137.909775,-0.000000>,1.500000
<8.629891,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.629891,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.579413,137.686539,-0.000000>,1.500000
<9.797894,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.797894,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.797894,138.310410,-0.000000>,1.500000
<9.016373,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.016373,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.016373,138.934296,-0.000000>,1.500000
<8.234852,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.234852,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.234852,139.558167,-0.000000>,1.500000
<7.453332,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.453332,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,136.438766,-0.000000>,1.500000
<11.708796,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,137.339844,-0.000000>,1.500000
<11.275137,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,138.240921,-0.000000>,1.500000
<10.841477,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,139.141998,-0.000000>,1.500000
<10.407819,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,140.043076,-0.000000>,1.500000
<9.974159,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,140.944153,-0.000000>,1.500000
<9.540500,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,141.845230,-0.000000>,1.500000
<9.540500,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,142.845230,-0.000000>,1.500000
<9.540500,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,141.845230,-0.000000>,1.500000
<8.758980,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.758980,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.758980,142.469116,-0.000000>,1.500000
<7.977459,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.977459,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,141.845230,-0.000000>,1.500000
<9.106841,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,142.746307,-0.000000>,1.500000
<8.673182,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,143.647385,-0.000000>,1.500000
<8.239523,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,144.548462,-0.000000>,1.500000
<7.805864,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,132.834457,-0.000000>,1.500000
<13.877091,133.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,133.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,133.834457,-0.000000>,1.500000
<13.877091,134.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,134.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,134.834457,-0.000000>,1.500000
<13.877091,135.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,135.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,135.834457,-0.000000>,1.500000
<13.877091,136.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,136.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,136.834457,-0.000000>,1.500000
<13.877091,137.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,137.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,137.834457,-0.000000>,1.500000
<13.877091,138.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,138.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,138.834457,-0.000000>,1.500000
<13.877091,139.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,139.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,139.834457,-0.000000>,1.500000
<13.877091,140.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,140.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,140.834457,-0.000000>,1.500000
<13.877091,141.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,141.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,141.834457,-0.000000>,1.500000
<13.877091,142.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,142.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,142.834457,-0.000000>,1.500000
<13.877091,143.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,143.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,143.834457,-0.000000>,1.500000
<13.877091,144.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,144.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,144.834457,-0.000000>,1.500000
<14.310750,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,145.735535,-0.000000>,1.500000
<14.744410,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,146.636612,-0.000000>,1.500000
<15.525929,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.525929,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.525929,147.260498,-0.000000>,1.500000
<16.307449,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.307449,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,146.636612,-0.000000>,1.500000
<14.744410,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,147.636612,-0.000000>,1.500000
<14.744410,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,146.636612,-0.000000>,1.500000
<15.178068,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,147.537689,-0.000000>,1.500000
<15.611728,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,148.438766,-0.000000>,1.500000
<16.045387,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,149.339844,-0.000000>,1.500000
<16.479046,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,144.834457,-0.000000>,1.500000
<13.443432,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.443432,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,145.735535,-0.000000>,1.500000
<13.009773,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,146.636612,-0.000000>,1.500000
<13.009773,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,147.636612,-0.000000>,1.500000
<13.009773,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,146.636612,-0.000000>,1.500000
<12.228252,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.228252,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.228252,147.260498,-0.000000>,1.500000
<11.446732,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.446732,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,146.636612,-0.000000>,1.500000
<12.576114,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,147.537689,-0.000000>,1.500000
<12.142455,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,148.438766,-0.000000>,1.500000
<11.708796,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,149.339844,-0.000000>,1.500000
<11.275137,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,144.834457,-0.000000>,1.500000
<13.877091,145.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,145.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,145.834457,-0.000000>,1.500000
<13.877091,146.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,146.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,146.834457,-0.000000>,1.500000
<13.877091,147.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,147.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,147.834457,-0.000000>,1.500000
<13.877091,148.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,148.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,148.834457,-0.000000>,1.500000
<13.877091,149.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,149.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,149.834457,-0.000000>,1.500000
<13.877091,150.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,150.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,150.834457,-0.000000>,1.500000
<14.310750,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,151.735535,-0.000000>,1.500000
<14.744410,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,150.834457,-0.000000>,1.500000
<13.443432,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.443432,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,151.735535,-0.000000>,1.500000
<13.009773,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,150.834457,-0.000000>,1.500000
<13.877091,151.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,151.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,151.834457,-0.000000>,1.500000
<13.877091,152.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,152.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,152.834457,-0.000000>,1.500000
<13.877091,153.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,153.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,153.834457,-0.000000>,1.500000
<13.877091,154.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,154.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,92.834465,-0.000000>,1.500000
<14.310750,93.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,93.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,93.735542,-0.000000>,1.500000
<14.744410,94.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,94.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,94.636620,-0.000000>,1.500000
<15.178068,95.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,95.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,95.537697,-0.000000>,1.500000
<15.611728,96.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,96.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,96.438774,-0.000000>,1.500000
<16.045387,97.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,97.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,97.339851,-0.000000>,1.500000
<16.479046,98.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,98.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,98.240929,-0.000000>,1.500000
<16.912704,99.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,99.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,99.142006,-0.000000>,1.500000
<17.346363,100.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,100.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,100.043083,-0.000000>,1.500000
<17.780024,100.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,100.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,100.944160,-0.000000>,1.500000
<18.213682,101.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,101.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,101.845238,-0.000000>,1.500000
<18.647341,102.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,102.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,102.746315,-0.000000>,1.500000
<19.080999,103.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,103.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,103.647392,-0.000000>,1.500000
<19.514660,104.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,104.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,104.548462,-0.000000>,1.500000
<19.948318,105.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,105.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,105.449539,-0.000000>,1.500000
<20.381977,106.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,106.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,106.350616,-0.000000>,1.500000
<20.815638,107.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.815638,107.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.815638,107.251694,-0.000000>,1.500000
<21.249296,108.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.249296,108.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.249296,108.152771,-0.000000>,1.500000
<21.682955,109.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,109.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.682955,109.053848,-0.000000>,1.500000
<22.116613,109.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,109.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,109.954926,-0.000000>,1.500000
<22.550274,110.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,110.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,110.856003,-0.000000>,1.500000
<22.983932,111.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,111.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,111.757080,-0.000000>,1.500000
<23.417591,112.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,112.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,112.658157,-0.000000>,1.500000
<23.851250,113.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,113.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,113.559235,-0.000000>,1.500000
<24.284910,114.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,114.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,114.460312,-0.000000>,1.500000
<24.718569,115.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,115.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.718569,115.361389,-0.000000>,1.500000
<25.152227,116.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,116.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,116.262466,-0.000000>,1.500000
<25.585886,117.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,117.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.585886,117.163544,-0.000000>,1.500000
<26.019547,118.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,118.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,118.064621,-0.000000>,1.500000
<26.453205,118.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.453205,118.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.453205,118.965698,-0.000000>,1.500000
<26.886864,119.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.886864,119.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.886864,119.866776,-0.000000>,1.500000
<27.320522,120.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.320522,120.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.320522,120.767853,-0.000000>,1.500000
<27.754183,121.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.754183,121.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.754183,121.668930,-0.000000>,1.500000
<28.187841,122.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.187841,122.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.187841,122.570007,-0.000000>,1.500000
<28.621500,123.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.621500,123.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.621500,123.471085,-0.000000>,1.500000
<29.055159,124.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.055159,124.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.055159,124.372162,-0.000000>,1.500000
<29.488819,125.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.488819,125.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.488819,125.273239,-0.000000>,1.500000
<29.922478,126.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.922478,126.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,126.174316,-0.000000>,1.500000
<30.356136,127.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.356136,127.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,127.075394,-0.000000>,1.500000
<30.789795,127.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,127.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.789795,127.976471,-0.000000>,1.500000
<31.223455,128.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,128.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,128.877548,-0.000000>,1.500000
<31.657114,129.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657114,129.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.657114,129.778625,-0.000000>,1.500000
<32.090775,130.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,130.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.090775,130.679703,-0.000000>,1.500000
<32.524433,131.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.524433,131.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.524433,131.580780,-0.000000>,1.500000
<32.958092,132.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,132.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,132.481857,-0.000000>,1.500000
<33.391750,133.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.391750,133.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.391750,133.382935,-0.000000>,1.500000
<33.825409,134.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,134.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,134.284012,-0.000000>,1.500000
<34.259068,135.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.259068,135.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.259068,135.185089,-0.000000>,1.500000
<34.692726,136.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,136.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,136.086166,-0.000000>,1.500000
<35.474247,136.710037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.474247,136.710037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.474247,136.710037,-0.000000>,1.500000
<36.255768,137.333923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.255768,137.333923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.255768,137.333923,-0.000000>,1.500000
<37.037289,137.957794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.037289,137.957794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.037289,137.957794,-0.000000>,1.500000
<37.818810,138.581680,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.818810,138.581680,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.818810,138.581680,-0.000000>,1.500000
<38.600330,139.205566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.600330,139.205566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.600330,139.205566,-0.000000>,1.500000
<39.381851,139.829437,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.381851,139.829437,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.381851,139.829437,-0.000000>,1.500000
<40.163372,140.453323,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.163372,140.453323,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.163372,140.453323,-0.000000>,1.500000
<40.944893,141.077194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.944893,141.077194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.944893,141.077194,-0.000000>,1.500000
<41.919651,141.300446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.919651,141.300446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.919651,141.300446,-0.000000>,1.500000
<42.894413,141.523697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.894413,141.523697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.894413,141.523697,-0.000000>,1.500000
<43.869175,141.746948,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.869175,141.746948,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.869175,141.746948,-0.000000>,1.500000
<44.843937,141.970200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.843937,141.970200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.843937,141.970200,-0.000000>,1.500000
<45.819084,141.748657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.819084,141.748657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.819084,141.748657,-0.000000>,1.500000
<46.794235,141.527100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.794235,141.527100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.794235,141.527100,-0.000000>,1.500000
<47.576843,140.904587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.576843,140.904587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.576843,140.904587,-0.000000>,1.500000
<48.359451,140.282074,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.359451,140.282074,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.794235,141.527100,-0.000000>,1.500000
<47.768997,141.750351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.768997,141.750351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.768997,141.750351,-0.000000>,1.500000
<48.743759,141.973602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.743759,141.973602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.794235,141.527100,-0.000000>,1.500000
<47.769386,141.305557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.769386,141.305557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.769386,141.305557,-0.000000>,1.500000
<48.744534,141.084000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.744534,141.084000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.744534,141.084000,-0.000000>,1.500000
<49.719685,140.862457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.719685,140.862457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.719685,140.862457,-0.000000>,1.500000
<50.694832,140.640900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.694832,140.640900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.843937,141.970200,-0.000000>,1.500000
<45.625458,142.594070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.625458,142.594070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.625458,142.594070,-0.000000>,1.500000
<46.406979,143.217957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.406979,143.217957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.406979,143.217957,-0.000000>,1.500000
<47.381737,143.441208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.381737,143.441208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.381737,143.441208,-0.000000>,1.500000
<48.356499,143.664459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.356499,143.664459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.406979,143.217957,-0.000000>,1.500000
<46.840637,144.119034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.840637,144.119034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.840637,144.119034,-0.000000>,1.500000
<47.274296,145.020111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.274296,145.020111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.406979,143.217957,-0.000000>,1.500000
<47.188499,143.841843,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.188499,143.841843,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.188499,143.841843,-0.000000>,1.500000
<47.970020,144.465714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.970020,144.465714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.970020,144.465714,-0.000000>,1.500000
<48.751537,145.089600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.751537,145.089600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.751537,145.089600,-0.000000>,1.500000
<49.533058,145.713470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.533058,145.713470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.843937,141.970200,-0.000000>,1.500000
<45.818699,142.193451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.818699,142.193451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.818699,142.193451,-0.000000>,1.500000
<46.793457,142.416702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.793457,142.416702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.793457,142.416702,-0.000000>,1.500000
<47.768219,142.639954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.768219,142.639954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.768219,142.639954,-0.000000>,1.500000
<48.742981,142.863205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.742981,142.863205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.742981,142.863205,-0.000000>,1.500000
<49.717743,143.086441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.717743,143.086441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.717743,143.086441,-0.000000>,1.500000
<50.692505,143.309692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.692505,143.309692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.692505,143.309692,-0.000000>,1.500000
<51.667652,143.088150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.667652,143.088150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.667652,143.088150,-0.000000>,1.500000
<52.642803,142.866608,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.642803,142.866608,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.692505,143.309692,-0.000000>,1.500000
<51.474026,143.933578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.474026,143.933578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.474026,143.933578,-0.000000>,1.500000
<52.255543,144.557465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.255543,144.557465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.692505,143.309692,-0.000000>,1.500000
<51.667263,143.532944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.667263,143.532944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.667263,143.532944,-0.000000>,1.500000
<52.642025,143.756195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.642025,143.756195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.642025,143.756195,-0.000000>,1.500000
<53.616787,143.979446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.616787,143.979446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.616787,143.979446,-0.000000>,1.500000
<54.591549,144.202698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.591549,144.202698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.944893,141.077194,-0.000000>,1.500000
<41.378551,141.978271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.378551,141.978271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.378551,141.978271,-0.000000>,1.500000
<41.812210,142.879349,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.812210,142.879349,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.812210,142.879349,-0.000000>,1.500000
<42.245869,143.780426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.245869,143.780426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.245869,143.780426,-0.000000>,1.500000
<42.679527,144.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.679527,144.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,144.681503,-0.000000>,1.500000
<43.461048,145.305389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.461048,145.305389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.461048,145.305389,-0.000000>,1.500000
<44.242569,145.929260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.242569,145.929260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.242569,145.929260,-0.000000>,1.500000
<45.217331,146.152512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.217331,146.152512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.217331,146.152512,-0.000000>,1.500000
<46.192093,146.375763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.192093,146.375763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.242569,145.929260,-0.000000>,1.500000
<44.676228,146.830338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.676228,146.830338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.676228,146.830338,-0.000000>,1.500000
<45.109886,147.731415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.109886,147.731415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.242569,145.929260,-0.000000>,1.500000
<45.024090,146.553146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.024090,146.553146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.024090,146.553146,-0.000000>,1.500000
<45.805611,147.177017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.805611,147.177017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.805611,147.177017,-0.000000>,1.500000
<46.587132,147.800903,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.587132,147.800903,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.587132,147.800903,-0.000000>,1.500000
<47.368652,148.424789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.368652,148.424789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,144.681503,-0.000000>,1.500000
<42.679527,145.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.679527,145.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,145.681503,-0.000000>,1.500000
<42.679527,146.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.679527,146.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,146.681503,-0.000000>,1.500000
<43.113186,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.113186,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.113186,147.582581,-0.000000>,1.500000
<43.546844,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.546844,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,146.681503,-0.000000>,1.500000
<42.245869,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.245869,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.245869,147.582581,-0.000000>,1.500000
<41.812210,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.812210,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,146.681503,-0.000000>,1.500000
<42.679527,147.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.679527,147.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,147.681503,-0.000000>,1.500000
<42.679527,148.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.679527,148.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,148.681503,-0.000000>,1.500000
<42.679527,149.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.679527,149.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,149.681503,-0.000000>,1.500000
<42.679527,150.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.679527,150.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.679527,144.681503,-0.000000>,1.500000
<43.113186,145.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.113186,145.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.113186,145.582581,-0.000000>,1.500000
<43.546844,146.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.546844,146.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.546844,146.483658,-0.000000>,1.500000
<43.980507,147.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.980507,147.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.980507,147.384735,-0.000000>,1.500000
<44.414165,148.285812,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.414165,148.285812,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.414165,148.285812,-0.000000>,1.500000
<44.847824,149.186890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.847824,149.186890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.847824,149.186890,-0.000000>,1.500000
<45.281483,150.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.281483,150.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.281483,150.087967,-0.000000>,1.500000
<46.063004,150.711853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.063004,150.711853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.063004,150.711853,-0.000000>,1.500000
<46.844524,151.335724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.844524,151.335724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.281483,150.087967,-0.000000>,1.500000
<45.281483,151.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.281483,151.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.281483,151.087967,-0.000000>,1.500000
<45.281483,152.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.281483,152.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.281483,150.087967,-0.000000>,1.500000
<45.715141,150.989044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.715141,150.989044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.715141,150.989044,-0.000000>,1.500000
<46.148800,151.890121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.148800,151.890121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.148800,151.890121,-0.000000>,1.500000
<46.582458,152.791199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.582458,152.791199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.582458,152.791199,-0.000000>,1.500000
<47.016117,153.692276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.016117,153.692276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.944893,141.077194,-0.000000>,1.500000
<41.726414,141.701080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.726414,141.701080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.726414,141.701080,-0.000000>,1.500000
<42.507931,142.324951,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.507931,142.324951,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.507931,142.324951,-0.000000>,1.500000
<43.289452,142.948837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.289452,142.948837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.289452,142.948837,-0.000000>,1.500000
<44.070972,143.572723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.070972,143.572723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.070972,143.572723,-0.000000>,1.500000
<44.852493,144.196594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.852493,144.196594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.852493,144.196594,-0.000000>,1.500000
<45.634014,144.820480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.634014,144.820480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.634014,144.820480,-0.000000>,1.500000
<46.415535,145.444351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.415535,145.444351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.415535,145.444351,-0.000000>,1.500000
<47.197056,146.068237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.197056,146.068237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.197056,146.068237,-0.000000>,1.500000
<47.978577,146.692108,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.978577,146.692108,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.978577,146.692108,-0.000000>,1.500000
<48.760098,147.315994,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.760098,147.315994,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.760098,147.315994,-0.000000>,1.500000
<49.541618,147.939880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.541618,147.939880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.541618,147.939880,-0.000000>,1.500000
<50.323139,148.563751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.323139,148.563751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.323139,148.563751,-0.000000>,1.500000
<51.297897,148.787003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.297897,148.787003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.297897,148.787003,-0.000000>,1.500000
<52.272659,149.010254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.272659,149.010254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.272659,149.010254,-0.000000>,1.500000
<53.247810,148.788712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.247810,148.788712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.247810,148.788712,-0.000000>,1.500000
<54.222958,148.567154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.222958,148.567154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.272659,149.010254,-0.000000>,1.500000
<53.054180,149.634140,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.054180,149.634140,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.054180,149.634140,-0.000000>,1.500000
<53.835701,150.258011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.835701,150.258011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.272659,149.010254,-0.000000>,1.500000
<53.247421,149.233505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.247421,149.233505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.247421,149.233505,-0.000000>,1.500000
<54.222183,149.456757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.222183,149.456757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.222183,149.456757,-0.000000>,1.500000
<55.196945,149.680008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.196945,149.680008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.196945,149.680008,-0.000000>,1.500000
<56.171703,149.903259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.171703,149.903259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.323139,148.563751,-0.000000>,1.500000
<50.756798,149.464828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.756798,149.464828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.756798,149.464828,-0.000000>,1.500000
<51.190456,150.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.190456,150.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.190456,150.365906,-0.000000>,1.500000
<51.971977,150.989792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.971977,150.989792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.971977,150.989792,-0.000000>,1.500000
<52.753498,151.613663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.753498,151.613663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.190456,150.365906,-0.000000>,1.500000
<51.190456,151.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.190456,151.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.190456,151.365906,-0.000000>,1.500000
<51.190456,152.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.190456,152.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.190456,150.365906,-0.000000>,1.500000
<51.624115,151.266983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.624115,151.266983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.624115,151.266983,-0.000000>,1.500000
<52.057774,152.168060,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.057774,152.168060,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.057774,152.168060,-0.000000>,1.500000
<52.491432,153.069138,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.491432,153.069138,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.491432,153.069138,-0.000000>,1.500000
<52.925091,153.970215,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.925091,153.970215,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.323139,148.563751,-0.000000>,1.500000
<51.104656,149.187637,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.104656,149.187637,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.104656,149.187637,-0.000000>,1.500000
<51.886177,149.811508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.886177,149.811508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.886177,149.811508,-0.000000>,1.500000
<52.667698,150.435394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.667698,150.435394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.667698,150.435394,-0.000000>,1.500000
<53.449219,151.059265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.449219,151.059265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.449219,151.059265,-0.000000>,1.500000
<54.230740,151.683151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.230740,151.683151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.230740,151.683151,-0.000000>,1.500000
<55.012260,152.307037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.012260,152.307037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.012260,152.307037,-0.000000>,1.500000
<55.987022,152.530273,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.987022,152.530273,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.987022,152.530273,-0.000000>,1.500000
<56.961784,152.753525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.961784,152.753525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.012260,152.307037,-0.000000>,1.500000
<55.445919,153.208115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.445919,153.208115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.445919,153.208115,-0.000000>,1.500000
<55.879578,154.109177,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.879578,154.109177,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.012260,152.307037,-0.000000>,1.500000
<55.793781,152.930908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.793781,152.930908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.793781,152.930908,-0.000000>,1.500000
<56.575302,153.554794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.575302,153.554794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.575302,153.554794,-0.000000>,1.500000
<57.356823,154.178665,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.356823,154.178665,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.356823,154.178665,-0.000000>,1.500000
<58.138344,154.802551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.138344,154.802551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,136.086166,-0.000000>,1.500000
<34.692726,137.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,137.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,137.086166,-0.000000>,1.500000
<34.692726,138.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,138.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,138.086166,-0.000000>,1.500000
<34.692726,139.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,139.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,139.086166,-0.000000>,1.500000
<34.692726,140.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,140.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,140.086166,-0.000000>,1.500000
<34.692726,141.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,141.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,141.086166,-0.000000>,1.500000
<34.692726,142.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,142.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,142.086166,-0.000000>,1.500000
<34.692726,143.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,143.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,143.086166,-0.000000>,1.500000
<34.692726,144.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,144.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,144.086166,-0.000000>,1.500000
<35.126389,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.126389,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.126389,144.987244,-0.000000>,1.500000
<35.560047,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.560047,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.560047,145.888321,-0.000000>,1.500000
<35.993706,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.993706,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.993706,146.789398,-0.000000>,1.500000
<36.427364,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,147.690475,-0.000000>,1.500000
<37.208885,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.208885,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.208885,148.314346,-0.000000>,1.500000
<37.990406,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.990406,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.990406,148.938232,-0.000000>,1.500000
<38.965168,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.965168,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.965168,149.161484,-0.000000>,1.500000
<39.939926,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.939926,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.990406,148.938232,-0.000000>,1.500000
<38.424065,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.424065,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.424065,149.839310,-0.000000>,1.500000
<38.857723,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.857723,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.990406,148.938232,-0.000000>,1.500000
<38.771927,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.771927,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.771927,149.562103,-0.000000>,1.500000
<39.553448,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.553448,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.553448,150.185989,-0.000000>,1.500000
<40.334965,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.334965,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.334965,150.809860,-0.000000>,1.500000
<41.116486,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.116486,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,147.690475,-0.000000>,1.500000
<36.427364,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,148.690475,-0.000000>,1.500000
<36.427364,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,149.690475,-0.000000>,1.500000
<36.861023,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.861023,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.861023,150.591553,-0.000000>,1.500000
<37.294682,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.294682,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,149.690475,-0.000000>,1.500000
<35.993706,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.993706,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.993706,150.591553,-0.000000>,1.500000
<35.560047,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.560047,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,149.690475,-0.000000>,1.500000
<36.427364,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,150.690475,-0.000000>,1.500000
<36.427364,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,151.690475,-0.000000>,1.500000
<36.427364,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,152.690475,-0.000000>,1.500000
<36.427364,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,147.690475,-0.000000>,1.500000
<36.861023,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.861023,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.861023,148.591553,-0.000000>,1.500000
<37.294682,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.294682,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.294682,149.492630,-0.000000>,1.500000
<37.728340,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.728340,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.728340,150.393707,-0.000000>,1.500000
<38.161999,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.161999,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.161999,151.294785,-0.000000>,1.500000
<38.595661,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.595661,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.595661,152.195862,-0.000000>,1.500000
<39.029320,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.029320,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.029320,153.096924,-0.000000>,1.500000
<39.810841,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.810841,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.810841,153.720810,-0.000000>,1.500000
<40.592361,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.592361,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.029320,153.096924,-0.000000>,1.500000
<39.029320,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.029320,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.029320,154.096924,-0.000000>,1.500000
<39.029320,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.029320,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.029320,153.096924,-0.000000>,1.500000
<39.462978,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.462978,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.462978,153.998001,-0.000000>,1.500000
<39.896637,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.896637,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.896637,154.899078,-0.000000>,1.500000
<40.330296,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.330296,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.330296,155.800156,-0.000000>,1.500000
<40.763954,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.763954,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,144.086166,-0.000000>,1.500000
<34.259068,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.259068,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.259068,144.987244,-0.000000>,1.500000
<33.825409,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,145.888321,-0.000000>,1.500000
<33.391750,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.391750,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.391750,146.789398,-0.000000>,1.500000
<32.958092,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,147.690475,-0.000000>,1.500000
<32.958092,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,148.690475,-0.000000>,1.500000
<32.958092,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,149.690475,-0.000000>,1.500000
<33.391750,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.391750,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.391750,150.591553,-0.000000>,1.500000
<33.825409,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,149.690475,-0.000000>,1.500000
<32.524433,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.524433,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.524433,150.591553,-0.000000>,1.500000
<32.090775,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,149.690475,-0.000000>,1.500000
<32.958092,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,150.690475,-0.000000>,1.500000
<32.958092,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,151.690475,-0.000000>,1.500000
<32.958092,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,152.690475,-0.000000>,1.500000
<32.958092,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,147.690475,-0.000000>,1.500000
<32.176571,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.176571,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.176571,148.314346,-0.000000>,1.500000
<31.395050,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.395050,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.395050,148.938232,-0.000000>,1.500000
<30.961391,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.961391,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.961391,149.839310,-0.000000>,1.500000
<30.527733,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.527733,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.395050,148.938232,-0.000000>,1.500000
<30.420290,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.420290,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.420290,149.161484,-0.000000>,1.500000
<29.445528,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.445528,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.395050,148.938232,-0.000000>,1.500000
<30.613529,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.613529,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.613529,149.562103,-0.000000>,1.500000
<29.832010,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.832010,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.832010,150.185989,-0.000000>,1.500000
<29.050489,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.050489,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.050489,150.809860,-0.000000>,1.500000
<28.268969,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.268969,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,147.690475,-0.000000>,1.500000
<32.524433,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.524433,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.524433,148.591553,-0.000000>,1.500000
<32.090775,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.090775,149.492630,-0.000000>,1.500000
<31.657114,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657114,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.657114,150.393707,-0.000000>,1.500000
<31.223455,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,151.294785,-0.000000>,1.500000
<30.789795,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.789795,152.195862,-0.000000>,1.500000
<30.356136,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.356136,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,153.096924,-0.000000>,1.500000
<30.356136,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.356136,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,154.096924,-0.000000>,1.500000
<30.356136,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.356136,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,153.096924,-0.000000>,1.500000
<29.574615,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.574615,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.574615,153.720810,-0.000000>,1.500000
<28.793097,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.793097,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,153.096924,-0.000000>,1.500000
<29.922478,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.922478,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,153.998001,-0.000000>,1.500000
<29.488819,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.488819,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.488819,154.899078,-0.000000>,1.500000
<29.055159,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.055159,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.055159,155.800156,-0.000000>,1.500000
<28.621500,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.621500,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,144.086166,-0.000000>,1.500000
<34.692726,145.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,145.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,145.086166,-0.000000>,1.500000
<34.692726,146.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,146.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,146.086166,-0.000000>,1.500000
<34.692726,147.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,147.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,147.086166,-0.000000>,1.500000
<34.692726,148.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,148.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,148.086166,-0.000000>,1.500000
<34.692726,149.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,149.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,149.086166,-0.000000>,1.500000
<34.692726,150.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,150.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,150.086166,-0.000000>,1.500000
<34.692726,151.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,151.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,151.086166,-0.000000>,1.500000
<34.692726,152.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,152.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,152.086166,-0.000000>,1.500000
<34.692726,153.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,153.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,153.086166,-0.000000>,1.500000
<34.692726,154.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,154.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,154.086166,-0.000000>,1.500000
<34.692726,155.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,155.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,155.086166,-0.000000>,1.500000
<34.692726,156.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,156.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,156.086166,-0.000000>,1.500000
<35.126389,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.126389,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.126389,156.987244,-0.000000>,1.500000
<35.560047,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.560047,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.560047,157.888321,-0.000000>,1.500000
<36.341568,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.341568,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.341568,158.512192,-0.000000>,1.500000
<37.123085,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.123085,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.560047,157.888321,-0.000000>,1.500000
<35.560047,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.560047,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.560047,158.888321,-0.000000>,1.500000
<35.560047,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.560047,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.560047,157.888321,-0.000000>,1.500000
<35.993706,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.993706,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.993706,158.789398,-0.000000>,1.500000
<36.427364,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,159.690475,-0.000000>,1.500000
<36.861023,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.861023,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.861023,160.591553,-0.000000>,1.500000
<37.294682,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.294682,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,156.086166,-0.000000>,1.500000
<34.259068,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.259068,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.259068,156.987244,-0.000000>,1.500000
<33.825409,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,157.888321,-0.000000>,1.500000
<33.825409,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,158.888321,-0.000000>,1.500000
<33.825409,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,157.888321,-0.000000>,1.500000
<33.043888,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.043888,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.043888,158.512192,-0.000000>,1.500000
<32.262367,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.262367,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,157.888321,-0.000000>,1.500000
<33.391750,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.391750,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.391750,158.789398,-0.000000>,1.500000
<32.958092,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,159.690475,-0.000000>,1.500000
<32.524433,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.524433,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.524433,160.591553,-0.000000>,1.500000
<32.090775,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,156.086166,-0.000000>,1.500000
<34.692726,157.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,157.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,157.086166,-0.000000>,1.500000
<34.692726,158.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,158.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,158.086166,-0.000000>,1.500000
<34.692726,159.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,159.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,159.086166,-0.000000>,1.500000
<34.692726,160.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,160.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,160.086166,-0.000000>,1.500000
<34.692726,161.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,161.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,161.086166,-0.000000>,1.500000
<34.692726,162.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,162.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,162.086166,-0.000000>,1.500000
<35.126389,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.126389,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.126389,162.987244,-0.000000>,1.500000
<35.560047,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.560047,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,162.086166,-0.000000>,1.500000
<34.259068,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.259068,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.259068,162.987244,-0.000000>,1.500000
<33.825409,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,162.086166,-0.000000>,1.500000
<34.692726,163.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,163.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,163.086166,-0.000000>,1.500000
<34.692726,164.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,164.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,164.086166,-0.000000>,1.500000
<34.692726,165.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,165.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,165.086166,-0.000000>,1.500000
<34.692726,166.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.692726,166.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.692726,136.086166,-0.000000>,1.500000
<35.126389,136.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.126389,136.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.126389,136.987244,-0.000000>,1.500000
<35.560047,137.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.560047,137.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.560047,137.888321,-0.000000>,1.500000
<35.993706,138.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.993706,138.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.993706,138.789398,-0.000000>,1.500000
<36.427364,139.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.427364,139.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.427364,139.690475,-0.000000>,1.500000
<36.861023,140.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.861023,140.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.861023,140.591553,-0.000000>,1.500000
<37.294682,141.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.294682,141.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.294682,141.492630,-0.000000>,1.500000
<37.728340,142.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.728340,142.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.728340,142.393707,-0.000000>,1.500000
<38.161999,143.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.161999,143.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.161999,143.294785,-0.000000>,1.500000
<38.595661,144.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.595661,144.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.595661,144.195862,-0.000000>,1.500000
<39.029320,145.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.029320,145.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.029320,145.096924,-0.000000>,1.500000
<39.462978,145.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.462978,145.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.462978,145.998001,-0.000000>,1.500000
<39.896637,146.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.896637,146.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.896637,146.899078,-0.000000>,1.500000
<40.330296,147.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.330296,147.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.330296,147.800156,-0.000000>,1.500000
<40.763954,148.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.763954,148.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.763954,148.701233,-0.000000>,1.500000
<41.197613,149.602310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.197613,149.602310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.197613,149.602310,-0.000000>,1.500000
<41.631275,150.503387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.631275,150.503387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.631275,150.503387,-0.000000>,1.500000
<42.064934,151.404465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.064934,151.404465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.064934,151.404465,-0.000000>,1.500000
<42.498592,152.305542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.498592,152.305542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.498592,152.305542,-0.000000>,1.500000
<42.932251,153.206619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.932251,153.206619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.932251,153.206619,-0.000000>,1.500000
<43.365910,154.107697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.365910,154.107697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.365910,154.107697,-0.000000>,1.500000
<43.799568,155.008774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.799568,155.008774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.799568,155.008774,-0.000000>,1.500000
<44.233227,155.909851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.233227,155.909851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.233227,155.909851,-0.000000>,1.500000
<44.666885,156.810928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.666885,156.810928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.666885,156.810928,-0.000000>,1.500000
<45.100548,157.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,157.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,157.712006,-0.000000>,1.500000
<45.882065,158.335892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.882065,158.335892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.882065,158.335892,-0.000000>,1.500000
<46.663586,158.959763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.663586,158.959763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.663586,158.959763,-0.000000>,1.500000
<47.445107,159.583649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.445107,159.583649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.445107,159.583649,-0.000000>,1.500000
<48.226627,160.207535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.226627,160.207535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.226627,160.207535,-0.000000>,1.500000
<49.201389,160.430771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.201389,160.430771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.201389,160.430771,-0.000000>,1.500000
<50.176151,160.654022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.176151,160.654022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.176151,160.654022,-0.000000>,1.500000
<51.151299,160.432480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.151299,160.432480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.151299,160.432480,-0.000000>,1.500000
<52.126450,160.210938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.126450,160.210938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.176151,160.654022,-0.000000>,1.500000
<50.957672,161.277908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.957672,161.277908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.957672,161.277908,-0.000000>,1.500000
<51.739193,161.901794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.739193,161.901794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.176151,160.654022,-0.000000>,1.500000
<51.150913,160.877274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.150913,160.877274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.150913,160.877274,-0.000000>,1.500000
<52.125671,161.100525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.125671,161.100525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.125671,161.100525,-0.000000>,1.500000
<53.100433,161.323776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.100433,161.323776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.100433,161.323776,-0.000000>,1.500000
<54.075195,161.547028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.075195,161.547028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.226627,160.207535,-0.000000>,1.500000
<48.660286,161.108612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.660286,161.108612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.660286,161.108612,-0.000000>,1.500000
<49.093945,162.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.093945,162.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.093945,162.009689,-0.000000>,1.500000
<49.875465,162.633560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.875465,162.633560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.875465,162.633560,-0.000000>,1.500000
<50.656986,163.257446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.656986,163.257446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.093945,162.009689,-0.000000>,1.500000
<49.093945,163.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.093945,163.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.093945,163.009689,-0.000000>,1.500000
<49.093945,164.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.093945,164.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.093945,162.009689,-0.000000>,1.500000
<49.527607,162.910751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.527607,162.910751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.527607,162.910751,-0.000000>,1.500000
<49.961266,163.811829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.961266,163.811829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.961266,163.811829,-0.000000>,1.500000
<50.394924,164.712906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.394924,164.712906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.394924,164.712906,-0.000000>,1.500000
<50.828583,165.613983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.828583,165.613983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.226627,160.207535,-0.000000>,1.500000
<49.008148,160.831406,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.008148,160.831406,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.008148,160.831406,-0.000000>,1.500000
<49.789669,161.455292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.789669,161.455292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.789669,161.455292,-0.000000>,1.500000
<50.571190,162.079163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.571190,162.079163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.571190,162.079163,-0.000000>,1.500000
<51.352711,162.703049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.352711,162.703049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.352711,162.703049,-0.000000>,1.500000
<52.134232,163.326920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.134232,163.326920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.134232,163.326920,-0.000000>,1.500000
<52.915752,163.950806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.915752,163.950806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.915752,163.950806,-0.000000>,1.500000
<53.890511,164.174057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.890511,164.174057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.890511,164.174057,-0.000000>,1.500000
<54.865273,164.397308,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.865273,164.397308,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.915752,163.950806,-0.000000>,1.500000
<53.349411,164.851883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.349411,164.851883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.349411,164.851883,-0.000000>,1.500000
<53.783070,165.752960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.783070,165.752960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.915752,163.950806,-0.000000>,1.500000
<53.697273,164.574692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.697273,164.574692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.697273,164.574692,-0.000000>,1.500000
<54.478790,165.198563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.478790,165.198563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.478790,165.198563,-0.000000>,1.500000
<55.260311,165.822449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.260311,165.822449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.260311,165.822449,-0.000000>,1.500000
<56.041832,166.446320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.041832,166.446320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,157.712006,-0.000000>,1.500000
<45.100548,158.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,158.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,158.712006,-0.000000>,1.500000
<45.100548,159.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,159.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,159.712006,-0.000000>,1.500000
<45.100548,160.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,160.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,160.712006,-0.000000>,1.500000
<45.100548,161.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,161.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,161.712006,-0.000000>,1.500000
<45.534206,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.534206,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.534206,162.613083,-0.000000>,1.500000
<45.967865,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.967865,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.967865,163.514160,-0.000000>,1.500000
<46.749386,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.749386,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.749386,164.138046,-0.000000>,1.500000
<47.530907,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.530907,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.967865,163.514160,-0.000000>,1.500000
<45.967865,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.967865,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.967865,164.514160,-0.000000>,1.500000
<45.967865,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.967865,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.967865,163.514160,-0.000000>,1.500000
<46.401524,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.401524,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.401524,164.415237,-0.000000>,1.500000
<46.835182,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.835182,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.835182,165.316315,-0.000000>,1.500000
<47.268841,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.268841,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.268841,166.217392,-0.000000>,1.500000
<47.702499,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.702499,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,161.712006,-0.000000>,1.500000
<44.666885,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.666885,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.666885,162.613083,-0.000000>,1.500000
<44.233227,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.233227,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.233227,163.514160,-0.000000>,1.500000
<44.233227,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.233227,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.233227,164.514160,-0.000000>,1.500000
<44.233227,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.233227,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.233227,163.514160,-0.000000>,1.500000
<43.451706,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.451706,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.451706,164.138046,-0.000000>,1.500000
<42.670185,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.670185,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.233227,163.514160,-0.000000>,1.500000
<43.799568,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.799568,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.799568,164.415237,-0.000000>,1.500000
<43.365910,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.365910,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.365910,165.316315,-0.000000>,1.500000
<42.932251,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.932251,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.932251,166.217392,-0.000000>,1.500000
<42.498592,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.498592,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,161.712006,-0.000000>,1.500000
<45.100548,162.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,162.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,162.712006,-0.000000>,1.500000
<45.100548,163.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,163.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,163.712006,-0.000000>,1.500000
<45.100548,164.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,164.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,164.712006,-0.000000>,1.500000
<45.100548,165.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,165.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,165.712006,-0.000000>,1.500000
<45.100548,166.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,166.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,166.712006,-0.000000>,1.500000
<45.100548,167.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,167.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,167.712006,-0.000000>,1.500000
<45.534206,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.534206,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.534206,168.613083,-0.000000>,1.500000
<45.967865,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.967865,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,167.712006,-0.000000>,1.500000
<44.666885,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.666885,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.666885,168.613083,-0.000000>,1.500000
<44.233227,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.233227,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,167.712006,-0.000000>,1.500000
<45.100548,168.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,168.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,168.712006,-0.000000>,1.500000
<45.100548,169.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,169.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,169.712006,-0.000000>,1.500000
<45.100548,170.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,170.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,170.712006,-0.000000>,1.500000
<45.100548,171.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.100548,171.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.100548,157.712006,-0.000000>,1.500000
<45.534206,158.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.534206,158.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.534206,158.613083,-0.000000>,1.500000
<45.967865,159.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.967865,159.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.967865,159.514160,-0.000000>,1.500000
<46.401524,160.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.401524,160.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.401524,160.415237,-0.000000>,1.500000
<46.835182,161.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.835182,161.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.835182,161.316315,-0.000000>,1.500000
<47.268841,162.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.268841,162.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.268841,162.217392,-0.000000>,1.500000
<47.702499,163.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.702499,163.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.702499,163.118469,-0.000000>,1.500000
<48.136158,164.019547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.136158,164.019547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.136158,164.019547,-0.000000>,1.500000
<48.569820,164.920624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.569820,164.920624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.569820,164.920624,-0.000000>,1.500000
<49.003479,165.821701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.003479,165.821701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.003479,165.821701,-0.000000>,1.500000
<49.437138,166.722778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.437138,166.722778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.437138,166.722778,-0.000000>,1.500000
<49.870796,167.623856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.870796,167.623856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.870796,167.623856,-0.000000>,1.500000
<50.304455,168.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.304455,168.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,168.524933,-0.000000>,1.500000
<51.085976,169.148819,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.085976,169.148819,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.085976,169.148819,-0.000000>,1.500000
<51.867496,169.772690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.867496,169.772690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.867496,169.772690,-0.000000>,1.500000
<52.842258,169.995941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.842258,169.995941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.842258,169.995941,-0.000000>,1.500000
<53.817020,170.219193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.817020,170.219193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.867496,169.772690,-0.000000>,1.500000
<52.301155,170.673767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.301155,170.673767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.301155,170.673767,-0.000000>,1.500000
<52.734814,171.574844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.734814,171.574844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.867496,169.772690,-0.000000>,1.500000
<52.649017,170.396576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.649017,170.396576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.649017,170.396576,-0.000000>,1.500000
<53.430538,171.020447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.430538,171.020447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.430538,171.020447,-0.000000>,1.500000
<54.212059,171.644333,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.212059,171.644333,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.212059,171.644333,-0.000000>,1.500000
<54.993580,172.268204,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.993580,172.268204,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,168.524933,-0.000000>,1.500000
<50.304455,169.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.304455,169.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,169.524933,-0.000000>,1.500000
<50.304455,170.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.304455,170.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,170.524933,-0.000000>,1.500000
<50.738113,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.738113,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.738113,171.426010,-0.000000>,1.500000
<51.171772,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.171772,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,170.524933,-0.000000>,1.500000
<49.870796,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.870796,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.870796,171.426010,-0.000000>,1.500000
<49.437138,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.437138,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,170.524933,-0.000000>,1.500000
<50.304455,171.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.304455,171.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,171.524933,-0.000000>,1.500000
<50.304455,172.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.304455,172.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,172.524933,-0.000000>,1.500000
<50.304455,173.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.304455,173.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,173.524933,-0.000000>,1.500000
<50.304455,174.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.304455,174.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.304455,168.524933,-0.000000>,1.500000
<50.738113,169.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.738113,169.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.738113,169.426010,-0.000000>,1.500000
<51.171772,170.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.171772,170.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.171772,170.327087,-0.000000>,1.500000
<51.605431,171.228165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.605431,171.228165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.605431,171.228165,-0.000000>,1.500000
<52.039093,172.129242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.039093,172.129242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.039093,172.129242,-0.000000>,1.500000
<52.472752,173.030319,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.472752,173.030319,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.472752,173.030319,-0.000000>,1.500000
<52.906410,173.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.906410,173.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.906410,173.931396,-0.000000>,1.500000
<53.687931,174.555283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.687931,174.555283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.687931,174.555283,-0.000000>,1.500000
<54.469452,175.179153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.469452,175.179153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.906410,173.931396,-0.000000>,1.500000
<52.906410,174.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.906410,174.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.906410,174.931396,-0.000000>,1.500000
<52.906410,175.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.906410,175.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.906410,173.931396,-0.000000>,1.500000
<53.340069,174.832474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.340069,174.832474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.340069,174.832474,-0.000000>,1.500000
<53.773727,175.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.773727,175.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.773727,175.733551,-0.000000>,1.500000
<54.207386,176.634628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.207386,176.634628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.207386,176.634628,-0.000000>,1.500000
<54.641045,177.535706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.641045,177.535706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,64.000000,-0.000000>,1.500000
<-0.433659,64.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,64.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,64.901077,-0.000000>,1.500000
<-0.867318,65.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,65.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,65.802155,-0.000000>,1.500000
<-1.300977,66.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,66.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,66.703232,-0.000000>,1.500000
<-1.734636,67.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,67.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,67.604309,-0.000000>,1.500000
<-2.168295,68.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,68.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,68.505386,-0.000000>,1.500000
<-2.601955,69.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,69.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,69.406464,-0.000000>,1.500000
<-3.035614,70.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,70.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,70.307541,-0.000000>,1.500000
<-3.469273,71.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,71.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,71.208618,-0.000000>,1.500000
<-3.902932,72.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,72.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,72.109695,-0.000000>,1.500000
<-4.336591,73.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,73.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,73.010773,-0.000000>,1.500000
<-4.770250,73.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,73.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,73.911850,-0.000000>,1.500000
<-5.203909,74.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,74.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,74.812927,-0.000000>,1.500000
<-5.637568,75.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,75.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,75.714005,-0.000000>,1.500000
<-6.071228,76.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,76.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,76.615082,-0.000000>,1.500000
<-6.504887,77.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,77.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,77.516151,-0.000000>,1.500000
<-6.938546,78.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,78.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,78.417229,-0.000000>,1.500000
<-7.372205,79.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,79.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,79.318306,-0.000000>,1.500000
<-7.805864,80.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,80.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,80.219383,-0.000000>,1.500000
<-8.239523,81.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,81.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,81.120461,-0.000000>,1.500000
<-8.673182,82.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,82.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,82.021538,-0.000000>,1.500000
<-9.106841,82.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,82.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,82.922615,-0.000000>,1.500000
<-9.540500,83.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,83.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,83.823692,-0.000000>,1.500000
<-9.974159,84.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,84.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,84.724770,-0.000000>,1.500000
<-10.407819,85.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,85.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,85.625847,-0.000000>,1.500000
<-10.841477,86.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,86.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,86.526924,-0.000000>,1.500000
<-11.275137,87.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,87.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,87.428001,-0.000000>,1.500000
<-11.708796,88.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,88.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,88.329079,-0.000000>,1.500000
<-12.142455,89.230156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,89.230156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,89.230156,-0.000000>,1.500000
<-12.576114,90.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,90.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,90.131233,-0.000000>,1.500000
<-13.009773,91.032310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,91.032310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,91.032310,-0.000000>,1.500000
<-13.443432,91.933388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,91.933388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,91.933388,-0.000000>,1.500000
<-13.877091,92.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,92.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,92.834465,-0.000000>,1.500000
<-13.877091,93.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,93.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,93.834465,-0.000000>,1.500000
<-13.877091,94.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,94.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,94.834465,-0.000000>,1.500000
<-13.877091,95.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,95.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,95.834465,-0.000000>,1.500000
<-13.877091,96.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,96.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,96.834465,-0.000000>,1.500000
<-13.877091,97.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,97.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,97.834465,-0.000000>,1.500000
<-13.877091,98.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,98.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,98.834465,-0.000000>,1.500000
<-13.877091,99.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,99.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,99.834465,-0.000000>,1.500000
<-13.877091,100.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,100.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,100.834465,-0.000000>,1.500000
<-13.877091,101.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,101.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,101.834465,-0.000000>,1.500000
<-13.877091,102.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,102.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,102.834465,-0.000000>,1.500000
<-13.877091,103.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,103.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,103.834465,-0.000000>,1.500000
<-13.877091,104.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,104.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,104.834465,-0.000000>,1.500000
<-13.877091,105.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,105.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,105.834465,-0.000000>,1.500000
<-13.877091,106.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,106.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,106.834465,-0.000000>,1.500000
<-13.877091,107.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,107.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,107.834465,-0.000000>,1.500000
<-13.877091,108.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,108.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,108.834465,-0.000000>,1.500000
<-13.443432,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,109.735542,-0.000000>,1.500000
<-13.009773,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,110.636620,-0.000000>,1.500000
<-12.576114,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,111.537697,-0.000000>,1.500000
<-12.142455,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,112.438774,-0.000000>,1.500000
<-11.708796,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,113.339851,-0.000000>,1.500000
<-11.275137,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,114.240929,-0.000000>,1.500000
<-10.841477,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,115.142006,-0.000000>,1.500000
<-10.407819,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,116.043083,-0.000000>,1.500000
<-9.626298,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.626298,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.626298,116.666962,-0.000000>,1.500000
<-8.844777,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.844777,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.844777,117.290840,-0.000000>,1.500000
<-8.063257,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.063257,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.063257,117.914719,-0.000000>,1.500000
<-7.281736,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.281736,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.281736,118.538597,-0.000000>,1.500000
<-6.306975,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.306975,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.306975,118.761848,-0.000000>,1.500000
<-5.332214,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.332214,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.332214,118.985100,-0.000000>,1.500000
<-4.357065,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.357065,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.357065,118.763550,-0.000000>,1.500000
<-3.381915,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.381915,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.332214,118.985100,-0.000000>,1.500000
<-4.550694,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.550694,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.550694,119.608978,-0.000000>,1.500000
<-3.769173,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.769173,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.332214,118.985100,-0.000000>,1.500000
<-4.357453,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.357453,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.357453,119.208351,-0.000000>,1.500000
<-3.382692,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.382692,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.382692,119.431602,-0.000000>,1.500000
<-2.407930,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.407930,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.407930,119.654846,-0.000000>,1.500000
<-1.433169,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.433169,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.281736,118.538597,-0.000000>,1.500000
<-6.848077,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.848077,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.848077,119.439674,-0.000000>,1.500000
<-6.414418,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.414418,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.414418,120.340752,-0.000000>,1.500000
<-5.632898,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.632898,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.632898,120.964630,-0.000000>,1.500000
<-4.851377,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.851377,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.414418,120.340752,-0.000000>,1.500000
<-6.414418,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.414418,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.414418,121.340752,-0.000000>,1.500000
<-6.414418,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.414418,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.414418,120.340752,-0.000000>,1.500000
<-5.980759,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.980759,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.980759,121.241829,-0.000000>,1.500000
<-5.547100,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.547100,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.547100,122.142906,-0.000000>,1.500000
<-5.113441,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.113441,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.113441,123.043983,-0.000000>,1.500000
<-4.679782,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.679782,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.281736,118.538597,-0.000000>,1.500000
<-6.500216,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500216,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500216,119.162476,-0.000000>,1.500000
<-5.718695,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.718695,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.718695,119.786362,-0.000000>,1.500000
<-4.937175,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.937175,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.937175,120.410240,-0.000000>,1.500000
<-4.155654,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.155654,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.155654,121.034119,-0.000000>,1.500000
<-3.374134,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.374134,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.374134,121.657997,-0.000000>,1.500000
<-2.592613,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.592613,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.592613,122.281876,-0.000000>,1.500000
<-1.617852,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.617852,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.617852,122.505127,-0.000000>,1.500000
<-0.643091,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.643091,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.592613,122.281876,-0.000000>,1.500000
<-2.158954,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.158954,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.158954,123.182953,-0.000000>,1.500000
<-1.725295,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.725295,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.592613,122.281876,-0.000000>,1.500000
<-1.811093,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.811093,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.811093,122.905754,-0.000000>,1.500000
<-1.029572,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.029572,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.029572,123.529633,-0.000000>,1.500000
<-0.248052,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.248052,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.248052,124.153519,-0.000000>,1.500000
<0.533469,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.533469,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,116.043083,-0.000000>,1.500000
<-10.407819,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,117.043083,-0.000000>,1.500000
<-10.407819,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,118.043083,-0.000000>,1.500000
<-10.407819,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,119.043083,-0.000000>,1.500000
<-10.407819,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,120.043083,-0.000000>,1.500000
<-9.974159,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,120.944160,-0.000000>,1.500000
<-9.540500,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,121.845238,-0.000000>,1.500000
<-8.758980,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.758980,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.758980,122.469116,-0.000000>,1.500000
<-7.977459,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.977459,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,121.845238,-0.000000>,1.500000
<-9.540500,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,122.845238,-0.000000>,1.500000
<-9.540500,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,121.845238,-0.000000>,1.500000
<-9.106841,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,122.746315,-0.000000>,1.500000
<-8.673182,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,123.647392,-0.000000>,1.500000
<-8.239523,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,124.548462,-0.000000>,1.500000
<-7.805864,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,120.043083,-0.000000>,1.500000
<-10.841477,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,120.944160,-0.000000>,1.500000
<-11.275137,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,121.845238,-0.000000>,1.500000
<-11.275137,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,122.845238,-0.000000>,1.500000
<-11.275137,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,121.845238,-0.000000>,1.500000
<-12.056657,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056657,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.056657,122.469116,-0.000000>,1.500000
<-12.838178,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.838178,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,121.845238,-0.000000>,1.500000
<-11.708796,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,122.746315,-0.000000>,1.500000
<-12.142455,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,123.647392,-0.000000>,1.500000
<-12.576114,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,124.548462,-0.000000>,1.500000
<-13.009773,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,120.043083,-0.000000>,1.500000
<-10.407819,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,121.043083,-0.000000>,1.500000
<-10.407819,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,122.043083,-0.000000>,1.500000
<-10.407819,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,123.043083,-0.000000>,1.500000
<-10.407819,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,124.043083,-0.000000>,1.500000
<-10.407819,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,125.043083,-0.000000>,1.500000
<-10.407819,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,126.043083,-0.000000>,1.500000
<-9.974159,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,126.944160,-0.000000>,1.500000
<-9.540500,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,126.043083,-0.000000>,1.500000
<-10.841477,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,126.944160,-0.000000>,1.500000
<-11.275137,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,126.043083,-0.000000>,1.500000
<-10.407819,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,127.043083,-0.000000>,1.500000
<-10.407819,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,128.043076,-0.000000>,1.500000
<-10.407819,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,129.043076,-0.000000>,1.500000
<-10.407819,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,116.043083,-0.000000>,1.500000
<-9.974159,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,116.944160,-0.000000>,1.500000
<-9.540500,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,117.845238,-0.000000>,1.500000
<-9.106841,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,118.746315,-0.000000>,1.500000
<-8.673182,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,119.647392,-0.000000>,1.500000
<-8.239523,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,120.548462,-0.000000>,1.500000
<-7.805864,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,121.449539,-0.000000>,1.500000
<-7.372205,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,122.350616,-0.000000>,1.500000
<-6.938546,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,123.251694,-0.000000>,1.500000
<-6.504887,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,124.152771,-0.000000>,1.500000
<-6.071228,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,125.053848,-0.000000>,1.500000
<-5.637568,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,125.954926,-0.000000>,1.500000
<-5.203909,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,126.856003,-0.000000>,1.500000
<-4.422389,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.422389,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.422389,127.479881,-0.000000>,1.500000
<-3.640868,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.640868,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.640868,128.103760,-0.000000>,1.500000
<-2.666107,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.666107,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.666107,128.327011,-0.000000>,1.500000
<-1.691346,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.691346,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.640868,128.103760,-0.000000>,1.500000
<-3.207209,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.207209,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.207209,129.004837,-0.000000>,1.500000
<-2.773550,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.773550,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.640868,128.103760,-0.000000>,1.500000
<-2.859348,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.859348,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.859348,128.727646,-0.000000>,1.500000
<-2.077827,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.077827,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.077827,129.351517,-0.000000>,1.500000
<-1.296307,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.296307,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.296307,129.975403,-0.000000>,1.500000
<-0.514786,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.514786,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,126.856003,-0.000000>,1.500000
<-5.203909,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,127.856003,-0.000000>,1.500000
<-5.203909,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,128.856003,-0.000000>,1.500000
<-4.770250,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,129.757080,-0.000000>,1.500000
<-4.336591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,128.856003,-0.000000>,1.500000
<-5.637568,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,129.757080,-0.000000>,1.500000
<-6.071228,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,128.856003,-0.000000>,1.500000
<-5.203909,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,129.856003,-0.000000>,1.500000
<-5.203909,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,130.856003,-0.000000>,1.500000
<-5.203909,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,131.856003,-0.000000>,1.500000
<-5.203909,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,126.856003,-0.000000>,1.500000
<-4.770250,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,127.757080,-0.000000>,1.500000
<-4.336591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,128.658157,-0.000000>,1.500000
<-3.902932,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,129.559235,-0.000000>,1.500000
<-3.469273,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,130.460312,-0.000000>,1.500000
<-3.035614,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,131.361389,-0.000000>,1.500000
<-2.601955,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,132.262466,-0.000000>,1.500000
<-1.820434,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.820434,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.820434,132.886353,-0.000000>,1.500000
<-1.038914,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.038914,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,132.262466,-0.000000>,1.500000
<-2.601955,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,133.262466,-0.000000>,1.500000
<-2.601955,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,132.262466,-0.000000>,1.500000
<-2.168295,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,133.163544,-0.000000>,1.500000
<-1.734636,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,134.064621,-0.000000>,1.500000
<-1.300977,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,134.965698,-0.000000>,1.500000
<-0.867318,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,108.834465,-0.000000>,1.500000
<-14.310750,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,109.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,109.735542,-0.000000>,1.500000
<-14.744410,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,110.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,110.636620,-0.000000>,1.500000
<-15.178068,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,111.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,111.537697,-0.000000>,1.500000
<-15.611728,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,112.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,112.438774,-0.000000>,1.500000
<-16.045387,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,113.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,113.339851,-0.000000>,1.500000
<-16.479046,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,114.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,114.240929,-0.000000>,1.500000
<-16.912704,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,115.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,115.142006,-0.000000>,1.500000
<-17.346363,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,116.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,116.043083,-0.000000>,1.500000
<-17.346363,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,117.043083,-0.000000>,1.500000
<-17.346363,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,118.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,118.043083,-0.000000>,1.500000
<-17.346363,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,119.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,119.043083,-0.000000>,1.500000
<-17.346363,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,120.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,120.043083,-0.000000>,1.500000
<-16.912704,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,120.944160,-0.000000>,1.500000
<-16.479046,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,121.845238,-0.000000>,1.500000
<-15.697525,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.697525,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.697525,122.469116,-0.000000>,1.500000
<-14.916005,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.916005,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,121.845238,-0.000000>,1.500000
<-16.479046,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,122.845238,-0.000000>,1.500000
<-16.479046,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,121.845238,-0.000000>,1.500000
<-16.045387,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,122.746315,-0.000000>,1.500000
<-15.611728,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,123.647392,-0.000000>,1.500000
<-15.178068,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,124.548462,-0.000000>,1.500000
<-14.744410,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,120.043083,-0.000000>,1.500000
<-17.780024,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,120.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,120.944160,-0.000000>,1.500000
<-18.213682,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,121.845238,-0.000000>,1.500000
<-18.213682,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,122.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,122.845238,-0.000000>,1.500000
<-18.213682,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,123.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,121.845238,-0.000000>,1.500000
<-18.995203,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.995203,122.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.995203,122.469116,-0.000000>,1.500000
<-19.776724,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.776724,123.092995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,121.845238,-0.000000>,1.500000
<-18.647341,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,122.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,122.746315,-0.000000>,1.500000
<-19.080999,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.080999,123.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,123.647392,-0.000000>,1.500000
<-19.514660,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.514660,124.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,124.548462,-0.000000>,1.500000
<-19.948318,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,125.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,120.043083,-0.000000>,1.500000
<-17.346363,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,121.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,121.043083,-0.000000>,1.500000
<-17.346363,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,122.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,122.043083,-0.000000>,1.500000
<-17.346363,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,123.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,123.043083,-0.000000>,1.500000
<-17.346363,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,124.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,124.043083,-0.000000>,1.500000
<-17.346363,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,125.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,125.043083,-0.000000>,1.500000
<-17.346363,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,126.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,126.043083,-0.000000>,1.500000
<-16.912704,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,126.944160,-0.000000>,1.500000
<-16.479046,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,126.043083,-0.000000>,1.500000
<-17.780024,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,126.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,126.944160,-0.000000>,1.500000
<-18.213682,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,127.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,126.043083,-0.000000>,1.500000
<-17.346363,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,127.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,127.043083,-0.000000>,1.500000
<-17.346363,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,128.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,128.043076,-0.000000>,1.500000
<-17.346363,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,129.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,129.043076,-0.000000>,1.500000
<-17.346363,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,130.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,116.043083,-0.000000>,1.500000
<-18.127884,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.127884,116.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.127884,116.666962,-0.000000>,1.500000
<-18.909405,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.909405,117.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.909405,117.290840,-0.000000>,1.500000
<-19.690926,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.690926,117.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.690926,117.914719,-0.000000>,1.500000
<-20.472446,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.472446,118.538597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.472446,118.538597,-0.000000>,1.500000
<-20.906105,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.906105,119.439674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.906105,119.439674,-0.000000>,1.500000
<-21.339764,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.339764,120.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,120.340752,-0.000000>,1.500000
<-21.339764,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.339764,121.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,121.340752,-0.000000>,1.500000
<-21.339764,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.339764,122.340752,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,120.340752,-0.000000>,1.500000
<-22.121284,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.121284,120.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.121284,120.964630,-0.000000>,1.500000
<-22.902805,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.902805,121.588509,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,120.340752,-0.000000>,1.500000
<-21.773422,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.773422,121.241829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.773422,121.241829,-0.000000>,1.500000
<-22.207083,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.207083,122.142906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.207083,122.142906,-0.000000>,1.500000
<-22.640741,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.640741,123.043983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.640741,123.043983,-0.000000>,1.500000
<-23.074400,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.074400,123.945061,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.472446,118.538597,-0.000000>,1.500000
<-21.447206,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.447206,118.761848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.447206,118.761848,-0.000000>,1.500000
<-22.421968,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.421968,118.985100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.421968,118.985100,-0.000000>,1.500000
<-23.203489,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.203489,119.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.203489,119.608978,-0.000000>,1.500000
<-23.985010,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.985010,120.232857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.421968,118.985100,-0.000000>,1.500000
<-23.397118,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.397118,118.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.397118,118.763550,-0.000000>,1.500000
<-24.372267,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.372267,118.542000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.421968,118.985100,-0.000000>,1.500000
<-23.396729,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.396729,119.208351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.396729,119.208351,-0.000000>,1.500000
<-24.371490,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.371490,119.431602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.371490,119.431602,-0.000000>,1.500000
<-25.346252,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.346252,119.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.346252,119.654846,-0.000000>,1.500000
<-26.321012,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.321012,119.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.472446,118.538597,-0.000000>,1.500000
<-21.253965,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.253965,119.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.253965,119.162476,-0.000000>,1.500000
<-22.035486,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.035486,119.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.035486,119.786362,-0.000000>,1.500000
<-22.817007,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.817007,120.410240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.817007,120.410240,-0.000000>,1.500000
<-23.598528,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.598528,121.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.598528,121.034119,-0.000000>,1.500000
<-24.380049,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.380049,121.657997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.380049,121.657997,-0.000000>,1.500000
<-25.161570,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.161570,122.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.161570,122.281876,-0.000000>,1.500000
<-25.595228,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.595228,123.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.595228,123.182953,-0.000000>,1.500000
<-26.028887,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.028887,124.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.161570,122.281876,-0.000000>,1.500000
<-26.136330,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.136330,122.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.136330,122.505127,-0.000000>,1.500000
<-27.111092,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.111092,122.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.161570,122.281876,-0.000000>,1.500000
<-25.943089,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.943089,122.905754,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.943089,122.905754,-0.000000>,1.500000
<-26.724609,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.724609,123.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.724609,123.529633,-0.000000>,1.500000
<-27.506130,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.506130,124.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.506130,124.153519,-0.000000>,1.500000
<-28.287651,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.287651,124.777397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,116.043083,-0.000000>,1.500000
<-17.780024,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,116.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,116.944160,-0.000000>,1.500000
<-18.213682,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,117.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,117.845238,-0.000000>,1.500000
<-18.647341,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,118.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,118.746315,-0.000000>,1.500000
<-19.080999,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.080999,119.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,119.647392,-0.000000>,1.500000
<-19.514660,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.514660,120.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,120.548462,-0.000000>,1.500000
<-19.948318,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,121.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.948318,121.449539,-0.000000>,1.500000
<-20.381977,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.381977,122.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.381977,122.350616,-0.000000>,1.500000
<-20.815638,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.815638,123.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,123.251694,-0.000000>,1.500000
<-21.249296,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.249296,124.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.249296,124.152771,-0.000000>,1.500000
<-21.682955,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.682955,125.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.682955,125.053848,-0.000000>,1.500000
<-22.116613,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.116613,125.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.116613,125.954926,-0.000000>,1.500000
<-22.550274,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,126.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,126.856003,-0.000000>,1.500000
<-22.550274,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,127.856003,-0.000000>,1.500000
<-22.550274,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,128.856003,-0.000000>,1.500000
<-22.116613,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.116613,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.116613,129.757080,-0.000000>,1.500000
<-21.682955,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.682955,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,128.856003,-0.000000>,1.500000
<-22.983932,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.983932,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.983932,129.757080,-0.000000>,1.500000
<-23.417591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.417591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,128.856003,-0.000000>,1.500000
<-22.550274,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,129.856003,-0.000000>,1.500000
<-22.550274,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,130.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,130.856003,-0.000000>,1.500000
<-22.550274,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,131.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,131.856003,-0.000000>,1.500000
<-22.550274,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,132.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,126.856003,-0.000000>,1.500000
<-23.331793,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.331793,127.479881,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.331793,127.479881,-0.000000>,1.500000
<-24.113314,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.113314,128.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.113314,128.103760,-0.000000>,1.500000
<-24.546972,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.546972,129.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.546972,129.004837,-0.000000>,1.500000
<-24.980633,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.980633,129.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.113314,128.103760,-0.000000>,1.500000
<-25.088076,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.088076,128.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.088076,128.327011,-0.000000>,1.500000
<-26.062836,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.062836,128.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.113314,128.103760,-0.000000>,1.500000
<-24.894835,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.894835,128.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.894835,128.727646,-0.000000>,1.500000
<-25.676355,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.676355,129.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.676355,129.351517,-0.000000>,1.500000
<-26.457876,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.457876,129.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.457876,129.975403,-0.000000>,1.500000
<-27.239395,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.239395,130.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,126.856003,-0.000000>,1.500000
<-22.983932,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.983932,127.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.983932,127.757080,-0.000000>,1.500000
<-23.417591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.417591,128.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.417591,128.658157,-0.000000>,1.500000
<-23.851250,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.851250,129.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.851250,129.559235,-0.000000>,1.500000
<-24.284910,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.284910,130.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.284910,130.460312,-0.000000>,1.500000
<-24.718569,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.718569,131.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,131.361389,-0.000000>,1.500000
<-25.152227,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,132.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,132.262466,-0.000000>,1.500000
<-25.152227,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,133.262466,-0.000000>,1.500000
<-25.152227,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,134.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,132.262466,-0.000000>,1.500000
<-25.933748,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.933748,132.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.933748,132.886353,-0.000000>,1.500000
<-26.715269,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.715269,133.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,132.262466,-0.000000>,1.500000
<-25.585886,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.585886,133.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.585886,133.163544,-0.000000>,1.500000
<-26.019547,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.019547,134.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.019547,134.064621,-0.000000>,1.500000
<-26.453205,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.453205,134.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.453205,134.965698,-0.000000>,1.500000
<-26.886864,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,135.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,108.834465,-0.000000>,1.500000
<-13.877091,109.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,109.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,109.834465,-0.000000>,1.500000
<-13.877091,110.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,110.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,110.834465,-0.000000>,1.500000
<-13.877091,111.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,111.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,111.834465,-0.000000>,1.500000
<-13.877091,112.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,112.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,112.834465,-0.000000>,1.500000
<-13.877091,113.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,113.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,113.834465,-0.000000>,1.500000
<-13.877091,114.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,114.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,114.834465,-0.000000>,1.500000
<-13.877091,115.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,115.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,115.834465,-0.000000>,1.500000
<-13.877091,116.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,116.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,116.834465,-0.000000>,1.500000
<-13.877091,117.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,117.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,117.834465,-0.000000>,1.500000
<-13.877091,118.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,118.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,118.834465,-0.000000>,1.500000
<-13.877091,119.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,119.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,119.834465,-0.000000>,1.500000
<-13.877091,120.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,120.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,120.834465,-0.000000>,1.500000
<-13.877091,121.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,121.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,121.834465,-0.000000>,1.500000
<-13.877091,122.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,122.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,122.834465,-0.000000>,1.500000
<-13.877091,123.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,123.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,123.834465,-0.000000>,1.500000
<-13.877091,124.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,124.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,124.834465,-0.000000>,1.500000
<-13.877091,125.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,125.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,125.834465,-0.000000>,1.500000
<-13.877091,126.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,126.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,126.834465,-0.000000>,1.500000
<-13.877091,127.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,127.834465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,127.834465,-0.000000>,1.500000
<-13.877091,128.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,128.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,128.834457,-0.000000>,1.500000
<-13.877091,129.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,129.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,129.834457,-0.000000>,1.500000
<-13.877091,130.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,130.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,130.834457,-0.000000>,1.500000
<-13.877091,131.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,131.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,131.834457,-0.000000>,1.500000
<-13.877091,132.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,132.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,132.834457,-0.000000>,1.500000
<-13.443432,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,133.735535,-0.000000>,1.500000
<-13.009773,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,134.636612,-0.000000>,1.500000
<-12.576114,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,135.537689,-0.000000>,1.500000
<-12.142455,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,136.438766,-0.000000>,1.500000
<-11.360934,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.360934,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.360934,137.062653,-0.000000>,1.500000
<-10.579413,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.579413,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.579413,137.686539,-0.000000>,1.500000
<-9.604652,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.604652,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.604652,137.909775,-0.000000>,1.500000
<-8.629891,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.629891,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.579413,137.686539,-0.000000>,1.500000
<-10.145755,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.145755,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.145755,138.587616,-0.000000>,1.500000
<-9.712095,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.712095,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.579413,137.686539,-0.000000>,1.500000
<-9.797894,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.797894,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.797894,138.310410,-0.000000>,1.500000
<-9.016373,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.016373,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.016373,138.934296,-0.000000>,1.500000
<-8.234852,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.234852,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.234852,139.558167,-0.000000>,1.500000
<-7.453332,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.453332,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,136.438766,-0.000000>,1.500000
<-12.142455,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,137.438766,-0.000000>,1.500000
<-12.142455,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,138.438766,-0.000000>,1.500000
<-11.708796,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,139.339844,-0.000000>,1.500000
<-11.275137,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,138.438766,-0.000000>,1.500000
<-12.576114,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,139.339844,-0.000000>,1.500000
<-13.009773,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,138.438766,-0.000000>,1.500000
<-12.142455,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,139.438766,-0.000000>,1.500000
<-12.142455,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,140.438766,-0.000000>,1.500000
<-12.142455,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,141.438766,-0.000000>,1.500000
<-12.142455,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,136.438766,-0.000000>,1.500000
<-11.708796,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,137.339844,-0.000000>,1.500000
<-11.275137,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,138.240921,-0.000000>,1.500000
<-10.841477,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,139.141998,-0.000000>,1.500000
<-10.407819,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,140.043076,-0.000000>,1.500000
<-9.974159,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,140.944153,-0.000000>,1.500000
<-9.540500,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,141.845230,-0.000000>,1.500000
<-8.758980,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.758980,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.758980,142.469116,-0.000000>,1.500000
<-7.977459,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.977459,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,141.845230,-0.000000>,1.500000
<-9.540500,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,142.845230,-0.000000>,1.500000
<-9.540500,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,141.845230,-0.000000>,1.500000
<-9.106841,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,142.746307,-0.000000>,1.500000
<-8.673182,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,143.647385,-0.000000>,1.500000
<-8.239523,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,144.548462,-0.000000>,1.500000
<-7.805864,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,132.834457,-0.000000>,1.500000
<-14.310750,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,133.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,133.735535,-0.000000>,1.500000
<-14.744410,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,134.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,134.636612,-0.000000>,1.500000
<-15.178068,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,135.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,135.537689,-0.000000>,1.500000
<-15.611728,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,136.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,136.438766,-0.000000>,1.500000
<-15.611728,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,137.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,137.438766,-0.000000>,1.500000
<-15.611728,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,138.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,138.438766,-0.000000>,1.500000
<-15.178068,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,139.339844,-0.000000>,1.500000
<-14.744410,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,138.438766,-0.000000>,1.500000
<-16.045387,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,139.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,139.339844,-0.000000>,1.500000
<-16.479046,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,140.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,138.438766,-0.000000>,1.500000
<-15.611728,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,139.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,139.438766,-0.000000>,1.500000
<-15.611728,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,140.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,140.438766,-0.000000>,1.500000
<-15.611728,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,141.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,141.438766,-0.000000>,1.500000
<-15.611728,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,142.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,136.438766,-0.000000>,1.500000
<-16.393248,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.393248,137.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.393248,137.062653,-0.000000>,1.500000
<-17.174768,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.174768,137.686539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.174768,137.686539,-0.000000>,1.500000
<-17.608427,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.608427,138.587616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.608427,138.587616,-0.000000>,1.500000
<-18.042088,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.042088,139.488693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.174768,137.686539,-0.000000>,1.500000
<-18.149530,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.149530,137.909775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.149530,137.909775,-0.000000>,1.500000
<-19.124290,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.124290,138.133026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.174768,137.686539,-0.000000>,1.500000
<-17.956289,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.956289,138.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.956289,138.310410,-0.000000>,1.500000
<-18.737810,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.737810,138.934296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.737810,138.934296,-0.000000>,1.500000
<-19.519329,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.519329,139.558167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.519329,139.558167,-0.000000>,1.500000
<-20.300850,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.300850,140.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,136.438766,-0.000000>,1.500000
<-16.045387,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,137.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,137.339844,-0.000000>,1.500000
<-16.479046,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,138.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,138.240921,-0.000000>,1.500000
<-16.912704,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,139.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,139.141998,-0.000000>,1.500000
<-17.346363,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,140.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,140.043076,-0.000000>,1.500000
<-17.780024,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,140.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,140.944153,-0.000000>,1.500000
<-18.213682,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,141.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,141.845230,-0.000000>,1.500000
<-18.213682,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,142.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,142.845230,-0.000000>,1.500000
<-18.213682,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,143.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,141.845230,-0.000000>,1.500000
<-18.995203,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.995203,142.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.995203,142.469116,-0.000000>,1.500000
<-19.776724,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.776724,143.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,141.845230,-0.000000>,1.500000
<-18.647341,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,142.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,142.746307,-0.000000>,1.500000
<-19.080999,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.080999,143.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,143.647385,-0.000000>,1.500000
<-19.514660,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.514660,144.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,144.548462,-0.000000>,1.500000
<-19.948318,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,145.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,132.834457,-0.000000>,1.500000
<-13.877091,133.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,133.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,133.834457,-0.000000>,1.500000
<-13.877091,134.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,134.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,134.834457,-0.000000>,1.500000
<-13.877091,135.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,135.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,135.834457,-0.000000>,1.500000
<-13.877091,136.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,136.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,136.834457,-0.000000>,1.500000
<-13.877091,137.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,137.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,137.834457,-0.000000>,1.500000
<-13.877091,138.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,138.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,138.834457,-0.000000>,1.500000
<-13.877091,139.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,139.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,139.834457,-0.000000>,1.500000
<-13.877091,140.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,140.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,140.834457,-0.000000>,1.500000
<-13.877091,141.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,141.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,141.834457,-0.000000>,1.500000
<-13.877091,142.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,142.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,142.834457,-0.000000>,1.500000
<-13.877091,143.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,143.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,143.834457,-0.000000>,1.500000
<-13.877091,144.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,144.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,144.834457,-0.000000>,1.500000
<-13.443432,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,145.735535,-0.000000>,1.500000
<-13.009773,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,146.636612,-0.000000>,1.500000
<-12.228252,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.228252,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.228252,147.260498,-0.000000>,1.500000
<-11.446732,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.446732,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,146.636612,-0.000000>,1.500000
<-13.009773,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,147.636612,-0.000000>,1.500000
<-13.009773,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,146.636612,-0.000000>,1.500000
<-12.576114,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,147.537689,-0.000000>,1.500000
<-12.142455,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,148.438766,-0.000000>,1.500000
<-11.708796,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,149.339844,-0.000000>,1.500000
<-11.275137,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,144.834457,-0.000000>,1.500000
<-14.310750,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,145.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,145.735535,-0.000000>,1.500000
<-14.744410,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,146.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,146.636612,-0.000000>,1.500000
<-14.744410,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,147.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,147.636612,-0.000000>,1.500000
<-14.744410,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,148.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,146.636612,-0.000000>,1.500000
<-15.525929,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.525929,147.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.525929,147.260498,-0.000000>,1.500000
<-16.307449,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.307449,147.884384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,146.636612,-0.000000>,1.500000
<-15.178068,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,147.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,147.537689,-0.000000>,1.500000
<-15.611728,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,148.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,148.438766,-0.000000>,1.500000
<-16.045387,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,149.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,149.339844,-0.000000>,1.500000
<-16.479046,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,150.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,144.834457,-0.000000>,1.500000
<-13.877091,145.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,145.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,145.834457,-0.000000>,1.500000
<-13.877091,146.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,146.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,146.834457,-0.000000>,1.500000
<-13.877091,147.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,147.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,147.834457,-0.000000>,1.500000
<-13.877091,148.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,148.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,148.834457,-0.000000>,1.500000
<-13.877091,149.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,149.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,149.834457,-0.000000>,1.500000
<-13.877091,150.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,150.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,150.834457,-0.000000>,1.500000
<-13.443432,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,151.735535,-0.000000>,1.500000
<-13.009773,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,150.834457,-0.000000>,1.500000
<-14.310750,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,151.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,151.735535,-0.000000>,1.500000
<-14.744410,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,152.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,150.834457,-0.000000>,1.500000
<-13.877091,151.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,151.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,151.834457,-0.000000>,1.500000
<-13.877091,152.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,152.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,152.834457,-0.000000>,1.500000
<-13.877091,153.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,153.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,153.834457,-0.000000>,1.500000
<-13.877091,154.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,154.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,92.834465,-0.000000>,1.500000
<-14.658611,93.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.658611,93.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.658611,93.458344,-0.000000>,1.500000
<-15.440132,94.082222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.440132,94.082222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.440132,94.082222,-0.000000>,1.500000
<-16.221653,94.706100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.221653,94.706100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.221653,94.706100,-0.000000>,1.500000
<-17.003174,95.329987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.003174,95.329987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.003174,95.329987,-0.000000>,1.500000
<-17.784693,95.953865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.784693,95.953865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.784693,95.953865,-0.000000>,1.500000
<-18.566214,96.577744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.566214,96.577744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.566214,96.577744,-0.000000>,1.500000
<-19.347734,97.201622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.347734,97.201622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.347734,97.201622,-0.000000>,1.500000
<-20.129255,97.825500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.129255,97.825500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.129255,97.825500,-0.000000>,1.500000
<-20.910776,98.449379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.910776,98.449379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.910776,98.449379,-0.000000>,1.500000
<-21.692295,99.073257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.692295,99.073257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.692295,99.073257,-0.000000>,1.500000
<-22.473816,99.697144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.473816,99.697144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.473816,99.697144,-0.000000>,1.500000
<-23.255337,100.321022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.255337,100.321022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.255337,100.321022,-0.000000>,1.500000
<-24.036858,100.944901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.036858,100.944901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.036858,100.944901,-0.000000>,1.500000
<-24.818378,101.568779,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.818378,101.568779,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.818378,101.568779,-0.000000>,1.500000
<-25.599899,102.192657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.599899,102.192657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.599899,102.192657,-0.000000>,1.500000
<-26.381418,102.816536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.381418,102.816536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.381418,102.816536,-0.000000>,1.500000
<-26.815079,103.717613,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.815079,103.717613,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.815079,103.717613,-0.000000>,1.500000
<-27.248737,104.618690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.248737,104.618690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.248737,104.618690,-0.000000>,1.500000
<-27.682396,105.519768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.682396,105.519768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.682396,105.519768,-0.000000>,1.500000
<-28.116055,106.420845,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.116055,106.420845,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.116055,106.420845,-0.000000>,1.500000
<-28.549715,107.321922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.549715,107.321922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.549715,107.321922,-0.000000>,1.500000
<-28.983374,108.223000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.983374,108.223000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.983374,108.223000,-0.000000>,1.500000
<-29.417032,109.124077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.417032,109.124077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.417032,109.124077,-0.000000>,1.500000
<-29.850691,110.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,110.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,110.025154,-0.000000>,1.500000
<-29.850691,111.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,111.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,111.025154,-0.000000>,1.500000
<-29.850691,112.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,112.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,112.025154,-0.000000>,1.500000
<-29.850691,113.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,113.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,113.025154,-0.000000>,1.500000
<-29.850691,114.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,114.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,114.025154,-0.000000>,1.500000
<-29.417032,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.417032,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.417032,114.926231,-0.000000>,1.500000
<-28.983374,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.983374,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.983374,115.827309,-0.000000>,1.500000
<-28.201853,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.201853,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.201853,116.451187,-0.000000>,1.500000
<-27.420332,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.420332,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.983374,115.827309,-0.000000>,1.500000
<-28.983374,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.983374,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.983374,116.827309,-0.000000>,1.500000
<-28.983374,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.983374,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.983374,115.827309,-0.000000>,1.500000
<-28.549715,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.549715,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.549715,116.728386,-0.000000>,1.500000
<-28.116055,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.116055,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.116055,117.629463,-0.000000>,1.500000
<-27.682396,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.682396,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.682396,118.530540,-0.000000>,1.500000
<-27.248737,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.248737,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,114.025154,-0.000000>,1.500000
<-30.284351,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.284351,114.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.284351,114.926231,-0.000000>,1.500000
<-30.718010,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.718010,115.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.718010,115.827309,-0.000000>,1.500000
<-30.718010,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.718010,116.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.718010,116.827309,-0.000000>,1.500000
<-30.718010,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.718010,117.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.718010,115.827309,-0.000000>,1.500000
<-31.499531,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.499531,116.451187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.499531,116.451187,-0.000000>,1.500000
<-32.281052,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.281052,117.075066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.718010,115.827309,-0.000000>,1.500000
<-31.151669,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.151669,116.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.151669,116.728386,-0.000000>,1.500000
<-31.585327,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.585327,117.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.585327,117.629463,-0.000000>,1.500000
<-32.018986,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.018986,118.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.018986,118.530540,-0.000000>,1.500000
<-32.452648,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.452648,119.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,114.025154,-0.000000>,1.500000
<-29.850691,115.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,115.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,115.025154,-0.000000>,1.500000
<-29.850691,116.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,116.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,116.025154,-0.000000>,1.500000
<-29.850691,117.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,117.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,117.025154,-0.000000>,1.500000
<-29.850691,118.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,118.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,118.025154,-0.000000>,1.500000
<-29.850691,119.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,119.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,119.025154,-0.000000>,1.500000
<-29.850691,120.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,120.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,120.025154,-0.000000>,1.500000
<-29.417032,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.417032,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.417032,120.926231,-0.000000>,1.500000
<-28.983374,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.983374,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,120.025154,-0.000000>,1.500000
<-30.284351,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.284351,120.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.284351,120.926231,-0.000000>,1.500000
<-30.718010,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.718010,121.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,120.025154,-0.000000>,1.500000
<-29.850691,121.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,121.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,121.025154,-0.000000>,1.500000
<-29.850691,122.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,122.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,122.025154,-0.000000>,1.500000
<-29.850691,123.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,123.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,123.025154,-0.000000>,1.500000
<-29.850691,124.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.850691,124.025154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,110.025154,-0.000000>,1.500000
<-30.632212,110.649033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.632212,110.649033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.632212,110.649033,-0.000000>,1.500000
<-31.413733,111.272911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.413733,111.272911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.413733,111.272911,-0.000000>,1.500000
<-32.195251,111.896790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.195251,111.896790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.195251,111.896790,-0.000000>,1.500000
<-32.976772,112.520676,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.976772,112.520676,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.976772,112.520676,-0.000000>,1.500000
<-33.410431,113.421753,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.410431,113.421753,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.410431,113.421753,-0.000000>,1.500000
<-33.844093,114.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.844093,114.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.844093,114.322823,-0.000000>,1.500000
<-33.844093,115.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.844093,115.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.844093,115.322823,-0.000000>,1.500000
<-33.844093,116.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.844093,116.322823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.844093,114.322823,-0.000000>,1.500000
<-34.625614,114.946709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.625614,114.946709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.625614,114.946709,-0.000000>,1.500000
<-35.407131,115.570587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.407131,115.570587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.844093,114.322823,-0.000000>,1.500000
<-34.277752,115.223900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.277752,115.223900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.277752,115.223900,-0.000000>,1.500000
<-34.711411,116.124977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.711411,116.124977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.711411,116.124977,-0.000000>,1.500000
<-35.145069,117.026054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.145069,117.026054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.145069,117.026054,-0.000000>,1.500000
<-35.578728,117.927132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.578728,117.927132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.976772,112.520676,-0.000000>,1.500000
<-33.951534,112.743919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.951534,112.743919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.951534,112.743919,-0.000000>,1.500000
<-34.926296,112.967171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.926296,112.967171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.926296,112.967171,-0.000000>,1.500000
<-35.707817,113.591049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.707817,113.591049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.707817,113.591049,-0.000000>,1.500000
<-36.489338,114.214928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.489338,114.214928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.926296,112.967171,-0.000000>,1.500000
<-35.901447,112.745621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.901447,112.745621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.901447,112.745621,-0.000000>,1.500000
<-36.876595,112.524078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.876595,112.524078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.926296,112.967171,-0.000000>,1.500000
<-35.901058,113.190422,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.901058,113.190422,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.901058,113.190422,-0.000000>,1.500000
<-36.875820,113.413673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.875820,113.413673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.875820,113.413673,-0.000000>,1.500000
<-37.850578,113.636925,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.850578,113.636925,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.850578,113.636925,-0.000000>,1.500000
<-38.825340,113.860176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.825340,113.860176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.976772,112.520676,-0.000000>,1.500000
<-33.758293,113.144554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.758293,113.144554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.758293,113.144554,-0.000000>,1.500000
<-34.539814,113.768433,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.539814,113.768433,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.539814,113.768433,-0.000000>,1.500000
<-35.321335,114.392311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.321335,114.392311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.321335,114.392311,-0.000000>,1.500000
<-36.102856,115.016190,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.102856,115.016190,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.102856,115.016190,-0.000000>,1.500000
<-36.884377,115.640068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.884377,115.640068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.884377,115.640068,-0.000000>,1.500000
<-37.665897,116.263947,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.665897,116.263947,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.665897,116.263947,-0.000000>,1.500000
<-38.099556,117.165024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.099556,117.165024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.099556,117.165024,-0.000000>,1.500000
<-38.533215,118.066101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.533215,118.066101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.665897,116.263947,-0.000000>,1.500000
<-38.640659,116.487198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.640659,116.487198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.640659,116.487198,-0.000000>,1.500000
<-39.615417,116.710449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.615417,116.710449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.665897,116.263947,-0.000000>,1.500000
<-38.447418,116.887833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.447418,116.887833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.447418,116.887833,-0.000000>,1.500000
<-39.228939,117.511711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.228939,117.511711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.228939,117.511711,-0.000000>,1.500000
<-40.010460,118.135590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.010460,118.135590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.010460,118.135590,-0.000000>,1.500000
<-40.791977,118.759468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.791977,118.759468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.850691,110.025154,-0.000000>,1.500000
<-30.284351,110.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.284351,110.926231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.284351,110.926231,-0.000000>,1.500000
<-30.718010,111.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.718010,111.827309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.718010,111.827309,-0.000000>,1.500000
<-31.151669,112.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.151669,112.728386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.151669,112.728386,-0.000000>,1.500000
<-31.585327,113.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.585327,113.629463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.585327,113.629463,-0.000000>,1.500000
<-32.018986,114.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.018986,114.530540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.018986,114.530540,-0.000000>,1.500000
<-32.452648,115.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.452648,115.431618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.452648,115.431618,-0.000000>,1.500000
<-32.886307,116.332695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.886307,116.332695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.886307,116.332695,-0.000000>,1.500000
<-33.319965,117.233772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.319965,117.233772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.319965,117.233772,-0.000000>,1.500000
<-33.753624,118.134850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.753624,118.134850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.753624,118.134850,-0.000000>,1.500000
<-34.187283,119.035927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.187283,119.035927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.187283,119.035927,-0.000000>,1.500000
<-34.620941,119.937004,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.620941,119.937004,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.620941,119.937004,-0.000000>,1.500000
<-35.054600,120.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.054600,120.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,120.838081,-0.000000>,1.500000
<-35.054600,121.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.054600,121.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,121.838081,-0.000000>,1.500000
<-35.054600,122.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.054600,122.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,122.838081,-0.000000>,1.500000
<-34.620941,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.620941,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.620941,123.739159,-0.000000>,1.500000
<-34.187283,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.187283,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,122.838081,-0.000000>,1.500000
<-35.488258,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.488258,123.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.488258,123.739159,-0.000000>,1.500000
<-35.921921,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.921921,124.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,122.838081,-0.000000>,1.500000
<-35.054600,123.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.054600,123.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,123.838081,-0.000000>,1.500000
<-35.054600,124.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.054600,124.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,124.838081,-0.000000>,1.500000
<-35.054600,125.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.054600,125.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,125.838081,-0.000000>,1.500000
<-35.054600,126.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.054600,126.838081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,120.838081,-0.000000>,1.500000
<-35.836121,121.461960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.836121,121.461960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.836121,121.461960,-0.000000>,1.500000
<-36.617641,122.085838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.617641,122.085838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.617641,122.085838,-0.000000>,1.500000
<-37.051300,122.986916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.051300,122.986916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.051300,122.986916,-0.000000>,1.500000
<-37.484959,123.887993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.484959,123.887993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.617641,122.085838,-0.000000>,1.500000
<-37.592403,122.309090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.592403,122.309090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.592403,122.309090,-0.000000>,1.500000
<-38.567165,122.532341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.567165,122.532341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.617641,122.085838,-0.000000>,1.500000
<-37.399162,122.709717,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.399162,122.709717,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.399162,122.709717,-0.000000>,1.500000
<-38.180683,123.333595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.180683,123.333595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.180683,123.333595,-0.000000>,1.500000
<-38.962204,123.957474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.962204,123.957474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.962204,123.957474,-0.000000>,1.500000
<-39.743725,124.581352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.743725,124.581352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.054600,120.838081,-0.000000>,1.500000
<-35.488258,121.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.488258,121.739159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.488258,121.739159,-0.000000>,1.500000
<-35.921921,122.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.921921,122.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.921921,122.640228,-0.000000>,1.500000
<-36.355579,123.541306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.355579,123.541306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.355579,123.541306,-0.000000>,1.500000
<-36.789238,124.442383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.789238,124.442383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.789238,124.442383,-0.000000>,1.500000
<-37.222897,125.343460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.222897,125.343460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.222897,125.343460,-0.000000>,1.500000
<-37.656555,126.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.656555,126.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.656555,126.244537,-0.000000>,1.500000
<-37.656555,127.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.656555,127.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.656555,127.244537,-0.000000>,1.500000
<-37.656555,128.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.656555,128.244537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.656555,126.244537,-0.000000>,1.500000
<-38.438076,126.868423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.438076,126.868423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.438076,126.868423,-0.000000>,1.500000
<-39.219597,127.492302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.219597,127.492302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.656555,126.244537,-0.000000>,1.500000
<-38.090214,127.145615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.090214,127.145615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.090214,127.145615,-0.000000>,1.500000
<-38.523872,128.046692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.523872,128.046692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.523872,128.046692,-0.000000>,1.500000
<-38.957531,128.947769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.957531,128.947769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.957531,128.947769,-0.000000>,1.500000
<-39.391193,129.848846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.391193,129.848846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.381418,102.816536,-0.000000>,1.500000
<-27.356180,103.039787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.356180,103.039787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.356180,103.039787,-0.000000>,1.500000
<-28.330942,103.263039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.330942,103.263039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.330942,103.263039,-0.000000>,1.500000
<-29.305702,103.486290,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.305702,103.486290,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.305702,103.486290,-0.000000>,1.500000
<-30.280464,103.709541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.280464,103.709541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.280464,103.709541,-0.000000>,1.500000
<-31.255224,103.932785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.255224,103.932785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.255224,103.932785,-0.000000>,1.500000
<-32.229984,104.156036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.229984,104.156036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.229984,104.156036,-0.000000>,1.500000
<-33.204746,104.379288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.204746,104.379288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.204746,104.379288,-0.000000>,1.500000
<-34.179508,104.602539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.179508,104.602539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.179508,104.602539,-0.000000>,1.500000
<-34.961029,105.226418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.961029,105.226418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.961029,105.226418,-0.000000>,1.500000
<-35.742550,105.850296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.742550,105.850296,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.742550,105.850296,-0.000000>,1.500000
<-36.524071,106.474174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.524071,106.474174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.524071,106.474174,-0.000000>,1.500000
<-37.305592,107.098053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.305592,107.098053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.305592,107.098053,-0.000000>,1.500000
<-37.739250,107.999130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.739250,107.999130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.739250,107.999130,-0.000000>,1.500000
<-38.172909,108.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.172909,108.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.172909,108.900208,-0.000000>,1.500000
<-38.172909,109.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.172909,109.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.172909,109.900208,-0.000000>,1.500000
<-38.172909,110.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.172909,110.900208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.172909,108.900208,-0.000000>,1.500000
<-38.954430,109.524094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.954430,109.524094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.954430,109.524094,-0.000000>,1.500000
<-39.735950,110.147972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.735950,110.147972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.172909,108.900208,-0.000000>,1.500000
<-38.606567,109.801285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.606567,109.801285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.606567,109.801285,-0.000000>,1.500000
<-39.040226,110.702362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.040226,110.702362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.040226,110.702362,-0.000000>,1.500000
<-39.473885,111.603439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.473885,111.603439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.473885,111.603439,-0.000000>,1.500000
<-39.907543,112.504517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.907543,112.504517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.305592,107.098053,-0.000000>,1.500000
<-38.280354,107.321304,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.280354,107.321304,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.280354,107.321304,-0.000000>,1.500000
<-39.255112,107.544556,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.255112,107.544556,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.255112,107.544556,-0.000000>,1.500000
<-40.036633,108.168434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.036633,108.168434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.036633,108.168434,-0.000000>,1.500000
<-40.818153,108.792313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.818153,108.792313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.255112,107.544556,-0.000000>,1.500000
<-40.230263,107.323006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.230263,107.323006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.230263,107.323006,-0.000000>,1.500000
<-41.205410,107.101463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.205410,107.101463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.255112,107.544556,-0.000000>,1.500000
<-40.229874,107.767807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.229874,107.767807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.229874,107.767807,-0.000000>,1.500000
<-41.204636,107.991058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.204636,107.991058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.204636,107.991058,-0.000000>,1.500000
<-42.179398,108.214310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.179398,108.214310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.179398,108.214310,-0.000000>,1.500000
<-43.154160,108.437553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.154160,108.437553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.305592,107.098053,-0.000000>,1.500000
<-38.087112,107.721939,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.087112,107.721939,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.087112,107.721939,-0.000000>,1.500000
<-38.868633,108.345818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.868633,108.345818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.868633,108.345818,-0.000000>,1.500000
<-39.650150,108.969696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.650150,108.969696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.650150,108.969696,-0.000000>,1.500000
<-40.431671,109.593575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.431671,109.593575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.431671,109.593575,-0.000000>,1.500000
<-41.213192,110.217453,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.213192,110.217453,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.213192,110.217453,-0.000000>,1.500000
<-41.994713,110.841331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.994713,110.841331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.994713,110.841331,-0.000000>,1.500000
<-42.428371,111.742409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.428371,111.742409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.428371,111.742409,-0.000000>,1.500000
<-42.862030,112.643486,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.862030,112.643486,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.994713,110.841331,-0.000000>,1.500000
<-42.969475,111.064583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.969475,111.064583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.969475,111.064583,-0.000000>,1.500000
<-43.944237,111.287834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.944237,111.287834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.994713,110.841331,-0.000000>,1.500000
<-42.776234,111.465210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.776234,111.465210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.776234,111.465210,-0.000000>,1.500000
<-43.557755,112.089096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.557755,112.089096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.557755,112.089096,-0.000000>,1.500000
<-44.339275,112.712975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.339275,112.712975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.339275,112.712975,-0.000000>,1.500000
<-45.120796,113.336853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.120796,113.336853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.179508,104.602539,-0.000000>,1.500000
<-35.154659,104.380989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.154659,104.380989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.154659,104.380989,-0.000000>,1.500000
<-36.129807,104.159439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.129807,104.159439,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.129807,104.159439,-0.000000>,1.500000
<-37.104958,103.937889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.104958,103.937889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.104958,103.937889,-0.000000>,1.500000
<-38.080105,103.716347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.080105,103.716347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.080105,103.716347,-0.000000>,1.500000
<-39.054867,103.939590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.054867,103.939590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.054867,103.939590,-0.000000>,1.500000
<-40.029629,104.162842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.029629,104.162842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.029629,104.162842,-0.000000>,1.500000
<-40.811150,104.786720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.811150,104.786720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.811150,104.786720,-0.000000>,1.500000
<-41.592670,105.410606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.592670,105.410606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.029629,104.162842,-0.000000>,1.500000
<-41.004776,103.941299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.004776,103.941299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.004776,103.941299,-0.000000>,1.500000
<-41.979927,103.719749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.979927,103.719749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.029629,104.162842,-0.000000>,1.500000
<-41.004391,104.386093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.004391,104.386093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.004391,104.386093,-0.000000>,1.500000
<-41.979149,104.609344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.979149,104.609344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.979149,104.609344,-0.000000>,1.500000
<-42.953911,104.832596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.953911,104.832596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.953911,104.832596,-0.000000>,1.500000
<-43.928673,105.055847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.928673,105.055847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.080105,103.716347,-0.000000>,1.500000
<-38.862713,103.093826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.862713,103.093826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.862713,103.093826,-0.000000>,1.500000
<-39.645321,102.471313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.645321,102.471313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.645321,102.471313,-0.000000>,1.500000
<-40.620472,102.249763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.620472,102.249763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.620472,102.249763,-0.000000>,1.500000
<-41.595619,102.028221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.595619,102.028221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.645321,102.471313,-0.000000>,1.500000
<-40.080555,101.570999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.080555,101.570999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.080555,101.570999,-0.000000>,1.500000
<-40.515785,100.670677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.515785,100.670677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.645321,102.471313,-0.000000>,1.500000
<-40.427929,101.848801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.427929,101.848801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.427929,101.848801,-0.000000>,1.500000
<-41.210537,101.226288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.210537,101.226288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.210537,101.226288,-0.000000>,1.500000
<-41.993145,100.603767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.993145,100.603767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.993145,100.603767,-0.000000>,1.500000
<-42.775753,99.981255,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.775753,99.981255,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.080105,103.716347,-0.000000>,1.500000
<-39.055256,103.494797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.055256,103.494797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.055256,103.494797,-0.000000>,1.500000
<-40.030403,103.273247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.030403,103.273247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.030403,103.273247,-0.000000>,1.500000
<-41.005554,103.051697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.005554,103.051697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.005554,103.051697,-0.000000>,1.500000
<-41.980701,102.830147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.980701,102.830147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.980701,102.830147,-0.000000>,1.500000
<-42.955853,102.608604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.955853,102.608604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.955853,102.608604,-0.000000>,1.500000
<-43.931004,102.387054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.931004,102.387054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.931004,102.387054,-0.000000>,1.500000
<-44.905762,102.610306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.905762,102.610306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.905762,102.610306,-0.000000>,1.500000
<-45.880524,102.833549,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.880524,102.833549,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.931004,102.387054,-0.000000>,1.500000
<-44.713612,101.764542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.713612,101.764542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.713612,101.764542,-0.000000>,1.500000
<-45.496220,101.142021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.496220,101.142021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.931004,102.387054,-0.000000>,1.500000
<-44.906151,102.165504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.906151,102.165504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.906151,102.165504,-0.000000>,1.500000
<-45.881302,101.943954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.881302,101.943954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.881302,101.943954,-0.000000>,1.500000
<-46.856449,101.722404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.856449,101.722404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.856449,101.722404,-0.000000>,1.500000
<-47.831600,101.500862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.831600,101.500862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.179508,104.602539,-0.000000>,1.500000
<-35.154270,104.825790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.154270,104.825790,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.154270,104.825790,-0.000000>,1.500000
<-36.129032,105.049042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.129032,105.049042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.129032,105.049042,-0.000000>,1.500000
<-37.103790,105.272285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.103790,105.272285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.103790,105.272285,-0.000000>,1.500000
<-38.078552,105.495537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.078552,105.495537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.078552,105.495537,-0.000000>,1.500000
<-39.053314,105.718788,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.053314,105.718788,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.053314,105.718788,-0.000000>,1.500000
<-40.028076,105.942039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.028076,105.942039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.028076,105.942039,-0.000000>,1.500000
<-41.002838,106.165291,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.002838,106.165291,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.002838,106.165291,-0.000000>,1.500000
<-41.977596,106.388542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.977596,106.388542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.977596,106.388542,-0.000000>,1.500000
<-42.952358,106.611786,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.952358,106.611786,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.952358,106.611786,-0.000000>,1.500000
<-43.927120,106.835037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.927120,106.835037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.927120,106.835037,-0.000000>,1.500000
<-44.901882,107.058289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.901882,107.058289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.901882,107.058289,-0.000000>,1.500000
<-45.876644,107.281540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.876644,107.281540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.876644,107.281540,-0.000000>,1.500000
<-46.658165,107.905418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.658165,107.905418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.658165,107.905418,-0.000000>,1.500000
<-47.439686,108.529297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.439686,108.529297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.439686,108.529297,-0.000000>,1.500000
<-47.873344,109.430374,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.873344,109.430374,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.873344,109.430374,-0.000000>,1.500000
<-48.307003,110.331451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.307003,110.331451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.439686,108.529297,-0.000000>,1.500000
<-48.414444,108.752548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.414444,108.752548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.414444,108.752548,-0.000000>,1.500000
<-49.389206,108.975800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.389206,108.975800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.439686,108.529297,-0.000000>,1.500000
<-48.221203,109.153175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.221203,109.153175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.221203,109.153175,-0.000000>,1.500000
<-49.002724,109.777054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.002724,109.777054,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.002724,109.777054,-0.000000>,1.500000
<-49.784245,110.400940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.784245,110.400940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.784245,110.400940,-0.000000>,1.500000
<-50.565765,111.024818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.565765,111.024818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.876644,107.281540,-0.000000>,1.500000
<-46.851791,107.059990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.851791,107.059990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.851791,107.059990,-0.000000>,1.500000
<-47.826942,106.838440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.826942,106.838440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.826942,106.838440,-0.000000>,1.500000
<-48.801704,107.061691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.801704,107.061691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.801704,107.061691,-0.000000>,1.500000
<-49.776463,107.284943,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.776463,107.284943,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.826942,106.838440,-0.000000>,1.500000
<-48.609550,106.215927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.609550,106.215927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.609550,106.215927,-0.000000>,1.500000
<-49.392159,105.593414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.392159,105.593414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.826942,106.838440,-0.000000>,1.500000
<-48.802090,106.616890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.802090,106.616890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.802090,106.616890,-0.000000>,1.500000
<-49.777241,106.395348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.777241,106.395348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.777241,106.395348,-0.000000>,1.500000
<-50.752388,106.173798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.752388,106.173798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.752388,106.173798,-0.000000>,1.500000
<-51.727539,105.952248,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.727539,105.952248,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.876644,107.281540,-0.000000>,1.500000
<-46.851402,107.504791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.851402,107.504791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.851402,107.504791,-0.000000>,1.500000
<-47.826164,107.728043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.826164,107.728043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.826164,107.728043,-0.000000>,1.500000
<-48.800926,107.951286,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.800926,107.951286,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.800926,107.951286,-0.000000>,1.500000
<-49.775688,108.174538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.775688,108.174538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.775688,108.174538,-0.000000>,1.500000
<-50.750450,108.397789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.750450,108.397789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.750450,108.397789,-0.000000>,1.500000
<-51.725212,108.621040,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.725212,108.621040,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.725212,108.621040,-0.000000>,1.500000
<-52.506729,109.244919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.506729,109.244919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.506729,109.244919,-0.000000>,1.500000
<-53.288250,109.868797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.288250,109.868797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.725212,108.621040,-0.000000>,1.500000
<-52.700359,108.399490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.700359,108.399490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.700359,108.399490,-0.000000>,1.500000
<-53.675510,108.177940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.675510,108.177940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.725212,108.621040,-0.000000>,1.500000
<-52.699970,108.844292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.699970,108.844292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.699970,108.844292,-0.000000>,1.500000
<-53.674732,109.067543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.674732,109.067543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.674732,109.067543,-0.000000>,1.500000
<-54.649494,109.290787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.649494,109.290787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.649494,109.290787,-0.000000>,1.500000
<-55.624256,109.514038,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.624256,109.514038,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.381418,102.816536,-0.000000>,1.500000
<-27.162939,103.440414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.162939,103.440414,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.162939,103.440414,-0.000000>,1.500000
<-27.944460,104.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.944460,104.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.944460,104.064301,-0.000000>,1.500000
<-28.725981,104.688179,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.725981,104.688179,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.725981,104.688179,-0.000000>,1.500000
<-29.507502,105.312057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.507502,105.312057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.507502,105.312057,-0.000000>,1.500000
<-30.289021,105.935936,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.289021,105.935936,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.289021,105.935936,-0.000000>,1.500000
<-31.070541,106.559814,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.070541,106.559814,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.070541,106.559814,-0.000000>,1.500000
<-31.852062,107.183693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.852062,107.183693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.852062,107.183693,-0.000000>,1.500000
<-32.633583,107.807571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.633583,107.807571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.633583,107.807571,-0.000000>,1.500000
<-33.415104,108.431458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.415104,108.431458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.415104,108.431458,-0.000000>,1.500000
<-34.196625,109.055336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.196625,109.055336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.196625,109.055336,-0.000000>,1.500000
<-34.978146,109.679214,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.978146,109.679214,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.978146,109.679214,-0.000000>,1.500000
<-35.759666,110.303093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.759666,110.303093,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.759666,110.303093,-0.000000>,1.500000
<-36.541183,110.926971,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.541183,110.926971,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.541183,110.926971,-0.000000>,1.500000
<-37.322704,111.550850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.322704,111.550850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.322704,111.550850,-0.000000>,1.500000
<-38.104225,112.174728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.104225,112.174728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.104225,112.174728,-0.000000>,1.500000
<-38.885746,112.798615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.885746,112.798615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.885746,112.798615,-0.000000>,1.500000
<-39.667267,113.422493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.667267,113.422493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.667267,113.422493,-0.000000>,1.500000
<-40.448788,114.046371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.448788,114.046371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.448788,114.046371,-0.000000>,1.500000
<-41.230309,114.670250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.230309,114.670250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.230309,114.670250,-0.000000>,1.500000
<-42.011829,115.294128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.011829,115.294128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.011829,115.294128,-0.000000>,1.500000
<-42.793350,115.918007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.793350,115.918007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.793350,115.918007,-0.000000>,1.500000
<-43.574871,116.541885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.574871,116.541885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.574871,116.541885,-0.000000>,1.500000
<-44.356392,117.165771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.356392,117.165771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.356392,117.165771,-0.000000>,1.500000
<-45.137909,117.789650,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.137909,117.789650,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.137909,117.789650,-0.000000>,1.500000
<-45.571571,118.690727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.571571,118.690727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.571571,118.690727,-0.000000>,1.500000
<-46.005230,119.591805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.005230,119.591805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.005230,119.591805,-0.000000>,1.500000
<-46.438889,120.492882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.438889,120.492882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.438889,120.492882,-0.000000>,1.500000
<-46.872547,121.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.872547,121.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,121.393959,-0.000000>,1.500000
<-46.872547,122.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.872547,122.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,122.393959,-0.000000>,1.500000
<-46.872547,123.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.872547,123.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,123.393959,-0.000000>,1.500000
<-46.438889,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.438889,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.438889,124.295036,-0.000000>,1.500000
<-46.005230,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.005230,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,123.393959,-0.000000>,1.500000
<-47.306206,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.306206,124.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.306206,124.295036,-0.000000>,1.500000
<-47.739864,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.739864,125.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,123.393959,-0.000000>,1.500000
<-46.872547,124.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.872547,124.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,124.393959,-0.000000>,1.500000
<-46.872547,125.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.872547,125.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,125.393959,-0.000000>,1.500000
<-46.872547,126.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.872547,126.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,126.393959,-0.000000>,1.500000
<-46.872547,127.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.872547,127.393959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,121.393959,-0.000000>,1.500000
<-47.654068,122.017838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.654068,122.017838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.654068,122.017838,-0.000000>,1.500000
<-48.435589,122.641716,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.435589,122.641716,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.435589,122.641716,-0.000000>,1.500000
<-48.869247,123.542793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.869247,123.542793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.869247,123.542793,-0.000000>,1.500000
<-49.302906,124.443871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.302906,124.443871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.435589,122.641716,-0.000000>,1.500000
<-49.410351,122.864967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.410351,122.864967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.410351,122.864967,-0.000000>,1.500000
<-50.385109,123.088219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.385109,123.088219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.435589,122.641716,-0.000000>,1.500000
<-49.217110,123.265594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.217110,123.265594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.217110,123.265594,-0.000000>,1.500000
<-49.998631,123.889473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.998631,123.889473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.998631,123.889473,-0.000000>,1.500000
<-50.780151,124.513351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.780151,124.513351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.780151,124.513351,-0.000000>,1.500000
<-51.561668,125.137230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.561668,125.137230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.872547,121.393959,-0.000000>,1.500000
<-47.306206,122.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.306206,122.295036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.306206,122.295036,-0.000000>,1.500000
<-47.739864,123.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.739864,123.196106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.739864,123.196106,-0.000000>,1.500000
<-48.173523,124.097183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.173523,124.097183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.173523,124.097183,-0.000000>,1.500000
<-48.607182,124.998260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.607182,124.998260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.607182,124.998260,-0.000000>,1.500000
<-49.040844,125.899338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.040844,125.899338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.040844,125.899338,-0.000000>,1.500000
<-49.474503,126.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.474503,126.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.474503,126.800415,-0.000000>,1.500000
<-49.474503,127.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.474503,127.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.474503,127.800415,-0.000000>,1.500000
<-49.474503,128.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.474503,128.800415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.474503,126.800415,-0.000000>,1.500000
<-50.256023,127.424294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.256023,127.424294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.256023,127.424294,-0.000000>,1.500000
<-51.037544,128.048172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.037544,128.048172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.474503,126.800415,-0.000000>,1.500000
<-49.908161,127.701492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.908161,127.701492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.908161,127.701492,-0.000000>,1.500000
<-50.341820,128.602570,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.341820,128.602570,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.341820,128.602570,-0.000000>,1.500000
<-50.775478,129.503647,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.775478,129.503647,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.775478,129.503647,-0.000000>,1.500000
<-51.209137,130.404724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.209137,130.404724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.137909,117.789650,-0.000000>,1.500000
<-46.112671,118.012901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.112671,118.012901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.112671,118.012901,-0.000000>,1.500000
<-47.087433,118.236145,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.087433,118.236145,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.087433,118.236145,-0.000000>,1.500000
<-48.062195,118.459396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.062195,118.459396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.062195,118.459396,-0.000000>,1.500000
<-49.036957,118.682648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.036957,118.682648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.036957,118.682648,-0.000000>,1.500000
<-49.818478,119.306526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.818478,119.306526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.818478,119.306526,-0.000000>,1.500000
<-50.599995,119.930405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.599995,119.930405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.599995,119.930405,-0.000000>,1.500000
<-51.033657,120.831482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.033657,120.831482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.033657,120.831482,-0.000000>,1.500000
<-51.467316,121.732559,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.467316,121.732559,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.599995,119.930405,-0.000000>,1.500000
<-51.574757,120.153656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.574757,120.153656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.574757,120.153656,-0.000000>,1.500000
<-52.549519,120.376907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.549519,120.376907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.599995,119.930405,-0.000000>,1.500000
<-51.381516,120.554283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.381516,120.554283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.381516,120.554283,-0.000000>,1.500000
<-52.163036,121.178169,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.163036,121.178169,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.163036,121.178169,-0.000000>,1.500000
<-52.944557,121.802048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.944557,121.802048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.944557,121.802048,-0.000000>,1.500000
<-53.726078,122.425926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.726078,122.425926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.036957,118.682648,-0.000000>,1.500000
<-50.012104,118.461098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.012104,118.461098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.012104,118.461098,-0.000000>,1.500000
<-50.987255,118.239548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.987255,118.239548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.987255,118.239548,-0.000000>,1.500000
<-51.962017,118.462799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.962017,118.462799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.962017,118.462799,-0.000000>,1.500000
<-52.936775,118.686050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.936775,118.686050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.987255,118.239548,-0.000000>,1.500000
<-51.769863,117.617035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.769863,117.617035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.769863,117.617035,-0.000000>,1.500000
<-52.552471,116.994522,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.552471,116.994522,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.987255,118.239548,-0.000000>,1.500000
<-51.962402,118.018005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.962402,118.018005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.962402,118.018005,-0.000000>,1.500000
<-52.937553,117.796455,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.937553,117.796455,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.937553,117.796455,-0.000000>,1.500000
<-53.912701,117.574905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.912701,117.574905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.912701,117.574905,-0.000000>,1.500000
<-54.887852,117.353355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.887852,117.353355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.036957,118.682648,-0.000000>,1.500000
<-50.011715,118.905899,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.011715,118.905899,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.011715,118.905899,-0.000000>,1.500000
<-50.986477,119.129150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.986477,119.129150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.986477,119.129150,-0.000000>,1.500000
<-51.961239,119.352402,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.961239,119.352402,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.961239,119.352402,-0.000000>,1.500000
<-52.936001,119.575645,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.936001,119.575645,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.936001,119.575645,-0.000000>,1.500000
<-53.910763,119.798897,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.910763,119.798897,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.910763,119.798897,-0.000000>,1.500000
<-54.885521,120.022148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.885521,120.022148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.885521,120.022148,-0.000000>,1.500000
<-55.667042,120.646027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.667042,120.646027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.667042,120.646027,-0.000000>,1.500000
<-56.448563,121.269905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.448563,121.269905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.885521,120.022148,-0.000000>,1.500000
<-55.860672,119.800598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.860672,119.800598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.860672,119.800598,-0.000000>,1.500000
<-56.835823,119.579048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.835823,119.579048,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.885521,120.022148,-0.000000>,1.500000
<-55.860283,120.245399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.860283,120.245399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.860283,120.245399,-0.000000>,1.500000
<-56.835045,120.468651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.835045,120.468651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.835045,120.468651,-0.000000>,1.500000
<-57.809807,120.691902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.809807,120.691902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.809807,120.691902,-0.000000>,1.500000
<-58.784569,120.915146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.784569,120.915146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.137909,117.789650,-0.000000>,1.500000
<-45.919430,118.413528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.919430,118.413528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.919430,118.413528,-0.000000>,1.500000
<-46.700951,119.037407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.700951,119.037407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.700951,119.037407,-0.000000>,1.500000
<-47.482471,119.661285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.482471,119.661285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.482471,119.661285,-0.000000>,1.500000
<-48.263992,120.285164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.263992,120.285164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.263992,120.285164,-0.000000>,1.500000
<-49.045513,120.909042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.045513,120.909042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.045513,120.909042,-0.000000>,1.500000
<-49.827034,121.532928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.827034,121.532928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.827034,121.532928,-0.000000>,1.500000
<-50.608555,122.156807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.608555,122.156807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.608555,122.156807,-0.000000>,1.500000
<-51.390076,122.780685,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.390076,122.780685,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.390076,122.780685,-0.000000>,1.500000
<-52.171597,123.404564,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.171597,123.404564,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.171597,123.404564,-0.000000>,1.500000
<-52.953117,124.028442,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.953117,124.028442,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.953117,124.028442,-0.000000>,1.500000
<-53.734634,124.652321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.734634,124.652321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.734634,124.652321,-0.000000>,1.500000
<-54.516155,125.276199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.516155,125.276199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.516155,125.276199,-0.000000>,1.500000
<-54.949814,126.177277,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.949814,126.177277,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.949814,126.177277,-0.000000>,1.500000
<-55.383476,127.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.383476,127.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.383476,127.078354,-0.000000>,1.500000
<-55.383476,128.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.383476,128.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.383476,128.078354,-0.000000>,1.500000
<-55.383476,129.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.383476,129.078354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.383476,127.078354,-0.000000>,1.500000
<-56.164997,127.702232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.164997,127.702232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.164997,127.702232,-0.000000>,1.500000
<-56.946514,128.326111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.946514,128.326111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.383476,127.078354,-0.000000>,1.500000
<-55.817135,127.979431,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.817135,127.979431,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.817135,127.979431,-0.000000>,1.500000
<-56.250793,128.880508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.250793,128.880508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.250793,128.880508,-0.000000>,1.500000
<-56.684452,129.781586,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.684452,129.781586,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.684452,129.781586,-0.000000>,1.500000
<-57.118111,130.682663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.118111,130.682663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.516155,125.276199,-0.000000>,1.500000
<-55.490917,125.499451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.490917,125.499451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.490917,125.499451,-0.000000>,1.500000
<-56.465679,125.722702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.465679,125.722702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.465679,125.722702,-0.000000>,1.500000
<-57.247200,126.346581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.247200,126.346581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.247200,126.346581,-0.000000>,1.500000
<-58.028721,126.970459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.028721,126.970459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.465679,125.722702,-0.000000>,1.500000
<-57.440826,125.501152,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.440826,125.501152,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.440826,125.501152,-0.000000>,1.500000
<-58.415977,125.279602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.415977,125.279602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.465679,125.722702,-0.000000>,1.500000
<-57.440441,125.945953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.440441,125.945953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.440441,125.945953,-0.000000>,1.500000
<-58.415203,126.169205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.415203,126.169205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.415203,126.169205,-0.000000>,1.500000
<-59.389961,126.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.389961,126.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.389961,126.392456,-0.000000>,1.500000
<-60.364723,126.615700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.364723,126.615700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.516155,125.276199,-0.000000>,1.500000
<-55.297676,125.900085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.297676,125.900085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.297676,125.900085,-0.000000>,1.500000
<-56.079197,126.523964,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.079197,126.523964,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.079197,126.523964,-0.000000>,1.500000
<-56.860718,127.147842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.860718,127.147842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.860718,127.147842,-0.000000>,1.500000
<-57.642239,127.771721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.642239,127.771721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.642239,127.771721,-0.000000>,1.500000
<-58.423759,128.395599,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.423759,128.395599,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.423759,128.395599,-0.000000>,1.500000
<-59.205280,129.019485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.205280,129.019485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.205280,129.019485,-0.000000>,1.500000
<-59.638939,129.920563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.638939,129.920563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.638939,129.920563,-0.000000>,1.500000
<-60.072598,130.821640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.072598,130.821640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.205280,129.019485,-0.000000>,1.500000
<-60.180042,129.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.180042,129.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.180042,129.242737,-0.000000>,1.500000
<-61.154800,129.465973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.154800,129.465973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.205280,129.019485,-0.000000>,1.500000
<-59.986801,129.643356,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.986801,129.643356,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.986801,129.643356,-0.000000>,1.500000
<-60.768322,130.267242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.768322,130.267242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.768322,130.267242,-0.000000>,1.500000
<-61.549843,130.891113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.549843,130.891113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.549843,130.891113,-0.000000>,1.500000
<-62.331360,131.514999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.331360,131.514999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,92.834465,-0.000000>,1.500000
<-14.310750,93.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,93.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,93.735542,-0.000000>,1.500000
<-14.744410,94.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,94.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,94.636620,-0.000000>,1.500000
<-15.178068,95.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,95.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,95.537697,-0.000000>,1.500000
<-15.611728,96.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,96.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,96.438774,-0.000000>,1.500000
<-16.045387,97.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,97.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,97.339851,-0.000000>,1.500000
<-16.479046,98.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,98.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,98.240929,-0.000000>,1.500000
<-16.912704,99.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,99.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,99.142006,-0.000000>,1.500000
<-17.346363,100.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,100.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,100.043083,-0.000000>,1.500000
<-17.780024,100.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,100.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,100.944160,-0.000000>,1.500000
<-18.213682,101.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,101.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,101.845238,-0.000000>,1.500000
<-18.647341,102.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,102.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,102.746315,-0.000000>,1.500000
<-19.080999,103.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.080999,103.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,103.647392,-0.000000>,1.500000
<-19.514660,104.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.514660,104.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,104.548462,-0.000000>,1.500000
<-19.948318,105.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,105.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.948318,105.449539,-0.000000>,1.500000
<-20.381977,106.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.381977,106.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.381977,106.350616,-0.000000>,1.500000
<-20.815638,107.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.815638,107.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,107.251694,-0.000000>,1.500000
<-21.249296,108.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.249296,108.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.249296,108.152771,-0.000000>,1.500000
<-21.682955,109.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.682955,109.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.682955,109.053848,-0.000000>,1.500000
<-22.116613,109.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.116613,109.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.116613,109.954926,-0.000000>,1.500000
<-22.550274,110.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,110.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,110.856003,-0.000000>,1.500000
<-22.983932,111.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.983932,111.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.983932,111.757080,-0.000000>,1.500000
<-23.417591,112.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.417591,112.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.417591,112.658157,-0.000000>,1.500000
<-23.851250,113.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.851250,113.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.851250,113.559235,-0.000000>,1.500000
<-24.284910,114.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.284910,114.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.284910,114.460312,-0.000000>,1.500000
<-24.718569,115.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.718569,115.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,115.361389,-0.000000>,1.500000
<-25.152227,116.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,116.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,116.262466,-0.000000>,1.500000
<-25.585886,117.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.585886,117.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.585886,117.163544,-0.000000>,1.500000
<-26.019547,118.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.019547,118.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.019547,118.064621,-0.000000>,1.500000
<-26.453205,118.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.453205,118.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.453205,118.965698,-0.000000>,1.500000
<-26.886864,119.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,119.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.886864,119.866776,-0.000000>,1.500000
<-27.320522,120.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,120.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,120.767853,-0.000000>,1.500000
<-27.754183,121.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,121.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.754183,121.668930,-0.000000>,1.500000
<-28.187841,122.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.187841,122.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.187841,122.570007,-0.000000>,1.500000
<-28.621500,123.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.621500,123.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.621500,123.471085,-0.000000>,1.500000
<-29.055159,124.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.055159,124.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.055159,124.372162,-0.000000>,1.500000
<-29.488819,125.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.488819,125.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.488819,125.273239,-0.000000>,1.500000
<-29.922478,126.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.922478,126.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.922478,126.174316,-0.000000>,1.500000
<-30.356136,127.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.356136,127.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.356136,127.075394,-0.000000>,1.500000
<-30.789795,127.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.789795,127.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.789795,127.976471,-0.000000>,1.500000
<-31.223455,128.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.223455,128.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.223455,128.877548,-0.000000>,1.500000
<-31.657114,129.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.657114,129.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.657114,129.778625,-0.000000>,1.500000
<-32.090775,130.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.090775,130.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.090775,130.679703,-0.000000>,1.500000
<-32.524433,131.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,131.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,131.580780,-0.000000>,1.500000
<-32.958092,132.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,132.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,132.481857,-0.000000>,1.500000
<-33.391750,133.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.391750,133.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.391750,133.382935,-0.000000>,1.500000
<-33.825409,134.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,134.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,134.284012,-0.000000>,1.500000
<-34.259068,135.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.259068,135.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.259068,135.185089,-0.000000>,1.500000
<-34.692726,136.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,136.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,136.086166,-0.000000>,1.500000
<-34.692726,137.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,137.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,137.086166,-0.000000>,1.500000
<-34.692726,138.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,138.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,138.086166,-0.000000>,1.500000
<-34.692726,139.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,139.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,139.086166,-0.000000>,1.500000
<-34.692726,140.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,140.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,140.086166,-0.000000>,1.500000
<-34.692726,141.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,141.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,141.086166,-0.000000>,1.500000
<-34.692726,142.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,142.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,142.086166,-0.000000>,1.500000
<-34.692726,143.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,143.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,143.086166,-0.000000>,1.500000
<-34.692726,144.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,144.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,144.086166,-0.000000>,1.500000
<-34.259068,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.259068,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.259068,144.987244,-0.000000>,1.500000
<-33.825409,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,145.888321,-0.000000>,1.500000
<-33.391750,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.391750,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.391750,146.789398,-0.000000>,1.500000
<-32.958092,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,147.690475,-0.000000>,1.500000
<-32.176571,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.176571,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.176571,148.314346,-0.000000>,1.500000
<-31.395050,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.395050,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.395050,148.938232,-0.000000>,1.500000
<-30.420290,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.420290,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.420290,149.161484,-0.000000>,1.500000
<-29.445528,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.445528,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.395050,148.938232,-0.000000>,1.500000
<-30.961391,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.961391,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.961391,149.839310,-0.000000>,1.500000
<-30.527733,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.527733,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.395050,148.938232,-0.000000>,1.500000
<-30.613529,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.613529,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.613529,149.562103,-0.000000>,1.500000
<-29.832010,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.832010,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.832010,150.185989,-0.000000>,1.500000
<-29.050489,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.050489,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.050489,150.809860,-0.000000>,1.500000
<-28.268969,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.268969,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,147.690475,-0.000000>,1.500000
<-32.958092,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,148.690475,-0.000000>,1.500000
<-32.958092,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,149.690475,-0.000000>,1.500000
<-32.524433,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,150.591553,-0.000000>,1.500000
<-32.090775,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.090775,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,149.690475,-0.000000>,1.500000
<-33.391750,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.391750,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.391750,150.591553,-0.000000>,1.500000
<-33.825409,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,149.690475,-0.000000>,1.500000
<-32.958092,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,150.690475,-0.000000>,1.500000
<-32.958092,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,151.690475,-0.000000>,1.500000
<-32.958092,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,152.690475,-0.000000>,1.500000
<-32.958092,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,147.690475,-0.000000>,1.500000
<-32.524433,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,148.591553,-0.000000>,1.500000
<-32.090775,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.090775,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.090775,149.492630,-0.000000>,1.500000
<-31.657114,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.657114,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.657114,150.393707,-0.000000>,1.500000
<-31.223455,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.223455,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.223455,151.294785,-0.000000>,1.500000
<-30.789795,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.789795,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.789795,152.195862,-0.000000>,1.500000
<-30.356136,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.356136,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.356136,153.096924,-0.000000>,1.500000
<-29.574615,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.574615,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.574615,153.720810,-0.000000>,1.500000
<-28.793097,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.793097,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.356136,153.096924,-0.000000>,1.500000
<-30.356136,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.356136,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.356136,154.096924,-0.000000>,1.500000
<-30.356136,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.356136,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.356136,153.096924,-0.000000>,1.500000
<-29.922478,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.922478,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.922478,153.998001,-0.000000>,1.500000
<-29.488819,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.488819,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.488819,154.899078,-0.000000>,1.500000
<-29.055159,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.055159,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.055159,155.800156,-0.000000>,1.500000
<-28.621500,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.621500,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,144.086166,-0.000000>,1.500000
<-35.126389,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.126389,144.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.126389,144.987244,-0.000000>,1.500000
<-35.560047,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.560047,145.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.560047,145.888321,-0.000000>,1.500000
<-35.993706,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.993706,146.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.993706,146.789398,-0.000000>,1.500000
<-36.427364,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,147.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,147.690475,-0.000000>,1.500000
<-36.427364,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,148.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,148.690475,-0.000000>,1.500000
<-36.427364,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,149.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,149.690475,-0.000000>,1.500000
<-35.993706,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.993706,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.993706,150.591553,-0.000000>,1.500000
<-35.560047,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.560047,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,149.690475,-0.000000>,1.500000
<-36.861023,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.861023,150.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.861023,150.591553,-0.000000>,1.500000
<-37.294682,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.294682,151.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,149.690475,-0.000000>,1.500000
<-36.427364,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,150.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,150.690475,-0.000000>,1.500000
<-36.427364,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,151.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,151.690475,-0.000000>,1.500000
<-36.427364,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,152.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,152.690475,-0.000000>,1.500000
<-36.427364,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,153.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,147.690475,-0.000000>,1.500000
<-37.208885,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.208885,148.314346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.208885,148.314346,-0.000000>,1.500000
<-37.990406,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.990406,148.938232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.990406,148.938232,-0.000000>,1.500000
<-38.424065,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.424065,149.839310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.424065,149.839310,-0.000000>,1.500000
<-38.857723,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.857723,150.740387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.990406,148.938232,-0.000000>,1.500000
<-38.965168,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.965168,149.161484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.965168,149.161484,-0.000000>,1.500000
<-39.939926,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.939926,149.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.990406,148.938232,-0.000000>,1.500000
<-38.771927,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.771927,149.562103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.771927,149.562103,-0.000000>,1.500000
<-39.553448,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.553448,150.185989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.553448,150.185989,-0.000000>,1.500000
<-40.334965,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.334965,150.809860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.334965,150.809860,-0.000000>,1.500000
<-41.116486,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.116486,151.433746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,147.690475,-0.000000>,1.500000
<-36.861023,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.861023,148.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.861023,148.591553,-0.000000>,1.500000
<-37.294682,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.294682,149.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.294682,149.492630,-0.000000>,1.500000
<-37.728340,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.728340,150.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.728340,150.393707,-0.000000>,1.500000
<-38.161999,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.161999,151.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.161999,151.294785,-0.000000>,1.500000
<-38.595661,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.595661,152.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.595661,152.195862,-0.000000>,1.500000
<-39.029320,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.029320,153.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.029320,153.096924,-0.000000>,1.500000
<-39.029320,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.029320,154.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.029320,154.096924,-0.000000>,1.500000
<-39.029320,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.029320,155.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.029320,153.096924,-0.000000>,1.500000
<-39.810841,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.810841,153.720810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.810841,153.720810,-0.000000>,1.500000
<-40.592361,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.592361,154.344696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.029320,153.096924,-0.000000>,1.500000
<-39.462978,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.462978,153.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.462978,153.998001,-0.000000>,1.500000
<-39.896637,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.896637,154.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.896637,154.899078,-0.000000>,1.500000
<-40.330296,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.330296,155.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.330296,155.800156,-0.000000>,1.500000
<-40.763954,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.763954,156.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,144.086166,-0.000000>,1.500000
<-34.692726,145.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,145.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,145.086166,-0.000000>,1.500000
<-34.692726,146.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,146.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,146.086166,-0.000000>,1.500000
<-34.692726,147.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,147.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,147.086166,-0.000000>,1.500000
<-34.692726,148.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,148.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,148.086166,-0.000000>,1.500000
<-34.692726,149.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,149.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,149.086166,-0.000000>,1.500000
<-34.692726,150.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,150.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,150.086166,-0.000000>,1.500000
<-34.692726,151.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,151.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,151.086166,-0.000000>,1.500000
<-34.692726,152.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,152.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,152.086166,-0.000000>,1.500000
<-34.692726,153.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,153.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,153.086166,-0.000000>,1.500000
<-34.692726,154.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,154.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,154.086166,-0.000000>,1.500000
<-34.692726,155.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,155.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,155.086166,-0.000000>,1.500000
<-34.692726,156.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,156.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,156.086166,-0.000000>,1.500000
<-34.259068,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.259068,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.259068,156.987244,-0.000000>,1.500000
<-33.825409,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,157.888321,-0.000000>,1.500000
<-33.043888,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.043888,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.043888,158.512192,-0.000000>,1.500000
<-32.262367,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.262367,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,157.888321,-0.000000>,1.500000
<-33.825409,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,158.888321,-0.000000>,1.500000
<-33.825409,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,157.888321,-0.000000>,1.500000
<-33.391750,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.391750,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.391750,158.789398,-0.000000>,1.500000
<-32.958092,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,159.690475,-0.000000>,1.500000
<-32.524433,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,160.591553,-0.000000>,1.500000
<-32.090775,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.090775,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,156.086166,-0.000000>,1.500000
<-35.126389,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.126389,156.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.126389,156.987244,-0.000000>,1.500000
<-35.560047,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.560047,157.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.560047,157.888321,-0.000000>,1.500000
<-35.560047,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.560047,158.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.560047,158.888321,-0.000000>,1.500000
<-35.560047,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.560047,159.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.560047,157.888321,-0.000000>,1.500000
<-36.341568,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.341568,158.512192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.341568,158.512192,-0.000000>,1.500000
<-37.123085,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.123085,159.136078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.560047,157.888321,-0.000000>,1.500000
<-35.993706,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.993706,158.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.993706,158.789398,-0.000000>,1.500000
<-36.427364,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,159.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,159.690475,-0.000000>,1.500000
<-36.861023,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.861023,160.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.861023,160.591553,-0.000000>,1.500000
<-37.294682,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.294682,161.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,156.086166,-0.000000>,1.500000
<-34.692726,157.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,157.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,157.086166,-0.000000>,1.500000
<-34.692726,158.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,158.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,158.086166,-0.000000>,1.500000
<-34.692726,159.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,159.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,159.086166,-0.000000>,1.500000
<-34.692726,160.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,160.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,160.086166,-0.000000>,1.500000
<-34.692726,161.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,161.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,161.086166,-0.000000>,1.500000
<-34.692726,162.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,162.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,162.086166,-0.000000>,1.500000
<-34.259068,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.259068,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.259068,162.987244,-0.000000>,1.500000
<-33.825409,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,162.086166,-0.000000>,1.500000
<-35.126389,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.126389,162.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.126389,162.987244,-0.000000>,1.500000
<-35.560047,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.560047,163.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,162.086166,-0.000000>,1.500000
<-34.692726,163.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,163.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,163.086166,-0.000000>,1.500000
<-34.692726,164.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,164.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,164.086166,-0.000000>,1.500000
<-34.692726,165.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,165.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,165.086166,-0.000000>,1.500000
<-34.692726,166.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,166.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,136.086166,-0.000000>,1.500000
<-35.474247,136.710037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.474247,136.710037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.474247,136.710037,-0.000000>,1.500000
<-36.255768,137.333923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.255768,137.333923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.255768,137.333923,-0.000000>,1.500000
<-37.037289,137.957794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.037289,137.957794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.037289,137.957794,-0.000000>,1.500000
<-37.818810,138.581680,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.818810,138.581680,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.818810,138.581680,-0.000000>,1.500000
<-38.600330,139.205566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.600330,139.205566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.600330,139.205566,-0.000000>,1.500000
<-39.381851,139.829437,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.381851,139.829437,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.381851,139.829437,-0.000000>,1.500000
<-40.163372,140.453323,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.163372,140.453323,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.163372,140.453323,-0.000000>,1.500000
<-40.944893,141.077194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.944893,141.077194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.944893,141.077194,-0.000000>,1.500000
<-41.378551,141.978271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.378551,141.978271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.378551,141.978271,-0.000000>,1.500000
<-41.812210,142.879349,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.812210,142.879349,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.812210,142.879349,-0.000000>,1.500000
<-42.245869,143.780426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.245869,143.780426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.245869,143.780426,-0.000000>,1.500000
<-42.679527,144.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.679527,144.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,144.681503,-0.000000>,1.500000
<-42.679527,145.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.679527,145.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,145.681503,-0.000000>,1.500000
<-42.679527,146.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.679527,146.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,146.681503,-0.000000>,1.500000
<-42.245869,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.245869,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.245869,147.582581,-0.000000>,1.500000
<-41.812210,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.812210,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,146.681503,-0.000000>,1.500000
<-43.113186,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.113186,147.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.113186,147.582581,-0.000000>,1.500000
<-43.546844,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.546844,148.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,146.681503,-0.000000>,1.500000
<-42.679527,147.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.679527,147.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,147.681503,-0.000000>,1.500000
<-42.679527,148.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.679527,148.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,148.681503,-0.000000>,1.500000
<-42.679527,149.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.679527,149.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,149.681503,-0.000000>,1.500000
<-42.679527,150.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.679527,150.681503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,144.681503,-0.000000>,1.500000
<-43.461048,145.305389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.461048,145.305389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.461048,145.305389,-0.000000>,1.500000
<-44.242569,145.929260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.242569,145.929260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.242569,145.929260,-0.000000>,1.500000
<-44.676228,146.830338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.676228,146.830338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.676228,146.830338,-0.000000>,1.500000
<-45.109886,147.731415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.109886,147.731415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.242569,145.929260,-0.000000>,1.500000
<-45.217331,146.152512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.217331,146.152512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.217331,146.152512,-0.000000>,1.500000
<-46.192093,146.375763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.192093,146.375763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.242569,145.929260,-0.000000>,1.500000
<-45.024090,146.553146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.024090,146.553146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.024090,146.553146,-0.000000>,1.500000
<-45.805611,147.177017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.805611,147.177017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.805611,147.177017,-0.000000>,1.500000
<-46.587132,147.800903,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.587132,147.800903,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.587132,147.800903,-0.000000>,1.500000
<-47.368652,148.424789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.368652,148.424789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.679527,144.681503,-0.000000>,1.500000
<-43.113186,145.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.113186,145.582581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.113186,145.582581,-0.000000>,1.500000
<-43.546844,146.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.546844,146.483658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.546844,146.483658,-0.000000>,1.500000
<-43.980507,147.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.980507,147.384735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.980507,147.384735,-0.000000>,1.500000
<-44.414165,148.285812,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.414165,148.285812,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.414165,148.285812,-0.000000>,1.500000
<-44.847824,149.186890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.847824,149.186890,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.847824,149.186890,-0.000000>,1.500000
<-45.281483,150.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.281483,150.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.281483,150.087967,-0.000000>,1.500000
<-45.281483,151.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.281483,151.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.281483,151.087967,-0.000000>,1.500000
<-45.281483,152.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.281483,152.087967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.281483,150.087967,-0.000000>,1.500000
<-46.063004,150.711853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.063004,150.711853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.063004,150.711853,-0.000000>,1.500000
<-46.844524,151.335724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.844524,151.335724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.281483,150.087967,-0.000000>,1.500000
<-45.715141,150.989044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.715141,150.989044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.715141,150.989044,-0.000000>,1.500000
<-46.148800,151.890121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.148800,151.890121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.148800,151.890121,-0.000000>,1.500000
<-46.582458,152.791199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.582458,152.791199,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.582458,152.791199,-0.000000>,1.500000
<-47.016117,153.692276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.016117,153.692276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.944893,141.077194,-0.000000>,1.500000
<-41.919651,141.300446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.919651,141.300446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.919651,141.300446,-0.000000>,1.500000
<-42.894413,141.523697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.894413,141.523697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.894413,141.523697,-0.000000>,1.500000
<-43.869175,141.746948,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.869175,141.746948,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.869175,141.746948,-0.000000>,1.500000
<-44.843937,141.970200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.843937,141.970200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.843937,141.970200,-0.000000>,1.500000
<-45.625458,142.594070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.625458,142.594070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.625458,142.594070,-0.000000>,1.500000
<-46.406979,143.217957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.406979,143.217957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.406979,143.217957,-0.000000>,1.500000
<-46.840637,144.119034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.840637,144.119034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.840637,144.119034,-0.000000>,1.500000
<-47.274296,145.020111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.274296,145.020111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.406979,143.217957,-0.000000>,1.500000
<-47.381737,143.441208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.381737,143.441208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.381737,143.441208,-0.000000>,1.500000
<-48.356499,143.664459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.356499,143.664459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.406979,143.217957,-0.000000>,1.500000
<-47.188499,143.841843,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.188499,143.841843,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.188499,143.841843,-0.000000>,1.500000
<-47.970020,144.465714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.970020,144.465714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.970020,144.465714,-0.000000>,1.500000
<-48.751537,145.089600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.751537,145.089600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.751537,145.089600,-0.000000>,1.500000
<-49.533058,145.713470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.533058,145.713470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.843937,141.970200,-0.000000>,1.500000
<-45.819084,141.748657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.819084,141.748657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.819084,141.748657,-0.000000>,1.500000
<-46.794235,141.527100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.794235,141.527100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.794235,141.527100,-0.000000>,1.500000
<-47.768997,141.750351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.768997,141.750351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.768997,141.750351,-0.000000>,1.500000
<-48.743759,141.973602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.743759,141.973602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.794235,141.527100,-0.000000>,1.500000
<-47.576843,140.904587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.576843,140.904587,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.576843,140.904587,-0.000000>,1.500000
<-48.359451,140.282074,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.359451,140.282074,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.794235,141.527100,-0.000000>,1.500000
<-47.769386,141.305557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.769386,141.305557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.769386,141.305557,-0.000000>,1.500000
<-48.744534,141.084000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.744534,141.084000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.744534,141.084000,-0.000000>,1.500000
<-49.719685,140.862457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.719685,140.862457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.719685,140.862457,-0.000000>,1.500000
<-50.694832,140.640900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.694832,140.640900,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.843937,141.970200,-0.000000>,1.500000
<-45.818699,142.193451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.818699,142.193451,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.818699,142.193451,-0.000000>,1.500000
<-46.793457,142.416702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.793457,142.416702,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.793457,142.416702,-0.000000>,1.500000
<-47.768219,142.639954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.768219,142.639954,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.768219,142.639954,-0.000000>,1.500000
<-48.742981,142.863205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.742981,142.863205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.742981,142.863205,-0.000000>,1.500000
<-49.717743,143.086441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.717743,143.086441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.717743,143.086441,-0.000000>,1.500000
<-50.692505,143.309692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.692505,143.309692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.692505,143.309692,-0.000000>,1.500000
<-51.474026,143.933578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.474026,143.933578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.474026,143.933578,-0.000000>,1.500000
<-52.255543,144.557465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.255543,144.557465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.692505,143.309692,-0.000000>,1.500000
<-51.667652,143.088150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.667652,143.088150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.667652,143.088150,-0.000000>,1.500000
<-52.642803,142.866608,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.642803,142.866608,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.692505,143.309692,-0.000000>,1.500000
<-51.667263,143.532944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.667263,143.532944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.667263,143.532944,-0.000000>,1.500000
<-52.642025,143.756195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.642025,143.756195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.642025,143.756195,-0.000000>,1.500000
<-53.616787,143.979446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.616787,143.979446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.616787,143.979446,-0.000000>,1.500000
<-54.591549,144.202698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.591549,144.202698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.944893,141.077194,-0.000000>,1.500000
<-41.726414,141.701080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.726414,141.701080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.726414,141.701080,-0.000000>,1.500000
<-42.507931,142.324951,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.507931,142.324951,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.507931,142.324951,-0.000000>,1.500000
<-43.289452,142.948837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.289452,142.948837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.289452,142.948837,-0.000000>,1.500000
<-44.070972,143.572723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.070972,143.572723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.070972,143.572723,-0.000000>,1.500000
<-44.852493,144.196594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.852493,144.196594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.852493,144.196594,-0.000000>,1.500000
<-45.634014,144.820480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.634014,144.820480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.634014,144.820480,-0.000000>,1.500000
<-46.415535,145.444351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.415535,145.444351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.415535,145.444351,-0.000000>,1.500000
<-47.197056,146.068237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.197056,146.068237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.197056,146.068237,-0.000000>,1.500000
<-47.978577,146.692108,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.978577,146.692108,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.978577,146.692108,-0.000000>,1.500000
<-48.760098,147.315994,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.760098,147.315994,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.760098,147.315994,-0.000000>,1.500000
<-49.541618,147.939880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.541618,147.939880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.541618,147.939880,-0.000000>,1.500000
<-50.323139,148.563751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.323139,148.563751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.323139,148.563751,-0.000000>,1.500000
<-50.756798,149.464828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.756798,149.464828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.756798,149.464828,-0.000000>,1.500000
<-51.190456,150.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.190456,150.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.190456,150.365906,-0.000000>,1.500000
<-51.190456,151.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.190456,151.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.190456,151.365906,-0.000000>,1.500000
<-51.190456,152.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.190456,152.365906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.190456,150.365906,-0.000000>,1.500000
<-51.971977,150.989792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.971977,150.989792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.971977,150.989792,-0.000000>,1.500000
<-52.753498,151.613663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.753498,151.613663,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.190456,150.365906,-0.000000>,1.500000
<-51.624115,151.266983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.624115,151.266983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.624115,151.266983,-0.000000>,1.500000
<-52.057774,152.168060,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.057774,152.168060,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.057774,152.168060,-0.000000>,1.500000
<-52.491432,153.069138,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.491432,153.069138,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.491432,153.069138,-0.000000>,1.500000
<-52.925091,153.970215,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.925091,153.970215,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.323139,148.563751,-0.000000>,1.500000
<-51.297897,148.787003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.297897,148.787003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.297897,148.787003,-0.000000>,1.500000
<-52.272659,149.010254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.272659,149.010254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.272659,149.010254,-0.000000>,1.500000
<-53.054180,149.634140,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.054180,149.634140,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.054180,149.634140,-0.000000>,1.500000
<-53.835701,150.258011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.835701,150.258011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.272659,149.010254,-0.000000>,1.500000
<-53.247810,148.788712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.247810,148.788712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.247810,148.788712,-0.000000>,1.500000
<-54.222958,148.567154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.222958,148.567154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.272659,149.010254,-0.000000>,1.500000
<-53.247421,149.233505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.247421,149.233505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.247421,149.233505,-0.000000>,1.500000
<-54.222183,149.456757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.222183,149.456757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.222183,149.456757,-0.000000>,1.500000
<-55.196945,149.680008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.196945,149.680008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.196945,149.680008,-0.000000>,1.500000
<-56.171703,149.903259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.171703,149.903259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.323139,148.563751,-0.000000>,1.500000
<-51.104656,149.187637,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.104656,149.187637,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.104656,149.187637,-0.000000>,1.500000
<-51.886177,149.811508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.886177,149.811508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.886177,149.811508,-0.000000>,1.500000
<-52.667698,150.435394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.667698,150.435394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.667698,150.435394,-0.000000>,1.500000
<-53.449219,151.059265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.449219,151.059265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.449219,151.059265,-0.000000>,1.500000
<-54.230740,151.683151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.230740,151.683151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.230740,151.683151,-0.000000>,1.500000
<-55.012260,152.307037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.012260,152.307037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.012260,152.307037,-0.000000>,1.500000
<-55.445919,153.208115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.445919,153.208115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.445919,153.208115,-0.000000>,1.500000
<-55.879578,154.109177,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.879578,154.109177,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.012260,152.307037,-0.000000>,1.500000
<-55.987022,152.530273,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.987022,152.530273,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.987022,152.530273,-0.000000>,1.500000
<-56.961784,152.753525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.961784,152.753525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.012260,152.307037,-0.000000>,1.500000
<-55.793781,152.930908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.793781,152.930908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.793781,152.930908,-0.000000>,1.500000
<-56.575302,153.554794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.575302,153.554794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.575302,153.554794,-0.000000>,1.500000
<-57.356823,154.178665,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.356823,154.178665,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.356823,154.178665,-0.000000>,1.500000
<-58.138344,154.802551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.138344,154.802551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,136.086166,-0.000000>,1.500000
<-35.126389,136.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.126389,136.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.126389,136.987244,-0.000000>,1.500000
<-35.560047,137.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.560047,137.888321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.560047,137.888321,-0.000000>,1.500000
<-35.993706,138.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.993706,138.789398,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.993706,138.789398,-0.000000>,1.500000
<-36.427364,139.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.427364,139.690475,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.427364,139.690475,-0.000000>,1.500000
<-36.861023,140.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.861023,140.591553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.861023,140.591553,-0.000000>,1.500000
<-37.294682,141.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.294682,141.492630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.294682,141.492630,-0.000000>,1.500000
<-37.728340,142.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.728340,142.393707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.728340,142.393707,-0.000000>,1.500000
<-38.161999,143.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.161999,143.294785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.161999,143.294785,-0.000000>,1.500000
<-38.595661,144.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.595661,144.195862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.595661,144.195862,-0.000000>,1.500000
<-39.029320,145.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.029320,145.096924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.029320,145.096924,-0.000000>,1.500000
<-39.462978,145.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.462978,145.998001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.462978,145.998001,-0.000000>,1.500000
<-39.896637,146.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.896637,146.899078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.896637,146.899078,-0.000000>,1.500000
<-40.330296,147.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.330296,147.800156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.330296,147.800156,-0.000000>,1.500000
<-40.763954,148.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.763954,148.701233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.763954,148.701233,-0.000000>,1.500000
<-41.197613,149.602310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.197613,149.602310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.197613,149.602310,-0.000000>,1.500000
<-41.631275,150.503387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.631275,150.503387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.631275,150.503387,-0.000000>,1.500000
<-42.064934,151.404465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.064934,151.404465,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.064934,151.404465,-0.000000>,1.500000
<-42.498592,152.305542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.498592,152.305542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.498592,152.305542,-0.000000>,1.500000
<-42.932251,153.206619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.932251,153.206619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.932251,153.206619,-0.000000>,1.500000
<-43.365910,154.107697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.365910,154.107697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.365910,154.107697,-0.000000>,1.500000
<-43.799568,155.008774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.799568,155.008774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.799568,155.008774,-0.000000>,1.500000
<-44.233227,155.909851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.233227,155.909851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.233227,155.909851,-0.000000>,1.500000
<-44.666885,156.810928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.666885,156.810928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.666885,156.810928,-0.000000>,1.500000
<-45.100548,157.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,157.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,157.712006,-0.000000>,1.500000
<-45.100548,158.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,158.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,158.712006,-0.000000>,1.500000
<-45.100548,159.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,159.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,159.712006,-0.000000>,1.500000
<-45.100548,160.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,160.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,160.712006,-0.000000>,1.500000
<-45.100548,161.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,161.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,161.712006,-0.000000>,1.500000
<-44.666885,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.666885,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.666885,162.613083,-0.000000>,1.500000
<-44.233227,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.233227,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.233227,163.514160,-0.000000>,1.500000
<-43.451706,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.451706,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.451706,164.138046,-0.000000>,1.500000
<-42.670185,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.670185,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.233227,163.514160,-0.000000>,1.500000
<-44.233227,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.233227,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.233227,164.514160,-0.000000>,1.500000
<-44.233227,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.233227,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.233227,163.514160,-0.000000>,1.500000
<-43.799568,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.799568,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.799568,164.415237,-0.000000>,1.500000
<-43.365910,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.365910,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.365910,165.316315,-0.000000>,1.500000
<-42.932251,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.932251,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.932251,166.217392,-0.000000>,1.500000
<-42.498592,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.498592,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,161.712006,-0.000000>,1.500000
<-45.534206,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.534206,162.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.534206,162.613083,-0.000000>,1.500000
<-45.967865,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.967865,163.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.967865,163.514160,-0.000000>,1.500000
<-45.967865,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.967865,164.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.967865,164.514160,-0.000000>,1.500000
<-45.967865,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.967865,165.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.967865,163.514160,-0.000000>,1.500000
<-46.749386,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.749386,164.138046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.749386,164.138046,-0.000000>,1.500000
<-47.530907,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.530907,164.761917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.967865,163.514160,-0.000000>,1.500000
<-46.401524,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.401524,164.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.401524,164.415237,-0.000000>,1.500000
<-46.835182,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.835182,165.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.835182,165.316315,-0.000000>,1.500000
<-47.268841,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.268841,166.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.268841,166.217392,-0.000000>,1.500000
<-47.702499,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.702499,167.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,161.712006,-0.000000>,1.500000
<-45.100548,162.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,162.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,162.712006,-0.000000>,1.500000
<-45.100548,163.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,163.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,163.712006,-0.000000>,1.500000
<-45.100548,164.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,164.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,164.712006,-0.000000>,1.500000
<-45.100548,165.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,165.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,165.712006,-0.000000>,1.500000
<-45.100548,166.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,166.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,166.712006,-0.000000>,1.500000
<-45.100548,167.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,167.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,167.712006,-0.000000>,1.500000
<-44.666885,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.666885,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.666885,168.613083,-0.000000>,1.500000
<-44.233227,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.233227,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,167.712006,-0.000000>,1.500000
<-45.534206,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.534206,168.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.534206,168.613083,-0.000000>,1.500000
<-45.967865,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.967865,169.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,167.712006,-0.000000>,1.500000
<-45.100548,168.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,168.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,168.712006,-0.000000>,1.500000
<-45.100548,169.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,169.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,169.712006,-0.000000>,1.500000
<-45.100548,170.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,170.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,170.712006,-0.000000>,1.500000
<-45.100548,171.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.100548,171.712006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,157.712006,-0.000000>,1.500000
<-45.882065,158.335892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.882065,158.335892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.882065,158.335892,-0.000000>,1.500000
<-46.663586,158.959763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.663586,158.959763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.663586,158.959763,-0.000000>,1.500000
<-47.445107,159.583649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.445107,159.583649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.445107,159.583649,-0.000000>,1.500000
<-48.226627,160.207535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.226627,160.207535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.226627,160.207535,-0.000000>,1.500000
<-48.660286,161.108612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.660286,161.108612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.660286,161.108612,-0.000000>,1.500000
<-49.093945,162.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.093945,162.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.093945,162.009689,-0.000000>,1.500000
<-49.093945,163.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.093945,163.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.093945,163.009689,-0.000000>,1.500000
<-49.093945,164.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.093945,164.009689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.093945,162.009689,-0.000000>,1.500000
<-49.875465,162.633560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.875465,162.633560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.875465,162.633560,-0.000000>,1.500000
<-50.656986,163.257446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.656986,163.257446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.093945,162.009689,-0.000000>,1.500000
<-49.527607,162.910751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.527607,162.910751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.527607,162.910751,-0.000000>,1.500000
<-49.961266,163.811829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.961266,163.811829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.961266,163.811829,-0.000000>,1.500000
<-50.394924,164.712906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.394924,164.712906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.394924,164.712906,-0.000000>,1.500000
<-50.828583,165.613983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.828583,165.613983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.226627,160.207535,-0.000000>,1.500000
<-49.201389,160.430771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.201389,160.430771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.201389,160.430771,-0.000000>,1.500000
<-50.176151,160.654022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.176151,160.654022,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.176151,160.654022,-0.000000>,1.500000
<-50.957672,161.277908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.957672,161.277908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.957672,161.277908,-0.000000>,1.500000
<-51.739193,161.901794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.739193,161.901794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.176151,160.654022,-0.000000>,1.500000
<-51.151299,160.432480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.151299,160.432480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.151299,160.432480,-0.000000>,1.500000
<-52.126450,160.210938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.126450,160.210938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.176151,160.654022,-0.000000>,1.500000
<-51.150913,160.877274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.150913,160.877274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.150913,160.877274,-0.000000>,1.500000
<-52.125671,161.100525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.125671,161.100525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.125671,161.100525,-0.000000>,1.500000
<-53.100433,161.323776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.100433,161.323776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.100433,161.323776,-0.000000>,1.500000
<-54.075195,161.547028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.075195,161.547028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.226627,160.207535,-0.000000>,1.500000
<-49.008148,160.831406,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.008148,160.831406,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.008148,160.831406,-0.000000>,1.500000
<-49.789669,161.455292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.789669,161.455292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.789669,161.455292,-0.000000>,1.500000
<-50.571190,162.079163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.571190,162.079163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.571190,162.079163,-0.000000>,1.500000
<-51.352711,162.703049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.352711,162.703049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.352711,162.703049,-0.000000>,1.500000
<-52.134232,163.326920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.134232,163.326920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.134232,163.326920,-0.000000>,1.500000
<-52.915752,163.950806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.915752,163.950806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.915752,163.950806,-0.000000>,1.500000
<-53.349411,164.851883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.349411,164.851883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.349411,164.851883,-0.000000>,1.500000
<-53.783070,165.752960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.783070,165.752960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.915752,163.950806,-0.000000>,1.500000
<-53.890511,164.174057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.890511,164.174057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.890511,164.174057,-0.000000>,1.500000
<-54.865273,164.397308,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.865273,164.397308,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.915752,163.950806,-0.000000>,1.500000
<-53.697273,164.574692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.697273,164.574692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.697273,164.574692,-0.000000>,1.500000
<-54.478790,165.198563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.478790,165.198563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.478790,165.198563,-0.000000>,1.500000
<-55.260311,165.822449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.260311,165.822449,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.260311,165.822449,-0.000000>,1.500000
<-56.041832,166.446320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.041832,166.446320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.100548,157.712006,-0.000000>,1.500000
<-45.534206,158.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.534206,158.613083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.534206,158.613083,-0.000000>,1.500000
<-45.967865,159.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.967865,159.514160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.967865,159.514160,-0.000000>,1.500000
<-46.401524,160.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.401524,160.415237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.401524,160.415237,-0.000000>,1.500000
<-46.835182,161.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.835182,161.316315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.835182,161.316315,-0.000000>,1.500000
<-47.268841,162.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.268841,162.217392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.268841,162.217392,-0.000000>,1.500000
<-47.702499,163.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.702499,163.118469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.702499,163.118469,-0.000000>,1.500000
<-48.136158,164.019547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.136158,164.019547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.136158,164.019547,-0.000000>,1.500000
<-48.569820,164.920624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.569820,164.920624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.569820,164.920624,-0.000000>,1.500000
<-49.003479,165.821701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.003479,165.821701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.003479,165.821701,-0.000000>,1.500000
<-49.437138,166.722778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.437138,166.722778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.437138,166.722778,-0.000000>,1.500000
<-49.870796,167.623856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.870796,167.623856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.870796,167.623856,-0.000000>,1.500000
<-50.304455,168.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.304455,168.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,168.524933,-0.000000>,1.500000
<-50.304455,169.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.304455,169.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,169.524933,-0.000000>,1.500000
<-50.304455,170.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.304455,170.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,170.524933,-0.000000>,1.500000
<-49.870796,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.870796,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.870796,171.426010,-0.000000>,1.500000
<-49.437138,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.437138,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,170.524933,-0.000000>,1.500000
<-50.738113,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.738113,171.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.738113,171.426010,-0.000000>,1.500000
<-51.171772,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.171772,172.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,170.524933,-0.000000>,1.500000
<-50.304455,171.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.304455,171.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,171.524933,-0.000000>,1.500000
<-50.304455,172.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.304455,172.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,172.524933,-0.000000>,1.500000
<-50.304455,173.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.304455,173.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,173.524933,-0.000000>,1.500000
<-50.304455,174.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.304455,174.524933,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,168.524933,-0.000000>,1.500000
<-51.085976,169.148819,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.085976,169.148819,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.085976,169.148819,-0.000000>,1.500000
<-51.867496,169.772690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.867496,169.772690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.867496,169.772690,-0.000000>,1.500000
<-52.301155,170.673767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.301155,170.673767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.301155,170.673767,-0.000000>,1.500000
<-52.734814,171.574844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.734814,171.574844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.867496,169.772690,-0.000000>,1.500000
<-52.842258,169.995941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.842258,169.995941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.842258,169.995941,-0.000000>,1.500000
<-53.817020,170.219193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.817020,170.219193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.867496,169.772690,-0.000000>,1.500000
<-52.649017,170.396576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.649017,170.396576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.649017,170.396576,-0.000000>,1.500000
<-53.430538,171.020447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.430538,171.020447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.430538,171.020447,-0.000000>,1.500000
<-54.212059,171.644333,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.212059,171.644333,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.212059,171.644333,-0.000000>,1.500000
<-54.993580,172.268204,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.993580,172.268204,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.304455,168.524933,-0.000000>,1.500000
<-50.738113,169.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.738113,169.426010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.738113,169.426010,-0.000000>,1.500000
<-51.171772,170.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.171772,170.327087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.171772,170.327087,-0.000000>,1.500000
<-51.605431,171.228165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.605431,171.228165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.605431,171.228165,-0.000000>,1.500000
<-52.039093,172.129242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.039093,172.129242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.039093,172.129242,-0.000000>,1.500000
<-52.472752,173.030319,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.472752,173.030319,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.472752,173.030319,-0.000000>,1.500000
<-52.906410,173.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.906410,173.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.906410,173.931396,-0.000000>,1.500000
<-52.906410,174.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.906410,174.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.906410,174.931396,-0.000000>,1.500000
<-52.906410,175.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.906410,175.931396,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.906410,173.931396,-0.000000>,1.500000
<-53.687931,174.555283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.687931,174.555283,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.687931,174.555283,-0.000000>,1.500000
<-54.469452,175.179153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.469452,175.179153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.906410,173.931396,-0.000000>,1.500000
<-53.340069,174.832474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.340069,174.832474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.340069,174.832474,-0.000000>,1.500000
<-53.773727,175.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.773727,175.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.773727,175.733551,-0.000000>,1.500000
<-54.207386,176.634628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.207386,176.634628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.207386,176.634628,-0.000000>,1.500000
<-54.641045,177.535706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.641045,177.535706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,64.000000,-0.000000>,1.500000
<0.000000,65.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,65.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,65.000000,-0.000000>,1.500000
<0.000000,66.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,66.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,66.000000,-0.000000>,1.500000
<0.000000,67.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,67.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,67.000000,-0.000000>,1.500000
<0.000000,68.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,68.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,68.000000,-0.000000>,1.500000
<0.000000,69.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,69.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,69.000000,-0.000000>,1.500000
<0.000000,70.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,70.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,70.000000,-0.000000>,1.500000
<0.000000,71.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,71.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,71.000000,-0.000000>,1.500000
<0.000000,72.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,72.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,72.000000,-0.000000>,1.500000
<0.000000,73.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,73.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,73.000000,-0.000000>,1.500000
<0.000000,74.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,74.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,74.000000,-0.000000>,1.500000
<0.000000,75.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,75.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,75.000000,-0.000000>,1.500000
<0.000000,76.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,76.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,76.000000,-0.000000>,1.500000
<0.000000,77.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,77.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,77.000000,-0.000000>,1.500000
<0.000000,78.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,78.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,78.000000,-0.000000>,1.500000
<0.000000,79.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,79.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,79.000000,-0.000000>,1.500000
<0.000000,80.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,80.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,80.000000,-0.000000>,1.500000
<0.000000,81.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,81.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,81.000000,-0.000000>,1.500000
<0.000000,82.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,82.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,82.000000,-0.000000>,1.500000
<0.000000,83.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,83.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,83.000000,-0.000000>,1.500000
<0.000000,84.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,84.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,84.000000,-0.000000>,1.500000
<0.000000,85.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,85.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,85.000000,-0.000000>,1.500000
<0.000000,86.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,86.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,86.000000,-0.000000>,1.500000
<0.000000,87.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,87.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,87.000000,-0.000000>,1.500000
<0.000000,88.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,88.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,88.000000,-0.000000>,1.500000
<0.000000,89.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,89.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,89.000000,-0.000000>,1.500000
<0.000000,90.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,90.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,90.000000,-0.000000>,1.500000
<0.000000,91.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,91.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,91.000000,-0.000000>,1.500000
<0.000000,92.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,92.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,92.000000,-0.000000>,1.500000
<0.000000,93.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,93.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,93.000000,-0.000000>,1.500000
<0.000000,94.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,94.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,94.000000,-0.000000>,1.500000
<0.000000,95.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,95.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,95.000000,-0.000000>,1.500000
<0.000000,96.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,96.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,96.000000,-0.000000>,1.500000
<0.000000,97.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,97.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,97.000000,-0.000000>,1.500000
<0.000000,98.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,98.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,98.000000,-0.000000>,1.500000
<0.000000,99.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,99.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,99.000000,-0.000000>,1.500000
<0.000000,100.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,100.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,100.000000,-0.000000>,1.500000
<0.000000,101.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,101.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,101.000000,-0.000000>,1.500000
<0.000000,102.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,102.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,102.000000,-0.000000>,1.500000
<0.000000,103.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,103.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,103.000000,-0.000000>,1.500000
<0.000000,104.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,104.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,104.000000,-0.000000>,1.500000
<0.000000,105.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,105.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,105.000000,-0.000000>,1.500000
<0.000000,106.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,106.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,106.000000,-0.000000>,1.500000
<0.000000,107.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,107.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,107.000000,-0.000000>,1.500000
<0.000000,108.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,108.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,108.000000,-0.000000>,1.500000
<0.000000,109.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,109.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,109.000000,-0.000000>,1.500000
<0.000000,110.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,110.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,110.000000,-0.000000>,1.500000
<0.000000,111.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,111.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,111.000000,-0.000000>,1.500000
<0.000000,112.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,112.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,112.000000,-0.000000>,1.500000
<0.000000,113.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,113.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,113.000000,-0.000000>,1.500000
<0.000000,114.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,114.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,114.000000,-0.000000>,1.500000
<0.000000,115.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,115.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,115.000000,-0.000000>,1.500000
<0.000000,116.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,116.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,116.000000,-0.000000>,1.500000
<0.000000,117.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,117.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,117.000000,-0.000000>,1.500000
<0.000000,118.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,118.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,118.000000,-0.000000>,1.500000
<0.000000,119.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,119.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,119.000000,-0.000000>,1.500000
<0.000000,120.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,120.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,120.000000,-0.000000>,1.500000
<0.000000,121.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,121.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,121.000000,-0.000000>,1.500000
<0.000000,122.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,122.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,122.000000,-0.000000>,1.500000
<0.000000,123.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,123.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,123.000000,-0.000000>,1.500000
<0.000000,124.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,124.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,124.000000,-0.000000>,1.500000
<0.000000,125.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,125.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,125.000000,-0.000000>,1.500000
<0.000000,126.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,126.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,126.000000,-0.000000>,1.500000
<0.000000,127.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,127.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,127.000000,-0.000000>,1.500000
<0.000000,128.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,128.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,128.000000,-0.000000>,1.500000
<0.000000,129.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,129.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,129.000000,-0.000000>,1.500000
<0.000000,130.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,130.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,130.000000,-0.000000>,1.500000
<0.000000,131.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,131.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,131.000000,-0.000000>,1.500000
<0.000000,132.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,132.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,132.000000,-0.000000>,1.500000
<0.000000,133.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,133.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,133.000000,-0.000000>,1.500000
<0.000000,134.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,134.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,134.000000,-0.000000>,1.500000
<0.000000,135.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,135.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,135.000000,-0.000000>,1.500000
<0.000000,136.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,136.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,136.000000,-0.000000>,1.500000
<0.000000,137.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,137.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,137.000000,-0.000000>,1.500000
<0.000000,138.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,138.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,138.000000,-0.000000>,1.500000
<0.000000,139.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,139.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,139.000000,-0.000000>,1.500000
<0.000000,140.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,140.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,140.000000,-0.000000>,1.500000
<0.000000,141.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,141.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,141.000000,-0.000000>,1.500000
<0.000000,142.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,142.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,142.000000,-0.000000>,1.500000
<0.000000,143.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,143.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,143.000000,-0.000000>,1.500000
<0.000000,144.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,144.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,144.000000,-0.000000>,1.500000
<0.000000,145.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,145.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,145.000000,-0.000000>,1.500000
<0.000000,146.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,146.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,146.000000,-0.000000>,1.500000
<0.000000,147.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,147.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,147.000000,-0.000000>,1.500000
<0.000000,148.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,148.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,148.000000,-0.000000>,1.500000
<0.000000,149.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,149.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,149.000000,-0.000000>,1.500000
<0.000000,150.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,150.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,150.000000,-0.000000>,1.500000
<0.000000,151.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,151.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,151.000000,-0.000000>,1.500000
<0.000000,152.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,152.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,152.000000,-0.000000>,1.500000
<0.000000,153.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,153.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,153.000000,-0.000000>,1.500000
<0.000000,154.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,154.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,154.000000,-0.000000>,1.500000
<0.000000,155.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,155.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,155.000000,-0.000000>,1.500000
<0.000000,156.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,156.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,156.000000,-0.000000>,1.500000
<0.000000,157.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,157.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,157.000000,-0.000000>,1.500000
<0.000000,158.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,158.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,158.000000,-0.000000>,1.500000
<0.000000,159.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,159.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,159.000000,-0.000000>,1.500000
<0.000000,160.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,160.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,160.000000,-0.000000>,1.500000
<0.433659,160.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,160.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,160.901077,-0.000000>,1.500000
<0.867318,161.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,161.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,161.802155,-0.000000>,1.500000
<1.300977,162.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,162.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,162.703232,-0.000000>,1.500000
<1.734636,163.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,163.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,163.604309,-0.000000>,1.500000
<2.168295,164.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,164.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,164.505386,-0.000000>,1.500000
<2.601955,165.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,165.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,165.406464,-0.000000>,1.500000
<3.035614,166.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,166.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,166.307541,-0.000000>,1.500000
<3.469273,167.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,167.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,167.208618,-0.000000>,1.500000
<3.902932,168.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,168.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,168.109695,-0.000000>,1.500000
<4.336591,169.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,169.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,169.010773,-0.000000>,1.500000
<4.770250,169.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,169.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,169.911850,-0.000000>,1.500000
<5.203909,170.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,170.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,170.812927,-0.000000>,1.500000
<5.637568,171.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,171.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,171.714005,-0.000000>,1.500000
<6.071228,172.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,172.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,172.615082,-0.000000>,1.500000
<6.504887,173.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,173.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,173.516159,-0.000000>,1.500000
<6.938546,174.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,174.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,174.417236,-0.000000>,1.500000
<7.720066,175.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.720066,175.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.720066,175.041107,-0.000000>,1.500000
<8.501587,175.664993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.501587,175.664993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.501587,175.664993,-0.000000>,1.500000
<9.283107,176.288864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.283107,176.288864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.283107,176.288864,-0.000000>,1.500000
<10.064628,176.912750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.064628,176.912750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.064628,176.912750,-0.000000>,1.500000
<10.846148,177.536636,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.846148,177.536636,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.846148,177.536636,-0.000000>,1.500000
<11.627668,178.160507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.627668,178.160507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.627668,178.160507,-0.000000>,1.500000
<12.409189,178.784393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.409189,178.784393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.409189,178.784393,-0.000000>,1.500000
<13.190709,179.408264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.190709,179.408264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.190709,179.408264,-0.000000>,1.500000
<14.165471,179.631516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.165471,179.631516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.165471,179.631516,-0.000000>,1.500000
<15.140232,179.854767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.140232,179.854767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.140232,179.854767,-0.000000>,1.500000
<16.114992,180.078018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.114992,180.078018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.114992,180.078018,-0.000000>,1.500000
<17.089754,180.301270,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.089754,180.301270,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.089754,180.301270,-0.000000>,1.500000
<18.064903,180.079727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.064903,180.079727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.064903,180.079727,-0.000000>,1.500000
<19.040052,179.858170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.040052,179.858170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.040052,179.858170,-0.000000>,1.500000
<19.822660,179.235657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.822660,179.235657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.822660,179.235657,-0.000000>,1.500000
<20.605268,178.613144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.605268,178.613144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.040052,179.858170,-0.000000>,1.500000
<20.014814,180.081421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.014814,180.081421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.014814,180.081421,-0.000000>,1.500000
<20.989574,180.304672,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.989574,180.304672,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.040052,179.858170,-0.000000>,1.500000
<20.015202,179.636627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.015202,179.636627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.015202,179.636627,-0.000000>,1.500000
<20.990351,179.415070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.990351,179.415070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.990351,179.415070,-0.000000>,1.500000
<21.965502,179.193527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.965502,179.193527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.965502,179.193527,-0.000000>,1.500000
<22.940651,178.971985,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.940651,178.971985,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.089754,180.301270,-0.000000>,1.500000
<17.871275,180.925156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.871275,180.925156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.871275,180.925156,-0.000000>,1.500000
<18.652796,181.549026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.652796,181.549026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.652796,181.549026,-0.000000>,1.500000
<19.627556,181.772278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.627556,181.772278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.627556,181.772278,-0.000000>,1.500000
<20.602318,181.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.602318,181.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.652796,181.549026,-0.000000>,1.500000
<19.086454,182.450104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.086454,182.450104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.086454,182.450104,-0.000000>,1.500000
<19.520113,183.351181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.520113,183.351181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.652796,181.549026,-0.000000>,1.500000
<19.434317,182.172913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.434317,182.172913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.434317,182.172913,-0.000000>,1.500000
<20.215836,182.796783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.215836,182.796783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.215836,182.796783,-0.000000>,1.500000
<20.997356,183.420670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.997356,183.420670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.997356,183.420670,-0.000000>,1.500000
<21.778877,184.044540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.778877,184.044540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.089754,180.301270,-0.000000>,1.500000
<18.064516,180.524521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.064516,180.524521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.064516,180.524521,-0.000000>,1.500000
<19.039276,180.747772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.039276,180.747772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.039276,180.747772,-0.000000>,1.500000
<20.014038,180.971024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.014038,180.971024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.014038,180.971024,-0.000000>,1.500000
<20.988798,181.194275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.988798,181.194275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.988798,181.194275,-0.000000>,1.500000
<21.963560,181.417526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.963560,181.417526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.963560,181.417526,-0.000000>,1.500000
<22.938322,181.640762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.938322,181.640762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.938322,181.640762,-0.000000>,1.500000
<23.913471,181.419220,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.913471,181.419220,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.913471,181.419220,-0.000000>,1.500000
<24.888620,181.197678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.888620,181.197678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.938322,181.640762,-0.000000>,1.500000
<23.719843,182.264648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.719843,182.264648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.719843,182.264648,-0.000000>,1.500000
<24.501362,182.888535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.501362,182.888535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.938322,181.640762,-0.000000>,1.500000
<23.913082,181.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.913082,181.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.913082,181.864014,-0.000000>,1.500000
<24.887844,182.087265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.887844,182.087265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.887844,182.087265,-0.000000>,1.500000
<25.862606,182.310516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.862606,182.310516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.862606,182.310516,-0.000000>,1.500000
<26.837366,182.533768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.837366,182.533768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.190709,179.408264,-0.000000>,1.500000
<13.624369,180.309341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.624369,180.309341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.624369,180.309341,-0.000000>,1.500000
<14.058027,181.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.058027,181.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.058027,181.210419,-0.000000>,1.500000
<14.491687,182.111496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.491687,182.111496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.491687,182.111496,-0.000000>,1.500000
<14.925345,183.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.925345,183.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,183.012573,-0.000000>,1.500000
<15.706866,183.636459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.706866,183.636459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.706866,183.636459,-0.000000>,1.500000
<16.488386,184.260330,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.488386,184.260330,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.488386,184.260330,-0.000000>,1.500000
<17.463148,184.483582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.463148,184.483582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.463148,184.483582,-0.000000>,1.500000
<18.437910,184.706833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.437910,184.706833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.488386,184.260330,-0.000000>,1.500000
<16.922047,185.161407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.922047,185.161407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.922047,185.161407,-0.000000>,1.500000
<17.355705,186.062485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.355705,186.062485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.488386,184.260330,-0.000000>,1.500000
<17.269907,184.884216,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.269907,184.884216,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.269907,184.884216,-0.000000>,1.500000
<18.051428,185.508102,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.051428,185.508102,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.051428,185.508102,-0.000000>,1.500000
<18.832949,186.131973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.832949,186.131973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.832949,186.131973,-0.000000>,1.500000
<19.614470,186.755859,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.614470,186.755859,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,183.012573,-0.000000>,1.500000
<14.925345,184.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.925345,184.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,184.012573,-0.000000>,1.500000
<14.925345,185.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.925345,185.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,185.012573,-0.000000>,1.500000
<15.359005,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.359005,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.359005,185.913651,-0.000000>,1.500000
<15.792664,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.792664,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,185.012573,-0.000000>,1.500000
<14.491687,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.491687,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.491687,185.913651,-0.000000>,1.500000
<14.058027,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.058027,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,185.012573,-0.000000>,1.500000
<14.925345,186.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.925345,186.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,186.012573,-0.000000>,1.500000
<14.925345,187.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.925345,187.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,187.012573,-0.000000>,1.500000
<14.925345,188.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.925345,188.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,188.012573,-0.000000>,1.500000
<14.925345,189.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.925345,189.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.925345,183.012573,-0.000000>,1.500000
<15.359005,183.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.359005,183.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.359005,183.913651,-0.000000>,1.500000
<15.792664,184.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.792664,184.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.792664,184.814728,-0.000000>,1.500000
<16.226324,185.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.226324,185.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.226324,185.715805,-0.000000>,1.500000
<16.659983,186.616882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.659983,186.616882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.659983,186.616882,-0.000000>,1.500000
<17.093641,187.517960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.093641,187.517960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.093641,187.517960,-0.000000>,1.500000
<17.527300,188.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.527300,188.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.527300,188.419037,-0.000000>,1.500000
<18.308821,189.042923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.308821,189.042923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.308821,189.042923,-0.000000>,1.500000
<19.090342,189.666794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.090342,189.666794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.527300,188.419037,-0.000000>,1.500000
<17.527300,189.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.527300,189.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.527300,189.419037,-0.000000>,1.500000
<17.527300,190.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.527300,190.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.527300,188.419037,-0.000000>,1.500000
<17.960960,189.320114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.960960,189.320114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.960960,189.320114,-0.000000>,1.500000
<18.394619,190.221191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.394619,190.221191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.394619,190.221191,-0.000000>,1.500000
<18.828278,191.122269,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.828278,191.122269,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.828278,191.122269,-0.000000>,1.500000
<19.261936,192.023346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.261936,192.023346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.190709,179.408264,-0.000000>,1.500000
<13.972230,180.032150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.972230,180.032150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.972230,180.032150,-0.000000>,1.500000
<14.753751,180.656021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.753751,180.656021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.753751,180.656021,-0.000000>,1.500000
<15.535271,181.279907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.535271,181.279907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.535271,181.279907,-0.000000>,1.500000
<16.316792,181.903793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.316792,181.903793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.316792,181.903793,-0.000000>,1.500000
<17.098312,182.527664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.098312,182.527664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.098312,182.527664,-0.000000>,1.500000
<17.879833,183.151550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.879833,183.151550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.879833,183.151550,-0.000000>,1.500000
<18.661352,183.775421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.661352,183.775421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.661352,183.775421,-0.000000>,1.500000
<19.442873,184.399307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.442873,184.399307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.442873,184.399307,-0.000000>,1.500000
<20.224394,185.023178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.224394,185.023178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.224394,185.023178,-0.000000>,1.500000
<21.005915,185.647064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.005915,185.647064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.005915,185.647064,-0.000000>,1.500000
<21.787436,186.270950,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.787436,186.270950,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.787436,186.270950,-0.000000>,1.500000
<22.568954,186.894821,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.568954,186.894821,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.568954,186.894821,-0.000000>,1.500000
<23.543716,187.118073,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.543716,187.118073,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.543716,187.118073,-0.000000>,1.500000
<24.518478,187.341324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.518478,187.341324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.518478,187.341324,-0.000000>,1.500000
<25.493628,187.119781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.493628,187.119781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.493628,187.119781,-0.000000>,1.500000
<26.468777,186.898224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.468777,186.898224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.518478,187.341324,-0.000000>,1.500000
<25.299997,187.965210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.299997,187.965210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.299997,187.965210,-0.000000>,1.500000
<26.081518,188.589081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.081518,188.589081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.518478,187.341324,-0.000000>,1.500000
<25.493238,187.564575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.493238,187.564575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.493238,187.564575,-0.000000>,1.500000
<26.468000,187.787827,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.468000,187.787827,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.468000,187.787827,-0.000000>,1.500000
<27.442760,188.011078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.442760,188.011078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.442760,188.011078,-0.000000>,1.500000
<28.417522,188.234329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.417522,188.234329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.568954,186.894821,-0.000000>,1.500000
<23.002615,187.795898,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.002615,187.795898,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.002615,187.795898,-0.000000>,1.500000
<23.436274,188.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.436274,188.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.436274,188.696976,-0.000000>,1.500000
<24.217794,189.320862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.217794,189.320862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.217794,189.320862,-0.000000>,1.500000
<24.999315,189.944733,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.999315,189.944733,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.436274,188.696976,-0.000000>,1.500000
<23.436274,189.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.436274,189.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.436274,189.696976,-0.000000>,1.500000
<23.436274,190.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.436274,190.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.436274,188.696976,-0.000000>,1.500000
<23.869932,189.598053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.869932,189.598053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.869932,189.598053,-0.000000>,1.500000
<24.303591,190.499130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.303591,190.499130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.303591,190.499130,-0.000000>,1.500000
<24.737251,191.400208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.737251,191.400208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.737251,191.400208,-0.000000>,1.500000
<25.170910,192.301285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.170910,192.301285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.568954,186.894821,-0.000000>,1.500000
<23.350475,187.518707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.350475,187.518707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.350475,187.518707,-0.000000>,1.500000
<24.131996,188.142578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.131996,188.142578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.131996,188.142578,-0.000000>,1.500000
<24.913517,188.766464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.913517,188.766464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.913517,188.766464,-0.000000>,1.500000
<25.695038,189.390335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.695038,189.390335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.695038,189.390335,-0.000000>,1.500000
<26.476559,190.014221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.476559,190.014221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.476559,190.014221,-0.000000>,1.500000
<27.258078,190.638107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.258078,190.638107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.258078,190.638107,-0.000000>,1.500000
<28.232840,190.861359,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.232840,190.861359,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.232840,190.861359,-0.000000>,1.500000
<29.207602,191.084595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.207602,191.084595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.258078,190.638107,-0.000000>,1.500000
<27.691738,191.539185,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.691738,191.539185,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.691738,191.539185,-0.000000>,1.500000
<28.125397,192.440262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.125397,192.440262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.258078,190.638107,-0.000000>,1.500000
<28.039598,191.261978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.039598,191.261978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.039598,191.261978,-0.000000>,1.500000
<28.821119,191.885864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.821119,191.885864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.821119,191.885864,-0.000000>,1.500000
<29.602640,192.509735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.602640,192.509735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.602640,192.509735,-0.000000>,1.500000
<30.384161,193.133621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.384161,193.133621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,174.417236,-0.000000>,1.500000
<6.938546,175.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,175.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,175.417236,-0.000000>,1.500000
<6.938546,176.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,176.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,176.417236,-0.000000>,1.500000
<6.938546,177.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,177.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,177.417236,-0.000000>,1.500000
<6.938546,178.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,178.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,178.417236,-0.000000>,1.500000
<6.938546,179.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,179.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,179.417236,-0.000000>,1.500000
<6.938546,180.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,180.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,180.417236,-0.000000>,1.500000
<6.938546,181.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,181.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,181.417236,-0.000000>,1.500000
<6.938546,182.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,182.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,182.417236,-0.000000>,1.500000
<7.372205,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,183.318314,-0.000000>,1.500000
<7.805864,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,184.219391,-0.000000>,1.500000
<8.239523,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,185.120468,-0.000000>,1.500000
<8.673182,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,186.021545,-0.000000>,1.500000
<9.454702,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.454702,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.454702,186.645416,-0.000000>,1.500000
<10.236223,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.236223,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.236223,187.269302,-0.000000>,1.500000
<11.210984,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.210984,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.210984,187.492554,-0.000000>,1.500000
<12.185745,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.185745,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.236223,187.269302,-0.000000>,1.500000
<10.669882,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.669882,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,188.170380,-0.000000>,1.500000
<11.103541,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.103541,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.236223,187.269302,-0.000000>,1.500000
<11.017743,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.017743,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.017743,187.893173,-0.000000>,1.500000
<11.799264,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.799264,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.799264,188.517059,-0.000000>,1.500000
<12.580785,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.580785,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.580785,189.140945,-0.000000>,1.500000
<13.362305,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.362305,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,186.021545,-0.000000>,1.500000
<8.673182,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,187.021545,-0.000000>,1.500000
<8.673182,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,188.021545,-0.000000>,1.500000
<9.106841,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,188.922623,-0.000000>,1.500000
<9.540500,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,188.021545,-0.000000>,1.500000
<8.239523,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,188.922623,-0.000000>,1.500000
<7.805864,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,188.021545,-0.000000>,1.500000
<8.673182,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,189.021545,-0.000000>,1.500000
<8.673182,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,190.021545,-0.000000>,1.500000
<8.673182,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,191.021545,-0.000000>,1.500000
<8.673182,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,186.021545,-0.000000>,1.500000
<9.106841,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,186.922623,-0.000000>,1.500000
<9.540500,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,187.823700,-0.000000>,1.500000
<9.974159,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,188.724777,-0.000000>,1.500000
<10.407819,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,189.625854,-0.000000>,1.500000
<10.841477,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,190.526932,-0.000000>,1.500000
<11.275137,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,191.428009,-0.000000>,1.500000
<12.056657,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.056657,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.056657,192.051880,-0.000000>,1.500000
<12.838178,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.838178,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,191.428009,-0.000000>,1.500000
<11.275137,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,192.428009,-0.000000>,1.500000
<11.275137,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,191.428009,-0.000000>,1.500000
<11.708796,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,192.329086,-0.000000>,1.500000
<12.142455,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,193.230164,-0.000000>,1.500000
<12.576114,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,194.131241,-0.000000>,1.500000
<13.009773,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,182.417236,-0.000000>,1.500000
<6.504887,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,183.318314,-0.000000>,1.500000
<6.071228,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,184.219391,-0.000000>,1.500000
<5.637568,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,185.120468,-0.000000>,1.500000
<5.203909,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,186.021545,-0.000000>,1.500000
<5.203909,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,187.021545,-0.000000>,1.500000
<5.203909,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,188.021545,-0.000000>,1.500000
<5.637568,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,188.922623,-0.000000>,1.500000
<6.071228,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,188.021545,-0.000000>,1.500000
<4.770250,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,188.922623,-0.000000>,1.500000
<4.336591,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,188.021545,-0.000000>,1.500000
<5.203909,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,189.021545,-0.000000>,1.500000
<5.203909,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,190.021545,-0.000000>,1.500000
<5.203909,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,191.021545,-0.000000>,1.500000
<5.203909,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,186.021545,-0.000000>,1.500000
<4.422389,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.422389,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.422389,186.645416,-0.000000>,1.500000
<3.640868,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.640868,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.640868,187.269302,-0.000000>,1.500000
<3.207209,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.207209,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.207209,188.170380,-0.000000>,1.500000
<2.773550,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.773550,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.640868,187.269302,-0.000000>,1.500000
<2.666107,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.666107,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.666107,187.492554,-0.000000>,1.500000
<1.691346,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.691346,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.640868,187.269302,-0.000000>,1.500000
<2.859348,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.859348,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.859348,187.893173,-0.000000>,1.500000
<2.077827,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.077827,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.077827,188.517059,-0.000000>,1.500000
<1.296307,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.296307,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.296307,189.140945,-0.000000>,1.500000
<0.514786,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.514786,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,186.021545,-0.000000>,1.500000
<4.770250,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,186.922623,-0.000000>,1.500000
<4.336591,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,187.823700,-0.000000>,1.500000
<3.902932,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,188.724777,-0.000000>,1.500000
<3.469273,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,189.625854,-0.000000>,1.500000
<3.035614,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,190.526932,-0.000000>,1.500000
<2.601955,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,191.428009,-0.000000>,1.500000
<2.601955,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,192.428009,-0.000000>,1.500000
<2.601955,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,191.428009,-0.000000>,1.500000
<1.820434,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.820434,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.820434,192.051880,-0.000000>,1.500000
<1.038914,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038914,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,191.428009,-0.000000>,1.500000
<2.168295,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,192.329086,-0.000000>,1.500000
<1.734636,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,193.230164,-0.000000>,1.500000
<1.300977,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,194.131241,-0.000000>,1.500000
<0.867318,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,182.417236,-0.000000>,1.500000
<6.938546,183.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,183.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,183.417236,-0.000000>,1.500000
<6.938546,184.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,184.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,184.417236,-0.000000>,1.500000
<6.938546,185.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,185.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,185.417236,-0.000000>,1.500000
<6.938546,186.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,186.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,186.417236,-0.000000>,1.500000
<6.938546,187.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,187.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,187.417236,-0.000000>,1.500000
<6.938546,188.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,188.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,188.417236,-0.000000>,1.500000
<6.938546,189.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,189.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,189.417236,-0.000000>,1.500000
<6.938546,190.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,190.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,190.417236,-0.000000>,1.500000
<6.938546,191.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,191.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,191.417236,-0.000000>,1.500000
<6.938546,192.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,192.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,192.417236,-0.000000>,1.500000
<6.938546,193.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,193.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,193.417236,-0.000000>,1.500000
<6.938546,194.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,194.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,194.417236,-0.000000>,1.500000
<7.372205,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,195.318314,-0.000000>,1.500000
<7.805864,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,196.219391,-0.000000>,1.500000
<8.587384,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.587384,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.587384,196.843262,-0.000000>,1.500000
<9.368905,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.368905,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,196.219391,-0.000000>,1.500000
<7.805864,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,197.219391,-0.000000>,1.500000
<7.805864,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,196.219391,-0.000000>,1.500000
<8.239523,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,197.120468,-0.000000>,1.500000
<8.673182,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,198.021545,-0.000000>,1.500000
<9.106841,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,198.922623,-0.000000>,1.500000
<9.540500,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,194.417236,-0.000000>,1.500000
<6.504887,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,195.318314,-0.000000>,1.500000
<6.071228,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,196.219391,-0.000000>,1.500000
<6.071228,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,197.219391,-0.000000>,1.500000
<6.071228,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,196.219391,-0.000000>,1.500000
<5.289707,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.289707,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.289707,196.843262,-0.000000>,1.500000
<4.508186,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.508186,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,196.219391,-0.000000>,1.500000
<5.637568,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,197.120468,-0.000000>,1.500000
<5.203909,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,198.021545,-0.000000>,1.500000
<4.770250,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,198.922623,-0.000000>,1.500000
<4.336591,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,194.417236,-0.000000>,1.500000
<6.938546,195.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,195.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,195.417236,-0.000000>,1.500000
<6.938546,196.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,196.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,196.417236,-0.000000>,1.500000
<6.938546,197.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,197.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,197.417236,-0.000000>,1.500000
<6.938546,198.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,198.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,198.417236,-0.000000>,1.500000
<6.938546,199.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,199.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,199.417236,-0.000000>,1.500000
<6.938546,200.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,200.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,200.417236,-0.000000>,1.500000
<7.372205,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,201.318314,-0.000000>,1.500000
<7.805864,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,200.417236,-0.000000>,1.500000
<6.504887,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,201.318314,-0.000000>,1.500000
<6.071228,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,200.417236,-0.000000>,1.500000
<6.938546,201.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,201.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,201.417236,-0.000000>,1.500000
<6.938546,202.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,202.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,202.417236,-0.000000>,1.500000
<6.938546,203.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,203.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,203.417236,-0.000000>,1.500000
<6.938546,204.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,204.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,174.417236,-0.000000>,1.500000
<7.372205,175.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,175.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,175.318314,-0.000000>,1.500000
<7.805864,176.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,176.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,176.219391,-0.000000>,1.500000
<8.239523,177.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,177.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,177.120468,-0.000000>,1.500000
<8.673182,178.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,178.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,178.021545,-0.000000>,1.500000
<9.106841,178.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,178.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,178.922623,-0.000000>,1.500000
<9.540500,179.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,179.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,179.823700,-0.000000>,1.500000
<9.974159,180.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,180.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,180.724777,-0.000000>,1.500000
<10.407819,181.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,181.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,181.625854,-0.000000>,1.500000
<10.841477,182.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,182.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,182.526932,-0.000000>,1.500000
<11.275137,183.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,183.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,183.428009,-0.000000>,1.500000
<11.708796,184.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,184.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,184.329086,-0.000000>,1.500000
<12.142455,185.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,185.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,185.230164,-0.000000>,1.500000
<12.576114,186.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,186.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,186.131241,-0.000000>,1.500000
<13.009773,187.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,187.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,187.032303,-0.000000>,1.500000
<13.443432,187.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.443432,187.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,187.933380,-0.000000>,1.500000
<13.877091,188.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,188.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.877091,188.834457,-0.000000>,1.500000
<14.310750,189.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,189.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,189.735535,-0.000000>,1.500000
<14.744410,190.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,190.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,190.636612,-0.000000>,1.500000
<15.178068,191.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,191.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,191.537689,-0.000000>,1.500000
<15.611728,192.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,192.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,192.438766,-0.000000>,1.500000
<16.045387,193.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,193.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,193.339844,-0.000000>,1.500000
<16.479046,194.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,194.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,194.240921,-0.000000>,1.500000
<16.912704,195.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,195.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,195.141998,-0.000000>,1.500000
<17.346363,196.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,196.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,196.043076,-0.000000>,1.500000
<18.127884,196.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127884,196.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127884,196.666962,-0.000000>,1.500000
<18.909405,197.290833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.909405,197.290833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.909405,197.290833,-0.000000>,1.500000
<19.690926,197.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.690926,197.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.690926,197.914719,-0.000000>,1.500000
<20.472446,198.538605,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.472446,198.538605,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.472446,198.538605,-0.000000>,1.500000
<21.447206,198.761856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.447206,198.761856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.447206,198.761856,-0.000000>,1.500000
<22.421968,198.985092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.421968,198.985092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.421968,198.985092,-0.000000>,1.500000
<23.397118,198.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.397118,198.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.397118,198.763550,-0.000000>,1.500000
<24.372267,198.542007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.372267,198.542007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.421968,198.985092,-0.000000>,1.500000
<23.203489,199.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.203489,199.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.203489,199.608978,-0.000000>,1.500000
<23.985010,200.232864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.985010,200.232864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.421968,198.985092,-0.000000>,1.500000
<23.396729,199.208344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.396729,199.208344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.396729,199.208344,-0.000000>,1.500000
<24.371490,199.431595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.371490,199.431595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.371490,199.431595,-0.000000>,1.500000
<25.346252,199.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.346252,199.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.346252,199.654846,-0.000000>,1.500000
<26.321012,199.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.321012,199.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.472446,198.538605,-0.000000>,1.500000
<20.906105,199.439682,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.906105,199.439682,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.906105,199.439682,-0.000000>,1.500000
<21.339764,200.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.339764,200.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,200.340759,-0.000000>,1.500000
<22.121284,200.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.121284,200.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.121284,200.964630,-0.000000>,1.500000
<22.902805,201.588516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.902805,201.588516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,200.340759,-0.000000>,1.500000
<21.339764,201.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.339764,201.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,201.340759,-0.000000>,1.500000
<21.339764,202.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.339764,202.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.339764,200.340759,-0.000000>,1.500000
<21.773422,201.241837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.773422,201.241837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.773422,201.241837,-0.000000>,1.500000
<22.207083,202.142914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.207083,202.142914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.207083,202.142914,-0.000000>,1.500000
<22.640741,203.043991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.640741,203.043991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.640741,203.043991,-0.000000>,1.500000
<23.074400,203.945068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.074400,203.945068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.472446,198.538605,-0.000000>,1.500000
<21.253965,199.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.253965,199.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.253965,199.162476,-0.000000>,1.500000
<22.035486,199.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.035486,199.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.035486,199.786362,-0.000000>,1.500000
<22.817007,200.410233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.817007,200.410233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.817007,200.410233,-0.000000>,1.500000
<23.598528,201.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.598528,201.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.598528,201.034119,-0.000000>,1.500000
<24.380049,201.657990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.380049,201.657990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.380049,201.657990,-0.000000>,1.500000
<25.161570,202.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.161570,202.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.161570,202.281876,-0.000000>,1.500000
<26.136330,202.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.136330,202.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.136330,202.505127,-0.000000>,1.500000
<27.111092,202.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.111092,202.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.161570,202.281876,-0.000000>,1.500000
<25.595228,203.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.595228,203.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.595228,203.182953,-0.000000>,1.500000
<26.028887,204.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.028887,204.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.161570,202.281876,-0.000000>,1.500000
<25.943089,202.905762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.943089,202.905762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.943089,202.905762,-0.000000>,1.500000
<26.724609,203.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.724609,203.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.724609,203.529633,-0.000000>,1.500000
<27.506130,204.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.506130,204.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.506130,204.153519,-0.000000>,1.500000
<28.287651,204.777390,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.287651,204.777390,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,196.043076,-0.000000>,1.500000
<17.346363,197.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,197.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,197.043076,-0.000000>,1.500000
<17.346363,198.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,198.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,198.043076,-0.000000>,1.500000
<17.346363,199.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,199.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,199.043076,-0.000000>,1.500000
<17.346363,200.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,200.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,200.043076,-0.000000>,1.500000
<17.780024,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,200.944153,-0.000000>,1.500000
<18.213682,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,201.845230,-0.000000>,1.500000
<18.995203,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.995203,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.995203,202.469116,-0.000000>,1.500000
<19.776724,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.776724,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,201.845230,-0.000000>,1.500000
<18.213682,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,202.845230,-0.000000>,1.500000
<18.213682,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,201.845230,-0.000000>,1.500000
<18.647341,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,202.746307,-0.000000>,1.500000
<19.080999,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,203.647385,-0.000000>,1.500000
<19.514660,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,204.548462,-0.000000>,1.500000
<19.948318,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,200.043076,-0.000000>,1.500000
<16.912704,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,200.944153,-0.000000>,1.500000
<16.479046,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,201.845230,-0.000000>,1.500000
<16.479046,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,202.845230,-0.000000>,1.500000
<16.479046,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,201.845230,-0.000000>,1.500000
<15.697525,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.697525,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.697525,202.469116,-0.000000>,1.500000
<14.916005,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.916005,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,201.845230,-0.000000>,1.500000
<16.045387,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,202.746307,-0.000000>,1.500000
<15.611728,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,203.647385,-0.000000>,1.500000
<15.178068,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,204.548462,-0.000000>,1.500000
<14.744410,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,200.043076,-0.000000>,1.500000
<17.346363,201.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,201.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,201.043076,-0.000000>,1.500000
<17.346363,202.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,202.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,202.043076,-0.000000>,1.500000
<17.346363,203.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,203.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,203.043076,-0.000000>,1.500000
<17.346363,204.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,204.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,204.043076,-0.000000>,1.500000
<17.346363,205.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,205.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,205.043076,-0.000000>,1.500000
<17.346363,206.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,206.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,206.043076,-0.000000>,1.500000
<17.780024,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,206.944153,-0.000000>,1.500000
<18.213682,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,206.043076,-0.000000>,1.500000
<16.912704,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,206.944153,-0.000000>,1.500000
<16.479046,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,206.043076,-0.000000>,1.500000
<17.346363,207.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,207.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,207.043076,-0.000000>,1.500000
<17.346363,208.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,208.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,208.043076,-0.000000>,1.500000
<17.346363,209.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,209.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,209.043076,-0.000000>,1.500000
<17.346363,210.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,210.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,196.043076,-0.000000>,1.500000
<17.780024,196.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,196.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,196.944153,-0.000000>,1.500000
<18.213682,197.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,197.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,197.845230,-0.000000>,1.500000
<18.647341,198.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,198.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,198.746307,-0.000000>,1.500000
<19.080999,199.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,199.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,199.647385,-0.000000>,1.500000
<19.514660,200.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,200.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,200.548462,-0.000000>,1.500000
<19.948318,201.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,201.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,201.449539,-0.000000>,1.500000
<20.381977,202.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,202.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,202.350616,-0.000000>,1.500000
<20.815638,203.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.815638,203.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.815638,203.251694,-0.000000>,1.500000
<21.249296,204.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.249296,204.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.249296,204.152771,-0.000000>,1.500000
<21.682955,205.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,205.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.682955,205.053848,-0.000000>,1.500000
<22.116613,205.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,205.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,205.954926,-0.000000>,1.500000
<22.550274,206.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,206.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,206.856003,-0.000000>,1.500000
<23.331793,207.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.331793,207.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.331793,207.479889,-0.000000>,1.500000
<24.113314,208.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.113314,208.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.113314,208.103760,-0.000000>,1.500000
<25.088076,208.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.088076,208.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.088076,208.327011,-0.000000>,1.500000
<26.062836,208.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.062836,208.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.113314,208.103760,-0.000000>,1.500000
<24.546972,209.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.546972,209.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.546972,209.004837,-0.000000>,1.500000
<24.980633,209.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.980633,209.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.113314,208.103760,-0.000000>,1.500000
<24.894835,208.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.894835,208.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.894835,208.727646,-0.000000>,1.500000
<25.676355,209.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.676355,209.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.676355,209.351517,-0.000000>,1.500000
<26.457876,209.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.457876,209.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.457876,209.975403,-0.000000>,1.500000
<27.239395,210.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.239395,210.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,206.856003,-0.000000>,1.500000
<22.550274,207.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,207.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,207.856003,-0.000000>,1.500000
<22.550274,208.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,208.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,208.856003,-0.000000>,1.500000
<22.983932,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,209.757080,-0.000000>,1.500000
<23.417591,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,208.856003,-0.000000>,1.500000
<22.116613,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,209.757080,-0.000000>,1.500000
<21.682955,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,208.856003,-0.000000>,1.500000
<22.550274,209.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,209.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,209.856003,-0.000000>,1.500000
<22.550274,210.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,210.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,210.856003,-0.000000>,1.500000
<22.550274,211.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,211.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,211.856003,-0.000000>,1.500000
<22.550274,212.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,212.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,206.856003,-0.000000>,1.500000
<22.983932,207.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,207.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,207.757080,-0.000000>,1.500000
<23.417591,208.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,208.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,208.658157,-0.000000>,1.500000
<23.851250,209.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,209.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,209.559235,-0.000000>,1.500000
<24.284910,210.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,210.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,210.460312,-0.000000>,1.500000
<24.718569,211.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,211.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.718569,211.361389,-0.000000>,1.500000
<25.152227,212.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,212.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,212.262466,-0.000000>,1.500000
<25.933748,212.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.933748,212.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.933748,212.886353,-0.000000>,1.500000
<26.715269,213.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.715269,213.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,212.262466,-0.000000>,1.500000
<25.152227,213.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,213.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,213.262466,-0.000000>,1.500000
<25.152227,214.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,214.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,212.262466,-0.000000>,1.500000
<25.585886,213.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,213.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.585886,213.163544,-0.000000>,1.500000
<26.019547,214.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,214.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,214.064621,-0.000000>,1.500000
<26.453205,214.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.453205,214.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.453205,214.965698,-0.000000>,1.500000
<26.886864,215.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.886864,215.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,160.000000,-0.000000>,1.500000
<-0.433659,160.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,160.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,160.901077,-0.000000>,1.500000
<-0.867318,161.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,161.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,161.802155,-0.000000>,1.500000
<-1.300977,162.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,162.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,162.703232,-0.000000>,1.500000
<-1.734636,163.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,163.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,163.604309,-0.000000>,1.500000
<-2.168295,164.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,164.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,164.505386,-0.000000>,1.500000
<-2.601955,165.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,165.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,165.406464,-0.000000>,1.500000
<-3.035614,166.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,166.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,166.307541,-0.000000>,1.500000
<-3.469273,167.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,167.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,167.208618,-0.000000>,1.500000
<-3.902932,168.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,168.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,168.109695,-0.000000>,1.500000
<-4.336591,169.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,169.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,169.010773,-0.000000>,1.500000
<-4.770250,169.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,169.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,169.911850,-0.000000>,1.500000
<-5.203909,170.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,170.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,170.812927,-0.000000>,1.500000
<-5.637568,171.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,171.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,171.714005,-0.000000>,1.500000
<-6.071228,172.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,172.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,172.615082,-0.000000>,1.500000
<-6.504887,173.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,173.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,173.516159,-0.000000>,1.500000
<-6.938546,174.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,174.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,174.417236,-0.000000>,1.500000
<-6.938546,175.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,175.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,175.417236,-0.000000>,1.500000
<-6.938546,176.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,176.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,176.417236,-0.000000>,1.500000
<-6.938546,177.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,177.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,177.417236,-0.000000>,1.500000
<-6.938546,178.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,178.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,178.417236,-0.000000>,1.500000
<-6.938546,179.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,179.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,179.417236,-0.000000>,1.500000
<-6.938546,180.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,180.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,180.417236,-0.000000>,1.500000
<-6.938546,181.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,181.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,181.417236,-0.000000>,1.500000
<-6.938546,182.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,182.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,182.417236,-0.000000>,1.500000
<-6.504887,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,183.318314,-0.000000>,1.500000
<-6.071228,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,184.219391,-0.000000>,1.500000
<-5.637568,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,185.120468,-0.000000>,1.500000
<-5.203909,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,186.021545,-0.000000>,1.500000
<-4.422389,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.422389,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.422389,186.645416,-0.000000>,1.500000
<-3.640868,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.640868,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.640868,187.269302,-0.000000>,1.500000
<-2.666107,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.666107,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.666107,187.492554,-0.000000>,1.500000
<-1.691346,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.691346,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.640868,187.269302,-0.000000>,1.500000
<-3.207209,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.207209,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.207209,188.170380,-0.000000>,1.500000
<-2.773550,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.773550,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.640868,187.269302,-0.000000>,1.500000
<-2.859348,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.859348,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.859348,187.893173,-0.000000>,1.500000
<-2.077827,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.077827,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.077827,188.517059,-0.000000>,1.500000
<-1.296307,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.296307,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.296307,189.140945,-0.000000>,1.500000
<-0.514786,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.514786,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,186.021545,-0.000000>,1.500000
<-5.203909,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,187.021545,-0.000000>,1.500000
<-5.203909,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,188.021545,-0.000000>,1.500000
<-4.770250,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,188.922623,-0.000000>,1.500000
<-4.336591,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,188.021545,-0.000000>,1.500000
<-5.637568,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,188.922623,-0.000000>,1.500000
<-6.071228,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,188.021545,-0.000000>,1.500000
<-5.203909,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,189.021545,-0.000000>,1.500000
<-5.203909,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,190.021545,-0.000000>,1.500000
<-5.203909,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,191.021545,-0.000000>,1.500000
<-5.203909,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,186.021545,-0.000000>,1.500000
<-4.770250,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,186.922623,-0.000000>,1.500000
<-4.336591,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,187.823700,-0.000000>,1.500000
<-3.902932,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,188.724777,-0.000000>,1.500000
<-3.469273,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,189.625854,-0.000000>,1.500000
<-3.035614,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,190.526932,-0.000000>,1.500000
<-2.601955,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,191.428009,-0.000000>,1.500000
<-1.820434,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.820434,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.820434,192.051880,-0.000000>,1.500000
<-1.038914,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.038914,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,191.428009,-0.000000>,1.500000
<-2.601955,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,192.428009,-0.000000>,1.500000
<-2.601955,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,191.428009,-0.000000>,1.500000
<-2.168295,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,192.329086,-0.000000>,1.500000
<-1.734636,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,193.230164,-0.000000>,1.500000
<-1.300977,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,194.131241,-0.000000>,1.500000
<-0.867318,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,182.417236,-0.000000>,1.500000
<-7.372205,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,183.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,183.318314,-0.000000>,1.500000
<-7.805864,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,184.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,184.219391,-0.000000>,1.500000
<-8.239523,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,185.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,185.120468,-0.000000>,1.500000
<-8.673182,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,186.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,186.021545,-0.000000>,1.500000
<-8.673182,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,187.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,187.021545,-0.000000>,1.500000
<-8.673182,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,188.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,188.021545,-0.000000>,1.500000
<-8.239523,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,188.922623,-0.000000>,1.500000
<-7.805864,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,188.021545,-0.000000>,1.500000
<-9.106841,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,188.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,188.922623,-0.000000>,1.500000
<-9.540500,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,189.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,188.021545,-0.000000>,1.500000
<-8.673182,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,189.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,189.021545,-0.000000>,1.500000
<-8.673182,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,190.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,190.021545,-0.000000>,1.500000
<-8.673182,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,191.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,191.021545,-0.000000>,1.500000
<-8.673182,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,192.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,186.021545,-0.000000>,1.500000
<-9.454702,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.454702,186.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.454702,186.645416,-0.000000>,1.500000
<-10.236223,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.236223,187.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.236223,187.269302,-0.000000>,1.500000
<-10.669882,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.669882,188.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.669882,188.170380,-0.000000>,1.500000
<-11.103541,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.103541,189.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.236223,187.269302,-0.000000>,1.500000
<-11.210984,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.210984,187.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.210984,187.492554,-0.000000>,1.500000
<-12.185745,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.185745,187.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.236223,187.269302,-0.000000>,1.500000
<-11.017743,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.017743,187.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,187.893173,-0.000000>,1.500000
<-11.799264,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799264,188.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.799264,188.517059,-0.000000>,1.500000
<-12.580785,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.580785,189.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.580785,189.140945,-0.000000>,1.500000
<-13.362305,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.362305,189.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,186.021545,-0.000000>,1.500000
<-9.106841,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,186.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,186.922623,-0.000000>,1.500000
<-9.540500,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,187.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,187.823700,-0.000000>,1.500000
<-9.974159,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,188.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,188.724777,-0.000000>,1.500000
<-10.407819,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,189.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,189.625854,-0.000000>,1.500000
<-10.841477,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,190.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,190.526932,-0.000000>,1.500000
<-11.275137,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,191.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,191.428009,-0.000000>,1.500000
<-11.275137,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,192.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,192.428009,-0.000000>,1.500000
<-11.275137,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,193.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,191.428009,-0.000000>,1.500000
<-12.056657,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056657,192.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.056657,192.051880,-0.000000>,1.500000
<-12.838178,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.838178,192.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,191.428009,-0.000000>,1.500000
<-11.708796,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,192.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,192.329086,-0.000000>,1.500000
<-12.142455,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,193.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,193.230164,-0.000000>,1.500000
<-12.576114,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,194.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,194.131241,-0.000000>,1.500000
<-13.009773,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,195.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,182.417236,-0.000000>,1.500000
<-6.938546,183.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,183.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,183.417236,-0.000000>,1.500000
<-6.938546,184.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,184.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,184.417236,-0.000000>,1.500000
<-6.938546,185.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,185.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,185.417236,-0.000000>,1.500000
<-6.938546,186.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,186.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,186.417236,-0.000000>,1.500000
<-6.938546,187.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,187.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,187.417236,-0.000000>,1.500000
<-6.938546,188.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,188.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,188.417236,-0.000000>,1.500000
<-6.938546,189.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,189.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,189.417236,-0.000000>,1.500000
<-6.938546,190.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,190.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,190.417236,-0.000000>,1.500000
<-6.938546,191.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,191.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,191.417236,-0.000000>,1.500000
<-6.938546,192.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,192.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,192.417236,-0.000000>,1.500000
<-6.938546,193.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,193.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,193.417236,-0.000000>,1.500000
<-6.938546,194.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,194.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,194.417236,-0.000000>,1.500000
<-6.504887,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,195.318314,-0.000000>,1.500000
<-6.071228,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,196.219391,-0.000000>,1.500000
<-5.289707,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.289707,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.289707,196.843262,-0.000000>,1.500000
<-4.508186,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.508186,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,196.219391,-0.000000>,1.500000
<-6.071228,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,197.219391,-0.000000>,1.500000
<-6.071228,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,196.219391,-0.000000>,1.500000
<-5.637568,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,197.120468,-0.000000>,1.500000
<-5.203909,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,198.021545,-0.000000>,1.500000
<-4.770250,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,198.922623,-0.000000>,1.500000
<-4.336591,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,194.417236,-0.000000>,1.500000
<-7.372205,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,195.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,195.318314,-0.000000>,1.500000
<-7.805864,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,196.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,196.219391,-0.000000>,1.500000
<-7.805864,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,197.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,197.219391,-0.000000>,1.500000
<-7.805864,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,198.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,196.219391,-0.000000>,1.500000
<-8.587384,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.587384,196.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,196.843262,-0.000000>,1.500000
<-9.368905,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.368905,197.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,196.219391,-0.000000>,1.500000
<-8.239523,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,197.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,197.120468,-0.000000>,1.500000
<-8.673182,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,198.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,198.021545,-0.000000>,1.500000
<-9.106841,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,198.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,198.922623,-0.000000>,1.500000
<-9.540500,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,199.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,194.417236,-0.000000>,1.500000
<-6.938546,195.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,195.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,195.417236,-0.000000>,1.500000
<-6.938546,196.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,196.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,196.417236,-0.000000>,1.500000
<-6.938546,197.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,197.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,197.417236,-0.000000>,1.500000
<-6.938546,198.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,198.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,198.417236,-0.000000>,1.500000
<-6.938546,199.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,199.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,199.417236,-0.000000>,1.500000
<-6.938546,200.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,200.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,200.417236,-0.000000>,1.500000
<-6.504887,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,201.318314,-0.000000>,1.500000
<-6.071228,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,200.417236,-0.000000>,1.500000
<-7.372205,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,201.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,201.318314,-0.000000>,1.500000
<-7.805864,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,202.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,200.417236,-0.000000>,1.500000
<-6.938546,201.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,201.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,201.417236,-0.000000>,1.500000
<-6.938546,202.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,202.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,202.417236,-0.000000>,1.500000
<-6.938546,203.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,203.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,203.417236,-0.000000>,1.500000
<-6.938546,204.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,204.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,174.417236,-0.000000>,1.500000
<-7.720066,175.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.720066,175.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.720066,175.041107,-0.000000>,1.500000
<-8.501587,175.664993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.501587,175.664993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.501587,175.664993,-0.000000>,1.500000
<-9.283107,176.288864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.283107,176.288864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.283107,176.288864,-0.000000>,1.500000
<-10.064628,176.912750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.064628,176.912750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.064628,176.912750,-0.000000>,1.500000
<-10.846148,177.536636,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.846148,177.536636,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.846148,177.536636,-0.000000>,1.500000
<-11.627668,178.160507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.627668,178.160507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.627668,178.160507,-0.000000>,1.500000
<-12.409189,178.784393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.409189,178.784393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.409189,178.784393,-0.000000>,1.500000
<-13.190709,179.408264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.190709,179.408264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.190709,179.408264,-0.000000>,1.500000
<-13.624369,180.309341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.624369,180.309341,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.624369,180.309341,-0.000000>,1.500000
<-14.058027,181.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.058027,181.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,181.210419,-0.000000>,1.500000
<-14.491687,182.111496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.491687,182.111496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.491687,182.111496,-0.000000>,1.500000
<-14.925345,183.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925345,183.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,183.012573,-0.000000>,1.500000
<-14.925345,184.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925345,184.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,184.012573,-0.000000>,1.500000
<-14.925345,185.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925345,185.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,185.012573,-0.000000>,1.500000
<-14.491687,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.491687,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.491687,185.913651,-0.000000>,1.500000
<-14.058027,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.058027,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,185.012573,-0.000000>,1.500000
<-15.359005,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.359005,185.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.359005,185.913651,-0.000000>,1.500000
<-15.792664,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.792664,186.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,185.012573,-0.000000>,1.500000
<-14.925345,186.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925345,186.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,186.012573,-0.000000>,1.500000
<-14.925345,187.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925345,187.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,187.012573,-0.000000>,1.500000
<-14.925345,188.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925345,188.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,188.012573,-0.000000>,1.500000
<-14.925345,189.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925345,189.012573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,183.012573,-0.000000>,1.500000
<-15.706866,183.636459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.706866,183.636459,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.706866,183.636459,-0.000000>,1.500000
<-16.488386,184.260330,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.488386,184.260330,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.488386,184.260330,-0.000000>,1.500000
<-16.922047,185.161407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.922047,185.161407,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.922047,185.161407,-0.000000>,1.500000
<-17.355705,186.062485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.355705,186.062485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.488386,184.260330,-0.000000>,1.500000
<-17.463148,184.483582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.463148,184.483582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.463148,184.483582,-0.000000>,1.500000
<-18.437910,184.706833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.437910,184.706833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.488386,184.260330,-0.000000>,1.500000
<-17.269907,184.884216,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.269907,184.884216,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.269907,184.884216,-0.000000>,1.500000
<-18.051428,185.508102,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.051428,185.508102,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.051428,185.508102,-0.000000>,1.500000
<-18.832949,186.131973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.832949,186.131973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.832949,186.131973,-0.000000>,1.500000
<-19.614470,186.755859,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.614470,186.755859,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925345,183.012573,-0.000000>,1.500000
<-15.359005,183.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.359005,183.913651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.359005,183.913651,-0.000000>,1.500000
<-15.792664,184.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.792664,184.814728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.792664,184.814728,-0.000000>,1.500000
<-16.226324,185.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.226324,185.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.226324,185.715805,-0.000000>,1.500000
<-16.659983,186.616882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.659983,186.616882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.659983,186.616882,-0.000000>,1.500000
<-17.093641,187.517960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.093641,187.517960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.093641,187.517960,-0.000000>,1.500000
<-17.527300,188.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.527300,188.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.527300,188.419037,-0.000000>,1.500000
<-17.527300,189.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.527300,189.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.527300,189.419037,-0.000000>,1.500000
<-17.527300,190.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.527300,190.419037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.527300,188.419037,-0.000000>,1.500000
<-18.308821,189.042923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.308821,189.042923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.308821,189.042923,-0.000000>,1.500000
<-19.090342,189.666794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.090342,189.666794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.527300,188.419037,-0.000000>,1.500000
<-17.960960,189.320114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.960960,189.320114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.960960,189.320114,-0.000000>,1.500000
<-18.394619,190.221191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.394619,190.221191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.394619,190.221191,-0.000000>,1.500000
<-18.828278,191.122269,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.828278,191.122269,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.828278,191.122269,-0.000000>,1.500000
<-19.261936,192.023346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.261936,192.023346,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.190709,179.408264,-0.000000>,1.500000
<-14.165471,179.631516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.165471,179.631516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.165471,179.631516,-0.000000>,1.500000
<-15.140232,179.854767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.140232,179.854767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.140232,179.854767,-0.000000>,1.500000
<-16.114992,180.078018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.114992,180.078018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.114992,180.078018,-0.000000>,1.500000
<-17.089754,180.301270,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.089754,180.301270,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.089754,180.301270,-0.000000>,1.500000
<-17.871275,180.925156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.871275,180.925156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.871275,180.925156,-0.000000>,1.500000
<-18.652796,181.549026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.652796,181.549026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.652796,181.549026,-0.000000>,1.500000
<-19.086454,182.450104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.086454,182.450104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.086454,182.450104,-0.000000>,1.500000
<-19.520113,183.351181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.520113,183.351181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.652796,181.549026,-0.000000>,1.500000
<-19.627556,181.772278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.627556,181.772278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.627556,181.772278,-0.000000>,1.500000
<-20.602318,181.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.602318,181.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.652796,181.549026,-0.000000>,1.500000
<-19.434317,182.172913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.434317,182.172913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.434317,182.172913,-0.000000>,1.500000
<-20.215836,182.796783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.215836,182.796783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.215836,182.796783,-0.000000>,1.500000
<-20.997356,183.420670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.997356,183.420670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.997356,183.420670,-0.000000>,1.500000
<-21.778877,184.044540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.778877,184.044540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.089754,180.301270,-0.000000>,1.500000
<-18.064903,180.079727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.064903,180.079727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.064903,180.079727,-0.000000>,1.500000
<-19.040052,179.858170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.040052,179.858170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.040052,179.858170,-0.000000>,1.500000
<-20.014814,180.081421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.014814,180.081421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.014814,180.081421,-0.000000>,1.500000
<-20.989574,180.304672,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.989574,180.304672,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.040052,179.858170,-0.000000>,1.500000
<-19.822660,179.235657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.822660,179.235657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.822660,179.235657,-0.000000>,1.500000
<-20.605268,178.613144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.605268,178.613144,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.040052,179.858170,-0.000000>,1.500000
<-20.015202,179.636627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.015202,179.636627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.015202,179.636627,-0.000000>,1.500000
<-20.990351,179.415070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.990351,179.415070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.990351,179.415070,-0.000000>,1.500000
<-21.965502,179.193527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.965502,179.193527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.965502,179.193527,-0.000000>,1.500000
<-22.940651,178.971985,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.940651,178.971985,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.089754,180.301270,-0.000000>,1.500000
<-18.064516,180.524521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.064516,180.524521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.064516,180.524521,-0.000000>,1.500000
<-19.039276,180.747772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.039276,180.747772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.039276,180.747772,-0.000000>,1.500000
<-20.014038,180.971024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.014038,180.971024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.014038,180.971024,-0.000000>,1.500000
<-20.988798,181.194275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.988798,181.194275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.988798,181.194275,-0.000000>,1.500000
<-21.963560,181.417526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.963560,181.417526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.963560,181.417526,-0.000000>,1.500000
<-22.938322,181.640762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.938322,181.640762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.938322,181.640762,-0.000000>,1.500000
<-23.719843,182.264648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.719843,182.264648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.719843,182.264648,-0.000000>,1.500000
<-24.501362,182.888535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.501362,182.888535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.938322,181.640762,-0.000000>,1.500000
<-23.913471,181.419220,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.913471,181.419220,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.913471,181.419220,-0.000000>,1.500000
<-24.888620,181.197678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.888620,181.197678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.938322,181.640762,-0.000000>,1.500000
<-23.913082,181.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.913082,181.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.913082,181.864014,-0.000000>,1.500000
<-24.887844,182.087265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.887844,182.087265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.887844,182.087265,-0.000000>,1.500000
<-25.862606,182.310516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.862606,182.310516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.862606,182.310516,-0.000000>,1.500000
<-26.837366,182.533768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.837366,182.533768,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.190709,179.408264,-0.000000>,1.500000
<-13.972230,180.032150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.972230,180.032150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.972230,180.032150,-0.000000>,1.500000
<-14.753751,180.656021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.753751,180.656021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.753751,180.656021,-0.000000>,1.500000
<-15.535271,181.279907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.535271,181.279907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.535271,181.279907,-0.000000>,1.500000
<-16.316792,181.903793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.316792,181.903793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.316792,181.903793,-0.000000>,1.500000
<-17.098312,182.527664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.098312,182.527664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.098312,182.527664,-0.000000>,1.500000
<-17.879833,183.151550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.879833,183.151550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.879833,183.151550,-0.000000>,1.500000
<-18.661352,183.775421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.661352,183.775421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.661352,183.775421,-0.000000>,1.500000
<-19.442873,184.399307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.442873,184.399307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.442873,184.399307,-0.000000>,1.500000
<-20.224394,185.023178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.224394,185.023178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.224394,185.023178,-0.000000>,1.500000
<-21.005915,185.647064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.005915,185.647064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.005915,185.647064,-0.000000>,1.500000
<-21.787436,186.270950,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.787436,186.270950,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.787436,186.270950,-0.000000>,1.500000
<-22.568954,186.894821,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.568954,186.894821,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.568954,186.894821,-0.000000>,1.500000
<-23.002615,187.795898,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.002615,187.795898,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.002615,187.795898,-0.000000>,1.500000
<-23.436274,188.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.436274,188.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.436274,188.696976,-0.000000>,1.500000
<-23.436274,189.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.436274,189.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.436274,189.696976,-0.000000>,1.500000
<-23.436274,190.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.436274,190.696976,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.436274,188.696976,-0.000000>,1.500000
<-24.217794,189.320862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.217794,189.320862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.217794,189.320862,-0.000000>,1.500000
<-24.999315,189.944733,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.999315,189.944733,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.436274,188.696976,-0.000000>,1.500000
<-23.869932,189.598053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.869932,189.598053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.869932,189.598053,-0.000000>,1.500000
<-24.303591,190.499130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.303591,190.499130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.303591,190.499130,-0.000000>,1.500000
<-24.737251,191.400208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.737251,191.400208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.737251,191.400208,-0.000000>,1.500000
<-25.170910,192.301285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.170910,192.301285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.568954,186.894821,-0.000000>,1.500000
<-23.543716,187.118073,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.543716,187.118073,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.543716,187.118073,-0.000000>,1.500000
<-24.518478,187.341324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.518478,187.341324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.518478,187.341324,-0.000000>,1.500000
<-25.299997,187.965210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.299997,187.965210,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.299997,187.965210,-0.000000>,1.500000
<-26.081518,188.589081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.081518,188.589081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.518478,187.341324,-0.000000>,1.500000
<-25.493628,187.119781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.493628,187.119781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.493628,187.119781,-0.000000>,1.500000
<-26.468777,186.898224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.468777,186.898224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.518478,187.341324,-0.000000>,1.500000
<-25.493238,187.564575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.493238,187.564575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.493238,187.564575,-0.000000>,1.500000
<-26.468000,187.787827,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.468000,187.787827,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.468000,187.787827,-0.000000>,1.500000
<-27.442760,188.011078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.442760,188.011078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.442760,188.011078,-0.000000>,1.500000
<-28.417522,188.234329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.417522,188.234329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.568954,186.894821,-0.000000>,1.500000
<-23.350475,187.518707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.350475,187.518707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.350475,187.518707,-0.000000>,1.500000
<-24.131996,188.142578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.131996,188.142578,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.131996,188.142578,-0.000000>,1.500000
<-24.913517,188.766464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.913517,188.766464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.913517,188.766464,-0.000000>,1.500000
<-25.695038,189.390335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.695038,189.390335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.695038,189.390335,-0.000000>,1.500000
<-26.476559,190.014221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.476559,190.014221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.476559,190.014221,-0.000000>,1.500000
<-27.258078,190.638107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.258078,190.638107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.258078,190.638107,-0.000000>,1.500000
<-27.691738,191.539185,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.691738,191.539185,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.691738,191.539185,-0.000000>,1.500000
<-28.125397,192.440262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.125397,192.440262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.258078,190.638107,-0.000000>,1.500000
<-28.232840,190.861359,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.232840,190.861359,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.232840,190.861359,-0.000000>,1.500000
<-29.207602,191.084595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.207602,191.084595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.258078,190.638107,-0.000000>,1.500000
<-28.039598,191.261978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.039598,191.261978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.039598,191.261978,-0.000000>,1.500000
<-28.821119,191.885864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.821119,191.885864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.821119,191.885864,-0.000000>,1.500000
<-29.602640,192.509735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.602640,192.509735,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.602640,192.509735,-0.000000>,1.500000
<-30.384161,193.133621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.384161,193.133621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,174.417236,-0.000000>,1.500000
<-7.372205,175.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,175.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,175.318314,-0.000000>,1.500000
<-7.805864,176.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,176.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,176.219391,-0.000000>,1.500000
<-8.239523,177.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,177.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,177.120468,-0.000000>,1.500000
<-8.673182,178.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,178.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,178.021545,-0.000000>,1.500000
<-9.106841,178.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,178.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,178.922623,-0.000000>,1.500000
<-9.540500,179.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,179.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,179.823700,-0.000000>,1.500000
<-9.974159,180.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,180.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,180.724777,-0.000000>,1.500000
<-10.407819,181.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,181.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,181.625854,-0.000000>,1.500000
<-10.841477,182.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,182.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,182.526932,-0.000000>,1.500000
<-11.275137,183.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,183.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,183.428009,-0.000000>,1.500000
<-11.708796,184.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,184.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,184.329086,-0.000000>,1.500000
<-12.142455,185.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,185.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,185.230164,-0.000000>,1.500000
<-12.576114,186.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,186.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,186.131241,-0.000000>,1.500000
<-13.009773,187.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,187.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,187.032303,-0.000000>,1.500000
<-13.443432,187.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,187.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,187.933380,-0.000000>,1.500000
<-13.877091,188.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,188.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,188.834457,-0.000000>,1.500000
<-14.310750,189.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,189.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,189.735535,-0.000000>,1.500000
<-14.744410,190.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,190.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,190.636612,-0.000000>,1.500000
<-15.178068,191.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,191.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,191.537689,-0.000000>,1.500000
<-15.611728,192.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,192.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,192.438766,-0.000000>,1.500000
<-16.045387,193.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,193.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,193.339844,-0.000000>,1.500000
<-16.479046,194.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,194.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,194.240921,-0.000000>,1.500000
<-16.912704,195.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,195.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,195.141998,-0.000000>,1.500000
<-17.346363,196.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,196.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,196.043076,-0.000000>,1.500000
<-17.346363,197.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,197.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,197.043076,-0.000000>,1.500000
<-17.346363,198.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,198.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,198.043076,-0.000000>,1.500000
<-17.346363,199.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,199.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,199.043076,-0.000000>,1.500000
<-17.346363,200.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,200.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,200.043076,-0.000000>,1.500000
<-16.912704,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,200.944153,-0.000000>,1.500000
<-16.479046,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,201.845230,-0.000000>,1.500000
<-15.697525,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.697525,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.697525,202.469116,-0.000000>,1.500000
<-14.916005,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.916005,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,201.845230,-0.000000>,1.500000
<-16.479046,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,202.845230,-0.000000>,1.500000
<-16.479046,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,201.845230,-0.000000>,1.500000
<-16.045387,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,202.746307,-0.000000>,1.500000
<-15.611728,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,203.647385,-0.000000>,1.500000
<-15.178068,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,204.548462,-0.000000>,1.500000
<-14.744410,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,200.043076,-0.000000>,1.500000
<-17.780024,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,200.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,200.944153,-0.000000>,1.500000
<-18.213682,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,201.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,201.845230,-0.000000>,1.500000
<-18.213682,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,202.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,202.845230,-0.000000>,1.500000
<-18.213682,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,203.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,201.845230,-0.000000>,1.500000
<-18.995203,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.995203,202.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.995203,202.469116,-0.000000>,1.500000
<-19.776724,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.776724,203.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,201.845230,-0.000000>,1.500000
<-18.647341,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,202.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,202.746307,-0.000000>,1.500000
<-19.080999,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.080999,203.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,203.647385,-0.000000>,1.500000
<-19.514660,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.514660,204.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,204.548462,-0.000000>,1.500000
<-19.948318,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,205.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,200.043076,-0.000000>,1.500000
<-17.346363,201.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,201.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,201.043076,-0.000000>,1.500000
<-17.346363,202.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,202.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,202.043076,-0.000000>,1.500000
<-17.346363,203.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,203.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,203.043076,-0.000000>,1.500000
<-17.346363,204.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,204.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,204.043076,-0.000000>,1.500000
<-17.346363,205.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,205.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,205.043076,-0.000000>,1.500000
<-17.346363,206.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,206.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,206.043076,-0.000000>,1.500000
<-16.912704,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,206.944153,-0.000000>,1.500000
<-16.479046,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,206.043076,-0.000000>,1.500000
<-17.780024,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,206.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,206.944153,-0.000000>,1.500000
<-18.213682,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,207.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,206.043076,-0.000000>,1.500000
<-17.346363,207.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,207.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,207.043076,-0.000000>,1.500000
<-17.346363,208.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,208.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,208.043076,-0.000000>,1.500000
<-17.346363,209.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,209.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,209.043076,-0.000000>,1.500000
<-17.346363,210.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,210.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,196.043076,-0.000000>,1.500000
<-18.127884,196.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.127884,196.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.127884,196.666962,-0.000000>,1.500000
<-18.909405,197.290833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.909405,197.290833,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.909405,197.290833,-0.000000>,1.500000
<-19.690926,197.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.690926,197.914719,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.690926,197.914719,-0.000000>,1.500000
<-20.472446,198.538605,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.472446,198.538605,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.472446,198.538605,-0.000000>,1.500000
<-20.906105,199.439682,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.906105,199.439682,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.906105,199.439682,-0.000000>,1.500000
<-21.339764,200.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.339764,200.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,200.340759,-0.000000>,1.500000
<-21.339764,201.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.339764,201.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,201.340759,-0.000000>,1.500000
<-21.339764,202.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.339764,202.340759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,200.340759,-0.000000>,1.500000
<-22.121284,200.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.121284,200.964630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.121284,200.964630,-0.000000>,1.500000
<-22.902805,201.588516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.902805,201.588516,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.339764,200.340759,-0.000000>,1.500000
<-21.773422,201.241837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.773422,201.241837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.773422,201.241837,-0.000000>,1.500000
<-22.207083,202.142914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.207083,202.142914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.207083,202.142914,-0.000000>,1.500000
<-22.640741,203.043991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.640741,203.043991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.640741,203.043991,-0.000000>,1.500000
<-23.074400,203.945068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.074400,203.945068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.472446,198.538605,-0.000000>,1.500000
<-21.447206,198.761856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.447206,198.761856,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.447206,198.761856,-0.000000>,1.500000
<-22.421968,198.985092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.421968,198.985092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.421968,198.985092,-0.000000>,1.500000
<-23.203489,199.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.203489,199.608978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.203489,199.608978,-0.000000>,1.500000
<-23.985010,200.232864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.985010,200.232864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.421968,198.985092,-0.000000>,1.500000
<-23.397118,198.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.397118,198.763550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.397118,198.763550,-0.000000>,1.500000
<-24.372267,198.542007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.372267,198.542007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.421968,198.985092,-0.000000>,1.500000
<-23.396729,199.208344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.396729,199.208344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.396729,199.208344,-0.000000>,1.500000
<-24.371490,199.431595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.371490,199.431595,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.371490,199.431595,-0.000000>,1.500000
<-25.346252,199.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.346252,199.654846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.346252,199.654846,-0.000000>,1.500000
<-26.321012,199.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.321012,199.878098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.472446,198.538605,-0.000000>,1.500000
<-21.253965,199.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.253965,199.162476,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.253965,199.162476,-0.000000>,1.500000
<-22.035486,199.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.035486,199.786362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.035486,199.786362,-0.000000>,1.500000
<-22.817007,200.410233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.817007,200.410233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.817007,200.410233,-0.000000>,1.500000
<-23.598528,201.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.598528,201.034119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.598528,201.034119,-0.000000>,1.500000
<-24.380049,201.657990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.380049,201.657990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.380049,201.657990,-0.000000>,1.500000
<-25.161570,202.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.161570,202.281876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.161570,202.281876,-0.000000>,1.500000
<-25.595228,203.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.595228,203.182953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.595228,203.182953,-0.000000>,1.500000
<-26.028887,204.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.028887,204.084030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.161570,202.281876,-0.000000>,1.500000
<-26.136330,202.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.136330,202.505127,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.136330,202.505127,-0.000000>,1.500000
<-27.111092,202.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.111092,202.728378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.161570,202.281876,-0.000000>,1.500000
<-25.943089,202.905762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.943089,202.905762,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.943089,202.905762,-0.000000>,1.500000
<-26.724609,203.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.724609,203.529633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.724609,203.529633,-0.000000>,1.500000
<-27.506130,204.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.506130,204.153519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.506130,204.153519,-0.000000>,1.500000
<-28.287651,204.777390,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.287651,204.777390,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.346363,196.043076,-0.000000>,1.500000
<-17.780024,196.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,196.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,196.944153,-0.000000>,1.500000
<-18.213682,197.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,197.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,197.845230,-0.000000>,1.500000
<-18.647341,198.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,198.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,198.746307,-0.000000>,1.500000
<-19.080999,199.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.080999,199.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,199.647385,-0.000000>,1.500000
<-19.514660,200.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.514660,200.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,200.548462,-0.000000>,1.500000
<-19.948318,201.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,201.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.948318,201.449539,-0.000000>,1.500000
<-20.381977,202.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.381977,202.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.381977,202.350616,-0.000000>,1.500000
<-20.815638,203.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.815638,203.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,203.251694,-0.000000>,1.500000
<-21.249296,204.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.249296,204.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.249296,204.152771,-0.000000>,1.500000
<-21.682955,205.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.682955,205.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.682955,205.053848,-0.000000>,1.500000
<-22.116613,205.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.116613,205.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.116613,205.954926,-0.000000>,1.500000
<-22.550274,206.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,206.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,206.856003,-0.000000>,1.500000
<-22.550274,207.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,207.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,207.856003,-0.000000>,1.500000
<-22.550274,208.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,208.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,208.856003,-0.000000>,1.500000
<-22.116613,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.116613,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.116613,209.757080,-0.000000>,1.500000
<-21.682955,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.682955,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,208.856003,-0.000000>,1.500000
<-22.983932,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.983932,209.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.983932,209.757080,-0.000000>,1.500000
<-23.417591,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.417591,210.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,208.856003,-0.000000>,1.500000
<-22.550274,209.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,209.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,209.856003,-0.000000>,1.500000
<-22.550274,210.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,210.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,210.856003,-0.000000>,1.500000
<-22.550274,211.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,211.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,211.856003,-0.000000>,1.500000
<-22.550274,212.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,212.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,206.856003,-0.000000>,1.500000
<-23.331793,207.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.331793,207.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.331793,207.479889,-0.000000>,1.500000
<-24.113314,208.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.113314,208.103760,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.113314,208.103760,-0.000000>,1.500000
<-24.546972,209.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.546972,209.004837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.546972,209.004837,-0.000000>,1.500000
<-24.980633,209.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.980633,209.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.113314,208.103760,-0.000000>,1.500000
<-25.088076,208.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.088076,208.327011,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.088076,208.327011,-0.000000>,1.500000
<-26.062836,208.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.062836,208.550262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.113314,208.103760,-0.000000>,1.500000
<-24.894835,208.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.894835,208.727646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.894835,208.727646,-0.000000>,1.500000
<-25.676355,209.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.676355,209.351517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.676355,209.351517,-0.000000>,1.500000
<-26.457876,209.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.457876,209.975403,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.457876,209.975403,-0.000000>,1.500000
<-27.239395,210.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.239395,210.599289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.550274,206.856003,-0.000000>,1.500000
<-22.983932,207.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.983932,207.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.983932,207.757080,-0.000000>,1.500000
<-23.417591,208.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.417591,208.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.417591,208.658157,-0.000000>,1.500000
<-23.851250,209.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.851250,209.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.851250,209.559235,-0.000000>,1.500000
<-24.284910,210.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.284910,210.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.284910,210.460312,-0.000000>,1.500000
<-24.718569,211.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.718569,211.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,211.361389,-0.000000>,1.500000
<-25.152227,212.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,212.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,212.262466,-0.000000>,1.500000
<-25.152227,213.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,213.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,213.262466,-0.000000>,1.500000
<-25.152227,214.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,214.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,212.262466,-0.000000>,1.500000
<-25.933748,212.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.933748,212.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.933748,212.886353,-0.000000>,1.500000
<-26.715269,213.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.715269,213.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,212.262466,-0.000000>,1.500000
<-25.585886,213.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.585886,213.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.585886,213.163544,-0.000000>,1.500000
<-26.019547,214.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.019547,214.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.019547,214.064621,-0.000000>,1.500000
<-26.453205,214.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.453205,214.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.453205,214.965698,-0.000000>,1.500000
<-26.886864,215.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,215.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,160.000000,-0.000000>,1.500000
<0.000000,161.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,161.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,161.000000,-0.000000>,1.500000
<0.000000,162.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,162.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,162.000000,-0.000000>,1.500000
<0.000000,163.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,163.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,163.000000,-0.000000>,1.500000
<0.000000,164.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,164.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,164.000000,-0.000000>,1.500000
<0.000000,165.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,165.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,165.000000,-0.000000>,1.500000
<0.000000,166.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,166.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,166.000000,-0.000000>,1.500000
<0.000000,167.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,167.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,167.000000,-0.000000>,1.500000
<0.000000,168.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,168.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,168.000000,-0.000000>,1.500000
<0.000000,169.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,169.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,169.000000,-0.000000>,1.500000
<0.000000,170.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,170.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,170.000000,-0.000000>,1.500000
<0.000000,171.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,171.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,171.000000,-0.000000>,1.500000
<0.000000,172.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,172.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,172.000000,-0.000000>,1.500000
<0.000000,173.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,173.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,173.000000,-0.000000>,1.500000
<0.000000,174.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,174.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,174.000000,-0.000000>,1.500000
<0.000000,175.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,175.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,175.000000,-0.000000>,1.500000
<0.000000,176.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,176.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,176.000000,-0.000000>,1.500000
<0.000000,177.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,177.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,177.000000,-0.000000>,1.500000
<0.000000,178.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,178.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,178.000000,-0.000000>,1.500000
<0.000000,179.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,179.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,179.000000,-0.000000>,1.500000
<0.000000,180.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,180.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,180.000000,-0.000000>,1.500000
<0.000000,181.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,181.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,181.000000,-0.000000>,1.500000
<0.000000,182.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,182.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,182.000000,-0.000000>,1.500000
<0.000000,183.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,183.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,183.000000,-0.000000>,1.500000
<0.000000,184.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,184.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,184.000000,-0.000000>,1.500000
<0.000000,185.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,185.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,185.000000,-0.000000>,1.500000
<0.000000,186.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,186.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,186.000000,-0.000000>,1.500000
<0.000000,187.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,187.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,187.000000,-0.000000>,1.500000
<0.000000,188.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,188.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,188.000000,-0.000000>,1.500000
<0.000000,189.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,189.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,189.000000,-0.000000>,1.500000
<0.000000,190.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,190.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,190.000000,-0.000000>,1.500000
<0.000000,191.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,191.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,191.000000,-0.000000>,1.500000
<0.000000,192.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,192.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,192.000000,-0.000000>,1.500000
<0.000000,193.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,193.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,193.000000,-0.000000>,1.500000
<0.000000,194.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,194.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,194.000000,-0.000000>,1.500000
<0.000000,195.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,195.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,195.000000,-0.000000>,1.500000
<0.000000,196.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,196.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,196.000000,-0.000000>,1.500000
<0.000000,197.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,197.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,197.000000,-0.000000>,1.500000
<0.000000,198.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,198.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,198.000000,-0.000000>,1.500000
<0.000000,199.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,199.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,199.000000,-0.000000>,1.500000
<0.000000,200.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,200.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,200.000000,-0.000000>,1.500000
<0.000000,201.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,201.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,201.000000,-0.000000>,1.500000
<0.000000,202.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,202.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,202.000000,-0.000000>,1.500000
<0.000000,203.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,203.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,203.000000,-0.000000>,1.500000
<0.000000,204.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,204.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,204.000000,-0.000000>,1.500000
<0.000000,205.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,205.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,205.000000,-0.000000>,1.500000
<0.000000,206.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,206.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,206.000000,-0.000000>,1.500000
<0.000000,207.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,207.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,207.000000,-0.000000>,1.500000
<0.000000,208.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,208.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,208.000000,-0.000000>,1.500000
<0.433659,208.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,208.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,208.901077,-0.000000>,1.500000
<0.867318,209.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,209.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,209.802155,-0.000000>,1.500000
<1.300977,210.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,210.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,210.703232,-0.000000>,1.500000
<1.734636,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,211.604309,-0.000000>,1.500000
<2.168295,212.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,212.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,212.505386,-0.000000>,1.500000
<2.601955,213.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,213.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,213.406464,-0.000000>,1.500000
<3.035614,214.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,214.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,214.307541,-0.000000>,1.500000
<3.469273,215.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,215.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,215.208618,-0.000000>,1.500000
<4.250793,215.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.250793,215.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.250793,215.832489,-0.000000>,1.500000
<5.032314,216.456375,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.032314,216.456375,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.032314,216.456375,-0.000000>,1.500000
<5.813834,217.080261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.813834,217.080261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.813834,217.080261,-0.000000>,1.500000
<6.595355,217.704132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.595355,217.704132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.595355,217.704132,-0.000000>,1.500000
<7.570116,217.927383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.570116,217.927383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.570116,217.927383,-0.000000>,1.500000
<8.544877,218.150635,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.544877,218.150635,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.544877,218.150635,-0.000000>,1.500000
<9.520026,217.929092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.520026,217.929092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.520026,217.929092,-0.000000>,1.500000
<10.495175,217.707535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.495175,217.707535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.544877,218.150635,-0.000000>,1.500000
<9.326398,218.774521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.326398,218.774521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.326398,218.774521,-0.000000>,1.500000
<10.107918,219.398392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.107918,219.398392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.544877,218.150635,-0.000000>,1.500000
<9.519638,218.373886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.519638,218.373886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.519638,218.373886,-0.000000>,1.500000
<10.494399,218.597137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.494399,218.597137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.494399,218.597137,-0.000000>,1.500000
<11.469161,218.820389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.469161,218.820389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.469161,218.820389,-0.000000>,1.500000
<12.443922,219.043640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.443922,219.043640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.595355,217.704132,-0.000000>,1.500000
<7.029014,218.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.029014,218.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,218.605209,-0.000000>,1.500000
<7.462673,219.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.462673,219.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.462673,219.506287,-0.000000>,1.500000
<8.244193,220.130173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244193,220.130173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.244193,220.130173,-0.000000>,1.500000
<9.025714,220.754044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.025714,220.754044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.462673,219.506287,-0.000000>,1.500000
<7.462673,220.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.462673,220.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.462673,220.506287,-0.000000>,1.500000
<7.462673,221.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.462673,221.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.462673,219.506287,-0.000000>,1.500000
<7.896332,220.407364,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.896332,220.407364,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.896332,220.407364,-0.000000>,1.500000
<8.329991,221.308441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.329991,221.308441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.329991,221.308441,-0.000000>,1.500000
<8.763650,222.209518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.763650,222.209518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.763650,222.209518,-0.000000>,1.500000
<9.197309,223.110596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.197309,223.110596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.595355,217.704132,-0.000000>,1.500000
<7.376875,218.328018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.376875,218.328018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.376875,218.328018,-0.000000>,1.500000
<8.158396,218.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.158396,218.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.158396,218.951889,-0.000000>,1.500000
<8.939917,219.575775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.939917,219.575775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.939917,219.575775,-0.000000>,1.500000
<9.721437,220.199646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.721437,220.199646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.721437,220.199646,-0.000000>,1.500000
<10.502957,220.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.502957,220.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.502957,220.823532,-0.000000>,1.500000
<11.284477,221.447418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.284477,221.447418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.284477,221.447418,-0.000000>,1.500000
<12.259239,221.670670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.259239,221.670670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.259239,221.670670,-0.000000>,1.500000
<13.234000,221.893906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.234000,221.893906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.284477,221.447418,-0.000000>,1.500000
<11.718137,222.348495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.718137,222.348495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.718137,222.348495,-0.000000>,1.500000
<12.151795,223.249573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.151795,223.249573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.284477,221.447418,-0.000000>,1.500000
<12.065998,222.071289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.065998,222.071289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.065998,222.071289,-0.000000>,1.500000
<12.847519,222.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.847519,222.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.847519,222.695175,-0.000000>,1.500000
<13.629039,223.319046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.629039,223.319046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.629039,223.319046,-0.000000>,1.500000
<14.410560,223.942932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.410560,223.942932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,215.208618,-0.000000>,1.500000
<3.469273,216.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,216.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,216.208618,-0.000000>,1.500000
<3.469273,217.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,217.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,217.208618,-0.000000>,1.500000
<3.469273,218.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,218.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,218.208618,-0.000000>,1.500000
<3.469273,219.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,219.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,219.208618,-0.000000>,1.500000
<3.902932,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,220.109695,-0.000000>,1.500000
<4.336591,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,221.010773,-0.000000>,1.500000
<5.118112,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.118112,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.118112,221.634644,-0.000000>,1.500000
<5.899632,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.899632,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,221.010773,-0.000000>,1.500000
<4.336591,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,222.010773,-0.000000>,1.500000
<4.336591,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,221.010773,-0.000000>,1.500000
<4.770250,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,221.911850,-0.000000>,1.500000
<5.203909,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,222.812927,-0.000000>,1.500000
<5.637568,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,223.714005,-0.000000>,1.500000
<6.071228,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,219.208618,-0.000000>,1.500000
<3.035614,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,220.109695,-0.000000>,1.500000
<2.601955,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,221.010773,-0.000000>,1.500000
<2.601955,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,222.010773,-0.000000>,1.500000
<2.601955,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,221.010773,-0.000000>,1.500000
<1.820434,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.820434,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.820434,221.634644,-0.000000>,1.500000
<1.038914,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038914,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,221.010773,-0.000000>,1.500000
<2.168295,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,221.911850,-0.000000>,1.500000
<1.734636,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,222.812927,-0.000000>,1.500000
<1.300977,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,223.714005,-0.000000>,1.500000
<0.867318,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,219.208618,-0.000000>,1.500000
<3.469273,220.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,220.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,220.208618,-0.000000>,1.500000
<3.469273,221.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,221.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,221.208618,-0.000000>,1.500000
<3.469273,222.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,222.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,222.208618,-0.000000>,1.500000
<3.469273,223.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,223.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,223.208618,-0.000000>,1.500000
<3.469273,224.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,224.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,224.208618,-0.000000>,1.500000
<3.469273,225.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,225.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,225.208618,-0.000000>,1.500000
<3.902932,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,226.109695,-0.000000>,1.500000
<4.336591,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,225.208618,-0.000000>,1.500000
<3.035614,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,226.109695,-0.000000>,1.500000
<2.601955,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,225.208618,-0.000000>,1.500000
<3.469273,226.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,226.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,226.208618,-0.000000>,1.500000
<3.469273,227.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,227.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,227.208618,-0.000000>,1.500000
<3.469273,228.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,228.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,228.208618,-0.000000>,1.500000
<3.469273,229.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,229.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,215.208618,-0.000000>,1.500000
<3.902932,216.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,216.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,216.109695,-0.000000>,1.500000
<4.336591,217.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,217.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,217.010773,-0.000000>,1.500000
<4.770250,217.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,217.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,217.911850,-0.000000>,1.500000
<5.203909,218.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,218.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,218.812927,-0.000000>,1.500000
<5.637568,219.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,219.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,219.714005,-0.000000>,1.500000
<6.071228,220.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,220.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,220.615082,-0.000000>,1.500000
<6.504887,221.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,221.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,221.516159,-0.000000>,1.500000
<6.938546,222.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,222.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,222.417236,-0.000000>,1.500000
<7.372205,223.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,223.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,223.318314,-0.000000>,1.500000
<7.805864,224.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,224.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,224.219391,-0.000000>,1.500000
<8.239523,225.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,225.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,225.120468,-0.000000>,1.500000
<8.673182,226.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,226.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,226.021545,-0.000000>,1.500000
<9.454702,226.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.454702,226.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.454702,226.645416,-0.000000>,1.500000
<10.236223,227.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.236223,227.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.236223,227.269302,-0.000000>,1.500000
<11.210984,227.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.210984,227.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.210984,227.492554,-0.000000>,1.500000
<12.185745,227.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.185745,227.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.236223,227.269302,-0.000000>,1.500000
<10.669882,228.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.669882,228.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,228.170380,-0.000000>,1.500000
<11.103541,229.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.103541,229.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.236223,227.269302,-0.000000>,1.500000
<11.017743,227.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.017743,227.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.017743,227.893173,-0.000000>,1.500000
<11.799264,228.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.799264,228.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.799264,228.517059,-0.000000>,1.500000
<12.580785,229.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.580785,229.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.580785,229.140945,-0.000000>,1.500000
<13.362305,229.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.362305,229.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,226.021545,-0.000000>,1.500000
<8.673182,227.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,227.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,227.021545,-0.000000>,1.500000
<8.673182,228.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,228.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,228.021545,-0.000000>,1.500000
<9.106841,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,228.922623,-0.000000>,1.500000
<9.540500,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,228.021545,-0.000000>,1.500000
<8.239523,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,228.922623,-0.000000>,1.500000
<7.805864,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,228.021545,-0.000000>,1.500000
<8.673182,229.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,229.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,229.021545,-0.000000>,1.500000
<8.673182,230.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,230.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,230.021545,-0.000000>,1.500000
<8.673182,231.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,231.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,231.021545,-0.000000>,1.500000
<8.673182,232.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,232.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,226.021545,-0.000000>,1.500000
<9.106841,226.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,226.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,226.922623,-0.000000>,1.500000
<9.540500,227.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,227.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,227.823700,-0.000000>,1.500000
<9.974159,228.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,228.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,228.724777,-0.000000>,1.500000
<10.407819,229.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,229.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,229.625854,-0.000000>,1.500000
<10.841477,230.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,230.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,230.526932,-0.000000>,1.500000
<11.275137,231.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,231.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,231.428009,-0.000000>,1.500000
<12.056657,232.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.056657,232.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.056657,232.051880,-0.000000>,1.500000
<12.838178,232.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.838178,232.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,231.428009,-0.000000>,1.500000
<11.275137,232.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,232.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,232.428009,-0.000000>,1.500000
<11.275137,233.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,233.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,231.428009,-0.000000>,1.500000
<11.708796,232.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,232.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,232.329086,-0.000000>,1.500000
<12.142455,233.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,233.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,233.230164,-0.000000>,1.500000
<12.576114,234.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,234.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,234.131241,-0.000000>,1.500000
<13.009773,235.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,235.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,208.000000,-0.000000>,1.500000
<-0.433659,208.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,208.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,208.901077,-0.000000>,1.500000
<-0.867318,209.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,209.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,209.802155,-0.000000>,1.500000
<-1.300977,210.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,210.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,210.703232,-0.000000>,1.500000
<-1.734636,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,211.604309,-0.000000>,1.500000
<-2.168295,212.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,212.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,212.505386,-0.000000>,1.500000
<-2.601955,213.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,213.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,213.406464,-0.000000>,1.500000
<-3.035614,214.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,214.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,214.307541,-0.000000>,1.500000
<-3.469273,215.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,215.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,215.208618,-0.000000>,1.500000
<-3.469273,216.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,216.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,216.208618,-0.000000>,1.500000
<-3.469273,217.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,217.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,217.208618,-0.000000>,1.500000
<-3.469273,218.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,218.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,218.208618,-0.000000>,1.500000
<-3.469273,219.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,219.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,219.208618,-0.000000>,1.500000
<-3.035614,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,220.109695,-0.000000>,1.500000
<-2.601955,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,221.010773,-0.000000>,1.500000
<-1.820434,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.820434,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.820434,221.634644,-0.000000>,1.500000
<-1.038914,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.038914,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,221.010773,-0.000000>,1.500000
<-2.601955,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,222.010773,-0.000000>,1.500000
<-2.601955,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,221.010773,-0.000000>,1.500000
<-2.168295,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,221.911850,-0.000000>,1.500000
<-1.734636,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,222.812927,-0.000000>,1.500000
<-1.300977,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,223.714005,-0.000000>,1.500000
<-0.867318,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,219.208618,-0.000000>,1.500000
<-3.902932,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,220.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,220.109695,-0.000000>,1.500000
<-4.336591,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,221.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,221.010773,-0.000000>,1.500000
<-4.336591,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,222.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,222.010773,-0.000000>,1.500000
<-4.336591,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,223.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,221.010773,-0.000000>,1.500000
<-5.118112,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.118112,221.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.118112,221.634644,-0.000000>,1.500000
<-5.899632,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.899632,222.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,221.010773,-0.000000>,1.500000
<-4.770250,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,221.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,221.911850,-0.000000>,1.500000
<-5.203909,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,222.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,222.812927,-0.000000>,1.500000
<-5.637568,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,223.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,223.714005,-0.000000>,1.500000
<-6.071228,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,224.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,219.208618,-0.000000>,1.500000
<-3.469273,220.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,220.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,220.208618,-0.000000>,1.500000
<-3.469273,221.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,221.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,221.208618,-0.000000>,1.500000
<-3.469273,222.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,222.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,222.208618,-0.000000>,1.500000
<-3.469273,223.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,223.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,223.208618,-0.000000>,1.500000
<-3.469273,224.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,224.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,224.208618,-0.000000>,1.500000
<-3.469273,225.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,225.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,225.208618,-0.000000>,1.500000
<-3.035614,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,226.109695,-0.000000>,1.500000
<-2.601955,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,225.208618,-0.000000>,1.500000
<-3.902932,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,226.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,226.109695,-0.000000>,1.500000
<-4.336591,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,227.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,225.208618,-0.000000>,1.500000
<-3.469273,226.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,226.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,226.208618,-0.000000>,1.500000
<-3.469273,227.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,227.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,227.208618,-0.000000>,1.500000
<-3.469273,228.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,228.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,228.208618,-0.000000>,1.500000
<-3.469273,229.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,229.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,215.208618,-0.000000>,1.500000
<-4.250793,215.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,215.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.250793,215.832489,-0.000000>,1.500000
<-5.032314,216.456375,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.032314,216.456375,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.032314,216.456375,-0.000000>,1.500000
<-5.813834,217.080261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.813834,217.080261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.813834,217.080261,-0.000000>,1.500000
<-6.595355,217.704132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.595355,217.704132,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.595355,217.704132,-0.000000>,1.500000
<-7.029014,218.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.029014,218.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.029014,218.605209,-0.000000>,1.500000
<-7.462673,219.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.462673,219.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.462673,219.506287,-0.000000>,1.500000
<-7.462673,220.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.462673,220.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.462673,220.506287,-0.000000>,1.500000
<-7.462673,221.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.462673,221.506287,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.462673,219.506287,-0.000000>,1.500000
<-8.244193,220.130173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244193,220.130173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.244193,220.130173,-0.000000>,1.500000
<-9.025714,220.754044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.025714,220.754044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.462673,219.506287,-0.000000>,1.500000
<-7.896332,220.407364,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.896332,220.407364,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.896332,220.407364,-0.000000>,1.500000
<-8.329991,221.308441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.329991,221.308441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.329991,221.308441,-0.000000>,1.500000
<-8.763650,222.209518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.763650,222.209518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.763650,222.209518,-0.000000>,1.500000
<-9.197309,223.110596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.197309,223.110596,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.595355,217.704132,-0.000000>,1.500000
<-7.570116,217.927383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570116,217.927383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570116,217.927383,-0.000000>,1.500000
<-8.544877,218.150635,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.544877,218.150635,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.544877,218.150635,-0.000000>,1.500000
<-9.326398,218.774521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.326398,218.774521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.326398,218.774521,-0.000000>,1.500000
<-10.107918,219.398392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.107918,219.398392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.544877,218.150635,-0.000000>,1.500000
<-9.520026,217.929092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.520026,217.929092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.520026,217.929092,-0.000000>,1.500000
<-10.495175,217.707535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.495175,217.707535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.544877,218.150635,-0.000000>,1.500000
<-9.519638,218.373886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.519638,218.373886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.519638,218.373886,-0.000000>,1.500000
<-10.494399,218.597137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.494399,218.597137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.494399,218.597137,-0.000000>,1.500000
<-11.469161,218.820389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.469161,218.820389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.469161,218.820389,-0.000000>,1.500000
<-12.443922,219.043640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.443922,219.043640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.595355,217.704132,-0.000000>,1.500000
<-7.376875,218.328018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.376875,218.328018,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.376875,218.328018,-0.000000>,1.500000
<-8.158396,218.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.158396,218.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.158396,218.951889,-0.000000>,1.500000
<-8.939917,219.575775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.939917,219.575775,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.939917,219.575775,-0.000000>,1.500000
<-9.721437,220.199646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.721437,220.199646,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.721437,220.199646,-0.000000>,1.500000
<-10.502957,220.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.502957,220.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.502957,220.823532,-0.000000>,1.500000
<-11.284477,221.447418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.284477,221.447418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.284477,221.447418,-0.000000>,1.500000
<-11.718137,222.348495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.718137,222.348495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.718137,222.348495,-0.000000>,1.500000
<-12.151795,223.249573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.151795,223.249573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.284477,221.447418,-0.000000>,1.500000
<-12.259239,221.670670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.259239,221.670670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.259239,221.670670,-0.000000>,1.500000
<-13.234000,221.893906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.234000,221.893906,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.284477,221.447418,-0.000000>,1.500000
<-12.065998,222.071289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.065998,222.071289,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.065998,222.071289,-0.000000>,1.500000
<-12.847519,222.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.847519,222.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.847519,222.695175,-0.000000>,1.500000
<-13.629039,223.319046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.629039,223.319046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.629039,223.319046,-0.000000>,1.500000
<-14.410560,223.942932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.410560,223.942932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,215.208618,-0.000000>,1.500000
<-3.902932,216.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,216.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,216.109695,-0.000000>,1.500000
<-4.336591,217.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,217.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,217.010773,-0.000000>,1.500000
<-4.770250,217.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,217.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,217.911850,-0.000000>,1.500000
<-5.203909,218.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,218.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,218.812927,-0.000000>,1.500000
<-5.637568,219.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,219.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,219.714005,-0.000000>,1.500000
<-6.071228,220.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,220.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,220.615082,-0.000000>,1.500000
<-6.504887,221.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,221.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,221.516159,-0.000000>,1.500000
<-6.938546,222.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,222.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,222.417236,-0.000000>,1.500000
<-7.372205,223.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,223.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,223.318314,-0.000000>,1.500000
<-7.805864,224.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,224.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,224.219391,-0.000000>,1.500000
<-8.239523,225.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,225.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,225.120468,-0.000000>,1.500000
<-8.673182,226.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,226.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,226.021545,-0.000000>,1.500000
<-8.673182,227.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,227.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,227.021545,-0.000000>,1.500000
<-8.673182,228.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,228.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,228.021545,-0.000000>,1.500000
<-8.239523,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,228.922623,-0.000000>,1.500000
<-7.805864,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,228.021545,-0.000000>,1.500000
<-9.106841,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,228.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,228.922623,-0.000000>,1.500000
<-9.540500,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,229.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,228.021545,-0.000000>,1.500000
<-8.673182,229.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,229.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,229.021545,-0.000000>,1.500000
<-8.673182,230.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,230.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,230.021545,-0.000000>,1.500000
<-8.673182,231.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,231.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,231.021545,-0.000000>,1.500000
<-8.673182,232.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,232.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,226.021545,-0.000000>,1.500000
<-9.454702,226.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.454702,226.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.454702,226.645416,-0.000000>,1.500000
<-10.236223,227.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.236223,227.269302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.236223,227.269302,-0.000000>,1.500000
<-10.669882,228.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.669882,228.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.669882,228.170380,-0.000000>,1.500000
<-11.103541,229.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.103541,229.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.236223,227.269302,-0.000000>,1.500000
<-11.210984,227.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.210984,227.492554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.210984,227.492554,-0.000000>,1.500000
<-12.185745,227.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.185745,227.715805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.236223,227.269302,-0.000000>,1.500000
<-11.017743,227.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.017743,227.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,227.893173,-0.000000>,1.500000
<-11.799264,228.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799264,228.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.799264,228.517059,-0.000000>,1.500000
<-12.580785,229.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.580785,229.140945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.580785,229.140945,-0.000000>,1.500000
<-13.362305,229.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.362305,229.764816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,226.021545,-0.000000>,1.500000
<-9.106841,226.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,226.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,226.922623,-0.000000>,1.500000
<-9.540500,227.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,227.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,227.823700,-0.000000>,1.500000
<-9.974159,228.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,228.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,228.724777,-0.000000>,1.500000
<-10.407819,229.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,229.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,229.625854,-0.000000>,1.500000
<-10.841477,230.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,230.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,230.526932,-0.000000>,1.500000
<-11.275137,231.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,231.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,231.428009,-0.000000>,1.500000
<-11.275137,232.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,232.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,232.428009,-0.000000>,1.500000
<-11.275137,233.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,233.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,231.428009,-0.000000>,1.500000
<-12.056657,232.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056657,232.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.056657,232.051880,-0.000000>,1.500000
<-12.838178,232.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.838178,232.675766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,231.428009,-0.000000>,1.500000
<-11.708796,232.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,232.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,232.329086,-0.000000>,1.500000
<-12.142455,233.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,233.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,233.230164,-0.000000>,1.500000
<-12.576114,234.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,234.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,234.131241,-0.000000>,1.500000
<-13.009773,235.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,235.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,208.000000,-0.000000>,1.500000
<0.000000,209.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,209.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,209.000000,-0.000000>,1.500000
<0.000000,210.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,210.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,210.000000,-0.000000>,1.500000
<0.000000,211.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,211.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,211.000000,-0.000000>,1.500000
<0.000000,212.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,212.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,212.000000,-0.000000>,1.500000
<0.000000,213.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,213.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,213.000000,-0.000000>,1.500000
<0.000000,214.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,214.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,214.000000,-0.000000>,1.500000
<0.000000,215.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,215.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,215.000000,-0.000000>,1.500000
<0.000000,216.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,216.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,216.000000,-0.000000>,1.500000
<0.000000,217.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,217.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,217.000000,-0.000000>,1.500000
<0.000000,218.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,218.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,218.000000,-0.000000>,1.500000
<0.000000,219.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,219.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,219.000000,-0.000000>,1.500000
<0.000000,220.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,220.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,220.000000,-0.000000>,1.500000
<0.000000,221.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,221.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,221.000000,-0.000000>,1.500000
<0.000000,222.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,222.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,222.000000,-0.000000>,1.500000
<0.000000,223.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,223.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,223.000000,-0.000000>,1.500000
<0.000000,224.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,224.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,224.000000,-0.000000>,1.500000
<0.000000,225.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,225.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,225.000000,-0.000000>,1.500000
<0.000000,226.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,226.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,226.000000,-0.000000>,1.500000
<0.000000,227.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,227.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,227.000000,-0.000000>,1.500000
<0.000000,228.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,228.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,228.000000,-0.000000>,1.500000
<0.000000,229.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,229.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,229.000000,-0.000000>,1.500000
<0.000000,230.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,230.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,230.000000,-0.000000>,1.500000
<0.000000,231.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,231.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,231.000000,-0.000000>,1.500000
<0.000000,232.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,232.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,232.000000,-0.000000>,1.500000
<0.433659,232.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,232.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,232.901077,-0.000000>,1.500000
<0.867318,233.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,233.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,233.802155,-0.000000>,1.500000
<1.300977,234.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,234.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,234.703232,-0.000000>,1.500000
<1.734636,235.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,235.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,235.604309,-0.000000>,1.500000
<2.516157,236.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,236.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.516157,236.228195,-0.000000>,1.500000
<3.297677,236.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,236.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.297677,236.852066,-0.000000>,1.500000
<4.272439,237.075317,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.272439,237.075317,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.272439,237.075317,-0.000000>,1.500000
<5.247200,237.298569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.247200,237.298569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.297677,236.852066,-0.000000>,1.500000
<3.731336,237.753143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.731336,237.753143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.731336,237.753143,-0.000000>,1.500000
<4.164996,238.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.164996,238.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.297677,236.852066,-0.000000>,1.500000
<4.079198,237.475952,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.079198,237.475952,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.079198,237.475952,-0.000000>,1.500000
<4.860718,238.099823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.860718,238.099823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.860718,238.099823,-0.000000>,1.500000
<5.642239,238.723709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.642239,238.723709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.642239,238.723709,-0.000000>,1.500000
<6.423759,239.347580,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.423759,239.347580,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,235.604309,-0.000000>,1.500000
<1.734636,236.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,236.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,236.604309,-0.000000>,1.500000
<1.734636,237.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,237.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,237.604309,-0.000000>,1.500000
<2.168295,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,238.505386,-0.000000>,1.500000
<2.601955,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,237.604309,-0.000000>,1.500000
<1.300977,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,238.505386,-0.000000>,1.500000
<0.867318,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,237.604309,-0.000000>,1.500000
<1.734636,238.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,238.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,238.604309,-0.000000>,1.500000
<1.734636,239.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,239.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,239.604309,-0.000000>,1.500000
<1.734636,240.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,240.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,240.604309,-0.000000>,1.500000
<1.734636,241.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,241.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,235.604309,-0.000000>,1.500000
<2.168295,236.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,236.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,236.505386,-0.000000>,1.500000
<2.601955,237.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,237.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,237.406464,-0.000000>,1.500000
<3.035614,238.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,238.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,238.307541,-0.000000>,1.500000
<3.469273,239.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,239.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,239.208618,-0.000000>,1.500000
<3.902932,240.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,240.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,240.109695,-0.000000>,1.500000
<4.336591,241.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,241.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,241.010773,-0.000000>,1.500000
<5.118112,241.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.118112,241.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.118112,241.634644,-0.000000>,1.500000
<5.899632,242.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.899632,242.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,241.010773,-0.000000>,1.500000
<4.336591,242.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,242.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,242.010773,-0.000000>,1.500000
<4.336591,243.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,243.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,241.010773,-0.000000>,1.500000
<4.770250,241.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,241.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,241.911850,-0.000000>,1.500000
<5.203909,242.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,242.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,242.812927,-0.000000>,1.500000
<5.637568,243.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,243.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,243.714005,-0.000000>,1.500000
<6.071228,244.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,244.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,232.000000,-0.000000>,1.500000
<-0.433659,232.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,232.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,232.901077,-0.000000>,1.500000
<-0.867318,233.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,233.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,233.802155,-0.000000>,1.500000
<-1.300977,234.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,234.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,234.703232,-0.000000>,1.500000
<-1.734636,235.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,235.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,235.604309,-0.000000>,1.500000
<-1.734636,236.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,236.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,236.604309,-0.000000>,1.500000
<-1.734636,237.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,237.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,237.604309,-0.000000>,1.500000
<-1.300977,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,238.505386,-0.000000>,1.500000
<-0.867318,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,237.604309,-0.000000>,1.500000
<-2.168295,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,238.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,238.505386,-0.000000>,1.500000
<-2.601955,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,239.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,237.604309,-0.000000>,1.500000
<-1.734636,238.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,238.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,238.604309,-0.000000>,1.500000
<-1.734636,239.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,239.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,239.604309,-0.000000>,1.500000
<-1.734636,240.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,240.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,240.604309,-0.000000>,1.500000
<-1.734636,241.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,241.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,235.604309,-0.000000>,1.500000
<-2.516157,236.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.516157,236.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.516157,236.228195,-0.000000>,1.500000
<-3.297677,236.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.297677,236.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.297677,236.852066,-0.000000>,1.500000
<-3.731336,237.753143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.731336,237.753143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.731336,237.753143,-0.000000>,1.500000
<-4.164996,238.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,238.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.297677,236.852066,-0.000000>,1.500000
<-4.272439,237.075317,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.272439,237.075317,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.272439,237.075317,-0.000000>,1.500000
<-5.247200,237.298569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.247200,237.298569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.297677,236.852066,-0.000000>,1.500000
<-4.079198,237.475952,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.079198,237.475952,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.079198,237.475952,-0.000000>,1.500000
<-4.860718,238.099823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.860718,238.099823,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.860718,238.099823,-0.000000>,1.500000
<-5.642239,238.723709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.642239,238.723709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.642239,238.723709,-0.000000>,1.500000
<-6.423759,239.347580,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.423759,239.347580,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,235.604309,-0.000000>,1.500000
<-2.168295,236.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,236.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,236.505386,-0.000000>,1.500000
<-2.601955,237.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,237.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,237.406464,-0.000000>,1.500000
<-3.035614,238.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,238.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,238.307541,-0.000000>,1.500000
<-3.469273,239.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,239.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,239.208618,-0.000000>,1.500000
<-3.902932,240.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,240.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,240.109695,-0.000000>,1.500000
<-4.336591,241.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,241.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,241.010773,-0.000000>,1.500000
<-4.336591,242.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,242.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,242.010773,-0.000000>,1.500000
<-4.336591,243.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,243.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,241.010773,-0.000000>,1.500000
<-5.118112,241.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.118112,241.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.118112,241.634644,-0.000000>,1.500000
<-5.899632,242.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.899632,242.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,241.010773,-0.000000>,1.500000
<-4.770250,241.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,241.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,241.911850,-0.000000>,1.500000
<-5.203909,242.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,242.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,242.812927,-0.000000>,1.500000
<-5.637568,243.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,243.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,243.714005,-0.000000>,1.500000
<-6.071228,244.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,244.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,232.000000,-0.000000>,1.500000
<0.000000,233.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,233.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,233.000000,-0.000000>,1.500000
<0.000000,234.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,234.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,234.000000,-0.000000>,1.500000
<0.000000,235.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,235.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,235.000000,-0.000000>,1.500000
<0.000000,236.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,236.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,236.000000,-0.000000>,1.500000
<0.000000,237.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,237.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,237.000000,-0.000000>,1.500000
<0.000000,238.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,238.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,238.000000,-0.000000>,1.500000
<0.000000,239.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,239.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,239.000000,-0.000000>,1.500000
<0.000000,240.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,240.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,240.000000,-0.000000>,1.500000
<0.000000,241.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,241.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,241.000000,-0.000000>,1.500000
<0.000000,242.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,242.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,242.000000,-0.000000>,1.500000
<0.000000,243.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,243.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,243.000000,-0.000000>,1.500000
<0.000000,244.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,244.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,244.000000,-0.000000>,1.500000
<0.433659,244.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,244.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,244.901077,-0.000000>,1.500000
<0.867318,245.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,245.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,245.802155,-0.000000>,1.500000
<1.648839,246.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.648839,246.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.648839,246.426041,-0.000000>,1.500000
<2.430359,247.049911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.430359,247.049911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,245.802155,-0.000000>,1.500000
<0.867318,246.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,246.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,246.802155,-0.000000>,1.500000
<0.867318,247.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,247.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,245.802155,-0.000000>,1.500000
<1.300977,246.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,246.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,246.703232,-0.000000>,1.500000
<1.734636,247.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,247.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,247.604309,-0.000000>,1.500000
<2.168295,248.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,248.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,248.505386,-0.000000>,1.500000
<2.601955,249.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,249.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,244.000000,-0.000000>,1.500000
<-0.433659,244.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,244.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,244.901077,-0.000000>,1.500000
<-0.867318,245.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,245.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,245.802155,-0.000000>,1.500000
<-0.867318,246.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,246.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,246.802155,-0.000000>,1.500000
<-0.867318,247.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,247.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,245.802155,-0.000000>,1.500000
<-1.648839,246.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,246.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.648839,246.426041,-0.000000>,1.500000
<-2.430359,247.049911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.430359,247.049911,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,245.802155,-0.000000>,1.500000
<-1.300977,246.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,246.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,246.703232,-0.000000>,1.500000
<-1.734636,247.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,247.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,247.604309,-0.000000>,1.500000
<-2.168295,248.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,248.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,248.505386,-0.000000>,1.500000
<-2.601955,249.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,249.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,244.000000,-0.000000>,1.500000
<0.000000,245.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,245.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,245.000000,-0.000000>,1.500000
<0.000000,246.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,246.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,246.000000,-0.000000>,1.500000
<0.000000,247.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,247.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,247.000000,-0.000000>,1.500000
<0.000000,248.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,248.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,248.000000,-0.000000>,1.500000
<0.000000,249.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,249.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,249.000000,-0.000000>,1.500000
<0.000000,250.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,250.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,250.000000,-0.000000>,1.500000
<0.433659,250.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,250.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,250.901077,-0.000000>,1.500000
<0.867318,251.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,251.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,250.000000,-0.000000>,1.500000
<-0.433659,250.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,250.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,250.901077,-0.000000>,1.500000
<-0.867318,251.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,251.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,250.000000,-0.000000>,1.500000
<0.000000,251.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,251.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,251.000000,-0.000000>,1.500000
<0.000000,252.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,252.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,252.000000,-0.000000>,1.500000
<0.000000,253.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,253.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,253.000000,-0.000000>,1.500000
<0.000000,254.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,254.000000,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 151.800003, 303.600006>
look_at   <0, 151.800003,  0>
}
