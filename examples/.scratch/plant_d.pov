#include "colors.inc"
light_source { <595.041992, 595.041992, 595.041992> color White}

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
<0.342020,64.939690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,64.939690,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,64.939690,-0.000000>,1.500000
<0.684040,65.879387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,65.879387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,65.879387,-0.000000>,1.500000
<1.026060,66.819077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,66.819077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,66.819077,-0.000000>,1.500000
<1.368081,67.758774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,67.758774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,67.758774,-0.000000>,1.500000
<1.710101,68.698463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,68.698463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,68.698463,-0.000000>,1.500000
<2.052121,69.638153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,69.638153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,69.638153,-0.000000>,1.500000
<2.394141,70.577850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,70.577850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,70.577850,-0.000000>,1.500000
<2.736161,71.517540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,71.517540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,71.517540,-0.000000>,1.500000
<3.078181,72.457237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,72.457237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,72.457237,-0.000000>,1.500000
<3.420202,73.396927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,73.396927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,73.396927,-0.000000>,1.500000
<3.762222,74.336617,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,74.336617,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,74.336617,-0.000000>,1.500000
<4.104242,75.276314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,75.276314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,75.276314,-0.000000>,1.500000
<4.446262,76.216003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,76.216003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,76.216003,-0.000000>,1.500000
<4.788282,77.155693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,77.155693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,77.155693,-0.000000>,1.500000
<5.130302,78.095390,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,78.095390,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,78.095390,-0.000000>,1.500000
<5.472322,79.035080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,79.035080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,79.035080,-0.000000>,1.500000
<5.814342,79.974777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,79.974777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,79.974777,-0.000000>,1.500000
<6.156363,80.914467,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,80.914467,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,80.914467,-0.000000>,1.500000
<6.498383,81.854156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,81.854156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,81.854156,-0.000000>,1.500000
<6.840403,82.793854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,82.793854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,82.793854,-0.000000>,1.500000
<7.182423,83.733543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,83.733543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,83.733543,-0.000000>,1.500000
<7.524443,84.673241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,84.673241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,84.673241,-0.000000>,1.500000
<7.866463,85.612930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,85.612930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.866463,85.612930,-0.000000>,1.500000
<8.208484,86.552620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,86.552620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,86.552620,-0.000000>,1.500000
<8.550504,87.492317,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,87.492317,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,87.492317,-0.000000>,1.500000
<8.892524,88.432007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,88.432007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,88.432007,-0.000000>,1.500000
<9.234544,89.371704,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234544,89.371704,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.234544,89.371704,-0.000000>,1.500000
<9.576564,90.311394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.576564,90.311394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,90.311394,-0.000000>,1.500000
<9.918584,91.251083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.918584,91.251083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.918584,91.251083,-0.000000>,1.500000
<10.260604,92.190781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.260604,92.190781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.260604,92.190781,-0.000000>,1.500000
<10.602625,93.130470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.602625,93.130470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.602625,93.130470,-0.000000>,1.500000
<10.944645,94.070168,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.944645,94.070168,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.944645,94.070168,-0.000000>,1.500000
<11.587432,94.836205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.587432,94.836205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.587432,94.836205,-0.000000>,1.500000
<12.230220,95.602249,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.230220,95.602249,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.230220,95.602249,-0.000000>,1.500000
<12.873008,96.368294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.873008,96.368294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.873008,96.368294,-0.000000>,1.500000
<13.515795,97.134338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.515795,97.134338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.515795,97.134338,-0.000000>,1.500000
<14.158583,97.900383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.158583,97.900383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.158583,97.900383,-0.000000>,1.500000
<14.801371,98.666428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.801371,98.666428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.801371,98.666428,-0.000000>,1.500000
<15.444158,99.432472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.444158,99.432472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.444158,99.432472,-0.000000>,1.500000
<16.086945,100.198517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.086945,100.198517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.086945,100.198517,-0.000000>,1.500000
<16.729733,100.964561,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.729733,100.964561,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.729733,100.964561,-0.000000>,1.500000
<17.372520,101.730606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.372520,101.730606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.372520,101.730606,-0.000000>,1.500000
<18.015308,102.496651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.015308,102.496651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.015308,102.496651,-0.000000>,1.500000
<18.658096,103.262695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.658096,103.262695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.658096,103.262695,-0.000000>,1.500000
<19.300884,104.028740,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.300884,104.028740,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.300884,104.028740,-0.000000>,1.500000
<19.943670,104.794785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.943670,104.794785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.943670,104.794785,-0.000000>,1.500000
<20.586458,105.560829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.586458,105.560829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.586458,105.560829,-0.000000>,1.500000
<21.229246,106.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.229246,106.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.229246,106.326874,-0.000000>,1.500000
<22.095272,106.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.095272,106.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.095272,106.826874,-0.000000>,1.500000
<22.961298,107.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.961298,107.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.961298,107.326874,-0.000000>,1.500000
<23.827322,107.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.827322,107.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.827322,107.826874,-0.000000>,1.500000
<24.693348,108.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.693348,108.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.693348,108.326874,-0.000000>,1.500000
<25.559374,108.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.559374,108.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.559374,108.826874,-0.000000>,1.500000
<26.425398,109.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.425398,109.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.425398,109.326874,-0.000000>,1.500000
<27.291424,109.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.291424,109.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.291424,109.826874,-0.000000>,1.500000
<28.157450,110.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.157450,110.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.157450,110.326874,-0.000000>,1.500000
<29.142258,110.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.142258,110.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.142258,110.500526,-0.000000>,1.500000
<30.127066,110.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.127066,110.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.127066,110.674171,-0.000000>,1.500000
<31.111874,110.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.111874,110.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.111874,110.847816,-0.000000>,1.500000
<32.096680,111.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.096680,111.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.096680,111.021469,-0.000000>,1.500000
<33.081490,110.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.081490,110.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.081490,110.847816,-0.000000>,1.500000
<34.066296,110.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.066296,110.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.066296,110.674171,-0.000000>,1.500000
<34.932320,110.174171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.932320,110.174171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.932320,110.174171,-0.000000>,1.500000
<35.798347,109.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.798347,109.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.066296,110.674171,-0.000000>,1.500000
<35.051105,110.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.051105,110.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.051105,110.500526,-0.000000>,1.500000
<36.035912,110.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.035912,110.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,110.326874,-0.000000>,1.500000
<37.020718,110.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.020718,110.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.020718,110.500526,-0.000000>,1.500000
<38.005527,110.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.005527,110.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,110.326874,-0.000000>,1.500000
<36.901936,109.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.901936,109.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.901936,109.826874,-0.000000>,1.500000
<37.767963,109.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.767963,109.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.096680,111.021469,-0.000000>,1.500000
<33.081490,111.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.081490,111.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.081490,111.195114,-0.000000>,1.500000
<34.066296,111.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.066296,111.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.066296,111.368767,-0.000000>,1.500000
<35.051105,111.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.051105,111.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.051105,111.542412,-0.000000>,1.500000
<36.035912,111.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.035912,111.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,111.716057,-0.000000>,1.500000
<36.901936,112.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.901936,112.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.901936,112.216057,-0.000000>,1.500000
<37.767963,112.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.767963,112.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.767963,112.716057,-0.000000>,1.500000
<38.752769,112.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.752769,112.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.752769,112.889709,-0.000000>,1.500000
<39.737579,113.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.737579,113.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.767963,112.716057,-0.000000>,1.500000
<38.633987,113.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.633987,113.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.633987,113.216057,-0.000000>,1.500000
<39.500011,113.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.500011,113.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.500011,113.716057,-0.000000>,1.500000
<40.142799,114.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.142799,114.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.142799,114.482101,-0.000000>,1.500000
<40.785587,115.248146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.785587,115.248146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.500011,113.716057,-0.000000>,1.500000
<40.484821,113.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.484821,113.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.484821,113.889709,-0.000000>,1.500000
<41.469627,114.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.469627,114.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,111.716057,-0.000000>,1.500000
<37.020718,111.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.020718,111.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.020718,111.542412,-0.000000>,1.500000
<38.005527,111.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.005527,111.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.005527,111.368767,-0.000000>,1.500000
<38.871552,110.868767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.871552,110.868767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.871552,110.868767,-0.000000>,1.500000
<39.737579,110.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.737579,110.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.005527,111.368767,-0.000000>,1.500000
<38.990334,111.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.990334,111.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.990334,111.195114,-0.000000>,1.500000
<39.975143,111.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.975143,111.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.975143,111.021469,-0.000000>,1.500000
<40.959949,111.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.959949,111.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.959949,111.195114,-0.000000>,1.500000
<41.944759,111.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.944759,111.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.975143,111.021469,-0.000000>,1.500000
<40.841167,110.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.841167,110.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.841167,110.521469,-0.000000>,1.500000
<41.707195,110.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.707195,110.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.157450,110.326874,-0.000000>,1.500000
<29.023476,110.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.023476,110.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.023476,110.826874,-0.000000>,1.500000
<29.889500,111.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.889500,111.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.889500,111.326874,-0.000000>,1.500000
<30.755526,111.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.755526,111.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.755526,111.826874,-0.000000>,1.500000
<31.621552,112.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.621552,112.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.621552,112.326874,-0.000000>,1.500000
<32.487576,112.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.487576,112.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.487576,112.826874,-0.000000>,1.500000
<33.353603,113.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.353603,113.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.353603,113.326874,-0.000000>,1.500000
<34.219627,113.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.219627,113.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.219627,113.826874,-0.000000>,1.500000
<35.085651,114.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.085651,114.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.085651,114.326874,-0.000000>,1.500000
<35.728439,115.092918,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.728439,115.092918,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.728439,115.092918,-0.000000>,1.500000
<36.371227,115.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.371227,115.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.371227,115.858963,-0.000000>,1.500000
<37.014015,116.625008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.014015,116.625008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.014015,116.625008,-0.000000>,1.500000
<37.656803,117.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.656803,117.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656803,117.391052,-0.000000>,1.500000
<38.522827,117.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.522827,117.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.522827,117.891052,-0.000000>,1.500000
<39.388855,118.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.388855,118.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.388855,118.391052,-0.000000>,1.500000
<40.373661,118.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.373661,118.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.373661,118.564697,-0.000000>,1.500000
<41.358471,118.738350,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.358471,118.738350,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.388855,118.391052,-0.000000>,1.500000
<40.254879,118.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.254879,118.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.254879,118.891052,-0.000000>,1.500000
<41.120903,119.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.120903,119.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.120903,119.391052,-0.000000>,1.500000
<41.763691,120.157097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.763691,120.157097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.763691,120.157097,-0.000000>,1.500000
<42.406479,120.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.406479,120.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.120903,119.391052,-0.000000>,1.500000
<42.105713,119.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.105713,119.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.105713,119.564697,-0.000000>,1.500000
<43.090519,119.738350,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.090519,119.738350,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656803,117.391052,-0.000000>,1.500000
<38.299591,118.157097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.299591,118.157097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.299591,118.157097,-0.000000>,1.500000
<38.942379,118.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.942379,118.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.942379,118.923141,-0.000000>,1.500000
<39.585167,119.689186,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.585167,119.689186,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.585167,119.689186,-0.000000>,1.500000
<40.227955,120.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.227955,120.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.227955,120.455231,-0.000000>,1.500000
<40.569973,121.394920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.569973,121.394920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.569973,121.394920,-0.000000>,1.500000
<40.911995,122.334618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.911995,122.334618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.911995,122.334618,-0.000000>,1.500000
<41.554783,123.100662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.554783,123.100662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.554783,123.100662,-0.000000>,1.500000
<42.197571,123.866707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.197571,123.866707,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.911995,122.334618,-0.000000>,1.500000
<41.254013,123.274307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.254013,123.274307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.254013,123.274307,-0.000000>,1.500000
<41.596035,124.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.596035,124.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.596035,124.214005,-0.000000>,1.500000
<41.596035,125.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.596035,125.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.596035,125.214005,-0.000000>,1.500000
<41.596035,126.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.596035,126.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.596035,124.214005,-0.000000>,1.500000
<42.238823,124.980049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.238823,124.980049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.238823,124.980049,-0.000000>,1.500000
<42.881611,125.746086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.881611,125.746086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.227955,120.455231,-0.000000>,1.500000
<41.093979,120.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.093979,120.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.093979,120.955231,-0.000000>,1.500000
<41.960003,121.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.960003,121.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.960003,121.455231,-0.000000>,1.500000
<42.944813,121.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.944813,121.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.944813,121.628876,-0.000000>,1.500000
<43.929619,121.802528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.929619,121.802528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.960003,121.455231,-0.000000>,1.500000
<42.826031,121.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.826031,121.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.826031,121.955231,-0.000000>,1.500000
<43.692055,122.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.692055,122.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.692055,122.455231,-0.000000>,1.500000
<44.334843,123.221275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.334843,123.221275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.334843,123.221275,-0.000000>,1.500000
<44.977631,123.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.977631,123.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.692055,122.455231,-0.000000>,1.500000
<44.676865,122.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.676865,122.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.676865,122.628876,-0.000000>,1.500000
<45.661671,122.802528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.661671,122.802528,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.085651,114.326874,-0.000000>,1.500000
<36.070461,114.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.070461,114.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.070461,114.500526,-0.000000>,1.500000
<37.055267,114.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.055267,114.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.055267,114.674171,-0.000000>,1.500000
<38.040077,114.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.040077,114.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.040077,114.847816,-0.000000>,1.500000
<39.024883,115.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.024883,115.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.024883,115.021469,-0.000000>,1.500000
<40.009693,114.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.009693,114.847816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.009693,114.847816,-0.000000>,1.500000
<40.994499,114.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.994499,114.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.994499,114.674171,-0.000000>,1.500000
<41.860523,114.174171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.860523,114.174171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.860523,114.174171,-0.000000>,1.500000
<42.726551,113.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.726551,113.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.994499,114.674171,-0.000000>,1.500000
<41.979305,114.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.979305,114.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.979305,114.500526,-0.000000>,1.500000
<42.964115,114.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.964115,114.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,114.326874,-0.000000>,1.500000
<43.948921,114.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.948921,114.500526,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.948921,114.500526,-0.000000>,1.500000
<44.933731,114.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.933731,114.674171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,114.326874,-0.000000>,1.500000
<43.830139,113.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.830139,113.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.830139,113.826874,-0.000000>,1.500000
<44.696167,113.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.696167,113.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.024883,115.021469,-0.000000>,1.500000
<40.009693,115.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.009693,115.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.009693,115.195114,-0.000000>,1.500000
<40.994499,115.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.994499,115.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.994499,115.368767,-0.000000>,1.500000
<41.979305,115.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.979305,115.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.979305,115.542412,-0.000000>,1.500000
<42.964115,115.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.964115,115.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,115.716057,-0.000000>,1.500000
<43.830139,116.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.830139,116.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.830139,116.216057,-0.000000>,1.500000
<44.696167,116.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.696167,116.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.696167,116.716057,-0.000000>,1.500000
<45.680973,116.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.680973,116.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.680973,116.889709,-0.000000>,1.500000
<46.665783,117.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.665783,117.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.696167,116.716057,-0.000000>,1.500000
<45.562191,117.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.562191,117.216057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.562191,117.216057,-0.000000>,1.500000
<46.428215,117.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.428215,117.716057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.428215,117.716057,-0.000000>,1.500000
<47.071003,118.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.071003,118.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.071003,118.482101,-0.000000>,1.500000
<47.713791,119.248146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.713791,119.248146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.428215,117.716057,-0.000000>,1.500000
<47.413025,117.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.413025,117.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.413025,117.889709,-0.000000>,1.500000
<48.397831,118.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.397831,118.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,115.716057,-0.000000>,1.500000
<43.948921,115.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.948921,115.542412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.948921,115.542412,-0.000000>,1.500000
<44.933731,115.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.933731,115.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.933731,115.368767,-0.000000>,1.500000
<45.799755,114.868767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.799755,114.868767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.799755,114.868767,-0.000000>,1.500000
<46.665783,114.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.665783,114.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.933731,115.368767,-0.000000>,1.500000
<45.918537,115.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.918537,115.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.918537,115.195114,-0.000000>,1.500000
<46.903347,115.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.903347,115.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.903347,115.021469,-0.000000>,1.500000
<47.888153,115.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.888153,115.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.888153,115.195114,-0.000000>,1.500000
<48.872963,115.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.872963,115.368767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.903347,115.021469,-0.000000>,1.500000
<47.769371,114.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.769371,114.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.769371,114.521469,-0.000000>,1.500000
<48.635395,114.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.635395,114.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.229246,106.326874,-0.000000>,1.500000
<21.872034,107.092918,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.872034,107.092918,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.872034,107.092918,-0.000000>,1.500000
<22.514822,107.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.514822,107.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.514822,107.858963,-0.000000>,1.500000
<23.157610,108.625008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.157610,108.625008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.157610,108.625008,-0.000000>,1.500000
<23.800396,109.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.800396,109.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.800396,109.391052,-0.000000>,1.500000
<24.443184,110.157097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.443184,110.157097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.443184,110.157097,-0.000000>,1.500000
<25.085972,110.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.085972,110.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.085972,110.923141,-0.000000>,1.500000
<25.728760,111.689186,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.728760,111.689186,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.728760,111.689186,-0.000000>,1.500000
<26.371548,112.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.371548,112.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.371548,112.455231,-0.000000>,1.500000
<27.014336,113.221275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.014336,113.221275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.014336,113.221275,-0.000000>,1.500000
<27.657122,113.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.657122,113.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.657122,113.987320,-0.000000>,1.500000
<28.299910,114.753365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.299910,114.753365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.299910,114.753365,-0.000000>,1.500000
<28.942698,115.519409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.942698,115.519409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.942698,115.519409,-0.000000>,1.500000
<29.585485,116.285454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.585485,116.285454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.585485,116.285454,-0.000000>,1.500000
<30.228273,117.051498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.228273,117.051498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.228273,117.051498,-0.000000>,1.500000
<30.871061,117.817543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.871061,117.817543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.871061,117.817543,-0.000000>,1.500000
<31.513847,118.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.513847,118.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.513847,118.583588,-0.000000>,1.500000
<31.855867,119.523277,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.855867,119.523277,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.855867,119.523277,-0.000000>,1.500000
<32.197887,120.462975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.197887,120.462975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.197887,120.462975,-0.000000>,1.500000
<32.539909,121.402664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.539909,121.402664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.539909,121.402664,-0.000000>,1.500000
<32.881927,122.342354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.881927,122.342354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.881927,122.342354,-0.000000>,1.500000
<33.223949,123.282051,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.223949,123.282051,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.223949,123.282051,-0.000000>,1.500000
<33.565968,124.221741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.565968,124.221741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.565968,124.221741,-0.000000>,1.500000
<33.907990,125.161438,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.907990,125.161438,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.907990,125.161438,-0.000000>,1.500000
<34.250008,126.101128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.250008,126.101128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.250008,126.101128,-0.000000>,1.500000
<34.892796,126.867172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.892796,126.867172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.892796,126.867172,-0.000000>,1.500000
<35.535583,127.633217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.535583,127.633217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.535583,127.633217,-0.000000>,1.500000
<36.178371,128.399261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.178371,128.399261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.178371,128.399261,-0.000000>,1.500000
<36.821159,129.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.821159,129.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.821159,129.165298,-0.000000>,1.500000
<37.687183,129.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.687183,129.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.687183,129.665298,-0.000000>,1.500000
<38.553211,130.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.553211,130.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.553211,130.165298,-0.000000>,1.500000
<39.538017,130.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.538017,130.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.538017,130.338959,-0.000000>,1.500000
<40.522827,130.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.522827,130.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.553211,130.165298,-0.000000>,1.500000
<39.419235,130.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.419235,130.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.419235,130.665298,-0.000000>,1.500000
<40.285263,131.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.285263,131.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.285263,131.165298,-0.000000>,1.500000
<40.928047,131.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.928047,131.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.928047,131.931351,-0.000000>,1.500000
<41.570835,132.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.570835,132.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.285263,131.165298,-0.000000>,1.500000
<41.270069,131.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.270069,131.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.270069,131.338959,-0.000000>,1.500000
<42.254875,131.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.254875,131.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.821159,129.165298,-0.000000>,1.500000
<37.463947,129.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.463947,129.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.463947,129.931351,-0.000000>,1.500000
<38.106735,130.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.106735,130.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.106735,130.697388,-0.000000>,1.500000
<38.749523,131.463440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.749523,131.463440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.749523,131.463440,-0.000000>,1.500000
<39.392311,132.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.392311,132.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.392311,132.229477,-0.000000>,1.500000
<39.734329,133.169174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.734329,133.169174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.734329,133.169174,-0.000000>,1.500000
<40.076351,134.108871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.076351,134.108871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.076351,134.108871,-0.000000>,1.500000
<40.719139,134.874908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.719139,134.874908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.719139,134.874908,-0.000000>,1.500000
<41.361927,135.640961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.361927,135.640961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.076351,134.108871,-0.000000>,1.500000
<40.418369,135.048553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.418369,135.048553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.418369,135.048553,-0.000000>,1.500000
<40.760391,135.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.760391,135.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.760391,135.988251,-0.000000>,1.500000
<40.760391,136.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.760391,136.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.760391,136.988251,-0.000000>,1.500000
<40.760391,137.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.760391,137.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.760391,135.988251,-0.000000>,1.500000
<41.403179,136.754303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.403179,136.754303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.403179,136.754303,-0.000000>,1.500000
<42.045967,137.520340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.045967,137.520340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.392311,132.229477,-0.000000>,1.500000
<40.258335,132.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.258335,132.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.258335,132.729477,-0.000000>,1.500000
<41.124359,133.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.124359,133.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.124359,133.229477,-0.000000>,1.500000
<42.109169,133.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.109169,133.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.109169,133.403137,-0.000000>,1.500000
<43.093975,133.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.093975,133.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.124359,133.229477,-0.000000>,1.500000
<41.990387,133.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.990387,133.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.990387,133.729477,-0.000000>,1.500000
<42.856411,134.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.856411,134.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.856411,134.229477,-0.000000>,1.500000
<43.499199,134.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.499199,134.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.499199,134.995529,-0.000000>,1.500000
<44.141987,135.761566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.141987,135.761566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.856411,134.229477,-0.000000>,1.500000
<43.841221,134.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.841221,134.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.841221,134.403137,-0.000000>,1.500000
<44.826027,134.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.826027,134.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.250008,126.101128,-0.000000>,1.500000
<34.592030,127.040817,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.592030,127.040817,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.592030,127.040817,-0.000000>,1.500000
<34.934048,127.980515,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.934048,127.980515,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.934048,127.980515,-0.000000>,1.500000
<35.276070,128.920212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.276070,128.920212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.276070,128.920212,-0.000000>,1.500000
<35.618092,129.859894,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,129.859894,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,129.859894,-0.000000>,1.500000
<35.960110,130.799591,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.960110,130.799591,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.960110,130.799591,-0.000000>,1.500000
<36.302132,131.739288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,131.739288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,131.739288,-0.000000>,1.500000
<36.644150,132.678970,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.644150,132.678970,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.644150,132.678970,-0.000000>,1.500000
<36.986172,133.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,133.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,133.618668,-0.000000>,1.500000
<36.986172,134.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,134.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,134.618668,-0.000000>,1.500000
<36.986172,135.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,135.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,135.618668,-0.000000>,1.500000
<36.986172,136.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,136.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,136.618668,-0.000000>,1.500000
<36.986172,137.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,137.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,137.618668,-0.000000>,1.500000
<37.328190,138.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.328190,138.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.328190,138.558365,-0.000000>,1.500000
<37.670212,139.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.670212,139.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,139.498047,-0.000000>,1.500000
<38.313000,140.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.313000,140.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.313000,140.264099,-0.000000>,1.500000
<38.955788,141.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.955788,141.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,139.498047,-0.000000>,1.500000
<38.012230,140.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.012230,140.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.012230,140.437744,-0.000000>,1.500000
<38.354252,141.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,141.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,141.377441,-0.000000>,1.500000
<38.354252,142.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,142.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,142.377441,-0.000000>,1.500000
<38.354252,143.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,143.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,141.377441,-0.000000>,1.500000
<38.997040,142.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.997040,142.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.997040,142.143478,-0.000000>,1.500000
<39.639828,142.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.639828,142.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,137.618668,-0.000000>,1.500000
<36.986172,138.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,138.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,138.618668,-0.000000>,1.500000
<36.986172,139.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,139.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,139.618668,-0.000000>,1.500000
<36.986172,140.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,140.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,140.618668,-0.000000>,1.500000
<36.986172,141.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,141.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,141.618668,-0.000000>,1.500000
<36.644150,142.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.644150,142.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.644150,142.558365,-0.000000>,1.500000
<36.302132,143.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,143.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,143.498047,-0.000000>,1.500000
<36.302132,144.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,144.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,144.498047,-0.000000>,1.500000
<36.302132,145.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,145.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,143.498047,-0.000000>,1.500000
<35.960110,144.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.960110,144.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.960110,144.437744,-0.000000>,1.500000
<35.618092,145.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,145.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,145.377441,-0.000000>,1.500000
<34.975304,146.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.975304,146.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.975304,146.143478,-0.000000>,1.500000
<34.332516,146.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.332516,146.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,145.377441,-0.000000>,1.500000
<35.618092,146.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,146.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,146.377441,-0.000000>,1.500000
<35.618092,147.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,147.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,141.618668,-0.000000>,1.500000
<37.328190,142.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.328190,142.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.328190,142.558365,-0.000000>,1.500000
<37.670212,143.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.670212,143.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,143.498047,-0.000000>,1.500000
<38.313000,144.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.313000,144.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.313000,144.264099,-0.000000>,1.500000
<38.955788,145.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.955788,145.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,143.498047,-0.000000>,1.500000
<38.012230,144.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.012230,144.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.012230,144.437744,-0.000000>,1.500000
<38.354252,145.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,145.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,145.377441,-0.000000>,1.500000
<38.354252,146.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,146.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,146.377441,-0.000000>,1.500000
<38.354252,147.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,147.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,145.377441,-0.000000>,1.500000
<38.997040,146.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.997040,146.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.997040,146.143478,-0.000000>,1.500000
<39.639828,146.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.639828,146.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,133.618668,-0.000000>,1.500000
<37.628960,134.384720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.628960,134.384720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.628960,134.384720,-0.000000>,1.500000
<38.271744,135.150757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.271744,135.150757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.271744,135.150757,-0.000000>,1.500000
<38.914532,135.916794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.914532,135.916794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.914532,135.916794,-0.000000>,1.500000
<39.557320,136.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.557320,136.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.557320,136.682846,-0.000000>,1.500000
<40.423347,137.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.423347,137.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.423347,137.182846,-0.000000>,1.500000
<41.289371,137.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.289371,137.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.289371,137.682846,-0.000000>,1.500000
<42.274178,137.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.274178,137.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.274178,137.856491,-0.000000>,1.500000
<43.258987,138.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.258987,138.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.289371,137.682846,-0.000000>,1.500000
<42.155396,138.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.155396,138.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.155396,138.182846,-0.000000>,1.500000
<43.021423,138.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.021423,138.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.021423,138.682846,-0.000000>,1.500000
<43.664211,139.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.664211,139.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.664211,139.448883,-0.000000>,1.500000
<44.306999,140.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.306999,140.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.021423,138.682846,-0.000000>,1.500000
<44.006229,138.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.006229,138.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.006229,138.856491,-0.000000>,1.500000
<44.991039,139.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.991039,139.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.557320,136.682846,-0.000000>,1.500000
<40.200108,137.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.200108,137.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.200108,137.448883,-0.000000>,1.500000
<40.842896,138.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.842896,138.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.842896,138.214935,-0.000000>,1.500000
<41.485683,138.980972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.485683,138.980972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.485683,138.980972,-0.000000>,1.500000
<42.128471,139.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.128471,139.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.128471,139.747025,-0.000000>,1.500000
<42.470493,140.686722,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.470493,140.686722,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.470493,140.686722,-0.000000>,1.500000
<42.812511,141.626404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.812511,141.626404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.812511,141.626404,-0.000000>,1.500000
<43.455299,142.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.455299,142.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.455299,142.392456,-0.000000>,1.500000
<44.098087,143.158493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.098087,143.158493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.812511,141.626404,-0.000000>,1.500000
<43.154533,142.566101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.154533,142.566101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.154533,142.566101,-0.000000>,1.500000
<43.496552,143.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.496552,143.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.496552,143.505798,-0.000000>,1.500000
<43.496552,144.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.496552,144.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.496552,144.505798,-0.000000>,1.500000
<43.496552,145.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.496552,145.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.496552,143.505798,-0.000000>,1.500000
<44.139339,144.271835,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.139339,144.271835,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.139339,144.271835,-0.000000>,1.500000
<44.782127,145.037888,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.782127,145.037888,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.128471,139.747025,-0.000000>,1.500000
<42.994495,140.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.994495,140.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.994495,140.247025,-0.000000>,1.500000
<43.860523,140.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.860523,140.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.860523,140.747025,-0.000000>,1.500000
<44.845329,140.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.845329,140.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.845329,140.920670,-0.000000>,1.500000
<45.830139,141.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.830139,141.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.860523,140.747025,-0.000000>,1.500000
<44.726547,141.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.726547,141.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.726547,141.247025,-0.000000>,1.500000
<45.592571,141.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.592571,141.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.592571,141.747025,-0.000000>,1.500000
<46.235359,142.513062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.235359,142.513062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.235359,142.513062,-0.000000>,1.500000
<46.878147,143.279114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.878147,143.279114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.592571,141.747025,-0.000000>,1.500000
<46.577381,141.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.577381,141.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.577381,141.920670,-0.000000>,1.500000
<47.562187,142.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.562187,142.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.513847,118.583588,-0.000000>,1.500000
<32.379875,119.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.379875,119.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.379875,119.083588,-0.000000>,1.500000
<33.245899,119.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.245899,119.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.245899,119.583588,-0.000000>,1.500000
<34.111923,120.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.111923,120.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.111923,120.083588,-0.000000>,1.500000
<34.977951,120.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.977951,120.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.977951,120.583588,-0.000000>,1.500000
<35.843975,121.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.843975,121.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.843975,121.083588,-0.000000>,1.500000
<36.709999,121.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.709999,121.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.709999,121.583588,-0.000000>,1.500000
<37.576027,122.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.576027,122.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.576027,122.083588,-0.000000>,1.500000
<38.442051,122.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.442051,122.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.442051,122.583588,-0.000000>,1.500000
<39.426861,122.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.426861,122.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.426861,122.757233,-0.000000>,1.500000
<40.411667,122.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.411667,122.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.411667,122.930885,-0.000000>,1.500000
<41.396473,123.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.396473,123.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.396473,123.104530,-0.000000>,1.500000
<42.381283,123.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.381283,123.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.381283,123.278175,-0.000000>,1.500000
<43.366089,123.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.366089,123.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.366089,123.104530,-0.000000>,1.500000
<44.350899,122.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.350899,122.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.350899,122.930885,-0.000000>,1.500000
<45.216923,122.430885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.216923,122.430885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.216923,122.430885,-0.000000>,1.500000
<46.082947,121.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.082947,121.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.350899,122.930885,-0.000000>,1.500000
<45.335705,122.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.335705,122.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.335705,122.757233,-0.000000>,1.500000
<46.320515,122.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.320515,122.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,122.583588,-0.000000>,1.500000
<47.305321,122.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.305321,122.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.305321,122.757233,-0.000000>,1.500000
<48.290131,122.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.290131,122.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,122.583588,-0.000000>,1.500000
<47.186539,122.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.186539,122.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.186539,122.083588,-0.000000>,1.500000
<48.052563,121.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.052563,121.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.381283,123.278175,-0.000000>,1.500000
<43.366089,123.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.366089,123.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.366089,123.451828,-0.000000>,1.500000
<44.350899,123.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.350899,123.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.350899,123.625473,-0.000000>,1.500000
<45.335705,123.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.335705,123.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.335705,123.799126,-0.000000>,1.500000
<46.320515,123.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.320515,123.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,123.972771,-0.000000>,1.500000
<47.186539,124.472771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.186539,124.472771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.186539,124.472771,-0.000000>,1.500000
<48.052563,124.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.052563,124.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.052563,124.972771,-0.000000>,1.500000
<49.037373,125.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.037373,125.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.037373,125.146423,-0.000000>,1.500000
<50.022179,125.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.022179,125.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.052563,124.972771,-0.000000>,1.500000
<48.918591,125.472771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.918591,125.472771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.918591,125.472771,-0.000000>,1.500000
<49.784615,125.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.784615,125.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.784615,125.972771,-0.000000>,1.500000
<50.427402,126.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.427402,126.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.427402,126.738815,-0.000000>,1.500000
<51.070190,127.504860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.070190,127.504860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.784615,125.972771,-0.000000>,1.500000
<50.769424,126.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.769424,126.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.769424,126.146423,-0.000000>,1.500000
<51.754230,126.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.754230,126.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,123.972771,-0.000000>,1.500000
<47.305321,123.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.305321,123.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.305321,123.799126,-0.000000>,1.500000
<48.290131,123.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.290131,123.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.290131,123.625473,-0.000000>,1.500000
<49.156155,123.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.156155,123.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.156155,123.125473,-0.000000>,1.500000
<50.022179,122.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.022179,122.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.290131,123.625473,-0.000000>,1.500000
<49.274937,123.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.274937,123.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.274937,123.451828,-0.000000>,1.500000
<50.259743,123.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.259743,123.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.259743,123.278175,-0.000000>,1.500000
<51.244553,123.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.244553,123.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.244553,123.451828,-0.000000>,1.500000
<52.229359,123.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.229359,123.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.259743,123.278175,-0.000000>,1.500000
<51.125771,122.778175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.125771,122.778175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.125771,122.778175,-0.000000>,1.500000
<51.991795,122.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.991795,122.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.442051,122.583588,-0.000000>,1.500000
<39.308075,123.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.308075,123.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.308075,123.083588,-0.000000>,1.500000
<40.174103,123.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.174103,123.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.174103,123.583588,-0.000000>,1.500000
<41.040127,124.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.040127,124.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.040127,124.083588,-0.000000>,1.500000
<41.906155,124.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.906155,124.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.906155,124.583588,-0.000000>,1.500000
<42.772179,125.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.772179,125.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.772179,125.083588,-0.000000>,1.500000
<43.638203,125.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.638203,125.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.638203,125.583588,-0.000000>,1.500000
<44.504230,126.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.504230,126.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.504230,126.083588,-0.000000>,1.500000
<45.370255,126.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.370255,126.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.370255,126.583588,-0.000000>,1.500000
<46.013042,127.349632,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.013042,127.349632,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.013042,127.349632,-0.000000>,1.500000
<46.655830,128.115677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.655830,128.115677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.655830,128.115677,-0.000000>,1.500000
<47.298618,128.881714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.298618,128.881714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.298618,128.881714,-0.000000>,1.500000
<47.941406,129.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.941406,129.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.941406,129.647766,-0.000000>,1.500000
<48.807430,130.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.807430,130.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.807430,130.147766,-0.000000>,1.500000
<49.673454,130.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.673454,130.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.673454,130.647766,-0.000000>,1.500000
<50.658264,130.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.658264,130.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.658264,130.821411,-0.000000>,1.500000
<51.643070,130.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.643070,130.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.673454,130.647766,-0.000000>,1.500000
<50.539482,131.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.539482,131.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.539482,131.147766,-0.000000>,1.500000
<51.405506,131.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.405506,131.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.405506,131.647766,-0.000000>,1.500000
<52.048294,132.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.048294,132.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.048294,132.413803,-0.000000>,1.500000
<52.691082,133.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.691082,133.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.405506,131.647766,-0.000000>,1.500000
<52.390316,131.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.390316,131.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.390316,131.821411,-0.000000>,1.500000
<53.375122,131.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.375122,131.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.941406,129.647766,-0.000000>,1.500000
<48.584194,130.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.584194,130.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.584194,130.413803,-0.000000>,1.500000
<49.226982,131.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.226982,131.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.226982,131.179855,-0.000000>,1.500000
<49.869766,131.945892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.869766,131.945892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.869766,131.945892,-0.000000>,1.500000
<50.512554,132.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.512554,132.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.512554,132.711945,-0.000000>,1.500000
<50.854576,133.651627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.854576,133.651627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.854576,133.651627,-0.000000>,1.500000
<51.196594,134.591324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.196594,134.591324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.196594,134.591324,-0.000000>,1.500000
<51.839382,135.357376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.839382,135.357376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.839382,135.357376,-0.000000>,1.500000
<52.482170,136.123413,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.482170,136.123413,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.196594,134.591324,-0.000000>,1.500000
<51.538616,135.531021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.538616,135.531021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.538616,135.531021,-0.000000>,1.500000
<51.880634,136.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.880634,136.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.880634,136.470718,-0.000000>,1.500000
<51.880634,137.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.880634,137.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.880634,137.470718,-0.000000>,1.500000
<51.880634,138.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.880634,138.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.880634,136.470718,-0.000000>,1.500000
<52.523422,137.236755,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.523422,137.236755,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.523422,137.236755,-0.000000>,1.500000
<53.166210,138.002808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.166210,138.002808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.512554,132.711945,-0.000000>,1.500000
<51.378582,133.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.378582,133.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.378582,133.211945,-0.000000>,1.500000
<52.244606,133.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.244606,133.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.244606,133.711945,-0.000000>,1.500000
<53.229416,133.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.229416,133.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.229416,133.885590,-0.000000>,1.500000
<54.214222,134.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.214222,134.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.244606,133.711945,-0.000000>,1.500000
<53.110630,134.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.110630,134.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.110630,134.211945,-0.000000>,1.500000
<53.976658,134.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.976658,134.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.976658,134.711945,-0.000000>,1.500000
<54.619446,135.477982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.619446,135.477982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.619446,135.477982,-0.000000>,1.500000
<55.262234,136.244034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.262234,136.244034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.976658,134.711945,-0.000000>,1.500000
<54.961464,134.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.961464,134.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.961464,134.885590,-0.000000>,1.500000
<55.946274,135.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.946274,135.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.370255,126.583588,-0.000000>,1.500000
<46.355061,126.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.355061,126.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.355061,126.757233,-0.000000>,1.500000
<47.339870,126.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.339870,126.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.339870,126.930885,-0.000000>,1.500000
<48.324677,127.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.324677,127.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.324677,127.104530,-0.000000>,1.500000
<49.309486,127.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.309486,127.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.309486,127.278175,-0.000000>,1.500000
<50.294292,127.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.294292,127.104530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.294292,127.104530,-0.000000>,1.500000
<51.279102,126.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.279102,126.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.279102,126.930885,-0.000000>,1.500000
<52.145126,126.430885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.145126,126.430885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.145126,126.430885,-0.000000>,1.500000
<53.011150,125.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.011150,125.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.279102,126.930885,-0.000000>,1.500000
<52.263908,126.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.263908,126.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.263908,126.757233,-0.000000>,1.500000
<53.248718,126.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.248718,126.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,126.583588,-0.000000>,1.500000
<54.233524,126.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.233524,126.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.233524,126.757233,-0.000000>,1.500000
<55.218330,126.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.218330,126.930885,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,126.583588,-0.000000>,1.500000
<54.114742,126.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.114742,126.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.114742,126.083588,-0.000000>,1.500000
<54.980766,125.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.980766,125.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.309486,127.278175,-0.000000>,1.500000
<50.294292,127.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.294292,127.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.294292,127.451828,-0.000000>,1.500000
<51.279102,127.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.279102,127.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.279102,127.625473,-0.000000>,1.500000
<52.263908,127.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.263908,127.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.263908,127.799126,-0.000000>,1.500000
<53.248718,127.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.248718,127.972771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,127.972771,-0.000000>,1.500000
<54.114742,128.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.114742,128.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.114742,128.472778,-0.000000>,1.500000
<54.980766,128.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.980766,128.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.980766,128.972778,-0.000000>,1.500000
<55.965576,129.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.965576,129.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.965576,129.146423,-0.000000>,1.500000
<56.950382,129.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.950382,129.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.980766,128.972778,-0.000000>,1.500000
<55.846794,129.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.846794,129.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.846794,129.472778,-0.000000>,1.500000
<56.712818,129.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.712818,129.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.712818,129.972778,-0.000000>,1.500000
<57.355606,130.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.355606,130.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.355606,130.738815,-0.000000>,1.500000
<57.998394,131.504868,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.998394,131.504868,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.712818,129.972778,-0.000000>,1.500000
<57.697624,130.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.697624,130.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.697624,130.146423,-0.000000>,1.500000
<58.682434,130.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.682434,130.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,127.972771,-0.000000>,1.500000
<54.233524,127.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.233524,127.799126,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.233524,127.799126,-0.000000>,1.500000
<55.218330,127.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.218330,127.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.218330,127.625473,-0.000000>,1.500000
<56.084358,127.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.084358,127.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.084358,127.125473,-0.000000>,1.500000
<56.950382,126.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.950382,126.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.218330,127.625473,-0.000000>,1.500000
<56.203140,127.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.203140,127.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.203140,127.451828,-0.000000>,1.500000
<57.187946,127.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.187946,127.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.187946,127.278175,-0.000000>,1.500000
<58.172756,127.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.172756,127.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.172756,127.451828,-0.000000>,1.500000
<59.157562,127.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.157562,127.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.187946,127.278175,-0.000000>,1.500000
<58.053974,126.778175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.053974,126.778175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.053974,126.778175,-0.000000>,1.500000
<58.919998,126.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.919998,126.278175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.944645,94.070168,-0.000000>,1.500000
<11.286665,95.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.286665,95.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.286665,95.009857,-0.000000>,1.500000
<11.628685,95.949547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.628685,95.949547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.628685,95.949547,-0.000000>,1.500000
<11.970705,96.889244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.970705,96.889244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.970705,96.889244,-0.000000>,1.500000
<12.312725,97.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.312725,97.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.312725,97.828934,-0.000000>,1.500000
<12.654745,98.768623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.654745,98.768623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.654745,98.768623,-0.000000>,1.500000
<12.996765,99.708321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.996765,99.708321,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.996765,99.708321,-0.000000>,1.500000
<13.338785,100.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.338785,100.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.338785,100.648010,-0.000000>,1.500000
<13.680806,101.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.680806,101.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.680806,101.587708,-0.000000>,1.500000
<14.022826,102.527397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.022826,102.527397,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.022826,102.527397,-0.000000>,1.500000
<14.364846,103.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.364846,103.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.364846,103.467087,-0.000000>,1.500000
<14.706866,104.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.706866,104.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.706866,104.406784,-0.000000>,1.500000
<15.048886,105.346474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,105.346474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,105.346474,-0.000000>,1.500000
<15.390906,106.286171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.390906,106.286171,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.390906,106.286171,-0.000000>,1.500000
<15.732926,107.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,107.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,107.225861,-0.000000>,1.500000
<16.074947,108.165550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.074947,108.165550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.074947,108.165550,-0.000000>,1.500000
<16.416967,109.105247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,109.105247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,109.105247,-0.000000>,1.500000
<16.758987,110.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,110.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,110.044937,-0.000000>,1.500000
<17.101007,110.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,110.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,110.984634,-0.000000>,1.500000
<17.443027,111.924324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,111.924324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,111.924324,-0.000000>,1.500000
<17.785048,112.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,112.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,112.864014,-0.000000>,1.500000
<18.127068,113.803711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127068,113.803711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127068,113.803711,-0.000000>,1.500000
<18.469088,114.743401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,114.743401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,114.743401,-0.000000>,1.500000
<18.811108,115.683098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.811108,115.683098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.811108,115.683098,-0.000000>,1.500000
<19.153128,116.622787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,116.622787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,116.622787,-0.000000>,1.500000
<19.495148,117.562477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,117.562477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,117.562477,-0.000000>,1.500000
<19.837168,118.502174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,118.502174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,118.502174,-0.000000>,1.500000
<20.179188,119.441864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,119.441864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,119.441864,-0.000000>,1.500000
<20.521208,120.381554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,120.381554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,120.381554,-0.000000>,1.500000
<20.863228,121.321251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.863228,121.321251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.863228,121.321251,-0.000000>,1.500000
<21.205250,122.260941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.205250,122.260941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.205250,122.260941,-0.000000>,1.500000
<21.547270,123.200638,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.547270,123.200638,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.547270,123.200638,-0.000000>,1.500000
<21.889290,124.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,124.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,124.140327,-0.000000>,1.500000
<21.889290,125.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,125.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,125.140327,-0.000000>,1.500000
<21.889290,126.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,126.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,126.140327,-0.000000>,1.500000
<21.889290,127.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,127.140327,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,127.140327,-0.000000>,1.500000
<21.889290,128.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,128.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,128.140335,-0.000000>,1.500000
<21.889290,129.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,129.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,129.140335,-0.000000>,1.500000
<21.889290,130.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,130.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,130.140335,-0.000000>,1.500000
<21.889290,131.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,131.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,131.140335,-0.000000>,1.500000
<21.889290,132.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,132.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,132.140335,-0.000000>,1.500000
<21.889290,133.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,133.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,133.140335,-0.000000>,1.500000
<21.889290,134.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,134.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,134.140335,-0.000000>,1.500000
<21.889290,135.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,135.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,135.140335,-0.000000>,1.500000
<21.889290,136.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,136.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,136.140335,-0.000000>,1.500000
<21.889290,137.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,137.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,137.140335,-0.000000>,1.500000
<21.889290,138.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,138.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,138.140335,-0.000000>,1.500000
<21.889290,139.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,139.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,139.140335,-0.000000>,1.500000
<21.889290,140.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,140.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,140.140335,-0.000000>,1.500000
<22.231310,141.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.231310,141.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.231310,141.080017,-0.000000>,1.500000
<22.573330,142.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.573330,142.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.573330,142.019714,-0.000000>,1.500000
<22.915350,142.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.915350,142.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.915350,142.959412,-0.000000>,1.500000
<23.257370,143.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.257370,143.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.257370,143.899094,-0.000000>,1.500000
<23.599390,144.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.599390,144.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.599390,144.838791,-0.000000>,1.500000
<23.941410,145.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.941410,145.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.941410,145.778488,-0.000000>,1.500000
<24.283430,146.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.283430,146.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.283430,146.718170,-0.000000>,1.500000
<24.625450,147.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.625450,147.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,147.657867,-0.000000>,1.500000
<25.268238,148.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.268238,148.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.268238,148.423920,-0.000000>,1.500000
<25.911026,149.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.911026,149.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.911026,149.189957,-0.000000>,1.500000
<26.553814,149.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.553814,149.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.553814,149.956009,-0.000000>,1.500000
<27.196600,150.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.196600,150.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,150.722046,-0.000000>,1.500000
<28.062626,151.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.062626,151.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.062626,151.222046,-0.000000>,1.500000
<28.928652,151.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.928652,151.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,151.722046,-0.000000>,1.500000
<29.913460,151.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.913460,151.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.913460,151.895691,-0.000000>,1.500000
<30.898268,152.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.898268,152.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,151.722046,-0.000000>,1.500000
<29.794678,152.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.794678,152.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.794678,152.222046,-0.000000>,1.500000
<30.660702,152.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.660702,152.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,152.722046,-0.000000>,1.500000
<31.303490,153.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.303490,153.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.303490,153.488098,-0.000000>,1.500000
<31.946278,154.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.946278,154.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,152.722046,-0.000000>,1.500000
<31.645510,152.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.645510,152.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.645510,152.895691,-0.000000>,1.500000
<32.630318,153.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.630318,153.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,150.722046,-0.000000>,1.500000
<27.839388,151.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.839388,151.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.839388,151.488098,-0.000000>,1.500000
<28.482176,152.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.482176,152.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.482176,152.254135,-0.000000>,1.500000
<29.124964,153.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.124964,153.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.124964,153.020187,-0.000000>,1.500000
<29.767752,153.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.767752,153.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,153.786224,-0.000000>,1.500000
<30.109772,154.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.109772,154.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.109772,154.725922,-0.000000>,1.500000
<30.451792,155.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.451792,155.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,155.665604,-0.000000>,1.500000
<31.094580,156.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.094580,156.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.094580,156.431656,-0.000000>,1.500000
<31.737368,157.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.737368,157.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,155.665604,-0.000000>,1.500000
<30.793812,156.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.793812,156.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.793812,156.605301,-0.000000>,1.500000
<31.135832,157.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,157.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,157.544998,-0.000000>,1.500000
<31.135832,158.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,158.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,158.544998,-0.000000>,1.500000
<31.135832,159.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,159.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,157.544998,-0.000000>,1.500000
<31.778620,158.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.778620,158.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.778620,158.311035,-0.000000>,1.500000
<32.421406,159.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.421406,159.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,153.786224,-0.000000>,1.500000
<30.633776,154.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.633776,154.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.633776,154.286224,-0.000000>,1.500000
<31.499802,154.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.499802,154.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,154.786224,-0.000000>,1.500000
<32.484612,154.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.484612,154.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.484612,154.959869,-0.000000>,1.500000
<33.469418,155.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.469418,155.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,154.786224,-0.000000>,1.500000
<32.365826,155.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.365826,155.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.365826,155.286224,-0.000000>,1.500000
<33.231853,155.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.231853,155.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,155.786224,-0.000000>,1.500000
<33.874641,156.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.874641,156.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.874641,156.552261,-0.000000>,1.500000
<34.517429,157.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.517429,157.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,155.786224,-0.000000>,1.500000
<34.216660,155.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.216660,155.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.216660,155.959869,-0.000000>,1.500000
<35.201469,156.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.201469,156.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,147.657867,-0.000000>,1.500000
<24.967470,148.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.967470,148.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.967470,148.597565,-0.000000>,1.500000
<25.309490,149.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.309490,149.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.309490,149.537247,-0.000000>,1.500000
<25.651510,150.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.651510,150.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.651510,150.476944,-0.000000>,1.500000
<25.993530,151.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,151.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,151.416641,-0.000000>,1.500000
<26.335550,152.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,152.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,152.356339,-0.000000>,1.500000
<26.677570,153.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,153.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,153.296021,-0.000000>,1.500000
<27.019590,154.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,154.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,154.235718,-0.000000>,1.500000
<27.361612,155.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,155.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,155.175415,-0.000000>,1.500000
<27.361612,156.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,156.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,156.175415,-0.000000>,1.500000
<27.361612,157.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,157.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,157.175415,-0.000000>,1.500000
<27.361612,158.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,158.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,158.175415,-0.000000>,1.500000
<27.361612,159.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,159.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,159.175415,-0.000000>,1.500000
<27.703632,160.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,160.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,160.115097,-0.000000>,1.500000
<28.045652,161.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,161.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,161.054794,-0.000000>,1.500000
<28.688438,161.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,161.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,161.820847,-0.000000>,1.500000
<29.331226,162.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,162.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,161.054794,-0.000000>,1.500000
<28.387672,161.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,161.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,161.994492,-0.000000>,1.500000
<28.729692,162.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,162.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,162.934174,-0.000000>,1.500000
<28.729692,163.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,163.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,163.934174,-0.000000>,1.500000
<28.729692,164.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,164.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,162.934174,-0.000000>,1.500000
<29.372480,163.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,163.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,163.700226,-0.000000>,1.500000
<30.015266,164.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,164.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,159.175415,-0.000000>,1.500000
<27.361612,160.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,160.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,160.175415,-0.000000>,1.500000
<27.361612,161.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,161.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,161.175415,-0.000000>,1.500000
<27.361612,162.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,162.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,162.175415,-0.000000>,1.500000
<27.361612,163.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,163.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,163.175415,-0.000000>,1.500000
<27.019590,164.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,164.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,164.115097,-0.000000>,1.500000
<26.677570,165.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,165.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,165.054794,-0.000000>,1.500000
<26.677570,166.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,166.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,166.054794,-0.000000>,1.500000
<26.677570,167.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,167.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,165.054794,-0.000000>,1.500000
<26.335550,165.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,165.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,165.994492,-0.000000>,1.500000
<25.993530,166.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,166.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,166.934174,-0.000000>,1.500000
<25.350742,167.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.350742,167.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.350742,167.700226,-0.000000>,1.500000
<24.707956,168.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.707956,168.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,166.934174,-0.000000>,1.500000
<25.993530,167.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,167.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,167.934174,-0.000000>,1.500000
<25.993530,168.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,168.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,163.175415,-0.000000>,1.500000
<27.703632,164.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,164.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,164.115097,-0.000000>,1.500000
<28.045652,165.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,165.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,165.054794,-0.000000>,1.500000
<28.688438,165.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,165.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,165.820847,-0.000000>,1.500000
<29.331226,166.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,166.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,165.054794,-0.000000>,1.500000
<28.387672,165.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,165.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,165.994492,-0.000000>,1.500000
<28.729692,166.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,166.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,166.934174,-0.000000>,1.500000
<28.729692,167.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,167.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,167.934174,-0.000000>,1.500000
<28.729692,168.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,168.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,166.934174,-0.000000>,1.500000
<29.372480,167.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,167.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,167.700226,-0.000000>,1.500000
<30.015266,168.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,168.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,155.175415,-0.000000>,1.500000
<28.004398,155.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.004398,155.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.004398,155.941452,-0.000000>,1.500000
<28.647186,156.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.647186,156.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.647186,156.707504,-0.000000>,1.500000
<29.289974,157.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.289974,157.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.289974,157.473541,-0.000000>,1.500000
<29.932762,158.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.932762,158.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,158.239594,-0.000000>,1.500000
<30.798788,158.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.798788,158.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.798788,158.739594,-0.000000>,1.500000
<31.664812,159.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.664812,159.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,159.239594,-0.000000>,1.500000
<32.649620,159.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.649620,159.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.649620,159.413239,-0.000000>,1.500000
<33.634430,159.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.634430,159.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,159.239594,-0.000000>,1.500000
<32.530838,159.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.530838,159.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.530838,159.739594,-0.000000>,1.500000
<33.396862,160.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.396862,160.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,160.239594,-0.000000>,1.500000
<34.039650,161.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.039650,161.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.039650,161.005630,-0.000000>,1.500000
<34.682438,161.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.682438,161.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,160.239594,-0.000000>,1.500000
<34.381672,160.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.381672,160.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.381672,160.413239,-0.000000>,1.500000
<35.366478,160.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.366478,160.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,158.239594,-0.000000>,1.500000
<30.575550,159.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.575550,159.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.575550,159.005630,-0.000000>,1.500000
<31.218338,159.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.218338,159.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.218338,159.771683,-0.000000>,1.500000
<31.861124,160.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.861124,160.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.861124,160.537720,-0.000000>,1.500000
<32.503914,161.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.503914,161.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,161.303772,-0.000000>,1.500000
<32.845932,162.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.845932,162.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.845932,162.243454,-0.000000>,1.500000
<33.187954,163.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.187954,163.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,163.183151,-0.000000>,1.500000
<33.830742,163.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.830742,163.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.830742,163.949188,-0.000000>,1.500000
<34.473526,164.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.473526,164.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,163.183151,-0.000000>,1.500000
<33.529972,164.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.529972,164.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.529972,164.122849,-0.000000>,1.500000
<33.871994,165.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,165.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,165.062531,-0.000000>,1.500000
<33.871994,166.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,166.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,166.062531,-0.000000>,1.500000
<33.871994,167.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,167.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,165.062531,-0.000000>,1.500000
<34.514782,165.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.514782,165.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.514782,165.828583,-0.000000>,1.500000
<35.157570,166.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.157570,166.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,161.303772,-0.000000>,1.500000
<33.369938,161.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.369938,161.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.369938,161.803772,-0.000000>,1.500000
<34.235962,162.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.235962,162.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,162.303772,-0.000000>,1.500000
<35.220772,162.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.220772,162.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.220772,162.477417,-0.000000>,1.500000
<36.205578,162.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.205578,162.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,162.303772,-0.000000>,1.500000
<35.101990,162.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.101990,162.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.101990,162.803772,-0.000000>,1.500000
<35.968014,163.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.968014,163.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,163.303772,-0.000000>,1.500000
<36.610802,164.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.610802,164.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.610802,164.069809,-0.000000>,1.500000
<37.253590,164.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.253590,164.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,163.303772,-0.000000>,1.500000
<36.952820,163.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.952820,163.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.952820,163.477417,-0.000000>,1.500000
<37.937630,163.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.937630,163.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,140.140335,-0.000000>,1.500000
<21.889290,141.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,141.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,141.140335,-0.000000>,1.500000
<21.889290,142.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,142.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,142.140335,-0.000000>,1.500000
<21.889290,143.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,143.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,143.140335,-0.000000>,1.500000
<21.889290,144.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,144.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,144.140335,-0.000000>,1.500000
<21.889290,145.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,145.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,145.140335,-0.000000>,1.500000
<21.889290,146.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,146.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,146.140335,-0.000000>,1.500000
<21.889290,147.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,147.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,147.140335,-0.000000>,1.500000
<21.889290,148.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,148.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,148.140335,-0.000000>,1.500000
<21.889290,149.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,149.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,149.140335,-0.000000>,1.500000
<21.889290,150.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,150.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,150.140335,-0.000000>,1.500000
<21.889290,151.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,151.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,151.140335,-0.000000>,1.500000
<21.889290,152.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,152.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,152.140335,-0.000000>,1.500000
<21.889290,153.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,153.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,153.140335,-0.000000>,1.500000
<21.889290,154.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,154.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,154.140335,-0.000000>,1.500000
<21.889290,155.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,155.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,155.140335,-0.000000>,1.500000
<21.889290,156.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,156.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,156.140335,-0.000000>,1.500000
<21.547270,157.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.547270,157.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.547270,157.080017,-0.000000>,1.500000
<21.205250,158.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.205250,158.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.205250,158.019714,-0.000000>,1.500000
<20.863228,158.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.863228,158.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.863228,158.959412,-0.000000>,1.500000
<20.521208,159.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,159.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,159.899094,-0.000000>,1.500000
<20.179188,160.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,160.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,160.838791,-0.000000>,1.500000
<19.837168,161.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,161.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,161.778488,-0.000000>,1.500000
<19.495148,162.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,162.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,162.718170,-0.000000>,1.500000
<19.153128,163.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,163.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,163.657867,-0.000000>,1.500000
<19.153128,164.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,164.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,164.657867,-0.000000>,1.500000
<19.153128,165.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,165.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,165.657867,-0.000000>,1.500000
<19.153128,166.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,166.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,166.657867,-0.000000>,1.500000
<19.153128,167.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,167.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,167.657867,-0.000000>,1.500000
<19.495148,168.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,168.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,168.597565,-0.000000>,1.500000
<19.837168,169.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,169.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,169.537247,-0.000000>,1.500000
<20.479956,170.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.479956,170.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.479956,170.303299,-0.000000>,1.500000
<21.122744,171.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.122744,171.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,169.537247,-0.000000>,1.500000
<20.179188,170.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,170.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,170.476944,-0.000000>,1.500000
<20.521208,171.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,171.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,171.416641,-0.000000>,1.500000
<20.521208,172.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,172.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,172.416641,-0.000000>,1.500000
<20.521208,173.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,173.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,171.416641,-0.000000>,1.500000
<21.163996,172.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.163996,172.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.163996,172.182678,-0.000000>,1.500000
<21.806784,172.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.806784,172.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,167.657867,-0.000000>,1.500000
<19.153128,168.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,168.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,168.657867,-0.000000>,1.500000
<19.153128,169.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,169.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,169.657867,-0.000000>,1.500000
<19.153128,170.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,170.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,170.657867,-0.000000>,1.500000
<19.153128,171.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,171.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,171.657867,-0.000000>,1.500000
<18.811108,172.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.811108,172.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.811108,172.597565,-0.000000>,1.500000
<18.469088,173.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,173.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,173.537247,-0.000000>,1.500000
<18.469088,174.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,174.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,174.537247,-0.000000>,1.500000
<18.469088,175.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,175.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,173.537247,-0.000000>,1.500000
<18.127068,174.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127068,174.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127068,174.476944,-0.000000>,1.500000
<17.785048,175.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,175.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,175.416641,-0.000000>,1.500000
<17.142260,176.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.142260,176.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.142260,176.182678,-0.000000>,1.500000
<16.499472,176.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.499472,176.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,175.416641,-0.000000>,1.500000
<17.785048,176.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,176.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,176.416641,-0.000000>,1.500000
<17.785048,177.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,177.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,171.657867,-0.000000>,1.500000
<19.495148,172.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,172.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,172.597565,-0.000000>,1.500000
<19.837168,173.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,173.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,173.537247,-0.000000>,1.500000
<20.479956,174.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.479956,174.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.479956,174.303299,-0.000000>,1.500000
<21.122744,175.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.122744,175.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,173.537247,-0.000000>,1.500000
<20.179188,174.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,174.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,174.476944,-0.000000>,1.500000
<20.521208,175.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,175.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,175.416641,-0.000000>,1.500000
<20.521208,176.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,176.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,176.416641,-0.000000>,1.500000
<20.521208,177.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,177.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,175.416641,-0.000000>,1.500000
<21.163996,176.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.163996,176.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.163996,176.182678,-0.000000>,1.500000
<21.806784,176.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.806784,176.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,163.657867,-0.000000>,1.500000
<18.811108,164.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.811108,164.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.811108,164.597565,-0.000000>,1.500000
<18.469088,165.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,165.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,165.537247,-0.000000>,1.500000
<18.127068,166.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127068,166.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127068,166.476944,-0.000000>,1.500000
<17.785048,167.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,167.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,167.416641,-0.000000>,1.500000
<17.443027,168.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,168.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,168.356339,-0.000000>,1.500000
<17.101007,169.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,169.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,169.296021,-0.000000>,1.500000
<16.758987,170.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,170.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,170.235718,-0.000000>,1.500000
<16.416967,171.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,171.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,171.175415,-0.000000>,1.500000
<15.774179,171.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.774179,171.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.774179,171.941452,-0.000000>,1.500000
<15.131392,172.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.131392,172.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.131392,172.707504,-0.000000>,1.500000
<14.488604,173.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.488604,173.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.488604,173.473541,-0.000000>,1.500000
<13.845817,174.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.845817,174.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.845817,174.239594,-0.000000>,1.500000
<13.503797,175.179276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.503797,175.179276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.503797,175.179276,-0.000000>,1.500000
<13.161777,176.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.161777,176.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.161777,176.118973,-0.000000>,1.500000
<13.161777,177.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.161777,177.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.161777,177.118973,-0.000000>,1.500000
<13.161777,178.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.161777,178.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.161777,176.118973,-0.000000>,1.500000
<12.819756,177.058670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.819756,177.058670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.819756,177.058670,-0.000000>,1.500000
<12.477736,177.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.477736,177.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.477736,177.998352,-0.000000>,1.500000
<11.834949,178.764404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.834949,178.764404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.834949,178.764404,-0.000000>,1.500000
<11.192161,179.530441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.192161,179.530441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.477736,177.998352,-0.000000>,1.500000
<12.477736,178.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.477736,178.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.477736,178.998352,-0.000000>,1.500000
<12.477736,179.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.477736,179.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.845817,174.239594,-0.000000>,1.500000
<13.203029,175.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.203029,175.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.203029,175.005630,-0.000000>,1.500000
<12.560242,175.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.560242,175.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.560242,175.771683,-0.000000>,1.500000
<11.917454,176.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.917454,176.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.917454,176.537720,-0.000000>,1.500000
<11.274666,177.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.274666,177.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.274666,177.303772,-0.000000>,1.500000
<10.408641,177.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.408641,177.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.408641,177.803772,-0.000000>,1.500000
<9.542615,178.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.542615,178.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.542615,178.303772,-0.000000>,1.500000
<8.899828,179.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.899828,179.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.899828,179.069809,-0.000000>,1.500000
<8.257040,179.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.257040,179.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.542615,178.303772,-0.000000>,1.500000
<8.676590,178.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.676590,178.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.676590,178.803772,-0.000000>,1.500000
<7.810565,179.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.810565,179.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810565,179.303772,-0.000000>,1.500000
<6.825757,179.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.825757,179.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.825757,179.477417,-0.000000>,1.500000
<5.840949,179.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.840949,179.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810565,179.303772,-0.000000>,1.500000
<7.167777,180.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.167777,180.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.167777,180.069809,-0.000000>,1.500000
<6.524989,180.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.524989,180.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.274666,177.303772,-0.000000>,1.500000
<10.932646,178.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.932646,178.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.932646,178.243454,-0.000000>,1.500000
<10.590626,179.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.590626,179.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.590626,179.183151,-0.000000>,1.500000
<10.590626,180.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.590626,180.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.590626,180.183151,-0.000000>,1.500000
<10.590626,181.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.590626,181.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.590626,179.183151,-0.000000>,1.500000
<10.248606,180.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.248606,180.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.248606,180.122849,-0.000000>,1.500000
<9.906586,181.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.906586,181.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.906586,181.062531,-0.000000>,1.500000
<9.263798,181.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.263798,181.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.263798,181.828583,-0.000000>,1.500000
<8.621010,182.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.621010,182.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.906586,181.062531,-0.000000>,1.500000
<9.906586,182.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.906586,182.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.906586,182.062531,-0.000000>,1.500000
<9.906586,183.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.906586,183.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,171.175415,-0.000000>,1.500000
<16.416967,172.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,172.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,172.175415,-0.000000>,1.500000
<16.416967,173.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,173.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,173.175415,-0.000000>,1.500000
<16.416967,174.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,174.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,174.175415,-0.000000>,1.500000
<16.416967,175.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,175.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,175.175415,-0.000000>,1.500000
<16.758987,176.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,176.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,176.115097,-0.000000>,1.500000
<17.101007,177.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,177.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,177.054794,-0.000000>,1.500000
<17.743795,177.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.743795,177.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.743795,177.820847,-0.000000>,1.500000
<18.386583,178.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.386583,178.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,177.054794,-0.000000>,1.500000
<17.443027,177.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,177.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,177.994492,-0.000000>,1.500000
<17.785048,178.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,178.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,178.934174,-0.000000>,1.500000
<17.785048,179.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,179.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,179.934174,-0.000000>,1.500000
<17.785048,180.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,180.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,178.934174,-0.000000>,1.500000
<18.427835,179.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.427835,179.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.427835,179.700226,-0.000000>,1.500000
<19.070623,180.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.070623,180.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,175.175415,-0.000000>,1.500000
<16.416967,176.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,176.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,176.175415,-0.000000>,1.500000
<16.416967,177.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,177.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,177.175415,-0.000000>,1.500000
<16.416967,178.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,178.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,178.175415,-0.000000>,1.500000
<16.416967,179.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,179.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,179.175415,-0.000000>,1.500000
<16.074947,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.074947,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.074947,180.115097,-0.000000>,1.500000
<15.732926,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,181.054794,-0.000000>,1.500000
<15.732926,182.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,182.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,182.054794,-0.000000>,1.500000
<15.732926,183.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,183.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,181.054794,-0.000000>,1.500000
<15.390906,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.390906,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.390906,181.994492,-0.000000>,1.500000
<15.048886,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,182.934174,-0.000000>,1.500000
<14.406098,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.406098,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.406098,183.700226,-0.000000>,1.500000
<13.763311,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.763311,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,182.934174,-0.000000>,1.500000
<15.048886,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,183.934174,-0.000000>,1.500000
<15.048886,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,179.175415,-0.000000>,1.500000
<16.758987,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,180.115097,-0.000000>,1.500000
<17.101007,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,181.054794,-0.000000>,1.500000
<17.743795,181.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.743795,181.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.743795,181.820847,-0.000000>,1.500000
<18.386583,182.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.386583,182.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,181.054794,-0.000000>,1.500000
<17.443027,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,181.994492,-0.000000>,1.500000
<17.785048,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,182.934174,-0.000000>,1.500000
<17.785048,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,183.934174,-0.000000>,1.500000
<17.785048,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,182.934174,-0.000000>,1.500000
<18.427835,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.427835,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.427835,183.700226,-0.000000>,1.500000
<19.070623,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.070623,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,156.140335,-0.000000>,1.500000
<22.231310,157.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.231310,157.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.231310,157.080017,-0.000000>,1.500000
<22.573330,158.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.573330,158.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.573330,158.019714,-0.000000>,1.500000
<22.915350,158.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.915350,158.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.915350,158.959412,-0.000000>,1.500000
<23.257370,159.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.257370,159.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.257370,159.899094,-0.000000>,1.500000
<23.599390,160.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.599390,160.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.599390,160.838791,-0.000000>,1.500000
<23.941410,161.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.941410,161.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.941410,161.778488,-0.000000>,1.500000
<24.283430,162.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.283430,162.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.283430,162.718170,-0.000000>,1.500000
<24.625450,163.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.625450,163.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,163.657867,-0.000000>,1.500000
<25.268238,164.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.268238,164.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.268238,164.423920,-0.000000>,1.500000
<25.911026,165.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.911026,165.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.911026,165.189957,-0.000000>,1.500000
<26.553814,165.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.553814,165.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.553814,165.956009,-0.000000>,1.500000
<27.196600,166.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.196600,166.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,166.722046,-0.000000>,1.500000
<28.062626,167.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.062626,167.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.062626,167.222046,-0.000000>,1.500000
<28.928652,167.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.928652,167.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,167.722046,-0.000000>,1.500000
<29.913460,167.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.913460,167.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.913460,167.895691,-0.000000>,1.500000
<30.898268,168.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.898268,168.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,167.722046,-0.000000>,1.500000
<29.794678,168.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.794678,168.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.794678,168.222046,-0.000000>,1.500000
<30.660702,168.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.660702,168.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,168.722046,-0.000000>,1.500000
<31.303490,169.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.303490,169.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.303490,169.488098,-0.000000>,1.500000
<31.946278,170.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.946278,170.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,168.722046,-0.000000>,1.500000
<31.645510,168.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.645510,168.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.645510,168.895691,-0.000000>,1.500000
<32.630318,169.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.630318,169.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,166.722046,-0.000000>,1.500000
<27.839388,167.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.839388,167.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.839388,167.488098,-0.000000>,1.500000
<28.482176,168.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.482176,168.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.482176,168.254135,-0.000000>,1.500000
<29.124964,169.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.124964,169.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.124964,169.020187,-0.000000>,1.500000
<29.767752,169.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.767752,169.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,169.786224,-0.000000>,1.500000
<30.109772,170.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.109772,170.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.109772,170.725922,-0.000000>,1.500000
<30.451792,171.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.451792,171.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,171.665604,-0.000000>,1.500000
<31.094580,172.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.094580,172.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.094580,172.431656,-0.000000>,1.500000
<31.737368,173.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.737368,173.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,171.665604,-0.000000>,1.500000
<30.793812,172.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.793812,172.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.793812,172.605301,-0.000000>,1.500000
<31.135832,173.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,173.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,173.544998,-0.000000>,1.500000
<31.135832,174.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,174.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,174.544998,-0.000000>,1.500000
<31.135832,175.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,175.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,173.544998,-0.000000>,1.500000
<31.778620,174.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.778620,174.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.778620,174.311035,-0.000000>,1.500000
<32.421406,175.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.421406,175.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,169.786224,-0.000000>,1.500000
<30.633776,170.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.633776,170.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.633776,170.286224,-0.000000>,1.500000
<31.499802,170.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.499802,170.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,170.786224,-0.000000>,1.500000
<32.484612,170.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.484612,170.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.484612,170.959869,-0.000000>,1.500000
<33.469418,171.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.469418,171.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,170.786224,-0.000000>,1.500000
<32.365826,171.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.365826,171.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.365826,171.286224,-0.000000>,1.500000
<33.231853,171.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.231853,171.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,171.786224,-0.000000>,1.500000
<33.874641,172.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.874641,172.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.874641,172.552261,-0.000000>,1.500000
<34.517429,173.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.517429,173.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,171.786224,-0.000000>,1.500000
<34.216660,171.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.216660,171.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.216660,171.959869,-0.000000>,1.500000
<35.201469,172.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.201469,172.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,163.657867,-0.000000>,1.500000
<24.967470,164.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.967470,164.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.967470,164.597565,-0.000000>,1.500000
<25.309490,165.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.309490,165.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.309490,165.537247,-0.000000>,1.500000
<25.651510,166.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.651510,166.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.651510,166.476944,-0.000000>,1.500000
<25.993530,167.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,167.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,167.416641,-0.000000>,1.500000
<26.335550,168.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,168.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,168.356339,-0.000000>,1.500000
<26.677570,169.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,169.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,169.296021,-0.000000>,1.500000
<27.019590,170.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,170.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,170.235718,-0.000000>,1.500000
<27.361612,171.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,171.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,171.175415,-0.000000>,1.500000
<27.361612,172.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,172.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,172.175415,-0.000000>,1.500000
<27.361612,173.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,173.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,173.175415,-0.000000>,1.500000
<27.361612,174.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,174.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,174.175415,-0.000000>,1.500000
<27.361612,175.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,175.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,175.175415,-0.000000>,1.500000
<27.703632,176.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,176.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,176.115097,-0.000000>,1.500000
<28.045652,177.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,177.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,177.054794,-0.000000>,1.500000
<28.688438,177.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,177.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,177.820847,-0.000000>,1.500000
<29.331226,178.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,178.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,177.054794,-0.000000>,1.500000
<28.387672,177.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,177.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,177.994492,-0.000000>,1.500000
<28.729692,178.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,178.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,178.934174,-0.000000>,1.500000
<28.729692,179.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,179.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,179.934174,-0.000000>,1.500000
<28.729692,180.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,180.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,178.934174,-0.000000>,1.500000
<29.372480,179.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,179.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,179.700226,-0.000000>,1.500000
<30.015266,180.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,180.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,175.175415,-0.000000>,1.500000
<27.361612,176.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,176.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,176.175415,-0.000000>,1.500000
<27.361612,177.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,177.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,177.175415,-0.000000>,1.500000
<27.361612,178.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,178.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,178.175415,-0.000000>,1.500000
<27.361612,179.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,179.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,179.175415,-0.000000>,1.500000
<27.019590,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,180.115097,-0.000000>,1.500000
<26.677570,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,181.054794,-0.000000>,1.500000
<26.677570,182.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,182.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,182.054794,-0.000000>,1.500000
<26.677570,183.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,183.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,181.054794,-0.000000>,1.500000
<26.335550,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,181.994492,-0.000000>,1.500000
<25.993530,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,182.934174,-0.000000>,1.500000
<25.350742,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.350742,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.350742,183.700226,-0.000000>,1.500000
<24.707956,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.707956,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,182.934174,-0.000000>,1.500000
<25.993530,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,183.934174,-0.000000>,1.500000
<25.993530,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,179.175415,-0.000000>,1.500000
<27.703632,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,180.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,180.115097,-0.000000>,1.500000
<28.045652,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,181.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,181.054794,-0.000000>,1.500000
<28.688438,181.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,181.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,181.820847,-0.000000>,1.500000
<29.331226,182.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,182.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,181.054794,-0.000000>,1.500000
<28.387672,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,181.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,181.994492,-0.000000>,1.500000
<28.729692,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,182.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,182.934174,-0.000000>,1.500000
<28.729692,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,183.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,183.934174,-0.000000>,1.500000
<28.729692,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,184.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,182.934174,-0.000000>,1.500000
<29.372480,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,183.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,183.700226,-0.000000>,1.500000
<30.015266,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,184.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,171.175415,-0.000000>,1.500000
<28.004398,171.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.004398,171.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.004398,171.941452,-0.000000>,1.500000
<28.647186,172.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.647186,172.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.647186,172.707504,-0.000000>,1.500000
<29.289974,173.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.289974,173.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.289974,173.473541,-0.000000>,1.500000
<29.932762,174.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.932762,174.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,174.239594,-0.000000>,1.500000
<30.798788,174.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.798788,174.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.798788,174.739594,-0.000000>,1.500000
<31.664812,175.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.664812,175.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,175.239594,-0.000000>,1.500000
<32.649620,175.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.649620,175.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.649620,175.413239,-0.000000>,1.500000
<33.634430,175.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.634430,175.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,175.239594,-0.000000>,1.500000
<32.530838,175.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.530838,175.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.530838,175.739594,-0.000000>,1.500000
<33.396862,176.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.396862,176.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,176.239594,-0.000000>,1.500000
<34.039650,177.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.039650,177.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.039650,177.005630,-0.000000>,1.500000
<34.682438,177.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.682438,177.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,176.239594,-0.000000>,1.500000
<34.381672,176.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.381672,176.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.381672,176.413239,-0.000000>,1.500000
<35.366478,176.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.366478,176.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,174.239594,-0.000000>,1.500000
<30.575550,175.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.575550,175.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.575550,175.005630,-0.000000>,1.500000
<31.218338,175.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.218338,175.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.218338,175.771683,-0.000000>,1.500000
<31.861124,176.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.861124,176.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.861124,176.537720,-0.000000>,1.500000
<32.503914,177.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.503914,177.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,177.303772,-0.000000>,1.500000
<32.845932,178.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.845932,178.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.845932,178.243454,-0.000000>,1.500000
<33.187954,179.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.187954,179.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,179.183151,-0.000000>,1.500000
<33.830742,179.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.830742,179.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.830742,179.949188,-0.000000>,1.500000
<34.473526,180.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.473526,180.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,179.183151,-0.000000>,1.500000
<33.529972,180.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.529972,180.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.529972,180.122849,-0.000000>,1.500000
<33.871994,181.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,181.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,181.062531,-0.000000>,1.500000
<33.871994,182.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,182.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,182.062531,-0.000000>,1.500000
<33.871994,183.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,183.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,181.062531,-0.000000>,1.500000
<34.514782,181.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.514782,181.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.514782,181.828583,-0.000000>,1.500000
<35.157570,182.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.157570,182.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,177.303772,-0.000000>,1.500000
<33.369938,177.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.369938,177.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.369938,177.803772,-0.000000>,1.500000
<34.235962,178.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.235962,178.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,178.303772,-0.000000>,1.500000
<35.220772,178.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.220772,178.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.220772,178.477417,-0.000000>,1.500000
<36.205578,178.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.205578,178.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,178.303772,-0.000000>,1.500000
<35.101990,178.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.101990,178.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.101990,178.803772,-0.000000>,1.500000
<35.968014,179.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.968014,179.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,179.303772,-0.000000>,1.500000
<36.610802,180.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.610802,180.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.610802,180.069809,-0.000000>,1.500000
<37.253590,180.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.253590,180.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,179.303772,-0.000000>,1.500000
<36.952820,179.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.952820,179.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.952820,179.477417,-0.000000>,1.500000
<37.937630,179.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.937630,179.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,124.140327,-0.000000>,1.500000
<22.532076,124.906372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.532076,124.906372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.532076,124.906372,-0.000000>,1.500000
<23.174864,125.672417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.174864,125.672417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.174864,125.672417,-0.000000>,1.500000
<23.817652,126.438461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.817652,126.438461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.817652,126.438461,-0.000000>,1.500000
<24.460440,127.204506,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.460440,127.204506,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.460440,127.204506,-0.000000>,1.500000
<25.103228,127.970551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.103228,127.970551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.103228,127.970551,-0.000000>,1.500000
<25.746016,128.736588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.746016,128.736588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.746016,128.736588,-0.000000>,1.500000
<26.388802,129.502640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.388802,129.502640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.388802,129.502640,-0.000000>,1.500000
<27.031590,130.268677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.031590,130.268677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.031590,130.268677,-0.000000>,1.500000
<27.674377,131.034729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.674377,131.034729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.674377,131.034729,-0.000000>,1.500000
<28.317165,131.800766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.317165,131.800766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.317165,131.800766,-0.000000>,1.500000
<28.959953,132.566818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.959953,132.566818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.959953,132.566818,-0.000000>,1.500000
<29.602741,133.332855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.602741,133.332855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.602741,133.332855,-0.000000>,1.500000
<30.245527,134.098907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.245527,134.098907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.245527,134.098907,-0.000000>,1.500000
<30.888315,134.864944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.888315,134.864944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.888315,134.864944,-0.000000>,1.500000
<31.531103,135.630997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.531103,135.630997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.531103,135.630997,-0.000000>,1.500000
<32.173889,136.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.173889,136.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.173889,136.397034,-0.000000>,1.500000
<33.039917,136.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.039917,136.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.039917,136.897034,-0.000000>,1.500000
<33.905941,137.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.905941,137.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.905941,137.397034,-0.000000>,1.500000
<34.771969,137.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.771969,137.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.771969,137.897034,-0.000000>,1.500000
<35.637993,138.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.637993,138.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.637993,138.397034,-0.000000>,1.500000
<36.504017,138.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.504017,138.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.504017,138.897034,-0.000000>,1.500000
<37.370045,139.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.370045,139.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.370045,139.397034,-0.000000>,1.500000
<38.236069,139.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.236069,139.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.236069,139.897034,-0.000000>,1.500000
<39.102093,140.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.102093,140.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.102093,140.397034,-0.000000>,1.500000
<40.086903,140.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.086903,140.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.086903,140.570694,-0.000000>,1.500000
<41.071709,140.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.071709,140.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.071709,140.744339,-0.000000>,1.500000
<42.056519,140.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.056519,140.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.056519,140.917984,-0.000000>,1.500000
<43.041325,141.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.041325,141.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.041325,141.091629,-0.000000>,1.500000
<44.026134,140.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.026134,140.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.026134,140.917984,-0.000000>,1.500000
<45.010941,140.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.010941,140.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.010941,140.744339,-0.000000>,1.500000
<45.876965,140.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.876965,140.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.876965,140.244339,-0.000000>,1.500000
<46.742992,139.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.742992,139.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.010941,140.744339,-0.000000>,1.500000
<45.995747,140.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.995747,140.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.995747,140.570694,-0.000000>,1.500000
<46.980556,140.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.980556,140.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,140.397034,-0.000000>,1.500000
<47.965363,140.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.965363,140.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.965363,140.570694,-0.000000>,1.500000
<48.950172,140.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.950172,140.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,140.397034,-0.000000>,1.500000
<47.846581,139.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.846581,139.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.846581,139.897034,-0.000000>,1.500000
<48.712608,139.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.712608,139.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.041325,141.091629,-0.000000>,1.500000
<44.026134,141.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.026134,141.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.026134,141.265274,-0.000000>,1.500000
<45.010941,141.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.010941,141.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.010941,141.438934,-0.000000>,1.500000
<45.995747,141.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.995747,141.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.995747,141.612579,-0.000000>,1.500000
<46.980556,141.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.980556,141.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,141.786224,-0.000000>,1.500000
<47.846581,142.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.846581,142.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.846581,142.286224,-0.000000>,1.500000
<48.712608,142.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.712608,142.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.712608,142.786224,-0.000000>,1.500000
<49.697414,142.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.697414,142.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.697414,142.959869,-0.000000>,1.500000
<50.682224,143.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.682224,143.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.712608,142.786224,-0.000000>,1.500000
<49.578632,143.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.578632,143.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.578632,143.286224,-0.000000>,1.500000
<50.444656,143.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.444656,143.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.444656,143.786224,-0.000000>,1.500000
<51.087444,144.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.087444,144.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.087444,144.552261,-0.000000>,1.500000
<51.730232,145.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.730232,145.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.444656,143.786224,-0.000000>,1.500000
<51.429466,143.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.429466,143.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.429466,143.959869,-0.000000>,1.500000
<52.414272,144.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.414272,144.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,141.786224,-0.000000>,1.500000
<47.965363,141.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.965363,141.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.965363,141.612579,-0.000000>,1.500000
<48.950172,141.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.950172,141.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.950172,141.438934,-0.000000>,1.500000
<49.816196,140.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.816196,140.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.816196,140.938934,-0.000000>,1.500000
<50.682224,140.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.682224,140.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.950172,141.438934,-0.000000>,1.500000
<49.934978,141.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.934978,141.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.934978,141.265274,-0.000000>,1.500000
<50.919788,141.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.919788,141.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.919788,141.091629,-0.000000>,1.500000
<51.904594,141.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.904594,141.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.904594,141.265274,-0.000000>,1.500000
<52.889404,141.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.889404,141.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.919788,141.091629,-0.000000>,1.500000
<51.785812,140.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.785812,140.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.785812,140.591629,-0.000000>,1.500000
<52.651836,140.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.651836,140.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.102093,140.397034,-0.000000>,1.500000
<39.968121,140.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.968121,140.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.968121,140.897034,-0.000000>,1.500000
<40.834145,141.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.834145,141.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.834145,141.397034,-0.000000>,1.500000
<41.700169,141.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.700169,141.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.700169,141.897034,-0.000000>,1.500000
<42.566196,142.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.566196,142.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.566196,142.397034,-0.000000>,1.500000
<43.432220,142.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.432220,142.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.432220,142.897034,-0.000000>,1.500000
<44.298248,143.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.298248,143.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.298248,143.397034,-0.000000>,1.500000
<45.164272,143.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.164272,143.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.164272,143.897034,-0.000000>,1.500000
<46.030296,144.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.030296,144.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.030296,144.397034,-0.000000>,1.500000
<46.673084,145.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.673084,145.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.673084,145.163086,-0.000000>,1.500000
<47.315872,145.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.315872,145.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.315872,145.929123,-0.000000>,1.500000
<47.958660,146.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.958660,146.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.958660,146.695175,-0.000000>,1.500000
<48.601448,147.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.601448,147.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.601448,147.461212,-0.000000>,1.500000
<49.467472,147.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.467472,147.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.467472,147.961212,-0.000000>,1.500000
<50.333500,148.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.333500,148.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.333500,148.461212,-0.000000>,1.500000
<51.318306,148.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.318306,148.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.318306,148.634857,-0.000000>,1.500000
<52.303116,148.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.303116,148.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.333500,148.461212,-0.000000>,1.500000
<51.199524,148.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.199524,148.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.199524,148.961212,-0.000000>,1.500000
<52.065548,149.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.065548,149.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.065548,149.461212,-0.000000>,1.500000
<52.708336,150.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.708336,150.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.708336,150.227264,-0.000000>,1.500000
<53.351124,150.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.351124,150.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.065548,149.461212,-0.000000>,1.500000
<53.050358,149.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.050358,149.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.050358,149.634857,-0.000000>,1.500000
<54.035164,149.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.035164,149.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.601448,147.461212,-0.000000>,1.500000
<49.244236,148.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.244236,148.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.244236,148.227264,-0.000000>,1.500000
<49.887024,148.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.887024,148.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.887024,148.993301,-0.000000>,1.500000
<50.529812,149.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.529812,149.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.529812,149.759354,-0.000000>,1.500000
<51.172600,150.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.172600,150.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.172600,150.525391,-0.000000>,1.500000
<51.514618,151.465088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.514618,151.465088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.514618,151.465088,-0.000000>,1.500000
<51.856640,152.404785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.856640,152.404785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.856640,152.404785,-0.000000>,1.500000
<52.499428,153.170822,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.499428,153.170822,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.499428,153.170822,-0.000000>,1.500000
<53.142212,153.936874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.142212,153.936874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.856640,152.404785,-0.000000>,1.500000
<52.198658,153.344467,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.198658,153.344467,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.198658,153.344467,-0.000000>,1.500000
<52.540680,154.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.540680,154.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.540680,154.284164,-0.000000>,1.500000
<52.540680,155.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.540680,155.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.540680,155.284164,-0.000000>,1.500000
<52.540680,156.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.540680,156.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.540680,154.284164,-0.000000>,1.500000
<53.183468,155.050217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.183468,155.050217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.183468,155.050217,-0.000000>,1.500000
<53.826256,155.816254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.826256,155.816254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.172600,150.525391,-0.000000>,1.500000
<52.038624,151.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.038624,151.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.038624,151.025391,-0.000000>,1.500000
<52.904648,151.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.904648,151.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.904648,151.525391,-0.000000>,1.500000
<53.889458,151.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.889458,151.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.889458,151.699036,-0.000000>,1.500000
<54.874264,151.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.874264,151.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.904648,151.525391,-0.000000>,1.500000
<53.770676,152.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.770676,152.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.770676,152.025391,-0.000000>,1.500000
<54.636700,152.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.636700,152.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.636700,152.525391,-0.000000>,1.500000
<55.279488,153.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.279488,153.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.279488,153.291443,-0.000000>,1.500000
<55.922276,154.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.922276,154.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.636700,152.525391,-0.000000>,1.500000
<55.621506,152.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.621506,152.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.621506,152.699036,-0.000000>,1.500000
<56.606316,152.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.606316,152.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.030296,144.397034,-0.000000>,1.500000
<47.015106,144.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.015106,144.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.015106,144.570694,-0.000000>,1.500000
<47.999912,144.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.999912,144.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.999912,144.744339,-0.000000>,1.500000
<48.984722,144.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.984722,144.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.984722,144.917984,-0.000000>,1.500000
<49.969528,145.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.969528,145.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.969528,145.091629,-0.000000>,1.500000
<50.954334,144.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.954334,144.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.954334,144.917984,-0.000000>,1.500000
<51.939144,144.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.939144,144.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.939144,144.744339,-0.000000>,1.500000
<52.805168,144.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.805168,144.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.805168,144.244339,-0.000000>,1.500000
<53.671196,143.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.671196,143.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.939144,144.744339,-0.000000>,1.500000
<52.923950,144.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.923950,144.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.923950,144.570694,-0.000000>,1.500000
<53.908760,144.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.908760,144.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,144.397034,-0.000000>,1.500000
<54.893566,144.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.893566,144.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.893566,144.570694,-0.000000>,1.500000
<55.878376,144.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.878376,144.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,144.397034,-0.000000>,1.500000
<54.774784,143.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.774784,143.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.774784,143.897034,-0.000000>,1.500000
<55.640812,143.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.640812,143.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.969528,145.091629,-0.000000>,1.500000
<50.954334,145.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.954334,145.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.954334,145.265274,-0.000000>,1.500000
<51.939144,145.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.939144,145.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.939144,145.438934,-0.000000>,1.500000
<52.923950,145.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.923950,145.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.923950,145.612579,-0.000000>,1.500000
<53.908760,145.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.908760,145.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,145.786224,-0.000000>,1.500000
<54.774784,146.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.774784,146.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.774784,146.286224,-0.000000>,1.500000
<55.640812,146.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.640812,146.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.640812,146.786224,-0.000000>,1.500000
<56.625618,146.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.625618,146.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.625618,146.959869,-0.000000>,1.500000
<57.610424,147.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.610424,147.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.640812,146.786224,-0.000000>,1.500000
<56.506836,147.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.506836,147.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.506836,147.286224,-0.000000>,1.500000
<57.372860,147.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.372860,147.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.372860,147.786224,-0.000000>,1.500000
<58.015648,148.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.015648,148.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.015648,148.552261,-0.000000>,1.500000
<58.658436,149.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.658436,149.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.372860,147.786224,-0.000000>,1.500000
<58.357670,147.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.357670,147.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.357670,147.959869,-0.000000>,1.500000
<59.342476,148.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.342476,148.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,145.786224,-0.000000>,1.500000
<54.893566,145.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.893566,145.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.893566,145.612579,-0.000000>,1.500000
<55.878376,145.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.878376,145.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.878376,145.438934,-0.000000>,1.500000
<56.744400,144.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.744400,144.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.744400,144.938934,-0.000000>,1.500000
<57.610424,144.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.610424,144.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.878376,145.438934,-0.000000>,1.500000
<56.863182,145.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.863182,145.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.863182,145.265274,-0.000000>,1.500000
<57.847992,145.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.847992,145.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.847992,145.091629,-0.000000>,1.500000
<58.832798,145.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.832798,145.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.832798,145.265274,-0.000000>,1.500000
<59.817604,145.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.817604,145.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.847992,145.091629,-0.000000>,1.500000
<58.714016,144.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.714016,144.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.714016,144.591629,-0.000000>,1.500000
<59.580040,144.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.580040,144.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.173889,136.397034,-0.000000>,1.500000
<32.816677,137.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.816677,137.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.816677,137.163086,-0.000000>,1.500000
<33.459465,137.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.459465,137.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.459465,137.929123,-0.000000>,1.500000
<34.102253,138.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.102253,138.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.102253,138.695175,-0.000000>,1.500000
<34.745041,139.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.745041,139.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.745041,139.461212,-0.000000>,1.500000
<35.387829,140.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.387829,140.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.387829,140.227264,-0.000000>,1.500000
<36.030617,140.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.030617,140.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.030617,140.993301,-0.000000>,1.500000
<36.673405,141.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.673405,141.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.673405,141.759354,-0.000000>,1.500000
<37.316193,142.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.316193,142.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.316193,142.525391,-0.000000>,1.500000
<37.958981,143.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.958981,143.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.958981,143.291443,-0.000000>,1.500000
<38.601768,144.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.601768,144.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.601768,144.057480,-0.000000>,1.500000
<39.244556,144.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.244556,144.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.244556,144.823532,-0.000000>,1.500000
<39.887341,145.589569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.887341,145.589569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.887341,145.589569,-0.000000>,1.500000
<40.530128,146.355621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.530128,146.355621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.530128,146.355621,-0.000000>,1.500000
<41.172916,147.121658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.172916,147.121658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.172916,147.121658,-0.000000>,1.500000
<41.815704,147.887711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.815704,147.887711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.815704,147.887711,-0.000000>,1.500000
<42.458492,148.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.458492,148.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.458492,148.653748,-0.000000>,1.500000
<42.800514,149.593445,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.800514,149.593445,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.800514,149.593445,-0.000000>,1.500000
<43.142532,150.533142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.142532,150.533142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.142532,150.533142,-0.000000>,1.500000
<43.484554,151.472824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.484554,151.472824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.484554,151.472824,-0.000000>,1.500000
<43.826572,152.412521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.826572,152.412521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.826572,152.412521,-0.000000>,1.500000
<44.168594,153.352219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.168594,153.352219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.168594,153.352219,-0.000000>,1.500000
<44.510612,154.291901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.510612,154.291901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.510612,154.291901,-0.000000>,1.500000
<44.852634,155.231598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.852634,155.231598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.852634,155.231598,-0.000000>,1.500000
<45.194653,156.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.194653,156.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.194653,156.171295,-0.000000>,1.500000
<45.837440,156.937332,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.837440,156.937332,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.837440,156.937332,-0.000000>,1.500000
<46.480228,157.703384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.480228,157.703384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.480228,157.703384,-0.000000>,1.500000
<47.123016,158.469421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.123016,158.469421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.123016,158.469421,-0.000000>,1.500000
<47.765804,159.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.765804,159.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.765804,159.235474,-0.000000>,1.500000
<48.631828,159.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.631828,159.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.631828,159.735474,-0.000000>,1.500000
<49.497856,160.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.497856,160.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.497856,160.235474,-0.000000>,1.500000
<50.482662,160.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.482662,160.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.482662,160.409119,-0.000000>,1.500000
<51.467472,160.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.467472,160.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.497856,160.235474,-0.000000>,1.500000
<50.363880,160.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.363880,160.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.363880,160.735474,-0.000000>,1.500000
<51.229904,161.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.229904,161.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.229904,161.235474,-0.000000>,1.500000
<51.872692,162.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.872692,162.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.872692,162.001511,-0.000000>,1.500000
<52.515480,162.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.515480,162.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.229904,161.235474,-0.000000>,1.500000
<52.214714,161.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.214714,161.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.214714,161.409119,-0.000000>,1.500000
<53.199520,161.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.199520,161.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.765804,159.235474,-0.000000>,1.500000
<48.408592,160.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.408592,160.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.408592,160.001511,-0.000000>,1.500000
<49.051380,160.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.051380,160.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.051380,160.767563,-0.000000>,1.500000
<49.694168,161.533600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.694168,161.533600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.694168,161.533600,-0.000000>,1.500000
<50.336956,162.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.336956,162.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.336956,162.299652,-0.000000>,1.500000
<50.678974,163.239334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.678974,163.239334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.678974,163.239334,-0.000000>,1.500000
<51.020996,164.179031,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.020996,164.179031,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.020996,164.179031,-0.000000>,1.500000
<51.663784,164.945084,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.663784,164.945084,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.663784,164.945084,-0.000000>,1.500000
<52.306572,165.711121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.306572,165.711121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.020996,164.179031,-0.000000>,1.500000
<51.363014,165.118729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.363014,165.118729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.363014,165.118729,-0.000000>,1.500000
<51.705036,166.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.705036,166.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.705036,166.058411,-0.000000>,1.500000
<51.705036,167.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.705036,167.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.705036,167.058411,-0.000000>,1.500000
<51.705036,168.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.705036,168.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.705036,166.058411,-0.000000>,1.500000
<52.347824,166.824463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.347824,166.824463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.347824,166.824463,-0.000000>,1.500000
<52.990612,167.590500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.990612,167.590500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.336956,162.299652,-0.000000>,1.500000
<51.202980,162.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.202980,162.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.202980,162.799652,-0.000000>,1.500000
<52.069004,163.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.069004,163.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.069004,163.299652,-0.000000>,1.500000
<53.053814,163.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.053814,163.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.053814,163.473297,-0.000000>,1.500000
<54.038620,163.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.038620,163.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.069004,163.299652,-0.000000>,1.500000
<52.935032,163.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.935032,163.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.935032,163.799652,-0.000000>,1.500000
<53.801056,164.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.801056,164.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.801056,164.299652,-0.000000>,1.500000
<54.443844,165.065689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.443844,165.065689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.443844,165.065689,-0.000000>,1.500000
<55.086632,165.831741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.086632,165.831741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.801056,164.299652,-0.000000>,1.500000
<54.785866,164.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.785866,164.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.785866,164.473297,-0.000000>,1.500000
<55.770672,164.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.770672,164.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.194653,156.171295,-0.000000>,1.500000
<45.536674,157.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.536674,157.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.536674,157.110977,-0.000000>,1.500000
<45.878693,158.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.878693,158.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.878693,158.050674,-0.000000>,1.500000
<46.220715,158.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.220715,158.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.220715,158.990372,-0.000000>,1.500000
<46.562733,159.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,159.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,159.930069,-0.000000>,1.500000
<46.904755,160.869751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.904755,160.869751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.904755,160.869751,-0.000000>,1.500000
<47.246777,161.809448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,161.809448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,161.809448,-0.000000>,1.500000
<47.588795,162.749146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.588795,162.749146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.588795,162.749146,-0.000000>,1.500000
<47.930817,163.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,163.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,163.688828,-0.000000>,1.500000
<47.930817,164.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,164.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,164.688828,-0.000000>,1.500000
<47.930817,165.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,165.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,165.688828,-0.000000>,1.500000
<47.930817,166.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,166.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,166.688828,-0.000000>,1.500000
<47.930817,167.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,167.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,167.688828,-0.000000>,1.500000
<48.272835,168.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.272835,168.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.272835,168.628525,-0.000000>,1.500000
<48.614857,169.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.614857,169.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,169.568222,-0.000000>,1.500000
<49.257645,170.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.257645,170.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.257645,170.334259,-0.000000>,1.500000
<49.900429,171.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.900429,171.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,169.568222,-0.000000>,1.500000
<48.956875,170.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.956875,170.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.956875,170.507904,-0.000000>,1.500000
<49.298897,171.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,171.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,171.447601,-0.000000>,1.500000
<49.298897,172.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,172.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,172.447601,-0.000000>,1.500000
<49.298897,173.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,173.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,171.447601,-0.000000>,1.500000
<49.941685,172.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.941685,172.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.941685,172.213654,-0.000000>,1.500000
<50.584473,172.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.584473,172.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,167.688828,-0.000000>,1.500000
<47.930817,168.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,168.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,168.688828,-0.000000>,1.500000
<47.930817,169.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,169.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,169.688828,-0.000000>,1.500000
<47.930817,170.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,170.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,170.688828,-0.000000>,1.500000
<47.930817,171.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,171.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,171.688828,-0.000000>,1.500000
<47.588795,172.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.588795,172.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.588795,172.628525,-0.000000>,1.500000
<47.246777,173.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,173.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,173.568222,-0.000000>,1.500000
<47.246777,174.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,174.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,174.568222,-0.000000>,1.500000
<47.246777,175.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,175.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,173.568222,-0.000000>,1.500000
<46.904755,174.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.904755,174.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.904755,174.507904,-0.000000>,1.500000
<46.562733,175.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,175.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,175.447601,-0.000000>,1.500000
<45.919949,176.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.919949,176.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.919949,176.213654,-0.000000>,1.500000
<45.277161,176.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.277161,176.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,175.447601,-0.000000>,1.500000
<46.562733,176.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,176.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,176.447601,-0.000000>,1.500000
<46.562733,177.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,177.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,171.688828,-0.000000>,1.500000
<48.272835,172.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.272835,172.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.272835,172.628525,-0.000000>,1.500000
<48.614857,173.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.614857,173.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,173.568222,-0.000000>,1.500000
<49.257645,174.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.257645,174.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.257645,174.334259,-0.000000>,1.500000
<49.900429,175.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.900429,175.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,173.568222,-0.000000>,1.500000
<48.956875,174.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.956875,174.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.956875,174.507904,-0.000000>,1.500000
<49.298897,175.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,175.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,175.447601,-0.000000>,1.500000
<49.298897,176.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,176.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,176.447601,-0.000000>,1.500000
<49.298897,177.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,177.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,175.447601,-0.000000>,1.500000
<49.941685,176.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.941685,176.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.941685,176.213654,-0.000000>,1.500000
<50.584473,176.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.584473,176.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,163.688828,-0.000000>,1.500000
<48.573601,164.454880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.573601,164.454880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.573601,164.454880,-0.000000>,1.500000
<49.216389,165.220917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.216389,165.220917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.216389,165.220917,-0.000000>,1.500000
<49.859177,165.986969,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.859177,165.986969,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.859177,165.986969,-0.000000>,1.500000
<50.501965,166.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.501965,166.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.501965,166.753006,-0.000000>,1.500000
<51.367992,167.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.367992,167.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.367992,167.253006,-0.000000>,1.500000
<52.234016,167.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.234016,167.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.234016,167.753006,-0.000000>,1.500000
<53.218822,167.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.218822,167.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.218822,167.926651,-0.000000>,1.500000
<54.203632,168.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.203632,168.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.234016,167.753006,-0.000000>,1.500000
<53.100040,168.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.100040,168.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.100040,168.253006,-0.000000>,1.500000
<53.966068,168.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.966068,168.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.966068,168.753006,-0.000000>,1.500000
<54.608856,169.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.608856,169.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.608856,169.519058,-0.000000>,1.500000
<55.251644,170.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.251644,170.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.966068,168.753006,-0.000000>,1.500000
<54.950874,168.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.950874,168.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.950874,168.926651,-0.000000>,1.500000
<55.935684,169.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.935684,169.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.501965,166.753006,-0.000000>,1.500000
<51.144753,167.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.144753,167.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.144753,167.519058,-0.000000>,1.500000
<51.787540,168.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.787540,168.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.787540,168.285095,-0.000000>,1.500000
<52.430328,169.051147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.430328,169.051147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.430328,169.051147,-0.000000>,1.500000
<53.073116,169.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.073116,169.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.073116,169.817184,-0.000000>,1.500000
<53.415134,170.756882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.415134,170.756882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.415134,170.756882,-0.000000>,1.500000
<53.757156,171.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.757156,171.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.757156,171.696579,-0.000000>,1.500000
<54.399944,172.462616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.399944,172.462616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.399944,172.462616,-0.000000>,1.500000
<55.042732,173.228668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.042732,173.228668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.757156,171.696579,-0.000000>,1.500000
<54.099174,172.636261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.099174,172.636261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.099174,172.636261,-0.000000>,1.500000
<54.441196,173.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.441196,173.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.441196,173.575958,-0.000000>,1.500000
<54.441196,174.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.441196,174.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.441196,174.575958,-0.000000>,1.500000
<54.441196,175.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.441196,175.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.441196,173.575958,-0.000000>,1.500000
<55.083984,174.341995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.083984,174.341995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.083984,174.341995,-0.000000>,1.500000
<55.726772,175.108047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.726772,175.108047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.073116,169.817184,-0.000000>,1.500000
<53.939140,170.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.939140,170.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.939140,170.317184,-0.000000>,1.500000
<54.805168,170.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.805168,170.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.805168,170.817184,-0.000000>,1.500000
<55.789974,170.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.789974,170.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.789974,170.990829,-0.000000>,1.500000
<56.774780,171.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.774780,171.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.805168,170.817184,-0.000000>,1.500000
<55.671192,171.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.671192,171.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.671192,171.317184,-0.000000>,1.500000
<56.537216,171.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.537216,171.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.537216,171.817184,-0.000000>,1.500000
<57.180004,172.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.180004,172.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.180004,172.583237,-0.000000>,1.500000
<57.822792,173.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.822792,173.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.537216,171.817184,-0.000000>,1.500000
<57.522026,171.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.522026,171.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.522026,171.990829,-0.000000>,1.500000
<58.506832,172.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.506832,172.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.458492,148.653748,-0.000000>,1.500000
<43.324516,149.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.324516,149.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.324516,149.153748,-0.000000>,1.500000
<44.190544,149.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.190544,149.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.190544,149.653748,-0.000000>,1.500000
<45.056568,150.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.056568,150.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.056568,150.153748,-0.000000>,1.500000
<45.922596,150.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.922596,150.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.922596,150.653748,-0.000000>,1.500000
<46.788620,151.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.788620,151.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.788620,151.153748,-0.000000>,1.500000
<47.654644,151.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.654644,151.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.654644,151.653748,-0.000000>,1.500000
<48.520672,152.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.520672,152.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.520672,152.153748,-0.000000>,1.500000
<49.386696,152.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.386696,152.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.386696,152.653748,-0.000000>,1.500000
<50.371502,152.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.371502,152.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.371502,152.827393,-0.000000>,1.500000
<51.356312,153.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.356312,153.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.356312,153.001053,-0.000000>,1.500000
<52.341118,153.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.341118,153.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.341118,153.174698,-0.000000>,1.500000
<53.325928,153.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.325928,153.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.325928,153.348343,-0.000000>,1.500000
<54.310734,153.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.310734,153.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.310734,153.174698,-0.000000>,1.500000
<55.295544,153.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.295544,153.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.295544,153.001053,-0.000000>,1.500000
<56.161568,152.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.161568,152.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.161568,152.501053,-0.000000>,1.500000
<57.027592,152.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.027592,152.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.295544,153.001053,-0.000000>,1.500000
<56.280350,152.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.280350,152.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.280350,152.827393,-0.000000>,1.500000
<57.265160,152.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.265160,152.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,152.653748,-0.000000>,1.500000
<58.249966,152.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.249966,152.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.249966,152.827393,-0.000000>,1.500000
<59.234772,153.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.234772,153.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,152.653748,-0.000000>,1.500000
<58.131184,152.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.131184,152.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.131184,152.153748,-0.000000>,1.500000
<58.997208,151.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.997208,151.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.325928,153.348343,-0.000000>,1.500000
<54.310734,153.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.310734,153.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.310734,153.521988,-0.000000>,1.500000
<55.295544,153.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.295544,153.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.295544,153.695633,-0.000000>,1.500000
<56.280350,153.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.280350,153.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.280350,153.869293,-0.000000>,1.500000
<57.265160,154.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.265160,154.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,154.042938,-0.000000>,1.500000
<58.131184,154.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.131184,154.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.131184,154.542938,-0.000000>,1.500000
<58.997208,155.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.997208,155.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.997208,155.042938,-0.000000>,1.500000
<59.982018,155.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.982018,155.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.982018,155.216583,-0.000000>,1.500000
<60.966824,155.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.966824,155.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.997208,155.042938,-0.000000>,1.500000
<59.863235,155.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.863235,155.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.863235,155.542938,-0.000000>,1.500000
<60.729259,156.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.729259,156.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.729259,156.042938,-0.000000>,1.500000
<61.372047,156.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.372047,156.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.372047,156.808975,-0.000000>,1.500000
<62.014835,157.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.014835,157.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.729259,156.042938,-0.000000>,1.500000
<61.714066,156.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.714066,156.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.714066,156.216583,-0.000000>,1.500000
<62.698875,156.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.698875,156.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,154.042938,-0.000000>,1.500000
<58.249966,153.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.249966,153.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.249966,153.869293,-0.000000>,1.500000
<59.234772,153.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.234772,153.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.234772,153.695633,-0.000000>,1.500000
<60.100800,153.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.100800,153.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.100800,153.195633,-0.000000>,1.500000
<60.966824,152.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.966824,152.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.234772,153.695633,-0.000000>,1.500000
<60.219582,153.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.219582,153.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.219582,153.521988,-0.000000>,1.500000
<61.204388,153.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.204388,153.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.204388,153.348343,-0.000000>,1.500000
<62.189198,153.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.189198,153.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.189198,153.521988,-0.000000>,1.500000
<63.174004,153.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.174004,153.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.204388,153.348343,-0.000000>,1.500000
<62.070415,152.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.070415,152.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.070415,152.848343,-0.000000>,1.500000
<62.936440,152.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.936440,152.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.386696,152.653748,-0.000000>,1.500000
<50.252720,153.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.252720,153.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.252720,153.153748,-0.000000>,1.500000
<51.118748,153.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.118748,153.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.118748,153.653748,-0.000000>,1.500000
<51.984772,154.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.984772,154.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.984772,154.153748,-0.000000>,1.500000
<52.850796,154.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.850796,154.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.850796,154.653748,-0.000000>,1.500000
<53.716824,155.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.716824,155.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.716824,155.153748,-0.000000>,1.500000
<54.582848,155.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.582848,155.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.582848,155.653748,-0.000000>,1.500000
<55.448875,156.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.448875,156.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.448875,156.153748,-0.000000>,1.500000
<56.314899,156.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.314899,156.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.314899,156.653748,-0.000000>,1.500000
<56.957687,157.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.957687,157.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.957687,157.419800,-0.000000>,1.500000
<57.600475,158.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.600475,158.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.600475,158.185837,-0.000000>,1.500000
<58.243263,158.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.243263,158.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.243263,158.951889,-0.000000>,1.500000
<58.886051,159.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.886051,159.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.886051,159.717926,-0.000000>,1.500000
<59.752075,160.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.752075,160.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.752075,160.217926,-0.000000>,1.500000
<60.618099,160.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.618099,160.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.618099,160.717926,-0.000000>,1.500000
<61.602909,160.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.602909,160.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.602909,160.891571,-0.000000>,1.500000
<62.587715,161.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.587715,161.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.618099,160.717926,-0.000000>,1.500000
<61.484127,161.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.484127,161.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.484127,161.217926,-0.000000>,1.500000
<62.350151,161.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.350151,161.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.350151,161.717926,-0.000000>,1.500000
<62.992939,162.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.992939,162.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.992939,162.483978,-0.000000>,1.500000
<63.635727,163.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.635727,163.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.350151,161.717926,-0.000000>,1.500000
<63.334957,161.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.334957,161.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.334957,161.891571,-0.000000>,1.500000
<64.319763,162.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.319763,162.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.886051,159.717926,-0.000000>,1.500000
<59.528835,160.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.528835,160.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.528835,160.483978,-0.000000>,1.500000
<60.171623,161.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.171623,161.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.171623,161.250015,-0.000000>,1.500000
<60.814411,162.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.814411,162.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.814411,162.016068,-0.000000>,1.500000
<61.457199,162.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.457199,162.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.457199,162.782104,-0.000000>,1.500000
<61.799221,163.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.799221,163.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.799221,163.721802,-0.000000>,1.500000
<62.141239,164.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.141239,164.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.141239,164.661484,-0.000000>,1.500000
<62.784027,165.427536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.784027,165.427536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.784027,165.427536,-0.000000>,1.500000
<63.426815,166.193573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.426815,166.193573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.141239,164.661484,-0.000000>,1.500000
<62.483261,165.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.483261,165.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.483261,165.601181,-0.000000>,1.500000
<62.825279,166.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.825279,166.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.825279,166.540878,-0.000000>,1.500000
<62.825279,167.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.825279,167.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.825279,167.540878,-0.000000>,1.500000
<62.825279,168.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.825279,168.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.825279,166.540878,-0.000000>,1.500000
<63.468067,167.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.468067,167.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.468067,167.306915,-0.000000>,1.500000
<64.110855,168.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.110855,168.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.457199,162.782104,-0.000000>,1.500000
<62.323227,163.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.323227,163.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.323227,163.282104,-0.000000>,1.500000
<63.189251,163.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.189251,163.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.189251,163.782104,-0.000000>,1.500000
<64.174057,163.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.174057,163.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.174057,163.955750,-0.000000>,1.500000
<65.158867,164.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.158867,164.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.189251,163.782104,-0.000000>,1.500000
<64.055275,164.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.055275,164.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.055275,164.282104,-0.000000>,1.500000
<64.921303,164.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.921303,164.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.921303,164.782104,-0.000000>,1.500000
<65.564087,165.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.564087,165.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.564087,165.548157,-0.000000>,1.500000
<66.206879,166.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.206879,166.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.921303,164.782104,-0.000000>,1.500000
<65.906113,164.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.906113,164.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.906113,164.955750,-0.000000>,1.500000
<66.890915,165.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.890915,165.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.314899,156.653748,-0.000000>,1.500000
<57.299706,156.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.299706,156.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.299706,156.827393,-0.000000>,1.500000
<58.284515,157.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.284515,157.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.284515,157.001053,-0.000000>,1.500000
<59.269321,157.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.269321,157.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.269321,157.174698,-0.000000>,1.500000
<60.254131,157.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.254131,157.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.254131,157.348343,-0.000000>,1.500000
<61.238937,157.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.238937,157.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.238937,157.174698,-0.000000>,1.500000
<62.223747,157.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.223747,157.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.223747,157.001053,-0.000000>,1.500000
<63.089771,156.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.089771,156.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.089771,156.501053,-0.000000>,1.500000
<63.955795,156.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.955795,156.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.223747,157.001053,-0.000000>,1.500000
<63.208553,156.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.208553,156.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.208553,156.827393,-0.000000>,1.500000
<64.193359,156.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.193359,156.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,156.653748,-0.000000>,1.500000
<65.178169,156.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.178169,156.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.178169,156.827393,-0.000000>,1.500000
<66.162979,157.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.162979,157.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,156.653748,-0.000000>,1.500000
<65.059387,156.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.059387,156.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.059387,156.153748,-0.000000>,1.500000
<65.925415,155.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.925415,155.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.254131,157.348343,-0.000000>,1.500000
<61.238937,157.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.238937,157.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.238937,157.521988,-0.000000>,1.500000
<62.223747,157.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.223747,157.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.223747,157.695633,-0.000000>,1.500000
<63.208553,157.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.208553,157.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.208553,157.869293,-0.000000>,1.500000
<64.193359,158.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.193359,158.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,158.042938,-0.000000>,1.500000
<65.059387,158.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.059387,158.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.059387,158.542938,-0.000000>,1.500000
<65.925415,159.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.925415,159.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.925415,159.042938,-0.000000>,1.500000
<66.910217,159.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.910217,159.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.910217,159.216583,-0.000000>,1.500000
<67.895027,159.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.895027,159.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.925415,159.042938,-0.000000>,1.500000
<66.791435,159.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.791435,159.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.791435,159.542938,-0.000000>,1.500000
<67.657463,160.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.657463,160.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.657463,160.042938,-0.000000>,1.500000
<68.300247,160.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.300247,160.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.300247,160.808975,-0.000000>,1.500000
<68.943039,161.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.943039,161.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.657463,160.042938,-0.000000>,1.500000
<68.642273,160.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.642273,160.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.642273,160.216583,-0.000000>,1.500000
<69.627075,160.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<69.627075,160.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,158.042938,-0.000000>,1.500000
<65.178169,157.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.178169,157.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.178169,157.869293,-0.000000>,1.500000
<66.162979,157.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.162979,157.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.162979,157.695633,-0.000000>,1.500000
<67.028999,157.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.028999,157.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.028999,157.195633,-0.000000>,1.500000
<67.895027,156.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.895027,156.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.162979,157.695633,-0.000000>,1.500000
<67.147781,157.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.147781,157.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.147781,157.521988,-0.000000>,1.500000
<68.132591,157.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.132591,157.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.132591,157.348343,-0.000000>,1.500000
<69.117401,157.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<69.117401,157.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<69.117401,157.521988,-0.000000>,1.500000
<70.102211,157.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<70.102211,157.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.132591,157.348343,-0.000000>,1.500000
<68.998619,156.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.998619,156.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.998619,156.848343,-0.000000>,1.500000
<69.864639,156.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<69.864639,156.348343,-0.000000>,1.500000
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
<-0.342020,128.939697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,128.939697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,128.939697,-0.000000>,1.500000
<-0.684040,129.879379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,129.879379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,129.879379,-0.000000>,1.500000
<-1.026060,130.819077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,130.819077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,130.819077,-0.000000>,1.500000
<-1.368081,131.758774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,131.758774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,131.758774,-0.000000>,1.500000
<-1.710101,132.698456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,132.698456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,132.698456,-0.000000>,1.500000
<-2.052121,133.638153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,133.638153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,133.638153,-0.000000>,1.500000
<-2.394141,134.577850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,134.577850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,134.577850,-0.000000>,1.500000
<-2.736161,135.517548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,135.517548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,135.517548,-0.000000>,1.500000
<-3.078181,136.457230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,136.457230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,136.457230,-0.000000>,1.500000
<-3.420202,137.396927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,137.396927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,137.396927,-0.000000>,1.500000
<-3.762222,138.336624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,138.336624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,138.336624,-0.000000>,1.500000
<-4.104242,139.276306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,139.276306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,139.276306,-0.000000>,1.500000
<-4.446262,140.216003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,140.216003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,140.216003,-0.000000>,1.500000
<-4.788282,141.155701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,141.155701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,141.155701,-0.000000>,1.500000
<-5.130302,142.095383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,142.095383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.130302,142.095383,-0.000000>,1.500000
<-5.472322,143.035080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,143.035080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,143.035080,-0.000000>,1.500000
<-5.814342,143.974777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,143.974777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,143.974777,-0.000000>,1.500000
<-6.156363,144.914474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,144.914474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,144.914474,-0.000000>,1.500000
<-6.498383,145.854156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,145.854156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,145.854156,-0.000000>,1.500000
<-6.840403,146.793854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,146.793854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,146.793854,-0.000000>,1.500000
<-7.182423,147.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,147.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,147.733551,-0.000000>,1.500000
<-7.524443,148.673233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,148.673233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,148.673233,-0.000000>,1.500000
<-7.866463,149.612930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,149.612930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.866463,149.612930,-0.000000>,1.500000
<-8.208484,150.552628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.208484,150.552628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,150.552628,-0.000000>,1.500000
<-8.550504,151.492310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,151.492310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.550504,151.492310,-0.000000>,1.500000
<-8.892524,152.432007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,152.432007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,152.432007,-0.000000>,1.500000
<-9.234544,153.371704,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,153.371704,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.234544,153.371704,-0.000000>,1.500000
<-9.576564,154.311386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.576564,154.311386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.576564,154.311386,-0.000000>,1.500000
<-9.918584,155.251083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918584,155.251083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918584,155.251083,-0.000000>,1.500000
<-10.260604,156.190781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.260604,156.190781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.260604,156.190781,-0.000000>,1.500000
<-10.602625,157.130478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.602625,157.130478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.602625,157.130478,-0.000000>,1.500000
<-10.944645,158.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,158.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,158.070160,-0.000000>,1.500000
<-10.944645,159.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,159.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,159.070160,-0.000000>,1.500000
<-10.944645,160.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,160.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,160.070160,-0.000000>,1.500000
<-10.944645,161.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,161.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,161.070160,-0.000000>,1.500000
<-10.944645,162.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,162.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,162.070160,-0.000000>,1.500000
<-10.944645,163.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,163.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,163.070160,-0.000000>,1.500000
<-10.944645,164.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,164.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,164.070160,-0.000000>,1.500000
<-10.944645,165.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,165.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,165.070160,-0.000000>,1.500000
<-10.944645,166.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,166.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,166.070160,-0.000000>,1.500000
<-10.944645,167.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,167.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,167.070160,-0.000000>,1.500000
<-10.944645,168.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,168.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,168.070160,-0.000000>,1.500000
<-10.944645,169.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,169.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,169.070160,-0.000000>,1.500000
<-10.944645,170.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,170.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,170.070160,-0.000000>,1.500000
<-10.944645,171.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,171.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,171.070160,-0.000000>,1.500000
<-10.944645,172.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,172.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,172.070160,-0.000000>,1.500000
<-10.944645,173.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,173.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,173.070160,-0.000000>,1.500000
<-10.944645,174.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,174.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,174.070160,-0.000000>,1.500000
<-10.602625,175.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.602625,175.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.602625,175.009857,-0.000000>,1.500000
<-10.260604,175.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.260604,175.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.260604,175.949554,-0.000000>,1.500000
<-9.918584,176.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918584,176.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918584,176.889236,-0.000000>,1.500000
<-9.576564,177.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.576564,177.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.576564,177.828934,-0.000000>,1.500000
<-9.234544,178.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,178.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.234544,178.768631,-0.000000>,1.500000
<-8.892524,179.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,179.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,179.708313,-0.000000>,1.500000
<-8.550504,180.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,180.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.550504,180.648010,-0.000000>,1.500000
<-8.208484,181.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.208484,181.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,181.587708,-0.000000>,1.500000
<-7.565696,182.353745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.565696,182.353745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.565696,182.353745,-0.000000>,1.500000
<-6.922908,183.119797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.922908,183.119797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.922908,183.119797,-0.000000>,1.500000
<-6.280121,183.885834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.280121,183.885834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.280121,183.885834,-0.000000>,1.500000
<-5.637333,184.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637333,184.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637333,184.651886,-0.000000>,1.500000
<-4.771307,185.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.771307,185.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.771307,185.151886,-0.000000>,1.500000
<-3.905282,185.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.905282,185.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.905282,185.651886,-0.000000>,1.500000
<-2.920475,185.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.920475,185.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.920475,185.825531,-0.000000>,1.500000
<-1.935667,185.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.935667,185.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.905282,185.651886,-0.000000>,1.500000
<-3.039257,186.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.039257,186.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.039257,186.151886,-0.000000>,1.500000
<-2.173231,186.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.173231,186.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.173231,186.651886,-0.000000>,1.500000
<-1.530444,187.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530444,187.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530444,187.417923,-0.000000>,1.500000
<-0.887656,188.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.887656,188.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.173231,186.651886,-0.000000>,1.500000
<-1.188424,186.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.188424,186.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.188424,186.825531,-0.000000>,1.500000
<-0.203616,186.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.203616,186.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637333,184.651886,-0.000000>,1.500000
<-4.994545,185.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.994545,185.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.994545,185.417923,-0.000000>,1.500000
<-4.351758,186.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.351758,186.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.351758,186.183975,-0.000000>,1.500000
<-3.708970,186.950012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.708970,186.950012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.708970,186.950012,-0.000000>,1.500000
<-3.066183,187.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.066183,187.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.066183,187.716064,-0.000000>,1.500000
<-2.724162,188.655746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.724162,188.655746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.724162,188.655746,-0.000000>,1.500000
<-2.382142,189.595444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.382142,189.595444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.382142,189.595444,-0.000000>,1.500000
<-1.739355,190.361496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.739355,190.361496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.739355,190.361496,-0.000000>,1.500000
<-1.096567,191.127533,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.096567,191.127533,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.382142,189.595444,-0.000000>,1.500000
<-2.040122,190.535141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.040122,190.535141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.040122,190.535141,-0.000000>,1.500000
<-1.698102,191.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.698102,191.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.698102,191.474838,-0.000000>,1.500000
<-1.698102,192.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.698102,192.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.698102,192.474838,-0.000000>,1.500000
<-1.698102,193.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.698102,193.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.698102,191.474838,-0.000000>,1.500000
<-1.055314,192.240875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.055314,192.240875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.055314,192.240875,-0.000000>,1.500000
<-0.412527,193.006912,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.412527,193.006912,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.066183,187.716064,-0.000000>,1.500000
<-2.200157,188.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.200157,188.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.200157,188.216064,-0.000000>,1.500000
<-1.334132,188.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.334132,188.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.334132,188.716064,-0.000000>,1.500000
<-0.349324,188.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.349324,188.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.349324,188.889709,-0.000000>,1.500000
<0.635484,189.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.635484,189.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.334132,188.716064,-0.000000>,1.500000
<-0.468106,189.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.468106,189.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.468106,189.216064,-0.000000>,1.500000
<0.397919,189.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.397919,189.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.397919,189.716064,-0.000000>,1.500000
<1.040707,190.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.040707,190.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.040707,190.482101,-0.000000>,1.500000
<1.683494,191.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.683494,191.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.397919,189.716064,-0.000000>,1.500000
<1.382727,189.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.382727,189.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.382727,189.889709,-0.000000>,1.500000
<2.367535,190.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.367535,190.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,181.587708,-0.000000>,1.500000
<-7.866463,182.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,182.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.866463,182.527405,-0.000000>,1.500000
<-7.524443,183.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,183.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,183.467087,-0.000000>,1.500000
<-7.182423,184.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,184.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,184.406784,-0.000000>,1.500000
<-6.840403,185.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,185.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,185.346481,-0.000000>,1.500000
<-6.498383,186.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,186.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,186.286163,-0.000000>,1.500000
<-6.156363,187.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,187.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,187.225861,-0.000000>,1.500000
<-5.814342,188.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,188.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,188.165558,-0.000000>,1.500000
<-5.472322,189.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,189.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,189.105240,-0.000000>,1.500000
<-5.472322,190.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,190.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,190.105240,-0.000000>,1.500000
<-5.472322,191.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,191.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,191.105240,-0.000000>,1.500000
<-5.472322,192.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,192.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,192.105240,-0.000000>,1.500000
<-5.472322,193.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,193.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,193.105240,-0.000000>,1.500000
<-5.130302,194.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,194.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.130302,194.044937,-0.000000>,1.500000
<-4.788282,194.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,194.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,194.984634,-0.000000>,1.500000
<-4.145494,195.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.145494,195.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.145494,195.750671,-0.000000>,1.500000
<-3.502707,196.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.502707,196.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,194.984634,-0.000000>,1.500000
<-4.446262,195.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,195.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,195.924316,-0.000000>,1.500000
<-4.104242,196.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,196.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,196.864014,-0.000000>,1.500000
<-4.104242,197.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,197.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,197.864014,-0.000000>,1.500000
<-4.104242,198.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,198.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,196.864014,-0.000000>,1.500000
<-3.461454,197.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.461454,197.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.461454,197.630066,-0.000000>,1.500000
<-2.818666,198.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.818666,198.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,193.105240,-0.000000>,1.500000
<-5.472322,194.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,194.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,194.105240,-0.000000>,1.500000
<-5.472322,195.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,195.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,195.105240,-0.000000>,1.500000
<-5.472322,196.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,196.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,196.105240,-0.000000>,1.500000
<-5.472322,197.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,197.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,197.105240,-0.000000>,1.500000
<-5.814342,198.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,198.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,198.044937,-0.000000>,1.500000
<-6.156363,198.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,198.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,198.984634,-0.000000>,1.500000
<-6.156363,199.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,199.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,199.984634,-0.000000>,1.500000
<-6.156363,200.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,200.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,198.984634,-0.000000>,1.500000
<-6.498383,199.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,199.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,199.924316,-0.000000>,1.500000
<-6.840403,200.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,200.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,200.864014,-0.000000>,1.500000
<-7.483191,201.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483191,201.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483191,201.630066,-0.000000>,1.500000
<-8.125978,202.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.125978,202.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,200.864014,-0.000000>,1.500000
<-6.840403,201.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,201.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,201.864014,-0.000000>,1.500000
<-6.840403,202.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,202.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,197.105240,-0.000000>,1.500000
<-5.130302,198.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,198.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.130302,198.044937,-0.000000>,1.500000
<-4.788282,198.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,198.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,198.984634,-0.000000>,1.500000
<-4.145494,199.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.145494,199.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.145494,199.750671,-0.000000>,1.500000
<-3.502707,200.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.502707,200.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,198.984634,-0.000000>,1.500000
<-4.446262,199.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,199.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,199.924316,-0.000000>,1.500000
<-4.104242,200.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,200.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,200.864014,-0.000000>,1.500000
<-4.104242,201.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,201.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,201.864014,-0.000000>,1.500000
<-4.104242,202.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,202.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,200.864014,-0.000000>,1.500000
<-3.461454,201.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.461454,201.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.461454,201.630066,-0.000000>,1.500000
<-2.818666,202.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.818666,202.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,189.105240,-0.000000>,1.500000
<-4.829535,189.871292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.829535,189.871292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.829535,189.871292,-0.000000>,1.500000
<-4.186747,190.637329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.186747,190.637329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.186747,190.637329,-0.000000>,1.500000
<-3.543959,191.403381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.543959,191.403381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.543959,191.403381,-0.000000>,1.500000
<-2.901172,192.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.901172,192.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.901172,192.169418,-0.000000>,1.500000
<-2.035146,192.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.035146,192.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.035146,192.669418,-0.000000>,1.500000
<-1.169121,193.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.169121,193.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.169121,193.169418,-0.000000>,1.500000
<-0.184313,193.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184313,193.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184313,193.343079,-0.000000>,1.500000
<0.800494,193.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.800494,193.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.169121,193.169418,-0.000000>,1.500000
<-0.303096,193.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.303096,193.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.303096,193.669418,-0.000000>,1.500000
<0.562930,194.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.562930,194.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.562930,194.169418,-0.000000>,1.500000
<1.205717,194.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.205717,194.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.205717,194.935471,-0.000000>,1.500000
<1.848505,195.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.848505,195.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.562930,194.169418,-0.000000>,1.500000
<1.547737,194.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547737,194.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547737,194.343079,-0.000000>,1.500000
<2.532545,194.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.532545,194.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.901172,192.169418,-0.000000>,1.500000
<-2.258384,192.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.258384,192.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.258384,192.935471,-0.000000>,1.500000
<-1.615597,193.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.615597,193.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.615597,193.701508,-0.000000>,1.500000
<-0.972809,194.467560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.972809,194.467560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.972809,194.467560,-0.000000>,1.500000
<-0.330021,195.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.330021,195.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.330021,195.233597,-0.000000>,1.500000
<0.011999,196.173294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.011999,196.173294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.011999,196.173294,-0.000000>,1.500000
<0.354019,197.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.354019,197.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.354019,197.112991,-0.000000>,1.500000
<0.996807,197.879028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.996807,197.879028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.996807,197.879028,-0.000000>,1.500000
<1.639594,198.645081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.639594,198.645081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.354019,197.112991,-0.000000>,1.500000
<0.696039,198.052673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.696039,198.052673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.696039,198.052673,-0.000000>,1.500000
<1.038059,198.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038059,198.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.038059,198.992371,-0.000000>,1.500000
<1.038059,199.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038059,199.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.038059,199.992371,-0.000000>,1.500000
<1.038059,200.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038059,200.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.038059,198.992371,-0.000000>,1.500000
<1.680847,199.758423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.680847,199.758423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.680847,199.758423,-0.000000>,1.500000
<2.323634,200.524460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.323634,200.524460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.330021,195.233597,-0.000000>,1.500000
<0.536004,195.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.536004,195.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.536004,195.733597,-0.000000>,1.500000
<1.402029,196.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.402029,196.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.402029,196.233597,-0.000000>,1.500000
<2.386837,196.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.386837,196.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.386837,196.407257,-0.000000>,1.500000
<3.371645,196.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.371645,196.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.402029,196.233597,-0.000000>,1.500000
<2.268055,196.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.268055,196.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.268055,196.733597,-0.000000>,1.500000
<3.134080,197.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.134080,197.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.134080,197.233597,-0.000000>,1.500000
<3.776868,197.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.776868,197.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.776868,197.999649,-0.000000>,1.500000
<4.419655,198.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.419655,198.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.134080,197.233597,-0.000000>,1.500000
<4.118888,197.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.118888,197.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.118888,197.407257,-0.000000>,1.500000
<5.103696,197.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.103696,197.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,174.070160,-0.000000>,1.500000
<-10.944645,175.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,175.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,175.070160,-0.000000>,1.500000
<-10.944645,176.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,176.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,176.070160,-0.000000>,1.500000
<-10.944645,177.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,177.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,177.070160,-0.000000>,1.500000
<-10.944645,178.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,178.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,178.070160,-0.000000>,1.500000
<-10.944645,179.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,179.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,179.070160,-0.000000>,1.500000
<-10.944645,180.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,180.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,180.070160,-0.000000>,1.500000
<-10.944645,181.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,181.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,181.070160,-0.000000>,1.500000
<-10.944645,182.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,182.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,182.070160,-0.000000>,1.500000
<-10.944645,183.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,183.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,183.070160,-0.000000>,1.500000
<-10.944645,184.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,184.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,184.070160,-0.000000>,1.500000
<-10.944645,185.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,185.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,185.070160,-0.000000>,1.500000
<-10.944645,186.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,186.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,186.070160,-0.000000>,1.500000
<-10.944645,187.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,187.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,187.070160,-0.000000>,1.500000
<-10.944645,188.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,188.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,188.070160,-0.000000>,1.500000
<-10.944645,189.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,189.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,189.070160,-0.000000>,1.500000
<-10.944645,190.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.944645,190.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,190.070160,-0.000000>,1.500000
<-11.286665,191.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.286665,191.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.286665,191.009857,-0.000000>,1.500000
<-11.628685,191.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.628685,191.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.628685,191.949554,-0.000000>,1.500000
<-11.970705,192.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.970705,192.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970705,192.889236,-0.000000>,1.500000
<-12.312725,193.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,193.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,193.828934,-0.000000>,1.500000
<-12.654745,194.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.654745,194.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.654745,194.768631,-0.000000>,1.500000
<-12.996765,195.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.996765,195.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.996765,195.708313,-0.000000>,1.500000
<-13.338785,196.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.338785,196.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.338785,196.648010,-0.000000>,1.500000
<-13.680806,197.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,197.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,197.587708,-0.000000>,1.500000
<-13.680806,198.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,198.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,198.587708,-0.000000>,1.500000
<-13.680806,199.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,199.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,199.587708,-0.000000>,1.500000
<-13.680806,200.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,200.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,200.587708,-0.000000>,1.500000
<-13.680806,201.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,201.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,201.587708,-0.000000>,1.500000
<-13.338785,202.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.338785,202.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.338785,202.527405,-0.000000>,1.500000
<-12.996765,203.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.996765,203.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.996765,203.467087,-0.000000>,1.500000
<-12.353978,204.233139,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.353978,204.233139,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.353978,204.233139,-0.000000>,1.500000
<-11.711190,204.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.711190,204.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.996765,203.467087,-0.000000>,1.500000
<-12.654745,204.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.654745,204.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.654745,204.406784,-0.000000>,1.500000
<-12.312725,205.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,205.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,205.346481,-0.000000>,1.500000
<-12.312725,206.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,206.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,206.346481,-0.000000>,1.500000
<-12.312725,207.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,207.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,205.346481,-0.000000>,1.500000
<-11.669937,206.112518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.669937,206.112518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.669937,206.112518,-0.000000>,1.500000
<-11.027150,206.878571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.027150,206.878571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,201.587708,-0.000000>,1.500000
<-13.680806,202.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,202.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,202.587708,-0.000000>,1.500000
<-13.680806,203.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,203.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,203.587708,-0.000000>,1.500000
<-13.680806,204.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,204.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,204.587708,-0.000000>,1.500000
<-13.680806,205.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,205.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,205.587708,-0.000000>,1.500000
<-14.022826,206.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.022826,206.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.022826,206.527405,-0.000000>,1.500000
<-14.364846,207.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.364846,207.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.364846,207.467087,-0.000000>,1.500000
<-14.364846,208.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.364846,208.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.364846,208.467087,-0.000000>,1.500000
<-14.364846,209.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.364846,209.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.364846,207.467087,-0.000000>,1.500000
<-14.706866,208.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.706866,208.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.706866,208.406784,-0.000000>,1.500000
<-15.048886,209.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,209.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,209.346481,-0.000000>,1.500000
<-15.691674,210.112518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.691674,210.112518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.691674,210.112518,-0.000000>,1.500000
<-16.334461,210.878571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.334461,210.878571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,209.346481,-0.000000>,1.500000
<-15.048886,210.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,210.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,210.346481,-0.000000>,1.500000
<-15.048886,211.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,211.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,205.587708,-0.000000>,1.500000
<-13.338785,206.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.338785,206.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.338785,206.527405,-0.000000>,1.500000
<-12.996765,207.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.996765,207.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.996765,207.467087,-0.000000>,1.500000
<-12.353978,208.233139,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.353978,208.233139,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.353978,208.233139,-0.000000>,1.500000
<-11.711190,208.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.711190,208.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.996765,207.467087,-0.000000>,1.500000
<-12.654745,208.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.654745,208.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.654745,208.406784,-0.000000>,1.500000
<-12.312725,209.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,209.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,209.346481,-0.000000>,1.500000
<-12.312725,210.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,210.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,210.346481,-0.000000>,1.500000
<-12.312725,211.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,211.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,209.346481,-0.000000>,1.500000
<-11.669937,210.112518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.669937,210.112518,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.669937,210.112518,-0.000000>,1.500000
<-11.027150,210.878571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.027150,210.878571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,197.587708,-0.000000>,1.500000
<-14.022826,198.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.022826,198.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.022826,198.527405,-0.000000>,1.500000
<-14.364846,199.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.364846,199.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.364846,199.467087,-0.000000>,1.500000
<-14.706866,200.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.706866,200.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.706866,200.406784,-0.000000>,1.500000
<-15.048886,201.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,201.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,201.346481,-0.000000>,1.500000
<-15.390906,202.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,202.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,202.286163,-0.000000>,1.500000
<-15.732926,203.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,203.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,203.225861,-0.000000>,1.500000
<-16.074947,204.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,204.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,204.165558,-0.000000>,1.500000
<-16.416967,205.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,205.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,205.105240,-0.000000>,1.500000
<-17.059755,205.871292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.059755,205.871292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.059755,205.871292,-0.000000>,1.500000
<-17.702541,206.637329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.702541,206.637329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.702541,206.637329,-0.000000>,1.500000
<-18.345329,207.403381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.345329,207.403381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.345329,207.403381,-0.000000>,1.500000
<-18.988117,208.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.988117,208.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.988117,208.169418,-0.000000>,1.500000
<-19.330137,209.109116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.330137,209.109116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.330137,209.109116,-0.000000>,1.500000
<-19.672157,210.048813,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.672157,210.048813,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.672157,210.048813,-0.000000>,1.500000
<-19.672157,211.048813,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.672157,211.048813,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.672157,211.048813,-0.000000>,1.500000
<-19.672157,212.048813,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.672157,212.048813,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.672157,210.048813,-0.000000>,1.500000
<-20.014177,210.988495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.014177,210.988495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.014177,210.988495,-0.000000>,1.500000
<-20.356197,211.928192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.356197,211.928192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.356197,211.928192,-0.000000>,1.500000
<-20.998985,212.694244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.998985,212.694244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.998985,212.694244,-0.000000>,1.500000
<-21.641773,213.460281,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.641773,213.460281,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.356197,211.928192,-0.000000>,1.500000
<-20.356197,212.928192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.356197,212.928192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.356197,212.928192,-0.000000>,1.500000
<-20.356197,213.928192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.356197,213.928192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.988117,208.169418,-0.000000>,1.500000
<-19.630905,208.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.630905,208.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.630905,208.935471,-0.000000>,1.500000
<-20.273693,209.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.273693,209.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.273693,209.701508,-0.000000>,1.500000
<-20.916481,210.467560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.916481,210.467560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.916481,210.467560,-0.000000>,1.500000
<-21.559267,211.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.559267,211.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.559267,211.233597,-0.000000>,1.500000
<-22.425293,211.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.425293,211.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.425293,211.733597,-0.000000>,1.500000
<-23.291319,212.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.291319,212.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.291319,212.233597,-0.000000>,1.500000
<-23.934107,212.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.934107,212.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.934107,212.999649,-0.000000>,1.500000
<-24.576893,213.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.576893,213.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.291319,212.233597,-0.000000>,1.500000
<-24.157345,212.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.157345,212.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.157345,212.733597,-0.000000>,1.500000
<-25.023369,213.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.023369,213.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.023369,213.233597,-0.000000>,1.500000
<-26.008177,213.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.008177,213.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.008177,213.407257,-0.000000>,1.500000
<-26.992985,213.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.992985,213.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.023369,213.233597,-0.000000>,1.500000
<-25.666157,213.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.666157,213.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.666157,213.999649,-0.000000>,1.500000
<-26.308945,214.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.308945,214.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.559267,211.233597,-0.000000>,1.500000
<-21.901287,212.173294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.901287,212.173294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.901287,212.173294,-0.000000>,1.500000
<-22.243307,213.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.243307,213.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.243307,213.112991,-0.000000>,1.500000
<-22.243307,214.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.243307,214.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.243307,214.112991,-0.000000>,1.500000
<-22.243307,215.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.243307,215.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.243307,213.112991,-0.000000>,1.500000
<-22.585329,214.052673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.585329,214.052673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.585329,214.052673,-0.000000>,1.500000
<-22.927349,214.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.927349,214.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.927349,214.992371,-0.000000>,1.500000
<-23.570135,215.758423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.570135,215.758423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.570135,215.758423,-0.000000>,1.500000
<-24.212923,216.524460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.212923,216.524460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.927349,214.992371,-0.000000>,1.500000
<-22.927349,215.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.927349,215.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.927349,215.992371,-0.000000>,1.500000
<-22.927349,216.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.927349,216.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,205.105240,-0.000000>,1.500000
<-16.416967,206.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,206.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,206.105240,-0.000000>,1.500000
<-16.416967,207.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,207.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,207.105240,-0.000000>,1.500000
<-16.416967,208.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,208.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,208.105240,-0.000000>,1.500000
<-16.416967,209.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,209.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,209.105240,-0.000000>,1.500000
<-16.074947,210.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,210.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,210.044937,-0.000000>,1.500000
<-15.732926,210.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,210.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,210.984634,-0.000000>,1.500000
<-15.090139,211.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.090139,211.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.090139,211.750671,-0.000000>,1.500000
<-14.447351,212.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.447351,212.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,210.984634,-0.000000>,1.500000
<-15.390906,211.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,211.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,211.924316,-0.000000>,1.500000
<-15.048886,212.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,212.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,212.864014,-0.000000>,1.500000
<-15.048886,213.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,213.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,213.864014,-0.000000>,1.500000
<-15.048886,214.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,214.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,212.864014,-0.000000>,1.500000
<-14.406098,213.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.406098,213.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.406098,213.630066,-0.000000>,1.500000
<-13.763311,214.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.763311,214.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,209.105240,-0.000000>,1.500000
<-16.416967,210.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,210.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,210.105240,-0.000000>,1.500000
<-16.416967,211.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,211.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,211.105240,-0.000000>,1.500000
<-16.416967,212.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,212.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,212.105240,-0.000000>,1.500000
<-16.416967,213.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,213.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,213.105240,-0.000000>,1.500000
<-16.758987,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.758987,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.758987,214.044937,-0.000000>,1.500000
<-17.101007,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,214.984634,-0.000000>,1.500000
<-17.101007,215.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,215.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,215.984634,-0.000000>,1.500000
<-17.101007,216.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,216.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,214.984634,-0.000000>,1.500000
<-17.443027,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.443027,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.443027,215.924316,-0.000000>,1.500000
<-17.785048,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,216.864014,-0.000000>,1.500000
<-18.427835,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.427835,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.427835,217.630066,-0.000000>,1.500000
<-19.070623,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.070623,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,216.864014,-0.000000>,1.500000
<-17.785048,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,217.864014,-0.000000>,1.500000
<-17.785048,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,213.105240,-0.000000>,1.500000
<-16.074947,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,214.044937,-0.000000>,1.500000
<-15.732926,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,214.984634,-0.000000>,1.500000
<-15.090139,215.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.090139,215.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.090139,215.750671,-0.000000>,1.500000
<-14.447351,216.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.447351,216.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,214.984634,-0.000000>,1.500000
<-15.390906,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,215.924316,-0.000000>,1.500000
<-15.048886,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,216.864014,-0.000000>,1.500000
<-15.048886,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,217.864014,-0.000000>,1.500000
<-15.048886,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,216.864014,-0.000000>,1.500000
<-14.406098,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.406098,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.406098,217.630066,-0.000000>,1.500000
<-13.763311,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.763311,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,190.070160,-0.000000>,1.500000
<-10.602625,191.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.602625,191.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.602625,191.009857,-0.000000>,1.500000
<-10.260604,191.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.260604,191.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.260604,191.949554,-0.000000>,1.500000
<-9.918584,192.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918584,192.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918584,192.889236,-0.000000>,1.500000
<-9.576564,193.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.576564,193.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.576564,193.828934,-0.000000>,1.500000
<-9.234544,194.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,194.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.234544,194.768631,-0.000000>,1.500000
<-8.892524,195.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,195.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,195.708313,-0.000000>,1.500000
<-8.550504,196.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,196.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.550504,196.648010,-0.000000>,1.500000
<-8.208484,197.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.208484,197.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,197.587708,-0.000000>,1.500000
<-7.565696,198.353745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.565696,198.353745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.565696,198.353745,-0.000000>,1.500000
<-6.922908,199.119797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.922908,199.119797,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.922908,199.119797,-0.000000>,1.500000
<-6.280121,199.885834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.280121,199.885834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.280121,199.885834,-0.000000>,1.500000
<-5.637333,200.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637333,200.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637333,200.651886,-0.000000>,1.500000
<-4.771307,201.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.771307,201.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.771307,201.151886,-0.000000>,1.500000
<-3.905282,201.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.905282,201.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.905282,201.651886,-0.000000>,1.500000
<-2.920475,201.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.920475,201.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.920475,201.825531,-0.000000>,1.500000
<-1.935667,201.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.935667,201.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.905282,201.651886,-0.000000>,1.500000
<-3.039257,202.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.039257,202.151886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.039257,202.151886,-0.000000>,1.500000
<-2.173231,202.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.173231,202.651886,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.173231,202.651886,-0.000000>,1.500000
<-1.530444,203.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530444,203.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530444,203.417923,-0.000000>,1.500000
<-0.887656,204.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.887656,204.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.173231,202.651886,-0.000000>,1.500000
<-1.188424,202.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.188424,202.825531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.188424,202.825531,-0.000000>,1.500000
<-0.203616,202.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.203616,202.999176,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637333,200.651886,-0.000000>,1.500000
<-4.994545,201.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.994545,201.417923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.994545,201.417923,-0.000000>,1.500000
<-4.351758,202.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.351758,202.183975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.351758,202.183975,-0.000000>,1.500000
<-3.708970,202.950012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.708970,202.950012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.708970,202.950012,-0.000000>,1.500000
<-3.066183,203.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.066183,203.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.066183,203.716064,-0.000000>,1.500000
<-2.724162,204.655746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.724162,204.655746,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.724162,204.655746,-0.000000>,1.500000
<-2.382142,205.595444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.382142,205.595444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.382142,205.595444,-0.000000>,1.500000
<-1.739355,206.361496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.739355,206.361496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.739355,206.361496,-0.000000>,1.500000
<-1.096567,207.127533,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.096567,207.127533,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.382142,205.595444,-0.000000>,1.500000
<-2.040122,206.535141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.040122,206.535141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.040122,206.535141,-0.000000>,1.500000
<-1.698102,207.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.698102,207.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.698102,207.474838,-0.000000>,1.500000
<-1.698102,208.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.698102,208.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.698102,208.474838,-0.000000>,1.500000
<-1.698102,209.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.698102,209.474838,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.698102,207.474838,-0.000000>,1.500000
<-1.055314,208.240875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.055314,208.240875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.055314,208.240875,-0.000000>,1.500000
<-0.412527,209.006912,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.412527,209.006912,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.066183,203.716064,-0.000000>,1.500000
<-2.200157,204.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.200157,204.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.200157,204.216064,-0.000000>,1.500000
<-1.334132,204.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.334132,204.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.334132,204.716064,-0.000000>,1.500000
<-0.349324,204.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.349324,204.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.349324,204.889709,-0.000000>,1.500000
<0.635484,205.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.635484,205.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.334132,204.716064,-0.000000>,1.500000
<-0.468106,205.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.468106,205.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.468106,205.216064,-0.000000>,1.500000
<0.397919,205.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.397919,205.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.397919,205.716064,-0.000000>,1.500000
<1.040707,206.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.040707,206.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.040707,206.482101,-0.000000>,1.500000
<1.683494,207.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.683494,207.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.397919,205.716064,-0.000000>,1.500000
<1.382727,205.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.382727,205.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.382727,205.889709,-0.000000>,1.500000
<2.367535,206.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.367535,206.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,197.587708,-0.000000>,1.500000
<-7.866463,198.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,198.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.866463,198.527405,-0.000000>,1.500000
<-7.524443,199.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,199.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,199.467087,-0.000000>,1.500000
<-7.182423,200.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,200.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,200.406784,-0.000000>,1.500000
<-6.840403,201.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,201.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,201.346481,-0.000000>,1.500000
<-6.498383,202.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,202.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,202.286163,-0.000000>,1.500000
<-6.156363,203.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,203.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,203.225861,-0.000000>,1.500000
<-5.814342,204.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,204.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,204.165558,-0.000000>,1.500000
<-5.472322,205.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,205.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,205.105240,-0.000000>,1.500000
<-5.472322,206.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,206.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,206.105240,-0.000000>,1.500000
<-5.472322,207.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,207.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,207.105240,-0.000000>,1.500000
<-5.472322,208.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,208.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,208.105240,-0.000000>,1.500000
<-5.472322,209.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,209.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,209.105240,-0.000000>,1.500000
<-5.130302,210.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,210.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.130302,210.044937,-0.000000>,1.500000
<-4.788282,210.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,210.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,210.984634,-0.000000>,1.500000
<-4.145494,211.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.145494,211.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.145494,211.750671,-0.000000>,1.500000
<-3.502707,212.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.502707,212.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,210.984634,-0.000000>,1.500000
<-4.446262,211.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,211.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,211.924316,-0.000000>,1.500000
<-4.104242,212.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,212.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,212.864014,-0.000000>,1.500000
<-4.104242,213.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,213.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,213.864014,-0.000000>,1.500000
<-4.104242,214.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,214.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,212.864014,-0.000000>,1.500000
<-3.461454,213.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.461454,213.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.461454,213.630066,-0.000000>,1.500000
<-2.818666,214.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.818666,214.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,209.105240,-0.000000>,1.500000
<-5.472322,210.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,210.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,210.105240,-0.000000>,1.500000
<-5.472322,211.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,211.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,211.105240,-0.000000>,1.500000
<-5.472322,212.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,212.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,212.105240,-0.000000>,1.500000
<-5.472322,213.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,213.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,213.105240,-0.000000>,1.500000
<-5.814342,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,214.044937,-0.000000>,1.500000
<-6.156363,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,214.984634,-0.000000>,1.500000
<-6.156363,215.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,215.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,215.984634,-0.000000>,1.500000
<-6.156363,216.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,216.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,214.984634,-0.000000>,1.500000
<-6.498383,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,215.924316,-0.000000>,1.500000
<-6.840403,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,216.864014,-0.000000>,1.500000
<-7.483191,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483191,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483191,217.630066,-0.000000>,1.500000
<-8.125978,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.125978,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,216.864014,-0.000000>,1.500000
<-6.840403,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,217.864014,-0.000000>,1.500000
<-6.840403,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,213.105240,-0.000000>,1.500000
<-5.130302,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,214.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.130302,214.044937,-0.000000>,1.500000
<-4.788282,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,214.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,214.984634,-0.000000>,1.500000
<-4.145494,215.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.145494,215.750671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.145494,215.750671,-0.000000>,1.500000
<-3.502707,216.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.502707,216.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,214.984634,-0.000000>,1.500000
<-4.446262,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,215.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,215.924316,-0.000000>,1.500000
<-4.104242,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,216.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,216.864014,-0.000000>,1.500000
<-4.104242,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,217.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,217.864014,-0.000000>,1.500000
<-4.104242,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,218.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,216.864014,-0.000000>,1.500000
<-3.461454,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.461454,217.630066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.461454,217.630066,-0.000000>,1.500000
<-2.818666,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.818666,218.396103,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,205.105240,-0.000000>,1.500000
<-4.829535,205.871292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.829535,205.871292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.829535,205.871292,-0.000000>,1.500000
<-4.186747,206.637329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.186747,206.637329,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.186747,206.637329,-0.000000>,1.500000
<-3.543959,207.403381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.543959,207.403381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.543959,207.403381,-0.000000>,1.500000
<-2.901172,208.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.901172,208.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.901172,208.169418,-0.000000>,1.500000
<-2.035146,208.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.035146,208.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.035146,208.669418,-0.000000>,1.500000
<-1.169121,209.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.169121,209.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.169121,209.169418,-0.000000>,1.500000
<-0.184313,209.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.184313,209.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.184313,209.343079,-0.000000>,1.500000
<0.800494,209.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.800494,209.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.169121,209.169418,-0.000000>,1.500000
<-0.303096,209.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.303096,209.669418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.303096,209.669418,-0.000000>,1.500000
<0.562930,210.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.562930,210.169418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.562930,210.169418,-0.000000>,1.500000
<1.205717,210.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.205717,210.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.205717,210.935471,-0.000000>,1.500000
<1.848505,211.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.848505,211.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.562930,210.169418,-0.000000>,1.500000
<1.547737,210.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.547737,210.343079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.547737,210.343079,-0.000000>,1.500000
<2.532545,210.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.532545,210.516724,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.901172,208.169418,-0.000000>,1.500000
<-2.258384,208.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.258384,208.935471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.258384,208.935471,-0.000000>,1.500000
<-1.615597,209.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.615597,209.701508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.615597,209.701508,-0.000000>,1.500000
<-0.972809,210.467560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.972809,210.467560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.972809,210.467560,-0.000000>,1.500000
<-0.330021,211.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.330021,211.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.330021,211.233597,-0.000000>,1.500000
<0.011999,212.173294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.011999,212.173294,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.011999,212.173294,-0.000000>,1.500000
<0.354019,213.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.354019,213.112991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.354019,213.112991,-0.000000>,1.500000
<0.996807,213.879028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.996807,213.879028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.996807,213.879028,-0.000000>,1.500000
<1.639594,214.645081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.639594,214.645081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.354019,213.112991,-0.000000>,1.500000
<0.696039,214.052673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.696039,214.052673,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.696039,214.052673,-0.000000>,1.500000
<1.038059,214.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038059,214.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.038059,214.992371,-0.000000>,1.500000
<1.038059,215.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038059,215.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.038059,215.992371,-0.000000>,1.500000
<1.038059,216.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.038059,216.992371,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.038059,214.992371,-0.000000>,1.500000
<1.680847,215.758423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.680847,215.758423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.680847,215.758423,-0.000000>,1.500000
<2.323634,216.524460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.323634,216.524460,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.330021,211.233597,-0.000000>,1.500000
<0.536004,211.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.536004,211.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.536004,211.733597,-0.000000>,1.500000
<1.402029,212.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.402029,212.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.402029,212.233597,-0.000000>,1.500000
<2.386837,212.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.386837,212.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.386837,212.407257,-0.000000>,1.500000
<3.371645,212.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.371645,212.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.402029,212.233597,-0.000000>,1.500000
<2.268055,212.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.268055,212.733597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.268055,212.733597,-0.000000>,1.500000
<3.134080,213.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.134080,213.233597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.134080,213.233597,-0.000000>,1.500000
<3.776868,213.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.776868,213.999649,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.776868,213.999649,-0.000000>,1.500000
<4.419655,214.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.419655,214.765686,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.134080,213.233597,-0.000000>,1.500000
<4.118888,213.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.118888,213.407257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.118888,213.407257,-0.000000>,1.500000
<5.103696,213.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.103696,213.580902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.944645,158.070160,-0.000000>,1.500000
<-11.286665,159.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.286665,159.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.286665,159.009857,-0.000000>,1.500000
<-11.628685,159.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.628685,159.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.628685,159.949554,-0.000000>,1.500000
<-11.970705,160.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.970705,160.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970705,160.889236,-0.000000>,1.500000
<-12.312725,161.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312725,161.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312725,161.828934,-0.000000>,1.500000
<-12.654745,162.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.654745,162.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.654745,162.768631,-0.000000>,1.500000
<-12.996765,163.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.996765,163.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.996765,163.708313,-0.000000>,1.500000
<-13.338785,164.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.338785,164.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.338785,164.648010,-0.000000>,1.500000
<-13.680806,165.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.680806,165.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.680806,165.587708,-0.000000>,1.500000
<-14.022826,166.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.022826,166.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.022826,166.527405,-0.000000>,1.500000
<-14.364846,167.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.364846,167.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.364846,167.467087,-0.000000>,1.500000
<-14.706866,168.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.706866,168.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.706866,168.406784,-0.000000>,1.500000
<-15.048886,169.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,169.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,169.346481,-0.000000>,1.500000
<-15.390906,170.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,170.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,170.286163,-0.000000>,1.500000
<-15.732926,171.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,171.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,171.225861,-0.000000>,1.500000
<-16.074947,172.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,172.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,172.165558,-0.000000>,1.500000
<-16.416967,173.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,173.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,173.105240,-0.000000>,1.500000
<-16.758987,174.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.758987,174.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.758987,174.044937,-0.000000>,1.500000
<-17.101007,174.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,174.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,174.984634,-0.000000>,1.500000
<-17.443027,175.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.443027,175.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.443027,175.924316,-0.000000>,1.500000
<-17.785048,176.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,176.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,176.864014,-0.000000>,1.500000
<-18.127068,177.803711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.127068,177.803711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.127068,177.803711,-0.000000>,1.500000
<-18.469088,178.743408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.469088,178.743408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.469088,178.743408,-0.000000>,1.500000
<-18.811108,179.683090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.811108,179.683090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.811108,179.683090,-0.000000>,1.500000
<-19.153128,180.622787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.153128,180.622787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.153128,180.622787,-0.000000>,1.500000
<-19.495148,181.562485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.495148,181.562485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.495148,181.562485,-0.000000>,1.500000
<-19.837168,182.502167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.837168,182.502167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.837168,182.502167,-0.000000>,1.500000
<-20.179188,183.441864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.179188,183.441864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.179188,183.441864,-0.000000>,1.500000
<-20.521208,184.381561,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.521208,184.381561,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.521208,184.381561,-0.000000>,1.500000
<-20.863228,185.321243,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.863228,185.321243,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.863228,185.321243,-0.000000>,1.500000
<-21.205250,186.260941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.205250,186.260941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.205250,186.260941,-0.000000>,1.500000
<-21.547270,187.200638,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.547270,187.200638,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.547270,187.200638,-0.000000>,1.500000
<-21.889290,188.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,188.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,188.140335,-0.000000>,1.500000
<-22.532076,188.906372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.532076,188.906372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.532076,188.906372,-0.000000>,1.500000
<-23.174864,189.672409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.174864,189.672409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.174864,189.672409,-0.000000>,1.500000
<-23.817652,190.438461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.817652,190.438461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.817652,190.438461,-0.000000>,1.500000
<-24.460440,191.204498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.460440,191.204498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.460440,191.204498,-0.000000>,1.500000
<-25.103228,191.970551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.103228,191.970551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.103228,191.970551,-0.000000>,1.500000
<-25.746016,192.736588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.746016,192.736588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.746016,192.736588,-0.000000>,1.500000
<-26.388802,193.502640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.388802,193.502640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.388802,193.502640,-0.000000>,1.500000
<-27.031590,194.268677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.031590,194.268677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.031590,194.268677,-0.000000>,1.500000
<-27.674377,195.034729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.674377,195.034729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.674377,195.034729,-0.000000>,1.500000
<-28.317165,195.800766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.317165,195.800766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.317165,195.800766,-0.000000>,1.500000
<-28.959953,196.566818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.959953,196.566818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.959953,196.566818,-0.000000>,1.500000
<-29.602741,197.332855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.602741,197.332855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.602741,197.332855,-0.000000>,1.500000
<-30.245527,198.098907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.245527,198.098907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.245527,198.098907,-0.000000>,1.500000
<-30.888315,198.864944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.888315,198.864944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.888315,198.864944,-0.000000>,1.500000
<-31.531103,199.630997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.531103,199.630997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.531103,199.630997,-0.000000>,1.500000
<-32.173889,200.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.173889,200.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.173889,200.397034,-0.000000>,1.500000
<-32.515911,201.336731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.515911,201.336731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.515911,201.336731,-0.000000>,1.500000
<-32.857933,202.276428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.857933,202.276428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.857933,202.276428,-0.000000>,1.500000
<-33.199951,203.216110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.199951,203.216110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.199951,203.216110,-0.000000>,1.500000
<-33.541973,204.155807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.541973,204.155807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.541973,204.155807,-0.000000>,1.500000
<-33.883991,205.095505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.883991,205.095505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.883991,205.095505,-0.000000>,1.500000
<-34.226013,206.035202,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.226013,206.035202,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.226013,206.035202,-0.000000>,1.500000
<-34.568031,206.974884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.568031,206.974884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.568031,206.974884,-0.000000>,1.500000
<-34.910053,207.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,207.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,207.914581,-0.000000>,1.500000
<-34.910053,208.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,208.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,208.914581,-0.000000>,1.500000
<-34.910053,209.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,209.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,209.914581,-0.000000>,1.500000
<-34.910053,210.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,210.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,210.914581,-0.000000>,1.500000
<-34.910053,211.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,211.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,211.914581,-0.000000>,1.500000
<-34.568031,212.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.568031,212.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.568031,212.854279,-0.000000>,1.500000
<-34.226013,213.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.226013,213.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.226013,213.793961,-0.000000>,1.500000
<-33.583225,214.560013,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.583225,214.560013,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.583225,214.560013,-0.000000>,1.500000
<-32.940437,215.326050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.940437,215.326050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.226013,213.793961,-0.000000>,1.500000
<-33.883991,214.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.883991,214.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.883991,214.733658,-0.000000>,1.500000
<-33.541973,215.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.541973,215.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.541973,215.673355,-0.000000>,1.500000
<-33.541973,216.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.541973,216.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.541973,216.673355,-0.000000>,1.500000
<-33.541973,217.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.541973,217.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.541973,215.673355,-0.000000>,1.500000
<-32.899185,216.439392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.899185,216.439392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.899185,216.439392,-0.000000>,1.500000
<-32.256397,217.205444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.256397,217.205444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,211.914581,-0.000000>,1.500000
<-34.910053,212.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,212.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,212.914581,-0.000000>,1.500000
<-34.910053,213.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,213.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,213.914581,-0.000000>,1.500000
<-34.910053,214.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,214.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,214.914581,-0.000000>,1.500000
<-34.910053,215.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.910053,215.914581,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,215.914581,-0.000000>,1.500000
<-35.252071,216.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.252071,216.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.252071,216.854279,-0.000000>,1.500000
<-35.594093,217.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.594093,217.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.594093,217.793961,-0.000000>,1.500000
<-35.594093,218.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.594093,218.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.594093,218.793961,-0.000000>,1.500000
<-35.594093,219.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.594093,219.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.594093,217.793961,-0.000000>,1.500000
<-35.936111,218.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.936111,218.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.936111,218.733658,-0.000000>,1.500000
<-36.278133,219.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,219.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,219.673355,-0.000000>,1.500000
<-36.920921,220.439392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.920921,220.439392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.920921,220.439392,-0.000000>,1.500000
<-37.563709,221.205444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.563709,221.205444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,219.673355,-0.000000>,1.500000
<-36.278133,220.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,220.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,220.673355,-0.000000>,1.500000
<-36.278133,221.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,221.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,215.914581,-0.000000>,1.500000
<-34.568031,216.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.568031,216.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.568031,216.854279,-0.000000>,1.500000
<-34.226013,217.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.226013,217.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.226013,217.793961,-0.000000>,1.500000
<-33.583225,218.560013,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.583225,218.560013,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.583225,218.560013,-0.000000>,1.500000
<-32.940437,219.326050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.940437,219.326050,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.226013,217.793961,-0.000000>,1.500000
<-33.883991,218.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.883991,218.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.883991,218.733658,-0.000000>,1.500000
<-33.541973,219.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.541973,219.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.541973,219.673355,-0.000000>,1.500000
<-33.541973,220.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.541973,220.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.541973,220.673355,-0.000000>,1.500000
<-33.541973,221.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.541973,221.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.541973,219.673355,-0.000000>,1.500000
<-32.899185,220.439392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.899185,220.439392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.899185,220.439392,-0.000000>,1.500000
<-32.256397,221.205444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.256397,221.205444,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.910053,207.914581,-0.000000>,1.500000
<-35.252071,208.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.252071,208.854279,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.252071,208.854279,-0.000000>,1.500000
<-35.594093,209.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.594093,209.793961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.594093,209.793961,-0.000000>,1.500000
<-35.936111,210.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.936111,210.733658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.936111,210.733658,-0.000000>,1.500000
<-36.278133,211.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,211.673355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,211.673355,-0.000000>,1.500000
<-36.620152,212.613037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.620152,212.613037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.620152,212.613037,-0.000000>,1.500000
<-36.962173,213.552734,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.962173,213.552734,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.962173,213.552734,-0.000000>,1.500000
<-37.304192,214.492432,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.304192,214.492432,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.304192,214.492432,-0.000000>,1.500000
<-37.646214,215.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,215.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,215.432114,-0.000000>,1.500000
<-38.289001,216.198166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.289001,216.198166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.289001,216.198166,-0.000000>,1.500000
<-38.931789,216.964203,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.931789,216.964203,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.931789,216.964203,-0.000000>,1.500000
<-39.574577,217.730255,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.574577,217.730255,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.574577,217.730255,-0.000000>,1.500000
<-40.217365,218.496292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.217365,218.496292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.217365,218.496292,-0.000000>,1.500000
<-40.559383,219.435989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.559383,219.435989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.559383,219.435989,-0.000000>,1.500000
<-40.901405,220.375687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.901405,220.375687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.901405,220.375687,-0.000000>,1.500000
<-40.901405,221.375687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.901405,221.375687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.901405,221.375687,-0.000000>,1.500000
<-40.901405,222.375687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.901405,222.375687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.901405,220.375687,-0.000000>,1.500000
<-41.243423,221.315384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.243423,221.315384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.243423,221.315384,-0.000000>,1.500000
<-41.585445,222.255066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.585445,222.255066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.585445,222.255066,-0.000000>,1.500000
<-42.228233,223.021118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.228233,223.021118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.228233,223.021118,-0.000000>,1.500000
<-42.871021,223.787155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.871021,223.787155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.585445,222.255066,-0.000000>,1.500000
<-41.585445,223.255066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.585445,223.255066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.585445,223.255066,-0.000000>,1.500000
<-41.585445,224.255066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.585445,224.255066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.217365,218.496292,-0.000000>,1.500000
<-40.860149,219.262344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.860149,219.262344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.860149,219.262344,-0.000000>,1.500000
<-41.502937,220.028381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.502937,220.028381,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.502937,220.028381,-0.000000>,1.500000
<-42.145725,220.794434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.145725,220.794434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.145725,220.794434,-0.000000>,1.500000
<-42.788513,221.560471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.788513,221.560471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.788513,221.560471,-0.000000>,1.500000
<-43.654541,222.060471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.654541,222.060471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.654541,222.060471,-0.000000>,1.500000
<-44.520565,222.560471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.520565,222.560471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.520565,222.560471,-0.000000>,1.500000
<-45.163353,223.326523,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.163353,223.326523,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.163353,223.326523,-0.000000>,1.500000
<-45.806141,224.092560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.806141,224.092560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.520565,222.560471,-0.000000>,1.500000
<-45.386589,223.060471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.386589,223.060471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.386589,223.060471,-0.000000>,1.500000
<-46.252617,223.560471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.252617,223.560471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.252617,223.560471,-0.000000>,1.500000
<-47.237423,223.734131,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.237423,223.734131,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.237423,223.734131,-0.000000>,1.500000
<-48.222233,223.907776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.222233,223.907776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.252617,223.560471,-0.000000>,1.500000
<-46.895405,224.326523,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.895405,224.326523,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.895405,224.326523,-0.000000>,1.500000
<-47.538193,225.092560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.538193,225.092560,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.788513,221.560471,-0.000000>,1.500000
<-43.130535,222.500168,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.130535,222.500168,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.130535,222.500168,-0.000000>,1.500000
<-43.472553,223.439865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.472553,223.439865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.472553,223.439865,-0.000000>,1.500000
<-43.472553,224.439865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.472553,224.439865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.472553,224.439865,-0.000000>,1.500000
<-43.472553,225.439865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.472553,225.439865,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.472553,223.439865,-0.000000>,1.500000
<-43.814575,224.379547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.814575,224.379547,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.814575,224.379547,-0.000000>,1.500000
<-44.156593,225.319244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.156593,225.319244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.156593,225.319244,-0.000000>,1.500000
<-44.799381,226.085297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.799381,226.085297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.799381,226.085297,-0.000000>,1.500000
<-45.442169,226.851334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.442169,226.851334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.156593,225.319244,-0.000000>,1.500000
<-44.156593,226.319244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.156593,226.319244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.156593,226.319244,-0.000000>,1.500000
<-44.156593,227.319244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.156593,227.319244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,215.432114,-0.000000>,1.500000
<-37.646214,216.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,216.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,216.432114,-0.000000>,1.500000
<-37.646214,217.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,217.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,217.432114,-0.000000>,1.500000
<-37.646214,218.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,218.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,218.432114,-0.000000>,1.500000
<-37.646214,219.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,219.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,219.432114,-0.000000>,1.500000
<-37.304192,220.371811,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.304192,220.371811,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.304192,220.371811,-0.000000>,1.500000
<-36.962173,221.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.962173,221.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.962173,221.311508,-0.000000>,1.500000
<-36.319386,222.077545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.319386,222.077545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.319386,222.077545,-0.000000>,1.500000
<-35.676598,222.843597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.676598,222.843597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.962173,221.311508,-0.000000>,1.500000
<-36.620152,222.251205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.620152,222.251205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.620152,222.251205,-0.000000>,1.500000
<-36.278133,223.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,223.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,223.190887,-0.000000>,1.500000
<-36.278133,224.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,224.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,224.190887,-0.000000>,1.500000
<-36.278133,225.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,225.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,223.190887,-0.000000>,1.500000
<-35.635345,223.956940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.635345,223.956940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.635345,223.956940,-0.000000>,1.500000
<-34.992558,224.722977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.992558,224.722977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,219.432114,-0.000000>,1.500000
<-37.646214,220.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,220.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,220.432114,-0.000000>,1.500000
<-37.646214,221.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,221.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,221.432114,-0.000000>,1.500000
<-37.646214,222.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,222.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,222.432114,-0.000000>,1.500000
<-37.646214,223.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.646214,223.432114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,223.432114,-0.000000>,1.500000
<-37.988232,224.371811,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.988232,224.371811,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.988232,224.371811,-0.000000>,1.500000
<-38.330254,225.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.330254,225.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.330254,225.311508,-0.000000>,1.500000
<-38.330254,226.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.330254,226.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.330254,226.311508,-0.000000>,1.500000
<-38.330254,227.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.330254,227.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.330254,225.311508,-0.000000>,1.500000
<-38.672276,226.251205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.672276,226.251205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.672276,226.251205,-0.000000>,1.500000
<-39.014294,227.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.014294,227.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.014294,227.190887,-0.000000>,1.500000
<-39.657082,227.956940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.657082,227.956940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.657082,227.956940,-0.000000>,1.500000
<-40.299870,228.722977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.299870,228.722977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.014294,227.190887,-0.000000>,1.500000
<-39.014294,228.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.014294,228.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.014294,228.190887,-0.000000>,1.500000
<-39.014294,229.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.014294,229.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.646214,223.432114,-0.000000>,1.500000
<-37.304192,224.371811,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.304192,224.371811,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.304192,224.371811,-0.000000>,1.500000
<-36.962173,225.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.962173,225.311508,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.962173,225.311508,-0.000000>,1.500000
<-36.319386,226.077545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.319386,226.077545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.319386,226.077545,-0.000000>,1.500000
<-35.676598,226.843597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.676598,226.843597,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.962173,225.311508,-0.000000>,1.500000
<-36.620152,226.251205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.620152,226.251205,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.620152,226.251205,-0.000000>,1.500000
<-36.278133,227.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,227.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,227.190887,-0.000000>,1.500000
<-36.278133,228.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,228.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,228.190887,-0.000000>,1.500000
<-36.278133,229.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.278133,229.190887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.278133,227.190887,-0.000000>,1.500000
<-35.635345,227.956940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.635345,227.956940,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.635345,227.956940,-0.000000>,1.500000
<-34.992558,228.722977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.992558,228.722977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.173889,200.397034,-0.000000>,1.500000
<-32.816677,201.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.816677,201.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.816677,201.163086,-0.000000>,1.500000
<-33.459465,201.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.459465,201.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.459465,201.929123,-0.000000>,1.500000
<-34.102253,202.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.102253,202.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.102253,202.695175,-0.000000>,1.500000
<-34.745041,203.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.745041,203.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.745041,203.461212,-0.000000>,1.500000
<-35.387829,204.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.387829,204.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.387829,204.227264,-0.000000>,1.500000
<-36.030617,204.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.030617,204.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.030617,204.993301,-0.000000>,1.500000
<-36.673405,205.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.673405,205.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.673405,205.759354,-0.000000>,1.500000
<-37.316193,206.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.316193,206.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.316193,206.525391,-0.000000>,1.500000
<-37.958981,207.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.958981,207.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.958981,207.291443,-0.000000>,1.500000
<-38.601768,208.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.601768,208.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.601768,208.057480,-0.000000>,1.500000
<-39.244556,208.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.244556,208.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.244556,208.823532,-0.000000>,1.500000
<-39.887341,209.589569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.887341,209.589569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.887341,209.589569,-0.000000>,1.500000
<-40.530128,210.355621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.530128,210.355621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.530128,210.355621,-0.000000>,1.500000
<-41.172916,211.121658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.172916,211.121658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.172916,211.121658,-0.000000>,1.500000
<-41.815704,211.887711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.815704,211.887711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.815704,211.887711,-0.000000>,1.500000
<-42.458492,212.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.458492,212.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.458492,212.653748,-0.000000>,1.500000
<-43.324516,213.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.324516,213.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.324516,213.153748,-0.000000>,1.500000
<-44.190544,213.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.190544,213.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.190544,213.653748,-0.000000>,1.500000
<-45.056568,214.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.056568,214.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.056568,214.153748,-0.000000>,1.500000
<-45.922596,214.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.922596,214.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.922596,214.653748,-0.000000>,1.500000
<-46.788620,215.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.788620,215.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.788620,215.153748,-0.000000>,1.500000
<-47.654644,215.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.654644,215.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.654644,215.653748,-0.000000>,1.500000
<-48.520672,216.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.520672,216.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.520672,216.153748,-0.000000>,1.500000
<-49.386696,216.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.386696,216.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.386696,216.653748,-0.000000>,1.500000
<-50.029484,217.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.029484,217.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.029484,217.419800,-0.000000>,1.500000
<-50.672272,218.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.672272,218.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.672272,218.185837,-0.000000>,1.500000
<-51.315060,218.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.315060,218.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.315060,218.951889,-0.000000>,1.500000
<-51.957848,219.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.957848,219.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.957848,219.717926,-0.000000>,1.500000
<-52.299866,220.657623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.299866,220.657623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.299866,220.657623,-0.000000>,1.500000
<-52.641888,221.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.641888,221.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.641888,221.597305,-0.000000>,1.500000
<-52.641888,222.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.641888,222.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.641888,222.597305,-0.000000>,1.500000
<-52.641888,223.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.641888,223.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.641888,221.597305,-0.000000>,1.500000
<-52.983906,222.537003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.983906,222.537003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.983906,222.537003,-0.000000>,1.500000
<-53.325928,223.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.325928,223.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.325928,223.476700,-0.000000>,1.500000
<-53.968716,224.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.968716,224.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.968716,224.242737,-0.000000>,1.500000
<-54.611504,225.008789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.611504,225.008789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.325928,223.476700,-0.000000>,1.500000
<-53.325928,224.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.325928,224.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.325928,224.476700,-0.000000>,1.500000
<-53.325928,225.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.325928,225.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.957848,219.717926,-0.000000>,1.500000
<-52.600636,220.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.600636,220.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.600636,220.483978,-0.000000>,1.500000
<-53.243423,221.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.243423,221.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.243423,221.250015,-0.000000>,1.500000
<-53.886208,222.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.886208,222.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.886208,222.016068,-0.000000>,1.500000
<-54.528996,222.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.528996,222.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.528996,222.782104,-0.000000>,1.500000
<-55.395023,223.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.395023,223.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.395023,223.282104,-0.000000>,1.500000
<-56.261047,223.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.261047,223.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.261047,223.782104,-0.000000>,1.500000
<-56.903835,224.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.903835,224.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.903835,224.548157,-0.000000>,1.500000
<-57.546623,225.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.546623,225.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.261047,223.782104,-0.000000>,1.500000
<-57.127071,224.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.127071,224.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.127071,224.282104,-0.000000>,1.500000
<-57.993099,224.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.993099,224.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.993099,224.782104,-0.000000>,1.500000
<-58.977905,224.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.977905,224.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.977905,224.955750,-0.000000>,1.500000
<-59.962715,225.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.962715,225.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.993099,224.782104,-0.000000>,1.500000
<-58.635887,225.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.635887,225.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.635887,225.548157,-0.000000>,1.500000
<-59.278675,226.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.278675,226.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.528996,222.782104,-0.000000>,1.500000
<-54.871017,223.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.871017,223.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.871017,223.721802,-0.000000>,1.500000
<-55.213036,224.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.213036,224.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.213036,224.661484,-0.000000>,1.500000
<-55.213036,225.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.213036,225.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.213036,225.661484,-0.000000>,1.500000
<-55.213036,226.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.213036,226.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.213036,224.661484,-0.000000>,1.500000
<-55.555058,225.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.555058,225.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.555058,225.601181,-0.000000>,1.500000
<-55.897076,226.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.897076,226.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.897076,226.540878,-0.000000>,1.500000
<-56.539864,227.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.539864,227.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.539864,227.306915,-0.000000>,1.500000
<-57.182652,228.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.182652,228.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.897076,226.540878,-0.000000>,1.500000
<-55.897076,227.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.897076,227.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.897076,227.540878,-0.000000>,1.500000
<-55.897076,228.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.897076,228.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.386696,216.653748,-0.000000>,1.500000
<-50.252720,217.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.252720,217.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.252720,217.153748,-0.000000>,1.500000
<-51.118748,217.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.118748,217.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.118748,217.653748,-0.000000>,1.500000
<-51.984772,218.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.984772,218.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.984772,218.153748,-0.000000>,1.500000
<-52.850796,218.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.850796,218.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.850796,218.653748,-0.000000>,1.500000
<-53.716824,219.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.716824,219.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.716824,219.153748,-0.000000>,1.500000
<-54.582848,219.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.582848,219.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.582848,219.653748,-0.000000>,1.500000
<-55.448875,220.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.448875,220.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.448875,220.153748,-0.000000>,1.500000
<-56.314899,220.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.314899,220.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.314899,220.653748,-0.000000>,1.500000
<-57.299706,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.299706,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.299706,220.827393,-0.000000>,1.500000
<-58.284515,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.284515,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.284515,221.001053,-0.000000>,1.500000
<-59.269321,221.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.269321,221.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.269321,221.174698,-0.000000>,1.500000
<-60.254131,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.254131,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.254131,221.348343,-0.000000>,1.500000
<-61.120155,221.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.120155,221.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.120155,221.848343,-0.000000>,1.500000
<-61.986179,222.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.986179,222.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.986179,222.348343,-0.000000>,1.500000
<-62.628967,223.114380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.628967,223.114380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.628967,223.114380,-0.000000>,1.500000
<-63.271755,223.880432,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-63.271755,223.880432,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.986179,222.348343,-0.000000>,1.500000
<-62.852207,222.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.852207,222.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.852207,222.848343,-0.000000>,1.500000
<-63.718231,223.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-63.718231,223.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-63.718231,223.348343,-0.000000>,1.500000
<-64.703041,223.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-64.703041,223.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-64.703041,223.521988,-0.000000>,1.500000
<-65.687851,223.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-65.687851,223.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-63.718231,223.348343,-0.000000>,1.500000
<-64.361023,224.114380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-64.361023,224.114380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-64.361023,224.114380,-0.000000>,1.500000
<-65.003807,224.880432,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-65.003807,224.880432,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.254131,221.348343,-0.000000>,1.500000
<-61.238937,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.238937,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.238937,221.521988,-0.000000>,1.500000
<-62.223747,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.223747,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.223747,221.695633,-0.000000>,1.500000
<-63.208553,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-63.208553,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-63.208553,221.869293,-0.000000>,1.500000
<-64.193359,222.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-64.193359,222.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-64.193359,222.042938,-0.000000>,1.500000
<-65.178169,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-65.178169,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-65.178169,221.869293,-0.000000>,1.500000
<-66.162979,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-66.162979,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-66.162979,221.695633,-0.000000>,1.500000
<-67.147781,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-67.147781,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-67.147781,221.869293,-0.000000>,1.500000
<-68.132591,222.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-68.132591,222.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-66.162979,221.695633,-0.000000>,1.500000
<-67.147781,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-67.147781,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-67.147781,221.521988,-0.000000>,1.500000
<-68.132591,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-68.132591,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-68.132591,221.348343,-0.000000>,1.500000
<-68.998619,220.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-68.998619,220.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-68.998619,220.848343,-0.000000>,1.500000
<-69.864639,220.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-69.864639,220.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-68.132591,221.348343,-0.000000>,1.500000
<-69.117401,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-69.117401,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-69.117401,221.521988,-0.000000>,1.500000
<-70.102211,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-70.102211,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-64.193359,222.042938,-0.000000>,1.500000
<-65.059387,222.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-65.059387,222.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-65.059387,222.542938,-0.000000>,1.500000
<-65.925415,223.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-65.925415,223.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-65.925415,223.042938,-0.000000>,1.500000
<-66.568199,223.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-66.568199,223.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-66.568199,223.808975,-0.000000>,1.500000
<-67.210991,224.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-67.210991,224.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-65.925415,223.042938,-0.000000>,1.500000
<-66.791435,223.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-66.791435,223.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-66.791435,223.542938,-0.000000>,1.500000
<-67.657463,224.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-67.657463,224.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-67.657463,224.042938,-0.000000>,1.500000
<-68.642273,224.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-68.642273,224.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-68.642273,224.216583,-0.000000>,1.500000
<-69.627075,224.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-69.627075,224.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-67.657463,224.042938,-0.000000>,1.500000
<-68.300247,224.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-68.300247,224.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-68.300247,224.808975,-0.000000>,1.500000
<-68.943039,225.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-68.943039,225.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.314899,220.653748,-0.000000>,1.500000
<-56.957687,221.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.957687,221.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.957687,221.419800,-0.000000>,1.500000
<-57.600475,222.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.600475,222.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.600475,222.185837,-0.000000>,1.500000
<-58.243263,222.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.243263,222.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.243263,222.951889,-0.000000>,1.500000
<-58.886051,223.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.886051,223.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.886051,223.717926,-0.000000>,1.500000
<-59.228069,224.657623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.228069,224.657623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.228069,224.657623,-0.000000>,1.500000
<-59.570091,225.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.570091,225.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.570091,225.597305,-0.000000>,1.500000
<-59.570091,226.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.570091,226.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.570091,226.597305,-0.000000>,1.500000
<-59.570091,227.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.570091,227.597305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.570091,225.597305,-0.000000>,1.500000
<-59.912109,226.537003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.912109,226.537003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.912109,226.537003,-0.000000>,1.500000
<-60.254131,227.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.254131,227.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.254131,227.476700,-0.000000>,1.500000
<-60.896919,228.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.896919,228.242737,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.896919,228.242737,-0.000000>,1.500000
<-61.539707,229.008789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.539707,229.008789,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.254131,227.476700,-0.000000>,1.500000
<-60.254131,228.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.254131,228.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.254131,228.476700,-0.000000>,1.500000
<-60.254131,229.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.254131,229.476700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-58.886051,223.717926,-0.000000>,1.500000
<-59.528835,224.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-59.528835,224.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-59.528835,224.483978,-0.000000>,1.500000
<-60.171623,225.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.171623,225.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.171623,225.250015,-0.000000>,1.500000
<-60.814411,226.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-60.814411,226.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-60.814411,226.016068,-0.000000>,1.500000
<-61.457199,226.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.457199,226.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.457199,226.782104,-0.000000>,1.500000
<-62.323227,227.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.323227,227.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.323227,227.282104,-0.000000>,1.500000
<-63.189251,227.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-63.189251,227.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-63.189251,227.782104,-0.000000>,1.500000
<-63.832039,228.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-63.832039,228.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-63.832039,228.548157,-0.000000>,1.500000
<-64.474823,229.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-64.474823,229.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-63.189251,227.782104,-0.000000>,1.500000
<-64.055275,228.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-64.055275,228.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-64.055275,228.282104,-0.000000>,1.500000
<-64.921303,228.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-64.921303,228.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-64.921303,228.782104,-0.000000>,1.500000
<-65.906113,228.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-65.906113,228.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-65.906113,228.955750,-0.000000>,1.500000
<-66.890915,229.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-66.890915,229.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-64.921303,228.782104,-0.000000>,1.500000
<-65.564087,229.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-65.564087,229.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-65.564087,229.548157,-0.000000>,1.500000
<-66.206879,230.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-66.206879,230.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.457199,226.782104,-0.000000>,1.500000
<-61.799221,227.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-61.799221,227.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-61.799221,227.721802,-0.000000>,1.500000
<-62.141239,228.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.141239,228.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.141239,228.661484,-0.000000>,1.500000
<-62.141239,229.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.141239,229.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.141239,229.661484,-0.000000>,1.500000
<-62.141239,230.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.141239,230.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.141239,228.661484,-0.000000>,1.500000
<-62.483261,229.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.483261,229.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.483261,229.601181,-0.000000>,1.500000
<-62.825279,230.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.825279,230.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.825279,230.540878,-0.000000>,1.500000
<-63.468067,231.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-63.468067,231.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-63.468067,231.306915,-0.000000>,1.500000
<-64.110855,232.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-64.110855,232.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.825279,230.540878,-0.000000>,1.500000
<-62.825279,231.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.825279,231.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-62.825279,231.540878,-0.000000>,1.500000
<-62.825279,232.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-62.825279,232.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.458492,212.653748,-0.000000>,1.500000
<-42.800514,213.593445,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.800514,213.593445,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.800514,213.593445,-0.000000>,1.500000
<-43.142532,214.533142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.142532,214.533142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.142532,214.533142,-0.000000>,1.500000
<-43.484554,215.472824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.484554,215.472824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.484554,215.472824,-0.000000>,1.500000
<-43.826572,216.412521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.826572,216.412521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.826572,216.412521,-0.000000>,1.500000
<-44.168594,217.352219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.168594,217.352219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.168594,217.352219,-0.000000>,1.500000
<-44.510612,218.291901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.510612,218.291901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.510612,218.291901,-0.000000>,1.500000
<-44.852634,219.231598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.852634,219.231598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.852634,219.231598,-0.000000>,1.500000
<-45.194653,220.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,220.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,220.171295,-0.000000>,1.500000
<-45.194653,221.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,221.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,221.171295,-0.000000>,1.500000
<-45.194653,222.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,222.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,222.171295,-0.000000>,1.500000
<-45.194653,223.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,223.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,223.171295,-0.000000>,1.500000
<-45.194653,224.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,224.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,224.171295,-0.000000>,1.500000
<-44.852634,225.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.852634,225.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.852634,225.110977,-0.000000>,1.500000
<-44.510612,226.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.510612,226.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.510612,226.050674,-0.000000>,1.500000
<-43.867825,226.816727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.867825,226.816727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.867825,226.816727,-0.000000>,1.500000
<-43.225037,227.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.225037,227.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.510612,226.050674,-0.000000>,1.500000
<-44.168594,226.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.168594,226.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.168594,226.990372,-0.000000>,1.500000
<-43.826572,227.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.826572,227.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.826572,227.930069,-0.000000>,1.500000
<-43.826572,228.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.826572,228.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.826572,228.930069,-0.000000>,1.500000
<-43.826572,229.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.826572,229.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.826572,227.930069,-0.000000>,1.500000
<-43.183784,228.696106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.183784,228.696106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.183784,228.696106,-0.000000>,1.500000
<-42.540997,229.462143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.540997,229.462143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,224.171295,-0.000000>,1.500000
<-45.194653,225.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,225.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,225.171295,-0.000000>,1.500000
<-45.194653,226.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,226.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,226.171295,-0.000000>,1.500000
<-45.194653,227.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,227.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,227.171295,-0.000000>,1.500000
<-45.194653,228.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.194653,228.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,228.171295,-0.000000>,1.500000
<-45.536674,229.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.536674,229.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.536674,229.110977,-0.000000>,1.500000
<-45.878693,230.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.878693,230.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.878693,230.050674,-0.000000>,1.500000
<-45.878693,231.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.878693,231.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.878693,231.050674,-0.000000>,1.500000
<-45.878693,232.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.878693,232.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.878693,230.050674,-0.000000>,1.500000
<-46.220715,230.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.220715,230.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.220715,230.990372,-0.000000>,1.500000
<-46.562733,231.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,231.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,231.930069,-0.000000>,1.500000
<-47.205521,232.696106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.205521,232.696106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.205521,232.696106,-0.000000>,1.500000
<-47.848309,233.462143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.848309,233.462143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,231.930069,-0.000000>,1.500000
<-46.562733,232.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,232.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,232.930069,-0.000000>,1.500000
<-46.562733,233.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,233.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,228.171295,-0.000000>,1.500000
<-44.852634,229.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.852634,229.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.852634,229.110977,-0.000000>,1.500000
<-44.510612,230.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.510612,230.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.510612,230.050674,-0.000000>,1.500000
<-43.867825,230.816727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.867825,230.816727,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.867825,230.816727,-0.000000>,1.500000
<-43.225037,231.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.225037,231.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.510612,230.050674,-0.000000>,1.500000
<-44.168594,230.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.168594,230.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.168594,230.990372,-0.000000>,1.500000
<-43.826572,231.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.826572,231.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.826572,231.930069,-0.000000>,1.500000
<-43.826572,232.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.826572,232.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.826572,232.930069,-0.000000>,1.500000
<-43.826572,233.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.826572,233.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.826572,231.930069,-0.000000>,1.500000
<-43.183784,232.696106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.183784,232.696106,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.183784,232.696106,-0.000000>,1.500000
<-42.540997,233.462143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.540997,233.462143,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.194653,220.171295,-0.000000>,1.500000
<-45.536674,221.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.536674,221.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.536674,221.110977,-0.000000>,1.500000
<-45.878693,222.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.878693,222.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.878693,222.050674,-0.000000>,1.500000
<-46.220715,222.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.220715,222.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.220715,222.990372,-0.000000>,1.500000
<-46.562733,223.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,223.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,223.930069,-0.000000>,1.500000
<-46.904755,224.869751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.904755,224.869751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.904755,224.869751,-0.000000>,1.500000
<-47.246777,225.809448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.246777,225.809448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.246777,225.809448,-0.000000>,1.500000
<-47.588795,226.749146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.588795,226.749146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.588795,226.749146,-0.000000>,1.500000
<-47.930817,227.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,227.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,227.688828,-0.000000>,1.500000
<-48.573601,228.454880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.573601,228.454880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.573601,228.454880,-0.000000>,1.500000
<-49.216389,229.220917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.216389,229.220917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.216389,229.220917,-0.000000>,1.500000
<-49.859177,229.986969,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.859177,229.986969,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.859177,229.986969,-0.000000>,1.500000
<-50.501965,230.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.501965,230.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.501965,230.753006,-0.000000>,1.500000
<-50.843987,231.692703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.843987,231.692703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.843987,231.692703,-0.000000>,1.500000
<-51.186005,232.632401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.186005,232.632401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.186005,232.632401,-0.000000>,1.500000
<-51.186005,233.632401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.186005,233.632401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.186005,233.632401,-0.000000>,1.500000
<-51.186005,234.632401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.186005,234.632401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.186005,232.632401,-0.000000>,1.500000
<-51.528027,233.572083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.528027,233.572083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.528027,233.572083,-0.000000>,1.500000
<-51.870045,234.511780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.870045,234.511780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.870045,234.511780,-0.000000>,1.500000
<-52.512833,235.277832,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.512833,235.277832,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.512833,235.277832,-0.000000>,1.500000
<-53.155621,236.043869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.155621,236.043869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.870045,234.511780,-0.000000>,1.500000
<-51.870045,235.511780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.870045,235.511780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.870045,235.511780,-0.000000>,1.500000
<-51.870045,236.511780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.870045,236.511780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.501965,230.753006,-0.000000>,1.500000
<-51.144753,231.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.144753,231.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.144753,231.519058,-0.000000>,1.500000
<-51.787540,232.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.787540,232.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.787540,232.285095,-0.000000>,1.500000
<-52.430328,233.051147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.430328,233.051147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.430328,233.051147,-0.000000>,1.500000
<-53.073116,233.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.073116,233.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.073116,233.817184,-0.000000>,1.500000
<-53.939140,234.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.939140,234.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.939140,234.317184,-0.000000>,1.500000
<-54.805168,234.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.805168,234.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.805168,234.817184,-0.000000>,1.500000
<-55.447956,235.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.447956,235.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.447956,235.583237,-0.000000>,1.500000
<-56.090740,236.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.090740,236.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.805168,234.817184,-0.000000>,1.500000
<-55.671192,235.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.671192,235.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.671192,235.317184,-0.000000>,1.500000
<-56.537216,235.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-56.537216,235.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.537216,235.817184,-0.000000>,1.500000
<-57.522026,235.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.522026,235.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.522026,235.990829,-0.000000>,1.500000
<-58.506832,236.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-58.506832,236.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-56.537216,235.817184,-0.000000>,1.500000
<-57.180004,236.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.180004,236.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-57.180004,236.583237,-0.000000>,1.500000
<-57.822792,237.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-57.822792,237.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.073116,233.817184,-0.000000>,1.500000
<-53.415134,234.756882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.415134,234.756882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.415134,234.756882,-0.000000>,1.500000
<-53.757156,235.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.757156,235.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.757156,235.696579,-0.000000>,1.500000
<-53.757156,236.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.757156,236.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.757156,236.696579,-0.000000>,1.500000
<-53.757156,237.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.757156,237.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.757156,235.696579,-0.000000>,1.500000
<-54.099174,236.636261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.099174,236.636261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.099174,236.636261,-0.000000>,1.500000
<-54.441196,237.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.441196,237.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.441196,237.575958,-0.000000>,1.500000
<-55.083984,238.341995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.083984,238.341995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-55.083984,238.341995,-0.000000>,1.500000
<-55.726772,239.108047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-55.726772,239.108047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.441196,237.575958,-0.000000>,1.500000
<-54.441196,238.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.441196,238.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-54.441196,238.575958,-0.000000>,1.500000
<-54.441196,239.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-54.441196,239.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,227.688828,-0.000000>,1.500000
<-47.930817,228.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,228.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,228.688828,-0.000000>,1.500000
<-47.930817,229.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,229.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,229.688828,-0.000000>,1.500000
<-47.930817,230.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,230.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,230.688828,-0.000000>,1.500000
<-47.930817,231.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,231.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,231.688828,-0.000000>,1.500000
<-47.588795,232.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.588795,232.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.588795,232.628525,-0.000000>,1.500000
<-47.246777,233.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.246777,233.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.246777,233.568222,-0.000000>,1.500000
<-46.603989,234.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.603989,234.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.603989,234.334259,-0.000000>,1.500000
<-45.961201,235.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.961201,235.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.246777,233.568222,-0.000000>,1.500000
<-46.904755,234.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.904755,234.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.904755,234.507904,-0.000000>,1.500000
<-46.562733,235.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,235.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,235.447601,-0.000000>,1.500000
<-46.562733,236.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,236.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,236.447601,-0.000000>,1.500000
<-46.562733,237.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,237.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,235.447601,-0.000000>,1.500000
<-45.919949,236.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.919949,236.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.919949,236.213654,-0.000000>,1.500000
<-45.277161,236.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.277161,236.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,231.688828,-0.000000>,1.500000
<-47.930817,232.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,232.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,232.688828,-0.000000>,1.500000
<-47.930817,233.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,233.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,233.688828,-0.000000>,1.500000
<-47.930817,234.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,234.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,234.688828,-0.000000>,1.500000
<-47.930817,235.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.930817,235.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,235.688828,-0.000000>,1.500000
<-48.272835,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.272835,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.272835,236.628525,-0.000000>,1.500000
<-48.614857,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.614857,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.614857,237.568222,-0.000000>,1.500000
<-48.614857,238.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.614857,238.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.614857,238.568222,-0.000000>,1.500000
<-48.614857,239.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.614857,239.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.614857,237.568222,-0.000000>,1.500000
<-48.956875,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.956875,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.956875,238.507904,-0.000000>,1.500000
<-49.298897,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.298897,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.298897,239.447601,-0.000000>,1.500000
<-49.941685,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.941685,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.941685,240.213654,-0.000000>,1.500000
<-50.584473,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.584473,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.298897,239.447601,-0.000000>,1.500000
<-49.298897,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.298897,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.298897,240.447601,-0.000000>,1.500000
<-49.298897,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.298897,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.930817,235.688828,-0.000000>,1.500000
<-47.588795,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.588795,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.588795,236.628525,-0.000000>,1.500000
<-47.246777,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.246777,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.246777,237.568222,-0.000000>,1.500000
<-46.603989,238.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.603989,238.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.603989,238.334259,-0.000000>,1.500000
<-45.961201,239.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.961201,239.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.246777,237.568222,-0.000000>,1.500000
<-46.904755,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.904755,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.904755,238.507904,-0.000000>,1.500000
<-46.562733,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,239.447601,-0.000000>,1.500000
<-46.562733,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,240.447601,-0.000000>,1.500000
<-46.562733,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.562733,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.562733,239.447601,-0.000000>,1.500000
<-45.919949,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.919949,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.919949,240.213654,-0.000000>,1.500000
<-45.277161,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.277161,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,188.140335,-0.000000>,1.500000
<-21.889290,189.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,189.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,189.140335,-0.000000>,1.500000
<-21.889290,190.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,190.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,190.140335,-0.000000>,1.500000
<-21.889290,191.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,191.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,191.140335,-0.000000>,1.500000
<-21.889290,192.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,192.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,192.140335,-0.000000>,1.500000
<-21.889290,193.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,193.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,193.140335,-0.000000>,1.500000
<-21.889290,194.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,194.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,194.140335,-0.000000>,1.500000
<-21.889290,195.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,195.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,195.140335,-0.000000>,1.500000
<-21.889290,196.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,196.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,196.140335,-0.000000>,1.500000
<-21.889290,197.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,197.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,197.140335,-0.000000>,1.500000
<-21.889290,198.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,198.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,198.140335,-0.000000>,1.500000
<-21.889290,199.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,199.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,199.140335,-0.000000>,1.500000
<-21.889290,200.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,200.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,200.140335,-0.000000>,1.500000
<-21.889290,201.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,201.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,201.140335,-0.000000>,1.500000
<-21.889290,202.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,202.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,202.140335,-0.000000>,1.500000
<-21.889290,203.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,203.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,203.140335,-0.000000>,1.500000
<-21.889290,204.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,204.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,204.140335,-0.000000>,1.500000
<-21.547270,205.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.547270,205.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.547270,205.080017,-0.000000>,1.500000
<-21.205250,206.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.205250,206.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.205250,206.019714,-0.000000>,1.500000
<-20.863228,206.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.863228,206.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.863228,206.959412,-0.000000>,1.500000
<-20.521208,207.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.521208,207.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.521208,207.899094,-0.000000>,1.500000
<-20.179188,208.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.179188,208.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.179188,208.838791,-0.000000>,1.500000
<-19.837168,209.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.837168,209.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.837168,209.778488,-0.000000>,1.500000
<-19.495148,210.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.495148,210.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.495148,210.718170,-0.000000>,1.500000
<-19.153128,211.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.153128,211.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.153128,211.657867,-0.000000>,1.500000
<-18.510340,212.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.510340,212.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.510340,212.423920,-0.000000>,1.500000
<-17.867554,213.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.867554,213.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.867554,213.189957,-0.000000>,1.500000
<-17.224766,213.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.224766,213.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.224766,213.956009,-0.000000>,1.500000
<-16.581978,214.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.581978,214.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.581978,214.722046,-0.000000>,1.500000
<-15.715952,215.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.715952,215.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.715952,215.222046,-0.000000>,1.500000
<-14.849927,215.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.849927,215.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.849927,215.722046,-0.000000>,1.500000
<-13.865119,215.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.865119,215.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.865119,215.895691,-0.000000>,1.500000
<-12.880311,216.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.880311,216.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.849927,215.722046,-0.000000>,1.500000
<-13.983901,216.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.983901,216.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.983901,216.222046,-0.000000>,1.500000
<-13.117876,216.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.117876,216.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.117876,216.722046,-0.000000>,1.500000
<-12.475088,217.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.475088,217.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.475088,217.488098,-0.000000>,1.500000
<-11.832301,218.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.832301,218.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.117876,216.722046,-0.000000>,1.500000
<-12.133068,216.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.133068,216.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.133068,216.895691,-0.000000>,1.500000
<-11.148260,217.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.148260,217.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.581978,214.722046,-0.000000>,1.500000
<-15.939190,215.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.939190,215.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.939190,215.488098,-0.000000>,1.500000
<-15.296402,216.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.296402,216.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.296402,216.254135,-0.000000>,1.500000
<-14.653615,217.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.653615,217.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.653615,217.020187,-0.000000>,1.500000
<-14.010827,217.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.010827,217.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.010827,217.786224,-0.000000>,1.500000
<-13.668807,218.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.668807,218.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.668807,218.725922,-0.000000>,1.500000
<-13.326787,219.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.326787,219.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.326787,219.665604,-0.000000>,1.500000
<-12.683999,220.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.683999,220.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.683999,220.431656,-0.000000>,1.500000
<-12.041212,221.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.041212,221.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.326787,219.665604,-0.000000>,1.500000
<-12.984767,220.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.984767,220.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.984767,220.605301,-0.000000>,1.500000
<-12.642747,221.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.642747,221.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.642747,221.544998,-0.000000>,1.500000
<-12.642747,222.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.642747,222.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.642747,222.544998,-0.000000>,1.500000
<-12.642747,223.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.642747,223.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.642747,221.544998,-0.000000>,1.500000
<-11.999959,222.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.999959,222.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.999959,222.311035,-0.000000>,1.500000
<-11.357171,223.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.357171,223.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.010827,217.786224,-0.000000>,1.500000
<-13.144802,218.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.144802,218.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.144802,218.286224,-0.000000>,1.500000
<-12.278776,218.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.278776,218.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.278776,218.786224,-0.000000>,1.500000
<-11.293968,218.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.293968,218.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.293968,218.959869,-0.000000>,1.500000
<-10.309161,219.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.309161,219.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.278776,218.786224,-0.000000>,1.500000
<-11.412751,219.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.412751,219.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.412751,219.286224,-0.000000>,1.500000
<-10.546725,219.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.546725,219.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.546725,219.786224,-0.000000>,1.500000
<-9.903938,220.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.903938,220.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.903938,220.552261,-0.000000>,1.500000
<-9.261150,221.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.261150,221.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.546725,219.786224,-0.000000>,1.500000
<-9.561918,219.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.561918,219.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.561918,219.959869,-0.000000>,1.500000
<-8.577110,220.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.577110,220.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.153128,211.657867,-0.000000>,1.500000
<-18.811108,212.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.811108,212.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.811108,212.597565,-0.000000>,1.500000
<-18.469088,213.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.469088,213.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.469088,213.537247,-0.000000>,1.500000
<-18.127068,214.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.127068,214.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.127068,214.476944,-0.000000>,1.500000
<-17.785048,215.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,215.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,215.416641,-0.000000>,1.500000
<-17.443027,216.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.443027,216.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.443027,216.356339,-0.000000>,1.500000
<-17.101007,217.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,217.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,217.296021,-0.000000>,1.500000
<-16.758987,218.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.758987,218.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.758987,218.235718,-0.000000>,1.500000
<-16.416967,219.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,219.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,219.175415,-0.000000>,1.500000
<-16.416967,220.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,220.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,220.175415,-0.000000>,1.500000
<-16.416967,221.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,221.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,221.175415,-0.000000>,1.500000
<-16.416967,222.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,222.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,222.175415,-0.000000>,1.500000
<-16.416967,223.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,223.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,223.175415,-0.000000>,1.500000
<-16.074947,224.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,224.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,224.115097,-0.000000>,1.500000
<-15.732926,225.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,225.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,225.054794,-0.000000>,1.500000
<-15.090139,225.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.090139,225.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.090139,225.820847,-0.000000>,1.500000
<-14.447351,226.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.447351,226.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,225.054794,-0.000000>,1.500000
<-15.390906,225.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,225.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,225.994492,-0.000000>,1.500000
<-15.048886,226.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,226.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,226.934174,-0.000000>,1.500000
<-15.048886,227.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,227.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,227.934174,-0.000000>,1.500000
<-15.048886,228.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,228.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,226.934174,-0.000000>,1.500000
<-14.406098,227.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.406098,227.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.406098,227.700226,-0.000000>,1.500000
<-13.763311,228.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.763311,228.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,223.175415,-0.000000>,1.500000
<-16.416967,224.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,224.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,224.175415,-0.000000>,1.500000
<-16.416967,225.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,225.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,225.175415,-0.000000>,1.500000
<-16.416967,226.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,226.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,226.175415,-0.000000>,1.500000
<-16.416967,227.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,227.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,227.175415,-0.000000>,1.500000
<-16.758987,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.758987,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.758987,228.115097,-0.000000>,1.500000
<-17.101007,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,229.054794,-0.000000>,1.500000
<-17.101007,230.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,230.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,230.054794,-0.000000>,1.500000
<-17.101007,231.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,231.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,229.054794,-0.000000>,1.500000
<-17.443027,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.443027,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.443027,229.994492,-0.000000>,1.500000
<-17.785048,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,230.934174,-0.000000>,1.500000
<-18.427835,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.427835,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.427835,231.700226,-0.000000>,1.500000
<-19.070623,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.070623,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,230.934174,-0.000000>,1.500000
<-17.785048,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,231.934174,-0.000000>,1.500000
<-17.785048,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,227.175415,-0.000000>,1.500000
<-16.074947,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,228.115097,-0.000000>,1.500000
<-15.732926,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,229.054794,-0.000000>,1.500000
<-15.090139,229.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.090139,229.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.090139,229.820847,-0.000000>,1.500000
<-14.447351,230.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.447351,230.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,229.054794,-0.000000>,1.500000
<-15.390906,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,229.994492,-0.000000>,1.500000
<-15.048886,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,230.934174,-0.000000>,1.500000
<-15.048886,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,231.934174,-0.000000>,1.500000
<-15.048886,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,230.934174,-0.000000>,1.500000
<-14.406098,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.406098,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.406098,231.700226,-0.000000>,1.500000
<-13.763311,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.763311,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,219.175415,-0.000000>,1.500000
<-15.774179,219.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.774179,219.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.774179,219.941452,-0.000000>,1.500000
<-15.131392,220.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.131392,220.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.131392,220.707504,-0.000000>,1.500000
<-14.488604,221.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.488604,221.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.488604,221.473541,-0.000000>,1.500000
<-13.845817,222.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.845817,222.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.845817,222.239594,-0.000000>,1.500000
<-12.979791,222.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.979791,222.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.979791,222.739594,-0.000000>,1.500000
<-12.113766,223.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.113766,223.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.113766,223.239594,-0.000000>,1.500000
<-11.128958,223.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.128958,223.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.128958,223.413239,-0.000000>,1.500000
<-10.144150,223.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.144150,223.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.113766,223.239594,-0.000000>,1.500000
<-11.247740,223.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.247740,223.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.247740,223.739594,-0.000000>,1.500000
<-10.381715,224.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.381715,224.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.381715,224.239594,-0.000000>,1.500000
<-9.738927,225.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.738927,225.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.738927,225.005630,-0.000000>,1.500000
<-9.096140,225.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.096140,225.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.381715,224.239594,-0.000000>,1.500000
<-9.396907,224.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.396907,224.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.396907,224.413239,-0.000000>,1.500000
<-8.412099,224.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.412099,224.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.845817,222.239594,-0.000000>,1.500000
<-13.203029,223.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.203029,223.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.203029,223.005630,-0.000000>,1.500000
<-12.560242,223.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.560242,223.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.560242,223.771683,-0.000000>,1.500000
<-11.917454,224.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.917454,224.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.917454,224.537720,-0.000000>,1.500000
<-11.274666,225.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.274666,225.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.274666,225.303772,-0.000000>,1.500000
<-10.932646,226.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.932646,226.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.932646,226.243454,-0.000000>,1.500000
<-10.590626,227.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.590626,227.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.590626,227.183151,-0.000000>,1.500000
<-9.947838,227.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.947838,227.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.947838,227.949188,-0.000000>,1.500000
<-9.305051,228.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.305051,228.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.590626,227.183151,-0.000000>,1.500000
<-10.248606,228.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.248606,228.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.248606,228.122849,-0.000000>,1.500000
<-9.906586,229.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.906586,229.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.906586,229.062531,-0.000000>,1.500000
<-9.906586,230.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.906586,230.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.906586,230.062531,-0.000000>,1.500000
<-9.906586,231.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.906586,231.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.906586,229.062531,-0.000000>,1.500000
<-9.263798,229.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.263798,229.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.263798,229.828583,-0.000000>,1.500000
<-8.621010,230.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.621010,230.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.274666,225.303772,-0.000000>,1.500000
<-10.408641,225.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.408641,225.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.408641,225.803772,-0.000000>,1.500000
<-9.542615,226.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.542615,226.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.542615,226.303772,-0.000000>,1.500000
<-8.557807,226.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.557807,226.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.557807,226.477417,-0.000000>,1.500000
<-7.572999,226.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.572999,226.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.542615,226.303772,-0.000000>,1.500000
<-8.676590,226.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.676590,226.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.676590,226.803772,-0.000000>,1.500000
<-7.810565,227.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.810565,227.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.810565,227.303772,-0.000000>,1.500000
<-7.167777,228.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.167777,228.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.167777,228.069809,-0.000000>,1.500000
<-6.524989,228.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.524989,228.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.810565,227.303772,-0.000000>,1.500000
<-6.825757,227.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.825757,227.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.825757,227.477417,-0.000000>,1.500000
<-5.840949,227.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.840949,227.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,204.140335,-0.000000>,1.500000
<-21.889290,205.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,205.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,205.140335,-0.000000>,1.500000
<-21.889290,206.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,206.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,206.140335,-0.000000>,1.500000
<-21.889290,207.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,207.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,207.140335,-0.000000>,1.500000
<-21.889290,208.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,208.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,208.140335,-0.000000>,1.500000
<-21.889290,209.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,209.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,209.140335,-0.000000>,1.500000
<-21.889290,210.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,210.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,210.140335,-0.000000>,1.500000
<-21.889290,211.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,211.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,211.140335,-0.000000>,1.500000
<-21.889290,212.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,212.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,212.140335,-0.000000>,1.500000
<-21.889290,213.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,213.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,213.140335,-0.000000>,1.500000
<-21.889290,214.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,214.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,214.140335,-0.000000>,1.500000
<-21.889290,215.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,215.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,215.140335,-0.000000>,1.500000
<-21.889290,216.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,216.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,216.140335,-0.000000>,1.500000
<-21.889290,217.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,217.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,217.140335,-0.000000>,1.500000
<-21.889290,218.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,218.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,218.140335,-0.000000>,1.500000
<-21.889290,219.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,219.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,219.140335,-0.000000>,1.500000
<-21.889290,220.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.889290,220.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,220.140335,-0.000000>,1.500000
<-22.231310,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.231310,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.231310,221.080017,-0.000000>,1.500000
<-22.573330,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.573330,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.573330,222.019714,-0.000000>,1.500000
<-22.915350,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.915350,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.915350,222.959412,-0.000000>,1.500000
<-23.257370,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.257370,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.257370,223.899094,-0.000000>,1.500000
<-23.599390,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.599390,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.599390,224.838791,-0.000000>,1.500000
<-23.941410,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.941410,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.941410,225.778488,-0.000000>,1.500000
<-24.283430,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.283430,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.283430,226.718170,-0.000000>,1.500000
<-24.625450,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,227.657867,-0.000000>,1.500000
<-24.625450,228.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,228.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,228.657867,-0.000000>,1.500000
<-24.625450,229.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,229.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,229.657867,-0.000000>,1.500000
<-24.625450,230.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,230.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,230.657867,-0.000000>,1.500000
<-24.625450,231.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,231.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,231.657867,-0.000000>,1.500000
<-24.283430,232.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.283430,232.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.283430,232.597565,-0.000000>,1.500000
<-23.941410,233.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.941410,233.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.941410,233.537247,-0.000000>,1.500000
<-23.298622,234.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.298622,234.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.298622,234.303299,-0.000000>,1.500000
<-22.655834,235.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.655834,235.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.941410,233.537247,-0.000000>,1.500000
<-23.599390,234.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.599390,234.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.599390,234.476944,-0.000000>,1.500000
<-23.257370,235.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.257370,235.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.257370,235.416641,-0.000000>,1.500000
<-23.257370,236.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.257370,236.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.257370,236.416641,-0.000000>,1.500000
<-23.257370,237.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.257370,237.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.257370,235.416641,-0.000000>,1.500000
<-22.614582,236.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.614582,236.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.614582,236.182678,-0.000000>,1.500000
<-21.971794,236.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.971794,236.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,231.657867,-0.000000>,1.500000
<-24.625450,232.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,232.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,232.657867,-0.000000>,1.500000
<-24.625450,233.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,233.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,233.657867,-0.000000>,1.500000
<-24.625450,234.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,234.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,234.657867,-0.000000>,1.500000
<-24.625450,235.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.625450,235.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,235.657867,-0.000000>,1.500000
<-24.967470,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.967470,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.967470,236.597565,-0.000000>,1.500000
<-25.309490,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.309490,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.309490,237.537247,-0.000000>,1.500000
<-25.309490,238.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.309490,238.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.309490,238.537247,-0.000000>,1.500000
<-25.309490,239.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.309490,239.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.309490,237.537247,-0.000000>,1.500000
<-25.651510,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.651510,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.651510,238.476944,-0.000000>,1.500000
<-25.993530,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,239.416641,-0.000000>,1.500000
<-26.636318,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.636318,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.636318,240.182678,-0.000000>,1.500000
<-27.279106,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.279106,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,239.416641,-0.000000>,1.500000
<-25.993530,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,240.416641,-0.000000>,1.500000
<-25.993530,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,235.657867,-0.000000>,1.500000
<-24.283430,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.283430,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.283430,236.597565,-0.000000>,1.500000
<-23.941410,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.941410,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.941410,237.537247,-0.000000>,1.500000
<-23.298622,238.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.298622,238.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.298622,238.303299,-0.000000>,1.500000
<-22.655834,239.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.655834,239.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.941410,237.537247,-0.000000>,1.500000
<-23.599390,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.599390,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.599390,238.476944,-0.000000>,1.500000
<-23.257370,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.257370,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.257370,239.416641,-0.000000>,1.500000
<-23.257370,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.257370,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.257370,240.416641,-0.000000>,1.500000
<-23.257370,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.257370,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.257370,239.416641,-0.000000>,1.500000
<-22.614582,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.614582,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.614582,240.182678,-0.000000>,1.500000
<-21.971794,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.971794,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.625450,227.657867,-0.000000>,1.500000
<-24.967470,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.967470,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.967470,228.597565,-0.000000>,1.500000
<-25.309490,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.309490,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.309490,229.537247,-0.000000>,1.500000
<-25.651510,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.651510,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.651510,230.476944,-0.000000>,1.500000
<-25.993530,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,231.416641,-0.000000>,1.500000
<-26.335550,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.335550,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.335550,232.356339,-0.000000>,1.500000
<-26.677570,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.677570,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.677570,233.296021,-0.000000>,1.500000
<-27.019590,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.019590,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.019590,234.235718,-0.000000>,1.500000
<-27.361612,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,235.175415,-0.000000>,1.500000
<-28.004398,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.004398,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.004398,235.941452,-0.000000>,1.500000
<-28.647186,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.647186,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.647186,236.707504,-0.000000>,1.500000
<-29.289974,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.289974,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.289974,237.473541,-0.000000>,1.500000
<-29.932762,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.932762,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.932762,238.239594,-0.000000>,1.500000
<-30.274782,239.179276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.274782,239.179276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.274782,239.179276,-0.000000>,1.500000
<-30.616802,240.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.616802,240.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.616802,240.118973,-0.000000>,1.500000
<-30.616802,241.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.616802,241.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.616802,241.118973,-0.000000>,1.500000
<-30.616802,242.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.616802,242.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.616802,240.118973,-0.000000>,1.500000
<-30.958822,241.058670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.958822,241.058670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.958822,241.058670,-0.000000>,1.500000
<-31.300842,241.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.300842,241.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.300842,241.998352,-0.000000>,1.500000
<-31.943630,242.764404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.943630,242.764404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.943630,242.764404,-0.000000>,1.500000
<-32.586418,243.530441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.586418,243.530441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.300842,241.998352,-0.000000>,1.500000
<-31.300842,242.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.300842,242.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.300842,242.998352,-0.000000>,1.500000
<-31.300842,243.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.300842,243.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.932762,238.239594,-0.000000>,1.500000
<-30.575550,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.575550,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.575550,239.005630,-0.000000>,1.500000
<-31.218338,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.218338,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.218338,239.771683,-0.000000>,1.500000
<-31.861124,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.861124,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.861124,240.537720,-0.000000>,1.500000
<-32.503914,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.503914,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.503914,241.303772,-0.000000>,1.500000
<-33.369938,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.369938,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.369938,241.803772,-0.000000>,1.500000
<-34.235962,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.235962,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.235962,242.303772,-0.000000>,1.500000
<-34.878750,243.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.878750,243.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.878750,243.069809,-0.000000>,1.500000
<-35.521538,243.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.521538,243.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.235962,242.303772,-0.000000>,1.500000
<-35.101990,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.101990,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.101990,242.803772,-0.000000>,1.500000
<-35.968014,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.968014,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.968014,243.303772,-0.000000>,1.500000
<-36.952820,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.952820,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.952820,243.477417,-0.000000>,1.500000
<-37.937630,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.937630,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.968014,243.303772,-0.000000>,1.500000
<-36.610802,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.610802,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.610802,244.069809,-0.000000>,1.500000
<-37.253590,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.253590,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.503914,241.303772,-0.000000>,1.500000
<-32.845932,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.845932,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.845932,242.243454,-0.000000>,1.500000
<-33.187954,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.187954,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.187954,243.183151,-0.000000>,1.500000
<-33.187954,244.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.187954,244.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.187954,244.183151,-0.000000>,1.500000
<-33.187954,245.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.187954,245.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.187954,243.183151,-0.000000>,1.500000
<-33.529972,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.529972,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.529972,244.122849,-0.000000>,1.500000
<-33.871994,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.871994,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.871994,245.062531,-0.000000>,1.500000
<-34.514782,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.514782,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.514782,245.828583,-0.000000>,1.500000
<-35.157570,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.157570,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.871994,245.062531,-0.000000>,1.500000
<-33.871994,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.871994,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.871994,246.062531,-0.000000>,1.500000
<-33.871994,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.871994,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,235.175415,-0.000000>,1.500000
<-27.361612,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,236.175415,-0.000000>,1.500000
<-27.361612,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,237.175415,-0.000000>,1.500000
<-27.361612,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,238.175415,-0.000000>,1.500000
<-27.361612,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,239.175415,-0.000000>,1.500000
<-27.019590,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.019590,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.019590,240.115097,-0.000000>,1.500000
<-26.677570,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.677570,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.677570,241.054794,-0.000000>,1.500000
<-26.034784,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.034784,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.034784,241.820847,-0.000000>,1.500000
<-25.391996,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.391996,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.677570,241.054794,-0.000000>,1.500000
<-26.335550,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.335550,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.335550,241.994492,-0.000000>,1.500000
<-25.993530,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,242.934174,-0.000000>,1.500000
<-25.993530,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,243.934174,-0.000000>,1.500000
<-25.993530,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,242.934174,-0.000000>,1.500000
<-25.350742,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.350742,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.350742,243.700226,-0.000000>,1.500000
<-24.707956,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.707956,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,239.175415,-0.000000>,1.500000
<-27.361612,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,240.175415,-0.000000>,1.500000
<-27.361612,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,241.175415,-0.000000>,1.500000
<-27.361612,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,242.175415,-0.000000>,1.500000
<-27.361612,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.361612,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,243.175415,-0.000000>,1.500000
<-27.703632,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.703632,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.703632,244.115097,-0.000000>,1.500000
<-28.045652,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.045652,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.045652,245.054794,-0.000000>,1.500000
<-28.045652,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.045652,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.045652,246.054794,-0.000000>,1.500000
<-28.045652,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.045652,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.045652,245.054794,-0.000000>,1.500000
<-28.387672,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.387672,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.387672,245.994492,-0.000000>,1.500000
<-28.729692,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.729692,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.729692,246.934174,-0.000000>,1.500000
<-29.372480,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.372480,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.372480,247.700226,-0.000000>,1.500000
<-30.015266,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.015266,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.729692,246.934174,-0.000000>,1.500000
<-28.729692,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.729692,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.729692,247.934174,-0.000000>,1.500000
<-28.729692,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.729692,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.361612,243.175415,-0.000000>,1.500000
<-27.019590,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.019590,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.019590,244.115097,-0.000000>,1.500000
<-26.677570,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.677570,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.677570,245.054794,-0.000000>,1.500000
<-26.034784,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.034784,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.034784,245.820847,-0.000000>,1.500000
<-25.391996,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.391996,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.677570,245.054794,-0.000000>,1.500000
<-26.335550,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.335550,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.335550,245.994492,-0.000000>,1.500000
<-25.993530,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,246.934174,-0.000000>,1.500000
<-25.993530,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,247.934174,-0.000000>,1.500000
<-25.993530,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.993530,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.993530,246.934174,-0.000000>,1.500000
<-25.350742,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.350742,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.350742,247.700226,-0.000000>,1.500000
<-24.707956,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.707956,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.889290,220.140335,-0.000000>,1.500000
<-21.547270,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.547270,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.547270,221.080017,-0.000000>,1.500000
<-21.205250,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.205250,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.205250,222.019714,-0.000000>,1.500000
<-20.863228,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.863228,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.863228,222.959412,-0.000000>,1.500000
<-20.521208,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.521208,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.521208,223.899094,-0.000000>,1.500000
<-20.179188,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.179188,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.179188,224.838791,-0.000000>,1.500000
<-19.837168,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.837168,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.837168,225.778488,-0.000000>,1.500000
<-19.495148,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.495148,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.495148,226.718170,-0.000000>,1.500000
<-19.153128,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.153128,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.153128,227.657867,-0.000000>,1.500000
<-18.510340,228.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.510340,228.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.510340,228.423920,-0.000000>,1.500000
<-17.867554,229.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.867554,229.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.867554,229.189957,-0.000000>,1.500000
<-17.224766,229.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.224766,229.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.224766,229.956009,-0.000000>,1.500000
<-16.581978,230.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.581978,230.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.581978,230.722046,-0.000000>,1.500000
<-15.715952,231.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.715952,231.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.715952,231.222046,-0.000000>,1.500000
<-14.849927,231.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.849927,231.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.849927,231.722046,-0.000000>,1.500000
<-13.865119,231.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.865119,231.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.865119,231.895691,-0.000000>,1.500000
<-12.880311,232.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.880311,232.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.849927,231.722046,-0.000000>,1.500000
<-13.983901,232.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.983901,232.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.983901,232.222046,-0.000000>,1.500000
<-13.117876,232.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.117876,232.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.117876,232.722046,-0.000000>,1.500000
<-12.475088,233.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.475088,233.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.475088,233.488098,-0.000000>,1.500000
<-11.832301,234.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.832301,234.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.117876,232.722046,-0.000000>,1.500000
<-12.133068,232.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.133068,232.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.133068,232.895691,-0.000000>,1.500000
<-11.148260,233.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.148260,233.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.581978,230.722046,-0.000000>,1.500000
<-15.939190,231.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.939190,231.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.939190,231.488098,-0.000000>,1.500000
<-15.296402,232.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.296402,232.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.296402,232.254135,-0.000000>,1.500000
<-14.653615,233.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.653615,233.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.653615,233.020187,-0.000000>,1.500000
<-14.010827,233.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.010827,233.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.010827,233.786224,-0.000000>,1.500000
<-13.668807,234.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.668807,234.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.668807,234.725922,-0.000000>,1.500000
<-13.326787,235.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.326787,235.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.326787,235.665604,-0.000000>,1.500000
<-12.683999,236.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.683999,236.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.683999,236.431656,-0.000000>,1.500000
<-12.041212,237.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.041212,237.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.326787,235.665604,-0.000000>,1.500000
<-12.984767,236.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.984767,236.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.984767,236.605301,-0.000000>,1.500000
<-12.642747,237.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.642747,237.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.642747,237.544998,-0.000000>,1.500000
<-12.642747,238.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.642747,238.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.642747,238.544998,-0.000000>,1.500000
<-12.642747,239.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.642747,239.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.642747,237.544998,-0.000000>,1.500000
<-11.999959,238.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.999959,238.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.999959,238.311035,-0.000000>,1.500000
<-11.357171,239.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.357171,239.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.010827,233.786224,-0.000000>,1.500000
<-13.144802,234.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.144802,234.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.144802,234.286224,-0.000000>,1.500000
<-12.278776,234.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.278776,234.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.278776,234.786224,-0.000000>,1.500000
<-11.293968,234.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.293968,234.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.293968,234.959869,-0.000000>,1.500000
<-10.309161,235.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.309161,235.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.278776,234.786224,-0.000000>,1.500000
<-11.412751,235.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.412751,235.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.412751,235.286224,-0.000000>,1.500000
<-10.546725,235.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.546725,235.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.546725,235.786224,-0.000000>,1.500000
<-9.903938,236.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.903938,236.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.903938,236.552261,-0.000000>,1.500000
<-9.261150,237.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.261150,237.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.546725,235.786224,-0.000000>,1.500000
<-9.561918,235.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.561918,235.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.561918,235.959869,-0.000000>,1.500000
<-8.577110,236.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.577110,236.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.153128,227.657867,-0.000000>,1.500000
<-18.811108,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.811108,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.811108,228.597565,-0.000000>,1.500000
<-18.469088,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.469088,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.469088,229.537247,-0.000000>,1.500000
<-18.127068,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.127068,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.127068,230.476944,-0.000000>,1.500000
<-17.785048,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,231.416641,-0.000000>,1.500000
<-17.443027,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.443027,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.443027,232.356339,-0.000000>,1.500000
<-17.101007,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,233.296021,-0.000000>,1.500000
<-16.758987,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.758987,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.758987,234.235718,-0.000000>,1.500000
<-16.416967,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,235.175415,-0.000000>,1.500000
<-16.416967,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,236.175415,-0.000000>,1.500000
<-16.416967,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,237.175415,-0.000000>,1.500000
<-16.416967,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,238.175415,-0.000000>,1.500000
<-16.416967,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,239.175415,-0.000000>,1.500000
<-16.074947,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,240.115097,-0.000000>,1.500000
<-15.732926,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,241.054794,-0.000000>,1.500000
<-15.090139,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.090139,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.090139,241.820847,-0.000000>,1.500000
<-14.447351,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.447351,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,241.054794,-0.000000>,1.500000
<-15.390906,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,241.994492,-0.000000>,1.500000
<-15.048886,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,242.934174,-0.000000>,1.500000
<-15.048886,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,243.934174,-0.000000>,1.500000
<-15.048886,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,242.934174,-0.000000>,1.500000
<-14.406098,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.406098,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.406098,243.700226,-0.000000>,1.500000
<-13.763311,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.763311,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,239.175415,-0.000000>,1.500000
<-16.416967,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,240.175415,-0.000000>,1.500000
<-16.416967,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,241.175415,-0.000000>,1.500000
<-16.416967,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,242.175415,-0.000000>,1.500000
<-16.416967,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.416967,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,243.175415,-0.000000>,1.500000
<-16.758987,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.758987,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.758987,244.115097,-0.000000>,1.500000
<-17.101007,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,245.054794,-0.000000>,1.500000
<-17.101007,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,246.054794,-0.000000>,1.500000
<-17.101007,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.101007,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.101007,245.054794,-0.000000>,1.500000
<-17.443027,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.443027,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.443027,245.994492,-0.000000>,1.500000
<-17.785048,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,246.934174,-0.000000>,1.500000
<-18.427835,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.427835,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.427835,247.700226,-0.000000>,1.500000
<-19.070623,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.070623,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,246.934174,-0.000000>,1.500000
<-17.785048,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.785048,247.934174,-0.000000>,1.500000
<-17.785048,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.785048,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,243.175415,-0.000000>,1.500000
<-16.074947,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.074947,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.074947,244.115097,-0.000000>,1.500000
<-15.732926,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.732926,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,245.054794,-0.000000>,1.500000
<-15.090139,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.090139,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.090139,245.820847,-0.000000>,1.500000
<-14.447351,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.447351,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.732926,245.054794,-0.000000>,1.500000
<-15.390906,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.390906,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.390906,245.994492,-0.000000>,1.500000
<-15.048886,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,246.934174,-0.000000>,1.500000
<-15.048886,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,247.934174,-0.000000>,1.500000
<-15.048886,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.048886,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.048886,246.934174,-0.000000>,1.500000
<-14.406098,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.406098,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.406098,247.700226,-0.000000>,1.500000
<-13.763311,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.763311,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.416967,235.175415,-0.000000>,1.500000
<-15.774179,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.774179,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.774179,235.941452,-0.000000>,1.500000
<-15.131392,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.131392,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.131392,236.707504,-0.000000>,1.500000
<-14.488604,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.488604,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.488604,237.473541,-0.000000>,1.500000
<-13.845817,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.845817,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.845817,238.239594,-0.000000>,1.500000
<-12.979791,238.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.979791,238.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.979791,238.739594,-0.000000>,1.500000
<-12.113766,239.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.113766,239.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.113766,239.239594,-0.000000>,1.500000
<-11.128958,239.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.128958,239.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.128958,239.413239,-0.000000>,1.500000
<-10.144150,239.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.144150,239.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.113766,239.239594,-0.000000>,1.500000
<-11.247740,239.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.247740,239.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.247740,239.739594,-0.000000>,1.500000
<-10.381715,240.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.381715,240.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.381715,240.239594,-0.000000>,1.500000
<-9.738927,241.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.738927,241.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.738927,241.005630,-0.000000>,1.500000
<-9.096140,241.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.096140,241.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.381715,240.239594,-0.000000>,1.500000
<-9.396907,240.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.396907,240.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.396907,240.413239,-0.000000>,1.500000
<-8.412099,240.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.412099,240.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.845817,238.239594,-0.000000>,1.500000
<-13.203029,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.203029,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.203029,239.005630,-0.000000>,1.500000
<-12.560242,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.560242,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.560242,239.771683,-0.000000>,1.500000
<-11.917454,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.917454,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.917454,240.537720,-0.000000>,1.500000
<-11.274666,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.274666,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.274666,241.303772,-0.000000>,1.500000
<-10.932646,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.932646,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.932646,242.243454,-0.000000>,1.500000
<-10.590626,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.590626,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.590626,243.183151,-0.000000>,1.500000
<-9.947838,243.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.947838,243.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.947838,243.949188,-0.000000>,1.500000
<-9.305051,244.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.305051,244.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.590626,243.183151,-0.000000>,1.500000
<-10.248606,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.248606,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.248606,244.122849,-0.000000>,1.500000
<-9.906586,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.906586,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.906586,245.062531,-0.000000>,1.500000
<-9.906586,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.906586,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.906586,246.062531,-0.000000>,1.500000
<-9.906586,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.906586,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.906586,245.062531,-0.000000>,1.500000
<-9.263798,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.263798,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.263798,245.828583,-0.000000>,1.500000
<-8.621010,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.621010,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.274666,241.303772,-0.000000>,1.500000
<-10.408641,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.408641,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.408641,241.803772,-0.000000>,1.500000
<-9.542615,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.542615,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.542615,242.303772,-0.000000>,1.500000
<-8.557807,242.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.557807,242.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.557807,242.477417,-0.000000>,1.500000
<-7.572999,242.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.572999,242.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.542615,242.303772,-0.000000>,1.500000
<-8.676590,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.676590,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.676590,242.803772,-0.000000>,1.500000
<-7.810565,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.810565,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.810565,243.303772,-0.000000>,1.500000
<-7.167777,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.167777,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.167777,244.069809,-0.000000>,1.500000
<-6.524989,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.524989,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.810565,243.303772,-0.000000>,1.500000
<-6.825757,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.825757,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.825757,243.477417,-0.000000>,1.500000
<-5.840949,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.840949,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,128.000000,-0.000000>,1.500000
<0.342020,128.939697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,128.939697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,128.939697,-0.000000>,1.500000
<0.684040,129.879379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,129.879379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,129.879379,-0.000000>,1.500000
<1.026060,130.819077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,130.819077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,130.819077,-0.000000>,1.500000
<1.368081,131.758774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,131.758774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,131.758774,-0.000000>,1.500000
<1.710101,132.698456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,132.698456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,132.698456,-0.000000>,1.500000
<2.052121,133.638153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,133.638153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,133.638153,-0.000000>,1.500000
<2.394141,134.577850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,134.577850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,134.577850,-0.000000>,1.500000
<2.736161,135.517548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,135.517548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,135.517548,-0.000000>,1.500000
<3.078181,136.457230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,136.457230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,136.457230,-0.000000>,1.500000
<3.420202,137.396927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,137.396927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,137.396927,-0.000000>,1.500000
<3.762222,138.336624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,138.336624,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,138.336624,-0.000000>,1.500000
<4.104242,139.276306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,139.276306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,139.276306,-0.000000>,1.500000
<4.446262,140.216003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,140.216003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,140.216003,-0.000000>,1.500000
<4.788282,141.155701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,141.155701,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,141.155701,-0.000000>,1.500000
<5.130302,142.095383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,142.095383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,142.095383,-0.000000>,1.500000
<5.472322,143.035080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,143.035080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,143.035080,-0.000000>,1.500000
<5.814342,143.974777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,143.974777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,143.974777,-0.000000>,1.500000
<6.156363,144.914474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,144.914474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,144.914474,-0.000000>,1.500000
<6.498383,145.854156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,145.854156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,145.854156,-0.000000>,1.500000
<6.840403,146.793854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,146.793854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,146.793854,-0.000000>,1.500000
<7.182423,147.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,147.733551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,147.733551,-0.000000>,1.500000
<7.524443,148.673233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,148.673233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,148.673233,-0.000000>,1.500000
<7.866463,149.612930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,149.612930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.866463,149.612930,-0.000000>,1.500000
<8.208484,150.552628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,150.552628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,150.552628,-0.000000>,1.500000
<8.550504,151.492310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,151.492310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,151.492310,-0.000000>,1.500000
<8.892524,152.432007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,152.432007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,152.432007,-0.000000>,1.500000
<9.234544,153.371704,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234544,153.371704,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.234544,153.371704,-0.000000>,1.500000
<9.576564,154.311386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.576564,154.311386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,154.311386,-0.000000>,1.500000
<9.918584,155.251083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.918584,155.251083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.918584,155.251083,-0.000000>,1.500000
<10.260604,156.190781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.260604,156.190781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.260604,156.190781,-0.000000>,1.500000
<10.602625,157.130478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.602625,157.130478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.602625,157.130478,-0.000000>,1.500000
<10.944645,158.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.944645,158.070160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.944645,158.070160,-0.000000>,1.500000
<11.587432,158.836212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.587432,158.836212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.587432,158.836212,-0.000000>,1.500000
<12.230220,159.602249,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.230220,159.602249,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.230220,159.602249,-0.000000>,1.500000
<12.873008,160.368301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.873008,160.368301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.873008,160.368301,-0.000000>,1.500000
<13.515795,161.134338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.515795,161.134338,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.515795,161.134338,-0.000000>,1.500000
<14.158583,161.900391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.158583,161.900391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.158583,161.900391,-0.000000>,1.500000
<14.801371,162.666428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.801371,162.666428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.801371,162.666428,-0.000000>,1.500000
<15.444158,163.432480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.444158,163.432480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.444158,163.432480,-0.000000>,1.500000
<16.086945,164.198517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.086945,164.198517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.086945,164.198517,-0.000000>,1.500000
<16.729733,164.964569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.729733,164.964569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.729733,164.964569,-0.000000>,1.500000
<17.372520,165.730606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.372520,165.730606,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.372520,165.730606,-0.000000>,1.500000
<18.015308,166.496658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.015308,166.496658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.015308,166.496658,-0.000000>,1.500000
<18.658096,167.262695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.658096,167.262695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.658096,167.262695,-0.000000>,1.500000
<19.300884,168.028748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.300884,168.028748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.300884,168.028748,-0.000000>,1.500000
<19.943670,168.794785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.943670,168.794785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.943670,168.794785,-0.000000>,1.500000
<20.586458,169.560837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.586458,169.560837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.586458,169.560837,-0.000000>,1.500000
<21.229246,170.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.229246,170.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.229246,170.326874,-0.000000>,1.500000
<22.095272,170.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.095272,170.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.095272,170.826874,-0.000000>,1.500000
<22.961298,171.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.961298,171.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.961298,171.326874,-0.000000>,1.500000
<23.827322,171.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.827322,171.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.827322,171.826874,-0.000000>,1.500000
<24.693348,172.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.693348,172.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.693348,172.326874,-0.000000>,1.500000
<25.559374,172.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.559374,172.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.559374,172.826874,-0.000000>,1.500000
<26.425398,173.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.425398,173.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.425398,173.326874,-0.000000>,1.500000
<27.291424,173.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.291424,173.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.291424,173.826874,-0.000000>,1.500000
<28.157450,174.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.157450,174.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.157450,174.326874,-0.000000>,1.500000
<29.142258,174.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.142258,174.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.142258,174.500519,-0.000000>,1.500000
<30.127066,174.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.127066,174.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.127066,174.674164,-0.000000>,1.500000
<31.111874,174.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.111874,174.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.111874,174.847824,-0.000000>,1.500000
<32.096680,175.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.096680,175.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.096680,175.021469,-0.000000>,1.500000
<33.081490,174.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.081490,174.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.081490,174.847824,-0.000000>,1.500000
<34.066296,174.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.066296,174.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.066296,174.674164,-0.000000>,1.500000
<34.932320,174.174164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.932320,174.174164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.932320,174.174164,-0.000000>,1.500000
<35.798347,173.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.798347,173.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.066296,174.674164,-0.000000>,1.500000
<35.051105,174.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.051105,174.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.051105,174.500519,-0.000000>,1.500000
<36.035912,174.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.035912,174.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,174.326874,-0.000000>,1.500000
<37.020718,174.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.020718,174.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.020718,174.500519,-0.000000>,1.500000
<38.005527,174.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.005527,174.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,174.326874,-0.000000>,1.500000
<36.901936,173.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.901936,173.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.901936,173.826874,-0.000000>,1.500000
<37.767963,173.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.767963,173.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.096680,175.021469,-0.000000>,1.500000
<33.081490,175.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.081490,175.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.081490,175.195114,-0.000000>,1.500000
<34.066296,175.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.066296,175.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.066296,175.368759,-0.000000>,1.500000
<35.051105,175.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.051105,175.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.051105,175.542419,-0.000000>,1.500000
<36.035912,175.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.035912,175.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,175.716064,-0.000000>,1.500000
<36.901936,176.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.901936,176.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.901936,176.216064,-0.000000>,1.500000
<37.767963,176.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.767963,176.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.767963,176.716064,-0.000000>,1.500000
<38.752769,176.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.752769,176.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.752769,176.889709,-0.000000>,1.500000
<39.737579,177.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.737579,177.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.767963,176.716064,-0.000000>,1.500000
<38.633987,177.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.633987,177.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.633987,177.216064,-0.000000>,1.500000
<39.500011,177.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.500011,177.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.500011,177.716064,-0.000000>,1.500000
<40.142799,178.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.142799,178.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.142799,178.482101,-0.000000>,1.500000
<40.785587,179.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.785587,179.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.500011,177.716064,-0.000000>,1.500000
<40.484821,177.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.484821,177.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.484821,177.889709,-0.000000>,1.500000
<41.469627,178.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.469627,178.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.035912,175.716064,-0.000000>,1.500000
<37.020718,175.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.020718,175.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.020718,175.542419,-0.000000>,1.500000
<38.005527,175.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.005527,175.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.005527,175.368759,-0.000000>,1.500000
<38.871552,174.868759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.871552,174.868759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.871552,174.868759,-0.000000>,1.500000
<39.737579,174.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.737579,174.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.005527,175.368759,-0.000000>,1.500000
<38.990334,175.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.990334,175.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.990334,175.195114,-0.000000>,1.500000
<39.975143,175.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.975143,175.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.975143,175.021469,-0.000000>,1.500000
<40.959949,175.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.959949,175.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.959949,175.195114,-0.000000>,1.500000
<41.944759,175.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.944759,175.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.975143,175.021469,-0.000000>,1.500000
<40.841167,174.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.841167,174.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.841167,174.521469,-0.000000>,1.500000
<41.707195,174.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.707195,174.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.157450,174.326874,-0.000000>,1.500000
<29.023476,174.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.023476,174.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.023476,174.826874,-0.000000>,1.500000
<29.889500,175.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.889500,175.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.889500,175.326874,-0.000000>,1.500000
<30.755526,175.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.755526,175.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.755526,175.826874,-0.000000>,1.500000
<31.621552,176.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.621552,176.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.621552,176.326874,-0.000000>,1.500000
<32.487576,176.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.487576,176.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.487576,176.826874,-0.000000>,1.500000
<33.353603,177.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.353603,177.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.353603,177.326874,-0.000000>,1.500000
<34.219627,177.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.219627,177.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.219627,177.826874,-0.000000>,1.500000
<35.085651,178.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.085651,178.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.085651,178.326874,-0.000000>,1.500000
<35.728439,179.092926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.728439,179.092926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.728439,179.092926,-0.000000>,1.500000
<36.371227,179.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.371227,179.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.371227,179.858963,-0.000000>,1.500000
<37.014015,180.625015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.014015,180.625015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.014015,180.625015,-0.000000>,1.500000
<37.656803,181.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.656803,181.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656803,181.391052,-0.000000>,1.500000
<38.522827,181.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.522827,181.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.522827,181.891052,-0.000000>,1.500000
<39.388855,182.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.388855,182.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.388855,182.391052,-0.000000>,1.500000
<40.373661,182.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.373661,182.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.373661,182.564697,-0.000000>,1.500000
<41.358471,182.738342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.358471,182.738342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.388855,182.391052,-0.000000>,1.500000
<40.254879,182.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.254879,182.891052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.254879,182.891052,-0.000000>,1.500000
<41.120903,183.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.120903,183.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.120903,183.391052,-0.000000>,1.500000
<41.763691,184.157104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.763691,184.157104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.763691,184.157104,-0.000000>,1.500000
<42.406479,184.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.406479,184.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.120903,183.391052,-0.000000>,1.500000
<42.105713,183.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.105713,183.564697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.105713,183.564697,-0.000000>,1.500000
<43.090519,183.738342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.090519,183.738342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.656803,181.391052,-0.000000>,1.500000
<38.299591,182.157104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.299591,182.157104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.299591,182.157104,-0.000000>,1.500000
<38.942379,182.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.942379,182.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.942379,182.923141,-0.000000>,1.500000
<39.585167,183.689178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.585167,183.689178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.585167,183.689178,-0.000000>,1.500000
<40.227955,184.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.227955,184.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.227955,184.455231,-0.000000>,1.500000
<40.569973,185.394928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.569973,185.394928,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.569973,185.394928,-0.000000>,1.500000
<40.911995,186.334610,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.911995,186.334610,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.911995,186.334610,-0.000000>,1.500000
<41.554783,187.100662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.554783,187.100662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.554783,187.100662,-0.000000>,1.500000
<42.197571,187.866699,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.197571,187.866699,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.911995,186.334610,-0.000000>,1.500000
<41.254013,187.274307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.254013,187.274307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.254013,187.274307,-0.000000>,1.500000
<41.596035,188.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.596035,188.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.596035,188.214005,-0.000000>,1.500000
<41.596035,189.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.596035,189.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.596035,189.214005,-0.000000>,1.500000
<41.596035,190.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.596035,190.214005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.596035,188.214005,-0.000000>,1.500000
<42.238823,188.980042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.238823,188.980042,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.238823,188.980042,-0.000000>,1.500000
<42.881611,189.746094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.881611,189.746094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.227955,184.455231,-0.000000>,1.500000
<41.093979,184.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.093979,184.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.093979,184.955231,-0.000000>,1.500000
<41.960003,185.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.960003,185.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.960003,185.455231,-0.000000>,1.500000
<42.944813,185.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.944813,185.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.944813,185.628876,-0.000000>,1.500000
<43.929619,185.802521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.929619,185.802521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.960003,185.455231,-0.000000>,1.500000
<42.826031,185.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.826031,185.955231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.826031,185.955231,-0.000000>,1.500000
<43.692055,186.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.692055,186.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.692055,186.455231,-0.000000>,1.500000
<44.334843,187.221268,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.334843,187.221268,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.334843,187.221268,-0.000000>,1.500000
<44.977631,187.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.977631,187.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.692055,186.455231,-0.000000>,1.500000
<44.676865,186.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.676865,186.628876,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.676865,186.628876,-0.000000>,1.500000
<45.661671,186.802521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.661671,186.802521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.085651,178.326874,-0.000000>,1.500000
<36.070461,178.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.070461,178.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.070461,178.500519,-0.000000>,1.500000
<37.055267,178.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.055267,178.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.055267,178.674164,-0.000000>,1.500000
<38.040077,178.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.040077,178.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.040077,178.847824,-0.000000>,1.500000
<39.024883,179.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.024883,179.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.024883,179.021469,-0.000000>,1.500000
<40.009693,178.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.009693,178.847824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.009693,178.847824,-0.000000>,1.500000
<40.994499,178.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.994499,178.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.994499,178.674164,-0.000000>,1.500000
<41.860523,178.174164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.860523,178.174164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.860523,178.174164,-0.000000>,1.500000
<42.726551,177.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.726551,177.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.994499,178.674164,-0.000000>,1.500000
<41.979305,178.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.979305,178.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.979305,178.500519,-0.000000>,1.500000
<42.964115,178.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.964115,178.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,178.326874,-0.000000>,1.500000
<43.948921,178.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.948921,178.500519,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.948921,178.500519,-0.000000>,1.500000
<44.933731,178.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.933731,178.674164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,178.326874,-0.000000>,1.500000
<43.830139,177.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.830139,177.826874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.830139,177.826874,-0.000000>,1.500000
<44.696167,177.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.696167,177.326874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.024883,179.021469,-0.000000>,1.500000
<40.009693,179.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.009693,179.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.009693,179.195114,-0.000000>,1.500000
<40.994499,179.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.994499,179.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.994499,179.368759,-0.000000>,1.500000
<41.979305,179.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.979305,179.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.979305,179.542419,-0.000000>,1.500000
<42.964115,179.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.964115,179.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,179.716064,-0.000000>,1.500000
<43.830139,180.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.830139,180.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.830139,180.216064,-0.000000>,1.500000
<44.696167,180.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.696167,180.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.696167,180.716064,-0.000000>,1.500000
<45.680973,180.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.680973,180.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.680973,180.889709,-0.000000>,1.500000
<46.665783,181.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.665783,181.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.696167,180.716064,-0.000000>,1.500000
<45.562191,181.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.562191,181.216064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.562191,181.216064,-0.000000>,1.500000
<46.428215,181.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.428215,181.716064,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.428215,181.716064,-0.000000>,1.500000
<47.071003,182.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.071003,182.482101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.071003,182.482101,-0.000000>,1.500000
<47.713791,183.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.713791,183.248154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.428215,181.716064,-0.000000>,1.500000
<47.413025,181.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.413025,181.889709,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.413025,181.889709,-0.000000>,1.500000
<48.397831,182.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.397831,182.063354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.964115,179.716064,-0.000000>,1.500000
<43.948921,179.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.948921,179.542419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.948921,179.542419,-0.000000>,1.500000
<44.933731,179.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.933731,179.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.933731,179.368759,-0.000000>,1.500000
<45.799755,178.868759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.799755,178.868759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.799755,178.868759,-0.000000>,1.500000
<46.665783,178.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.665783,178.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.933731,179.368759,-0.000000>,1.500000
<45.918537,179.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.918537,179.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.918537,179.195114,-0.000000>,1.500000
<46.903347,179.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.903347,179.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.903347,179.021469,-0.000000>,1.500000
<47.888153,179.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.888153,179.195114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.888153,179.195114,-0.000000>,1.500000
<48.872963,179.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.872963,179.368759,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.903347,179.021469,-0.000000>,1.500000
<47.769371,178.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.769371,178.521469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.769371,178.521469,-0.000000>,1.500000
<48.635395,178.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.635395,178.021469,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.229246,170.326874,-0.000000>,1.500000
<21.872034,171.092926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.872034,171.092926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.872034,171.092926,-0.000000>,1.500000
<22.514822,171.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.514822,171.858963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.514822,171.858963,-0.000000>,1.500000
<23.157610,172.625015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.157610,172.625015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.157610,172.625015,-0.000000>,1.500000
<23.800396,173.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.800396,173.391052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.800396,173.391052,-0.000000>,1.500000
<24.443184,174.157104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.443184,174.157104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.443184,174.157104,-0.000000>,1.500000
<25.085972,174.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.085972,174.923141,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.085972,174.923141,-0.000000>,1.500000
<25.728760,175.689178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.728760,175.689178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.728760,175.689178,-0.000000>,1.500000
<26.371548,176.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.371548,176.455231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.371548,176.455231,-0.000000>,1.500000
<27.014336,177.221268,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.014336,177.221268,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.014336,177.221268,-0.000000>,1.500000
<27.657122,177.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.657122,177.987320,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.657122,177.987320,-0.000000>,1.500000
<28.299910,178.753357,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.299910,178.753357,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.299910,178.753357,-0.000000>,1.500000
<28.942698,179.519409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.942698,179.519409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.942698,179.519409,-0.000000>,1.500000
<29.585485,180.285446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.585485,180.285446,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.585485,180.285446,-0.000000>,1.500000
<30.228273,181.051498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.228273,181.051498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.228273,181.051498,-0.000000>,1.500000
<30.871061,181.817535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.871061,181.817535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.871061,181.817535,-0.000000>,1.500000
<31.513847,182.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.513847,182.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.513847,182.583588,-0.000000>,1.500000
<31.855867,183.523285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.855867,183.523285,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.855867,183.523285,-0.000000>,1.500000
<32.197887,184.462967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.197887,184.462967,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.197887,184.462967,-0.000000>,1.500000
<32.539909,185.402664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.539909,185.402664,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.539909,185.402664,-0.000000>,1.500000
<32.881927,186.342361,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.881927,186.342361,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.881927,186.342361,-0.000000>,1.500000
<33.223949,187.282043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.223949,187.282043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.223949,187.282043,-0.000000>,1.500000
<33.565968,188.221741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.565968,188.221741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.565968,188.221741,-0.000000>,1.500000
<33.907990,189.161438,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.907990,189.161438,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.907990,189.161438,-0.000000>,1.500000
<34.250008,190.101120,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.250008,190.101120,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.250008,190.101120,-0.000000>,1.500000
<34.892796,190.867172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.892796,190.867172,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.892796,190.867172,-0.000000>,1.500000
<35.535583,191.633209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.535583,191.633209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.535583,191.633209,-0.000000>,1.500000
<36.178371,192.399261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.178371,192.399261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.178371,192.399261,-0.000000>,1.500000
<36.821159,193.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.821159,193.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.821159,193.165298,-0.000000>,1.500000
<37.687183,193.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.687183,193.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.687183,193.665298,-0.000000>,1.500000
<38.553211,194.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.553211,194.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.553211,194.165298,-0.000000>,1.500000
<39.538017,194.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.538017,194.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.538017,194.338959,-0.000000>,1.500000
<40.522827,194.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.522827,194.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.553211,194.165298,-0.000000>,1.500000
<39.419235,194.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.419235,194.665298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.419235,194.665298,-0.000000>,1.500000
<40.285263,195.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.285263,195.165298,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.285263,195.165298,-0.000000>,1.500000
<40.928047,195.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.928047,195.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.928047,195.931351,-0.000000>,1.500000
<41.570835,196.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.570835,196.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.285263,195.165298,-0.000000>,1.500000
<41.270069,195.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.270069,195.338959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.270069,195.338959,-0.000000>,1.500000
<42.254875,195.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.254875,195.512604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.821159,193.165298,-0.000000>,1.500000
<37.463947,193.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.463947,193.931351,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.463947,193.931351,-0.000000>,1.500000
<38.106735,194.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.106735,194.697388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.106735,194.697388,-0.000000>,1.500000
<38.749523,195.463440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.749523,195.463440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.749523,195.463440,-0.000000>,1.500000
<39.392311,196.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.392311,196.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.392311,196.229477,-0.000000>,1.500000
<39.734329,197.169174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.734329,197.169174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.734329,197.169174,-0.000000>,1.500000
<40.076351,198.108871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.076351,198.108871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.076351,198.108871,-0.000000>,1.500000
<40.719139,198.874908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.719139,198.874908,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.719139,198.874908,-0.000000>,1.500000
<41.361927,199.640961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.361927,199.640961,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.076351,198.108871,-0.000000>,1.500000
<40.418369,199.048553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.418369,199.048553,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.418369,199.048553,-0.000000>,1.500000
<40.760391,199.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.760391,199.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.760391,199.988251,-0.000000>,1.500000
<40.760391,200.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.760391,200.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.760391,200.988251,-0.000000>,1.500000
<40.760391,201.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.760391,201.988251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.760391,199.988251,-0.000000>,1.500000
<41.403179,200.754303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.403179,200.754303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.403179,200.754303,-0.000000>,1.500000
<42.045967,201.520340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.045967,201.520340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.392311,196.229477,-0.000000>,1.500000
<40.258335,196.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.258335,196.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.258335,196.729477,-0.000000>,1.500000
<41.124359,197.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.124359,197.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.124359,197.229477,-0.000000>,1.500000
<42.109169,197.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.109169,197.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.109169,197.403137,-0.000000>,1.500000
<43.093975,197.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.093975,197.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.124359,197.229477,-0.000000>,1.500000
<41.990387,197.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.990387,197.729477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.990387,197.729477,-0.000000>,1.500000
<42.856411,198.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.856411,198.229477,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.856411,198.229477,-0.000000>,1.500000
<43.499199,198.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.499199,198.995529,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.499199,198.995529,-0.000000>,1.500000
<44.141987,199.761566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.141987,199.761566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.856411,198.229477,-0.000000>,1.500000
<43.841221,198.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.841221,198.403137,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.841221,198.403137,-0.000000>,1.500000
<44.826027,198.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.826027,198.576782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.250008,190.101120,-0.000000>,1.500000
<34.592030,191.040817,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.592030,191.040817,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.592030,191.040817,-0.000000>,1.500000
<34.934048,191.980515,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.934048,191.980515,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.934048,191.980515,-0.000000>,1.500000
<35.276070,192.920212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.276070,192.920212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.276070,192.920212,-0.000000>,1.500000
<35.618092,193.859894,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,193.859894,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,193.859894,-0.000000>,1.500000
<35.960110,194.799591,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.960110,194.799591,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.960110,194.799591,-0.000000>,1.500000
<36.302132,195.739288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,195.739288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,195.739288,-0.000000>,1.500000
<36.644150,196.678970,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.644150,196.678970,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.644150,196.678970,-0.000000>,1.500000
<36.986172,197.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,197.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,197.618668,-0.000000>,1.500000
<36.986172,198.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,198.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,198.618668,-0.000000>,1.500000
<36.986172,199.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,199.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,199.618668,-0.000000>,1.500000
<36.986172,200.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,200.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,200.618668,-0.000000>,1.500000
<36.986172,201.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,201.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,201.618668,-0.000000>,1.500000
<37.328190,202.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.328190,202.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.328190,202.558365,-0.000000>,1.500000
<37.670212,203.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.670212,203.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,203.498047,-0.000000>,1.500000
<38.313000,204.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.313000,204.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.313000,204.264099,-0.000000>,1.500000
<38.955788,205.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.955788,205.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,203.498047,-0.000000>,1.500000
<38.012230,204.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.012230,204.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.012230,204.437744,-0.000000>,1.500000
<38.354252,205.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,205.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,205.377441,-0.000000>,1.500000
<38.354252,206.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,206.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,206.377441,-0.000000>,1.500000
<38.354252,207.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,207.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,205.377441,-0.000000>,1.500000
<38.997040,206.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.997040,206.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.997040,206.143478,-0.000000>,1.500000
<39.639828,206.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.639828,206.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,201.618668,-0.000000>,1.500000
<36.986172,202.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,202.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,202.618668,-0.000000>,1.500000
<36.986172,203.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,203.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,203.618668,-0.000000>,1.500000
<36.986172,204.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,204.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,204.618668,-0.000000>,1.500000
<36.986172,205.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.986172,205.618668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,205.618668,-0.000000>,1.500000
<36.644150,206.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.644150,206.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.644150,206.558365,-0.000000>,1.500000
<36.302132,207.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,207.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,207.498047,-0.000000>,1.500000
<36.302132,208.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,208.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,208.498047,-0.000000>,1.500000
<36.302132,209.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.302132,209.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.302132,207.498047,-0.000000>,1.500000
<35.960110,208.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.960110,208.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.960110,208.437744,-0.000000>,1.500000
<35.618092,209.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,209.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,209.377441,-0.000000>,1.500000
<34.975304,210.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.975304,210.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.975304,210.143478,-0.000000>,1.500000
<34.332516,210.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.332516,210.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,209.377441,-0.000000>,1.500000
<35.618092,210.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,210.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.618092,210.377441,-0.000000>,1.500000
<35.618092,211.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.618092,211.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,205.618668,-0.000000>,1.500000
<37.328190,206.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.328190,206.558365,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.328190,206.558365,-0.000000>,1.500000
<37.670212,207.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.670212,207.498047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,207.498047,-0.000000>,1.500000
<38.313000,208.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.313000,208.264099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.313000,208.264099,-0.000000>,1.500000
<38.955788,209.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.955788,209.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.670212,207.498047,-0.000000>,1.500000
<38.012230,208.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.012230,208.437744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.012230,208.437744,-0.000000>,1.500000
<38.354252,209.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,209.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,209.377441,-0.000000>,1.500000
<38.354252,210.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,210.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,210.377441,-0.000000>,1.500000
<38.354252,211.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.354252,211.377441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.354252,209.377441,-0.000000>,1.500000
<38.997040,210.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.997040,210.143478,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.997040,210.143478,-0.000000>,1.500000
<39.639828,210.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.639828,210.909531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.986172,197.618668,-0.000000>,1.500000
<37.628960,198.384720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.628960,198.384720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.628960,198.384720,-0.000000>,1.500000
<38.271744,199.150757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.271744,199.150757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.271744,199.150757,-0.000000>,1.500000
<38.914532,199.916794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.914532,199.916794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.914532,199.916794,-0.000000>,1.500000
<39.557320,200.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.557320,200.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.557320,200.682846,-0.000000>,1.500000
<40.423347,201.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.423347,201.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.423347,201.182846,-0.000000>,1.500000
<41.289371,201.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.289371,201.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.289371,201.682846,-0.000000>,1.500000
<42.274178,201.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.274178,201.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.274178,201.856491,-0.000000>,1.500000
<43.258987,202.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.258987,202.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.289371,201.682846,-0.000000>,1.500000
<42.155396,202.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.155396,202.182846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.155396,202.182846,-0.000000>,1.500000
<43.021423,202.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.021423,202.682846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.021423,202.682846,-0.000000>,1.500000
<43.664211,203.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.664211,203.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.664211,203.448883,-0.000000>,1.500000
<44.306999,204.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.306999,204.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.021423,202.682846,-0.000000>,1.500000
<44.006229,202.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.006229,202.856491,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.006229,202.856491,-0.000000>,1.500000
<44.991039,203.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.991039,203.030136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.557320,200.682846,-0.000000>,1.500000
<40.200108,201.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.200108,201.448883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.200108,201.448883,-0.000000>,1.500000
<40.842896,202.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.842896,202.214935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.842896,202.214935,-0.000000>,1.500000
<41.485683,202.980972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.485683,202.980972,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.485683,202.980972,-0.000000>,1.500000
<42.128471,203.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.128471,203.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.128471,203.747025,-0.000000>,1.500000
<42.470493,204.686722,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.470493,204.686722,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.470493,204.686722,-0.000000>,1.500000
<42.812511,205.626404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.812511,205.626404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.812511,205.626404,-0.000000>,1.500000
<43.455299,206.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.455299,206.392456,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.455299,206.392456,-0.000000>,1.500000
<44.098087,207.158493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.098087,207.158493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.812511,205.626404,-0.000000>,1.500000
<43.154533,206.566101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.154533,206.566101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.154533,206.566101,-0.000000>,1.500000
<43.496552,207.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.496552,207.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.496552,207.505798,-0.000000>,1.500000
<43.496552,208.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.496552,208.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.496552,208.505798,-0.000000>,1.500000
<43.496552,209.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.496552,209.505798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.496552,207.505798,-0.000000>,1.500000
<44.139339,208.271835,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.139339,208.271835,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.139339,208.271835,-0.000000>,1.500000
<44.782127,209.037888,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.782127,209.037888,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.128471,203.747025,-0.000000>,1.500000
<42.994495,204.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.994495,204.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.994495,204.247025,-0.000000>,1.500000
<43.860523,204.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.860523,204.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.860523,204.747025,-0.000000>,1.500000
<44.845329,204.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.845329,204.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.845329,204.920670,-0.000000>,1.500000
<45.830139,205.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.830139,205.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.860523,204.747025,-0.000000>,1.500000
<44.726547,205.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.726547,205.247025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.726547,205.247025,-0.000000>,1.500000
<45.592571,205.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.592571,205.747025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.592571,205.747025,-0.000000>,1.500000
<46.235359,206.513062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.235359,206.513062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.235359,206.513062,-0.000000>,1.500000
<46.878147,207.279114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.878147,207.279114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.592571,205.747025,-0.000000>,1.500000
<46.577381,205.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.577381,205.920670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.577381,205.920670,-0.000000>,1.500000
<47.562187,206.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.562187,206.094315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.513847,182.583588,-0.000000>,1.500000
<32.379875,183.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.379875,183.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.379875,183.083588,-0.000000>,1.500000
<33.245899,183.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.245899,183.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.245899,183.583588,-0.000000>,1.500000
<34.111923,184.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.111923,184.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.111923,184.083588,-0.000000>,1.500000
<34.977951,184.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.977951,184.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.977951,184.583588,-0.000000>,1.500000
<35.843975,185.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.843975,185.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.843975,185.083588,-0.000000>,1.500000
<36.709999,185.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.709999,185.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.709999,185.583588,-0.000000>,1.500000
<37.576027,186.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.576027,186.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.576027,186.083588,-0.000000>,1.500000
<38.442051,186.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.442051,186.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.442051,186.583588,-0.000000>,1.500000
<39.426861,186.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.426861,186.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.426861,186.757233,-0.000000>,1.500000
<40.411667,186.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.411667,186.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.411667,186.930878,-0.000000>,1.500000
<41.396473,187.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.396473,187.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.396473,187.104538,-0.000000>,1.500000
<42.381283,187.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.381283,187.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.381283,187.278183,-0.000000>,1.500000
<43.366089,187.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.366089,187.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.366089,187.104538,-0.000000>,1.500000
<44.350899,186.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.350899,186.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.350899,186.930878,-0.000000>,1.500000
<45.216923,186.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.216923,186.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.216923,186.430878,-0.000000>,1.500000
<46.082947,185.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.082947,185.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.350899,186.930878,-0.000000>,1.500000
<45.335705,186.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.335705,186.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.335705,186.757233,-0.000000>,1.500000
<46.320515,186.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.320515,186.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,186.583588,-0.000000>,1.500000
<47.305321,186.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.305321,186.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.305321,186.757233,-0.000000>,1.500000
<48.290131,186.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.290131,186.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,186.583588,-0.000000>,1.500000
<47.186539,186.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.186539,186.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.186539,186.083588,-0.000000>,1.500000
<48.052563,185.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.052563,185.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.381283,187.278183,-0.000000>,1.500000
<43.366089,187.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.366089,187.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.366089,187.451828,-0.000000>,1.500000
<44.350899,187.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.350899,187.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.350899,187.625473,-0.000000>,1.500000
<45.335705,187.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.335705,187.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.335705,187.799118,-0.000000>,1.500000
<46.320515,187.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.320515,187.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,187.972778,-0.000000>,1.500000
<47.186539,188.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.186539,188.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.186539,188.472778,-0.000000>,1.500000
<48.052563,188.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.052563,188.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.052563,188.972778,-0.000000>,1.500000
<49.037373,189.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.037373,189.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.037373,189.146423,-0.000000>,1.500000
<50.022179,189.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.022179,189.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.052563,188.972778,-0.000000>,1.500000
<48.918591,189.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.918591,189.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.918591,189.472778,-0.000000>,1.500000
<49.784615,189.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.784615,189.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.784615,189.972778,-0.000000>,1.500000
<50.427402,190.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.427402,190.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.427402,190.738815,-0.000000>,1.500000
<51.070190,191.504868,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.070190,191.504868,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.784615,189.972778,-0.000000>,1.500000
<50.769424,190.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.769424,190.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.769424,190.146423,-0.000000>,1.500000
<51.754230,190.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.754230,190.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.320515,187.972778,-0.000000>,1.500000
<47.305321,187.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.305321,187.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.305321,187.799118,-0.000000>,1.500000
<48.290131,187.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.290131,187.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.290131,187.625473,-0.000000>,1.500000
<49.156155,187.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.156155,187.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.156155,187.125473,-0.000000>,1.500000
<50.022179,186.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.022179,186.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.290131,187.625473,-0.000000>,1.500000
<49.274937,187.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.274937,187.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.274937,187.451828,-0.000000>,1.500000
<50.259743,187.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.259743,187.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.259743,187.278183,-0.000000>,1.500000
<51.244553,187.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.244553,187.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.244553,187.451828,-0.000000>,1.500000
<52.229359,187.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.229359,187.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.259743,187.278183,-0.000000>,1.500000
<51.125771,186.778183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.125771,186.778183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.125771,186.778183,-0.000000>,1.500000
<51.991795,186.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.991795,186.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.442051,186.583588,-0.000000>,1.500000
<39.308075,187.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.308075,187.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.308075,187.083588,-0.000000>,1.500000
<40.174103,187.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.174103,187.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.174103,187.583588,-0.000000>,1.500000
<41.040127,188.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.040127,188.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.040127,188.083588,-0.000000>,1.500000
<41.906155,188.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.906155,188.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.906155,188.583588,-0.000000>,1.500000
<42.772179,189.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.772179,189.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.772179,189.083588,-0.000000>,1.500000
<43.638203,189.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.638203,189.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.638203,189.583588,-0.000000>,1.500000
<44.504230,190.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.504230,190.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.504230,190.083588,-0.000000>,1.500000
<45.370255,190.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.370255,190.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.370255,190.583588,-0.000000>,1.500000
<46.013042,191.349625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.013042,191.349625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.013042,191.349625,-0.000000>,1.500000
<46.655830,192.115677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.655830,192.115677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.655830,192.115677,-0.000000>,1.500000
<47.298618,192.881714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.298618,192.881714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.298618,192.881714,-0.000000>,1.500000
<47.941406,193.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.941406,193.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.941406,193.647766,-0.000000>,1.500000
<48.807430,194.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.807430,194.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.807430,194.147766,-0.000000>,1.500000
<49.673454,194.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.673454,194.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.673454,194.647766,-0.000000>,1.500000
<50.658264,194.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.658264,194.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.658264,194.821411,-0.000000>,1.500000
<51.643070,194.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.643070,194.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.673454,194.647766,-0.000000>,1.500000
<50.539482,195.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.539482,195.147766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.539482,195.147766,-0.000000>,1.500000
<51.405506,195.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.405506,195.647766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.405506,195.647766,-0.000000>,1.500000
<52.048294,196.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.048294,196.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.048294,196.413803,-0.000000>,1.500000
<52.691082,197.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.691082,197.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.405506,195.647766,-0.000000>,1.500000
<52.390316,195.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.390316,195.821411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.390316,195.821411,-0.000000>,1.500000
<53.375122,195.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.375122,195.995056,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.941406,193.647766,-0.000000>,1.500000
<48.584194,194.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.584194,194.413803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.584194,194.413803,-0.000000>,1.500000
<49.226982,195.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.226982,195.179855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.226982,195.179855,-0.000000>,1.500000
<49.869766,195.945892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.869766,195.945892,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.869766,195.945892,-0.000000>,1.500000
<50.512554,196.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.512554,196.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.512554,196.711945,-0.000000>,1.500000
<50.854576,197.651627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.854576,197.651627,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.854576,197.651627,-0.000000>,1.500000
<51.196594,198.591324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.196594,198.591324,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.196594,198.591324,-0.000000>,1.500000
<51.839382,199.357376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.839382,199.357376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.839382,199.357376,-0.000000>,1.500000
<52.482170,200.123413,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.482170,200.123413,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.196594,198.591324,-0.000000>,1.500000
<51.538616,199.531021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.538616,199.531021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.538616,199.531021,-0.000000>,1.500000
<51.880634,200.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.880634,200.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.880634,200.470718,-0.000000>,1.500000
<51.880634,201.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.880634,201.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.880634,201.470718,-0.000000>,1.500000
<51.880634,202.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.880634,202.470718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.880634,200.470718,-0.000000>,1.500000
<52.523422,201.236755,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.523422,201.236755,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.523422,201.236755,-0.000000>,1.500000
<53.166210,202.002808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.166210,202.002808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.512554,196.711945,-0.000000>,1.500000
<51.378582,197.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.378582,197.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.378582,197.211945,-0.000000>,1.500000
<52.244606,197.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.244606,197.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.244606,197.711945,-0.000000>,1.500000
<53.229416,197.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.229416,197.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.229416,197.885590,-0.000000>,1.500000
<54.214222,198.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.214222,198.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.244606,197.711945,-0.000000>,1.500000
<53.110630,198.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.110630,198.211945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.110630,198.211945,-0.000000>,1.500000
<53.976658,198.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.976658,198.711945,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.976658,198.711945,-0.000000>,1.500000
<54.619446,199.477982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.619446,199.477982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.619446,199.477982,-0.000000>,1.500000
<55.262234,200.244034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.262234,200.244034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.976658,198.711945,-0.000000>,1.500000
<54.961464,198.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.961464,198.885590,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.961464,198.885590,-0.000000>,1.500000
<55.946274,199.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.946274,199.059235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.370255,190.583588,-0.000000>,1.500000
<46.355061,190.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.355061,190.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.355061,190.757233,-0.000000>,1.500000
<47.339870,190.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.339870,190.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.339870,190.930878,-0.000000>,1.500000
<48.324677,191.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.324677,191.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.324677,191.104538,-0.000000>,1.500000
<49.309486,191.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.309486,191.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.309486,191.278183,-0.000000>,1.500000
<50.294292,191.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.294292,191.104538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.294292,191.104538,-0.000000>,1.500000
<51.279102,190.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.279102,190.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.279102,190.930878,-0.000000>,1.500000
<52.145126,190.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.145126,190.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.145126,190.430878,-0.000000>,1.500000
<53.011150,189.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.011150,189.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.279102,190.930878,-0.000000>,1.500000
<52.263908,190.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.263908,190.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.263908,190.757233,-0.000000>,1.500000
<53.248718,190.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.248718,190.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,190.583588,-0.000000>,1.500000
<54.233524,190.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.233524,190.757233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.233524,190.757233,-0.000000>,1.500000
<55.218330,190.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.218330,190.930878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,190.583588,-0.000000>,1.500000
<54.114742,190.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.114742,190.083588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.114742,190.083588,-0.000000>,1.500000
<54.980766,189.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.980766,189.583588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.309486,191.278183,-0.000000>,1.500000
<50.294292,191.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.294292,191.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.294292,191.451828,-0.000000>,1.500000
<51.279102,191.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.279102,191.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.279102,191.625473,-0.000000>,1.500000
<52.263908,191.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.263908,191.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.263908,191.799118,-0.000000>,1.500000
<53.248718,191.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.248718,191.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,191.972778,-0.000000>,1.500000
<54.114742,192.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.114742,192.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.114742,192.472778,-0.000000>,1.500000
<54.980766,192.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.980766,192.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.980766,192.972778,-0.000000>,1.500000
<55.965576,193.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.965576,193.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.965576,193.146423,-0.000000>,1.500000
<56.950382,193.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.950382,193.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.980766,192.972778,-0.000000>,1.500000
<55.846794,193.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.846794,193.472778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.846794,193.472778,-0.000000>,1.500000
<56.712818,193.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.712818,193.972778,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.712818,193.972778,-0.000000>,1.500000
<57.355606,194.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.355606,194.738815,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.355606,194.738815,-0.000000>,1.500000
<57.998394,195.504868,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.998394,195.504868,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.712818,193.972778,-0.000000>,1.500000
<57.697624,194.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.697624,194.146423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.697624,194.146423,-0.000000>,1.500000
<58.682434,194.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.682434,194.320068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.248718,191.972778,-0.000000>,1.500000
<54.233524,191.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.233524,191.799118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.233524,191.799118,-0.000000>,1.500000
<55.218330,191.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.218330,191.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.218330,191.625473,-0.000000>,1.500000
<56.084358,191.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.084358,191.125473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.084358,191.125473,-0.000000>,1.500000
<56.950382,190.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.950382,190.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.218330,191.625473,-0.000000>,1.500000
<56.203140,191.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.203140,191.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.203140,191.451828,-0.000000>,1.500000
<57.187946,191.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.187946,191.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.187946,191.278183,-0.000000>,1.500000
<58.172756,191.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.172756,191.451828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.172756,191.451828,-0.000000>,1.500000
<59.157562,191.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.157562,191.625473,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.187946,191.278183,-0.000000>,1.500000
<58.053974,190.778183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.053974,190.778183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.053974,190.778183,-0.000000>,1.500000
<58.919998,190.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.919998,190.278183,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.944645,158.070160,-0.000000>,1.500000
<11.286665,159.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.286665,159.009857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.286665,159.009857,-0.000000>,1.500000
<11.628685,159.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.628685,159.949554,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.628685,159.949554,-0.000000>,1.500000
<11.970705,160.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.970705,160.889236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.970705,160.889236,-0.000000>,1.500000
<12.312725,161.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.312725,161.828934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.312725,161.828934,-0.000000>,1.500000
<12.654745,162.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.654745,162.768631,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.654745,162.768631,-0.000000>,1.500000
<12.996765,163.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.996765,163.708313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.996765,163.708313,-0.000000>,1.500000
<13.338785,164.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.338785,164.648010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.338785,164.648010,-0.000000>,1.500000
<13.680806,165.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.680806,165.587708,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.680806,165.587708,-0.000000>,1.500000
<14.022826,166.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.022826,166.527405,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.022826,166.527405,-0.000000>,1.500000
<14.364846,167.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.364846,167.467087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.364846,167.467087,-0.000000>,1.500000
<14.706866,168.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.706866,168.406784,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.706866,168.406784,-0.000000>,1.500000
<15.048886,169.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,169.346481,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,169.346481,-0.000000>,1.500000
<15.390906,170.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.390906,170.286163,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.390906,170.286163,-0.000000>,1.500000
<15.732926,171.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,171.225861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,171.225861,-0.000000>,1.500000
<16.074947,172.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.074947,172.165558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.074947,172.165558,-0.000000>,1.500000
<16.416967,173.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,173.105240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,173.105240,-0.000000>,1.500000
<16.758987,174.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,174.044937,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,174.044937,-0.000000>,1.500000
<17.101007,174.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,174.984634,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,174.984634,-0.000000>,1.500000
<17.443027,175.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,175.924316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,175.924316,-0.000000>,1.500000
<17.785048,176.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,176.864014,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,176.864014,-0.000000>,1.500000
<18.127068,177.803711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127068,177.803711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127068,177.803711,-0.000000>,1.500000
<18.469088,178.743408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,178.743408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,178.743408,-0.000000>,1.500000
<18.811108,179.683090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.811108,179.683090,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.811108,179.683090,-0.000000>,1.500000
<19.153128,180.622787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,180.622787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,180.622787,-0.000000>,1.500000
<19.495148,181.562485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,181.562485,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,181.562485,-0.000000>,1.500000
<19.837168,182.502167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,182.502167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,182.502167,-0.000000>,1.500000
<20.179188,183.441864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,183.441864,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,183.441864,-0.000000>,1.500000
<20.521208,184.381561,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,184.381561,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,184.381561,-0.000000>,1.500000
<20.863228,185.321243,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.863228,185.321243,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.863228,185.321243,-0.000000>,1.500000
<21.205250,186.260941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.205250,186.260941,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.205250,186.260941,-0.000000>,1.500000
<21.547270,187.200638,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.547270,187.200638,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.547270,187.200638,-0.000000>,1.500000
<21.889290,188.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,188.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,188.140335,-0.000000>,1.500000
<21.889290,189.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,189.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,189.140335,-0.000000>,1.500000
<21.889290,190.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,190.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,190.140335,-0.000000>,1.500000
<21.889290,191.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,191.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,191.140335,-0.000000>,1.500000
<21.889290,192.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,192.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,192.140335,-0.000000>,1.500000
<21.889290,193.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,193.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,193.140335,-0.000000>,1.500000
<21.889290,194.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,194.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,194.140335,-0.000000>,1.500000
<21.889290,195.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,195.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,195.140335,-0.000000>,1.500000
<21.889290,196.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,196.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,196.140335,-0.000000>,1.500000
<21.889290,197.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,197.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,197.140335,-0.000000>,1.500000
<21.889290,198.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,198.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,198.140335,-0.000000>,1.500000
<21.889290,199.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,199.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,199.140335,-0.000000>,1.500000
<21.889290,200.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,200.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,200.140335,-0.000000>,1.500000
<21.889290,201.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,201.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,201.140335,-0.000000>,1.500000
<21.889290,202.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,202.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,202.140335,-0.000000>,1.500000
<21.889290,203.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,203.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,203.140335,-0.000000>,1.500000
<21.889290,204.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,204.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,204.140335,-0.000000>,1.500000
<22.231310,205.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.231310,205.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.231310,205.080017,-0.000000>,1.500000
<22.573330,206.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.573330,206.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.573330,206.019714,-0.000000>,1.500000
<22.915350,206.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.915350,206.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.915350,206.959412,-0.000000>,1.500000
<23.257370,207.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.257370,207.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.257370,207.899094,-0.000000>,1.500000
<23.599390,208.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.599390,208.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.599390,208.838791,-0.000000>,1.500000
<23.941410,209.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.941410,209.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.941410,209.778488,-0.000000>,1.500000
<24.283430,210.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.283430,210.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.283430,210.718170,-0.000000>,1.500000
<24.625450,211.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.625450,211.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,211.657867,-0.000000>,1.500000
<25.268238,212.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.268238,212.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.268238,212.423920,-0.000000>,1.500000
<25.911026,213.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.911026,213.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.911026,213.189957,-0.000000>,1.500000
<26.553814,213.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.553814,213.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.553814,213.956009,-0.000000>,1.500000
<27.196600,214.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.196600,214.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,214.722046,-0.000000>,1.500000
<28.062626,215.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.062626,215.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.062626,215.222046,-0.000000>,1.500000
<28.928652,215.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.928652,215.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,215.722046,-0.000000>,1.500000
<29.913460,215.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.913460,215.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.913460,215.895691,-0.000000>,1.500000
<30.898268,216.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.898268,216.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,215.722046,-0.000000>,1.500000
<29.794678,216.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.794678,216.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.794678,216.222046,-0.000000>,1.500000
<30.660702,216.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.660702,216.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,216.722046,-0.000000>,1.500000
<31.303490,217.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.303490,217.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.303490,217.488098,-0.000000>,1.500000
<31.946278,218.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.946278,218.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,216.722046,-0.000000>,1.500000
<31.645510,216.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.645510,216.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.645510,216.895691,-0.000000>,1.500000
<32.630318,217.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.630318,217.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,214.722046,-0.000000>,1.500000
<27.839388,215.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.839388,215.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.839388,215.488098,-0.000000>,1.500000
<28.482176,216.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.482176,216.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.482176,216.254135,-0.000000>,1.500000
<29.124964,217.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.124964,217.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.124964,217.020187,-0.000000>,1.500000
<29.767752,217.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.767752,217.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,217.786224,-0.000000>,1.500000
<30.109772,218.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.109772,218.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.109772,218.725922,-0.000000>,1.500000
<30.451792,219.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.451792,219.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,219.665604,-0.000000>,1.500000
<31.094580,220.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.094580,220.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.094580,220.431656,-0.000000>,1.500000
<31.737368,221.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.737368,221.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,219.665604,-0.000000>,1.500000
<30.793812,220.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.793812,220.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.793812,220.605301,-0.000000>,1.500000
<31.135832,221.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,221.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,221.544998,-0.000000>,1.500000
<31.135832,222.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,222.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,222.544998,-0.000000>,1.500000
<31.135832,223.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,223.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,221.544998,-0.000000>,1.500000
<31.778620,222.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.778620,222.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.778620,222.311035,-0.000000>,1.500000
<32.421406,223.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.421406,223.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,217.786224,-0.000000>,1.500000
<30.633776,218.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.633776,218.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.633776,218.286224,-0.000000>,1.500000
<31.499802,218.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.499802,218.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,218.786224,-0.000000>,1.500000
<32.484612,218.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.484612,218.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.484612,218.959869,-0.000000>,1.500000
<33.469418,219.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.469418,219.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,218.786224,-0.000000>,1.500000
<32.365826,219.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.365826,219.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.365826,219.286224,-0.000000>,1.500000
<33.231853,219.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.231853,219.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,219.786224,-0.000000>,1.500000
<33.874641,220.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.874641,220.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.874641,220.552261,-0.000000>,1.500000
<34.517429,221.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.517429,221.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,219.786224,-0.000000>,1.500000
<34.216660,219.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.216660,219.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.216660,219.959869,-0.000000>,1.500000
<35.201469,220.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.201469,220.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,211.657867,-0.000000>,1.500000
<24.967470,212.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.967470,212.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.967470,212.597565,-0.000000>,1.500000
<25.309490,213.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.309490,213.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.309490,213.537247,-0.000000>,1.500000
<25.651510,214.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.651510,214.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.651510,214.476944,-0.000000>,1.500000
<25.993530,215.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,215.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,215.416641,-0.000000>,1.500000
<26.335550,216.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,216.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,216.356339,-0.000000>,1.500000
<26.677570,217.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,217.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,217.296021,-0.000000>,1.500000
<27.019590,218.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,218.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,218.235718,-0.000000>,1.500000
<27.361612,219.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,219.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,219.175415,-0.000000>,1.500000
<27.361612,220.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,220.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,220.175415,-0.000000>,1.500000
<27.361612,221.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,221.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,221.175415,-0.000000>,1.500000
<27.361612,222.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,222.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,222.175415,-0.000000>,1.500000
<27.361612,223.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,223.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,223.175415,-0.000000>,1.500000
<27.703632,224.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,224.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,224.115097,-0.000000>,1.500000
<28.045652,225.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,225.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,225.054794,-0.000000>,1.500000
<28.688438,225.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,225.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,225.820847,-0.000000>,1.500000
<29.331226,226.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,226.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,225.054794,-0.000000>,1.500000
<28.387672,225.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,225.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,225.994492,-0.000000>,1.500000
<28.729692,226.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,226.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,226.934174,-0.000000>,1.500000
<28.729692,227.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,227.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,227.934174,-0.000000>,1.500000
<28.729692,228.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,228.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,226.934174,-0.000000>,1.500000
<29.372480,227.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,227.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,227.700226,-0.000000>,1.500000
<30.015266,228.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,228.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,223.175415,-0.000000>,1.500000
<27.361612,224.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,224.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,224.175415,-0.000000>,1.500000
<27.361612,225.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,225.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,225.175415,-0.000000>,1.500000
<27.361612,226.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,226.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,226.175415,-0.000000>,1.500000
<27.361612,227.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,227.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,227.175415,-0.000000>,1.500000
<27.019590,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,228.115097,-0.000000>,1.500000
<26.677570,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,229.054794,-0.000000>,1.500000
<26.677570,230.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,230.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,230.054794,-0.000000>,1.500000
<26.677570,231.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,231.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,229.054794,-0.000000>,1.500000
<26.335550,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,229.994492,-0.000000>,1.500000
<25.993530,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,230.934174,-0.000000>,1.500000
<25.350742,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.350742,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.350742,231.700226,-0.000000>,1.500000
<24.707956,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.707956,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,230.934174,-0.000000>,1.500000
<25.993530,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,231.934174,-0.000000>,1.500000
<25.993530,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,227.175415,-0.000000>,1.500000
<27.703632,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,228.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,228.115097,-0.000000>,1.500000
<28.045652,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,229.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,229.054794,-0.000000>,1.500000
<28.688438,229.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,229.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,229.820847,-0.000000>,1.500000
<29.331226,230.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,230.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,229.054794,-0.000000>,1.500000
<28.387672,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,229.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,229.994492,-0.000000>,1.500000
<28.729692,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,230.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,230.934174,-0.000000>,1.500000
<28.729692,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,231.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,231.934174,-0.000000>,1.500000
<28.729692,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,232.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,230.934174,-0.000000>,1.500000
<29.372480,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,231.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,231.700226,-0.000000>,1.500000
<30.015266,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,232.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,219.175415,-0.000000>,1.500000
<28.004398,219.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.004398,219.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.004398,219.941452,-0.000000>,1.500000
<28.647186,220.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.647186,220.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.647186,220.707504,-0.000000>,1.500000
<29.289974,221.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.289974,221.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.289974,221.473541,-0.000000>,1.500000
<29.932762,222.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.932762,222.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,222.239594,-0.000000>,1.500000
<30.798788,222.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.798788,222.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.798788,222.739594,-0.000000>,1.500000
<31.664812,223.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.664812,223.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,223.239594,-0.000000>,1.500000
<32.649620,223.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.649620,223.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.649620,223.413239,-0.000000>,1.500000
<33.634430,223.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.634430,223.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,223.239594,-0.000000>,1.500000
<32.530838,223.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.530838,223.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.530838,223.739594,-0.000000>,1.500000
<33.396862,224.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.396862,224.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,224.239594,-0.000000>,1.500000
<34.039650,225.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.039650,225.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.039650,225.005630,-0.000000>,1.500000
<34.682438,225.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.682438,225.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,224.239594,-0.000000>,1.500000
<34.381672,224.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.381672,224.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.381672,224.413239,-0.000000>,1.500000
<35.366478,224.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.366478,224.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,222.239594,-0.000000>,1.500000
<30.575550,223.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.575550,223.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.575550,223.005630,-0.000000>,1.500000
<31.218338,223.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.218338,223.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.218338,223.771683,-0.000000>,1.500000
<31.861124,224.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.861124,224.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.861124,224.537720,-0.000000>,1.500000
<32.503914,225.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.503914,225.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,225.303772,-0.000000>,1.500000
<32.845932,226.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.845932,226.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.845932,226.243454,-0.000000>,1.500000
<33.187954,227.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.187954,227.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,227.183151,-0.000000>,1.500000
<33.830742,227.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.830742,227.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.830742,227.949188,-0.000000>,1.500000
<34.473526,228.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.473526,228.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,227.183151,-0.000000>,1.500000
<33.529972,228.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.529972,228.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.529972,228.122849,-0.000000>,1.500000
<33.871994,229.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,229.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,229.062531,-0.000000>,1.500000
<33.871994,230.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,230.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,230.062531,-0.000000>,1.500000
<33.871994,231.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,231.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,229.062531,-0.000000>,1.500000
<34.514782,229.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.514782,229.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.514782,229.828583,-0.000000>,1.500000
<35.157570,230.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.157570,230.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,225.303772,-0.000000>,1.500000
<33.369938,225.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.369938,225.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.369938,225.803772,-0.000000>,1.500000
<34.235962,226.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.235962,226.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,226.303772,-0.000000>,1.500000
<35.220772,226.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.220772,226.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.220772,226.477417,-0.000000>,1.500000
<36.205578,226.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.205578,226.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,226.303772,-0.000000>,1.500000
<35.101990,226.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.101990,226.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.101990,226.803772,-0.000000>,1.500000
<35.968014,227.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.968014,227.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,227.303772,-0.000000>,1.500000
<36.610802,228.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.610802,228.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.610802,228.069809,-0.000000>,1.500000
<37.253590,228.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.253590,228.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,227.303772,-0.000000>,1.500000
<36.952820,227.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.952820,227.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.952820,227.477417,-0.000000>,1.500000
<37.937630,227.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.937630,227.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,204.140335,-0.000000>,1.500000
<21.889290,205.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,205.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,205.140335,-0.000000>,1.500000
<21.889290,206.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,206.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,206.140335,-0.000000>,1.500000
<21.889290,207.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,207.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,207.140335,-0.000000>,1.500000
<21.889290,208.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,208.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,208.140335,-0.000000>,1.500000
<21.889290,209.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,209.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,209.140335,-0.000000>,1.500000
<21.889290,210.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,210.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,210.140335,-0.000000>,1.500000
<21.889290,211.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,211.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,211.140335,-0.000000>,1.500000
<21.889290,212.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,212.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,212.140335,-0.000000>,1.500000
<21.889290,213.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,213.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,213.140335,-0.000000>,1.500000
<21.889290,214.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,214.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,214.140335,-0.000000>,1.500000
<21.889290,215.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,215.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,215.140335,-0.000000>,1.500000
<21.889290,216.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,216.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,216.140335,-0.000000>,1.500000
<21.889290,217.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,217.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,217.140335,-0.000000>,1.500000
<21.889290,218.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,218.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,218.140335,-0.000000>,1.500000
<21.889290,219.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,219.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,219.140335,-0.000000>,1.500000
<21.889290,220.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.889290,220.140335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,220.140335,-0.000000>,1.500000
<21.547270,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.547270,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.547270,221.080017,-0.000000>,1.500000
<21.205250,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.205250,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.205250,222.019714,-0.000000>,1.500000
<20.863228,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.863228,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.863228,222.959412,-0.000000>,1.500000
<20.521208,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,223.899094,-0.000000>,1.500000
<20.179188,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,224.838791,-0.000000>,1.500000
<19.837168,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,225.778488,-0.000000>,1.500000
<19.495148,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,226.718170,-0.000000>,1.500000
<19.153128,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,227.657867,-0.000000>,1.500000
<19.153128,228.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,228.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,228.657867,-0.000000>,1.500000
<19.153128,229.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,229.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,229.657867,-0.000000>,1.500000
<19.153128,230.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,230.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,230.657867,-0.000000>,1.500000
<19.153128,231.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,231.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,231.657867,-0.000000>,1.500000
<19.495148,232.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,232.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,232.597565,-0.000000>,1.500000
<19.837168,233.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,233.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,233.537247,-0.000000>,1.500000
<20.479956,234.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.479956,234.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.479956,234.303299,-0.000000>,1.500000
<21.122744,235.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.122744,235.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,233.537247,-0.000000>,1.500000
<20.179188,234.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,234.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,234.476944,-0.000000>,1.500000
<20.521208,235.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,235.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,235.416641,-0.000000>,1.500000
<20.521208,236.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,236.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,236.416641,-0.000000>,1.500000
<20.521208,237.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,237.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,235.416641,-0.000000>,1.500000
<21.163996,236.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.163996,236.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.163996,236.182678,-0.000000>,1.500000
<21.806784,236.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.806784,236.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,231.657867,-0.000000>,1.500000
<19.153128,232.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,232.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,232.657867,-0.000000>,1.500000
<19.153128,233.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,233.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,233.657867,-0.000000>,1.500000
<19.153128,234.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,234.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,234.657867,-0.000000>,1.500000
<19.153128,235.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.153128,235.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,235.657867,-0.000000>,1.500000
<18.811108,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.811108,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.811108,236.597565,-0.000000>,1.500000
<18.469088,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,237.537247,-0.000000>,1.500000
<18.469088,238.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,238.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,238.537247,-0.000000>,1.500000
<18.469088,239.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,239.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,237.537247,-0.000000>,1.500000
<18.127068,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127068,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127068,238.476944,-0.000000>,1.500000
<17.785048,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,239.416641,-0.000000>,1.500000
<17.142260,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.142260,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.142260,240.182678,-0.000000>,1.500000
<16.499472,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.499472,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,239.416641,-0.000000>,1.500000
<17.785048,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,240.416641,-0.000000>,1.500000
<17.785048,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,235.657867,-0.000000>,1.500000
<19.495148,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.495148,236.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.495148,236.597565,-0.000000>,1.500000
<19.837168,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.837168,237.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,237.537247,-0.000000>,1.500000
<20.479956,238.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.479956,238.303299,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.479956,238.303299,-0.000000>,1.500000
<21.122744,239.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.122744,239.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.837168,237.537247,-0.000000>,1.500000
<20.179188,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.179188,238.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.179188,238.476944,-0.000000>,1.500000
<20.521208,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,239.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,239.416641,-0.000000>,1.500000
<20.521208,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,240.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,240.416641,-0.000000>,1.500000
<20.521208,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.521208,241.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.521208,239.416641,-0.000000>,1.500000
<21.163996,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.163996,240.182678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.163996,240.182678,-0.000000>,1.500000
<21.806784,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.806784,240.948730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.153128,227.657867,-0.000000>,1.500000
<18.811108,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.811108,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.811108,228.597565,-0.000000>,1.500000
<18.469088,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.469088,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.469088,229.537247,-0.000000>,1.500000
<18.127068,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127068,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.127068,230.476944,-0.000000>,1.500000
<17.785048,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,231.416641,-0.000000>,1.500000
<17.443027,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,232.356339,-0.000000>,1.500000
<17.101007,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,233.296021,-0.000000>,1.500000
<16.758987,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,234.235718,-0.000000>,1.500000
<16.416967,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,235.175415,-0.000000>,1.500000
<15.774179,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.774179,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.774179,235.941452,-0.000000>,1.500000
<15.131392,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.131392,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.131392,236.707504,-0.000000>,1.500000
<14.488604,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.488604,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.488604,237.473541,-0.000000>,1.500000
<13.845817,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.845817,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.845817,238.239594,-0.000000>,1.500000
<13.503797,239.179276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.503797,239.179276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.503797,239.179276,-0.000000>,1.500000
<13.161777,240.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.161777,240.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.161777,240.118973,-0.000000>,1.500000
<13.161777,241.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.161777,241.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.161777,241.118973,-0.000000>,1.500000
<13.161777,242.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.161777,242.118973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.161777,240.118973,-0.000000>,1.500000
<12.819756,241.058670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.819756,241.058670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.819756,241.058670,-0.000000>,1.500000
<12.477736,241.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.477736,241.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.477736,241.998352,-0.000000>,1.500000
<11.834949,242.764404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.834949,242.764404,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.834949,242.764404,-0.000000>,1.500000
<11.192161,243.530441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.192161,243.530441,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.477736,241.998352,-0.000000>,1.500000
<12.477736,242.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.477736,242.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.477736,242.998352,-0.000000>,1.500000
<12.477736,243.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.477736,243.998352,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.845817,238.239594,-0.000000>,1.500000
<13.203029,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.203029,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.203029,239.005630,-0.000000>,1.500000
<12.560242,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.560242,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.560242,239.771683,-0.000000>,1.500000
<11.917454,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.917454,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.917454,240.537720,-0.000000>,1.500000
<11.274666,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.274666,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.274666,241.303772,-0.000000>,1.500000
<10.408641,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.408641,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.408641,241.803772,-0.000000>,1.500000
<9.542615,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.542615,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.542615,242.303772,-0.000000>,1.500000
<8.899828,243.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.899828,243.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.899828,243.069809,-0.000000>,1.500000
<8.257040,243.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.257040,243.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.542615,242.303772,-0.000000>,1.500000
<8.676590,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.676590,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.676590,242.803772,-0.000000>,1.500000
<7.810565,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.810565,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810565,243.303772,-0.000000>,1.500000
<6.825757,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.825757,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.825757,243.477417,-0.000000>,1.500000
<5.840949,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.840949,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810565,243.303772,-0.000000>,1.500000
<7.167777,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.167777,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.167777,244.069809,-0.000000>,1.500000
<6.524989,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.524989,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.274666,241.303772,-0.000000>,1.500000
<10.932646,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.932646,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.932646,242.243454,-0.000000>,1.500000
<10.590626,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.590626,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.590626,243.183151,-0.000000>,1.500000
<10.590626,244.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.590626,244.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.590626,244.183151,-0.000000>,1.500000
<10.590626,245.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.590626,245.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.590626,243.183151,-0.000000>,1.500000
<10.248606,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.248606,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.248606,244.122849,-0.000000>,1.500000
<9.906586,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.906586,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.906586,245.062531,-0.000000>,1.500000
<9.263798,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.263798,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.263798,245.828583,-0.000000>,1.500000
<8.621010,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.621010,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.906586,245.062531,-0.000000>,1.500000
<9.906586,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.906586,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.906586,246.062531,-0.000000>,1.500000
<9.906586,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.906586,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,235.175415,-0.000000>,1.500000
<16.416967,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,236.175415,-0.000000>,1.500000
<16.416967,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,237.175415,-0.000000>,1.500000
<16.416967,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,238.175415,-0.000000>,1.500000
<16.416967,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,239.175415,-0.000000>,1.500000
<16.758987,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,240.115097,-0.000000>,1.500000
<17.101007,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,241.054794,-0.000000>,1.500000
<17.743795,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.743795,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.743795,241.820847,-0.000000>,1.500000
<18.386583,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.386583,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,241.054794,-0.000000>,1.500000
<17.443027,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,241.994492,-0.000000>,1.500000
<17.785048,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,242.934174,-0.000000>,1.500000
<17.785048,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,243.934174,-0.000000>,1.500000
<17.785048,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,242.934174,-0.000000>,1.500000
<18.427835,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.427835,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.427835,243.700226,-0.000000>,1.500000
<19.070623,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.070623,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,239.175415,-0.000000>,1.500000
<16.416967,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,240.175415,-0.000000>,1.500000
<16.416967,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,241.175415,-0.000000>,1.500000
<16.416967,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,242.175415,-0.000000>,1.500000
<16.416967,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.416967,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,243.175415,-0.000000>,1.500000
<16.074947,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.074947,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.074947,244.115097,-0.000000>,1.500000
<15.732926,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,245.054794,-0.000000>,1.500000
<15.732926,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,246.054794,-0.000000>,1.500000
<15.732926,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.732926,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.732926,245.054794,-0.000000>,1.500000
<15.390906,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.390906,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.390906,245.994492,-0.000000>,1.500000
<15.048886,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,246.934174,-0.000000>,1.500000
<14.406098,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.406098,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.406098,247.700226,-0.000000>,1.500000
<13.763311,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.763311,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,246.934174,-0.000000>,1.500000
<15.048886,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.048886,247.934174,-0.000000>,1.500000
<15.048886,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.048886,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.416967,243.175415,-0.000000>,1.500000
<16.758987,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.758987,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.758987,244.115097,-0.000000>,1.500000
<17.101007,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.101007,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,245.054794,-0.000000>,1.500000
<17.743795,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.743795,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.743795,245.820847,-0.000000>,1.500000
<18.386583,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.386583,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.101007,245.054794,-0.000000>,1.500000
<17.443027,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.443027,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.443027,245.994492,-0.000000>,1.500000
<17.785048,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,246.934174,-0.000000>,1.500000
<17.785048,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,247.934174,-0.000000>,1.500000
<17.785048,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.785048,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.785048,246.934174,-0.000000>,1.500000
<18.427835,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.427835,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.427835,247.700226,-0.000000>,1.500000
<19.070623,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.070623,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,220.140335,-0.000000>,1.500000
<22.231310,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.231310,221.080017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.231310,221.080017,-0.000000>,1.500000
<22.573330,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.573330,222.019714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.573330,222.019714,-0.000000>,1.500000
<22.915350,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.915350,222.959412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.915350,222.959412,-0.000000>,1.500000
<23.257370,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.257370,223.899094,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.257370,223.899094,-0.000000>,1.500000
<23.599390,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.599390,224.838791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.599390,224.838791,-0.000000>,1.500000
<23.941410,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.941410,225.778488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.941410,225.778488,-0.000000>,1.500000
<24.283430,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.283430,226.718170,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.283430,226.718170,-0.000000>,1.500000
<24.625450,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.625450,227.657867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,227.657867,-0.000000>,1.500000
<25.268238,228.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.268238,228.423920,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.268238,228.423920,-0.000000>,1.500000
<25.911026,229.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.911026,229.189957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.911026,229.189957,-0.000000>,1.500000
<26.553814,229.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.553814,229.956009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.553814,229.956009,-0.000000>,1.500000
<27.196600,230.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.196600,230.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,230.722046,-0.000000>,1.500000
<28.062626,231.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.062626,231.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.062626,231.222046,-0.000000>,1.500000
<28.928652,231.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.928652,231.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,231.722046,-0.000000>,1.500000
<29.913460,231.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.913460,231.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.913460,231.895691,-0.000000>,1.500000
<30.898268,232.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.898268,232.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.928652,231.722046,-0.000000>,1.500000
<29.794678,232.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.794678,232.222046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.794678,232.222046,-0.000000>,1.500000
<30.660702,232.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.660702,232.722046,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,232.722046,-0.000000>,1.500000
<31.303490,233.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.303490,233.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.303490,233.488098,-0.000000>,1.500000
<31.946278,234.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.946278,234.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.660702,232.722046,-0.000000>,1.500000
<31.645510,232.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.645510,232.895691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.645510,232.895691,-0.000000>,1.500000
<32.630318,233.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.630318,233.069336,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.196600,230.722046,-0.000000>,1.500000
<27.839388,231.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.839388,231.488098,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.839388,231.488098,-0.000000>,1.500000
<28.482176,232.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.482176,232.254135,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.482176,232.254135,-0.000000>,1.500000
<29.124964,233.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.124964,233.020187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.124964,233.020187,-0.000000>,1.500000
<29.767752,233.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.767752,233.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,233.786224,-0.000000>,1.500000
<30.109772,234.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.109772,234.725922,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.109772,234.725922,-0.000000>,1.500000
<30.451792,235.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.451792,235.665604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,235.665604,-0.000000>,1.500000
<31.094580,236.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.094580,236.431656,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.094580,236.431656,-0.000000>,1.500000
<31.737368,237.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.737368,237.197693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.451792,235.665604,-0.000000>,1.500000
<30.793812,236.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.793812,236.605301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.793812,236.605301,-0.000000>,1.500000
<31.135832,237.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,237.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,237.544998,-0.000000>,1.500000
<31.135832,238.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,238.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,238.544998,-0.000000>,1.500000
<31.135832,239.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.135832,239.544998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.135832,237.544998,-0.000000>,1.500000
<31.778620,238.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.778620,238.311035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.778620,238.311035,-0.000000>,1.500000
<32.421406,239.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.421406,239.077087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.767752,233.786224,-0.000000>,1.500000
<30.633776,234.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.633776,234.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.633776,234.286224,-0.000000>,1.500000
<31.499802,234.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.499802,234.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,234.786224,-0.000000>,1.500000
<32.484612,234.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.484612,234.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.484612,234.959869,-0.000000>,1.500000
<33.469418,235.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.469418,235.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.499802,234.786224,-0.000000>,1.500000
<32.365826,235.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.365826,235.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.365826,235.286224,-0.000000>,1.500000
<33.231853,235.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.231853,235.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,235.786224,-0.000000>,1.500000
<33.874641,236.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.874641,236.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.874641,236.552261,-0.000000>,1.500000
<34.517429,237.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.517429,237.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.231853,235.786224,-0.000000>,1.500000
<34.216660,235.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.216660,235.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.216660,235.959869,-0.000000>,1.500000
<35.201469,236.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.201469,236.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.625450,227.657867,-0.000000>,1.500000
<24.967470,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.967470,228.597565,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.967470,228.597565,-0.000000>,1.500000
<25.309490,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.309490,229.537247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.309490,229.537247,-0.000000>,1.500000
<25.651510,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.651510,230.476944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.651510,230.476944,-0.000000>,1.500000
<25.993530,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,231.416641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,231.416641,-0.000000>,1.500000
<26.335550,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,232.356339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,232.356339,-0.000000>,1.500000
<26.677570,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,233.296021,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,233.296021,-0.000000>,1.500000
<27.019590,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,234.235718,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,234.235718,-0.000000>,1.500000
<27.361612,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,235.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,235.175415,-0.000000>,1.500000
<27.361612,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,236.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,236.175415,-0.000000>,1.500000
<27.361612,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,237.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,237.175415,-0.000000>,1.500000
<27.361612,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,238.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,238.175415,-0.000000>,1.500000
<27.361612,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,239.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,239.175415,-0.000000>,1.500000
<27.703632,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,240.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,240.115097,-0.000000>,1.500000
<28.045652,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,241.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,241.054794,-0.000000>,1.500000
<28.688438,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,241.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,241.820847,-0.000000>,1.500000
<29.331226,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,242.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,241.054794,-0.000000>,1.500000
<28.387672,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,241.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,241.994492,-0.000000>,1.500000
<28.729692,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,242.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,242.934174,-0.000000>,1.500000
<28.729692,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,243.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,243.934174,-0.000000>,1.500000
<28.729692,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,244.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,242.934174,-0.000000>,1.500000
<29.372480,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,243.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,243.700226,-0.000000>,1.500000
<30.015266,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,244.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,239.175415,-0.000000>,1.500000
<27.361612,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,240.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,240.175415,-0.000000>,1.500000
<27.361612,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,241.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,241.175415,-0.000000>,1.500000
<27.361612,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,242.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,242.175415,-0.000000>,1.500000
<27.361612,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.361612,243.175415,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,243.175415,-0.000000>,1.500000
<27.019590,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.019590,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.019590,244.115097,-0.000000>,1.500000
<26.677570,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,245.054794,-0.000000>,1.500000
<26.677570,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,246.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,246.054794,-0.000000>,1.500000
<26.677570,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.677570,247.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.677570,245.054794,-0.000000>,1.500000
<26.335550,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.335550,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.335550,245.994492,-0.000000>,1.500000
<25.993530,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,246.934174,-0.000000>,1.500000
<25.350742,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.350742,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.350742,247.700226,-0.000000>,1.500000
<24.707956,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.707956,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,246.934174,-0.000000>,1.500000
<25.993530,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.993530,247.934174,-0.000000>,1.500000
<25.993530,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.993530,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,243.175415,-0.000000>,1.500000
<27.703632,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.703632,244.115097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.703632,244.115097,-0.000000>,1.500000
<28.045652,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.045652,245.054794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,245.054794,-0.000000>,1.500000
<28.688438,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.688438,245.820847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.688438,245.820847,-0.000000>,1.500000
<29.331226,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.331226,246.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.045652,245.054794,-0.000000>,1.500000
<28.387672,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.387672,245.994492,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.387672,245.994492,-0.000000>,1.500000
<28.729692,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,246.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,246.934174,-0.000000>,1.500000
<28.729692,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,247.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,247.934174,-0.000000>,1.500000
<28.729692,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.729692,248.934174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.729692,246.934174,-0.000000>,1.500000
<29.372480,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.372480,247.700226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.372480,247.700226,-0.000000>,1.500000
<30.015266,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.015266,248.466263,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.361612,235.175415,-0.000000>,1.500000
<28.004398,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.004398,235.941452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.004398,235.941452,-0.000000>,1.500000
<28.647186,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.647186,236.707504,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.647186,236.707504,-0.000000>,1.500000
<29.289974,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.289974,237.473541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.289974,237.473541,-0.000000>,1.500000
<29.932762,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.932762,238.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,238.239594,-0.000000>,1.500000
<30.798788,238.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.798788,238.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.798788,238.739594,-0.000000>,1.500000
<31.664812,239.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.664812,239.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,239.239594,-0.000000>,1.500000
<32.649620,239.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.649620,239.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.649620,239.413239,-0.000000>,1.500000
<33.634430,239.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.634430,239.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.664812,239.239594,-0.000000>,1.500000
<32.530838,239.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.530838,239.739594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.530838,239.739594,-0.000000>,1.500000
<33.396862,240.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.396862,240.239594,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,240.239594,-0.000000>,1.500000
<34.039650,241.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.039650,241.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.039650,241.005630,-0.000000>,1.500000
<34.682438,241.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.682438,241.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.396862,240.239594,-0.000000>,1.500000
<34.381672,240.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.381672,240.413239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.381672,240.413239,-0.000000>,1.500000
<35.366478,240.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.366478,240.586884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.932762,238.239594,-0.000000>,1.500000
<30.575550,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.575550,239.005630,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.575550,239.005630,-0.000000>,1.500000
<31.218338,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.218338,239.771683,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.218338,239.771683,-0.000000>,1.500000
<31.861124,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.861124,240.537720,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.861124,240.537720,-0.000000>,1.500000
<32.503914,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.503914,241.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,241.303772,-0.000000>,1.500000
<32.845932,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.845932,242.243454,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.845932,242.243454,-0.000000>,1.500000
<33.187954,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.187954,243.183151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,243.183151,-0.000000>,1.500000
<33.830742,243.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.830742,243.949188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.830742,243.949188,-0.000000>,1.500000
<34.473526,244.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.473526,244.715240,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.187954,243.183151,-0.000000>,1.500000
<33.529972,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.529972,244.122849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.529972,244.122849,-0.000000>,1.500000
<33.871994,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,245.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,245.062531,-0.000000>,1.500000
<33.871994,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,246.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,246.062531,-0.000000>,1.500000
<33.871994,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.871994,247.062531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.871994,245.062531,-0.000000>,1.500000
<34.514782,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.514782,245.828583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.514782,245.828583,-0.000000>,1.500000
<35.157570,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.157570,246.594620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.503914,241.303772,-0.000000>,1.500000
<33.369938,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.369938,241.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.369938,241.803772,-0.000000>,1.500000
<34.235962,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.235962,242.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,242.303772,-0.000000>,1.500000
<35.220772,242.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.220772,242.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.220772,242.477417,-0.000000>,1.500000
<36.205578,242.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.205578,242.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.235962,242.303772,-0.000000>,1.500000
<35.101990,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.101990,242.803772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.101990,242.803772,-0.000000>,1.500000
<35.968014,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.968014,243.303772,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,243.303772,-0.000000>,1.500000
<36.610802,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.610802,244.069809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.610802,244.069809,-0.000000>,1.500000
<37.253590,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.253590,244.835861,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.968014,243.303772,-0.000000>,1.500000
<36.952820,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.952820,243.477417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.952820,243.477417,-0.000000>,1.500000
<37.937630,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.937630,243.651062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.889290,188.140335,-0.000000>,1.500000
<22.532076,188.906372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.532076,188.906372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.532076,188.906372,-0.000000>,1.500000
<23.174864,189.672409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.174864,189.672409,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.174864,189.672409,-0.000000>,1.500000
<23.817652,190.438461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.817652,190.438461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.817652,190.438461,-0.000000>,1.500000
<24.460440,191.204498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.460440,191.204498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.460440,191.204498,-0.000000>,1.500000
<25.103228,191.970551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.103228,191.970551,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.103228,191.970551,-0.000000>,1.500000
<25.746016,192.736588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.746016,192.736588,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.746016,192.736588,-0.000000>,1.500000
<26.388802,193.502640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.388802,193.502640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.388802,193.502640,-0.000000>,1.500000
<27.031590,194.268677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.031590,194.268677,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.031590,194.268677,-0.000000>,1.500000
<27.674377,195.034729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.674377,195.034729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.674377,195.034729,-0.000000>,1.500000
<28.317165,195.800766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.317165,195.800766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.317165,195.800766,-0.000000>,1.500000
<28.959953,196.566818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.959953,196.566818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.959953,196.566818,-0.000000>,1.500000
<29.602741,197.332855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.602741,197.332855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.602741,197.332855,-0.000000>,1.500000
<30.245527,198.098907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.245527,198.098907,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.245527,198.098907,-0.000000>,1.500000
<30.888315,198.864944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.888315,198.864944,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.888315,198.864944,-0.000000>,1.500000
<31.531103,199.630997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.531103,199.630997,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.531103,199.630997,-0.000000>,1.500000
<32.173889,200.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.173889,200.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.173889,200.397034,-0.000000>,1.500000
<33.039917,200.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.039917,200.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.039917,200.897034,-0.000000>,1.500000
<33.905941,201.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.905941,201.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.905941,201.397034,-0.000000>,1.500000
<34.771969,201.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.771969,201.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.771969,201.897034,-0.000000>,1.500000
<35.637993,202.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.637993,202.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.637993,202.397034,-0.000000>,1.500000
<36.504017,202.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.504017,202.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.504017,202.897034,-0.000000>,1.500000
<37.370045,203.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.370045,203.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.370045,203.397034,-0.000000>,1.500000
<38.236069,203.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.236069,203.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.236069,203.897034,-0.000000>,1.500000
<39.102093,204.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.102093,204.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.102093,204.397034,-0.000000>,1.500000
<40.086903,204.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.086903,204.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.086903,204.570694,-0.000000>,1.500000
<41.071709,204.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.071709,204.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.071709,204.744339,-0.000000>,1.500000
<42.056519,204.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.056519,204.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.056519,204.917984,-0.000000>,1.500000
<43.041325,205.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.041325,205.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.041325,205.091629,-0.000000>,1.500000
<44.026134,204.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.026134,204.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.026134,204.917984,-0.000000>,1.500000
<45.010941,204.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.010941,204.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.010941,204.744339,-0.000000>,1.500000
<45.876965,204.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.876965,204.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.876965,204.244339,-0.000000>,1.500000
<46.742992,203.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.742992,203.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.010941,204.744339,-0.000000>,1.500000
<45.995747,204.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.995747,204.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.995747,204.570694,-0.000000>,1.500000
<46.980556,204.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.980556,204.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,204.397034,-0.000000>,1.500000
<47.965363,204.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.965363,204.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.965363,204.570694,-0.000000>,1.500000
<48.950172,204.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.950172,204.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,204.397034,-0.000000>,1.500000
<47.846581,203.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.846581,203.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.846581,203.897034,-0.000000>,1.500000
<48.712608,203.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.712608,203.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.041325,205.091629,-0.000000>,1.500000
<44.026134,205.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.026134,205.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.026134,205.265274,-0.000000>,1.500000
<45.010941,205.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.010941,205.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.010941,205.438934,-0.000000>,1.500000
<45.995747,205.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.995747,205.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.995747,205.612579,-0.000000>,1.500000
<46.980556,205.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.980556,205.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,205.786224,-0.000000>,1.500000
<47.846581,206.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.846581,206.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.846581,206.286224,-0.000000>,1.500000
<48.712608,206.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.712608,206.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.712608,206.786224,-0.000000>,1.500000
<49.697414,206.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.697414,206.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.697414,206.959869,-0.000000>,1.500000
<50.682224,207.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.682224,207.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.712608,206.786224,-0.000000>,1.500000
<49.578632,207.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.578632,207.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.578632,207.286224,-0.000000>,1.500000
<50.444656,207.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.444656,207.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.444656,207.786224,-0.000000>,1.500000
<51.087444,208.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.087444,208.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.087444,208.552261,-0.000000>,1.500000
<51.730232,209.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.730232,209.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.444656,207.786224,-0.000000>,1.500000
<51.429466,207.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.429466,207.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.429466,207.959869,-0.000000>,1.500000
<52.414272,208.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.414272,208.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.980556,205.786224,-0.000000>,1.500000
<47.965363,205.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.965363,205.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.965363,205.612579,-0.000000>,1.500000
<48.950172,205.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.950172,205.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.950172,205.438934,-0.000000>,1.500000
<49.816196,204.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.816196,204.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.816196,204.938934,-0.000000>,1.500000
<50.682224,204.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.682224,204.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.950172,205.438934,-0.000000>,1.500000
<49.934978,205.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.934978,205.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.934978,205.265274,-0.000000>,1.500000
<50.919788,205.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.919788,205.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.919788,205.091629,-0.000000>,1.500000
<51.904594,205.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.904594,205.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.904594,205.265274,-0.000000>,1.500000
<52.889404,205.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.889404,205.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.919788,205.091629,-0.000000>,1.500000
<51.785812,204.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.785812,204.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.785812,204.591629,-0.000000>,1.500000
<52.651836,204.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.651836,204.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.102093,204.397034,-0.000000>,1.500000
<39.968121,204.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.968121,204.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.968121,204.897034,-0.000000>,1.500000
<40.834145,205.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.834145,205.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.834145,205.397034,-0.000000>,1.500000
<41.700169,205.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.700169,205.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.700169,205.897034,-0.000000>,1.500000
<42.566196,206.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.566196,206.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.566196,206.397034,-0.000000>,1.500000
<43.432220,206.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.432220,206.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.432220,206.897034,-0.000000>,1.500000
<44.298248,207.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.298248,207.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.298248,207.397034,-0.000000>,1.500000
<45.164272,207.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.164272,207.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.164272,207.897034,-0.000000>,1.500000
<46.030296,208.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.030296,208.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.030296,208.397034,-0.000000>,1.500000
<46.673084,209.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.673084,209.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.673084,209.163086,-0.000000>,1.500000
<47.315872,209.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.315872,209.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.315872,209.929123,-0.000000>,1.500000
<47.958660,210.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.958660,210.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.958660,210.695175,-0.000000>,1.500000
<48.601448,211.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.601448,211.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.601448,211.461212,-0.000000>,1.500000
<49.467472,211.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.467472,211.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.467472,211.961212,-0.000000>,1.500000
<50.333500,212.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.333500,212.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.333500,212.461212,-0.000000>,1.500000
<51.318306,212.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.318306,212.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.318306,212.634857,-0.000000>,1.500000
<52.303116,212.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.303116,212.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.333500,212.461212,-0.000000>,1.500000
<51.199524,212.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.199524,212.961212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.199524,212.961212,-0.000000>,1.500000
<52.065548,213.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.065548,213.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.065548,213.461212,-0.000000>,1.500000
<52.708336,214.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.708336,214.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.708336,214.227264,-0.000000>,1.500000
<53.351124,214.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.351124,214.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.065548,213.461212,-0.000000>,1.500000
<53.050358,213.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.050358,213.634857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.050358,213.634857,-0.000000>,1.500000
<54.035164,213.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.035164,213.808517,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.601448,211.461212,-0.000000>,1.500000
<49.244236,212.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.244236,212.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.244236,212.227264,-0.000000>,1.500000
<49.887024,212.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.887024,212.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.887024,212.993301,-0.000000>,1.500000
<50.529812,213.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.529812,213.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.529812,213.759354,-0.000000>,1.500000
<51.172600,214.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.172600,214.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.172600,214.525391,-0.000000>,1.500000
<51.514618,215.465088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.514618,215.465088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.514618,215.465088,-0.000000>,1.500000
<51.856640,216.404785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.856640,216.404785,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.856640,216.404785,-0.000000>,1.500000
<52.499428,217.170822,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.499428,217.170822,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.499428,217.170822,-0.000000>,1.500000
<53.142212,217.936874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.142212,217.936874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.856640,216.404785,-0.000000>,1.500000
<52.198658,217.344467,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.198658,217.344467,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.198658,217.344467,-0.000000>,1.500000
<52.540680,218.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.540680,218.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.540680,218.284164,-0.000000>,1.500000
<52.540680,219.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.540680,219.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.540680,219.284164,-0.000000>,1.500000
<52.540680,220.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.540680,220.284164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.540680,218.284164,-0.000000>,1.500000
<53.183468,219.050217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.183468,219.050217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.183468,219.050217,-0.000000>,1.500000
<53.826256,219.816254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.826256,219.816254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.172600,214.525391,-0.000000>,1.500000
<52.038624,215.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.038624,215.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.038624,215.025391,-0.000000>,1.500000
<52.904648,215.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.904648,215.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.904648,215.525391,-0.000000>,1.500000
<53.889458,215.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.889458,215.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.889458,215.699036,-0.000000>,1.500000
<54.874264,215.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.874264,215.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.904648,215.525391,-0.000000>,1.500000
<53.770676,216.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.770676,216.025391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.770676,216.025391,-0.000000>,1.500000
<54.636700,216.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.636700,216.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.636700,216.525391,-0.000000>,1.500000
<55.279488,217.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.279488,217.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.279488,217.291443,-0.000000>,1.500000
<55.922276,218.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.922276,218.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.636700,216.525391,-0.000000>,1.500000
<55.621506,216.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.621506,216.699036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.621506,216.699036,-0.000000>,1.500000
<56.606316,216.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.606316,216.872696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.030296,208.397034,-0.000000>,1.500000
<47.015106,208.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.015106,208.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.015106,208.570694,-0.000000>,1.500000
<47.999912,208.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.999912,208.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.999912,208.744339,-0.000000>,1.500000
<48.984722,208.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.984722,208.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.984722,208.917984,-0.000000>,1.500000
<49.969528,209.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.969528,209.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.969528,209.091629,-0.000000>,1.500000
<50.954334,208.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.954334,208.917984,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.954334,208.917984,-0.000000>,1.500000
<51.939144,208.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.939144,208.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.939144,208.744339,-0.000000>,1.500000
<52.805168,208.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.805168,208.244339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.805168,208.244339,-0.000000>,1.500000
<53.671196,207.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.671196,207.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.939144,208.744339,-0.000000>,1.500000
<52.923950,208.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.923950,208.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.923950,208.570694,-0.000000>,1.500000
<53.908760,208.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.908760,208.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,208.397034,-0.000000>,1.500000
<54.893566,208.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.893566,208.570694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.893566,208.570694,-0.000000>,1.500000
<55.878376,208.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.878376,208.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,208.397034,-0.000000>,1.500000
<54.774784,207.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.774784,207.897034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.774784,207.897034,-0.000000>,1.500000
<55.640812,207.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.640812,207.397034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.969528,209.091629,-0.000000>,1.500000
<50.954334,209.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.954334,209.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.954334,209.265274,-0.000000>,1.500000
<51.939144,209.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.939144,209.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.939144,209.438934,-0.000000>,1.500000
<52.923950,209.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.923950,209.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.923950,209.612579,-0.000000>,1.500000
<53.908760,209.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.908760,209.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,209.786224,-0.000000>,1.500000
<54.774784,210.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.774784,210.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.774784,210.286224,-0.000000>,1.500000
<55.640812,210.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.640812,210.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.640812,210.786224,-0.000000>,1.500000
<56.625618,210.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.625618,210.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.625618,210.959869,-0.000000>,1.500000
<57.610424,211.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.610424,211.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.640812,210.786224,-0.000000>,1.500000
<56.506836,211.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.506836,211.286224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.506836,211.286224,-0.000000>,1.500000
<57.372860,211.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.372860,211.786224,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.372860,211.786224,-0.000000>,1.500000
<58.015648,212.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.015648,212.552261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.015648,212.552261,-0.000000>,1.500000
<58.658436,213.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.658436,213.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.372860,211.786224,-0.000000>,1.500000
<58.357670,211.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.357670,211.959869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.357670,211.959869,-0.000000>,1.500000
<59.342476,212.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.342476,212.133514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.908760,209.786224,-0.000000>,1.500000
<54.893566,209.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.893566,209.612579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.893566,209.612579,-0.000000>,1.500000
<55.878376,209.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.878376,209.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.878376,209.438934,-0.000000>,1.500000
<56.744400,208.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.744400,208.938934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.744400,208.938934,-0.000000>,1.500000
<57.610424,208.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.610424,208.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.878376,209.438934,-0.000000>,1.500000
<56.863182,209.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.863182,209.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.863182,209.265274,-0.000000>,1.500000
<57.847992,209.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.847992,209.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.847992,209.091629,-0.000000>,1.500000
<58.832798,209.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.832798,209.265274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.832798,209.265274,-0.000000>,1.500000
<59.817604,209.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.817604,209.438934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.847992,209.091629,-0.000000>,1.500000
<58.714016,208.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.714016,208.591629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.714016,208.591629,-0.000000>,1.500000
<59.580040,208.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.580040,208.091629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.173889,200.397034,-0.000000>,1.500000
<32.816677,201.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.816677,201.163086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.816677,201.163086,-0.000000>,1.500000
<33.459465,201.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.459465,201.929123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.459465,201.929123,-0.000000>,1.500000
<34.102253,202.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.102253,202.695175,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.102253,202.695175,-0.000000>,1.500000
<34.745041,203.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.745041,203.461212,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.745041,203.461212,-0.000000>,1.500000
<35.387829,204.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.387829,204.227264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.387829,204.227264,-0.000000>,1.500000
<36.030617,204.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.030617,204.993301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.030617,204.993301,-0.000000>,1.500000
<36.673405,205.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.673405,205.759354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.673405,205.759354,-0.000000>,1.500000
<37.316193,206.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.316193,206.525391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.316193,206.525391,-0.000000>,1.500000
<37.958981,207.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.958981,207.291443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.958981,207.291443,-0.000000>,1.500000
<38.601768,208.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.601768,208.057480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.601768,208.057480,-0.000000>,1.500000
<39.244556,208.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.244556,208.823532,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.244556,208.823532,-0.000000>,1.500000
<39.887341,209.589569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.887341,209.589569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.887341,209.589569,-0.000000>,1.500000
<40.530128,210.355621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.530128,210.355621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.530128,210.355621,-0.000000>,1.500000
<41.172916,211.121658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.172916,211.121658,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.172916,211.121658,-0.000000>,1.500000
<41.815704,211.887711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.815704,211.887711,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.815704,211.887711,-0.000000>,1.500000
<42.458492,212.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.458492,212.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.458492,212.653748,-0.000000>,1.500000
<42.800514,213.593445,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.800514,213.593445,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.800514,213.593445,-0.000000>,1.500000
<43.142532,214.533142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.142532,214.533142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.142532,214.533142,-0.000000>,1.500000
<43.484554,215.472824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.484554,215.472824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.484554,215.472824,-0.000000>,1.500000
<43.826572,216.412521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.826572,216.412521,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.826572,216.412521,-0.000000>,1.500000
<44.168594,217.352219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.168594,217.352219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.168594,217.352219,-0.000000>,1.500000
<44.510612,218.291901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.510612,218.291901,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.510612,218.291901,-0.000000>,1.500000
<44.852634,219.231598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.852634,219.231598,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.852634,219.231598,-0.000000>,1.500000
<45.194653,220.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.194653,220.171295,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.194653,220.171295,-0.000000>,1.500000
<45.837440,220.937332,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.837440,220.937332,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.837440,220.937332,-0.000000>,1.500000
<46.480228,221.703384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.480228,221.703384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.480228,221.703384,-0.000000>,1.500000
<47.123016,222.469421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.123016,222.469421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.123016,222.469421,-0.000000>,1.500000
<47.765804,223.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.765804,223.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.765804,223.235474,-0.000000>,1.500000
<48.631828,223.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.631828,223.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.631828,223.735474,-0.000000>,1.500000
<49.497856,224.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.497856,224.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.497856,224.235474,-0.000000>,1.500000
<50.482662,224.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.482662,224.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.482662,224.409119,-0.000000>,1.500000
<51.467472,224.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.467472,224.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.497856,224.235474,-0.000000>,1.500000
<50.363880,224.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.363880,224.735474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.363880,224.735474,-0.000000>,1.500000
<51.229904,225.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.229904,225.235474,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.229904,225.235474,-0.000000>,1.500000
<51.872692,226.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.872692,226.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.872692,226.001511,-0.000000>,1.500000
<52.515480,226.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.515480,226.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.229904,225.235474,-0.000000>,1.500000
<52.214714,225.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.214714,225.409119,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.214714,225.409119,-0.000000>,1.500000
<53.199520,225.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.199520,225.582764,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.765804,223.235474,-0.000000>,1.500000
<48.408592,224.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.408592,224.001511,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.408592,224.001511,-0.000000>,1.500000
<49.051380,224.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.051380,224.767563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.051380,224.767563,-0.000000>,1.500000
<49.694168,225.533600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.694168,225.533600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.694168,225.533600,-0.000000>,1.500000
<50.336956,226.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.336956,226.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.336956,226.299652,-0.000000>,1.500000
<50.678974,227.239334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.678974,227.239334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.678974,227.239334,-0.000000>,1.500000
<51.020996,228.179031,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.020996,228.179031,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.020996,228.179031,-0.000000>,1.500000
<51.663784,228.945084,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.663784,228.945084,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.663784,228.945084,-0.000000>,1.500000
<52.306572,229.711121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.306572,229.711121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.020996,228.179031,-0.000000>,1.500000
<51.363014,229.118729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.363014,229.118729,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.363014,229.118729,-0.000000>,1.500000
<51.705036,230.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.705036,230.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.705036,230.058411,-0.000000>,1.500000
<51.705036,231.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.705036,231.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.705036,231.058411,-0.000000>,1.500000
<51.705036,232.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.705036,232.058411,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.705036,230.058411,-0.000000>,1.500000
<52.347824,230.824463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.347824,230.824463,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.347824,230.824463,-0.000000>,1.500000
<52.990612,231.590500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.990612,231.590500,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.336956,226.299652,-0.000000>,1.500000
<51.202980,226.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.202980,226.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.202980,226.799652,-0.000000>,1.500000
<52.069004,227.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.069004,227.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.069004,227.299652,-0.000000>,1.500000
<53.053814,227.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.053814,227.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.053814,227.473297,-0.000000>,1.500000
<54.038620,227.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.038620,227.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.069004,227.299652,-0.000000>,1.500000
<52.935032,227.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.935032,227.799652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.935032,227.799652,-0.000000>,1.500000
<53.801056,228.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.801056,228.299652,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.801056,228.299652,-0.000000>,1.500000
<54.443844,229.065689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.443844,229.065689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.443844,229.065689,-0.000000>,1.500000
<55.086632,229.831741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.086632,229.831741,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.801056,228.299652,-0.000000>,1.500000
<54.785866,228.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.785866,228.473297,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.785866,228.473297,-0.000000>,1.500000
<55.770672,228.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.770672,228.646942,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.194653,220.171295,-0.000000>,1.500000
<45.536674,221.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.536674,221.110977,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.536674,221.110977,-0.000000>,1.500000
<45.878693,222.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.878693,222.050674,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.878693,222.050674,-0.000000>,1.500000
<46.220715,222.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.220715,222.990372,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.220715,222.990372,-0.000000>,1.500000
<46.562733,223.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,223.930069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,223.930069,-0.000000>,1.500000
<46.904755,224.869751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.904755,224.869751,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.904755,224.869751,-0.000000>,1.500000
<47.246777,225.809448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,225.809448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,225.809448,-0.000000>,1.500000
<47.588795,226.749146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.588795,226.749146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.588795,226.749146,-0.000000>,1.500000
<47.930817,227.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,227.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,227.688828,-0.000000>,1.500000
<47.930817,228.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,228.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,228.688828,-0.000000>,1.500000
<47.930817,229.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,229.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,229.688828,-0.000000>,1.500000
<47.930817,230.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,230.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,230.688828,-0.000000>,1.500000
<47.930817,231.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,231.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,231.688828,-0.000000>,1.500000
<48.272835,232.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.272835,232.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.272835,232.628525,-0.000000>,1.500000
<48.614857,233.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.614857,233.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,233.568222,-0.000000>,1.500000
<49.257645,234.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.257645,234.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.257645,234.334259,-0.000000>,1.500000
<49.900429,235.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.900429,235.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,233.568222,-0.000000>,1.500000
<48.956875,234.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.956875,234.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.956875,234.507904,-0.000000>,1.500000
<49.298897,235.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,235.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,235.447601,-0.000000>,1.500000
<49.298897,236.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,236.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,236.447601,-0.000000>,1.500000
<49.298897,237.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,237.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,235.447601,-0.000000>,1.500000
<49.941685,236.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.941685,236.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.941685,236.213654,-0.000000>,1.500000
<50.584473,236.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.584473,236.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,231.688828,-0.000000>,1.500000
<47.930817,232.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,232.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,232.688828,-0.000000>,1.500000
<47.930817,233.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,233.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,233.688828,-0.000000>,1.500000
<47.930817,234.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,234.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,234.688828,-0.000000>,1.500000
<47.930817,235.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.930817,235.688828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,235.688828,-0.000000>,1.500000
<47.588795,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.588795,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.588795,236.628525,-0.000000>,1.500000
<47.246777,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,237.568222,-0.000000>,1.500000
<47.246777,238.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,238.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,238.568222,-0.000000>,1.500000
<47.246777,239.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.246777,239.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.246777,237.568222,-0.000000>,1.500000
<46.904755,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.904755,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.904755,238.507904,-0.000000>,1.500000
<46.562733,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,239.447601,-0.000000>,1.500000
<45.919949,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.919949,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.919949,240.213654,-0.000000>,1.500000
<45.277161,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.277161,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,239.447601,-0.000000>,1.500000
<46.562733,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.562733,240.447601,-0.000000>,1.500000
<46.562733,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.562733,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,235.688828,-0.000000>,1.500000
<48.272835,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.272835,236.628525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.272835,236.628525,-0.000000>,1.500000
<48.614857,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.614857,237.568222,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,237.568222,-0.000000>,1.500000
<49.257645,238.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.257645,238.334259,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.257645,238.334259,-0.000000>,1.500000
<49.900429,239.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.900429,239.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.614857,237.568222,-0.000000>,1.500000
<48.956875,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.956875,238.507904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.956875,238.507904,-0.000000>,1.500000
<49.298897,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,239.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,239.447601,-0.000000>,1.500000
<49.298897,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,240.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,240.447601,-0.000000>,1.500000
<49.298897,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.298897,241.447601,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.298897,239.447601,-0.000000>,1.500000
<49.941685,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.941685,240.213654,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.941685,240.213654,-0.000000>,1.500000
<50.584473,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.584473,240.979691,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.930817,227.688828,-0.000000>,1.500000
<48.573601,228.454880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.573601,228.454880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.573601,228.454880,-0.000000>,1.500000
<49.216389,229.220917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.216389,229.220917,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.216389,229.220917,-0.000000>,1.500000
<49.859177,229.986969,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.859177,229.986969,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.859177,229.986969,-0.000000>,1.500000
<50.501965,230.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.501965,230.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.501965,230.753006,-0.000000>,1.500000
<51.367992,231.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.367992,231.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.367992,231.253006,-0.000000>,1.500000
<52.234016,231.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.234016,231.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.234016,231.753006,-0.000000>,1.500000
<53.218822,231.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.218822,231.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.218822,231.926651,-0.000000>,1.500000
<54.203632,232.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.203632,232.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.234016,231.753006,-0.000000>,1.500000
<53.100040,232.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.100040,232.253006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.100040,232.253006,-0.000000>,1.500000
<53.966068,232.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.966068,232.753006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.966068,232.753006,-0.000000>,1.500000
<54.608856,233.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.608856,233.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.608856,233.519058,-0.000000>,1.500000
<55.251644,234.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.251644,234.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.966068,232.753006,-0.000000>,1.500000
<54.950874,232.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.950874,232.926651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.950874,232.926651,-0.000000>,1.500000
<55.935684,233.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.935684,233.100311,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.501965,230.753006,-0.000000>,1.500000
<51.144753,231.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.144753,231.519058,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.144753,231.519058,-0.000000>,1.500000
<51.787540,232.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.787540,232.285095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.787540,232.285095,-0.000000>,1.500000
<52.430328,233.051147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.430328,233.051147,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.430328,233.051147,-0.000000>,1.500000
<53.073116,233.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.073116,233.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.073116,233.817184,-0.000000>,1.500000
<53.415134,234.756882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.415134,234.756882,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.415134,234.756882,-0.000000>,1.500000
<53.757156,235.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.757156,235.696579,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.757156,235.696579,-0.000000>,1.500000
<54.399944,236.462616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.399944,236.462616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.399944,236.462616,-0.000000>,1.500000
<55.042732,237.228668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.042732,237.228668,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.757156,235.696579,-0.000000>,1.500000
<54.099174,236.636261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.099174,236.636261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.099174,236.636261,-0.000000>,1.500000
<54.441196,237.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.441196,237.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.441196,237.575958,-0.000000>,1.500000
<54.441196,238.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.441196,238.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.441196,238.575958,-0.000000>,1.500000
<54.441196,239.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.441196,239.575958,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.441196,237.575958,-0.000000>,1.500000
<55.083984,238.341995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.083984,238.341995,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.083984,238.341995,-0.000000>,1.500000
<55.726772,239.108047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.726772,239.108047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.073116,233.817184,-0.000000>,1.500000
<53.939140,234.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.939140,234.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.939140,234.317184,-0.000000>,1.500000
<54.805168,234.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.805168,234.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.805168,234.817184,-0.000000>,1.500000
<55.789974,234.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.789974,234.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.789974,234.990829,-0.000000>,1.500000
<56.774780,235.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.774780,235.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.805168,234.817184,-0.000000>,1.500000
<55.671192,235.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.671192,235.317184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.671192,235.317184,-0.000000>,1.500000
<56.537216,235.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.537216,235.817184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.537216,235.817184,-0.000000>,1.500000
<57.180004,236.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.180004,236.583237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.180004,236.583237,-0.000000>,1.500000
<57.822792,237.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.822792,237.349274,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.537216,235.817184,-0.000000>,1.500000
<57.522026,235.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.522026,235.990829,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.522026,235.990829,-0.000000>,1.500000
<58.506832,236.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.506832,236.164490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.458492,212.653748,-0.000000>,1.500000
<43.324516,213.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.324516,213.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.324516,213.153748,-0.000000>,1.500000
<44.190544,213.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.190544,213.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.190544,213.653748,-0.000000>,1.500000
<45.056568,214.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.056568,214.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.056568,214.153748,-0.000000>,1.500000
<45.922596,214.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.922596,214.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.922596,214.653748,-0.000000>,1.500000
<46.788620,215.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.788620,215.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.788620,215.153748,-0.000000>,1.500000
<47.654644,215.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.654644,215.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.654644,215.653748,-0.000000>,1.500000
<48.520672,216.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.520672,216.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.520672,216.153748,-0.000000>,1.500000
<49.386696,216.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.386696,216.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.386696,216.653748,-0.000000>,1.500000
<50.371502,216.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.371502,216.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.371502,216.827393,-0.000000>,1.500000
<51.356312,217.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.356312,217.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.356312,217.001053,-0.000000>,1.500000
<52.341118,217.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.341118,217.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.341118,217.174698,-0.000000>,1.500000
<53.325928,217.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.325928,217.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.325928,217.348343,-0.000000>,1.500000
<54.310734,217.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.310734,217.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.310734,217.174698,-0.000000>,1.500000
<55.295544,217.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.295544,217.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.295544,217.001053,-0.000000>,1.500000
<56.161568,216.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.161568,216.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.161568,216.501053,-0.000000>,1.500000
<57.027592,216.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.027592,216.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.295544,217.001053,-0.000000>,1.500000
<56.280350,216.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.280350,216.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.280350,216.827393,-0.000000>,1.500000
<57.265160,216.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.265160,216.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,216.653748,-0.000000>,1.500000
<58.249966,216.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.249966,216.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.249966,216.827393,-0.000000>,1.500000
<59.234772,217.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.234772,217.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,216.653748,-0.000000>,1.500000
<58.131184,216.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.131184,216.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.131184,216.153748,-0.000000>,1.500000
<58.997208,215.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.997208,215.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.325928,217.348343,-0.000000>,1.500000
<54.310734,217.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.310734,217.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.310734,217.521988,-0.000000>,1.500000
<55.295544,217.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.295544,217.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.295544,217.695633,-0.000000>,1.500000
<56.280350,217.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.280350,217.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.280350,217.869293,-0.000000>,1.500000
<57.265160,218.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.265160,218.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,218.042938,-0.000000>,1.500000
<58.131184,218.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.131184,218.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.131184,218.542938,-0.000000>,1.500000
<58.997208,219.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.997208,219.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.997208,219.042938,-0.000000>,1.500000
<59.982018,219.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.982018,219.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.982018,219.216583,-0.000000>,1.500000
<60.966824,219.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.966824,219.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.997208,219.042938,-0.000000>,1.500000
<59.863235,219.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.863235,219.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.863235,219.542938,-0.000000>,1.500000
<60.729259,220.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.729259,220.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.729259,220.042938,-0.000000>,1.500000
<61.372047,220.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.372047,220.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.372047,220.808975,-0.000000>,1.500000
<62.014835,221.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.014835,221.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.729259,220.042938,-0.000000>,1.500000
<61.714066,220.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.714066,220.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.714066,220.216583,-0.000000>,1.500000
<62.698875,220.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.698875,220.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.265160,218.042938,-0.000000>,1.500000
<58.249966,217.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.249966,217.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.249966,217.869293,-0.000000>,1.500000
<59.234772,217.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.234772,217.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.234772,217.695633,-0.000000>,1.500000
<60.100800,217.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.100800,217.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.100800,217.195633,-0.000000>,1.500000
<60.966824,216.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.966824,216.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.234772,217.695633,-0.000000>,1.500000
<60.219582,217.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.219582,217.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.219582,217.521988,-0.000000>,1.500000
<61.204388,217.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.204388,217.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.204388,217.348343,-0.000000>,1.500000
<62.189198,217.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.189198,217.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.189198,217.521988,-0.000000>,1.500000
<63.174004,217.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.174004,217.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.204388,217.348343,-0.000000>,1.500000
<62.070415,216.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.070415,216.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.070415,216.848343,-0.000000>,1.500000
<62.936440,216.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.936440,216.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.386696,216.653748,-0.000000>,1.500000
<50.252720,217.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.252720,217.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.252720,217.153748,-0.000000>,1.500000
<51.118748,217.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.118748,217.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.118748,217.653748,-0.000000>,1.500000
<51.984772,218.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.984772,218.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.984772,218.153748,-0.000000>,1.500000
<52.850796,218.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.850796,218.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.850796,218.653748,-0.000000>,1.500000
<53.716824,219.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.716824,219.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.716824,219.153748,-0.000000>,1.500000
<54.582848,219.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<54.582848,219.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<54.582848,219.653748,-0.000000>,1.500000
<55.448875,220.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<55.448875,220.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<55.448875,220.153748,-0.000000>,1.500000
<56.314899,220.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.314899,220.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.314899,220.653748,-0.000000>,1.500000
<56.957687,221.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<56.957687,221.419800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.957687,221.419800,-0.000000>,1.500000
<57.600475,222.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.600475,222.185837,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.600475,222.185837,-0.000000>,1.500000
<58.243263,222.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.243263,222.951889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.243263,222.951889,-0.000000>,1.500000
<58.886051,223.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.886051,223.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.886051,223.717926,-0.000000>,1.500000
<59.752075,224.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.752075,224.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.752075,224.217926,-0.000000>,1.500000
<60.618099,224.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.618099,224.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.618099,224.717926,-0.000000>,1.500000
<61.602909,224.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.602909,224.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.602909,224.891571,-0.000000>,1.500000
<62.587715,225.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.587715,225.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.618099,224.717926,-0.000000>,1.500000
<61.484127,225.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.484127,225.217926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.484127,225.217926,-0.000000>,1.500000
<62.350151,225.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.350151,225.717926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.350151,225.717926,-0.000000>,1.500000
<62.992939,226.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.992939,226.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.992939,226.483978,-0.000000>,1.500000
<63.635727,227.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.635727,227.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.350151,225.717926,-0.000000>,1.500000
<63.334957,225.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.334957,225.891571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.334957,225.891571,-0.000000>,1.500000
<64.319763,226.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.319763,226.065231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.886051,223.717926,-0.000000>,1.500000
<59.528835,224.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.528835,224.483978,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.528835,224.483978,-0.000000>,1.500000
<60.171623,225.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.171623,225.250015,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.171623,225.250015,-0.000000>,1.500000
<60.814411,226.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.814411,226.016068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.814411,226.016068,-0.000000>,1.500000
<61.457199,226.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.457199,226.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.457199,226.782104,-0.000000>,1.500000
<61.799221,227.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.799221,227.721802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.799221,227.721802,-0.000000>,1.500000
<62.141239,228.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.141239,228.661484,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.141239,228.661484,-0.000000>,1.500000
<62.784027,229.427536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.784027,229.427536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.784027,229.427536,-0.000000>,1.500000
<63.426815,230.193573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.426815,230.193573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.141239,228.661484,-0.000000>,1.500000
<62.483261,229.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.483261,229.601181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.483261,229.601181,-0.000000>,1.500000
<62.825279,230.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.825279,230.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.825279,230.540878,-0.000000>,1.500000
<62.825279,231.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.825279,231.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.825279,231.540878,-0.000000>,1.500000
<62.825279,232.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.825279,232.540878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.825279,230.540878,-0.000000>,1.500000
<63.468067,231.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.468067,231.306915,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.468067,231.306915,-0.000000>,1.500000
<64.110855,232.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.110855,232.072968,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.457199,226.782104,-0.000000>,1.500000
<62.323227,227.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.323227,227.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.323227,227.282104,-0.000000>,1.500000
<63.189251,227.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.189251,227.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.189251,227.782104,-0.000000>,1.500000
<64.174057,227.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.174057,227.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.174057,227.955750,-0.000000>,1.500000
<65.158867,228.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.158867,228.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.189251,227.782104,-0.000000>,1.500000
<64.055275,228.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.055275,228.282104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.055275,228.282104,-0.000000>,1.500000
<64.921303,228.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.921303,228.782104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.921303,228.782104,-0.000000>,1.500000
<65.564087,229.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.564087,229.548157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.564087,229.548157,-0.000000>,1.500000
<66.206879,230.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.206879,230.314194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.921303,228.782104,-0.000000>,1.500000
<65.906113,228.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.906113,228.955750,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.906113,228.955750,-0.000000>,1.500000
<66.890915,229.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.890915,229.129395,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<56.314899,220.653748,-0.000000>,1.500000
<57.299706,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<57.299706,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<57.299706,220.827393,-0.000000>,1.500000
<58.284515,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<58.284515,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<58.284515,221.001053,-0.000000>,1.500000
<59.269321,221.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<59.269321,221.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<59.269321,221.174698,-0.000000>,1.500000
<60.254131,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<60.254131,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.254131,221.348343,-0.000000>,1.500000
<61.238937,221.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.238937,221.174698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.238937,221.174698,-0.000000>,1.500000
<62.223747,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.223747,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.223747,221.001053,-0.000000>,1.500000
<63.089771,220.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.089771,220.501053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.089771,220.501053,-0.000000>,1.500000
<63.955795,220.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.955795,220.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.223747,221.001053,-0.000000>,1.500000
<63.208553,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.208553,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.208553,220.827393,-0.000000>,1.500000
<64.193359,220.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.193359,220.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,220.653748,-0.000000>,1.500000
<65.178169,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.178169,220.827393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.178169,220.827393,-0.000000>,1.500000
<66.162979,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.162979,221.001053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,220.653748,-0.000000>,1.500000
<65.059387,220.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.059387,220.153748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.059387,220.153748,-0.000000>,1.500000
<65.925415,219.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.925415,219.653748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<60.254131,221.348343,-0.000000>,1.500000
<61.238937,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<61.238937,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<61.238937,221.521988,-0.000000>,1.500000
<62.223747,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<62.223747,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<62.223747,221.695633,-0.000000>,1.500000
<63.208553,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<63.208553,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<63.208553,221.869293,-0.000000>,1.500000
<64.193359,222.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<64.193359,222.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,222.042938,-0.000000>,1.500000
<65.059387,222.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.059387,222.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.059387,222.542938,-0.000000>,1.500000
<65.925415,223.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.925415,223.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.925415,223.042938,-0.000000>,1.500000
<66.910217,223.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.910217,223.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.910217,223.216583,-0.000000>,1.500000
<67.895027,223.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.895027,223.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.925415,223.042938,-0.000000>,1.500000
<66.791435,223.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.791435,223.542938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.791435,223.542938,-0.000000>,1.500000
<67.657463,224.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.657463,224.042938,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.657463,224.042938,-0.000000>,1.500000
<68.300247,224.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.300247,224.808975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.300247,224.808975,-0.000000>,1.500000
<68.943039,225.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.943039,225.575027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.657463,224.042938,-0.000000>,1.500000
<68.642273,224.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.642273,224.216583,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.642273,224.216583,-0.000000>,1.500000
<69.627075,224.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<69.627075,224.390228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<64.193359,222.042938,-0.000000>,1.500000
<65.178169,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<65.178169,221.869293,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<65.178169,221.869293,-0.000000>,1.500000
<66.162979,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<66.162979,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.162979,221.695633,-0.000000>,1.500000
<67.028999,221.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.028999,221.195633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.028999,221.195633,-0.000000>,1.500000
<67.895027,220.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.895027,220.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<66.162979,221.695633,-0.000000>,1.500000
<67.147781,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<67.147781,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<67.147781,221.521988,-0.000000>,1.500000
<68.132591,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.132591,221.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.132591,221.348343,-0.000000>,1.500000
<69.117401,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<69.117401,221.521988,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<69.117401,221.521988,-0.000000>,1.500000
<70.102211,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<70.102211,221.695633,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.132591,221.348343,-0.000000>,1.500000
<68.998619,220.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<68.998619,220.848343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<68.998619,220.848343,-0.000000>,1.500000
<69.864639,220.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<69.864639,220.348343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 148.760498, 297.520996>
look_at   <0, 148.760498,  0>
}
