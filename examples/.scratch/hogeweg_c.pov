#include "colors.inc"
light_source { <48.970055, 48.970055, 48.970055> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.120000
<0.000000,2.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.120000
<0.000000,3.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.120000
<0.000000,4.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.120000
<-0.434445,4.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,4.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,4.900698,-0.000000>,0.120000
<-0.868891,5.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,5.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.120000
<0.000000,5.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.120000
<0.434445,5.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,5.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,5.900698,-0.000000>,0.120000
<0.868891,6.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,6.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.120000
<0.434445,5.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,5.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,5.900698,-0.000000>,0.120000
<0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,6.900698,-0.000000>,0.120000
<0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,7.801396,-0.000000>,0.120000
<1.303336,8.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,8.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,6.900698,-0.000000>,0.120000
<0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,5.900698,-0.000000>,0.120000
<0.868891,6.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,6.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.120000
<0.000000,6.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.120000
<-0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.120000
<-0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,8.801396,-0.000000>,0.120000
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.120000
<-0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,6.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,8.801396,-0.000000>,0.120000
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,8.801396,-0.000000>,0.120000
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,8.801396,-0.000000>,0.120000
<-0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,9.801396,-0.000000>,0.120000
<-0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,8.801396,-0.000000>,0.120000
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,9.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,7.900698,-0.000000>,0.120000
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,6.900698,-0.000000>,0.120000
<-0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,7.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.120000
<0.000000,7.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.120000
<0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,7.900698,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,7.900698,-0.000000>,0.120000
<0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,8.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.120000
<0.000000,8.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.120000
<0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.120000
<0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,11.801396,-0.000000>,0.120000
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,11.801396,-0.000000>,0.120000
<0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.120000
<0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,8.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.120000
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,8.900699,-0.000000>,0.120000
<0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,9.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,9.801396,-0.000000>,0.120000
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,13.602793,-0.000000>,0.120000
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,9.801396,-0.000000>,0.120000
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,13.602793,-0.000000>,0.120000
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,11.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,13.602793,-0.000000>,0.120000
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,13.602793,-0.000000>,0.120000
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,13.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,13.602793,-0.000000>,0.120000
<1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,14.602793,-0.000000>,0.120000
<1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,13.602793,-0.000000>,0.120000
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,14.503491,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,12.702095,-0.000000>,0.120000
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,11.702095,-0.000000>,0.120000
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,12.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,10.801396,-0.000000>,0.120000
<0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,9.801396,-0.000000>,0.120000
<1.303336,10.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,10.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.120000
<0.000000,9.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.120000
<-0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,9.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,9.900699,-0.000000>,0.120000
<-1.217053,10.523212,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,10.523212,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,10.523212,-0.000000>,0.120000
<-1.999662,11.145727,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,11.145727,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,9.900699,-0.000000>,0.120000
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,9.900699,-0.000000>,0.120000
<-0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,10.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.120000
<0.000000,10.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.120000
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.120000
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,11.801396,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,11.801396,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,17.602793,-0.000000>,0.120000
<-1.737781,18.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,18.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,11.801396,-0.000000>,0.120000
<-1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.120000
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,10.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,11.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<0.000000,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.801396,-0.000000>,0.120000
<0.434445,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,11.900699,-0.000000>,0.120000
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,12.900699,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,10.900699,-0.000000>,0.120000
<-0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,11.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,11.801396,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,11.801396,-0.000000>,0.120000
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,12.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,13.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,13.702095,-0.000000>,0.120000
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,14.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,12.801396,-0.000000>,0.120000
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,13.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,17.602793,-0.000000>,0.120000
<-1.737781,18.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,18.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,14.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,15.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,15.702095,-0.000000>,0.120000
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,16.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,14.702095,-0.000000>,0.120000
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,15.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,18.503490,-0.000000>,0.120000
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,16.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,18.503490,-0.000000>,0.120000
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,17.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,18.503490,-0.000000>,0.120000
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,18.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,18.503490,-0.000000>,0.120000
<-2.606672,19.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,19.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,19.404190,-0.000000>,0.120000
<-2.606672,20.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,20.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,20.404190,-0.000000>,0.120000
<-2.606672,21.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,21.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,19.404190,-0.000000>,0.120000
<-3.041117,20.304888,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.041117,20.304888,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,18.503490,-0.000000>,0.120000
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,19.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,17.503490,-0.000000>,0.120000
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,18.404190,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,16.602793,-0.000000>,0.120000
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,17.602793,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,15.602793,-0.000000>,0.120000
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,16.503490,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,13.801396,-0.000000>,0.120000
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,14.801396,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,11.801396,-0.000000>,0.120000
<-1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,12.702095,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.120000
<0.000000,11.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.120000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 12.242514, 24.485027>
look_at   <0, 12.242514,  0>
}
